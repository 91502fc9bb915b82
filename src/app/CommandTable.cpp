#include "app/CommandTable.h"

#include "app/AppResources.h"
#include "app/CFindInWorldDlg.h"
#include "app/CMainFrame.h"
#include "app/HelpCommands.h"
#include "app/CTolvexApp.h"
#include "commands/CAreaCommands.h"
#include "gui/CAreaDocument.h"
#include "map/CTolvexView.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QMdiArea>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cstring>

namespace {

// clang-format off
using F = CMainFrame;

bool HasView(const F& f) { return f.ActiveView() != nullptr; }
bool HasWorld(const F& f) { return f.App().World() != nullptr; }
bool AnyModified(const F& f)
{
    const auto& documents = f.App().Documents();
    return std::any_of(documents.begin(), documents.end(), [](const CAreaDocument* d) { return d->IsModified(); });
}
// An area's commands act on the view CommandView() gives; on the world map,
// that of the selected room's area.
bool HasArea(const F& f) { return f.CommandView() != nullptr; }
bool HasAreaWindow(const F& f) { return f.ActiveView() && !f.WorldMapActive(); }
bool HasSelection(const F& f) { return f.CommandView() && f.CommandView()->Selection() >= 0; }
bool HasMobprogs(const F& f) { return f.CommandView() && CAreaCommands::MobprogsEnabled(f.CommandView()->Document()); }
bool CanUndo(const F& f) { return f.CommandView() && f.CommandView()->Document().Editor().CanUndo(); }
bool CanRedo(const F& f) { return f.CommandView() && f.CommandView()->Document().Editor().CanRedo(); }
bool CanLevelUp(const F& f) { return f.ActiveView() && RoomCommands::CanLevelUp(f.ActiveView()->GetDocument(), f.ActiveView()->ShownLevel()); }
bool CanLevelDown(const F& f) { return f.ActiveView() && RoomCommands::CanLevelDown(f.ActiveView()->GetDocument(), f.ActiveView()->ShownLevel()); }
bool CanZoomIn(const F& f) { return f.ActiveView() && RoomCommands::CanZoomIn(f.ActiveView()->Document().CellSize()); }
bool CanZoomOut(const F& f) { return f.ActiveView() && RoomCommands::CanZoomOut(f.ActiveView()->Document().CellSize()); }

// The map window's area commands, and the window's own.
template <void (CAreaCommands::*Run)()>
void OnArea(F& f)
{
    if (CTolvexView* view = f.CommandView())
        (CAreaCommands(*view).*Run)();
}
template <void (CTolvexView::*Run)()>
void OnView(F& f)
{
    if (CTolvexView* view = f.ActiveView())
        (view->*Run)();
}
template <int Direction>
void OnCreate(F& f)
{
    if (CTolvexView* view = f.CommandView())
        CAreaCommands(*view).RoomsCreate(Direction);
}
void OnDocument(F& f, void (*run)(F&, CAreaDocument&))
{
    if (CTolvexView* view = f.CommandView())
        run(f, view->Document());
}

const std::vector<CCommandEntry> commandTable = {
    { Command::FileNew, "menuFile", WithoutArea, 11, "actionFileNew", "&New", "Ctrl+N", "Creates a new document\nNew", "new", false,
        [](F& f) { f.App().OnFileNew(); }, nullptr, nullptr },
    { Command::FileOpen, "menuFile", WithoutArea, 12, "actionFileOpen", "&Open...", "Ctrl+O; Ctrl+A", "Opens an existing document\nOpen", "open", false,
        [](F& f) { f.App().OnFileOpen(); }, nullptr, nullptr },
    { Command::FileOpenWorld, "menuFile", WithoutArea, 0, "actionFileOpenWorld", "Open &World...", "", "Opens every area of a MUD's area list\nOpen World", nullptr, false,
        [](F& f) { f.App().OnFileOpenWorld(); }, nullptr, nullptr },
    { Command::FileClose, "menuFile", 0, 0, "actionFileClose", "&Close", "", "Closes the active document\nClose", nullptr, false,
        [](F& f) { OnDocument(f, [](F& g, CAreaDocument& d) { g.App().CloseDocument(d); }); }, HasView, nullptr },
    { Command::FileCloseWorld, "menuFile", WithoutArea, 0, "actionFileCloseWorld", "Close Worl&d", "", "Closes every area of the world; prompts to save them\nClose World", nullptr, false,
        [](F& f) { f.App().CloseWorld(); }, HasWorld, nullptr },
    { Command::FileAddAreaToWorld, "menuFile", WithoutArea, 0, "actionFileAddAreaToWorld", "Add Area &to World...", "", "Copies an area file into the world's folder and names it in the world's list\nAdd Area to World", nullptr, false,
        [](F& f) { f.App().AddAreaToWorld(); }, HasWorld, nullptr },
    { Command::FileNewAreaInWorld, "menuFile", WithoutArea, 0, "actionFileNewAreaInWorld", "New Area &in World...", "", "Creates an empty area on a free range of the world\nNew Area in World", nullptr, false,
        [](F& f) { f.App().NewAreaInWorld(); }, HasWorld, nullptr },
    { Command::FileSave, "menuFile", 0, 13, "actionFileSave", "&Save", "Ctrl+S; Ctrl+G", "Saves the active document\nSave", "save", false,
        [](F& f) { OnDocument(f, [](F& g, CAreaDocument& d) { g.App().SaveDocument(d, false); }); }, HasView, nullptr },
    { Command::FileSaveAs, "menuFile", 0, 0, "actionFileSaveAs", "Save &as...", "Ctrl+Shift+S", "Saves the active document with a new name\nSave As...", nullptr, false,
        [](F& f) { OnDocument(f, [](F& g, CAreaDocument& d) { g.App().SaveDocument(d, true); }); }, HasView, nullptr },
    { Command::FileSaveAll, "menuFile", WithoutArea, 0, "actionFileSaveAll", "Save A&ll", "Ctrl+Alt+S", "Saves every modified area\nSave All", nullptr, false,
        [](F& f) { f.App().SaveAll(); }, AnyModified, nullptr },
    { Command::FilePrint, "menuFile", SeparatorBefore, 31, "actionFilePrint", "&Print...", "Ctrl+P; Ctrl+I", "Prints the active document\nPrint", "print", false,
        [](F& f) { if (CTolvexView* v = f.ActiveView()) v->OnFilePrint(f.App().Printer()); }, HasView, nullptr },
    { Command::FilePrintPreview, "menuFile", 0, 0, "actionFilePrintPreview", "Print Pre&view", "", "Shows a print preview on screen\nPrint Preview", nullptr, false,
        [](F& f) { f.OnFilePrintPreview(); }, HasView, nullptr },
    { Command::FilePrintSetup, "menuFile", WithoutArea, 0, "actionFilePrintSetup", "P&rinter Setup", "", "Changes the printing and printer properties\nPrinter Setup", nullptr, false,
        [](F& f) { f.App().OnFilePrintSetup(); }, nullptr, nullptr },
    { Command::FileExit, "menuFile", WithoutArea | AfterRecentFiles, 0, "actionFileExit", "&Exit", "Ctrl+Q", "Quits the aplication; prompts to save documents\nExit", nullptr, false,
        [](F& f) { f.close(); }, nullptr, nullptr },
    { Command::EditUndo, "menuEdit", 0, 0, "actionEditUndo", "&Undo", "Ctrl+Z; Alt+Backspace", "Undoes the last action\nUndo", nullptr, false,
        [](F& f) { OnDocument(f, [](F&, CAreaDocument& d) { d.Editor().Undo(); }); }, CanUndo, nullptr },
    { Command::EditRedo, "menuEdit", 0, 0, "actionEditRedo", "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redoes the last action undone\nRedo", nullptr, false,
        [](F& f) { OnDocument(f, [](F&, CAreaDocument& d) { d.Editor().Redo(); }); }, CanRedo, nullptr },
    { Command::EditCopy, "menuEdit", SeparatorBefore, 21, "actionEditCopy", "&Copy", "Ctrl+C; Ctrl+Ins", "Copies the selected room to the clipboard\nCopy Room", "copy", false,
        OnArea<&CAreaCommands::CopyRoom>, HasSelection, nullptr },
    { Command::EditPaste, "menuEdit", 0, 22, "actionEditPaste", "&Paste", "Ctrl+V; Shift+Ins", "Pastes the room on the clipboard as a new room\nPaste Room", "paste", false,
        OnArea<&CAreaCommands::PasteRoom>, HasArea, nullptr },
    { Command::EditGoToRoom, "menuEdit", SeparatorBefore, 0, "actionEditGoToRoom", "&Go to Room...", "Ctrl+F", "Selects a room by its vnum or by part of its name\nGo to Room", nullptr, false,
        OnView<&CTolvexView::OnGoToRoom>, HasView, nullptr },
    { Command::EditFindInWorld, "menuEdit", WithoutArea, 0, "actionEditFindInWorld", "Find in &World...", "Ctrl+Shift+F", "Finds rooms, objects, mobs and mobprogs across the world by vnum or text\nFind in World", nullptr, false,
        [](F& f) { CFindInWorldDlg::Open(f.App()); }, HasWorld, nullptr },
    { Command::ViewToolbar, "menuView", WithoutArea, 0, "actionViewToolbar", "&Toolbar", "", "Shows or hides the toolbar\nShow/Hide Toolbar", nullptr, true,
        [](F& f) { f.ToolBar()->setVisible(f.ToolBar()->isHidden()); }, nullptr, [](const F& f) { return !f.ToolBar()->isHidden(); } },
    { Command::ViewStatusBar, "menuView", WithoutArea, 0, "actionViewStatusBar", "&Statusbar", "", "Shows or hides the statusbar\nShow/Hide Statusbar", nullptr, true,
        [](F& f) { f.statusBar()->setVisible(f.statusBar()->isHidden()); }, nullptr, [](const F& f) { return !f.statusBar()->isHidden(); } },
    { Command::ViewMapStatusBar, "menuView", 0, 0, "actionViewMapStatusBar", "&Map statusbar", "", "Shows or hides the map statusbar\nShow/Hide Map Stausbar", nullptr, true,
        OnView<&CTolvexView::OnViewMapStatusBar>, HasView, [](const F& f) { return f.ActiveView() && f.ActiveView()->MapStatusBarShown(); } },
    { Command::ViewAllRooms, "menuView", SeparatorBefore, 0, "actionViewAllRooms", "&All Rooms", "", "Also shows the rooms that the first room does not reach\nAll Rooms", nullptr, true,
        [](F& f) { f.App().SetAllRooms(!f.App().AllRooms()); }, nullptr, [](const F& f) { return f.App().AllRooms(); } },
    { Command::ViewWorldMap, "menuView", WithoutArea, 0, "actionViewWorldMap", "Worl&d Map", "", "Shows the rooms of every area of the world as one map\nWorld Map", nullptr, false,
        [](F& f) { f.App().ShowWorldMap(); }, HasWorld, nullptr },
    { Command::AreaGeneral, "menuArea", 0, 0, "actionAreaGeneral", "&General information", "", "Displays the general information of the area\nGeneral Information", nullptr, false,
        OnArea<&CAreaCommands::AreaGeneral>, HasArea, nullptr },
    { Command::AreaKeepLayout, "menuArea", SeparatorBefore, 0, "actionAreaKeepLayout", "Keep Text &Layout", "", "Saves the descriptions you edit with their own line breaks instead of re-wrapping them\nKeep Text Layout", nullptr, true,
        [](F& f) { OnDocument(f, [](F& g, CAreaDocument& d) { g.App().SetKeepTextLayout(d, !d.KeepTextLayout()); }); }, HasArea,
        [](const F& f) { return f.CommandView() && f.CommandView()->Document().KeepTextLayout(); } },
    { Command::AreaRewrapAll, "menuArea", 0, 0, "actionAreaRewrapAll", "&Re-wrap All Texts", "", "Wraps every description of the area at 76 columns, one blank between words\nRe-wrap All Texts", nullptr, false,
        [](F& f) { OnDocument(f, [](F& g, CAreaDocument& d) { if (!d.Editor().RewrapAllTexts()) g.statusBar()->showMessage(QStringLiteral("Every description is already wrapped."), 5000); }); }, HasArea, nullptr },
    { Command::AreaRenumber, "menuArea", SeparatorBefore, 0, "actionAreaRenumber", "Ren&umber Area...", "", "Moves the area and every reference to it to another vnum range\nRenumber Area", nullptr, false,
        [](F& f) { if (CTolvexView* v = f.CommandView()) f.App().RenumberArea(v->Document()); }, HasArea, nullptr },
    { Command::RoomsList, "menuRooms", 0, 61, "actionRoomsList", "&List", "", "Displays a list of the rooms in the area\nRoom List", "room-list", false,
        OnArea<&CAreaCommands::RoomsList>, HasArea, nullptr },
    { Command::RoomsEdit, "menuRooms", 0, 0, "actionRoomsEdit", "&Edit", "", "Displays the edit dialog of the selected room\nEdit Room", nullptr, false,
        OnArea<&CAreaCommands::RoomsEdit>, HasSelection, nullptr },
    { Command::RoomsNew, "menuRooms", 0, 0, "actionRoomsNew", "&New", "Ins", "Creates a new room\nNew Room", nullptr, false,
        OnArea<&CAreaCommands::RoomsNew>, HasArea, nullptr },
    { Command::RoomsDelete, "menuRooms", 0, 0, "actionRoomsDelete", "&Delete", "Del", "Deletes the selected room\nDelete Room", nullptr, false,
        OnArea<&CAreaCommands::RoomsDelete>, HasSelection, nullptr },
    { Command::RoomsCreateNorth, "menuRooms", SeparatorBefore, 51, "actionRoomsCreateNorth", "Create North", "Ctrl+Up", "Creates a room to the north of the selected room\nCreate Room North", "create-north", false,
        OnCreate<DirNorth>, HasSelection, nullptr },
    { Command::RoomsCreateSouth, "menuRooms", 0, 52, "actionRoomsCreateSouth", "Create South", "Ctrl+Down", "Creates a room to the south of the selected room\nCreate Room South", "create-south", false,
        OnCreate<DirSouth>, HasSelection, nullptr },
    { Command::RoomsCreateEast, "menuRooms", 0, 53, "actionRoomsCreateEast", "Create East", "Ctrl+Right", "Creates a room to the east of the selected room\nCreate Room East", "create-east", false,
        OnCreate<DirEast>, HasSelection, nullptr },
    { Command::RoomsCreateWest, "menuRooms", 0, 54, "actionRoomsCreateWest", "Create West", "Ctrl+Left", "Creates a room to the west of the selected room\nCreate Room West", "create-west", false,
        OnCreate<DirWest>, HasSelection, nullptr },
    { Command::RoomsCreateUp, "menuRooms", 0, 55, "actionRoomsCreateUp", "Create Up", "Ctrl+PgUp", "Creates a room above the selected room\nCreate Room Up", "create-up", false,
        OnCreate<DirUp>, HasSelection, nullptr },
    { Command::RoomsCreateDown, "menuRooms", 0, 56, "actionRoomsCreateDown", "Create Down", "Ctrl+PgDown", "Creates a room below the selected room\nCreate Room Down", "create-down", false,
        OnCreate<DirDown>, HasSelection, nullptr },
    { Command::ObjectsList, "menuObjects", 0, 62, "actionObjectsList", "&List", "", "Displays a list of the objects in the area\nObject List", "object-list", false,
        OnArea<&CAreaCommands::ObjectsList>, HasArea, nullptr },
    { Command::MobsList, "menuMobs", 0, 63, "actionMobsList", "&List", "", "Displays a list of the mobs in the area\nMob List", "mob-list", false,
        OnArea<&CAreaCommands::MobsList>, HasArea, nullptr },
    { Command::MobsMobprogs, "menuMobs", 0, 64, "actionMobsMobprogs", "&Mobprogs", "", "Displays a list of the Mobprogs in the area\nMobprog List", "mobprog-list", false,
        OnArea<&CAreaCommands::MobprogsList>, HasMobprogs, nullptr },
    { Command::MapLevelUp, "menuMap", 0, 41, "actionMapLevelUp", "Level &Up", "", "Displays the upper level\nLevel Up", "level-up", false,
        OnView<&CTolvexView::OnMapLevelUp>, CanLevelUp, nullptr },
    { Command::MapLevelDown, "menuMap", 0, 42, "actionMapLevelDown", "Level &Down", "", "Displays the lower level\nLevel Down", "level-down", false,
        OnView<&CTolvexView::OnMapLevelDown>, CanLevelDown, nullptr },
    { Command::MapZoomIn, "menuMap", SeparatorBefore, 43, "actionMapZoomIn", "Zoom &In", "Ctrl++; Ctrl+=", "Zooms in the map\nZoom in", "zoom-in", false,
        OnView<&CTolvexView::OnMapZoomIn>, CanZoomIn, nullptr },
    { Command::MapZoomOut, "menuMap", 0, 44, "actionMapZoomOut", "Zoom &Out", "Ctrl+-", "Zooms out the map\nZoom out", "zoom-out", false,
        OnView<&CTolvexView::OnMapZoomOut>, CanZoomOut, nullptr },
    { Command::MapWalk, "menuMap", SeparatorBefore, 0, "actionMapWalk", "&Walk as a Player", "Ctrl+L", "Shows the selected room as a player sees it, with a command line to walk on\nWalk as a Player", nullptr, false,
        [](F& f) { f.OnMapWalk(); }, HasView, nullptr },
    { Command::WindowNew, "menuWindow", 0, 0, "actionWindowNew", "&New Window", "", "Opens a new window for the active document\nNew Window", nullptr, false,
        [](F& f) { f.OnWindowNew(); }, HasAreaWindow, nullptr },
    { Command::WindowCascade, "menuWindow", 0, 0, "actionWindowCascade", "&Cascade", "", "Arranges the windows as overlapping tiles\nCascade", nullptr, false,
        [](F& f) { f.MdiArea()->cascadeSubWindows(); }, HasView, nullptr },
    { Command::WindowTile, "menuWindow", 0, 0, "actionWindowTile", "&Mosaic", "", "Arranges the windows as horizontal, nonoverlapping tiles\nTile Horizontally", nullptr, false,
        [](F& f) { f.OnWindowTile(); }, HasView, nullptr },
    { Command::WindowArrange, "menuWindow", 0, 0, "actionWindowArrange", "&Organize Icons", "", "Organiza los iconos en la parte inferior de la ventana\nOrganizar iconos", nullptr, false,
        [](F& f) { f.OnWindowArrange(); }, HasView, nullptr },
    { Command::WindowNext, "menuWindow", SeparatorBefore, 0, "actionWindowNext", "Ne&xt Window", "Ctrl+Tab", "Activates the next map window\nNext Window", nullptr, false,
        [](F& f) { f.MdiArea()->activateNextSubWindow(); }, HasView, nullptr },
    { Command::WindowPrevious, "menuWindow", 0, 0, "actionWindowPrevious", "Pre&vious Window", "Ctrl+Shift+Tab; Ctrl+Shift+Backtab", "Activates the previous map window\nPrevious Window", nullptr, false,
        [](F& f) { f.MdiArea()->activatePreviousSubWindow(); }, HasView, nullptr },
    { Command::HelpGuide, "menuHelp", WithoutArea, 0, "actionHelpGuide", "&User Guide", "F1", "Opens the user guide\nUser Guide", nullptr, false,
        [](F& f) { OpenUserGuide(&f); }, nullptr, nullptr },
    { Command::HelpShortcuts, "menuHelp", WithoutArea, 0, "actionHelpShortcuts", "&Keyboard Shortcuts", "", "Lists the keys of the commands\nKeyboard Shortcuts", nullptr, false,
        [](F& f) { ShowKeyboardShortcuts(&f); }, nullptr, nullptr },
    { Command::AppAbout, "menuHelp", WithoutArea | SeparatorBefore, 32, "actionAppAbout", "&About Tolvex...", "", "Displays the program information and copyright\nAbout Tolvex...", "about", false,
        [](F& f) { f.App().OnAppAbout(); }, nullptr, nullptr },
    { Command::AppAboutQt, "menuHelp", WithoutArea, 0, "actionAppAboutQt", "About &Qt", "", "Displays the version and licence of Qt\nAbout Qt", nullptr, false,
        [](F& f) { QMessageBox::aboutQt(&f); }, nullptr, nullptr },
};
// clang-format on

const std::vector<CMenuEntry> menuTable = {
    { "menuFile", "&File" },
    { "menuEdit", "&Edit" },
    { "menuView", "&View" },
    { "menuArea", "&Area" },
    { "menuRooms", "&Rooms" },
    { "menuObjects", "&Objects" },
    { "menuMobs", "&Mobs" },
    { "menuMap", "Ma&p" },
    { "menuWindow", "&Window" },
    { "menuHelp", "&Help" },
};

} // namespace

const std::vector<CCommandEntry>& CommandTable()
{
    return commandTable;
}

const std::vector<CMenuEntry>& MenuTable()
{
    return menuTable;
}

QAction* CreateCommandAction(const CCommandEntry& entry, QObject* parent)
{
    auto* action = new QAction(QString::fromLatin1(entry.text), parent);
    action->setObjectName(QString::fromLatin1(entry.objectName));
    if (entry.keys[0] != '\0') {
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(entry.keys)));
    }
    const char* newline = std::strchr(entry.prompt, '\n');
    if (newline) {
        action->setStatusTip(QString::fromLatin1(entry.prompt, newline - entry.prompt));
        action->setToolTip(QString::fromLatin1(newline + 1));
    } else {
        action->setStatusTip(QString::fromLatin1(entry.prompt));
    }
    if (entry.icon) {
        EnsureAppResources();
        const QString path = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(entry.icon));
        if (QFile::exists(path))
            action->setIcon(QIcon(path));
    }
    action->setCheckable(entry.checkable);
    return action;
}
