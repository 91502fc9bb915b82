#pragma once

#include "area/CMobData.h"
#include "area/CMobProgData.h"
#include "area/CObjData.h"
#include "area/CRoomData.h"

class CConfigTables;

// A save formats the descriptions the builder changed in the editor and
// writes every other one as the file had it. These mark which ones changed.

// `after` replaces `before`: a description that differs from the one it had
// is marked edited; one that stayed keeps the mark it had.
void MarkEditedTexts(const CRoomData& before, CRoomData& after);
void MarkEditedTexts(const CObjData& before, CObjData& after);
void MarkEditedTexts(const CMobData& before, CMobData& after);
inline void MarkEditedTexts(const CMobProgData&, CMobProgData&) { }

// A record made in the editor: every description is the builder's.
void MarkAllTextsEdited(CRoomData& room);
void MarkAllTextsEdited(CObjData& object);
void MarkAllTextsEdited(CMobData& mob);
inline void MarkAllTextsEdited(CMobProgData&) { }

// Formats every description as a save formats an edited one and marks none
// edited. True when any text or mark changed.
bool RewrapTexts(CRoomData& room);
bool RewrapTexts(CObjData& object, const CConfigTables& tables); // the S values its type has
bool RewrapTexts(CMobData& mob);
