#pragma once

#include "area/SectionContext.h"

#include <string>

// One reader and one writer per section; the section table (SectionTable.h)
// says which word opens each and in what order they are saved. A reader
// returns false only when the load must be aborted.
void ReadAreaHeader(CReadContext& context); // #AREA
void ReadAreaDataHeader(CReadContext& context); // #AREADATA
void WriteHeader(CWriteContext& context); // the dialect's, naming context.fileName

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
void WriteMobprogs(CWriteContext& context); // nothing unless options.mobprogs

// Sections the editor does not edit (#HELPS, #SOCIALS, #MOBOLD, #OBJOLD):
// skipped, and their bytes kept. The reader is called with the reader
// capturing since the section's `#` (CTextReader::StartCapture).
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
void AppendDescriptionForFile(CTextOut& out, const CSaveOptions& options, const std::string& text, bool edited);
// The description and the `~` line end that closes it.
void WriteDescription(CTextOut& out, const CSaveOptions& options, const std::string& text, bool edited);
