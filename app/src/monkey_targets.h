#pragma once
// The named things the page shows, read from the dump, for the monkey to
// aim at as a user would: every visible control of a skinned dialog, every
// visible item of its first button bar, every item a tree shows.
#include <QJsonObject>

#include <string>
#include <vector>

namespace app {

// Targets in the scenario language ("@CToolBarDlg:bar:3",
// "@CSenderInfoTree:item:0"), in window order.
std::vector<std::string> MonkeyTargets(const QJsonObject& dump);

} // namespace app
