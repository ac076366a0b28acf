#pragma once
// The expected signal format of a video input as text, "1920x1080@60.000Hz":
// reading the three numbers out of a text and forming the text again.
// Plain functions.
#include <optional>
#include <string>
#include <string_view>

struct SSignalFormat {
    int nWidth = 0;
    int nHeight = 0;
    double dRefresh = 0.0;   // Hz
};

// Reads a format text. Width: the text left of the first "x". Height: from
// there to the first "i" after that "x", or, with none, the first "@"
// after it. Refresh: from just after that to the first "Hz" after it.
// Each is the number the text starts with (blanks and a sign allowed, 0
// when it starts with none), the refresh a plain decimal. Nothing when the
// text is empty, a mark is missing, or a number does not fit (an integer
// beyond int, a refresh beyond double).
std::optional<SSignalFormat> ParseSignalFormat(std::string_view text);

// What the three edits show for a format: "%d", "%d" and "%0.3f", always
// with a decimal point whatever the user's locale writes.
struct SSignalEditTexts {
    std::string strWidth;
    std::string strHeight;
    std::string strRefresh;
};
SSignalEditTexts SignalEditTextsOf(const SSignalFormat& format);

// "%dx%d@%sHz": the refresh as it was typed.
std::string FormSignalText(int width, int height, const std::string& refreshText);
