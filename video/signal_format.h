#pragma once
// The expected signal format of a video input as text, "1920x1080@60.000Hz":
// reading the three numbers out of a text, the bounds a format must keep,
// and forming the texts again. Plain functions; every number is written
// and read with a decimal point whatever the process locale.
#include <optional>
#include <string>
#include <string_view>

struct SSignalFormat {
    int nWidth = 0;
    int nHeight = 0;
    double dRefresh = 0.0; // Hz
};

// Bounds of the three numbers (the signal format dialog's edits).
struct SSignalBounds {
    double dMin;
    double dMax;
    int nDecimals;
};
inline constexpr SSignalBounds kWidthBounds{64, 32767, 0};
inline constexpr SSignalBounds kHeightBounds{64, 16384, 0};
inline constexpr SSignalBounds kRefreshBounds{23.0, 240.0, 3};

// The format of an input never configured.
inline constexpr const char* kDefaultSignalText = "1920x1080@60.000Hz";

// Reads a format text. Width: the text left of the first "x". Height: from
// there to the first "i" (interlaced) or "@" after that "x". Refresh: from
// just after the first "@" after the "x" (just after the "i" when there
// is no "@") to the first "Hz" after it. Each is the number the text
// starts with (blanks and a sign allowed, 0 when it starts with none), the
// refresh a plain decimal. Nothing when the text is empty, a mark is
// missing, or a number does not fit (an integer beyond int, a refresh
// beyond double).
std::optional<SSignalFormat> ParseSignalFormat(std::string_view text);

// Whether each number lies within its bounds.
bool IsWithinBounds(const SSignalFormat& format);
bool IsWithinBounds(double value, const SSignalBounds& bounds);

// A text read as a format that keeps its bounds; nothing otherwise.
std::optional<SSignalFormat> ParseUsableSignalFormat(std::string_view text);

// What the three edits show for a format: "%d", "%d" and "%0.3f".
struct SSignalEditTexts {
    std::string strWidth;
    std::string strHeight;
    std::string strRefresh;
};
SSignalEditTexts SignalEditTextsOf(const SSignalFormat& format);

// "%dx%d@%sHz": the refresh as it was typed.
std::string FormSignalText(int width, int height, const std::string& refreshText);

// "%dx%d@%.2lfHz": a stored format as the video input rows show it.
std::string StoredSignalText(int width, int height, double refresh);
