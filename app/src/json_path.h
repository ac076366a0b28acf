#pragma once
// Paths into the JSON dump, for the scenario's expect command:
//   host.pages[0].name         members and array indices
//   calls[operation=X].#       the elements whose member equals a value; # counts
// A filter value is read like an expected value (number, true/false/null,
// else text).
#include "script.h"

#include <QJsonValue>

#include <string>

namespace app {

// The value at the path; false with a message naming the first step that
// does not exist.
bool EvalJsonPath(const QJsonValue& root, const std::string& path, QJsonValue& out, std::string& error);

// Numbers compare as numbers, texts as texts; a number never equals a text.
bool JsonEquals(const QJsonValue& value, const SExpectValue& expected);

// Compact text of a value for messages (long texts are cut).
std::string JsonText(const QJsonValue& value);
std::string ExpectText(const SExpectValue& expected);

} // namespace app
