#include "controls/msg_box.h"
#include "controls_test_support.h"
#include "msg_box_widget.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Answers = std::vector<int>;

TEST(MsgBoxRules, AnswersOfEachTypeAndTheAnswerOfClosing)
{
    const std::tuple<UINT, Answers, int> cases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        {0x24, {IDYES, IDNO}, IDNO},
        {0x40, {IDOK}, IDOK},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
    };
    for (const auto& [type, answers, dismiss] : cases) {
        EXPECT_EQ(morv::MsgBoxAnswers(type), answers) << type;
        EXPECT_EQ(morv::MsgBoxDismissAnswer(type), dismiss) << type;
    }
}

using MsgBoxTest = ScriptedTest;

TEST_F(MsgBoxTest, ScriptedAnswersAreReturnedAndTheBoxesRecorded)
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
    auto info = morv::detail::BuildMessageBox(nullptr, "x", "y", 0x40);
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);
    auto plain = morv::detail::BuildMessageBox(nullptr, "x", "y", MB_OK);
    EXPECT_EQ(std::tuple(box->iconPixmap().isNull(), info->iconPixmap().isNull(), plain->iconPixmap().isNull()),
              std::tuple(false, false, true));
}

} // namespace
