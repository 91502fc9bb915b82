#include "app/CWorld.h"

#include "gui/CAreaDocument.h"

#include <algorithm>
#include <utility>

CWorld::CWorld(QString list, std::vector<CEntry> listed, QObject* parent)
    : QObject(parent)
    , listPath(std::move(list))
    , entries(std::move(listed))
{
    for (const CEntry& entry : entries)
        if (entry.document)
            Adopt(entry.document, entry.file);
}

void CWorld::Adopt(CAreaDocument* document, const QString& file)
{
    areas.push_back({ file.toStdString(), &document->Doc() });
    areaDocuments.push_back(document);
    auto changed = [this] {
        checked = false;
        emit Changed();
    };
    connect(document, &CAreaDocument::RecordsChanged, this, changed);
    connect(document, &CAreaDocument::RecordsChanged, this, &CWorld::RecordsChanged);
    // A caption or the modified mark changes the panel's line, not the findings.
    connect(document, &CAreaDocument::TitleChanged, this, &CWorld::Changed);
    connect(document, &CAreaDocument::Saved, this, changed);
}

void CWorld::Add(CEntry entry)
{
    entries.push_back(std::move(entry));
    Adopt(entries.back().document, entries.back().file);
    checked = false;
    emit AreaAdded(entries.back().document);
    emit Changed();
    emit RecordsChanged();
}

CAreaDocument* CWorld::AreaOfRoom(int vnum) const
{
    // A world has a few dozen areas, each with its own index.
    for (const CEntry& entry : entries)
        if (entry.document && entry.document->Doc().FindRoomIndex(vnum) >= 0)
            return entry.document;
    return nullptr;
}

std::string CWorld::DescribeRoom(int vnum) const
{
    const CAreaDocument* area = AreaOfRoom(vnum);
    if (!area)
        return {};
    const CTolvexDoc& doc = area->Doc();
    const CRoomData& room = doc.rooms[static_cast<size_t>(doc.FindRoomIndex(vnum))];
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const CEntry& e) { return e.document == area; });
    return std::to_string(vnum) + " " + room.name + " (" + entry->file.toLatin1().toStdString() + ")";
}

int CWorld::AreaIndex(const CAreaDocument* document) const
{
    const auto found = std::find(areaDocuments.begin(), areaDocuments.end(), document);
    return found == areaDocuments.end() ? -1 : static_cast<int>(found - areaDocuments.begin());
}

CMapColor CWorld::AreaTint(std::size_t area)
{
    // Far apart around the colour wheel, and none of them the exits' green, yellow or red.
    static const CMapColor tints[] = { { 70, 110, 230 }, { 230, 120, 40 }, { 150, 70, 200 }, { 40, 170, 170 },
        { 220, 80, 150 }, { 120, 90, 50 }, { 90, 160, 240 }, { 180, 180, 60 }, { 100, 100, 100 }, { 240, 150, 190 },
        { 60, 120, 90 }, { 200, 130, 230 } };
    return tints[area % (sizeof tints / sizeof tints[0])];
}

bool CWorld::Has(const CAreaDocument* document) const
{
    return std::find(areaDocuments.begin(), areaDocuments.end(), document) != areaDocuments.end();
}

std::vector<CAreaDocument*> CWorld::Documents() const
{
    std::vector<CAreaDocument*> documents;
    for (const CEntry& entry : entries)
        if (entry.document)
            documents.push_back(entry.document);
    return documents;
}

const std::vector<CWorldFinding>& CWorld::Findings() const
{
    if (!checked) {
        findings = CheckWorld(areas);
        checked = true;
    }
    return findings;
}

std::vector<CFinding> CWorld::FindingsOf(const CAreaDocument& document) const
{
    const auto found = std::find(areaDocuments.begin(), areaDocuments.end(), &document);
    if (found == areaDocuments.end())
        return {};
    return CheckAreaInWorld(areas, static_cast<std::size_t>(found - areaDocuments.begin()), Findings());
}
