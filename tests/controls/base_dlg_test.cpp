#include "controls/base_dlg.h"
#include "controls/msg_box.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"
#include "progress_window.h"

#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Strings = std::vector<std::string>;
const Strings kHooks{"OnSetBaseDlgInfo", "InitControls", "InitFinish"};

// Records its set-up hooks; each hook answers what the test asks.
class HookDlg : public CMorvBaseDlg {
public:
    using CMorvBaseDlg::CMorvBaseDlg;
    Strings calls;
    int infoAnswer = 1, initAnswer = 1, okPresses = 0;
    bool windowDuringInfo = true, checksOk = false;
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
        return 1;
    }
    // A dialog that checks its fields first: Enter does not close it.
    void OnOK() override { checksOk ? void(++okPresses) : CMorvBaseDlg::OnOK(); }
};

using BaseDlgTest = ScriptedTest;

TEST_F(BaseDlgTest, CreateRunsTheHooksAndTakesThePageOptions)
{
    HostWindow host;
    HookDlg dlg;
    ASSERT_TRUE(dlg.Create(211, &host));
    EXPECT_EQ(dlg.calls, kHooks);
    EXPECT_EQ(std::tuple(dlg.windowDuringInfo, dlg.GetDlgCtrlID(), dlg.GetTemplateId(), dlg.GetParent(),
                         dlg.IsWindowVisible()),
              std::tuple(false, 211u, 211u, static_cast<CWnd*>(&host), true));
    EXPECT_FALSE(dlg.Create(1, &host)); // once only
    // Keys in a modeless child page are not swallowed: they reach the window they were meant for.
    EXPECT_EQ(dlg.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 1), 0);
    EXPECT_TRUE(dlg.IsWindow());
    EXPECT_EQ(dlg.GetLanguageText("OK", "Common"), "OK");
    dlg.SetLanguageLookup([](const std::string& key, const std::string&) { return "[" + key + "]"; });
    EXPECT_EQ(dlg.GetLanguageText("OK", "Common"), "[OK]");

    HookDlg page; // frame off, child page on: borderless, no frame line
    std::tie(page.frame, page.childPage) = std::tuple(0, 1);
    ASSERT_TRUE(page.Create(211, &host));
    EXPECT_FALSE(plat::NativeWidget(&page)->isWindow());
    page.MoveWindow({0, 0, 50, 40});
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    EXPECT_TRUE(OpsOf(canvas, DrawOp::Kind::DrawRect).empty());
    ASSERT_FALSE(canvas.Ops().empty());
    EXPECT_EQ(std::tuple(canvas.Ops()[0].kind, canvas.Ops()[0].rect),
              std::tuple(DrawOp::Kind::FillRect, CRect(0, 0, 50, 40)));

    HookDlg framed; // child page off: a framed dialog above its owner
    std::tie(framed.frame, framed.childPage) = std::tuple(1, 0);
    ASSERT_TRUE(framed.Create(500, &host));
    EXPECT_TRUE(plat::NativeWidget(&framed)->isWindow());
    EXPECT_EQ(std::tuple(framed.GetOwner(), framed.GetParent()),
              std::tuple(static_cast<CWnd*>(&host), static_cast<CWnd*>(nullptr)));

    // A hook answering zero, or no parent window, fails the creation.
    HookDlg refuseInfo, refuseInit, orphan;
    refuseInfo.infoAnswer = 0;
    refuseInit.initAnswer = 0;
    EXPECT_FALSE(refuseInfo.Create(1, &host) || refuseInit.Create(1, &host));
    EXPECT_EQ(refuseInfo.calls, Strings{"OnSetBaseDlgInfo"});
    EXPECT_FALSE(refuseInfo.IsWindow() || refuseInit.IsWindow());
    CWnd noWindow;
    EXPECT_FALSE(orphan.Create(1, &noWindow) || orphan.Create(1, nullptr));
}

TEST_F(BaseDlgTest, DoModalRunsTheHooksAndEndsAsTheScriptTheKeysAThrowingActionOrTheLiveLoopSay)
{
    HostWindow host;
    HookDlg dlg(2008, &host);
    bool wasModal = false, wasVisible = false;
    Script().RunOnDialog<HookDlg>(
        [&](HookDlg& shown) {
            std::tie(wasModal, wasVisible) = std::tuple(shown.IsModal(), shown.IsWindowVisible());
            shown.EndDialog(6);
        },
        1);
    EXPECT_EQ(dlg.DoModal(), 6);
    EXPECT_EQ(std::tuple(wasModal, wasVisible, dlg.IsWindow(), dlg.IsModal()), std::tuple(true, true, false, false));
    EXPECT_EQ(dlg.calls, kHooks);
    const SModalRecord* record = Script().Last(EModalKind::Dialog);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(std::tuple(record->nTemplateId, record->nResult), std::tuple(2008u, 6));

    // The script ends the dialog with its value when the action did not (Enter, Escape and a close
    // of the frame did); set up afresh each time.
    HookDlg plain;
    const std::tuple<std::function<void(CWnd*)>, int, int> runs[]
        = {{[](CWnd*) {}, 3, 3},
           {[](CWnd* wnd) { KeyDown(*wnd, VK_RETURN); }, 99, IDOK},
           {[](CWnd* wnd) { KeyDown(*wnd, VK_ESCAPE); }, 99, IDCANCEL},
           {[](CWnd* wnd) { wnd->SendMessage(WM_CLOSE); }, 99, IDCANCEL}};
    for (const auto& [action, scripted, result] : runs) {
        Script().RunOnDialog(action, scripted);
        EXPECT_EQ(plain.DoModal(), result);
    }
    Script().EndDialog(2);
    EXPECT_EQ(plain.DoModal(), 2);
    EXPECT_EQ(plain.calls.size(), 15u);

    // An overridden OK keeps the dialog open.
    plain.checksOk = true;
    Script().RunOnDialog(
        [](CWnd* wnd) {
            KeyDown(*wnd, VK_RETURN);
            EXPECT_TRUE(wnd->IsWindow());
        },
        7);
    EXPECT_EQ(plain.DoModal(), 7);
    EXPECT_EQ(plain.okPresses, 1);

    // Nested modals are scripted too; a dialog without owner is centred on the screen.
    int boxAnswer = 0;
    CRect shownAt;
    Script().ClearLog();
    Script().AnswerMessageBox(IDYES);
    Script().RunOnDialog(
        [&](CWnd* wnd) {
            shownAt = wnd->GetWindowRect();
            boxAnswer = MsgBox(wnd, "Delete the group?", "Quarn", MB_YESNO | MB_ICONQUESTION, 0, 5);
        },
        IDOK);
    EXPECT_EQ(plain.DoModal(), IDOK);
    EXPECT_EQ(boxAnswer, IDYES);
    ASSERT_EQ(Script().Log().size(), 2u);
    EXPECT_EQ(std::tuple(Script().Log()[0].eKind, Script().Log()[1].eKind),
              std::tuple(EModalKind::Dialog, EModalKind::MessageBox));
    const CRect work = plat::GetScreenWorkArea();
    EXPECT_NEAR(shownAt.CenterPoint().x, work.CenterPoint().x, 1);
    EXPECT_NEAR(shownAt.CenterPoint().y, work.CenterPoint().y, 1);

    // A throwing action, or no script at all, ends the modal and is reported.
    HookDlg thrower;
    Script().RunOnDialog([](CWnd*) { throw std::runtime_error("field missing"); }, 1);
    for (const char* reported : {"field missing", "no scripted answer"}) { // the second run has no script
        EXPECT_EQ(thrower.DoModal(), IDCANCEL);
        EXPECT_FALSE(thrower.IsWindow());
        const Strings errors = TakeErrors();
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find(reported), std::string::npos);
    }

    // The live loop: a zero-delay timer stands in for the user; nothing waits on the clock.
    Script().SetMode(CModalScript::EMode::Live);
    const std::pair<std::function<void(HookDlg&)>, int> ends[]
        = {{[](HookDlg& dlg) { dlg.EndDialog(5); }, 5},
           {[](HookDlg& dlg) { dlg.PostMessage(WM_CLOSE); }, IDCANCEL},
           {[](HookDlg& dlg) { dlg.DestroyWindow(); }, IDCANCEL}};
    for (const auto& [end, result] : ends) {
        HookDlg live;
        QTimer::singleShot(0, [&] { end(live); });
        EXPECT_EQ(live.DoModal(), result);
    }
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
    EXPECT_EQ(std::tuple(g_failedCheckResult, g_failedCheckWindowGone), std::tuple(4, true));
}

using morv::detail::CProgressWindow;

TEST_F(BaseDlgTest, OneProgressAtATimeShownClampedAndEnded)
{
    HostWindow host;
    CMorvBaseDlg owner, other;
    const auto Begin = [](CMorvBaseDlg& dlg) { return dlg.BeginProgress(SProgressInfo{"Detecting", "", 0, 100}); };
    const auto Running
        = [](CMorvBaseDlg& dlg) { return std::tuple(dlg.IsProgressRunning(), CProgressWindow::Running()); };
    const auto State = [] { return CProgressWindow::Running()->State(); };
    const std::tuple<bool, CProgressWindow*> kNone{false, nullptr};
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
