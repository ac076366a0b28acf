#include "add_sender_form.h"
#include "dialogs_fixture.h"

#include "controls/edit.h"
#include "host/sender_dialogs.h"

namespace {

using Form = CAddSenderForm;

class AddSenderDlgTest : public SenderDialogTest {};

int RunAddDialog(CCustomAddSenderDlg& dlg, std::function<void(Form&)> action)
{
    return RunDialog<Form>(dlg, std::move(action));
}

} // namespace

TEST_F(AddSenderDlgTest, AnEmptyProjectAllows254AndOffersThe160PortsAProjectMayHold)
{
    CCustomAddSenderDlg dlg(nullptr);
    RunAddDialog(dlg, [](Form& form) {
        EXPECT_EQ(form.GetEdit(Form::kCountEdit)->GetRules().dMax, 254);
        EXPECT_EQ(form.GetEdit(Form::kPortEdit)->GetRules().dMax, 160);
        // With no sender to copy from, senders start with four ports.
        EXPECT_EQ(form.GetControlText(Form::kPortEdit), "4");
        EXPECT_EQ(form.GetControlText(Form::kTitle), "Add senders");
        EXPECT_EQ(form.GetControlText(Form::kOk), "OK");
        EXPECT_EQ(form.GetControlText(Form::kCancel), "Cancel");
    });
    ExpectOnlyProposedTextsMissing();
}

// The room left bounds the count (five under the limit here); ports start
// at the first sender's.
TEST_F(AddSenderDlgTest, OkWithValidNumbersAnswersYesAndTheNumbers)
{
    MakeProject(250);
    CCustomAddSenderDlg dlg(nullptr);
    const int result = RunAddDialog(dlg, [](Form& form) {
        EXPECT_EQ(form.GetEdit(Form::kCountEdit)->GetRules().dMax, 5);
        EXPECT_EQ(form.GetControlText(Form::kCountEdit), "1");
        EXPECT_EQ(form.GetControlText(Form::kPortEdit), "6");
        form.SetControlText(Form::kCountEdit, "5");
        form.SetControlText(Form::kPortEdit, "12");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDYES);
    EXPECT_EQ(dlg.GetSenderCount(), 5);
    EXPECT_EQ(dlg.GetPortCount(), 12);
    EXPECT_TRUE(Script().LogOf(EModalKind::MessageBox).empty());
}

TEST_F(AddSenderDlgTest, EnterConfirmsLikeOk)
{
    CCustomAddSenderDlg dlg(nullptr);
    const int result = RunAddDialog(dlg, [](Form& form) {
        form.SetControlText(Form::kCountEdit, "3");
        PressKey(form, VK_RETURN);
    });
    EXPECT_EQ(result, IDYES);
    EXPECT_EQ(dlg.GetSenderCount(), 3);
    EXPECT_EQ(dlg.GetPortCount(), 4);
}

TEST_F(AddSenderDlgTest, NumbersOutOfBoundsAreRefusedWithTheBoundAndTheDialogStays)
{
    MakeProject(250);
    UseProposedTexts();
    Script().AnswerMessageBox(IDOK, 3);
    CCustomAddSenderDlg dlg(nullptr);
    const int result = RunAddDialog(dlg, [](Form& form) {
        form.SetControlText(Form::kCountEdit, "6");
        ClickControl(form, Form::kOk);
        form.SetControlText(Form::kCountEdit, "");
        ClickControl(form, Form::kOk);
        form.SetControlText(Form::kCountEdit, "2");
        form.SetControlText(Form::kPortEdit, "161");
        ClickControl(form, Form::kOk);
        EXPECT_EQ(form.GetControlText(Form::kCountHint), "1 to 5");
        EXPECT_EQ(form.GetControlText(Form::kPortHint), "1 to 160");
    });
    EXPECT_EQ(result, IDCANCEL); // the script's end: OK did not close it
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].strText, "Enter a number of senders from 1 to 5.");
    EXPECT_EQ(boxes[0].strCaption, "Add senders");
    EXPECT_EQ(boxes[1].strText, boxes[0].strText);
    EXPECT_EQ(boxes[2].strText, "Enter a number of ports from 1 to 160.");
    EXPECT_EQ(dlg.GetSenderCount(), 0);
}

TEST_F(AddSenderDlgTest, CancelOrEscapeAnswersNoYesAndForgetsEarlierCounts)
{
    CCustomAddSenderDlg dlg(nullptr);
    ASSERT_EQ(RunAddDialog(dlg, [](Form& form) { ClickControl(form, Form::kOk); }), IDYES);
    ASSERT_EQ(dlg.GetSenderCount(), 1);
    EXPECT_NE(RunAddDialog(dlg, [](Form& form) { PressKey(form, VK_ESCAPE); }), IDYES);
    EXPECT_EQ(dlg.GetSenderCount(), 0);
    EXPECT_EQ(dlg.GetPortCount(), 0);
    EXPECT_NE(RunAddDialog(dlg,
                           [](Form& form) {
                               form.SetControlText(Form::kCountEdit, "2");
                               ClickControl(form, Form::kCancel);
                           }),
              IDYES);
    EXPECT_EQ(dlg.GetSenderCount(), 0);
}

TEST_F(AddSenderDlgTest, AFullProjectShowsNoDialog)
{
    MakeProject(255);
    CCustomAddSenderDlg dlg(nullptr);
    EXPECT_NE(dlg.DoModal(), IDYES);
    EXPECT_TRUE(Script().LogOf(EModalKind::Dialog).empty());
    EXPECT_EQ(dlg.GetSenderCount(), 0);
}
