#include "EditorFixture.h"

#include "area/ObjectRecord.h"
#include "editors/CMobListDlg.h"
#include "editors/CObjectListDlg.h"
#include "gui/CAreaDocument.h"

namespace {

// The mob list and the object list, each over an area of vnums 0..10100
// holding mobs and objects 9000 guard, 10012 king, 1 rat and 1 second rat:
// the reader keeps duplicate vnums, and each line still names its own record.
class RecordLists : public EditorFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        area = std::make_unique<CAreaDocument>(tables);
        area->OnNewDocument(QStringLiteral("Test"));
        SetVnums(0, 10100);
        for (const auto& [vnum, name] : { std::pair { 9000, "guard" }, { 10012, "king" }, { 1, "rat" }, { 1, "second rat" } }) {
            CMobData mob(tables);
            mob.vnum = vnum, mob.name = name;
            area->Editor().AddMob(mob);
            CObjData obj;
            obj.vnum = vnum, obj.name = name, obj.itemType = Light();
            area->Editor().AddObject(obj);
        }
        area->Editor().Clear();
    }

    bool Mobs() const { return GetParam(); }
    int Light() const { return tables.objTypes[FindByName(tables.objTypes, "light")].value; }
    void SetVnums(int lower, int upper)
    {
        ChangeHeader(*area, [&](CAreaHeader& h) { h.lowerVnum = lower, h.upperVnum = upper; });
    }
    void OpenList()
    {
        if (Mobs())
            OpenDialog(mobList, true, area->Editor());
        else
            OpenDialog(objectList, true, area->Editor());
    }
    QListWidget* Lines() const { return W<QListWidget>(Mobs() ? "mobList" : "objectList"); }
    // The records' vnums and names, in the area's order.
    std::string Records() const
    {
        std::string out;
        if (Mobs())
            for (const CMobData& mob : area->Doc().mobs)
                out += std::to_string(mob.vnum) + " " + mob.name + "|";
        else
            for (const CObjData& obj : area->Doc().objects)
                out += std::to_string(obj.vnum) + " " + obj.name + "|";
        return out;
    }

    std::unique_ptr<CAreaDocument> area;
    std::unique_ptr<CMobListDlg> mobList;
    std::unique_ptr<CObjectListDlg> objectList;
};

std::string Kind(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Mobs" : "Objects"; }

} // namespace

INSTANTIATE_TEST_SUITE_P(, RecordLists, ::testing::Bool(), Kind);

TEST_P(RecordLists, OpenOnTheListWithNothingChosenLinesSortAsTextAndNewWithoutAFreeVnumSaysSo)
{
    OpenList();
    EXPECT_EQ(ListLines(Lines()), "1\trat|1\tsecond rat|10012\tking|9000\tguard");
    EXPECT_TRUE(Lines()->hasFocus());
    EXPECT_TRUE(Lines()->selectedItems().isEmpty());
    QTest::keyClick(Lines(), Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Edit with nothing chosen opens nothing";
    Press("deleteButton");
    EXPECT_TRUE(prompt.asked.empty()) << "Delete with nothing chosen does nothing";
    EXPECT_FALSE(area->Editor().CanUndo());
    QTest::keyClick(Lines(), Qt::Key_Down);
    EXPECT_EQ(Lines()->row(Lines()->selectedItems().value(0)), 0) << "the first arrow chooses the first line";
    if (!Mobs()) {
        EXPECT_EQ(objectList->ChosenObject(), 2) << "the line carries its object's index";
    }

    SetVnums(1, 1);
    Press("newButton");
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error No hay vnums disponibles!"));
    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_FALSE(shown->isVisible()) << "Escape closes the list";
}

TEST_P(RecordLists, DeleteEditAndNewAreEachOneStepOnTheLinesRecord)
{
    OpenList();
    ChooseLine(Lines(), "1\tsecond");
    prompt.answers = { QMessageBox::No, QMessageBox::Yes };
    Press("deleteButton");
    EXPECT_EQ(Records(), "9000 guard|10012 king|1 rat|1 second rat|") << "No keeps the record";
    ChooseLine(Lines(), "1\tsecond");
    Press("deleteButton");
    EXPECT_EQ(Records(), "9000 guard|10012 king|1 rat|") << "the line's own record goes, not the first with its vnum";
    EXPECT_EQ(prompt.asked.back().title + QLatin1Char(' ') + prompt.asked.back().text,
        Mobs() ? QStringLiteral("Attention! Attention! You are about to delete a mob.\nThis action is irreversable! Do you wish to continue?")
               : QStringLiteral("Attention! Attention! You are about to delete an object.\nThis action is irreversable.  Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults, std::vector<QMessageBox::StandardButton>(2, QMessageBox::No));
    EXPECT_TRUE(Lines()->selectedItems().isEmpty()) << "a refill chooses nothing";

    ChooseLine(Lines(), "1\trat");
    OnNextModal("okButton", [](QWidget* modal) { Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("big rat")); });
    QTest::keyClick(Lines(), Qt::Key_Return);
    OnNextModal("okButton", [](QWidget* modal) {
        EXPECT_EQ(Find<CNumberBox>(modal, "vnumBox")->value(), 2) << "vnum 0 is never proposed: #0 would end the section";
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("cat"));
        if (modal->objectName() == QStringLiteral("objectEditDialog"))
            ChooseText(Find<QComboBox>(modal, "typeCombo"), "light");
    });
    Press("newButton");
    OnNextModal("cancelButton");
    Press("newButton");
    EXPECT_EQ(Records(), "9000 guard|10012 king|1 big rat|2 cat|") << "a cancelled new record is not added";
    EXPECT_EQ(ListLines(Lines()), "1\tbig rat|10012\tking|2\tcat|9000\tguard");
    EXPECT_TRUE(area->IsModified());
    for (int step = 0; step < 3; ++step)
        EXPECT_TRUE(area->Editor().Undo());
    EXPECT_FALSE(area->Editor().CanUndo()) << "delete, edit and new were one step each";
    EXPECT_EQ(Records(), "9000 guard|10012 king|1 rat|1 second rat|");
}

TEST_P(RecordLists, EnterAndADoubleClickOpenTheChosenRecordOnce)
{
    OpenList();
    int opened = 0;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal && modal->objectName().endsWith(QStringLiteral("EditDialog"))) {
            ++opened;
            modal->reject();
        }
    });
    closer.start();
    ChooseLine(Lines(), "9000");
    QTest::keyClick(Lines(), Qt::Key_Return);
    QTest::qWait(60);
    EXPECT_EQ(opened, 1) << "Enter";
    DoubleClick(Lines(), Lines()->visualItemRect(Lines()->currentItem()));
    QTest::qWait(60);
    EXPECT_EQ(opened, 2) << "double click";
}
