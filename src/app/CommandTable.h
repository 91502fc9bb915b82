#pragma once

#include "gui/Commands.h"

#include <vector>

class CMainFrame;
class QAction;
class QObject;

// What a command does in the main window, and when it can.
using CommandRun = void (*)(CMainFrame&);
using CommandTest = bool (*)(const CMainFrame&);

// A command: its menu text, keys, prompt and toolbar icon, what it does, when
// it is enabled (always, when null) and when its item is checked.
struct CCommandEntry {
    Command id;
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

// A new action for the command, owned by `parent`. A missing icon only
// leaves the button with its text.
QAction* CreateCommandAction(const CCommandEntry& entry, QObject* parent);
