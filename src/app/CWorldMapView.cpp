#include "app/CWorldMapView.h"

#include "app/CWorld.h"
#include "draw/MapDrawing.h"
#include "gui/Prompt.h"

#include <algorithm>

const QString CWorldMapDocument::Title = QStringLiteral("World Map");

CWorldMapDocument::CWorldMapDocument(CWorld& openWorld, CConfigTables& tables)
    : QObject(&openWorld)
    , world(openWorld)
    , picture(tables)
{
    picture.SetTitle(Title);
    picture.SetOtherAreas(this);
    for (CAreaDocument* area : world.Documents())
        connect(area, &CAreaDocument::RecordsChanged, this, &CWorldMapDocument::Rebuild);
    connect(&world, &CWorld::AreaAdded, this, [this](CAreaDocument* area) {
        connect(area, &CAreaDocument::RecordsChanged, this, &CWorldMapDocument::Rebuild);
        Rebuild();
    });
    Rebuild();
}

void CWorldMapDocument::Rebuild()
{
    picture.Rebuild([this](CTolvexDoc& doc) { map.Build(world.Areas(), doc); });
    const std::vector<CRoomData>& rooms = picture.Doc().rooms;
    colors.resize(rooms.size());
    for (size_t i = 0; i < rooms.size(); ++i)
        colors[i] = TintColor(SectorColor(picture.Doc().Tables(), rooms[i].sector), CWorld::AreaTint(map.AreaOf(i)));
}

CAreaDocument* CWorldMapDocument::AreaOf(int room) const
{
    if (room < 0 || static_cast<size_t>(room) >= picture.Doc().rooms.size())
        return nullptr;
    return world.AreaDocument(map.AreaOf(static_cast<size_t>(room)));
}

int CWorldMapDocument::IndexInArea(int room) const
{
    return static_cast<int>(map.IndexInArea(static_cast<size_t>(room)));
}

int CWorldMapDocument::MapIndex(const CAreaDocument& area, int index) const
{
    const int at = world.AreaIndex(&area);
    if (at < 0 || index < 0)
        return -1;
    return static_cast<int>(map.MapIndex(static_cast<size_t>(at), static_cast<size_t>(index)));
}

CWorldMapView::CWorldMapView(CWorldMapDocument& worldMap, QWidget* parent)
    : CTolvexView(worldMap.Picture(), parent)
    , map(worldMap)
{
    setObjectName(QStringLiteral("worldMapView"));
}

CWorldMapView::~CWorldMapView() = default;

CTolvexView* CWorldMapView::AreaView()
{
    const int selected = Selection();
    CAreaDocument* area = map.AreaOf(selected);
    if (!area)
        return nullptr;
    if (!areaView || &areaView->Document() != area) {
        // Hidden, inside this window, so that the area's dialogs open over it.
        areaView = std::make_unique<CTolvexView>(*area, this);
        areaView->hide();
        connect(areaView.get(), &CTolvexView::StateChanged, this, &CWorldMapView::FollowAreaView);
    }
    const int index = map.IndexInArea(selected);
    if (areaView->Selection() != index) {
        following = true;
        const CRoomData& room = area->Doc().rooms[static_cast<size_t>(index)];
        areaView->SetShownLevel(room.unplaced ? 0 : room.level);
        areaView->SetSelection(index);
        following = false;
    }
    return areaView.get();
}

void CWorldMapView::FollowAreaView()
{
    // A room the area's commands made or chose is selected here as well.
    if (following || !areaView)
        return;
    const int index = map.MapIndex(areaView->Document(), areaView->Selection());
    if (index >= 0 && index != Selection())
        GoToRoom(index);
}

QString CWorldMapView::RoomToolTip(int index) const
{
    const CAreaDocument* area = map.AreaOf(index);
    return CTolvexView::RoomToolTip(index) + (area ? QStringLiteral(" (%1)").arg(area->Title()) : QString());
}
