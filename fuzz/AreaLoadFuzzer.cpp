#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <cstdint>
#include <sstream>

namespace {

const CConfigTables& BaseTables()
{
    static CConfigTables tables = [] {
        CConfigTables t;
        int line = 0;
        LoadConfig(t, std::string(TOLVEX_SOURCE_DIR) + "/res/tolvex.cfg", line);
        return t;
    }();
    return tables;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A fresh copy each time: the reader adds unknown races to its tables.
    CConfigTables tables = BaseTables();
    CTolvexDoc doc(tables);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CDiagnosticList diagnostics;
    if (doc.Load(in, diagnostics)) {
        std::ostringstream out;
        doc.Save(out, "fuzz.are", diagnostics);
    }
    return 0;
}
