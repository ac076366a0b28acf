#pragma once
// Where the settings page puts its controls, as a plain function: the
// sections stacked from the top, each row one line high, the rows a fibre
// sender does not have left out, and every rectangle moved by the scroll
// offset.
#include "platform/geometry.h"
#include "settings/setting_map.h"

#include <array>
#include <map>

namespace setting_page {

struct SPageLayoutInput {
    double dScale = 1.0;
    bool bFiber = false;              // no video-input row, no receiver section
    bool bNarrowRefreshLabel = false; // simplified Chinese: the refresh label is 70 wide, not 100
    int nRecipients = 0;
    int nOffset = 0; // scroll offset in pixels: 0 at the top, negative further down
};

struct SPageLayout {
    std::map<int, CRect> rects; // control index -> rectangle in the page's client area
    int nTableRows = 0;         // recipient table rows under the header
    int nRowHeight = 0;         // of the recipient table
    int nHeight = 0;            // page height, whatever the offset
    // Top of each section's title row at offset 0; -1 for a section not shown.
    std::array<int, kSectionCount> sectionTops{};
};

SPageLayout LayoutSettingPage(const SPageLayoutInput& in);

// Rows of the recipient table under its header: one more than there are
// recipients, and never fewer than six.
int RecipientTableRows(int recipients);

// The design width the page needs.
constexpr int kPageDesignWidth = 600;

} // namespace setting_page
