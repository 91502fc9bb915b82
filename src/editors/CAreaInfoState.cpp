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
    : name(doc.name)
    , builders(doc.builders)
    , credits(doc.credits)
    , lowerVnum(doc.lowerVnum)
    , upperVnum(doc.upperVnum)
    , security(doc.security)
    , minLevel(doc.minLevel)
    , maxLevel(doc.maxLevel)
    , resources(doc.resources)
{
}

CAreaHeader CAreaInfoState::Header() const
{
    return { name, builders, credits, lowerVnum, upperVnum, security, minLevel, maxLevel, resources };
}
