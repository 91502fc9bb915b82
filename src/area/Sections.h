#pragma once

#include "area/CTolvexDoc.h"
#include "text/TextReader.h"

#include <ostream>

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
};

// What a section writer works with.
struct CWriteContext {
    const CTolvexDoc& doc;
    std::ostream& out;
    IDiagnostics& diagnostics;
    const CConfigTables& tables;
    CSaveOptions options;
};

// One reader and one writer per section. A reader returns false only when the
// load must be aborted.
// The header that a save in the dialect writes.
AreaHeader HeaderOfDialect(MudType mudType);
void ReadAreaHeader(CReadContext& context);       // #AREA
void ReadAreaDataHeader(CReadContext& context);   // #AREADATA
void WriteHeader(CWriteContext& context, const std::string& fileName);

bool ReadMobiles(CReadContext& context);
void WriteMobiles(CWriteContext& context);

bool ReadObjects(CReadContext& context);
void WriteObjects(CWriteContext& context);

bool ReadRooms(CReadContext& context);
void WriteRooms(CWriteContext& context);

bool ReadResets(CReadContext& context);
void WriteResets(CWriteContext& context);

bool ReadShops(CReadContext& context);
void WriteShops(CWriteContext& context);

bool ReadSpecials(CReadContext& context);
void WriteSpecials(CWriteContext& context);

bool ReadMobprogs(CReadContext& context);
void WriteMobprogs(CWriteContext& context);

// Sections the editor does not edit (#HELPS, #SOCIALS, #MOBOLD, #OBJOLD):
// skipped, and their bytes kept. The reader is called with the reader
// capturing since the section's `#` (CTextReader::StartCapture).
bool IsKeptSection(const std::string& word);
bool ReadKeptSection(CReadContext& context, const std::string& word);
void WriteKeptSections(CWriteContext& context);

// A description: a `~` text that keeps its line breaks (not its carriage
// returns). `kind` and `vnum` name the record for the layout note.
std::string ReadDescription(CReadContext& context, const char* kind, int vnum);
// A description as re-wrapping leaves it: formatted, without carriage returns.
std::string FormattedDescription(const std::string& text);
// A description as the save writes it: as the file had it, unless the builder
// edited it (and the layout is not kept) or every text is re-wrapped.
std::string DescriptionForFile(const CSaveOptions& options, const std::string& text, bool edited);

// Reports a warning with a line through the diagnostics.
void Warn(IDiagnostics& diagnostics, int line, const std::string& text);

// After the last field of a line the rest is a comment. The byte that ended
// that field is already consumed: when it was the line feed, the line is over.
void SkipRestOfLine(CTextReader& in);
