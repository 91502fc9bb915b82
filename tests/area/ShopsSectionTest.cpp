#include "SmallSectionsFixture.h"

#include "area/TextWriter.h"

namespace {

std::string Describe(const std::optional<CShopData>& shop)
{
    if (!shop)
        return "no shop";
    const CShopData& s = *shop;
    return Format("%d %d %d %d %d %d %d %d %d", { s.buyTypes[0], s.buyTypes[1], s.buyTypes[2], s.buyTypes[3],
        s.buyTypes[4], s.profitBuy, s.profitSell, s.openHour, s.closeHour });
}

} // namespace

TEST(ShopsSection, ShopGoesToItsKeeperAndIsWrittenBack)
{
    SmallSections s;
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n0\n\n\n\n");
    s.AddMob(3001);
    s.AddMob(3000);
    const std::string rest = s.Read(ReadShops, "\n3000  2  3  4 10  0 \t 105  15 \t 0 23 \t* the wizard\n0\n\n#SPECIALS\n");
    EXPECT_EQ(rest, "\n#SPECIALS\n");
    EXPECT_EQ(Describe(s.doc.mobs[0].shop), "no shop");
    EXPECT_EQ(Describe(s.doc.mobs[1].shop), "2 3 4 10 0 105 15 0 23");
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n3000 2 3 4 10 0 105 15 0 23\n0\n\n\n\n");

    s.Read(ReadShops, "3000 5 0 0 0 0 120 40 6 20\n0\n");
    EXPECT_EQ(Describe(s.doc.mobs[1].shop), "5 0 0 0 0 120 40 6 20") << "a second shop replaces the first";
}

// A "*" line is a comment and so is what follows a shop's ten numbers; neither
// may swallow the next shop or end the section early.
TEST(ShopsSection, CommentsNeverSwallowTheNextShop)
{
    const char* const bodies[] = {
        "*\n3000 1 2 3 4 5 6 7 8 9\n0\n",
        "* the shops of the town\n3000 1 2 3 4 5 6 7 8 9\n0\n",
        "*shops\n3000 1 2 3 4 5 6 7 8 9\n0\n",
        "*\r\n3000 1 2 3 4 5 6 7 8 9\r\n0\n",
        "3000 1 2 3 4 5 6 7 8 9 the wizard, not starred\n0\n",
        "3000 1 2 3 4 5 6 7 8 9 10 11\n0\n",
        "  3000\t1 2 3 4 5\t6 7\t8 9\t* aligned with tabs\n0\n",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        SmallSections s;
        s.AddMob(3000);
        EXPECT_EQ(s.Read(ReadShops, std::string(body) + "#SPECIALS"), "#SPECIALS") << "the section must end at its 0";
        EXPECT_EQ(Describe(s.doc.mobs[0].shop), "1 2 3 4 5 6 7 8 9");
    }
}

TEST(ShopsSection, ShopsOfOtherAreasAreKeptWarnedOnceAndWrittenAfterTheAreas)
{
    SmallSections s;
    s.AddMob(3000);
    s.Read(ReadShops,
        "9001 1 0 0 0 0 100 100 0 23\n3000 2 0 0 0 0 100 100 0 23\n"
        "9002 3 0 0 0 0 100 100 0 23\n9001 4 0 0 0 0 100 100 0 23\n0\n");
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Warnings();
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n9001 4 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n")
        << "the second shop of 9001 replaces its first";

    // A mob of the area with the keeper's vnum and a shop of its own wins; one
    // without a shop leaves the kept shop in place.
    s.AddMob(9001).shop = CShopData();
    s.AddMob(9002);
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n9001 0 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n");
}
