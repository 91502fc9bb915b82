#pragma once

#include "area/RecordKind.h"
#include "app/Commands.h"

#include <QMainWindow>

#include <array>
#include <vector>

class CAreaDocument;
class CChildFrame;
class CLockKeyPanes;
class CProblemsPanel;
class CTolvexApp;
class CTolvexView;
class CPlayerPanel;
class CWorldPanel;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The main window: menus, toolbar, status bar, and the area that holds the
// map windows. A short menu bar (File, Edit, View, Help) shows while no map window
// is open, the whole set while one is.
enum class MenuSet { None,
    WithoutArea,
    WithArea };

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CTolvexApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTolvexApp& App() const { return app; }
    QAction* Action(Command command) const { return actions[static_cast<size_t>(command)]; }
    QMdiArea* MdiArea() const { return mdiArea; }
    QToolBar* ToolBar() const { return toolBar; }

    // A new map window on the document.
    CChildFrame* CreateFrame(CAreaDocument& document);
    // A window with a view of its own kind on the document.
    CChildFrame* CreateFrame(CAreaDocument& document, CTolvexView* view);
    void ActivateFrame(CChildFrame* frame);
    // What reading an area reported is listed in the Problems panel, which
    // shows; the status bar counts it.
    void ShowReadReport(const CAreaDocument& document);
    // The map window whose commands the menus carry out, or null.
    CChildFrame* ActiveFrame() const;
    CTolvexView* ActiveView() const;
    // The view an area's commands act on: the active one, or on the world
    // map the selected room's area's (null when no room is selected there).
    CTolvexView* CommandView() const;
    static CTolvexView* CommandViewOf(CTolvexView* view);
    // The active window shows the world map.
    bool WorldMapActive() const;

    // The menu bar shown now.
    MenuSet ShownMenus() const { return shownMenus; }
    // Brings every command's enabled state and check mark up to date.
    void UpdateActions();
    void UpdateUndoActions(CAreaDocument* document);
    // The Window menu's list of the map windows: the active one checked,
    // the first nine on Alt+1 to Alt+9.
    void UpdateWindowList();

    // Window commands.
    void OnWindowNew();
    void OnWindowTile();
    // Shows the Player View and gives the keys to its command line.
    void OnMapWalk();
    void OnWindowArrange();
    void OnFilePrintPreview();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    void ShowMenus(MenuSet set);
    // The menu, title and commands after a map window opened, closed or
    // became active.
    void UpdateWindows();
    void UpdateMenu();
    void UpdateRecentFileActions();
    void UpdateTitle();
    void CreateProblemsPanel();
    void CreateWorldPanel();
    void CreatePlayerPanel();
    void SizePlayerPanel();
    void OnProblemRoomActivated(int vnum);
    void OnProblemRecordActivated(RecordKind kind, int vnum);
    void OnDocumentSaved();

    CTolvexApp& app;
    std::array<QAction*, static_cast<size_t>(Command::Count)> actions {};
    std::vector<QAction*> recentFileActions;
    QAction* noRecentFileAction = nullptr;
    std::vector<QMenu*> menusWithoutArea;
    std::vector<QMenu*> menusWithArea;
    QAction* windowListSeparator = nullptr;
    std::vector<QAction*> windowActions;
    bool windowListPending = false;
    QMdiArea* mdiArea = nullptr;
    QToolBar* toolBar = nullptr;
    CLockKeyPanes* lockKeyPanes = nullptr;
    CProblemsPanel* problemsPanel = nullptr;
    CWorldPanel* worldPanel = nullptr;
    CPlayerPanel* playerPanel = nullptr;
    bool playerPanelSized = false;
    QLabel* problemCountPane = nullptr;
    MenuSet shownMenus = MenuSet::None;
};
