#include "area/CMobData.h"

#include "config/ConfigTables.h"

namespace {

template <typename T>
std::string FirstName(const CEntryTable<T>& table)
{
    return table.Count() ? table[0].name : std::string();
}

} // namespace

CMobData::CMobData(const CConfigTables& tables)
    : race(FirstName(tables.mobFlags))
    , damType(FirstName(tables.attackTypes))
    , startPos(FirstName(tables.pos))
    , defaultPos(startPos)
    , sex(FirstName(tables.sex))
    , size(FirstName(tables.size))
    , mercMessages(static_cast<size_t>(tables.mercMsg.Count()))
{
    if (tables.mobFlags.Count()) {
        const CRaceEntry& first = tables.mobFlags[0];
        act = first.act;
        aff = first.aff;
        off = first.off;
        imm = first.imm;
        res = first.res;
        vuln = first.vuln;
        form = first.form;
        parts = first.parts;
    }
}
