#include "controls/msg_box.h"
#include "controls_test_support.h"
#include "msg_box_widget.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class MsgBoxTest : public ScriptedTest {};

TEST(MsgBoxRules, AnswersOfEachType)
{
    EXPECT_EQ(morv::MsgBoxAnswers(MB_OK), std::vector<int>{IDOK});
    EXPECT_EQ(morv::MsgBoxAnswers(MB_OKCANCEL), (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(morv::MsgBoxAnswers(0x24), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(morv::MsgBoxAnswers(0x40), std::vector<int>{IDOK});
    EXPECT_EQ(morv::MsgBoxAnswers(MB_YESNOCANCEL), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(morv::MsgBoxAnswers(MB_RETRYCANCEL), (std::vector<int>{IDRETRY, IDCANCEL}));
}

TEST(MsgBoxRules, ClosingAnswersCancelNoOrOk)
{
    EXPECT_EQ(morv::MsgBoxDismissAnswer(MB_OK), IDOK);
    EXPECT_EQ(morv::MsgBoxDismissAnswer(0x40), IDOK);
    EXPECT_EQ(morv::MsgBoxDismissAnswer(MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(morv::MsgBoxDismissAnswer(0x24), IDNO);
    EXPECT_EQ(morv::MsgBoxDismissAnswer(MB_YESNOCANCEL), IDCANCEL);
}

TEST_F(MsgBoxTest, ScriptedAnswerIsReturnedAndTheBoxRecorded)
{
    Script().AnswerMessageBox(IDYES);
    EXPECT_EQ(MsgBox(nullptr, "Delete the group?", "Quarn", 0x24, 0, 5), IDYES);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->strText, "Delete the group?");
    EXPECT_EQ(box->strCaption, "Quarn");
    EXPECT_EQ(box->nType, 0x24u);
    EXPECT_EQ(box->nIconStyle, 5);
    EXPECT_TRUE(box->bScripted);
}

TEST_F(MsgBoxTest, EachTypeGivesItsAnswers)
{
    Script().AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MsgBox(nullptr, "Port enable warning", "Quarn", MB_OKCANCEL, 0, 5), IDCANCEL);
    Script().AnswerMessageBox(IDNO);
    EXPECT_EQ(MsgBox(nullptr, "Sure?", "Quarn", 0x24, 0, 5), IDNO);
    Script().AnswerMessageBox(IDOK);
    EXPECT_EQ(MsgBox(nullptr, "Saved", "Quarn", MB_OK, 0, 5), IDOK);
    Script().AnswerMessageBox(IDOK);
    EXPECT_EQ(MsgBox(nullptr, "Several cards", "Quarn", 0x40, 0, 5), IDOK);
}

TEST_F(MsgBoxTest, AnAnswerTheBoxCannotGiveIsRefused)
{
    Script().AnswerMessageBox(IDYES);
    EXPECT_EQ(MsgBox(nullptr, "Saved", "Quarn", MB_OK), IDOK);
    const auto errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Saved"), std::string::npos);
}

TEST_F(MsgBoxTest, NextNBoxesAnswerOk)
{
    Script().AnswerMessageBox(IDOK, 3);
    EXPECT_EQ(Script().PendingCount(EModalKind::MessageBox), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(MsgBox(nullptr, "x", "y", MB_OKCANCEL), IDOK);
    EXPECT_EQ(Script().PendingCount(EModalKind::MessageBox), 0u);
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 3u);
}

TEST_F(MsgBoxTest, UnscriptedBoxInScriptedModeIsClosed)
{
    EXPECT_EQ(MsgBox(nullptr, "Sure?", "Quarn", 0x24), IDNO);
    EXPECT_EQ(TakeErrors().size(), 1u);
}

TEST(MsgBoxWidget, ButtonsIconAndTextOfTheType)
{
    auto box = morv::detail::BuildMessageBox(nullptr, "Delete?\n<b>all</b>", "Quarn", 0x24);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quarn"));
    EXPECT_EQ(box->text(), QStringLiteral("Delete?\n<b>all</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_FALSE(box->iconPixmap().isNull());
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("Yes")); // no mnemonic marks
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    EXPECT_EQ(morv::detail::AnswerOfButton(QMessageBox::No), IDNO);

    auto info = morv::detail::BuildMessageBox(nullptr, "x", "y", 0x40);
    EXPECT_FALSE(info->iconPixmap().isNull());
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);
    auto plain = morv::detail::BuildMessageBox(nullptr, "x", "y", MB_OK);
    EXPECT_TRUE(plain->iconPixmap().isNull());
}

} // namespace
