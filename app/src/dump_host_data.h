#pragma once
// The host's data as JSON: the project (file, modified mark, senders,
// groups), the monitoring settings, what the last monitoring round read
// (senders online, warnings, broken loops), the calls the page made into the host's
// services, and language texts the page asked for that the language file lacks.
#include <QJsonArray>
#include <QJsonObject>

namespace app {

QJsonObject ProjectJson();
QJsonObject SettingsJson();
// Read from the host's monitor data records without logging a call.
QJsonObject MonitorDataJson();
QJsonArray CallLogJson();
QJsonArray MissingTextsJson();

} // namespace app
