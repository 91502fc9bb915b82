#pragma once

#include "area/CRoomData.h"

#include <cstdint>
#include <vector>

// The room as it travels through the clipboard under "TOLVEX_ROOM". The vnum,
// the exits and the map placement do not travel.
inline const char* const RoomRecordFormat = "TOLVEX_ROOM";

std::vector<uint8_t> WriteRoomRecord(const CRoomData& room);

// Reads a record over `room`. A record that ends early, or whose lengths and
// counts do not fit in its bytes, changes nothing and gives false: half a
// room is worse than none.
bool ReadRoomRecord(const uint8_t* data, size_t size, CRoomData& room);
bool ReadRoomRecord(const std::vector<uint8_t>& bytes, CRoomData& room);
