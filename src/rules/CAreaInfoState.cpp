#include "rules/CAreaInfoState.h"

#include "area/CTolvexDoc.h"

CAreaInfoFields CAreaInfoState::FieldsFor(MudType mudType)
{
    CAreaInfoFields fields;
    if (mudType == MudType::RomDefault || mudType == MudType::RomOlc) {
        fields.levels = false;
        fields.resources = false;
    }
    if (mudType == MudType::RomDefault) {
        fields.authors = false;
        fields.security = false;
    }
    return fields;
}

CAreaInfoState::CAreaInfoState(const CTolvexDoc& doc)
    : CAreaHeader(doc.Header())
{
    // The header the builder confirms is written, also for a file that had none.
    written = true;
}
