#include "rules/CMobEditState.h"

#include "area/CTolvexDoc.h"
#include "text/TextWriter.h"

#include <algorithm>
#include <iterator>

const CMobFlagSet MobFlagSets[MobFlagSetCount] = {
    { "Action", "actionFlagsButton", &CMobData::act, &CRaceEntry::act, &CConfigTables::actFlags },
    { "Affect", "affectFlagsButton", &CMobData::aff, &CRaceEntry::aff, &CConfigTables::affectFlags },
    { "Offense", "offenseFlagsButton", &CMobData::off, &CRaceEntry::off, &CConfigTables::offFlags },
    { "Immune", "immuneFlagsButton", &CMobData::imm, &CRaceEntry::imm, &CConfigTables::immFlags },
    { "Resistent", "resistentFlagsButton", &CMobData::res, &CRaceEntry::res, &CConfigTables::immFlags },
    { "Vulnerable", "vulnerableFlagsButton", &CMobData::vuln, &CRaceEntry::vuln, &CConfigTables::immFlags },
    { "Form", "formFlagsButton", &CMobData::form, &CRaceEntry::form, &CConfigTables::form },
    { "Parts", "partsFlagsButton", &CMobData::parts, &CRaceEntry::parts, &CConfigTables::parts },
};

namespace {

// Levels 1 to 60.
const CMobLevelStats levelStats[] = {
    { 2, 6, 10, 90, 1, 4, 0 },
    { 2, 7, 21, 80, 1, 5, 0 },
    { 2, 6, 35, 70, 1, 6, 0 },
    { 2, 7, 46, 60, 1, 5, 1 },
    { 2, 6, 60, 50, 1, 6, 1 },
    { 2, 7, 71, 40, 1, 7, 1 },
    { 2, 6, 85, 40, 1, 8, 1 },
    { 2, 7, 96, 30, 1, 7, 2 },
    { 2, 6, 110, 20, 1, 8, 2 },
    { 2, 7, 121, 10, 2, 4, 2 },
    { 2, 8, 134, 10, 1, 10, 2 },
    { 2, 10, 150, 0, 1, 10, 3 },
    { 2, 10, 170, -10, 2, 5, 3 },
    { 2, 10, 190, -10, 1, 12, 3 },
    { 3, 9, 208, -20, 2, 6, 3 },
    { 3, 9, 233, -20, 2, 6, 4 },
    { 3, 9, 258, -30, 3, 4, 4 },
    { 3, 9, 283, -30, 2, 7, 4 },
    { 3, 9, 308, -40, 2, 7, 5 },
    { 3, 9, 333, -40, 2, 8, 5 },
    { 4, 10, 360, -50, 4, 4, 5 },
    { 5, 10, 400, -50, 4, 4, 6 },
    { 5, 10, 450, -60, 3, 6, 6 },
    { 5, 10, 500, -60, 2, 10, 6 },
    { 5, 10, 550, -70, 2, 10, 7 },
    { 5, 10, 600, -70, 3, 7, 7 },
    { 5, 10, 650, -80, 5, 4, 7 },
    { 6, 12, 703, -80, 2, 12, 8 },
    { 6, 12, 778, -90, 2, 12, 8 },
    { 6, 12, 853, -90, 4, 6, 8 },
    { 6, 12, 928, -100, 4, 6, 9 },
    { 10, 10, 1000, -100, 6, 4, 9 },
    { 10, 10, 1100, -110, 6, 4, 10 },
    { 10, 10, 1200, -110, 4, 7, 10 },
    { 10, 10, 1300, -110, 4, 7, 11 },
    { 10, 10, 1400, -120, 3, 10, 11 },
    { 10, 10, 1500, -120, 3, 10, 12 },
    { 10, 10, 1600, -130, 5, 6, 12 },
    { 15, 10, 1700, -130, 5, 6, 13 },
    { 15, 10, 1850, -130, 4, 8, 13 },
    { 25, 10, 2000, -140, 4, 8, 14 },
    { 25, 10, 2250, -140, 3, 12, 14 },
    { 25, 10, 2500, -150, 3, 12, 15 },
    { 25, 10, 2750, -150, 8, 4, 15 },
    { 25, 10, 3000, -150, 8, 4, 16 },
    { 25, 10, 3250, -160, 6, 6, 16 },
    { 25, 10, 3500, -170, 6, 6, 17 },
    { 25, 10, 3750, -180, 6, 6, 18 },
    { 50, 10, 4000, -190, 4, 10, 18 },
    { 50, 10, 4500, -200, 5, 8, 19 },
    { 50, 10, 5000, -210, 5, 8, 20 },
    { 50, 10, 5500, -220, 6, 7, 20 },
    { 50, 10, 6000, -230, 6, 7, 21 },
    { 50, 10, 6500, -240, 7, 6, 22 },
    { 50, 10, 7000, -250, 10, 4, 23 },
    { 50, 10, 7500, -260, 10, 4, 24 },
    { 50, 10, 8000, -270, 6, 8, 24 },
    { 50, 10, 8500, -280, 5, 10, 25 },
    { 50, 10, 9000, -290, 8, 6, 26 },
    { 50, 10, 9500, -300, 8, 6, 28 },
};

bool HasBlank(const std::string& text)
{
    return text.find_first_of(" \t\r\n") != std::string::npos;
}

} // namespace

const CMobLevelStats* MobLevelStats(int level)
{
    if (level < 1 || level > static_cast<int>(std::size(levelStats)))
        return nullptr;
    return &levelStats[level - 1];
}

CMobEditState::CMobEditState(const CMobData& original, const CConfigTables& tableSet, int lowest, int highest, int index)
    : mob(original)
    , tables(tableSet)
    , lowerVnum(lowest)
    , upperVnum(highest)
    , ownIndex(index)
{
    CompleteMercSkills();
}

void CMobEditState::ChooseRace(int index)
{
    if (index < 0 || index >= tables.mobFlags.Count())
        return;
    const CRaceEntry& race = tables.mobFlags[index];
    // The old race's own flags go and the new one's come; what the builder
    // set beyond the old race stays.
    const CRaceEntry* old = nullptr;
    for (int i = 0; i < tables.mobFlags.Count() && !old; ++i)
        if (tables.mobFlags[i].name == mob.race)
            old = &tables.mobFlags[i];
    mob.race = race.name;
    for (const CMobFlagSet& set : MobFlagSets) {
        const uint32_t own = mob.*set.field & ~(old ? old->*set.race : 0u);
        mob.*set.field = own | race.*set.race;
    }
}

bool CMobEditState::ApplyLevelStats()
{
    const CMobLevelStats* stats = MobLevelStats(mob.level);
    if (!stats)
        return false;
    mob.hitDice = { stats->hitNumber, stats->hitSize, stats->hitBonus };
    mob.ac = { stats->armour, stats->armour, stats->armour, stats->armour };
    mob.damDice = { stats->damNumber, stats->damSize, stats->damBonus };
    return true;
}

void CMobEditState::AddShop()
{
    if (!mob.shop)
        mob.shop = CShopData();
}

void CMobEditState::DeleteShop()
{
    mob.shop.reset();
}

void CMobEditState::CompleteMercSkills()
{
    for (const auto& entry : tables.skills) {
        const bool known = std::any_of(mob.mercSkills.begin(), mob.mercSkills.end(),
            [&](const CMercSkill& skill) { return skill.skill == entry->name; });
        if (!known)
            mob.mercSkills.push_back({ 0, entry->name });
    }
}

void CMobEditState::ApplyPaste(const CMobData& pasted)
{
    CMobData kept = mob;
    mob = pasted;
    mob.vnum = kept.vnum;
    mob.trainerClass = kept.trainerClass;
    mob.trainerSkills = kept.trainerSkills;
    if (tables.mudType != MudType::Quendar) {
        // ROM refuses the mercenary lines: what the dialect cannot write stays.
        mob.clan = kept.clan;
        mob.rank = kept.rank;
        mob.mercMessages = kept.mercMessages;
        mob.mercSkills = kept.mercSkills;
    }
    if (tables.mobprog == 0)
        mob.triggers = kept.triggers;
    // An editor with another MERCMSG table may send more or fewer messages.
    mob.mercMessages.resize(static_cast<size_t>(tables.mercMsg.Count()));
    CompleteMercSkills();
}

CMobEditState::CCheck CMobEditState::Check(const CTolvexDoc& doc) const
{
    // Vnum 0 would end the section when the area is read back.
    const int lowest = std::max(lowerVnum, 1);
    if (mob.vnum < lowest || mob.vnum > upperVnum)
        return { Format("VNum out or range! (%i to %i)", { lowest, upperVnum }), MobField::Vnum };
    if (doc.FindMobByVnum(mob.vnum, ownIndex) >= 0)
        return { "That vnum is in use!", MobField::Vnum };
    if (mob.group > 0 && (mob.group < lowerVnum || mob.group > upperVnum))
        return { Format("Group out of range! (%i to %i, -1 or 0)", { lowerVnum, upperVnum }), MobField::Group };
    if (mob.race.empty())
        return { "You must select a race\nfor this mob!", MobField::Race };
    if (mob.name.empty())
        return { "You must give a name to this mob!", MobField::Name };
    // These are written as bare words: an empty one would take the next
    // field's place when the area is read back.
    if (mob.damType.empty())
        return { "You must select a damage type\nfor this mob!", MobField::DamType };
    if (mob.startPos.empty())
        return { "You must select an initial position\nfor this mob!", MobField::StartPos };
    if (mob.defaultPos.empty())
        return { "You must select a default position\nfor this mob!", MobField::DefaultPos };
    if (mob.sex.empty())
        return { "You must select a sex\nfor this mob!", MobField::Sex };
    if (mob.size.empty())
        return { "You must select a size\nfor this mob!", MobField::Size };
    if (mob.material.empty())
        return { "You must give a material to this mob!", MobField::Material };
    if (HasBlank(mob.special))
        return { "A special function is one word: it cannot hold blanks!", MobField::Special };
    return {};
}

CMobData CMobEditState::Finished() const
{
    CMobData done = mob;
    done.act |= 0x1;
    done.mercSkills.erase(std::remove_if(done.mercSkills.begin(), done.mercSkills.end(),
                              [](const CMercSkill& skill) { return skill.value == 0; }),
        done.mercSkills.end());
    return done;
}
