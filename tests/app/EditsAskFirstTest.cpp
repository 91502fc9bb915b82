#include "AppFixture.h"

#include "commands/CAreaCommands.h"
#include "support/RunCli.h"

#include <QFileInfo>

namespace {

// A soldier (act ABCF, aff BDFHT, off EFNU) with two triggers of program
// 150 and a sack with one extra description; the room loads both.
const std::string Barracks = ReadWholeFile(SourcePath("tests/data/editor-barracks/barracks.are"));

class EditsAskFirst : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        path = WriteFile(QStringLiteral("barracks.are"), Barracks);
        ASSERT_TRUE(Start({ path }));
        ASSERT_NE(ActiveView(), nullptr);
    }

    CAreaDocument& Document() const { return ActiveView()->Document(); }
    // Runs the area's editor of the record with `action` on its dialog and OK.
    void EditRecord(RecordKind kind, std::function<void(QWidget*)> action)
    {
        OnNextModal(timers, "okButton", std::move(action));
        if (kind == RecordKind::Room)
            CAreaCommands(*ActiveView()).EditRoom(0);
        else if (kind == RecordKind::Header)
            CAreaCommands(*ActiveView()).AreaGeneral();
        else
            CAreaCommands(*ActiveView()).EditRecord(kind, 100);
    }
    std::string Saved()
    {
        Action(Command::FileSave)->trigger();
        return ReadWholeFile(path.toStdString());
    }

    QString path;
    QObject timers;
};

TEST_F(EditsAskFirst, AReadOnlyFileIsReplacedOnlyOnYesAndTheCliRefusesIt)
{
    namespace fs = std::filesystem;
    const fs::path file = path.toStdString();
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ChangeHeader(Document(), [](CAreaHeader& h) { h.name = "Barracks West"; });
    EXPECT_EQ(Saved(), Barracks) << "No, the default, leaves the file";
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("%1 is read-only. Save anyway?").arg(QFileInfo(path).fileName()));
    EXPECT_EQ(prompt.defaults[0], QMessageBox::No);
    EXPECT_TRUE(Document().IsModified());
    prompt.answers.push_back(QMessageBox::Yes);
    EXPECT_NE(Saved().find("Name Barracks West~"), std::string::npos);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const std::string before = ReadWholeFile(path.toStdString());
    EXPECT_NE(RunCli({ "convert", "--config", SourcePath("res/tolvex.cfg"), path.toStdString(), path.toStdString() }).status, 0);
    EXPECT_EQ(ReadWholeFile(path.toStdString()), before);
}

// Typographic characters are offered as ASCII, or the builder goes back;
// Latin-1 letters pass as they are.
TEST_F(EditsAskFirst, CharactersTheFileCannotHoldAreNamedBeforeOk)
{
    QString refusedFocus;
    EditRecord(RecordKind::Mob, [&](QWidget* dialog) {
        Find<QLineEdit>(dialog, "longDescEdit")->setText(QString::fromUtf8("Caf\u00e9 \u00e8 It\u2019s old\u201d \u2014 \u20ac5."));
        Click(dialog, "okButton"); // answered No: back to the text
        refusedFocus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        prompt.answers.push_back(QMessageBox::Yes);
    });
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0].text.left(51), QString::fromUtf8("The area file cannot hold these characters: \u2019 \u201d \u2014 \u20ac"));
    EXPECT_EQ(refusedFocus, QStringLiteral("longDescEdit"));
    EXPECT_NE(Saved().find("Caf\xe9 \xe8 It's old\" - EUR5.\n~"), std::string::npos);
}

TEST_F(EditsAskFirst, ArmourClassTakesTensOnlyAndARaceChangeKeepsTheBuildersFlags)
{
    EditRecord(RecordKind::Mob, [&](QWidget* dialog) {
        ShowActive(dialog);
        EXPECT_EQ(Find<QLineEdit>(dialog, "longDescEdit")->cursorPosition(), 0) << "a long text shows from its start";
        // The vnum box has the focus already: its key still selects what it shows.
        QTest::keyClick(dialog, Qt::Key_V, Qt::AltModifier);
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("150"));
        EXPECT_EQ(Find<CNumberBox>(dialog, "vnumBox")->value(), 150);
        Find<CNumberBox>(dialog, "vnumBox")->setValue(100);
        Find<CNumberBox>(dialog, "acPierceBox")->setValue(15);
        Click(dialog, "okButton");
        EXPECT_EQ(prompt.Told(), QStringLiteral("Please enter a multiple of 10."));
        Find<CNumberBox>(dialog, "acPierceBox")->setValue(20);
        Find<CNumberBox>(dialog, "acBashBox")->setValue(-30);
        ChooseText(Find<QComboBox>(dialog, "raceCombo"), "dwarf");
    });
    const std::string saved = Saved();
    EXPECT_NE(saved.find("dwarf~\nABCF BDFHJT 0 0\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n2 -3 -1 -1\nEFNU 0 LQ R\n"), std::string::npos) << saved;
}

TEST_F(EditsAskFirst, AnOkThatChangesNothingTakesNoStep)
{
    for (RecordKind kind : { RecordKind::Room, RecordKind::Object, RecordKind::Mob, RecordKind::Header })
        EditRecord(kind, [](QWidget*) {});
    EXPECT_FALSE(Document().IsModified());
    EXPECT_FALSE(Document().Editor().CanUndo());
    EXPECT_FALSE(ActiveChild()->isWindowModified());
}

TEST_F(EditsAskFirst, KeepTextLayoutIsEachAreasOwnAndANewExtraDescriptionStartsEmpty)
{
    const QString other = WriteFile(QStringLiteral("other.are"), Barracks);
    ASSERT_NE(app->OpenDocumentFile(other), nullptr);
    CAreaDocument& second = Document();
    Action(Command::AreaKeepLayout)->trigger();
    EXPECT_TRUE(second.KeepTextLayout());
    Frame()->MdiArea()->activatePreviousSubWindow();
    ASSERT_NE(&Document(), &second);
    EXPECT_FALSE(Document().KeepTextLayout());
    EXPECT_FALSE(Action(Command::AreaKeepLayout)->isChecked()) << "the menu shows the active area's";
    Action(Command::AreaKeepLayout)->trigger();

    EditRecord(RecordKind::Object, [](QWidget* dialog) {
        auto* keyword = Find<QComboBox>(dialog, "extraKeywordCombo");
        keyword->lineEdit()->selectAll();
        QTest::keyClicks(keyword->lineEdit(), QStringLiteral("stitching"));
        auto* text = Find<QPlainTextEdit>(dialog, "extraDescriptionEdit");
        EXPECT_EQ(text->toPlainText(), QString()) << "not the sack's text";
        Click(dialog, "extraAddButton");
        QTest::keyClicks(text, QStringLiteral("Rough stitching."));
    });
    const std::string saved = Saved();
    EXPECT_NE(saved.find("E\nstitching~\nRough stitching.\n~\n"), std::string::npos) << saved;
}

TEST_F(EditsAskFirst, DeletingAMobOrAnObjectOffersItsResets)
{
    for (const RecordKind kind : { RecordKind::Mob, RecordKind::Object }) {
        OnNextModal(timers, nullptr, [this](QWidget* dialog) {
            ChooseLine(dialog->findChild<QListWidget*>(), "100");
            prompt.answers = { QMessageBox::Yes, QMessageBox::Yes };
            Click(dialog, "deleteButton");
            Click(dialog, "closeButton");
        });
        if (kind == RecordKind::Mob)
            CAreaCommands(*ActiveView()).MobsList();
        else
            CAreaCommands(*ActiveView()).ObjectsList();
    }
    ASSERT_EQ(prompt.asked.size(), 4u);
    EXPECT_EQ(prompt.asked[1].text, QStringLiteral("Mob 100 is loaded by a reset of this area. Delete it too?"))
        << "its G goes with the M";
    EXPECT_EQ(prompt.asked[3].text, QStringLiteral("Object 100 is loaded by a reset of this area. Delete it too?"));
    const std::string saved = Saved();
    EXPECT_NE(saved.find("#RESETS\nS\n"), std::string::npos) << saved;
}

} // namespace
