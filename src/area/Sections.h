#pragma once

#include "area/CTolvexDoc.h"
#include "text/TextReader.h"

#include <ostream>

// What a section reader works with.
struct CReadContext {
    CTolvexDoc& doc;
    CTextReader& in;
    IDiagnostics& diagnostics;
    CConfigTables& tables;
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

// Sections that are read only to be skipped.
void SkipHelps(CReadContext& context);
void SkipSocials(CReadContext& context);
void SkipOldSection(CReadContext& context); // #MOBOLD, #OBJOLD

// Reports a warning with a line through the diagnostics.
void Warn(IDiagnostics& diagnostics, int line, const std::string& text);

// After the last field of a line the rest is a comment. The byte that ended
// that field is already consumed: when it was the line feed, the line is over.
void SkipRestOfLine(CTextReader& in);
