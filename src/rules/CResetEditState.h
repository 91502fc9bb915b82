#pragma once

#include "area/CResetData.h"
#include "area/ResetKinds.h"

#include <string>
#include <vector>

// The kinds sorted by name, as the type list shows them.
const std::vector<CResetKind>& ResetKindsByName();
// The kind's name, or an empty text for a letter that is no kind.
std::string ResetKindName(char letter);

// Where the first value's list takes its entries from.
enum class ResetVnumList { None,
    Mobs,
    Objects };
// What the lower list offers.
enum class ResetChoiceList { None,
    WearPositions,
    Directions };

// The fields one kind uses. Everything else is disabled, emptied and 0.
struct CResetFields {
    bool okEnabled = false;
    std::string firstLabel = "nothing";
    std::string secondLabel = "nothing";
    std::string listLabel = "nothing";
    ResetVnumList firstList = ResetVnumList::None; // with box arg1
    bool secondUsed = false; // box arg2 and its object list
    bool maxMinUsed = false;
    // R: the Max box holds how many exits are shuffled (arg2).
    bool exitCountUsed = false;
    ResetChoiceList choiceList = ResetChoiceList::None;
    bool doorUsed = false;
};

// The Reset Edit dialog's decisions: what a kind enables and what OK stores.
// The first set-up keeps the reset's own arguments; every later change of
// kind starts from the kind's defaults.
class CResetEditState {
public:
    // ROM reads -1 as "no limit".
    static constexpr int LowestCount = -1;
    static constexpr int HighestCount = 32767;
    static constexpr int MostExits = 6;

    CResetEditState(const CResetData& reset, int roomVnum);

    // Sets up the fields for `letter` (0, or any letter that is no kind, for
    // none) and fills the values below from the arguments.
    CResetFields SelectKind(char letter);

    char Letter() const { return letter; }
    // The arguments as OK stores them for the chosen kind, from the values below.
    CResetData Stored() const;

    // What the boxes and lists hold.
    int firstVnum = 0; // box arg1
    int secondVnum = 0; // box arg2 (the containing object)
    int max = 0;
    int min = 0;
    int listValue = 0; // wear position or direction
    int doorState = 0;

private:
    CResetData reset;
    char letter = 0;
    int roomVnum = 0;
    bool firstTime = true;
};
