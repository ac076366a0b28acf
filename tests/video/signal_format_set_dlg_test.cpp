#include "dialog_test_support.h"

#include "controls/edit.h"
#include "host/vistrano_language.h"
#include "platform/native_qt.h"
#include "video/signal_format_set_dlg.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Dlg = CSignalFormatSetDlg;

class SignalFormatSetDlgTest : public DialogTest {
protected:
    // Runs the dialog on a text; answers DoModal's result and the text after it.
    static std::tuple<int, std::string> Run(const std::string& text, const std::function<void(Dlg&)>& action,
                                            int endWith = IDCANCEL)
    {
        Dlg dlg(text);
        Script().RunOnDialog<Dlg>(action, endWith);
        const int result = dlg.DoModal();
        return {result, dlg.GetFormatText()};
    }

    static std::string Edits(const Dlg& dlg)
    {
        return dlg.GetControlText(Dlg::kWidthEdit) + "|" + dlg.GetControlText(Dlg::kHeightEdit) + "|"
            + dlg.GetControlText(Dlg::kRefreshEdit);
    }

    // Makes the dialog the active window and puts the focus in an edit.
    static void Focus(Dlg& dlg, UINT id)
    {
        QWidget* widget = plat::NativeWidget(&dlg);
        widget->activateWindow();
        QApplication::setActiveWindow(widget);
        QCoreApplication::processEvents();
        ASSERT_TRUE(dlg.SetFocusTo(id));
        ASSERT_TRUE(dlg.IsFocusOnEdit());
    }
};

// The text fills the edits only when all three numbers are found, and OK
// is the primary button then.
TEST_F(SignalFormatSetDlgTest, TheTextFillsTheEditsOnlyWhenAllThreeNumbersAreFound)
{
    for (const auto& [text, edits] : {std::pair{"1920x1080@60.000Hz", "1920|1080|60.000"},
                                      {"1920-1080@60Hz", "||"},
                                      {"", "||"},
                                      {"2147483648x1080@60Hz", "||"}}) {
        Run(text, [&](Dlg& dlg) {
            EXPECT_EQ(Edits(dlg), edits) << text;
            EXPECT_EQ(dlg.GetControl(Dlg::kOk)->nStyle, edits[0] != '|' ? ButtonPrimary : ButtonNormal) << text;
        });
    }
}

// OK and Enter form the text, the refresh as typed; Cancel and Escape
// leave it; an edit without a number keeps the dialog open (3: still open
// when the test ended it).
TEST_F(SignalFormatSetDlgTest, OkAndEnterFormTheTextCancelAndEscapeLeaveIt)
{
    using Action = std::function<void(Dlg&)>;
    const Action ok = [](Dlg& d) { ClickControl(d, Dlg::kOk); };
    const Action type = [](Dlg& d) { d.SetControlText(Dlg::kHeightEdit, "1200"); };
    const Action none = [](Dlg&) {};
    const char* uhd = "3840x2160@59.940Hz";
    const std::tuple<const char*, Action, Action, int, const char*> cases[]
        = {{uhd, none, ok, IDOK, uhd},
           {uhd, type, ok, IDOK, "3840x1200@59.940Hz"},
           {uhd, type, [](Dlg& d) { PressKey(d, VK_RETURN); }, IDOK, "3840x1200@59.940Hz"},
           {uhd, type, [](Dlg& d) { ClickControl(d, Dlg::kCancel); }, IDCANCEL, uhd},
           {uhd, type, [](Dlg& d) { PressKey(d, VK_ESCAPE); }, IDCANCEL, uhd},
           {"1920x1080@60.000Hz", [](Dlg& d) { d.SetControlText(Dlg::kRefreshEdit, "50.00"); }, ok, IDOK,
            "1920x1080@50.00Hz"},
           {"no format", [](Dlg& d) { d.SetControlText(Dlg::kWidthEdit, "1280"); }, ok, 3, "no format"}};
    for (const auto& [start, edit, end, result, text] : cases) {
        const Action both = [&](Dlg& dlg) { edit(dlg), end(dlg); };
        EXPECT_EQ(Run(start, both, 3), std::tuple(result, std::string(text)));
    }
}

// A filled value out of bounds is brought in and said before OK stores it;
// a button click ends the typing and brings the typed value into bounds.
TEST_F(SignalFormatSetDlgTest, ValuesOutOfBoundsAreBroughtInBeforeOkStoresThem)
{
    for (const auto& [text, shown, stored] : {std::tuple{"1920x1080@0.00Hz", "23.000", "1920x1080@23.000Hz"},
                                              {"10x1080@60.000Hz", "64", "64x1080@60.000Hz"},
                                              {"1920x99999@60.000Hz", "16384", "1920x16384@60.000Hz"}}) {
        Script().AnswerMessageBox(IDOK);
        EXPECT_EQ(Run(text,
                      [&](Dlg& dlg) {
                          ClickControl(dlg, Dlg::kOk);
                          EXPECT_TRUE(dlg.IsWindow()) << text;
                          ClickControl(dlg, Dlg::kOk);
                      }),
                  std::tuple(int(IDOK), std::string(stored)));
        const SModalRecord* box = Script().Last(EModalKind::MessageBox);
        ASSERT_NE(box, nullptr);
        EXPECT_NE(box->strText.find(shown), std::string::npos) << box->strText;
        Script().ClearLog();
    }
    EXPECT_EQ(Run("1920x1080@60.000Hz",
                  [](Dlg& dlg) {
                      Focus(dlg, Dlg::kWidthEditId);
                      dlg.SetControlText(Dlg::kWidthEdit, "40000");
                      ClickControl(dlg, Dlg::kOk);
                  }),
              std::tuple(int(IDOK), std::string("32767x1080@60.000Hz")));
    Run(
        "1920x1080@60.000Hz",
        [&](Dlg& dlg) {
            Focus(dlg, Dlg::kRefreshEditId);
            ClickControl(dlg, Dlg::kCancel);
            EXPECT_FALSE(dlg.IsFocusOnEdit());
        },
        IDOK);
}

} // namespace
