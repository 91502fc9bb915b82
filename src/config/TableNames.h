#pragma once

#include "config/ConfigTables.h"

// The 32 tables in their fixed order, by their section names, for listings.
struct CPlainTableRef {
    const char* name;
    CEntryTable<CTableEntry> CConfigTables::*table; // nullptr for the three tables of their own shape
};

constexpr int TableOrderCount = 32;
const CPlainTableRef* TableOrder(); // TableOrderCount entries
int TableCount(const CConfigTables& tables, int index);
