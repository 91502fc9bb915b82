#include "SmallSectionsFixture.h"

// The comment after a special's name is skipped whole: an s or an m in it
// neither ends the section nor starts another special.
TEST(SpecialsSection, NamesGoToTheirMobsAndCommentsAreSkippedWhole)
{
    SmallSections s;
    s.AddMob(3000);
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nS\n\n\n\n");
    s.AddMob(3001);
    s.AddMob(3002);
    const std::string rest = s.Read(ReadSpecials,
        "M 3000 spec_cast_mage      \t* the wizard\n"
        "* a line of its own, with S and M in it\n"
        "m 3001 spec_thief steals from sleeping mobs\n"
        "M\t3002\tspec_fido\r\n"
        "S\n\n#MOBPROGS\n");
    EXPECT_EQ(rest, "\n\n#MOBPROGS\n") << "the section must end at its S";
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
    EXPECT_EQ(s.Write(WriteSpecials),
        "#SPECIALS\nM 3000 spec_cast_mage\nM 3001 spec_thief\nM 3002 spec_fido\nS\n\n\n\n");
}

TEST(SpecialsSection, LinesThatAreNoSpecialAreWarnedAboutAndSkipped)
{
    SmallSections s;
    s.AddMob(3000);
    EXPECT_EQ(s.Read(ReadSpecials, "X mess with s and m\nM 3000 spec_janitor\nS\n#"), "\n#");
    EXPECT_EQ(s.doc.mobs[0].special, "spec_janitor");
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
}

TEST(SpecialsSection, SpecialsOfOtherAreasAreKeptWarnedOnceAndWrittenAfterTheAreas)
{
    SmallSections s;
    s.AddMob(3000);
    s.Read(ReadSpecials, "M 9001 spec_a\nM 3000 spec_b\nM 9002 spec_c\nM 9001 spec_d\nS\n");
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Warnings();
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 3000 spec_b\nM 9001 spec_d\nM 9002 spec_c\nS\n\n\n\n");

    // A mob of the area with that vnum and a special of its own wins.
    s.AddMob(9001).special = "spec_own";
    s.AddMob(9002);
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 3000 spec_b\nM 9001 spec_own\nM 9002 spec_c\nS\n\n\n\n");
}
