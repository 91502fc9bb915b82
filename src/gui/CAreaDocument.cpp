#include "gui/CAreaDocument.h"

#include "layout/RoomLayout.h"

#include "gui/Prompt.h"
#include "layout/RoomCommands.h"
#include "text/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sstream>

namespace {

// Passes every diagnostic on and keeps a copy.
class CKeptDiagnostics : public IDiagnostics {
public:
    explicit CKeptDiagnostics(IDiagnostics& target)
        : next(target) { }
    void Report(const CDiagnostic& diagnostic) override
    {
        items.push_back(diagnostic);
        next.Report(diagnostic);
    }
    std::vector<CDiagnostic> items;

private:
    IDiagnostics& next;
};

} // namespace

CAreaDocument::CAreaDocument(CConfigTables& tables, QObject* parent)
    : QObject(parent)
    , doc(tables)
{
    listenerId = editor.AddListener([this](const CAreaChange& change) {
        SyncModified();
        emit RecordsChanged(change);
    });
}

CAreaDocument::~CAreaDocument()
{
    editor.RemoveListener(listenerId);
}

void CAreaDocument::SetTitle(const QString& newTitle)
{
    title = newTitle;
    UpdateFrameTitles();
}

void CAreaDocument::Rebuild(const std::function<void(CTolvexDoc&)>& build)
{
    build(doc);
    CAreaChange change;
    change.action = ChangeAction::Restored;
    change.relaidOut = true;
    emit RecordsChanged(change);
}

void CAreaDocument::SetOtherAreas(const IOtherAreas* others)
{
    otherAreas = others;
    emit OtherAreasChanged();
}

void CAreaDocument::SetCellSize(int size)
{
    if (size == cellSize)
        return;
    cellSize = size;
    emit CellSizeChanged();
}

void CAreaDocument::SyncModified()
{
    if (shownModified != IsModified())
        UpdateFrameTitles();
}

void CAreaDocument::OnNewDocument(const QString& newTitle)
{
    doc.OnNewDocument();
    editor.Clear();
    pathName.clear();
    SetTitle(newTitle);
}

CAreaDocument::OpenResult CAreaDocument::OnOpenDocument(const QString& path, IDiagnostics& diagnostics, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return OpenResult::Unreadable;
    }
    // Read straight into the string the reader takes: a large area is held
    // once while it loads.
    std::string bytes(static_cast<size_t>(std::max<qint64>(file.size(), 0)), '\0');
    const qint64 got = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (got < 0 || file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return OpenResult::Unreadable;
    }
    bytes.resize(static_cast<size_t>(got));
    // A file that grew since its size was taken is read to its end.
    const QByteArray rest = file.readAll();
    bytes.append(rest.constData(), static_cast<size_t>(rest.size()));
    CKeptDiagnostics kept(diagnostics);
    // Digs append rooms: room for a few thousand of them in a large area.
    doc.spareRoomsPer1024 = 32;
    if (!doc.Load(std::move(bytes), kept, SaveOptions()))
        return OpenResult::Aborted;
    LayoutRooms(doc, editor.AllRooms());
    const std::string unplaced = UnplacedRoomsWarning(doc);
    if (!unplaced.empty())
        kept.Report({ Severity::Warning, 0, std::string(), unplaced, false });
    loadDiagnostics = std::move(kept.items);
    editor.Clear();
    pathName = QFileInfo(path).absoluteFilePath();
    readPath = pathName;
    SetTitle(QFileInfo(path).fileName());
    return OpenResult::Opened;
}

bool CAreaDocument::OnSaveDocument(const QString& path, IDiagnostics& diagnostics, QString& error)
{
    std::ostringstream out;
    // The header names the file being written, so a Save As names the new file.
    doc.Save(out, ToBytes(QFileInfo(path).absoluteFilePath()), diagnostics, SaveOptions());
    const std::string bytes = out.str();

    std::string failure;
    if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes, failure)) {
        error = QString::fromLocal8Bit(failure.c_str());
        return false;
    }
    pathName = QFileInfo(path).absoluteFilePath();
    if (pathName == readPath)
        doc.ForgetReadInPart();
    loadDiagnostics.clear();
    editor.MarkSaved();
    SetTitle(QFileInfo(path).fileName());
    emit Saved();
    return true;
}

CSaveOptions CAreaDocument::SaveOptions() const
{
    CSaveOptions options = doc.DefaultSaveOptions();
    options.keepLayout = keepTextLayout;
    return options;
}

bool CAreaDocument::SaveLosesUnreadPart(const QString& path) const
{
    return doc.ReadInPart() && QFileInfo(path).absoluteFilePath() == readPath;
}

void CAreaDocument::AddFrame(IAreaWindow* frame)
{
    frames.push_back(frame);
    UpdateFrameTitles();
}

void CAreaDocument::RemoveFrame(IAreaWindow* frame)
{
    frames.erase(std::remove(frames.begin(), frames.end(), frame), frames.end());
    UpdateFrameTitles();
    if (frames.empty())
        emit LastFrameClosed();
}

void CAreaDocument::UpdateFrameTitles()
{
    shownModified = IsModified();
    // Several windows of one area are told apart by a number after the title.
    const bool numbered = frames.size() > 1;
    for (size_t i = 0; i < frames.size(); ++i) {
        const QString caption = numbered ? QStringLiteral("%1:%2").arg(title).arg(i + 1) : title;
        frames[i]->SetCaption(caption, shownModified);
    }
    emit TitleChanged();
}
