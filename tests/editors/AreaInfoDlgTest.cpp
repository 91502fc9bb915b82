#include "EditorFixture.h"

#include "editors/CAreaInfoDlg.h"
#include "editors/CNumberBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class AreaInfoDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc.name = "Midgard";
        doc.builders = "Ana";
        doc.security = 5;
        doc.minLevel = 1;
        doc.maxLevel = 50;
        doc.resources[1].value = 70; // hierro
        doc.SetModified(false);
    }

    void Open()
    {
        dialog = std::make_unique<CAreaInfoDlg>(doc);
        dialog->show();
    }

    template <typename T>
    T* W(const char* name) const { return Find<T>(dialog.get(), name); }

    static void Type(CNumberBox* box, const QString& digits)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, digits);
    }

    void ClickOk() const { QTest::mouseClick(W<QPushButton>("okButton"), Qt::LeftButton); }

    std::unique_ptr<CAreaInfoDlg> dialog;
};

} // namespace

TEST_F(AreaInfoDlg, DialectDecidesWhatCanBeEdited)
{
    const struct { int mudType; bool authors, security, levels, resources; } cases[] = {
        { MudQuendar, true, true, true, true },
        { MudRomDefault, false, false, false, false },
        { MudRomOlc, true, true, false, false },
    };
    for (const auto& c : cases) {
        tables.mudType = c.mudType;
        Open();
        EXPECT_TRUE(W<QLineEdit>("nameEdit")->isEnabled()) << c.mudType;
        EXPECT_TRUE(W<QLineEdit>("creditsEdit")->isEnabled()) << c.mudType;
        EXPECT_TRUE(W<QWidget>("lowerVnumBox")->isEnabled()) << c.mudType;
        EXPECT_TRUE(W<QWidget>("upperVnumBox")->isEnabled()) << c.mudType;
        EXPECT_EQ(W<QLineEdit>("buildersEdit")->isEnabled(), c.authors) << c.mudType;
        EXPECT_EQ(W<QWidget>("securityBox")->isEnabled(), c.security) << c.mudType;
        EXPECT_EQ(W<QWidget>("minLevelBox")->isEnabled(), c.levels) << c.mudType;
        EXPECT_EQ(W<QWidget>("maxLevelBox")->isEnabled(), c.levels) << c.mudType;
        EXPECT_EQ(W<QListWidget>("resourceList")->isEnabled(), c.resources) << c.mudType;
        EXPECT_EQ(W<QWidget>("amountBox")->isEnabled(), c.resources) << c.mudType;
    }
}

TEST_F(AreaInfoDlg, AmountsFollowTheChosenResource)
{
    Open();
    auto* list = W<QListWidget>("resourceList");
    auto* amount = W<CNumberBox>("amountBox");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("hierro")) << "sorted by name";
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(amount->value(), 70);

    list->setCurrentRow(1); // madera
    EXPECT_EQ(amount->value(), 0);
    Type(amount, QStringLiteral("1500000")); // above the arrows' reach, still accepted
    list->setCurrentRow(0);
    EXPECT_EQ(amount->value(), 70);
    ClickOk();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->State().resources[0].value, 1500000) << "madera is first in the area's own order";
    EXPECT_EQ(dialog->State().resources[1].value, 70);
}

TEST_F(AreaInfoDlg, RangesRefuseOnOkAndArrowsStopEarlier)
{
    const struct { const char* box; const char* typed; bool accepted; } cases[] = {
        { "securityBox", "10", false },
        { "upperVnumBox", "32768", false },
        { "maxLevelBox", "61", true },
        { "maxLevelBox", "32767", true },
        { "amountBox", "2000001", false },
    };
    for (const auto& c : cases) {
        prompt.shown.clear();
        Open();
        Type(W<CNumberBox>(c.box), QString::fromLatin1(c.typed));
        ClickOk();
        EXPECT_EQ(dialog->result() == QDialog::Accepted, c.accepted) << c.box << " = " << c.typed;
        EXPECT_EQ(prompt.shown.size(), c.accepted ? 0u : 1u) << c.box << " = " << c.typed;
        if (!c.accepted) {
            EXPECT_TRUE(dialog->isVisible()) << c.box;
            EXPECT_EQ(dialog->focusWidget(), W<QWidget>(c.box)) << c.box;
        }
    }

    Open();
    auto* level = W<CNumberBox>("minLevelBox");
    level->setValue(59);
    level->stepBy(5);
    EXPECT_EQ(level->value(), 60) << "the level's arrows stop at 60";
    auto* amount = W<CNumberBox>("amountBox");
    amount->setValue(32760);
    amount->stepBy(100);
    EXPECT_EQ(amount->value(), 32767);
}

TEST_F(AreaInfoDlg, OkWritesBackAndMarksModifiedEvenUnchanged)
{
    OnNextModal([](QWidget* modal) { QTest::mouseClick(Find<QPushButton>(modal, "okButton"), Qt::LeftButton); });
    ASSERT_TRUE(CAreaInfoDlg::EditAreaInfo(nullptr, doc));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.name, "Midgard");
    EXPECT_EQ(doc.resources[1].value, 70);

    doc.SetModified(false);
    OnNextModal([](QWidget* modal) {
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("Asgard"));
        Find<CNumberBox>(modal, "lowerVnumBox")->setValue(5000); // above the upper one: taken as typed
        QTest::mouseClick(Find<QPushButton>(modal, "okButton"), Qt::LeftButton);
    });
    ASSERT_TRUE(CAreaInfoDlg::EditAreaInfo(nullptr, doc));
    EXPECT_EQ(doc.name, "Asgard");
    EXPECT_EQ(doc.lowerVnum, 5000);
    EXPECT_EQ(doc.upperVnum, 3099);

    doc.SetModified(false);
    OnNextModal([](QWidget* modal) {
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("Lost"));
        QTest::mouseClick(Find<QPushButton>(modal, "cancelButton"), Qt::LeftButton);
    });
    EXPECT_FALSE(CAreaInfoDlg::EditAreaInfo(nullptr, doc));
    EXPECT_EQ(doc.name, "Asgard");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(AreaInfoDlg, NoResourcesLeaveTheAmountDisabledAtZero)
{
    doc.resources.clear();
    Open();
    EXPECT_EQ(W<QListWidget>("resourceList")->count(), 0);
    EXPECT_FALSE(W<QWidget>("amountBox")->isEnabled());
    EXPECT_EQ(W<CNumberBox>("amountBox")->value(), 0);
    ClickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}
