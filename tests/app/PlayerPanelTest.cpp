#include "AppFixture.h"

#include "app/CPlayerPanel.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class PlayerPanel : public AppFixture {
protected:
    CPlayerPanel* Panel() const { return Frame()->findChild<CPlayerPanel*>(QStringLiteral("playerPanel")); }
    QString Shown() const { return Panel()->findChild<QPlainTextEdit*>(QStringLiteral("playerText"))->toPlainText(); }
    QLineEdit* CommandLine() const { return Panel()->findChild<QLineEdit*>(QStringLiteral("playerCommand")); }
    int SelectedVnum() const { return ActiveView()->GetDocument().rooms[static_cast<size_t>(ActiveView()->Selection())].vnum; }
    void Type(const char* keys)
    {
        QTest::keyClicks(CommandLine(), QString::fromLatin1(keys));
        QTest::keyClick(CommandLine(), Qt::Key_Return);
    }
};

// The view follows the map's selection, and walking with typed commands
// moves the map's selection, all with the keys alone; the area never changes.
TEST_F(PlayerPanel, FollowsTheMapAndWalksItWithTheKeys)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    ShowActive(Frame());
    QAction* toggle = Frame()->findChild<QAction*>(QStringLiteral("actionViewPlayer"));
    ASSERT_NE(toggle, nullptr);
    ActiveView()->GoToRoom(ActiveView()->GetDocument().FindRoomIndex(100));
    toggle->trigger();
    ASSERT_TRUE(Panel()->isVisible());
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The Gate\n  A gate.\n\n[Exits: north east up]"))) << Shown().toStdString();

    Type("north");
    EXPECT_EQ(SelectedVnum(), 101);
    EXPECT_TRUE(Shown().contains(QStringLiteral("> north\nThe Hall\n  A hall.\n"))) << Shown().toStdString();
    EXPECT_TRUE(CommandLine()->text().isEmpty());

    Type("close east");
    Type("east");
    EXPECT_EQ(SelectedVnum(), 101);
    EXPECT_TRUE(Shown().contains(QStringLiteral("> east\nThe door is closed."))) << Shown().toStdString();
    EXPECT_FALSE(app->Documents().front()->IsModified());

    // A room chosen on the map is shown afresh; Escape gives the keys back to the map.
    ActiveView()->GoToRoom(ActiveView()->GetDocument().FindRoomIndex(102));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The Vault\n"))) << Shown().toStdString();
    EXPECT_EQ(Panel()->Room(), 102);
    QTest::keyClick(CommandLine(), Qt::Key_Escape);
    EXPECT_EQ(Frame()->focusWidget(), ActiveView());
    QTest::keyClick(ActiveView(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Frame()->focusWidget(), CommandLine());

    // Reset Area boots again: the door closed by hand is open once more.
    Panel()->ResetArea();
    ActiveView()->GoToRoom(ActiveView()->GetDocument().FindRoomIndex(101));
    Type("east");
    EXPECT_EQ(SelectedVnum(), 102);

    // Climbing changes the map's level on the way to the room: what was
    // printed stays.
    ActiveView()->GoToRoom(ActiveView()->GetDocument().FindRoomIndex(100));
    Type("up");
    EXPECT_NE(SelectedVnum(), 100);
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("The Gate\n"))) << Shown().toStdString();
    EXPECT_TRUE(Shown().contains(QStringLiteral("\n\n> up\n"))) << Shown().toStdString();
}

} // namespace
