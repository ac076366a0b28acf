#pragma once
// The host's second page: a plain summary of the installation, so that
// switching pages (Ctrl+Tab, the View menu) has somewhere to go. It takes
// the same Update calls as every page and redraws on any of them.
#include "host/quarn_label_reserved.h"

#include "platform/window.h"

#include <functional>
#include <string>
#include <vector>

namespace app {

constexpr UINT kSummaryPageId = 300;

class CSummaryPage final : public CWnd, public CQuarnLabelReserved {
public:
    using LinesProvider = std::function<std::vector<std::string>()>;
    // The host's page switch, for Ctrl+Tab on this page.
    using PageSwitch = std::function<int()>;

    CSummaryPage(LinesProvider lines, PageSwitch switchPage)
        : m_lines(std::move(lines)), m_switchPage(std::move(switchPage))
    {}
    ~CSummaryPage() override = default;
    bool Create(CWnd* parent);

    int Activate() override;
    void MoveTo(CRect rect) override;
    void Release() override;
    int ApplyLanguage() override { return 1; }
    void ReloadImages() override {}
    int Update(int32_t mask, int32_t word, int32_t relayout) override;
    int Show(int32_t show) override;
    int IsShown() override { return IsWindowVisible() ? 1 : 0; }

    int32_t LastMask() const { return m_lastMask; }

protected:
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    void OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

private:
    LinesProvider m_lines;
    PageSwitch m_switchPage;
    int32_t m_lastMask = 0;
};

} // namespace app
