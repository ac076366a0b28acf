#include "controls/button_bar.h"
#include "controls/edit.h"
#include "controls/guards.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

#include <new>

namespace {

// A page whose change handler rewrites its own edit's text, as the
// settings page does with "%d"; another edit still reports.
class RewritingPage : public CMorvBaseDlg {
public:
    int calls = 0, otherCalls = 0;

protected:
    int InitControls() override
    {
        AddControl(1, EMorvControlKind::NumericEdit, {0, 0, 80, 24}, {}, 2016);
        AddControl(2, EMorvControlKind::NumericEdit, {0, 30, 80, 54}, {}, 2017);
        return 1;
    }
    void OnEditChange(UINT id) override
    {
        if (id == 2017) {
            ++otherCalls;
            return;
        }
        ++calls;
        GetEdit(1)->SetText(std::to_string(GetEdit(1)->GetInt())); // "007" becomes "7": a change while handling one
        GetEdit(2)->SetText("5");
    }
};

TEST(EditChangeGuard, NestedForTheSameKeyFreedAfterAndAHandlerRewritingItsTextIsNotEnteredAgain)
{
    int a = 0, b = 0;
    CEditChange outer(&a);
    EXPECT_TRUE(outer);
    {
        CEditChange inner(&a), other(&b);
        EXPECT_EQ(std::tuple(bool(inner), inner.IsNested(), bool(other)), std::tuple(false, true, true));
    }
    EXPECT_EQ(std::tuple(CEditChange::IsActive(&a), CEditChange::IsActive(&b)), std::tuple(true, false));
    CEditChange again(&b); // free again after its guard
    EXPECT_TRUE(again);

    HostWindow host;
    RewritingPage page;
    ASSERT_TRUE(page.Create(302, &host));
    page.GetEdit(1)->SetText("007");
    EXPECT_EQ(std::tuple(page.calls, page.GetEdit(1)->GetText(), page.otherCalls), std::tuple(1, std::string("7"), 1));
    page.GetEdit(1)->SetText("8");
    EXPECT_EQ(page.calls, 2);
}

// A bar whose handler presses its own item again while it runs (as a
// second click during an open menu would) and disables it.
class ReentryPage : public CMorvBaseDlg {
public:
    CMorvButtonBar bar{this, 3};
    int clicks = 0;

protected:
    int InitControls() override
    {
        bar.SetItemRect(1, {0, 0, 30, 30});
        bar.SetItemVisible(1, true);
        return 1;
    }
    void OnBarItemClick(CMorvButtonBar&, int item) override
    {
        if (++clicks == 1)
            Click(*this, {5, 5});        // ignored: the item is busy
        bar.SetItemEnabled(item, false); // the handler's own change stays
    }
};

TEST(ControlEnableGuard, WindowsBarItemsAndEntriesAreBusyForTheGuardsLifeAndAHandlersItemTakesNoSecondClick)
{
    auto host = std::make_unique<HostWindow>();
    {
        CControlEnable guard(host.get());
        EXPECT_EQ(std::tuple(bool(guard), host->IsWindowEnabled()), std::tuple(true, false));
        CControlEnable inner(host.get());
        EXPECT_FALSE(inner);
    }
    EXPECT_TRUE(host->IsWindowEnabled());
    ReentryPage page;
    ASSERT_TRUE(page.Create(303, host.get()));
    {
        CControlEnable outer(page.bar, 1), inner(page.bar, 1), unknown(page.bar, 99);
        EXPECT_EQ(std::tuple(bool(outer), bool(inner), bool(unknown)), std::tuple(true, false, true));
    }
    page.AddControl(7, EMorvControlKind::Button, {0, 40, 50, 60}, "Add...");
    {
        CControlEnable guard(page, 7);
        EXPECT_EQ(std::tuple(page.HitTestControl({5, 45}), page.GetControl(7)->bEnabled), std::tuple(-1, true));
    }
    EXPECT_EQ(page.HitTestControl({5, 45}), 7);
    page.MoveWindow({0, 0, 200, 40});
    Click(page, {5, 5});
    EXPECT_EQ(std::tuple(page.clicks, page.bar.GetItem(1)->nBusy, page.bar.GetItem(1)->bEnabled),
              std::tuple(1, 0, false));
    Click(page, {5, 5});
    EXPECT_EQ(page.clicks, 1);
    page.DestroyWindow();
    CControlEnable guard(host.get());
    host.reset(); // a window destroyed by the handler is left alone when the guard ends
}

TEST(ControlEnableGuard, ABarMadeWhereTheGuardedOneWasIsNotTouched)
{
    // The handler destroys its bar and a new one takes the same address:
    // the guard's end must leave the newcomer's busy mark alone.
    HostWindow host;
    CMorvBaseDlg page;
    ASSERT_TRUE(page.Create(305, &host));
    alignas(CMorvButtonBar) unsigned char place[sizeof(CMorvButtonBar)];
    auto* first = new (place) CMorvButtonBar(&page, 1);
    CMorvButtonBar* second = nullptr;
    {
        CControlEnable guard(*first, 0);
        first->~CMorvButtonBar();
        second = new (place) CMorvButtonBar(&page, 1);
        second->GetItem(0)->nBusy = 1;
    }
    EXPECT_EQ(second->GetItem(0)->nBusy, 1);
    second->~CMorvButtonBar();
}

} // namespace
