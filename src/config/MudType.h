#pragma once

#include <array>
#include <string>

// The dialect an area file is written in, as MUDTYPE in tolvex.cfg names it.
enum class MudType {
    Quendar = 1,
    RomDefault = 2,
    RomOlc = 3,
};

struct CMudTypeName {
    MudType type;
    const char* name; // upper case, as tolvex.cfg and `tolvex-cli config` write it
};

const std::array<CMudTypeName, 3>& MudTypeNames();
const char* MudTypeName(MudType type);
// The dialect named `name` (upper case); false when no dialect has that name.
bool FindMudType(const std::string& name, MudType& type);
