#pragma once

#include "gui/Commands.h"

#include <vector>

class QAction;
class QObject;

// What a command looks like: its menu text, keys, prompt and toolbar icon.
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
};

const std::vector<CCommandEntry>& CommandTable();

// A new action for the command, owned by `parent`. A missing icon only
// leaves the button with its text.
QAction* CreateCommandAction(const CCommandEntry& entry, QObject* parent);
