#include "EditorFixture.h"

#include "area/RoomRecord.h"
#include "editors/CFlagList.h"
#include "editors/CNumberBox.h"
#include "editors/CRoomEditDlg.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class RoomClipboard : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        QGuiApplication::clipboard()->clear();
        CRoomData& source = doc.rooms[0];
        source.name = "The Bakery";
        source.description = "Warm bread everywhere.";
        source.clan = "bakers";
        source.sector = 1;
        source.roomFlags = 0x8;
        source.healRate = 150;
        source.extraDescs = { { "oven", "It is hot." } };
        source.resets = { { 'M', 3005, 1, 3001, 1 }, { 'G', 3010, 1, 0, 1 } };
        source.exits[DirSouth].toVnum = 3002;

        LoadTables(otherTables, EditorTestConfig);
        other = std::make_unique<CTolvexDoc>(otherTables);
        other->lowerVnum = 4000;
        other->upperVnum = 4099;
        CRoomData target;
        target.vnum = 4000;
        target.name = "Empty lot";
        target.exits[DirWest] = { "A fence.", "gate", 0, 4001, 0x1 };
        other->rooms.push_back(target);
    }

    // Opens a dialog and makes it the active window, so its keys reach it.
    static std::unique_ptr<CRoomEditDlg> OpenActive(CTolvexDoc& document)
    {
        auto dialog = std::make_unique<CRoomEditDlg>(document, document.rooms[0], 0);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    CConfigTables otherTables;
    std::unique_ptr<CTolvexDoc> other;
};

} // namespace

TEST_F(RoomClipboard, CopyAndPasteBetweenTwoAreasByTheirKeys)
{
    {
        auto source = OpenActive(doc);
        auto* name = Find<QLineEdit>(source.get(), "nameEdit");
        name->setFocus();
        name->setText(QStringLiteral("The Bakery, edited")); // what the boxes show travels
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasFormat(QStringLiteral("TOLVEX_ROOM"))) << "Ctrl+Shift+C in a text box copies the room";
    EXPECT_EQ(data->formats().size(), 1) << "the room is the clipboard's only content";

    auto target = OpenActive(*other);
    auto* description = Find<QPlainTextEdit>(target.get(), "descriptionEdit");
    description->setFocus();
    QTest::keyClick(description, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);

    EXPECT_EQ(Find<QLineEdit>(target.get(), "nameEdit")->text(), QStringLiteral("The Bakery, edited"));
    EXPECT_EQ(description->toPlainText(), QStringLiteral("Warm bread everywhere."));
    EXPECT_EQ(Find<QComboBox>(target.get(), "sectorCombo")->currentText(), QStringLiteral("city"));
    EXPECT_TRUE(Find<CFlagList>(target.get(), "roomFlagList")->IsShownSet(0x8));
    EXPECT_EQ(Find<QComboBox>(target.get(), "extraKeywordCombo")->currentText(), QStringLiteral("oven"));
    EXPECT_EQ(Find<QTreeWidget>(target.get(), "resetList")->topLevelItemCount(), 2);
    EXPECT_EQ(Find<CNumberBox>(target.get(), "vnumBox")->value(), 4000) << "the vnum never travels";
    EXPECT_EQ(Find<QLineEdit>(target.get(), "exitKeywordEdit")->text(), QString()) << "north is shown and stays empty";

    QTest::mouseClick(Find<QPushButton>(target.get(), "okButton"), Qt::LeftButton);
    ASSERT_EQ(target->result(), QDialog::Accepted);
    const CRoomData& pasted = target->State().room;
    EXPECT_EQ(pasted.vnum, 4000);
    EXPECT_EQ(pasted.clan, "bakers");
    EXPECT_EQ(pasted.healRate, 150);
    EXPECT_EQ(pasted.exits[DirWest].toVnum, 4001) << "the exits never travel";
    EXPECT_EQ(pasted.exits[DirWest].keyword, "gate");
    EXPECT_EQ(pasted.exits[DirSouth].toVnum, 0);
    ASSERT_EQ(pasted.resets.size(), 2u);
    EXPECT_EQ(pasted.resets[0].arg3, 4000) << "the pasted mob reset names the room it is now in";
    EXPECT_EQ(pasted.resets[1].command, 'G');
}

TEST_F(RoomClipboard, PasteWithoutARoomChangesNothing)
{
    auto* text = new QMimeData;
    text->setText(QStringLiteral("just text"));
    QGuiApplication::clipboard()->setMimeData(text);

    CRoomEditDlg dialog(*other, other->rooms[0], 0);
    dialog.show();
    Find<QAction>(&dialog, "pasteRoomAction")->trigger();
    EXPECT_EQ(Find<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Empty lot"));
    EXPECT_TRUE(prompt.shown.empty()) << "a paste without a room says nothing";
}

TEST_F(RoomClipboard, TruncatedRecordPastesWhatItHolds)
{
    CRoomData source;
    source.clan = "cut";
    source.description = "Half a room.";
    source.name = "never arrives";
    const std::vector<uint8_t> whole = WriteRoomRecord(source);
    // clan and description, then the record ends inside the extra-description count
    const QByteArray cut(reinterpret_cast<const char*>(whole.data()), 1 + 3 + 1 + 12 + 2);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("TOLVEX_ROOM"), cut);
    QGuiApplication::clipboard()->setMimeData(data);

    CRoomEditDlg dialog(*other, other->rooms[0], 0);
    dialog.show();
    Find<QAction>(&dialog, "pasteRoomAction")->trigger();
    EXPECT_EQ(Find<QPlainTextEdit>(&dialog, "descriptionEdit")->toPlainText(), QStringLiteral("Half a room."));
    EXPECT_EQ(Find<QLineEdit>(&dialog, "clanEdit")->text(), QStringLiteral("cut"));
    EXPECT_EQ(Find<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Empty lot")) << "what was not read stays";
    EXPECT_TRUE(prompt.shown.empty());
}
