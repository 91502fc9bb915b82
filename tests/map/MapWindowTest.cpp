#include "gui_support/TowerViewFixture.h"

#include "commands/CAreaCommands.h"
#include "draw/MapDrawing.h"
#include "editors/RecordClipboard.h"
#include "map/MapPrinting.h"

#include <QInputDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollBar>

#include <array>

namespace {

// The map window of the tower area: its levels, zoom, keys, room commands,
// undo and printing, driven through the real view, menus and dialogs.

using TolvexView = TowerViewFixture;
using MapKeys = TowerViewFixture;
using MapRoomEditing = TowerViewFixture;

TEST_F(TolvexView, LevelsStopOneBeyondTheLevelsInUseAndTheStatusPaneNamesThem)
{
    view->SetShownLevel(2);
    view->SetSelection(RoomIndex(105));
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 2 - (105) The Roof"));
    view->OnMapLevelUp();
    EXPECT_EQ(view->Selection(), -1) << "a level change clears the selection";
    view->OnMapLevelUp();
    EXPECT_EQ(view->ShownLevel(), 3) << "highest level in use is " << doc->highestLevel;
    for (int i = 0; i < 9; ++i)
        view->OnMapLevelDown();
    EXPECT_EQ(view->ShownLevel(), -2) << "lowest level in use is " << doc->lowestLevel;
    EXPECT_FALSE(Enabled(Command::MapLevelDown));
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level -2"));
}

TEST_F(TolvexView, ZoomDoublesAndHalvesBetweenThreeAnd192ForEveryWindowOfTheArea)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* other = ActiveView();
    ASSERT_NE(other, view);
    const int otherRange = other->horizontalScrollBar()->maximum();
    for (int i = 0; i < 5; ++i)
        view->OnMapZoomIn();
    EXPECT_EQ(view->Document().CellSize(), 192);
    EXPECT_FALSE(Enabled(Command::MapZoomIn));
    EXPECT_GT(other->horizontalScrollBar()->maximum(), otherRange) << "the other window follows the new size";
    EXPECT_FALSE(view->Document().IsModified()) << "zooming does not change the area";
    for (int i = 0; i < 7; ++i)
        view->OnMapZoomOut();
    EXPECT_EQ(view->Document().CellSize(), 3);
    EXPECT_FALSE(Enabled(Command::MapZoomOut));
}

TEST_F(TolvexView, PaintingAndClicksFollowTheScrollBars)
{
    ActiveChild()->show();
    view->parentWidget()->resize(400, 300);
    view->OnMapZoomIn();
    view->OnMapZoomIn();
    const CRoomData& garden = Room(103);
    const QPoint at(RoomX(garden, view->Document().CellSize()), RoomY(garden, view->Document().CellSize()));
    view->horizontalScrollBar()->setValue(at.x() - 100);
    view->verticalScrollBar()->setValue(at.y() - 100);
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    ASSERT_GT(scroll.x() * scroll.y(), 0) << "the test needs the map scrolled";
    const QPoint centre = at - scroll; // in the viewport
    const CMapColor colour = SectorColor(doc->Tables(), garden.sector);
    EXPECT_EQ(view->viewport()->grab().toImage().pixel(centre), qRgb(colour.r, colour.g, colour.b));
    // A click selects the room within ten units of its centre.
    const std::array<int, 3> clicks[] = { { 10, -10, RoomIndex(103) }, { 11, 0, -1 } };
    for (const auto& [dx, dy, selected] : clicks) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre + QPoint(dx, dy));
        EXPECT_EQ(view->Selection(), selected) << "click at " << dx << "," << dy;
    }
}

// The background is the palette's; the selection frame's edge and ring swap
// on a dark one; the room keeps its sector's colour.
TEST_F(TolvexView, TheMapFollowsALightOrADarkPalette)
{
    ActiveChild()->show();
    view->parentWidget()->resize(400, 300);
    view->SetSelection(RoomIndex(103));
    const CRoomData& garden = Room(103);
    const int c = view->Document().CellSize();
    const QPoint centre(RoomX(garden, c), RoomY(garden, c));
    const CMapColor sector = SectorColor(doc->Tables(), garden.sector);
    // the background, the frame's edge, its ring
    const std::array<QRgb, 3> palettes[] = { { qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 255) },
        { qRgb(30, 30, 40), qRgb(255, 255, 255), qRgb(0, 0, 0) } };
    for (const auto& [background, edge, ring] : palettes) {
        QPalette palette = view->viewport()->palette();
        palette.setColor(QPalette::Base, QColor(background));
        view->viewport()->setPalette(palette);
        const QImage image = view->viewport()->grab().toImage();
        EXPECT_EQ(image.pixel(1, 1), background);
        EXPECT_EQ(image.pixel(centre - QPoint(c, 0)), edge) << qRed(background);
        EXPECT_EQ(image.pixel(centre - QPoint(c - 1, 0)), ring) << qRed(background);
        EXPECT_EQ(image.pixel(centre), qRgb(sector.r, sector.g, sector.b)) << qRed(background);
    }
}

TEST_F(TolvexView, MapStatusBarToggleHidesOnlyThisWindowsBar)
{
    Action(Command::WindowNew)->trigger();
    ActiveView()->OnViewMapStatusBar();
    Frame()->UpdateActions();
    EXPECT_TRUE(ActiveChild()->MapStatusBar()->isHidden());
    EXPECT_FALSE(qobject_cast<CChildFrame*>(view->parentWidget())->MapStatusBar()->isHidden());
    EXPECT_FALSE(Action(Command::ViewMapStatusBar)->isChecked()) << "the check mark follows the active window";
    EXPECT_TRUE(view->MapStatusBarShown());
}

TEST_F(MapKeys, ArrowsAndPagesWalkTheExitsAndEnterOpensTheRoom)
{
    view->SetSelection(RoomIndex(100));
    const std::pair<Qt::Key, int> walk[] = { { Qt::Key_Up, 101 }, { Qt::Key_Right, 102 }, { Qt::Key_Right, 102 },
        { Qt::Key_Left, 101 }, { Qt::Key_PageDown, 106 }, { Qt::Key_PageUp, 101 }, { Qt::Key_Down, 100 },
        { Qt::Key_PageUp, 104 } };
    for (const auto& [key, vnum] : walk) {
        QTest::keyClick(view, key);
        EXPECT_EQ(SelectedVnum(), vnum) << "key " << key;
        EXPECT_EQ(view->ShownLevel(), Room(vnum).level) << "the window follows the room's level";
    }
    QString opened;
    OnNextModal("cancelButton", [&](QWidget* modal) { opened = modal->objectName(); });
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(opened, QStringLiteral("roomEditDialog"));
}

TEST_F(MapKeys, RenumberingARoomTakesTheExitsThatLedToItInOneStep)
{
    view->SetSelection(RoomIndex(101));
    OnNextModal("okButton", [](QWidget* modal) { TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("150")); });
    Frame()->UpdateActions();
    Action(Command::RoomsEdit)->trigger();
    ASSERT_NE(RoomIndex(150), -1);
    const auto ways = [this] { return std::to_string(Room(100).exits[DirNorth].toVnum) + " " + std::to_string(Room(102).exits[DirWest].toVnum) + " " + std::to_string(Room(106).exits[DirUp].toVnum); };
    EXPECT_EQ(ways(), "150 150 150");
    EXPECT_FALSE(Room(150).unplaced) << "the renumbered room stays on the map";
    Action(Command::EditUndo)->trigger();
    EXPECT_EQ(ways(), "101 101 101") << "undone with the edit";
}

TEST_F(MapKeys, GoToRoomFindsByVnumOrNameAndSaysWhenTheRoomIsOffTheMap)
{
    // what is typed, the room selected, the messages told by then
    const std::tuple<const char*, int, size_t> cases[] = {
        { "105", 105, 0 }, { "garden", 103, 0 }, { "nowhere", 103, 1 }
    };
    for (const auto& [typed, vnum, messages] : cases) {
        OnNextModal(nullptr, [text = typed](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(input, nullptr);
            input->setTextValue(QString::fromLatin1(text));
            input->accept();
        });
        Action(Command::EditGoToRoom)->trigger();
        EXPECT_EQ(SelectedVnum(), vnum) << typed;
        EXPECT_EQ(view->ShownLevel(), Room(vnum).level) << typed;
        EXPECT_EQ(prompt.shown.size(), messages) << typed;
    }
}

TEST_F(MapKeys, AllRoomsPutsTheRoomsNoExitReachesOnTheMapAndIsRemembered)
{
    CRoomData lonely;
    lonely.vnum = 150;
    view->Document().Editor().AddRoom(lonely);
    ASSERT_TRUE(Room(150).unplaced);
    Action(Command::ViewAllRooms)->trigger();
    EXPECT_TRUE(Action(Command::ViewAllRooms)->isChecked());
    EXPECT_FALSE(Room(150).unplaced) << "where it goes is the layout test's";
    EXPECT_FALSE(view->Document().IsModified() && view->Document().Editor().UndoName() != "Create Room 150")
        << "showing more rooms is no change to the area";
    Action(Command::ViewAllRooms)->trigger();
    EXPECT_TRUE(Room(150).unplaced);
}

TEST_F(MapRoomEditing, RoomCommandsAreEnabledByTheSelectionAndCreateTowardAnExitIsRefused)
{
    for (int selection : { -1, 0 }) {
        view->SetSelection(selection);
        for (Command c : { Command::RoomsEdit, Command::RoomsDelete, Command::RoomsCreateNorth, Command::RoomsCreateDown,
                 Command::EditCopy })
            EXPECT_EQ(Action(c)->isEnabled(), selection >= 0) << static_cast<int>(c);
        EXPECT_TRUE(Action(Command::RoomsNew)->isEnabled() && Action(Command::RoomsList)->isEnabled());
    }
    view->SetSelection(RoomIndex(100));
    CAreaCommands(*view).RoomsCreate(DirNorth); // no dialog: the test would hang on it
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! That room has an exit in that direction!"));
    EXPECT_EQ(doc->rooms.size(), 8u);
}

TEST_F(MapRoomEditing, NewRoomTakesTheLowestFreeVnumUnlessCancelledOrNoneIsFree)
{
    OnNextModal("cancelButton");
    CAreaCommands(*view).RoomsNew();
    EXPECT_EQ(doc->rooms.size(), 8u) << "a cancelled room is discarded";
    EXPECT_FALSE(view->Document().IsModified());
    OnNextModal("okButton", [](QWidget* dialog) { Find<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("The Shed")); });
    CAreaCommands(*view).RoomsNew();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(std::to_string(doc->rooms.back().vnum) + " " + doc->rooms.back().name, "108 The Shed");
    EXPECT_TRUE(doc->rooms.back().unplaced) << "a room without exits stays off the map";
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_TRUE(view->Document().IsModified());

    ChangeHeader(view->Document(), [](CAreaHeader& h) { h.upperVnum = 108; });
    CAreaCommands(*view).RoomsNew(); // no dialog: the test would hang on it
    EXPECT_EQ(prompt.Told(), QStringLiteral("No vnums available!"));
}

TEST_F(MapRoomEditing, CreatingUpOrDownShowsTheNewRoomsLevel)
{
    for (const auto& [command, level] : { std::pair { Command::RoomsCreateUp, 1 }, { Command::RoomsCreateDown, -1 } }) {
        view->SetShownLevel(0);
        view->SetSelection(RoomIndex(102));
        OnNextModal("okButton");
        Action(command)->trigger();
        EXPECT_EQ(view->ShownLevel(), level);
        EXPECT_EQ(view->Selection(), static_cast<int>(doc->rooms.size()) - 1);
    }
}

TEST_F(MapRoomEditing, DeleteAsksFirstOtherWindowsKeepTheirRoomAndUndoBringsItBack)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* second = ActiveView();
    ASSERT_NE(second, view);
    view->SetSelection(RoomIndex(105));
    second->SetSelection(RoomIndex(103));
    CAreaCommands(*second).RoomsDelete(); // the scripted prompt answers No
    EXPECT_EQ(prompt.Asked(), QStringLiteral("Warning! You are about to delete a room.\nThis action is irreversible! Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults[0], QMessageBox::No);
    EXPECT_EQ(doc->rooms.size(), 8u);

    prompt.answers.push_back(QMessageBox::Yes);
    Action(Command::RoomsDelete)->trigger();
    ASSERT_EQ(RoomIndex(103), -1);
    EXPECT_EQ(second->Selection(), -1);
    EXPECT_EQ(view->Selection(), RoomIndex(105)) << "the other window still shows its room";
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Delete Room 103"));
    Action(Command::EditUndo)->trigger();
    ASSERT_NE(RoomIndex(103), -1);

    view->SetSelection(RoomIndex(103));
    Action(Command::EditRedo)->trigger();
    EXPECT_EQ(view->Selection(), -1) << "a window whose room is gone has no selection";
    EXPECT_EQ(qobject_cast<CChildFrame*>(view->parentWidget())->MapStatusText(), QStringLiteral("Level 0"));
    EXPECT_FALSE(view->viewport()->grab().isNull());
}

// What each step changes is checked in tests/edit/CAreaEditorTest.cpp.
TEST_F(MapRoomEditing, UndoAndRedoNameEachStepAndTheModifiedMarkFollowsTheSavedState)
{
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_FALSE(Action(Command::EditUndo)->isEnabled()) << "nothing to undo after opening";
    view->SetSelection(RoomIndex(102));
    for (int i = 0; i < 2; ++i) {
        OnNextModal("okButton");
        Action(Command::RoomsCreateEast)->trigger();
    }
    ASSERT_EQ(doc->rooms.size(), 10u);
    const int first = doc->rooms[8].vnum, second = doc->rooms[9].vnum;
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Create Room %1").arg(second));
    EXPECT_TRUE(Frame()->isWindowModified());

    Action(Command::EditUndo)->trigger();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(view->Selection(), -1) << "the selected room is gone";
    EXPECT_EQ(Action(Command::EditRedo)->text(), QStringLiteral("&Redo Create Room %1").arg(second));
    EXPECT_TRUE(app->SaveDocument(view->Document(), false));
    EXPECT_FALSE(Frame()->isWindowModified());
    const std::string saved = ReadWholeFile(view->Document().PathName().toStdString());
    EXPECT_TRUE(saved.find("#" + std::to_string(first) + "\n") != std::string::npos && saved.find("#" + std::to_string(second) + "\n") == std::string::npos);

    Action(Command::EditRedo)->trigger();
    EXPECT_EQ(Room(first).exits[DirEast].toVnum, second);
    EXPECT_FALSE(Room(second).unplaced) << "laid out again";
    EXPECT_TRUE(Frame()->isWindowModified());
    Action(Command::EditUndo)->trigger();
    EXPECT_FALSE(Frame()->isWindowModified()) << "back at the saved state";
}

// Ctrl+C and Ctrl+V on the map: the selected room travels as a room record
// and comes back as a new room on the lowest free vnum, one step.
TEST_F(MapRoomEditing, CopyAndPasteMakeANewRoomOfTheSelectedOne)
{
    QApplication::clipboard()->clear();
    Action(Command::EditPaste)->trigger();
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! The clipboard holds no room to paste."));
    EXPECT_FALSE(view->Document().IsModified());

    view->SetSelection(RoomIndex(103));
    Frame()->UpdateActions();
    Action(Command::EditCopy)->trigger();
    QByteArray bytes;
    EXPECT_TRUE(RecordOnClipboard("TOLVEX_ROOM", bytes));
    Action(Command::EditPaste)->trigger();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(std::to_string(doc->rooms.back().vnum) + " " + doc->rooms.back().name + doc->rooms.back().description, "108 " + Room(103).name + Room(103).description);
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Create Room 108"));
    Action(Command::EditUndo)->trigger();
    EXPECT_EQ(doc->rooms.size(), 8u);
}

class MapPrinting : public TowerViewFixture {
protected:
    std::vector<std::array<int, 4>> Placements() const
    {
        std::vector<std::array<int, 4>> placements;
        for (const CRoomData& r : doc->rooms)
            placements.push_back({ r.gridX, r.gridY, r.level, r.unplaced });
        return placements;
    }

    // The titles of the pages printed to a PDF, checked against its page count.
    QStringList PrintToPdf(int fromPage = 0, int toPage = 0)
    {
        const QString path = temp.filePath(QStringLiteral("map.pdf"));
        const QStringList titles = [&] {
            QPdfWriter pdf(path); // written out when it goes
            return PrintMap(pdf, *doc, view->Document().Title(), fromPage, toPage);
        }();
        EXPECT_EQ(PdfPages(path), titles.size());
        return titles;
    }
};

TEST_F(MapPrinting, OnePagePerLevelFromTheLowestTitledWithItsLevelAndTheMapLeftAsItWasAlsoWhenCancelled)
{
    view->OnMapZoomIn();
    const auto before = Placements();
    const QStringList titles = QStringLiteral("tower.are - Level -1|tower.are - Level 0|tower.are - Level 1|tower.are - Level 2")
                                   .split(QLatin1Char('|'));
    EXPECT_EQ(PrintToPdf(), titles);
    EXPECT_EQ(PrintToPdf(2, 3), titles.mid(1, 2)) << "a page range";
    EXPECT_EQ(Placements(), before) << "the map is laid out at its own size again";
    EXPECT_FALSE(view->Document().IsModified());

    OnNextModal(nullptr, [](QWidget* printDialog) { qobject_cast<QDialog*>(printDialog)->reject(); });
    QPrinter printer;
    printer.setOutputFileName(temp.filePath(QStringLiteral("cancelled.pdf")));
    view->OnFilePrint(printer);
    EXPECT_EQ(Placements(), before);
    EXPECT_EQ(view->Document().CellSize(), 24);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(MapPrinting, CellSizeFitsThePageAndStaysAtMost100)
{
    CPrintPlan plan = PreparePrinting(*doc);
    // Pages across and down, the drawing rectangle, the cell size.
    const std::array<int, 5> cases[] = {
        { 1, 1, 900, 900, 100 }, // 300 and 200, but no more than 100
        { 5, 2, 900, 900, 60 }, // 900 / 15
        { 2, 10, 5000, 900, 20 }, // 600 / 30
        { 400, 1, 900, 900, 1 }, // too big for the paper: the smallest size
    };
    for (const auto& [across, down, width, height, cell] : cases) {
        plan.pagesAcross = across, plan.pagesDown = down;
        EXPECT_EQ(PrintCellSize(plan, QRect(0, 0, width, height)), cell) << across << "x" << down << " on " << width << "x" << height;
    }
}

} // namespace
