#include "area/CTolvexDoc.h"

#include "area/ReadHelpers.h"
#include "area/SectionTable.h"
#include "text/TextWriter.h"

#include <algorithm>

CTolvexDoc::CTolvexDoc(CConfigTables& tableSet)
    : tables(&tableSet)
{
    for (int i = 0; i < tableSet.recuName.Count(); ++i) {
        CTableEntry resource;
        resource.name = tableSet.recuName[i].name;
        resources.push_back(resource);
    }
}

void CTolvexDoc::OnNewDocument()
{
    name = "Sin Nombre";
    builders = "";
    credits = "Armada con QuendarED por Morvane";
    lowerVnum = 1;
    upperVnum = 100;
    security = 9;
    minLevel = 1;
    maxLevel = 60;
    rooms.clear();
    resets.clear();
    strayResets.clear();
    strayShops.clear();
    straySpecials.clear();
    keptSections.clear();
    fileHeader = AreaHeader::None;
    writesHeader = true;
    readUpToLine = 0;
    mobprogs.clear();
    objects.clear();
    mobs.clear();
}

namespace {

long long vnumIndexWork = 0;

// log2 rounded down, for a count of at least 1, without a floating-point call on every lookup.
long long FloorLog2(size_t count)
{
    long long bits = 0;
    while (count >>= 1)
        ++bits;
    return bits;
}

// `skip` is the position of a record whose vnum counts as free.
template <typename Record>
int FirstFree(const std::vector<Record>& list, int lower, int upper, int skip = -1)
{
    // One sorted pass instead of a rescan per vnum; the result is the same.
    std::vector<int> used;
    used.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].vnum >= lower && list[i].vnum <= upper && static_cast<int>(i) != skip)
            used.push_back(list[i].vnum);
    std::sort(used.begin(), used.end());
    long long v = lower;
    for (int u : used) {
        if (u == v)
            ++v;
        else if (u > v)
            break;
    }
    return v <= upper ? static_cast<int>(v) : -1;
}

} // namespace

template <typename Record>
int CTolvexDoc::Find(const std::vector<Record>& list, CVnumIndex& index, int vnum, int skip) const
{
    if (!index.built || index.data != list.data() || index.size != list.size()) {
        index.listRises = std::adjacent_find(list.begin(), list.end(), [](const Record& a, const Record& b) {
            return a.vnum >= b.vnum;
        }) == list.end();
        index.entries.clear();
        if (index.listRises) {
            index.entries.shrink_to_fit();
        } else {
            index.entries.reserve(list.size());
            for (size_t i = 0; i < list.size(); ++i)
                index.entries.emplace_back(list[i].vnum, static_cast<int>(i));
            std::sort(index.entries.begin(), index.entries.end());
        }
        index.data = list.data();
        index.size = list.size();
        index.built = true;
        vnumIndexWork += static_cast<long long>(list.size());
    }
    vnumIndexWork += 1 + FloorLog2(list.size() + 1);
    if (index.listRises) {
        // Each vnum is there once at most.
        auto record = std::lower_bound(list.begin(), list.end(), vnum, [](const Record& r, int v) { return r.vnum < v; });
        const int position = static_cast<int>(record - list.begin());
        return record != list.end() && record->vnum == vnum && position != skip ? position : -1;
    }
    // The entries of one vnum stand in file order, so the first that is not
    // `skip` is the first record.
    auto at = std::lower_bound(index.entries.begin(), index.entries.end(), std::pair<int, int>(vnum, -1));
    for (; at != index.entries.end() && at->first == vnum; ++at)
        if (at->second != skip)
            return at->second;
    return -1;
}

int CTolvexDoc::FindRoomIndex(int vnum, int skip) const { return Find(rooms, roomsByVnum, vnum, skip); }
int CTolvexDoc::FindObjectByVnum(int vnum, int skip) const { return Find(objects, objectsByVnum, vnum, skip); }
int CTolvexDoc::FindMobByVnum(int vnum, int skip) const { return Find(mobs, mobsByVnum, vnum, skip); }
int CTolvexDoc::FindMobprogByVnum(int vnum, int skip) const { return Find(mobprogs, mobprogsByVnum, vnum, skip); }

void CTolvexDoc::ForgetVnumIndexes() const
{
    for (CVnumIndex* index : { &roomsByVnum, &objectsByVnum, &mobsByVnum, &mobprogsByVnum })
        index->built = false;
}

long long CTolvexDoc::VnumIndexWork()
{
    return vnumIndexWork;
}

int CTolvexDoc::FirstFreeRoomVnum() const { return FirstFree(rooms, lowerVnum, upperVnum); }
// Vnum 0 is never given: it ends a section when the file is read, and ROM
// stops on a trigger that names it.
int CTolvexDoc::FreeObjectVnum() const { return FirstFree(objects, std::max(lowerVnum, 1), upperVnum); }
int CTolvexDoc::FreeMobVnum() const { return FirstFree(mobs, std::max(lowerVnum, 1), upperVnum); }

int CTolvexDoc::FreeMobprogVnum(int skip) const
{
    return FirstFree(mobprogs, std::max(lowerVnum, 1), std::min(upperVnum, HighestMobprogVnum), skip);
}

void ClearFileLines(std::vector<CRoomData>& rooms)
{
    for (CRoomData& room : rooms) {
        room.line = 0;
        for (CResetData& reset : room.resets)
            reset.line = 0;
    }
}

void ClearFileLines(std::vector<CObjData>& objects)
{
    for (CObjData& obj : objects)
        obj.line = 0;
}

void ClearFileLines(std::vector<CMobData>& mobs)
{
    for (CMobData& mob : mobs)
        mob.line = 0;
}

void ClearFileLines(std::vector<CMobProgData>& programs)
{
    for (CMobProgData& program : programs)
        program.line = 0;
}

void CTolvexDoc::ClearFileLines()
{
    ::ClearFileLines(rooms);
    ::ClearFileLines(objects);
    ::ClearFileLines(mobs);
    ::ClearFileLines(mobprogs);
    for (CResetData& reset : strayResets)
        reset.line = 0;
    for (CStrayShop& shop : strayShops)
        shop.line = 0;
}

CAreaHeader CTolvexDoc::Header() const
{
    return { name, builders, credits, lowerVnum, upperVnum, security, minLevel, maxLevel, resources, writesHeader };
}

void CTolvexDoc::SetHeader(const CAreaHeader& header)
{
    name = header.name;
    builders = header.builders;
    credits = header.credits;
    lowerVnum = header.lowerVnum;
    upperVnum = header.upperVnum;
    security = header.security;
    minLevel = header.minLevel;
    maxLevel = header.maxLevel;
    resources = header.resources;
    writesHeader = header.written;
}

std::string FileNamePart(const std::string& path)
{
#ifdef _WIN32
    const size_t slash = path.find_last_of("\\/");
#else
    const size_t slash = path.rfind('/');
#endif
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

void WarnHeaderChange(IDiagnostics& diagnostics, int line, AreaHeader file, AreaHeader saved)
{
    if (file == AreaHeader::None || saved == AreaHeader::None || file == saved)
        return;
    Warn(diagnostics, line,
        file == AreaHeader::Area
            ? "The file has an #AREA header; saving in the configured dialect writes an #AREADATA header "
              "instead, which ROM without OLC cannot boot."
            : "The file has an #AREADATA header; saving in the configured dialect writes an #AREA header "
              "instead, without the builders and the security.");
}

void WarnLayout(IDiagnostics& diagnostics, const CLayoutNotes& notes)
{
    if (notes.count == 0)
        return;
    Warn(diagnostics, notes.firstLine,
        notes.count == 1
            ? Format("1 description has a layout (indented lines, blank lines or drawings) that re-wrapping "
                     "loses; it is %s at line %d.",
                { notes.firstRecord, notes.firstLine })
            : Format("%d descriptions have a layout (indented lines, blank lines or drawings) that re-wrapping "
                     "loses; the first is %s at line %d.",
                { notes.count, notes.firstRecord, notes.firstLine }));
}

} // namespace

bool CTolvexDoc::Load(std::istream& stream, IDiagnostics& diagnostics)
{
    return Load(stream, diagnostics, DefaultSaveOptions());
}

bool CTolvexDoc::Load(std::istream& stream, IDiagnostics& diagnostics, const CSaveOptions& saveOptions)
{
    return Load(ReadWholeStream(stream), diagnostics, saveOptions);
}

bool CTolvexDoc::Load(std::string&& taken, IDiagnostics& diagnostics, const CSaveOptions& saveOptions)
{
    // The readers take a NUL byte for the end of the file, so a file with
    // one would be cut short at random places: it is not opened at all.
    const std::string bytes = std::move(taken);
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos) {
        const int line = 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nul), '\n'));
        CDiagnostic d;
        d.severity = Severity::Error;
        d.line = line;
        d.title = Messages::ErrorTitle;
        d.text = Format("Line %d of the file has a NUL byte, which no area file holds. The file was not opened.", { line });
        d.messageBox = true;
        diagnostics.Report(d);
        return false;
    }
    const bool endsWithLineFeed = !bytes.empty() && bytes.back() == '\n';
    CTextReader in(bytes);
    if (in.AtEnd())
        return true; // an empty file opens as an empty area
    CReadContext context { *this, in, diagnostics, *tables };
    context.noteLayout = saveOptions.rewrapAll;
    int headerLine = 0;
    for (;;) {
        // Kept sections are kept from their `#` on.
        in.StartCapture();
        const char mark = in.ReadChar();
        if (mark != '#') {
            in.TakeCapture();
            // Whatever stopped the reading, keep what was read: resets go to
            // their rooms and the map is laid out as at a proper end.
            if (mark != 0) {
                readUpToLine = in.TokenLine();
                Warn(diagnostics, in.TokenLine(),
                    Format("The file was read only up to line %d: what follows it was not understood and will not be saved.", { in.TokenLine() }));
            } else {
                // After a closing line feed the reader counts a line the file does not have.
                Warn(diagnostics, endsWithLineFeed ? in.Line() - 1 : in.Line(),
                    "The file ends without \"#$\"; it was read to its end.");
            }
            break;
        }
        const int sectionLine = in.TokenLine();
        const std::string word = AsciiUpper(in.ReadWord());
        const CAreaSection* section = FindSection(word);
        if (section && section->role == SectionRole::Kept) {
            sectionsFound = true;
            if (!section->read(context, word))
                return false;
            continue;
        }
        in.TakeCapture();
        if (!word.empty() && word[0] == '$')
            break;
        if (!section) {
            Warn(diagnostics, sectionLine, Format("Unknown section \"#%s\" skipped; it will not be saved.", { word }));
            continue;
        }
        if (section->role == SectionRole::Header)
            headerLine = sectionLine;
        const bool ok = section->read(context, word);
        sectionsFound = true;
        if (!ok)
            return false;
    }
    writesHeader = fileHeader != AreaHeader::None;
    WarnHeaderChange(diagnostics, headerLine, fileHeader, HeaderOfDialect(saveOptions.mudType));
    if (saveOptions.rewrapAll)
        WarnLayout(diagnostics, context.layout);
    DistributeResets(&diagnostics);
    return true;
}

bool CTolvexDoc::HasRecords() const
{
    // The file's own reset list does not count: the save writes the resets
    // the rooms hold and the stray ones, and what neither took is gone.
    return !rooms.empty() || !objects.empty() || !mobs.empty() || !mobprogs.empty() || !strayResets.empty()
        || !strayShops.empty() || !straySpecials.empty();
}

CSaveOptions CTolvexDoc::DefaultSaveOptions() const
{
    CSaveOptions options;
    options.mudType = tables->mudType;
    options.mobprogs = tables->mobprog != 0;
    return options;
}

void CTolvexDoc::Save(std::ostream& out, const std::string& pathName, IDiagnostics& diagnostics) const
{
    Save(out, pathName, diagnostics, DefaultSaveOptions());
}

void CTolvexDoc::Save(std::ostream& out, const std::string& pathName, IDiagnostics& diagnostics, const CSaveOptions& options) const
{
    CTextOut text(out);
    CWriteContext context { *this, text, diagnostics, *tables, options, FileNamePart(pathName) };
    // A file of helps or socials alone comes back as it was: the server
    // stops on a record section that no header precedes.
    const bool writesRecords = writesHeader || HasRecords();
    for (const CAreaSection* section : SectionsInSaveOrder()) {
        if ((section->role == SectionRole::Header && !writesHeader)
            || (section->role == SectionRole::Records && !writesRecords))
            continue;
        section->write(context);
    }
    text << "#$\n";
}
