#include "SmallSectionsFixture.h"

#include "area/TextWriter.h"

namespace {

std::string Describe(const std::vector<CResetData>& list)
{
    std::string all;
    for (const CResetData& r : list)
        all += Format("%c %d %d %d %d\n", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 });
    return all;
}

} // namespace

TEST(ResetsSection, DistributesIntoRoomsAndSavesRoomByRoom)
{
    SmallSections s;
    s.AddRoom(3001);
    s.AddRoom(3002);
    s.Read(ReadResets, "M 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nS");
    s.doc.DistributeResets(&s.diagnostics);
    EXPECT_EQ(Describe(s.doc.rooms[0].resets), "M 3000 1 3001 1\nG 3005 -1 0 0\n");
    EXPECT_EQ(Describe(s.doc.rooms[1].resets), "O 3010 1 3002 0\n");
    EXPECT_EQ(s.doc.resets.size(), 3u) << "the document-wide list is left as read";
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nM 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nS\n\n\n\n");

    SmallSections empty;
    EXPECT_EQ(empty.Read(ReadResets, "S\n#$\n"), "\n#$\n");
    EXPECT_EQ(empty.Write(WriteResets), "#RESETS\nS\n\n\n\n");
}

// Each command carries its own number of arguments; whatever follows the last
// one on its line is a comment, as the game reads it.
TEST(ResetsSection, EachCommandReadsItsArgumentsAndTheRestOfTheLineIsAComment)
{
    const char* const cases[][3] = {
        { "M 0 3011   1 3001  1\t* Hassan", "M 3011 1 3001 1", "M 0 3011 1 3001 1" },
        { "m 0 3000 1 3001 1", "M 3000 1 3001 1", "M 0 3000 1 3001 1" },
        { "O 0 3200   -1 3003  1", "O 3200 -1 3003 0", "O 0 3200 -1 3003" },
        { "P 1 3010 -1 3011 1 * in the chest", "P 3010 -1 3011 1", "P 0 3010 -1 3011 1" },
        { "G 1 3040  -1     \t*   a scroll", "G 3040 -1 0 0", "G 0 3040 -1" },
        { "e 1 3005   1   16\t*   Hassan's scimitar", "E 3005 1 16 0", "E 0 3005 1 16" },
        { "D 0 3001 0 1 the door", "D 3001 0 1 0", "D 0 3001 0 1" },
        { "R 0 3001 6 shuffle 7 8", "R 3001 6 0 0", "R 0 3001 6" },
        { "O 0 3010 1 3054\r", "O 3010 1 3054 0", "O 0 3010 1 3054" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        SmallSections s;
        EXPECT_EQ(s.Read(ReadResets, std::string(c[0]) + "\nS\n#SHOPS\n"), "\n#SHOPS\n") << "the section must end at its S";
        EXPECT_EQ(Describe(s.doc.resets), std::string(c[1]) + "\n") << "the comment must not be read as resets";
        EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
        EXPECT_EQ(s.Write(WriteResets), std::string("#RESETS\n") + c[2] + "\nS\n\n\n\n");
    }
}

TEST(ResetsSection, CommentLinesAreSkippedAndEveryResetKeepsItsLine)
{
    SmallSections s;
    s.Read(ReadResets, "* first comment\nM 0 1 2 3 4\r\n*\nO 0 5 6 7\n\n  * indented comment\ng 0 8 9\ns\n");
    EXPECT_EQ(Describe(s.doc.resets), "M 1 2 3 4\nO 5 6 7 0\nG 8 9 0 0\n");
    EXPECT_EQ(s.doc.resetLines, (std::vector<int> { 2, 4, 7 }));
}

TEST(ResetsSection, RebuildGoesRoomByRoomAndPointsRoomArgumentsAtTheHoldingRoom)
{
    SmallSections s;
    s.AddRoom(3002);
    s.AddRoom(3001);
    s.doc.rooms[1].resets = { { 'M', 3000, 1, 9, 2 }, { 'E', 3005, 1, 16, 0 }, { 'D', 9, 0, 1, 0 } };
    s.doc.rooms[0].resets = { { 'O', 3010, 1, 9, 0 }, { 'P', 3011, -1, 3010, 1 }, { 'R', 9, 6, 0, 0 }, { 'G', 3007, -1, 0, 0 } };
    s.doc.resets = { { 'M', 1, 1, 1, 1 } };
    s.doc.resetLines = { 5 };

    s.doc.RebuildResets();
    EXPECT_EQ(Describe(s.doc.resets),
        "O 3010 1 3002 0\nP 3011 -1 3010 1\nR 3002 6 0 0\nG 3007 -1 0 0\n"
        "M 3000 1 3001 2\nE 3005 1 16 0\nD 3001 0 1 0\n")
        << "rooms in list order; only the room argument of M, O, D and R changes";
    EXPECT_TRUE(s.doc.resetLines.empty()) << "lines of the old list must not stick to the rebuilt one";
}

TEST(ResetsSection, ResetsOfOtherAreasAreKeptWarnedOnceAndSavedAfterTheRooms)
{
    SmallSections s;
    s.AddRoom(3001);
    s.Read(ReadResets, "M 0 3000 1 9999 1\nG 0 3005 -1\nM 0 3001 1 3001 1\nE 0 3006 1 16\nD 0 8888 0 1\nS\n");
    s.doc.DistributeResets(&s.diagnostics);
    EXPECT_EQ(Describe(s.doc.rooms[0].resets), "M 3001 1 3001 1\nE 3006 1 16 0\n");
    EXPECT_EQ(Describe(s.doc.strayResets), "M 3000 1 9999 1\nG 3005 -1 0 0\nD 8888 0 1 0\n");
    EXPECT_EQ(s.doc.resets.size(), 5u) << "the document-wide list keeps the file's order";
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << "one warning for all of them:\n" << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Warnings();

    s.doc.DistributeResets();
    EXPECT_EQ(s.doc.strayResets.size(), 3u) << "distributing again must not pile the strays up";
    EXPECT_EQ(s.doc.rooms[0].resets.size(), 2u) << "nor the rooms' resets";

    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nM 0 3001 1 3001 1\nE 0 3006 1 16\nM 0 3000 1 9999 1\nG 0 3005 -1\nD 0 8888 0 1\nS\n\n\n\n");
}

// A G before any room reset arms no mob in the game; written after the rooms'
// resets it would arm the last mob of the last room.
TEST(ResetsSection, ResetsBeforeAnyRoomResetStayAtTheTop)
{
    SmallSections s;
    s.AddRoom(3001);
    s.Read(ReadResets, "G 0 3005 -1\nE 0 3006 1 5\nM 0 3000 1 3001 1\nO 0 7 0 9999\nP 0 8 -1 7 1\nS\n");
    s.doc.DistributeResets(&s.diagnostics);
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nG 0 3005 -1\nE 0 3006 1 5\nM 0 3000 1 3001 1\nO 0 7 0 9999\nP 0 8 -1 7 1\nS\n\n\n\n");
}

TEST(ResetsSection, UnknownCommandsAndShortLinesAreWarnedAbout)
{
    SmallSections s;
    s.AddRoom(3001);
    s.Read(ReadResets, "M 0 3000 1 3001 1\nX 0 1 2 3\nG 0 3005\nO 0 3010 1 3001\nS\n");
    ASSERT_EQ(s.diagnostics.items.size(), 2u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 2);
    EXPECT_NE(s.diagnostics.items[0].text.find("'X'"), std::string::npos) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[1].line, 3) << "the G took its limit from the next line";

    s.doc.DistributeResets(&s.diagnostics);
    EXPECT_EQ(s.diagnostics.items.size(), 2u) << "an unknown command is no stray reset:\n" << s.Warnings();
    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nM 0 3000 1 3001 1\nG 0 3005 0\nS\n\n\n\n")
        << "the unknown command is never written";
}

TEST(ResetsSection, LoadDistributesAndWarnsAboutStraysOnce)
{
    SmallSections s;
    s.AddRoom(3001);
    std::istringstream file("#RESETS\nM 0 3000 1 3001 1\nO 0 3010 1 4000\nO 0 3011 1 4001\nS\n#$\n");
    ASSERT_TRUE(s.doc.Load(file, s.diagnostics));
    EXPECT_EQ(s.doc.rooms[0].resets.size(), 1u);
    EXPECT_EQ(s.doc.strayResets.size(), 2u);
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 3);
}
