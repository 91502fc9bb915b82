#include "DocCompare.h"

#include <sstream>

std::string WrapInsensitive(const std::string& text)
{
    std::string folded;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

namespace {

class CComparer {
public:
    CComparer(const CCompareOptions& options) : options(options) {}

    template <typename T>
    void Same(const std::string& path, const T& a, const T& b)
    {
        if (!(a == b)) {
            std::ostringstream line;
            line << path << ": " << a << " | " << b;
            differences.push_back(line.str());
        }
    }

    void Text(const std::string& path, const std::string& a, const std::string& b, bool rewrapped)
    {
        if (rewrapped && options.rewrappedTexts)
            Same(path, WrapInsensitive(a), WrapInsensitive(b));
        else
            Same(path, a, b);
    }

    template <typename Items, typename F>
    void List(const std::string& path, const Items& a, const Items& b, F each)
    {
        Same(path + ".size", a.size(), b.size());
        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            each(path + "[" + std::to_string(i) + "]", a[i], b[i]);
    }

    void Extra(const std::string& p, const CExtraDescData& a, const CExtraDescData& b)
    {
        Text(p + ".keyword", a.keyword, b.keyword, false);
        Text(p + ".description", a.description, b.description, true);
    }

    void Reset(const std::string& p, const CResetData& a, const CResetData& b)
    {
        Same(p + ".command", a.command, b.command);
        Same(p + ".arg1", a.arg1, b.arg1);
        Same(p + ".arg2", a.arg2, b.arg2);
        Same(p + ".arg3", a.arg3, b.arg3);
        Same(p + ".arg4", a.arg4, b.arg4);
    }

    void Room(const std::string& p, const CRoomData& a, const CRoomData& b)
    {
        Same(p + ".vnum", a.vnum, b.vnum);
        Text(p + ".name", a.name, b.name, false);
        Text(p + ".description", a.description, b.description, true);
        Same(p + ".roomFlags", a.roomFlags, b.roomFlags);
        Same(p + ".sector", a.sector, b.sector);
        List(p + ".extraDescs", a.extraDescs, b.extraDescs, [this](auto q, auto& x, auto& y) { Extra(q, x, y); });
        for (int d = 0; d < DirectionCount; ++d) {
            const std::string q = p + ".exits[" + std::to_string(d) + "]";
            CExitData x = a.exits[d];
            const CExitData& y = b.exits[d];
            if (options.droppedExits && x.toVnum <= 0)
                x = CExitData();
            Text(q + ".description", x.description, y.description, true);
            Text(q + ".keyword", x.keyword, y.keyword, false);
            Same(q + ".key", x.key, y.key);
            Same(q + ".toVnum", x.toVnum, y.toVnum);
            Same(q + ".exitFlags", x.exitFlags, y.exitFlags);
        }
        Same(p + ".manaRate", a.manaRate, b.manaRate);
        Same(p + ".healRate", a.healRate, b.healRate);
        Text(p + ".owner", a.owner, b.owner, false);
        Text(p + ".clan", a.clan, b.clan, false);
        List(p + ".resets", a.resets, b.resets, [this](auto q, auto& x, auto& y) { Reset(q, x, y); });
        Same(p + ".x", a.x, b.x);
        Same(p + ".y", a.y, b.y);
        Same(p + ".level", a.level, b.level);
        Same(p + ".unplaced", a.unplaced, b.unplaced);
    }

    void Object(const std::string& p, const CObjData& a, const CObjData& b)
    {
        Same(p + ".vnum", a.vnum, b.vnum);
        Text(p + ".name", a.name, b.name, false);
        Text(p + ".shortDesc", a.shortDesc, b.shortDesc, false);
        Text(p + ".longDesc", a.longDesc, b.longDesc, false);
        Text(p + ".material", a.material, b.material, false);
        Same(p + ".itemType", a.itemType, b.itemType);
        Same(p + ".extraFlags", a.extraFlags, b.extraFlags);
        Same(p + ".wearFlags", a.wearFlags, b.wearFlags);
        for (int i = 0; i < 5; ++i) {
            Same(p + ".values[" + std::to_string(i) + "]", a.values[i], b.values[i]);
            Text(p + ".valueTexts[" + std::to_string(i) + "]", a.valueTexts[i], b.valueTexts[i], true);
        }
        Same(p + ".level", a.level, b.level);
        Same(p + ".weight", a.weight, b.weight);
        Same(p + ".cost", a.cost, b.cost);
        Same(p + ".condition", a.condition, b.condition);
        List(p + ".affects", a.affects, b.affects, [this](auto q, auto& x, auto& y) {
            Same(q + ".where", x.where, y.where);
            Same(q + ".location", x.location, y.location);
            Same(q + ".modifier", x.modifier, y.modifier);
            Same(q + ".bits", x.bits, y.bits);
        });
        List(p + ".extraDescs", a.extraDescs, b.extraDescs, [this](auto q, auto& x, auto& y) { Extra(q, x, y); });
        List(p + ".trainStops", a.trainStops, b.trainStops, [this](auto q, auto& x, auto& y) {
            Same(q + ".room", x.room, y.room);
            Same(q + ".flags", x.flags, y.flags);
            Same(q + ".time", x.time, y.time);
            Same(q + ".arrivalMessage", x.arrivalMessage, y.arrivalMessage);
            Same(q + ".leaveMessage", x.leaveMessage, y.leaveMessage);
        });
    }

    void Mob(const std::string& p, const CMobData& a, const CMobData& b)
    {
        Same(p + ".vnum", a.vnum, b.vnum);
        Text(p + ".name", a.name, b.name, false);
        Text(p + ".shortDesc", a.shortDesc, b.shortDesc, false);
        Text(p + ".longDesc", a.longDesc, b.longDesc, true);
        Text(p + ".description", a.description, b.description, true);
        Same(p + ".race", a.race, b.race);
        Same(p + ".act", a.act, b.act);
        Same(p + ".aff", a.aff, b.aff);
        Same(p + ".alignment", a.alignment, b.alignment);
        Same(p + ".group", a.group, b.group);
        Same(p + ".level", a.level, b.level);
        Same(p + ".hitroll", a.hitroll, b.hitroll);
        for (int i = 0; i < 3; ++i) {
            Same(p + ".hitDice", a.hitDice[i], b.hitDice[i]);
            Same(p + ".manaDice", a.manaDice[i], b.manaDice[i]);
            Same(p + ".damDice", a.damDice[i], b.damDice[i]);
        }
        Same(p + ".damType", a.damType, b.damType);
        for (int i = 0; i < 4; ++i)
            Same(p + ".ac[" + std::to_string(i) + "]", a.ac[i], b.ac[i]);
        Same(p + ".off", a.off, b.off);
        Same(p + ".imm", a.imm, b.imm);
        Same(p + ".res", a.res, b.res);
        Same(p + ".vuln", a.vuln, b.vuln);
        Same(p + ".startPos", a.startPos, b.startPos);
        Same(p + ".defaultPos", a.defaultPos, b.defaultPos);
        Same(p + ".sex", a.sex, b.sex);
        Same(p + ".wealth", a.wealth, b.wealth);
        Same(p + ".form", a.form, b.form);
        Same(p + ".parts", a.parts, b.parts);
        Same(p + ".size", a.size, b.size);
        Same(p + ".material", a.material, b.material);
        Same(p + ".clan", a.clan, b.clan);
        Same(p + ".rank", a.rank, b.rank);
        List(p + ".mercMessages", a.mercMessages, b.mercMessages, [this](auto q, auto& x, auto& y) { Same(q, x, y); });
        List(p + ".mercSkills", a.mercSkills, b.mercSkills, [this](auto q, auto& x, auto& y) {
            Same(q + ".value", x.value, y.value);
            Same(q + ".skill", x.skill, y.skill);
        });
        List(p + ".triggers", a.triggers, b.triggers, [this](auto q, auto& x, auto& y) {
            Same(q + ".trigger", x.trigger, y.trigger);
            Same(q + ".vnum", x.vnum, y.vnum);
            Same(q + ".phrase", x.phrase, y.phrase);
        });
        Same(p + ".special", a.special, b.special);
        Same(p + ".shop", a.shop.has_value(), b.shop.has_value());
        if (a.shop && b.shop) {
            for (int i = 0; i < 5; ++i)
                Same(p + ".shop.buyTypes", a.shop->buyTypes[i], b.shop->buyTypes[i]);
            Same(p + ".shop.profitBuy", a.shop->profitBuy, b.shop->profitBuy);
            Same(p + ".shop.profitSell", a.shop->profitSell, b.shop->profitSell);
            Same(p + ".shop.openHour", a.shop->openHour, b.shop->openHour);
            Same(p + ".shop.closeHour", a.shop->closeHour, b.shop->closeHour);
        }
        Same(p + ".trainerClass", a.trainerClass, b.trainerClass);
        List(p + ".trainerSkills", a.trainerSkills, b.trainerSkills, [this](auto q, auto& x, auto& y) {
            Same(q + ".skill", x.skill, y.skill);
            Same(q + ".gold", x.gold, y.gold);
            Same(q + ".mult", x.mult, y.mult);
            Same(q + ".maxLevel", x.maxLevel, y.maxLevel);
            Same(q + ".initiate", x.initiate, y.initiate);
        });
    }

    const CCompareOptions& options;
    std::vector<std::string> differences;
};

} // namespace

std::vector<std::string> CompareDocs(const CTolvexDoc& a, const CTolvexDoc& b, const CCompareOptions& options)
{
    CComparer c(options);
    if (!options.commonHeaderOnly) {
        c.Same("name", a.name, b.name);
        c.Same("builders", a.builders, b.builders);
        c.Same("credits", a.credits, b.credits);
        c.Same("lowerVnum", a.lowerVnum, b.lowerVnum);
        c.Same("upperVnum", a.upperVnum, b.upperVnum);
        c.Same("security", a.security, b.security);
        c.Same("minLevel", a.minLevel, b.minLevel);
        c.Same("maxLevel", a.maxLevel, b.maxLevel);
        c.List("resources", a.resources, b.resources, [&c](auto q, auto& x, auto& y) { c.Same(q, x.value, y.value); });
    } else {
        c.Same("name", a.name, b.name);
        c.Same("credits", a.credits, b.credits);
        c.Same("lowerVnum", a.lowerVnum, b.lowerVnum);
        c.Same("upperVnum", a.upperVnum, b.upperVnum);
    }
    c.List("rooms", a.rooms, b.rooms, [&c](auto q, auto& x, auto& y) { c.Room(q, x, y); });
    c.List("objects", a.objects, b.objects, [&c](auto q, auto& x, auto& y) { c.Object(q, x, y); });
    c.List("mobs", a.mobs, b.mobs, [&c](auto q, auto& x, auto& y) { c.Mob(q, x, y); });
    c.List("mobprogs", a.mobprogs, b.mobprogs, [&c](auto q, auto& x, auto& y) {
        c.Same(q + ".vnum", x.vnum, y.vnum);
        c.Same(q + ".code", x.code, y.code);
    });
    c.List("strayResets", a.strayResets, b.strayResets, [&c](auto q, auto& x, auto& y) { c.Reset(q, x, y); });
    return c.differences;
}
