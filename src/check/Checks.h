#pragma once

#include "check/CCheckContext.h"

// The checks, one per kind of fault, grouped by what they look at: resets,
// records and their vnums, exits, and mobs.
void CheckResetOrder(CCheckContext& c);
void CheckResetArguments(CCheckContext& c);
void CheckLeadingResets(CCheckContext& c);
void CheckDuplicateVnums(CCheckContext& c);
void CheckNonPositiveVnums(CCheckContext& c);
void CheckObjectTypes(CCheckContext& c);
void CheckVnumLimit(CCheckContext& c);
void CheckVnumRange(CCheckContext& c);
// A vnum of the area's own range names a record of this area or none:
// another area cannot hold it.
void CheckExitRooms(CCheckContext& c);
void CheckExitKeys(CCheckContext& c);
void CheckResetTargets(CCheckContext& c);
void CheckShopKeepers(CCheckContext& c);
void CheckSpecialMobs(CCheckContext& c);
void CheckTriggersInRange(CCheckContext& c);
void CheckTriggersElsewhere(CCheckContext& c);
void CheckWaysBack(CCheckContext& c);
void CheckMobLimits(CCheckContext& c);
void CheckUnreachedRooms(CCheckContext& c);
