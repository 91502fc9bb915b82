#include "area/Sections.h"
#include "area/TextWriter.h"
#include "config/ConfigLoader.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char* const smallConfig =
    "#GENERAL MUDTYPE QUENDAR MOBPROG 1 END\n"
    "#MOBFLAGS\n"
    "human 0 0 0 0 0 0 AHMV ABCDEFGHIJK\n"
    "elf   0 A 0 0 B Z AHMV ABCDEFGHIJK\n"
    "allsets B C D E F G H I\n"
    "end\n"
    "#ATTACKTYPES none hit pound pound end\n"
    "#POS stand standing sit sitting end\n"
    "#SEX none A male B end\n"
    "#SIZE tiny A medium C end\n"
    "#MERCMSG saludo 0 contrato 1 despedida 2 end\n";

// An area on its own tables, read and written one section at a time.
struct Area {
    explicit Area(const std::string& config = smallConfig)
    {
        std::istringstream in(config);
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, in, line)) << "test configuration fails at line " << line;
    }
    Area(const Area&) = delete;

    // `file` holds the section word, as the load loop meets it.
    void Read(const std::string& file)
    {
        std::istringstream stream(file);
        CTextReader in(stream);
        EXPECT_EQ(in.ReadChar(), '#');
        EXPECT_EQ(in.ReadWord(), "MOBILES");
        CReadContext context { doc, in, diagnostics, tables };
        EXPECT_TRUE(ReadMobiles(context));
    }

    std::string Write()
    {
        std::ostringstream out;
        CWriteContext context { doc, out, diagnostics, tables, doc.DefaultSaveOptions() };
        WriteMobiles(context);
        return out.str();
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CDiagnosticList diagnostics;
};

// The written section read back into a fresh area on the same configuration.
CMobData Reread(Area& area, const std::string& written, CDiagnosticList* diagnostics = nullptr)
{
    Area again;
    again.tables = area.tables;
    again.Read(written);
    if (diagnostics)
        *diagnostics = again.diagnostics;
    EXPECT_EQ(again.doc.mobs.size(), 1u) << written;
    return again.doc.mobs.empty() ? CMobData(area.tables) : again.doc.mobs[0];
}

// One mob of race `race` whose lines after the fixed block are `records`.
std::string MobFile(const std::string& race, const std::string& records, const std::string& act = "0")
{
    return "#MOBILES\n#3000\nguard~\nthe guard~\nA guard.\n~\n~\n" + race + "~\n" + act
        + " 0 0 0\n10 0 2d8+100 1d1+0 1d4+0 pound\n-10 5 0 100\n0 0 0 0\nstand stand male 0\n0 0 medium 0\n"
        + records + "#0\n";
}

// What follows `marker` (the end of the fixed block) in a written section.
std::string After(const std::string& written, const std::string& marker)
{
    const size_t at = written.find(marker);
    return at == std::string::npos ? "marker not found in: " + written : written.substr(at + marker.size());
}

} // namespace

TEST(MobilesSection, EmptySectionIsTheMarkerAndFourLineFeeds)
{
    Area area;
    EXPECT_EQ(area.Write(), "#MOBILES\n#0\n\n\n\n");
}

TEST(MobilesSection, FixedBlockIsWrittenByteForByte)
{
    Area area;
    CMobData m(area.tables);
    m.vnum = 3000;
    m.name = "guard~ cityguard";
    m.shortDesc = "the cityguard";
    m.longDesc = "a cityguard stands here. ";
    m.description = "";
    m.race = "hu~man";
    m.act = 3;
    m.alignment = 1000;
    m.group = 7;
    m.level = 30;
    m.hitroll = 10;
    m.hitDice = { 2, 8, 100 };
    m.manaDice = { 1, 1, 0 };
    m.damDice = { 3, 4, -5 };
    m.damType = "pound";
    m.ac = { 15, -15, 9, 1000 };
    m.vuln = 1u << 31;
    m.startPos = "stand";
    m.defaultPos = "sit";
    m.sex = "male";
    m.wealth = 250;
    m.size = "medium";
    m.material = "";
    area.doc.mobs.push_back(m);
    EXPECT_EQ(area.Write(),
        "#MOBILES\n"
        "#3000\n"
        "guard cityguard~\n"
        "the cityguard~\n"
        "A cityguard stands here.\n~\n"
        "\n~\n"
        "human~\n"
        "AB 0 1000 7\n"
        "30 10 2d8+100 1d1+0 3d4+-5 pound\n"
        "1 -1 0 100\n"
        "0 0 0 f\n"
        "stand sit male 250\n"
        "AHMV ABCDEFGHIJK medium unknown\n"
        "#0\n\n\n\n");
}

TEST(MobilesSection, FixedBlockReadsNumbersDiceAndTenfoldArmour)
{
    Area area;
    area.Read(MobFile("human", ""));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    const CMobData& m = area.doc.mobs[0];
    EXPECT_EQ(m.vnum, 3000);
    EXPECT_EQ(m.longDesc, "A guard. ") << "lines are joined";
    EXPECT_EQ(m.level, 10);
    EXPECT_EQ(m.hitDice, (std::array<int, 3> { 2, 8, 100 }));
    EXPECT_EQ(m.ac, (std::array<int, 4> { -100, 50, 0, 1000 }));
    EXPECT_EQ(m.material, "0");
    EXPECT_EQ(m.form, FlagLetterBit('A') | FlagLetterBit('H') | FlagLetterBit('M') | FlagLetterBit('V'))
        << "race form is ORed in";
    EXPECT_NE(area.Write().find("\n-10 5 0 100\n"), std::string::npos) << "armour is written back as read";
    EXPECT_TRUE(area.diagnostics.items.empty());
}

TEST(MobilesSection, FlagFieldsAcceptDecimalsAndAreWrittenAsLetters)
{
    Area area;
    area.Read(MobFile("human", "", "5"));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].act, 5u);
    EXPECT_NE(area.Write().find("human~\nAC 0 0 0\n"), std::string::npos);
}

TEST(MobilesSection, FLinesTakeAwayRaceBitsTheMobLacks)
{
    const struct {
        uint32_t CMobData::*set;
        const char* line;
    } cases[] = {
        { &CMobData::act, "F act B\n" }, { &CMobData::aff, "F aff C\n" }, { &CMobData::off, "F off D\n" },
        { &CMobData::imm, "F imm E\n" }, { &CMobData::res, "F res F\n" }, { &CMobData::vuln, "F vul G\n" },
        { &CMobData::form, "F for H\n" }, { &CMobData::parts, "F par I\n" },
    };
    for (const auto& c : cases) {
        Area area;
        CMobData m(area.tables);
        m.vnum = 3000;
        m.race = "allsets";
        m.act = FlagLetterBit('B'), m.aff = FlagLetterBit('C'), m.off = FlagLetterBit('D');
        m.imm = FlagLetterBit('E'), m.res = FlagLetterBit('F'), m.vuln = FlagLetterBit('G');
        m.form = FlagLetterBit('H'), m.parts = FlagLetterBit('I');
        m.*c.set = FlagLetterBit('Z'); // lacks the race's bit, has one of its own
        area.doc.mobs.push_back(m);
        const std::string written = area.Write();
        EXPECT_EQ(After(written, " unknown\n"), std::string(c.line) + "#0\n\n\n\n") << "only the lacking set gets a line";
        const CMobData back = Reread(area, written);
        for (const auto& other : cases)
            EXPECT_EQ(back.*other.set, m.*other.set) << "after " << c.line << "set of " << other.line;
    }
}

TEST(MobilesSection, FLineNamesAreUpperCasedAndUnknownOnesWarn)
{
    Area area;
    area.Read(MobFile("elf", "F AFF A\nF Vul Z\nF vuln A\n"));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].aff, 0u);
    EXPECT_EQ(area.doc.mobs[0].vuln, 0u);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << "\"vuln\" names no set";
    EXPECT_EQ(area.diagnostics.items[0].line, 17);
}

TEST(MobilesSection, UnknownRaceWarnsOnceInABoxAndIsAppended)
{
    Area area;
    const int races = area.tables.mobFlags.Count();
    std::string file = MobFile("gnoll", "");
    file.insert(file.size() - 3, "#3001\nsecond~\n~\n~\n~\ngnoll~\nA 0 0 0\n1 0 1d1+0 1d1+0 1d1+0 hit\n"
                                 "0 0 0 0\n0 0 0 0\nstand stand male 0\n0 0 medium 0\n");
    area.Read(file);
    ASSERT_EQ(area.doc.mobs.size(), 2u);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << "the appended race is known for the second mob";
    const CDiagnostic& d = area.diagnostics.items[0];
    EXPECT_TRUE(d.messageBox);
    EXPECT_EQ(d.severity, Severity::Warning);
    EXPECT_EQ(d.title, "Warning!");
    EXPECT_EQ(d.line, 2) << "the line of the mob's vnum";
    EXPECT_EQ(d.text, Format(Messages::UnknownRace, { "gnoll", "guard", 3000 }));
    ASSERT_EQ(area.tables.mobFlags.Count(), races + 1);
    EXPECT_EQ(area.tables.mobFlags[races].name, "gnoll");
    EXPECT_EQ(area.doc.mobs[1].act, 1u) << "the new race adds no flags";
    EXPECT_EQ(area.doc.mobs[1].form, 0u);
}

TEST(MobilesSection, RecordLinesAreWrittenInOrderAndReadBack)
{
    Area area;
    CMobData m(area.tables);
    m.vnum = 3000;
    m.race = "elf";
    m.clan = "Ojos~ Negros";
    m.rank = 3;
    m.mercMessages = { "Hola", "", "Adi~os" };
    m.mercSkills = { { 50, "kick" }, { 10, "magic missile" } };
    m.triggers = { { "greet", 3001, "hello~ there" } };
    m.trainerClass = "warrior";
    m.trainerSkills = { { "bash", 100, 150, 10, 1 }, { "o'neil's dodge", 0, 100, 5, 0 } };
    area.doc.mobs.push_back(m);
    const std::string written = area.Write();
    EXPECT_EQ(After(written, " unknown\n"),
        "F aff A\n"
        "F res B\n"
        "F vul Z\n"
        "G clan Ojos Negros~\n"
        "G rank 2\n"
        "G mercmsg 0 Hola~\n"
        "G mercmsg 2 Adios~\n"
        "S 50 'kick'\n"
        "S 10 'magic missile'\n"
        "M greet 3001 hello there~\n"
        "P class 'warrior'\n"
        "P skill 'bash' 100 150 10 1\n"
        "P skill \"o'neil's dodge\" 0 100 5 0\n"
        "#0\n\n\n\n");
    const CMobData back = Reread(area, written);
    EXPECT_EQ(back.clan, "Ojos Negros");
    EXPECT_EQ(back.rank, 3);
    EXPECT_EQ(back.mercMessages, (std::vector<std::string> { "Hola", "", "Adios" }));
    ASSERT_EQ(back.mercSkills.size(), 2u);
    EXPECT_EQ(back.mercSkills[1].skill, "magic missile");
    ASSERT_EQ(back.triggers.size(), 1u);
    EXPECT_EQ(back.triggers[0].phrase, "hello there");
    EXPECT_EQ(back.trainerClass, "warrior");
    ASSERT_EQ(back.trainerSkills.size(), 2u);
    EXPECT_EQ(back.trainerSkills[1].skill, "o'neil's dodge");
    EXPECT_EQ(back.trainerSkills[0].mult, 150);
}

TEST(MobilesSection, RankWithoutClanIsNotWrittenSoItComesBackAsOne)
{
    Area area;
    area.Read(MobFile("human", "G rank 0\nG RANK 4\n"));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].rank, 5) << "the written rank is one less";
    EXPECT_EQ(After(area.Write(), " medium 0\n"), "#0\n\n\n\n");
    EXPECT_EQ(Reread(area, area.Write()).rank, 1);
}

TEST(MobilesSection, MercMessageOutsideTheTableIsDroppedWithAWarning)
{
    Area area;
    area.Read(MobFile("human", "G mercmsg 3 too far~\nG mercmsg -1 before~\nG mercmsg 2 last~\n"));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].mercMessages, (std::vector<std::string> { "", "", "last" }));
    ASSERT_EQ(area.diagnostics.items.size(), 2u);
    EXPECT_EQ(area.diagnostics.items[0].line, 15);
    EXPECT_FALSE(area.diagnostics.items[0].messageBox);
}

TEST(MobilesSection, RecordLettersAreCaseSensitive)
{
    Area area;
    // "f act A" is no record: its bytes are skipped, and the `S` further on
    // still starts one.
    area.Read(MobFile("human", "f act A\njunk S 7 kick\n", "A"));
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].act, 1u);
    ASSERT_EQ(area.doc.mobs[0].mercSkills.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].mercSkills[0].value, 7);
    EXPECT_EQ(area.diagnostics.items.size(), 1u) << "one warning for the skipped text of a mob";
}

TEST(MobilesSection, EndOfFileInsideRecordLinesKeepsTheMob)
{
    Area area;
    std::string file = MobFile("human", "M greet 3001 hi~\n");
    file.erase(file.size() - 3);
    area.Read(file);
    ASSERT_EQ(area.doc.mobs.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].triggers.size(), 1u);
}

TEST(MobilesSection, EmptyOrSpacedWordsAreQuotedSoTheBlockStaysAligned)
{
    // Without tables a new mob has no attack type, positions, sex or size.
    Area area("");
    CMobData m(area.tables);
    m.vnum = 5;
    m.material = "white gold";
    m.wealth = 42;
    area.doc.mobs.push_back(m);
    const std::string written = area.Write();
    EXPECT_NE(written.find("0d0+0 ''\n"), std::string::npos) << written;
    EXPECT_NE(written.find("'' '' '' 42\n0 0 '' 'white gold'\n"), std::string::npos) << written;
    const CMobData back = Reread(area, written);
    EXPECT_EQ(back.damType, "");
    EXPECT_EQ(back.size, "");
    EXPECT_EQ(back.wealth, 42);
    EXPECT_EQ(back.material, "white gold");
}

TEST(MobilesSection, RomAreasReadEveryMobAndSaveStably)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "shared areas absent";
    CConfigTables rom;
    int line = 0;
    ASSERT_TRUE(LoadConfig(rom, SourcePath("res/tolvex.cfg"), line));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        std::ifstream f(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const size_t start = text.find("#MOBILES");
        if (start == std::string::npos)
            continue;
        ++files;
        // Vnum lines up to "#0" count the mobs.
        size_t expected = 0;
        std::istringstream lines(text.substr(start + 8));
        for (std::string l; std::getline(lines, l);)
            if (l.size() > 1 && l[0] == '#') {
                if (std::atoi(l.c_str() + 1) == 0)
                    break;
                ++expected;
            }
        Area first;
        first.tables = rom;
        first.Read(text.substr(start));
        EXPECT_EQ(first.doc.mobs.size(), expected) << entry.path();
        for (const CDiagnostic& d : first.diagnostics.items)
            EXPECT_TRUE(d.messageBox) << entry.path() << ": " << d.text;
        const std::string once = first.Write();
        Area second;
        second.tables = first.tables;
        second.Read(once);
        EXPECT_EQ(second.Write(), once) << entry.path() << ": a saved section must save to the same bytes";
        ASSERT_EQ(second.doc.mobs.size(), first.doc.mobs.size());
        for (size_t i = 0; i < first.doc.mobs.size(); ++i) {
            const CMobData& a = first.doc.mobs[i];
            const CMobData& b = second.doc.mobs[i];
            EXPECT_TRUE(a.act == b.act && a.aff == b.aff && a.off == b.off && a.imm == b.imm && a.res == b.res
                && a.vuln == b.vuln && a.form == b.form && a.parts == b.parts && a.ac == b.ac
                && a.damDice == b.damDice && a.triggers.size() == b.triggers.size())
                << entry.path() << ": mob " << a.vnum << " changed on a round trip";
        }
    }
    EXPECT_GT(files, 10);
}
