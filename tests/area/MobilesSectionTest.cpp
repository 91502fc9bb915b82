#include "AreaFixture.h"

// What a mob read from a file becomes is the mob-records golden case; these
// are values that only the editor makes.
TEST(MobilesSection, FixedBlockIsWrittenByteForByteWithArmourDividedTowardZeroAndRankLessOne)
{
    CArea area("#MOBFLAGS\nhuman 0 0 0 0 0 0 AHMV ABCDEFGHIJK\nend\n");
    EXPECT_EQ(area.Write(WriteMobiles), "#MOBILES\n#0\n\n\n\n");
    CMobData m(area.tables);
    m.vnum = 3000, m.name = "cityguard", m.shortDesc = "the cityguard";
    m.longDesc = "a cityguard stands here. ", m.description = "", m.race = "human";
    m.act = 3, m.alignment = 1000, m.group = 7, m.level = 30, m.hitroll = 10;
    m.hitDice = { 2, 8, 100 }, m.manaDice = { 1, 1, 0 }, m.damDice = { 3, 4, -5 }, m.damType = "pound";
    m.ac = { 15, -15, 9, 1000 }, m.vuln = 1u << 31;
    m.startPos = "stand", m.defaultPos = "sit", m.sex = "male", m.wealth = 250, m.size = "medium", m.material = "";
    m.clan = "rats", m.rank = 3;
    m.longDescEdited = m.descriptionEdited = true; // made in the editor
    area.doc.mobs.push_back(m);
    EXPECT_EQ(area.Write(WriteMobiles),
        "#MOBILES\n#3000\ncityguard~\nthe cityguard~\na cityguard stands here.\n~\n\n~\nhuman~\n"
        "AB 0 1000 7\n30 10 2d8+100 1d1+0 3d4+-5 pound\n1 -1 0 100\n0 0 0 f\n"
        "stand sit male 250\nAHMV ABCDEFGHIJK medium unknown\nG clan rats~\nG rank 2\n#0\n\n\n\n");
}

// Without tables a new mob has no attack type, positions, sex or size: they
// are written as quoted empty words. A word holding both quote marks cannot
// read back whole: the save says what it changed. Words that can are the
// quoted-words golden files.
TEST(MobilesSection, AWordWithBothQuoteMarksLosesItsDoubleQuotesAndTheSaveSaysSo)
{
    CArea area;
    CMobData& m = area.doc.mobs.emplace_back(area.tables);
    m.vnum = 5, m.mercSkills = { { 0, "it's \"x\" y" } };
    const std::string written = area.Write(WriteMobiles);
    EXPECT_EQ(written,
        "#MOBILES\n#5\n~\n~\n~\n~\n~\n0 0 0 0\n0 0 0d0+0 0d0+0 0d0+0 ''\n0 0 0 0\n0 0 0 0\n'' '' '' 0\n"
        "0 0 '' unknown\nS 0 \"it's x y\"\n#0\n\n\n\n");
    EXPECT_NE(area.Reported().find("without their double quotes. Mobs: 5."), std::string::npos) << area.Reported();
    CArea again;
    ASSERT_TRUE(again.Read(ReadMobiles, written));
    EXPECT_EQ(again.Write(WriteMobiles), written) << "a second save changes nothing";
}
