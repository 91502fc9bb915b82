#include "EditorFixture.h"

#include "editors/CMobprogDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The trigger dialog on the example tables, in an area with program 3000.
class MobprogDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.mobprogs = { { 3000, "say hi\r\n" } };
    }

    void Open(const CMobTrigger& trigger)
    {
        dialog = std::make_unique<CMobprogDlg>(doc, trigger);
        Show(dialog.get());
    }

    QComboBox* Types() const { return W<QComboBox>("typeCombo"); }
    QWidget* Ok() const { return W<QWidget>("okButton"); }
    // Picks a type as the builder does, through the list's own signal.
    void Pick(const char* name) const
    {
        const int index = Types()->findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        Types()->setCurrentIndex(index);
        emit Types()->activated(index);
    }

    std::unique_ptr<CMobprogDlg> dialog;
};

} // namespace

// Which type is shown and stored is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogDlg, OkWaitsForATypeAndTheStoredTextStaysUnlessAnotherIsPicked)
{
    const struct {
        const char* stored;
        const char* pick;
        const char* shown;
        bool ok;
        const char* kept;
    } cases[] = {
        { "GREET", "act", "act", true, "act" },
        { "nonesuch", nullptr, "", false, "nonesuch" },
    };
    for (const auto& c : cases) {
        Open({ c.stored, 3000, "p" });
        if (c.pick)
            Pick(c.pick);
        EXPECT_EQ(Types()->currentText().toStdString(), c.shown) << c.stored;
        EXPECT_EQ(Ok()->isEnabled(), c.ok) << c.stored << ": OK waits for a type";
        if (c.ok)
            Press("okButton");
        EXPECT_EQ(dialog->isVisible(), !c.ok) << c.stored;
        EXPECT_EQ(dialog->State().trigger.trigger, c.kept) << c.stored;
    }
}

TEST_F(MobprogDlg, OkRefusesVnumZeroAndTheNoteTellsOfProgramsOutsideTheArea)
{
    const struct {
        const char* typed;
        bool accepted;
        const char* note;
    } cases[] = {
        { "0", false, "" },
        { "4200", true, "No mobprog 4200 in this area: it must be in another one." },
        { "32768", false, "No mobprog 32768 in this area: it must be in another one." },
    };
    for (const auto& c : cases) {
        Open({ "greet", 3000, "" });
        prompt.shown.clear();
        TypeNumber(W<CNumberBox>("vnumBox"), QString::fromLatin1(c.typed));
        EXPECT_EQ(W<QLabel>("vnumNote")->text().toStdString(), c.note) << c.typed;
        Press("okButton");
        EXPECT_EQ(dialog->isVisible(), !c.accepted) << c.typed;
        EXPECT_EQ(prompt.shown.size(), c.accepted ? 0u : 1u) << c.typed;
        if (!c.accepted) {
            EXPECT_EQ(prompt.shown[0].text, QStringLiteral("Please enter an integer between 1 and 32767.")) << c.typed;
            EXPECT_EQ(dialog->focusWidget(), W<QWidget>("vnumBox")) << c.typed;
        }
    }
}

TEST_F(MobprogDlg, EditTriggerGivesTheEditedTriggerOnOkOnly)
{
    for (bool ok : { false, true }) {
        CMobTrigger trigger { "GREET", 0, "100" };
        OnNextModal([](QWidget* modal) {
            EXPECT_EQ(modal->focusWidget(), Find<QWidget>(modal, "typeCombo"));
            TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3000"));
            Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("p\xE9 50"));
        },
            ok ? "okButton" : "cancelButton");
        EXPECT_EQ(CMobprogDlg::EditTrigger(nullptr, doc, trigger), ok);
        EXPECT_EQ(trigger.trigger, "GREET");
        EXPECT_EQ(trigger.vnum, ok ? 3000 : 0);
        EXPECT_EQ(trigger.phrase, ok ? "p\xE9 50" : "100") << "Latin-1 bytes both ways";
    }
}
