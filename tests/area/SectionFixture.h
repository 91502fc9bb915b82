#pragma once

#include "area/Sections.h"
#include "config/ConfigLoader.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

// One area on its own tables, read and written one section at a time.
struct SectionArea {
    explicit SectionArea(const std::string& config = "")
    {
        std::istringstream in(config);
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, in, line)) << "the test configuration fails at line " << line;
    }

    // Reads a section body; a leading section word ("#ROOMS", as a writer
    // gives it) is read first, as the load loop does. `rest` is left unread.
    bool Read(bool (*reader)(CReadContext&), const std::string& text)
    {
        std::istringstream stream(text);
        CTextReader in(stream);
        const size_t at = text.find_first_not_of('\n');
        if (at != std::string::npos && at + 1 < text.size() && text[at] == '#' && text[at + 1] >= 'A' && text[at + 1] <= 'Z')
            in.ReadChar(), in.ReadWord();
        CReadContext context { doc, in, diagnostics, tables };
        const bool ok = reader(context);
        rest.assign(std::istreambuf_iterator<char>(stream), {});
        return ok;
    }

    std::string Write(void (*writer)(CWriteContext&), MudType mudType = MudType::Quendar)
    {
        std::ostringstream out;
        CWriteContext context { doc, out, diagnostics, tables, CSaveOptions { mudType, true } };
        writer(context);
        return out.str();
    }

    // The diagnostics so far, one a line, for failure messages.
    std::string Reported() const
    {
        std::string all;
        for (const CDiagnostic& d : diagnostics.items)
            all += "line " + std::to_string(d.line) + ": " + d.text + "\n";
        return all;
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CDiagnosticList diagnostics;
    std::string rest;
};
