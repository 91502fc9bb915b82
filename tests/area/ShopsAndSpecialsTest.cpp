#include "AreaFixture.h"

// A shop or special of a mob that is not in the area is kept (the
// stray-records golden case); once the editor adds a mob of that vnum, the
// mob's own wins, and a mob without one leaves the kept one in place.
TEST(ShopsAndSpecials, AMobOfTheAreaWithItsOwnWinsOverTheKeptOne)
{
    CArea s;
    ASSERT_TRUE(s.Read(ReadShops, "9001 1 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n"));
    ASSERT_TRUE(s.Read(ReadSpecials, "M 9001 spec_a\nM 9002 spec_c\nS\n"));
    s.doc.mobs.emplace_back(s.tables).vnum = 9001;
    s.doc.mobs.back().shop = CShopData();
    s.doc.mobs.back().special = "spec_own";
    s.doc.mobs.emplace_back(s.tables).vnum = 9002;
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n9001 0 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n");
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 9001 spec_own\nM 9002 spec_c\nS\n\n\n\n");
}
