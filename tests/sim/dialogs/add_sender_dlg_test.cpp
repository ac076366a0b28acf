#include "add_sender_form.h"
#include "dialogs_fixture.h"

#include "controls/edit.h"
#include "host/sender_dialogs.h"

#include <tuple>

namespace {

using Form = CAddSenderForm;
using AddSenderDlgTest = SenderDialogTest;

} // namespace

// With no sender to copy from, senders start with four ports; an empty
// project allows 254 at once and the 160 ports a project may hold; Enter
// confirms like OK.
TEST_F(AddSenderDlgTest, AnEmptyProjectAllows254AndOffersThe160PortsAProjectMayHold)
{
    CCustomAddSenderDlg dlg(nullptr);
    const int result = RunDialog<Form>(dlg, [](Form& form) {
        EXPECT_EQ(
            std::tuple(form.GetEdit(Form::kCountEdit)->GetRules().dMax, form.GetEdit(Form::kPortEdit)->GetRules().dMax),
            std::tuple(254, 160));
        EXPECT_EQ(std::tuple(form.GetControlText(Form::kPortEdit), form.GetControlText(Form::kTitle),
                             form.GetControlText(Form::kOk), form.GetControlText(Form::kCancel)),
                  std::tuple("4", "Add senders", "OK", "Cancel"));
        form.SetControlText(Form::kCountEdit, "3");
        PressKey(form, VK_RETURN);
    });
    EXPECT_EQ(std::tuple(result, dlg.GetSenderCount(), dlg.GetPortCount()), std::tuple(IDYES, 3, 4));
    ExpectOnlyProposedTextsMissing();
}

// The room left bounds the count (five under the limit here) and ports
// start at the first sender's; numbers out of bounds are refused with the
// bound and the dialog stays for the corrected ones.
TEST_F(AddSenderDlgTest, NumbersOutOfBoundsAreRefusedWithTheBoundAndTheDialogStays)
{
    MakeProject(250);
    UseProposedTexts();
    Script().AnswerMessageBox(IDOK, 2);
    CCustomAddSenderDlg dlg(nullptr);
    const int result = RunDialog<Form>(dlg, [&dlg](Form& form) {
        EXPECT_EQ(form.GetEdit(Form::kCountEdit)->GetRules().dMax, 5);
        EXPECT_EQ(std::tuple(form.GetControlText(Form::kCountEdit), form.GetControlText(Form::kPortEdit),
                             form.GetControlText(Form::kCountHint), form.GetControlText(Form::kPortHint)),
                  std::tuple("1", "6", "1 to 5", "1 to 160"));
        form.SetControlText(Form::kCountEdit, "6");
        ClickControl(form, Form::kOk);
        form.SetControlText(Form::kCountEdit, "5");
        form.SetControlText(Form::kPortEdit, "161");
        ClickControl(form, Form::kOk);
        EXPECT_EQ(dlg.GetSenderCount(), 0);
        form.SetControlText(Form::kPortEdit, "12");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(std::tuple(result, dlg.GetSenderCount(), dlg.GetPortCount()), std::tuple(IDYES, 5, 12));
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(
        std::tuple(boxes[0].strText, boxes[0].strCaption, boxes[1].strText),
        std::tuple("Enter a number of senders from 1 to 5.", "Add senders", "Enter a number of ports from 1 to 160."));
}

// Cancel or Escape answers other than yes and forgets earlier counts; a
// full project shows no dialog.
TEST_F(AddSenderDlgTest, CancelEscapeOrAFullProjectAnswerNo)
{
    CCustomAddSenderDlg dlg(nullptr);
    ASSERT_EQ(RunDialog<Form>(dlg, [](Form& form) { ClickControl(form, Form::kOk); }), IDYES);
    ASSERT_EQ(dlg.GetSenderCount(), 1);
    EXPECT_NE(RunDialog<Form>(dlg, [](Form& form) { PressKey(form, VK_ESCAPE); }), IDYES);
    EXPECT_EQ(std::tuple(dlg.GetSenderCount(), dlg.GetPortCount()), std::tuple(0, 0));
    const auto cancel = [](Form& form) {
        form.SetControlText(Form::kCountEdit, "2");
        ClickControl(form, Form::kCancel);
    };
    EXPECT_NE(RunDialog<Form>(dlg, cancel), IDYES);
    EXPECT_EQ(dlg.GetSenderCount(), 0);
    MakeProject(255);
    const std::size_t shown = Script().LogOf(EModalKind::Dialog).size();
    EXPECT_NE(dlg.DoModal(), IDYES);
    EXPECT_EQ(Script().LogOf(EModalKind::Dialog).size(), shown);
    EXPECT_EQ(dlg.GetSenderCount(), 0);
}
