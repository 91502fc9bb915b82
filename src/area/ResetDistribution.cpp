#include "area/CTolvexDoc.h"

#include "area/ReadHelpers.h"
#include "area/ResetKinds.h"
#include "text/TextWriter.h"

void CTolvexDoc::DistributeResets(IDiagnostics* diagnostics)
{
    // The room of each reset first, so that every room's list is given the
    // size it ends up with.
    std::vector<int> roomOfReset(resets.size(), -1);
    std::vector<size_t> perRoom(rooms.size(), 0);
    size_t strays = 0;
    int roomIndex = -1; // no room before the first reset that names one
    for (size_t i = 0; i < resets.size(); ++i) {
        if (NamesItsRoom(resets[i].command))
            roomIndex = FindRoomIndex(*RoomArgument(resets[i]));
        roomOfReset[i] = roomIndex;
        if (roomIndex >= 0)
            ++perRoom[static_cast<size_t>(roomIndex)];
        else if (FileArgumentCount(resets[i].command) > 0)
            ++strays;
    }
    for (size_t r = 0; r < rooms.size(); ++r) {
        std::vector<CResetData>& list = rooms[r].resets;
        list.clear();
        if (list.capacity() != perRoom[r]) {
            std::vector<CResetData> sized;
            sized.reserve(perRoom[r]);
            list.swap(sized);
        }
    }
    strayResets.clear();
    strayResets.reserve(strays);
    int firstStrayLine = 0;
    for (size_t i = 0; i < resets.size(); ++i) {
        const CResetData& reset = resets[i];
        if (roomOfReset[i] >= 0) {
            rooms[static_cast<size_t>(roomOfReset[i])].resets.push_back(reset);
        } else if (FileArgumentCount(reset.command) > 0) {
            // Such a reset names a room of another area, where the game
            // still runs it: keep it.
            if (strayResets.empty())
                firstStrayLine = reset.line;
            strayResets.push_back(reset);
        }
    }
    FitToSize(strayResets);
    if (diagnostics && !strayResets.empty()) {
        const int count = static_cast<int>(strayResets.size());
        const std::string where = firstStrayLine > 0 ? Format(" (the first at line %d)", { firstStrayLine }) : std::string();
        Warn(*diagnostics, firstStrayLine,
            Format("Resets that reach no room of this area: %d%s. They are kept and saved with the area's own.", { count, where }));
    }
}

std::vector<CResetData> CTolvexDoc::RoomResets() const
{
    std::vector<CResetData> list;
    for (const CRoomData& room : rooms) {
        for (const CResetData& roomReset : room.resets) {
            CResetData reset = roomReset;
            if (int* roomArgument = RoomArgument(reset))
                *roomArgument = room.vnum;
            list.push_back(reset);
        }
    }
    return list;
}
