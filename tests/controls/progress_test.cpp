#include "controls/base_dlg.h"
#include "controls_test_support.h"
#include "progress_window.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {

using morv::detail::CProgressWindow;

SProgressInfo Titled(const std::string& title)
{
    SProgressInfo info;
    info.strTitle = title;
    return info;
}

class ProgressTest : public ScriptedTest {
protected:
    void TearDown() override
    {
        owner.EndProgress();
        other.EndProgress();
        ScriptedTest::TearDown();
    }
    HostWindow host;
    CMorvBaseDlg owner;
    CMorvBaseDlg other;
};

TEST_F(ProgressTest, BeginShowsAProgressWindowAndEndTakesItAway)
{
    ASSERT_TRUE(owner.Create(2008, &host));
    SProgressInfo info;
    info.strTitle = "Detecting";
    EXPECT_EQ(owner.BeginProgress(info), 0);
    EXPECT_TRUE(owner.IsProgressRunning());
    CProgressWindow* window = CProgressWindow::Running();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->State().strTitle, "Detecting");
    EXPECT_TRUE(window->Widget()->isVisible());
    EXPECT_EQ(window->Widget()->windowModality(), Qt::ApplicationModal);
    const SModalRecord* record = Script().Last(EModalKind::Progress);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->strText, "Detecting");
    owner.EndProgress();
    EXPECT_FALSE(owner.IsProgressRunning());
    EXPECT_EQ(CProgressWindow::Running(), nullptr);
}

TEST_F(ProgressTest, RangeAndPositionAreShownClamped)
{
    ASSERT_TRUE(owner.Create(2008, &host));
    ASSERT_EQ(owner.BeginProgress(Titled("Detecting")), 0);
    owner.SetProgressRange(0, 30);
    owner.SetProgressPos(12);
    EXPECT_EQ(CProgressWindow::Running()->State().nPos, 12);
    owner.SetProgressPos(45);
    EXPECT_EQ(CProgressWindow::Running()->State().nPos, 30);
    owner.SetProgressRange(30, 100);
    EXPECT_EQ(CProgressWindow::Running()->State().nMin, 30);
    EXPECT_EQ(CProgressWindow::Running()->State().nPos, 30);
    owner.SetProgressText("Receivers");
    EXPECT_EQ(CProgressWindow::Running()->State().strText, "Receivers");
}

TEST_F(ProgressTest, ASecondProgressIsRefused)
{
    ASSERT_TRUE(owner.Create(2008, &host));
    ASSERT_TRUE(other.Create(2012, &host));
    ASSERT_EQ(owner.BeginProgress(Titled("Detecting")), 0);
    EXPECT_EQ(other.BeginProgress(Titled("Detecting")), -1);
    EXPECT_FALSE(other.IsProgressRunning());
    other.SetProgressPos(50); // ignored: it has no progress
    EXPECT_EQ(CProgressWindow::Running()->State().nPos, 0);
    owner.EndProgress();
    EXPECT_EQ(other.BeginProgress(Titled("Detecting")), 0);
}

TEST_F(ProgressTest, ScriptCanRefuseTheNextProgress)
{
    ASSERT_TRUE(owner.Create(2008, &host));
    Script().RefuseProgress();
    EXPECT_EQ(owner.BeginProgress(Titled("Detecting")), -1);
    EXPECT_FALSE(owner.IsProgressRunning());
    EXPECT_EQ(CProgressWindow::Running(), nullptr);
    EXPECT_EQ(owner.BeginProgress(Titled("Detecting")), 0);
}

TEST_F(ProgressTest, DestroyingTheOwnerEndsItsProgress)
{
    ASSERT_TRUE(owner.Create(2008, &host));
    ASSERT_EQ(owner.BeginProgress(Titled("Detecting")), 0);
    owner.DestroyWindow();
    EXPECT_FALSE(owner.IsProgressRunning());
    EXPECT_EQ(CProgressWindow::Running(), nullptr);
}

TEST_F(ProgressTest, ADialogWithoutAWindowMayStillWatch)
{
    EXPECT_EQ(owner.BeginProgress(Titled("Detecting")), 0);
    EXPECT_TRUE(owner.IsProgressRunning());
}

} // namespace
