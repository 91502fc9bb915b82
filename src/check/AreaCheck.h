#pragma once

#include "check/CFinding.h"

#include <vector>

class CTolvexDoc;

// Checks an area for what the ROM server refuses (errors) and for what is very
// likely a mistake (warnings). `otherMobprogs` holds the mobprog vnums of the
// other open areas, where a trigger's program may live. Errors come first;
// within a severity the findings follow the order of the checks and records.
// With `worldKnown`, the other areas are a whole world: what none of them has
// is the world check's to report, as an error.
std::vector<CFinding> CheckArea(const CTolvexDoc& doc, const std::vector<int>& otherMobprogs = {}, bool worldKnown = false);

// How many findings have the severity.
int CountFindings(const std::vector<CFinding>& findings, Severity severity);
