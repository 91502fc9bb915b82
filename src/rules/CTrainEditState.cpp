#include "rules/CTrainEditState.h"

#include "area/CTolvexDoc.h"
#include "text/TextWriter.h"

#include <utility>

CTrainEditState::CTrainEditState(const std::vector<CTrainStop>& original)
    : stops(original)
    , chosen(original.empty() ? -1 : 0)
{
}

CTrainStop* CTrainEditState::Chosen()
{
    return chosen >= 0 && chosen < static_cast<int>(stops.size()) ? &stops[static_cast<size_t>(chosen)] : nullptr;
}

void CTrainEditState::Choose(int index)
{
    chosen = index >= 0 && index < static_cast<int>(stops.size()) ? index : -1;
}

void CTrainEditState::New()
{
    stops.emplace_back();
    chosen = static_cast<int>(stops.size()) - 1;
}

void CTrainEditState::Insert()
{
    if (Chosen())
        stops.insert(stops.begin() + chosen, CTrainStop());
}

void CTrainEditState::Delete()
{
    if (!Chosen())
        return;
    stops.erase(stops.begin() + chosen);
    // The stop that moved into the place, or the one before a deleted last.
    if (chosen >= static_cast<int>(stops.size()))
        chosen = static_cast<int>(stops.size()) - 1;
}

void CTrainEditState::MoveUp()
{
    if (CanMoveUp()) {
        std::swap(stops[static_cast<size_t>(chosen)], stops[static_cast<size_t>(chosen - 1)]);
        --chosen;
    }
}

void CTrainEditState::MoveDown()
{
    if (CanMoveDown()) {
        std::swap(stops[static_cast<size_t>(chosen)], stops[static_cast<size_t>(chosen + 1)]);
        ++chosen;
    }
}

std::string CTrainEditState::Line(const CTolvexDoc& doc, int index) const
{
    const CTrainStop& stop = stops[static_cast<size_t>(index)];
    const int room = doc.FindRoomIndex(stop.room);
    const std::string name = room >= 0 ? doc.rooms[static_cast<size_t>(room)].name : std::string();
    return Format("%d\t%d %s", { index, stop.room, name });
}
