#include "AppFixture.h"

#include "app/CommandTable.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace {

using MainFrameCommands = AppFixture;

TEST(CommandTable, EveryCommandHasItsOwnRowInOrder)
{
    ASSERT_EQ(CommandTable().size(), static_cast<size_t>(Command::Count));
    for (size_t i = 0; i < CommandTable().size(); ++i)
        EXPECT_EQ(static_cast<size_t>(CommandTable()[i].id), i) << CommandTable()[i].objectName;
}

TEST_F(MainFrameCommands, ActionsCarryTheirKeysPromptsAndTooltips)
{
    ASSERT_TRUE(Start());
    struct Case {
        Command command;
        const char* keys;
        const char* statusTip;
        const char* toolTip;
    };
    const Case cases[] = {
        { Command::FileNew, "Ctrl+N", "Creates a new document", "New" },
        { Command::FileOpen, "Ctrl+O; Ctrl+A", "Opens an existing document", "Open" },
        { Command::FileSave, "Ctrl+S; Ctrl+G", "Saves the active document", "Save" },
        { Command::FilePrint, "Ctrl+P; Ctrl+I", "Prints the active document", "Print" },
        { Command::EditUndo, "Ctrl+Z; Alt+Backspace", "Undoes the last action", "Undo" },
        { Command::EditCut, "Ctrl+X; Shift+Del", "Cuts the selection to the clipboard", "Cut" },
        { Command::EditCopy, "Ctrl+C; Ctrl+Ins", "Copies the selection to the clipboard", "Copy" },
        { Command::EditPaste, "Ctrl+V; Shift+Ins", "Pastes the contents of the clipboard", "Paste" },
        { Command::RoomsNew, "Ins", "Creates a new room", "New Room" },
        { Command::RoomsDelete, "Del", "Deletes the selected room", "Delete Room" },
        { Command::RoomsCreateUp, "Ctrl+PgUp", "Creates a room above the selected room", "Create Room Up" },
        { Command::RoomsCreateDown, "Ctrl+PgDown", "Creates a room below the selected room", "Create Room Down" },
        { Command::ViewMapStatusBar, "", "Shows or hides the map statusbar", "Show/Hide Map Stausbar" },
        { Command::WindowArrange, "", "Organiza los iconos en la parte inferior de la ventana", "Organizar iconos" },
        { Command::NextPane, "F6", "Changes to the next window section", "Next Pane" },
    };
    for (const Case& c : cases) {
        QAction* action = Action(c.command);
        const std::string name = action->objectName().toStdString();
        EXPECT_EQ(QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText).toStdString(), c.keys)
            << name;
        EXPECT_EQ(action->statusTip().toStdString(), c.statusTip) << name;
        EXPECT_EQ(action->toolTip().toStdString(), c.toolTip) << name;
    }
}

TEST_F(MainFrameCommands, ToolbarHoldsTheButtonsInOrderWithSeparators)
{
    ASSERT_TRUE(Start());
    QStringList names;
    for (QAction* action : Frame()->ToolBar()->actions())
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    const QStringList expected = QStringLiteral(
        "actionFileNew actionFileOpen actionFileSave | actionEditCut actionEditCopy actionEditPaste | "
        "actionFilePrint actionAppAbout | actionMapLevelUp actionMapLevelDown actionMapZoomIn actionMapZoomOut | "
        "actionRoomsCreateNorth actionRoomsCreateSouth actionRoomsCreateEast actionRoomsCreateWest "
        "actionRoomsCreateUp actionRoomsCreateDown | actionRoomsList actionObjectsList actionMobsList actionMobsMobprogs")
                                     .split(QLatin1Char(' '));
    EXPECT_EQ(names, expected);
    EXPECT_FALSE(Action(Command::MapZoomIn)->icon().isNull()) << "toolbar icons come from the resources";
}

TEST_F(MainFrameCommands, StatusBarShowsReadyAndTheLockPanes)
{
    ASSERT_TRUE(Start());
    for (const char* name : { "readyPane", "capsPane", "numPane", "scrollPane" })
        EXPECT_NE(Frame()->statusBar()->findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(Frame()->statusBar()->findChild<QLabel*>(QStringLiteral("readyPane"))->text(), QStringLiteral("Ready"));
}

TEST_F(MainFrameCommands, EnablingFollowsTheActiveMapWindow)
{
    ASSERT_TRUE(Start());
    Frame()->UpdateActions();
    for (Command c : { Command::FileClose, Command::FileSave, Command::FilePrint, Command::MapLevelUp, Command::WindowNew })
        EXPECT_FALSE(Action(c)->isEnabled()) << Action(c)->objectName().toStdString() << " without a map window";
    for (Command c : { Command::FileNew, Command::FileOpen, Command::FilePrintSetup, Command::AppAbout })
        EXPECT_TRUE(Action(c)->isEnabled()) << Action(c)->objectName().toStdString();
    EXPECT_EQ(Action(Command::FilePrintSetup)->text(), QStringLiteral("&Printer Setup"));

    ASSERT_NE(app->OpenDocumentFile(TowerArea()), nullptr);
    Frame()->UpdateActions();
    for (Command c : { Command::FileClose, Command::FileSave, Command::FileSaveAs, Command::FilePrint,
             Command::FilePrintPreview, Command::MapLevelUp, Command::MapLevelDown, Command::MapZoomIn,
             Command::MapZoomOut, Command::ViewMapStatusBar, Command::WindowNew, Command::WindowCascade,
             Command::WindowTile, Command::WindowArrange })
        EXPECT_TRUE(Action(c)->isEnabled()) << Action(c)->objectName().toStdString();
    for (Command c : { Command::EditUndo, Command::EditCut, Command::EditCopy, Command::EditPaste })
        EXPECT_FALSE(Action(c)->isEnabled()) << Action(c)->objectName().toStdString() << " is never enabled";
    EXPECT_EQ(Action(Command::FilePrintSetup)->text(), QStringLiteral("Printer S&etup"));

    // Without a selection, the commands on the selected room are not available.
    EXPECT_FALSE(ActiveView()->IsCommandAvailable(Command::RoomsDelete));
    ActiveView()->SetSelection(0);
    EXPECT_TRUE(ActiveView()->IsCommandAvailable(Command::RoomsDelete));

    app->CloseAllDocuments();
    EXPECT_EQ(Frame()->MenuId(), 128);
}

TEST_F(MainFrameCommands, MobprogListFollowsTheMobprogSetting)
{
    for (int mobprog : { 0, 1 }) {
        ASSERT_TRUE(Start({ TowerArea() }, mobprog));
        Frame()->UpdateActions();
        EXPECT_EQ(ActiveView()->IsCommandAvailable(Command::MobsMobprogs), mobprog != 0) << "MOBPROG " << mobprog;
        if (mobprog == 0) {
            EXPECT_FALSE(Action(Command::MobsMobprogs)->isEnabled());
        }
    }
}

TEST_F(MainFrameCommands, ToolbarAndStatusBarTogglesCarryCheckMarks)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    struct Case {
        Command command;
        std::function<bool()> shown;
    };
    const Case cases[] = {
        { Command::ViewToolbar, [this] { return !Frame()->ToolBar()->isHidden(); } },
        { Command::ViewStatusBar, [this] { return !Frame()->statusBar()->isHidden(); } },
        { Command::ViewMapStatusBar, [this] { return !ActiveChild()->MapStatusBar()->isHidden(); } },
    };
    for (const Case& c : cases) {
        const std::string name = Action(c.command)->objectName().toStdString();
        Frame()->UpdateActions();
        EXPECT_TRUE(c.shown()) << name;
        EXPECT_TRUE(Action(c.command)->isChecked()) << name;
        Action(c.command)->trigger();
        EXPECT_FALSE(c.shown()) << name;
        EXPECT_FALSE(Action(c.command)->isChecked()) << name;
        Action(c.command)->trigger();
        EXPECT_TRUE(c.shown()) << name;
        EXPECT_TRUE(Action(c.command)->isChecked()) << name;
    }
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
    EXPECT_EQ(app->Documents().size(), 1u);
    ASSERT_EQ(document->Frames().size(), 2u);
    EXPECT_EQ(document->Frames()[0]->windowTitle(), QStringLiteral("tower.are:1[*]"));
    EXPECT_EQ(document->Frames()[1]->windowTitle(), QStringLiteral("tower.are:2[*]"));

    // Each window keeps its own level; a change to the area reaches both.
    second->OnMapLevelUp();
    EXPECT_EQ(first->ShownLevel(), 0);
    EXPECT_EQ(second->ShownLevel(), 1);
    document->Doc().rooms.front().name = "Renamed Gate";
    first->SetSelection(0);
    second->SetShownLevel(0);
    second->SetSelection(0);
    document->Doc().NotifyChanged();
    for (CChildFrame* frame : document->Frames()) {
        EXPECT_TRUE(frame->isWindowModified());
        EXPECT_TRUE(frame->MapStatusText().contains(QStringLiteral("Renamed Gate"))) << frame->MapStatusText().toStdString();
    }

    // Closing one window leaves the area open in the other, without asking.
    delete qobject_cast<QMdiSubWindow*>(document->Frames()[1]->parentWidget());
    EXPECT_TRUE(prompt.asked.empty());
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(document->Frames()[0]->windowTitle(), QStringLiteral("tower.are[*]"));
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
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(app->Documents().front()->Title(), QStringLiteral("tower.are"));
}

} // namespace

namespace {

TEST_F(MainFrameCommands, MosaicStacksTheWindowsAsFullWidthStrips)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    Frame()->resize(800, 600);
    Action(Command::WindowNew)->trigger();
    Action(Command::WindowNew)->trigger();
    Action(Command::WindowTile)->trigger();
    const QList<QMdiSubWindow*> windows = Frame()->MdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    const int width = Frame()->MdiArea()->viewport()->width();
    int nextTop = 0;
    for (QMdiSubWindow* sub : windows) {
        EXPECT_FALSE(sub->isMaximized());
        EXPECT_EQ(sub->geometry().left(), 0);
        EXPECT_EQ(sub->geometry().width(), width);
        EXPECT_EQ(sub->geometry().top(), nextTop) << "strips follow each other without overlapping";
        nextTop = sub->geometry().bottom() + 1;
    }
    EXPECT_EQ(nextTop, Frame()->MdiArea()->viewport()->height());
}

} // namespace
