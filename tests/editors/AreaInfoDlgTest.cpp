#include "EditorFixture.h"

#include "edit/CAreaEditor.h"
#include "editors/CAreaInfoDlg.h"

namespace {

class AreaInfoDlg : public EditorFixture {
protected:
    void Open() { OpenDialog(dialog, false, doc); }

    std::unique_ptr<CAreaInfoDlg> dialog;
};

} // namespace

TEST_F(AreaInfoDlg, DialectDecidesWhatCanBeEdited)
{
    const std::pair<char, const char*> fields[] = { { 'n', "nameEdit" }, { 'b', "buildersEdit" }, { 'c', "creditsEdit" },
        { 'l', "lowerVnumBox" }, { 'u', "upperVnumBox" }, { 's', "securityBox" }, { 'm', "minLevelBox" }, { 'M', "maxLevelBox" },
        { 'r', "resourceList" }, { 'a', "amountBox" } };
    const std::pair<MudType, const char*> cases[] = { { MudType::Quendar, "nbclusmMra" }, { MudType::RomDefault, "n-clu-----" }, { MudType::RomOlc, "nbclus----" } };
    for (const auto& [mudType, usable] : cases) {
        tables.mudType = mudType;
        Open();
        std::string shownUsable;
        for (const auto& [letter, name] : fields)
            shownUsable += W<QWidget>(name)->isEnabled() ? letter : '-';
        EXPECT_EQ(shownUsable, usable) << "dialect " << MudTypeName(mudType);
    }
}

TEST_F(AreaInfoDlg, OkRefusesAValueOutOfRangeButArrowsStopEarlier)
{
    // the box, what is typed, whether OK takes it
    const std::tuple<const char*, const char*, bool> cases[] = {
        { "securityBox", "10", false }, { "upperVnumBox", "100000", true }, { "upperVnumBox", "-1", false }, { "maxLevelBox", "32767", true }, { "amountBox", "2000001", false }
    };
    for (const auto& [box, typed, accepted] : cases) {
        Open();
        TypeNumber(W<CNumberBox>(box), QString::fromLatin1(typed));
        Press("okButton");
        EXPECT_EQ(dialog->isVisible(), !accepted) << box << " = " << typed << ": a refused value keeps the dialog open";
        EXPECT_EQ(dialog->focusWidget() == W<QWidget>(box), !accepted) << box << ": the focus goes to the refused box";
    }
    W<CNumberBox>("minLevelBox")->setValue(59);
    W<CNumberBox>("minLevelBox")->stepBy(5);
    EXPECT_EQ(W<CNumberBox>("minLevelBox")->value(), 60) << "the level's arrows stop at 60";
}

// A file without a header is saved without one until General information's
// OK gives it one; undoing that edit takes it away again.
TEST_F(AreaInfoDlg, EditAreaInfoGivesTheNewHeaderOnOkOnlyAndAnAreaReadWithoutOneItsHeader)
{
    doc = CTolvexDoc(tables);
    LoadArea(doc, "#HELPS\n0 SUMMARY~\nText.\n~\n0 $~\n#$\n");
    doc.resources[1].value = 70; // hierro
    CAreaEditor editor(doc);
    for (bool ok : { false, true }) {
        CAreaHeader header = doc.Header();
        OnNextModal(ok ? "okButton" : "cancelButton", [](QWidget* modal) {
            auto* list = Find<QListWidget>(modal, "resourceList");
            EXPECT_EQ(list->item(2)->text(), QStringLiteral("hierro")) << "sorted by name";
            list->setCurrentRow(2);
            EXPECT_EQ(Find<CNumberBox>(modal, "amountBox")->value(), 70);
            list->setCurrentRow(3); // madera
            TypeNumber(Find<CNumberBox>(modal, "amountBox"), QStringLiteral("1500000")); // above the arrows' reach, still accepted
            Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("Asgard"));
        });
        ASSERT_EQ(CAreaInfoDlg::EditAreaInfo(nullptr, doc, header), ok);
        EXPECT_TRUE(doc.name.empty() && doc.resources[0].value == 0) << "the dialog leaves the area alone";
        EXPECT_EQ(header.name, ok ? "Asgard" : "") << "OK " << ok;
        if (ok)
            editor.ReplaceHeader(header);
        EXPECT_EQ(doc.WritesHeader(), ok) << "OK " << ok;
    }
    EXPECT_EQ(doc.resources[0].value, 1500000) << "madera is first in the area's own order";
    EXPECT_EQ(doc.resources[1].value, 70);
    EXPECT_TRUE(editor.Undo());
    EXPECT_FALSE(doc.WritesHeader());
}
