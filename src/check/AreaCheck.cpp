#include "AreaCheck.h"

#include "CCheckContext.h"

#include <algorithm>

namespace {

struct CCheckRule {
    Severity severity;
    void (*run)(CCheckContext&);
};

// Errors: the ROM server refuses to boot, or stops, on these. Warnings: the
// server takes them, but they are very likely mistakes.
const CCheckRule Rules[] = {
    { Severity::Error, CheckLeadingResets },
    { Severity::Error, CheckResetOrder },
    { Severity::Error, CheckResetArguments },
    { Severity::Error, CheckDuplicateVnums },
    { Severity::Error, CheckNonPositiveVnums },
    { Severity::Error, CheckObjectTypes },
    { Severity::Warning, CheckVnumRange },
    { Severity::Warning, CheckExitTargets },
    { Severity::Warning, CheckResetTargets },
    { Severity::Warning, CheckShopKeepers },
    { Severity::Warning, CheckTriggers },
    { Severity::Warning, CheckWaysBack },
    { Severity::Warning, CheckMobLimits },
    { Severity::Warning, CheckUnreachedRooms },
};

} // namespace

const char* RecordKindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Room:
        return "Room";
    case RecordKind::Object:
        return "Object";
    case RecordKind::Mob:
        return "Mob";
    case RecordKind::Mobprog:
        return "Mobprog";
    case RecordKind::Header:
        break;
    }
    return "Area";
}

std::vector<CFinding> CheckArea(const CTolvexDoc& doc, const std::vector<int>& otherMobprogs)
{
    CCheckContext context(doc, otherMobprogs);
    for (const CCheckRule& rule : Rules) {
        context.severity = rule.severity;
        rule.run(context);
    }
    return std::move(context.findings);
}

int CountFindings(const std::vector<CFinding>& findings, Severity severity)
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
        [severity](const CFinding& f) { return f.severity == severity; }));
}

CCheckContext::CCheckContext(const CTolvexDoc& doc, const std::vector<int>& otherMobprogVnums)
    : doc(doc)
    , otherMobprogs(otherMobprogVnums.begin(), otherMobprogVnums.end())
{
    rooms.reserve(doc.rooms.size());
    for (const CRoomData& room : doc.rooms)
        rooms.emplace(room.vnum, &room); // keeps the first of equal vnums
    for (const CObjData& obj : doc.objects)
        objects.insert(obj.vnum);
    for (const CMobData& mob : doc.mobs)
        mobs.insert(mob.vnum);
    for (const CMobProgData& program : doc.mobprogs)
        mobprogs.insert(program.vnum);
}

const CRoomData* CCheckContext::Room(int vnum) const
{
    const auto found = rooms.find(vnum);
    return found == rooms.end() ? nullptr : found->second;
}

std::string CCheckContext::DirectionName(int direction) const
{
    const CConfigTables& tables = doc.Tables();
    const int entry = FindByValue(tables.dirName, direction);
    if (entry >= 0)
        return tables.dirName[entry].name;
    return "number " + std::to_string(direction);
}

void CCheckContext::Add(RecordKind kind, int vnum, int line, std::string text)
{
    findings.push_back(CFinding { severity, kind, vnum, line, std::move(text) });
}

void CCheckContext::AddForReset(const CRoomData& room, const CResetData& reset, std::string text)
{
    Add(RecordKind::Room, room.vnum, reset.line > 0 ? reset.line : room.line, std::move(text));
}

int ReverseDirection(int direction)
{
    static const int reverse[DirectionCount] = { DirSouth, DirWest, DirNorth, DirEast, DirDown, DirUp };
    return reverse[direction];
}

std::string JoinVnums(const std::vector<int>& vnums)
{
    std::string text;
    for (size_t i = 0; i < vnums.size(); ++i) {
        if (i > 0)
            text += i + 1 == vnums.size() ? " and " : ", ";
        text += std::to_string(vnums[i]);
    }
    return text;
}
