#pragma once

#include "app/CRecentFileList.h"
#include "area/RecordKind.h"
#include "config/ConfigTables.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CAreaDocument;
class CChildFrame;
class CWorld;
class CWorldMapDocument;
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
    // Opens an area list as the world, any other file as an area.
    bool OpenFile(const QString& path);

    // The world: the areas of an area.lst, opened together without windows
    // (the World panel opens them); null when none is open.
    CWorld* World() const { return world; }
    // Asks for a list, then opens it.
    void OnFileOpenWorld();
    // Closes the world open before (asking once for its modified areas),
    // then opens every area the list names. False when the list could not
    // be read or the builder kept the world open before.
    bool OpenWorld(const QString& listPath);
    // Asks once whether to save the world's modified areas, then closes them.
    bool CloseWorld();
    // The world map's window: raised, or opened.
    void ShowWorldMap();
    // The map window of a world's area: raised, or opened.
    void ShowArea(CAreaDocument& document);
    // The map window of the area, with the room of this vnum selected and in
    // view; false when the area has no such room.
    bool ShowRoom(CAreaDocument& document, int vnum);
    // The editor of the area's object, mob or mobprog (a room: its map, as
    // ShowRoom), opened from that area's map window.
    void ShowRecord(CAreaDocument& document, RecordKind kind, int vnum);
    // Area > Renumber Area: the area and, in a world, the references of every
    // area to it move to the range the builder gives (one step per area).
    bool RenumberArea(CAreaDocument& document);
    // File > Add Area to World: an area file from anywhere becomes the
    // world's last area, moved to a free range first when its own is taken,
    // copied into the world's folder and named in its list.
    void AddAreaToWorld();
    // File > New Area in World: an empty area on the first free range.
    void NewAreaInWorld();

    // Saves every modified area; false when one could not be saved.
    bool SaveAll();

    // Save (or Save As, or Save of an area that has no file yet): true when
    // the area is on disk.
    bool SaveDocument(CAreaDocument& document, bool saveAs);
    bool SaveDocumentTo(CAreaDocument& document, const QString& path);
    // Asks whether to save a modified area: false when the builder cancelled
    // or the save failed.
    bool SaveModified(CAreaDocument& document);
    bool SaveAllModified();
    // Asks once whether to save the world's modified areas (Yes saves them
    // all): false when the builder cancelled or a save failed.
    bool SaveModifiedWorld();
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
    // A world opened or closed.
    void WorldChanged();

private:
    bool LoadConfiguration(const QString& argv0);
    CAreaDocument* NewDocument();
    void Register(CAreaDocument* document);
    void OnLastFrameClosed(CAreaDocument* document);
    void Unregister(CAreaDocument* document);
    void CloseWorldNow();
    // The list names the file.
    bool WorldNames(const QString& file) const;
    // Names the file at the end of the world's list and makes the area the
    // world's; false, the builder told, when the list could not be written.
    bool AddToWorldList(CAreaDocument* document, const QString& file);
    // Reads an area without a window: null, with `error` set, when it cannot.
    CAreaDocument* LoadDocument(const QString& path, QString& error);
    void CloseFrames(CAreaDocument& document);
    void AddToRecentFiles(const QString& path);
    QString DefaultChooseFile(QWidget* parent, bool save, const QString& suggested);

    CConfigTables& tables;
    CStartOptions options;
    std::unique_ptr<CMainFrame> mainFrame;
    std::vector<CAreaDocument*> documents;
    CWorld* world = nullptr;
    // Made when first shown; goes with the world.
    CWorldMapDocument* worldMap = nullptr;
    bool closingWorld = false;
    CRecentFileList recentFiles;
    std::unique_ptr<QPrinter> printer;
    int previewPages = 1;
    bool allRooms = false;
    bool keepTextLayout = false;
    int untitledCount = 0;
    int exitCode = 0;
};
