#include "SectionFixture.h"

// The comment after a special's name is skipped whole: an s or an m in it
// neither ends the section nor starts another special. A line that is no
// special is warned about and skipped.
TEST(SpecialsSection, NamesGoToTheirMobsAndCommentsAreSkippedWhole)
{
    SectionArea s;
    for (int vnum : { 3000, 3001, 3002 })
        s.doc.mobs.emplace_back(s.tables).vnum = vnum;
    ASSERT_TRUE(s.Read(ReadSpecials,
        "M 3000 spec_cast_mage      \t* the wizard\n"
        "* a line of its own, with S and M in it\n"
        "X mess with s and m\n"
        "m 3001 spec_thief steals from sleeping mobs\n"
        "M\t3002\tspec_fido\r\n"
        "S\n\n#MOBPROGS\n"));
    EXPECT_EQ(s.rest, "\n\n#MOBPROGS\n") << "the section must end at its S";
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Reported();
    EXPECT_EQ(s.diagnostics.items[0].line, 3);
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 3000 spec_cast_mage\nM 3001 spec_thief\nM 3002 spec_fido\nS\n\n\n\n");
}

TEST(SpecialsSection, SpecialsOfOtherAreasAreKeptWarnedOnceAndWrittenAfterTheAreas)
{
    SectionArea s;
    s.doc.mobs.emplace_back(s.tables).vnum = 3000;
    ASSERT_TRUE(s.Read(ReadSpecials, "M 9001 spec_a\nM 3000 spec_b\nM 9002 spec_c\nM 9001 spec_d\nS\n"));
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Reported();
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Reported();
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 3000 spec_b\nM 9001 spec_d\nM 9002 spec_c\nS\n\n\n\n");

    // A mob of the area with that vnum and a special of its own wins.
    s.doc.mobs.emplace_back(s.tables).vnum = 9001;
    s.doc.mobs.back().special = "spec_own";
    s.doc.mobs.emplace_back(s.tables).vnum = 9002;
    EXPECT_EQ(s.Write(WriteSpecials), "#SPECIALS\nM 3000 spec_b\nM 9001 spec_own\nM 9002 spec_c\nS\n\n\n\n");
}
