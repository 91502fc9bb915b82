#include "EditorFixture.h"

#include "editors/CRoomListDlg.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class RoomListDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.rooms.clear();
        const struct { int vnum; const char* name; bool unplaced; } rooms[] = {
            { 9000, "Gate", false },
            { 10012, "Tower", false },
            { 3001, "Lost cellar", true },
            { 950, "Yard", false },
        };
        for (const auto& r : rooms) {
            CRoomData room;
            room.vnum = r.vnum;
            room.name = r.name;
            room.unplaced = r.unplaced;
            doc.rooms.push_back(room);
        }
    }
};

} // namespace

TEST_F(RoomListDlg, LinesSortAsTextWithRoomsOffTheMapLast)
{
    CRoomListDlg dialog(doc);
    auto* list = Find<QListWidget>(&dialog, "roomList");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    EXPECT_EQ(lines, (QStringList { QStringLiteral(" 10012\tTower"), QStringLiteral(" 9000\tGate"),
                         QStringLiteral(" 950\tYard"), QStringLiteral("U3001\tLost cellar") }));
}

TEST_F(RoomListDlg, EditGivesTheChosenRoomAndCloseNone)
{
    {
        CRoomListDlg dialog(doc);
        dialog.show();
        auto* list = Find<QListWidget>(&dialog, "roomList");
        list->setCurrentRow(3);
        QTest::mouseClick(Find<QPushButton>(&dialog, "editButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenRoom(), 2) << "the line carries the room's index in the area";
    }
    {
        CRoomListDlg dialog(doc);
        dialog.show();
        QTest::mouseClick(Find<QPushButton>(&dialog, "editButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenRoom(), -1) << "nothing chosen, nothing to edit";
    }
    {
        CRoomListDlg dialog(doc);
        dialog.show();
        Find<QListWidget>(&dialog, "roomList")->setCurrentRow(0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}
