#include "SmallSectionsFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Describe(const CShopData& shop)
{
    std::string s;
    for (int type : shop.buyTypes)
        s += std::to_string(type) + " ";
    return s + std::to_string(shop.profitBuy) + " " + std::to_string(shop.profitSell) + " "
        + std::to_string(shop.openHour) + " " + std::to_string(shop.closeHour);
}

// The line "0" (blanks around it allowed) that ends the section.
bool IsEndOfShops(const std::string& line)
{
    const size_t at = line.find_first_not_of(" \t");
    return at != std::string::npos && line[at] == '0' && line.find_first_not_of(" \t\r", at + 1) == std::string::npos;
}

} // namespace

TEST(ShopsSection, ShopLineGoesToItsKeeperAndIsWrittenBack)
{
    SmallSections s;
    s.AddMob(3001);
    s.AddMob(3000);
    const std::string rest = s.Read(ReadShops, "\n3000  2  3  4 10  0 \t 105  15 \t 0 23 \t* the wizard\n0\n\n#SPECIALS\n");
    EXPECT_EQ(rest, "\n#SPECIALS\n");
    EXPECT_FALSE(s.doc.mobs[0].shop.has_value());
    ASSERT_TRUE(s.doc.mobs[1].shop.has_value());
    EXPECT_EQ(Describe(*s.doc.mobs[1].shop), "2 3 4 10 0 105 15 0 23");
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n3000 2 3 4 10 0 105 15 0 23\n0\n\n\n\n");
}

TEST(ShopsSection, NoShopsWritesOnlyTheEnd)
{
    SmallSections s;
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n0\n\n\n\n");
    s.AddMob(3000);
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n0\n\n\n\n") << "a mob without a shop";
}

TEST(ShopsSection, SecondShopOfAKeeperReplacesTheFirst)
{
    SmallSections s;
    s.AddMob(3000);
    s.Read(ReadShops, "3000 1 0 0 0 0 100 100 0 23\n3000 5 0 0 0 0 120 40 6 20\n0\n");
    ASSERT_TRUE(s.doc.mobs[0].shop.has_value());
    EXPECT_EQ(Describe(*s.doc.mobs[0].shop), "5 0 0 0 0 120 40 6 20");
    EXPECT_EQ(s.Write(WriteShops), "#SHOPS\n3000 5 0 0 0 0 120 40 6 20\n0\n\n\n\n");
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
        const std::string rest = s.Read(ReadShops, std::string(body) + "#SPECIALS");
        ASSERT_TRUE(s.doc.mobs[0].shop.has_value()) << "the shop line was skipped";
        EXPECT_EQ(Describe(*s.doc.mobs[0].shop), "1 2 3 4 5 6 7 8 9");
        EXPECT_EQ(rest, "#SPECIALS") << "the section must end at its 0";
    }
}

TEST(ShopsSection, ShopsOfOtherAreasAreKeptWarnedOnceAndWrittenAfterTheAreas)
{
    SmallSections s;
    s.AddMob(3000);
    s.Read(ReadShops,
        "9001 1 0 0 0 0 100 100 0 23\n"
        "3000 2 0 0 0 0 100 100 0 23\n"
        "9002 3 0 0 0 0 100 100 0 23\n"
        "9001 4 0 0 0 0 100 100 0 23\n"
        "0\n");
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Warnings();
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n"
        "9001 4 0 0 0 0 100 100 0 23\n9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n")
        << "the second shop of 9001 replaces its first";

    // Once the area has a mob 9001 with a shop of its own, that shop wins;
    // a mob 9002 without one leaves the kept shop in place.
    s.AddMob(9001).shop = CShopData();
    s.AddMob(9002);
    EXPECT_EQ(s.Write(WriteShops),
        "#SHOPS\n3000 2 0 0 0 0 100 100 0 23\n9001 0 0 0 0 0 100 100 0 23\n"
        "9002 3 0 0 0 0 100 100 0 23\n0\n\n\n\n");
}

TEST(ShopsSection, RomAreasGiveOneShopPerLineAndRoundTrip)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not here";
    int shops = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        const std::string name = entry.path().filename().string();
        const std::string body = RomSectionBody(name, "#SHOPS");
        if (body.empty())
            continue;
        SCOPED_TRACE(name);
        size_t expected = 0;
        for (const std::string& line : LinesUntil(body, IsEndOfShops))
            if (line.find_first_not_of(" \t\r") != std::string::npos)
                ++expected;

        // No mob is in the document: every shop is kept aside.
        SmallSections s;
        const std::string rest = s.Read(ReadShops, body);
        EXPECT_EQ(s.doc.strayShops.size(), expected);
        EXPECT_EQ(rest.find_first_not_of(" \t\r\n"), rest.find('#')) << "the section must end at its 0";
        shops += static_cast<int>(expected);

        const std::string written = s.Write(WriteShops);
        SmallSections again;
        again.Read(ReadShops, written.substr(std::string("#SHOPS\n").size()));
        ASSERT_EQ(again.doc.strayShops.size(), s.doc.strayShops.size());
        for (size_t i = 0; i < s.doc.strayShops.size(); ++i) {
            EXPECT_EQ(again.doc.strayShops[i].keeper, s.doc.strayShops[i].keeper);
            EXPECT_EQ(Describe(again.doc.strayShops[i].shop), Describe(s.doc.strayShops[i].shop));
        }
    }
    EXPECT_GT(shops, 50);
}
