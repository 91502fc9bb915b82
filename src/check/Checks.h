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
void CheckExitTargets(CCheckContext& c);
void CheckResetTargets(CCheckContext& c);
void CheckShopKeepers(CCheckContext& c);
void CheckTriggers(CCheckContext& c);
void CheckWaysBack(CCheckContext& c);
void CheckMobLimits(CCheckContext& c);
void CheckUnreachedRooms(CCheckContext& c);
