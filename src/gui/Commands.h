#pragma once

// The commands of the menus, toolbar and keys. The main frame owns one action
// per command; the active map view decides what its commands do.
enum class Command {
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FilePrint,
    FilePrintPreview,
    FilePrintSetup,
    FileExit,
    EditUndo,
    EditRedo,
    EditGoToRoom,
    EditCut,
    EditCopy,
    EditPaste,
    ViewToolbar,
    ViewStatusBar,
    ViewMapStatusBar,
    ViewAllRooms,
    AreaGeneral,
    AreaKeepLayout,
    AreaRewrapAll,
    RoomsList,
    RoomsEdit,
    RoomsNew,
    RoomsDelete,
    RoomsCreateNorth,
    RoomsCreateSouth,
    RoomsCreateEast,
    RoomsCreateWest,
    RoomsCreateUp,
    RoomsCreateDown,
    ObjectsList,
    MobsList,
    MobsMobprogs,
    MapLevelUp,
    MapLevelDown,
    MapZoomIn,
    MapZoomOut,
    WindowNew,
    WindowCascade,
    WindowTile,
    WindowArrange,
    AppAbout,
    NextPane,
    PrevPane,
    Count
};

// Commands that the active map view carries out (or, for those it does not
// carry out yet, keeps disabled).
bool IsViewCommand(Command c);
