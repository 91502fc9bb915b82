#include "SmallSectionsFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Describe(const CResetData& r)
{
    return std::string(1, r.command) + " " + std::to_string(r.arg1) + " " + std::to_string(r.arg2) + " "
        + std::to_string(r.arg3) + " " + std::to_string(r.arg4);
}

std::string Describe(const std::vector<CResetData>& list)
{
    std::string all;
    for (const CResetData& r : list)
        all += Describe(r) + "\n";
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
}

// Each command carries its own number of arguments; whatever follows the last
// one on its line is a comment, as the game reads it.
TEST(ResetsSection, EachCommandReadsItsArgumentsAndTheRestOfTheLineIsAComment)
{
    struct Case {
        const char* line;
        const char* read;
        const char* written;
    };
    const Case cases[] = {
        { "M 0 3011   1 3001  1\t* Hassan", "M 3011 1 3001 1", "M 0 3011 1 3001 1\n" },
        { "m 0 3000 1 3001 1", "M 3000 1 3001 1", "M 0 3000 1 3001 1\n" },
        { "O 0 3200   -1 3003  1", "O 3200 -1 3003 0", "O 0 3200 -1 3003\n" },
        { "P 1 3010 -1 3011 1 * in the chest", "P 3010 -1 3011 1", "P 0 3010 -1 3011 1\n" },
        { "G 1 3040  -1     \t*   a scroll of identify", "G 3040 -1 0 0", "G 0 3040 -1\n" },
        { "e 1 3005   1   16\t*   Hassan's scimitar", "E 3005 1 16 0", "E 0 3005 1 16\n" },
        { "D 0 3001 0 1 the door", "D 3001 0 1 0", "D 0 3001 0 1\n" },
        { "R 0 3001 6 shuffle 7 8", "R 3001 6 0 0", "R 0 3001 6\n" },
        { "O 0 3010 1 3054\r", "O 3010 1 3054 0", "O 0 3010 1 3054\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SmallSections s;
        const std::string rest = s.Read(ReadResets, std::string(c.line) + "\nS\n#SHOPS\n");
        ASSERT_EQ(s.doc.resets.size(), 1u) << "the comment was read as resets:\n" << Describe(s.doc.resets);
        EXPECT_EQ(Describe(s.doc.resets[0]), c.read);
        EXPECT_EQ(rest, "\n#SHOPS\n") << "the section must end right after its S";
        EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
        EXPECT_EQ(s.Write(WriteResets), std::string("#RESETS\n") + c.written + "S\n\n\n\n");
    }
}

TEST(ResetsSection, CommentLinesAreSkippedAndEveryResetKeepsItsLine)
{
    SmallSections s;
    s.Read(ReadResets, "* first comment\nM 0 1 2 3 4\r\n*\nO 0 5 6 7\n\n  * indented comment\ng 0 8 9\ns\n");
    EXPECT_EQ(Describe(s.doc.resets), "M 1 2 3 4\nO 5 6 7 0\nG 8 9 0 0\n");
    EXPECT_EQ(s.doc.resetLines, (std::vector<int> { 2, 4, 7 }));
}

TEST(ResetsSection, EmptyListWritesOnlyTheEnd)
{
    SmallSections s;
    s.AddRoom(3001);
    const std::string rest = s.Read(ReadResets, "S\n#$\n");
    EXPECT_EQ(rest, "\n#$\n");
    s.doc.DistributeResets(&s.diagnostics);
    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nS\n\n\n\n");
    EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
}

TEST(ResetsSection, RebuildGoesRoomByRoomAndPointsRoomArgumentsAtTheHoldingRoom)
{
    SmallSections s;
    s.AddRoom(3002);
    s.AddRoom(3001);
    s.doc.rooms[1].resets = {
        { 'M', 3000, 1, 9, 2 }, { 'E', 3005, 1, 16, 0 }, { 'D', 9, 0, 1, 0 },
    };
    s.doc.rooms[0].resets = {
        { 'O', 3010, 1, 9, 0 }, { 'P', 3011, -1, 3010, 1 }, { 'R', 9, 6, 0, 0 }, { 'G', 3007, -1, 0, 0 },
    };
    s.doc.resets = { { 'M', 1, 1, 1, 1 } };
    s.doc.resetLines = { 5 };

    s.doc.RebuildResets();
    EXPECT_EQ(Describe(s.doc.resets),
        "O 3010 1 3002 0\nP 3011 -1 3010 1\nR 3002 6 0 0\nG 3007 -1 0 0\n"
        "M 3000 1 3001 2\nE 3005 1 16 0\nD 3001 0 1 0\n")
        << "rooms in list order; only the room argument of M, O, D and R changes";
    EXPECT_TRUE(s.doc.resetLines.empty()) << "lines of the old list must not stick to the rebuilt one";
    EXPECT_EQ(s.doc.rooms[1].resets[0].arg3, 9) << "the room's own records are not touched";
}

TEST(ResetsSection, ResetsOfOtherAreasAreKeptWarnedOnceAndSavedAfterTheRooms)
{
    SmallSections s;
    s.AddRoom(3001);
    s.Read(ReadResets,
        "M 0 3000 1 9999 1\n"   // another area's room
        "G 0 3005 -1\n"
        "M 0 3001 1 3001 1\n"
        "E 0 3006 1 16\n"
        "D 0 8888 0 1\n"
        "S\n");
    s.doc.DistributeResets(&s.diagnostics);

    EXPECT_EQ(Describe(s.doc.rooms[0].resets), "M 3001 1 3001 1\nE 3006 1 16 0\n");
    EXPECT_EQ(Describe(s.doc.strayResets), "M 3000 1 9999 1\nG 3005 -1 0 0\nD 8888 0 1 0\n");
    EXPECT_EQ(s.doc.resets.size(), 5u) << "the document-wide list keeps the file's order";
    ASSERT_EQ(s.diagnostics.items.size(), 1u) << "one warning for all of them:\n" << s.Warnings();
    EXPECT_EQ(s.diagnostics.items[0].line, 1);
    EXPECT_NE(s.diagnostics.items[0].text.find(": 3 (the first at line 1)"), std::string::npos) << s.Warnings();

    s.doc.RebuildResets();
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nM 0 3001 1 3001 1\nE 0 3006 1 16\n"
        "M 0 3000 1 9999 1\nG 0 3005 -1\nD 0 8888 0 1\nS\n\n\n\n");

    s.doc.DistributeResets();
    EXPECT_EQ(s.doc.strayResets.size(), 3u) << "distributing again must not pile the strays up";
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

// Every reset line of the ROM areas, comment or trailing number after it or
// not, gives exactly one reset, and writing them back reads the same.
TEST(ResetsSection, RomAreasGiveOneResetPerLineAndRoundTrip)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not here";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        const std::string name = entry.path().filename().string();
        const std::string body = RomSectionBody(name, "#RESETS");
        if (body.empty())
            continue;
        SCOPED_TRACE(name);
        ++files;
        size_t expected = 0;
        for (const std::string& line : LinesUntil(body, [](const std::string& l) { return l.rfind("S", 0) == 0; }))
            if (line.find_first_not_of(" \t\r") != std::string::npos && line[line.find_first_not_of(" \t")] != '*')
                ++expected;

        SmallSections s;
        const std::string rest = s.Read(ReadResets, body);
        EXPECT_EQ(s.doc.resets.size(), expected);
        EXPECT_TRUE(s.diagnostics.items.empty()) << s.Warnings();
        EXPECT_EQ(rest.find_first_not_of(" \t\r\n"), rest.find('#')) << "the section must end at its S";

        const std::string written = s.Write(WriteResets);
        SmallSections again;
        again.Read(ReadResets, written.substr(std::string("#RESETS\n").size()));
        EXPECT_EQ(Describe(again.doc.resets), Describe(s.doc.resets));
    }
    EXPECT_GT(files, 30);

    SmallSections midgaard;
    midgaard.Read(ReadResets, RomSectionBody("midgaard.are", "#RESETS"));
    const std::string all = Describe(midgaard.doc.resets);
    EXPECT_NE(all.find("O 3200 -1 3003 0\n"), std::string::npos) << "the fifth number must be dropped";
}
