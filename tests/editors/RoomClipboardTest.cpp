#include "EditorFixture.h"

#include "editors/CRoomEditDlg.h"

#include <QLineEdit>

namespace {

using RoomClipboard = EditorFixture;

} // namespace

TEST_F(RoomClipboard, CopyAndPasteBetweenTwoAreasByTheirKeys)
{
    CRoomData& source = doc.rooms[0];
    source.clan = "bakers";
    source.sector = 1;
    source.extraDescs = { { "oven", "It is hot." } };
    source.resets = { { 'M', 3005, 1, 3001, 1 }, { 'G', 3010, 1, 0, 1 } };
    CTolvexDoc other(tables);
    other.rooms.emplace_back();
    other.rooms[0].vnum = 4000;
    other.upperVnum = 4099;
    other.rooms[0].exits[DirWest] = { "A fence.", "gate", 0, 4001, 0x1 };
    std::unique_ptr<CRoomEditDlg> dialog;
    OpenDialog(dialog, true, doc, source, 0);
    W<QLineEdit>("nameEdit")->setText(QStringLiteral("The Bakery")); // what the boxes show travels
    RecordKey("nameEdit", Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_ROOM") })
        << "Ctrl+Shift+C in a text box copies the room, and only the room";

    OpenDialog(dialog, true, other, other.rooms[0], 0);
    RecordKey("descriptionEdit", Qt::Key_V);
    Press("okButton");
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    CRoomData expected = source;
    expected.name = "The Bakery";
    expected.resets[0].arg3 = 4000; // the pasted mob reset names the room it is now in
    const CRoomData& pasted = dialog->State().room;
    EXPECT_EQ(WriteRoomRecord(pasted), WriteRoomRecord(expected)) << "every field but the vnum and the exits travels";
    EXPECT_EQ(pasted.vnum, 4000) << "the vnum never travels";
    EXPECT_EQ(pasted.exits[DirWest].keyword, "gate") << "the exits never travel";
}

// What an incomplete record leaves is checked in tests/text/RecordCodecTest.cpp.
TEST_F(RoomClipboard, PasteWithoutACompleteRoomChangesNothingAndSaysSoOnlyForACutRoom)
{
    std::vector<uint8_t> cut = WriteRoomRecord(doc.rooms[1]);
    cut.pop_back();
    std::unique_ptr<CRoomEditDlg> dialog;
    for (const bool room : { false, true }) {
        if (room)
            PutOnClipboard(RoomRecordFormat, cut);
        else
            QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
        prompt.Clear();
        OpenDialog(dialog, false, doc, doc.rooms[0], 0);
        Trigger("pasteRoomAction");
        EXPECT_EQ(prompt.Told(), room ? QStringLiteral("The clipboard does not hold a complete room.") : QString());
        EXPECT_EQ(W<QLineEdit>("nameEdit")->text(), QStringLiteral("Room 3001"));
    }
}
