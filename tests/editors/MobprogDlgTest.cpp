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

    void Open(const CMobTrigger& trigger) { OpenDialog(dialog, false, doc, trigger); }

    std::unique_ptr<CMobprogDlg> dialog;
};

} // namespace

// Which type is shown and stored is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobprogDlg, OkWaitsForATypeAndOkRefusesVnumZeroWhileTheNoteTellsOfProgramsOutsideTheArea)
{
    Open({ "nonesuch", 3000, "p" });
    EXPECT_FALSE(W<QWidget>("okButton")->isEnabled()) << "a stored word of no type leaves OK waiting";
    Choose("typeCombo", "act");
    EXPECT_TRUE(W<QWidget>("okButton")->isEnabled());
    EXPECT_EQ(dialog->State().trigger.trigger, "act");

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
        prompt.Clear();
        TypeNumber(W<CNumberBox>("vnumBox"), QString::fromLatin1(c.typed));
        EXPECT_EQ(W<QLabel>("vnumNote")->text().toStdString(), c.note) << c.typed;
        Press("okButton");
        EXPECT_EQ(dialog->isVisible(), !c.accepted) << c.typed;
        EXPECT_EQ(prompt.Told(), c.accepted ? QString() : QStringLiteral("Please enter an integer between 1 and 32767.")) << c.typed;
        EXPECT_EQ(dialog->focusWidget() == W<QWidget>("vnumBox"), !c.accepted) << c.typed;
    }
}

TEST_F(MobprogDlg, EditTriggerGivesTheEditedTriggerOnOkOnly)
{
    for (bool ok : { false, true }) {
        CMobTrigger trigger { "GREET", 0, "100" };
        OnNextModal([](QWidget* modal) {
            EXPECT_EQ(modal->focusWidget(), Find<QWidget>(modal, "typeCombo"));
            EXPECT_EQ(Find<QComboBox>(modal, "typeCombo")->currentText(), QStringLiteral("greet"));
            TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3000"));
            Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("p\xE9 50"));
        },
            ok ? "okButton" : "cancelButton");
        EXPECT_EQ(CMobprogDlg::EditTrigger(nullptr, doc, trigger), ok);
        EXPECT_EQ(trigger.trigger, "GREET") << "the stored word stays unless another type is chosen";
        EXPECT_EQ(trigger.vnum, ok ? 3000 : 0);
        EXPECT_EQ(trigger.phrase, ok ? "p\xE9 50" : "100") << "Latin-1 bytes both ways";
    }
}
