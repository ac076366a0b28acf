#include "panes/toolbar_items.h"

#include "controls/button_bar.h"

namespace {

int Scaled(int design, double scale) { return static_cast<int>(design * scale); }

bool IsSeparator(int index) { return index >= TB_SEPARATOR_FIRST && index <= TB_SEPARATOR_LAST; }

} // namespace

const std::vector<SToolBarItemInfo>& ToolBarItemTable()
{
    static const std::vector<SToolBarItemInfo> items{
        {TB_LEFT_END, "ToolBar\\LeftImage\\Normal.png"},
        {TB_OPEN, "ToolBar\\Open", "Project_Open", "Common", "(Ctrl+O)"},
        {TB_SAVE, "ToolBar\\Save", "Project_Save", "Common", "(Ctrl+S)"},
        {TB_LOAD_FROM_CARD, "ToolBar\\LoadFromCard", "Projects_LoadFromCard", "ToolBar"},
        {TB_SAVE_TO_CARD, "ToolBar\\SaveToCard", "Projects_SaveToCard", "ToolBar"},
        {TB_SETTINGS, "ToolBar\\Setting", "MonitorSetting", "ToolBar"},
        {TB_START, "ToolBar\\MonitorStart", "ToolBar_Start", "ToolBar"},
        {TB_STOP, "ToolBar\\MonitorStop", "ToolBar_Stop", "ToolBar"},
        {TB_NORMAL, "ToolBar\\Normal", "ToolBar_Normal", "ToolBar"},
        {TB_MOVE, "ToolBar\\Hand", "ToolBar_ViewMove", "ToolBar"},
        {TB_LOG, "ToolBar\\MonitorLog", "MonitorLogQuery", "Monitoring"},
        {TB_NAVIGATION, "ToolBar\\Navigation", "MonitorNavigation", "Monitoring"},
        {TB_ZOOM, "", "ToolBar_Pecent", "ToolBar"},
        {14, "ToolBar\\splitline.png"},
        {15, "ToolBar\\splitline.png"},
        {16, "ToolBar\\splitline.png"},
        {17, "ToolBar\\splitline.png"},
        {18, "ToolBar\\splitline.png"},
    };
    return items;
}

const SToolBarItemInfo* FindToolBarItem(int index)
{
    const auto& items = ToolBarItemTable();
    if (index < TB_LEFT_END || index > static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<std::size_t>(index - TB_LEFT_END)];
}

int ToolBarItemKind(int index)
{
    // The left end is drawn like a separator: its picture, and no input.
    if (index == TB_LEFT_END || IsSeparator(index))
        return BarSeparator;
    return index == TB_ZOOM ? BarDropDown : BarPush;
}

int ToolBarItemStyle(int index)
{
    if (IsSeparator(index))
        return 5;
    // The zoom item is a field with an arrow.
    return index == TB_ZOOM ? 1 : 0;
}

std::vector<SToolBarSlot> ComputeToolBarLayout(const CRect& client, double scale, bool receiverTarget)
{
    // Separators 14 to 17 between the groups; 18 stands before the zoom item.
    static constexpr int kOrder[]
        = {TB_OPEN, TB_SAVE, TB_LOAD_FROM_CARD, TB_SAVE_TO_CARD, 14, TB_SETTINGS, 15,           TB_START,
           TB_STOP, 16,      TB_NORMAL,         TB_MOVE,         17, TB_LOG,      TB_NAVIGATION};
    const int buttonWidth = Scaled(38, scale);
    const int buttonHeight = Scaled(31, scale);
    const int buttonTop = (client.top + client.bottom - buttonHeight) / 2;
    const int lineTop = client.top + client.Height() / 10;
    const int lineBottom = lineTop + client.Height() * 4 / 5;

    std::vector<SToolBarSlot> slots;
    int x = Scaled(20, scale);
    const int leftEndHeight = Scaled(30, scale);
    const int leftEndTop = (client.top + client.bottom - leftEndHeight) / 2;
    slots.push_back({TB_LEFT_END, {0, leftEndTop, x, leftEndTop + leftEndHeight}});

    auto place = [&](int index) {
        if (IsSeparator(index)) {
            const int width = Scaled(6, scale);
            const int left = x + (width - 2) / 2;
            slots.push_back({index, {left, lineTop, left + 2, lineBottom}});
            x += width;
        } else if (index == TB_ZOOM) {
            const int slot = Scaled(87, scale);
            const int inner = Scaled(75, scale);
            const int left = x + (slot - inner) / 2;
            slots.push_back({index, {left, lineTop, left + inner, lineBottom}});
            x += slot;
        } else {
            slots.push_back({index, {x, buttonTop, x + buttonWidth, buttonTop + buttonHeight}});
            x += buttonWidth;
        }
    };
    for (int index : kOrder)
        place(index);
    if (receiverTarget) {
        place(TB_SEPARATOR_LAST);
        place(TB_ZOOM);
    }
    return slots;
}
