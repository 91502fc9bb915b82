#pragma once

#include "area/Sections.h"
#include "config/ConfigLoader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

// One area on its own tables, read and written one section at a time. The
// text handed to Read is what follows the section word.
class CSectionArea {
public:
    explicit CSectionArea(const std::string& config)
    {
        std::istringstream in(config);
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, in, line)) << "the test configuration fails at line " << line;
    }
    CSectionArea(const CSectionArea&) = delete;
    CSectionArea& operator=(const CSectionArea&) = delete;

    bool Read(bool (*reader)(CReadContext&), const std::string& body)
    {
        std::istringstream stream(body);
        CTextReader in(stream);
        CReadContext context { doc, in, diagnostics, tables };
        return reader(context);
    }

    std::string Write(void (*writer)(CWriteContext&), int mudType = MudQuendar)
    {
        std::ostringstream out;
        CSaveOptions options;
        options.mudType = mudType;
        CWriteContext context { doc, out, diagnostics, tables, options };
        writer(context);
        return out.str();
    }

    // The diagnostics reported so far, one per line, for failure messages.
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
