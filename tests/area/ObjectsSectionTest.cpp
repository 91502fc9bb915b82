#include "ObjectsRoomsFixture.h"
#include "area/TextWriter.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const std::string allKinds = "DEFNYLOWXSZIA";

bool IsTextKind(char kind)
{
    return std::string("LOWXS").find(kind) != std::string::npos;
}

// weapon and scroll as the game has them, and for every kind letter k three
// probe types: "first_k" (k in value 0), "last_k" (k in value 4) and "all_k".
std::string ObjectsConfig()
{
    std::string config = "#OBJTYPES\n"
                         "weapon 5 Class~ L Dice~ I Sides~ I Attack~ O Flags~ F\n"
                         "scroll 2 Level~ I Spell~ W Spell~ W Spell~ W Spell~ X\n";
    for (size_t j = 0; j < allKinds.size(); ++j) {
        const std::string k(1, allKinds[j]);
        const std::string lower(1, static_cast<char>(allKinds[j] - 'A' + 'a'));
        config += "first_" + lower + " " + std::to_string(100 + j) + " v~ " + k + " v~ N v~ N v~ N v~ N\n";
        config += "last_" + lower + " " + std::to_string(200 + j) + " v~ N v~ N v~ N v~ N v~ " + k + "\n";
        config += "all_" + lower + " " + std::to_string(300 + j) + " v~ " + k + " v~ " + k + " v~ " + k + " v~ "
            + k + " v~ " + k + "\n";
    }
    return config + "end\n";
}

std::string ProbeType(const char* which, char kind)
{
    return std::string(which) + "_" + static_cast<char>(kind - 'A' + 'a');
}

// One object of `type` whose value line is `values`, in a section body.
std::string ObjectBody(const std::string& type, const std::string& values, const std::string& after = "#0\n")
{
    return "#1001\nsword~\na sword~\nA sword lies here.~\nsteel~\n" + type + " 0 0\n" + values + "\n10 5 100 P\n"
        + after;
}

// The value line of a written object: between the flags line and the level line.
std::string ValueLine(const std::string& written)
{
    const size_t flags = written.find(" 0 0\n");
    const size_t level = written.find("\n10 5 100 ");
    if (flags == std::string::npos || level == std::string::npos)
        return "<no value line in: " + written + ">";
    return written.substr(flags + 5, level - flags - 5);
}

CObjData NewObject(CConfigTables& tables, const std::string& type)
{
    CObjData obj;
    obj.vnum = 1001;
    obj.itemType = tables.objTypes[FindByName(tables.objTypes, type)].value;
    obj.level = 10;
    obj.weight = 5;
    obj.cost = 100;
    return obj;
}

} // namespace

TEST(ObjectsSection, EachValueKindReadsIntoItsMember)
{
    const struct { char kind; const char* inFile; int32_t number; const char* text; } cases[] = {
        { 'D', "AB", 3, "" }, { 'E', "C", 4, "" }, { 'F', "AB", 3, "" }, { 'N', "-1", -1, "" },
        { 'Y', "Bf", static_cast<int32_t>(0x80000002u), "" },
        { 'L', "sword", 0, "sword" }, { 'O', "slash", 0, "slash" },
        { 'W', "'long sword'", 0, "long sword" }, { 'X', "'fire'", 0, "fire" },
        { 'S', "a\nglint~", 0, "a glint" },
        { 'Z', "-7", -7, "" }, { 'I', "12", 12, "" }, { 'A', "+5", 5, "" },
    };
    for (const auto& c : cases) {
        for (const char* which : { "first", "last" }) {
            const bool first = which[0] == 'f';
            const size_t slot = first ? 0 : 4;
            const std::string values = first ? c.inFile + std::string(" 0 0 0 0") : "0 0 0 0 " + std::string(c.inFile);
            CSectionArea area(ObjectsConfig());
            const std::string where = std::string("kind ") + c.kind + " in value " + std::to_string(slot);
            ASSERT_TRUE(area.Read(ReadObjects, ObjectBody(ProbeType(which, c.kind), values))) << where;
            ASSERT_EQ(area.doc.objects.size(), 1u) << where;
            const CObjData& obj = area.doc.objects[0];
            EXPECT_EQ(obj.values[slot], c.number) << where;
            EXPECT_EQ(obj.valueTexts[slot], c.text) << where;
            EXPECT_EQ(obj.level, 10) << where << ": the values must leave the level line alone";
            EXPECT_EQ(obj.cost, 100) << where;
            EXPECT_EQ(obj.condition, "P") << where;
        }
    }
}

TEST(ObjectsSection, EachValueKindWritesItsOwnForm)
{
    // Y, X and Z carry no separator: in value 4 the level line's line feed
    // follows; in value 0 a space is kept so the next value stays its own word.
    const struct { char kind; int32_t number; const char* text; const char* asFirst; const char* asLast; } cases[] = {
        { 'D', 3, "", "AB ", "AB " }, { 'N', 0, "", "0 ", "0 " }, { 'F', -1, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef ", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef " },
        { 'Y', 3, "", "AB ", "AB" },
        { 'L', 0, "sword", "sword ", "sword " }, { 'O', 0, "a~b", "ab ", "ab " },
        { 'W', 0, "long sword", "'long sword' ", "'long sword' " },
        { 'X', 0, "fire", "'fire' ", "'fire'" },
        { 'S', 0, "a glint", "A glint\n~ ", "A glint\n~ " },
        { 'Z', -7, "", "-7 ", "-7" }, { 'I', 12, "", "12 ", "12 " }, { 'B', 3, "", "3 ", "3 " },
    };
    for (const auto& c : cases) {
        for (const char* which : { "first", "last" }) {
            const bool first = which[0] == 'f';
            const size_t slot = first ? 0 : 4;
            CSectionArea area(ObjectsConfig());
            if (c.kind == 'B') // a kind no type uses: read and written as a number
                area.tables.objTypes[FindByName(area.tables.objTypes, ProbeType(which, 'A'))].slots[slot].kind = 'B';
            CObjData obj = NewObject(area.tables, ProbeType(which, c.kind == 'B' ? 'A' : c.kind));
            obj.values[slot] = c.number;
            obj.valueTexts[slot] = c.text;
            area.doc.objects.push_back(obj);
            const std::string expected = first ? c.asFirst + std::string("0 0 0 0 ") : "0 0 0 0 " + std::string(c.asLast);
            EXPECT_EQ(ValueLine(area.Write(WriteObjects)), expected)
                << "kind " << c.kind << " in value " << slot;
        }
    }
}

TEST(ObjectsSection, WordValuesAreQuotedWhenABareWordWouldNotReadBack)
{
    const struct { char kind; const char* text; const char* written; } cases[] = {
        { 'L', "", "'' " },
        { 'L', "two words", "'two words' " },
        { 'O', "'quoted", "\"'quoted\" " },
        { 'W', "king's bane", "\"king's bane\" " },
        { 'X', "", "'' " },
    };
    for (const auto& c : cases) {
        CSectionArea area(ObjectsConfig());
        CObjData obj = NewObject(area.tables, ProbeType("first", c.kind));
        obj.valueTexts[0] = c.text;
        area.doc.objects.push_back(obj);
        const std::string written = area.Write(WriteObjects);
        EXPECT_EQ(ValueLine(written), c.written + std::string("0 0 0 0 ")) << "kind " << c.kind << " text «" << c.text << "»";

        CSectionArea back(ObjectsConfig());
        ASSERT_TRUE(back.Read(ReadObjects, written.substr(written.find('\n') + 1)));
        ASSERT_EQ(back.doc.objects.size(), 1u);
        EXPECT_EQ(back.doc.objects[0].valueTexts[0], c.text) << "kind " << c.kind;
        EXPECT_EQ(back.doc.objects[0].level, 10) << "kind " << c.kind << ": the value must stay one word";
    }
}

TEST(ObjectsSection, ValuesOfEveryKindSurviveSaveAndLoadInEverySlot)
{
    const int32_t numbers[5] = { -5, 0, 7, 123456, static_cast<int32_t>(0x80000001u) };
    const char* const words[5] = { "sword", "two words", "", "it's", "x" };
    const char* const texts[5] = { "A glint.", "", "Two. Sentences here.", "Xy", "Last one" };
    for (char kind : allKinds) {
        CSectionArea area(ObjectsConfig());
        CObjData obj = NewObject(area.tables, ProbeType("all", kind));
        for (size_t i = 0; i < 5; ++i) {
            if (kind == 'S')
                obj.valueTexts[i] = texts[i];
            else if (IsTextKind(kind))
                obj.valueTexts[i] = words[i];
            else
                obj.values[i] = numbers[i];
        }
        area.doc.objects.push_back(obj);
        const std::string written = area.Write(WriteObjects);

        CSectionArea back(ObjectsConfig());
        ASSERT_TRUE(back.Read(ReadObjects, written.substr(written.find('\n') + 1)));
        ASSERT_EQ(back.doc.objects.size(), 1u) << "kind " << kind;
        const CObjData& read = back.doc.objects[0];
        for (size_t i = 0; i < 5; ++i) {
            std::string text = read.valueTexts[i];
            if (kind == 'S') // a formatted text comes back with its last line feed as a space
                while (!text.empty() && text.back() == ' ')
                    text.pop_back();
            EXPECT_EQ(read.values[i], obj.values[i]) << "kind " << kind << " value " << i << " in:\n" << written;
            EXPECT_EQ(text, obj.valueTexts[i]) << "kind " << kind << " value " << i << " in:\n" << written;
        }
        EXPECT_EQ(read.level, 10) << "kind " << kind;
        EXPECT_EQ(read.weight, 5) << "kind " << kind;
        EXPECT_EQ(read.cost, 100) << "kind " << kind;
    }
}

TEST(ObjectsSection, TypeWordMatchesInAnyCaseAndIsWrittenAsNamed)
{
    for (const char* word : { "weapon", "Weapon", "WEAPON" }) {
        CSectionArea area(ObjectsConfig());
        ASSERT_TRUE(area.Read(ReadObjects, ObjectBody(word, "sword 2 8 slash F"))) << word << "\n" << area.Reported();
        ASSERT_EQ(area.doc.objects.size(), 1u) << word;
        EXPECT_EQ(area.doc.objects[0].itemType, 5) << word;
        EXPECT_NE(area.Write(WriteObjects).find("\nweapon 0 0\n"), std::string::npos) << word;
    }
}

TEST(ObjectsSection, FixedBlockRoundTripsByteForByteAndEndsAfterTheLevelLine)
{
    const std::string section = "#1001\n"
                                "sword long~\n"
                                "a long sword~\n"
                                "A long sword lies here.~\n"
                                "steel~\n"
                                "weapon AB AN\n"
                                "sword 2 8 slash F \n"
                                "10 5 100 G\n"
                                "#1002\n"
                                "scroll~\n"
                                "a scroll~\n"
                                "A scroll.~\n"
                                "paper~\n"
                                "scroll 0 A\n"
                                "20 'cure light' '' 'word of recall' 'x'\n"
                                "1 0 50 P\n"
                                "#0\n\n\n\n";
    CSectionArea area(ObjectsConfig());
    ASSERT_TRUE(area.Read(ReadObjects, section));
    ASSERT_EQ(area.doc.objects.size(), 2u);
    const CObjData& sword = area.doc.objects[0];
    EXPECT_EQ(sword.name, "sword long");
    EXPECT_EQ(sword.material, "steel");
    EXPECT_EQ(sword.extraFlags, 3u);
    EXPECT_EQ(sword.wearFlags, (1u << 0) | (1u << 13));
    EXPECT_EQ(sword.valueTexts[0], "sword");
    EXPECT_EQ(sword.values[1], 2);
    EXPECT_EQ(sword.valueTexts[3], "slash");
    EXPECT_EQ(sword.values[4], 32);
    EXPECT_EQ(sword.condition, "G");
    EXPECT_TRUE(sword.affects.empty() && sword.extraDescs.empty() && sword.trainStops.empty());
    EXPECT_EQ(area.doc.objects[1].valueTexts[2], "");
    EXPECT_EQ(area.doc.objects[1].valueTexts[4], "x");
    EXPECT_EQ(area.Write(WriteObjects), "#OBJECTS\n" + section);
    EXPECT_TRUE(area.diagnostics.items.empty()) << area.Reported();

    area.doc.objects[0].name = "bad~name";
    area.doc.objects[0].shortDesc = "a\r\nb";
    EXPECT_NE(area.Write(WriteObjects).find("#1001\nbadname~\na\nb~\n"), std::string::npos)
        << "a ~ or carriage return in a text must not reach the file";
}

TEST(ObjectsSection, AffectsWrittenAsAOrFByWhereAndBits)
{
    const struct { int where; uint32_t bits; const char* written; int whereBack; } cases[] = {
        { 0, 0, "A\n17 -5\n", 0 },
        { 1, 0x02, "F\nA 17 -5 B\n", 1 },
        { 2, 0x02, "F\nI 17 -5 B\n", 2 },
        { 3, 0x06, "F\nR 17 -5 BC\n", 3 },
        { 4, 0x80000000u, "F\nV 17 -5 f\n", 4 },
        { 2, 0, "A\n17 -5\n", 0 }, // no bits: a plain apply, its kind is not kept
    };
    for (const auto& c : cases) {
        CSectionArea area(ObjectsConfig());
        CObjData obj = NewObject(area.tables, "weapon");
        obj.affects.push_back({ c.where, 17, -5, c.bits });
        area.doc.objects.push_back(obj);
        const std::string written = area.Write(WriteObjects);
        EXPECT_NE(written.find(std::string("10 5 100 P\n") + c.written + "#0\n"), std::string::npos)
            << "where " << c.where << " bits " << c.bits << " gave:\n" << written;

        CSectionArea back(ObjectsConfig());
        ASSERT_TRUE(back.Read(ReadObjects, written.substr(written.find('\n') + 1)));
        ASSERT_EQ(back.doc.objects.at(0).affects.size(), 1u);
        const CAffectData& a = back.doc.objects[0].affects[0];
        EXPECT_EQ(a.where, c.whereBack) << "where " << c.where;
        EXPECT_EQ(a.bits, c.bits) << "where " << c.where;
        EXPECT_EQ(a.location, 17);
        EXPECT_EQ(a.modifier, -5);
    }

    CSectionArea area(ObjectsConfig());
    ASSERT_TRUE(area.Read(ReadObjects, ObjectBody("weapon", "sword 2 8 slash 0", "F\nQ 3 4 B\n#0\n")));
    const CAffectData& unknown = area.doc.objects.at(0).affects.at(0);
    EXPECT_EQ(unknown.where, 0) << "an F line with an unknown kind letter is a plain apply";
    EXPECT_EQ(unknown.bits, 2u);
}

TEST(ObjectsSection, AffectKindPastVulnerabilityIsSavedAsApplyWithOneWarning)
{
    CSectionArea area(ObjectsConfig());
    for (int vnum : { 1001, 1002 }) {
        CObjData obj = NewObject(area.tables, "weapon");
        obj.vnum = vnum;
        obj.affects.push_back({ 5, 18, 2, 0x04 });
        obj.affects.push_back({ 6, 19, 3, 0 }); // no flags to lose
        area.doc.objects.push_back(obj);
    }
    const std::string written = area.Write(WriteObjects);
    EXPECT_NE(written.find("10 5 100 P\nA\n18 2\nA\n19 3\n#1002"), std::string::npos) << written;
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].severity, Severity::Warning);
    EXPECT_NE(area.diagnostics.items[0].text.find("1001, 1002"), std::string::npos) << area.Reported();
}

TEST(ObjectsSection, ExtraDescriptionsAndTrainStopsReadAndWrittenAfterTheAffects)
{
    CSectionArea area(ObjectsConfig());
    const std::string lines = "T 3001 AB 5 The train arrives.~ It leaves.~\n"
                              "E\nsword blade~\nthe blade\nis sharp.~\n"
                              "A\n18 2\n"
                              "#0\n";
    ASSERT_TRUE(area.Read(ReadObjects, ObjectBody("weapon", "sword 2 8 slash 0", lines)));
    const CObjData& obj = area.doc.objects.at(0);
    ASSERT_EQ(obj.trainStops.size(), 1u);
    EXPECT_EQ(obj.trainStops[0].room, 3001);
    EXPECT_EQ(obj.trainStops[0].flags, 3u);
    EXPECT_EQ(obj.trainStops[0].time, 5);
    EXPECT_EQ(obj.trainStops[0].arrivalMessage, "The train arrives.");
    EXPECT_EQ(obj.trainStops[0].leaveMessage, "It leaves.");
    ASSERT_EQ(obj.extraDescs.size(), 1u);
    EXPECT_EQ(obj.extraDescs[0].keyword, "sword blade");
    EXPECT_EQ(obj.extraDescs[0].description, "the blade is sharp.");
    EXPECT_EQ(obj.affects.size(), 1u);
    const std::string written = area.Write(WriteObjects);
    EXPECT_NE(written.find("10 5 100 P\n"
                           "A\n18 2\n"
                           "E\nsword blade~\nThe blade is sharp.\n~\n"
                           "T 3001 AB 5 The train arrives.~ It leaves.~\n"
                           "#0\n\n\n\n"),
        std::string::npos)
        << written;
}

TEST(ObjectsSection, RecordLettersAreCaseSensitiveAndStrayBytesAreSkippedWithOneWarning)
{
    CSectionArea area(ObjectsConfig());
    ASSERT_TRUE(area.Read(ReadObjects, ObjectBody("weapon", "sword 2 8 slash 0", "a\n1 2\nA\n3 4\n#0\n")));
    const CObjData& obj = area.doc.objects.at(0);
    ASSERT_EQ(obj.affects.size(), 1u) << "a lower-case a is no affect";
    EXPECT_EQ(obj.affects[0].location, 3);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 9) << "the first skipped byte";
    EXPECT_NE(area.diagnostics.items[0].text.find("3 characters"), std::string::npos) << area.Reported();
}

TEST(ObjectsSection, EndOfFileKeepsTheObjectBeingRead)
{
    const struct { const char* after; size_t affects; } cases[] = {
        { "", 0 },
        { "A\n1 2\n", 1 },
        { "E\nkey~\nunfinished", 0 },
    };
    for (const auto& c : cases) {
        CSectionArea area(ObjectsConfig());
        ASSERT_TRUE(area.Read(ReadObjects, ObjectBody("weapon", "sword 2 8 slash 0", c.after))) << c.after;
        ASSERT_EQ(area.doc.objects.size(), 1u) << "after «" << c.after << "»";
        EXPECT_EQ(area.doc.objects[0].affects.size(), c.affects) << c.after;
        EXPECT_EQ(area.doc.objects[0].condition, "P");
    }
}

TEST(ObjectsSection, UnknownTypeAbortsTheLoadWithAnErrorBox)
{
    CSectionArea area(ObjectsConfig());
    const std::string body = ObjectBody("weapon", "sword 2 8 slash 0", "")
        + "#1002\nglowing orb~\nan orb~\nAn orb.~\nglass~\nGizmo 0 0\n0 0 0 0 0\n1 1 1 P\n#0\n";
    EXPECT_FALSE(area.Read(ReadObjects, body));
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    const CDiagnostic& d = area.diagnostics.items[0];
    EXPECT_EQ(d.severity, Severity::Error);
    EXPECT_TRUE(d.messageBox);
    EXPECT_EQ(d.title, "Error!");
    EXPECT_EQ(d.line, 14) << "the line of the type word";
    EXPECT_EQ(d.text.rfind("ERROR! Object glowing orb (1002) invalid type 'gizmo'! Add the type to\n", 0), 0u) << d.text;
    EXPECT_EQ(area.doc.objects.size(), 1u) << "the unknown object is not added";
}

TEST(ObjectsSection, ObjectWithoutTypeEntryIsLeftOutWithOneWarning)
{
    CSectionArea area(ObjectsConfig());
    for (int vnum : { 1001, 1002, 1003 }) {
        CObjData obj = NewObject(area.tables, "weapon");
        obj.vnum = vnum;
        if (vnum != 1002)
            obj.itemType = 999;
        area.doc.objects.push_back(obj);
    }
    const std::string written = area.Write(WriteObjects);
    EXPECT_EQ(written.find("#1001"), std::string::npos);
    EXPECT_EQ(written.find("#1003"), std::string::npos);
    EXPECT_NE(written.find("#1002\n"), std::string::npos);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_NE(area.diagnostics.items[0].text.find("1001, 1003"), std::string::npos) << area.Reported();
}

TEST(ObjectsSection, ConditionIsWrittenAsOneLetter)
{
    const struct { const char* condition; const char* written; bool warned; } cases[] = {
        { "W", "W", false }, { "", "P", true }, { "Good", "G", true }, { " ", "P", true },
    };
    for (const auto& c : cases) {
        CSectionArea area(ObjectsConfig());
        CObjData obj = NewObject(area.tables, "weapon");
        obj.condition = c.condition;
        area.doc.objects.push_back(obj);
        const std::string written = area.Write(WriteObjects);
        EXPECT_NE(written.find(std::string("\n10 5 100 ") + c.written + "\n#0"), std::string::npos)
            << "condition «" << c.condition << "» gave:\n" << written;
        EXPECT_EQ(area.diagnostics.items.size(), c.warned ? 1u : 0u) << area.Reported();
    }
}

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(ObjectsSection, RomAreasSaveToAFixedPointKeepingEveryObject)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "no shared ROM areas";
    const std::string config = ReadFile(SourcePath("res/configs/rom24-default.cfg"));
    ASSERT_FALSE(config.empty());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        const std::string text = ReadFile(entry.path());
        const size_t section = text.find("#OBJECTS");
        if (section == std::string::npos)
            continue;
        ++files;
        const std::string name = entry.path().filename().string();
        CSectionArea first(config);
        ASSERT_TRUE(first.Read(ReadObjects, text.substr(section + 8))) << name << "\n" << first.Reported();
        EXPECT_TRUE(first.diagnostics.items.empty()) << name << "\n" << first.Reported();
        const std::string saved = first.Write(WriteObjects, MudRomDefault);

        CSectionArea second(config);
        ASSERT_TRUE(second.Read(ReadObjects, saved.substr(9))) << name;
        ASSERT_EQ(second.doc.objects.size(), first.doc.objects.size()) << name;
        for (size_t i = 0; i < first.doc.objects.size(); ++i) {
            const CObjData& a = first.doc.objects[i];
            const CObjData& b = second.doc.objects[i];
            EXPECT_TRUE(a.vnum == b.vnum && a.itemType == b.itemType && a.values == b.values && a.level == b.level
                && a.cost == b.cost && a.condition == b.condition && a.affects.size() == b.affects.size()
                && a.extraDescs.size() == b.extraDescs.size())
                << name << ": object " << a.vnum << " changed on the way through a save";
        }
        EXPECT_EQ(second.Write(WriteObjects, MudRomDefault), saved) << name << ": a second save differs";
    }
    EXPECT_GT(files, 10);
}
