#include "controls/edit.h"
#include "controls/notify.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// A page that records the edit notifications it receives.
class EditPage : public CMorvBaseDlg {
public:
    std::vector<std::pair<UINT, std::string>> changes; // id, text at the time
    std::vector<UINT> setFocus, killFocus;

protected:
    void OnEditChange(UINT id) override
    {
        auto* edit = dynamic_cast<CMorvEditEx*>(GetDlgItem(id));
        changes.emplace_back(id, edit ? edit->GetText() : std::string());
    }
    void OnEditSetFocus(UINT id) override { setFocus.push_back(id); }
    void OnEditKillFocus(UINT id) override { killFocus.push_back(id); }
};

class EditTest : public ScriptedTest {
protected:
    void SetUp() override
    {
        ScriptedTest::SetUp();
        ASSERT_TRUE(page.Create(300, &host));
        page.MoveWindow({0, 0, 400, 200});
        ASSERT_TRUE(edit.Create(&page, {10, 10, 110, 34}, 2016));
        edit.ShowWindow(SW_SHOW);
    }
    QLineEdit* Line() { return plat::NativeWidget(&edit)->findChild<QLineEdit*>(); }

    HostWindow host;
    EditPage page;
    CMorvEditEx edit;
};

TEST_F(EditTest, SetTextSendsEnChangeWithTheControlId)
{
    edit.SetText("42");
    ASSERT_EQ(page.changes.size(), 1u);
    EXPECT_EQ(page.changes[0].first, 2016u);
    EXPECT_EQ(page.changes[0].second, "42");
    EXPECT_EQ(edit.GetInt(), 42);
}

TEST_F(EditTest, WindowTextIsTheEditText)
{
    edit.SetWindowText("17");
    EXPECT_EQ(edit.GetText(), "17");
    edit.SetText("18");
    EXPECT_EQ(edit.GetWindowText(), "18");
}

TEST_F(EditTest, TypingIsCheckedByTheModeAndBounds)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetRange(20, 100);
    QLineEdit* line = Line();
    ASSERT_NE(line, nullptr);
    line->insert("5");
    line->insert("x"); // refused: not a digit
    EXPECT_EQ(edit.GetText(), "5");
    line->insert("0");
    EXPECT_EQ(edit.GetText(), "50");
    line->insert("0"); // refused: 500 is above the maximum
    EXPECT_EQ(edit.GetText(), "50");
}

TEST_F(EditTest, DecimalModeKeepsItsDecimals)
{
    edit.SetEditMode(EEditMode::Decimal, 3);
    edit.SetRange(23, 240);
    QLineEdit* line = Line();
    line->insert("59.9401");
    EXPECT_EQ(edit.GetText(), ""); // the whole insertion is refused
    line->insert("59.94");
    EXPECT_EQ(edit.GetText(), "59.94");
    EXPECT_DOUBLE_EQ(edit.GetDouble(), 59.94);
}

TEST_F(EditTest, LeavingTheEditBringsTheValueIntoBounds)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetRange(20, 100);
    edit.SetText("7");
    page.changes.clear();
    edit.Normalize();
    EXPECT_EQ(edit.GetText(), "20");
    ASSERT_EQ(page.changes.size(), 1u);
    EXPECT_EQ(page.changes[0].second, "20");
}

TEST_F(EditTest, UpAndDownKeysStepTheValue)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetStepValue(64, 1920, 32767, 10);
    edit.SetText("1920");
    KeyDown(edit, VK_UP);
    EXPECT_EQ(edit.GetText(), "1930");
    KeyDown(edit, VK_DOWN);
    KeyDown(edit, VK_DOWN);
    EXPECT_EQ(edit.GetText(), "1910");
    EXPECT_EQ(page.changes.back().second, "1910");
}

TEST_F(EditTest, StepStopsAtTheBounds)
{
    edit.SetEditMode(EEditMode::Decimal, 3);
    edit.SetStepValue(23, 60, 240, 1);
    edit.SetText("239.500");
    EXPECT_TRUE(edit.Step(1));
    EXPECT_EQ(edit.GetText(), "240.000");
    EXPECT_FALSE(edit.Step(1));
}

TEST_F(EditTest, EmptyEditStepsFromTheGivenValue)
{
    edit.SetEditMode(EEditMode::Decimal, 1);
    edit.SetStepValue(-1, 12, 10000, 1);
    KeyDown(edit, VK_UP);
    EXPECT_EQ(edit.GetText(), "13.0");
}

TEST_F(EditTest, TextModeLetsArrowKeysThrough)
{
    edit.SetText("abc");
    page.changes.clear();
    KeyDown(edit, VK_UP);
    EXPECT_EQ(edit.GetText(), "abc");
    EXPECT_TRUE(page.changes.empty());
}

TEST_F(EditTest, WheelStepsOnlyTheEditBeingTypedIn)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetStepValue(0, 0, 100, 1);
    edit.SetText("50");
    Wheel(edit, {5, 5}, 240);
    EXPECT_EQ(edit.GetText(), "50"); // no focus: the wheel goes on to the page
    Activate(host);
    edit.SetFocus();
    ASSERT_TRUE(edit.HasFocus());
    Wheel(edit, {5, 5}, 240);
    EXPECT_EQ(edit.GetText(), "52");
    Wheel(edit, {5, 5}, -120);
    EXPECT_EQ(edit.GetText(), "51");
}

TEST_F(EditTest, FocusChangesReachTheParent)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetRange(20, 100);
    edit.SetText("3");
    Activate(host);
    edit.SetFocus();
    ASSERT_TRUE(edit.HasFocus());
    EXPECT_EQ(page.setFocus, std::vector<UINT>{2016});
    EXPECT_TRUE(page.IsFocusOnEdit());
    page.SetFocusTo(10010); // no such control: the page takes the focus
    EXPECT_FALSE(page.IsFocusOnEdit());
    EXPECT_EQ(page.killFocus, std::vector<UINT>{2016});
    EXPECT_EQ(edit.GetText(), "20"); // brought into bounds on leaving
}

TEST_F(EditTest, PasswordAndLimit)
{
    edit.SetPassword(true);
    EXPECT_EQ(Line()->echoMode(), QLineEdit::Password);
    edit.SetLimitText(4);
    edit.SetText("123456");
    EXPECT_EQ(edit.GetText(), "1234");
}

TEST_F(EditTest, NothingIsSentAfterTheWindowIsGone)
{
    edit.DestroyWindow();
    page.changes.clear();
    edit.SetText("9");
    EXPECT_TRUE(page.changes.empty());
    EXPECT_EQ(edit.GetText(), "");
}

} // namespace
