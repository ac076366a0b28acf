#include "controls/time_edit.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class TimePage : public CMorvBaseDlg {
public:
    std::vector<int> seconds;

protected:
    void OnEditChange(UINT id) override
    {
        if (auto* edit = dynamic_cast<CMorvTimeEdit*>(GetDlgItem(id)))
            seconds.push_back(edit->GetTotalSeconds());
    }
};

TEST(TimeEdit, FormatsHoursMinutesSeconds)
{
    EXPECT_EQ(morv::FormatDuration(0), "00:00:00");
    EXPECT_EQ(morv::FormatDuration(10), "00:00:10");
    EXPECT_EQ(morv::FormatDuration(3725), "01:02:05");
    EXPECT_EQ(morv::FormatDuration(7200), "02:00:00");
    EXPECT_EQ(morv::FormatDuration(-5), "00:00:00");
}

class TimeEditTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(page.Create(301, &host)); }
    HostWindow host;
    TimePage page;
};

TEST_F(TimeEditTest, HoldsItsValueInsideTheBounds)
{
    CMorvTimeEdit edit;
    edit.SetRange(10, 7200);
    ASSERT_TRUE(edit.Create(&page, {0, 0, 100, 24}, 2015));
    edit.SetTotalSeconds(5);
    EXPECT_EQ(edit.GetTotalSeconds(), 10);
    edit.SetTotalSeconds(9000);
    EXPECT_EQ(edit.GetTotalSeconds(), 7200);
    edit.SetTotalSeconds(60);
    EXPECT_EQ(edit.GetTotalSeconds(), 60);
    EXPECT_EQ(edit.GetText(), "00:01:00");
    // The value starts at the minimum, so the first call changed nothing.
    EXPECT_EQ(page.seconds, (std::vector<int>{7200, 60}));
}

TEST_F(TimeEditTest, NarrowingTheRangeMovesTheValue)
{
    CMorvTimeEdit edit;
    ASSERT_TRUE(edit.Create(&page, {0, 0, 100, 24}, 2015));
    edit.SetTotalSeconds(5000);
    edit.SetRange(10, 3600);
    EXPECT_EQ(edit.GetTotalSeconds(), 3600);
    EXPECT_EQ(edit.GetMinSeconds(), 10);
    EXPECT_EQ(edit.GetMaxSeconds(), 3600);
}

TEST_F(TimeEditTest, ValueSetBeforeTheWindowIsShownByIt)
{
    CMorvTimeEdit edit;
    edit.SetRange(10, 7200);
    edit.SetTotalSeconds(125);
    ASSERT_TRUE(edit.Create(&page, {0, 0, 100, 24}, 2015));
    EXPECT_EQ(edit.GetTotalSeconds(), 125);
    EXPECT_EQ(edit.GetText(), "00:02:05");
    EXPECT_TRUE(page.seconds.empty());
}

} // namespace
