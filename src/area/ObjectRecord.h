#pragma once

#include "area/CObjData.h"

#include <cstdint>
#include <string>
#include <vector>

// The object as it travels through the clipboard under "TOLVEX_OBJ". The vnum
// does not travel.
inline const char* const ObjectRecordFormat = "TOLVEX_OBJ";

std::vector<uint8_t> WriteObjectRecord(const CObjData& object);

// Reads a record over `object` (its vnum stays). A record that ends early, or
// whose lengths and counts do not fit in its bytes, changes nothing and gives
// false.
bool ReadObjectRecord(const uint8_t* data, size_t size, CObjData& object);
bool ReadObjectRecord(const std::vector<uint8_t>& bytes, CObjData& object);

// The condition as the file reads it back: one byte that is not blank, "P"
// when there is none.
std::string OneLetterCondition(const std::string& condition);
