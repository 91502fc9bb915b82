#pragma once

#include "area/CTolvexDoc.h"

#include <gtest/gtest.h>

// An area of vnums 100..109 on tables of its own, for tests that build its
// rooms one by one.
struct SmallArea : ::testing::Test {
    SmallArea()
    {
        doc.lowerVnum = 100, doc.upperVnum = 109;
    }

    // Adds a room placed at (0, 0) on level 0; returns its index.
    int Room(int vnum)
    {
        CRoomData& room = doc.rooms.emplace_back();
        room.vnum = vnum, room.unplaced = false;
        return static_cast<int>(doc.rooms.size()) - 1;
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
};
