#include "module_test_support.h"

#include "module/label_monitor_dlg.h"
#include "module/module_entry.h"
#include "module/module_globals.h"

void ModuleTest::TearDown()
{
    if (g_pLabelDlg)
        g_pLabelDlg->Release();
    HostWorldTest::TearDown();
}

IQuarnLabel* ModuleTest::CreatePage(CTestHost& host)
{
    IQuarnLabel* page = nullptr;
    EXPECT_EQ(1, Monitor_Init(&host, &page));
    EXPECT_NE(nullptr, page);
    return page;
}

CRect RectInPage(const CWnd& page, const CWnd& pane)
{
    CRect rect = pane.GetWindowRect();
    const CRect pageRect = page.GetWindowRect();
    rect.OffsetRect(-pageRect.left, -pageRect.top);
    return rect;
}
