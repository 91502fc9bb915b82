#include "text/TextReader.h"
#include "SectionFixture.h"
#include "text/TextWriter.h"

namespace {

const char* const mobConfig =
    "#MOBFLAGS\n"
    "human 0 0 0 0 0 0 AHMV ABCDEFGHIJK\n"
    "elf   0 A 0 0 B Z AHMV ABCDEFGHIJK\n"
    "allsets B C D E F G H I\n"
    "end\n"
    "#MERCMSG saludo 0 contrato 1 despedida 2 end\n";

// The written section read back on the same configuration and written again:
// whatever the reader gets wrong shows as a difference.
std::string Resaved(const std::string& written, const std::string& config = mobConfig)
{
    SectionArea again(config);
    EXPECT_TRUE(again.Read(ReadMobiles, written));
    EXPECT_EQ(again.doc.mobs.size(), 1u) << written;
    return again.Write(WriteMobiles);
}

// One mob of race `race` whose lines after the fixed block are `records`.
std::string MobFile(const std::string& race, const std::string& records, const std::string& act = "0")
{
    return "#MOBILES\n#3000\nguard~\nthe guard~\nA guard.\n~\n~\n" + race + "~\n" + act
        + " 0 0 0\n10 0 2d8+100 1d1+0 1d4+0 pound\n-10 5 0 100\n0 0 0 0\nstand stand male 0\n0 0 medium 0\n"
        + records + "#0\n";
}

} // namespace

TEST(MobilesSection, FixedBlockIsWrittenByteForByteWithArmourDividedTowardZero)
{
    SectionArea area(mobConfig);
    EXPECT_EQ(area.Write(WriteMobiles), "#MOBILES\n#0\n\n\n\n");
    CMobData m(area.tables);
    m.vnum = 3000, m.name = "guard~ cityguard", m.shortDesc = "the cityguard";
    m.longDesc = "a cityguard stands here. ", m.description = "", m.race = "hu~man";
    m.act = 3, m.alignment = 1000, m.group = 7, m.level = 30, m.hitroll = 10;
    m.hitDice = { 2, 8, 100 }, m.manaDice = { 1, 1, 0 }, m.damDice = { 3, 4, -5 }, m.damType = "pound";
    m.ac = { 15, -15, 9, 1000 }, m.vuln = 1u << 31;
    m.startPos = "stand", m.defaultPos = "sit", m.sex = "male", m.wealth = 250, m.size = "medium", m.material = "";
    m.longDescEdited = m.descriptionEdited = true; // made in the editor
    area.doc.mobs.push_back(m);
    EXPECT_EQ(area.Write(WriteMobiles),
        "#MOBILES\n#3000\nguard cityguard~\nthe cityguard~\na cityguard stands here.\n~\n\n~\nhuman~\n"
        "AB 0 1000 7\n30 10 2d8+100 1d1+0 3d4+-5 pound\n1 -1 0 100\n0 0 0 f\n"
        "stand sit male 250\nAHMV ABCDEFGHIJK medium unknown\n#0\n\n\n\n");
}

TEST(MobilesSection, FixedBlockReadsTenfoldArmourAndOrsInTheRace)
{
    SectionArea area(mobConfig);
    ASSERT_TRUE(area.Read(ReadMobiles, MobFile("human", "", "5")));
    const CMobData& m = area.doc.mobs.at(0);
    EXPECT_EQ(m.hitDice, (std::array<int, 3> { 2, 8, 100 }));
    EXPECT_EQ(m.ac, (std::array<int, 4> { -100, 50, 0, 1000 }));
    EXPECT_EQ(m.act, 5u) << "a decimal flag field";
    EXPECT_EQ(m.form, FlagLetterBit('A') | FlagLetterBit('H') | FlagLetterBit('M') | FlagLetterBit('V'))
        << "race form is ORed in";
    const std::string written = area.Write(WriteMobiles);
    EXPECT_NE(written.find("human~\nAC 0 0 0\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\n-10 5 0 100\n"), std::string::npos) << "armour is written back as read";
    EXPECT_TRUE(area.diagnostics.items.empty()) << area.Reported();
}

TEST(MobilesSection, FLinesTakeAwayRaceBitsTheMobLacks)
{
    const struct {
        uint32_t CMobData::*set;
        const char* line;
    } cases[] = {
        { &CMobData::act, "F act B\n" },
        { &CMobData::aff, "F aff C\n" },
        { &CMobData::off, "F off D\n" },
        { &CMobData::imm, "F imm E\n" },
        { &CMobData::res, "F res F\n" },
        { &CMobData::vuln, "F vul G\n" },
        { &CMobData::form, "F for H\n" },
        { &CMobData::parts, "F par I\n" },
    };
    for (const auto& c : cases) {
        SectionArea area(mobConfig);
        CMobData m(area.tables);
        m.vnum = 3000, m.race = "allsets";
        for (const auto& other : cases)
            m.*other.set = FlagLetterBit(other.line[6]); // the race's bits
        m.*c.set = FlagLetterBit('Z'); // lacks the race's bit, has one of its own
        area.doc.mobs.push_back(m);
        const std::string written = area.Write(WriteMobiles);
        EXPECT_NE(written.find(" unknown\n" + std::string(c.line) + "#0\n\n\n\n"), std::string::npos)
            << "only the lacking set gets a line:\n"
            << written;
        EXPECT_EQ(Resaved(written), written) << "the sets must read back as they were";
    }

    SectionArea area(mobConfig);
    ASSERT_TRUE(area.Read(ReadMobiles, MobFile("elf", "F AFF A\nF Vul Z\nF vuln A\n")));
    EXPECT_EQ(area.doc.mobs.at(0).aff, 0u) << "set names are read in any case";
    EXPECT_EQ(area.doc.mobs[0].vuln, 0u);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << "\"vuln\" names no set";
    EXPECT_EQ(area.diagnostics.items[0].line, 17);
}

TEST(MobilesSection, UnknownRaceWarnsOnceInABoxAndIsAppended)
{
    SectionArea area(mobConfig);
    const int races = area.tables.mobFlags.Count();
    std::string file = MobFile("gnoll", "");
    file.insert(file.size() - 3,
        "#3001\nsecond~\n~\n~\n~\ngnoll~\nA 0 0 0\n1 0 1d1+0 1d1+0 1d1+0 hit\n"
        "0 0 0 0\n0 0 0 0\nstand stand male 0\n0 0 medium 0\n");
    ASSERT_TRUE(area.Read(ReadMobiles, file));
    ASSERT_EQ(area.doc.mobs.size(), 2u);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << "the appended race is known for the second mob";
    const CDiagnostic& d = area.diagnostics.items[0];
    EXPECT_TRUE(d.messageBox);
    EXPECT_EQ(d.severity, Severity::Warning);
    EXPECT_EQ(d.line, 2) << "the line of the mob's vnum";
    EXPECT_EQ(d.text, Format(Messages::UnknownRace, { "gnoll", "guard", 3000 }));
    EXPECT_EQ(area.tables.mobFlags.Count(), races + 1);
}

TEST(MobilesSection, RecordLinesAreWrittenInOrderAndReadBackWithRankLessOne)
{
    SectionArea area(mobConfig);
    CMobData m(area.tables);
    m.vnum = 3000, m.race = "elf", m.clan = "Ojos~ Negros", m.rank = 3;
    m.mercMessages = { "Hola", "", "Adi~os" };
    m.mercSkills = { { 50, "kick" }, { 10, "magic missile" } };
    m.triggers = { { "greet", 3001, "hello~ there" } };
    m.trainerClass = "warrior", m.trainerSkills = { { "bash", 100, 150, 10, 1 }, { "o'neil's dodge", 0, 100, 5, 0 } };
    area.doc.mobs.push_back(m);
    const std::string written = area.Write(WriteMobiles);
    EXPECT_NE(written.find(" unknown\n"
                           "F aff A\nF res B\nF vul Z\n"
                           "G clan Ojos Negros~\nG rank 2\nG mercmsg 0 Hola~\nG mercmsg 2 Adios~\n"
                           "S 50 'kick'\nS 10 'magic missile'\n"
                           "M greet 3001 hello there~\n"
                           "P class 'warrior'\nP skill 'bash' 100 150 10 1\nP skill \"o'neil's dodge\" 0 100 5 0\n"
                           "#0\n\n\n\n"),
        std::string::npos)
        << written;
    EXPECT_EQ(Resaved(written), written);
}

// Without a clan no rank is written; a message outside the MERCMSG table is
// dropped with a warning.
TEST(MobilesSection, RankWithoutClanAndMercMessagesOutsideTheTableAreDropped)
{
    SectionArea area(mobConfig);
    ASSERT_TRUE(area.Read(ReadMobiles, MobFile("human", "G rank 0\nG RANK 4\nG mercmsg 3 far~\nG mercmsg -1 x~\nG mercmsg 2 last~\n")));
    EXPECT_EQ(area.doc.mobs.at(0).rank, 5) << "the written rank is one less";
    EXPECT_EQ(area.doc.mobs[0].mercMessages, (std::vector<std::string> { "", "", "last" }));
    ASSERT_EQ(area.diagnostics.items.size(), 2u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 17);
    EXPECT_NE(area.Write(WriteMobiles).find(" medium 0\nG mercmsg 2 last~\n#0\n"), std::string::npos);
}

// The file's rank is one less than the mob's: the extreme ranks wrap at 32
// bits both ways instead of overflowing, and so read back as they were.
TEST(MobilesSection, ExtremeRanksSurviveTheOneOffInTheFile)
{
    for (const char* rank : { "2147483647", "-2147483648" }) {
        SectionArea area(mobConfig);
        ASSERT_TRUE(area.Read(ReadMobiles, MobFile("human", std::string("G clan Ojos~\nG rank ") + rank + "\n")));
        EXPECT_NE(area.Write(WriteMobiles).find(std::string("G rank ") + rank + "\n"), std::string::npos) << rank;
    }
}

// "f act A" is no record: its bytes are skipped, and the `S` further on still
// starts one. The end of the file inside the record lines keeps the mob.
TEST(MobilesSection, RecordLettersAreCaseSensitiveAndEndOfFileKeepsTheMob)
{
    SectionArea area(mobConfig);
    std::string file = MobFile("human", "f act A\njunk S 7 kick\n", "A");
    ASSERT_TRUE(area.Read(ReadMobiles, file.erase(file.size() - 3)));
    EXPECT_EQ(area.doc.mobs.at(0).act, 1u);
    ASSERT_EQ(area.doc.mobs[0].mercSkills.size(), 1u);
    EXPECT_EQ(area.doc.mobs[0].mercSkills[0].value, 7);
    EXPECT_EQ(area.diagnostics.items.size(), 1u) << "one warning for the skipped text of a mob:\n"
                                                 << area.Reported();
}

TEST(MobilesSection, EmptyOrSpacedWordsAreQuotedSoTheBlockStaysAligned)
{
    // Without tables a new mob has no attack type, positions, sex or size.
    SectionArea area;
    CMobData& m = area.doc.mobs.emplace_back(area.tables);
    m.vnum = 5, m.material = "white gold", m.wealth = 42;
    const std::string written = area.Write(WriteMobiles);
    EXPECT_NE(written.find("0d0+0 ''\n"), std::string::npos) << written;
    EXPECT_NE(written.find("'' '' '' 42\n0 0 '' 'white gold'\n"), std::string::npos) << written;
    EXPECT_EQ(Resaved(written, ""), written);
}

// A word holding both quote marks cannot read back whole: the save says what
// it changed. Words that can are the quoted-words golden files.
TEST(MobilesSection, AWordWithBothQuoteMarksLosesItsDoubleQuotesAndTheSaveSaysSo)
{
    {
        SectionArea area;
        CMobData& m = area.doc.mobs.emplace_back(area.tables);
        m.vnum = 5, m.mercSkills = { { 0, "it's \"x\" y" } };
        const std::string written = area.Write(WriteMobiles);
        EXPECT_NE(written.find("S 0 \"it's x y\"\n"), std::string::npos) << written;
        EXPECT_NE(area.Reported().find("without their double quotes. Mobs: 5."), std::string::npos) << area.Reported();
        EXPECT_EQ(Resaved(written, ""), written) << "a second save changes nothing";
    }
    for (const char* word : { "o'neil's dodge", "say \"hi\"", "Path\"...'s" }) {
        SectionArea area;
        area.doc.mobs.emplace_back(area.tables).mercSkills = { { 0, word } };
        area.Write(WriteMobiles);
        EXPECT_TRUE(area.diagnostics.items.empty()) << word << ": " << area.Reported();
    }
    // Found by the fuzzer: a material of "~" was cleaned to an empty word,
    // which reads back as "unknown".
    SectionArea area;
    CMobData& m = area.doc.mobs.emplace_back(area.tables);
    m.vnum = 6, m.material = "~";
    const std::string written = area.Write(WriteMobiles);
    EXPECT_EQ(Resaved(written, ""), written);
}
