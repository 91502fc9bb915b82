#include "area/SameContent.h"

#include <algorithm>
#include <tuple>

namespace {

auto Tie(const CTableEntry& e) { return std::tie(e.value, e.name, e.text); }
auto Tie(const CExtraDescData& e) { return std::tie(e.keyword, e.description); }
auto Tie(const CResetData& r) { return std::tie(r.command, r.arg1, r.arg2, r.arg3, r.arg4); }
auto Tie(const CExitData& e) { return std::tie(e.description, e.keyword, e.key, e.toVnum, e.exitFlags); }
auto Tie(const CAffectData& a) { return std::tie(a.where, a.location, a.modifier, a.bits); }
auto Tie(const CTrainStop& t) { return std::tie(t.room, t.flags, t.time, t.arrivalMessage, t.leaveMessage); }
auto Tie(const CMercSkill& s) { return std::tie(s.value, s.skill); }
auto Tie(const CMobTrigger& t) { return std::tie(t.trigger, t.vnum, t.phrase); }
auto Tie(const CTrainerSkill& s) { return std::tie(s.skill, s.gold, s.mult, s.maxLevel, s.initiate); }
auto Tie(const CShopData& s) { return std::tie(s.buyTypes, s.profitBuy, s.profitSell, s.openHour, s.closeHour); }

template <typename Part>
bool Same(const Part& a, const Part& b)
{
    return Tie(a) == Tie(b);
}

template <typename Container>
bool SameAll(const Container& a, const Container& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const auto& x, const auto& y) { return Same(x, y); });
}

} // namespace

bool SameContent(const CAreaHeader& a, const CAreaHeader& b)
{
    return std::tie(a.name, a.builders, a.credits, a.lowerVnum, a.upperVnum, a.security, a.minLevel, a.maxLevel)
        == std::tie(b.name, b.builders, b.credits, b.lowerVnum, b.upperVnum, b.security, b.minLevel, b.maxLevel)
        && SameAll(a.resources, b.resources);
}

bool SameContent(const CRoomData& a, const CRoomData& b)
{
    return std::tie(a.vnum, a.name, a.description, a.roomFlags, a.sector, a.manaRate, a.healRate, a.owner, a.clan)
        == std::tie(b.vnum, b.name, b.description, b.roomFlags, b.sector, b.manaRate, b.healRate, b.owner, b.clan)
        && SameAll(a.extraDescs, b.extraDescs) && SameAll(a.exits, b.exits) && SameAll(a.resets, b.resets);
}

bool SameContent(const CObjData& a, const CObjData& b)
{
    return std::tie(a.vnum, a.name, a.shortDesc, a.longDesc, a.material, a.itemType, a.extraFlags, a.wearFlags,
               a.values, a.valueTexts, a.level, a.weight, a.cost, a.condition)
        == std::tie(b.vnum, b.name, b.shortDesc, b.longDesc, b.material, b.itemType, b.extraFlags, b.wearFlags,
            b.values, b.valueTexts, b.level, b.weight, b.cost, b.condition)
        && SameAll(a.affects, b.affects) && SameAll(a.extraDescs, b.extraDescs) && SameAll(a.trainStops, b.trainStops);
}

bool SameContent(const CMobData& a, const CMobData& b)
{
    const bool sameShop = a.shop.has_value() == b.shop.has_value() && (!a.shop || Same(*a.shop, *b.shop));
    return sameShop
        && std::tie(a.vnum, a.name, a.shortDesc, a.longDesc, a.description, a.race, a.act, a.aff, a.alignment,
               a.group, a.level, a.hitroll, a.hitDice, a.manaDice, a.damDice, a.damType, a.ac, a.off, a.imm, a.res,
               a.vuln, a.startPos, a.defaultPos, a.sex, a.wealth, a.form, a.parts, a.size, a.material, a.clan,
               a.rank, a.mercMessages, a.special, a.trainerClass)
        == std::tie(b.vnum, b.name, b.shortDesc, b.longDesc, b.description, b.race, b.act, b.aff, b.alignment,
            b.group, b.level, b.hitroll, b.hitDice, b.manaDice, b.damDice, b.damType, b.ac, b.off, b.imm, b.res,
            b.vuln, b.startPos, b.defaultPos, b.sex, b.wealth, b.form, b.parts, b.size, b.material, b.clan,
            b.rank, b.mercMessages, b.special, b.trainerClass)
        && SameAll(a.mercSkills, b.mercSkills) && SameAll(a.triggers, b.triggers)
        && SameAll(a.trainerSkills, b.trainerSkills);
}

bool SameContent(const CMobProgData& a, const CMobProgData& b)
{
    return a.vnum == b.vnum && a.code == b.code;
}
