#pragma once

#include "app/Commands.h"

#include <vector>

class CMainFrame;
class QAction;
class QObject;

// What a command does in the main window, and when it can.
using CommandRun = void (*)(CMainFrame&);
using CommandTest = bool (*)(const CMainFrame&);

// Where a command's item goes besides its menu.
enum CommandPlacement : unsigned {
    // Also in the menus shown while no map window is open.
    WithoutArea = 1,
    // A separator above the item (carried to the next item where it is not shown).
    SeparatorBefore = 2,
    // The recent files come above the item, between separators.
    AfterRecentFiles = 4,
};

// A command: where it shows, its menu text, keys, prompt and toolbar icon,
// what it does, when it is enabled (always, when null) and when its item is
// checked. The table's order is the order of the items in each menu.
struct CCommandEntry {
    Command id;
    // The object name of the menu that holds the item.
    const char* menu;
    unsigned placement;
    // Its place on the toolbar: the tens the group, the units the order; 0 for none.
    int toolbarSlot;
    const char* objectName;
    // Menu text with & for the mnemonic; the shortcut is shown by the menu itself.
    const char* text;
    // Portable key names separated by "; ", the first one shown in the menu.
    const char* keys;
    // The status-bar prompt, then "\n" and the tooltip.
    const char* prompt;
    // Icon file name in the resources (without extension), or nullptr.
    const char* icon;
    bool checkable;
    CommandRun run;
    CommandTest enabled;
    CommandTest checked;
};

const std::vector<CCommandEntry>& CommandTable();

// The menu bar's menus, left to right.
struct CMenuEntry {
    const char* objectName;
    const char* title;
};
const std::vector<CMenuEntry>& MenuTable();

// A new action for the command, owned by `parent`. A missing icon only
// leaves the button with its text.
QAction* CreateCommandAction(const CCommandEntry& entry, QObject* parent);
