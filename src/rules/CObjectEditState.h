#pragma once

#include "area/CObjData.h"
#include "config/ConfigTables.h"

#include <cstdint>
#include <string>
#include <vector>

class CTolvexDoc;

// The Object Edit dialog's working copy and the decisions taken on it, apart
// from the widgets: which value slots the type uses, the affects, what a
// paste brings and what OK refuses.
class CObjectEditState {
public:
    // `ownIndex` is the object's place in the document, -1 for a new object.
    CObjectEditState(const CConfigTables& tables, const CObjData& object, int lowerVnum, int upperVnum, int ownIndex);

    CObjData obj;

    const CConfigTables& Tables() const { return tables; }
    // The type's table entry, or nullptr when the configuration has none.
    const CObjTypeEntry* Type() const { return tables.ObjType(obj.itemType); }
    // Slot `slot`'s kind letter (upper case); 'N' when the type has no entry.
    char Kind(int slot) const;
    const CEntryTable<CTableEntry>* SlotTable(int slot) const { return tables.SlotTable(obj.itemType, slot); }
    bool SlotUsed(int slot) const;
    // The first slot the type uses, or -1.
    int FirstUsedSlot() const;
    // A new type: the old type's values mean nothing to it and are cleared.
    void ChangeType(int itemType);

    // Affects. `where` is the kind's place in AFFTO, `location` the
    // attribute's place in AFFECTLOCATION.
    int AddAffect();
    bool DeleteAffect(int index);
    // A new kind: the old kind's flags mean nothing to it and are cleared.
    void ChangeAffectKind(int index, int where);
    // The flags an affect of kind `where` carries, or nullptr for none.
    const CEntryTable<CTableEntry>* AffectFlagTable(int where) const;
    // Stores the shown affect. A kind or location of -1 (no choice shown)
    // keeps the stored one; flags no list item names are kept.
    void CommitAffect(int index, int where, int location, int modifier, uint32_t marked);

    // The conditions the dialog offers, and the one that shows the stored
    // condition (-1: none does, and the stored text stays).
    static const std::vector<std::string>& Conditions();
    int ConditionChoice() const;

    // What OK refuses first, with where the focus goes.
    enum class Field { None,
        Vnum,
        Type,
        Name };
    struct CRefusal {
        Field field = Field::None;
        std::string message;
    };
    CRefusal Check(const CTolvexDoc& doc) const;
    // What OK hands over: the condition as the file reads it back.
    void Finish();

    // Reads a clipboard record over the working copy; false, with nothing
    // changed, when it is not complete. The vnum stays, and so do the train
    // stops outside the dialect that writes them.
    bool Paste(const uint8_t* data, size_t size);

private:
    const CConfigTables& tables;
    int lowerVnum;
    int upperVnum;
    int ownIndex;
};
