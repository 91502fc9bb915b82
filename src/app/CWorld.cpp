#include "app/CWorld.h"

#include "gui/CAreaDocument.h"

#include <algorithm>
#include <utility>

CWorld::CWorld(QString list, std::vector<CEntry> listed, QObject* parent)
    : QObject(parent)
    , listPath(std::move(list))
    , entries(std::move(listed))
{
    for (const CEntry& entry : entries) {
        if (!entry.document)
            continue;
        areas.push_back({ entry.file.toStdString(), &entry.document->Doc() });
        areaDocuments.push_back(entry.document);
        auto changed = [this] {
            checked = false;
            emit Changed();
        };
        connect(entry.document, &CAreaDocument::RecordsChanged, this, changed);
        // A caption or the modified mark changes the panel's line, not the findings.
        connect(entry.document, &CAreaDocument::TitleChanged, this, &CWorld::Changed);
        connect(entry.document, &CAreaDocument::Saved, this, changed);
    }
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
