#include "area/ResetKinds.h"

const std::array<CResetKind, 7>& ResetKinds()
{
    static const std::array<CResetKind, 7> kinds = { {
        { 'M', "Mob to room", 4, 3, true },
        { 'O', "Object to room", 3, 3, false },
        { 'P', "Object in object", 4, 0, true },
        { 'G', "Object to mob", 2, 0, true },
        { 'E', "Equipt mob", 3, 0, true },
        { 'D', "Status Door", 3, 1, false },
        { 'R', "Randomize Exits", 2, 1, false },
    } };
    return kinds;
}

const CResetKind* FindResetKind(char letter)
{
    for (const CResetKind& kind : ResetKinds())
        if (kind.letter == letter)
            return &kind;
    return nullptr;
}

int FileArgumentCount(char command)
{
    const CResetKind* kind = FindResetKind(command);
    return kind ? kind->fileArguments : 0;
}

bool NamesItsRoom(char letter)
{
    const CResetKind* kind = FindResetKind(letter);
    return kind && kind->roomArgument != 0;
}

const int* RoomArgument(const CResetData& reset)
{
    const CResetKind* kind = FindResetKind(reset.command);
    if (!kind || kind->roomArgument == 0)
        return nullptr;
    return kind->roomArgument == 1 ? &reset.arg1 : &reset.arg3;
}

int* RoomArgument(CResetData& reset)
{
    return const_cast<int*>(RoomArgument(static_cast<const CResetData&>(reset)));
}
