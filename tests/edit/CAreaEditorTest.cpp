#include "edit/CAreaEditor.h"

#include "layout/RoomLayout.h"
#include "support/AreaFiles.h"

#include <functional>

namespace {

// The tower test area, opened as the editor opens it, with a record of every
// change the editor announces.
class AreaEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadTables(tables);
        LoadArea(doc, ReadWholeFile(SourcePath("tests/data/map-levels/tower.are")));
        LayoutRooms(doc);
        editor.AddListener([this](const CAreaChange& change) { changes.push_back(change); });
    }

    std::string Saved() const { return SaveText(doc, "tower.are"); }

    // Every room stands where a layout from scratch puts it.
    bool PlacesAreFresh() const
    {
        CTolvexDoc fresh = doc;
        LayoutRooms(fresh, editor.AllRooms());
        for (size_t i = 0; i < doc.rooms.size(); ++i) {
            const CRoomData &a = doc.rooms[i], &b = fresh.rooms[i];
            if (a.gridX != b.gridX || a.gridY != b.gridY || a.level != b.level || a.unplaced != b.unplaced)
                return false;
        }
        return true;
    }

    int Index(int vnum) const { return doc.FindRoomIndex(vnum); }
    const CRoomData& Room(int vnum) const { return doc.rooms[static_cast<size_t>(Index(vnum))]; }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CAreaEditor editor { doc };
    std::vector<CAreaChange> changes;
};

TEST_F(AreaEditor, EveryOperationIsOneNamedStepThatUndoesToTheSameBytesAndRedoes)
{
    CObjData object;
    object.vnum = 150, object.name = "lamp", object.itemType = tables.objTypes[0].value;
    CMobData mob(tables);
    mob.vnum = 160, mob.name = "guard";
    const CMobProgData program { 170, "say hi\r\n" };
    // Each operation: the step's name, what it does, and what it changes.
    const std::tuple<const char*, std::function<void(CAreaEditor&, const CTolvexDoc&)>, RecordKind, ChangeAction> cases[] = {
        { "Edit Area Information", [](CAreaEditor& e, const CTolvexDoc& d) {
             CAreaHeader h = d.Header();
             h.name = "Renamed", h.upperVnum = 150;
             e.ReplaceHeader(h); }, RecordKind::Header, ChangeAction::Replaced },
        { "Edit Room 101", [](CAreaEditor& e, const CTolvexDoc& d) {
             CRoomData r = d.rooms[1];
             r.name = "The Great Hall", r.exits[DirSouth].toVnum = 0;
             e.ReplaceRoom(1, r); }, RecordKind::Room, ChangeAction::Replaced },
        { "Edit Room 100", [](CAreaEditor& e, const CTolvexDoc& d) {
             CRoomData r = d.rooms[0];
             r.name = "Renamed", r.gridX += 5; // a copy from before a layout
             e.ReplaceRoom(0, r); }, RecordKind::Room, ChangeAction::Replaced },
        { "Create Room 190", [](CAreaEditor& e, const CTolvexDoc& d) {
             CRoomData r;
             r.vnum = 190, r.exits[DirSouth].toVnum = 101;
             EXPECT_FALSE(d.rooms[static_cast<size_t>(e.AddRoom(r, 1, DirNorth))].unplaced) << "laid out again with the new exit"; }, RecordKind::Room, ChangeAction::Added },
        { "Delete Room 101", [](CAreaEditor& e, const CTolvexDoc& d) { e.DeleteRoom(d.FindRoomIndex(101)); }, RecordKind::Room, ChangeAction::Deleted },
        { "Create Object 150", [&](CAreaEditor& e, const CTolvexDoc&) { e.AddObject(object); }, RecordKind::Object, ChangeAction::Added },
        { "Create Mob 160", [&](CAreaEditor& e, const CTolvexDoc&) { e.AddMob(mob); }, RecordKind::Mob, ChangeAction::Added },
        { "Create Mobprog 170", [&](CAreaEditor& e, const CTolvexDoc&) { e.AddMobprog(program); }, RecordKind::Mobprog, ChangeAction::Added },
    };
    const std::string opened = Saved();
    for (const auto& [name, run, kind, action] : cases) {
        SCOPED_TRACE(name);
        const std::string before = Saved();
        changes.clear();
        run(editor, doc);
        ASSERT_EQ(changes.size(), 1u) << "the views are told once";
        EXPECT_TRUE(changes[0].kind == kind && changes[0].action == action);
        EXPECT_TRUE(editor.IsModified());
        EXPECT_EQ(editor.UndoName(), name);
        const std::string after = Saved();
        ASSERT_NE(after, before);
        EXPECT_TRUE(PlacesAreFresh());

        ASSERT_TRUE(editor.Undo());
        EXPECT_EQ(Saved(), before) << "undo restores the area byte for byte";
        EXPECT_TRUE(PlacesAreFresh());
        EXPECT_EQ(editor.RedoName(), name);
        editor.SetAllRooms(!editor.AllRooms()); // places change with no step
        ASSERT_TRUE(editor.Redo());
        EXPECT_EQ(Saved(), after) << "redo restores the state after the step";
        EXPECT_TRUE(PlacesAreFresh());
        EXPECT_EQ(changes.size(), 4u) << "undo, All Rooms and redo are told once each";
    }
    // Steps stack: undoing them all gives the file as it was opened.
    editor.MarkClean();
    while (editor.Undo()) { }
    EXPECT_EQ(Saved(), opened);
    EXPECT_TRUE(editor.IsModified()) << "undoing past the saved state marks the area modified again";
}

// A save formats the descriptions an operation changed and nothing else;
// undone, a text is the file's own again.
TEST_F(AreaEditor, OnlyEditedDescriptionsAreFormattedAndReWrapAllIsOneStep)
{
    const std::string asRead = Saved();
    CRoomData gate = Room(100);
    gate.name = "The Old Gate";
    editor.ReplaceRoom(Index(100), gate);
    const std::string renamed = Saved();
    EXPECT_NE(renamed.find("The Old Gate~\nA gate.\n~\n"), std::string::npos) << "the description stays as read";

    gate.description = "a gate.\n   rusty   bars.";
    gate.exits[DirNorth].description = "the hall";
    editor.ReplaceRoom(Index(100), gate);
    const std::string edited = Saved();
    EXPECT_NE(edited.find("The Old Gate~\na gate. rusty bars.\n~\n0 0 1\nD0\nthe hall\n~\n"), std::string::npos) << edited;
    EXPECT_NE(edited.find("D1\n~\n"), std::string::npos) << "an exit left alone stays as read";
    CRoomData same = Room(100);
    editor.ReplaceRoom(Index(100), same);
    EXPECT_EQ(Saved(), edited) << "handing the same text back keeps its mark";
    editor.Undo(); // the same room handed back took no step
    EXPECT_EQ(Saved(), renamed);

    CRoomData hall = Room(101);
    hall.extraDescs = { { "plaque", "old  words", false }, { "mark", "a mark", false } };
    editor.ReplaceRoom(Index(101), hall);
    hall = Room(101);
    std::swap(hall.extraDescs[0], hall.extraDescs[1]);
    hall.extraDescs[0].edited = false; // what a pasted copy would carry
    editor.ReplaceRoom(Index(101), hall);
    EXPECT_TRUE(Room(101).extraDescs[0].edited && Room(101).extraDescs[1].edited) << "moved, not untouched";

    ASSERT_TRUE(editor.RewrapAllTexts());
    EXPECT_EQ(editor.UndoName(), "Re-wrap All Texts");
    const std::string rewrapped = Saved();
    EXPECT_NE(rewrapped.find("D1\n\n~\n"), std::string::npos) << "every description is formatted";
    EXPECT_FALSE(editor.RewrapAllTexts()) << "nothing left to format: no step";
    EXPECT_EQ(editor.UndoName(), "Re-wrap All Texts");
    while (editor.Undo()) { }
    EXPECT_EQ(Saved(), asRead);
}

TEST_F(AreaEditor, ModifiedFollowsTheSavedStateAndANewStepEndsRedo)
{
    CAreaHeader header = doc.Header();
    header.name = "One";
    editor.ReplaceHeader(header);
    editor.MarkClean(); // saved here
    EXPECT_FALSE(editor.IsModified());
    editor.Undo();
    EXPECT_TRUE(editor.IsModified()) << "undo after a save";
    editor.Redo();
    EXPECT_FALSE(editor.IsModified()) << "back at the saved state";
    editor.Undo();
    header.name = "Two";
    editor.ReplaceHeader(header);
    EXPECT_FALSE(editor.CanRedo());
    editor.Undo();
    EXPECT_TRUE(editor.IsModified()) << "the saved state was on the redo branch that is gone";
    EXPECT_EQ(editor.UndoName(), "");
    EXPECT_FALSE(editor.Undo());

    // Out-of-range indexes change nothing and make no step.
    changes.clear();
    EXPECT_FALSE(editor.DeleteRoom(-1) || editor.ReplaceRoom(99, CRoomData()) || editor.DeleteObject(0));
    EXPECT_TRUE(changes.empty());
}

TEST_F(AreaEditor, OldestStepsGoBeyondTheLimit)
{
    CAreaHeader header = doc.Header();
    for (size_t i = 0; i < CAreaEditor::StepLimit + 5; ++i) {
        header.minLevel = static_cast<int>(i);
        editor.ReplaceHeader(header);
    }
    size_t undone = 0;
    while (editor.Undo())
        ++undone;
    EXPECT_EQ(undone, CAreaEditor::StepLimit);
    EXPECT_EQ(doc.minLevel, 4);
    EXPECT_TRUE(editor.IsModified()) << "the opened state is out of reach";
}

} // namespace
