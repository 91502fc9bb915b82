#include "config/ConfigLoader.h"

#include <gtest/gtest.h>

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

// A table's entries as "name=value" or, with a display text, "name=text".
template <typename T>
std::string Entries(const CEntryTable<T>& table)
{
    std::string all;
    for (const auto& e : table)
        all += (all.empty() ? "" : " ") + e->name + "=" + (e->text.empty() ? std::to_string(e->value) : e->text);
    return all;
}

} // namespace

TEST(LoadConfig, CommentOnlyFileLoadsEmptyTablesWithDefaults)
{
    Loaded l = Load("just a comment, no sections at all\n");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.tables.roomFlags.Count(), 0);
    EXPECT_TRUE(l.tables.isDoor == 0 && l.tables.locked == 0 && l.tables.mudType == MudType::Quendar && l.tables.mobprog == 1);
}

// Flags take the bit of their first letter; repeated sections append in
// file order; names turn lower case, display texts stay as written; END in
// any case stops and the rest is never read.
TEST(LoadConfig, SectionsAppendTheirEntriesInFileOrderUntilEnd)
{
    Loaded l = Load(
        "#roomflags\nDark A\nbig ABC\nnone 0\n'two words' B\nhigh f\nEND\n#SECTORTYPE inside 0 city 1 end\n"
        "#ROOMFLAGS safe K END\n#GENERAL mudtype romolc isdoor A locked BC mobprog 0 End\n"
        "#ATTACKTYPES Slash slash 'Pound' \"crushing blow\" end #POS stand 'Standing up' end\n"
        "#MOBFLAGS Human A B C D E F G H\n'song bird' 0 0 0 0 0 0 AB 0 end\n"
        "#SECTORCOLORS 3 10 200 300 -1 0 0 0 END\n#eNd\n#BOGUS\n#ROOMFLAGS lost A");
    ASSERT_TRUE(l.ok);
    const CConfigTables& t = l.tables;
    EXPECT_EQ(Entries(t.roomFlags), "dark=1 big=1 none=0 two words=2 high=-2147483648 safe=1024");
    EXPECT_EQ(Entries(t.sectorType), "inside=0 city=1");
    EXPECT_EQ(Entries(t.attackTypes) + " " + Entries(t.pos), "slash=slash pound=crushing blow stand=Standing up");
    EXPECT_TRUE(t.mudType == MudType::RomOlc && t.isDoor == 1u && t.locked == 6u && t.mobprog == 0);
    EXPECT_EQ(Load("#GENERAL MUDTYPE romdefault END").tables.mudType, MudType::RomDefault);
    ASSERT_EQ(Entries(t.mobFlags), "human=0 song bird=0");
    EXPECT_TRUE(t.mobFlags[0].act == 1u && t.mobFlags[0].parts == 128u && t.mobFlags[1].form == 3u);
    ASSERT_EQ(t.sectorColors.Count(), 2);
    EXPECT_TRUE(t.sectorColors[0].sector == 3 && t.sectorColors[0].blue == 300 && t.sectorColors[1].sector == -1);
}

TEST(LoadConfig, ObjectTypesTakeSlotsAndEveryBindingKeyword)
{
    Loaded l = Load(
        "#OBJTYPES\nScroll 2 Level~ n Spell 1~ w Spell 2~ W Spell 3~ W Spell 4~ x end\n"
        "#OBJTABLES 2 1 spells\n#OBJTABLES 2 4 NEW open A closed B END\n");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(Entries(l.tables.objTypes), "scroll=2");
    const CObjTypeEntry& scroll = l.tables.objTypes[0];
    std::string slots;
    for (const CObjValueSlot& slot : scroll.slots)
        slots += slot.label + ":" + slot.kind + std::to_string(static_cast<int>(slot.binding)) + " ";
    EXPECT_EQ(slots, "Level:N0 Spell 1:W1 Spell 2:W0 Spell 3:W0 Spell 4:X0 ");
    EXPECT_EQ(Entries(scroll.slots[4].own), "open=1 closed=2");

    // Every binding keyword, in any case: Spells is 1, and so on to PortalFlags, 6.
    Loaded b = Load(
        "#OBJTYPES t 9 a~N b~N c~N d~N e~N u 8 a~N b~N c~N d~N e~N end\n#OBJTABLES 9 0 SPELLS\n"
        "#OBJTABLES 9 1 WEAPON_CLASES\n#OBJTABLES 9 2 liquids\n#OBJTABLES 9 3 ATTACK_TYPES\n"
        "#OBJTABLES 9 4 EXIT_FLAGS\n#OBJTABLES 8 2 PORTAL_FLAGS\n");
    ASSERT_TRUE(b.ok) << "line " << b.line;
    std::string bindings;
    for (const auto& type : b.tables.objTypes)
        for (const CObjValueSlot& slot : type->slots)
            bindings += std::to_string(static_cast<int>(slot.binding));
    EXPECT_EQ(bindings, "1234500600");
}

TEST(LoadConfig, RefusesWhatItCannotUnderstandAndNamesTheLine)
{
    // the file, the line it fails at, why
    const std::tuple<const char*, int, const char*> cases[] = {
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
    for (const auto& [text, failsAt, why] : cases) {
        CConfigTables tables;
        tables.mudType = MudType::RomOlc;
        tables.roomFlags.Append(CTableEntry());
        std::istringstream in(text);
        int line = -1;
        EXPECT_FALSE(LoadConfig(tables, in, line)) << why;
        EXPECT_EQ(line, failsAt) << why;
        EXPECT_EQ(tables.mudType, MudType::RomOlc) << why << ": a failed load leaves the tables alone";
        EXPECT_EQ(tables.roomFlags.Count(), 1) << why;
    }
    CConfigTables tables;
    int line = -1;
    EXPECT_FALSE(LoadConfig(tables, "/nonexistent/tolvex.cfg", line) || line != 0) << "a missing file fails at line 0";
}
