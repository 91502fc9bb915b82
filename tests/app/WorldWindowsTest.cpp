#include "AppFixture.h"

#include "app/CFindInWorldDlg.h"
#include "app/CProblemsPanel.h"
#include "app/CWorld.h"
#include "app/CWorldMapView.h"
#include "app/CWorldPanel.h"
#include "gui/Prompt.h"
#include "layout/RoomLayout.h"
#include "gui_support/DialogDriver.h"

#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class WorldWindows : public AppFixture {
protected:
    // The crafted world copied beside its list, as a builder's MUD folder.
    QString CopyWorld()
    {
        for (const char* name : { "area.lst", "town.are", "forest.are", "cave.are" })
            WriteFile(QString::fromLatin1(name), ReadWholeFile(SourcePath(std::string("tests/data/world-crafted/") + name)));
        return temp.filePath(QStringLiteral("area.lst"));
    }
    QTreeWidget* List() const { return Frame()->findChild<QTreeWidget*>(QStringLiteral("worldList")); }
    CWorldPanel* Panel() const { return Frame()->findChild<CWorldPanel*>(QStringLiteral("worldPanel")); }
    void Settle() const
    {
        (void)QTest::qWaitFor([this] {
            return !Panel()->RefreshPending() && !Frame()->findChild<CProblemsPanel*>()->RefreshPending();
        });
    }
    std::string Lines() const { return Settle(), TreeRows(List(), " "); }
    CAreaDocument& Area(int entry) const { return *app->World()->Entries()[static_cast<size_t>(entry)].document; }
};

} // namespace

// The list's areas open together, without windows; a missing name is told,
// not fatal; a line shows its area's map, whose closing keeps the area and
// its changes; the Problems panel checks the area in the world.
TEST_F(WorldWindows, AnAreaListOpensItsAreasInTheWorldPanel)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_NE(app->World(), nullptr);
    EXPECT_EQ(app->Documents().size(), 3u);
    EXPECT_EQ(ActiveChild(), nullptr) << "no map window until the builder asks";
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(prompt.Told(), QStringLiteral("These areas of area.lst could not be opened:\nmissing.are: No such file or directory"));
    EXPECT_EQ(Lines(),
        "town.are Town 1000-1099 2 0 1 0 3 1 / forest.are Forest 2000-2099 2 1 1 1 1 2 / "
        "missing.are No such file or directory        / cave.are Cave 2050-2150 1 0 0 0 0 2");
    EXPECT_EQ(List()->topLevelItem(3)->toolTip(2), QStringLiteral("Overlaps forest.are (2000-2099)"));

    List()->setCurrentItem(List()->topLevelItem(0));
    QTest::keyClick(List(), Qt::Key_Return);
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(&ActiveChild()->Document(), &Area(0));
    const std::string problems = TreeRows(Frame()->findChild<QTreeView*>(QStringLiteral("problemsList")), " | ");
    EXPECT_NE(problems.find("leads to room 4444, which no area of the world has"), std::string::npos) << problems;

    CRoomData room = Area(0).Doc().rooms[1];
    room.name = "The Old Gate";
    ASSERT_TRUE(Area(0).Editor().ReplaceRoom(1, room));
    ASSERT_TRUE(ActiveChild()->parentWidget()->close());
    EXPECT_TRUE(prompt.Asked().isEmpty()) << "the area stays open in the world";
    ASSERT_EQ(app->Documents().size(), 3u);
    EXPECT_TRUE(Area(0).IsModified());
    EXPECT_EQ(Lines().substr(0, 11), "town.are * ");

    // Closing the world asks once for its modified areas.
    prompt.answers = { QMessageBox::Cancel };
    EXPECT_FALSE(app->CloseWorld());
    EXPECT_EQ(prompt.Asked(), QStringLiteral("Save changes to these areas of the world?\ntown.are"));
    prompt.Clear();
    prompt.answers = { QMessageBox::Yes };
    EXPECT_TRUE(app->CloseWorld());
    EXPECT_EQ(app->World(), nullptr);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("town.are")).toStdString()).find("The Old Gate~"), std::string::npos);
}

TEST_F(WorldWindows, SaveAllSavesEveryModifiedArea)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    for (int entry : { 1, 3 }) {
        CRoomData room = Area(entry).Doc().rooms[0];
        room.name += " renamed";
        ASSERT_TRUE(Area(entry).Editor().ReplaceRoom(0, room));
    }
    ASSERT_TRUE(Action(Command::FileSaveAll)->isEnabled());
    EXPECT_EQ(Action(Command::FileSaveAll)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    Action(Command::FileSaveAll)->trigger();
    EXPECT_FALSE(Area(1).IsModified() || Area(3).IsModified());
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("cave.are")).toStdString()).find("The Cave Mouth renamed~"), std::string::npos);
}

// Opening the world again, or one of its areas by its file, shows what is
// open rather than reading it twice; after the world closes the editor goes
// on without it.
TEST_F(WorldWindows, OpeningWhatTheWorldHasShowsItAndClosingItLeavesNothingBehind)
{
    const QString list = CopyWorld();
    ASSERT_TRUE(Start({ list }));
    const std::vector<CAreaDocument*> opened = app->Documents();
    CRoomData room = Area(0).Doc().rooms[0];
    room.name = "The Busy Square";
    ASSERT_TRUE(Area(0).Editor().ReplaceRoom(0, room));
    prompt.Clear();
    ASSERT_TRUE(app->OpenFile(list));
    EXPECT_TRUE(prompt.Asked().isEmpty()) << prompt.Asked().toStdString();
    EXPECT_EQ(app->Documents(), opened);
    EXPECT_TRUE(Area(0).IsModified());

    ASSERT_TRUE(app->OpenFile(temp.filePath(QStringLiteral("forest.are"))));
    EXPECT_EQ(app->Documents(), opened) << "the world's forest, not a second copy";
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(&ActiveChild()->Document(), &Area(1));

    // The Player View followed the world's area; it lets go of the world.
    prompt.answers = { QMessageBox::No };
    ASSERT_TRUE(app->CloseWorld());
    app->OnFileNew();
    ASSERT_TRUE(app->OpenFile(list));
    ASSERT_TRUE(app->ShowRoom(Area(0), 1000));
    QTest::keyClick(ActiveView(), Qt::Key_Right);
    EXPECT_EQ(&ActiveView()->Document(), &Area(1));
}

// A list that lost its "$" is still a world, read to its end and told; in a
// Save All a read-only file is named, and declining it saves the others.
TEST_F(WorldWindows, AListWithoutItsDollarOpensAndSaveAllNamesAReadOnlyFile)
{
    CopyWorld();
    const QString list = WriteFile(QStringLiteral("open.lst"), "town.are\r\nforest.are  \r\ncave.are\r\n");
    ASSERT_TRUE(Start({ list }));
    ASSERT_NE(app->World(), nullptr);
    EXPECT_EQ(app->World()->Entries().size(), 3u);
    EXPECT_EQ(prompt.Told(), QStringLiteral("open.lst has no \"$\" line; it was read to its end, and the server will not boot it."));

    for (int entry : { 0, 1 }) {
        CRoomData room = Area(entry).Doc().rooms[0];
        room.name += " renamed";
        ASSERT_TRUE(Area(entry).Editor().ReplaceRoom(0, room));
    }
    QFile::setPermissions(temp.filePath(QStringLiteral("town.are")), QFileDevice::ReadOwner);
    prompt.Clear();
    prompt.answers = { QMessageBox::No };
    Action(Command::FileSaveAll)->trigger();
    EXPECT_EQ(prompt.Asked(), QStringLiteral("town.are is read-only. Save anyway?"));
    EXPECT_TRUE(Area(0).IsModified());
    EXPECT_FALSE(Area(1).IsModified()) << "the forest is saved all the same";
}

// An exit into another area leads into that area's map with the keys alone,
// and back; hovering its stub names the room and its file.
TEST_F(WorldWindows, AnExitIntoAnotherAreaLeadsToItsMap)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_TRUE(app->ShowRoom(Area(0), 1000));
    CTolvexView* town = ActiveView();
    ASSERT_EQ(town->Selection(), 0);

    const CRoomData& gate = town->GetDocument().rooms[0];
    const int c = town->Document().CellSize();
    const QPoint stub(RoomX(gate, c) + 3 * c, RoomY(gate, c));
    town->horizontalScrollBar()->setValue(0);
    town->verticalScrollBar()->setValue(0);
    QHelpEvent hover(QEvent::ToolTip, stub, town->viewport()->mapToGlobal(stub));
    QCoreApplication::sendEvent(town->viewport(), &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("to 2000 %1 (forest.are)").arg(FromBytes(Area(1).Doc().rooms[0].name)));

    QTest::keyClick(town, Qt::Key_Right);
    ASSERT_NE(ActiveView(), town);
    EXPECT_EQ(&ActiveView()->Document(), &Area(1));
    EXPECT_EQ(ActiveView()->Selection(), Area(1).Doc().FindRoomIndex(2000));
    CTolvexView* forest = ActiveView();
    QTest::keyClick(forest, Qt::Key_Left);
    EXPECT_EQ(ActiveView(), forest) << "the forest's own room 1001 comes before the town's";
    EXPECT_EQ(forest->Selection(), 1);
    app->ShowArea(Area(0));
    ASSERT_EQ(ActiveView(), town) << "the town's window is raised, not opened again";
    town->SetSelection(0);
    QTest::keyClick(town, Qt::Key_Down);
    EXPECT_EQ(ActiveView(), town) << "a dead end leads nowhere";
}

// The world map lays every area's rooms out as one map, tinted by area; it
// walks across areas with the keys, and what it edits goes to the room's area.
TEST_F(WorldWindows, TheWorldMapShowsEveryAreaAndEditsThroughTheRoomsArea)
{
    QObject timers;
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_TRUE(Action(Command::ViewWorldMap)->isEnabled());
    Action(Command::ViewWorldMap)->trigger();
    auto* map = qobject_cast<CWorldMapView*>(ActiveView());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(ActiveChild()->windowTitle(), QStringLiteral("World Map[*]"));
    const CTolvexDoc& picture = map->GetDocument();
    ASSERT_EQ(picture.rooms.size(), 5u);
    for (const CRoomData& room : picture.rooms)
        EXPECT_FALSE(room.unplaced) << room.vnum;
    EXPECT_FALSE(Enabled(Command::RoomsEdit)) << "nothing selected, no area to act on";

    // From the town's square east into the forest, on the same map.
    map->GoToRoom(0);
    QTest::keyClick(map, Qt::Key_Right);
    ASSERT_EQ(ActiveView(), map);
    ASSERT_EQ(map->Selection(), 2);
    EXPECT_EQ(map->StatusText(), QStringLiteral("Level 0 - (2000) The Forest Edge"));

    // Digging east of it adds the room to the forest, and the map selects it.
    ASSERT_TRUE(Enabled(Command::RoomsCreateEast));
    OnNextModal(timers, "okButton");
    Action(Command::RoomsCreateEast)->trigger();
    ASSERT_EQ(Area(1).Doc().rooms.size(), 3u);
    EXPECT_EQ(Area(0).Doc().rooms.size(), 2u);
    ASSERT_EQ(map->GetDocument().rooms.size(), 6u);
    EXPECT_EQ(map->GetDocument().rooms[static_cast<size_t>(map->Selection())].vnum, Area(1).Doc().rooms[2].vnum);
    Action(Command::EditUndo)->trigger();
    EXPECT_EQ(Area(1).Doc().rooms.size(), 2u) << "the forest's own step";

    // Enter edits the room in its area; closing the world closes the map.
    QString edited;
    OnNextModal(timers, "cancelButton", [&edited](QWidget* dialog) {
        edited = Find<QLineEdit>(dialog, "nameEdit")->text();
    });
    map->GoToRoom(2);
    QTest::keyClick(map, Qt::Key_Return);
    EXPECT_EQ(edited, QStringLiteral("The Forest Edge"));
    EXPECT_TRUE(app->CloseWorld());
    EXPECT_EQ(ActiveChild(), nullptr);
}

// Ctrl+Shift+F works without a map window: Enter searches the world and
// leaves the list with nothing chosen, Enter on a line shows that area's room
// selected; the open dialog follows an area's change and the world's closing.
TEST_F(WorldWindows, FindInWorldListsTheWorldsMatchesAndShowsTheRoomOfALine)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_TRUE(Enabled(Command::EditFindInWorld));
    EXPECT_TRUE(Frame()->findChild<QMenu*>(QStringLiteral("menuEditWithoutArea"))->actions().contains(Action(Command::EditFindInWorld)));
    ShowActive(Frame());
    QTest::keyClick(Frame(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = Find<CFindInWorldDlg>(Frame(), "findInWorldDialog");
    ASSERT_TRUE(dialog->isVisible());
    auto* text = Find<QLineEdit>(dialog, "findText");
    auto* results = Find<QListWidget>(dialog, "findResults");
    ShowActive(dialog);
    EXPECT_TRUE(text->hasFocus());
    QTest::keyClicks(text, QStringLiteral("1001"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(ListLines(results), "Room 1001 The Gate \u2014 town.are|Room 1001 A Stray Clearing \u2014 forest.are");
    EXPECT_EQ(Find<QLabel>(dialog, "findCount")->text(), QStringLiteral("2 matches"));
    EXPECT_TRUE(results->hasFocus() && results->selectedItems().isEmpty());
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(ActiveChild(), nullptr) << "nothing chosen, nothing shown";
    QTest::keyClick(results, Qt::Key_Down);
    QTest::keyClick(results, Qt::Key_Down);
    QTest::keyClick(results, Qt::Key_Return);
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(&ActiveChild()->Document(), &Area(1));
    EXPECT_EQ(ActiveView()->Selection(), Area(1).Doc().FindRoomIndex(1001));
    EXPECT_TRUE(dialog->isVisible()) << "kept open for the next line";

    CRoomData room = Area(1).Doc().rooms[1];
    room.name = "A Clearing";
    ASSERT_TRUE(Area(1).Editor().ReplaceRoom(1, room));
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return !dialog->RefreshPending(); }));
    EXPECT_EQ(ListLines(results, true), "Room 1001 The Gate \u2014 town.are|Room 1001 A Clearing \u2014 forest.are*");
    prompt.answers = { QMessageBox::No };
    ASSERT_TRUE(app->CloseWorld());
    EXPECT_EQ(results->count(), 0) << "no line outlives its world";
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

// Renumbering an area moves the references of the world's areas with it, one
// step each; a range another area has is refused, naming it. An area brought
// in on a range the world has goes through the renumber first.
TEST_F(WorldWindows, RenumberAndAddAreaMoveAreasToFreeRanges)
{
    QObject timers;
    for (const char* name : { "area.lst", "castle.are", "town.are", "cave.are" })
        WriteFile(QString::fromLatin1(name), ReadWholeFile(SourcePath(std::string("tests/data/renumber-world/") + name)));
    ASSERT_TRUE(Start({ temp.filePath(QStringLiteral("area.lst")) }));
    QString refused;
    OnNextModal(timers, nullptr, [&](QWidget* dialog) {
        auto* low = Find<CNumberBox>(dialog, "renumberLow");
        EXPECT_EQ(low->value(), 1) << "the first free range is proposed";
        TypeNumber(low, QStringLiteral("2050"));
        EXPECT_EQ(Find<QLabel>(dialog, "renumberRange")->text(), QStringLiteral("New range: 2050-2149"));
        Click(dialog, "okButton");
        refused = prompt.Told();
        EXPECT_TRUE(dialog->isVisible()) << "a refused range keeps the dialog open";
        TypeNumber(low, QStringLiteral("5000"));
        Click(dialog, "okButton");
    });
    ASSERT_TRUE(app->RenumberArea(Area(0)));
    EXPECT_NE(refused.indexOf(QStringLiteral("town.are")), -1) << refused.toStdString();
    EXPECT_EQ(Area(1).Editor().UndoName(), "Renumber Area castle.are");
    EXPECT_FALSE(Area(2).IsModified()) << "the cave names nothing of the castle";
    Action(Command::FileSaveAll)->trigger();
    // As the command line renumbers them, the header aside (this configuration writes #AREADATA).
    auto records = [](const std::string& text) { return text.substr(text.find("#MOBILES")); };
    for (const char* name : { "castle", "town" })
        EXPECT_EQ(records(ReadWholeFile(temp.filePath(QStringLiteral("%1.are").arg(QString::fromLatin1(name))).toStdString())),
            records(ReadWholeFile(SourcePath(std::string("tests/data/renumber-world/expected-") + name + ".are"))))
            << name;

    // The cave again, from elsewhere: its range is the cave's, so it moves first.
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("cave2.are"));
    {
        QFile out(copy);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(ReadWholeFile(SourcePath("tests/data/renumber-world/cave.are")).c_str());
    }
    app->chooseFile = [&](QWidget*, bool, const QString&) { return copy; };
    prompt.answers = { QMessageBox::Yes };
    OnNextModal(timers, "okButton");
    Action(Command::FileAddAreaToWorld)->trigger();
    EXPECT_NE(prompt.Asked().indexOf(QStringLiteral("Renumber cave2.are to a free range first?")), -1) << prompt.Asked().toStdString();
    ASSERT_EQ(app->World()->Entries().size(), 4u);
    EXPECT_EQ(Area(3).Doc().lowerVnum, 1);
    EXPECT_EQ(ReadWholeFile(temp.filePath(QStringLiteral("area.lst")).toStdString()), "castle.are\ntown.are\ncave.are\ncave2.are\n$\n");
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("cave2.are")).toStdString()).find("VNUMs 1 100\n"), std::string::npos);

    // A new area takes the first free range of its size; its file follows its name.
    OnNextModal(timers, "okButton", [](QWidget* dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "newAreaName"), QStringLiteral("Elven Woods"));
        TypeNumber(Find<CNumberBox>(dialog, "newAreaSize"), QStringLiteral("50"));
        EXPECT_EQ(Find<QLabel>(dialog, "newAreaRange")->text(), QStringLiteral("vnums 101-150"));
    });
    Action(Command::FileNewAreaInWorld)->trigger();
    ASSERT_EQ(app->World()->Entries().size(), 5u);
    EXPECT_EQ(Area(4).Title(), QStringLiteral("elvenwoods.are"));
    EXPECT_FALSE(Area(4).IsModified());
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("elvenwoods.are")).toStdString()).find("VNUMs 101 150\n"), std::string::npos);
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("area.lst")).toStdString()).find("cave2.are\nelvenwoods.are\n$"), std::string::npos);
}

// The dialog moves the range a renumber moves: the header's, widened to the
// records outside it, so that the proposed range is one OK takes.
TEST_F(WorldWindows, RenumberProposesARangeForTheRecordsOutsideTheHeader)
{
    QObject timers;
    auto copy = [this](const char* name, const std::string& from, const std::string& to) {
        std::string text = ReadWholeFile(SourcePath(std::string("tests/data/renumber-world/") + name));
        text.replace(text.find(from), from.size(), to);
        WriteFile(QString::fromLatin1(name), text);
    };
    WriteFile(QStringLiteral("area.lst"), ReadWholeFile(SourcePath("tests/data/renumber-world/area.lst")));
    copy("castle.are", "1000 1099\n", "1000 1000\n"); // its records reach 1005
    copy("town.are", "2000 2099\n", "5 2099\n"); // 1-4 is too small for them
    WriteFile(QStringLiteral("cave.are"), ReadWholeFile(SourcePath("tests/data/renumber-world/cave.are")));
    ASSERT_TRUE(Start({ temp.filePath(QStringLiteral("area.lst")) }));
    OnNextModal(timers, "okButton", [](QWidget* dialog) {
        EXPECT_EQ(Find<CNumberBox>(dialog, "renumberLow")->value(), 2100);
        EXPECT_EQ(Find<QLabel>(dialog, "renumberRange")->text(), QStringLiteral("New range: 2100-2105"));
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QStringLiteral("Now: vnums 1000-1005 (6 vnums)"))) << texts.join(QLatin1Char('|')).toStdString();
    });
    ASSERT_TRUE(app->RenumberArea(Area(0)));
    EXPECT_EQ(prompt.Told(), QString()) << "the proposed range is taken";
    EXPECT_EQ(Area(0).Doc().lowerVnum, 2100);
}

// The line's Renumber Area works on the line the builder went to with the
// keys, and the line stays current when the list shows the moved range.
TEST_F(WorldWindows, TheWorldPanelRenumbersItsLineAndKeepsIt)
{
    QObject timers;
    for (const char* name : { "area.lst", "castle.are", "town.are", "cave.are" })
        WriteFile(QString::fromLatin1(name), ReadWholeFile(SourcePath(std::string("tests/data/renumber-world/") + name)));
    ASSERT_TRUE(Start({ temp.filePath(QStringLiteral("area.lst")) }));
    Settle();
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Home);
    QTest::keyClick(List(), Qt::Key_Down);
    ASSERT_EQ(List()->currentItem()->text(0), QStringLiteral("town.are"));
    OnNextModal(timers, "okButton", [](QWidget* dialog) { TypeNumber(Find<CNumberBox>(dialog, "renumberLow"), QStringLiteral("6000")); });
    List()->findChild<QAction*>(QStringLiteral("worldRenumberAction"))->trigger();
    EXPECT_EQ(Area(1).Doc().lowerVnum, 6000);
    Settle();
    ASSERT_NE(List()->currentItem(), nullptr) << "the builder's line stays";
    EXPECT_EQ(List()->currentItem()->text(0), QStringLiteral("town.are *"));
    EXPECT_EQ(List()->currentItem()->text(2), QStringLiteral("6000-6099"));
}

// An area of helps alone has no vnums to clash: it comes in without a renumber.
TEST_F(WorldWindows, AnAreaWithoutVnumsIsAddedWithoutARenumber)
{
    for (const char* name : { "area.lst", "castle.are", "town.are", "cave.are" })
        WriteFile(QString::fromLatin1(name), ReadWholeFile(SourcePath(std::string("tests/data/renumber-world/") + name)));
    ASSERT_TRUE(Start({ temp.filePath(QStringLiteral("area.lst")) }));
    QTemporaryDir elsewhere;
    const QString helps = elsewhere.filePath(QStringLiteral("helps.are"));
    const std::string text = "#AREA\nhelps.are~\nHelps~\n{ All } Tolvex~\n0 0\n\n#HELPS\n0 RENUMBER~\nMoves an area.\n~\n0 $~\n\n#$\n";
    {
        QFile out(helps);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.c_str());
    }
    app->chooseFile = [&](QWidget*, bool, const QString&) { return helps; };
    Action(Command::FileAddAreaToWorld)->trigger();
    EXPECT_EQ(prompt.Asked().toStdString(), "") << "nothing to renumber";
    ASSERT_EQ(app->World()->Entries().size(), 4u);
    EXPECT_EQ(ReadWholeFile(temp.filePath(QStringLiteral("helps.are")).toStdString()), text) << "copied as it was";
    EXPECT_EQ(ReadWholeFile(temp.filePath(QStringLiteral("area.lst")).toStdString()), "castle.are\ntown.are\ncave.are\nhelps.are\n$\n");
}
