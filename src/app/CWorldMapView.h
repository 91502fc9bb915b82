#pragma once

#include "area/OtherAreas.h"
#include "gui/CAreaDocument.h"
#include "map/CTolvexView.h"
#include "world/WorldMap.h"

#include <QObject>

#include <memory>
#include <vector>

class CWorld;

// The world map's document: copies of every area's rooms, laid out as one
// map and built again whenever an area's records change. It is never
// edited: what the builder does on the world map goes to the room's area.
class CWorldMapDocument : public QObject, private IOtherAreas {
    Q_OBJECT

public:
    CWorldMapDocument(CWorld& world, CConfigTables& tables);

    static const QString Title;

    CAreaDocument& Picture() { return picture; }
    // The area a room of the map belongs to, and the room's index there.
    CAreaDocument* AreaOf(int room) const;
    int IndexInArea(int room) const;
    // The map's room of an area's room, or -1.
    int MapIndex(const CAreaDocument& area, int index) const;
    const std::vector<CMapColor>& RoomColors() const { return colors; }

private:
    void Rebuild();
    // Every room of the world is on the map: an exit to no room of it leads nowhere.
    bool HasRoom(int) const override { return false; }
    std::string DescribeRoom(int) const override { return {}; }

    CWorld& world;
    CAreaDocument picture;
    CWorldMap map;
    std::vector<CMapColor> colors;
};

// A window on the world map: it shows, walks and zooms as an area's map
// does, and hands the room commands to the selected room's area.
class CWorldMapView : public CTolvexView {
    Q_OBJECT

public:
    explicit CWorldMapView(CWorldMapDocument& map, QWidget* parent = nullptr);
    ~CWorldMapView() override;

    // A view of the selected room's area with that room selected, on which
    // the area's commands act; null when no room is selected. What those
    // commands select there, the world map selects too.
    CTolvexView* AreaView();

protected:
    QString RoomToolTip(int index) const override;
    const std::vector<CMapColor>* RoomColors() const override { return &map.RoomColors(); }

private:
    void FollowAreaView();

    CWorldMapDocument& map;
    std::unique_ptr<CTolvexView> areaView;
    bool following = false;
};
