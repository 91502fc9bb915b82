#include "editors/CAreaInfoState.h"

#include "area/CTolvexDoc.h"

CAreaInfoFields CAreaInfoState::FieldsFor(int mudType)
{
    CAreaInfoFields fields;
    if (mudType == MudRomDefault || mudType == MudRomOlc) {
        fields.levels = false;
        fields.resources = false;
    }
    if (mudType == MudRomDefault) {
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
