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
    const std::pair<int, const char*> cases[]
        = {{0, "00:00:00"}, {10, "00:00:10"}, {3725, "01:02:05"}, {7200, "02:00:00"}, {-5, "00:00:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(morv::FormatDuration(seconds), text);
}

TEST(TimeEdit, HoldsItsValueInsideTheBounds)
{
    HostWindow host;
    TimePage page;
    ASSERT_TRUE(page.Create(301, &host));
    CMorvTimeEdit early, edit; // a value set before the window is shown by it and not reported
    early.SetRange(10, 7200);
    early.SetTotalSeconds(125);
    ASSERT_TRUE(early.Create(&page, {0, 30, 100, 54}, 2014));
    EXPECT_EQ(std::tuple(early.GetTotalSeconds(), early.GetText()), std::tuple(125, std::string("00:02:05")));
    EXPECT_TRUE(page.seconds.empty());
    edit.SetRange(10, 7200);
    ASSERT_TRUE(edit.Create(&page, {0, 0, 100, 24}, 2015));
    const std::pair<int, int> sets[] = {{5, 10}, {9000, 7200}, {60, 60}};
    for (const auto& [set, held] : sets) {
        edit.SetTotalSeconds(set);
        EXPECT_EQ(edit.GetTotalSeconds(), held);
    }
    EXPECT_EQ(edit.GetText(), "00:01:00");
    // The value starts at the minimum, so the first call changed nothing.
    EXPECT_EQ(page.seconds, (std::vector<int>{7200, 60}));
    edit.SetTotalSeconds(5000);
    edit.SetRange(10, 3600); // narrowing the range moves the value
    EXPECT_EQ(std::tuple(edit.GetTotalSeconds(), edit.GetMinSeconds(), edit.GetMaxSeconds()),
              std::tuple(3600, 10, 3600));
}

} // namespace
