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

// The reader takes a quoted name whole, blanks and all; the writer must quote
// it again, or the next save keeps only its first word.
TEST(ShopsAndSpecials, AQuotedSpecialNameComesBackWhole)
{
    const std::string quoted = "#SPECIALS\nM 9001 'spec with blanks'\nM 9002 it's\nM 9003 spec_plain\nS\n\n\n\n";
    CArea first;
    ASSERT_TRUE(first.Read(ReadSpecials, "M 9001 'spec with blanks' a comment\nM 9002 \"it's\"\nM 9003 spec_plain\nS\n"));
    EXPECT_EQ(first.Write(WriteSpecials), quoted);
    CArea second;
    ASSERT_TRUE(second.Read(ReadSpecials, quoted.substr(std::string("#SPECIALS\n").size())));
    EXPECT_EQ(second.Write(WriteSpecials), quoted);
}
