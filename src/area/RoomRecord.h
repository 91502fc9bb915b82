#pragma once

#include "area/CRoomData.h"

#include <cstdint>
#include <vector>

// The room as it travels through the clipboard under "TOLVEX_ROOM". The vnum,
// the exits and the map placement do not travel.
inline const char* const RoomRecordFormat = "TOLVEX_ROOM";

std::vector<uint8_t> WriteRoomRecord(const CRoomData& room);

// Reads a record over `room`, item by item. A record that ends early or is
// garbled stops at the first item that cannot be read: what was read so far
// stays (a list keeps its entries read so far), the rest of `room` keeps its
// old values. Returns false when the record was not read whole.
bool ReadRoomRecord(const uint8_t* data, size_t size, CRoomData& room);
bool ReadRoomRecord(const std::vector<uint8_t>& bytes, CRoomData& room);
