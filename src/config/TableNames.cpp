#include "config/TableNames.h"

const CPlainTableRef* TableOrder()
{
    using C = CConfigTables;
    static const CPlainTableRef order[TableOrderCount] = {
        { "SECTORTYPE", &C::sectorType }, { "ROOMFLAGS", &C::roomFlags },
        { "EXITFLAGS", &C::exitFlags }, { "OBJTYPES", nullptr },
        { "EXTRAFLAGS", &C::extraFlags }, { "WEARFLAGS", &C::wearFlags },
        { "SPELLS", &C::spells }, { "LIQUIDS", &C::liquids },
        { "WEAPONCLASES", &C::weaponClasses }, { "ATTACKTYPES", &C::attackTypes },
        { "PORTALFLAGS", &C::portalFlags }, { "AFFECTFLAGS", &C::affectFlags },
        { "AFFECTLOCATION", &C::affectLocation }, { "IMMFLAGS", &C::immFlags },
        { "MERCMSG", &C::mercMsg }, { "MOBFLAGS", nullptr },
        { "ACTFLAGS", &C::actFlags }, { "OFFFLAGS", &C::offFlags },
        { "FORM", &C::form }, { "PARTS", &C::parts },
        { "SEX", &C::sex }, { "SIZE", &C::size },
        { "POS", &C::pos }, { "MOBPROGTRIG", &C::mobProgTrig },
        { "SKILLS", &C::skills }, { "TRAINFLAGS", &C::trainFlags },
        { "WEARPOS", &C::wearPos }, { "DIRNAME", &C::dirName },
        { "RECUNAME", &C::recuName }, { "SECTORCOLORS", nullptr },
        { "AFFTO", &C::affTo }, { "CLASSES", &C::classes },
    };
    return order;
}

int TableCount(const CConfigTables& tables, int index)
{
    const CPlainTableRef& ref = TableOrder()[index];
    if (ref.table)
        return (tables.*ref.table).Count();
    switch (index) {
    case 3: return tables.objTypes.Count();
    case 15: return tables.mobFlags.Count();
    default: return tables.sectorColors.Count();
    }
}
