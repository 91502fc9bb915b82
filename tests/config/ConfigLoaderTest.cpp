#include "config/ConfigLoader.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace {

struct Loaded {
    CConfigTables tables;
    bool ok = false;
    int line = -1;
};

Loaded Load(const std::string& text)
{
    Loaded l;
    std::istringstream in(text);
    l.ok = LoadConfig(l.tables, in, l.line);
    return l;
}

} // namespace

TEST(LoadConfig, CommentOnlyFileLoadsEmptyTablesWithDefaults)
{
    Loaded l = Load("just a comment, no sections at all\n");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.tables.roomFlags.Count(), 0);
    EXPECT_EQ(l.tables.isDoor, 0u);
    EXPECT_EQ(l.tables.locked, 0u);
    EXPECT_EQ(l.tables.mudType, MudType::Quendar);
    EXPECT_EQ(l.tables.mobprog, 1);
}

TEST(LoadConfig, EndInAnyCaseStopsAndTheRestIsNeverRead)
{
    Loaded l = Load("#ROOMFLAGS dark A end\n#eNd\n#BOGUS\n#ROOMFLAGS safe");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.tables.roomFlags.Count(), 1);
}

TEST(LoadConfig, FlagEntriesTakeTheBitOfTheFirstLetter)
{
    Loaded l = Load("#roomflags\nDark A\nbig ABC\nnone 0\n'two words' B\nhigh f\nEND\n");
    ASSERT_TRUE(l.ok);
    const auto& t = l.tables.roomFlags;
    ASSERT_EQ(t.Count(), 5);
    EXPECT_EQ(t[0].name, "dark");
    EXPECT_EQ(t[0].value, 1);
    EXPECT_EQ(t[1].value, 1);
    EXPECT_EQ(t[2].value, 0);
    EXPECT_EQ(t[3].name, "two words");
    EXPECT_EQ(t[3].value, 2);
    EXPECT_EQ(static_cast<uint32_t>(t[4].value), 0x80000000u);
}

TEST(LoadConfig, RepeatedSectionsAppendInFileOrder)
{
    Loaded l = Load("#ROOMFLAGS dark A end\n#SECTORTYPE inside 0 city 1 end\n#ROOMFLAGS safe K END");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.tables.roomFlags.Count(), 2);
    EXPECT_EQ(l.tables.roomFlags[1].name, "safe");
    EXPECT_EQ(l.tables.roomFlags[1].value, 1 << 10);
    EXPECT_EQ(l.tables.sectorType[1].value, 1);
}

TEST(LoadConfig, GeneralSettings)
{
    Loaded l = Load("#GENERAL mudtype romolc isdoor A locked BC mobprog 0 End");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.tables.mudType, MudType::RomOlc);
    EXPECT_EQ(l.tables.isDoor, 1u);
    EXPECT_EQ(l.tables.locked, 6u);
    EXPECT_EQ(l.tables.mobprog, 0);
    EXPECT_EQ(Load("#GENERAL MUDTYPE romdefault END").tables.mudType, MudType::RomDefault);
}

TEST(LoadConfig, TextTablesKeepTheDisplayTextAsWritten)
{
    Loaded l = Load("#ATTACKTYPES Slash slash 'Pound' \"crushing blow\" end #POS stand 'Standing up' end");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.tables.attackTypes[0].name, "slash");
    EXPECT_EQ(l.tables.attackTypes[0].text, "slash");
    EXPECT_EQ(l.tables.attackTypes[1].name, "pound");
    EXPECT_EQ(l.tables.attackTypes[1].text, "crushing blow");
    EXPECT_EQ(l.tables.pos[0].text, "Standing up");
}

TEST(LoadConfig, ObjectTypesSlotsAndBindings)
{
    Loaded l = Load(
        "#OBJTYPES\nScroll 2 Level~ n Spell 1~ w Spell 2~ W Spell 3~ W Spell 4~ x end\n"
        "#OBJTABLES 2 1 spells\n"
        "#OBJTABLES 2 4 NEW open A closed B END\n");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.tables.objTypes.Count(), 1);
    const CObjTypeEntry& scroll = l.tables.objTypes[0];
    EXPECT_EQ(scroll.name, "scroll");
    EXPECT_EQ(scroll.value, 2);
    EXPECT_EQ(scroll.slots[0].label, "Level");
    EXPECT_EQ(scroll.slots[0].kind, 'N');
    EXPECT_EQ(scroll.slots[1].label, "Spell 1");
    EXPECT_EQ(scroll.slots[1].kind, 'W');
    EXPECT_EQ(scroll.slots[4].kind, 'X');
    EXPECT_EQ(scroll.slots[1].binding, SlotBinding::Spells);
    EXPECT_EQ(scroll.slots[2].binding, SlotBinding::Own);
    ASSERT_EQ(scroll.slots[4].own.Count(), 2);
    EXPECT_EQ(scroll.slots[4].own[0].name, "open");
    EXPECT_EQ(scroll.slots[4].own[0].value, 1);
    EXPECT_EQ(scroll.slots[4].own[1].value, 2);
}

TEST(LoadConfig, EveryBindingKeyword)
{
    const struct { const char* word; SlotBinding binding; } cases[] = {
        { "SPELLS", SlotBinding::Spells }, { "WEAPON_CLASES", SlotBinding::WeaponClasses }, { "liquids", SlotBinding::Liquids },
        { "ATTACK_TYPES", SlotBinding::AttackTypes }, { "EXIT_FLAGS", SlotBinding::ExitFlags }, { "PORTAL_FLAGS", SlotBinding::PortalFlags },
    };
    for (const auto& c : cases) {
        Loaded l = Load(std::string("#OBJTYPES t 9 a~N b~N c~N d~N e~N end #OBJTABLES 9 3 ") + c.word);
        ASSERT_TRUE(l.ok) << c.word;
        EXPECT_EQ(l.tables.objTypes[0].slots[3].binding, c.binding) << c.word;
    }
}

TEST(LoadConfig, RacesAndSectorColours)
{
    Loaded l = Load("#MOBFLAGS Human A B C D E F G H\n'song bird' 0 0 0 0 0 0 AB 0 end\n"
                    "#SECTORCOLORS 3 10 200 300 -1 0 0 0 END");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.tables.mobFlags.Count(), 2);
    const CRaceEntry& human = l.tables.mobFlags[0];
    EXPECT_EQ(human.name, "human");
    EXPECT_EQ(human.act, 1u);
    EXPECT_EQ(human.parts, 128u);
    EXPECT_EQ(l.tables.mobFlags[1].name, "song bird");
    EXPECT_EQ(l.tables.mobFlags[1].form, 3u);
    ASSERT_EQ(l.tables.sectorColors.Count(), 2);
    EXPECT_EQ(l.tables.sectorColors[0].sector, 3);
    EXPECT_EQ(l.tables.sectorColors[0].blue, 300);
    EXPECT_EQ(l.tables.sectorColors[1].sector, -1);
}

TEST(LoadConfig, RefusesWhatItCannotUnderstandAndNamesTheLine)
{
    const struct { const char* text; int line; const char* why; } cases[] = {
        { "#ROOMFLAG\n", 1, "keyword one letter short" },
        { "comment\n#GENERAL\nMUDTYPE DIKU\nEND", 3, "unknown dialect" },
        { "#GENERAL\nCOLOR 3\nEND", 2, "unknown key" },
        { "#GENERAL\nMOBPROG 1\n", 3, "end of file in GENERAL" },
        { "#ROOMFLAGS\ndark A\nsafe K\n", 4, "missing end marker" },
        { "#ROOMFLAGS dark A end\n#", 2, "a # standing last" },
        { "#OBJTABLES 5 2 SPELLS\n#OBJTYPES weapon 5 a~N b~N c~N d~N e~N end", 1, "OBJTABLES before its type" },
        { "#OBJTYPES weapon 5 a~N b~N c~N d~N e~N end\n#OBJTABLES 5 5 SPELLS", 2, "slot out of range" },
        { "#OBJTYPES weapon 5 a~N b~N c~N d~N e~N end\n#OBJTABLES 5 -1 SPELLS", 2, "negative slot" },
        { "#OBJTYPES weapon 5 a~N b~N c~N d~N e~N end\n#OBJTABLES 5 0 SPELL", 2, "unknown binding" },
        { "#OBJTYPES weapon 5 a~N b~N c~N d~N e~N end\n#OBJTABLES 5 0 NEW a A", 2, "NEW without end" },
    };
    for (const auto& c : cases) {
        CConfigTables tables;
        tables.mudType = MudType::RomOlc;
        tables.roomFlags.Append(CTableEntry());
        std::istringstream in(c.text);
        int line = -1;
        EXPECT_FALSE(LoadConfig(tables, in, line)) << c.why;
        EXPECT_EQ(line, c.line) << c.why;
        EXPECT_EQ(tables.mudType, MudType::RomOlc) << c.why << ": a failed load leaves the tables alone";
        EXPECT_EQ(tables.roomFlags.Count(), 1) << c.why;
    }
}

TEST(LoadConfig, MissingFileFails)
{
    CConfigTables tables;
    int line = -1;
    EXPECT_FALSE(LoadConfig(tables, "/nonexistent/tolvex.cfg", line));
    EXPECT_EQ(line, 0);
}

TEST(LoadConfig, RandomAndTruncatedInputNeverCrashes)
{
    std::ifstream shipped(SourcePath("res/tolvex.cfg"), std::ios::binary);
    std::string base((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
    if (base.empty())
        base = "#GENERAL MUDTYPE ROMOLC END #OBJTYPES a 1 x~N y~N z~N w~N v~N end #OBJTABLES 1 0 NEW q A end";
    std::mt19937 rng(1234);
    for (size_t cut = 0; cut < base.size(); cut += 1 + base.size() / 300) {
        CConfigTables t;
        int line = 0;
        std::istringstream in(base.substr(0, cut));
        LoadConfig(t, in, line);
        EXPECT_GE(line, 0);
    }
    const std::string alphabet = "#~'\" \n\tabcENDGRLOBJTYPES0123456789-|";
    for (int round = 0; round < 300; ++round) {
        std::string text = base;
        for (int edits = 0; edits < 20; ++edits)
            text[rng() % text.size()] = alphabet[rng() % alphabet.size()];
        std::string noise(rng() % 200, ' ');
        for (char& c : noise)
            c = static_cast<char>(rng() % 256);
        CConfigTables t;
        int line = 0;
        std::istringstream in(text + noise);
        LoadConfig(t, in, line);
    }
}
