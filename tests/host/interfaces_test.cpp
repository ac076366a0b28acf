// The page interface keeps its slots and argument lists: a page that
// implements every slot with these exact signatures compiles and is
// complete. The tile set copy is a tile set of its own.
#include "host/quarn_label_reserved.h"
#include "host/vistrano_label.h"
#include "host/vistrano_project.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

class Page final : public CQuarnLabelReserved {
public:
    int Activate() override { return 1; }
    void MoveTo(CRect r) override { moved = r; }
    void Release() override {}
    int ApplyLanguage() override { return 1; }
    void ReloadImages() override {}
    int Update(int32_t mask, int32_t, int32_t) override { return mask != 0; }
    int Show(int32_t) override { return 0; }
    int IsShown() override { return 0; }

    CRect moved;
};

int FakeInit(IVistranoLabel* host, IQuarnLabel** out)
{
    static Page page;
    if (!host || !out)
        return 0;
    *out = &page;
    return 1;
}

} // namespace

TEST(QuarnLabel, APageWithEverySlotIsComplete)
{
    static_assert(std::is_abstract_v<IQuarnLabel>);
    static_assert(!std::is_abstract_v<Page>);
    Page page;
    IQuarnLabel& label = page;
    label.MoveTo(CRect(1, 2, 30, 40));
    EXPECT_EQ(page.moved, CRect(1, 2, 30, 40));
    EXPECT_EQ(label.Update(0x4000, 0, 1), 1);
}

TEST(QuarnLabel, EntryTypeMatchesAnEntryFunction)
{
    PFN_MONITOR_INIT init = &FakeInit;
    IQuarnLabel* out = nullptr;
    EXPECT_EQ(init(nullptr, &out), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_STREQ(kMonitorInitSymbol, "Monitor_Init");
}

TEST(NumberedTileSet, AddressesReceiversByConnectionIndex)
{
    CNumberedTileSet set({CRect(0, 0, 64, 64), CRect(64, 0, 128, 64)});
    const CTileSet& base = set;
    EXPECT_EQ(base.GetRcvCount(), 2);
    EXPECT_EQ(base.GetRectByRcvCnntIndex(1), CRect(64, 0, 128, 64));
    // Indices the compiler cannot see through: with constants it warns about
    // the guarded access it has inlined.
    volatile int beyond = 2, negative = -1;
    EXPECT_EQ(base.GetRectByRcvCnntIndex(beyond), CRect());
    EXPECT_EQ(base.GetRectByRcvCnntIndex(negative), CRect());
    CNumberedTileSet copy;
    base.GetTileSetNumberedNormalization(copy);
    EXPECT_EQ(copy.GetRects(), set.GetRects());
}
