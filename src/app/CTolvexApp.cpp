#include "app/CTolvexApp.h"

#include "text/AtomicFile.h"

#include "app/AppResources.h"
#include "gui/AppSettings.h"
#include "app/CAboutDlg.h"
#include "gui/CAreaDocument.h"
#include "app/CCommandLineInfo.h"
#include "app/CMainFrame.h"
#include "app/CPromptDiagnostics.h"
#include "app/CRenumberDlg.h"
#include "app/CSplashWnd.h"
#include "app/CWorld.h"
#include "app/CWorldMapView.h"
#include "commands/CAreaCommands.h"
#include "config/ConfigLoader.h"
#include "config/ConfigLocator.h"
#include "gui/Prompt.h"
#include "map/CChildFrame.h"
#include "map/CTolvexView.h"
#include "world/AreaList.h"
#include "world/Renumber.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cstdio>

namespace {

const QString AppTitle = QStringLiteral("tolvex");
const QString FileFilter = QStringLiteral("ROM Area Files (*.are)");
const QString OpenFileFilter = QStringLiteral("ROM Area Files (*.are);;Area Lists (*.lst);;All files (*)");
const QString SettingsPreviewPages = QStringLiteral("Settings/PreviewPages");
const QString SettingsAllRooms = QStringLiteral("Settings/AllRooms");
const QString SettingsKeepTextLayout = QStringLiteral("Settings/KeepTextLayout");
const QString AppIconPath = QStringLiteral(":/icons/tolvex.svg");

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A load the reader refused: its reasons, in boxes.
void TellAborted(QWidget* parent, const QString& fileName, const CDiagnosticList& read)
{
    CPromptDiagnostics diagnostics(parent, fileName);
    for (const CDiagnostic& d : read.items)
        diagnostics.Report(d);
    diagnostics.ShowSummary(QStringLiteral("Reading %1 gave these warnings:"));
}

} // namespace

CTolvexApp::CTolvexApp(CConfigTables& tableSet, QObject* parent)
    : QObject(parent)
    , tables(tableSet)
    , recentFiles(5)
{
    chooseFile = [this](QWidget* dialogParent, bool save, const QString& suggested) {
        return DefaultChooseFile(dialogParent, save, suggested);
    };
}

CTolvexApp::~CTolvexApp()
{
    CloseAllDocuments();
    mainFrame.reset();
}

bool CTolvexApp::InitInstance(const QStringList& arguments, const CStartOptions& startOptions)
{
    options = startOptions;
    const CCommandLineInfo commandLine = CCommandLineInfo::Parse(arguments);
    if (commandLine.exitCode >= 0) {
        std::fputs(commandLine.message.toLocal8Bit().constData(), commandLine.exitCode == 0 ? stdout : stderr);
        exitCode = commandLine.exitCode;
        return false;
    }
    if (options.configPath.isEmpty())
        options.configPath = commandLine.configPath;
    const bool printOnly = commandLine.shellCommand == CCommandLineInfo::Shell::FilePrint;
    CSplashWnd::EnableSplashScreen(commandLine.showSplash && !printOnly);

    recentFiles.ReadList();
    previewPages = AppSettings()->value(SettingsPreviewPages, 1).toInt() == 2 ? 2 : 1;
    allRooms = AppSettings()->value(SettingsAllRooms, false).toBool();
    keepTextLayout = AppSettings()->value(SettingsKeepTextLayout, false).toBool();

    EnsureAppResources();
    if (QFile::exists(AppIconPath))
        QApplication::setWindowIcon(QIcon(AppIconPath));
    mainFrame = std::make_unique<CMainFrame>(*this);

    if (!LoadConfiguration(arguments.value(0))) {
        mainFrame.reset();
        exitCode = 1;
        return false;
    }

    switch (commandLine.shellCommand) {
    case CCommandLineInfo::Shell::FileNew:
        // Without a file the editor starts with no area open.
        break;
    case CCommandLineInfo::Shell::FileOpen: {
        // The editor stays when at least one of the files opened.
        bool opened = false;
        for (const QString& fileName : commandLine.fileNames)
            opened = OpenFile(fileName) || opened;
        if (!opened) {
            mainFrame.reset();
            exitCode = 1;
            return false;
        }
        break;
    }
    case CCommandLineInfo::Shell::FilePrint: {
        CAreaDocument* document = OpenDocumentFile(commandLine.fileNames.front());
        bool printed = false;
        if (document) {
            QPrinter& target = Printer();
            const bool toFile = !target.outputFileName().isEmpty();
            QString failure;
            if (!toFile && (QPrinterInfo::availablePrinterNames().isEmpty() || !target.isValid()))
                failure = QStringLiteral("No printer is available to print %1.").arg(document->Title());
            else if (!(printed = CChildFrame::Of(document->Frames().front())->View()->OnFilePrintDirect(target)))
                failure = QStringLiteral("%1 could not be printed.").arg(document->Title());
            // Printing is asked for from a shell or a file manager: both are told.
            if (!failure.isEmpty()) {
                std::fprintf(stderr, "tolvex: %s\n", failure.toLocal8Bit().constData());
                Prompt().Show(nullptr, AppTitle, failure, QMessageBox::Critical);
            }
            CloseAllDocuments();
        }
        mainFrame.reset();
        exitCode = printed ? 0 : 1;
        return false;
    }
    }

    mainFrame->showMaximized();
    return true;
}

bool CTolvexApp::LoadConfiguration(const QString& argv0)
{
    QString path = options.configPath;
    const std::string executableDir = ExecutableDir(QFile::encodeName(argv0).constData());
    if (path.isEmpty())
        path = QFile::decodeName(FindConfigFile(executableDir).c_str());
    int line = 0;
    if (!path.isEmpty() && LoadConfig(tables, QFile::encodeName(path).toStdString(), line))
        return true;
    if (CSplashWnd* splash = CSplashWnd::Current())
        splash->HideSplashScreen();
    QString message = QStringLiteral("Error leyendo tolvex.cfg! (%1)").arg(line);
    if (path.isEmpty())
        message += QStringLiteral("\n\n") + QFile::decodeName(ConfigNotFoundText(executableDir).c_str()).trimmed();
    Prompt().Show(nullptr, QStringLiteral("Error"), message, QMessageBox::Critical);
    return false;
}

QPrinter& CTolvexApp::Printer()
{
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!options.printOutputFile.isEmpty()) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(options.printOutputFile);
        }
    }
    return *printer;
}

void CTolvexApp::WriteSettings() const
{
    recentFiles.WriteList();
    AppSettings()->setValue(SettingsPreviewPages, previewPages);
}

void CTolvexApp::SetKeepTextLayout(CAreaDocument& document, bool keep)
{
    document.SetKeepTextLayout(keep);
    keepTextLayout = keep;
    AppSettings()->setValue(SettingsKeepTextLayout, keep);
}

CAreaDocument* CTolvexApp::NewDocument()
{
    auto* document = new CAreaDocument(tables, this);
    document->Editor().SetAllRooms(allRooms);
    document->SetKeepTextLayout(keepTextLayout);
    return document;
}

void CTolvexApp::SetAllRooms(bool all)
{
    allRooms = all;
    AppSettings()->setValue(SettingsAllRooms, allRooms);
    for (CAreaDocument* document : documents)
        document->Editor().SetAllRooms(allRooms);
}

void CTolvexApp::Register(CAreaDocument* document)
{
    documents.push_back(document);
    document->canClose = [this](CAreaDocument& d) { return SaveModified(d); };
    connect(document, &CAreaDocument::LastFrameClosed, this, [this, document] { OnLastFrameClosed(document); });
    emit DocumentsChanged();
}

void CTolvexApp::OnLastFrameClosed(CAreaDocument* document)
{
    // An area of the world stays open without windows, changes and all.
    if (world && world->Has(document) && !closingWorld) {
        document->closing = false;
        emit DocumentsChanged();
        return;
    }
    Unregister(document);
}

void CTolvexApp::Unregister(CAreaDocument* document)
{
    const auto found = std::find(documents.begin(), documents.end(), document);
    if (found == documents.end())
        return;
    documents.erase(found);
    document->deleteLater();
    emit DocumentsChanged();
}

CAreaDocument* CTolvexApp::OnFileNew()
{
    CAreaDocument* document = NewDocument();
    document->OnNewDocument(QStringLiteral("Tolvex%1").arg(++untitledCount));
    Register(document);
    mainFrame->CreateFrame(*document);
    return document;
}

void CTolvexApp::OnFileOpen()
{
    // Areas of one MUD sit together: the next one is most likely beside the
    // active one.
    QString folder;
    if (CTolvexView* view = mainFrame->ActiveView())
        if (!view->Document().PathName().isEmpty())
            folder = QFileInfo(view->Document().PathName()).absolutePath();
    const QString path = chooseFile(mainFrame.get(), false, folder);
    if (!path.isEmpty())
        OpenFile(path);
}

CAreaDocument* CTolvexApp::OpenDocumentFile(const QString& path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    // An area of the world may be open without a window: it is shown, not read twice.
    for (CAreaDocument* document : documents) {
        if (document->PathName() == absolute) {
            ShowArea(*document);
            return document;
        }
    }

    std::unique_ptr<CAreaDocument> document(NewDocument());
    // What the reader reports waits for the Problems panel, so that no box
    // stands in front of a window not yet shown; only a refused load is told
    // in boxes.
    CDiagnosticList read;
    QString error;
    switch (document->OnOpenDocument(path, read, error)) {
    case CAreaDocument::OpenResult::Unreadable:
        Prompt().Show(mainFrame.get(), AppTitle, QStringLiteral("Cannot open %1.\n%2").arg(NativePath(absolute), error),
            QMessageBox::Critical);
        recentFiles.Remove(absolute);
        recentFiles.WriteList();
        emit RecentFilesChanged();
        return nullptr;
    case CAreaDocument::OpenResult::Aborted:
        TellAborted(mainFrame.get(), info.fileName(), read);
        return nullptr;
    case CAreaDocument::OpenResult::Opened:
        break;
    }
    CAreaDocument* opened = document.release();
    Register(opened);
    mainFrame->CreateFrame(*opened);
    AddToRecentFiles(absolute);
    mainFrame->ShowReadReport(*opened);
    return opened;
}

bool CTolvexApp::OpenFile(const QString& path)
{
    QFile file(path);
    // An area list is short; the first bytes tell it from an area.
    if (file.open(QIODevice::ReadOnly) && LooksLikeAreaList(file.read(1 << 16).toStdString()))
        return OpenWorld(path);
    return OpenDocumentFile(path) != nullptr;
}

CAreaDocument* CTolvexApp::LoadDocument(const QString& path, QString& error)
{
    std::unique_ptr<CAreaDocument> document(NewDocument());
    CDiagnosticList read;
    switch (document->OnOpenDocument(path, read, error)) {
    case CAreaDocument::OpenResult::Unreadable:
        return nullptr;
    case CAreaDocument::OpenResult::Aborted:
        TellAborted(mainFrame.get(), QFileInfo(path).fileName(), read);
        error = QStringLiteral("The file could not be read.");
        return nullptr;
    case CAreaDocument::OpenResult::Opened:
        break;
    }
    CAreaDocument* opened = document.release();
    Register(opened);
    return opened;
}

void CTolvexApp::OnFileOpenWorld()
{
    QString folder;
    if (world)
        folder = QFileInfo(world->ListPath()).absolutePath();
    const QString path = chooseFile(mainFrame.get(), false, folder);
    if (!path.isEmpty())
        OpenWorld(path);
}

bool CTolvexApp::OpenWorld(const QString& listPath)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompt().Show(mainFrame.get(), AppTitle,
            QStringLiteral("Cannot open %1.\n%2").arg(NativePath(QFileInfo(listPath).absoluteFilePath()), file.errorString()),
            QMessageBox::Critical);
        return false;
    }
    const CAreaList list = ReadAreaList(file.readAll().toStdString());
    // The world open already stays as it is, changes and windows included.
    if (world && world->ListPath() == QFileInfo(listPath).absoluteFilePath()) {
        if (auto* panel = mainFrame->findChild<QDockWidget*>(QStringLiteral("worldPanel"))) {
            panel->show();
            panel->raise();
        }
        return true;
    }
    if (!CloseWorld())
        return false;
    const QDir folder = QFileInfo(listPath).absoluteDir();
    std::vector<CWorld::CEntry> entries;
    QStringList missing;
    for (const CAreaListEntry& listed : list.entries) {
        CWorld::CEntry entry;
        entry.file = QString::fromStdString(listed.file);
        entry.path = QFileInfo(folder.filePath(entry.file)).absoluteFilePath();
        for (CAreaDocument* document : documents)
            if (document->PathName() == entry.path)
                entry.document = document;
        if (!entry.document)
            entry.document = LoadDocument(entry.path, entry.error);
        if (!entry.document)
            missing << QStringLiteral("%1: %2").arg(entry.file, entry.error);
        entries.push_back(std::move(entry));
    }
    world = new CWorld(QFileInfo(listPath).absoluteFilePath(), std::move(entries), this);
    for (CAreaDocument* document : world->Documents()) {
        document->canClose = [](CAreaDocument&) { return true; }; // it stays open in the world
        document->SetOtherAreas(world);
        connect(world, &CWorld::Changed, document, &CAreaDocument::NotifyOtherAreasChanged);
    }
    AddToRecentFiles(world->ListPath());
    emit WorldChanged();
    emit DocumentsChanged();
    QStringList told;
    if (!list.ended)
        told << QStringLiteral("%1 has no \"$\" line; it was read to its end, and the server will not boot it.")
                    .arg(QFileInfo(listPath).fileName());
    if (!missing.isEmpty())
        told << QStringLiteral("These areas of %1 could not be opened:\n%2").arg(QFileInfo(listPath).fileName(), missing.join(QLatin1Char('\n')));
    if (!told.isEmpty())
        Prompt().Show(mainFrame.get(), AppTitle, told.join(QStringLiteral("\n\n")), QMessageBox::Warning);
    return true;
}

bool CTolvexApp::SaveModifiedWorld()
{
    if (!world)
        return true;
    QStringList modified;
    for (CAreaDocument* document : world->Documents())
        if (document->IsModified())
            modified << document->Title();
    if (modified.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = Prompt().Ask(mainFrame.get(), AppTitle,
        QStringLiteral("Save changes to these areas of the world?\n%1").arg(modified.join(QLatin1Char('\n'))),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    for (CAreaDocument* document : world->Documents())
        if (document->IsModified() && !SaveDocument(*document, false))
            return false;
    return true;
}

bool CTolvexApp::CloseWorld()
{
    if (!world)
        return true;
    if (!SaveModifiedWorld())
        return false;
    CloseWorldNow();
    return true;
}

void CTolvexApp::CloseWorldNow()
{
    if (!world)
        return;
    closingWorld = true;
    if (worldMap) {
        // Its windows show every area: they go first.
        CloseFrames(worldMap->Picture());
        worldMap = nullptr;
    }
    for (CAreaDocument* document : world->Documents()) {
        document->canClose = [this](CAreaDocument& d) { return SaveModified(d); };
        CloseFrames(*document);
        document->SetOtherAreas(nullptr);
        Unregister(document);
    }
    closingWorld = false;
    // The panels let go of the world before it goes.
    CWorld* closed = world;
    world = nullptr;
    emit WorldChanged();
    delete closed;
}

void CTolvexApp::ShowWorldMap()
{
    if (!world)
        return;
    if (!worldMap)
        worldMap = new CWorldMapDocument(*world, tables);
    CAreaDocument& picture = worldMap->Picture();
    if (picture.Frames().empty())
        mainFrame->CreateFrame(picture, new CWorldMapView(*worldMap));
    else
        mainFrame->ActivateFrame(CChildFrame::Of(picture.Frames().front()));
}

void CTolvexApp::ShowArea(CAreaDocument& document)
{
    if (document.Frames().empty())
        mainFrame->CreateFrame(document);
    else
        mainFrame->ActivateFrame(CChildFrame::Of(document.Frames().front()));
}

bool CTolvexApp::ShowRoom(CAreaDocument& document, int vnum)
{
    const int index = document.Doc().FindRoomIndex(vnum);
    if (index < 0)
        return false;
    ShowArea(document);
    CChildFrame* frame = CChildFrame::Of(document.Frames().front());
    frame->View()->GoToRoom(index);
    return true;
}

void CTolvexApp::ShowRecord(CAreaDocument& document, RecordKind kind, int vnum)
{
    if (kind == RecordKind::Room) {
        ShowRoom(document, vnum);
        return;
    }
    ShowArea(document);
    CAreaCommands(*CChildFrame::Of(document.Frames().front())->View()).EditRecord(kind, vnum);
}

namespace {

// The world with one more area at its end (not yet its own), as a renumber sees it.
std::vector<CWorldArea> WorldWith(const CWorld& world, const CAreaDocument& area, const QString& file)
{
    std::vector<CWorldArea> areas = world.Areas();
    areas.push_back({ file.toStdString(), &area.Doc() });
    return areas;
}

} // namespace

bool CTolvexApp::RenumberArea(CAreaDocument& document)
{
    std::vector<CWorldArea> areas;
    std::vector<CAreaDocument*> touched;
    const bool inWorld = world && world->Has(&document);
    if (inWorld) {
        areas = world->Areas();
        for (size_t i = 0; i < areas.size(); ++i)
            touched.push_back(world->AreaDocument(i));
    } else {
        areas.push_back({ document.Title().toStdString(), &document.Doc() });
        touched.push_back(&document);
    }
    const size_t index = inWorld ? static_cast<size_t>(world->AreaIndex(&document)) : 0;
    CRenumberDlg dialog(areas, index, 0, mainFrame.get());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Each area it touches takes its own step, named after the area that moved.
    const std::string step = "Renumber Area " + areas[index].file;
    for (CRenumberedArea& changed : ApplyRenumber(areas, dialog.Plan(), dialog.Ticked()))
        touched[changed.area]->Editor().ReplaceRecords(step, std::move(changed.records));
    return true;
}

bool CTolvexApp::AddToWorldList(CAreaDocument* document, const QString& file)
{
    // The list is written whole or not at all.
    QFile listFile(world->ListPath());
    std::string text;
    if (listFile.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = listFile.readAll();
        text.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    std::string error;
    if (!WriteFileAtomically(QFile::encodeName(world->ListPath()).toStdString(), AddToAreaList(text, QFile::encodeName(file).toStdString()), error)) {
        ShowError(mainFrame.get(), QStringLiteral("Could not add %1 to %2.\n%3").arg(file, NativePath(world->ListPath()), QString::fromLocal8Bit(error.c_str())));
        return false;
    }
    CWorld::CEntry entry;
    entry.file = file;
    entry.path = document->PathName();
    entry.document = document;
    world->Add(entry);
    document->canClose = [](CAreaDocument&) { return true; };
    document->SetOtherAreas(world);
    connect(world, &CWorld::Changed, document, &CAreaDocument::NotifyOtherAreasChanged);
    emit DocumentsChanged();
    ShowArea(*document);
    return true;
}

bool CTolvexApp::WorldNames(const QString& file) const
{
    for (const CWorld::CEntry& entry : world->Entries())
        if (entry.file == file)
            return true;
    return false;
}

void CTolvexApp::AddAreaToWorld()
{
    if (!world)
        return;
    const QString path = chooseFile(mainFrame.get(), false, QString());
    if (path.isEmpty())
        return;
    const QString file = QFileInfo(path).fileName();
    const QString target = QDir(QFileInfo(world->ListPath()).absolutePath()).filePath(file);
    if (WorldNames(file)) {
        ShowError(mainFrame.get(), QStringLiteral("The world already has %1.").arg(file));
        return;
    }
    QString error;
    CAreaDocument* document = LoadDocument(path, error);
    if (!document) {
        if (!error.isEmpty())
            ShowError(mainFrame.get(), QStringLiteral("Could not open %1.\n%2").arg(NativePath(path), error));
        return;
    }
    auto drop = [this, document] {
        Unregister(document);
    };
    // A range the world has already is moved first, and only the area's own
    // references with it: the world's point at the areas that have them.
    const std::vector<CWorldArea> areas = WorldWith(*world, *document, file);
    // The range is the one a renumber moves; an area without vnums (helps,
    // socials) clashes with nothing.
    const CRenumberPlan here = PlanRenumber(areas, areas.size() - 1, document->Doc().lowerVnum);
    const CRenumberPlan clash = PlanRenumber(areas, areas.size() - 1, here.oldLow);
    if (clash.oldHigh > 0 && !clash.error.empty()) {
        const QMessageBox::StandardButton answer = Prompt().Ask(mainFrame.get(), AppTitle,
            QStringLiteral("%1\nRenumber %2 to a free range first?").arg(FromBytes(clash.error), file), QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return drop();
        CRenumberDlg dialog(areas, areas.size() - 1, 0, mainFrame.get(), false);
        if (dialog.exec() != QDialog::Accepted)
            return drop();
        const std::vector<CWorldArea> alone { areas.back() };
        const CRenumberPlan plan = PlanRenumber(alone, 0, dialog.Plan().newLow);
        for (CRenumberedArea& changed : ApplyRenumber(alone, plan, dialog.Ticked()))
            document->Editor().ReplaceRecords("Renumber Area " + alone[0].file, std::move(changed.records));
    }
    const bool same = QFileInfo(path).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (!same && QFileInfo::exists(target)
        && !AskWarningYesNo(mainFrame.get(), QStringLiteral("The world's folder has a %1 already. Replace it?").arg(file)))
        return drop();
    // Saved where the world has its areas: as read when nothing moved, as renumbered otherwise.
    if (!same || document->IsModified()) {
        if (!document->IsModified()) {
            QFile source(path);
            std::string bytes;
            if (source.open(QIODevice::ReadOnly)) {
                const QByteArray all = source.readAll();
                bytes.assign(all.constData(), static_cast<size_t>(all.size()));
            }
            std::string copyError;
            if (!source.isOpen() || !WriteFileAtomically(QFile::encodeName(target).toStdString(), bytes, copyError)) {
                ShowError(mainFrame.get(), QStringLiteral("Could not copy %1 into the world's folder.\n%2").arg(file, source.isOpen() ? QString::fromLocal8Bit(copyError.c_str()) : source.errorString()));
                return drop();
            }
            drop();
            document = LoadDocument(target, error);
            if (!document)
                return;
        } else if (!SaveDocumentTo(*document, target)) {
            return drop();
        }
    }
    AddToWorldList(document, file);
}

void CTolvexApp::NewAreaInWorld()
{
    if (!world)
        return;
    CNewWorldAreaDlg dialog(world->Areas(), QFileInfo(world->ListPath()).absolutePath(), mainFrame.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString file = dialog.File();
    if (WorldNames(file)) {
        ShowError(mainFrame.get(), QStringLiteral("The world already has %1.").arg(file));
        return;
    }
    const QString target = QDir(QFileInfo(world->ListPath()).absolutePath()).filePath(file);
    if (QFileInfo::exists(target)
        && !AskWarningYesNo(mainFrame.get(), QStringLiteral("The world's folder has a %1 already. Replace it?").arg(file)))
        return;
    CAreaDocument* document = NewDocument();
    Register(document);
    document->OnNewDocument(file);
    CAreaHeader header = document->Doc().Header();
    header.name = ToBytes(dialog.Name());
    header.lowerVnum = dialog.Low();
    header.upperVnum = dialog.Low() + dialog.Size() - 1;
    document->Editor().ReplaceHeader(header);
    if (!SaveDocumentTo(*document, target)) {
        Unregister(document);
        return;
    }
    // A new file: nothing to undo back to.
    document->Editor().Clear();
    AddToWorldList(document, file);
}

bool CTolvexApp::SaveAll()
{
    // One file not saved leaves the others to be saved all the same.
    bool saved = true;
    const std::vector<CAreaDocument*> open = documents;
    for (CAreaDocument* document : open)
        if (document->IsModified() && !SaveDocument(*document, false))
            saved = false;
    return saved;
}

void CTolvexApp::AddToRecentFiles(const QString& path)
{
    recentFiles.Add(path);
    recentFiles.WriteList();
    emit RecentFilesChanged();
}

bool CTolvexApp::SaveDocument(CAreaDocument& document, bool saveAs)
{
    QString path = document.PathName();
    if (saveAs || path.isEmpty()) {
        const QString suggested = path.isEmpty() ? document.Title() + QStringLiteral(".are") : path;
        path = chooseFile(mainFrame.get(), true, suggested);
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".are");
    }
    return SaveDocumentTo(document, path);
}

bool CTolvexApp::SaveDocumentTo(CAreaDocument& document, const QString& path)
{
    if (document.SaveLosesUnreadPart(path)
        && !AskWarningYesNo(mainFrame.get(),
            QStringLiteral("This area was read only up to line %1. Saving writes only what was read, and the rest of "
                           "the file is lost. Save anyway?")
                .arg(document.Doc().ReadUpToLine())))
        return false;
    // Save All and closing the world save many files: the question names its own.
    if (IsReadOnlyFile(QFile::encodeName(path).toStdString())
        && !AskWarningYesNo(mainFrame.get(), QStringLiteral("%1 is read-only. Save anyway?").arg(QFileInfo(path).fileName())))
        return false;
    const QString fileName = QFileInfo(path).fileName();
    CPromptDiagnostics diagnostics(mainFrame.get(), fileName);
    QString error;
    if (!document.OnSaveDocument(path, diagnostics, error)) {
        Prompt().Show(mainFrame.get(), AppTitle,
            QStringLiteral("Could not save %1.\n%2\n\nThe file on disk was left as it was, and the area is still unsaved.")
                .arg(NativePath(QFileInfo(path).absoluteFilePath()), error),
            QMessageBox::Critical);
        return false;
    }
    AddToRecentFiles(path);
    diagnostics.ShowSummary(QStringLiteral("Saving %1 gave these warnings:"));
    return true;
}

bool CTolvexApp::SaveModified(CAreaDocument& document)
{
    if (!document.IsModified())
        return true;
    const QMessageBox::StandardButton answer = Prompt().Ask(mainFrame.get(), AppTitle,
        QStringLiteral("Save changes to %1?").arg(document.Title()), QMessageBox::Warning,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveDocument(document, false);
    return answer == QMessageBox::No;
}

bool CTolvexApp::SaveAllModified()
{
    if (!SaveModifiedWorld())
        return false;
    const std::vector<CAreaDocument*> open = documents;
    for (CAreaDocument* document : open)
        if ((!world || !world->Has(document)) && !SaveModified(*document))
            return false;
    return true;
}

bool CTolvexApp::CloseDocument(CAreaDocument& document)
{
    // An area of the world keeps its changes open in the world.
    if ((!world || !world->Has(&document)) && !SaveModified(document))
        return false;
    CloseFrames(document);
    return true;
}

void CTolvexApp::CloseFrames(CAreaDocument& document)
{
    document.closing = true;
    const std::vector<IAreaWindow*> windows = document.Frames();
    for (IAreaWindow* window : windows) {
        CChildFrame* frame = CChildFrame::Of(window);
        // Deleting the window unregisters it; the last one ends the document.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget()))
            delete sub;
        else
            delete frame;
    }
}

void CTolvexApp::CloseAllDocuments()
{
    CloseWorldNow();
    const std::vector<CAreaDocument*> open = documents;
    for (CAreaDocument* document : open)
        CloseFrames(*document);
}

void CTolvexApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&Printer(), mainFrame.get());
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    dialog.exec();
}

void CTolvexApp::OnAppAbout()
{
    CAboutDlg dialog(mainFrame.get());
    dialog.exec();
}

QString CTolvexApp::DefaultChooseFile(QWidget* parent, bool save, const QString& suggested)
{
    if (save)
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), suggested, FileFilter);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), suggested, OpenFileFilter);
}
