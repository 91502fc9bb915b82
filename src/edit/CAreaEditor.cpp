#include "edit/CAreaEditor.h"

#include "edit/ReferenceEdits.h"
#include "edit/RoomEdits.h"

#include "area/EditedTexts.h"
#include "area/SameContent.h"
#include "layout/RoomLayout.h"
#include "text/TextWriter.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

namespace {

const char* KindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Header: return "Area Information";
    case RecordKind::Room: return "Room";
    case RecordKind::Object: return "Object";
    case RecordKind::Mob: return "Mob";
    case RecordKind::Mobprog: return "Mobprog";
    }
    return "";
}

std::string StepName(const char* verb, RecordKind kind, int vnum)
{
    if (kind == RecordKind::Header)
        return std::string(verb) + " " + KindName(kind);
    return Format("%s %s %d", { verb, KindName(kind), vnum });
}

CAreaChange Restored(CAreaChange change)
{
    change.action = ChangeAction::Restored;
    change.index = -1;
    return change;
}

template <typename Record>
bool InRange(const std::vector<Record>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

} // namespace

// The part of the area one step may change: only the lists of its kinds are
// kept, so a step costs what its records cost. A step keeps the side of it
// that the area does not have now, and undo and redo swap the two.
struct CAreaEditor::CSnapshot {
    std::vector<RecordKind> kinds;
    // With the header go the records the area keeps of other areas.
    CAreaHeader header;
    std::vector<CResetData> strayResets;
    std::vector<CStrayShop> strayShops;
    std::vector<CStraySpecial> straySpecials;
    std::vector<CRoomData> rooms;
    std::vector<CObjData> objects;
    std::vector<CMobData> mobs;
    std::vector<CMobProgData> mobprogs;

    static CSnapshot Take(const CTolvexDoc& area, std::vector<RecordKind> kinds)
    {
        CSnapshot s;
        s.kinds = std::move(kinds);
        for (RecordKind kind : s.kinds)
            switch (kind) {
            case RecordKind::Header:
                s.header = area.Header();
                s.strayResets = area.strayResets;
                s.strayShops = area.strayShops;
                s.straySpecials = area.straySpecials;
                break;
            case RecordKind::Room: s.rooms = area.rooms; break;
            case RecordKind::Object: s.objects = area.objects; break;
            case RecordKind::Mob: s.mobs = area.mobs; break;
            case RecordKind::Mobprog: s.mobprogs = area.mobprogs; break;
            }
        return s;
    }

    // The file lines of the records kept, once the file no longer has them.
    void ClearFileLines()
    {
        ::ClearFileLines(rooms);
        ::ClearFileLines(objects);
        ::ClearFileLines(mobs);
        ::ClearFileLines(mobprogs);
        for (CResetData& reset : strayResets)
            reset.line = 0;
        for (CStrayShop& shop : strayShops)
            shop.line = 0;
    }

    void SwapWith(CTolvexDoc& area)
    {
        for (RecordKind kind : kinds)
            switch (kind) {
            case RecordKind::Header: {
                const CAreaHeader now = area.Header();
                area.SetHeader(header);
                header = now;
                std::swap(area.strayResets, strayResets);
                std::swap(area.strayShops, strayShops);
                std::swap(area.straySpecials, straySpecials);
                break;
            }
            case RecordKind::Room: std::swap(area.rooms, rooms); break;
            case RecordKind::Object: std::swap(area.objects, objects); break;
            case RecordKind::Mob: std::swap(area.mobs, mobs); break;
            case RecordKind::Mobprog: std::swap(area.mobprogs, mobprogs); break;
            }
    }
};

namespace {

// One record's change in a list, kept so that it can be taken back and done
// again: Set swaps the record at `index` with the one kept, Insert puts the
// kept record in at `index`, Erase takes the record at `index` out into the
// edit. Applying an edit turns it into its inverse.
template <typename Record>
struct CListEdit {
    enum class Op { Set,
        Insert,
        Erase };
    Op op;
    std::size_t index;
    std::optional<Record> record;

    void ApplyTo(std::vector<Record>& list)
    {
        const auto at = list.begin() + static_cast<std::ptrdiff_t>(index);
        switch (op) {
        case Op::Set: std::swap(*at, *record); break;
        case Op::Insert:
            list.insert(at, std::move(*record));
            record.reset();
            op = Op::Erase;
            break;
        case Op::Erase:
            record = std::move(*at);
            list.erase(at);
            op = Op::Insert;
            break;
        }
    }
};

// The edits of one list in the order the operation made them. Applied, they
// run backwards and leave themselves in the order that applies them again.
template <typename Record>
struct CListEdits {
    std::vector<CListEdit<Record>> edits;

    // Before the operation: the record at `index` will change in place, will
    // be erased, or the list will grow by one at its end.
    void Changes(const std::vector<Record>& list, int index)
    {
        edits.push_back({ CListEdit<Record>::Op::Set, static_cast<std::size_t>(index), list[static_cast<std::size_t>(index)] });
    }
    void Erases(const std::vector<Record>& list, int index)
    {
        edits.push_back({ CListEdit<Record>::Op::Insert, static_cast<std::size_t>(index), list[static_cast<std::size_t>(index)] });
    }
    void Appends(const std::vector<Record>& list)
    {
        edits.push_back({ CListEdit<Record>::Op::Erase, list.size(), std::nullopt });
    }
    void ApplyTo(std::vector<Record>& list)
    {
        for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
            edit->ApplyTo(list);
        std::reverse(edits.begin(), edits.end());
    }
    void ClearFileLines()
    {
        for (CListEdit<Record>& edit : edits)
            if (edit.record) {
                std::vector<Record> one;
                one.push_back(std::move(*edit.record));
                ::ClearFileLines(one);
                edit.record = std::move(one.front());
            }
    }
};

bool SamePlaceInLayout(const CRoomData& a, const CRoomData& b)
{
    if (a.vnum != b.vnum)
        return false;
    for (std::size_t d = 0; d < a.exits.size(); ++d)
        if (a.exits[d].toVnum != b.exits[d].toVnum)
            return false;
    return true;
}

void TakePlace(CRoomData& room, const CRoomData& from)
{
    room.gridX = from.gridX;
    room.gridY = from.gridY;
    room.level = from.level;
    room.unplaced = from.unplaced;
}

// After the edits were applied: whether they left alone what the map layout
// reads (the rooms' order, vnums and exits). When they did, each room put in
// takes the place of the one it replaced, and no layout is needed.
bool KeepPlaces(const CListEdits<CRoomData>& edits, std::vector<CRoomData>& rooms)
{
    for (const CListEdit<CRoomData>& edit : edits.edits)
        if (edit.op != CListEdit<CRoomData>::Op::Set || !SamePlaceInLayout(rooms[edit.index], *edit.record))
            return false;
    for (const CListEdit<CRoomData>& edit : edits.edits)
        TakePlace(rooms[edit.index], *edit.record);
    return true;
}

} // namespace

// What an operation changed record by record: a step on a large area keeps
// the few records it touched, not copies of whole lists.
struct CAreaEditor::CEdits {
    CListEdits<CRoomData> rooms;
    CListEdits<CObjData> objects;
    CListEdits<CMobData> mobs;
    CListEdits<CMobProgData> mobprogs;

    void ApplyTo(CTolvexDoc& area)
    {
        rooms.ApplyTo(area.rooms);
        objects.ApplyTo(area.objects);
        mobs.ApplyTo(area.mobs);
        mobprogs.ApplyTo(area.mobprogs);
    }
    void ClearFileLines()
    {
        rooms.ClearFileLines();
        objects.ClearFileLines();
        mobs.ClearFileLines();
        mobprogs.ClearFileLines();
    }
    CListEdits<CRoomData>& Of(std::vector<CRoomData>&) { return rooms; }
    CListEdits<CObjData>& Of(std::vector<CObjData>&) { return objects; }
    CListEdits<CMobData>& Of(std::vector<CMobData>&) { return mobs; }
    CListEdits<CMobProgData>& Of(std::vector<CMobProgData>&) { return mobprogs; }
};

struct CAreaEditor::CStep {
    std::string name;
    CAreaChange change;
    // The side of the step that the area does not have now: the whole lists
    // of some kinds, and the records that changed one by one.
    CSnapshot other;
    CEdits edits;
};

CAreaEditor::CAreaEditor(CTolvexDoc& area)
    : doc(area)
{
}

CAreaEditor::~CAreaEditor() = default;

template <typename Mutation>
void CAreaEditor::Apply(const std::string& name, CAreaChange change, Mutation mutation)
{
    Apply(name, change, { change.kind }, mutation);
}

template <typename Mutation>
void CAreaEditor::Apply(const std::string& name, CAreaChange change, std::vector<RecordKind> kinds, Mutation mutation)
{
    auto step = std::make_unique<CStep>();
    step->other = CSnapshot::Take(doc, std::move(kinds));
    Push(std::move(step), name, change, mutation);
}

template <typename Mutation>
void CAreaEditor::Apply(const std::string& name, CAreaChange change, CEdits edits, Mutation mutation)
{
    auto step = std::make_unique<CStep>();
    step->edits = std::move(edits);
    Push(std::move(step), name, change, mutation);
}

template <typename Mutation>
void CAreaEditor::Push(std::unique_ptr<CStep> step, const std::string& name, CAreaChange change, Mutation mutation)
{
    step->name = name;
    step->change = change;
    mutation();

    // A new step ends every redo; a saved state among them is gone for good.
    if (cleanAt > static_cast<long long>(done))
        cleanAt = -1;
    steps.resize(done);
    steps.push_back(std::move(step));
    if (steps.size() > StepLimit) {
        steps.erase(steps.begin());
        cleanAt = cleanAt > 0 ? cleanAt - 1 : -1;
    }
    done = steps.size();
    Finish(*steps.back(), change);
}

void CAreaEditor::Finish(const CStep& step, const CAreaChange& change)
{
    // A record may have taken another vnum where it stands.
    doc.ForgetVnumIndexes();
    const bool roomLists = std::find(step.other.kinds.begin(), step.other.kinds.end(), RecordKind::Room) != step.other.kinds.end();
    CAreaChange told = change;
    told.relaidOut = roomLists || !KeepPlaces(step.edits.rooms, doc.rooms);
    if (told.relaidOut)
        LayoutRooms(doc, allRooms);
    Notify(told);
}

void CAreaEditor::Notify(const CAreaChange& change)
{
    // A listener may remove itself while being told.
    const auto current = listeners;
    for (const auto& listener : current)
        listener.second(change);
}

void CAreaEditor::ReplaceHeader(const CAreaHeader& header)
{
    if (SameContent(doc.Header(), header))
        return;
    Apply(StepName("Edit", RecordKind::Header, 0), { RecordKind::Header, ChangeAction::Replaced, 0, -1 },
        [&] { doc.SetHeader(header); });
}

bool CAreaEditor::ReplaceRoom(int index, const CRoomData& room)
{
    if (!InRange(doc.rooms, index))
        return false;
    if (SameContent(doc.rooms[static_cast<std::size_t>(index)], room))
        return true;
    CRoomData marked = room;
    MarkEditedTexts(doc.rooms[static_cast<std::size_t>(index)], marked);
    CEdits edits;
    edits.rooms.Changes(doc.rooms, index);
    const int oldVnum = doc.rooms[static_cast<std::size_t>(index)].vnum;
    if (oldVnum != room.vnum)
        for (int other : ReferenceEdits::RoomsWithExitsTo(doc, oldVnum))
            if (other != index)
                edits.rooms.Changes(doc.rooms, other);
    Apply(StepName("Edit", RecordKind::Room, room.vnum), { RecordKind::Room, ChangeAction::Replaced, room.vnum, index },
        std::move(edits), [&] { RoomEdits::ReplaceRoom(doc, index, std::move(marked)); });
    return true;
}

int CAreaEditor::AddRoom(const CRoomData& room, int from, int direction)
{
    const int index = static_cast<int>(doc.rooms.size());
    CRoomData marked = room;
    MarkAllTextsEdited(marked);
    CEdits edits;
    edits.rooms.Appends(doc.rooms);
    if (InRange(doc.rooms, from))
        edits.rooms.Changes(doc.rooms, from);
    Apply(StepName("Create", RecordKind::Room, room.vnum), { RecordKind::Room, ChangeAction::Added, room.vnum, index },
        std::move(edits), [&] { RoomEdits::AddRoom(doc, marked, from, direction); });
    return index;
}

bool CAreaEditor::DeleteRoom(int index)
{
    if (!InRange(doc.rooms, index))
        return false;
    const int vnum = doc.rooms[static_cast<std::size_t>(index)].vnum;
    // The exits that led to the room change in place before it goes, so
    // their positions are the ones before the deletion.
    CEdits edits;
    if (vnum > 0)
        for (int other : ReferenceEdits::RoomsWithExitsTo(doc, vnum))
            if (other != index)
                edits.rooms.Changes(doc.rooms, other);
    edits.rooms.Erases(doc.rooms, index);
    Apply(StepName("Delete", RecordKind::Room, vnum), { RecordKind::Room, ChangeAction::Deleted, vnum, index },
        std::move(edits), [&] { RoomEdits::DeleteRoom(doc, index); });
    return true;
}

template <typename Record>
bool CAreaEditor::ReplaceRecord(std::vector<Record>& list, RecordKind kind, int index, const Record& record)
{
    if (!InRange(list, index))
        return false;
    if (SameContent(list[static_cast<std::size_t>(index)], record))
        return true;
    Record marked = record;
    MarkEditedTexts(list[static_cast<std::size_t>(index)], marked);
    CEdits edits;
    edits.Of(list).Changes(list, index);
    Apply(StepName("Edit", kind, record.vnum), { kind, ChangeAction::Replaced, record.vnum, index }, std::move(edits),
        [&] { list[static_cast<std::size_t>(index)] = std::move(marked); });
    return true;
}

template <typename Record>
int CAreaEditor::AddRecord(std::vector<Record>& list, RecordKind kind, const Record& record)
{
    const int index = static_cast<int>(list.size());
    Record marked = record;
    MarkAllTextsEdited(marked);
    CEdits edits;
    edits.Of(list).Appends(list);
    Apply(StepName("Create", kind, record.vnum), { kind, ChangeAction::Added, record.vnum, index }, std::move(edits),
        [&] { list.push_back(std::move(marked)); });
    return index;
}

template <typename Record, typename Also>
bool CAreaEditor::DeleteRecord(std::vector<Record>& list, RecordKind kind, int index, CEdits edits, Also also)
{
    if (!InRange(list, index))
        return false;
    const int vnum = list[static_cast<std::size_t>(index)].vnum;
    edits.Of(list).Erases(list, index);
    Apply(StepName("Delete", kind, vnum), { kind, ChangeAction::Deleted, vnum, index }, std::move(edits), [&] {
        list.erase(list.begin() + index);
        also(vnum);
    });
    return true;
}

template <typename Record>
bool CAreaEditor::DeleteRecord(std::vector<Record>& list, RecordKind kind, int index)
{
    return DeleteRecord(list, kind, index, CEdits(), [](int) {});
}

template <typename Record>
bool CAreaEditor::DeleteLoaded(std::vector<Record>& list, RecordKind kind, int index, bool withResets)
{
    if (!withResets || !InRange(list, index))
        return DeleteRecord(list, kind, index);
    CEdits edits;
    for (int room : ReferenceEdits::RoomsWithResetsOf(doc, kind, list[static_cast<std::size_t>(index)].vnum))
        edits.rooms.Changes(doc.rooms, room);
    return DeleteRecord(list, kind, index, std::move(edits),
        [this, kind](int vnum) { ReferenceEdits::DeleteResetsOf(doc, kind, vnum); });
}

bool CAreaEditor::ReplaceObject(int index, const CObjData& object) { return ReplaceRecord(doc.objects, RecordKind::Object, index, object); }
int CAreaEditor::AddObject(const CObjData& object) { return AddRecord(doc.objects, RecordKind::Object, object); }

bool CAreaEditor::DeleteObject(int index, bool withResets) { return DeleteLoaded(doc.objects, RecordKind::Object, index, withResets); }

bool CAreaEditor::ReplaceMob(int index, const CMobData& mob) { return ReplaceRecord(doc.mobs, RecordKind::Mob, index, mob); }
int CAreaEditor::AddMob(const CMobData& mob) { return AddRecord(doc.mobs, RecordKind::Mob, mob); }

bool CAreaEditor::DeleteMob(int index, bool withResets) { return DeleteLoaded(doc.mobs, RecordKind::Mob, index, withResets); }

bool CAreaEditor::ReplaceMobprog(int index, const CMobProgData& mobprog, bool withTriggers)
{
    if (!withTriggers || !InRange(doc.mobprogs, index))
        return ReplaceRecord(doc.mobprogs, RecordKind::Mobprog, index, mobprog);
    const int from = doc.mobprogs[static_cast<std::size_t>(index)].vnum;
    if (SameContent(doc.mobprogs[static_cast<std::size_t>(index)], mobprog))
        return true;
    CEdits edits;
    edits.mobprogs.Changes(doc.mobprogs, index);
    for (int mob : ReferenceEdits::MobsWithTriggersCalling(doc, from))
        edits.mobs.Changes(doc.mobs, mob);
    Apply(StepName("Edit", RecordKind::Mobprog, mobprog.vnum),
        { RecordKind::Mobprog, ChangeAction::Replaced, mobprog.vnum, index }, std::move(edits), [&] {
            doc.mobprogs[static_cast<std::size_t>(index)] = mobprog;
            ReferenceEdits::RenumberTriggers(doc, from, mobprog.vnum);
        });
    return true;
}

int CAreaEditor::AddMobprog(const CMobProgData& mobprog) { return AddRecord(doc.mobprogs, RecordKind::Mobprog, mobprog); }

bool CAreaEditor::DeleteMobprog(int index, bool withTriggers)
{
    if (!withTriggers)
        return DeleteRecord(doc.mobprogs, RecordKind::Mobprog, index);
    if (!InRange(doc.mobprogs, index))
        return false;
    CEdits edits;
    for (int mob : ReferenceEdits::MobsWithTriggersCalling(doc, doc.mobprogs[static_cast<std::size_t>(index)].vnum))
        edits.mobs.Changes(doc.mobs, mob);
    return DeleteRecord(doc.mobprogs, RecordKind::Mobprog, index, std::move(edits),
        [this](int vnum) { ReferenceEdits::DeleteTriggers(doc, vnum); });
}

bool CAreaEditor::RewrapAllTexts()
{
    std::vector<CRoomData> rooms = doc.rooms;
    std::vector<CObjData> objects = doc.objects;
    std::vector<CMobData> mobs = doc.mobs;
    bool changed = false;
    for (CRoomData& room : rooms)
        changed = RewrapTexts(room) || changed;
    for (CObjData& object : objects)
        changed = RewrapTexts(object, doc.Tables()) || changed;
    for (CMobData& mob : mobs)
        changed = RewrapTexts(mob) || changed;
    if (!changed)
        return false;
    Apply("Re-wrap All Texts", { RecordKind::Room, ChangeAction::Restored, 0, -1 },
        { RecordKind::Room, RecordKind::Object, RecordKind::Mob }, [&] {
            doc.rooms = std::move(rooms);
            doc.objects = std::move(objects);
            doc.mobs = std::move(mobs);
        });
    return true;
}

void CAreaEditor::ReplaceRecords(const std::string& name, CAreaRecords records)
{
    Apply(name, { RecordKind::Room, ChangeAction::Restored, 0, -1 },
        { RecordKind::Header, RecordKind::Room, RecordKind::Object, RecordKind::Mob, RecordKind::Mobprog },
        [&] { PutRecords(doc, std::move(records)); });
}

std::string CAreaEditor::UndoName() const
{
    return CanUndo() ? steps[done - 1]->name : std::string();
}

std::string CAreaEditor::RedoName() const
{
    return CanRedo() ? steps[done]->name : std::string();
}

bool CAreaEditor::Undo()
{
    if (!CanUndo())
        return false;
    CStep& step = *steps[--done];
    step.other.SwapWith(doc);
    step.edits.ApplyTo(doc);
    Finish(step, Restored(step.change));
    return true;
}

bool CAreaEditor::Redo()
{
    if (!CanRedo())
        return false;
    CStep& step = *steps[done++];
    step.other.SwapWith(doc);
    step.edits.ApplyTo(doc);
    Finish(step, Restored(step.change));
    return true;
}

void CAreaEditor::SetAllRooms(bool all)
{
    allRooms = all;
    LayoutRooms(doc, allRooms);
    Notify({ RecordKind::Room, ChangeAction::Restored, 0, -1, true });
}

void CAreaEditor::Clear()
{
    steps.clear();
    done = 0;
    cleanAt = 0;
}

void CAreaEditor::MarkClean()
{
    cleanAt = static_cast<long long>(done);
}

void CAreaEditor::MarkSaved()
{
    MarkClean();
    doc.ClearFileLines();
    for (const auto& step : steps) {
        step->other.ClearFileLines();
        step->edits.ClearFileLines();
    }
}

int CAreaEditor::AddListener(Listener listener)
{
    listeners.emplace_back(nextListenerId, std::move(listener));
    return nextListenerId++;
}

void CAreaEditor::RemoveListener(int id)
{
    for (auto it = listeners.begin(); it != listeners.end(); ++it)
        if (it->first == id) {
            listeners.erase(it);
            return;
        }
}
