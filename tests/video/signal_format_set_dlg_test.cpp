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
    static std::pair<int, std::string> Run(const std::string& text, const std::function<void(Dlg&)>& action,
                                           int endWith = IDCANCEL)
    {
        Dlg dlg(text);
        Script().RunOnDialog<Dlg>(action, endWith);
        const int result = dlg.DoModal();
        return {result, dlg.GetFormatText()};
    }

    static std::vector<std::string> Edits(const Dlg& dlg)
    {
        return {dlg.GetControlText(Dlg::kWidthEdit), dlg.GetControlText(Dlg::kHeightEdit),
                dlg.GetControlText(Dlg::kRefreshEdit)};
    }

    // Makes the dialog the active window, so an edit can hold the focus.
    static void Activate(Dlg& dlg)
    {
        QWidget* widget = plat::NativeWidget(&dlg);
        widget->activateWindow();
        QApplication::setActiveWindow(widget);
        QCoreApplication::processEvents();
    }
};

TEST_F(SignalFormatSetDlgTest, TheTextFillsTheEditsAndMakesOkTheDefault)
{
    Run("1920x1080@60.000Hz", [](Dlg& dlg) {
        EXPECT_EQ(Edits(dlg), (std::vector<std::string>{"1920", "1080", "60.000"}));
        EXPECT_EQ(dlg.GetControl(Dlg::kOk)->nStyle, ButtonPrimary);
    });
}

TEST_F(SignalFormatSetDlgTest, OkWithoutEditsGivesTheTextBackUnchanged)
{
    const auto [result, text] = Run("3840x2160@59.940Hz", [](Dlg& dlg) { ClickControl(dlg, Dlg::kOk); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(text, "3840x2160@59.940Hz");
}

TEST_F(SignalFormatSetDlgTest, OkFormsTheTextWithTheRefreshAsTyped)
{
    const auto [result, text] = Run("1920x1080@60.000Hz", [](Dlg& dlg) {
        dlg.SetControlText(Dlg::kWidthEdit, "1280");
        dlg.SetControlText(Dlg::kHeightEdit, "720");
        dlg.SetControlText(Dlg::kRefreshEdit, "50.00");
        ClickControl(dlg, Dlg::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(text, "1280x720@50.00Hz");
}

TEST_F(SignalFormatSetDlgTest, CancelEndsWithTwoAndLeavesTheText)
{
    const auto [result, text] = Run("1920x1080@60.000Hz", [](Dlg& dlg) {
        dlg.SetControlText(Dlg::kWidthEdit, "1280");
        ClickControl(dlg, Dlg::kCancel);
    }, IDOK);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(text, "1920x1080@60.000Hz");
}

TEST_F(SignalFormatSetDlgTest, ATextWithoutItsMarksFillsNothing)
{
    for (const std::string& input : {std::string("1920-1080@60Hz"), std::string(), std::string("2147483648x1080@60Hz"),
                                     std::string("1920x1080@60")}) {
        Run(input, [](Dlg& dlg) {
            EXPECT_EQ(Edits(dlg), (std::vector<std::string>{"", "", ""}));
            EXPECT_EQ(dlg.GetControl(Dlg::kOk)->nStyle, ButtonNormal);
        });
    }
}

TEST_F(SignalFormatSetDlgTest, OkWithAnEmptyEditKeepsTheDialogOpenAndTheText)
{
    bool open = false;
    const auto [result, text] = Run("no format", [&](Dlg& dlg) {
        dlg.SetControlText(Dlg::kWidthEdit, "1280");
        dlg.SetControlText(Dlg::kHeightEdit, "720");
        ClickControl(dlg, Dlg::kOk);
        open = dlg.IsWindow();
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(text, "no format");
}

TEST_F(SignalFormatSetDlgTest, AFilledValueOutOfBoundsIsBroughtInAndSaidBeforeOkStoresIt)
{
    struct Case {
        const char* text;
        int index;
        const char* shown;
        const char* stored;
    };
    for (const Case& c : {Case{"1920x1080@0.00Hz", Dlg::kRefreshEdit, "23.000", "1920x1080@23.000Hz"},
                          Case{"10x1080@60.000Hz", Dlg::kWidthEdit, "64", "64x1080@60.000Hz"},
                          Case{"1920x99999@60.000Hz", Dlg::kHeightEdit, "16384", "1920x16384@60.000Hz"}}) {
        Script().AnswerMessageBox(IDOK);
        std::string shown;
        const auto [result, text] = Run(c.text, [&](Dlg& dlg) {
            ClickControl(dlg, Dlg::kOk);
            ASSERT_TRUE(dlg.IsWindow()) << c.text;
            shown = dlg.GetControlText(c.index);
            ClickControl(dlg, Dlg::kOk);
        });
        EXPECT_EQ(shown, c.shown) << c.text;
        EXPECT_EQ(result, IDOK) << c.text;
        EXPECT_EQ(text, c.stored) << c.text;
        const SModalRecord* box = Script().Last(EModalKind::MessageBox);
        ASSERT_NE(box, nullptr);
        EXPECT_NE(box->strText.find(c.shown), std::string::npos) << box->strText;
        Script().ClearLog();
    }
}

TEST_F(SignalFormatSetDlgTest, EnterActsAsOkAndEscapeAsCancel)
{
    EXPECT_EQ(Run("1920x1080@60.000Hz", [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kHeightEdit, "1200");
                  PressKey(dlg, VK_RETURN);
              }),
              (std::pair<int, std::string>{IDOK, "1920x1200@60.000Hz"}));
    EXPECT_EQ(Run("1920x1080@60.000Hz", [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kHeightEdit, "1200");
                  PressKey(dlg, VK_ESCAPE);
              }, IDOK),
              (std::pair<int, std::string>{IDCANCEL, "1920x1080@60.000Hz"}));
}

TEST_F(SignalFormatSetDlgTest, TheEditsHaveTheirRangesStepsAndDecimals)
{
    Run("", [](Dlg& dlg) {
        struct Want {
            int index;
            UINT id;
            EEditMode mode;
            double min, max;
            int decimals;
        };
        for (const Want& w : {Want{Dlg::kWidthEdit, 10007, EEditMode::Integer, 64, 32767, 0},
                              Want{Dlg::kHeightEdit, 10008, EEditMode::Integer, 64, 16384, 0},
                              Want{Dlg::kRefreshEdit, 10009, EEditMode::Decimal, 23.0, 240.0, 3}}) {
            CMorvEditEx* edit = dlg.GetEdit(w.index);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(dlg.GetDlgItem(w.id), edit);
            const SEditRules& rules = edit->GetRules();
            EXPECT_EQ(rules.eMode, w.mode) << w.id;
            EXPECT_EQ(rules.dMin, w.min) << w.id;
            EXPECT_EQ(rules.dMax, w.max) << w.id;
            EXPECT_EQ(rules.dStep, 1.0) << w.id;
            EXPECT_EQ(rules.nDecimals, w.decimals) << w.id;
        }
        // A step from the refresh edit keeps three decimals.
        dlg.SetControlText(Dlg::kRefreshEdit, "59.940");
        EXPECT_TRUE(dlg.GetEdit(Dlg::kRefreshEdit)->Step(1));
        EXPECT_EQ(dlg.GetControlText(Dlg::kRefreshEdit), "60.940");
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kFocusSinkId), nullptr);
    });
}

TEST_F(SignalFormatSetDlgTest, AButtonClickEndsTheTypingAndBringsTheValueIntoBounds)
{
    const auto [result, text] = Run("1920x1080@60.000Hz", [](Dlg& dlg) {
        Activate(dlg);
        ASSERT_TRUE(dlg.SetFocusTo(Dlg::kWidthEditId));
        ASSERT_TRUE(dlg.IsFocusOnEdit());
        dlg.SetControlText(Dlg::kWidthEdit, "40000");
        ClickControl(dlg, Dlg::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(text, "32767x1080@60.000Hz");
}

TEST_F(SignalFormatSetDlgTest, CancelAlsoTakesTheFocusFromTheEdits)
{
    bool focusAfter = true;
    Run("1920x1080@60.000Hz", [&](Dlg& dlg) {
        Activate(dlg);
        ASSERT_TRUE(dlg.SetFocusTo(Dlg::kRefreshEditId));
        ASSERT_TRUE(dlg.IsFocusOnEdit());
        ClickControl(dlg, Dlg::kCancel);
        focusAfter = dlg.IsFocusOnEdit();
    }, IDOK);
    EXPECT_FALSE(focusAfter);
}

TEST_F(SignalFormatSetDlgTest, OneLineOfEditsAndMarksWithTheButtonsUnderIt)
{
    for (double scale : {1.0, 1.5}) {
        SetScale(scale);
        Run("1920x1080@60.000Hz", [scale](Dlg& dlg) {
            auto px = [scale](int design) { return static_cast<int>(design * scale); };
            EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString("Title", "Monitoring"));
            EXPECT_EQ(dlg.GetControlText(Dlg::kTimesLabel), "x");
            EXPECT_EQ(dlg.GetControlText(Dlg::kAtLabel), "@");
            EXPECT_EQ(dlg.GetControlText(Dlg::kHzLabel), "Hz");
            EXPECT_EQ(dlg.GetControlText(Dlg::kOk), GetLanguageString("OK", "Common"));
            EXPECT_EQ(dlg.GetControlText(Dlg::kCancel), GetLanguageString("Cancel", "Common"));
            int left = 0;
            const CRect first = dlg.GetControl(Dlg::kWidthEdit)->rect;
            for (int index = Dlg::kWidthEdit; index <= Dlg::kHzLabel; ++index) {
                const CRect r = dlg.GetControl(index)->rect;
                EXPECT_GT(r.left, left) << index;
                EXPECT_EQ(r.top, first.top) << index;
                EXPECT_EQ(r.Height(), px(24)) << index;
                left = r.right;
            }
            EXPECT_LE(left, dlg.GetClientRect().right - px(15));
            for (int button : {Dlg::kOk, Dlg::kCancel}) {
                const CRect r = dlg.GetControl(button)->rect;
                EXPECT_EQ(r.Width(), px(80));
                EXPECT_GE(r.top, first.bottom + px(15));
                EXPECT_LE(r.bottom, dlg.GetClientRect().bottom - px(15));
            }
            SaveDialogShot(dlg, scale > 1.0 ? "signal_format_150" : "signal_format_100");
        });
    }
}

} // namespace
