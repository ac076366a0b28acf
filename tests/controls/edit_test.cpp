#include "controls/edit.h"
#include "controls/notify.h"
#include "controls/time_edit.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using Changes = std::vector<std::pair<UINT, std::string>>;

// A page that records the edit notifications it receives.
class EditPage : public CMorvBaseDlg {
public:
    Changes changes; // id, text at the time
    std::vector<UINT> setFocus, killFocus;

protected:
    void OnEditChange(UINT id) override
    {
        auto* edit = dynamic_cast<CMorvEditEx*>(GetDlgItem(id));
        auto* time = dynamic_cast<CMorvTimeEdit*>(GetDlgItem(id));
        changes.emplace_back(id, edit ? edit->GetText() : time ? time->GetText() : std::string());
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

TEST_F(EditTest, TextsChangesPasswordAndLimit)
{
    edit.SetText("42");
    EXPECT_EQ(page.changes, (Changes{{2016u, "42"}})); // with the control id
    EXPECT_EQ(edit.GetInt(), 42);
    edit.SetWindowText("17");
    EXPECT_EQ(edit.GetText(), "17");
    edit.SetText("18");
    EXPECT_EQ(edit.GetWindowText(), "18");
    edit.SetPassword(true);
    EXPECT_EQ(Line()->echoMode(), QLineEdit::Password);
    edit.SetLimitText(4);
    edit.SetText("123456");
    EXPECT_EQ(edit.GetText(), "1234");
    // Nothing is sent after the window is gone.
    edit.DestroyWindow();
    page.changes.clear();
    edit.SetText("9");
    EXPECT_EQ(std::tuple(page.changes.size(), edit.GetText()), std::tuple(0u, std::string()));
}

TEST_F(EditTest, TypingIsCheckedByTheModeAndBoundsLeavingBringsTheValueInKeysAndTheWheelStepIt)
{
    edit.SetEditMode(EEditMode::Integer);
    edit.SetRange(20, 100);
    ASSERT_NE(Line(), nullptr);
    for (const char* typed : {"5", "x", "0", "0"}) // a letter and 500 are refused
        Line()->insert(typed);
    EXPECT_EQ(edit.GetText(), "50");
    edit.SetText("7");
    page.changes.clear();
    edit.Normalize();
    EXPECT_EQ(page.changes, (Changes{{2016u, "20"}}));
    edit.SetText("3");
    Activate(host);
    edit.SetFocus();
    ASSERT_TRUE(edit.HasFocus());
    EXPECT_EQ(std::tuple(page.setFocus, page.IsFocusOnEdit()), std::tuple(std::vector<UINT>{2016}, true));
    page.SetFocusTo(10010); // no such control: the page takes the focus
    EXPECT_EQ(std::tuple(page.IsFocusOnEdit(), page.killFocus, edit.GetText()),
              std::tuple(false, std::vector<UINT>{2016}, std::string("20")));

    edit.SetText("");
    edit.SetEditMode(EEditMode::Decimal, 3);
    edit.SetRange(23, 240);
    Line()->insert("59.9401"); // the whole insertion is refused
    EXPECT_EQ(edit.GetText(), "");
    Line()->insert("59.94");
    EXPECT_EQ(edit.GetText(), "59.94");
    EXPECT_DOUBLE_EQ(edit.GetDouble(), 59.94);

    edit.SetEditMode(EEditMode::Text);
    edit.SetText("abc"); // text mode lets the arrow keys through
    page.changes.clear();
    KeyDown(edit, VK_UP);
    EXPECT_EQ(std::tuple(edit.GetText(), page.changes.size()), std::tuple(std::string("abc"), 0u));
    edit.SetEditMode(EEditMode::Integer);
    edit.SetStepValue(64, 1920, 32767, 10);
    edit.SetText("1920");
    KeyDown(edit, VK_UP);
    EXPECT_EQ(edit.GetText(), "1930");
    KeyDown(edit, VK_DOWN);
    KeyDown(edit, VK_DOWN);
    EXPECT_EQ(page.changes.back(), std::pair(2016u, std::string("1910")));

    edit.SetEditMode(EEditMode::Decimal, 3); // steps stop at the bounds
    edit.SetStepValue(23, 60, 240, 1);
    edit.SetText("239.500");
    EXPECT_TRUE(edit.Step(1));
    EXPECT_EQ(edit.GetText(), "240.000");
    EXPECT_FALSE(edit.Step(1));
    edit.SetText(""); // an empty edit steps from the given value
    edit.SetEditMode(EEditMode::Decimal, 1);
    edit.SetStepValue(-1, 12, 10000, 1);
    KeyDown(edit, VK_UP);
    EXPECT_EQ(edit.GetText(), "13.0");

    edit.SetEditMode(EEditMode::Integer); // the wheel steps only the edit being typed in
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

TEST_F(EditTest, TimeEditFormatsAndHoldsItsValueInsideTheBounds)
{
    const std::pair<int, const char*> cases[]
        = {{0, "00:00:00"}, {10, "00:00:10"}, {3725, "01:02:05"}, {7200, "02:00:00"}, {-5, "00:00:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(morv::FormatDuration(seconds), text);
    page.changes.clear();
    CMorvTimeEdit early, time; // a value set before the window is shown by it and not reported
    early.SetRange(10, 7200);
    early.SetTotalSeconds(125);
    ASSERT_TRUE(early.Create(&page, {0, 30, 100, 54}, 2014));
    EXPECT_EQ(std::tuple(early.GetTotalSeconds(), early.GetText()), std::tuple(125, std::string("00:02:05")));
    EXPECT_TRUE(page.changes.empty());
    time.SetRange(10, 7200);
    ASSERT_TRUE(time.Create(&page, {0, 0, 100, 24}, 2015));
    const std::pair<int, int> sets[] = {{5, 10}, {9000, 7200}, {60, 60}};
    for (const auto& [set, held] : sets) {
        time.SetTotalSeconds(set);
        EXPECT_EQ(time.GetTotalSeconds(), held);
    }
    EXPECT_EQ(time.GetText(), "00:01:00");
    // The value starts at the minimum, so the first call changed nothing.
    EXPECT_EQ(page.changes, (Changes{{2015u, "02:00:00"}, {2015u, "00:01:00"}}));
    time.SetTotalSeconds(5000);
    time.SetRange(10, 3600); // narrowing the range moves the value
    EXPECT_EQ(std::tuple(time.GetTotalSeconds(), time.GetMinSeconds(), time.GetMaxSeconds()),
              std::tuple(3600, 10, 3600));
}

} // namespace
