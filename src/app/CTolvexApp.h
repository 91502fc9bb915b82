#pragma once

#include "app/CRecentFileList.h"
#include "config/ConfigTables.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CAreaDocument;
class CChildFrame;
class CMainFrame;
class QPrinter;
class QWidget;

// What start-up may be told besides the command line.
struct CStartOptions {
    // The configuration to read; empty: looked for in the usual places.
    QString configPath;
    // A file printed from the command line goes into this PDF instead of the
    // default printer.
    QString printOutputFile;
};

// The application: starts the editor, and owns the main window, the open
// areas, the recent-file list and the printer settings.
class CTolvexApp : public QObject {
    Q_OBJECT

public:
    explicit CTolvexApp(CConfigTables& tables = theTables, QObject* parent = nullptr);
    ~CTolvexApp() override;

    // Start-up. False when it ended early: the program then exits with
    // ExitCode() (non-zero after a failure, 0 after printing a file).
    bool InitInstance(const QStringList& arguments, const CStartOptions& options = {});
    int ExitCode() const { return exitCode; }

    CMainFrame* MainFrame() const { return mainFrame.get(); }
    CConfigTables& Tables() const { return tables; }
    const std::vector<CAreaDocument*>& Documents() const { return documents; }
    CRecentFileList& RecentFiles() { return recentFiles; }
    QPrinter& Printer();
    // Pages side by side in the print preview (1 or 2), kept in the settings.
    int& PreviewPages() { return previewPages; }
    // View > All Rooms: every area's map also shows the rooms that its first
    // room does not reach. Remembered in the settings.
    bool AllRooms() const { return allRooms; }
    void SetAllRooms(bool all);
    void WriteSettings() const;
    // Area > Keep Text Layout belongs to each area; the last choice is
    // remembered in the settings as what a newly opened area starts with.
    bool KeepTextLayout() const { return keepTextLayout; }
    void SetKeepTextLayout(CAreaDocument& document, bool keep);

    // File New: a new area in a new map window.
    CAreaDocument* OnFileNew();
    // File Open: asks for a file, then opens it.
    void OnFileOpen();
    // Opens the file in a new map window (or shows the window that has it
    // already). Null when it could not be opened; the builder has been told.
    CAreaDocument* OpenDocumentFile(const QString& path);

    // Save (or Save As, or Save of an area that has no file yet): true when
    // the area is on disk.
    bool SaveDocument(CAreaDocument& document, bool saveAs);
    // Asks whether to save a modified area: false when the builder cancelled
    // or the save failed.
    bool SaveModified(CAreaDocument& document);
    bool SaveAllModified();
    // Closes every window of the area, asking to save it first.
    bool CloseDocument(CAreaDocument& document);
    // Closes every area without asking.
    void CloseAllDocuments();

    void OnFilePrintSetup();
    void OnAppAbout();

    // Asks for a file name to open (`save` false) or to save as; returns ""
    // when cancelled. Tests put their own chooser here.
    std::function<QString(QWidget* parent, bool save, const QString& suggested)> chooseFile;

Q_SIGNALS:
    void RecentFilesChanged();
    void DocumentsChanged();

private:
    bool LoadConfiguration(const QString& argv0);
    CAreaDocument* NewDocument();
    void Register(CAreaDocument* document);
    void OnLastFrameClosed(CAreaDocument* document);
    void CloseFrames(CAreaDocument& document);
    void AddToRecentFiles(const QString& path);
    QString DefaultChooseFile(QWidget* parent, bool save, const QString& suggested);

    CConfigTables& tables;
    CStartOptions options;
    std::unique_ptr<CMainFrame> mainFrame;
    std::vector<CAreaDocument*> documents;
    CRecentFileList recentFiles;
    std::unique_ptr<QPrinter> printer;
    int previewPages = 1;
    bool allRooms = false;
    bool keepTextLayout = false;
    int untitledCount = 0;
    int exitCode = 0;
};
