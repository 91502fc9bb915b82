#pragma once

#include "ConfigTables.h"

// The 32 tables in their fixed order, by their section names, for listings.
struct CPlainTableRef {
    const char* name;
    CEntryTable<CTableEntry> CConfigTables::*table; // nullptr for the three tables of their own shape
};

const CPlainTableRef* TableOrder(); // 32 entries
int TableCount(const CConfigTables& tables, int index);
