#pragma once

#include "area/SectionContext.h"

#include <string>
#include <vector>

// What a section is to the load and the save.
enum class SectionRole {
    Header, // #AREA or #AREADATA: written only when the area writes a header
    Kept, // not edited: its bytes are kept and written back unchanged
    Records, // the area's records: none is written for a file of kept sections alone
};

// One row per word that opens a section of an area file.
struct CAreaSection {
    const char* word; // after the `#`, in capitals
    SectionRole role;
    // False only when the load must be aborted. A kept section is read with
    // the reader capturing since its `#` (CTextReader::StartCapture).
    bool (*read)(CReadContext& context, const std::string& word);
    // nullptr where another row writes the section: the #AREA row writes the
    // header the dialect asks for, the #HELPS row every kept section.
    void (*write)(CWriteContext& context);
    int saveOrder; // rows with a writer are written in this order
};

// The row of a section word (in capitals), or nullptr for an unknown one.
const CAreaSection* FindSection(const std::string& word);

// The rows with a writer, in the order a save writes them.
const std::vector<const CAreaSection*>& SectionsInSaveOrder();
