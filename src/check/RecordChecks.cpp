#include "check/Checks.h"

#include "text/TextWriter.h"

#include <unordered_set>

namespace {

// The record lists of the document, walked alike by the vnum checks.
template <typename Visit>
void ForEachRecord(const CTolvexDoc& doc, Visit visit)
{
    for (const CRoomData& r : doc.rooms)
        visit(RecordKind::Room, r.vnum, r.line);
    for (const CObjData& o : doc.objects)
        visit(RecordKind::Object, o.vnum, o.line);
    for (const CMobData& m : doc.mobs)
        visit(RecordKind::Mob, m.vnum, m.line);
    for (const CMobProgData& p : doc.mobprogs)
        visit(RecordKind::Mobprog, p.vnum, p.line);
}

// "room", "object", "mob", "mobprog".
std::string LowerKind(RecordKind kind)
{
    std::string name = RecordKindName(kind);
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return name;
}

// What a positive vnum becomes in the server's 16 bits.
int AsShort(int vnum)
{
    const int low = vnum % 65536;
    return low > HighestVnum ? low - 65536 : low;
}

} // namespace

void CheckDuplicateVnums(CCheckContext& c)
{
    std::unordered_set<long long> seen;
    ForEachRecord(c.doc, [&c, &seen](RecordKind kind, int vnum, int line) {
        const long long key = static_cast<long long>(kind) << 32 | static_cast<unsigned>(vnum);
        if (!seen.insert(key).second)
            c.Add(kind, vnum, line,
                Format("%s %d appears a second time; the server refuses two %ss with the same vnum.",
                    { RecordKindName(kind), vnum, LowerKind(kind) }));
    });
}

void CheckNonPositiveVnums(CCheckContext& c)
{
    ForEachRecord(c.doc, [&c](RecordKind kind, int vnum, int line) {
        if (vnum <= 0)
            c.Add(kind, vnum, line, Format("%s %d has a vnum below 1, which the server cannot use.", { RecordKindName(kind), vnum }));
    });
}

void CheckObjectTypes(CCheckContext& c)
{
    for (const CObjData& obj : c.doc.objects)
        if (!c.doc.Tables().ObjType(obj.itemType))
            c.Add(RecordKind::Object, obj.vnum, obj.line,
                Format("Object %d has the item type %d, which the configuration does not have; it is not saved.",
                    { obj.vnum, obj.itemType }));
}

void CheckVnumLimit(CCheckContext& c)
{
    if (c.doc.upperVnum > HighestVnum)
        c.Add(RecordKind::Header, 0, 0,
            Format("The area's vnums %d to %d reach above %d, the highest vnum the server can hold.",
                { c.doc.lowerVnum, c.doc.upperVnum, HighestVnum }));
    ForEachRecord(c.doc, [&c](RecordKind kind, int vnum, int line) {
        if (vnum > HighestVnum)
            c.Add(kind, vnum, line,
                Format("%s %d has a vnum above %d; the server holds vnums in 16 bits and reads it as %d.",
                    { RecordKindName(kind), vnum, HighestVnum, AsShort(vnum) }));
    });
}

void CheckVnumRange(CCheckContext& c)
{
    ForEachRecord(c.doc, [&c](RecordKind kind, int vnum, int line) {
        if (vnum > 0 && !c.InRange(vnum))
            c.Add(kind, vnum, line,
                Format("%s %d lies outside the area's vnums %d to %d.",
                    { RecordKindName(kind), vnum, c.doc.lowerVnum, c.doc.upperVnum }));
    });
}
