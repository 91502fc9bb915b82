#include "AppFixture.h"

#include "app/CProblemsPanel.h"
#include "gui_support/DialogDriver.h"

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

namespace {

using ProblemsPanel = AppFixture;

CProblemsPanel* Panel(CMainFrame* frame)
{
    return frame->findChild<CProblemsPanel*>(QStringLiteral("problemsPanel"));
}

// Each line as "where | text".
QStringList Lines(CMainFrame* frame)
{
    QStringList lines;
    auto* list = frame->findChild<QTreeWidget*>(QStringLiteral("problemsList"));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        lines << list->topLevelItem(i)->text(0) + QStringLiteral(" | ") + list->topLevelItem(i)->text(1);
    return lines;
}

QTreeWidgetItem* LineStartingWith(CMainFrame* frame, const QString& where)
{
    auto* list = frame->findChild<QTreeWidget*>(QStringLiteral("problemsList"));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0).startsWith(where))
            return list->topLevelItem(i);
    return nullptr;
}

void DoubleClick(QTreeWidgetItem* item)
{
    QTreeWidget* list = item->treeWidget();
    const QPoint at = list->visualItemRect(item).center();
    // As the mouse does it: the first click, then the second as a double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QString CountPane(CMainFrame* frame)
{
    return frame->findChild<QLabel*>(QStringLiteral("problemCountPane"))->text();
}

} // namespace

TEST_F(ProblemsPanel, ListsTheLoadWarningsThenTheFindingsAndFollowsEveryChange)
{
    ASSERT_TRUE(Start());
    const QString path = WriteFile(QStringLiteral("unknown.are"), ReadAll(SourcePath("tests/data/check-unknown-reset/input.are")));
    CAreaDocument* document = app->OpenDocumentFile(path);
    ASSERT_TRUE(document);
    EXPECT_EQ(Lines(Frame()),
        QStringList({ QStringLiteral("line 68 | The reset at line 68 has the unknown command 'Q' and will not be saved."),
            QStringLiteral("Room 100, line 68 | Room 100 has a reset with the command Q, which the server does not know; "
                           "it is not saved.") }));
    EXPECT_EQ(CountPane(Frame()), QStringLiteral("1 error, 1 warning"));

    // Changes through the area's operations, and their undoing: the list and
    // the counts follow each at once.
    CRoomData room = document->Doc().rooms[0];
    room.resets.pop_back();
    ASSERT_TRUE(document->Editor().ReplaceRoom(0, room));
    EXPECT_EQ(CountPane(Frame()), QStringLiteral("0 errors, 1 warning"));
    CAreaHeader header = document->Doc().Header();
    header.upperVnum = 100;
    document->Editor().ReplaceHeader(header);
    EXPECT_EQ(Lines(Frame()).size(), 3) << Lines(Frame()).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(CountPane(Frame()), QStringLiteral("0 errors, 3 warnings"));
    document->Editor().Undo();
    document->Editor().Undo();
    EXPECT_EQ(CountPane(Frame()), QStringLiteral("1 error, 1 warning"));

    app->CloseAllDocuments();
    EXPECT_TRUE(Lines(Frame()).isEmpty());
    EXPECT_EQ(CountPane(Frame()), QString());
}

TEST_F(ProblemsPanel, ATriggerFindsItsProgramInAnotherOpenAreaUntilThatAreaCloses)
{
    const QString mobs = WriteFile(QStringLiteral("mobs.are"), ReadAll(SourcePath("tests/data/check-trigger-without-program/input.are")));
    const QString programs = WriteFile(QStringLiteral("progs.are"),
        "#AREADATA\nName Progs~\nVNUMs 9000 9099\nEnd\n\n#MOBPROGS\n#9001\nsay hello\n~\n#0\n\n#$\n");
    ASSERT_TRUE(Start({ mobs }));
    CAreaDocument& area = ActiveChild()->Document();
    const QString missing = QStringLiteral("mobprog 9001, which is not in this area");
    EXPECT_TRUE(Lines(Frame()).join(QLatin1Char('\n')).contains(missing)) << "alone, the program is missing";

    CAreaDocument* other = app->OpenDocumentFile(programs);
    ASSERT_TRUE(other);
    Frame()->ActivateFrame(CChildFrame::Of(area.Frames().front()));
    ASSERT_EQ(&ActiveChild()->Document(), &area);
    EXPECT_FALSE(Lines(Frame()).join(QLatin1Char('\n')).contains(missing)) << "the other open area has it";

    // The listed area stays active while the other one closes.
    ASSERT_TRUE(app->CloseDocument(*other));
    ASSERT_EQ(&ActiveChild()->Document(), &area);
    EXPECT_TRUE(Lines(Frame()).join(QLatin1Char('\n')).contains(missing)) << "closing the other area takes the program away";
}

TEST_F(ProblemsPanel, DoubleClickOnARoomSelectsItOnTheMapOnItsLevel)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    CTolvexView* view = ActiveView();
    ASSERT_EQ(view->ShownLevel(), 0);
    const CTolvexDoc& doc = view->GetDocument();
    CAreaHeader header = doc.Header();
    header.upperVnum = 104; // rooms 105 (level 2), 106 (level -1) and 107 (level 1) fall outside
    view->Document().Editor().ReplaceHeader(header);
    QTreeWidgetItem* roof = LineStartingWith(Frame(), QStringLiteral("Room 105"));
    ASSERT_TRUE(roof) << Lines(Frame()).join(QLatin1Char('\n')).toStdString();
    DoubleClick(roof);
    EXPECT_EQ(view->Selection(), doc.FindRoomIndex(105));
    EXPECT_EQ(view->ShownLevel(), 2);

    DoubleClick(LineStartingWith(Frame(), QStringLiteral("Room 106")));
    EXPECT_EQ(view->Selection(), doc.FindRoomIndex(106));
    EXPECT_EQ(view->ShownLevel(), -1);
}

TEST_F(ProblemsPanel, DoubleClickOnAnObjectOpensItsEditor)
{
    const QString path = WriteFile(QStringLiteral("dup.are"), ReadAll(SourcePath("tests/data/check-vnum-not-positive/input.are")));
    ASSERT_TRUE(Start({ path }));
    QTreeWidgetItem* object = LineStartingWith(Frame(), QStringLiteral("Object -3"));
    ASSERT_TRUE(object) << Lines(Frame()).join(QLatin1Char('\n')).toStdString();
    QString opened;
    OnNextModal(
        *Frame(), [&opened](QWidget* modal) { opened = modal->objectName(); }, "cancelButton");
    DoubleClick(object);
    EXPECT_EQ(opened, QStringLiteral("objectEditDialog"));
    EXPECT_FALSE(ActiveChild()->Document().IsModified()) << "Cancel is no step";
}

TEST_F(ProblemsPanel, SavingWithErrorsSavesAndSaysSoInTheStatusBar)
{
    const QString path = WriteFile(QStringLiteral("door.are"), ReadAll(SourcePath("tests/data/check-door-reset-bad-state/input.are")));
    ASSERT_TRUE(Start({ path }));
    CAreaDocument& document = ActiveChild()->Document();
    CRoomData room = document.Doc().rooms[0];
    room.name = "Changed";
    document.Editor().ReplaceRoom(0, room);
    ASSERT_TRUE(app->SaveDocument(document, false));
    EXPECT_FALSE(document.IsModified());
    EXPECT_NE(ReadAll(path.toStdString()).find("Changed~"), std::string::npos);
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), QStringLiteral("Saved with 1 error the server will refuse"));
    const QStringList saved { QStringLiteral(
        "Room 100 | Room 100: the D reset gives the door north the state 3; "
        "the server knows only 0 (open), 1 (closed) and 2 (closed and locked).") };
    EXPECT_EQ(Lines(Frame()), saved) << "the lines of the file as read no longer hold once it is written";
    document.Editor().Undo();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Lines(Frame()), saved) << "nor do they come back with the step undone past the save";
}

TEST_F(ProblemsPanel, ViewProblemsShowsOrHidesThePanelAndIsRemembered)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    QAction* toggle = Frame()->findChild<QAction*>(QStringLiteral("actionViewProblems"));
    ASSERT_TRUE(toggle);
    EXPECT_TRUE(Frame()->findChild<QMenu*>(QStringLiteral("menuView"))->actions().contains(toggle));
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked()) << "shown until the builder hides it";
    EXPECT_TRUE(Panel(Frame())->isVisible());

    toggle->trigger();
    EXPECT_FALSE(Panel(Frame())->isVisible());
    app.reset();
    ASSERT_TRUE(Start());
    EXPECT_FALSE(Panel(Frame())->isVisible()) << "hidden at the next start";
    EXPECT_FALSE(Frame()->findChild<QAction*>(QStringLiteral("actionViewProblems"))->isChecked());
    Frame()->findChild<QAction*>(QStringLiteral("actionViewProblems"))->trigger();
    app.reset();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Panel(Frame())->isVisible());
}
