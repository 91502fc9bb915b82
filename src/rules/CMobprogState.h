#pragma once

#include "area/CMobData.h"

#include <string>
#include <vector>

class CTolvexDoc;

// The Mobprog dialog's copy of one mob trigger and its decisions apart from
// the widgets: the type shown for the stored text, what a choice stores,
// when OK can be pressed and what the line under the vnum says.
class CMobprogState {
public:
    // The highest is CMobprogListState::HighestVnum.
    static constexpr int LowestVnum = 1;

    CMobprogState(const CMobTrigger& trigger, const CTolvexDoc& doc);

    CMobTrigger trigger;

    // The configured trigger types as the list shows them, sorted.
    const std::vector<std::string>& TypeNames() const { return typeNames; }
    // The shown type: the first whose name equals the stored text ignoring
    // case (ROM's own editor writes them in capitals), or -1.
    int ShownType() const { return shownType; }
    // The builder picked type `index`; the stored text changes only when it
    // is another type than the one shown.
    void ChooseType(int index);
    bool CanAccept() const { return shownType >= 0; }

    // Empty, or a line saying that no program of this area has `vnum`; such
    // a trigger is still allowed, since programs may live in other areas.
    std::string VnumNote(int vnum) const;

private:
    const CTolvexDoc& doc;
    std::vector<std::string> typeNames;
    int shownType = -1;
};
