#pragma once

#include "area/Sections.h"
#include "support/AreaFiles.h"

// One area on tables of its own, read and written whole or one section at a time.
struct CArea {
    explicit CArea(const std::string& config = "")
    {
        std::istringstream in(config);
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, in, line)) << "the test configuration fails at line " << line;
    }

    bool Load(const std::string& file)
    {
        std::istringstream in(file);
        return doc.Load(in, diagnostics);
    }

    std::string Save(const CSaveOptions& options) const { return SaveText(doc, "/areas/x.are", &options); }
    std::string Save() const { return SaveText(doc, "/areas/x.are"); }

    // Reads a section's body, after its section word ("#ROOMS") if it starts with one.
    bool Read(bool (*reader)(CReadContext&), const std::string& text)
    {
        std::istringstream stream(text);
        CTextReader in(stream);
        if (text.rfind('#', 0) == 0)
            in.ReadChar(), in.ReadWord();
        CReadContext context { doc, in, diagnostics, tables };
        return reader(context);
    }

    std::string Write(void (*writer)(CWriteContext&))
    {
        std::ostringstream out;
        {
            CTextOut text(out);
            CWriteContext context { doc, text, diagnostics, tables, CSaveOptions { MudType::Quendar, true } };
            writer(context);
        }
        return out.str();
    }

    // The diagnostics, one a line, for failure messages.
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
};
