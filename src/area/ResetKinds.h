#pragma once

#include "area/CResetData.h"

#include <array>

// What the game, the resets section and the editors know about each kind of
// reset, with the name the reset editor lists it by.
struct CResetKind {
    char letter;
    const char* name;
    int fileArguments; // numbers after the 0 that every reset line starts with
    int roomArgument; // 1 or 3: the argument that names the room; 0: the room of the reset before
    bool counted; // arg2 is the most and arg4 the fewest the game keeps
};

const std::array<CResetKind, 7>& ResetKinds();
// The kind of a reset letter, or nullptr for a letter the game does not know.
const CResetKind* FindResetKind(char letter);
// How many arguments the file carries for a command, after the 0 that every
// reset line starts with; 0 for a command the game does not know.
int FileArgumentCount(char command);
// Whether a reset of this letter names its room (M, O, D, R).
bool NamesItsRoom(char letter);
// The argument of `reset` that names its room, or nullptr when it names none.
const int* RoomArgument(const CResetData& reset);
int* RoomArgument(CResetData& reset);
