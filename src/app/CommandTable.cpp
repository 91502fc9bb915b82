#include "app/CommandTable.h"

#include "app/AppResources.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QKeySequence>

#include <cstring>

namespace {

// clang-format off
const std::vector<CCommandEntry> commandTable = {
    { Command::FileNew, "actionFileNew", "&New", "Ctrl+N", "Creates a new document\nNew", "new", false },
    { Command::FileOpen, "actionFileOpen", "&Open...", "Ctrl+O; Ctrl+A", "Opens an existing document\nOpen", "open", false },
    { Command::FileClose, "actionFileClose", "&Close", "", "Closes the active document\nClose", nullptr, false },
    { Command::FileSave, "actionFileSave", "&Save", "Ctrl+S; Ctrl+G", "Saves the active document\nSave", "save", false },
    { Command::FileSaveAs, "actionFileSaveAs", "Save &as...", "", "Saves the active document with a new name\nSave As...", nullptr, false },
    { Command::FilePrint, "actionFilePrint", "&Print...", "Ctrl+P; Ctrl+I", "Prints the active document\nPrint", "print", false },
    { Command::FilePrintPreview, "actionFilePrintPreview", "Print Pre&view", "", "Shows a print preview on screen\nPrint Preview", nullptr, false },
    { Command::FilePrintSetup, "actionFilePrintSetup", "Printer S&etup", "", "Changes the printing and printer properties\nPrinter Setup", nullptr, false },
    { Command::FileExit, "actionFileExit", "&Exit", "Ctrl+Q", "Quits the aplication; prompts to save documents\nExit", nullptr, false },
    { Command::EditUndo, "actionEditUndo", "&Undo", "Ctrl+Z; Alt+Backspace", "Undoes the last action\nUndo", nullptr, false },
    { Command::EditRedo, "actionEditRedo", "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redoes the last action undone\nRedo", nullptr, false },
    { Command::EditGoToRoom, "actionEditGoToRoom", "&Go to Room...", "Ctrl+F", "Selects a room by its vnum or by part of its name\nGo to Room", nullptr, false },
    { Command::EditCut, "actionEditCut", "C&ut", "Ctrl+X; Shift+Del", "Cuts the selection to the clipboard\nCut", "cut", false },
    { Command::EditCopy, "actionEditCopy", "&Copy", "Ctrl+C; Ctrl+Ins", "Copies the selection to the clipboard\nCopy", "copy", false },
    { Command::EditPaste, "actionEditPaste", "&Paste", "Ctrl+V; Shift+Ins", "Pastes the contents of the clipboard\nPaste", "paste", false },
    { Command::ViewToolbar, "actionViewToolbar", "&Toolbar", "", "Shows or hides the toolbar\nShow/Hide Toolbar", nullptr, true },
    { Command::ViewStatusBar, "actionViewStatusBar", "&Statusbar", "", "Shows or hides the statusbar\nShow/Hide Statusbar", nullptr, true },
    { Command::ViewMapStatusBar, "actionViewMapStatusBar", "&Map statusbar", "", "Shows or hides the map statusbar\nShow/Hide Map Stausbar", nullptr, true },
    { Command::ViewAllRooms, "actionViewAllRooms", "&All Rooms", "", "Also shows the rooms that the first room does not reach\nAll Rooms", nullptr, true },
    { Command::AreaGeneral, "actionAreaGeneral", "&General information", "", "Displays the general information of the area\nGeneral Information", nullptr, false },
    { Command::AreaKeepLayout, "actionAreaKeepLayout", "Keep Text &Layout", "", "Saves the descriptions you edit with their own line breaks instead of re-wrapping them\nKeep Text Layout", nullptr, true },
    { Command::AreaRewrapAll, "actionAreaRewrapAll", "&Re-wrap All Texts", "", "Wraps every description of the area at 76 columns, one blank between words\nRe-wrap All Texts", nullptr, false },
    { Command::RoomsList, "actionRoomsList", "&List", "", "Displays a list of the rooms in the area\nRoom List", "room-list", false },
    { Command::RoomsEdit, "actionRoomsEdit", "&Edit", "", "Displays the edit dialog of the selected room\nEdit Room", nullptr, false },
    { Command::RoomsNew, "actionRoomsNew", "&New", "Ins", "Creates a new room\nNew Room", nullptr, false },
    { Command::RoomsDelete, "actionRoomsDelete", "&Delete", "Del", "Deletes the selected room\nDelete Room", nullptr, false },
    { Command::RoomsCreateNorth, "actionRoomsCreateNorth", "Create North", "Ctrl+Up", "Creates a room to the north of the selected room\nCreate Room North", "create-north", false },
    { Command::RoomsCreateSouth, "actionRoomsCreateSouth", "Create South", "Ctrl+Down", "Creates a room to the south of the selected room\nCreate Room South", "create-south", false },
    { Command::RoomsCreateEast, "actionRoomsCreateEast", "Create East", "Ctrl+Right", "Creates a room to the east of the selected room\nCreate Room East", "create-east", false },
    { Command::RoomsCreateWest, "actionRoomsCreateWest", "Create West", "Ctrl+Left", "Creates a room to the west of the selected room\nCreate Room West", "create-west", false },
    { Command::RoomsCreateUp, "actionRoomsCreateUp", "Create Up", "Ctrl+PgUp", "Creates a room above the selected room\nCreate Room Up", "create-up", false },
    { Command::RoomsCreateDown, "actionRoomsCreateDown", "Create Down", "Ctrl+PgDown", "Creates a room below the selected room\nCreate Room Down", "create-down", false },
    { Command::ObjectsList, "actionObjectsList", "&List", "", "Displays a list of the objects in the area\nObject List", "object-list", false },
    { Command::MobsList, "actionMobsList", "&List", "", "Displays a list of the mobs in the area\nMob List", "mob-list", false },
    { Command::MobsMobprogs, "actionMobsMobprogs", "&Mobprogs", "", "Displays a list of the Mobprogs in the area\nMobprog List", "mobprog-list", false },
    { Command::MapLevelUp, "actionMapLevelUp", "Level &Up", "", "Displays the upper level\nLevel Up", "level-up", false },
    { Command::MapLevelDown, "actionMapLevelDown", "Level &Down", "", "Displays the lower level\nLevel Down", "level-down", false },
    { Command::MapZoomIn, "actionMapZoomIn", "Zoom &In", "Ctrl++; Ctrl+=", "Zooms in the map\nZoom in", "zoom-in", false },
    { Command::MapZoomOut, "actionMapZoomOut", "Zoom &Out", "Ctrl+-", "Zooms out the map\nZoom out", "zoom-out", false },
    { Command::WindowNew, "actionWindowNew", "&New Window", "", "Opens a new window for the active document\nNew Window", nullptr, false },
    { Command::WindowCascade, "actionWindowCascade", "&Cascade", "", "Arranges the windows as overlapping tiles\nCascade", nullptr, false },
    { Command::WindowTile, "actionWindowTile", "&Mosaic", "", "Arranges the windows as horizontal, nonoverlapping tiles\nTile Horizontally", nullptr, false },
    { Command::WindowArrange, "actionWindowArrange", "&Organize Icons", "", "Organiza los iconos en la parte inferior de la ventana\nOrganizar iconos", nullptr, false },
    { Command::AppAbout, "actionAppAbout", "&About Tolvex...", "", "Displays the program information and copyright\nAbout Tolvex...", "about", false },
    { Command::NextPane, "actionNextPane", "Next Pane", "F6", "Changes to the next window section\nNext Pane", nullptr, false },
    { Command::PrevPane, "actionPrevPane", "Previous Pane", "Shift+F6", "Changes to the previous window section\nPrevious Pane", nullptr, false },
};
// clang-format on

} // namespace

const std::vector<CCommandEntry>& CommandTable()
{
    return commandTable;
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
