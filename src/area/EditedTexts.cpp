#include "area/EditedTexts.h"

#include "area/Sections.h"
#include "config/ConfigTables.h"

namespace {

void Mark(const std::string& before, bool beforeEdited, const std::string& after, bool& afterEdited)
{
    afterEdited = after == before ? beforeEdited : true;
}

// Extra descriptions may have been added, removed or moved: one keeps its
// mark when the list had the same text, at its place or anywhere.
void Mark(const std::vector<CExtraDescData>& before, std::vector<CExtraDescData>& after)
{
    for (size_t i = 0; i < after.size(); ++i) {
        CExtraDescData& e = after[i];
        if (i < before.size() && before[i].description == e.description) {
            e.edited = before[i].edited;
            continue;
        }
        e.edited = true;
        for (const CExtraDescData& old : before)
            if (old.description == e.description) {
                e.edited = old.edited;
                break;
            }
    }
}

bool Rewrap(std::string& text, bool& edited)
{
    std::string formatted = FormattedDescription(text);
    const bool changed = edited || formatted != text;
    text = std::move(formatted);
    edited = false;
    return changed;
}

bool Rewrap(std::vector<CExtraDescData>& extras)
{
    bool changed = false;
    for (CExtraDescData& e : extras)
        changed = Rewrap(e.description, e.edited) || changed;
    return changed;
}

} // namespace

void MarkEditedTexts(const CRoomData& before, CRoomData& after)
{
    Mark(before.description, before.descriptionEdited, after.description, after.descriptionEdited);
    for (size_t d = 0; d < after.exits.size(); ++d)
        Mark(before.exits[d].description, before.exits[d].descriptionEdited, after.exits[d].description,
            after.exits[d].descriptionEdited);
    Mark(before.extraDescs, after.extraDescs);
}

void MarkEditedTexts(const CObjData& before, CObjData& after)
{
    for (size_t i = 0; i < after.valueTexts.size(); ++i)
        Mark(before.valueTexts[i], before.valueTextEdited[i], after.valueTexts[i], after.valueTextEdited[i]);
    Mark(before.extraDescs, after.extraDescs);
}

void MarkEditedTexts(const CMobData& before, CMobData& after)
{
    Mark(before.longDesc, before.longDescEdited, after.longDesc, after.longDescEdited);
    Mark(before.description, before.descriptionEdited, after.description, after.descriptionEdited);
}

void MarkAllTextsEdited(CRoomData& room)
{
    room.descriptionEdited = true;
    for (CExitData& exit : room.exits)
        exit.descriptionEdited = true;
    for (CExtraDescData& e : room.extraDescs)
        e.edited = true;
}

void MarkAllTextsEdited(CObjData& object)
{
    object.valueTextEdited.fill(true);
    for (CExtraDescData& e : object.extraDescs)
        e.edited = true;
}

void MarkAllTextsEdited(CMobData& mob)
{
    mob.longDescEdited = true;
    mob.descriptionEdited = true;
}

bool RewrapTexts(CRoomData& room)
{
    bool changed = Rewrap(room.description, room.descriptionEdited);
    for (CExitData& exit : room.exits)
        changed = Rewrap(exit.description, exit.descriptionEdited) || changed;
    return Rewrap(room.extraDescs) || changed;
}

bool RewrapTexts(CObjData& object, const CConfigTables& tables)
{
    bool changed = false;
    if (const CObjTypeEntry* type = tables.ObjType(object.itemType))
        for (size_t i = 0; i < object.valueTexts.size(); ++i)
            if (AsciiUpperByte(type->slots[i].kind) == 'S')
                changed = Rewrap(object.valueTexts[i], object.valueTextEdited[i]) || changed;
    return Rewrap(object.extraDescs) || changed;
}

bool RewrapTexts(CMobData& mob)
{
    bool changed = Rewrap(mob.longDesc, mob.longDescEdited);
    return Rewrap(mob.description, mob.descriptionEdited) || changed;
}
