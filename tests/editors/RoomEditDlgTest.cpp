#include "EditorFixture.h"

#include "editors/CRoomEditDlg.h"

#include "edit/CAreaEditor.h"
#include "editors/CRoomListDlg.h"

namespace {

class RoomEditDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        CRoomData& room = doc.rooms[0];
        room.sector = 2;
        room.roomFlags = 0x1 | 0x8; // dark, indoors
        room.exits[DirNorth] = { "A dark corridor.", "", 0, 3002, 0 };
        room.exits[DirEast] = { "An old door.", "door", 3010, 3003, 0x1 | 0x2 };
        room.extraDescs = { { "Plaque", "Gold letters." }, { "altar", "Stone." } };
        room.resets = { { 'M', 3005, 1, 3001, 1 }, { 'E', 3010, 1, 16, 1 }, { 'D', 3001, 1, 1, 0 }, { 'P', 3011, 1, 3001, 1 } };
        Open();
    }
    void Open() { OpenDialog(dialog, false, doc, doc.rooms[0], 0); }

    const CRoomData& Edited() const { return dialog->State().room; }
    std::string Extras() const
    {
        std::string out;
        for (const CExtraDescData& e : Edited().extraDescs)
            out += e.keyword + "=" + e.description + ";";
        return out;
    }
    void SelectReset(int row) const { W<QTreeWidget>("resetList")->setCurrentItem(W<QTreeWidget>("resetList")->topLevelItem(row)); }
    std::string ResetRows() const { return TreeRows(W<QTreeWidget>("resetList")); }

    std::unique_ptr<CRoomEditDlg> dialog;
};

TEST_F(RoomEditDlg, EachExitKeepsItsEditsAndFlagsWhenAnotherIsShown)
{
    auto* description = W<QPlainTextEdit>("exitDescriptionEdit");
    description->setPlainText(QStringLiteral("A lit corridor."));
    Type("exitKeyBox", "-1");
    ClickFlag("roomFlagList", "dark");
    ClickFlag("roomFlagList", "safe");
    EXPECT_FALSE(W<CFlagList>("roomFlagList")->IsShownSet(0x1)) << "a click turns the flag and its image off";

    Press("exitEastButton");
    EXPECT_EQ(description->toPlainText(), QStringLiteral("An old door."));
    ClickFlag("exitFlagList", "closed");
    ClickFlag("exitFlagList", "pickproof");
    Press("exitNorthButton");
    EXPECT_EQ(description->toPlainText(), QStringLiteral("A lit corridor."));
    EXPECT_FALSE(W<CFlagList>("exitFlagList")->IsShownSet(0x20)) << "exit flags belong to the shown exit";
    W<QLineEdit>("exitKeywordEdit")->setText(QStringLiteral("arch")); // never switched away: OK keeps it too
    Press("okButton");
    const CExitData& north = Edited().exits[DirNorth];
    EXPECT_EQ(north.description + "|" + north.keyword + "|" + std::to_string(north.key) + "|" + std::to_string(north.toVnum),
        "A lit corridor.|arch|-1|3002");
    EXPECT_EQ(Edited().exits[DirEast].exitFlags, 0x1u | 0x20u);
    EXPECT_EQ(Edited().roomFlags, 0x408u);
    EXPECT_EQ(Edited().sector, 2) << "opening must not choose a sector";
}

// Stock areas have exits to -1 that players can still look at, and texts
// laid out over several lines, one-line ones too. Latin-1 texts use byte 0xA0
// (a no-break space); a text box's plain text would hand it back as a blank.
// OK must keep them all.
TEST_F(RoomEditDlg, OkKeepsAnExitWithoutADestinationTheLineBreaksAndTheNoBreakSpacesOfEveryText)
{
    CRoomData& room = doc.rooms[0];
    room.name = "The Cell\nBlock";
    room.description = "A\xA0sign:\n   | BEWARE |\n";
    room.exits[DirNorth].description =
        "Far\xA0"
        "away.";
    room.exits[DirSouth] = { "Blocked by the gods.\nGo back.", "secret door\n", 0, -1, 0 };
    room.extraDescs[1].description = "Old\xA0stone.";
    Open();
    EXPECT_EQ(W<QPlainTextEdit>("descriptionEdit")->toPlainText(), QStringLiteral("A sign:\n   | BEWARE |\n"));
    Press("exitSouthButton");
    EXPECT_EQ(W<CNumberBox>("exitVnumBox")->value(), -1);
    Choose("extraKeywordCombo", "altar");
    auto* extra = W<QPlainTextEdit>("extraDescriptionEdit");
    QTest::keyClick(extra, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(extra, QStringLiteral("!"));
    Press("okButton");
    EXPECT_TRUE(prompt.shown.empty()) << "nothing is refused";
    const CExitData& south = Edited().exits[DirSouth];
    EXPECT_EQ(south.description + "|" + south.keyword + "|" + std::to_string(south.toVnum), "Blocked by the gods.\nGo back.|secret door\n|-1");
    EXPECT_EQ(Edited().exits[DirNorth].description, room.exits[DirNorth].description);
    EXPECT_EQ(Edited().name, "The Cell\nBlock");
    EXPECT_EQ(Edited().description, room.description);
    EXPECT_EQ(Extras(), "Plaque=Gold letters.;altar=Old\xA0stone.!;") << "an extra description edited in its box";
}

TEST_F(RoomEditDlg, ResetListRewritesTheVnumMovesAddsEditsAndDeletes)
{
    auto* up = W<QPushButton>("resetUpButton");
    auto* down = W<QPushButton>("resetDownButton");
    EXPECT_FALSE(up->isEnabled() || down->isEnabled() || W<QAction>("resetDeleteAction")->isEnabled())
        << "nothing selected, nothing to move or delete";
    SelectReset(3);
    EXPECT_TRUE(up->isEnabled() && !down->isEnabled()) << "the last reset moves only up";
    SelectReset(0);
    EXPECT_TRUE(!up->isEnabled() && down->isEnabled()) << "the first reset moves only down";
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton); // the moved reset stays selected
    Type("vnumBox", "3040");
    // The typed vnum names the room, not E's position nor P's container.
    EXPECT_EQ(ResetRows(), "E 3010 1 16 1 / D 3040 1 1 0 / M 3005 1 3040 1 / P 3011 1 3001 1");

    OnNextModal("okButton", [](QWidget* modal) {
        auto* type = Find<QComboBox>(modal, "typeCombo");
        type->setCurrentIndex(type->findText(QStringLiteral("Mob to room")));
        TypeNumber(Find<CNumberBox>(modal, "firstVnumBox"), QStringLiteral("3006"));
    });
    Trigger("resetAddAction");
    OnNextModal("okButton", [](QWidget* modal) { Find<CNumberBox>(modal, "maxBox")->setValue(9); });
    auto* list = W<QTreeWidget>("resetList");
    DoubleClick(list, list->visualItemRect(list->topLevelItem(0)));
    SelectReset(1);
    Trigger("resetDeleteAction");
    Press("okButton");
    EXPECT_EQ(ResetRows(), "E 3010 9 16 1 / M 3005 1 3040 1 / P 3011 1 3001 1 / M 3006 1 3040 1")
        << "added with the typed vnum, edited by a double click, D deleted";
}

// The vnum's rules are checked in tests/rules/RecordRulesTest.cpp.
TEST_F(RoomEditDlg, OkRefusesABadNumberWithItsMessageAndFocusesItsBox)
{
    // the box, what is typed, the refusal
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "vnumBox", "3002", "That vnum is in use!" },
        { "manaRateBox", "40000", "Please enter an integer between 0 and 32767." },
        { "vnumBox", "-5", "Please enter an integer between 0 and 2147483647." },
    };
    for (const auto& [box, typed, message] : cases) {
        Type(box, typed);
        ExpectOkRefused(message, box);
        Type(box, "3001");
    }
    prompt.Clear();
    Type("exitVnumBox", "100000");
    Press("okButton");
    EXPECT_TRUE(prompt.shown.empty() && dialog->result() == QDialog::Accepted)
        << "the room's own vnum is not in use, and a vnum past the server's 32767 is the checker's to report";
}

TEST_F(RoomEditDlg, ExtraDescriptionsAreFoundLetterCaseAsideAndATypedKeywordIsANewOne)
{
    auto* keyword = W<QComboBox>("extraKeywordCombo");
    EXPECT_EQ(keyword->itemText(0) + QLatin1Char(' ') + keyword->itemText(1), QStringLiteral("altar plaque"))
        << "listed sorted, in lower case";
    // Typing leaves the shown plaque alone; "pla" is not completed to it.
    for (const char* typed : { "window", "pla" }) {
        keyword->lineEdit()->clear();
        QTest::keyClicks(keyword->lineEdit(), QString::fromLatin1(typed));
        EXPECT_EQ(keyword->currentText(), QString::fromLatin1(typed));
        W<QPlainTextEdit>("extraDescriptionEdit")->setPlainText(QStringLiteral("Glass."));
        Press("extraAddButton");
    }
    for (const char* added : { "ALTAR", "" }) {
        keyword->setEditText(QString::fromLatin1(added));
        Press("extraAddButton");
    }
    Choose("extraKeywordCombo", "altar");
    Press("extraDeleteButton");
    EXPECT_EQ(Extras(), "Plaque=Gold letters.;window=Glass.;pla=Glass.;")
        << "ALTAR and an empty keyword add nothing; the chosen altar goes; keywords keep their letters";

    doc.rooms[0].extraDescs = { { "Sign", "first" }, { "sign", "second" } };
    Open();
    keyword = W<QComboBox>("extraKeywordCombo");
    const int second = keyword->findData(1);
    keyword->setCurrentIndex(second);
    emit keyword->activated(second);
    Press("extraDeleteButton");
    EXPECT_EQ(Extras(), "Sign=first;") << "the chosen line's entry goes where keywords repeat";
}

// What an incomplete record leaves is checked in tests/text/RecordCodecTest.cpp.
TEST_F(RoomEditDlg, CopyAndPasteByTheirKeysCarryEveryFieldButTheVnumAndExitsAndEditRoomWritesThemBackOnOkOnly)
{
    CRoomData& source = doc.rooms[0];
    source.name = "The Cellar", source.clan = "bakers", source.owner = "bo", source.manaRate = 70, source.healRate = 80;
    source.extraDescs = { { "oven", "It is hot." } };
    source.resets = { { 'M', 3005, 1, 3001, 1 }, { 'G', 3010, 1, 0, 1 } };
    OpenDialog(dialog, true, doc, source, 0);
    W<QLineEdit>("nameEdit")->setText(QStringLiteral("The Bakery")); // what the boxes show travels
    RecordKey("nameEdit", Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_ROOM") })
        << "Ctrl+Shift+C in a text box copies the room, and only the room";

    CTolvexDoc other(tables);
    other.upperVnum = 4099, other.rooms.emplace_back().vnum = 4000;
    other.rooms[0].exits[DirWest] = { "A fence.", "gate", 0, 4001, 0x1 };
    for (const bool ok : { false, true }) {
        OnNextModal(ok ? "okButton" : "cancelButton", [](QWidget* modal) {
            ShowActive(modal);
            Find<QWidget>(modal, "descriptionEdit")->setFocus();
            QTest::keyClick(Find<QWidget>(modal, "descriptionEdit"), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            Find<QLineEdit>(modal, "exitKeywordEdit")->setText(QStringLiteral("arch"));
        });
        EXPECT_EQ(CRoomEditDlg::EditRoom(nullptr, other, other.rooms[0]), ok);
        EXPECT_EQ(other.rooms[0].name, ok ? "The Bakery" : "") << "Cancel leaves the room alone";
    }
    CRoomData expected = source;
    expected.name = "The Bakery", expected.resets[0].arg3 = 4000; // the pasted mob reset names the room it is now in
    EXPECT_EQ(WriteRoomRecord(other.rooms[0]), WriteRoomRecord(expected)) << "every edited field reaches the room";
    EXPECT_EQ(other.rooms[0].vnum, 4000) << "the vnum never travels";
    EXPECT_EQ(other.rooms[0].exits[DirWest].keyword + " " + other.rooms[0].exits[DirNorth].keyword, "gate arch") << "the exits never travel";

    std::vector<uint8_t> cut = WriteRoomRecord(doc.rooms[1]);
    cut.pop_back();
    for (const bool room : { false, true }) {
        if (room)
            PutOnClipboard(RoomRecordFormat, cut);
        else
            QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
        prompt.Clear();
        Open();
        Trigger("pasteRoomAction");
        EXPECT_EQ(prompt.Told(), room ? QStringLiteral("The clipboard does not hold a complete room.") : QString()) << "only a cut room is told";
        EXPECT_EQ(W<QLineEdit>("nameEdit")->text(), QStringLiteral("The Cellar"));
    }
}

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

TEST_F(RoomListDlg, LinesSortAsTextWithRoomsOffTheMapLastAndEditGivesTheRoom)
{
    // row chosen (-1 none), Down pressed, button or key, result, room given
    const std::tuple<int, bool, const char*, int, int> cases[] = {
        { 3, false, "editButton", QDialog::Accepted, 2 }, { -1, false, "editButton", QDialog::Accepted, -1 },
        { 0, false, nullptr, QDialog::Rejected, -1 }, { -1, true, "editButton", QDialog::Accepted, 1 }
    };
    for (const auto& [row, down, button, result, room] : cases) {
        CAreaEditor editor(doc);
        CRoomListDlg dialog(editor);
        ShowActive(&dialog);
        auto* list = Find<QListWidget>(&dialog, "roomList");
        EXPECT_TRUE(list->hasFocus() && list->selectedItems().isEmpty()) << "opens on the list with nothing chosen";
        EXPECT_EQ(ListLines(list), " 10012\tTower| 9000\tGate| 950\tYard|U3001\tLost cellar");
        if (row >= 0)
            list->setCurrentRow(row); // the row the list takes with the focus is no choice
        if (down)
            QTest::keyClick(list, Qt::Key_Down); // the first arrow chooses the first line
        if (button)
            Click(&dialog, button);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), result) << "row " << row << (down ? " then Down" : "");
        EXPECT_EQ(dialog.result() == QDialog::Accepted ? dialog.ChosenRoom() : -1, room)
            << "row " << row << (down ? " then Down" : "")
            << ": the line carries the room's index in the area; none chosen, none given";
    }
}

} // namespace
