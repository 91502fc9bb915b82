#include "ObjectEditFixture.h"

#include "editors/CObjectListDlg.h"
#include "gui/CAreaDocument.h"

#include <QListWidget>

namespace {

class ObjectListDlg : public ObjectEditFixture {
protected:
    // An area of `lower`..`upper` holding objects with these vnums and names.
    std::unique_ptr<CAreaDocument> Area(int lower, int upper, std::vector<std::pair<int, const char*>> objects)
    {
        auto document = std::make_unique<CAreaDocument>(tables);
        CAreaHeader header = document->Doc().Header();
        header.lowerVnum = lower;
        header.upperVnum = upper;
        document->Editor().ReplaceHeader(header);
        for (const auto& [vnum, name] : objects) {
            CObjData obj = Object("light");
            obj.vnum = vnum;
            obj.name = name;
            document->Editor().AddObject(obj);
        }
        return document;
    }

    static QListWidget* List(const QWidget* dialog) { return Find<QListWidget>(dialog, "objectList"); }
};

} // namespace

TEST_F(ObjectListDlg, OpensOnTheListWithNothingChosenAndLinesSortedAsText)
{
    auto area = Area(1, 20000, { { 9000, "gate" }, { 10012, "tower" }, { 950, "yard" } });
    CObjectListDlg listDialog(area->Editor());
    ShowActive(&listDialog);
    EXPECT_EQ(ListLines(List(&listDialog)), "10012\ttower|9000\tgate|950\tyard");
    EXPECT_EQ(listDialog.focusWidget(), List(&listDialog));
    EXPECT_EQ(listDialog.ChosenObject(), -1);
    QTest::keyClick(List(&listDialog), Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Edit with nothing chosen opens nothing";
    QTest::keyClick(List(&listDialog), Qt::Key_Down);
    EXPECT_EQ(listDialog.ChosenObject(), 1) << "the first arrow chooses the first line, which carries its object's index";
    QTest::keyClick(List(&listDialog), Qt::Key_Down);
    EXPECT_EQ(listDialog.ChosenObject(), 0);
    QTest::keyClick(&listDialog, Qt::Key_Escape);
    EXPECT_FALSE(listDialog.isVisible()) << "Escape closes the list";
}

TEST_F(ObjectListDlg, NewProposesTheLowestFreeVnumAboveZeroAndAddsOneStep)
{
    auto area = Area(0, 3, { { 1, "one" }, { 3, "three" } });
    OnNextModal([this](QWidget* list) {
        OnNextModal([](QWidget* edit) {
            EXPECT_EQ(Find<CNumberBox>(edit, "vnumBox")->value(), 2) << "limbo declares 0 99: #0 would end the section";
            Find<QLineEdit>(edit, "nameEdit")->setText(QStringLiteral("two"));
            ChooseText(Find<QComboBox>(edit, "typeCombo"), "light");
        },
            "okButton");
        Click(list, "newButton");
        EXPECT_EQ(ListLines(List(list)), "1\tone|2\ttwo|3\tthree");
        EXPECT_EQ(List(list)->selectedItems().size(), 0) << "a refill chooses nothing";
    },
        "closeButton");
    CObjectListDlg(area->Editor()).exec();
    ASSERT_EQ(area->Doc().objects.size(), 3u);
    EXPECT_EQ(area->Editor().UndoName(), "Create Object 2");
    EXPECT_TRUE(area->IsModified());

    OnNextModal([](QWidget* list) { Click(list, "newButton"); }, "closeButton");
    CObjectListDlg(area->Editor()).exec();
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error No hay vnums disponibles!"));
}

TEST_F(ObjectListDlg, EditAndDeleteTakeTheRecordTheLineCarries)
{
    // The reader keeps duplicate vnums: each line still names its own record.
    auto area = Area(1, 100, { { 5, "first" }, { 5, "second" }, { 7, "seventh" } });
    OnNextModal([this](QWidget* list) {
        ChooseLine(List(list), "5\tsecond");
        prompt.answers = { QMessageBox::No };
        Click(list, "deleteButton");
        EXPECT_EQ(ListLines(List(list)), "5\tfirst|5\tsecond|7\tseventh") << "No keeps the object";
        prompt.answers = { QMessageBox::Yes };
        Click(list, "deleteButton");
        EXPECT_EQ(ListLines(List(list)), "5\tfirst|7\tseventh");
        Click(list, "deleteButton"); // a refill forgets the chosen line: nothing more is asked
        ChooseLine(List(list), "7\tseventh");
        OnNextModal([](QWidget* edit) { Find<QLineEdit>(edit, "shortDescEdit")->setText(QStringLiteral("edited")); }, "okButton");
        Click(list, "editButton");
    },
        "closeButton");
    CObjectListDlg(area->Editor()).exec();
    ASSERT_EQ(area->Doc().objects.size(), 2u);
    EXPECT_EQ(area->Doc().objects[0].name + " " + area->Doc().objects[1].name, "first seventh")
        << "the second record went, not the first with its vnum";
    EXPECT_EQ(area->Doc().objects[1].shortDesc, "edited");
    EXPECT_EQ(area->Editor().UndoName(), "Edit Object 7");
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0].title + QLatin1Char(' ') + prompt.asked[0].text,
        QStringLiteral("Attention! Attention! You are about to delete an object.\nThis action is irreversable.  Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults[0], QMessageBox::No);
}
