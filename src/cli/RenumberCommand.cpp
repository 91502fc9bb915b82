#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"
#include "cli/WorldFiles.h"

#include "area/AreaRecords.h"
#include "text/AtomicFile.h"
#include "world/Renumber.h"

#include <climits>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

bool Write(CTolvexDoc& doc, const std::string& readFrom, const std::string& outPath, CCliContext& context)
{
    if (IsReadOnlyFile(outPath)) {
        context.err << outPath << ": not written: the file is read-only\n";
        return false;
    }
    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, readFrom, diagnostics, doc.DefaultSaveOptions());
    for (const CDiagnostic& d : diagnostics.items)
        PrintDiagnostic(context.err, outPath, d);
    std::string error;
    if (!WriteFileAtomically(outPath, out.str(), error)) {
        context.err << outPath << ": cannot be written\n";
        return false;
    }
    return true;
}

} // namespace

int RunRenumberCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("renumber", "usage: tolvex-cli renumber --to LOW [--world LIST] [--config CFG] AREA OUT\n",
        { { "--config", true }, { "--to", true }, { "--world", true } }, 2, 2);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    int newLow = 0;
    if (!line.Has("--to"))
        return line.UsageError("--to is needed", context);
    // A number outside the vnums is the plan's to refuse, in its words.
    if (!line.IntValue("--to", INT_MIN, INT_MAX, newLow, context))
        return 2;
    const std::string& areaPath = line.Operands()[0];
    const std::string& outPath = line.Operands()[1];
    const bool inWorld = line.Has("--world");

    std::vector<std::string> paths;
    std::size_t area = 0;
    if (!AreaAndWorldPaths(line, areaPath, "not renumbered: ", paths, area, context))
        return 1;
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    std::vector<CCheckedFile> files;
    const bool allRead = ReadAreaFiles(paths, tables, files);
    // The other areas' warnings are theirs; their errors may explain a refusal.
    for (const CCheckedFile& file : files)
        PrintReadErrors(context.err, file, &file == &files[area]);
    // An area left out would keep its references to the old vnums.
    if (!allRead) {
        if (inWorld)
            context.err << areaPath << ": not renumbered: not every area of the world could be read\n";
        return 1;
    }

    std::vector<CWorldArea> world;
    for (const CCheckedFile& file : files)
        world.push_back({ FileNamePart(file.path), file.doc.get() });
    const CRenumberPlan plan = PlanRenumber(world, area, newLow);
    if (!plan.error.empty()) {
        context.err << areaPath << ": not renumbered: " << plan.error << '\n';
        return 1;
    }
    std::vector<CRenumberedArea> renumbered = ApplyRenumber(world, plan);
    for (const CRenumberedArea& changed : renumbered) {
        const CTolvexDoc& doc = *files[changed.area].doc;
        if (doc.ReadInPart()) {
            context.err << areaPath << ": not renumbered: " << files[changed.area].path << " was read only up to line "
                        << doc.ReadUpToLine() << " and the rest would be lost\n";
            return 1;
        }
    }
    if (inWorld) {
        std::error_code error;
        fs::create_directories(outPath, error);
        if (!fs::is_directory(outPath, error)) {
            context.err << outPath << ": not written: no folder can be made there\n";
            return 1;
        }
    }
    int status = 0;
    for (CRenumberedArea& changed : renumbered) {
        CCheckedFile& file = files[changed.area];
        PutRecords(*file.doc, std::move(changed.records));
        const std::string target = inWorld ? (fs::path(outPath) / FileNamePart(file.path)).string() : outPath;
        if (!Write(*file.doc, file.path, target, context))
            status = 1;
        for (const std::string& change : changed.changes)
            context.out << change << '\n';
    }
    return status;
}
