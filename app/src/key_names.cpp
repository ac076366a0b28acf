#include "key_names.h"

#include <Qt>

#include <cctype>
#include <map>

namespace app {

int QtKeyFromName(const std::string& name)
{
    std::string lower;
    for (const char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() == 1 && std::isalnum(static_cast<unsigned char>(lower[0])))
        return std::toupper(static_cast<unsigned char>(lower[0])); // Qt::Key_A.. and Key_0.. are the ASCII codes
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
        const std::string digits = lower.substr(1);
        if (digits.find_first_not_of("0123456789") == std::string::npos) {
            const int n = std::stoi(digits);
            if (n >= 1 && n <= 12)
                return Qt::Key_F1 + n - 1;
        }
        return 0;
    }
    static const std::map<std::string, int> named{
        {"tab", Qt::Key_Tab},
        {"escape", Qt::Key_Escape},
        {"esc", Qt::Key_Escape},
        {"enter", Qt::Key_Return},
        {"return", Qt::Key_Return},
        {"space", Qt::Key_Space},
        {"backspace", Qt::Key_Backspace},
        {"delete", Qt::Key_Delete},
        {"insert", Qt::Key_Insert},
        {"home", Qt::Key_Home},
        {"end", Qt::Key_End},
        {"pageup", Qt::Key_PageUp},
        {"pagedown", Qt::Key_PageDown},
        {"left", Qt::Key_Left},
        {"right", Qt::Key_Right},
        {"up", Qt::Key_Up},
        {"down", Qt::Key_Down},
    };
    const auto it = named.find(lower);
    return it == named.end() ? 0 : it->second;
}

unsigned ModifierFromName(const std::string& name)
{
    if (name == "ctrl" || name == "control")
        return ModCtrl;
    if (name == "shift")
        return ModShift;
    if (name == "alt")
        return ModAlt;
    return 0;
}

} // namespace app
