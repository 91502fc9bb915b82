#pragma once

#include "area/CTolvexDoc.h"
#include "area/OtherAreas.h"
#include "edit/CAreaEditor.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QString;

// A window that shows an area; the document numbers and captions them.
class IAreaWindow {
public:
    virtual ~IAreaWindow() = default;
    // The document's title (numbered when the area has several windows) and
    // whether it carries the modified marker.
    virtual void SetCaption(const QString& caption, bool modified) = 0;
};

// An open area as the windows see it: the document with its file name, title
// and map windows. Every view of the area listens here.
class CAreaDocument : public QObject {
    Q_OBJECT

public:
    explicit CAreaDocument(CConfigTables& tables, QObject* parent = nullptr);
    ~CAreaDocument() override;

    // The area as it stands; every change goes through Editor().
    const CTolvexDoc& Doc() const { return doc; }
    CAreaEditor& Editor() { return editor; }

    // The zoom of the area's windows: one cell size for all of them.
    int CellSize() const { return cellSize; }
    void SetCellSize(int size);

    // Empty until the area has been read from or saved to a file.
    const QString& PathName() const { return pathName; }
    // The file name, or "Tolvex<n>" for a new area.
    const QString& Title() const { return title; }
    void SetTitle(const QString& newTitle);

    bool IsModified() const { return editor.IsModified(); }

    // File New: the values of a new area under the given title.
    void OnNewDocument(const QString& newTitle);

    enum class OpenResult { Opened,
        Unreadable,
        Aborted };
    // Reads the file. Unreadable: `error` says why; Aborted: the reader has
    // told the builder, and the document must be thrown away.
    OpenResult OnOpenDocument(const QString& path, IDiagnostics& diagnostics, QString& error);
    // What reading the file reported; emptied when the area is saved, since
    // the file then holds what the editor wrote (the records forget their
    // file lines then too).
    const std::vector<CDiagnostic>& LoadDiagnostics() const { return loadDiagnostics; }

    // Writes the area to `path` through a temporary file that replaces the
    // old one only when everything was written, so a failed save leaves the
    // file on disk as it was and the document modified. On failure `error`
    // says why.
    bool OnSaveDocument(const QString& path, IDiagnostics& diagnostics, QString& error);

    // How the area is saved: the configured dialect, and whether the texts
    // the builder edits keep their own line breaks (this area's switch).
    CSaveOptions SaveOptions() const;
    bool KeepTextLayout() const { return keepTextLayout; }
    void SetKeepTextLayout(bool keep) { keepTextLayout = keep; }
    // Saving to `path` would replace the file that was read only in part.
    bool SaveLosesUnreadPart(const QString& path) const;

    // A document that pictures other areas (the world map) is built from
    // them, never edited or saved: `build` replaces its records, with no
    // step and no modified mark, and the views follow as after an undo.
    void Rebuild(const std::function<void(CTolvexDoc&)>& build);

    // The rest of the open world, while the area is part of one (null
    // otherwise): its maps draw the exits that lead there.
    const IOtherAreas* OtherAreas() const { return otherAreas; }
    void SetOtherAreas(const IOtherAreas* others);
    // Another area of the world changed: the maps draw again.
    void NotifyOtherAreasChanged() { emit OtherAreasChanged(); }

    // Map windows register themselves while they live.
    void AddFrame(IAreaWindow* frame);
    void RemoveFrame(IAreaWindow* frame);
    const std::vector<IAreaWindow*>& Frames() const { return frames; }

    // Asked when the last map window of a modified area is about to close:
    // true lets it close. Set by the application (it asks the builder).
    std::function<bool(CAreaDocument&)> canClose;
    // Set while the application closes the document itself, so its windows
    // do not ask again.
    bool closing = false;

Q_SIGNALS:
    // The one change signal: records changed through an operation, an undo
    // or a redo. Views repaint.
    void RecordsChanged(const CAreaChange& change);
    // The zoom of the area's windows changed: they repaint too.
    void CellSizeChanged();
    // The title or the modified flag changed: frame captions follow.
    void TitleChanged();
    // The one saved signal: the area was written, its load diagnostics and
    // file lines are gone.
    void Saved();
    void OtherAreasChanged();
    // The last map window closed: the document is done.
    void LastFrameClosed();

private:
    // Brings the captions up to date with the modified flag.
    void SyncModified();
    void UpdateFrameTitles();

    CTolvexDoc doc;
    CAreaEditor editor { doc };
    int cellSize = 12;
    const IOtherAreas* otherAreas = nullptr;
    QString pathName;
    QString readPath;
    QString title;
    std::vector<IAreaWindow*> frames;
    std::vector<CDiagnostic> loadDiagnostics;
    int listenerId = 0;
    bool shownModified = false;
    bool keepTextLayout = false;
};
