#pragma once

#include "area/CAreaHeader.h"
#include "area/CTolvexDoc.h"
#include "config/MudType.h"
#include "config/TableEntry.h"

#include <string>
#include <vector>

class CTolvexDoc;

// A range of accepted values and the narrower range the spin arrows reach.
struct CNumberRange {
    int lowest;
    int highest;
    int spinLowest;
    int spinHighest;
};

// Which fields of the area's header the dialect lets the builder change.
struct CAreaInfoFields {
    bool authors = true;
    bool security = true;
    bool levels = true;
    bool resources = true;
};

// The General Information dialog's copy of the area header.
class CAreaInfoState : public CAreaHeader {
public:
    static constexpr CNumberRange VnumRange { 0, CTolvexDoc::LargestVnum, 0, CTolvexDoc::LargestVnum };
    static constexpr CNumberRange SecurityRange { 0, 9, 0, 9 };
    static constexpr CNumberRange LevelRange { 0, 32767, 0, 60 };
    static constexpr CNumberRange AmountRange { 0, 2000000, 0, 32767 };

    static CAreaInfoFields FieldsFor(MudType mudType);

    explicit CAreaInfoState(const CTolvexDoc& doc);
    // The header as the dialog leaves it.
    const CAreaHeader& Header() const { return *this; }
};
