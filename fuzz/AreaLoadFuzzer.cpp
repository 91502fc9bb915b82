#include "FuzzTables.h"
#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

std::string Saved(CTolvexDoc& doc)
{
    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, "fuzz.are", diagnostics);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A fresh copy each time: the reader adds unknown races to its tables.
    CConfigTables tables = BaseTables();
    CTolvexDoc doc(tables);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CDiagnosticList diagnostics;
    if (!doc.Load(in, diagnostics))
        return 0;
    // What the editor saves it must read back, and saving that again must
    // give the same bytes, or a builder's area drifts with every save.
    const std::string first = Saved(doc);
    CTolvexDoc reread(tables);
    std::istringstream again(first);
    CDiagnosticList rereadDiagnostics;
    if (!reread.Load(again, rereadDiagnostics)) {
        std::fprintf(stderr, "the saved area cannot be read back:\n%s\n", first.c_str());
        std::abort();
    }
    const std::string second = Saved(reread);
    if (second != first) {
        std::fprintf(stderr, "a second save differs:\n--- first\n%s\n--- second\n%s\n", first.c_str(), second.c_str());
        std::abort();
    }
    return 0;
}
