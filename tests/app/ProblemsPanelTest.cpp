#include "AppFixture.h"

#include "app/CProblemsPanel.h"
#include "gui_support/DialogDriver.h"

#include <QSignalSpy>
#include <QTreeView>

namespace {

class ProblemsPanel : public AppFixture {
protected:
    CProblemsPanel* Panel() const { return Frame()->findChild<CProblemsPanel*>(QStringLiteral("problemsPanel")); }
    QTreeView* List() const { return Frame()->findChild<QTreeView*>(QStringLiteral("problemsList")); }
    // Waits for the check of the changes so far.
    void Settle() const
    {
        (void)QTest::qWaitFor([this] { return !Panel()->RefreshPending(); });
    }
    // Each line as "where | text", the lines joined by " / ".
    std::string Lines() const { return Settle(), TreeRows(List(), " | "); }
    bool Lists(const QString& text) const { return QString::fromStdString(Lines()).contains(text); }
    QString CountPane() const { return Settle(), Frame()->findChild<QLabel*>(QStringLiteral("problemCountPane"))->text(); }
    bool PanelShown() const { return Panel()->isVisible(); }
    // Double-clicks the first line whose place starts with `where`.
    void DoubleClickLine(const char* where) const
    {
        Settle();
        const QAbstractItemModel* model = List()->model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, QString::fromLatin1(where), 1, Qt::MatchStartsWith);
        ASSERT_FALSE(found.isEmpty()) << where << " is not in " << Lines();
        DoubleClick(List(), List()->visualRect(found.front()));
    }
};

} // namespace

TEST_F(ProblemsPanel, ListsTheLoadWarningsThenTheFindingsAndFollowsEveryChange)
{
    ASSERT_TRUE(Start({ WriteFile(QStringLiteral("unknown.are"), ReadWholeFile(SourcePath("tests/data/check-unknown-reset/input.are"))) }));
    CAreaDocument* document = &ActiveChild()->Document();
    EXPECT_EQ(Lines(),
        "line 68 | The reset at line 68 has the unknown command 'Q' and will not be saved. / "
        "Room 100, line 68 | Room 100 has a reset with the command Q, which the server does not know; it is not saved.");
    EXPECT_EQ(CountPane(), QStringLiteral("1 error, 1 warning"));

    // Changes through the area's operations, and their undoing: the list and
    // the counts follow each, a burst of steps checked once.
    QSignalSpy checks(Panel(), &CProblemsPanel::CountsChanged);
    CRoomData room = document->Doc().rooms[0];
    room.resets.pop_back();
    ASSERT_TRUE(document->Editor().ReplaceRoom(0, room));
    EXPECT_EQ(CountPane(), QStringLiteral("0 errors, 1 warning"));
    ChangeHeader(*document, [](CAreaHeader& h) { h.upperVnum = 100; });
    EXPECT_EQ(CountPane(), QStringLiteral("0 errors, 3 warnings"));
    checks.clear();
    document->Editor().Undo();
    document->Editor().Undo();
    EXPECT_EQ(CountPane(), QStringLiteral("1 error, 1 warning"));
    EXPECT_EQ(checks.size(), 1);

    app->CloseAllDocuments();
    EXPECT_EQ(Lines(), "");
    EXPECT_EQ(CountPane(), QString());
}

TEST_F(ProblemsPanel, ATriggerFindsItsProgramInAnotherOpenAreaUntilThatAreaCloses)
{
    const QString mobs = WriteFile(QStringLiteral("mobs.are"), ReadWholeFile(SourcePath("tests/data/check-trigger-without-program/input.are")));
    const QString programs = WriteFile(QStringLiteral("progs.are"), ReadWholeFile(SourcePath("tests/data/check-trigger-without-program/progs.are")));
    ASSERT_TRUE(Start({ mobs }));
    CAreaDocument& area = ActiveChild()->Document();
    const QString missing = QStringLiteral("mobprog 9001, which is not in this area");
    EXPECT_TRUE(Lists(missing)) << "alone, the program is missing";

    CAreaDocument* other = app->OpenDocumentFile(programs);
    ASSERT_TRUE(other);
    Frame()->ActivateFrame(CChildFrame::Of(area.Frames().front()));
    ASSERT_EQ(&ActiveChild()->Document(), &area);
    EXPECT_FALSE(Lists(missing)) << "the other open area has it";

    // The listed area stays active while the other one closes.
    ASSERT_TRUE(app->CloseDocument(*other));
    ASSERT_EQ(&ActiveChild()->Document(), &area);
    EXPECT_TRUE(Lists(missing)) << "closing the other area takes the program away";
}

TEST_F(ProblemsPanel, DoubleClickOnARoomSelectsItOnTheMapOnItsLevel)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    CTolvexView* view = ActiveView();
    ASSERT_EQ(view->ShownLevel(), 0);
    const CTolvexDoc& doc = view->GetDocument();
    // Rooms 105 (level 2), 106 (level -1) and 107 (level 1) fall outside.
    ChangeHeader(view->Document(), [](CAreaHeader& h) { h.upperVnum = 104; });
    DoubleClickLine("Room 106");
    EXPECT_EQ(view->Selection(), doc.FindRoomIndex(106));
    EXPECT_EQ(view->ShownLevel(), -1);
}

TEST_F(ProblemsPanel, DoubleClickOnAnObjectOpensItsEditor)
{
    const QString path = WriteFile(QStringLiteral("dup.are"), ReadWholeFile(SourcePath("tests/data/check-vnum-not-positive/input.are")));
    ASSERT_TRUE(Start({ path }));
    QString opened;
    OnNextModal(*Frame(), "cancelButton", [&opened](QWidget* modal) { opened = modal->objectName(); });
    DoubleClickLine("Object -3");
    EXPECT_EQ(opened, QStringLiteral("objectEditDialog"));
    EXPECT_FALSE(ActiveChild()->Document().IsModified()) << "Cancel is no step";
}

TEST_F(ProblemsPanel, SavingWithErrorsSavesAndSaysSoInTheStatusBar)
{
    const QString path = WriteFile(QStringLiteral("door.are"), ReadWholeFile(SourcePath("tests/data/check-door-reset-bad-state/input.are")));
    ASSERT_TRUE(Start({ path }));
    CAreaDocument& document = ActiveChild()->Document();
    CRoomData room = document.Doc().rooms[0];
    room.name = "Changed";
    document.Editor().ReplaceRoom(0, room);
    ASSERT_TRUE(app->SaveDocument(document, false));
    EXPECT_FALSE(document.IsModified());
    EXPECT_NE(ReadWholeFile(path.toStdString()).find("Changed~"), std::string::npos);
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), QStringLiteral("Saved with 1 error the server will refuse"));
    const std::string saved =
        "Room 100 | Room 100: the D reset gives the door north the state 3; "
        "the server knows only 0 (open), 1 (closed) and 2 (closed and locked).";
    EXPECT_EQ(Lines(), saved) << "the lines of the file as read no longer hold once it is written";
    document.Editor().Undo();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Lines(), saved) << "nor do they come back with the step undone past the save";
}

TEST_F(ProblemsPanel, ViewProblemsShowsOrHidesThePanelAndIsRemembered)
{
    const auto toggle = [this] { return Find<QAction>(Frame(), "actionViewProblems"); };
    ASSERT_TRUE(Start({ TowerArea() }));
    EXPECT_TRUE(Find<QMenu>(Frame(), "menuView")->actions().contains(toggle()));
    EXPECT_TRUE(toggle()->isCheckable() && toggle()->isChecked() && PanelShown()) << "shown until the builder hides it";
    for (bool shown : { false, true }) {
        toggle()->trigger();
        EXPECT_EQ(PanelShown(), shown);
        app.reset();
        ASSERT_TRUE(Start());
        EXPECT_EQ(PanelShown(), shown) << "at the next start";
        EXPECT_EQ(toggle()->isChecked(), shown);
    }
}
