#include "rules/CResetEditState.h"

#include <algorithm>
#include <cstring>

const std::vector<CResetKind>& ResetKindsByName()
{
    static const std::vector<CResetKind> kinds = [] {
        std::vector<CResetKind> list(ResetKinds().begin(), ResetKinds().end());
        std::sort(list.begin(), list.end(),
            [](const CResetKind& a, const CResetKind& b) { return std::strcmp(a.name, b.name) < 0; });
        return list;
    }();
    return kinds;
}

std::string ResetKindName(char letter)
{
    const CResetKind* kind = FindResetKind(letter);
    return kind ? kind->name : std::string();
}

CResetEditState::CResetEditState(const CResetData& original, int room)
    : reset(original)
    , roomVnum(room)
{
}

CResetFields CResetEditState::SelectKind(char kind)
{
    CResetFields fields;
    firstVnum = secondVnum = max = min = listValue = doorState = 0;
    const CResetKind* found = FindResetKind(kind);
    if (!found) {
        letter = 0;
        firstTime = false;
        return fields;
    }
    letter = kind;
    fields.okEnabled = true;
    if (firstTime) {
        firstTime = false;
    } else {
        reset.arg1 = 0;
        reset.arg2 = found->counted ? 1 : kind == 'R' ? MostExits
                                                      : 0;
        reset.arg3 = 0;
        reset.arg4 = found->counted ? 1 : 0;
    }

    if (kind == 'M' || kind == 'O' || kind == 'P' || kind == 'G' || kind == 'E') {
        fields.firstList = kind == 'M' ? ResetVnumList::Mobs : ResetVnumList::Objects;
        fields.firstLabel = kind == 'M' ? "&Mob:" : "&Object:";
        firstVnum = reset.arg1;
    }
    if (found->counted) {
        fields.maxMinUsed = true;
        max = reset.arg2;
        min = reset.arg4;
    }
    if (kind == 'R') {
        fields.exitCountUsed = true;
        max = reset.arg2;
    }
    if (kind == 'P') {
        fields.secondLabel = "To o&bj:";
        fields.secondUsed = true;
        secondVnum = reset.arg3;
    } else if (kind == 'E') {
        fields.listLabel = "&Position:";
        fields.choiceList = ResetChoiceList::WearPositions;
        listValue = reset.arg3;
    } else if (kind == 'D') {
        fields.listLabel = "Di&rection:";
        fields.choiceList = ResetChoiceList::Directions;
        fields.doorUsed = true;
        listValue = reset.arg2;
        doorState = reset.arg3;
    }
    return fields;
}

CResetData CResetEditState::Stored() const
{
    CResetData out;
    out.command = letter;
    switch (letter) {
    case 'M': out = { letter, firstVnum, max, roomVnum, min }; break;
    case 'O': out = { letter, firstVnum, 0, roomVnum, 0 }; break;
    case 'P': out = { letter, firstVnum, max, secondVnum, min }; break;
    case 'G': out = { letter, firstVnum, max, 0, min }; break;
    case 'E': out = { letter, firstVnum, max, listValue, min }; break;
    case 'D': out = { letter, roomVnum, listValue, doorState, 0 }; break;
    case 'R': out = { letter, roomVnum, max, 0, 0 }; break;
    default: out = reset; break;
    }
    return out;
}
