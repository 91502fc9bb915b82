#include "cli/AreaFiles.h"

#include "layout/RoomLayout.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

void PrintDiagnostic(std::ostream& out, const std::string& file, const CDiagnostic& d)
{
    std::string text = d.text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    out << file;
    if (d.line > 0)
        out << ':' << d.line;
    out << (d.severity == Severity::Error ? ": error: " : ": warning: ") << text << '\n';
}

bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context)
{
    return LoadAreaFile(path, doc, context, doc.DefaultSaveOptions());
}

bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context, const CSaveOptions& saveOptions)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        context.err << path << ": cannot be read\n";
        return false;
    }
    CDiagnosticList diagnostics;
    const bool ok = doc.Load(file, diagnostics, saveOptions);
    for (const CDiagnostic& d : diagnostics.items)
        PrintDiagnostic(context.err, path, d);
    return ok;
}

void LayOutMap(const std::string& path, CTolvexDoc& doc, bool allRooms, CCliContext& context)
{
    LayoutRooms(doc, allRooms);
    const std::string warning = UnplacedRoomsWarning(doc);
    if (!warning.empty())
        PrintDiagnostic(context.err, path, { Severity::Warning, 0, std::string(), warning, false });
}

bool ParseInt(const std::string& text, int& value)
{
    if (text.empty())
        return false;
    size_t used = 0;
    try {
        const long long parsed = std::stoll(text, &used, 10);
        if (used != text.size() || parsed < INT32_MIN || parsed > INT32_MAX)
            return false;
        value = static_cast<int>(parsed);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
