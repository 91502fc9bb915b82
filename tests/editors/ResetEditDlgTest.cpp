#include "EditorFixture.h"

#include "text/TextWriter.h"
#include "editors/CResetEditDlg.h"

#include <QComboBox>
#include <QLabel>

namespace {

std::string Args(const CResetData& r)
{
    return Format("%c %i %i %i %i", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 });
}

class ResetEditDlg : public EditorFixture {
protected:
    void Open(const CResetData& reset = { 0, 0, 0, 0, 0 }, int roomVnum = 3001)
    {
        dialog = std::make_unique<CResetEditDlg>(doc, reset, roomVnum);
        dialog->show();
        shown = dialog.get();
    }

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
        { "Equipt mob", "Ff--Mml-k Object: nothing Position: 2 19 0 0 1 1" },
        { "Mob to room", "Ff--Mm--k Mob: nothing nothing 2 0 0 0 1 1" },
        { "Object in object", "FfSsMm--k Object: To obj: nothing 2 0 0 0 1 1" },
        { "Object to mob", "Ff--Mm--k Object: nothing nothing 2 0 0 0 1 1" },
        { "Object to room", "Ff------k Object: nothing nothing 2 0 0 0 0 0" },
        { "Randomize Exits", "----M---k nothing nothing nothing 0 0 0 0 6 0" }, // Max: the exits shuffled
        { "Status Door", "------ldk nothing nothing Direction: 0 6 3 0 0 0" },
    };
    Open({ 'G', 3010, 3, 0, 2 });
    ASSERT_EQ(W<QComboBox>("typeCombo")->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(W<QComboBox>("typeCombo")->itemText(i).toStdString(), kinds[i].first) << "kinds are listed by name";
        W<QComboBox>("typeCombo")->setCurrentIndex(i);
        EXPECT_EQ(Offered(), kinds[i].second) << kinds[i].first;
    }
}

TEST_F(ResetEditDlg, OkStoresTheArgumentsOfTheKind)
{
    const struct { const char* kind; const char* first; const char* second; int max, min; const char* choice; const char* door;
        const char* stored; } cases[] = {
        { "Mob to room", "the baker (3005)", nullptr, 1, 1, nullptr, nullptr, "M 3005 1 3001 1" },
        { "Object to room", "a sword (3010)", nullptr, 7, 7, nullptr, nullptr, "O 3010 0 3001 0" },
        { "Object in object", "a sword (3010)", "a bag (3011)", 2, 3, nullptr, nullptr, "P 3010 2 3011 3" },
        { "Object to mob", "a bag (3011)", nullptr, 4, 2, nullptr, nullptr, "G 3011 4 0 2" },
        { "Equipt mob", "a sword (3010)", nullptr, 1, 1, "wielded", nullptr, "E 3010 1 16 1" },
        { "Status Door", nullptr, nullptr, 0, 0, "west", "locked", "D 3001 3 2 0" },
        { "Randomize Exits", nullptr, nullptr, 0, 0, nullptr, nullptr, "R 3001 0 0 0" },
    };
    for (const auto& c : cases) {
        Open();
        for (const auto& [list, entry] : { std::pair { "typeCombo", c.kind }, { "firstList", c.first }, { "secondList", c.second },
                 { "choiceList", c.choice }, { "doorList", c.door } })
            if (entry)
                Choose(list, entry);
        W<CNumberBox>("maxBox")->setValue(c.max); // a kind without Max and Min stores 0 whatever the boxes hold
        W<CNumberBox>("minBox")->setValue(c.min);
        Press("okButton");
        EXPECT_EQ(Args(dialog->Reset()), c.stored) << c.kind;
    }
}

TEST_F(ResetEditDlg, OpeningKeepsTheResetsArgumentsAndListsFollowTheirBoxes)
{
    Open({ 'D', 1234, 2, 1, 77 }, 3002);
    Press("okButton");
    EXPECT_EQ(Args(dialog->Reset()), "D 3002 2 1 0") << "a door reset names its room";
    for (const CResetData& kept : { CResetData { 'E', 3010, -1, 16, -1 }, CResetData { 'R', 3001, 2, 0, 0 } }) {
        Open(kept);
        Press("okButton");
        EXPECT_EQ(Args(dialog->Reset()), Args(kept)) << "-1 is no limit, as ROM reads it; R keeps its exit count";
    }
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
    EXPECT_EQ(Args(dialog->Reset()), "P 30119 3 3010 2") << "a vnum without an object is kept; the second box follows its list";
}
