#include "world/WorldCheck.h"

#include "check/AreaCheck.h"
#include "check/CCheckContext.h"
#include "area/ResetKinds.h"
#include "text/TextWriter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const char* const Stop = "; the server stops at boot without it.";

// Where a vnum of one kind is defined: the area and the record's index.
struct CPlace {
    int vnum;
    std::size_t area;
    std::size_t index;
};

// Every record of the world by kind and vnum; equal vnums in list order,
// which is the order the server reads them in.
class CWorldIndex {
public:
    explicit CWorldIndex(const std::vector<CWorldArea>& areas)
    {
        for (std::size_t a = 0; a < areas.size(); ++a) {
            const CTolvexDoc& doc = *areas[a].doc;
            Add(RecordKind::Room, doc.rooms, a);
            Add(RecordKind::Object, doc.objects, a);
            Add(RecordKind::Mob, doc.mobs, a);
            Add(RecordKind::Mobprog, doc.mobprogs, a);
        }
        for (std::vector<CPlace>& list : places)
            std::stable_sort(list.begin(), list.end(), [](const CPlace& x, const CPlace& y) { return x.vnum < y.vnum; });
    }

    const std::vector<CPlace>& Of(RecordKind kind) const { return places[Slot(kind)]; }

    // The first place of the vnum, or null when no area has it.
    const CPlace* Find(RecordKind kind, int vnum) const
    {
        const std::vector<CPlace>& list = Of(kind);
        const auto it = std::lower_bound(list.begin(), list.end(), vnum, [](const CPlace& p, int v) { return p.vnum < v; });
        return it != list.end() && it->vnum == vnum ? &*it : nullptr;
    }

private:
    // The header has no vnum: the four record kinds follow it.
    static std::size_t Slot(RecordKind kind) { return static_cast<std::size_t>(kind) - 1; }

    template <typename Record>
    void Add(RecordKind kind, const std::vector<Record>& records, std::size_t area)
    {
        for (std::size_t i = 0; i < records.size(); ++i)
            places[Slot(kind)].push_back({ records[i].vnum, area, i });
    }

    std::array<std::vector<CPlace>, 4> places;
};

class CWorldChecker {
public:
    explicit CWorldChecker(const std::vector<CWorldArea>& worldAreas)
        : areas(worldAreas)
        , index(worldAreas)
    {
    }

    std::vector<CWorldFinding> Run()
    {
        DuplicateVnums();
        for (std::size_t a = 0; a < areas.size(); ++a)
            References(a);
        OverlappingRanges();
        for (std::size_t a = 0; a < areas.size(); ++a)
            WaysBack(a);
        std::stable_sort(findings.begin(), findings.end(), [](const CWorldFinding& x, const CWorldFinding& y) {
            if (x.finding.severity != y.finding.severity)
                return x.finding.severity == Severity::Error;
            return x.area < y.area;
        });
        return std::move(findings);
    }

private:
    const CTolvexDoc& Doc(std::size_t area) const { return *areas[area].doc; }
    bool InRange(std::size_t area, int vnum) const { return vnum >= Doc(area).lowerVnum && vnum <= Doc(area).upperVnum; }
    // A vnum outside the area's range that no area has; one inside is the
    // area's own check's.
    bool Nowhere(std::size_t area, RecordKind kind, int vnum) const
    {
        return vnum > 0 && !InRange(area, vnum) && !index.Find(kind, vnum);
    }

    void Add(std::size_t area, Severity severity, RecordKind kind, int vnum, int line, std::string text)
    {
        findings.push_back({ area, CFinding { severity, kind, vnum, line, std::move(text) } });
    }

    int LineOf(RecordKind kind, const CPlace& place) const
    {
        const CTolvexDoc& doc = Doc(place.area);
        switch (kind) {
        case RecordKind::Room: return doc.rooms[place.index].line;
        case RecordKind::Object: return doc.objects[place.index].line;
        case RecordKind::Mob: return doc.mobs[place.index].line;
        default: return doc.mobprogs[place.index].line;
        }
    }

    // The server stops at the second definition ("Load_rooms: vnum 3001
    // duplicated"); two of one area are that area's own finding.
    void DuplicateVnums()
    {
        for (RecordKind kind : { RecordKind::Room, RecordKind::Object, RecordKind::Mob, RecordKind::Mobprog }) {
            const std::vector<CPlace>& list = index.Of(kind);
            for (std::size_t i = 1; i < list.size(); ++i) {
                const CPlace& first = *index.Find(kind, list[i].vnum);
                if (list[i].area == first.area || list[i].area == list[i - 1].area)
                    continue;
                const int firstLine = LineOf(kind, first);
                const std::string where = firstLine > 0 ? Format(" (line %d)", { firstLine }) : std::string();
                Add(list[i].area, Severity::Error, kind, list[i].vnum, LineOf(kind, list[i]),
                    Format("%s %d is defined in %s too%s; the server stops at boot on a vnum defined twice.",
                        { RecordKindName(kind), list[i].vnum, areas[first.area].file, where }));
            }
        }
    }

    void OverlappingRanges()
    {
        auto hasRange = [this](std::size_t a) { return Doc(a).upperVnum > 0 && Doc(a).lowerVnum <= Doc(a).upperVnum; };
        for (std::size_t later = 0; later < areas.size(); ++later) {
            if (!hasRange(later))
                continue;
            for (std::size_t earlier = 0; earlier < later; ++earlier) {
                if (!hasRange(earlier) || Doc(earlier).upperVnum < Doc(later).lowerVnum || Doc(later).upperVnum < Doc(earlier).lowerVnum)
                    continue;
                Add(later, Severity::Warning, RecordKind::Header, 0, 0,
                    Format("The area's vnums %d to %d overlap those of %s (%d to %d).",
                        { Doc(later).lowerVnum, Doc(later).upperVnum, areas[earlier].file, Doc(earlier).lowerVnum,
                            Doc(earlier).upperVnum }));
            }
        }
    }

    void References(std::size_t a)
    {
        const CTolvexDoc& doc = Doc(a);
        for (const CRoomData& room : doc.rooms) {
            for (int d = 0; d < DirectionCount; ++d) {
                const int to = room.exits[static_cast<std::size_t>(d)].toVnum;
                if (Nowhere(a, RecordKind::Room, to))
                    Add(a, Severity::Error, RecordKind::Room, room.vnum, room.line,
                        Format("Room %d's exit %s leads to room %d, which no area of the world has%s",
                            { room.vnum, DirectionName(doc.Tables(), d), to, Stop }));
            }
            for (const CResetData& reset : room.resets)
                ResetTargets(a, reset, RecordKind::Room, room.vnum, reset.line > 0 ? reset.line : room.line);
        }
        for (const CResetData& reset : doc.strayResets) {
            if (NamesItsRoom(reset.command) && Nowhere(a, RecordKind::Room, *RoomArgument(reset)))
                Add(a, Severity::Error, RecordKind::Header, 0, reset.line,
                    Format("The %c reset names room %d, which no area of the world has%s", { reset.command, *RoomArgument(reset), Stop }));
            ResetTargets(a, reset, RecordKind::Header, 0, reset.line);
        }
        for (const CStrayShop& shop : doc.strayShops)
            if (Nowhere(a, RecordKind::Mob, shop.keeper))
                Add(a, Severity::Error, RecordKind::Header, 0, shop.line,
                    Format("A shop belongs to mob %d, which no area of the world has%s", { shop.keeper, Stop }));
        for (const CStraySpecial& special : doc.straySpecials)
            if (Nowhere(a, RecordKind::Mob, special.vnum))
                Add(a, Severity::Error, RecordKind::Header, 0, special.line,
                    Format("The special %s belongs to mob %d, which no area of the world has%s", { special.special, special.vnum, Stop }));
        for (const CMobData& mob : doc.mobs)
            for (const CMobTrigger& trigger : mob.triggers)
                if (Nowhere(a, RecordKind::Mobprog, trigger.vnum))
                    Add(a, Severity::Error, RecordKind::Mob, mob.vnum, mob.line,
                        Format("Mob %d has a %s trigger for mobprog %d, which no area of the world has%s",
                            { mob.vnum, trigger.trigger, trigger.vnum, Stop }));
    }

    // The mob and objects a reset loads; a reset of one area may load those of another.
    void ResetTargets(std::size_t a, const CResetData& reset, RecordKind kind, int vnum, int line)
    {
        auto report = [&](const char* what, int target) {
            const std::string room = kind == RecordKind::Room ? Format("Room %d: the", { vnum }) : std::string("The");
            Add(a, Severity::Error, kind, vnum, line,
                Format("%s %c reset loads %s %d, which no area of the world has%s", { room, reset.command, what, target, Stop }));
        };
        switch (reset.command) {
        case 'M':
            if (Nowhere(a, RecordKind::Mob, reset.arg1))
                report("mob", reset.arg1);
            break;
        case 'P':
            if (Nowhere(a, RecordKind::Object, reset.arg3))
                report("the container", reset.arg3);
            [[fallthrough]];
        case 'O':
        case 'G':
        case 'E':
            if (Nowhere(a, RecordKind::Object, reset.arg1))
                report("object", reset.arg1);
            break;
        default:
            break;
        }
    }

    // The server logs an exit whose room's way back leads elsewhere
    // ("Fix_exits"); the area's own check sees only its own rooms.
    void WaysBack(std::size_t a)
    {
        const CTolvexDoc& doc = Doc(a);
        for (const CRoomData& room : doc.rooms) {
            for (int d = 0; d < DirectionCount; ++d) {
                const int to = room.exits[static_cast<std::size_t>(d)].toVnum;
                if (to <= 0 || doc.FindRoomIndex(to) >= 0)
                    continue;
                const CPlace* place = index.Find(RecordKind::Room, to);
                if (!place)
                    continue;
                const CRoomData& next = Doc(place->area).rooms[place->index];
                const int back = OppositeDirection(d);
                const int backVnum = next.exits[static_cast<std::size_t>(back)].toVnum;
                if (backVnum <= 0 || backVnum == room.vnum)
                    continue;
                Add(a, Severity::Warning, RecordKind::Room, room.vnum, room.line,
                    Format("Room %d's exit %s leads to room %d of %s, whose exit %s leads to room %d, not back to %d "
                           "(the server logs Fix_exits: %d:%d -> %d:%d -> %d).",
                        { room.vnum, DirectionName(doc.Tables(), d), to, areas[place->area].file,
                            DirectionName(doc.Tables(), back), backVnum, room.vnum, room.vnum, d, to, back, backVnum }));
            }
        }
    }

    const std::vector<CWorldArea>& areas;
    CWorldIndex index;
    std::vector<CWorldFinding> findings;
};

} // namespace

std::vector<CWorldFinding> CheckWorld(const std::vector<CWorldArea>& areas)
{
    return CWorldChecker(areas).Run();
}

std::vector<CFinding> CheckAreaInWorld(const std::vector<CWorldArea>& areas, std::size_t area,
    const std::vector<CWorldFinding>& world)
{
    std::vector<int> others;
    for (std::size_t a = 0; a < areas.size(); ++a)
        if (a != area)
            for (const CMobProgData& program : areas[a].doc->mobprogs)
                others.push_back(program.vnum);
    std::vector<CFinding> findings = CheckArea(*areas[area].doc, others, true);
    for (const CWorldFinding& f : world)
        if (f.area == area)
            findings.push_back(f.finding);
    std::stable_partition(findings.begin(), findings.end(), [](const CFinding& f) { return f.severity == Severity::Error; });
    return findings;
}
