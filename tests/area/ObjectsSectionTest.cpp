#include "SectionFixture.h"

namespace {

// weapon and scroll as the game has them, and for each kind letter k two probe
// types: "first_k" (k in value 0, N in the others) and "last_k" (k in value 4).
std::string ObjectsConfig()
{
    std::string config =
        "#OBJTYPES\n"
        "weapon 5 Class~ L Dice~ I Sides~ I Attack~ O Flags~ F\n"
        "scroll 2 Level~ I Spell~ W Spell~ W Spell~ W Spell~ X\n";
    for (char k : std::string("DFYZIBLOWXS")) {
        const std::string kind(1, k), lower(1, static_cast<char>(k - 'A' + 'a'));
        config += "first_" + lower + " " + std::to_string(100 + k) + " v~ " + kind + " v~ N v~ N v~ N v~ N\n";
        config += "last_" + lower + " " + std::to_string(200 + k) + " v~ N v~ N v~ N v~ N v~ " + kind + "\n";
    }
    return config + "end\n";
}

// A weapon whose record lines are `after`, in a section body.
std::string ObjectBody(const std::string& after)
{
    return "#1001\nsword~\na sword~\nA sword lies here.~\nsteel~\nweapon 0 0\nsword 2 8 slash 0\n10 5 100 P\n" + after;
}

CObjData NewObject(const CConfigTables& tables, const std::string& type)
{
    CObjData obj;
    obj.vnum = 1001;
    obj.itemType = tables.objTypes[FindByName(tables.objTypes, type)].value;
    obj.level = 10, obj.weight = 5, obj.cost = 100;
    return obj;
}

} // namespace

// Y, X and Z write no separator after them: in value 4 the level line's line
// feed follows; in values 0 to 3 a space keeps the next value its own word.
// Words that would not read back as one bare word are quoted.
TEST(ObjectsSection, EachValueKindIsWrittenInItsOwnFormAndReadsBack)
{
    const struct {
        char kind;
        int32_t number;
        const char* text;
        const char* asFirst;
        const char* asLast;
    } cases[] = {
        { 'D', 1000, "", "1000 ", "1000 " },
        { 'D', -1, "", "-1 ", "-1 " },
        { 'Y', 3, "", "AB ", "AB" },
        { 'Z', -7, "", "-7 ", "-7" },
        { 'F', -1, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef ", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef " },
        { 'I', 12, "", "12 ", "12 " },
        { 'B', 3, "", "3 ", "3 " }, // B: a kind no type uses is a number
        { 'L', 0, "sword", "sword ", "sword " },
        { 'L', 0, "", "'' ", "'' " },
        { 'O', 0, "two words", "'two words' ", "'two words' " },
        { 'O', 0, "'quoted", "\"'quoted\" ", "\"'quoted\" " },
        { 'W', 0, "king's bane", "\"king's bane\" ", "\"king's bane\" " },
        { 'X', 0, "fire", "'fire' ", "'fire'" },
        { 'X', 0, "", "'' ", "''" },
        { 'S', 0, "A glint.", "A glint.\n~ ", "A glint.\n~ " },
    };
    for (const auto& c : cases) {
        for (const size_t slot : { size_t(0), size_t(4) }) {
            const std::string where = std::string("kind ") + c.kind + " in value " + std::to_string(slot) + " «" + c.text + "»";
            SectionArea area(ObjectsConfig());
            CObjData obj = NewObject(area.tables, (slot ? "last_" : "first_") + std::string(1, c.kind - 'A' + 'a'));
            obj.values[slot] = c.number;
            obj.valueTexts[slot] = c.text;
            obj.valueTextEdited[slot] = true; // a text typed in the editor is formatted
            area.doc.objects.push_back(obj);
            const std::string written = area.Write(WriteObjects);
            const std::string values = slot ? "0 0 0 0 " + std::string(c.asLast) : c.asFirst + std::string("0 0 0 0 ");
            EXPECT_NE(written.find(" 0 0\n" + values + "\n10 5 100 P\n"), std::string::npos) << where << " gave:\n"
                                                                                             << written;

            SectionArea back(ObjectsConfig());
            ASSERT_TRUE(back.Read(ReadObjects, written)) << where;
            ASSERT_EQ(back.doc.objects.size(), 1u) << where;
            const CObjData& read = back.doc.objects[0];
            std::string text = read.valueTexts[slot];
            text.erase(text.find_last_not_of('\n') + 1); // a formatted text ends with a line feed
            EXPECT_EQ(read.values[slot], c.number) << where;
            EXPECT_EQ(text, c.text) << where;
            EXPECT_EQ(read.level, 10) << where << ": the values must leave the level line alone";
        }
    }
}

TEST(ObjectsSection, ATildeOrCarriageReturnInATextNeverReachesTheFile)
{
    SectionArea area(ObjectsConfig());
    CObjData obj = NewObject(area.tables, "weapon");
    obj.name = "bad~name", obj.shortDesc = "a\r\nb";
    area.doc.objects.push_back(obj);
    EXPECT_NE(area.Write(WriteObjects).find("#1001\nbadname~\na\nb~\n"), std::string::npos);
}

TEST(ObjectsSection, AffectsAreWrittenAsAOrFByWhereAndBits)
{
    // Without bits an affect is a plain apply; a kind past vulnerability has
    // no F letter and is saved as a plain apply, with a warning.
    const struct {
        int where;
        uint32_t bits;
        const char* written;
        int whereBack;
    } cases[] = {
        { 0, 0, "A\n17 -5\n", 0 },
        { 1, 0x02, "F\nA 17 -5 B\n", 1 },
        { 2, 0x02, "F\nI 17 -5 B\n", 2 },
        { 3, 0x06, "F\nR 17 -5 BC\n", 3 },
        { 4, 0x80000000u, "F\nV 17 -5 f\n", 4 },
        { 2, 0, "A\n17 -5\n", 0 },
        { 5, 0x04, "A\n17 -5\n", 0 },
    };
    for (const auto& c : cases) {
        const std::string where = "where " + std::to_string(c.where) + " bits " + std::to_string(c.bits);
        SectionArea area(ObjectsConfig());
        CObjData obj = NewObject(area.tables, "weapon");
        obj.affects.push_back({ c.where, 17, -5, c.bits });
        area.doc.objects.push_back(obj);
        const std::string written = area.Write(WriteObjects);
        EXPECT_NE(written.find(std::string("10 5 100 P\n") + c.written + "#0\n"), std::string::npos) << where << ":\n"
                                                                                                     << written;
        EXPECT_EQ(area.diagnostics.items.size(), c.where > 4 ? 1u : 0u) << where << "\n"
                                                                        << area.Reported();

        SectionArea back(ObjectsConfig());
        ASSERT_TRUE(back.Read(ReadObjects, written));
        ASSERT_EQ(back.doc.objects.at(0).affects.size(), 1u) << where;
        const CAffectData& a = back.doc.objects[0].affects[0];
        EXPECT_EQ(a.where, c.whereBack) << where;
        EXPECT_EQ(a.bits, c.whereBack ? c.bits : 0u) << where;
        EXPECT_TRUE(a.location == 17 && a.modifier == -5) << where;
    }
}

TEST(ObjectsSection, RecordLinesAreWrittenAffectsFirstAndStrayBytesWarnOnce)
{
    SectionArea area(ObjectsConfig());
    ASSERT_TRUE(area.Read(ReadObjects, ObjectBody("T 3001 AB 5 The train arrives.~ It leaves.~\n"
                                                  "E\nsword blade~\nthe blade\nis sharp.~\na\n1 2\nF\nQ 18 2 B\n#0\n")));
    const CObjData& obj = area.doc.objects.at(0);
    ASSERT_EQ(obj.affects.size(), 1u) << "a lower-case a is no affect";
    EXPECT_EQ(obj.affects[0].where, 0) << "an F line with an unknown kind letter is a plain apply";
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 14) << "the first skipped byte";
    EXPECT_NE(area.diagnostics.items[0].text.find("3 characters"), std::string::npos) << area.Reported();
    const std::string written = area.Write(WriteObjects);
    EXPECT_NE(written.find("10 5 100 P\nA\n18 2\nE\nsword blade~\nthe blade\nis sharp.~\n"
                           "T 3001 AB 5 The train arrives.~ It leaves.~\n#0\n\n\n\n"),
        std::string::npos)
        << written;
}

TEST(ObjectsSection, EndOfFileKeepsTheObjectBeingRead)
{
    const struct {
        const char* after;
        size_t affects;
    } cases[] = { { "", 0 }, { "A\n1 2\n", 1 }, { "E\nkey~\nunfinished", 0 } };
    for (const auto& c : cases) {
        SectionArea area(ObjectsConfig());
        ASSERT_TRUE(area.Read(ReadObjects, ObjectBody(c.after))) << c.after;
        ASSERT_EQ(area.doc.objects.size(), 1u) << "after «" << c.after << "»";
        EXPECT_EQ(area.doc.objects[0].affects.size(), c.affects) << c.after;
    }
}

TEST(ObjectsSection, UnknownTypeAbortsTheLoadWithAnErrorBox)
{
    SectionArea area(ObjectsConfig());
    EXPECT_FALSE(area.Read(ReadObjects, ObjectBody("#1002\nglowing orb~\nan orb~\nAn orb.~\nglass~\nGizmo 0 0\n0 0 0 0 0\n1 1 1 P\n#0\n")));
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    const CDiagnostic& d = area.diagnostics.items[0];
    EXPECT_EQ(d.severity, Severity::Error);
    EXPECT_TRUE(d.messageBox);
    EXPECT_EQ(d.title, "Error!");
    EXPECT_EQ(d.line, 14) << "the line of the type word";
    EXPECT_EQ(d.text.rfind("ERROR! Object glowing orb (1002) invalid type 'gizmo'! Add the type to\n", 0), 0u) << d.text;
    EXPECT_EQ(area.doc.objects.size(), 1u) << "the unknown object is not added";
}

// The writer never leaves what cannot be read back: objects of a type the
// configuration lacks are left out, a condition is cut to one letter.
TEST(ObjectsSection, WhatCannotBeWrittenAsItIsIsLeftOutOrCutWithOneWarningEach)
{
    SectionArea area(ObjectsConfig());
    const struct {
        int vnum, type;
        const char* condition;
    } objects[] = {
        { 1001, 999, "P" },
        { 1002, 5, "Good" },
        { 1003, 999, "P" },
        { 1004, 5, "" },
        { 1005, 5, " " },
    };
    for (const auto& o : objects) {
        area.doc.objects.push_back(NewObject(area.tables, "weapon"));
        area.doc.objects.back().vnum = o.vnum, area.doc.objects.back().itemType = o.type;
        area.doc.objects.back().condition = o.condition;
    }
    const std::string written = area.Write(WriteObjects);
    EXPECT_EQ(written.find("#1001"), std::string::npos);
    EXPECT_EQ(written.find("#1003"), std::string::npos);
    EXPECT_NE(written.find("10 5 100 G\n#1004\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\n#1005\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\n#0\n"), std::string::npos) << written;
    ASSERT_EQ(area.diagnostics.items.size(), 2u) << area.Reported();
    EXPECT_NE(area.diagnostics.items[0].text.find("1001, 1003"), std::string::npos) << area.Reported();
    EXPECT_NE(area.diagnostics.items[1].text.find("1002, 1004, 1005"), std::string::npos) << area.Reported();
}
