#include "area/MobRecord.h"

#include "text/RecordReader.h"
#include "text/RecordWriter.h"

namespace {

// Dice travel bonus first, then number and size.
void WriteDice(CRecordWriter& out, const std::array<int, 3>& dice)
{
    out.WriteInt(dice[2]);
    out.WriteInt(dice[0]);
    out.WriteInt(dice[1]);
}

bool ReadDice(CRecordReader& in, std::array<int, 3>& dice)
{
    return in.ReadInt(dice[2]) && in.ReadInt(dice[0]) && in.ReadInt(dice[1]);
}

// Every entry of the mob's lists takes a byte at least.
constexpr size_t LeastEntryBytes = 1;

bool ReadTrigger(CRecordReader& in, CMobTrigger& trigger)
{
    return in.ReadText(trigger.phrase) && in.ReadText(trigger.trigger) && in.ReadInt(trigger.vnum);
}

bool ReadMercSkill(CRecordReader& in, CMercSkill& skill)
{
    return in.ReadInt(skill.value) && in.ReadText(skill.skill);
}

bool ReadShop(CRecordReader& in, std::optional<CShopData>& shop)
{
    int32_t present = 0;
    if (!in.ReadInt(present))
        return false;
    shop.reset();
    if (present == 0)
        return true;
    CShopData read;
    if (!in.ReadInt(read.closeHour) || !in.ReadInt(read.openHour) || !in.ReadInt(read.profitBuy)
        || !in.ReadInt(read.profitSell))
        return false;
    for (int& type : read.buyTypes)
        if (!in.ReadInt(type))
            return false;
    shop = read;
    return true;
}

} // namespace

std::vector<uint8_t> WriteMobRecord(const CMobData& mob)
{
    CRecordWriter out;
    out.WriteInt(mob.ac[1]); // bash
    out.WriteInt(mob.ac[3]); // exotic
    out.WriteInt(mob.ac[0]); // pierce
    out.WriteInt(mob.ac[2]); // slash
    out.WriteInt(static_cast<int32_t>(mob.act));
    out.WriteInt(static_cast<int32_t>(mob.aff));
    out.WriteInt(mob.alignment);
    out.WriteText(mob.clan);
    WriteDice(out, mob.damDice);
    out.WriteText(mob.defaultPos);
    out.WriteText(mob.description);
    out.WriteInt(static_cast<int32_t>(mob.form));
    out.WriteInt(mob.group);
    WriteDice(out, mob.hitDice);
    out.WriteInt(mob.hitroll);
    out.WriteInt(static_cast<int32_t>(mob.imm));
    out.WriteInt(mob.level);
    out.WriteText(mob.longDesc);
    WriteDice(out, mob.manaDice);
    out.WriteText(mob.material);
    out.WriteList(mob.mercMessages, [](CRecordWriter& w, const std::string& message) { w.WriteText(message); });
    out.WriteList(mob.triggers, [](CRecordWriter& w, const CMobTrigger& trigger) {
        w.WriteText(trigger.phrase);
        w.WriteText(trigger.trigger);
        w.WriteInt(trigger.vnum);
    });
    out.WriteText(mob.name);
    out.WriteInt(static_cast<int32_t>(mob.off));
    out.WriteInt(static_cast<int32_t>(mob.parts));
    out.WriteInt(mob.rank);
    out.WriteInt(static_cast<int32_t>(mob.res));
    out.WriteText(mob.damType);
    out.WriteText(mob.race);
    out.WriteText(mob.sex);
    out.WriteInt(mob.shop ? 1 : 0);
    if (mob.shop) {
        out.WriteInt(mob.shop->closeHour);
        out.WriteInt(mob.shop->openHour);
        out.WriteInt(mob.shop->profitBuy);
        out.WriteInt(mob.shop->profitSell);
        for (int type : mob.shop->buyTypes)
            out.WriteInt(type);
    }
    out.WriteText(mob.size);
    out.WriteList(mob.mercSkills, [](CRecordWriter& w, const CMercSkill& skill) {
        w.WriteInt(skill.value);
        w.WriteText(skill.skill);
    });
    out.WriteText(mob.special);
    out.WriteText(mob.startPos);
    out.WriteInt(static_cast<int32_t>(mob.vuln));
    out.WriteInt(mob.wealth);
    out.WriteText(mob.shortDesc);
    return out.Bytes();
}

bool ReadMobRecord(const uint8_t* data, size_t size, CMobData& mob)
{
    CRecordReader in(data, size);
    CMobData read = mob;
    const bool whole = in.ReadInt(read.ac[1])
        && in.ReadInt(read.ac[3])
        && in.ReadInt(read.ac[0])
        && in.ReadInt(read.ac[2])
        && in.ReadInt(read.act)
        && in.ReadInt(read.aff)
        && in.ReadInt(read.alignment)
        && in.ReadText(read.clan)
        && ReadDice(in, read.damDice)
        && in.ReadText(read.defaultPos)
        && in.ReadText(read.description)
        && in.ReadInt(read.form)
        && in.ReadInt(read.group)
        && ReadDice(in, read.hitDice)
        && in.ReadInt(read.hitroll)
        && in.ReadInt(read.imm)
        && in.ReadInt(read.level)
        && in.ReadText(read.longDesc)
        && ReadDice(in, read.manaDice)
        && in.ReadText(read.material)
        && in.ReadList(read.mercMessages, LeastEntryBytes,
            [](CRecordReader& r, std::string& message) { return r.ReadText(message); })
        && in.ReadList(read.triggers, LeastEntryBytes, ReadTrigger)
        && in.ReadText(read.name)
        && in.ReadInt(read.off)
        && in.ReadInt(read.parts)
        && in.ReadInt(read.rank)
        && in.ReadInt(read.res)
        && in.ReadText(read.damType)
        && in.ReadText(read.race)
        && in.ReadText(read.sex)
        && ReadShop(in, read.shop)
        && in.ReadText(read.size)
        && in.ReadList(read.mercSkills, LeastEntryBytes, ReadMercSkill)
        && in.ReadText(read.special)
        && in.ReadText(read.startPos)
        && in.ReadInt(read.vuln)
        && in.ReadInt(read.wealth)
        && in.ReadText(read.shortDesc);
    if (!whole)
        return false;
    read.vnum = mob.vnum;
    read.trainerClass = mob.trainerClass;
    read.trainerSkills = mob.trainerSkills;
    mob = std::move(read);
    return true;
}

bool ReadMobRecord(const std::vector<uint8_t>& bytes, CMobData& mob)
{
    return ReadMobRecord(bytes.data(), bytes.size(), mob);
}
