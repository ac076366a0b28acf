#include "controls/modal.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

using ModalScriptTest = ScriptedTest;

TEST_F(ModalScriptTest, QueuesPerKindWrongDialogTypeAndReset)
{
    Script().PickMenu(1202);
    Script().AnswerMessageBox(IDYES);
    EXPECT_EQ(std::tuple(Script().PendingCount(EModalKind::Menu), Script().PendingCount(EModalKind::MessageBox)),
              std::tuple(1u, 1u));
    EXPECT_EQ(MsgBox(nullptr, "a", "b", 0x24), IDYES); // the box does not take the menu's answer
    CCusPopMenu menu;
    menu.AppendMenu(MF_STRING, 1202, "x");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 1202u);

    struct A : CMorvBaseDlg {};
    struct B : CMorvBaseDlg {};
    Script().RunOnDialog<B>([](B&) {}, 1);
    A a;
    EXPECT_EQ(a.DoModal(), IDCANCEL);
    EXPECT_EQ(TakeErrors().size(), 1u);

    Script().AnswerMessageBox(IDOK, 2);
    Script().Reset();
    EXPECT_EQ(std::tuple(Script().GetMode(), Script().PendingCount(EModalKind::MessageBox), Script().Log().size()),
              std::tuple(CModalScript::EMode::Live, 0u, 0u));
    Script().SetMode(CModalScript::EMode::Scripted);
    EXPECT_STREQ(ModalKindName(EModalKind::MessageBox), "message box");
}

TEST_F(ModalScriptTest, RunModalIsTheRoadForOtherLoops)
{
    // A drag loop joins the script the same way the library's own modals do.
    int liveRuns = 0;
    bool acted = false;
    SModalCall drag;
    drag.record.eKind = EModalKind::Drag;
    drag.live = [&] { return ++liveRuns, 1; };
    drag.nDismissAnswer = 0;
    SModalStep step;
    step.nAnswer = 2;
    step.action = [&](CWnd*) { acted = true; };
    Script().Queue(EModalKind::Drag, step);
    EXPECT_EQ(Script().RunModal(drag), 2);
    EXPECT_EQ(std::tuple(acted, liveRuns), std::tuple(true, 0));
    // A non-blocking modal runs live in scripted mode.
    SModalCall progress = drag;
    progress.record.eKind = EModalKind::Progress;
    progress.bBlocking = false;
    EXPECT_EQ(Script().RunModal(progress), 1);
    EXPECT_TRUE(Script().Errors().empty());
    Script().SetMode(CModalScript::EMode::Live);
    EXPECT_EQ(Script().RunModal(drag), 1);
    EXPECT_EQ(std::tuple(liveRuns, Script().LogOf(EModalKind::Drag).size()), std::tuple(2, 2u));
}

} // namespace
