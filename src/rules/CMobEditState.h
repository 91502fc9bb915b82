#pragma once

#include "area/CMobData.h"
#include "config/ConfigTables.h"

#include <cstdint>
#include <string>

class CTolvexDoc;

// The eight flag sets of a mob, shown one at a time in one list.
struct CMobFlagSet {
    const char* caption;
    const char* buttonName;
    uint32_t CMobData::*field;
    uint32_t CRaceEntry::*race;
    CEntryTable<CTableEntry> CConfigTables::*table;
};
inline constexpr int MobFlagSetCount = 8;
extern const CMobFlagSet MobFlagSets[MobFlagSetCount];

// The stats "D" gives a mob of a level: hit dice, one armour class for all
// four, damage dice.
struct CMobLevelStats {
    int hitNumber, hitSize, hitBonus;
    int armour;
    int damNumber, damSize, damBonus;
};
// The row of `level`, or nullptr when the table has none (below 1, above 60).
const CMobLevelStats* MobLevelStats(int level);

// The controls that OK can send the builder back to.
enum class MobField { None,
    Vnum,
    Group,
    Race,
    Name,
    DamType,
    StartPos,
    DefaultPos,
    Sex,
    Size,
    Material,
    Special };

// The Mob Edit dialog's working copy and the decisions taken on it, apart
// from the widgets.
class CMobEditState {
public:
    // `ownIndex` is the mob's place in the document, -1 for a new mob.
    CMobEditState(const CMobData& mob, const CConfigTables& tables, int lowerVnum, int upperVnum, int ownIndex);

    CMobData mob;

    // The builder chose race `index` of the table: the mob takes its name,
    // and in each of the eight flag sets the old race's flags give way to
    // the new race's while the flags set beyond the old race's stay.
    void ChooseRace(int index);

    uint32_t FlagSet(int set) const { return mob.*MobFlagSets[set].field; }
    void ToggleFlag(int set, uint32_t value) { mob.*MobFlagSets[set].field ^= value; }

    // "D": false, changing nothing, when the level has no row.
    bool ApplyLevelStats();

    // Store New gives the mob a shop with the defaults; Delete takes it away.
    void AddShop();
    void DeleteShop();

    // One CMercSkill with value 0 for every SKILLS entry the mob lacks, so
    // that Mercenary Data offers every skill.
    void CompleteMercSkills();

    // A mob read from the clipboard, over the working copy: data this
    // dialect cannot write, or the triggers without mobprogs, stay as they
    // were; the messages fit the MERCMSG table; every skill is offered.
    void ApplyPaste(const CMobData& pasted);

    struct CCheck {
        std::string message;
        MobField field = MobField::None;
    };
    // What OK refuses first, on the controls already taken.
    CCheck Check(const CTolvexDoc& doc) const;
    // The mob as OK hands it over: act always has letter A, and skills the
    // mob does not know (value 0) are dropped.
    CMobData Finished() const;

private:
    const CConfigTables& tables;
    int lowerVnum;
    int upperVnum;
    int ownIndex;
};
