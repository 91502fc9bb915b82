#include "AppFixture.h"

#include "app/CFindInWorldDlg.h"
#include "app/CProblemsPanel.h"
#include "app/CWorld.h"
#include "app/CWorldPanel.h"
#include "gui_support/DialogDriver.h"

#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class WorldWindows : public AppFixture {
protected:
    // The crafted world copied beside its list, as a builder's MUD folder.
    QString CopyWorld()
    {
        for (const char* name : { "area.lst", "town.are", "forest.are", "cave.are" })
            WriteFile(QString::fromLatin1(name), ReadWholeFile(SourcePath(std::string("tests/data/world-crafted/") + name)));
        return temp.filePath(QStringLiteral("area.lst"));
    }
    QTreeWidget* List() const { return Frame()->findChild<QTreeWidget*>(QStringLiteral("worldList")); }
    CWorldPanel* Panel() const { return Frame()->findChild<CWorldPanel*>(QStringLiteral("worldPanel")); }
    void Settle() const
    {
        (void)QTest::qWaitFor([this] {
            return !Panel()->RefreshPending() && !Frame()->findChild<CProblemsPanel*>()->RefreshPending();
        });
    }
    std::string Lines() const { return Settle(), TreeRows(List(), " "); }
    CAreaDocument& Area(int entry) const { return *app->World()->Entries()[static_cast<size_t>(entry)].document; }
};

} // namespace

// The list's areas open together, without windows; a missing name is told,
// not fatal; a line shows its area's map, whose closing keeps the area and
// its changes; the Problems panel checks the area in the world.
TEST_F(WorldWindows, AnAreaListOpensItsAreasInTheWorldPanel)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_NE(app->World(), nullptr);
    EXPECT_EQ(app->Documents().size(), 3u);
    EXPECT_EQ(ActiveChild(), nullptr) << "no map window until the builder asks";
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(prompt.Told(), QStringLiteral("These areas of area.lst could not be opened:\nmissing.are: No such file or directory"));
    EXPECT_EQ(Lines(),
        "town.are Town 1000-1099 2 0 1 0 3 1 / forest.are Forest 2000-2099 2 1 1 1 1 2 / "
        "missing.are No such file or directory        / cave.are Cave 2050-2150 1 0 0 0 0 2");
    EXPECT_EQ(List()->topLevelItem(3)->toolTip(2), QStringLiteral("Overlaps forest.are (2000-2099)"));

    List()->setCurrentItem(List()->topLevelItem(0));
    QTest::keyClick(List(), Qt::Key_Return);
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(&ActiveChild()->Document(), &Area(0));
    const std::string problems = TreeRows(Frame()->findChild<QTreeView*>(QStringLiteral("problemsList")), " | ");
    EXPECT_NE(problems.find("leads to room 4444, which no area of the world has"), std::string::npos) << problems;

    CRoomData room = Area(0).Doc().rooms[1];
    room.name = "The Old Gate";
    ASSERT_TRUE(Area(0).Editor().ReplaceRoom(1, room));
    ASSERT_TRUE(ActiveChild()->parentWidget()->close());
    EXPECT_TRUE(prompt.Asked().isEmpty()) << "the area stays open in the world";
    ASSERT_EQ(app->Documents().size(), 3u);
    EXPECT_TRUE(Area(0).IsModified());
    EXPECT_EQ(Lines().substr(0, 11), "town.are * ");

    // Closing the world asks once for its modified areas.
    prompt.answers = { QMessageBox::Cancel };
    EXPECT_FALSE(app->CloseWorld());
    EXPECT_EQ(prompt.Asked(), QStringLiteral("Save changes to these areas of the world?\ntown.are"));
    prompt.Clear();
    prompt.answers = { QMessageBox::Yes };
    EXPECT_TRUE(app->CloseWorld());
    EXPECT_EQ(app->World(), nullptr);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("town.are")).toStdString()).find("The Old Gate~"), std::string::npos);
}

TEST_F(WorldWindows, SaveAllSavesEveryModifiedArea)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    for (int entry : { 1, 3 }) {
        CRoomData room = Area(entry).Doc().rooms[0];
        room.name += " renamed";
        ASSERT_TRUE(Area(entry).Editor().ReplaceRoom(0, room));
    }
    ASSERT_TRUE(Action(Command::FileSaveAll)->isEnabled());
    EXPECT_EQ(Action(Command::FileSaveAll)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    Action(Command::FileSaveAll)->trigger();
    EXPECT_FALSE(Area(1).IsModified() || Area(3).IsModified());
    EXPECT_NE(ReadWholeFile(temp.filePath(QStringLiteral("cave.are")).toStdString()).find("The Cave Mouth renamed~"), std::string::npos);
}

// Ctrl+Shift+F works without a map window: Enter searches the world and
// leaves the list with nothing chosen, Enter on a line shows that area's room
// selected; the open dialog follows an area's change and the world's closing.
TEST_F(WorldWindows, FindInWorldListsTheWorldsMatchesAndShowsTheRoomOfALine)
{
    ASSERT_TRUE(Start({ CopyWorld() }));
    ASSERT_TRUE(Enabled(Command::EditFindInWorld));
    EXPECT_TRUE(Frame()->findChild<QMenu*>(QStringLiteral("menuEditWithoutArea"))->actions().contains(Action(Command::EditFindInWorld)));
    ShowActive(Frame());
    QTest::keyClick(Frame(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = Find<CFindInWorldDlg>(Frame(), "findInWorldDialog");
    ASSERT_TRUE(dialog->isVisible());
    auto* text = Find<QLineEdit>(dialog, "findText");
    auto* results = Find<QListWidget>(dialog, "findResults");
    ShowActive(dialog);
    EXPECT_TRUE(text->hasFocus());
    QTest::keyClicks(text, QStringLiteral("1001"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(ListLines(results), "Room 1001 The Gate \u2014 town.are|Room 1001 A Stray Clearing \u2014 forest.are");
    EXPECT_EQ(Find<QLabel>(dialog, "findCount")->text(), QStringLiteral("2 matches"));
    EXPECT_TRUE(results->hasFocus() && results->selectedItems().isEmpty());
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(ActiveChild(), nullptr) << "nothing chosen, nothing shown";
    QTest::keyClick(results, Qt::Key_Down);
    QTest::keyClick(results, Qt::Key_Down);
    QTest::keyClick(results, Qt::Key_Return);
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(&ActiveChild()->Document(), &Area(1));
    EXPECT_EQ(ActiveView()->Selection(), Area(1).Doc().FindRoomIndex(1001));
    EXPECT_TRUE(dialog->isVisible()) << "kept open for the next line";

    CRoomData room = Area(1).Doc().rooms[1];
    room.name = "A Clearing";
    ASSERT_TRUE(Area(1).Editor().ReplaceRoom(1, room));
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return !dialog->RefreshPending(); }));
    EXPECT_EQ(ListLines(results, true), "Room 1001 The Gate \u2014 town.are|Room 1001 A Clearing \u2014 forest.are*");
    prompt.answers = { QMessageBox::No };
    ASSERT_TRUE(app->CloseWorld());
    EXPECT_EQ(results->count(), 0) << "no line outlives its world";
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}
