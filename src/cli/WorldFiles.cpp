#include "cli/WorldFiles.h"

#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "text/TextReader.h"
#include "world/AreaList.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

bool ReadAreaFiles(const std::vector<std::string>& paths, CConfigTables& tables, std::vector<CCheckedFile>& files)
{
    bool all = true;
    files.clear();
    files.resize(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        CCheckedFile& file = files[i];
        file.path = paths[i];
        std::string bytes;
        if (!ReadFileBytes(file.path, bytes, file.openError)) {
            all = false;
            continue;
        }
        // An empty or blank file opens as an empty area, as in the editor.
        const bool blank = std::all_of(bytes.begin(), bytes.end(), [](char c) { return IsBlank(c); });
        std::istringstream in(std::move(bytes));
        file.doc = std::make_unique<CTolvexDoc>(tables);
        if (!file.doc->Load(in, file.diagnostics)) {
            file.doc.reset();
            all = false;
            continue;
        }
        file.notAnArea = !blank && !file.doc->SectionsFound();
    }
    return all;
}

bool ReadWorldList(const std::string& listPath, std::vector<std::string>& paths, CCliContext& context)
{
    std::string text;
    std::string reason;
    if (!ReadFileBytes(listPath, text, reason)) {
        PrintOpenError(context.err, listPath, reason);
        return false;
    }
    const CAreaList list = ReadAreaList(text);
    if (!list.ended)
        PrintDiagnostic(context.err, listPath, CDiagnostic { Severity::Warning, 0, {}, "the list has no \"$\" line; it is read to its end", false });
    const size_t slash = listPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : listPath.substr(0, slash + 1);
    for (const CAreaListEntry& entry : list.entries)
        paths.push_back(!entry.file.empty() && entry.file[0] == '/' ? entry.file : folder + entry.file);
    return true;
}

std::size_t FindListedPath(const std::vector<std::string>& paths, const std::string& path)
{
    namespace fs = std::filesystem;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::error_code error;
        if (paths[i] == path || fs::equivalent(paths[i], path, error))
            return i;
    }
    return paths.size();
}

std::size_t FindListedArea(const std::vector<std::string>& paths, const std::string& area)
{
    if (const std::size_t found = FindListedPath(paths, area); found < paths.size())
        return found;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (FileNamePart(paths[i]) == area)
            return i;
    return paths.size();
}

bool AreaAndWorldPaths(const CCommandLine& line, const std::string& areaPath, const std::string& refusal,
    std::vector<std::string>& paths, std::size_t& area, CCliContext& context)
{
    paths.clear();
    area = 0;
    if (!line.Has("--world")) {
        paths.push_back(areaPath);
        return true;
    }
    if (!ReadWorldList(line.Value("--world"), paths, context))
        return false;
    area = FindListedArea(paths, areaPath);
    if (area < paths.size())
        return true;
    context.err << areaPath << ": " << refusal << line.Value("--world") << " does not name it\n";
    return false;
}

void PrintReadErrors(std::ostream& err, const CCheckedFile& file, bool warnings)
{
    if (!file.openError.empty())
        PrintOpenError(err, file.path, file.openError);
    for (const CDiagnostic& d : file.diagnostics.items)
        if (warnings || d.severity == Severity::Error)
            PrintDiagnostic(err, file.path, d);
}
