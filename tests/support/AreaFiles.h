#pragma once

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sstream>

// Loads a configuration file, the shipped one unless another is named; a fault ends the test.
inline void LoadTables(CConfigTables& tables, const std::string& path = SourcePath("res/tolvex.cfg"))
{
    int line = 0;
    ASSERT_TRUE(LoadConfig(tables, path, line)) << path << " fails at line " << line;
}

// Reads an area from its text into `doc`; what the reader reports goes to `diagnostics` when given.
inline void LoadArea(CTolvexDoc& doc, const std::string& text, CDiagnosticList* diagnostics = nullptr)
{
    std::istringstream in(text);
    CDiagnosticList ignored;
    ASSERT_TRUE(doc.Load(in, diagnostics ? *diagnostics : ignored));
}

// The file a save of the area writes; the path's name goes into the #AREA header.
inline std::string SaveText(const CTolvexDoc& doc, const std::string& path = "x.are", const CSaveOptions* options = nullptr)
{
    std::ostringstream out;
    CDiagnosticList ignored;
    doc.Save(out, path, ignored, options ? *options : doc.DefaultSaveOptions());
    return out.str();
}
