#pragma once

#include "gui/Commands.h"

#include <QMainWindow>

#include <array>
#include <vector>

class CAreaDocument;
class CChildFrame;
class CLockKeyPanes;
class CProblemsPanel;
class CTolvexApp;
class CTolvexView;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The main window: menus, toolbar, status bar, and the area that holds the
// map windows. Menu 128 (File, View, Help) shows while no map window is open,
// menu 129 (the whole set) while one is.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CTolvexApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(Command command) const { return actions[static_cast<size_t>(command)]; }
    QMdiArea* MdiArea() const { return mdiArea; }
    QToolBar* ToolBar() const { return toolBar; }
    CProblemsPanel* ProblemsPanel() const { return problemsPanel; }

    // A new map window on the document.
    CChildFrame* CreateFrame(CAreaDocument& document);
    void ActivateFrame(CChildFrame* frame);
    // The map window whose commands the menus carry out, or null.
    CChildFrame* ActiveFrame() const;
    CTolvexView* ActiveView() const;

    // 128 or 129: the menu shown now.
    int MenuId() const { return menuId; }
    // Brings every command's enabled state and check mark up to date.
    void UpdateActions();
    void UpdateUndoActions(CAreaDocument* document);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    void ShowMenu(int id);
    // The menu, title and commands after a map window opened, closed or
    // became active.
    void UpdateWindows();
    void UpdateMenu();
    void UpdateRecentFileActions();
    void UpdateTitle();
    void OnWindowNew();
    void OnWindowTile();
    void OnWindowArrange();
    void OnFilePrintPreview();
    void CreateProblemsPanel();
    void OnProblemRoomActivated(int vnum);
    void OnDocumentSaved(CAreaDocument& document);
    QMenu* AddRecentFiles(QMenu* file);

    CTolvexApp& app;
    std::array<QAction*, static_cast<size_t>(Command::Count)> actions {};
    std::vector<QAction*> recentFileActions;
    QAction* noRecentFileAction = nullptr;
    std::vector<QMenu*> menus128;
    std::vector<QMenu*> menus129;
    QMdiArea* mdiArea = nullptr;
    QToolBar* toolBar = nullptr;
    CLockKeyPanes* lockKeyPanes = nullptr;
    CProblemsPanel* problemsPanel = nullptr;
    QLabel* problemCountPane = nullptr;
    int menuId = 0;
};
