#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "check/AreaCheck.h"
#include "text/TextReader.h"

#include <algorithm>
#include <memory>
#include <sstream>

namespace {

struct CCheckedFile {
    std::string path;
    std::unique_ptr<CTolvexDoc> doc; // null when the file could not be opened or its load was aborted
    CDiagnosticList diagnostics;
    std::string openError; // why the file could not be opened
    bool notAnArea = false; // something in it, but no section the reader knows
};

const char* const NotAnAreaText = "no area section found: not an area file";

// The mobprog vnums of every loaded file but `self`: a trigger may name a
// program of another area, as the server sees all areas at once.
std::vector<int> OtherMobprogs(const std::vector<CCheckedFile>& files, const CCheckedFile& self)
{
    std::vector<int> vnums;
    for (const CCheckedFile& file : files)
        if (&file != &self && file.doc)
            for (const CMobProgData& program : file.doc->mobprogs)
                vnums.push_back(program.vnum);
    return vnums;
}

} // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("check", "usage: tolvex-cli check [--strict] [--config CFG] FILE...\n",
        { { "--config", true }, { "--strict", false } }, 1, AnyNumber);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    const bool strict = line.Has("--strict");
    const std::vector<std::string>& args = line.Operands();
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    // One table set for all files, as in the editor: a race added by one file
    // is known to the next.
    int status = 0;
    std::vector<CCheckedFile> files(args.size());
    for (size_t i = 0; i < args.size(); ++i) {
        CCheckedFile& file = files[i];
        file.path = args[i];
        std::string bytes;
        if (!ReadFileBytes(file.path, bytes, file.openError)) {
            status = 1;
            continue;
        }
        // An empty or blank file opens as an empty area, as in the editor.
        const bool blank = std::all_of(bytes.begin(), bytes.end(), [](char c) { return IsBlank(c); });
        std::istringstream in(std::move(bytes));
        file.doc = std::make_unique<CTolvexDoc>(tables);
        if (!file.doc->Load(in, file.diagnostics)) {
            file.doc.reset();
            status = 1;
            continue;
        }
        file.notAnArea = !blank && !file.doc->SectionsFound();
    }
    for (const CCheckedFile& file : files) {
        if (!file.openError.empty()) {
            PrintOpenError(context.err, file.path, file.openError);
            continue;
        }
        std::vector<CFinding> findings;
        if (strict && file.doc)
            findings = CheckArea(*file.doc, OtherMobprogs(files, file));
        if (file.diagnostics.items.empty() && findings.empty() && !file.notAnArea)
            context.out << file.path << ": ok\n";
        for (const CDiagnostic& d : file.diagnostics.items)
            PrintDiagnostic(context.out, file.path, d);
        // Only --strict fails on it: without it, check reports what the
        // editor would make of the file, and the editor opens it empty.
        if (file.notAnArea) {
            PrintDiagnostic(context.out, file.path, CDiagnostic { strict ? Severity::Error : Severity::Warning, 0, {}, NotAnAreaText, false });
            if (strict)
                status = 1;
        }
        for (const CFinding& finding : findings)
            PrintDiagnostic(context.out, file.path, CDiagnostic { finding.severity, finding.line, {}, finding.text, false });
        if (CountFindings(findings, Severity::Error) > 0)
            status = 1;
    }
    return status;
}
