#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/WorldFiles.h"

#include <string>
#include <vector>

namespace {

std::string FileName(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

bool HasRange(const CTolvexDoc& doc)
{
    return doc.upperVnum > 0 && doc.lowerVnum <= doc.upperVnum;
}

bool Overlap(const CTolvexDoc& a, const CTolvexDoc& b)
{
    return HasRange(a) && HasRange(b) && a.lowerVnum <= b.upperVnum && b.lowerVnum <= a.upperVnum;
}

// Each pair of loaded areas whose ranges overlap, the earlier one first.
std::vector<std::pair<size_t, size_t>> Overlaps(const std::vector<CCheckedFile>& files)
{
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t later = 0; later < files.size(); ++later)
        for (size_t earlier = 0; earlier < later; ++earlier)
            if (files[later].doc && files[earlier].doc && Overlap(*files[earlier].doc, *files[later].doc))
                pairs.emplace_back(earlier, later);
    return pairs;
}

void PrintText(const std::vector<CCheckedFile>& files, CCliContext& context)
{
    for (const CCheckedFile& file : files) {
        if (!file.doc)
            continue;
        const CTolvexDoc& doc = *file.doc;
        context.out << FileName(file.path) << ": " << doc.name << ", vnums " << doc.lowerVnum << "-" << doc.upperVnum
                    << ", " << doc.rooms.size() << " rooms, " << doc.objects.size() << " objects, " << doc.mobs.size()
                    << " mobs, " << doc.mobprogs.size() << " mobprogs\n";
    }
    for (const auto& [earlier, later] : Overlaps(files))
        context.out << "overlap: " << FileName(files[later].path) << " " << files[later].doc->lowerVnum << "-"
                    << files[later].doc->upperVnum << " and " << FileName(files[earlier].path) << " "
                    << files[earlier].doc->lowerVnum << "-" << files[earlier].doc->upperVnum << "\n";
}

void PrintJson(const std::vector<CCheckedFile>& files, CCliContext& context)
{
    CJsonWriter json(context.out);
    json.BeginObject();
    json.Key("areas");
    json.BeginArray();
    for (const CCheckedFile& file : files) {
        if (!file.doc)
            continue;
        const CTolvexDoc& doc = *file.doc;
        json.BeginObject();
        json.Field("file", FileName(file.path));
        json.Field("name", doc.name);
        json.Field("lowerVnum", static_cast<long long>(doc.lowerVnum));
        json.Field("upperVnum", static_cast<long long>(doc.upperVnum));
        json.Field("rooms", static_cast<long long>(doc.rooms.size()));
        json.Field("objects", static_cast<long long>(doc.objects.size()));
        json.Field("mobs", static_cast<long long>(doc.mobs.size()));
        json.Field("mobprogs", static_cast<long long>(doc.mobprogs.size()));
        json.EndObject();
    }
    json.EndArray();
    json.Key("overlaps");
    json.BeginArray();
    for (const auto& [earlier, later] : Overlaps(files)) {
        json.BeginObject();
        json.Field("file", FileName(files[later].path));
        json.Field("other", FileName(files[earlier].path));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    context.out << "\n";
}

} // namespace

int RunWorldCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("world", "usage: tolvex-cli world [--json] [--config CFG] LIST\n",
        { { "--config", true }, { "--json", false } }, 1, 1);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    std::vector<std::string> paths;
    if (!ReadWorldList(line.Operands().front(), paths, context))
        return 1;
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    std::vector<CCheckedFile> files;
    const int status = ReadAreaFiles(paths, tables, files) ? 0 : 1;
    for (const CCheckedFile& file : files)
        PrintReadErrors(context.err, file);
    if (line.Has("--json"))
        PrintJson(files, context);
    else
        PrintText(files, context);
    return status;
}
