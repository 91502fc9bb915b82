#pragma once

#include "config/ConfigTables.h"

#include <array>

// How a table's entries are written in tolvex.cfg after their names.
enum class TableKind {
    Letters, // a flag letter
    Numbers,
    Texts, // one word
    // The three tables of their own shape.
    ObjTypes,
    Races,
    SectorColors,
};

// One of the 32 tables: its section name in tolvex.cfg, its kind and, for the
// plain name lists, where it is kept.
struct CTableDescriptor {
    const char* name;
    TableKind kind;
    CEntryTable<CTableEntry> CConfigTables::*table; // nullptr for the three of their own shape
};

constexpr int ConfigTableCount = 32;
// The tables in their fixed order, the one `tolvex-cli config` lists them in.
const std::array<CTableDescriptor, ConfigTableCount>& ConfigTableList();
int TableCount(const CConfigTables& tables, const CTableDescriptor& table);
