#include "dialogs_fixture.h"
#include "set_ip_form.h"

#include "host/sender_dialogs.h"
#include "host/vistrano_data.h"
#include "platform/format.h"
#include "platform/profile.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/world.h"

namespace {

using Form = CSetIPForm;

class SetIPDlgTest : public SenderDialogTest {};

int RunIPDialog(CSetIPOfflineDlg& dlg, std::function<void(Form&)> action)
{
    return RunDialog<Form>(dlg, std::move(action));
}

uint32_t Ip(const char* text)
{
    uint32_t address = 0;
    EXPECT_TRUE(sim::ParseIPv4(text, address)) << text;
    return address;
}

std::vector<uint32_t> SpecifiedIPs() { return sim::GetConfig().specifiedIPs; }

void ExpectNothingStored()
{
    EXPECT_TRUE(SpecifiedIPs().empty());
    EXPECT_EQ(sim::GetSpecifiedIPsSaveCount(), 0);
    EXPECT_EQ(sim::CountCalls("CRuntimeData::UpdateIPArray"), 0);
}

} // namespace

TEST_F(SetIPDlgTest, ValidAddressesAreSpecifiedSavedAndAnswerOne)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    CSetIPOfflineDlg dlg(3, 2, 0, 0, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        ASSERT_NE(form.GetControl(Form::EditIndex(1)), nullptr);
        EXPECT_EQ(form.GetControl(Form::EditIndex(2)), nullptr);
        EXPECT_EQ(form.GetControlText(Form::LabelIndex(0)), "Sender 3");
        EXPECT_EQ(form.GetControlText(Form::LabelIndex(1)), "Sender 4");
        form.SetControlText(Form::EditIndex(0), "10.0.0.3");
        form.SetControlText(Form::EditIndex(1), " 192.168.1.200 ");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(SpecifiedIPs(), (std::vector<uint32_t>{Ip("10.0.0.3"), Ip("192.168.1.200")}));
    EXPECT_EQ(sim::GetSpecifiedIPsSaveCount(), 1);
    EXPECT_EQ(sim::CountCalls("CRuntimeData::UpdateIPArray"), 1);
    const std::string file = ConfigFolder() + "/SpecifiedIP.ini";
    EXPECT_EQ(plat::GetProfileString(file, "SpecifiedIP", "IP1", "", 64), "192.168.1.200");
    EXPECT_TRUE(Script().LogOf(EModalKind::MessageBox).empty());
}

TEST_F(SetIPDlgTest, EmptyAndMalformedAddressesAreRefusedWithAMessageAndTheDialogStays)
{
    Script().AnswerMessageBox(IDOK, 2);
    CSetIPOfflineDlg dlg(1, 2, 0, 0, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        form.SetControlText(Form::EditIndex(0), "10.0.0.1");
        PressKey(form, VK_RETURN);
        form.SetControlText(Form::EditIndex(1), "10.0.0.256");
        ClickControl(form, Form::kOk);
        EXPECT_EQ(sim::GetSpecifiedIPsSaveCount(), 0);
        // Still open and still editable: the corrected address is taken.
        form.SetControlText(Form::EditIndex(1), "10.0.0.255");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].strText, plat::Format(sim::HostText("SetIP_Invalid", "SenderDialogs"), 2));
    EXPECT_EQ(SpecifiedIPs(), (std::vector<uint32_t>{Ip("10.0.0.1"), Ip("10.0.0.255")}));
    ExpectOnlyProposedTextsMissing();
}

// Refused, then cancelled: nothing is set.
TEST_F(SetIPDlgTest, TheSameAddressOnTwoRowsIsRefused)
{
    UseProposedTexts();
    Script().AnswerMessageBox(IDOK);
    CSetIPOfflineDlg dlg(1, 3, 0, 0, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        form.SetControlText(Form::EditIndex(0), "10.0.0.1");
        form.SetControlText(Form::EditIndex(1), "10.0.0.2");
        form.SetControlText(Form::EditIndex(2), "10.0.0.1");
        ClickControl(form, Form::kOk);
        ClickControl(form, Form::kCancel);
    });
    EXPECT_EQ(result, IDCANCEL);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->strText, "Sender 3 has the same address as sender 1.");
    EXPECT_EQ(box->strCaption, "Sender addresses");
    ExpectNothingStored();
}

TEST_F(SetIPDlgTest, ExistingSendersAreShownButNotEditableUnlessAsked)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    Script().AnswerMessageBox(IDOK);
    CSetIPOfflineDlg dlg(2, 2, 0, 0, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        EXPECT_EQ(form.GetControlText(Form::EditIndex(0)), "10.0.0.2");
        EXPECT_FALSE(form.GetControl(Form::EditIndex(0))->bEnabled);
        EXPECT_TRUE(form.GetControl(Form::EditIndex(1))->bEnabled);
        // The shown address stays taken.
        form.SetControlText(Form::EditIndex(1), "10.0.0.2");
        ClickControl(form, Form::kOk);
        form.SetControlText(Form::EditIndex(1), "10.0.0.3");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 1u);
    EXPECT_EQ(SpecifiedIPs(), std::vector<uint32_t>{Ip("10.0.0.3")});
}

TEST_F(SetIPDlgTest, EditingAnExistingSenderReplacesItsSpecifiedAddress)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    sim::ConfigSettings config = sim::GetConfig();
    config.specifiedIPs = {Ip("10.0.0.1"), Ip("10.0.0.2")};
    sim::SetConfig(config);
    CSetIPOfflineDlg dlg(2, 1, 1, 0, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        EXPECT_TRUE(form.GetControl(Form::EditIndex(0))->bEnabled);
        EXPECT_EQ(form.GetControlText(Form::EditIndex(0)), "10.0.0.2");
        form.SetControlText(Form::EditIndex(0), "10.0.0.9");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(SpecifiedIPs(), (std::vector<uint32_t>{Ip("10.0.0.1"), Ip("10.0.0.9")}));
}

TEST_F(SetIPDlgTest, ReadOnlyShowsTheAddressesAndSetsNothing)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    CSetIPOfflineDlg dlg(1, 2, 1, 1, nullptr);
    const int result = RunIPDialog(dlg, [](Form& form) {
        EXPECT_EQ(form.GetControlText(Form::EditIndex(1)), "10.0.0.2");
        EXPECT_FALSE(form.GetControl(Form::EditIndex(0))->bEnabled);
        EXPECT_FALSE(form.GetControl(Form::EditIndex(1))->bEnabled);
        EXPECT_EQ(form.GetControl(Form::kCancel), nullptr);
        ClickControl(form, Form::kOk);
    });
    EXPECT_NE(result, IDOK);
    ExpectNothingStored();
}

TEST_F(SetIPDlgTest, NoSenderToAskForShowsNoDialog)
{
    CSetIPOfflineDlg first0(0, 1, 0, 0, nullptr);
    EXPECT_NE(first0.DoModal(), IDOK);
    CSetIPOfflineDlg none(1, 0, 0, 0, nullptr);
    EXPECT_NE(none.DoModal(), IDOK);
    EXPECT_TRUE(Script().LogOf(EModalKind::Dialog).empty());
}

TEST_F(SetIPDlgTest, ManyRowsStandInColumns)
{
    CSetIPOfflineDlg dlg(1, 12, 0, 0, nullptr);
    RunIPDialog(dlg, [](Form& form) {
        const CRect first = form.GetControl(Form::EditIndex(0))->rect;
        const CRect eleventh = form.GetControl(Form::EditIndex(Form::kRowsPerColumn))->rect;
        EXPECT_EQ(eleventh.top, first.top);
        EXPECT_GT(eleventh.left, first.right);
        // The window holds the last column and the buttons sit under the tallest one.
        const CRect client = form.GetClientRect();
        EXPECT_LE(form.GetControl(Form::EditIndex(11))->rect.right, client.right);
        EXPECT_GT(form.GetControl(Form::kOk)->rect.top, form.GetControl(Form::EditIndex(9))->rect.bottom);
        EXPECT_LE(form.GetControl(Form::kOk)->rect.bottom, client.bottom);
    });
}
