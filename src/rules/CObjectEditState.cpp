#include "rules/CObjectEditState.h"

#include "area/CTolvexDoc.h"
#include "area/ObjectRecord.h"
#include "rules/ObjectValueSlots.h"
#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <algorithm>

CObjectEditState::CObjectEditState(
    const CConfigTables& tableSet, const CObjData& object, int lowest, int highest, int index)
    : obj(object)
    , tables(tableSet)
    , lowerVnum(lowest)
    , upperVnum(highest)
    , ownIndex(index)
{
}

char CObjectEditState::Kind(int slot) const
{
    const CObjTypeEntry* type = Type();
    if (!type || slot < 0 || slot > 4)
        return 'N';
    return AsciiUpperByte(type->slots[slot].kind);
}

bool CObjectEditState::SlotUsed(int slot) const
{
    return Type() && Kind(slot) != 'N';
}

int CObjectEditState::FirstUsedSlot() const
{
    for (int slot = 0; slot < 5; ++slot)
        if (SlotUsed(slot))
            return slot;
    return -1;
}

void CObjectEditState::ChangeType(int itemType)
{
    obj.itemType = itemType;
    obj.values = {};
    obj.valueTexts = {};
}

int CObjectEditState::AddAffect()
{
    obj.affects.emplace_back();
    return static_cast<int>(obj.affects.size()) - 1;
}

bool CObjectEditState::DeleteAffect(int index)
{
    if (index < 0 || index >= static_cast<int>(obj.affects.size()))
        return false;
    obj.affects.erase(obj.affects.begin() + index);
    return true;
}

void CObjectEditState::ChangeAffectKind(int index, int where)
{
    if (index < 0 || index >= static_cast<int>(obj.affects.size()))
        return;
    CAffectData& affect = obj.affects[static_cast<size_t>(index)];
    affect.where = where;
    affect.bits = 0;
}

const CEntryTable<CTableEntry>* CObjectEditState::AffectFlagTable(int where) const
{
    if (where == 1)
        return &tables.affectFlags;
    if (where >= 2 && where <= 4)
        return &tables.immFlags;
    return nullptr;
}

void CObjectEditState::CommitAffect(int index, int where, int location, int modifier, uint32_t marked)
{
    if (index < 0 || index >= static_cast<int>(obj.affects.size()))
        return;
    CAffectData& affect = obj.affects[static_cast<size_t>(index)];
    affect.bits = CommitNamedFlags(affect.bits, AffectFlagTable(affect.where), marked);
    if (where >= 0)
        affect.where = where;
    if (location >= 0)
        affect.location = location;
    affect.modifier = modifier;
}

const std::vector<std::string>& CObjectEditState::Conditions()
{
    static const std::vector<std::string> conditions = { "P", "G", "A", "W", "D", "B", "R" };
    return conditions;
}

int CObjectEditState::ConditionChoice() const
{
    const auto& all = Conditions();
    const auto found = std::find(all.begin(), all.end(), obj.condition);
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

CObjectEditState::CRefusal CObjectEditState::Check(const CTolvexDoc& doc) const
{
    if (obj.vnum <= 0 || obj.vnum < lowerVnum || obj.vnum > upperVnum)
        return { Field::Vnum, Format("VNum out or range! (%i to %i)", { lowerVnum, upperVnum }) };
    if (doc.FindObjectByVnum(obj.vnum, ownIndex) >= 0)
        return { Field::Vnum, "That vnum is in use!" };
    // A type the configuration lacks could not be written.
    if (obj.itemType == 0 || !Type())
        return { Field::Type, "You must select a type\nfor this object!" };
    if (obj.name.empty())
        return { Field::Name, "You must give this object a name!" };
    return {};
}

void CObjectEditState::Finish()
{
    obj.condition = OneLetterCondition(obj.condition);
}

bool CObjectEditState::Paste(const uint8_t* data, size_t size)
{
    CObjData pasted = obj;
    if (!ReadObjectRecord(data, size, pasted))
        return false;
    // Only QUENDAR writes train stops; any other file would be refused by the game.
    if (tables.mudType != MudType::Quendar)
        pasted.trainStops = obj.trainStops;
    pasted.condition = OneLetterCondition(pasted.condition);
    obj = std::move(pasted);
    return true;
}
