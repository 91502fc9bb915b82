#include "config/TableNames.h"

const std::array<CTableDescriptor, ConfigTableCount>& ConfigTableList()
{
    using C = CConfigTables;
    using K = TableKind;
    static const std::array<CTableDescriptor, ConfigTableCount> list = { {
        { "SECTORTYPE", K::Numbers, &C::sectorType },
        { "ROOMFLAGS", K::Letters, &C::roomFlags },
        { "EXITFLAGS", K::Letters, &C::exitFlags },
        { "OBJTYPES", K::ObjTypes, nullptr },
        { "EXTRAFLAGS", K::Letters, &C::extraFlags },
        { "WEARFLAGS", K::Letters, &C::wearFlags },
        { "SPELLS", K::Letters, &C::spells },
        { "LIQUIDS", K::Letters, &C::liquids },
        { "WEAPONCLASES", K::Letters, &C::weaponClasses },
        { "ATTACKTYPES", K::Texts, &C::attackTypes },
        { "PORTALFLAGS", K::Letters, &C::portalFlags },
        { "AFFECTFLAGS", K::Letters, &C::affectFlags },
        { "AFFECTLOCATION", K::Numbers, &C::affectLocation },
        { "IMMFLAGS", K::Letters, &C::immFlags },
        { "MERCMSG", K::Numbers, &C::mercMsg },
        { "MOBFLAGS", K::Races, nullptr },
        { "ACTFLAGS", K::Letters, &C::actFlags },
        { "OFFFLAGS", K::Letters, &C::offFlags },
        { "FORM", K::Letters, &C::form },
        { "PARTS", K::Letters, &C::parts },
        { "SEX", K::Letters, &C::sex },
        { "SIZE", K::Letters, &C::size },
        { "POS", K::Texts, &C::pos },
        { "MOBPROGTRIG", K::Letters, &C::mobProgTrig },
        { "SKILLS", K::Letters, &C::skills },
        { "TRAINFLAGS", K::Letters, &C::trainFlags },
        { "WEARPOS", K::Numbers, &C::wearPos },
        { "DIRNAME", K::Numbers, &C::dirName },
        { "RECUNAME", K::Numbers, &C::recuName },
        { "SECTORCOLORS", K::SectorColors, nullptr },
        { "AFFTO", K::Numbers, &C::affTo },
        { "CLASSES", K::Numbers, &C::classes },
    } };
    return list;
}

int TableCount(const CConfigTables& tables, const CTableDescriptor& table)
{
    switch (table.kind) {
    case TableKind::ObjTypes: return tables.objTypes.Count();
    case TableKind::Races: return tables.mobFlags.Count();
    case TableKind::SectorColors: return tables.sectorColors.Count();
    default: return (tables.*table.table).Count();
    }
}
