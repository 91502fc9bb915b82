#include "check/CCheckContext.h"

CCheckContext::CCheckContext(const CTolvexDoc& area, const std::vector<int>& otherMobprogVnums)
    : doc(area)
    , otherMobprogs(otherMobprogVnums.begin(), otherMobprogVnums.end())
{
    rooms.reserve(area.rooms.size());
    for (const CRoomData& room : area.rooms)
        rooms.emplace(room.vnum, &room); // keeps the first of equal vnums
    for (const CObjData& obj : area.objects)
        objects.insert(obj.vnum);
    for (const CMobData& mob : area.mobs)
        mobs.insert(mob.vnum);
    for (const CMobProgData& program : area.mobprogs)
        mobprogs.insert(program.vnum);
}

const CRoomData* CCheckContext::Room(int vnum) const
{
    const auto found = rooms.find(vnum);
    return found == rooms.end() ? nullptr : found->second;
}

std::string CCheckContext::DirectionName(int direction) const
{
    return ::DirectionName(doc.Tables(), direction);
}

std::string DirectionName(const CConfigTables& tables, int direction)
{
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
