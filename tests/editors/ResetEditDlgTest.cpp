#include "EditorFixture.h"

#include "editors/CNumberBox.h"
#include "editors/CResetEditDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class ResetEditDlg : public EditorFixture {
protected:
    void Open(const CResetData& reset, int roomVnum = 3001)
    {
        dialog = std::make_unique<CResetEditDlg>(doc, reset, roomVnum);
        dialog->show();
    }

    void OpenNew()
    {
        CResetData reset;
        reset.command = 0;
        Open(reset);
    }

    template <typename T>
    T* W(const char* name) const { return Find<T>(dialog.get(), name); }

    void ChooseKind(const char* name) const
    {
        auto* type = W<QComboBox>("typeCombo");
        const int index = type->findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << "no kind " << name;
        type->setCurrentIndex(index);
    }

    // Chooses the entry as the builder does, so the box follows.
    void ChooseEntry(const char* list, const char* text) const
    {
        auto* combo = W<QComboBox>(list);
        const int index = combo->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << list << " lacks " << text;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void ClickOk() const { QTest::mouseClick(W<QPushButton>("okButton"), Qt::LeftButton); }

    QString Label(const char* name) const { return W<QLabel>(name)->text(); }

    std::unique_ptr<CResetEditDlg> dialog;
};

// Which of the kind's fields can be used: the two vnum boxes with their
// lists, Max and Min, the position/direction list and the door list.
struct CKindFields {
    const char* kind;
    bool first, second, maxMin, list, door;
    const char* firstLabel;
    const char* secondLabel;
    const char* listLabel;
    int firstEntries; // mobs or objects offered
    int listEntries;
};

const CKindFields KindFields[] = {
    { "Mob to room", true, false, true, false, false, "Mob:", "nothing", "nothing", 2, 0 },
    { "Object to room", true, false, false, false, false, "Object:", "nothing", "nothing", 2, 0 },
    { "Object in object", true, true, true, false, false, "Object:", "To obj:", "nothing", 2, 0 },
    { "Object to mob", true, false, true, false, false, "Object:", "nothing", "nothing", 2, 0 },
    { "Equipt mob", true, false, true, true, false, "Object:", "nothing", "Position:", 2, 4 },
    { "Status Door", false, false, false, true, true, "nothing", "nothing", "Direction:", 0, 6 },
    { "Randomize Exits", false, false, false, false, false, "nothing", "nothing", "nothing", 0, 0 },
};

} // namespace

TEST_F(ResetEditDlg, KindsAreListedByName)
{
    OpenNew();
    auto* type = W<QComboBox>("typeCombo");
    QStringList names;
    for (int i = 0; i < type->count(); ++i)
        names << type->itemText(i);
    EXPECT_EQ(names.join(QLatin1Char('|')),
        QStringLiteral("Equipt mob|Mob to room|Object in object|Object to mob|Object to room|Randomize Exits|Status Door"));
}

TEST_F(ResetEditDlg, NewResetStartsWithNothingUsable)
{
    OpenNew();
    EXPECT_EQ(W<QComboBox>("typeCombo")->currentIndex(), -1);
    EXPECT_FALSE(W<QPushButton>("okButton")->isEnabled()) << "only Cancel can end a reset without a kind";
    for (const char* name : { "firstVnumBox", "secondVnumBox", "maxBox", "minBox" })
        EXPECT_FALSE(W<QWidget>(name)->isEnabled()) << name;
    for (const char* name : { "firstList", "secondList", "choiceList", "doorList" }) {
        EXPECT_FALSE(W<QComboBox>(name)->isEnabled()) << name;
        EXPECT_EQ(W<QComboBox>(name)->count(), 0) << name;
    }
    ClickOk();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ResetEditDlg, EachKindOpensOnlyItsFields)
{
    OpenNew();
    for (const CKindFields& k : KindFields) {
        ChooseKind(k.kind);
        EXPECT_TRUE(W<QPushButton>("okButton")->isEnabled()) << k.kind;
        EXPECT_EQ(W<QWidget>("firstVnumBox")->isEnabled(), k.first) << k.kind;
        EXPECT_EQ(W<QComboBox>("firstList")->isEnabled(), k.first) << k.kind;
        EXPECT_EQ(W<QComboBox>("firstList")->count(), k.firstEntries) << k.kind;
        EXPECT_EQ(W<QWidget>("secondVnumBox")->isEnabled(), k.second) << k.kind;
        EXPECT_EQ(W<QComboBox>("secondList")->isEnabled(), k.second) << k.kind;
        EXPECT_EQ(W<QWidget>("maxBox")->isEnabled(), k.maxMin) << k.kind;
        EXPECT_EQ(W<QWidget>("minBox")->isEnabled(), k.maxMin) << k.kind;
        EXPECT_EQ(W<QComboBox>("choiceList")->isEnabled(), k.list) << k.kind;
        EXPECT_EQ(W<QComboBox>("choiceList")->count(), k.listEntries) << k.kind;
        EXPECT_EQ(W<QComboBox>("doorList")->isEnabled(), k.door) << k.kind;
        EXPECT_EQ(W<QComboBox>("doorList")->count(), k.door ? 3 : 0) << k.kind;
        EXPECT_EQ(Label("firstLabel"), QString::fromLatin1(k.firstLabel)) << k.kind;
        EXPECT_EQ(Label("secondLabel"), QString::fromLatin1(k.secondLabel)) << k.kind;
        EXPECT_EQ(Label("listLabel"), QString::fromLatin1(k.listLabel)) << k.kind;
        // A later change of kind starts from the kind's defaults.
        const int counted = k.maxMin ? 1 : 0;
        EXPECT_EQ(W<CNumberBox>("maxBox")->value(), counted) << k.kind;
        EXPECT_EQ(W<CNumberBox>("minBox")->value(), counted) << k.kind;
        EXPECT_EQ(W<CNumberBox>("firstVnumBox")->value(), 0) << k.kind;
    }
}

TEST_F(ResetEditDlg, OkStoresTheArgumentsOfTheKind)
{
    const struct {
        const char* kind;
        const char* first; // entry of the first list
        const char* second;
        int max, min;
        const char* choice;
        const char* door;
        CResetData expected;
    } cases[] = {
        { "Mob to room", "the baker (3005)", nullptr, 1, 1, nullptr, nullptr, { 'M', 3005, 1, 3001, 1 } },
        { "Object to room", "a sword (3010)", nullptr, 7, 7, nullptr, nullptr, { 'O', 3010, 0, 3001, 0 } },
        { "Object in object", "a sword (3010)", "a bag (3011)", 2, 3, nullptr, nullptr, { 'P', 3010, 2, 3011, 3 } },
        { "Object to mob", "a bag (3011)", nullptr, 4, 2, nullptr, nullptr, { 'G', 3011, 4, 0, 2 } },
        { "Equipt mob", "a sword (3010)", nullptr, 1, 1, "wielded", nullptr, { 'E', 3010, 1, 16, 1 } },
        { "Status Door", nullptr, nullptr, 0, 0, "west", "locked", { 'D', 3001, 3, 2, 0 } },
        { "Randomize Exits", nullptr, nullptr, 0, 0, nullptr, nullptr, { 'R', 3001, 0, 0, 0 } },
    };
    for (const auto& c : cases) {
        OpenNew();
        ChooseKind(c.kind);
        if (c.first)
            ChooseEntry("firstList", c.first);
        if (c.second)
            ChooseEntry("secondList", c.second);
        if (W<QWidget>("maxBox")->isEnabled()) {
            W<CNumberBox>("maxBox")->setValue(c.max);
            W<CNumberBox>("minBox")->setValue(c.min);
        }
        if (c.choice)
            ChooseEntry("choiceList", c.choice);
        if (c.door)
            ChooseEntry("doorList", c.door);
        ClickOk();
        ASSERT_EQ(dialog->result(), QDialog::Accepted) << c.kind;
        const CResetData& r = dialog->Reset();
        EXPECT_EQ(r.command, c.expected.command) << c.kind;
        EXPECT_EQ(r.arg1, c.expected.arg1) << c.kind;
        EXPECT_EQ(r.arg2, c.expected.arg2) << c.kind;
        EXPECT_EQ(r.arg3, c.expected.arg3) << c.kind;
        EXPECT_EQ(r.arg4, c.expected.arg4) << c.kind;
    }
}

TEST_F(ResetEditDlg, OpeningKeepsTheResetsOwnArgumentsOnce)
{
    Open({ 'E', 3010, 3, 16, 2 });
    EXPECT_EQ(W<QComboBox>("typeCombo")->currentText(), QStringLiteral("Equipt mob"));
    EXPECT_EQ(W<CNumberBox>("firstVnumBox")->value(), 3010);
    EXPECT_EQ(W<QComboBox>("firstList")->currentText(), QStringLiteral("a sword (3010)"));
    EXPECT_EQ(W<CNumberBox>("maxBox")->value(), 3);
    EXPECT_EQ(W<CNumberBox>("minBox")->value(), 2);
    EXPECT_EQ(W<QComboBox>("choiceList")->currentText(), QStringLiteral("wielded"));

    ChooseKind("Object to mob");
    ChooseKind("Equipt mob");
    EXPECT_EQ(W<CNumberBox>("firstVnumBox")->value(), 0);
    EXPECT_EQ(W<CNumberBox>("maxBox")->value(), 1);
    EXPECT_EQ(W<CNumberBox>("minBox")->value(), 1);
    EXPECT_EQ(W<QComboBox>("choiceList")->currentText(), QStringLiteral("light")) << "position 0";
}

TEST_F(ResetEditDlg, DoorResetAlwaysNamesItsRoom)
{
    Open({ 'D', 1234, 2, 1, 77 }, 3002);
    EXPECT_EQ(W<QComboBox>("choiceList")->currentText(), QStringLiteral("south"));
    EXPECT_EQ(W<QComboBox>("doorList")->currentText(), QStringLiteral("closed"));
    ClickOk();
    const CResetData& r = dialog->Reset();
    EXPECT_EQ(r.arg1, 3002);
    EXPECT_EQ(r.arg2, 2);
    EXPECT_EQ(r.arg3, 1);
    EXPECT_EQ(r.arg4, 0);
}

TEST_F(ResetEditDlg, ListsFollowTheirBoxesAndUnknownVnumsStay)
{
    Open({ 'P', 3010, 1, 3011, 1 });
    auto* box = W<CNumberBox>("firstVnumBox");
    auto* list = W<QComboBox>("firstList");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("3011"));
    EXPECT_EQ(list->currentText(), QStringLiteral("a bag (3011)"));
    QTest::keyClicks(box, QStringLiteral("9"));
    EXPECT_EQ(list->currentIndex(), -1) << "30119 names no object";
    EXPECT_EQ(box->value(), 30119);

    ChooseEntry("secondList", "a sword (3010)");
    EXPECT_EQ(W<CNumberBox>("secondVnumBox")->value(), 3010);
    ClickOk();
    EXPECT_EQ(dialog->Reset().arg1, 30119) << "a vnum without an object is kept";
    EXPECT_EQ(dialog->Reset().arg3, 3010);
}
