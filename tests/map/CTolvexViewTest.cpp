#include "app/AppFixture.h"

#include "map/MapDrawing.h"

#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

namespace {

class TolvexView : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start({ TowerArea() }));
        view = ActiveView();
        ASSERT_NE(view, nullptr);
        doc = &view->GetDocument();
        view->parentWidget()->resize(400, 300);
    }

    int RoomIndex(int vnum) const { return doc->FindRoomIndex(vnum); }
    const CRoomData& Room(int vnum) const { return doc->rooms[static_cast<size_t>(RoomIndex(vnum))]; }

    // Where a point of the map is in the view's viewport.
    QPoint OnScreen(int x, int y) const
    {
        return QPoint(x - view->horizontalScrollBar()->value(), y - view->verticalScrollBar()->value());
    }

    CTolvexView* view = nullptr;
    CTolvexDoc* doc = nullptr;
};

TEST_F(TolvexView, StatusPaneNamesTheLevelAndTheSelectedRoom)
{
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
    view->SetShownLevel(2);
    view->SetSelection(RoomIndex(105));
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 2 - (105) The Roof"));
}

TEST_F(TolvexView, LevelsStopOneBeyondTheLevelsInUse)
{
    ASSERT_EQ(doc->lowestLevel, -1);
    ASSERT_EQ(doc->highestLevel, 2);
    view->SetSelection(0);
    view->OnMapLevelUp();
    EXPECT_EQ(view->Selection(), -1) << "a level change clears the selection";
    for (int i = 0; i < 5; ++i)
        view->OnMapLevelUp();
    EXPECT_EQ(view->ShownLevel(), 3);
    EXPECT_FALSE(view->IsCommandEnabled(Command::MapLevelUp));
    EXPECT_TRUE(view->IsCommandEnabled(Command::MapLevelDown));
    for (int i = 0; i < 9; ++i)
        view->OnMapLevelDown();
    EXPECT_EQ(view->ShownLevel(), -2);
    EXPECT_FALSE(view->IsCommandEnabled(Command::MapLevelDown));
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level -2"));
}

TEST_F(TolvexView, ZoomDoublesAndHalvesBetweenThreeAnd192ForEveryWindowOfTheArea)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* other = ActiveView();
    ASSERT_NE(other, view);
    const int otherRange = other->horizontalScrollBar()->maximum();

    const int expectedIn[] = { 24, 48, 96, 192, 192 };
    for (int expected : expectedIn) {
        view->OnMapZoomIn();
        EXPECT_EQ(doc->cellSize, expected);
    }
    EXPECT_FALSE(view->IsCommandEnabled(Command::MapZoomIn));
    EXPECT_EQ(Room(101).y + 4 * 192, Room(100).y) << "laid out again at the new size";
    EXPECT_GT(other->horizontalScrollBar()->maximum(), otherRange) << "the other window follows the new size";
    EXPECT_FALSE(doc->IsModified()) << "zooming does not change the area";

    const int expectedOut[] = { 96, 48, 24, 12, 6, 3, 3 };
    for (int expected : expectedOut) {
        view->OnMapZoomOut();
        EXPECT_EQ(doc->cellSize, expected);
    }
    EXPECT_FALSE(view->IsCommandEnabled(Command::MapZoomOut));
    EXPECT_TRUE(view->IsCommandEnabled(Command::MapZoomIn));
}

TEST_F(TolvexView, ClickSelectsTheRoomWithinTenUnitsOfItsCentre)
{
    ActiveChild()->show();
    const CRoomData& gate = Room(100);
    struct Case {
        int dx;
        int dy;
        int selected;
    };
    const Case cases[] = { { 0, 0, RoomIndex(100) }, { 10, -10, RoomIndex(100) }, { 11, 0, -1 }, { 0, 11, -1 } };
    for (const Case& c : cases) {
        view->SetSelection(-1);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, OnScreen(gate.x + c.dx, gate.y + c.dy));
        EXPECT_EQ(view->Selection(), c.selected) << "click at " << c.dx << "," << c.dy;
    }
}

TEST_F(TolvexView, PaintsTheShownLevelWhereTheScrollBarsSay)
{
    ActiveChild()->show();
    view->OnMapZoomIn();
    view->OnMapZoomIn();
    // Scrolls the map point towards the top left, and gives the colour
    // painted there.
    const auto paintedAt = [this](int x, int y) -> QRgb {
        view->horizontalScrollBar()->setValue(x - 100);
        view->verticalScrollBar()->setValue(y - 100);
        const QImage image = view->viewport()->grab().toImage();
        EXPECT_TRUE(image.rect().contains(OnScreen(x, y)));
        return image.pixel(OnScreen(x, y));
    };

    const CRoomData& garden = Room(103);
    const CMapColor colour = SectorColor(doc->Tables(), garden.sector);
    EXPECT_EQ(paintedAt(garden.x, garden.y), qRgb(colour.r, colour.g, colour.b)) << "the room's box";
    ASSERT_GT(view->horizontalScrollBar()->value(), 0) << "the test needs the map scrolled";

    // The cellar, one level down, shows as a grey outline a third of a cell up and left.
    const CRoomData& cellar = Room(106);
    const int shift = doc->cellSize / -3;
    EXPECT_EQ(paintedAt(cellar.x - doc->cellSize + shift, cellar.y - doc->cellSize + shift), qRgb(210, 210, 210))
        << "the ghost's corner";
}

TEST_F(TolvexView, SelectionLeftBeyondTheRoomsByAnotherWindowCountsAsNone)
{
    view->SetSelection(static_cast<int>(doc->rooms.size()) - 1);
    doc->rooms.pop_back();
    doc->NotifyChanged();
    EXPECT_EQ(view->Selection(), -1);
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
    EXPECT_FALSE(view->viewport()->grab().isNull());
}

TEST_F(TolvexView, MapStatusBarToggleHidesOnlyThisWindowsBar)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* other = ActiveView();
    other->OnViewMapStatusBar();
    EXPECT_TRUE(qobject_cast<CChildFrame*>(other->parentWidget())->MapStatusBar()->isHidden());
    EXPECT_FALSE(qobject_cast<CChildFrame*>(view->parentWidget())->MapStatusBar()->isHidden());
    EXPECT_FALSE(other->IsCommandChecked(Command::ViewMapStatusBar));
    EXPECT_TRUE(view->IsCommandChecked(Command::ViewMapStatusBar));
}

} // namespace
