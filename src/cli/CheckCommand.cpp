#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/WorldFiles.h"

#include "check/AreaCheck.h"
#include "world/WorldCheck.h"

#include <cstdint>

namespace {

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

// One line of the report: a reader's diagnostic (no record) or a finding.
struct CReported {
    const std::string* file;
    Severity severity;
    int line;
    const char* record; // null for what the reader said
    int vnum;
    std::string text;
};

// The findings as one JSON array, for scripts and editors: what is unknown
// (a line, the record of a reader's warning) is null.
void PrintJson(const std::vector<CReported>& reported, std::ostream& out)
{
    CJsonWriter json(out);
    json.BeginArray();
    for (const CReported& r : reported) {
        json.BeginObject();
        json.Field("file", *r.file);
        json.Key("line");
        r.line > 0 ? json.Value(r.line) : json.Null();
        json.Field("severity", std::string(r.severity == Severity::Error ? "error" : "warning"));
        json.Key("record");
        r.record ? json.Value(std::string(r.record)) : json.Null();
        json.Key("vnum");
        r.record&& r.vnum != 0 ? json.Value(r.vnum) : json.Null();
        json.Field("text", r.text);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("check", "usage: tolvex-cli check [--strict] [--world LIST] [--format plain|json] [--config CFG] FILE...\n",
        { { "--config", true }, { "--format", true }, { "--strict", false }, { "--world", true } }, 0, AnyNumber);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    const std::string format = line.Has("--format") ? line.Value("--format") : "plain";
    if (format != "plain" && format != "json")
        return line.UsageError("--format must be plain or json", context);
    const bool json = format == "json";
    std::vector<CReported> reported;
    const bool strict = line.Has("--strict");
    const bool inWorld = line.Has("--world");
    std::vector<std::string> paths;
    if (inWorld && !ReadWorldList(line.Value("--world"), paths, context))
        return 1;
    // A file of the list named again is the same area, not a second one
    // with the same vnums.
    for (const std::string& operand : line.Operands())
        if (!inWorld || FindListedPath(paths, operand) == paths.size())
            paths.push_back(operand);
    if (!inWorld && paths.empty())
        return line.UsageError(std::string(), context);
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    std::vector<CCheckedFile> files;
    int status = ReadAreaFiles(paths, tables, files) ? 0 : 1;

    // The world is the files that loaded, in list order.
    std::vector<CWorldArea> world;
    std::vector<size_t> worldIndex(files.size(), SIZE_MAX);
    std::vector<CWorldFinding> worldFindings;
    if (inWorld) {
        for (size_t i = 0; i < files.size(); ++i)
            if (files[i].doc) {
                worldIndex[i] = world.size();
                world.push_back({ files[i].path.substr(files[i].path.find_last_of('/') + 1), files[i].doc.get() });
            }
        worldFindings = CheckWorld(world);
    }
    for (const CCheckedFile& file : files) {
        if (!file.openError.empty()) {
            PrintOpenError(context.err, file.path, file.openError);
            continue;
        }
        std::vector<CFinding> findings;
        const size_t area = static_cast<size_t>(&file - files.data());
        if (inWorld && file.doc && strict)
            findings = CheckAreaInWorld(world, worldIndex[area], worldFindings);
        else if (inWorld && file.doc)
            for (const CWorldFinding& f : worldFindings)
                if (f.area == worldIndex[area])
                    findings.push_back(f.finding);
        if (!inWorld && strict && file.doc)
            findings = CheckArea(*file.doc, OtherMobprogs(files, file));
        if (file.diagnostics.items.empty() && findings.empty() && !file.notAnArea && !json)
            context.out << file.path << ": ok\n";
        auto report = [&](const CDiagnostic& d, const char* record, int vnum) {
            if (json)
                reported.push_back({ &file.path, d.severity, d.line, record, vnum, d.text });
            else
                PrintDiagnostic(context.out, file.path, d);
        };
        for (const CDiagnostic& d : file.diagnostics.items)
            report(d, nullptr, 0);
        // Only --strict fails on it: without it, check reports what the
        // editor would make of the file, and the editor opens it empty.
        if (file.notAnArea) {
            report(CDiagnostic { strict ? Severity::Error : Severity::Warning, 0, {}, NotAnAreaText, false }, nullptr, 0);
            if (strict)
                status = 1;
        }
        for (const CFinding& finding : findings)
            report(CDiagnostic { finding.severity, finding.line, {}, finding.text, false }, RecordKindName(finding.kind), finding.vnum);
        if (CountFindings(findings, Severity::Error) > 0)
            status = 1;
    }
    if (json)
        PrintJson(reported, context.out);
    return status;
}
