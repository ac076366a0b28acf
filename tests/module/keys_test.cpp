// Key packing of the page state's stores, at the edges of every field.
#include "module/item_keys.h"

#include <gtest/gtest.h>

namespace {

SCurrentObject Obj(int32_t scope, int32_t renderType) { return {scope, 1, renderType, 0, 0}; }

// Scope and render type keep their low 8 bits, c its low 16, d and e their
// low 8, f its low 16; each level fills its tail with ones.
TEST(KeyTest, EveryItemLevelAndLevelFormAtTheEdgesOfItsFields)
{
    const SCurrentObject a = Obj(2, 3), b = Obj(1, 4), z = Obj(0, 0);
    EXPECT_EQ((std::vector<uint64_t>{0x02030003FFFFFFFF, 0x0203000300FFFFFF, 0x0104000512FFFFFF, 0x010400051234FFFF,
                                     0x0104000512345678, 0xFFFEFFFFFFFFFFFF, 0x00000000FFFFFFFF, 0x0000ABCD01020003,
                                     0xFF000000FFFFFFFF}),
              (std::vector<uint64_t>{ItemKey(a, 3), ItemKey(a, 3, 0), ItemKey(b, 5, 0x12), ItemKey(b, 5, 0x12, 0x34),
                                     ItemKey(b, 5, 0x12, 0x34, 0x5678), ItemKey(Obj(0x1FF, 0x2FE), 0x1FFFF),
                                     ItemKey(z, 0, -1, -1, -1), ItemKey(z, 0x1ABCD, 0x101, 0x102, 0x10003),
                                     ItemKey(Obj(-1, 0), 0)}));
    // Levels stay apart below their all-ones value, where the form ends.
    const SCurrentObject o = Obj(3, 5);
    EXPECT_NE(ItemKey(o, 7), ItemKey(o, 7, 0xFE));
    EXPECT_NE(ItemKey(o, 7, 1), ItemKey(o, 7, 1, 0xFE));
    EXPECT_NE(ItemKey(o, 7, 1, 2), ItemKey(o, 7, 1, 2, 0xFFFE));
    EXPECT_EQ(ItemKey(o, 7), ItemKey(o, 7, 0xFF));

    // The three-part level form keeps 4, 12 and 16 bits; the two-part 4 and
    // 28; the four-part 4, 8, 8 and 12. A demarcation key keeps 8, 8 and 16.
    EXPECT_EQ((std::vector<uint32_t>{0x30020001, 0xFFFFFFFF, 0x1FFFFFFF, 0x00010000, 0x0000FFFF, 0x50000007, 0x5FFFFFFF,
                                     0x00000001, 0x12030405, 0x1FFFFFFF, 0x00100000, 0x00001000}),
              (std::vector{LevelKey(3, 2, 1), LevelKey(0xF, 0xFFF, 0xFFFF), LevelKey(0x11, 0xFFFF, 0x1FFFF),
                           LevelKey(0, 0x1001, 0), LevelKey(0, 0, -1), LevelKey(5, 7), LevelKey(5, -1),
                           LevelKey(0x10, 0x10000001), LevelKey(1, 0x20, 0x30, 0x405),
                           LevelKey(1, 0x1FF, 0x1FF, 0x1FFF), LevelKey(0, 0x101, 0, 0), LevelKey(0, 0, 0x101, 0)}));
    EXPECT_EQ((std::vector<uint32_t>{kNoDemarcation, 0x03020001, 0xFFFFFFFF, 0x03020000, 0x0302FFFF}),
              (std::vector{DemarcationKey(-1, -1, -1), DemarcationKey(3, 2, 1), DemarcationKey(255, 255, 65535),
                           DemarcationKey(3, 2, 0x10000), DemarcationKey(3, 2, -1)}));
}

} // namespace
