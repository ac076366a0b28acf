#include "controls/base_dlg.h"
#include "controls/msg_box.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"

#include <QTimer>
#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Records its set-up hooks; each hook answers what the test asks.
class HookDlg : public CMorvBaseDlg {
public:
    using CMorvBaseDlg::CMorvBaseDlg;
    std::vector<std::string> calls;
    int infoAnswer = 1, initAnswer = 1, finishAnswer = 1;
    bool windowDuringInfo = true;
    int frame = -1, childPage = -1;

protected:
    int OnSetBaseDlgInfo() override
    {
        calls.push_back("OnSetBaseDlgInfo");
        windowDuringInfo = IsWindow();
        if (frame >= 0)
            SetBaseDlgInfo(frame, childPage);
        return infoAnswer;
    }
    int InitControls() override
    {
        calls.push_back(IsWindow() ? "InitControls" : "InitControls without a window");
        return initAnswer;
    }
    int InitFinish() override
    {
        calls.push_back("InitFinish");
        return finishAnswer;
    }
};

using BaseDlgTest = ScriptedTest;

TEST_F(BaseDlgTest, CreateRunsTheHooksInOrder)
{
    HostWindow host;
    HookDlg dlg;
    ASSERT_TRUE(dlg.Create(211, &host));
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"OnSetBaseDlgInfo", "InitControls", "InitFinish"}));
    EXPECT_FALSE(dlg.windowDuringInfo);
    EXPECT_EQ(dlg.GetDlgCtrlID(), 211u);
    EXPECT_EQ(dlg.GetTemplateId(), 211u);
    EXPECT_EQ(dlg.GetParent(), &host);
    EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(BaseDlgTest, PageOptionsGiveABorderlessChildPage)
{
    HostWindow host;
    HookDlg page;
    page.frame = 0;
    page.childPage = 1;
    ASSERT_TRUE(page.Create(211, &host));
    EXPECT_FALSE(plat::NativeWidget(&page)->isWindow());
    page.MoveWindow({0, 0, 50, 40});
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    EXPECT_TRUE(OpsOf(canvas, DrawOp::Kind::DrawRect).empty()); // no frame line
    ASSERT_FALSE(canvas.Ops().empty());
    EXPECT_EQ(canvas.Ops()[0].kind, DrawOp::Kind::FillRect);
    EXPECT_EQ(canvas.Ops()[0].rect, CRect(0, 0, 50, 40));
}

TEST_F(BaseDlgTest, ChildPageOffMakesAFramedDialogAboveItsOwner)
{
    HostWindow host;
    HookDlg dlg;
    dlg.frame = 1;
    dlg.childPage = 0;
    ASSERT_TRUE(dlg.Create(500, &host));
    EXPECT_TRUE(plat::NativeWidget(&dlg)->isWindow());
    EXPECT_EQ(dlg.GetOwner(), &host);
    EXPECT_EQ(dlg.GetParent(), nullptr);
}

TEST_F(BaseDlgTest, AHookAnsweringZeroFailsTheCreation)
{
    HostWindow host;
    HookDlg refuseInfo;
    refuseInfo.infoAnswer = 0;
    EXPECT_FALSE(refuseInfo.Create(1, &host));
    EXPECT_EQ(refuseInfo.calls, std::vector<std::string>{"OnSetBaseDlgInfo"});
    EXPECT_FALSE(refuseInfo.IsWindow());

    HookDlg refuseInit;
    refuseInit.initAnswer = 0;
    EXPECT_FALSE(refuseInit.Create(1, &host));
    EXPECT_FALSE(refuseInit.IsWindow());
}

TEST_F(BaseDlgTest, CreateFailsTwiceAndWithoutAParentWindow)
{
    HostWindow host;
    HookDlg dlg;
    ASSERT_TRUE(dlg.Create(1, &host));
    EXPECT_FALSE(dlg.Create(1, &host));
    CWnd noWindow;
    HookDlg orphan;
    EXPECT_FALSE(orphan.Create(1, &noWindow));
    EXPECT_FALSE(orphan.Create(1, nullptr));
}

TEST_F(BaseDlgTest, DoModalRunsTheHooksAndAnswersEndDialog)
{
    HostWindow host;
    HookDlg dlg(2008, &host);
    bool wasModal = false;
    bool wasVisible = false;
    Script().RunOnDialog<HookDlg>(
        [&](HookDlg& shown) {
            wasModal = shown.IsModal();
            wasVisible = shown.IsWindowVisible();
            shown.EndDialog(6);
        },
        1);
    EXPECT_EQ(dlg.DoModal(), 6);
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"OnSetBaseDlgInfo", "InitControls", "InitFinish"}));
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_FALSE(dlg.IsModal());
    const SModalRecord* record = Script().Last(EModalKind::Dialog);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->nTemplateId, 2008u);
    EXPECT_EQ(record->nResult, 6);
}

TEST_F(BaseDlgTest, ScriptEndsTheDialogWithItsValueWhenTheActionDidNot)
{
    HookDlg dlg;
    Script().RunOnDialog([](CWnd*) {}, 1);
    EXPECT_EQ(dlg.DoModal(), 1);
    Script().EndDialog(2);
    EXPECT_EQ(dlg.DoModal(), 2);
    EXPECT_EQ(dlg.calls.size(), 6u); // set up afresh each time
}

TEST_F(BaseDlgTest, EnterAndEscapeEndAModalDialog)
{
    HookDlg dlg;
    Script().RunOnDialog([](CWnd* wnd) { KeyDown(*wnd, VK_RETURN); }, 99);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    Script().RunOnDialog([](CWnd* wnd) { KeyDown(*wnd, VK_ESCAPE); }, 99);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// A dialog whose Enter does not close it (it checks its fields first).
class CheckingDlg : public CMorvBaseDlg {
public:
    int okPresses = 0;

protected:
    void OnOK() override { ++okPresses; }
};

TEST_F(BaseDlgTest, OverriddenOkKeepsTheDialogOpen)
{
    CheckingDlg dlg;
    int presses = 0;
    Script().RunOnDialog<CheckingDlg>(
        [&](CheckingDlg& shown) {
            KeyDown(shown, VK_RETURN);
            presses = shown.okPresses;
            EXPECT_TRUE(shown.IsWindow());
        },
        7);
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_EQ(presses, 1);
}

TEST_F(BaseDlgTest, ClosingTheFrameCancels)
{
    HookDlg dlg;
    Script().RunOnDialog([](CWnd* wnd) { wnd->SendMessage(WM_CLOSE); }, 1);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(BaseDlgTest, KeysInAModelessChildPageGoOnToItsParent)
{
    HostWindow host;
    HookDlg page;
    ASSERT_TRUE(page.Create(1, &host));
    // Not swallowed by the page: the key reaches the window it was meant for.
    EXPECT_EQ(page.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 1), 0);
    EXPECT_TRUE(page.IsWindow());
}

TEST_F(BaseDlgTest, AThrowingActionEndsTheModalAndIsReported)
{
    HookDlg dlg;
    Script().RunOnDialog([](CWnd*) { throw std::runtime_error("field missing"); }, 1);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const auto errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("field missing"), std::string::npos);
    EXPECT_FALSE(dlg.IsWindow());
}

// A fatal assertion inside the action returns from it early; the modal
// must still end with the step's answer. The failure is caught here, so it
// is this test's expectation rather than its result.
int g_failedCheckResult = 0;
bool g_failedCheckWindowGone = false;

void RunDialogWithFailingCheck()
{
    HookDlg dlg;
    CModalScript::Instance().RunOnDialog([](CWnd* wnd) { ASSERT_EQ(wnd, nullptr) << "deliberate failure"; }, 4);
    g_failedCheckResult = dlg.DoModal();
    g_failedCheckWindowGone = !dlg.IsWindow();
}

TEST_F(BaseDlgTest, AFailedAssertionInAnActionStillEndsTheModal)
{
    EXPECT_FATAL_FAILURE(RunDialogWithFailingCheck(), "deliberate failure");
    EXPECT_EQ(g_failedCheckResult, 4);
    EXPECT_TRUE(g_failedCheckWindowGone);
}

TEST_F(BaseDlgTest, UnscriptedDialogInScriptedModeIsDismissedAndReported)
{
    HookDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const auto errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("no scripted answer"), std::string::npos);
}

TEST_F(BaseDlgTest, NestedModalsInsideADialogAreScriptedToo)
{
    HookDlg dlg;
    int boxAnswer = 0;
    Script().AnswerMessageBox(IDYES);
    Script().RunOnDialog(
        [&](CWnd* wnd) { boxAnswer = MsgBox(wnd, "Delete the group?", "Quarn", MB_YESNO | MB_ICONQUESTION, 0, 5); },
        IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(boxAnswer, IDYES);
    ASSERT_EQ(Script().Log().size(), 2u);
    EXPECT_EQ(Script().Log()[0].eKind, EModalKind::Dialog);
    EXPECT_EQ(Script().Log()[1].eKind, EModalKind::MessageBox);
}

TEST_F(BaseDlgTest, ADialogWithoutOwnerIsCentredOnTheScreen)
{
    HookDlg dlg;
    CRect shownAt;
    Script().RunOnDialog([&](CWnd* wnd) { shownAt = wnd->GetWindowRect(); }, 1);
    dlg.DoModal();
    const CRect work = plat::GetScreenWorkArea();
    EXPECT_NEAR(shownAt.CenterPoint().x, work.CenterPoint().x, 1);
    EXPECT_NEAR(shownAt.CenterPoint().y, work.CenterPoint().y, 1);
}

TEST_F(BaseDlgTest, LanguageLookupOfTheDialogComesFirst)
{
    HookDlg dlg;
    EXPECT_EQ(dlg.GetLanguageText("OK", "Common"), "OK");
    dlg.SetLanguageLookup([](const std::string& key, const std::string&) { return "[" + key + "]"; });
    EXPECT_EQ(dlg.GetLanguageText("OK", "Common"), "[OK]");
}

// The live loop: a zero-delay timer stands in for the user; nothing waits
// on the clock.
TEST_F(BaseDlgTest, LiveLoopEndsWithEndDialog)
{
    Script().SetMode(CModalScript::EMode::Live);
    HookDlg dlg;
    QTimer::singleShot(0, [&] { dlg.EndDialog(5); });
    EXPECT_EQ(dlg.DoModal(), 5);
}

TEST_F(BaseDlgTest, LiveLoopEndsWhenTheFrameIsClosed)
{
    Script().SetMode(CModalScript::EMode::Live);
    HookDlg dlg;
    QTimer::singleShot(0, [&] { dlg.PostMessage(WM_CLOSE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(BaseDlgTest, LiveLoopEndsWhenTheWindowIsDestroyed)
{
    Script().SetMode(CModalScript::EMode::Live);
    HookDlg dlg;
    QTimer::singleShot(0, [&] { dlg.DestroyWindow(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

} // namespace
