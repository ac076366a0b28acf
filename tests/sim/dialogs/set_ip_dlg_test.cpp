#include "dialogs_fixture.h"
#include "set_ip_form.h"

#include "host/sender_dialogs.h"
#include "host/vistrano_data.h"
#include "platform/format.h"
#include "platform/profile.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/world.h"

#include <tuple>

namespace {

using Form = CSetIPForm;
using SetIPDlgTest = SenderDialogTest;
using Addresses = std::vector<uint32_t>;

uint32_t Ip(const char* text)
{
    uint32_t address = 0;
    EXPECT_TRUE(sim::ParseIPv4(text, address)) << text;
    return address;
}

// The specified addresses, how often they were saved and the runtime's list updated.
std::tuple<Addresses, int, int> Stored()
{
    return {sim::GetConfig().specifiedIPs, sim::GetSpecifiedIPsSaveCount(),
            sim::CountCalls("CRuntimeData::UpdateIPArray")};
}

} // namespace

// Rows for senders 3 and 4 after a project of two; a malformed address is
// refused with a message (Enter confirms like OK) and the dialog stays; the
// corrected addresses are specified, saved in the configuration folder and
// answer IDOK.
TEST_F(SetIPDlgTest, ValidAddressesAreSpecifiedSavedAndAnswerOne)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    Script().AnswerMessageBox(IDOK);
    CSetIPOfflineDlg dlg(3, 2, 0, 0, nullptr);
    const int result = RunDialog<Form>(dlg, [](Form& form) {
        ASSERT_NE(form.GetControl(Form::EditIndex(1)), nullptr);
        EXPECT_EQ(form.GetControl(Form::EditIndex(2)), nullptr);
        EXPECT_EQ(std::tuple(form.GetControlText(Form::LabelIndex(0)), form.GetControlText(Form::LabelIndex(1))),
                  std::tuple("Sender 3", "Sender 4"));
        form.SetControlText(Form::EditIndex(0), "10.0.0.3");
        form.SetControlText(Form::EditIndex(1), "10.0.0.256");
        PressKey(form, VK_RETURN);
        EXPECT_EQ(Stored(), std::tuple(Addresses{}, 0, 0));
        form.SetControlText(Form::EditIndex(1), " 192.168.1.200 ");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].strText, plat::Format(sim::HostText("SetIP_Invalid", "SenderDialogs"), 4));
    EXPECT_EQ(Stored(), std::tuple(Addresses{Ip("10.0.0.3"), Ip("192.168.1.200")}, 1, 1));
    EXPECT_EQ(plat::GetProfileString(Path("SpecifiedIP.ini"), "SpecifiedIP", "IP1", "", 64), "192.168.1.200");
    ExpectOnlyProposedTextsMissing();
}

// Existing senders are shown but not editable unless asked, and their
// addresses stay taken; editing an existing sender replaces its specified
// address.
TEST_F(SetIPDlgTest, ExistingSendersAreShownAndTakenAndEditableWhenAsked)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    UseProposedTexts();
    Script().AnswerMessageBox(IDOK);
    CSetIPOfflineDlg dlg(2, 2, 0, 0, nullptr);
    const int result = RunDialog<Form>(dlg, [](Form& form) {
        EXPECT_EQ(form.GetControlText(Form::EditIndex(0)), "10.0.0.2");
        EXPECT_EQ(
            std::tuple(form.GetControl(Form::EditIndex(0))->bEnabled, form.GetControl(Form::EditIndex(1))->bEnabled),
            std::tuple(false, true));
        form.SetControlText(Form::EditIndex(1), "10.0.0.2");
        ClickControl(form, Form::kOk);
        form.SetControlText(Form::EditIndex(1), "10.0.0.3");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(result, IDOK);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(std::tuple(Script().LogOf(EModalKind::MessageBox).size(), box->strText, box->strCaption),
              std::tuple(1u, "Sender 3 has the same address as sender 2.", "Sender addresses"));
    EXPECT_EQ(sim::GetConfig().specifiedIPs, Addresses{Ip("10.0.0.3")});

    sim::ConfigSettings config = sim::GetConfig();
    config.specifiedIPs = {Ip("10.0.0.1"), Ip("10.0.0.2")};
    sim::SetConfig(config);
    CSetIPOfflineDlg edit(2, 1, 1, 0, nullptr);
    const int edited = RunDialog<Form>(edit, [](Form& form) {
        EXPECT_EQ(std::tuple(form.GetControl(Form::EditIndex(0))->bEnabled, form.GetControlText(Form::EditIndex(0))),
                  std::tuple(true, "10.0.0.2"));
        form.SetControlText(Form::EditIndex(0), "10.0.0.9");
        ClickControl(form, Form::kOk);
    });
    EXPECT_EQ(edited, IDOK);
    EXPECT_EQ(sim::GetConfig().specifiedIPs, (Addresses{Ip("10.0.0.1"), Ip("10.0.0.9")}));
}

// Read-only shows the addresses without Cancel; neither it nor Cancel sets
// anything; with no sender to ask for no dialog shows.
TEST_F(SetIPDlgTest, ReadOnlyCancelOrNoSenderSetNothing)
{
    MakeProject(2, {"10.0.0.1", "10.0.0.2"});
    CSetIPOfflineDlg readOnly(1, 2, 1, 1, nullptr), cancelled(3, 1, 0, 0, nullptr);
    const int shown = RunDialog<Form>(readOnly, [](Form& form) {
        EXPECT_EQ(std::tuple(form.GetControlText(Form::EditIndex(1)), form.GetControl(Form::EditIndex(0))->bEnabled,
                             form.GetControl(Form::EditIndex(1))->bEnabled, form.GetControl(Form::kCancel)),
                  std::tuple("10.0.0.2", false, false, nullptr));
        ClickControl(form, Form::kOk);
    });
    EXPECT_NE(shown, IDOK);
    const auto typeThenCancel = [](Form& form) {
        form.SetControlText(Form::EditIndex(0), "10.0.0.3");
        ClickControl(form, Form::kCancel);
    };
    EXPECT_EQ(RunDialog<Form>(cancelled, typeThenCancel), IDCANCEL);
    const std::size_t dialogs = Script().LogOf(EModalKind::Dialog).size();
    CSetIPOfflineDlg first0(0, 1, 0, 0, nullptr), none(1, 0, 0, 0, nullptr);
    EXPECT_EQ(std::tuple(first0.DoModal() == IDOK, none.DoModal() == IDOK), std::tuple(false, false));
    EXPECT_EQ(Script().LogOf(EModalKind::Dialog).size(), dialogs);
    EXPECT_EQ(Stored(), std::tuple(Addresses{}, 0, 0));
}

// The window holds the last column and the buttons sit under the tallest one.
TEST_F(SetIPDlgTest, ManyRowsStandInColumns)
{
    CSetIPOfflineDlg dlg(1, 12, 0, 0, nullptr);
    RunDialog<Form>(dlg, [](Form& form) {
        const CRect first = form.GetControl(Form::EditIndex(0))->rect;
        const CRect eleventh = form.GetControl(Form::EditIndex(Form::kRowsPerColumn))->rect;
        EXPECT_EQ(eleventh.top, first.top);
        EXPECT_GT(eleventh.left, first.right);
        const CRect client = form.GetClientRect();
        EXPECT_LE(form.GetControl(Form::EditIndex(11))->rect.right, client.right);
        EXPECT_GT(form.GetControl(Form::kOk)->rect.top, form.GetControl(Form::EditIndex(9))->rect.bottom);
        EXPECT_LE(form.GetControl(Form::kOk)->rect.bottom, client.bottom);
    });
}
