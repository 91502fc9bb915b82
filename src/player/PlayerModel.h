#pragma once

#include "world/WorldCheck.h"

#include <memory>
#include <string>
#include <vector>

class CConfigTables;

// The world as a level-1 mortal finds it after the server's boot resets:
// where the mobs and objects are, which doors are closed, and what the
// server prints for look, exits, moving, open and close. It copies what it
// needs and never changes the areas.
class CPlayerModel {
public:
    // Boots the areas, in list order, as the server does.
    CPlayerModel(const CConfigTables& tables, const std::vector<CWorldArea>& areas);
    ~CPlayerModel();
    CPlayerModel(const CPlayerModel&) = delete;
    CPlayerModel& operator=(const CPlayerModel&) = delete;

    // Applies the boot resets again to a fresh model; the player stays.
    void Reset();

    bool HasRoom(int vnum) const;
    // The room the player stands in; 0 before one is set.
    int Room() const;
    // Puts the player in a room without printing; false when no area has it.
    bool SetRoom(int vnum);

    // What `look` prints in the player's room.
    std::string Look() const;
    // Runs one command line (look [KEYWORD], exits, a direction, open DIR,
    // close DIR) and returns what the server prints; moving changes Room().
    std::string Command(const std::string& line);

    // What the model could not know for sure (a G or E past its limit that
    // the server loads one time in five, a sneaking mob seen only at times),
    // one line each, since the last boot.
    std::vector<std::string> Notes() const;
    // The notes about one room, in the same words.
    std::vector<std::string> RoomNotes(int vnum) const;

private:
    // The notes of one room, or of all with 0.
    std::vector<std::string> NoteLines(int vnum) const;

    struct CState;
    std::unique_ptr<CState> state;
};
