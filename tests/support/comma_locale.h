#pragma once
// The C library's numeric locale switched to one that writes a decimal
// comma, for the life of the object, as a user's desktop may set it. When
// the machine has no such locale installed, one is generated once per
// process (localedef, into a temporary folder named by LOCPATH).
#include <string>

class CommaDecimalLocale {
public:
    CommaDecimalLocale();
    ~CommaDecimalLocale();
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    // Whether printf now writes 1.5 as "1,5"; why not otherwise.
    bool Active() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }

private:
    std::string m_previous;
    std::string m_error;
};
