#include "rules/CMobprogState.h"

#include "area/CTolvexDoc.h"
#include "config/ConfigTables.h"
#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <algorithm>

CMobprogState::CMobprogState(const CMobTrigger& original, const CTolvexDoc& area)
    : trigger(original)
    , doc(area)
{
    for (const auto& entry : area.Tables().mobProgTrig)
        typeNames.push_back(entry->name);
    std::stable_sort(typeNames.begin(), typeNames.end(),
        [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
    const std::string stored = AsciiLower(original.trigger);
    // The first in the table's own order wins, as every lookup does.
    for (const auto& entry : area.Tables().mobProgTrig)
        if (AsciiLower(entry->name) == stored) {
            const auto shown = std::find(typeNames.begin(), typeNames.end(), entry->name);
            shownType = static_cast<int>(shown - typeNames.begin());
            break;
        }
}

void CMobprogState::ChooseType(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= typeNames.size() || index == shownType)
        return;
    shownType = index;
    trigger.trigger = typeNames[static_cast<size_t>(index)];
}

std::string CMobprogState::VnumNote(int vnum) const
{
    if (vnum < LowestVnum || doc.FindMobprogByVnum(vnum) >= 0)
        return {};
    return Format("No mobprog %d in this area: it must be in another one.", { vnum });
}
