#include "SectionFixture.h"
#include "text/TextWriter.h"

namespace {

std::string Describe(const std::vector<CResetData>& list)
{
    std::string all;
    for (const CResetData& r : list)
        all += Format("%c %d %d %d %d\n", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 });
    return all;
}

// An area with rooms of the given vnums whose resets section is `body`.
void ReadInto(SectionArea& s, std::initializer_list<int> rooms, const std::string& body)
{
    for (int vnum : rooms)
        s.doc.rooms.emplace_back().vnum = vnum;
    EXPECT_TRUE(s.Read(ReadResets, body));
}

} // namespace

TEST(ResetsSection, DistributesIntoRoomsAndRebuildsRoomByRoomPointingAtTheHoldingRoom)
{
    SectionArea s;
    ReadInto(s, { 3001, 3002 }, "M 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nS");
    s.doc.DistributeResets(&s.diagnostics);
    EXPECT_EQ(Describe(s.doc.rooms[0].resets), "M 3000 1 3001 1\nG 3005 -1 0 0\n");
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Reported();
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nM 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nS\n\n\n\n");

    // Rebuilt in the rooms' list order; only the room argument of M, O, D and R
    // is set to the room that holds the reset.
    std::swap(s.doc.rooms[0], s.doc.rooms[1]);
    s.doc.rooms[0].resets[0].arg3 = 9, s.doc.rooms[1].resets[0].arg3 = 9;
    s.doc.rooms[0].resets.insert(s.doc.rooms[0].resets.end(), { { 'P', 3011, -1, 3010, 1 }, { 'R', 9, 6, 0, 0 } });
    s.doc.rooms[1].resets.insert(s.doc.rooms[1].resets.end(), { { 'E', 3005, 1, 16, 0 }, { 'D', 9, 0, 1, 0 } });
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nO 0 3010 1 3002\nP 0 3011 -1 3010 1\nR 0 3002 6\n"
        "M 0 3000 1 3001 1\nG 0 3005 -1\nE 0 3005 1 16\nD 0 3001 0 1\nS\n\n\n\n");
}

// Each command carries its own number of arguments; whatever follows the last
// one on its line is a comment, as the game reads it. `*` lines are comments.
TEST(ResetsSection, EachCommandReadsItsArgumentsAndTheRestOfTheLineIsAComment)
{
    const char* const cases[][3] = {
        { "M 0 3011   1 3001  1\t* Hassan", "M 3011 1 3001 1", "M 0 3011 1 3001 1" },
        { "O 0 3200   -1 3003  1", "O 3200 -1 3003 0", "O 0 3200 -1 3003" },
        { "* a comment line\nG 1 3040  -1     \t*   a scroll", "G 3040 -1 0 0", "G 0 3040 -1" },
        { "e 1 3005   1   16\t*   Hassan's scimitar", "E 3005 1 16 0", "E 0 3005 1 16" },
        { "* nothing but a comment", "", "" },
        { "*\n  * indented\nR 0 3001 6 shuffle 7 8", "R 3001 6 0 0", "R 0 3001 6" },
        { "O 0 3010 1 3054\r", "O 3010 1 3054 0", "O 0 3010 1 3054" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        SectionArea s;
        ReadInto(s, {}, std::string(c[0]) + "\ns\n#SHOPS\n");
        EXPECT_EQ(s.rest, "\n#SHOPS\n") << "the section must end at its S";
        EXPECT_EQ(Describe(s.doc.resets), c[1] + std::string(*c[1] ? "\n" : "")) << "the comment must not be read as resets";
        EXPECT_TRUE(s.diagnostics.items.empty()) << s.Reported();
        s.doc.DistributeResets();
        EXPECT_EQ(s.Write(WriteResets), std::string("#RESETS\n") + c[2] + (*c[2] ? "\n" : "") + "S\n\n\n\n");
    }
}

// Resets naming a room of another area are kept and written after the rooms'
// own; those before any room reset stay at the top, where a G or E arms no mob.
// An unknown command is warned about, never written, and no stray.
TEST(ResetsSection, ResetsOfOtherAreasAreKeptWarnedOnceAndSaved)
{
    SectionArea s;
    ReadInto(s, { 3001 },
        "* strays\nG 0 3004 -1\nM 0 3000 1 9999 1\nX 0 1 2 3\nG 0 3005 -1\nM 0 3001 1 3001 1\n"
        "E 0 3006 1 16\nD 0 8888 0 1\nS\n");
    s.doc.DistributeResets(&s.diagnostics);
    EXPECT_EQ(Describe(s.doc.strayResets), "G 3004 -1 0 0\nM 3000 1 9999 1\nG 3005 -1 0 0\nD 8888 0 1 0\n");
    ASSERT_EQ(s.diagnostics.items.size(), 2u) << "one warning for the X, one for all the strays:\n"
                                              << s.Reported();
    EXPECT_NE(s.diagnostics.items[0].text.find("line 4 has the unknown command 'X'"), std::string::npos) << s.Reported();
    EXPECT_NE(s.diagnostics.items[1].text.find(": 4 (the first at line 2)"), std::string::npos) << s.Reported();

    s.doc.DistributeResets();
    EXPECT_TRUE(s.doc.strayResets.size() == 4 && s.doc.rooms[0].resets.size() == 2) << "distributing again piled resets up";
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nG 0 3004 -1\nM 0 3001 1 3001 1\nE 0 3006 1 16\nM 0 3000 1 9999 1\nG 0 3005 -1\nD 0 8888 0 1\nS\n\n\n\n");
}

TEST(ResetsSection, ShortLineTakesNumbersFromTheNextLineWithAWarning)
{
    SectionArea s;
    ReadInto(s, {}, "G 0 3005\nO 0 3010 1 3001\nS\n");
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Reported();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    s.doc.DistributeResets();
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nG 0 3005 0\nS\n\n\n\n");
}
