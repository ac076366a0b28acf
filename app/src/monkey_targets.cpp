#include "monkey_targets.h"

#include <QJsonArray>

namespace app {

namespace {

// Items a tree shows: those whose parents are all expanded.
int ShownTreeItems(const QJsonArray& items)
{
    int shown = 0;
    int hiddenBelow = -1; // items deeper than this lie under a folded parent
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        const int depth = item["depth"].toInt();
        if (hiddenBelow >= 0 && depth > hiddenBelow)
            continue;
        hiddenBelow = item["expanded"].toBool() ? -1 : depth;
        ++shown;
    }
    return shown;
}

void Collect(const QJsonObject& window, std::vector<std::string>& targets)
{
    if (!window["visible"].toBool())
        return;
    const std::string at = "@" + window["class"].toString().toStdString() + ":";
    for (const QJsonValue& control : window["controls"].toArray())
        if (control["visible"].toBool())
            targets.push_back(at + "control:" + std::to_string(control["index"].toInt()));
    const QJsonArray bars = window["bars"].toArray();
    if (!bars.isEmpty())
        for (const QJsonValue& item : bars.first().toArray())
            if (item["visible"].toBool())
                targets.push_back(at + "bar:" + std::to_string(item["index"].toInt()));
    for (int i = 0, n = ShownTreeItems(window["items"].toArray()); i < n; ++i)
        targets.push_back(at + "item:" + std::to_string(i));
    for (const QJsonValue& child : window["children"].toArray())
        Collect(child.toObject(), targets);
}

} // namespace

std::vector<std::string> MonkeyTargets(const QJsonObject& dump)
{
    std::vector<std::string> targets;
    for (const QJsonValue& window : dump["windows"].toArray())
        Collect(window.toObject(), targets);
    return targets;
}

} // namespace app
