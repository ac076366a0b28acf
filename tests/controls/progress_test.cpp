#include "controls/base_dlg.h"
#include "controls_test_support.h"
#include "progress_window.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {

using morv::detail::CProgressWindow;

class ProgressTest : public ScriptedTest {
protected:
    void TearDown() override
    {
        owner.EndProgress();
        other.EndProgress();
        ScriptedTest::TearDown();
    }
    int Begin(CMorvBaseDlg& dlg)
    {
        SProgressInfo info;
        info.strTitle = "Detecting";
        return dlg.BeginProgress(info);
    }
    static std::tuple<bool, CProgressWindow*> Running(CMorvBaseDlg& dlg)
    {
        return {dlg.IsProgressRunning(), CProgressWindow::Running()};
    }
    const std::tuple<bool, CProgressWindow*> kNone{false, nullptr};
    auto State() { return CProgressWindow::Running()->State(); }
    HostWindow host;
    CMorvBaseDlg owner;
    CMorvBaseDlg other;
};

TEST_F(ProgressTest, OneProgressAtATimeShownClampedAndEnded)
{
    EXPECT_EQ(Begin(owner), 0); // a dialog without a window may still watch
    EXPECT_TRUE(owner.IsProgressRunning());
    owner.EndProgress();
    ASSERT_TRUE(owner.Create(2008, &host));
    ASSERT_TRUE(other.Create(2012, &host));
    EXPECT_EQ(Begin(owner), 0);
    ASSERT_NE(CProgressWindow::Running(), nullptr);
    EXPECT_EQ(std::tuple(State().strTitle, CProgressWindow::Running()->Widget()->isVisible(),
                         CProgressWindow::Running()->Widget()->windowModality()),
              std::tuple(std::string("Detecting"), true, Qt::ApplicationModal));
    const SModalRecord* record = Script().Last(EModalKind::Progress);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->strText, "Detecting");
    owner.SetProgressRange(0, 30);
    owner.SetProgressPos(12);
    EXPECT_EQ(State().nPos, 12);
    owner.SetProgressPos(45);
    EXPECT_EQ(State().nPos, 30);
    owner.SetProgressRange(30, 100);
    EXPECT_EQ(std::tuple(State().nMin, State().nPos), std::tuple(30, 30));
    owner.SetProgressText("Receivers");
    EXPECT_EQ(State().strText, "Receivers");

    EXPECT_EQ(Begin(other), -1); // a second one is refused
    EXPECT_FALSE(other.IsProgressRunning());
    other.SetProgressPos(50); // ignored: it has no progress
    EXPECT_EQ(State().nPos, 30);
    owner.EndProgress();
    EXPECT_EQ(Running(owner), kNone);

    Script().RefuseProgress(); // the script can refuse the next one
    EXPECT_EQ(Begin(other), -1);
    EXPECT_EQ(Running(other), kNone);
    EXPECT_EQ(Begin(other), 0);
    other.DestroyWindow(); // destroying the owner ends its progress
    EXPECT_EQ(Running(other), kNone);
}

} // namespace
