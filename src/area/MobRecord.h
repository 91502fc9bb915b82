#pragma once

#include "area/CMobData.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The mob as it travels through the clipboard under "TOLVEX_MOB". The vnum
// and the trainer data do not travel.
inline const char* const MobRecordFormat = "TOLVEX_MOB";

std::vector<uint8_t> WriteMobRecord(const CMobData& mob);

// Reads a record over `mob`, all or nothing: only a record read whole, with
// every count and length inside the bytes given, changes `mob` (its vnum and
// trainer data stay). Returns false, with `mob` untouched, otherwise.
bool ReadMobRecord(const uint8_t* data, size_t size, CMobData& mob);
bool ReadMobRecord(const std::vector<uint8_t>& bytes, CMobData& mob);
