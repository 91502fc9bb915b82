#pragma once

#include "area/CObjData.h"

#include <string>
#include <vector>

class CTolvexDoc;

// The stops of an object's route as the Train Edit dialog changes them: in
// route order, with the stop chosen (-1 none).
class CTrainEditState {
public:
    explicit CTrainEditState(const std::vector<CTrainStop>& stops);

    std::vector<CTrainStop> stops;
    int chosen = -1;

    CTrainStop* Chosen();
    void Choose(int index);

    // Each leaves chosen the stop it made, moved or put in the deleted one's place.
    void New();
    void Insert();
    void Delete();
    void MoveUp();
    void MoveDown();

    bool CanMoveUp() const { return chosen > 0; }
    bool CanMoveDown() const { return chosen >= 0 && chosen + 1 < static_cast<int>(stops.size()); }

    // The stop's line: its place, its room and that room's name in the area.
    std::string Line(const CTolvexDoc& doc, int index) const;
};
