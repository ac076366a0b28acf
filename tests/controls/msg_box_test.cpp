#include "controls/modal.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "controls_test_support.h"
#include "msg_box_widget.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using MsgBoxTest = ScriptedTest;

TEST_F(MsgBoxTest, ScriptedAnswersAreReturnedAndRecordedQueuesPerKindResetAndOtherLoops)
{
    const std::tuple<UINT, int> answers[]
        = {{0x24, IDYES}, {MB_OKCANCEL, IDCANCEL}, {0x24, IDNO}, {MB_OK, IDOK}, {0x40, IDOK}};
    for (const auto& [type, answer] : answers) {
        Script().AnswerMessageBox(answer);
        EXPECT_EQ(MsgBox(nullptr, "Delete the group?", "Quarn", type, 0, 5), answer);
    }
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(std::tuple(box->strText, box->strCaption, box->nType, box->nIconStyle, box->bScripted),
              std::tuple(std::string("Delete the group?"), std::string("Quarn"), 0x40u, 5, true));

    Script().AnswerMessageBox(IDOK, 3); // the next three boxes
    EXPECT_EQ(Script().PendingCount(EModalKind::MessageBox), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(MsgBox(nullptr, "x", "y", MB_OKCANCEL), IDOK);
    EXPECT_EQ(std::tuple(Script().PendingCount(EModalKind::MessageBox), Script().LogOf(EModalKind::MessageBox).size()),
              std::tuple(0u, 8u));

    Script().AnswerMessageBox(IDYES); // an answer the box cannot give
    EXPECT_EQ(MsgBox(nullptr, "Saved", "Quarn", MB_OK), IDOK);
    EXPECT_EQ(MsgBox(nullptr, "Sure?", "Quarn", 0x24), IDNO); // not scripted: closed
    const auto errors = TakeErrors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("Saved"), std::string::npos);

    // Queues per kind, a wrong dialog type, a reset and other loops run through the script.
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

    // A drag loop joins the script the same way the library's own modals do.
    int liveRuns = 0;
    bool acted = false;
    SModalCall drag;
    drag.record.eKind = EModalKind::Drag;
    drag.live = [&] {
        ++liveRuns;
        return 1;
    };
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

TEST(MsgBoxWidget, ButtonsIconAndTextOfTheType)
{
    auto box = morv::detail::BuildMessageBox(nullptr, "Delete?\n<b>all</b>", "Quarn", 0x24);
    EXPECT_EQ(std::tuple(box->windowTitle(), box->text(), box->textFormat()),
              std::tuple(QStringLiteral("Quarn"), QStringLiteral("Delete?\n<b>all</b>"), Qt::PlainText));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("Yes")); // no mnemonic marks
    EXPECT_EQ(std::tuple(box->defaultButton(), box->escapeButton()),
              std::tuple(box->button(QMessageBox::Yes), box->button(QMessageBox::No)));
    EXPECT_EQ(morv::detail::AnswerOfButton(QMessageBox::No), IDNO);
    // Closing a box answers cancel, no or OK.
    EXPECT_EQ((std::vector<int>{morv::MsgBoxDismissAnswer(MB_OK), morv::MsgBoxDismissAnswer(0x40),
                                morv::MsgBoxDismissAnswer(MB_OKCANCEL), morv::MsgBoxDismissAnswer(0x24),
                                morv::MsgBoxDismissAnswer(MB_YESNOCANCEL)}),
              (std::vector<int>{IDOK, IDOK, IDCANCEL, IDNO, IDCANCEL}));
    auto info = morv::detail::BuildMessageBox(nullptr, "x", "y", 0x40);
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);
    auto plain = morv::detail::BuildMessageBox(nullptr, "x", "y", MB_OK);
    EXPECT_EQ(std::tuple(box->iconPixmap().isNull(), info->iconPixmap().isNull(), plain->iconPixmap().isNull()),
              std::tuple(false, false, true));
}

} // namespace
