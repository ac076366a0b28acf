#include "settings/setting_page_layout.h"

#include "controls/density.h"

#include <algorithm>

namespace setting_page {
namespace {

// Design lengths.
constexpr int kTop = 20;  // above the first title, and below the last row
constexpr int kLine = 32; // one row
constexpr int kSectionGap = 16;
constexpr int kTitleLeft = 20;
constexpr int kTitleWidth = 560;
constexpr int kBoxLeft = 36;
constexpr int kBoxWidth = 20;
constexpr int kBoxLabelLeft = 62;
constexpr int kBoxLabelWidth = 250;
constexpr int kWideLabelWidth = 500;
constexpr int kEditHeight = 24;
constexpr int kEditWidth = 64;
constexpr int kRefreshLabelWidth = 100;
constexpr int kNarrowRefreshLabelWidth = 70;
constexpr int kTimeEditWidth = 100;
constexpr int kTimeEditHeight = 18;
constexpr int kRefreshUnitWidth = 200;
constexpr int kGroupLeft = 320; // the threshold and voltage groups right of the box labels
constexpr int kAboveWidth = 56;
constexpr int kUnitWidth = 32;
constexpr int kAlarmWidth = 110;
constexpr int kDashWidth = 24;
constexpr int kVoltUnitWidth = 24;
constexpr int kWarningLabelWidth = 90;
constexpr int kWarningBackWidth = 200;
constexpr int kTableWidth = 310;
constexpr int kTableRowHeight = 20;
constexpr int kMinTableRows = 6;
constexpr int kButtonGap = 20;
constexpr int kButtonWidth = 160;
constexpr int kButtonHeight = 24;
constexpr int kButtonPitch = 32;

// Lays the rows out one under the other in design pixels and stores each
// rectangle scaled and moved by the offset.
class CRows {
public:
    explicit CRows(const SPageLayoutInput& in, SPageLayout& out) : m_in(in), m_out(out) {}

    int Top() const { return m_y; }
    void NextRow() { m_y += kLine; }
    void Gap() { m_y += kSectionGap; }
    void Title(ESection section, int index)
    {
        m_out.sectionTops[static_cast<int>(section)] = Px(m_y);
        Put(index, kTitleLeft, kTitleWidth, kLine);
        NextRow();
    }
    // A control `width` wide at `left` in the current row, `height` high, centred in the row.
    void Put(int index, int left, int width, int height = kLine)
    {
        const int top = m_y + (kLine - height) / 2;
        Store(index, left, top, left + width, top + height);
        m_bottom = std::max(m_bottom, top + height);
    }
    void Store(int index, int left, int top, int right, int bottom)
    {
        m_out.rects[index] = {Px(left), Px(top) + m_in.nOffset, Px(right), Px(bottom) + m_in.nOffset};
        m_bottom = std::max(m_bottom, bottom);
    }
    // A check box at the left with its label.
    void BoxRow(int box, int label, int labelWidth = kBoxLabelWidth)
    {
        Put(box, kBoxLeft, kBoxWidth);
        Put(label, kBoxLabelLeft, labelWidth);
    }
    int Bottom() const { return m_bottom; }
    int Px(int design) const { return morv::Scale(design, m_in.dScale); }

private:
    const SPageLayoutInput& m_in;
    SPageLayout& m_out;
    int m_y = kTop;
    int m_bottom = 0;
};

void General(CRows& rows, const SPageLayoutInput& in)
{
    rows.Title(ESection::General, kGeneralTitle);
    const int labelWidth = in.bNarrowRefreshLabel ? kNarrowRefreshLabelWidth : kRefreshLabelWidth;
    const int editLeft = kBoxLeft + labelWidth + 5;
    rows.Put(kRefreshLabel, kBoxLeft, labelWidth);
    rows.Put(kRefreshEdit, editLeft, kTimeEditWidth, kTimeEditHeight);
    rows.Put(kRefreshUnit, editLeft + kTimeEditWidth + 10, kRefreshUnitWidth);
    rows.NextRow();
}

void Sender(CRows& rows, const SPageLayoutInput& in)
{
    rows.Title(ESection::Sender, kSenderTitle);
    const int boxes[][2] = {{kVideoInputBox, kVideoInputLabel},
                            {kLockBox, kLockLabel},
                            {kBlackBox, kBlackLabel},
                            {kBrightnessBox, kBrightnessLabel}};
    for (const auto& [box, label] : boxes) {
        if (box == kVideoInputBox && in.bFiber)
            continue;
        rows.BoxRow(box, label);
        rows.NextRow();
    }
}

// Box and label, then "Above", the threshold, its unit and "raise an alarm".
void ThresholdRow(CRows& rows, int box, int label, int above, int edit, int unit, int alarm)
{
    rows.BoxRow(box, label);
    int x = kGroupLeft;
    rows.Put(above, x, kAboveWidth);
    rows.Put(edit, x += kAboveWidth, kEditWidth, kEditHeight);
    rows.Put(unit, x += kEditWidth + 4, kUnitWidth);
    rows.Put(alarm, x + kUnitWidth, kAlarmWidth);
    rows.NextRow();
}

void Receiver(CRows& rows)
{
    rows.Title(ESection::Receiver, kReceiverTitle);
    ThresholdRow(rows, kTemperatureBox, kTemperatureLabel, kTemperatureAbove, kTemperatureEdit, kTemperatureUnit,
                 kTemperatureAlarm);
    ThresholdRow(rows, kHumidityBox, kHumidityLabel, kHumidityAbove, kHumidityEdit, kHumidityUnit, kHumidityAlarm);
    rows.Put(kPowerTitle, kBoxLeft, kWideLabelWidth);
    rows.NextRow();
    for (const auto& [box, label] : {std::pair{kPower1Box, kPower1Label}, std::pair{kPower2Box, kPower2Label}}) {
        rows.BoxRow(box, label);
        rows.NextRow();
    }
    rows.Put(kVoltageTitle, kBoxLeft, kWideLabelWidth);
    rows.NextRow();
    for (int i = 0; i < 2; ++i) {
        rows.BoxRow(VoltageControl(i, kVoltageBox), VoltageControl(i, kVoltageLabel));
        int x = kGroupLeft;
        rows.Put(VoltageControl(i, kVoltageMinEdit), x, kEditWidth, kEditHeight);
        rows.Put(VoltageControl(i, kVoltageDash), x += kEditWidth, kDashWidth);
        rows.Put(VoltageControl(i, kVoltageMaxEdit), x += kDashWidth, kEditWidth, kEditHeight);
        rows.Put(VoltageControl(i, kVoltageUnit), x + kEditWidth + 4, kVoltUnitWidth);
        rows.NextRow();
    }
}

void Mail(CRows& rows, const SPageLayoutInput& in, SPageLayout& out)
{
    rows.Title(ESection::Mail, kMailTitle);
    rows.BoxRow(kMailOnBox, kMailOnLabel, kWideLabelWidth);
    rows.NextRow();
    rows.Put(kWarningNumLabel, kBoxLeft, kWarningLabelWidth);
    rows.Put(kWarningNumEdit, kBoxLeft + kWarningLabelWidth, kEditWidth, kEditHeight);
    rows.Put(kWarningNumBack, kBoxLeft + kWarningLabelWidth + kEditWidth + 6, kWarningBackWidth);
    rows.NextRow();
    rows.BoxRow(kReturnBox, kReturnLabel, kWideLabelWidth);
    rows.NextRow();
    rows.Put(kRecipientTitle, kBoxLeft, kWideLabelWidth);
    rows.NextRow();

    // The table's rows are whole scaled rows, so its height is counted in them.
    const int top = rows.Top();
    out.nTableRows = RecipientTableRows(in.nRecipients);
    out.nRowHeight = rows.Px(kTableRowHeight);
    rows.Store(kRecipientTable, kBoxLeft, top, kBoxLeft + kTableWidth, top);
    out.rects[kRecipientTable].bottom += (out.nTableRows + 1) * out.nRowHeight;
    const int buttonLeft = kBoxLeft + kTableWidth + kButtonGap;
    int y = top;
    for (int button : {kAdd, kDelete, kModify, kSendingAccount, kTest}) {
        rows.Store(button, buttonLeft, y, buttonLeft + kButtonWidth, y + kButtonHeight);
        y += kButtonPitch;
    }
}

} // namespace

int RecipientTableRows(int recipients) { return std::max(recipients + 1, kMinTableRows); }

SPageLayout LayoutSettingPage(const SPageLayoutInput& in)
{
    SPageLayout out;
    out.sectionTops.fill(-1);
    CRows rows(in, out);
    General(rows, in);
    rows.Gap();
    Sender(rows, in);
    if (!in.bFiber) {
        rows.Gap();
        Receiver(rows);
    }
    rows.Gap();
    Mail(rows, in, out);
    // The table is measured in scaled rows; everything else in design pixels.
    const int tableBottom = out.rects[kRecipientTable].bottom - in.nOffset;
    out.nHeight = std::max(rows.Px(rows.Bottom()), tableBottom) + rows.Px(kTop);
    return out;
}

} // namespace setting_page
