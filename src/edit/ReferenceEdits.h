#pragma once

#include "area/RecordKind.h"

#include <vector>

class CTolvexDoc;

// The references that follow a record when the builder renumbers or deletes
// it: the mobs' triggers of a mobprog, the resets of a mob or an object.
namespace ReferenceEdits {

// How many triggers of the area's mobs call mobprog `vnum`.
int TriggersCalling(const CTolvexDoc& doc, int vnum);
// Every such trigger calls `to` instead / is removed.
void RenumberTriggers(CTolvexDoc& doc, int from, int to);
void DeleteTriggers(CTolvexDoc& doc, int vnum);

// How many resets load mob or object `vnum`: M resets of the mob; O, P, G
// and E resets of the object, and P resets that put into it.
int ResetsOf(const CTolvexDoc& doc, RecordKind kind, int vnum);
// Removes those resets. The G and E resets that follow a removed M go with
// it: they equip the mob the M loaded, and would pass to the one before.
void DeleteResetsOf(CTolvexDoc& doc, RecordKind kind, int vnum);

// The positions of the records those edits would change, so that an undo
// step can keep just them: rooms with an exit to `vnum`, rooms with resets
// that load mob or object `vnum`, mobs with a trigger that calls `vnum`.
std::vector<int> RoomsWithExitsTo(const CTolvexDoc& doc, int vnum);
std::vector<int> RoomsWithResetsOf(const CTolvexDoc& doc, RecordKind kind, int vnum);
std::vector<int> MobsWithTriggersCalling(const CTolvexDoc& doc, int vnum);

} // namespace ReferenceEdits
