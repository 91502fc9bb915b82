#include "config/MudType.h"

const std::array<CMudTypeName, 3>& MudTypeNames()
{
    static const std::array<CMudTypeName, 3> names = { {
        { MudType::Quendar, "QUENDAR" },
        { MudType::RomDefault, "ROMDEFAULT" },
        { MudType::RomOlc, "ROMOLC" },
    } };
    return names;
}

const char* MudTypeName(MudType type)
{
    for (const CMudTypeName& entry : MudTypeNames())
        if (entry.type == type)
            return entry.name;
    return MudTypeNames()[0].name;
}

bool FindMudType(const std::string& name, MudType& type)
{
    for (const CMudTypeName& entry : MudTypeNames()) {
        if (name == entry.name) {
            type = entry.type;
            return true;
        }
    }
    return false;
}
