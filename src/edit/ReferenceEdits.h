#pragma once

#include "area/RecordKind.h"

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

} // namespace ReferenceEdits
