// Key packing of the page state's stores, at the edges of every field.
#include "module/item_keys.h"

#include <gtest/gtest.h>

namespace {

SCurrentObject Obj(int32_t scope, int32_t renderType) { return {scope, 1, renderType, 0, 0}; }

} // namespace

TEST(ItemKeyTest, SenderAndPortKeysDifferInTheirLowWord)
{
    const SCurrentObject obj = Obj(2, 3);
    EXPECT_EQ(0x02030003FFFFFFFFull, ItemKey(obj, 3));
    EXPECT_EQ(0x0203000300FFFFFFull, ItemKey(obj, 3, 0));
    EXPECT_EQ(0xFFFFFFFFu, static_cast<uint32_t>(ItemKey(obj, 3)));
    EXPECT_EQ(0x00FFFFFFu, static_cast<uint32_t>(ItemKey(obj, 3, 0)));
}

TEST(ItemKeyTest, EachLevelFillsItsTailWithOnes)
{
    const SCurrentObject obj = Obj(1, 4);
    EXPECT_EQ(0x0104000512FFFFFFull, ItemKey(obj, 5, 0x12));
    EXPECT_EQ(0x010400051234FFFFull, ItemKey(obj, 5, 0x12, 0x34));
    EXPECT_EQ(0x0104000512345678ull, ItemKey(obj, 5, 0x12, 0x34, 0x5678));
}

TEST(ItemKeyTest, FieldsAreCutToTheirWidth)
{
    // Scope and render type keep their low 8 bits, c its low 16, d and e
    // their low 8, f its low 16; nothing spills into a neighbour.
    const SCurrentObject obj = Obj(0x1FF, 0x2FE);
    EXPECT_EQ(0xFFFEFFFFFFFFFFFFull, ItemKey(obj, 0x1FFFF));
    EXPECT_EQ(0x00000000FFFFFFFFull, ItemKey(Obj(0, 0), 0, -1, -1, -1));
    EXPECT_EQ(0x0000ABCD01020003ull, ItemKey(Obj(0, 0), 0x1ABCD, 0x101, 0x102, 0x10003));
    EXPECT_EQ(0xFF000000FFFFFFFFull, ItemKey(Obj(-1, 0), 0));
}

TEST(ItemKeyTest, LevelsStayApartBelowTheirAllOnesValue)
{
    const SCurrentObject obj = Obj(3, 5);
    EXPECT_NE(ItemKey(obj, 7), ItemKey(obj, 7, 0xFE));
    EXPECT_NE(ItemKey(obj, 7, 1), ItemKey(obj, 7, 1, 0xFE));
    EXPECT_NE(ItemKey(obj, 7, 1, 2), ItemKey(obj, 7, 1, 2, 0xFFFE));
    // At the all-ones value the levels meet; that is where the form ends.
    EXPECT_EQ(ItemKey(obj, 7), ItemKey(obj, 7, 0xFF));
}

TEST(LevelKeyTest, ThreePartForm)
{
    EXPECT_EQ(0x30020001u, LevelKey(3, 2, 1));
    EXPECT_EQ(0xFFFFFFFFu, LevelKey(0xF, 0xFFF, 0xFFFF));
    // a keeps its low 4 bits, b its low 12, c its low 16.
    EXPECT_EQ(0x1FFFFFFFu, LevelKey(0x11, 0xFFFF, 0x1FFFF));
    EXPECT_EQ(0x00010000u, LevelKey(0, 0x1001, 0));
    EXPECT_EQ(0x0000FFFFu, LevelKey(0, 0, -1));
}

TEST(LevelKeyTest, TwoPartForm)
{
    EXPECT_EQ(0x50000007u, LevelKey(5, 7));
    EXPECT_EQ(0x5FFFFFFFu, LevelKey(5, -1));
    EXPECT_EQ(0x00000001u, LevelKey(0x10, 0x10000001));
}

TEST(LevelKeyTest, FourPartForm)
{
    EXPECT_EQ(0x12030405u, LevelKey(1, 0x20, 0x30, 0x405));
    EXPECT_EQ(0x1FFFFFFFu, LevelKey(1, 0x1FF, 0x1FF, 0x1FFF));
    EXPECT_EQ(0x00100000u, LevelKey(0, 0x101, 0, 0));
    EXPECT_EQ(0x00001000u, LevelKey(0, 0, 0x101, 0));
}

TEST(DemarcationKeyTest, PartsAndNone)
{
    EXPECT_EQ(kNoDemarcation, DemarcationKey(-1, -1, -1));
    EXPECT_EQ(0x03020001u, DemarcationKey(3, 2, 1));
    EXPECT_EQ(0xFFFFFFFFu, DemarcationKey(255, 255, 65535));
    // A receiver beyond 16 bits does not reach the port's field.
    EXPECT_EQ(0x03020000u, DemarcationKey(3, 2, 0x10000));
    EXPECT_EQ(0x0302FFFFu, DemarcationKey(3, 2, -1));
}
