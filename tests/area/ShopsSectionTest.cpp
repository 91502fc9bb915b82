#include "SectionFixture.h"

// A "*" line is a comment and so is what follows a shop's ten numbers; neither
// may swallow the next shop or end the section early.
TEST(ShopsSection, ShopGoesToItsKeeperAndCommentsNeverSwallowTheNextShop)
{
    const char* const bodies[] = {
        "*\n3000 1 2 3 4 5 6 7 8 9\n0\n",
        "* the shops of the town\r\n3000 1 2 3 4 5 6 7 8 9\r\n0\n",
        "3000 1 2 3 4 5 6 7 8 9 the wizard, not starred\n0\n",
        "  3000\t1 2 3 4 5\t6 7\t8 9\t* aligned with tabs\n\n0\n",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        SectionArea s;
        for (int vnum : { 3001, 3000 })
            s.doc.mobs.emplace_back(s.tables).vnum = vnum;
        ASSERT_TRUE(s.Read(ReadShops, std::string(body) + "#SPECIALS"));
        EXPECT_EQ(s.rest, "#SPECIALS") << "the section must end at its 0";
        EXPECT_TRUE(s.diagnostics.items.empty()) << "the shop must go to its keeper:\n"
                                                 << s.Reported();
        EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n3000 1 2 3 4 5 6 7 8 9\n0\n\n\n\n");
    }
    SectionArea empty;
    EXPECT_EQ(empty.Write(WriteShops), "#SHOPS\n0\n\n\n\n");
}

TEST(ShopsSection, ShopsOfOtherAreasAreKeptWarnedOnceAndWrittenAfterTheAreas)
{
    SectionArea s;
    s.doc.mobs.emplace_back(s.tables).vnum = 3000;
    ASSERT_TRUE(s.Read(ReadShops,
        "9001 1 0 0 0 0 100 100 0 23\n3000 2 0 0 0 0 100 100 0 23\n"
        "9002 3 0 0 0 0 100 100 0 23\n9001 4 0 0 0 0 100 100 0 23\n0\n"));
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Reported();
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Reported();
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n9001 4 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n")
        << "the second shop of 9001 replaces its first";

    // A mob of the area with the keeper's vnum and a shop of its own wins; one
    // without a shop leaves the kept shop in place.
    s.doc.mobs.emplace_back(s.tables).vnum = 9001;
    s.doc.mobs.back().shop = CShopData();
    s.doc.mobs.emplace_back(s.tables).vnum = 9002;
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n9001 0 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n");
}
