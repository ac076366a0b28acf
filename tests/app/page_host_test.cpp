// The host's side of a page, against the minimal fixture page loaded like
// the real one: the Notify → Update round trip, queued re-entrant
// notifications, placement on resize, page switching and release.
#include "fixture_support.h"

#include "host/quarn_label_reserved.h"
#include "page_area.h"
#include "page_host.h"
#include "run_until.h"

#include "platform/native_qt.h"

#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using apptest::FindLine;
using apptest::PageLog;

struct FakeCommands final : app::IHostCommands {
    int OpenProject(const std::string& path) override { return opened.push_back(path), openResult; }
    int SaveProject() override { return ++saves; }
    int SaveProjectAs() override { return 0; }
    int LoadProjectFromCard(int) override { return 0; }
    int SaveProjectToCard(int& cancelled, CWnd*) override { return cancelled = 1, 0; }
    std::vector<std::string> opened;
    int openResult = 1, saves = 0;
};

// A second page of the host's own, enough to switch to.
struct PlainPage final : CQuarnLabelReserved {
    int Activate() override { return ++activations; }
    void MoveTo(CRect) override {}
    void Release() override { released = true; }
    int ApplyLanguage() override { return 1; }
    void ReloadImages() override {}
    int Update(int32_t mask, int32_t, int32_t) override { return masks.push_back(mask), 1; }
    int Show(int32_t show) override { return std::exchange(shown, show); }
    int IsShown() override { return shown; }
    int activations = 0, shown = 0;
    bool released = false;
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
        apptest::ResetPage(loader);
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

// The fixture's Monitor_Init notifies 0x200000 before the host knows the page.
TEST_F(PageHostTest, PageIsPlacedLaidOutHearsWhatItNotifiedDuringTheEntryAndFollowsTheArea)
{
    auto log = Log();
    const CRect client = area.GetClientRect();
    const int move = FindLine(log, "MoveTo 0,0," + std::to_string(client.right) + "," + std::to_string(client.bottom));
    ASSERT_TRUE(move >= 0 && FindLine(log, "Init") >= 0);
    const int layout = FindLine(log, "Update ffffffff 0 1", move);
    EXPECT_GT(layout, move);
    EXPECT_GT(FindLine(log, "Update 200000 0 0"), layout);
    ASSERT_FALSE(host->Notifications().empty());
    EXPECT_TRUE(host->Notifications().front().queued);

    apptest::ResetPage(loader);
    container.resize(900, 700);
    ASSERT_TRUE(RunUntil([&] { return FindLine(Log(), "MoveTo 0,0,900,700") >= 0; }));
    log = Log();
    EXPECT_GT(FindLine(log, "Update ffffffff 0 1", FindLine(log, "MoveTo 0,0,900,700")), 0);
}

TEST_F(PageHostTest, NotificationsComeBackAsUpdatesInOrderAndEndlessOnesAreCutOff)
{
    apptest::ResetPage(loader);
    host->Notify(0x4000, 0, 0, 0); // the page answers it with Notify(0x8000)
    auto log = Log();
    ASSERT_GE(FindLine(log, "Update 4000 0 0"), 0);
    EXPECT_GT(FindLine(log, "Update 8000 0 0"), FindLine(log, "Update 4000 end"))
        << "the nested notification was delivered inside the running update";
    const auto& notes = host->Notifications();
    EXPECT_EQ(std::tuple(notes.back().mask, notes.back().queued, notes[notes.size() - 2].queued),
              std::tuple(0x8000, true, false));

    apptest::ResetPage(loader);
    host->Notify(0x1F4000, 1, 1, 0); // the second or third word asks for a relayout
    host->Notify(0x10000, 5, 0, 0);
    host->Notify(0x200000, 0, 0, 1);
    log = Log();
    for (const char* line : {"Update 1f4000 1 1", "Update 10000 5 0", "Update 200000 0 1"})
        EXPECT_GE(FindLine(log, line), 0) << line;

    apptest::ResetPage(loader, 0x10000);
    host->Notify(0x10000, 0, 0, 0);
    log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Update 10000 0 0"), app::kMaxQueuedDeliveries + 1);
    EXPECT_EQ(host->DroppedCount(), 1);
    apptest::ResetPage(loader);
    host->Notify(0x80000, 0, 0, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Update 80000 0 0", "Update 80000 end"}));
}

TEST_F(PageHostTest, SwitchLabelShowsTheNextPageAndComesBackAndReleaseEndsThePages)
{
    EXPECT_EQ(host->SwitchLabel(), 0) << "one page: nothing to switch to";
    host->AttachPage("Summary", [&] { return &second; });
    ASSERT_TRUE(host->ShowPage(0));
    apptest::ResetPage(loader);
    EXPECT_EQ(host->SwitchLabel(), 1);
    EXPECT_EQ(std::tuple(host->CurrentPage(), second.shown, second.activations, page->IsShown()),
              std::tuple(1, 1, 1, 0));
    EXPECT_GE(FindLine(Log(), "Show 0"), 0);
    EXPECT_EQ(host->SwitchLabel(), 1);
    EXPECT_EQ(std::tuple(host->CurrentPage(), second.shown, page->IsShown()), std::tuple(0, 0, 1));
    EXPECT_GE(FindLine(Log(), "Activate"), 0);
    // Every page hears every notification, shown or not.
    host->Notify(0x4000, 0, 0, 0);
    EXPECT_EQ(second.masks.back(), 0x8000);
    // Notifications after the release reach nobody and harm nothing.
    const auto windows = [&] { return plat::NativeWidget(&area)->findChildren<QWidget*>().size(); };
    EXPECT_GT(windows(), 0);
    host->ReleasePages();
    EXPECT_TRUE(FindLine(Log(), "Release") >= 0 && second.released);
    EXPECT_EQ(host->PageCount(), 0);
    EXPECT_TRUE(RunUntil([&] { return windows() == 0; }));
    host->Notify(-1, 0, 0, 0);
}

TEST_F(PageHostTest, ProjectOperationsGoToTheCommandsAndASuccessfulOpenRefreshesEveryPage)
{
    apptest::ResetPage(loader);
    EXPECT_EQ(std::tuple(host->OpenProject("a.json"), commands.opened),
              std::tuple(1, std::vector<std::string>{"a.json"}));
    EXPECT_GE(FindLine(Log(), "Update ffffffff 0 1"), 0);
    apptest::ResetPage(loader);
    commands.openResult = 0;
    EXPECT_EQ(host->OpenProject(""), 0);
    EXPECT_EQ(FindLine(Log(), "Update ffffffff 0 1"), -1) << "a failed open must leave the page as it was";
    int cancelled = 0;
    EXPECT_EQ(std::tuple(host->SaveProject(), host->SaveProjectToCard(cancelled, nullptr), cancelled),
              std::tuple(1, 0, 1));
}

TEST_F(PageHostTest, RecreatedPageTakesTheSameSlotPlacedAndShownAsBefore)
{
    host->AttachPage("Summary", [&] { return &second; });
    for (const int shownPage : {0, 1}) {
        SCOPED_TRACE(shownPage);
        ASSERT_TRUE(host->ShowPage(shownPage));
        apptest::ResetPage(loader);
        std::string error;
        ASSERT_TRUE(host->RecreatePage(0, [&] { return loader.Init(host.get(), error); })) << error;
        const int release = FindLine(Log(), "Release");
        ASSERT_GE(release, 0);
        EXPECT_GT(FindLine(Log(), "Update ffffffff 0 1", release), release);
        EXPECT_EQ(std::tuple(host->PageName(0), host->CurrentPage(), host->Page(0)->IsShown(), second.shown),
                  std::tuple("Monitor", shownPage, shownPage == 0 ? 1 : 0, shownPage == 1 ? 1 : 0));
    }
    EXPECT_FALSE(host->RecreatePage(2, [] { return nullptr; }));
    // A page that cannot be made again leaves the list.
    EXPECT_FALSE(host->RecreatePage(0, [] { return nullptr; }));
    EXPECT_EQ(std::tuple(host->PageCount(), host->PageName(0), host->CurrentPage()), std::tuple(1, "Summary", 0));
}

} // namespace
