#include "AppFixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDialog>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTimer>

namespace {

using DocumentFiles = AppFixture;

// A mob whose race the configuration lacks, and a section nobody reads.
const std::string raceAndSection = "#AREADATA\nName Odd~\nVNUMs 300 399\nEnd\n\n"
                                   "#MOBILES\n#300\ngoblin~\na goblin~\nA goblin.\n~\nIt is ugly.\n~\nzorblax~\n"
                                   "A 0 0 0\n1 0 1d1+1 1d1+1 1d1+1 hit\n0 0 0 0\n0 0 0 0\nstand stand male 0\n"
                                   "0 0 medium 0\n#0\n\n"
                                   "#WIBBLE\n\n#$\n";
const std::string unknownObjectType = "#AREADATA\nName Bad~\nVNUMs 500 599\nEnd\n\n"
                                      "#OBJECTS\n#500\nthing~\na thing~\nA thing is here.~\nwood~\n"
                                      "bogustype 0 0\n0 0 0 0 0\n1 1 1 P\n#0\n\n#$\n";

TEST_F(DocumentFiles, NewAreasAreNumberedAndStartUnmodified)
{
    ASSERT_TRUE(Start());
    CAreaDocument* first = app->OnFileNew();
    CAreaDocument* second = app->OnFileNew();
    EXPECT_EQ(first->Title(), QStringLiteral("Tolvex1"));
    EXPECT_EQ(second->Title(), QStringLiteral("Tolvex2"));
    EXPECT_EQ(first->Doc().name, "Sin Nombre");
    EXPECT_EQ(first->Doc().lowerVnum, 1);
    EXPECT_EQ(first->Doc().upperVnum, 100);
    EXPECT_FALSE(first->IsModified());
    EXPECT_TRUE(first->PathName().isEmpty());
    EXPECT_EQ(Frame()->MenuId(), 129);
}

TEST_F(DocumentFiles, SaveOfANewAreaAsksForANameAndClearsTheModifiedMark)
{
    ASSERT_TRUE(Start());
    CAreaDocument* document = app->OnFileNew();
    document->Doc().NotifyChanged();
    ASSERT_TRUE(document->Frames().front()->isWindowModified());
    const QString target = temp.filePath(QStringLiteral("fresh"));
    QString suggested;
    app->chooseFile = [&](QWidget*, bool save, const QString& name) {
        EXPECT_TRUE(save);
        suggested = name;
        return target;
    };
    Action(Command::FileSave)->trigger();
    EXPECT_EQ(suggested, QStringLiteral("Tolvex1.are"));
    const std::string written = ReadAll((target + QStringLiteral(".are")).toStdString());
    EXPECT_EQ(written.rfind("#AREADATA\nName Sin Nombre~\n", 0), 0u) << written.substr(0, 80);
    EXPECT_EQ(document->Title(), QStringLiteral("fresh.are"));
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(document->Frames().front()->isWindowModified());
    EXPECT_EQ(app->RecentFiles().Files().value(0), target + QStringLiteral(".are"));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(DocumentFiles, FailedSaveKeepsTheOldFileAndTheModifiedMarkAndNamesTheFile)
{
    ASSERT_TRUE(Start());
    const std::string original = ReadAll(SourcePath("tests/data/map-levels/tower.are"));
    // A name so long that no temporary file can sit beside it: writing aside
    // fails while the old file is still there to be damaged.
    const QString longName = QString(245, QLatin1Char('t')) + QStringLiteral(".are");
    const QString path = WriteFile(longName, original);
    CAreaDocument* document = app->OpenDocumentFile(path);
    ASSERT_NE(document, nullptr);
    document->Doc().name = "Changed";
    document->Doc().NotifyChanged();

    EXPECT_FALSE(app->SaveDocument(*document, false));
    EXPECT_EQ(ReadAll(path.toStdString()), original) << "the file on disk must not change";
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(document->Frames().front()->isWindowModified());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(prompt.shown[0].text.contains(longName)) << prompt.shown[0].text.toStdString();

    // Into a folder that does not exist: the same, and the area keeps its file.
    prompt.shown.clear();
    app->chooseFile = [&](QWidget*, bool, const QString&) { return temp.filePath(QStringLiteral("no/such/dir/x.are")); };
    EXPECT_FALSE(app->SaveDocument(*document, true));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->PathName(), QFileInfo(path).absoluteFilePath());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains(QStringLiteral("x.are"))) << prompt.shown[0].text.toStdString();
}

TEST_F(DocumentFiles, ClosingAModifiedAreaAsksYesNoCancel)
{
    struct Case {
        QMessageBox::StandardButton answer;
        bool closed;
        bool saved;
    };
    const Case cases[] = {
        { QMessageBox::Cancel, false, false },
        { QMessageBox::No, true, false },
        { QMessageBox::Yes, true, true },
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Start());
        const QString path = TowerArea();
        CAreaDocument* document = app->OpenDocumentFile(path);
        ASSERT_NE(document, nullptr);
        document->Doc().name = "Changed";
        document->Doc().NotifyChanged();
        prompt.asked.clear();
        prompt.answers = { c.answer };
        Action(Command::FileClose)->trigger();
        ASSERT_EQ(prompt.asked.size(), 1u);
        EXPECT_EQ(prompt.asked[0].text, QStringLiteral("Save changes to tower.are?"));
        EXPECT_EQ(app->Documents().empty(), c.closed) << "answer " << c.answer;
        const bool saved = ReadAll(path.toStdString()).find("Name Changed~") != std::string::npos;
        EXPECT_EQ(saved, c.saved) << "answer " << c.answer;
    }
}

TEST_F(DocumentFiles, ClosingTheLastWindowOfAModifiedAreaAsksButNotAnEarlierOne)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    CAreaDocument* document = app->Documents().front();
    Action(Command::WindowNew)->trigger();
    document->Doc().NotifyChanged();
    prompt.answers = { QMessageBox::Cancel };
    const auto windowOf = [](CChildFrame* frame) { return qobject_cast<QMdiSubWindow*>(frame->parentWidget()); };

    EXPECT_TRUE(windowOf(document->Frames()[1])->close());
    EXPECT_TRUE(prompt.asked.empty()) << "the area is still open in another window";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(document->Frames().size(), 1u);

    EXPECT_FALSE(windowOf(document->Frames()[0])->close());
    EXPECT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(app->Documents().size(), 1u);
}

TEST_F(DocumentFiles, ExitCancelledKeepsTheAreaOpen)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    app->Documents().front()->Doc().NotifyChanged();
    prompt.answers = { QMessageBox::Cancel };
    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(app->Documents().size(), 1u);

    prompt.answers = { QMessageBox::No };
    EXPECT_TRUE(Frame()->close());
    EXPECT_TRUE(app->Documents().empty());
}

TEST_F(DocumentFiles, ExitIsRefusedWhileADialogOfAMapWindowRuns)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    bool closed = true;
    QTimer::singleShot(0, [&] {
        closed = Frame()->close();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    QPrinter printer;
    ActiveView()->OnFilePrint(printer);
    EXPECT_FALSE(closed);
    EXPECT_EQ(app->Documents().size(), 1u);
}

TEST_F(DocumentFiles, ReaderMessagesComeAtOnceAndTheOtherWarningsInOneBoxAfter)
{
    ASSERT_TRUE(Start());
    CAreaDocument* document = app->OpenDocumentFile(WriteFile(QStringLiteral("odd.are"), raceAndSection));
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Warning!"));
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompt.shown[0].text.contains(QStringLiteral("zorblax"))) << prompt.shown[0].text.toStdString();

    const QString& summary = prompt.shown[1].text;
    EXPECT_TRUE(summary.contains(QStringLiteral("odd.are"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Line 23: "))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("WIBBLE"))) << summary.toStdString();
    EXPECT_FALSE(document->IsModified());
}

TEST_F(DocumentFiles, AbortedReadOpensNoWindow)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->OpenDocumentFile(WriteFile(QStringLiteral("bad.are"), unknownObjectType)), nullptr);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_EQ(Frame()->MenuId(), 128);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Error!"));
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(prompt.shown[0].text.contains(QStringLiteral("bogustype"))) << prompt.shown[0].text.toStdString();
}

TEST_F(DocumentFiles, OpeningAnOpenFileAgainShowsItsWindow)
{
    ASSERT_TRUE(Start());
    const QString path = TowerArea();
    CAreaDocument* document = app->OpenDocumentFile(path);
    app->OnFileNew();
    EXPECT_EQ(app->OpenDocumentFile(path), document);
    EXPECT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(ActiveChild(), document->Frames().front());
}

TEST_F(DocumentFiles, EmptyFileOpensAsAnEmptyArea)
{
    ASSERT_TRUE(Start());
    CAreaDocument* document = app->OpenDocumentFile(WriteFile(QStringLiteral("empty.are"), ""));
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->Doc().rooms.empty());
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
}

} // namespace
