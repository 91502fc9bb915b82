#pragma once

#include "area/AreaRecords.h"
#include "area/CTolvexDoc.h"
#include "area/RecordKind.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// How the records of that kind moved: one replaced, added (at the end) or
// deleted at `index`, or the whole list put back by an undo or a redo.
enum class ChangeAction { Replaced,
    Added,
    Deleted,
    Restored };

// What one change touched: the kind of record, its vnum (0 for the header)
// and where it stands in its list (-1: not one record).
struct CAreaChange {
    RecordKind kind = RecordKind::Room;
    ChangeAction action = ChangeAction::Replaced;
    int vnum = 0;
    int index = -1;
    // The map was laid out again: rooms may stand elsewhere, exits lead
    // elsewhere, or the room list changed.
    bool relaidOut = false;
};

// Every change to an area goes through here: each operation changes the
// records, lays the map out again when rooms or exits changed, marks the area
// modified and tells the listeners once. Each operation is one undoable step;
// a replacement that says what the record already said takes none.
class CAreaEditor {
public:
    explicit CAreaEditor(CTolvexDoc& doc);
    CAreaEditor(const CAreaEditor&) = delete;
    CAreaEditor& operator=(const CAreaEditor&) = delete;
    ~CAreaEditor();

    const CTolvexDoc& Doc() const { return doc; }

    void ReplaceHeader(const CAreaHeader& header);

    // Replaces room `index` whole. When its vnum changed and no other room has
    // the old one, every exit that led to the old vnum leads to the new one.
    bool ReplaceRoom(int index, const CRoomData& room);
    // Appends the room and returns its index. With a `from` room, that room's
    // exit in `direction` now leads to the new room (one step for both).
    int AddRoom(const CRoomData& room, int from = -1, int direction = -1);
    // Removes the room, its resets and every exit of the area that led to it.
    bool DeleteRoom(int index);

    // With `withResets`, the resets that load the object or mob go in the
    // same step (ReferenceEdits::DeleteResetsOf).
    bool ReplaceObject(int index, const CObjData& object);
    int AddObject(const CObjData& object);
    bool DeleteObject(int index, bool withResets = false);

    bool ReplaceMob(int index, const CMobData& mob);
    int AddMob(const CMobData& mob);
    bool DeleteMob(int index, bool withResets = false);

    // With `withTriggers`, the area's triggers that call the program's old
    // vnum follow it to the new one, or go with it, in the same step.
    bool ReplaceMobprog(int index, const CMobProgData& mobprog, bool withTriggers = false);
    int AddMobprog(const CMobProgData& mobprog);
    bool DeleteMobprog(int index, bool withTriggers = false);

    // Formats every description of the area as a save formats an edited one
    // (one step). False, and no step, when every text already was.
    bool RewrapAllTexts();

    // Puts every record of the area in place at once, the header and what
    // it keeps of other areas too (a renumber), as one step named `name`.
    void ReplaceRecords(const std::string& name, CAreaRecords records);

    // Whether the layout puts the rooms that the first room does not reach on
    // the map too. Changing it lays the map out again (no step).
    bool AllRooms() const { return allRooms; }
    void SetAllRooms(bool all);

    // The steps, named as the Edit menu shows them ("Edit Room 3001").
    bool CanUndo() const { return done > 0; }
    bool CanRedo() const { return done < steps.size(); }
    std::string UndoName() const;
    std::string RedoName() const;
    bool Undo();
    bool Redo();
    // Forgets every step (a new or reopened area, which is what its file holds).
    void Clear();

    // The state the file on disk has: saving marks it; the area is modified
    // while it is elsewhere, and undoing back to it makes it unmodified again.
    void MarkClean();
    bool IsClean() const { return cleanAt == static_cast<long long>(done); }
    bool IsModified() const { return !IsClean(); }
    // The area was written: the state is clean, and no record, now or in a
    // step to undo or redo, keeps the line it had in the old file.
    void MarkSaved();

    // The oldest steps are dropped beyond this many.
    static constexpr std::size_t StepLimit = 100;

    using Listener = std::function<void(const CAreaChange&)>;
    int AddListener(Listener listener);
    void RemoveListener(int id);

private:
    struct CSnapshot;
    struct CEdits;
    struct CStep;

    template <typename Record>
    bool ReplaceRecord(std::vector<Record>& list, RecordKind kind, int index, const Record& record);
    template <typename Record>
    int AddRecord(std::vector<Record>& list, RecordKind kind, const Record& record);
    template <typename Record>
    bool DeleteRecord(std::vector<Record>& list, RecordKind kind, int index);
    // Deletes record `index` and runs `also` on its vnum, in one step that
    // keeps the records `edits` names too.
    template <typename Record, typename Also>
    bool DeleteRecord(std::vector<Record>& list, RecordKind kind, int index, CEdits edits, Also also);
    // Deletes object or mob `index`, and with `withResets` the resets that
    // load it, in one step.
    template <typename Record>
    bool DeleteLoaded(std::vector<Record>& list, RecordKind kind, int index, bool withResets);
    template <typename Mutation>
    void Apply(const std::string& name, CAreaChange change, Mutation mutation);
    template <typename Mutation>
    void Apply(const std::string& name, CAreaChange change, std::vector<RecordKind> kinds, Mutation mutation);
    template <typename Mutation>
    void Apply(const std::string& name, CAreaChange change, CEdits edits, Mutation mutation);
    template <typename Mutation>
    void Push(std::unique_ptr<CStep> step, const std::string& name, CAreaChange change, Mutation mutation);
    void Finish(const CStep& step, const CAreaChange& change);
    void Notify(const CAreaChange& change);

    CTolvexDoc& doc;
    bool allRooms = false;
    std::vector<std::unique_ptr<CStep>> steps;
    std::size_t done = 0;
    // The step count of the saved state; -1 once that state can no longer
    // be reached.
    long long cleanAt = 0;
    std::vector<std::pair<int, Listener>> listeners;
    int nextListenerId = 1;
};
