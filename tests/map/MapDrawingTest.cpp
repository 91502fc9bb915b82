#include "area/CTolvexDoc.h"
#include "map/MapDrawing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Text(CMapColor c)
{
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

std::string Text(const std::vector<CMapPoint>& points)
{
    std::string s;
    for (const CMapPoint& p : points)
        s += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    return s;
}

// Writes every primitive as one line of text, so a failure shows what was drawn.
class CRecordingCanvas : public IMapCanvas {
public:
    void FillRect(int left, int top, int right, int bottom, CMapColor color) override
    {
        ops.push_back("fill" + Text({ { left, top }, { right, bottom } }) + " " + Text(color));
    }
    void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) override
    {
        ops.push_back("line" + Text(points) + " " + Text(color) + " w" + std::to_string(penWidth));
    }
    void Polygon(const std::vector<CMapPoint>& points, CMapColor color) override
    {
        ops.push_back("poly" + Text(points) + " " + Text(color));
    }
    void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) override
    {
        ops.push_back("ellipse" + Text({ { left, top }, { right, bottom } }) + " " + Text(color) + " w"
            + std::to_string(penWidth));
    }
    void Disc(int cx, int cy, int radius, CMapColor color) override
    {
        ops.push_back("disc" + Text({ { cx, cy } }) + " r" + std::to_string(radius) + " " + Text(color));
    }

    std::string All() const
    {
        std::string s;
        for (const std::string& op : ops)
            s += op + "\n";
        return s;
    }

    std::vector<std::string> ops;
};

const std::string Green = "(0,180,0)";
const std::string Yellow = "(200,200,0)";
const std::string Red = "(200,0,0)";
const std::string Grey = "(210,210,210)";
const std::string City = "(240,200,120)";
const std::string Inside = "(210,210,210)";

constexpr uint32_t DoorBit = 1u << 0;
constexpr uint32_t LockedBit = 1u << 2;

// An area whose rooms are placed by hand, on tables with door bit A, lock bit
// C and two sector colours (0 and 1).
class MapDrawingTest : public ::testing::Test {
protected:
    MapDrawingTest()
    {
        tables.isDoor = DoorBit;
        tables.locked = LockedBit;
        AddSectorColor(0, 210, 210, 210);
        AddSectorColor(1, 240, 200, 120);
    }

    void AddSectorColor(int sector, int r, int g, int b)
    {
        CSectorColorEntry e;
        e.sector = sector;
        e.red = r;
        e.green = g;
        e.blue = b;
        tables.sectorColors.Append(e);
    }

    // Adds a placed city room; returns its index.
    int Room(int vnum, int x, int y, int level = 0)
    {
        CRoomData r;
        r.vnum = vnum;
        r.name = "Room " + std::to_string(vnum);
        r.sector = 1;
        r.x = x;
        r.y = y;
        r.level = level;
        r.unplaced = false;
        doc.rooms.push_back(r);
        return static_cast<int>(doc.rooms.size()) - 1;
    }

    void Exit(int room, int dir, int toVnum, uint32_t flags = 0)
    {
        CExitData& e = doc.rooms[static_cast<size_t>(room)].exits[static_cast<size_t>(dir)];
        e.toVnum = toVnum;
        e.exitFlags = flags;
    }

    std::vector<std::string> Draw(int level, int selected = -1, int c = 12, bool ghost = false)
    {
        CRecordingCanvas canvas;
        DrawLevel(canvas, doc, level, selected, c, 0, 0, ghost);
        return canvas.ops;
    }

    // The primitives drawn for the exits of the room first in the list (its box is the first op).
    std::vector<std::string> ExitOps(int level, int c = 12, bool ghost = false)
    {
        std::vector<std::string> ops = Draw(level, -1, c, ghost);
        std::vector<std::string> exits;
        for (size_t i = 1; i < ops.size() && !IsBox(ops[i]); ++i)
            exits.push_back(ops[i]);
        return exits;
    }

    // A filled box, or a ghost outline (the only line with five points).
    static bool IsBox(const std::string& op)
    {
        if (op.rfind("fill", 0) == 0)
            return true;
        std::istringstream words(op);
        std::string word;
        int points = 0;
        while (words >> word)
            if (word[0] != '(' && word.find(',') != std::string::npos)
                ++points;
        return op.rfind("line", 0) == 0 && points == 5;
    }

    static std::string Join(const std::vector<std::string>& ops)
    {
        std::string s;
        for (const std::string& op : ops)
            s += op + "\n";
        return s;
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
};

TEST_F(MapDrawingTest, NorthExitAtCellTwelveRunsBetweenTheBoxesWithItsTipOnTheFarBox)
{
    // Rooms 48 apart; the line leaves 3 above the lower box (y - 15), bends at
    // y - 18 and y - 30, ends 3 below the upper box (y - 33), tip at y - 36.
    const int a = Room(100, 36, 84);
    Room(101, 36, 36);
    Exit(a, DirNorth, 101);
    const std::string expected = "fill 24,72 48,96 " + City + "\n"
        + "line 36,69 36,66 36,54 36,51 " + Green + " w1\n"
        + "poly 32,52 36,48 40,52 " + Green + "\n"
        + "fill 24,24 48,48 " + City + "\n";
    EXPECT_EQ(Join(Draw(0)), expected);
}

TEST_F(MapDrawingTest, ExitLinesAndArrowheadsInEveryCompassDirection)
{
    struct Case {
        int dir;
        int tx, ty;
        std::string line;
        std::string arrow;
    };
    const Case cases[] = {
        { DirNorth, 84, 36, "line 84,69 84,66 84,54 84,51", "poly 80,52 84,48 88,52" },
        { DirEast, 132, 84, "line 99,84 102,84 114,84 117,84", "poly 116,80 120,84 116,88" },
        { DirSouth, 84, 132, "line 84,99 84,102 84,114 84,117", "poly 80,116 84,120 88,116" },
        { DirWest, 36, 84, "line 69,84 66,84 54,84 51,84", "poly 52,88 48,84 52,80" },
        // Not in line: the middle segment slants, the ends stay straight.
        { DirEast, 132, 132, "line 99,84 102,84 114,132 117,132", "poly 116,128 120,132 116,136" },
    };
    for (const Case& c : cases) {
        doc.rooms.clear();
        const int r = Room(1, 84, 84);
        Room(2, c.tx, c.ty);
        Exit(r, c.dir, 2);
        EXPECT_EQ(Join(ExitOps(0)), c.line + " " + Green + " w1\n" + c.arrow + " " + Green + "\n")
            << "direction " << c.dir;
    }
}

TEST_F(MapDrawingTest, ExitToAnotherLevelIsAStubOfThreeAndAHalfCellsEndingInADisc)
{
    struct Case {
        int dir;
        std::string ops;
    };
    // E = centre moved 42; P3 sits 15 short of it; disc radius 3k/2 = 4.
    const Case cases[] = {
        { DirNorth, "line 84,69 84,66 84,60 84,57 " + Green + " w1\ndisc 84,57 r4 " + Green + "\n" },
        { DirEast, "line 99,84 102,84 108,84 111,84 " + Green + " w1\ndisc 111,84 r4 " + Green + "\n" },
        { DirSouth, "line 84,99 84,102 84,108 84,111 " + Green + " w1\ndisc 84,111 r4 " + Green + "\n" },
        { DirWest, "line 69,84 66,84 60,84 57,84 " + Green + " w1\ndisc 57,84 r4 " + Green + "\n" },
    };
    for (const Case& c : cases) {
        doc.rooms.clear();
        const int r = Room(1, 84, 84);
        Room(2, 500, 900, 1); // its position must not matter
        Exit(r, c.dir, 2);
        EXPECT_EQ(Join(ExitOps(0)), c.ops) << "direction " << c.dir;
    }
}

TEST_F(MapDrawingTest, ExitColourFollowsLockThenDoorAndGhostIsAlwaysGrey)
{
    struct Case {
        uint32_t flags;
        bool ghost;
        std::string colour;
    };
    const Case cases[] = {
        { 0, false, Green },
        { 1u << 5, false, Green },
        { DoorBit, false, Yellow },
        { LockedBit, false, Red },
        { DoorBit | LockedBit, false, Red },
        { DoorBit | LockedBit, true, Grey },
    };
    for (const Case& c : cases) {
        doc.rooms.clear();
        const int r = Room(1, 84, 84);
        Room(2, 132, 84);
        Exit(r, DirEast, 2, c.flags);
        const std::vector<std::string> ops = ExitOps(0, 12, c.ghost);
        ASSERT_EQ(ops.size(), 2u) << Join(ops);
        EXPECT_NE(ops[0].find(c.colour), std::string::npos) << "flags " << c.flags << ": " << ops[0];
        EXPECT_NE(ops[1].find(c.colour), std::string::npos) << "flags " << c.flags << ": " << ops[1];
    }
}

TEST_F(MapDrawingTest, UpAndDownExitsAreTrianglesRightOfTheBoxWhateverTheLevel)
{
    const int r = Room(1, 84, 84);
    Room(2, 84, 84, 1);
    Room(3, 36, 84, 0); // a "down" that stays on the level still shows its mark
    Exit(r, DirUp, 2, DoorBit);
    Exit(r, DirDown, 3);
    EXPECT_EQ(Join(ExitOps(0)),
        "poly 98,78 104,78 101,72 " + Yellow + "\n" + "poly 98,90 104,90 101,96 " + Green + "\n");
}

TEST_F(MapDrawingTest, ExitIntoTheRoomItselfIsALoopBesideTheBoxWithAnArrowBack)
{
    struct Case {
        int dir;
        std::string ops;
    };
    const Case cases[] = {
        { DirNorth, "ellipse 78,50 90,68 " + Green + " w1\npoly 80,68 84,72 88,68 " + Green + "\n" },
        { DirEast, "ellipse 100,78 118,90 " + Green + " w1\npoly 100,88 96,84 100,80 " + Green + "\n" },
        { DirSouth, "ellipse 78,100 90,118 " + Green + " w1\npoly 80,100 84,96 88,100 " + Green + "\n" },
        { DirWest, "ellipse 50,78 68,90 " + Green + " w1\npoly 68,80 72,84 68,88 " + Green + "\n" },
    };
    for (const Case& c : cases) {
        doc.rooms.clear();
        const int r = Room(7, 84, 84);
        Exit(r, c.dir, 7);
        EXPECT_EQ(Join(ExitOps(0)), c.ops) << "direction " << c.dir;
    }
}

TEST_F(MapDrawingTest, ExitsToADuplicatedVnumLeadToTheFirstRoomWithIt)
{
    const int a = Room(1, 36, 84);
    Room(7, 84, 84);
    const int later = Room(7, 84, 36);
    doc.rooms[static_cast<size_t>(later)].unplaced = true;
    Exit(a, DirEast, 7);
    EXPECT_EQ(Join(ExitOps(0)), "line 51,84 54,84 66,84 69,84 " + Green + " w1\npoly 68,80 72,84 68,88 " + Green + "\n");

    // From the later room, its own vnum finds the first: an exit into itself.
    doc.rooms[static_cast<size_t>(later)].unplaced = false;
    Exit(later, DirNorth, 7);
    const std::vector<std::string> ops = Draw(0);
    ASSERT_EQ(ops.size(), 7u) << Join(ops);
    EXPECT_EQ(ops[5].rfind("ellipse 78,2 90,20", 0), 0u) << Join(ops);
}

TEST_F(MapDrawingTest, SelectedRoomShowsBlackEdgeAndWhiteRingButNotOnTheGhostLevel)
{
    Room(1, 36, 36);
    const int s = Room(2, 84, 84);
    EXPECT_EQ(Join(Draw(0, s)),
        "fill 24,24 48,48 " + City + "\n" + "fill 72,72 96,96 (0,0,0)\n" + "fill 73,73 95,95 (255,255,255)\n"
            + "fill 74,74 94,94 " + City + "\n");
    EXPECT_EQ(Join(Draw(0, s, 12, true)),
        "line 24,24 48,24 48,48 24,48 24,24 " + Grey + " w1\n" + "line 72,72 96,72 96,96 72,96 72,72 " + Grey
            + " w1\n");
}

TEST_F(MapDrawingTest, OnlyPlacedRoomsOfTheLevelAndExitsToPlacedRoomsAreDrawn)
{
    const int a = Room(1, 84, 84);
    const int hidden = Room(2, 36, 84);
    doc.rooms[static_cast<size_t>(hidden)].unplaced = true;
    Room(3, 36, 36, 1);
    Exit(a, DirWest, 2);    // unplaced target
    Exit(a, DirNorth, 999); // no such room
    Exit(a, DirSouth, 0);
    EXPECT_EQ(Join(Draw(0)), "fill 72,72 96,96 " + City + "\n");
    EXPECT_EQ(Join(Draw(1)), "fill 24,24 48,48 " + City + "\n");
}

TEST_F(MapDrawingTest, SectorColourComesFromTheTableOrItsFirstEntry)
{
    struct Case {
        int sector;
        std::string colour;
    };
    AddSectorColor(5, 256 + 10, 512 + 20, 30); // only the low 8 bits count
    const Case cases[] = { { 1, City }, { 0, Inside }, { 5, "(10,20,30)" }, { -1, Inside }, { 42, Inside } };
    for (const Case& c : cases) {
        doc.rooms.clear();
        const int r = Room(1, 36, 36);
        doc.rooms[static_cast<size_t>(r)].sector = c.sector;
        EXPECT_EQ(Join(Draw(0)), "fill 24,24 48,48 " + c.colour + "\n") << "sector " << c.sector;
    }
}

TEST_F(MapDrawingTest, DrawMapDrawsTheLevelBelowAsGhostAThirdOfACellUpAndLeftFirst)
{
    const int below = Room(1, 36, 36, 0);
    Room(2, 84, 36, 0);
    Room(3, 36, 36, 1);
    Exit(below, DirEast, 2, LockedBit);
    doc.cellSize = 12;
    CRecordingCanvas canvas;
    DrawMap(canvas, doc, 1, 2);
    EXPECT_EQ(canvas.All(),
        "line 20,20 44,20 44,44 20,44 20,20 " + Grey + " w1\n"   // ghost box, shifted by -4
            + "line 47,32 50,32 62,32 65,32 " + Grey + " w1\n"    // ghost exit, grey though locked
            + "poly 64,28 68,32 64,36 " + Grey + "\n"
            + "line 68,20 92,20 92,44 68,44 68,20 " + Grey + " w1\n"
            + "fill 24,24 48,48 (0,0,0)\n" + "fill 25,25 47,47 (255,255,255)\n" + "fill 26,26 46,46 " + City
            + "\n");
}

TEST_F(MapDrawingTest, GhostOffsetTruncatesTowardZero)
{
    struct Case {
        int c;
        int d;
    };
    const Case cases[] = { { 3, -1 }, { 6, -2 }, { 10, -3 }, { 12, -4 }, { 24, -8 }, { 4, -1 }, { 2, 0 } };
    for (const Case& c : cases) {
        doc.rooms.clear();
        Room(1, 3 * c.c, 3 * c.c, -1);
        doc.cellSize = c.c;
        CRecordingCanvas canvas;
        DrawMap(canvas, doc, 0, -1);
        ASSERT_EQ(canvas.ops.size(), 1u) << canvas.All();
        const int corner = 2 * c.c + c.d;
        const std::string prefix = "line " + std::to_string(corner) + "," + std::to_string(corner) + " ";
        EXPECT_EQ(canvas.ops[0].rfind(prefix, 0), 0u) << "cell " << c.c << ": " << canvas.ops[0];
    }
}

TEST_F(MapDrawingTest, AtCellThreeLinesTouchTheBoxesAndStubDiscsVanish)
{
    const int r = Room(1, 21, 21);
    Room(2, 33, 21);
    Room(3, 0, 0, 1);
    Exit(r, DirEast, 2);
    Exit(r, DirSouth, 3);
    // k = 0, pen 0 (thinnest), stub 10; arrowheads shrink to c/3 = 1, 4c/3 = 4.
    EXPECT_EQ(Join(ExitOps(0, 3)),
        "line 24,21 24,21 30,21 30,21 " + Green + " w0\n" + "poly 29,20 30,21 29,22 " + Green + "\n"
            + "line 21,24 21,24 21,28 21,28 " + Green + " w0\n" + "disc 21,28 r0 " + Green + "\n");
}

TEST_F(MapDrawingTest, PenWidthIsATenthOfTheCell)
{
    struct Case {
        int c;
        int pen;
    };
    const Case cases[] = { { 3, 0 }, { 9, 0 }, { 10, 1 }, { 12, 1 }, { 24, 2 }, { 96, 9 }, { 192, 19 } };
    for (const Case& c : cases) {
        doc.rooms.clear();
        Room(1, 3 * c.c, 3 * c.c);
        const std::vector<std::string> ops = Draw(0, -1, c.c, true);
        ASSERT_EQ(ops.size(), 1u);
        const std::string suffix = " w" + std::to_string(c.pen);
        EXPECT_EQ(ops[0].substr(ops[0].size() - suffix.size()), suffix) << "cell " << c.c << ": " << ops[0];
    }
}

TEST_F(MapDrawingTest, ClipSkipsWhatLiesOutsideAndKeepsTheOrderOfTheRest)
{
    const int a = Room(1, 36, 36);
    const int b = Room(2, 36, 420);
    Room(3, 804, 36);
    Exit(a, DirSouth, 2);
    Exit(b, DirNorth, 1);
    CRecordingCanvas full;
    DrawLevel(full, doc, 0, -1, 12, 0, 0, false);
    const CMapRect clip { 0, 0, 100, 100 };
    CRecordingCanvas clipped;
    DrawLevel(clipped, doc, 0, -1, 12, 0, 0, false, &clip);
    // Room 1, both long lines (they cross the clip) and room 2's arrowhead
    // into room 1; room 2's box, room 1's arrowhead and room 3 lie outside.
    EXPECT_EQ(clipped.All(),
        full.ops[0] + "\n" + full.ops[1] + "\n" + full.ops[4] + "\n" + full.ops[5] + "\n") << full.All();

    const CMapRect everything { -1000, -1000, 5000, 5000 };
    CRecordingCanvas all;
    DrawLevel(all, doc, 0, -1, 12, 0, 0, false, &everything);
    EXPECT_EQ(all.All(), full.All());
}

TEST(MapK, GapAtTheSevenZoomSizes)
{
    const int sizes[] = { 3, 6, 12, 24, 48, 96, 192 };
    const int expected[] = { 0, 1, 3, 6, 13, 27, 55 };
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(MapK(sizes[i]), expected[i]) << "cell " << sizes[i];
    EXPECT_EQ(MapK(0), 0);
    EXPECT_EQ(MapK(7), 2); // 49/12 = 4.08
    EXPECT_EQ(MapK(10), 2); // 100/12 = 8.33
    EXPECT_EQ(MapK(100), 28);
}

TEST_F(MapDrawingTest, StatusTextNamesTheLevelAndTheSelectedRoom)
{
    Room(3001, 36, 36, 2);
    doc.rooms[0].name = "Temple";
    EXPECT_EQ(MapStatusText(doc, 0, -1), "Level 0");
    EXPECT_EQ(MapStatusText(doc, -1, -1), "Level -1");
    EXPECT_EQ(MapStatusText(doc, 2, 0), "Level 2 - (3001) Temple");
    // A stale selection after the room went away must not read past the list.
    EXPECT_EQ(MapStatusText(doc, 2, 1), "Level 2");
}

TEST_F(MapDrawingTest, ExtentIsTheFarthestPlacedCentrePlusACellAndScrollAddsThreeCells)
{
    doc.cellSize = 12;
    CMapSize e = MapExtent(doc);
    EXPECT_EQ(e.width, 12);
    EXPECT_EQ(e.height, 12);

    Room(1, 36, 180, 0);
    Room(2, 228, 36, -2); // every level counts
    const int far = Room(3, 9000, 9000, 0);
    doc.rooms[static_cast<size_t>(far)].unplaced = true;
    e = MapExtent(doc);
    EXPECT_EQ(e.width, 240);
    EXPECT_EQ(e.height, 192);
    const CMapSize s = ScrollSize(doc);
    EXPECT_EQ(s.width, 276);
    EXPECT_EQ(s.height, 228);
}

} // namespace
