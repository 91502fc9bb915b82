#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "layout/RoomLayout.h"

namespace {

constexpr int DumpCellSize = 12;

void WriteDice(CJsonWriter& j, const char* key, const std::array<int, 3>& dice)
{
    j.Key(key);
    j.BeginArray();
    for (int v : dice)
        j.Value(v);
    j.EndArray();
}

template <typename T, typename F>
void WriteList(CJsonWriter& j, const char* key, const T& list, F writeOne)
{
    j.Key(key);
    j.BeginArray();
    for (const auto& item : list)
        writeOne(item);
    j.EndArray();
}

void WriteFlags(CJsonWriter& j, const char* key, uint32_t flags)
{
    j.Field(key, static_cast<long long>(flags));
}

void WriteReset(CJsonWriter& j, const CResetData& r)
{
    j.BeginObject();
    j.Field("command", std::string(1, r.command));
    j.Field("arg1", r.arg1);
    j.Field("arg2", r.arg2);
    j.Field("arg3", r.arg3);
    j.Field("arg4", r.arg4);
    j.EndObject();
}

void WriteExtraDesc(CJsonWriter& j, const CExtraDescData& e)
{
    j.BeginObject();
    j.Field("keyword", e.keyword);
    j.Field("description", e.description);
    j.EndObject();
}

void WriteRoom(CJsonWriter& j, const CRoomData& r)
{
    j.BeginObject();
    // Pixels at the editor's starting zoom, as the map window first shows them.
    j.Field("x", RoomX(r, DumpCellSize));
    j.Field("y", RoomY(r, DumpCellSize));
    j.Field("level", r.level);
    j.Key("unplaced");
    j.Bool(r.unplaced);
    j.Field("vnum", r.vnum);
    j.Field("name", r.name);
    j.Field("description", r.description);
    WriteFlags(j, "roomFlags", r.roomFlags);
    j.Field("sector", r.sector);
    WriteList(j, "extraDescs", r.extraDescs, [&](const CExtraDescData& e) { WriteExtraDesc(j, e); });
    WriteList(j, "exits", r.exits, [&](const CExitData& e) {
        j.BeginObject();
        j.Field("description", e.description);
        j.Field("keyword", e.keyword);
        j.Field("key", e.key);
        j.Field("toVnum", e.toVnum);
        WriteFlags(j, "exitFlags", e.exitFlags);
        j.EndObject();
    });
    j.Field("manaRate", r.manaRate);
    j.Field("healRate", r.healRate);
    j.Field("owner", r.owner);
    j.Field("clan", r.clan);
    WriteList(j, "resets", r.resets, [&](const CResetData& reset) { WriteReset(j, reset); });
    j.EndObject();
}

void WriteObject(CJsonWriter& j, const CObjData& o)
{
    j.BeginObject();
    j.Field("vnum", o.vnum);
    j.Field("name", o.name);
    j.Field("shortDesc", o.shortDesc);
    j.Field("longDesc", o.longDesc);
    j.Field("material", o.material);
    j.Field("itemType", o.itemType);
    WriteFlags(j, "extraFlags", o.extraFlags);
    WriteFlags(j, "wearFlags", o.wearFlags);
    WriteList(j, "values", o.values, [&](int32_t v) { j.Value(v); });
    WriteList(j, "valueTexts", o.valueTexts, [&](const std::string& t) { j.Value(t); });
    j.Field("level", o.level);
    j.Field("weight", o.weight);
    j.Field("cost", o.cost);
    j.Field("condition", o.condition);
    WriteList(j, "affects", o.affects, [&](const CAffectData& a) {
        j.BeginObject();
        j.Field("where", a.where);
        j.Field("location", a.location);
        j.Field("modifier", a.modifier);
        WriteFlags(j, "bits", a.bits);
        j.EndObject();
    });
    WriteList(j, "extraDescs", o.extraDescs, [&](const CExtraDescData& e) { WriteExtraDesc(j, e); });
    WriteList(j, "trainStops", o.trainStops, [&](const CTrainStop& t) {
        j.BeginObject();
        j.Field("room", t.room);
        WriteFlags(j, "flags", t.flags);
        j.Field("time", t.time);
        j.Field("arrivalMessage", t.arrivalMessage);
        j.Field("leaveMessage", t.leaveMessage);
        j.EndObject();
    });
    j.EndObject();
}

void WriteMob(CJsonWriter& j, const CMobData& m)
{
    j.BeginObject();
    j.Field("vnum", m.vnum);
    j.Field("name", m.name);
    j.Field("shortDesc", m.shortDesc);
    j.Field("longDesc", m.longDesc);
    j.Field("description", m.description);
    j.Field("race", m.race);
    WriteFlags(j, "act", m.act);
    WriteFlags(j, "aff", m.aff);
    j.Field("alignment", m.alignment);
    j.Field("group", m.group);
    j.Field("level", m.level);
    j.Field("hitroll", m.hitroll);
    WriteDice(j, "hitDice", m.hitDice);
    WriteDice(j, "manaDice", m.manaDice);
    WriteDice(j, "damDice", m.damDice);
    j.Field("damType", m.damType);
    WriteList(j, "ac", m.ac, [&](int v) { j.Value(v); });
    WriteFlags(j, "off", m.off);
    WriteFlags(j, "imm", m.imm);
    WriteFlags(j, "res", m.res);
    WriteFlags(j, "vuln", m.vuln);
    j.Field("startPos", m.startPos);
    j.Field("defaultPos", m.defaultPos);
    j.Field("sex", m.sex);
    j.Field("wealth", m.wealth);
    WriteFlags(j, "form", m.form);
    WriteFlags(j, "parts", m.parts);
    j.Field("size", m.size);
    j.Field("material", m.material);
    j.Field("clan", m.clan);
    j.Field("rank", m.rank);
    WriteList(j, "mercMessages", m.mercMessages, [&](const std::string& t) { j.Value(t); });
    WriteList(j, "mercSkills", m.mercSkills, [&](const CMercSkill& s) {
        j.BeginObject();
        j.Field("value", s.value);
        j.Field("skill", s.skill);
        j.EndObject();
    });
    WriteList(j, "triggers", m.triggers, [&](const CMobTrigger& t) {
        j.BeginObject();
        j.Field("trigger", t.trigger);
        j.Field("vnum", t.vnum);
        j.Field("phrase", t.phrase);
        j.EndObject();
    });
    j.Field("special", m.special);
    j.Key("shop");
    if (!m.shop) {
        j.Null();
    } else {
        const CShopData& s = *m.shop;
        j.BeginObject();
        WriteList(j, "buyTypes", s.buyTypes, [&](int v) { j.Value(v); });
        j.Field("profitBuy", s.profitBuy);
        j.Field("profitSell", s.profitSell);
        j.Field("openHour", s.openHour);
        j.Field("closeHour", s.closeHour);
        j.EndObject();
    }
    j.Field("trainerClass", m.trainerClass);
    WriteList(j, "trainerSkills", m.trainerSkills, [&](const CTrainerSkill& s) {
        j.BeginObject();
        j.Field("skill", s.skill);
        j.Field("gold", s.gold);
        j.Field("mult", s.mult);
        j.Field("maxLevel", s.maxLevel);
        j.Field("initiate", s.initiate);
        j.EndObject();
    });
    j.EndObject();
}

} // namespace

int RunDumpCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("dump", "usage: tolvex-cli dump [--config CFG] FILE\n", { { "--config", true } }, 1, 1);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    CTolvexDoc doc(tables);
    if (!LoadAreaFile(line.Operands()[0], doc, context))
        return 1;
    LayoutRooms(doc);

    CJsonWriter j(context.out);
    j.BeginObject();
    j.Field("name", doc.name);
    j.Field("builders", doc.builders);
    j.Field("credits", doc.credits);
    j.Field("lowerVnum", doc.lowerVnum);
    j.Field("upperVnum", doc.upperVnum);
    j.Field("security", doc.security);
    j.Field("minLevel", doc.minLevel);
    j.Field("maxLevel", doc.maxLevel);
    WriteList(j, "resources", doc.resources, [&](const CTableEntry& r) {
        j.BeginObject();
        j.Field("name", r.name);
        j.Field("value", r.value);
        j.EndObject();
    });
    WriteList(j, "rooms", doc.rooms, [&](const CRoomData& r) { WriteRoom(j, r); });
    WriteList(j, "objects", doc.objects, [&](const CObjData& o) { WriteObject(j, o); });
    WriteList(j, "mobs", doc.mobs, [&](const CMobData& m) { WriteMob(j, m); });
    WriteList(j, "mobprogs", doc.mobprogs, [&](const CMobProgData& p) {
        j.BeginObject();
        j.Field("vnum", p.vnum);
        j.Field("code", p.code);
        j.EndObject();
    });
    WriteList(j, "resets", doc.resets, [&](const CResetData& r) { WriteReset(j, r); });
    WriteList(j, "keptSections", doc.keptSections, [&](const CKeptSection& k) {
        j.BeginObject();
        j.Field("word", k.word);
        j.Field("bytes", static_cast<long long>(k.bytes.size()));
        j.EndObject();
    });
    j.EndObject();
    return 0;
}
