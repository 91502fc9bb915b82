#include "area/CTolvexDoc.h"

#include "area/ReadHelpers.h"
#include "area/ResetKinds.h"
#include "text/TextWriter.h"

void CTolvexDoc::DistributeResets(IDiagnostics* diagnostics)
{
    for (CRoomData& room : rooms)
        room.resets.clear();
    strayResets.clear();
    int roomIndex = -1; // no room before the first reset that names one
    int firstStrayLine = 0;
    for (const CResetData& reset : resets) {
        if (NamesItsRoom(reset.command))
            roomIndex = FindRoomIndex(*RoomArgument(reset));
        if (roomIndex >= 0) {
            rooms[static_cast<size_t>(roomIndex)].resets.push_back(reset);
        } else if (FileArgumentCount(reset.command) > 0) {
            // Such a reset names a room of another area, where the game
            // still runs it: keep it.
            if (strayResets.empty())
                firstStrayLine = reset.line;
            strayResets.push_back(reset);
        }
    }
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
