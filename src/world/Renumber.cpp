#include "world/Renumber.h"

#include "area/RecordKind.h"
#include "check/CCheckContext.h"
#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_set>

namespace {

constexpr int LowestVnum = 1;

// The vnums an area takes: its header's range, widened to the records that
// lie outside it, as the server widens an #AREA range while it reads them.
// An area without a range and without records takes none (low > high).
struct CSpan {
    int low = 1;
    int high = 0;
    int lowestRecord = INT_MAX; // the lowest vnum a record has
    bool Empty() const { return low > high; }
    bool Holds(int vnum) const { return vnum >= low && vnum <= high; }
};

CSpan SpanOf(const CTolvexDoc& doc)
{
    CSpan span;
    if (doc.upperVnum > 0 && doc.lowerVnum <= doc.upperVnum)
        span = { doc.lowerVnum, doc.upperVnum };
    auto widen = [&span](int vnum) {
        // A vnum below 1 names nothing: the checker reports it, and it stays.
        if (vnum < LowestVnum)
            return;
        span.lowestRecord = std::min(span.lowestRecord, vnum);
        span.low = span.Empty() ? vnum : std::min(span.low, vnum);
        span.high = std::max(span.high, vnum);
    };
    for (const CRoomData& room : doc.rooms)
        widen(room.vnum);
    for (const CObjData& obj : doc.objects)
        widen(obj.vnum);
    for (const CMobData& mob : doc.mobs)
        widen(mob.vnum);
    for (const CMobProgData& program : doc.mobprogs)
        widen(program.vnum);
    return span;
}

bool IsVnumSlot(char kind)
{
    kind = AsciiUpperByte(kind);
    return kind == 'V' || kind == 'P';
}

// What a reference names; an object value's kind letter says only that it
// is a vnum, so it is looked for among every kind.
enum Target { Rooms,
    Objects,
    Mobs,
    Mobprogs,
    Anything };

class CRenumberer {
public:
    CRenumberer(const std::vector<CWorldArea>& worldAreas, const CRenumberPlan& renumberPlan, const std::vector<bool>& ticks)
        : areas(worldAreas)
        , plan(renumberPlan)
        , ticked(ticks)
        , offset(renumberPlan.Offset())
        , old { renumberPlan.oldLow, renumberPlan.oldHigh }
    {
        for (std::size_t a = 0; a < areas.size(); ++a)
            Index(*areas[a].doc, a == plan.area ? own : others);
    }

    std::vector<CRenumberedArea> Run()
    {
        std::vector<CRenumberedArea> result;
        result.push_back(Area(plan.area));
        for (std::size_t a = 0; a < areas.size(); ++a)
            if (a != plan.area)
                if (CRenumberedArea changed = Area(a); !changed.changes.empty())
                    result.push_back(std::move(changed));
        return result;
    }

private:
    using CVnumSets = std::array<std::unordered_set<int>, 5>;

    static void Index(const CTolvexDoc& doc, CVnumSets& sets)
    {
        auto add = [&sets](Target target, int vnum) {
            sets[target].insert(vnum);
            sets[Anything].insert(vnum);
        };
        for (const CRoomData& room : doc.rooms)
            add(Rooms, room.vnum);
        for (const CObjData& obj : doc.objects)
            add(Objects, obj.vnum);
        for (const CMobData& mob : doc.mobs)
            add(Mobs, mob.vnum);
        for (const CMobProgData& program : doc.mobprogs)
            add(Mobprogs, program.vnum);
    }

    // A vnum of the old range moves, unless it is the record of another area
    // that the renumbered one lacks: ranges may overlap.
    bool Moves(Target target, int vnum) const
    {
        return offset != 0 && vnum >= LowestVnum && old.Holds(vnum)
            && (own[target].count(vnum) > 0 || others[target].count(vnum) == 0);
    }

    // Moves the reference and says so in one line, "WHAT OLD -> NEW", unless
    // `silent`.
    void Change(int& vnum, Target target, const std::string& what, bool silent = false)
    {
        if (!Moves(target, vnum))
            return;
        if (!silent)
            changes->push_back(Format("%s: %s %d -> %d", { file, what, vnum, vnum + offset }));
        vnum += offset;
    }

    // A room's resets name that room, and move with it unlisted.
    void Reset(CResetData& reset, const std::string& holder, bool held)
    {
        const std::string what = holder + Format("reset %c ", { reset.command });
        switch (reset.command) {
        case 'M':
            Change(reset.arg1, Mobs, what + "mob");
            Change(reset.arg3, Rooms, what + "room", held);
            break;
        case 'O':
            Change(reset.arg1, Objects, what + "object");
            Change(reset.arg3, Rooms, what + "room", held);
            break;
        case 'P':
            Change(reset.arg1, Objects, what + "object");
            Change(reset.arg3, Objects, what + "container");
            break;
        case 'G':
        case 'E':
            Change(reset.arg1, Objects, what + "object");
            break;
        case 'D':
        case 'R':
            Change(reset.arg1, Rooms, what + "room", held);
            break;
        default:
            break;
        }
    }

    template <typename Record>
    void MoveRecords(std::vector<Record>& records)
    {
        for (Record& record : records)
            if (record.vnum >= LowestVnum && old.Holds(record.vnum))
                record.vnum += offset;
    }

    CRenumberedArea Area(std::size_t a)
    {
        const CTolvexDoc& doc = *areas[a].doc;
        CRenumberedArea result { a, TakeRecords(doc), {} };
        CAreaRecords& records = result.records;
        file = areas[a].file;
        changes = &result.changes;

        for (CRoomData& room : records.rooms) {
            const std::string holder = Format("room %d ", { room.vnum });
            for (int d = 0; d < DirectionCount; ++d) {
                CExitData& exit = room.exits[static_cast<std::size_t>(d)];
                const std::string what = holder + "exit " + DirectionName(doc.Tables(), d);
                Change(exit.toVnum, Rooms, what);
                Change(exit.key, Objects, what + " key");
            }
            for (CResetData& reset : room.resets)
                Reset(reset, holder, true);
        }
        for (CResetData& reset : records.strayResets)
            Reset(reset, "", false);
        for (CObjData& obj : records.objects) {
            const int type = FindByValue(doc.Tables().objTypes, obj.itemType);
            for (std::size_t i = 0; type >= 0 && i < obj.values.size(); ++i)
                if (IsVnumSlot(doc.Tables().objTypes[type].slots[i].kind))
                    Change(obj.values[i], Anything, Format("object %d value %d", { obj.vnum, static_cast<int>(i) }));
            for (std::size_t i = 0; i < obj.trainStops.size(); ++i)
                Change(obj.trainStops[i].room, Rooms,
                    Format("object %d train stop %d room", { obj.vnum, static_cast<int>(i + 1) }));
        }
        for (CMobData& mob : records.mobs)
            for (CMobTrigger& trigger : mob.triggers)
                Change(trigger.vnum, Mobprogs, Format("mob %d trigger %s mobprog", { mob.vnum, trigger.trigger }));
        for (CStrayShop& shop : records.strayShops)
            Change(shop.keeper, Mobs, "shop keeper");
        for (CStraySpecial& special : records.straySpecials)
            Change(special.vnum, Mobs, Format("special %s mob", { special.special }));
        Code(a, records.mobprogs);

        if (a == plan.area) {
            MoveRecords(records.rooms);
            MoveRecords(records.objects);
            MoveRecords(records.mobs);
            MoveRecords(records.mobprogs);
            // The header moves with its records; one without a range keeps none.
            CAreaHeader& header = records.header;
            if (header.upperVnum > 0 && header.lowerVnum <= header.upperVnum) {
                header.lowerVnum += offset;
                header.upperVnum += offset;
            }
        }
        return result;
    }

    bool Ticked(std::size_t i) const { return i < ticked.size() ? ticked[i] : plan.codeVnums[i].inOldRange; }

    // The ticked numbers of the area's programs, each put in place of its
    // digits, from the last so that the offsets before it hold.
    void Code(std::size_t a, std::vector<CMobProgData>& programs)
    {
        std::vector<std::size_t> chosen;
        for (std::size_t i = 0; i < plan.codeVnums.size(); ++i) {
            const CCodeVnum& v = plan.codeVnums[i];
            if (v.area != a || !Ticked(i) || offset == 0 || v.program >= programs.size())
                continue;
            const std::string& code = programs[v.program].code;
            // A plan made on other code than this names other digits.
            if (v.offset + v.length > code.size() || code.compare(v.offset, v.length, std::to_string(v.value)) != 0)
                continue;
            chosen.push_back(i);
            changes->push_back(Format("%s: mobprog %d line %d %s %d -> %d",
                { file, programs[v.program].vnum, v.line, v.command, v.value, v.value + offset }));
        }
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
            const CCodeVnum& v = plan.codeVnums[*it];
            programs[v.program].code.replace(v.offset, v.length, std::to_string(v.value + offset));
        }
    }

    const std::vector<CWorldArea>& areas;
    const CRenumberPlan& plan;
    const std::vector<bool>& ticked;
    const int offset;
    const CSpan old;
    CVnumSets own;
    CVnumSets others;
    std::string file;
    std::vector<std::string>* changes = nullptr;
};

} // namespace

int FirstFreeRange(const std::vector<CWorldArea>& areas, int size, std::ptrdiff_t skip)
{
    if (size < 1)
        return -1;
    std::vector<CSpan> taken;
    for (std::size_t a = 0; a < areas.size(); ++a)
        if (static_cast<std::ptrdiff_t>(a) != skip)
            if (const CSpan span = SpanOf(*areas[a].doc); !span.Empty())
                taken.push_back(span);
    std::sort(taken.begin(), taken.end(), [](const CSpan& x, const CSpan& y) { return x.low < y.low; });
    long long low = LowestVnum;
    for (const CSpan& span : taken) {
        if (low + size - 1 < span.low)
            break;
        low = std::max(low, static_cast<long long>(span.high) + 1);
    }
    return low + size - 1 <= HighestVnum ? static_cast<int>(low) : -1;
}

CRenumberPlan PlanRenumber(const std::vector<CWorldArea>& areas, std::size_t area, int newLow)
{
    CRenumberPlan plan;
    plan.area = area;
    plan.newLow = newLow;
    if (area >= areas.size()) {
        plan.error = "The world has no such area.";
        return plan;
    }
    const CSpan span = SpanOf(*areas[area].doc);
    if (span.Empty()) {
        plan.newHigh = newLow;
        plan.error = "The area has no vnums to move.";
    } else {
        plan.oldLow = span.low;
        plan.oldHigh = span.high;
        const long long newHigh = static_cast<long long>(newLow) + (span.high - span.low);
        plan.newHigh = static_cast<int>(std::min<long long>(newHigh, HighestVnum + 1LL));
        // A range may start at 0, as ROM's own limbo.are (0-99) does, when no
        // record lands there: moving such an area back must be possible.
        const long long lowestRecord = static_cast<long long>(span.lowestRecord) + newLow - span.low;
        if (newLow < 0 || lowestRecord < LowestVnum || newHigh > HighestVnum)
            plan.error = Format("The range %d-%d leaves the vnums %d to %d.", { newLow, newHigh, LowestVnum, HighestVnum });
        for (std::size_t a = 0; a < areas.size() && plan.error.empty(); ++a) {
            const CSpan other = a == area ? CSpan {} : SpanOf(*areas[a].doc);
            if (!other.Empty() && other.low <= newHigh && newLow <= other.high)
                plan.error = Format("The range %d-%d overlaps %s (%d-%d).",
                    { newLow, plan.newHigh, areas[a].file, other.low, other.high });
        }
    }
    for (std::size_t a = 0; a < areas.size(); ++a) {
        const std::vector<CMobProgData>& programs = areas[a].doc->mobprogs;
        for (std::size_t p = 0; p < programs.size(); ++p)
            for (CCodeVnum& vnum : FindCodeVnums(programs[p].code)) {
                vnum.area = a;
                vnum.program = p;
                vnum.inOldRange = !span.Empty() && vnum.value >= LowestVnum && span.Holds(vnum.value);
                plan.codeVnums.push_back(std::move(vnum));
            }
    }
    return plan;
}

std::vector<CRenumberedArea> ApplyRenumber(const std::vector<CWorldArea>& areas, const CRenumberPlan& plan,
    const std::vector<bool>& ticked)
{
    if (!plan.error.empty())
        return {};
    return CRenumberer(areas, plan, ticked).Run();
}
