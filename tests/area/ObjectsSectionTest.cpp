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

// The writer never leaves what cannot be read back: objects of a type the
// configuration lacks are left out, a condition is cut to one letter, an
// affect of a kind past vulnerability, which has no F letter, is a plain
// apply. What the file's affects and record lines become is the
// object-records golden case.
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
    area.doc.objects.back().affects.push_back({ 5, 17, -5, 0x04 });
    const std::string written = area.Write(WriteObjects);
    EXPECT_EQ(written.find("#1001"), std::string::npos);
    EXPECT_EQ(written.find("#1003"), std::string::npos);
    EXPECT_NE(written.find("10 5 100 G\n#1004\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\n#1005\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\nA\n17 -5\n#0\n"), std::string::npos) << written;
    ASSERT_EQ(area.diagnostics.items.size(), 3u) << area.Reported();
    EXPECT_NE(area.diagnostics.items[0].text.find("1001, 1003"), std::string::npos) << area.Reported();
    EXPECT_NE(area.diagnostics.items[1].text.find("plain applies without their flags. Objects: 1005."), std::string::npos) << area.Reported();
    EXPECT_NE(area.diagnostics.items[2].text.find("1002, 1004, 1005"), std::string::npos) << area.Reported();
}
