#include "AppFixture.h"

#include "app/CRecentFileList.h"
#include "gui_support/DialogDriver.h"

#include <QDir>
#include <QDockWidget>
#include <QPrinter>

namespace {

using DocumentFiles = AppFixture;

// The area is changed in memory only.
void Change(CAreaDocument& document)
{
    ChangeHeader(document, [](CAreaHeader& h) { h.name = "Changed"; });
}

TEST_F(DocumentFiles, NewAreaIsNumberedAndSavedUnderTheNameAskedFor)
{
    ASSERT_TRUE(Start());
    CAreaDocument* document = app->OnFileNew();
    EXPECT_EQ(app->OnFileNew()->Title(), QStringLiteral("Tolvex2"));
    EXPECT_FALSE(document->IsModified());
    // An OK of General information that changed nothing is still a change.
    document->Editor().ReplaceHeader(document->Doc().Header());
    const QString target = temp.filePath(QStringLiteral("fresh"));
    app->chooseFile = [&](QWidget*, bool, const QString& name) { EXPECT_EQ(name, QStringLiteral("Tolvex1.are")); return target; };
    EXPECT_TRUE(app->SaveDocument(*document, false));
    EXPECT_EQ(ReadWholeFile((target + QStringLiteral(".are")).toStdString()).rfind("#AREADATA\nName Sin Nombre~\n", 0), 0u);
    EXPECT_EQ(document->Title(), QStringLiteral("fresh.are"));
    EXPECT_FALSE(document->IsModified() || CChildFrame::Of(document->Frames().front())->isWindowModified());
    EXPECT_EQ(app->RecentFiles().Files().value(0), target + QStringLiteral(".are"));
}

TEST_F(DocumentFiles, FailedSaveKeepsTheOldFileAndTheModifiedMarkAndNamesTheFile)
{
    ASSERT_TRUE(Start());
    const std::string original = ReadWholeFile(SourcePath("tests/data/map-levels/tower.are"));
    // A name so long that no temporary file can sit beside it: writing aside
    // fails while the old file is still there to be damaged.
    const QString longName = QString(245, QLatin1Char('t')) + QStringLiteral(".are");
    const QString path = WriteFile(longName, original);
    CAreaDocument* document = app->OpenDocumentFile(path);
    ASSERT_NE(document, nullptr);
    Change(*document);
    EXPECT_FALSE(app->SaveDocument(*document, false));
    EXPECT_EQ(ReadWholeFile(path.toStdString()), original) << "the file on disk must not change";
    EXPECT_TRUE(document->IsModified() && CChildFrame::Of(document->Frames().front())->isWindowModified());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains(longName)) << prompt.shown[0].text.toStdString();

    // Saved as into a folder that does not exist: the area keeps its file.
    app->chooseFile = [&](QWidget*, bool, const QString&) { return temp.filePath(QStringLiteral("no/such/x.are")); };
    EXPECT_FALSE(app->SaveDocument(*document, true));
    EXPECT_TRUE(document->IsModified() && document->PathName() == QFileInfo(path).absoluteFilePath());
}

TEST_F(DocumentFiles, ClosingAModifiedAreaAsksYesNoCancel)
{
    const std::pair<QMessageBox::StandardButton, bool> cases[] = { { QMessageBox::Cancel, false },
        { QMessageBox::No, false }, { QMessageBox::Yes, true } };
    for (const auto& [answer, saved] : cases) {
        ASSERT_TRUE(Start({ TowerArea() }));
        Change(*app->Documents().front());
        prompt.Clear();
        prompt.answers = { answer };
        Action(Command::FileClose)->trigger();
        EXPECT_EQ(prompt.Asked(), QStringLiteral("Save changes to tower.are?"));
        EXPECT_EQ(app->Documents().empty(), answer != QMessageBox::Cancel) << "answer " << answer;
        EXPECT_EQ(ReadWholeFile(temp.filePath(QStringLiteral("tower.are")).toStdString()).find("Name Changed~") != std::string::npos,
            saved)
            << "answer " << answer;
    }
}

TEST_F(DocumentFiles, AnOpenFileOpenedAgainShowsItsWindowAndOnlyTheLastWindowOfAModifiedAreaOrExitAsksNeverDuringADialog)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    CAreaDocument* document = app->Documents().front();
    CAreaDocument* empty = app->OpenDocumentFile(WriteFile(QStringLiteral("empty.are"), ""));
    EXPECT_TRUE(empty && empty->Doc().rooms.empty()) << "an empty file opens empty";
    EXPECT_EQ(app->OpenDocumentFile(temp.filePath(QStringLiteral("tower.are"))), document);
    EXPECT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(ActiveChild(), CChildFrame::Of(document->Frames().front()));
    Action(Command::WindowNew)->trigger();
    Change(*document);
    prompt.answers = { QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::No };
    EXPECT_TRUE(CChildFrame::Of(document->Frames()[1])->parentWidget()->close());
    EXPECT_TRUE(prompt.asked.empty()) << "the area is still open in another window";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(document->Frames().size(), 1u);
    EXPECT_FALSE(CChildFrame::Of(document->Frames()[0])->parentWidget()->close());

    bool closed = true;
    QTimer::singleShot(0, [&] {
        closed = Frame()->close();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    QPrinter printer;
    ActiveView()->OnFilePrint(printer);
    EXPECT_FALSE(closed) << "exit while the print dialog runs";
    EXPECT_FALSE(Frame()->close()) << "exit cancelled";
    EXPECT_EQ(prompt.asked.size(), 2u);
    EXPECT_TRUE(Frame()->close());
    EXPECT_TRUE(app->Documents().empty());
}

// What the reader reports waits in the Problems panel, which opens, and the
// status bar counts it; only a refused load is told in boxes.
TEST_F(DocumentFiles, ReaderWarningsGoToTheProblemsPanelAndAnAbortIsToldAndOpensNothing)
{
    ASSERT_TRUE(Start());
    // A mob whose race the configuration lacks, and a section nobody reads.
    CAreaDocument* document = app->OpenDocumentFile(WriteFile(QStringLiteral("odd.are"), ReadWholeFile(SourcePath("tests/data/reader-warnings/odd.are"))));
    ASSERT_TRUE(document && !document->IsModified());
    EXPECT_EQ(prompt.Told(), QString()) << "no box before the window shows";
    EXPECT_TRUE(Find<QDockWidget>(Frame(), "problemsPanel")->isVisible());
    const std::string listed = TreeRows(Find<QTreeView>(Frame(), "problemsList"));
    for (const char* part : { "zorblax", "line 23 ", "WIBBLE" })
        EXPECT_NE(listed.find(part), std::string::npos) << listed;
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), QStringLiteral("Read with 2 warnings (see Problems)"));

    EXPECT_EQ(app->OpenDocumentFile(WriteFile(QStringLiteral("bad.are"), ReadWholeFile(SourcePath("tests/data/load-aborts/unknown-type.are")))), nullptr);
    EXPECT_EQ(app->Documents().size(), 1u);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains(QStringLiteral("bogustype"))) << prompt.shown[0].text.toStdString();
}

TEST_F(DocumentFiles, SavingOverAFileReadInPartAsksFirstWithNoAsTheDefault)
{
    ASSERT_TRUE(Start());
    const std::string original = ReadWholeFile(SourcePath("tests/data/read-in-part/input.are"));
    const QString path = WriteFile(QStringLiteral("partial.are"), original);
    CAreaDocument* document = app->OpenDocumentFile(path);
    ASSERT_NE(document, nullptr);
    const QString question = QStringLiteral(
        "This area was read only up to line 16. Saving writes only what was read, and "
        "the rest of the file is lost. Save anyway?");

    Action(Command::FileSave)->trigger();
    EXPECT_EQ(prompt.Asked(true), QStringLiteral("Warning! ") + question);
    EXPECT_EQ(prompt.defaults, std::vector<QMessageBox::StandardButton> { QMessageBox::No });
    EXPECT_EQ(ReadWholeFile(path.toStdString()), original) << "No leaves the file as it was";

    const QString copy = temp.filePath(QStringLiteral("copy.are"));
    QString chosen = copy;
    app->chooseFile = [&](QWidget*, bool, const QString&) { return chosen; };
    EXPECT_TRUE(app->SaveDocument(*document, true));
    EXPECT_EQ(prompt.asked.size(), 1u) << "another file loses nothing";

    chosen = path;
    prompt.answers = { QMessageBox::Yes };
    EXPECT_TRUE(app->SaveDocument(*document, true)) << "Save As onto the file read asks too";
    EXPECT_EQ(prompt.Asked(), question + QLatin1Char('|') + question);
    EXPECT_EQ(ReadWholeFile(path.toStdString()), ReadWholeFile(copy.toStdString()));
    EXPECT_TRUE(app->SaveDocument(*document, false));
    EXPECT_EQ(prompt.asked.size(), 2u) << "the file now holds the whole area";
}

// A plain save writes every text as the file had it; Re-wrap All Texts is one
// step to undo. Keep Text Layout is the application's, kept in the settings.
TEST_F(DocumentFiles, TextsAreSavedAsReadUntilReWrappedAndKeepTextLayoutIsRemembered)
{
    const QString path = WriteFile(QStringLiteral("input.are"), ReadWholeFile(SourcePath("tests/data/keep-layout/input.are")));
    ASSERT_TRUE(Start({ path }));
    EXPECT_TRUE(prompt.shown.empty()) << "nothing of the layout is lost: nothing to warn about";
    const std::string asRead = ReadWholeFile(SourcePath("tests/data/keep-layout/expected-romolc.are"));
    const std::string rewrapped = ReadWholeFile(SourcePath("tests/data/keep-layout/expected-romolc-rewrap.are"));

    Action(Command::FileSave)->trigger();
    EXPECT_EQ(ReadWholeFile(path.toStdString()), asRead);

    ASSERT_TRUE(Action(Command::AreaRewrapAll)->isEnabled());
    Action(Command::AreaRewrapAll)->trigger();
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Re-wrap All Texts"));
    Action(Command::FileSave)->trigger();
    EXPECT_EQ(ReadWholeFile(path.toStdString()), rewrapped);
    Action(Command::EditUndo)->trigger();
    Action(Command::FileSave)->trigger();
    EXPECT_EQ(ReadWholeFile(path.toStdString()), asRead) << "undone, the texts are the file's again";

    QAction* keep = Action(Command::AreaKeepLayout);
    EXPECT_TRUE(keep->isCheckable() && keep->isEnabled() && !keep->isChecked());
    keep->trigger();
    EXPECT_TRUE(keep->isChecked() && app->KeepTextLayout());
    EXPECT_TRUE(QSettings(QStringLiteral("Vantreme"), QStringLiteral("tolvex")).value(QStringLiteral("Settings/KeepTextLayout")).toBool());
    ASSERT_TRUE(Start({ path }));
    EXPECT_TRUE(Action(Command::AreaKeepLayout)->isChecked()) << "remembered";
}

using RecentFiles = AppFixture;

QStringList Paths(const QTemporaryDir& dir, std::initializer_list<int> numbers)
{
    QStringList paths;
    for (int n : numbers)
        paths << dir.filePath(QStringLiteral("area%1.are").arg(n));
    return paths;
}

TEST_F(RecentFiles, KeepTheFiveNewestWithoutDuplicatesAndNoStaleSettings)
{
    CRecentFileList list;
    for (const QString& path : Paths(temp, { 1, 2, 3, 4, 5, 6, 3 }))
        list.Add(path);
    EXPECT_EQ(list.Files(), Paths(temp, { 3, 6, 5, 4, 2 })) << "a file opened again moves up";
    list.WriteList();
    list.Remove(Paths(temp, { 5 })[0]);
    list.WriteList();
    CRecentFileList read;
    read.ReadList();
    EXPECT_EQ(read.Files(), Paths(temp, { 3, 6, 4, 2 })) << "a shorter list must leave no stale entry behind";
}

TEST_F(RecentFiles, FileMenuListsOpenedAreasAndForgetsOnesThatAreGone)
{
    ASSERT_TRUE(Start());
    for (const QString& path : Paths(temp, { 1, 2, 3, 4, 5, 6 }))
        ASSERT_TRUE(QFile::copy(TowerArea(), path) && app->OpenDocumentFile(path)) << path.toStdString();
    const auto mru = [this](int i) { return Frame()->findChild<QAction*>(QStringLiteral("actionFileMru%1").arg(i)); };
    EXPECT_EQ(mru(1)->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(Paths(temp, { 6 })[0]));
    EXPECT_TRUE(mru(5)->isVisible() && !mru(6));

    app->CloseAllDocuments();
    QFile::remove(Paths(temp, { 6 })[0]);
    mru(1)->trigger();
    EXPECT_EQ(app->RecentFiles().Files(), Paths(temp, { 5, 4, 3, 2 }));
}

} // namespace
