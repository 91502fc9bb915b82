#include "EditorFixture.h"

#include "edit/CAreaEditor.h"
#include "editors/CMobprogDlg.h"
#include "editors/CMobprogListDlg.h"

namespace {

// The trigger dialog on the example tables, in an area with program 3000.
class MobprogDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.mobprogs = { { 3000, "say hi\r\n" } };
    }

    void Open(const CMobTrigger& trigger) { OpenDialog(dialog, false, doc, trigger); }

    std::unique_ptr<CMobprogDlg> dialog;
};

// Which type is shown and stored is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogDlg, OkWaitsForATypeAndOkRefusesVnumZeroWhileTheNoteTellsOfProgramsOutsideTheArea)
{
    Open({ "nonesuch", 3000, "p" });
    EXPECT_FALSE(W<QWidget>("okButton")->isEnabled()) << "a stored word of no type leaves OK waiting";
    Choose("typeCombo", "act");
    EXPECT_TRUE(W<QWidget>("okButton")->isEnabled());
    EXPECT_EQ(dialog->State().trigger.trigger, "act");

    // typed, accepted, the note
    const std::tuple<const char*, bool, const char*> cases[] = {
        { "0", false, "" },
        { "4200", true, "No mobprog 4200 in this area: it must be in another one." },
        { "32768", false, "No mobprog 32768 in this area: it must be in another one." },
    };
    for (const auto& [typed, accepted, note] : cases) {
        Open({ "greet", 3000, "" });
        prompt.Clear();
        TypeNumber(W<CNumberBox>("vnumBox"), QString::fromLatin1(typed));
        EXPECT_EQ(W<QLabel>("vnumNote")->text().toStdString(), note) << typed;
        Press("okButton");
        EXPECT_EQ(dialog->isVisible(), !accepted) << typed;
        EXPECT_EQ(prompt.Told(), accepted ? QString() : QStringLiteral("Please enter an integer between 1 and 32767.")) << typed;
        EXPECT_EQ(dialog->focusWidget() == W<QWidget>("vnumBox"), !accepted) << typed;
    }
}

TEST_F(MobprogDlg, EditTriggerGivesTheEditedTriggerOnOkOnly)
{
    for (bool ok : { false, true }) {
        CMobTrigger trigger { "GREET", 0, "100" };
        OnNextModal(ok ? "okButton" : "cancelButton", [](QWidget* modal) {
            EXPECT_EQ(modal->focusWidget(), Find<QWidget>(modal, "typeCombo"));
            EXPECT_EQ(Find<QComboBox>(modal, "typeCombo")->currentText(), QStringLiteral("greet"));
            TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3000"));
            Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("p\xE9 50"));
        });
        EXPECT_EQ(CMobprogDlg::EditTrigger(nullptr, doc, trigger), ok);
        EXPECT_EQ(trigger.trigger + " " + std::to_string(trigger.vnum) + " " + trigger.phrase, ok ? "GREET 3000 p\xE9 50" : "GREET 0 100")
            << "the stored word stays unless another type is chosen; Latin-1 bytes both ways";
    }
}

// Programs 3000 (called by two triggers of mobs 3005 and 3006), 3002 and 999
// (outside the area) in an area of vnums 3000..3099.
class MobprogListDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.mobprogs = { { 3002, "if rand 50\r\n  say hi\r\nendif\r\n" }, { 3000, "say a\r\n" }, { 999, "" } };
        doc.mobs[0].triggers = { { "greet", 3000, "100" }, { "act", 3002, "smiles" } };
        doc.mobs[1].triggers = { { "speech", 3000, "hello" } };
        // The cases of a table run one after another on a fresh area.
        dialog.reset();
        editor.Clear();
        prompt.Clear();
    }

    void Open() { OpenDialog(dialog, false, editor); }
    QListWidget* List() const { return W<QListWidget>("mobprogList"); }
    CNumberBox* VnumBox() const { return W<CNumberBox>("vnumBox"); }
    QPlainTextEdit* Code() const { return W<QPlainTextEdit>("codeEdit"); }
    QString ChosenLine() const { return List()->currentItem() ? List()->currentItem()->text() : QString(); }
    // Leaves the chosen program by choosing another line, by Escape, by New or by Close.
    void Leave(const std::string& how, QWidget* keys) const
    {
        if (how == "line")
            ChooseLine(List(), "999");
        else if (how == "escape")
            QTest::keyClick(keys, Qt::Key_Escape);
        else
            Press(how == "new" ? "newButton" : "closeButton");
    }

    CAreaEditor editor { doc };
    std::unique_ptr<CMobprogListDlg> dialog;
};

int CountSteps(CAreaEditor& editor)
{
    int steps = 0;
    for (; editor.CanUndo(); ++steps)
        editor.Undo();
    for (int i = 0; i < steps; ++i)
        editor.Redo();
    return steps;
}

// Which vnum New takes is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogListDlg, LookingChangesNothingCodeReachesTheAreaAsOneStepWhenTheBuilderLeavesTheProgramAndNewChoosesTheNewOne)
{
    Open();
    EXPECT_EQ(ListLines(List()), "3000|3002|999") << "sorted as text";
    EXPECT_EQ(List()->currentItem(), nullptr);
    EXPECT_EQ(dialog->focusWidget(), List());
    EXPECT_FALSE(VnumBox()->isEnabled() || Code()->isEnabled() || W<QWidget>("deleteButton")->isEnabled());
    ChooseLine(List(), "3002");
    EXPECT_EQ(VnumBox()->value(), 3002);
    EXPECT_EQ(Code()->toPlainText(), QStringLiteral("if rand 50\n  say hi\nendif\n")) << "the box edits LF lines";
    EXPECT_TRUE(VnumBox()->isEnabled() && Code()->isEnabled() && W<QWidget>("deleteButton")->isEnabled());
    ChooseLine(List(), "3000");
    QTest::keyClick(List(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(editor.IsModified() || editor.CanUndo()) << "looking takes no step";
    EXPECT_TRUE(prompt.shown.empty() && prompt.asked.empty());

    for (const std::string leave : { "line", "new", "escape", "close" }) {
        SetUp();
        Open();
        ChooseLine(List(), "3000");
        Code()->setFocus();
        QTest::keyClick(Code(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Code(), QStringLiteral("say b"));
        QTest::keyClick(Code(), Qt::Key_Return);
        QTest::keyClicks(Code(), QString(QChar(0xA0)));
        EXPECT_EQ(doc.mobprogs[1].code, "say a\r\n") << leave << ": nothing reaches the area while typing";
        Leave(leave, Code());
        if (leave == "new") {
            EXPECT_TRUE(ChosenLine() == QStringLiteral("3001") && VnumBox()->value() == 3001 && dialog->focusWidget() == Code())
                << "New chooses the new program and puts the focus in its code";
        }
        EXPECT_EQ(doc.mobprogs[1].code, "say a\r\nsay b\r\n\xA0") << leave << ": CR LF in the area, the no-break space kept";
        EXPECT_EQ(editor.UndoName(), leave == "new" ? "Create Mobprog 3001" : "Edit Mobprog 3000") << leave;
        EXPECT_EQ(CountSteps(editor), leave == "new" ? 2 : 1) << leave;
        EXPECT_TRUE(editor.IsModified());
    }
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(doc.mobprogs[1].code, "say a\r\n") << "undo takes the code back";

    SetUp();
    doc.upperVnum = 3000;
    Open();
    Press("newButton");
    EXPECT_EQ(prompt.Told(), QStringLiteral("No hay vnums disponibles!"));
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(MobprogListDlg, LeavingRefusesVnumZeroDuplicatesAndOutsideTheAreaAndAsksAboutTheTriggers)
{
    using B = QMessageBox::StandardButton;
    const QString outOfRange = QStringLiteral("Vnum fuera de rango! ( 3000 a 3099 )");
    const QString inUse = QStringLiteral("Este Vnum ya esta en uso!\nDesea ajustarlo automaticamente?");
    const QString orphans = QStringLiteral("1 trigger of mob 3005 calls mobprog 3002. Renumber it too?");
    // typed, the answers, whether the program is left, its vnum afterwards, the error box, the question(s)
    const std::tuple<const char*, std::vector<B>, bool, int, QString, QString> cases[] = {
        { "3050", { B::Yes }, true, 3050, {}, orphans },
        { "3050", { B::No }, true, 3050, {}, orphans },
        { "3050", { B::Cancel }, false, 3002, {}, orphans },
        { "0", {}, false, 3002, outOfRange, {} },
        { "32768", {}, false, 3002, QStringLiteral("Please enter an integer between 0 and 32767."), {} },
        { "3000", { B::No }, false, 3002, {}, inUse },
        { "3000", { B::Yes, B::Yes }, true, 3001, {}, inUse + QLatin1Char('|') + orphans },
        { "4000", {}, false, 3002, outOfRange, {} },
    };
    for (const auto& [typed, answers, left, vnum, told, asked] : cases) {
        for (const std::string leave : { "line", "escape", "new" }) {
            SetUp();
            Open();
            prompt.answers.assign(answers.begin(), answers.end());
            ChooseLine(List(), "3002");
            TypeNumber(VnumBox(), QString::fromLatin1(typed));
            Leave(leave, VnumBox());
            const std::string what = std::string(typed) + " left by " + leave;
            EXPECT_EQ(doc.mobprogs[0].vnum, vnum) << what;
            EXPECT_EQ(prompt.Told(), told) << what;
            EXPECT_EQ(prompt.Asked(), asked) << what;
            if (!left) {
                EXPECT_TRUE(ChosenLine() == QStringLiteral("3002") && dialog->focusWidget() == VnumBox() && dialog->isVisible())
                    << what << ": the program stays chosen in the open dialog";
                EXPECT_EQ(doc.mobprogs.size(), 3u) << what << ": New waits";
                EXPECT_FALSE(editor.CanUndo()) << what;
                continue;
            }
            EXPECT_EQ(dialog->isVisible(), leave != "escape") << what;
            EXPECT_EQ(doc.mobs[0].triggers[1].vnum, asked.endsWith(orphans) && answers.back() == B::Yes ? vnum : 3002) << what << ": the triggers follow on Yes only";
            const std::string created = vnum == 3001 ? "Create Mobprog 3002" : "Create Mobprog 3001";
            EXPECT_EQ(editor.UndoName(), leave == "new" ? created : "Edit Mobprog " + std::to_string(vnum)) << what;
            EXPECT_EQ(CountSteps(editor), leave == "new" ? 2 : 1) << what << ": the program and its triggers are one step";
        }
    }
}

// Which triggers still name a program is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogListDlg, DeleteAsksWhetherTheTriggersThatCallTheProgramGoToo)
{
    using B = QMessageBox::StandardButton;
    const char* const orphans = "Warning! 2 triggers of mobs 3005, 3006 call mobprog 3000. Delete them too?";
    // the line, the answer, the question, its default, the triggers mob 3005 keeps
    const std::tuple<const char*, B, const char*, B, size_t> cases[] = {
        { "3000", B::Cancel, orphans, B::Cancel, 2 },
        { "3000", B::No, orphans, B::Cancel, 2 },
        { "3000", B::Yes, orphans, B::Cancel, 1 },
        { "999", B::Yes, "Attention! Attention! This action is irreversable! \nDo you wish to continue?", B::No, 2 },
    };
    for (const auto& [line, answer, question, byDefault, triggers] : cases) {
        SetUp();
        Open();
        prompt.answers = { answer };
        ChooseLine(List(), line);
        Press("deleteButton");
        EXPECT_EQ(prompt.Asked(true).toStdString(), question) << line;
        EXPECT_EQ(prompt.defaults, std::vector<B> { byDefault }) << line;
        const bool deleted = answer != B::Cancel;
        EXPECT_EQ(doc.FindMobprogByVnum(std::atoi(line)) < 0, deleted) << line;
        EXPECT_EQ(doc.mobs[0].triggers.size(), triggers) << line << " answered " << answer;
        EXPECT_EQ(List()->count(), deleted ? 2 : 3) << line;
        if (deleted) {
            EXPECT_EQ(dialog->focusWidget(), List()) << line;
            EXPECT_EQ(editor.UndoName(), std::string("Delete Mobprog ") + line);
            EXPECT_EQ(CountSteps(editor), 1) << "the program and its triggers are one step";
            EXPECT_EQ(ChosenLine(), QStringLiteral("3002")) << "the line that took the deleted one's place is chosen";
        }
    }
}

} // namespace
