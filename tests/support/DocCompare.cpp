#include "DocCompare.h"

#include <sstream>

namespace {

// The same text seen through a save that re-wraps it: only blanks may differ.
std::string WrapInsensitive(const std::string& text)
{
    std::string folded;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            folded += c;
    return folded;
}

// EACH's lambda takes the names p, a and b again on purpose, so that SAME and
// TEXT read the same at every depth.
#pragma GCC diagnostic ignored "-Wshadow"

// Field-by-field comparison; SAME(f) compares a.f with b.f under path p.
#define SAME(f) Same(p + "." #f, a.f, b.f)
#define TEXT(f, rewrapped) Text(p + "." #f, a.f, b.f, rewrapped)
#define EACH(f, fn) List(p + "." #f, a.f, b.f, [this](const std::string& p, const auto& a, const auto& b) { fn; })

class CComparer {
public:
    explicit CComparer(bool rewrapped)
        : rewrapped(rewrapped) { }

    template <typename T>
    void Same(const std::string& path, const T& a, const T& b)
    {
        if (!(a == b)) {
            std::ostringstream line;
            line << path << ": " << a << " | " << b;
            differences.push_back(line.str());
        }
    }

    template <typename T, size_t N>
    void Same(const std::string& path, const std::array<T, N>& a, const std::array<T, N>& b)
    {
        for (size_t i = 0; i < N; ++i)
            Same(path + "[" + std::to_string(i) + "]", a[i], b[i]);
    }

    void Text(const std::string& path, const std::string& a, const std::string& b, bool rewrappedText)
    {
        if (rewrappedText && rewrapped)
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
        SAME(keyword);
        TEXT(description, true);
    }

    void Reset(const std::string& p, const CResetData& a, const CResetData& b)
    {
        SAME(command), SAME(arg1), SAME(arg2), SAME(arg3), SAME(arg4);
    }

    void Exit(const std::string& p, CExitData a, const CExitData& b)
    {
        if (a.toVnum == 0)
            a = CExitData();
        TEXT(description, true);
        SAME(keyword), SAME(key), SAME(toVnum), SAME(exitFlags);
    }

    void Room(const std::string& p, const CRoomData& a, const CRoomData& b)
    {
        SAME(vnum), SAME(name), SAME(roomFlags), SAME(sector), SAME(manaRate), SAME(healRate), SAME(owner), SAME(clan);
        TEXT(description, true);
        SAME(gridX), SAME(gridY), SAME(level), SAME(unplaced);
        EACH(extraDescs, Extra(p, a, b));
        EACH(exits, Exit(p, a, b));
        EACH(resets, Reset(p, a, b));
    }

    void Object(const std::string& p, const CObjData& a, const CObjData& b)
    {
        SAME(vnum), SAME(name), SAME(shortDesc), SAME(longDesc), SAME(material), SAME(itemType);
        SAME(extraFlags), SAME(wearFlags), SAME(values), SAME(level), SAME(weight), SAME(cost), SAME(condition);
        EACH(valueTexts, Text(p, a, b, true));
        EACH(affects, (Same(p + ".where", a.where, b.where), Same(p + ".location", a.location, b.location), Same(p + ".modifier", a.modifier, b.modifier), Same(p + ".bits", a.bits, b.bits)));
        EACH(extraDescs, Extra(p, a, b));
        EACH(trainStops, (SAME(room), SAME(flags), SAME(time), SAME(arrivalMessage), SAME(leaveMessage)));
    }

    void Mob(const std::string& p, const CMobData& a, const CMobData& b)
    {
        SAME(vnum), SAME(name), SAME(shortDesc), SAME(race), SAME(act), SAME(aff), SAME(alignment), SAME(group);
        TEXT(longDesc, true);
        TEXT(description, true);
        SAME(level), SAME(hitroll), SAME(hitDice), SAME(manaDice), SAME(damDice), SAME(damType), SAME(ac);
        SAME(off), SAME(imm), SAME(res), SAME(vuln), SAME(startPos), SAME(defaultPos), SAME(sex), SAME(wealth);
        SAME(form), SAME(parts), SAME(size), SAME(material), SAME(clan), SAME(rank), SAME(special), SAME(trainerClass);
        EACH(mercMessages, Same(p, a, b));
        EACH(mercSkills, (SAME(value), SAME(skill)));
        EACH(triggers, (SAME(trigger), SAME(vnum), SAME(phrase)));
        EACH(trainerSkills, (SAME(skill), SAME(gold), SAME(mult), SAME(maxLevel), SAME(initiate)));
        Same(p + ".shop", a.shop.has_value(), b.shop.has_value());
        if (a.shop && b.shop) {
            const CShopData& x = *a.shop;
            const CShopData& y = *b.shop;
            Same(p + ".shop.buyTypes", x.buyTypes, y.buyTypes);
            Same(p + ".shop.profits", x.profitBuy * 1000 + x.profitSell, y.profitBuy * 1000 + y.profitSell);
            Same(p + ".shop.hours", x.openHour * 100 + x.closeHour, y.openHour * 100 + y.closeHour);
        }
    }

    bool rewrapped;
    std::vector<std::string> differences;
};

} // namespace

std::vector<std::string> CompareDocs(const CTolvexDoc& a, const CTolvexDoc& b, bool rewrapped)
{
    CComparer c(rewrapped);
    const std::string p;
    c.SAME(name), c.SAME(credits), c.SAME(lowerVnum), c.SAME(upperVnum);
    c.List(".rooms", a.rooms, b.rooms, [&c](auto q, auto& x, auto& y) { c.Room(q, x, y); });
    c.List(".objects", a.objects, b.objects, [&c](auto q, auto& x, auto& y) { c.Object(q, x, y); });
    c.List(".mobs", a.mobs, b.mobs, [&c](auto q, auto& x, auto& y) { c.Mob(q, x, y); });
    c.List(".mobprogs", a.mobprogs, b.mobprogs, [&c](auto q, auto& x, auto& y) {
        c.Same(q + ".vnum", x.vnum, y.vnum);
        c.Same(q + ".code", x.code, y.code);
    });
    c.List(".strayResets", a.strayResets, b.strayResets, [&c](auto q, auto& x, auto& y) { c.Reset(q, x, y); });
    return c.differences;
}
