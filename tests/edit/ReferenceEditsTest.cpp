#include "edit/CAreaEditor.h"
#include "support/AreaFiles.h"

#include <functional>

namespace {

// Two rooms that lead to each other; the guard loads in the first with a
// sword (G) and a shield (E) and carries two triggers of program 150; the
// second room holds the chest with the sword put in it.
const std::string Keep = ReadWholeFile(SourcePath("tests/data/references/keep.are"));

// Operations that change records beside their own take one step that
// undoes to the same bytes and does again to the same bytes.
TEST(ReferenceEdits, EachOperationWithItsReferencesUndoesAndRedoesWhole)
{
    CConfigTables tables;
    LoadTables(tables);
    // what, run, gone (not in the file after the step)
    const std::tuple<const char*, std::function<void(CAreaEditor&)>, const char*> cases[] = {
        { "delete the guard and its resets", [](CAreaEditor& e) { e.DeleteMob(0, true); }, "M 0 100" },
        { "delete the sword and its resets", [](CAreaEditor& e) { e.DeleteObject(0, true); }, "G 0 100" },
        { "delete the chest and what goes in it", [](CAreaEditor& e) { e.DeleteObject(1, true); }, "P 0 100" },
        { "renumber the program and its triggers",
            [](CAreaEditor& e) { e.ReplaceMobprog(0, { 160, e.Doc().mobprogs[0].code, 0 }, true); }, "M greet 150" },
        { "delete the program and its triggers", [](CAreaEditor& e) { e.DeleteMobprog(0, true); }, "M speech" },
        { "renumber the hall and the exit to it",
            [](CAreaEditor& e) {
                CRoomData hall = e.Doc().rooms[0];
                hall.vnum = 102;
                e.ReplaceRoom(0, hall);
            },
            "0 0 100\n" },
        { "delete the vault and the exit to it", [](CAreaEditor& e) { e.DeleteRoom(1); }, "0 0 101\n" },
    };
    for (const auto& [what, run, gone] : cases) {
        CTolvexDoc doc(tables);
        LoadArea(doc, Keep);
        CAreaEditor editor(doc);
        const auto saved = [&doc] { return SaveText(doc, "keep.are"); };
        const std::string before = saved();
        run(editor);
        const std::string after = saved();
        EXPECT_EQ(after.find(gone), std::string::npos) << what << "\n"
                                                       << after;
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(editor.Undo()) << what;
            EXPECT_EQ(saved(), before) << what << ", undone";
            ASSERT_TRUE(editor.Redo()) << what;
            EXPECT_EQ(saved(), after) << what << ", done again";
        }
        EXPECT_FALSE(editor.Undo() && editor.Undo()) << what << ": one step";
    }
}

} // namespace
