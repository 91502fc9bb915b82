#include "gui_support/TowerViewFixture.h"

#include "draw/MapDrawing.h"

#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

namespace {

using TolvexView = TowerViewFixture;

TEST_F(TolvexView, LevelsStopOneBeyondTheLevelsInUseAndTheStatusPaneNamesThem)
{
    view->SetShownLevel(2);
    view->SetSelection(RoomIndex(105));
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 2 - (105) The Roof"));
    view->OnMapLevelUp();
    EXPECT_EQ(view->Selection(), -1) << "a level change clears the selection";
    view->OnMapLevelUp();
    EXPECT_EQ(view->ShownLevel(), 3) << "highest level in use is " << doc->highestLevel;
    for (int i = 0; i < 9; ++i)
        view->OnMapLevelDown();
    EXPECT_EQ(view->ShownLevel(), -2) << "lowest level in use is " << doc->lowestLevel;
    Frame()->UpdateActions();
    EXPECT_FALSE(Action(Command::MapLevelDown)->isEnabled());
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level -2"));
}

TEST_F(TolvexView, ZoomDoublesAndHalvesBetweenThreeAnd192ForEveryWindowOfTheArea)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* other = ActiveView();
    ASSERT_NE(other, view);
    const int otherRange = other->horizontalScrollBar()->maximum();
    for (int i = 0; i < 5; ++i)
        view->OnMapZoomIn();
    EXPECT_EQ(view->Document().CellSize(), 192);
    Frame()->UpdateActions();
    EXPECT_FALSE(Action(Command::MapZoomIn)->isEnabled());
    EXPECT_GT(other->horizontalScrollBar()->maximum(), otherRange) << "the other window follows the new size";
    EXPECT_FALSE(view->Document().IsModified()) << "zooming does not change the area";
    for (int i = 0; i < 7; ++i)
        view->OnMapZoomOut();
    EXPECT_EQ(view->Document().CellSize(), 3);
    Frame()->UpdateActions();
    EXPECT_FALSE(Action(Command::MapZoomOut)->isEnabled());
}

TEST_F(TolvexView, PaintingAndClicksFollowTheScrollBars)
{
    ActiveChild()->show();
    view->parentWidget()->resize(400, 300);
    view->OnMapZoomIn();
    view->OnMapZoomIn();
    const CRoomData& garden = Room(103);
    const QPoint at(RoomX(garden, view->Document().CellSize()), RoomY(garden, view->Document().CellSize()));
    view->horizontalScrollBar()->setValue(at.x() - 100);
    view->verticalScrollBar()->setValue(at.y() - 100);
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    ASSERT_GT(scroll.x() * scroll.y(), 0) << "the test needs the map scrolled";
    const QPoint centre = at - scroll; // in the viewport
    const CMapColor colour = SectorColor(doc->Tables(), garden.sector);
    EXPECT_EQ(view->viewport()->grab().toImage().pixel(centre), qRgb(colour.r, colour.g, colour.b));
    // A click selects the room within ten units of its centre.
    const std::array<int, 3> clicks[] = { { 10, -10, RoomIndex(103) }, { 11, 0, -1 } };
    for (const auto& [dx, dy, selected] : clicks) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre + QPoint(dx, dy));
        EXPECT_EQ(view->Selection(), selected) << "click at " << dx << "," << dy;
    }
}

TEST_F(TolvexView, MapStatusBarToggleHidesOnlyThisWindowsBar)
{
    Action(Command::WindowNew)->trigger();
    ActiveView()->OnViewMapStatusBar();
    Frame()->UpdateActions();
    EXPECT_TRUE(ActiveChild()->MapStatusBar()->isHidden());
    EXPECT_FALSE(qobject_cast<CChildFrame*>(view->parentWidget())->MapStatusBar()->isHidden());
    EXPECT_FALSE(Action(Command::ViewMapStatusBar)->isChecked()) << "the check mark follows the active window";
    EXPECT_TRUE(view->MapStatusBarShown());
}

} // namespace
