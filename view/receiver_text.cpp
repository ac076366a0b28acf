#include "view/receiver_text.h"

#include <algorithm>

namespace {

constexpr int kLargestTableSize = 36;
constexpr int kLargestFittedSize = 30;

// Sizes for rectangles from 21 to 60 pixels: up to m, the size.
struct SSizeStep {
    int nUpTo;
    int nSize;
};
constexpr SSizeStep kSteps[] = {{25, 8}, {32, 11}, {40, 13}, {44, 15}, {50, 17}, {60, 19}};

int TableSize(int m)
{
    if (m < 14)
        return 0;
    if (m <= 20)
        return m / 2;
    for (const SSizeStep& s : kSteps)
        if (m <= s.nUpTo)
            return s.nSize;
    return m / 3;
}

} // namespace

int ReceiverTextSize(int m, int receiverNumber)
{
    int size = TableSize(m);
    if (receiverNumber >= 1000)
        size = static_cast<int>(size * 0.8);
    return std::min(size, kLargestTableSize);
}

int FittedTextSize(int size, int widthAtSize, int lines, int width, int height)
{
    int fitted = std::min(size, kLargestFittedSize);
    if (widthAtSize > width && widthAtSize > 0)
        fitted = std::min(fitted, static_cast<int>(static_cast<long long>(size) * width / widthAtSize));
    if (lines > 0)
        fitted = std::min(fitted, height / lines);
    return std::max(fitted, 1);
}

int CountLines(const std::string& text)
{
    if (text.empty())
        return 0;
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\n' || text[i] == '\r')
            ++lines;
    }
    return lines;
}
