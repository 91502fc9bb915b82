#pragma once

#include "area/OtherAreas.h"
#include "draw/MapCanvas.h"
#include "world/WorldCheck.h"

#include <QObject>
#include <QString>

#include <vector>

class CAreaDocument;

// The open world: the areas an area.lst names, in its order, each an area
// of the editor with its own steps that stays open while its windows close.
class CWorld : public QObject, public IOtherAreas {
    Q_OBJECT

public:
    // One name of the list: its area, or why it could not be opened.
    struct CEntry {
        QString file;
        QString path;
        CAreaDocument* document = nullptr;
        QString error;
    };

    CWorld(QString listPath, std::vector<CEntry> entries, QObject* parent = nullptr);

    const QString& ListPath() const { return listPath; }
    const std::vector<CEntry>& Entries() const { return entries; }
    bool Has(const CAreaDocument* document) const;
    std::vector<CAreaDocument*> Documents() const;

    // The areas as the checker takes them, and what it finds in them
    // (computed once per change of any area).
    const std::vector<CWorldArea>& Areas() const { return areas; }
    const std::vector<CWorldFinding>& Findings() const;
    // The findings of one area of the world: its own and the world's.
    std::vector<CFinding> FindingsOf(const CAreaDocument& document) const;

    // The document of an area of Areas(), and the area of a document (-1: none).
    CAreaDocument* AreaDocument(std::size_t area) const { return areaDocuments[area]; }
    int AreaIndex(const CAreaDocument* document) const;
    // The colour that marks an area of Areas() on the world map.
    static CMapColor AreaTint(std::size_t area);

    // The area that has a room of this vnum (the first in list order), or null.
    CAreaDocument* AreaOfRoom(int vnum) const;
    bool HasRoom(int vnum) const override { return AreaOfRoom(vnum) != nullptr; }
    std::string DescribeRoom(int vnum) const override;

    // An area the list now names at its end (its document opened).
    void Add(CEntry entry);

Q_SIGNALS:
    void AreaAdded(CAreaDocument* document);
    // An area of the world changed, or its modified mark.
    void Changed();
    // The records of an area of the world changed, or an area came in.
    void RecordsChanged();

private:
    void Adopt(CAreaDocument* document, const QString& file);

    QString listPath;
    std::vector<CEntry> entries;
    std::vector<CWorldArea> areas;
    std::vector<CAreaDocument*> areaDocuments; // beside `areas`
    mutable std::vector<CWorldFinding> findings;
    mutable bool checked = false;
};
