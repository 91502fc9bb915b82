#include "EditorFixture.h"

#include "edit/CAreaEditor.h"
#include "editors/CMobprogListDlg.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace {

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
        prompt.shown.clear();
        prompt.asked.clear();
        prompt.defaults.clear();
        prompt.answers.clear();
    }

    void Open()
    {
        dialog = std::make_unique<CMobprogListDlg>(editor);
        Show(dialog.get());
    }

    QListWidget* List() const { return W<QListWidget>("mobprogList"); }
    CNumberBox* VnumBox() const { return W<CNumberBox>("vnumBox"); }
    QPlainTextEdit* Code() const { return W<QPlainTextEdit>("codeEdit"); }
    QStringList Lines() const
    {
        QStringList lines;
        for (int row = 0; row < List()->count(); ++row)
            lines << List()->item(row)->text();
        return lines;
    }
    // Picks the line of `vnum` as a click would.
    void ChooseLine(const char* vnum) const
    {
        const auto found = List()->findItems(QString::fromLatin1(vnum), Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << vnum;
        List()->setCurrentItem(found.front());
    }
    QString ChosenLine() const { return List()->currentItem() ? List()->currentItem()->text() : QString(); }
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

} // namespace

TEST_F(MobprogListDlg, OpensWithNothingChosenAndClosingUntouchedChangesNothing)
{
    const std::vector<CMobProgData> before = doc.mobprogs;
    Open();
    EXPECT_EQ(Lines(), QStringList({ QStringLiteral("3000"), QStringLiteral("3002"), QStringLiteral("999") }))
        << "sorted as text";
    EXPECT_EQ(List()->currentItem(), nullptr);
    EXPECT_EQ(dialog->focusWidget(), List());
    EXPECT_FALSE(VnumBox()->isEnabled() || Code()->isEnabled() || W<QWidget>("deleteButton")->isEnabled());

    ChooseLine("3002");
    EXPECT_EQ(VnumBox()->value(), 3002);
    EXPECT_EQ(Code()->toPlainText(), QStringLiteral("if rand 50\n  say hi\nendif\n")) << "the box edits LF lines";
    EXPECT_TRUE(VnumBox()->isEnabled() && Code()->isEnabled() && W<QWidget>("deleteButton")->isEnabled());
    ChooseLine("3000");
    QTest::keyClick(List(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(doc.mobprogs[0].code, before[0].code) << "the area keeps its CR LF form";
    EXPECT_FALSE(editor.IsModified());
    EXPECT_FALSE(editor.CanUndo()) << "looking takes no step";
    EXPECT_TRUE(prompt.shown.empty() && prompt.asked.empty());
}

TEST_F(MobprogListDlg, CodeReachesTheAreaAsOneStepWhenTheBuilderLeavesTheProgram)
{
    const struct {
        const char* leave;
    } cases[] = { { "line" }, { "new" }, { "escape" }, { "close" } };
    for (const auto& c : cases) {
        SetUp();
        Open();
        ChooseLine("3000");
        Code()->setFocus();
        QTest::keyClick(Code(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Code(), QStringLiteral("say b"));
        QTest::keyClick(Code(), Qt::Key_Return);
        QTest::keyClicks(Code(), QString(QChar(0xA0)));
        EXPECT_EQ(doc.mobprogs[1].code, "say a\r\n") << c.leave << ": nothing reaches the area while typing";
        if (std::string(c.leave) == "line")
            ChooseLine("3002");
        else if (std::string(c.leave) == "new")
            Press("newButton");
        else if (std::string(c.leave) == "escape")
            QTest::keyClick(Code(), Qt::Key_Escape);
        else
            Press("closeButton");
        EXPECT_EQ(doc.mobprogs[1].code, "say a\r\nsay b\r\n\xA0") << c.leave << ": CR LF in the area, the no-break space kept";
        EXPECT_EQ(editor.UndoName(), std::string(c.leave) == "new" ? "Create Mobprog 3001" : "Edit Mobprog 3000") << c.leave;
        EXPECT_EQ(CountSteps(editor), std::string(c.leave) == "new" ? 2 : 1) << c.leave;
        EXPECT_TRUE(editor.IsModified());
    }
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(doc.mobprogs[1].code, "say a\r\n") << "undo takes the code back";
}

TEST_F(MobprogListDlg, LeavingRefusesVnumZeroDuplicatesAndOutsideTheAreaAndAsksAboutTheTriggers)
{
    using B = QMessageBox::StandardButton;
    const QString outOfRange = QStringLiteral("Vnum fuera de rango! ( 3000 a 3099 )");
    const QString inUse = QStringLiteral("Este Vnum ya esta en uso!\nDesea ajustarlo automaticamente?");
    const QString orphans = QStringLiteral("1 trigger of mob 3005 calls mobprog 3002. Renumber it too?");
    const struct {
        const char* typed;
        std::vector<B> answers;
        bool left;
        int vnum; // of the program afterwards
        QString told; // error box
        QString asked; // question(s), joined
    } cases[] = {
        { "3050", { B::Yes }, true, 3050, {}, orphans },
        { "3050", { B::No }, true, 3050, {}, orphans },
        { "3050", { B::Cancel }, false, 3002, {}, orphans },
        { "0", {}, false, 3002, QStringLiteral("Vnum fuera de rango! ( 3000 a 3099 )"), {} },
        { "32768", {}, false, 3002, QStringLiteral("Please enter an integer between 0 and 32767."), {} },
        { "3000", { B::No }, false, 3002, {}, inUse },
        { "3000", { B::Yes, B::Yes }, true, 3001, {}, inUse + QLatin1Char('|') + orphans },
        { "4000", {}, false, 3002, outOfRange, {} },
    };
    for (const auto& c : cases) {
        for (const char* leave : { "line", "escape", "new" }) {
            SetUp();
            Open();
            prompt.shown.clear();
            prompt.asked.clear();
            prompt.answers.assign(c.answers.begin(), c.answers.end());
            ChooseLine("3002");
            TypeNumber(VnumBox(), QString::fromLatin1(c.typed));
            const size_t programs = doc.mobprogs.size();
            if (std::string(leave) == "line")
                ChooseLine("999");
            else if (std::string(leave) == "escape")
                QTest::keyClick(VnumBox(), Qt::Key_Escape);
            else
                Press("newButton");
            const std::string what = std::string(c.typed) + " left by " + leave;
            EXPECT_EQ(doc.mobprogs[0].vnum, c.vnum) << what;
            QStringList asked;
            for (const auto& a : prompt.asked)
                asked << a.text;
            QStringList told;
            for (const auto& s : prompt.shown)
                told << s.text;
            EXPECT_EQ(told.join(QLatin1Char('|')).toStdString(), c.told.toStdString()) << what;
            EXPECT_EQ(asked.join(QLatin1Char('|')).toStdString(), c.asked.toStdString()) << what;
            if (!c.left) {
                EXPECT_EQ(ChosenLine(), QStringLiteral("3002")) << what << ": the program stays chosen";
                EXPECT_EQ(dialog->focusWidget(), VnumBox()) << what;
                EXPECT_TRUE(dialog->isVisible()) << what;
                EXPECT_EQ(doc.mobprogs.size(), programs) << what << ": New waits";
                EXPECT_FALSE(editor.CanUndo()) << what;
            } else {
                EXPECT_EQ(dialog->isVisible(), std::string(leave) != "escape") << what;
                EXPECT_EQ(editor.UndoName(), std::string(leave) == "new" ? (c.vnum == 3001 ? "Create Mobprog 3002" : "Create Mobprog 3001") : "Edit Mobprog " + std::to_string(c.vnum))
                    << what;
            }
        }
    }
}

// Which vnum New takes is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogListDlg, NewChoosesTheNewProgramAndPutsTheFocusInTheCodeOrSaysNoVnumIsFree)
{
    for (int upper : { 3099, 3000 }) {
        SetUp();
        doc.upperVnum = upper;
        Open();
        Press("newButton");
        if (upper == 3000) {
            EXPECT_EQ(prompt.Told(), QStringLiteral("No hay vnums disponibles!"));
            EXPECT_FALSE(editor.CanUndo());
            continue;
        }
        EXPECT_TRUE(prompt.shown.empty());
        EXPECT_EQ(ChosenLine(), QStringLiteral("3001"));
        EXPECT_EQ(VnumBox()->value(), 3001);
        EXPECT_EQ(dialog->focusWidget(), Code());
        EXPECT_EQ(editor.UndoName(), "Create Mobprog 3001");
    }
}

TEST_F(MobprogListDlg, DeleteAsksWhetherTheTriggersThatCallTheProgramGoToo)
{
    using B = QMessageBox::StandardButton;
    const char* const orphans = "2 triggers of mobs 3005, 3006 call mobprog 3000. Delete them too?";
    const struct {
        const char* line;
        B answer;
        const char* title;
        const char* question;
        B byDefault;
        int triggersLeft; // of mob 3005
    } cases[] = {
        { "3000", B::Cancel, "Warning!", orphans, B::Cancel, 2 },
        { "3000", B::No, "Warning!", orphans, B::Cancel, 2 },
        { "3000", B::Yes, "Warning!", orphans, B::Cancel, 1 },
        { "999", B::Yes, "Attention!", "Attention! This action is irreversable! \nDo you wish to continue?", B::No, 2 },
    };
    for (const auto& c : cases) {
        SetUp();
        Open();
        prompt.asked.clear();
        prompt.defaults.clear();
        prompt.answers = { c.answer };
        ChooseLine(c.line);
        Press("deleteButton");
        ASSERT_EQ(prompt.asked.size(), 1u) << c.line;
        EXPECT_EQ(prompt.asked[0].title.toStdString(), c.title) << c.line;
        EXPECT_EQ(prompt.asked[0].text.toStdString(), c.question) << c.line;
        EXPECT_EQ(prompt.defaults[0], c.byDefault) << c.line;
        const bool deleted = c.answer != B::Cancel;
        EXPECT_EQ(doc.FindMobprogByVnum(std::atoi(c.line)) < 0, deleted) << c.line;
        EXPECT_EQ(static_cast<int>(doc.mobs[0].triggers.size()), c.triggersLeft) << c.line << " answered " << c.answer;
        EXPECT_EQ(List()->count(), deleted ? 2 : 3) << c.line;
        if (deleted) {
            EXPECT_EQ(dialog->focusWidget(), List()) << c.line;
            EXPECT_EQ(editor.UndoName(), std::string("Delete Mobprog ") + c.line);
            EXPECT_EQ(ChosenLine(), QStringLiteral("3002")) << "the line that took the deleted one's place is chosen";
        }
    }
    // A twin with the same vnum keeps the triggers answered: no question about them.
    SetUp();
    doc.mobprogs.push_back({ 3000, "" });
    Open();
    prompt.asked.clear();
    ChooseLine("3002");
    ChooseLine("3000");
    Press("deleteButton");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, QStringLiteral("Attention!"));
}

TEST_F(MobprogListDlg, NewCodeAndVnumAreThreeStepsUndoneOneByOne)
{
    // Each of New, a vnum change and a code edit is one step.
    Open();
    Press("newButton");
    QTest::keyClicks(Code(), QStringLiteral("say hello"));
    TypeNumber(VnumBox(), QStringLiteral("3050"));
    QTest::keyClick(VnumBox(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(doc.mobprogs.size(), 4u);
    EXPECT_EQ(doc.mobprogs[3].vnum, 3050);
    EXPECT_EQ(doc.mobprogs[3].code, "say hello");
    EXPECT_TRUE(prompt.asked.empty() && prompt.shown.empty());
    EXPECT_EQ(CountSteps(editor), 3);
    const char* undone[] = { "Edit Mobprog 3050", "Edit Mobprog 3001", "Create Mobprog 3001" };
    for (const char* name : undone) {
        EXPECT_EQ(editor.UndoName(), name);
        editor.Undo();
    }
    EXPECT_EQ(doc.mobprogs.size(), 3u);
    EXPECT_FALSE(editor.IsModified());
}
