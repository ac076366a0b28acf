#include "controls/modal.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class ModalScriptTest : public ScriptedTest {};

TEST_F(ModalScriptTest, QueuesAreKeptPerKind)
{
    Script().PickMenu(1202);
    Script().AnswerMessageBox(IDYES);
    EXPECT_EQ(Script().PendingCount(EModalKind::Menu), 1u);
    EXPECT_EQ(Script().PendingCount(EModalKind::MessageBox), 1u);
    EXPECT_EQ(MsgBox(nullptr, "a", "b", 0x24), IDYES); // the box does not take the menu's answer
    CCusPopMenu menu;
    menu.AppendMenu(MF_STRING, 1202, "x");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 1202u);
}

TEST_F(ModalScriptTest, RunModalIsTheRoadForOtherLoops)
{
    // A drag loop joins the script the same way the library's own modals do.
    int liveRuns = 0;
    SModalCall drag;
    drag.record.eKind = EModalKind::Drag;
    drag.record.strText = "drag sender";
    drag.live = [&] {
        ++liveRuns;
        return 1;
    };
    drag.nDismissAnswer = 0;
    SModalStep step;
    step.nAnswer = 2;
    bool acted = false;
    step.action = [&](CWnd*) { acted = true; };
    Script().Queue(EModalKind::Drag, step);
    EXPECT_EQ(Script().RunModal(drag), 2);
    EXPECT_TRUE(acted);
    EXPECT_EQ(liveRuns, 0);

    Script().SetMode(CModalScript::EMode::Live);
    EXPECT_EQ(Script().RunModal(drag), 1);
    EXPECT_EQ(liveRuns, 1);
    EXPECT_EQ(Script().LogOf(EModalKind::Drag).size(), 2u);
}

TEST_F(ModalScriptTest, ActionOfTheWrongDialogTypeIsAnError)
{
    struct A : CMorvBaseDlg {};
    struct B : CMorvBaseDlg {};
    Script().RunOnDialog<B>([](B&) {}, 1);
    A a;
    EXPECT_EQ(a.DoModal(), IDCANCEL);
    EXPECT_EQ(TakeErrors().size(), 1u);
}

TEST_F(ModalScriptTest, ResetForgetsEverything)
{
    Script().AnswerMessageBox(IDOK, 2);
    MsgBox(nullptr, "x", "y");
    Script().Reset();
    EXPECT_EQ(Script().GetMode(), CModalScript::EMode::Live);
    EXPECT_EQ(Script().PendingCount(EModalKind::MessageBox), 0u);
    EXPECT_TRUE(Script().Log().empty());
    Script().SetMode(CModalScript::EMode::Scripted);
}

TEST_F(ModalScriptTest, NonBlockingModalsRunLiveInScriptedMode)
{
    SModalCall progress;
    progress.record.eKind = EModalKind::Progress;
    progress.bBlocking = false;
    progress.live = [] { return 0; };
    progress.nDismissAnswer = 0;
    EXPECT_EQ(Script().RunModal(progress), 0);
    EXPECT_TRUE(Script().Errors().empty());
}

TEST(ModalKinds, HaveNames)
{
    EXPECT_STREQ(ModalKindName(EModalKind::MessageBox), "message box");
    EXPECT_STREQ(ModalKindName(EModalKind::Drag), "drag");
}

} // namespace
