#pragma once

#include "area/CTolvexDoc.h"

#include <vector>

// Every record of an area at once, with what it keeps of other areas (stray
// resets, shops and specials): what an operation over the whole area, such
// as a renumber, works on and hands back.
struct CAreaRecords {
    CAreaHeader header;
    std::vector<CRoomData> rooms;
    std::vector<CObjData> objects;
    std::vector<CMobData> mobs;
    std::vector<CMobProgData> mobprogs;
    std::vector<CResetData> strayResets;
    std::vector<CStrayShop> strayShops;
    std::vector<CStraySpecial> straySpecials;
};

// A copy of the area's records.
CAreaRecords TakeRecords(const CTolvexDoc& doc);
// Puts the records in place of the area's (its lookups start afresh; the
// map is not laid out again).
void PutRecords(CTolvexDoc& doc, CAreaRecords records);
