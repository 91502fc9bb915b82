#pragma once

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// width x height rooms on each of `levels` levels, with two-way exits to
// every neighbour and, between levels, up and down exits in every room.
inline void FillBuilding(CTolvexDoc& doc, int width, int height, int levels)
{
    doc.rooms.assign(static_cast<size_t>(width) * height * levels, CRoomData());
    auto index = [&](int x, int y, int l) { return (l * height + y) * width + x; };
    for (int l = 0; l < levels; ++l)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                CRoomData& room = doc.rooms[index(x, y, l)];
                room.vnum = 1 + index(x, y, l);
                if (y > 0)
                    room.exits[DirNorth].toVnum = 1 + index(x, y - 1, l);
                if (x + 1 < width)
                    room.exits[DirEast].toVnum = 1 + index(x + 1, y, l);
                if (y + 1 < height)
                    room.exits[DirSouth].toVnum = 1 + index(x, y + 1, l);
                if (x > 0)
                    room.exits[DirWest].toVnum = 1 + index(x - 1, y, l);
                if (l + 1 < levels)
                    room.exits[DirUp].toVnum = 1 + index(x, y, l + 1);
                if (l > 0)
                    room.exits[DirDown].toVnum = 1 + index(x, y, l - 1);
            }
}

// The text of a ROM area of `count` rooms on one level, laid out as a square
// grid: each room has a name, a three-line description and exits to its
// neighbours, every fifth link a door closed by a D reset; count/10 mobs and
// objects, each placed in its own room by an M or an O reset. The area's
// range leaves `spare` vnums free after the rooms, for digging.
inline std::string GridAreaText(int count, int spare = 0)
{
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int records = std::max(count / 10, 1);
    std::string text = "#AREADATA\nName Grid~\nBuilders Tolvex~\nVNUMs 1 " + std::to_string(count + spare)
        + "\nEnd\n\n#MOBILES\n";
    for (int m = 1; m <= records; ++m)
        text += "#" + std::to_string(m) +
            "\nguard~\nthe guard~\nA guard stands here.\n~\nHe guards.\n~\nhuman~\n"
            "A 0 0 0\n1 0 1d1+1 1d1+1 1d1+0 punch\n-1 -1 -1 -1\n0 0 0 0\nstand stand male 0\n0 0 medium 0\n";
    text += "#0\n\n#OBJECTS\n";
    for (int o = 1; o <= records; ++o)
        text += "#" + std::to_string(o) + "\nstone~\na stone~\nA stone lies here.~\nstone~\ntrash 0 A\n0 0 0 0 0\n1 1 1 P\n";
    text += "#0\n\n#ROOMS\n";
    std::string resets;
    int link = 0;
    for (int v = 1; v <= count; ++v) {
        const int x = (v - 1) % side, y = (v - 1) / side;
        text += "#" + std::to_string(v) + "\nRoom " + std::to_string(v)
            + "~\nA plain room of the grid, with walls of grey stone\nand a floor of packed earth, lit by a lamp that\nhangs from the low ceiling.\n~\n0 0 1\n";
        const std::pair<int, int> neighbours[] = { { 0, v - side }, { 1, x + 1 < side ? v + 1 : 0 },
            { 2, v + side }, { 3, x > 0 ? v - 1 : 0 } };
        for (const auto& [direction, to] : neighbours) {
            if (to < 1 || to > count || (direction == 0 && y == 0))
                continue;
            const bool door = ++link % 5 == 0;
            text += "D" + std::to_string(direction) + "\n~\n~\n" + (door ? "1" : "0") + " 0 " + std::to_string(to) + "\n";
            if (door)
                resets += "D 0 " + std::to_string(v) + " " + std::to_string(direction) + " 1\n";
        }
        text += "S\n";
        if (v % 10 == 0 && v / 10 <= records) {
            resets += "M 0 " + std::to_string(v / 10) + " 1 " + std::to_string(v) + " 1\n";
            resets += "O 0 " + std::to_string(v / 10) + " 0 " + std::to_string(v) + "\n";
        }
    }
    return text + "#0\n\n#RESETS\n" + resets + "S\n\n#$\n";
}

// The shipped ROM configuration, read once.
inline CConfigTables& RomTables()
{
    static CConfigTables tables = [] {
        CConfigTables t;
        int line = 0;
        LoadConfig(t, std::string(TOLVEX_SOURCE_DIR) + "/res/configs/rom24-default.cfg", line);
        return t;
    }();
    return tables;
}

// The room a dig from the last room of a generated area makes.
inline CRoomData DugRoom(const CTolvexDoc& doc)
{
    CRoomData room;
    room.vnum = static_cast<int>(doc.rooms.size()) + 1;
    room.name = "The dig";
    return room;
}

// A world of `areas` generated grid areas of `rooms` rooms each, the k-th
// moved to the vnums from k * rooms + 1, each area's last room leading east
// into the next area's first: one map when laid out together.
inline std::vector<std::unique_ptr<CTolvexDoc>> GridWorld(int areas, int rooms)
{
    std::vector<std::unique_ptr<CTolvexDoc>> world;
    const std::string text = GridAreaText(rooms);
    for (int k = 0; k < areas; ++k) {
        auto doc = std::make_unique<CTolvexDoc>(RomTables());
        std::istringstream in(text);
        CDiagnosticList diagnostics;
        doc->Load(in, diagnostics);
        const int shift = k * rooms;
        for (CRoomData& room : doc->rooms) {
            room.vnum += shift;
            for (CExitData& exit : room.exits)
                if (exit.toVnum > 0)
                    exit.toVnum += shift;
        }
        if (k + 1 < areas)
            doc->rooms.back().exits[DirEast].toVnum = shift + rooms + 1;
        doc->ForgetVnumIndexes();
        world.push_back(std::move(doc));
    }
    return world;
}
