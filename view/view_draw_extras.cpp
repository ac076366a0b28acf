// The legend, the watermark, the navigation overlay and the single-sender panel.
#include "controls/lib_set.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "view/view_paint.h"
#include "view/view_records.h"

#include <algorithm>
#include <map>

namespace {

constexpr Color kOverlayBack = RGBColor(50, 50, 50);
constexpr Color kOverlayContent = RGBColor(222, 222, 222);
constexpr Color kPanel = RGBColor(250, 250, 250);
constexpr int kLegendText = 14;

CRect Scaled(const CRect& r, double f, const CPoint& at)
{
    return {at.x + static_cast<int>(r.left * f), at.y + static_cast<int>(r.top * f),
            at.x + static_cast<int>(r.right * f), at.y + static_cast<int>(r.bottom * f)};
}

} // namespace

void DrawLegend(SViewPaint& p)
{
    const Font font{CMorvLibSet::Instance().GetDefaultFontName(), p.Scaled(kLegendText), false};
    struct SEntry {
        const char* key;
        Color fill;
    };
    const SEntry entries[]
        = {{"ViewRender_Warning", p.colors.clrWarningFill}, {"ViewRender_Offline", p.colors.clrOfflineFill}};
    const int height = p.Scaled(22);
    int right = p.client.right - 5;
    // Right to left, so the warning entry stands first.
    for (int i = 1; i >= 0; --i) {
        const std::string text = GetLanguageString(entries[i].key, "Monitoring");
        const int width = p.Scaled(p.dc.MeasureText(text, font).cx / p.density + 34);
        const CRect entry(right - width, p.client.top + 5, right, p.client.top + 5 + height);
        const int swatch = p.Scaled(14);
        const CRect box(entry.left + p.Scaled(6), entry.top + (height - swatch) / 2, entry.left + p.Scaled(6) + swatch,
                        entry.top + (height - swatch) / 2 + swatch);
        p.dc.FillRect(box, entries[i].fill);
        p.dc.DrawRect(box, Pen{RGBColor(90, 90, 90, 200), 1, {}});
        p.dc.DrawText(text, {box.right + p.Scaled(6), entry.top, entry.right, entry.bottom - 3}, font,
                      p.colors.clrOnlineText, AlignLeft | AlignVCenter);
        right = entry.left;
    }
}

void DrawWatermark(ICanvas& dc, const SViewImages& images, const CRect& client)
{
    if (const Image* w = images.watermark)
        dc.DrawImageAt(*w, {client.right - 5 - w->Width(), client.bottom - 5 - w->Height()});
}

void DrawNavigation(SViewPaint& p, const std::vector<int>& senders, const std::vector<SSenderLayout>& entries)
{
    p.data.ClearOverlayRects();
    p.data.ClearOverlayList(1);
    p.data.ClearOverlayList(2);
    const CSize extent = p.data.GetContentExtent();
    if (extent.cx <= 0 || extent.cy <= 0 || p.client.IsRectEmpty())
        return;
    const CRect box(p.client.right - p.client.Width() / 4, p.client.bottom - p.client.Height() / 4, p.client.right,
                    p.client.bottom);
    p.dc.FillRect(box, kOverlayBack);
    const double f
        = std::min(static_cast<double>(box.Width()) / extent.cx, static_cast<double>(box.Height()) / extent.cy);
    const CRect content = Scaled(CRect(CPoint(), extent), f, box.TopLeft());
    p.dc.FillRect(content, kOverlayContent);
    p.data.AppendOverlayRect(1, box);
    p.data.AppendOverlayRect(1, content);
    const int hovered = p.data.GetHoveredSender();
    for (int s : senders) {
        if (s < 0 || s >= static_cast<int>(entries.size())
            || entries[static_cast<std::size_t>(s)].rcBlock.IsRectEmpty())
            continue;
        const CRect r = Scaled(entries[static_cast<std::size_t>(s)].rcBlock, f, box.TopLeft());
        p.dc.FillRect(r, s == hovered ? p.colors.clrSelection : p.colors.clrNormalFill);
        p.data.SetOverlayRect(static_cast<uint32_t>(s), r);
    }
    const CRect visible = Scaled(CRect(p.start, p.client.Size()), f, box.TopLeft());
    CRect frame;
    frame.IntersectRect(visible, content);
    p.dc.DrawRect(frame, Pen{RGBColor(255, 255, 255), 1, {}});
    p.data.AppendOverlayRect(2, frame);
}

bool DrawSingleSenderPanel(SViewPaint& p, const SSenderLayout& e)
{
    CRect panel = p.client;
    panel.DeflateRect(p.Scaled(10), p.Scaled(10));
    p.dc.FillRect(panel, kPanel);
    p.dc.DrawRect(panel, Pen{p.colors.clrBorder, 1, {}});
    const Font message = CMorvLibSet::Instance().GetDefaultFont(-2);
    if (!e.bOnline) {
        p.dc.DrawText(GetLanguageString("SenderNoConnectToShow", "Monitoring"), p.client, message,
                      p.colors.clrOnlineText, AlignCenter);
        return false;
    }
    std::map<uint32_t, std::string> texts;
    p.data.GetInputSignalTexts(texts);
    if (texts.empty()) {
        const char* key = p.monitoring ? "SenderNoSetToShowMonitoring" : "SenderNoSetToShow";
        p.dc.DrawText(GetLanguageString(key, "Monitoring"), p.client, message, p.colors.clrOnlineText, AlignCenter);
        return true;
    }
    // One row per input under the input button: name, set and measured format.
    const Font font = CMorvLibSet::Instance().GetDefaultFont();
    const std::string input = GetLanguageString("Input", "Common");
    const std::string set = GetLanguageString("ResolutionSetted", "Monitoring");
    const std::string measured = GetLanguageString("ResolutionInput", "Monitoring");
    const int row = p.Scaled(28);
    const int left = p.Scaled(50);
    const int column = std::max(p.Scaled(200), (panel.right - left) / 3);
    int y = p.Scaled(100);
    for (uint32_t k = 1; texts.count(k << 16); ++k, y += row) {
        const uint32_t key = k << 16;
        const std::string cells[] = {input + ": " + texts[key], set + ": " + texts[key | 1],
                                     texts.count(key | 2) ? measured + ": " + texts[key | 2] : std::string()};
        for (int c = 0; c < 3; ++c)
            p.dc.DrawText(cells[c], {left + c * column, y, left + (c + 1) * column - p.Scaled(8), y + row}, font,
                          p.colors.clrOnlineText, AlignLeft | AlignVCenter | ElideRight);
    }
    return true;
}
