#include "EditorFixture.h"

#include "editors/CResetEditDlg.h"
#include "editors/CRoomEditDlg.h"
#include "editors/CRoomListDlg.h"
#include "text/TextWriter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

class RoomEditingKeeps : public EditorFixture {
protected:
    void OpenRoom(const std::vector<CExtraDescData>& extras)
    {
        doc.rooms[0].extraDescs = extras;
        dialog = std::make_unique<CRoomEditDlg>(doc, doc.rooms[0], 0);
        dialog->show();
        shown = dialog.get();
    }
    std::string Extras() const
    {
        std::string out;
        for (const CExtraDescData& e : dialog->State().room.extraDescs)
            out += e.keyword + "=" + e.description + ";";
        return out;
    }
    void TypeKeyword(const char* text) const
    {
        QLineEdit* edit = W<QComboBox>("extraKeywordCombo")->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    std::unique_ptr<CRoomEditDlg> dialog;
};

std::string Args(const CResetData& r)
{
    return Format("%c %i %i %i %i", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 });
}

} // namespace

TEST_F(RoomEditingKeeps, AddingAnExtraDescriptionLeavesTheShownOneAndTypedKeywordsStayAsTyped)
{
    OpenRoom({ { "plaque", "Gold letters." } });
    TypeKeyword("statue");
    W<QPlainTextEdit>("extraDescriptionEdit")->setPlainText(QStringLiteral("A marble statue."));
    Click(shown, "extraAddButton");
    EXPECT_EQ(Extras(), "plaque=Gold letters.;statue=A marble statue.;");

    // A keyword that begins an existing one is not completed to it.
    TypeKeyword("pla");
    EXPECT_EQ(W<QComboBox>("extraKeywordCombo")->currentText(), QStringLiteral("pla"));
    Click(shown, "extraAddButton");
    EXPECT_EQ(Extras(), "plaque=Gold letters.;statue=A marble statue.;pla=A marble statue.;")
        << "a new keyword takes the text in the box";
}

TEST_F(RoomEditingKeeps, DeleteRemovesTheChosenLinesEntryEvenWhenKeywordsRepeat)
{
    OpenRoom({ { "Sign", "first" }, { "sign", "second" } });
    auto* combo = W<QComboBox>("extraKeywordCombo");
    const int row = combo->findData(1);
    combo->setCurrentIndex(row);
    emit combo->activated(row);
    Click(shown, "extraDeleteButton");
    EXPECT_EQ(Extras(), "Sign=first;");
}

TEST_F(RoomEditingKeeps, ResetEditKeepsNoLimitAndTheExitCount)
{
    const struct { CResetData reset; const char* kind; const char* stored; } cases[] = {
        { { 'E', 3010, -1, 16, -1 }, nullptr, "E 3010 -1 16 -1" }, // -1: no limit, as ROM reads it
        { { 'R', 3001, 6, 0, 0 }, nullptr, "R 3001 6 0 0" },
        { { 'R', 3001, 2, 0, 0 }, nullptr, "R 3001 2 0 0" },
        { { 'O', 3010, 0, 3001, 0 }, "Randomize Exits", "R 3001 6 0 0" }, // a new R shuffles all six
    };
    for (const auto& c : cases) {
        CResetEditDlg resetDialog(doc, c.reset, 3001);
        resetDialog.show();
        if (c.kind) {
            auto* type = Find<QComboBox>(&resetDialog, "typeCombo");
            type->setCurrentIndex(type->findText(QString::fromLatin1(c.kind)));
        }
        EXPECT_TRUE(Find<CNumberBox>(&resetDialog, "maxBox")->isEnabled()) << c.stored;
        Click(&resetDialog, "okButton");
        ASSERT_EQ(resetDialog.result(), QDialog::Accepted) << c.stored;
        EXPECT_EQ(Args(resetDialog.Reset()), c.stored);
    }
    CResetEditDlg resetDialog(doc, { 'R', 3001, 7, 0, 0 }, 3001);
    resetDialog.show();
    Click(&resetDialog, "okButton");
    EXPECT_NE(resetDialog.result(), QDialog::Accepted) << "more than six exits is refused";
}

TEST_F(RoomEditingKeeps, RoomListOpensWithTheFocusOnTheListAndEditWithNothingChosenGivesNoRoom)
{
    CRoomListDlg listDialog(doc);
    listDialog.show();
    listDialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&listDialog));
    auto* list = Find<QListWidget>(&listDialog, "roomList");
    EXPECT_TRUE(list->hasFocus());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    Click(&listDialog, "editButton");
    EXPECT_EQ(listDialog.ChosenRoom(), -1) << "the row the list took with the focus is not a choice";
}
