#include "app/CMainFrame.h"

#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"
#include "app/CLockKeyPanes.h"
#include "app/CPlayerPanel.h"
#include "app/CProblemsPanel.h"
#include "app/CSplashWnd.h"
#include "app/CTolvexApp.h"
#include "app/CWorld.h"
#include "app/CWorldMapView.h"
#include "app/CWorldPanel.h"
#include "app/CommandTable.h"
#include "commands/CAreaCommands.h"
#include "area/CRoomData.h"
#include "map/CChildFrame.h"
#include "map/CTolvexView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace {

const QString MainTitle = QStringLiteral("Quendar Editor");

} // namespace

CMainFrame::CMainFrame(CTolvexApp& application, QWidget* parent)
    : QMainWindow(parent)
    , app(application)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(MainTitle);
    setAcceptDrops(true);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateProblemsPanel();
    CreateWorldPanel();
    CreatePlayerPanel();
    ConnectCommands();

    // Every change that moves a command's state arrives as one of these: the
    // document's changes through the view's StateChanged, the captions
    // through TitleChanged (both connected per window).
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateWindows);
    connect(&application, &CTolvexApp::DocumentsChanged, this, &CMainFrame::UpdateWindows);
    connect(&application, &CTolvexApp::RecentFilesChanged, this, &CMainFrame::UpdateRecentFileActions);
    // The toolbar can also be hidden from the main window's context menu.
    connect(toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateActions);

    UpdateRecentFileActions();
    UpdateWindows();

    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateActions()
{
    for (const CCommandEntry& entry : CommandTable()) {
        QAction* action = CreateCommandAction(entry, this);
        actions[static_cast<size_t>(entry.id)] = action;
        // Keys work whichever menu is shown.
        addAction(action);
    }
    for (int i = 0; i < app.RecentFiles().Size(); ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("actionFileMru%1").arg(i + 1));
        action->setStatusTip(QStringLiteral("Opens this document"));
        connect(action, &QAction::triggered, this, [this, i] {
            const QStringList& files = app.RecentFiles().Files();
            if (i < files.size())
                app.OpenFile(files[i]);
        });
        recentFileActions.push_back(action);
    }
    noRecentFileAction = new QAction(QStringLiteral("Recent Documents"), this);
    noRecentFileAction->setObjectName(QStringLiteral("actionFileMruEmpty"));
    noRecentFileAction->setStatusTip(QStringLiteral("Opens this document"));
    noRecentFileAction->setEnabled(false);
}

void CMainFrame::CreateMenus()
{
    // Each menu twice: in full while a map window is active, and with only the
    // commands that need no area while none is open.
    for (const bool withoutArea : { false, true }) {
        std::vector<QMenu*>& bar = withoutArea ? menusWithoutArea : menusWithArea;
        for (const CMenuEntry& menuEntry : MenuTable()) {
            auto* menu = new QMenu(QString::fromLatin1(menuEntry.title), this);
            QString name = QString::fromLatin1(menuEntry.objectName);
            menu->setObjectName(withoutArea ? name + QStringLiteral("WithoutArea") : name);
            bool separator = false;
            for (const CCommandEntry& entry : CommandTable()) {
                if (name != QLatin1String(entry.menu))
                    continue;
                separator = separator || (entry.placement & SeparatorBefore);
                if (withoutArea && !(entry.placement & WithoutArea))
                    continue;
                if (separator && !menu->isEmpty())
                    menu->addSeparator();
                separator = false;
                if (entry.placement & AfterRecentFiles) {
                    menu->addSeparator();
                    menu->addAction(noRecentFileAction);
                    for (QAction* action : recentFileActions)
                        menu->addAction(action);
                    menu->addSeparator();
                }
                menu->addAction(Action(entry.id));
            }
            if (!menu->isEmpty())
                bar.push_back(menu);
            else
                delete menu;
        }
    }
    menuBar()->setObjectName(QStringLiteral("menuBar"));
}

void CMainFrame::CreateToolBar()
{
    toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setIconSize(QSize(16, 16));
    std::vector<const CCommandEntry*> buttons;
    for (const CCommandEntry& entry : CommandTable())
        if (entry.toolbarSlot > 0)
            buttons.push_back(&entry);
    std::sort(buttons.begin(), buttons.end(),
        [](const CCommandEntry* a, const CCommandEntry* b) { return a->toolbarSlot < b->toolbarSlot; });
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i]->toolbarSlot / 10 != buttons[i - 1]->toolbarSlot / 10)
            toolBar->addSeparator();
        toolBar->addAction(Action(buttons[i]->id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("mainStatusBar"));
    // The idle text sits under the fly-by prompts, which cover it while shown.
    auto* ready = new QLabel(QStringLiteral("Ready"), bar);
    ready->setObjectName(QStringLiteral("readyPane"));
    bar->addWidget(ready, 1);
    // A message is drawn over the normal widgets, not in their place.
    connect(bar, &QStatusBar::messageChanged, ready, [ready](const QString& message) { ready->setVisible(message.isEmpty()); });
    problemCountPane = new QLabel(bar);
    problemCountPane->setObjectName(QStringLiteral("problemCountPane"));
    bar->addPermanentWidget(problemCountPane);
    lockKeyPanes = new CLockKeyPanes(bar);
}

void CMainFrame::CreateProblemsPanel()
{
    problemsPanel = new CProblemsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, problemsPanel);
    problemsPanel->setVisible(problemsPanel->ShownInSettings());
    problemsPanel->otherMobprogs = [this](const CAreaDocument* self) {
        std::vector<int> vnums;
        for (const CAreaDocument* document : app.Documents())
            if (document != self)
                for (const CMobProgData& program : document->Doc().mobprogs)
                    vnums.push_back(program.vnum);
        return vnums;
    };
    // Both View menus end with the panel's own check item.
    for (const char* viewMenu : { "menuViewWithoutArea", "menuView" }) {
        QMenu* menu = findChild<QMenu*>(QString::fromLatin1(viewMenu));
        menu->addSeparator();
        menu->addAction(problemsPanel->toggleViewAction());
    }
    connect(problemsPanel, &CProblemsPanel::CountsChanged, this, [this](int errors, int warnings) {
        problemCountPane->setText(problemsPanel->Document() ? CProblemsPanel::CountsText(errors, warnings) : QString());
    });
    connect(problemsPanel, &CProblemsPanel::RoomActivated, this, &CMainFrame::OnProblemRoomActivated);
    connect(problemsPanel, &CProblemsPanel::RecordActivated, this, &CMainFrame::OnProblemRecordActivated);
    // Opening or closing another area may give a trigger its program or take it away.
    connect(&app, &CTolvexApp::DocumentsChanged, problemsPanel, &CProblemsPanel::OnDocumentsChanged);
}

void CMainFrame::OnProblemRoomActivated(int vnum)
{
    CTolvexView* view = ActiveView();
    if (!view || &view->Document() != problemsPanel->Document())
        return;
    view->GoToRoom(view->GetDocument().FindRoomIndex(vnum));
}

void CMainFrame::OnProblemRecordActivated(RecordKind kind, int vnum)
{
    CTolvexView* view = ActiveView();
    if (!view || &view->Document() != problemsPanel->Document())
        return;
    CAreaCommands(*view).EditRecord(kind, vnum);
    UpdateActions();
}

void CMainFrame::CreateWorldPanel()
{
    worldPanel = new CWorldPanel(this);
    addDockWidget(Qt::LeftDockWidgetArea, worldPanel);
    for (const char* viewMenu : { "menuViewWithoutArea", "menuView" })
        findChild<QMenu*>(QString::fromLatin1(viewMenu))->addAction(worldPanel->toggleViewAction());
    connect(worldPanel, &CWorldPanel::AreaActivated, this, [this](CAreaDocument* document) { app.ShowArea(*document); });
    connect(worldPanel, &CWorldPanel::RenumberRequested, this, [this](CAreaDocument* document) {
        app.RenumberArea(*document);
        UpdateActions();
    });
    connect(&app, &CTolvexApp::WorldChanged, this, [this] {
        worldPanel->SetWorld(app.World());
        problemsPanel->world = app.World();
        if (app.World()) {
            connect(app.World(), &CWorld::Changed, problemsPanel, &CProblemsPanel::RefreshSoon);
            // An area without a window changes Save All too.
            connect(app.World(), &CWorld::Changed, this, &CMainFrame::UpdateActions);
            // Wide enough for the file, the name and the range at once.
            resizeDocks({ worldPanel }, { 560 }, Qt::Horizontal);
            worldPanel->widget()->setFocus();
        }
        problemsPanel->RefreshSoon();
        // The panels that follow the active window let go of a closed world.
        UpdateWindows();
    });
}

void CMainFrame::CreatePlayerPanel()
{
    playerPanel = new CPlayerPanel(app.Tables(), this);
    addDockWidget(Qt::RightDockWidgetArea, playerPanel);
    for (const char* viewMenu : { "menuViewWithoutArea", "menuView" })
        findChild<QMenu*>(QString::fromLatin1(viewMenu))->addAction(playerPanel->toggleViewAction());
    connect(playerPanel->toggleViewAction(), &QAction::triggered, playerPanel, [this](bool shown) {
        if (shown) {
            SizePlayerPanel();
            playerPanel->setFocus(Qt::ShortcutFocusReason);
        }
    });
    playerPanel->setVisible(playerPanel->ShownInSettings());
    // Walking out of the area in a world: that area's map follows.
    connect(playerPanel, &CPlayerPanel::RoomWanted, this, [this](int vnum) {
        if (app.World())
            if (CAreaDocument* document = app.World()->AreaOfRoom(vnum))
                app.ShowRoom(*document, vnum);
    });
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The docks take their sizes once the window is laid out.
    if (playerPanel->isVisible() && !playerPanelSized)
        QTimer::singleShot(0, this, &CMainFrame::SizePlayerPanel);
}

void CMainFrame::SizePlayerPanel()
{
    // Wide enough for the server's lines of 80 columns, the first time only:
    // after that the builder's own width stays.
    if (!playerPanelSized)
        resizeDocks({ playerPanel }, { playerPanel->ColumnsWidth(84) }, Qt::Horizontal);
    playerPanelSized = true;
}

void CMainFrame::OnMapWalk()
{
    if (!playerPanel->isVisible()) {
        playerPanel->ShowByChoice();
        SizePlayerPanel();
    }
    playerPanel->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::ShowReadReport(const CAreaDocument& document)
{
    int errors = 0;
    int warnings = 0;
    for (const CDiagnostic& d : document.LoadDiagnostics())
        ++(d.severity == Severity::Error ? errors : warnings);
    if (errors + warnings == 0)
        return;
    problemsPanel->show();
    statusBar()->showMessage(CProblemsPanel::ReadWithText(errors, warnings));
}

void CMainFrame::OnDocumentSaved()
{
    auto* document = qobject_cast<CAreaDocument*>(sender());
    if (!document)
        return;
    // Saving does not stop for errors; the builder is told what the server will say.
    const int errors = problemsPanel->CountErrors(*document);
    if (errors > 0)
        statusBar()->showMessage(CProblemsPanel::SavedWithErrorsText(errors));
}

void CMainFrame::ConnectCommands()
{
    for (const CCommandEntry& entry : CommandTable())
        connect(Action(entry.id), &QAction::triggered, this, [this, &entry] {
            if (!entry.enabled || entry.enabled(*this))
                entry.run(*this);
            UpdateActions();
        });
}

CChildFrame* CMainFrame::CreateFrame(CAreaDocument& document)
{
    return CreateFrame(document, new CTolvexView(document));
}

CChildFrame* CMainFrame::CreateFrame(CAreaDocument& document, CTolvexView* view)
{
    auto* frame = new CChildFrame(document, view);
    QMdiSubWindow* sub = mdiArea->addSubWindow(frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(QStringLiteral("mapWindow"));
    connect(frame->View(), &CTolvexView::StateChanged, this, &CMainFrame::UpdateActions);
    connect(frame->View(), &CTolvexView::RoomActivated, this, [this, view = frame->View()](int index) {
        // On the world map the room is edited in its own area.
        if (CTolvexView* target = CommandViewOf(view))
            CAreaCommands(*target).EditRoom(target == view ? index : target->Selection());
        UpdateActions();
    });
    connect(frame->View(), &CTolvexView::ExitFollowed, this, [this](int vnum) {
        if (CAreaDocument* area = app.World() ? app.World()->AreaOfRoom(vnum) : nullptr)
            app.ShowRoom(*area, vnum);
    });
    connect(&document, &CAreaDocument::TitleChanged, this, &CMainFrame::UpdateTitle, Qt::UniqueConnection);
    connect(&document, &CAreaDocument::Saved, this, &CMainFrame::OnDocumentSaved, Qt::UniqueConnection);
    sub->showMaximized();
    ActivateFrame(frame);
    UpdateWindows();
    return frame;
}

void CMainFrame::ActivateFrame(CChildFrame* frame)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget()))
        mdiArea->setActiveSubWindow(sub);
}

CChildFrame* CMainFrame::ActiveFrame() const
{
    // The current window stays current while the application is inactive.
    // A window being destroyed is still listed but is no QMdiSubWindow any
    // more: qobject_cast leaves it out.
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(mdiArea->currentSubWindow());
    if (!sub && !mdiArea->subWindowList().isEmpty())
        sub = qobject_cast<QMdiSubWindow*>(mdiArea->subWindowList().constLast());
    return sub ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
}

CTolvexView* CMainFrame::ActiveView() const
{
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->View() : nullptr;
}

CTolvexView* CMainFrame::CommandView() const
{
    return CommandViewOf(ActiveView());
}

CTolvexView* CMainFrame::CommandViewOf(CTolvexView* view)
{
    if (auto* worldMap = qobject_cast<CWorldMapView*>(view))
        return worldMap->AreaView();
    return view;
}

bool CMainFrame::WorldMapActive() const
{
    return qobject_cast<CWorldMapView*>(ActiveView()) != nullptr;
}

void CMainFrame::ShowMenus(MenuSet set)
{
    if (shownMenus == set)
        return;
    shownMenus = set;
    menuBar()->clear();
    const bool withoutArea = set == MenuSet::WithoutArea;
    for (QMenu* m : withoutArea ? menusWithoutArea : menusWithArea)
        menuBar()->addMenu(m);
    Action(Command::FilePrintSetup)->setText(withoutArea ? QStringLiteral("&Printer Setup") : QStringLiteral("P&rinter Setup"));
}

void CMainFrame::UpdateMenu()
{
    const bool anyWindow = !mdiArea->subWindowList().isEmpty();
    ShowMenus(anyWindow ? MenuSet::WithArea : MenuSet::WithoutArea);
}

void CMainFrame::UpdateRecentFileActions()
{
    const QStringList& files = app.RecentFiles().Files();
    for (size_t i = 0; i < recentFileActions.size(); ++i) {
        QAction* action = recentFileActions[i];
        const bool used = static_cast<qsizetype>(i) < files.size();
        action->setVisible(used);
        if (used)
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[static_cast<qsizetype>(i)])));
    }
    noRecentFileAction->setVisible(files.isEmpty());
}

void CMainFrame::UpdateTitle()
{
    CChildFrame* frame = ActiveFrame();
    if (!frame) {
        setWindowTitle(MainTitle);
        setWindowModified(false);
        return;
    }
    // The document title after the program's, as the child's own caption has it.
    setWindowTitle(MainTitle + QStringLiteral(" - ") + frame->windowTitle());
    setWindowModified(frame->isWindowModified());
}

void CMainFrame::UpdateWindows()
{
    // The world map is no area of its own.
    CChildFrame* frame = WorldMapActive() ? nullptr : ActiveFrame();
    problemsPanel->SetDocument(frame ? &frame->Document() : nullptr);
    worldPanel->SetCurrentDocument(frame ? &frame->Document() : nullptr);
    // The world map's rooms are the world's: the player walks them too.
    playerPanel->SetView(WorldMapActive() ? ActiveView() : frame ? frame->View()
                                                                 : nullptr,
        app.World());
    UpdateMenu();
    UpdateActions();
}

void CMainFrame::UpdateActions()
{
    UpdateTitle();

    for (const CCommandEntry& entry : CommandTable()) {
        QAction* action = Action(entry.id);
        action->setEnabled(!entry.enabled || entry.enabled(*this));
        if (entry.checked)
            action->setChecked(entry.checked(*this));
    }
    CTolvexView* view = CommandView();
    UpdateUndoActions(view ? &view->Document() : nullptr);
    // Later, once: a window being closed is still in the area's list now.
    if (!windowListPending) {
        windowListPending = true;
        QTimer::singleShot(0, this, [this] {
            windowListPending = false;
            UpdateWindowList();
        });
    }
}

void CMainFrame::UpdateWindowList()
{
    QMenu* menu = findChild<QMenu*>(QStringLiteral("menuWindow"));
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    if (!windowListSeparator)
        windowListSeparator = menu->addSeparator();
    windowListSeparator->setVisible(!windows.isEmpty());
    while (windowActions.size() > static_cast<size_t>(windows.size())) {
        delete windowActions.back();
        windowActions.pop_back();
    }
    while (windowActions.size() < static_cast<size_t>(windows.size())) {
        const int number = static_cast<int>(windowActions.size()) + 1;
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("actionWindow%1").arg(number));
        action->setCheckable(true);
        if (number <= 9)
            action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + number)));
        connect(action, &QAction::triggered, this, [this, number] {
            const QList<QMdiSubWindow*> now = mdiArea->subWindowList();
            if (number <= now.size())
                mdiArea->setActiveSubWindow(now[number - 1]);
            UpdateActions();
        });
        addAction(action);
        menu->addAction(action);
        windowActions.push_back(action);
    }
    for (int i = 0; i < windows.size(); ++i) {
        QString title = windows[i]->widget() ? windows[i]->widget()->windowTitle() : windows[i]->windowTitle();
        title.replace(QStringLiteral("[*]"),
            windows[i]->widget() && windows[i]->widget()->isWindowModified() ? QStringLiteral("*") : QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = windowActions[static_cast<size_t>(i)];
        action->setText(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
        action->setChecked(windows[i] == mdiArea->activeSubWindow());
    }
}

void CMainFrame::UpdateUndoActions(CAreaDocument* document)
{
    // The items name the step they would take back or do again.
    auto update = [this](Command c, const char* text, bool can, const std::string& step) {
        QAction* action = Action(c);
        action->setEnabled(can);
        const QString plain = QString::fromLatin1(text);
        action->setText(can ? plain + QLatin1Char(' ') + FromBytes(step) : plain);
    };
    CAreaEditor* editor = document ? &document->Editor() : nullptr;
    update(Command::EditUndo, "&Undo", editor && editor->CanUndo(), editor ? editor->UndoName() : std::string());
    update(Command::EditRedo, "&Redo", editor && editor->CanRedo(), editor ? editor->RedoName() : std::string());
}

void CMainFrame::OnWindowNew()
{
    if (CChildFrame* frame = ActiveFrame())
        CreateFrame(frame->Document());
}

void CMainFrame::OnWindowTile()
{
    // Horizontal tiles: full-width strips, one above the other.
    std::vector<QMdiSubWindow*> tiles;
    for (QMdiSubWindow* sub : mdiArea->subWindowList())
        if (!sub->isMinimized() && !sub->isHidden())
            tiles.push_back(sub);
    if (tiles.empty())
        return;
    const QSize area = mdiArea->viewport()->size();
    const int count = static_cast<int>(tiles.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* sub = tiles[static_cast<size_t>(i)];
        if (sub->isMaximized())
            sub->showNormal();
        const int top = area.height() * i / count;
        const int bottom = area.height() * (i + 1) / count;
        sub->setGeometry(0, top, area.width(), bottom - top);
    }
}

void CMainFrame::OnWindowArrange()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > mdiArea->viewport()->width())
            x = 0;
        sub->move(x, mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::OnFilePrintPreview()
{
    CTolvexView* view = ActiveView();
    if (!view)
        return;
    view->OnFilePrintPreview(app.Printer(), app.PreviewPages());
    app.WriteSettings();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A dialog still running belongs to a map window (often on the stack of
    // the command that opened it): closing the windows under it would pull
    // them away from that command. A quit asked for meanwhile is refused.
    if (QApplication::activeModalWidget() || !app.SaveAllModified()) {
        event->ignore();
        return;
    }
    app.CloseAllDocuments();
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    activateWindow();
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            app.OpenFile(url.toLocalFile());
}
