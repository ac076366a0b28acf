#pragma once
// The host's data as JSON: the project (file, modified mark, senders,
// groups), the monitoring settings, the calls the page made into the host's
// services, and language texts the page asked for that the language file lacks.
#include <QJsonArray>
#include <QJsonObject>

namespace app {

QJsonObject ProjectJson();
QJsonObject SettingsJson();
QJsonArray CallLogJson();
QJsonArray MissingTextsJson();

} // namespace app
