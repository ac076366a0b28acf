#pragma once
// Key and modifier names of the scenario language.
#include <string>

namespace app {

enum EModifier : unsigned { ModCtrl = 0x1, ModShift = 0x2, ModAlt = 0x4 };

// The toolkit key (Qt::Key value) of a name: a letter or digit, f1..f12,
// tab, escape (esc), enter (return), space, backspace, delete, insert,
// home, end, pageup, pagedown, left, right, up, down. 0 for other names.
int QtKeyFromName(const std::string& name);
// ctrl (control), shift, alt; 0 for other names.
unsigned ModifierFromName(const std::string& name);

} // namespace app
