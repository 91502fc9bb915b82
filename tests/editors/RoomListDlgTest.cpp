#include "EditorFixture.h"

#include "edit/CAreaEditor.h"
#include "editors/CRoomListDlg.h"

#include <QListWidget>

namespace {

class RoomListDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.rooms.resize(4);
        const std::tuple<int, const char*, bool> rooms[] = { { 9000, "Gate", false }, { 10012, "Tower", false },
            { 3001, "Lost cellar", true }, { 950, "Yard", false } };
        for (size_t i = 0; i < 4; ++i)
            std::tie(doc.rooms[i].vnum, doc.rooms[i].name, doc.rooms[i].unplaced) = rooms[i];
    }
};

} // namespace

TEST_F(RoomListDlg, LinesSortAsTextWithRoomsOffTheMapLastAndEditGivesTheRoom)
{
    // row chosen (-1 none), Down pressed, button or key, result, room given
    const struct {
        int row;
        bool down;
        const char* button;
        int result;
        int room;
    } cases[] = {
        { 3, false, "editButton", QDialog::Accepted, 2 }, { -1, false, "editButton", QDialog::Accepted, -1 },
        { 0, false, nullptr, QDialog::Rejected, -1 }, { -1, true, "editButton", QDialog::Accepted, 1 }
    };
    for (const auto& c : cases) {
        CAreaEditor editor(doc);
        CRoomListDlg dialog(editor);
        ShowActive(&dialog);
        auto* list = Find<QListWidget>(&dialog, "roomList");
        EXPECT_TRUE(list->hasFocus() && list->selectedItems().isEmpty()) << "opens on the list with nothing chosen";
        EXPECT_EQ(ListLines(list), " 10012\tTower| 9000\tGate| 950\tYard|U3001\tLost cellar");
        if (c.row >= 0)
            list->setCurrentRow(c.row); // the row the list takes with the focus is no choice
        if (c.down)
            QTest::keyClick(list, Qt::Key_Down); // the first arrow chooses the first line
        if (c.button)
            Click(&dialog, c.button);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), c.result) << "row " << c.row << (c.down ? " then Down" : "");
        EXPECT_EQ(dialog.result() == QDialog::Accepted ? dialog.ChosenRoom() : -1, c.room)
            << "row " << c.row << (c.down ? " then Down" : "")
            << ": the line carries the room's index in the area; none chosen, none given";
    }
}
