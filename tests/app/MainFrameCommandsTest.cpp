#include "AppFixture.h"

#include "app/CommandTable.h"

#include <QApplication>
#include <QDialog>
#include <QTableWidget>
#include <QTextBrowser>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QUrl>

namespace {

using MainFrameCommands = AppFixture;

// Actions are found by their command's position in the table.
TEST_F(MainFrameCommands, EveryCommandHasItsOwnActionWithItsIcon)
{
    ASSERT_TRUE(Start());
    for (size_t i = 0; i < CommandTable().size(); ++i)
        ASSERT_EQ(static_cast<size_t>(CommandTable()[i].id), i) << CommandTable()[i].objectName << " is out of order";
    EXPECT_FALSE(Action(Command::MapZoomIn)->icon().isNull()) << "toolbar icons come from the resources";
}

TEST_F(MainFrameCommands, EnablingFollowsTheActiveMapWindowAndTheMobprogSetting)
{
    // The names of the commands offered among these.
    const auto enabled = [this](std::initializer_list<Command> commands) {
        QStringList names;
        for (Command c : commands)
            if (Enabled(c))
                names << Action(c)->objectName().remove(QStringLiteral("action"));
        return names.join(QLatin1Char(' '));
    };
    ASSERT_TRUE(Start({}, 0));
    EXPECT_EQ(enabled({ Command::FileNew, Command::FileSave, Command::FilePrint, Command::MapLevelUp, Command::ObjectsList,
                  Command::MobsList, Command::WindowNew }),
        QStringLiteral("FileNew"))
        << "without a map window";

    ASSERT_NE(app->OpenDocumentFile(TowerArea()), nullptr);
    EXPECT_EQ(enabled({ Command::FileSave, Command::EditUndo, Command::EditCopy, Command::EditPaste,
                  Command::MapLevelDown, Command::MapZoomOut, Command::ObjectsList, Command::MobsList, Command::MobsMobprogs,
                  Command::WindowTile }),
        QStringLiteral("FileSave EditPaste MapLevelDown MapZoomOut ObjectsList MobsList WindowTile"))
        << "nothing to undo, no room to copy; MOBPROG 0 disables Mobprogs";
    ASSERT_TRUE(Start({ TowerArea() }, 1)) << "MOBPROG 1";
    EXPECT_TRUE(Enabled(Command::MobsMobprogs)) << "MOBPROG 1 with an area open";

    app->CloseAllDocuments();
    EXPECT_EQ(Frame()->ShownMenus(), MenuSet::WithoutArea);
}

TEST_F(MainFrameCommands, MobprogWrittenInTheListIsSavedUnderTheFirstFreeVnum)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    QObject timers;
    OnNextModal(timers, nullptr, [](QWidget* modal) {
        Click(modal, "newButton"); // the focus and keys of the list: MobprogListDlgTest
        auto* code = Find<QWidget>(modal, "codeEdit");
        QTest::keyClicks(code, QStringLiteral("say hello"));
        QTest::keyClick(code, Qt::Key_Escape);
    });
    Action(Command::MobsMobprogs)->trigger();
    EXPECT_TRUE(Frame()->isWindowModified());
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Edit Mobprog 100"));
    Action(Command::FileSave)->trigger();
    const std::string saved = ReadWholeFile(temp.filePath(QStringLiteral("tower.are")).toStdString());
    EXPECT_NE(saved.find("#MOBPROGS\n#100\nsay hello~\n#0\n"), std::string::npos) << saved;
}

TEST_F(MainFrameCommands, NewWindowShowsTheSameAreaUnderNumberedCaptions)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    CAreaDocument* document = app->Documents().front();
    CTolvexView* first = ActiveView();
    Action(Command::WindowNew)->trigger();
    CTolvexView* second = ActiveView();
    ASSERT_NE(first, second);
    EXPECT_EQ(&second->Document(), document);
    ASSERT_EQ(document->Frames().size(), 2u);
    EXPECT_EQ(CChildFrame::Of(document->Frames()[0])->windowTitle(), QStringLiteral("tower.are:1[*]"));
    EXPECT_EQ(CChildFrame::Of(document->Frames()[1])->windowTitle(), QStringLiteral("tower.are:2[*]"));

    // Each window keeps its own level; a change to the area reaches both.
    second->OnMapLevelUp();
    EXPECT_EQ(first->ShownLevel(), 0);
    EXPECT_EQ(second->ShownLevel(), 1);
    ChangeHeader(*document, [](CAreaHeader& h) { h.name += " West"; });
    for (IAreaWindow* window : document->Frames())
        EXPECT_TRUE(CChildFrame::Of(window)->isWindowModified()) << CChildFrame::Of(window)->windowTitle().toStdString();
    EXPECT_TRUE(Frame()->isWindowModified()) << "the main title follows at once, without waiting for a poll";

    // Closing one window leaves the area open in the other, without asking.
    delete qobject_cast<QMdiSubWindow*>(CChildFrame::Of(document->Frames()[1])->parentWidget());
    EXPECT_TRUE(prompt.asked.empty());
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(CChildFrame::Of(document->Frames()[0])->windowTitle(), QStringLiteral("tower.are[*]"));
}

TEST_F(MainFrameCommands, FilesDroppedOnTheFrameOpen)
{
    ASSERT_TRUE(Start());
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(TowerArea()) });
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Frame(), &drop);
    EXPECT_EQ(app->Documents().size(), 1u);
}

// F1 opens the guide that lies with the program; Keyboard Shortcuts lists
// the command table's keys by menu.
TEST_F(MainFrameCommands, HelpOpensTheGuideAndListsEveryCommandsKeys)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(Action(Command::HelpGuide)->shortcut(), QKeySequence(Qt::Key_F1));
    Action(Command::HelpGuide)->trigger();
    Action(Command::HelpGuide)->trigger(); // raises the one window
    QList<QWidget*> guides;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("guideWindow") && window->isVisible())
            guides << window;
    ASSERT_EQ(guides.size(), 1);
    auto* browser = Find<QTextBrowser>(guides[0], "guideBrowser");
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("guide.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("tolvex-cli")));
    delete guides[0];
    EXPECT_TRUE(prompt.shown.empty());

    QStringList rows;
    QObject timers;
    OnNextModal(timers, nullptr, [&rows](QWidget* modal) {
        auto* table = Find<QTableWidget>(modal, "shortcutsTable");
        for (int row = 0; row < table->rowCount(); ++row)
            rows << QStringLiteral("%1 | %2 | %3").arg(table->item(row, 0)->text(), table->item(row, 1)->text(), table->item(row, 2)->text());
        qobject_cast<QDialog*>(modal)->accept();
    });
    Action(Command::HelpShortcuts)->trigger();
    for (const char* row : { "File | Save as... | Ctrl+Shift+S", "Edit | Redo | Ctrl+Y, Ctrl+Shift+Z", "Help | User Guide | F1" })
        EXPECT_TRUE(rows.contains(QLatin1String(row))) << row << " in\n"
                                                       << rows.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainFrameCommands, MosaicStacksTheWindowsAsFullWidthStrips)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    Frame()->resize(800, 600);
    Action(Command::WindowNew)->trigger();
    Action(Command::WindowNew)->trigger();
    Action(Command::WindowTile)->trigger();
    const QList<QMdiSubWindow*> windows = Frame()->MdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    int nextTop = 0;
    for (QMdiSubWindow* sub : windows) {
        EXPECT_EQ(sub->geometry(), QRect(0, nextTop, Frame()->MdiArea()->viewport()->width(), sub->height()))
            << "strips follow each other without overlapping";
        nextTop = sub->geometry().bottom() + 1;
    }
    EXPECT_EQ(nextTop, Frame()->MdiArea()->viewport()->height());
}

} // namespace
