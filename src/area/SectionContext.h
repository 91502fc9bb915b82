#pragma once

#include "area/CTolvexDoc.h"
#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <ostream>
#include <string>

// What the document shares with its section readers and writers.

// Descriptions whose own layout re-wrapping every text would lose, over one load.
struct CLayoutNotes {
    int count = 0;
    std::string firstRecord; // "room 2300"
    int firstLine = 0;
};

// What a section reader works with.
struct CReadContext {
    CTolvexDoc& doc;
    CTextReader& in;
    IDiagnostics& diagnostics;
    CConfigTables& tables;
    CLayoutNotes layout {};
    // The notes are told only before re-wrapping every text; looking for
    // layouts in every description would slow each load for nothing.
    bool noteLayout = false;
};

// What a section writer works with.
struct CWriteContext {
    const CTolvexDoc& doc;
    CTextOut& out;
    IDiagnostics& diagnostics;
    const CConfigTables& tables;
    CSaveOptions options;
    std::string fileName {}; // of the document's path, for the #AREA header
};

// The header that a save in the dialect writes.
AreaHeader HeaderOfDialect(MudType mudType);
