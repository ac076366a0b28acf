// The host's side of a page, against the minimal fixture page loaded like
// the real one: the Notify → Update round trip, queued re-entrant
// notifications, placement on resize, page switching and release.
#include "fixture_support.h"

#include "host/quarn_label_reserved.h"
#include "page_area.h"
#include "page_host.h"
#include "run_until.h"

#include "platform/native_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using apptest::FindLine;
using apptest::PageLog;

struct FakeCommands final : app::IHostCommands {
    int OpenProject(const std::string& path) override
    {
        opened.push_back(path);
        return openResult;
    }
    int SaveProject() override { return ++saves; }
    int SaveProjectAs() override { return 0; }
    int LoadProjectFromCard(int) override { return 0; }
    int SaveProjectToCard(int& cancelled, CWnd*) override
    {
        cancelled = 1;
        return 0;
    }
    std::vector<std::string> opened;
    int openResult = 1;
    int saves = 0;
};

// A second page of the host's own, enough to switch to.
struct PlainPage final : CQuarnLabelReserved {
    int Activate() override { return ++activations; }
    void MoveTo(CRect r) override { placed = r; }
    void Release() override { released = true; }
    int ApplyLanguage() override { return 1; }
    void ReloadImages() override {}
    int Update(int32_t mask, int32_t, int32_t) override
    {
        masks.push_back(mask);
        return 1;
    }
    int Show(int32_t show) override
    {
        const int was = shown;
        shown = show;
        return was;
    }
    int IsShown() override { return shown; }
    int activations = 0, shown = 0;
    bool released = false;
    CRect placed;
    std::vector<int32_t> masks;
};

class PageHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.resize(640, 480);
        auto* layout = new QVBoxLayout(&container);
        layout->setContentsMargins(0, 0, 0, 0);
        ASSERT_TRUE(plat::CreateChildInWidget(area, &container, CRect(0, 0, 640, 480), app::kPageAreaId));
        layout->addWidget(plat::NativeWidget(&area));
        area.ShowWindow(SW_SHOW);
        container.show();
        area.SetResizeHandler([this](int, int) { host->PlacePages(); });
        host = std::make_unique<app::CPageHost>(area, commands);
        std::string error;
        ASSERT_TRUE(loader.Load(apptest::FixturePath("fixture_page"), error)) << error;
        apptest::ClearPageLog(loader);
        apptest::SetPageEcho(loader, 0);
        page = host->AttachPage("Monitor", [&] { return loader.Init(host.get(), error); });
        ASSERT_NE(page, nullptr) << error;
    }
    void TearDown() override
    {
        area.SetResizeHandler({});
        host->ReleasePages();
        area.DestroyWindow();
        loader.Unload();
    }
    std::vector<std::string> Log() const { return PageLog(loader); }

    QWidget container;
    app::CPageArea area;
    FakeCommands commands;
    PlainPage second; // attached by the tests that switch pages
    std::unique_ptr<app::CPageHost> host;
    app::CModuleLoader loader;
    IQuarnLabel* page = nullptr;
};

// A new page is placed on the area and laid out; what it notified from
// inside its entry (0x200000 from the fixture's Monitor_Init) follows once
// the page is known.
TEST_F(PageHostTest, NewPageIsPlacedLaidOutAndHearsWhatItNotifiedDuringTheEntry)
{
    const auto log = Log();
    const CRect client = area.GetClientRect();
    const int move = FindLine(log, "MoveTo 0,0," + std::to_string(client.right) + "," + std::to_string(client.bottom));
    ASSERT_GE(move, 0);
    const int layout = FindLine(log, "Update ffffffff 0 1", move);
    EXPECT_GT(layout, move);
    ASSERT_GE(FindLine(log, "Init"), 0);
    EXPECT_GT(FindLine(log, "Update 200000 0 0"), layout);
    ASSERT_FALSE(host->Notifications().empty());
    EXPECT_TRUE(host->Notifications().front().queued);
}

TEST_F(PageHostTest, ClickOnThePageComesBackAsAnUpdateWithTheSameMask)
{
    apptest::ClearPageLog(loader);
    CWnd* pageWnd = CWnd::WindowFromPoint([&] {
        CPoint p(20, 30);
        area.ClientToScreen(p);
        return p;
    }());
    ASSERT_NE(pageWnd, nullptr);
    ASSERT_NE(pageWnd, &area);
    pageWnd->DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    const auto log = Log();
    const int click = FindLine(log, "click 20,30 flags 1");
    ASSERT_GE(click, 0);
    EXPECT_GT(FindLine(log, "Update 4000 0 0", click), click);
    EXPECT_EQ(host->Notifications().back().mask, 0x8000);
}

TEST_F(PageHostTest, NotifyFromInsideAnUpdateIsDeliveredAfterItInOrder)
{
    apptest::ClearPageLog(loader);
    host->Notify(0x4000, 0, 0, 0); // the page answers it with Notify(0x8000)
    const auto log = Log();
    const int first = FindLine(log, "Update 4000 0 0");
    const int firstEnd = FindLine(log, "Update 4000 end");
    const int second = FindLine(log, "Update 8000 0 0");
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    EXPECT_LT(first, firstEnd);
    EXPECT_GT(second, firstEnd) << "the nested notification was delivered inside the running update";
    EXPECT_FALSE(host->Notifications()[host->Notifications().size() - 2].queued);
    EXPECT_TRUE(host->Notifications().back().queued);
}

TEST_F(PageHostTest, SecondOrThirdWordOfNotifyAsksForRelayoutAndFirstIsTheWord)
{
    apptest::ClearPageLog(loader);
    host->Notify(0x1F4000, 1, 1, 0);
    host->Notify(0x10000, 5, 0, 0);
    host->Notify(0x200000, 0, 0, 1);
    const auto log = Log();
    EXPECT_GE(FindLine(log, "Update 1f4000 1 1"), 0);
    EXPECT_GE(FindLine(log, "Update 10000 5 0"), 0);
    EXPECT_GE(FindLine(log, "Update 200000 0 1"), 0);
}

TEST_F(PageHostTest, EndlessNotificationsFromUpdatesAreCutOff)
{
    apptest::SetPageEcho(loader, 0x10000);
    apptest::ClearPageLog(loader);
    host->Notify(0x10000, 0, 0, 0);
    apptest::SetPageEcho(loader, 0);
    int updates = 0;
    for (const auto& line : Log())
        updates += line == "Update 10000 0 0";
    EXPECT_EQ(updates, app::kMaxQueuedDeliveries + 1);
    EXPECT_EQ(host->DroppedCount(), 1);
    // The host is usable afterwards.
    apptest::ClearPageLog(loader);
    host->Notify(0x80000, 0, 0, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Update 80000 0 0", "Update 80000 end"}));
}

TEST_F(PageHostTest, ResizingTheAreaMovesThePageAndLaysItOut)
{
    apptest::ClearPageLog(loader);
    container.resize(900, 700);
    ASSERT_TRUE(RunUntil([&] { return FindLine(Log(), "MoveTo 0,0,900,700") >= 0; }));
    const auto log = Log();
    const int move = FindLine(log, "MoveTo 0,0,900,700");
    EXPECT_GT(FindLine(log, "Update ffffffff 0 1", move), move);
}

TEST_F(PageHostTest, SwitchLabelShowsTheNextPageAndComesBack)
{
    EXPECT_EQ(host->SwitchLabel(), 0) << "one page: nothing to switch to";
    host->AttachPage("Summary", [&] { return &second; });
    ASSERT_TRUE(host->ShowPage(0));
    apptest::ClearPageLog(loader);
    EXPECT_EQ(host->SwitchLabel(), 1);
    EXPECT_EQ(host->CurrentPage(), 1);
    EXPECT_EQ(second.shown, 1);
    EXPECT_EQ(second.activations, 1);
    EXPECT_EQ(page->IsShown(), 0);
    EXPECT_GE(FindLine(Log(), "Show 0"), 0);
    EXPECT_EQ(host->SwitchLabel(), 1);
    EXPECT_EQ(host->CurrentPage(), 0);
    EXPECT_EQ(second.shown, 0);
    EXPECT_EQ(page->IsShown(), 1);
    EXPECT_GE(FindLine(Log(), "Activate"), 0);
    // Every page hears every notification, shown or not.
    host->Notify(0x4000, 0, 0, 0);
    EXPECT_EQ(second.masks.back(), 0x8000);
    host->ReleasePages();
    EXPECT_TRUE(second.released);
}

TEST_F(PageHostTest, CtrlTabOnThePageReachesTheHostsSwitch)
{
    host->AttachPage("Summary", [&] { return &second; });
    host->ShowPage(0);
    QWidget* target = plat::NativeWidget(CWnd::WindowFromPoint([&] {
        CPoint p(5, 5);
        area.ClientToScreen(p);
        return p;
    }()));
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::sendEvent(target, &press);
    EXPECT_GE(FindLine(Log(), "key 9 ctrl"), 0);
    EXPECT_EQ(host->CurrentPage(), 1);
}

TEST_F(PageHostTest, ProjectOperationsGoToTheCommandsAndASuccessfulOpenRefreshesEveryPage)
{
    apptest::ClearPageLog(loader);
    EXPECT_EQ(host->OpenProject("a.json"), 1);
    EXPECT_EQ(commands.opened, std::vector<std::string>{"a.json"});
    EXPECT_GE(FindLine(Log(), "Update ffffffff 0 1"), 0);
    apptest::ClearPageLog(loader);
    commands.openResult = 0;
    EXPECT_EQ(host->OpenProject(""), 0);
    EXPECT_EQ(FindLine(Log(), "Update ffffffff 0 1"), -1) << "a failed open must leave the page as it was";
    EXPECT_EQ(host->SaveProject(), 1);
    int cancelled = 0;
    EXPECT_EQ(host->SaveProjectToCard(cancelled, nullptr), 0);
    EXPECT_EQ(cancelled, 1);
}

TEST_F(PageHostTest, ReleaseEndsThePageAndItsWindow)
{
    const int windowsBefore = static_cast<int>(plat::NativeWidget(&area)->findChildren<QWidget*>().size());
    EXPECT_GT(windowsBefore, 0);
    host->ReleasePages();
    EXPECT_GE(FindLine(Log(), "Release"), 0);
    EXPECT_EQ(host->PageCount(), 0);
    RunUntil([&] { return plat::NativeWidget(&area)->findChildren<QWidget*>().empty(); });
    EXPECT_TRUE(plat::NativeWidget(&area)->findChildren<QWidget*>().empty());
    // Notifications after release reach nobody and harm nothing.
    host->Notify(-1, 0, 0, 0);
}

TEST_F(PageHostTest, RecreatedPageTakesTheSameSlotPlacedAndShownAsBefore)
{
    host->AttachPage("Summary", [&] { return &second; });
    for (const int shownPage : {0, 1}) {
        SCOPED_TRACE(shownPage);
        ASSERT_TRUE(host->ShowPage(shownPage));
        apptest::ClearPageLog(loader);
        std::string error;
        ASSERT_TRUE(host->RecreatePage(0, [&] { return loader.Init(host.get(), error); })) << error;
        const auto log = Log();
        const int release = FindLine(log, "Release");
        ASSERT_GE(release, 0);
        EXPECT_GT(FindLine(log, "Update ffffffff 0 1", release), release);
        EXPECT_EQ(host->PageName(0), "Monitor");
        EXPECT_EQ(host->CurrentPage(), shownPage);
        EXPECT_EQ(host->Page(0)->IsShown(), shownPage == 0 ? 1 : 0);
        EXPECT_EQ(second.shown, shownPage == 1 ? 1 : 0);
    }
    EXPECT_FALSE(host->RecreatePage(2, [] { return nullptr; }));
    // A page that cannot be made again leaves the list.
    EXPECT_FALSE(host->RecreatePage(0, [] { return nullptr; }));
    EXPECT_EQ(host->PageCount(), 1);
    EXPECT_EQ(host->PageName(0), "Summary");
    EXPECT_EQ(host->CurrentPage(), 0);
}

} // namespace
