#include "EditorFixture.h"

#include "editors/CResetEditDlg.h"

namespace {

class ResetEditDlg : public EditorFixture {
protected:
    void Open(const CResetData& reset = { 0, 0, 0, 0, 0 }) { OpenDialog(dialog, false, doc, reset, 3001); }

    // What the dialog offers: the usable fields (F and f the first box and
    // list, S and s the second, M and m Max and Min, l the list, d the door, k OK),
    // the three captions, the entries of the first, choice and door lists,
    // then first vnum, Max and Min.
    std::string Offered() const
    {
        const std::pair<char, const char*> fields[] = { { 'F', "firstVnumBox" }, { 'f', "firstList" }, { 'S', "secondVnumBox" },
            { 's', "secondList" }, { 'M', "maxBox" }, { 'm', "minBox" }, { 'l', "choiceList" }, { 'd', "doorList" }, { 'k', "okButton" } };
        QString text;
        for (const auto& [letter, name] : fields)
            text += W<QWidget>(name)->isEnabled() ? QLatin1Char(letter) : QLatin1Char('-');
        for (const char* label : { "firstLabel", "secondLabel", "listLabel" })
            text += QLatin1Char(' ') + W<QLabel>(label)->text();
        for (int number : { W<QComboBox>("firstList")->count(), W<QComboBox>("choiceList")->count(), W<QComboBox>("doorList")->count(),
                 W<CNumberBox>("firstVnumBox")->value(), W<CNumberBox>("maxBox")->value(), W<CNumberBox>("minBox")->value() })
            text += QLatin1Char(' ') + QString::number(number);
        return text.toStdString();
    }

    std::unique_ptr<CResetEditDlg> dialog;
};

} // namespace

TEST_F(ResetEditDlg, EachKindOpensOnlyItsFieldsFromTheKindsDefaults)
{
    Open();
    EXPECT_EQ(Offered(), "--------- nothing nothing nothing 0 0 0 0 0 0") << "a new reset has no kind: only Cancel ends it";

    // Listed by name. The reset opened is an Object to mob: chosen again, its kind starts afresh.
    const std::pair<const char*, const char*> kinds[] = {
        { "Equipt mob", "Ff--Mml-k &Object: nothing &Position: 2 19 0 0 1 1" },
        { "Mob to room", "Ff--Mm--k &Mob: nothing nothing 2 0 0 0 1 1" },
        { "Object in object", "FfSsMm--k &Object: To o&bj: nothing 2 0 0 0 1 1" },
        { "Object to mob", "Ff--Mm--k &Object: nothing nothing 2 0 0 0 1 1" },
        { "Object to room", "Ff------k &Object: nothing nothing 2 0 0 0 0 0" },
        { "Randomize Exits", "----M---k nothing nothing nothing 0 0 0 0 6 0" }, // Max: the exits shuffled
        { "Status Door", "------ldk nothing nothing Di&rection: 0 6 3 0 0 0" },
    };
    Open({ 'G', 3010, 3, 0, 2 });
    ASSERT_EQ(W<QComboBox>("typeCombo")->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(W<QComboBox>("typeCombo")->itemText(i).toStdString(), kinds[i].first) << "kinds are listed by name";
        W<QComboBox>("typeCombo")->setCurrentIndex(i);
        EXPECT_EQ(Offered(), kinds[i].second) << kinds[i].first;
    }
}

// What each kind stores, and that opening keeps the reset's arguments, is
// checked in tests/rules/RecordRulesTest.cpp.
TEST_F(ResetEditDlg, ListsFollowTheirBoxesAndOkTakesTheChoices)
{
    Open({ 'R', 3001, 7, 0, 0 });
    Press("okButton");
    EXPECT_NE(dialog->result(), QDialog::Accepted) << "more than six exits is refused";

    Open({ 'P', 3010, 3, 3011, 2 });
    TypeNumber(W<CNumberBox>("firstVnumBox"), QStringLiteral("3011"));
    EXPECT_EQ(W<QComboBox>("firstList")->currentText(), QStringLiteral("a bag (3011)"));
    QTest::keyClicks(W<CNumberBox>("firstVnumBox"), QStringLiteral("9"));
    EXPECT_EQ(W<QComboBox>("firstList")->currentIndex(), -1) << "30119 names no object";
    Choose("secondList", "a sword (3010)");
    Press("okButton");
    EXPECT_EQ(ResetArgs(dialog->Reset()), "P 30119 3 3010 2") << "a vnum without an object is kept; the second box follows its list";

    Open();
    Choose("typeCombo", "Status Door");
    Choose("choiceList", "west");
    Choose("doorList", "locked");
    Press("okButton");
    EXPECT_EQ(ResetArgs(dialog->Reset()), "D 3001 3 2 0");
}
