#include "area/CTolvexDoc.h"
#include "area/OtherAreas.h"
#include "config/ConfigLoader.h"
#include "draw/MapDrawing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Writes every primitive as one line of text, colours by name, so a failure shows what was drawn.
class CRecordingCanvas : public IMapCanvas {
public:
    void FillRect(int l, int t, int r, int b, CMapColor c) override { Add("fill", { { l, t }, { r, b } }, c, ""); }
    void Polyline(const std::vector<CMapPoint>& p, CMapColor c, int pen) override { Add("line", p, c, Pen(pen)); }
    void Polygon(const std::vector<CMapPoint>& p, CMapColor c) override { Add("poly", p, c, ""); }
    void Ellipse(int l, int t, int r, int b, CMapColor c, int pen) override
    {
        Add("ellipse", { { l, t }, { r, b } }, c, Pen(pen));
    }
    void Disc(int x, int y, int r, CMapColor c) override { Add("disc", { { x, y } }, c, " r" + std::to_string(r)); }

    std::string all;
    bool fills = true;

private:
    static std::string Pen(int width) { return " w" + std::to_string(width); }
    void Add(const char* kind, const std::vector<CMapPoint>& points, CMapColor c, const std::string& tail)
    {
        static const std::pair<CMapColor, const char*> names[] = { { { 0, 180, 0 }, "green" },
            { { 200, 200, 0 }, "yellow" }, { { 200, 0, 0 }, "red" }, { { 210, 210, 210 }, "grey" },
            { { 240, 200, 120 }, "city" }, { { 0, 0, 0 }, "black" }, { { 255, 255, 255 }, "white" } };
        if (!fills && kind == std::string("fill"))
            return;
        std::string colour = "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
        for (const auto& name : names)
            if (name.first == c)
                colour = name.second;
        all += kind;
        for (const CMapPoint& p : points)
            all += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        all += " " + colour + tail + "\n";
    }
};

constexpr uint32_t DoorBit = 1u << 0, LockedBit = 1u << 2;

// Rooms placed by hand, drawn at cell size 12 (box 24 wide, rooms 48 apart,
// pen 1, k = 3), on tables with door bit A, lock bit C and three sector colours.
class MapDrawingTest : public ::testing::Test {
protected:
    MapDrawingTest()
    {
        std::istringstream config(
            "#GENERAL\nISDOOR A\nLOCKED C\nend\n"
            "#SECTORCOLORS\n0 210 210 210\n1 240 200 120\n5 266 532 30\nend\n");
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, config, line)) << "line " << line;
    }

    // Adds a placed room of sector 1 whose centre is (x, y) at cell size 12
    // (36, 84, 132, ... on the grid); returns its index.
    int Room(int vnum, int x, int y, int level = 0)
    {
        CRoomData& r = doc.rooms.emplace_back();
        r.vnum = vnum, r.sector = 1, r.gridX = (x - 36) / 48, r.gridY = (y - 36) / 48, r.level = level, r.unplaced = false;
        return static_cast<int>(doc.rooms.size()) - 1;
    }

    void Exit(int room, int dir, int toVnum, uint32_t flags = 0)
    {
        doc.rooms[static_cast<size_t>(room)].exits[static_cast<size_t>(dir)] = { "", "", 0, toVnum, flags };
    }

    // The level as drawn; without fills, only what is drawn for exits.
    std::string Draw(int level, int selected = -1, const CMapRect* clip = nullptr, bool fills = true)
    {
        CRecordingCanvas canvas;
        canvas.fills = fills;
        DrawLevel(canvas, doc, level, selected, 12, 0, 0, false, clip);
        return canvas.all;
    }
    std::string ExitsDrawn(int level) { return Draw(level, -1, nullptr, false); }

    CConfigTables tables;
    CTolvexDoc doc { tables };
};

// Exits in line between boxes, their colours and an east exit to another
// level are drawn by the render golden files; these are the other shapes.
TEST_F(MapDrawingTest, ExitsOutOfLineAndToAnotherLevelInEachDirection)
{
    // To another level: a stub of 3.5 cells (42) whose end sits 15 short, and a disc of radius 3k/2.
    // the direction, the target's centre and level, what is drawn
    const std::tuple<int, int, int, int, const char*> cases[] = {
        // The middle segment slants, the ends stay straight.
        { DirEast, 132, 132, 0, "line 99,84 102,84 114,132 117,132 green w1\npoly 116,128 120,132 116,136 green\n" },
        { DirNorth, 500, 900, 1, "line 84,69 84,66 84,60 84,57 green w1\ndisc 84,57 green r4\n" },
        { DirSouth, 500, 900, 1, "line 84,99 84,102 84,108 84,111 green w1\ndisc 84,111 green r4\n" },
        { DirWest, 500, 900, -1, "line 69,84 66,84 60,84 57,84 green w1\ndisc 57,84 green r4\n" },
    };
    for (const auto& [dir, tx, ty, level, ops] : cases) {
        doc.rooms.clear();
        Exit(Room(1, 84, 84), dir, 2);
        Room(2, tx, ty, level);
        EXPECT_EQ(ExitsDrawn(0), ops) << "direction " << dir << " to level " << level;
    }
}

TEST_F(MapDrawingTest, SelfUpAndDownExitsAreMarksBesideTheBox)
{
    // Loops beside the box with an arrow back into it, then triangles right of it for up and down.
    const int r = Room(7, 84, 84);
    for (int d = DirNorth; d <= DirWest; ++d)
        Exit(r, d, 7);
    Room(8, 84, 84, 1);
    Exit(r, DirUp, 8, DoorBit);
    Exit(r, DirDown, 7); // a "down" that stays on the level still shows its mark
    EXPECT_EQ(ExitsDrawn(0),
        "ellipse 78,50 90,68 green w1\npoly 80,68 84,72 88,68 green\n"
        "ellipse 100,78 118,90 green w1\npoly 100,88 96,84 100,80 green\n"
        "ellipse 78,100 90,118 green w1\npoly 80,100 84,96 88,100 green\n"
        "ellipse 50,78 68,90 green w1\npoly 68,80 72,84 68,88 green\n"
        "poly 98,78 104,78 101,72 yellow\npoly 98,90 104,90 101,96 green\n");
}

TEST_F(MapDrawingTest, OnlyPlacedRoomsOfTheLevelAndExitsToThemAreDrawnAndDuplicateVnumsLeadToTheFirst)
{
    const int a = Room(1, 84, 84);
    doc.rooms[Room(2, 36, 84)].unplaced = true;
    Room(3, 36, 36, 1);
    Exit(a, DirWest, 2); // unplaced target
    Exit(a, DirNorth, 999); // no such room
    Room(-1, 84, 36);
    Exit(a, DirSouth, -1); // leads nowhere, whatever room has that vnum
    EXPECT_EQ(Draw(0), "fill 72,72 96,96 city\nfill 72,24 96,48 city\n");
    EXPECT_EQ(Draw(1), "fill 24,24 48,48 city\n");

    Room(3, 132, 84); // the same vnum again, on level 0: not the target
    Exit(a, DirEast, 3, LockedBit);
    EXPECT_EQ(ExitsDrawn(0), "line 99,84 102,84 108,84 111,84 red w1\ndisc 111,84 red r4\n");
}

TEST_F(MapDrawingTest, SelectedRoomHasABlackEdgeAndWhiteRingAndSectorColourFallsBackToTheFirstEntry)
{
    doc.rooms[Room(1, 36, 36)].sector = 42;
    EXPECT_EQ(Draw(0, Room(2, 84, 84)),
        "fill 24,24 48,48 grey\nfill 72,72 96,96 black\nfill 73,73 95,95 white\nfill 74,74 94,94 city\n");
    doc.rooms[0].sector = 5;
    EXPECT_NE(Draw(0).find("fill 24,24 48,48 (10,20,30)\n"), std::string::npos) << "only the low 8 bits count";
}

TEST_F(MapDrawingTest, ClipSkipsWhatLiesOutsideAndKeepsTheOrderOfTheRest)
{
    Exit(Room(1, 36, 36), DirSouth, 2);
    Exit(Room(2, 36, 420), DirNorth, 1);
    Room(3, 804, 36);
    const CMapRect clip { 0, 0, 100, 100 }, everything { -1000, -1000, 5000, 5000 };
    // Room 1, both long lines (they cross the clip) and the arrowhead into
    // room 1; room 2's box, the arrowhead into room 2 and room 3 lie outside.
    EXPECT_EQ(Draw(0, -1, &clip),
        "fill 24,24 48,48 city\nline 36,51 36,54 36,402 36,405 green w1\n"
        "line 36,405 36,402 36,54 36,51 green w1\npoly 32,52 36,48 40,52 green\n");
    EXPECT_EQ(Draw(0, -1, &everything), Draw(0));
}

TEST(MapDrawing, GapAndPenWidthAtTheSevenZoomSizes)
{
    const int c[] = { 3, 6, 12, 24, 48, 96, 192 }, k[] = { 0, 1, 3, 6, 13, 27, 55 };
    const int pen[] = { 0, 0, 1, 2, 4, 9, 19 };
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(std::make_pair(MapK(c[i]), MapPenWidth(c[i])), std::make_pair(k[i], pen[i])) << "cell " << c[i];
}

} // namespace

// With a world open, an exit to a vnum the area lacks leaves it: a stub with
// an arrowhead when another area has the room, a barred stub when none has;
// the world map's tints replace the sector colours; the stubs can be pointed at.
TEST_F(MapDrawingTest, ExitsIntoTheWorldLeaveTheAreaAndDeadEndsAreBarred)
{
    class COthers : public IOtherAreas {
    public:
        bool HasRoom(int vnum) const override { return vnum == 3001; }
        std::string DescribeRoom(int) const override { return {}; }
    } others;
    const int r = Room(1, 84, 84);
    Exit(r, DirEast, 3001, DoorBit);
    Exit(r, DirNorth, 7914);
    Exit(r, DirUp, 7915);
    EXPECT_EQ(ExitsDrawn(0), "") << "without a world they are not drawn";

    const std::vector<CMapColor> tints { { 1, 2, 3 } };
    const CMapWorld world { &others, &tints, {} };
    CRecordingCanvas canvas;
    DrawLevel(canvas, doc, 0, -1, 12, 0, 0, false, nullptr, nullptr, &world);
    EXPECT_EQ(canvas.all,
        "fill 72,72 96,96 (1,2,3)\n"
        "line 84,69 84,57 (150,0,150) w1\nline 90,57 78,57 (150,0,150) w1\n"
        "line 99,84 111,84 (0,100,230) w1\npoly 110,80 114,84 110,88 (0,100,230)\n"
        "poly 98,78 104,78 101,72 (150,0,150)\n");

    const std::tuple<int, int, int, int> points[] = { { 120, 84, DirEast, 3001 }, { 84, 50, DirNorth, 7914 },
        { 101, 75, DirUp, 7915 }, { 84, 84, -1, 0 }, { 84, 120, -1, 0 } };
    for (const auto& [x, y, direction, vnum] : points) {
        const CExitOut out = ExitOutAt(doc, 12, 0, x, y);
        EXPECT_EQ(out.direction, direction) << x << "," << y;
        EXPECT_EQ(out.toVnum, vnum) << x << "," << y;
    }
}
