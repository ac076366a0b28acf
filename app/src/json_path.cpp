#include "json_path.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>

namespace app {

namespace {

bool Step(const QJsonValue& current, const std::string& walked, const std::string& key, QJsonValue& out,
          std::string& error)
{
    if (key == "#") {
        if (current.isArray())
            out = current.toArray().size();
        else if (current.isObject())
            out = current.toObject().size();
        else {
            error = "\"" + walked + "\" is neither an array nor an object, so it has no count";
            return false;
        }
        return true;
    }
    if (!current.isObject()) {
        error = "\"" + walked + "\" is not an object, so it has no member \"" + key + "\"";
        return false;
    }
    const QJsonObject object = current.toObject();
    const auto it = object.find(QString::fromStdString(key));
    if (it == object.end()) {
        error = "\"" + walked + "\" has no member \"" + key + "\"";
        return false;
    }
    out = *it;
    return true;
}

bool Index(const QJsonValue& current, const std::string& walked, const std::string& inside, QJsonValue& out,
           std::string& error)
{
    if (!current.isArray()) {
        error = "\"" + walked + "\" is not an array";
        return false;
    }
    const QJsonArray array = current.toArray();
    const auto eq = inside.find('=');
    if (eq != std::string::npos) {
        const QString key = QString::fromStdString(inside.substr(0, eq));
        const SExpectValue wanted = ExpectValueOf(SWord{inside.substr(eq + 1), false});
        QJsonArray selected;
        for (const QJsonValue& element : array) {
            if (element.isObject() && element.toObject().contains(key)
                && JsonEquals(element.toObject().value(key), wanted))
                selected.append(element);
        }
        out = selected;
        return true;
    }
    int index = 0;
    const auto r = std::from_chars(inside.data(), inside.data() + inside.size(), index);
    if (r.ec != std::errc() || r.ptr != inside.data() + inside.size()) {
        error = "\"[" + inside + "]\" is neither an index nor a filter key=value";
        return false;
    }
    if (index < 0)
        index += static_cast<int>(array.size()); // [-1] is the last element
    if (index < 0 || index >= array.size()) {
        error = "\"" + walked + "\" has " + std::to_string(array.size()) + " element(s), no [" + inside + "]";
        return false;
    }
    out = array.at(index);
    return true;
}

} // namespace

bool EvalJsonPath(const QJsonValue& root, const std::string& path, QJsonValue& out, std::string& error)
{
    QJsonValue current = root;
    std::string walked;
    std::size_t i = 0;
    while (i < path.size()) {
        if (path[i] == '.') {
            ++i;
            continue;
        }
        if (path[i] == '[') {
            const auto close = path.find(']', i);
            if (close == std::string::npos) {
                error = "unclosed [ in \"" + path + "\"";
                return false;
            }
            const std::string inside = path.substr(i + 1, close - i - 1);
            QJsonValue next;
            if (!Index(current, walked.empty() ? "(top)" : walked, inside, next, error))
                return false;
            current = next;
            walked += path.substr(i, close - i + 1);
            i = close + 1;
            continue;
        }
        const auto end = path.find_first_of(".[", i);
        const std::string key = path.substr(i, end == std::string::npos ? std::string::npos : end - i);
        QJsonValue next;
        if (!Step(current, walked.empty() ? "(top)" : walked, key, next, error))
            return false;
        current = next;
        walked += (walked.empty() ? "" : ".") + key;
        i = end == std::string::npos ? path.size() : end;
    }
    out = current;
    return true;
}

bool JsonEquals(const QJsonValue& value, const SExpectValue& expected)
{
    switch (expected.kind) {
    case SExpectValue::EKind::Number: return value.isDouble() && std::fabs(value.toDouble() - expected.number) < 1e-9;
    case SExpectValue::EKind::Bool: return value.isBool() && value.toBool() == expected.boolean;
    case SExpectValue::EKind::Null: return value.isNull();
    case SExpectValue::EKind::String: return value.isString() && value.toString().toStdString() == expected.text;
    }
    return false;
}

std::string JsonText(const QJsonValue& value)
{
    std::string text;
    if (value.isArray())
        text = QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString();
    else if (value.isObject())
        text = QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString();
    else {
        // A one-element array prints a scalar the way JSON writes it.
        const std::string wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
        text = wrapped.substr(1, wrapped.size() - 2);
    }
    constexpr std::size_t kMax = 300;
    return text.size() > kMax ? text.substr(0, kMax) + "..." : text;
}

std::string ExpectText(const SExpectValue& expected)
{
    switch (expected.kind) {
    case SExpectValue::EKind::String: return "\"" + expected.text + "\"";
    default: return expected.text;
    }
}

} // namespace app
