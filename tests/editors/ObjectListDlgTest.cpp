#include "ObjectEditFixture.h"

#include "editors/CObjectListDlg.h"
#include "gui/CAreaDocument.h"

#include <QAction>
#include <QListWidget>

#include <filesystem>
#include <fstream>
#include <sstream>

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

    // Makes the modal dialog the active window, so its keys reach it. A
    // dialog opened from another's modal loop is shown but not always made
    // the active widget window on the offscreen platform.
    static void Activate(QWidget* dialog)
    {
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        if (QApplication::activeWindow() != dialog)
            QApplication::setActiveWindow(dialog);
    }

    static std::string Lines(const QWidget* list)
    {
        auto* widget = Find<QListWidget>(list, "objectList");
        QStringList lines;
        for (int i = 0; i < widget->count(); ++i)
            lines << widget->item(i)->text();
        return lines.join(QLatin1Char('|')).toStdString();
    }

    // Chooses the line as the builder does, with the keyboard.
    static void ChooseLine(QWidget* dialog, const char* line)
    {
        auto* list = Find<QListWidget>(dialog, "objectList");
        QListWidgetItem* item = list->findItems(QString::fromLatin1(line), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << line;
        list->setCurrentItem(item);
    }
};

} // namespace

TEST_F(ObjectListDlg, OpensOnTheListWithNothingChosenAndLinesSortedAsText)
{
    auto area = Area(1, 20000, { { 9000, "gate" }, { 10012, "tower" }, { 950, "yard" } });
    CObjectListDlg listDialog(*area);
    listDialog.show();
    listDialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&listDialog));
    EXPECT_EQ(Lines(&listDialog), "10012\ttower|9000\tgate|950\tyard");
    EXPECT_EQ(listDialog.focusWidget(), Find<QListWidget>(&listDialog, "objectList"));
    EXPECT_EQ(listDialog.ChosenObject(), -1);
    QTest::keyClick(Find<QListWidget>(&listDialog, "objectList"), Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Edit with nothing chosen opens nothing";
    QTest::keyClick(Find<QListWidget>(&listDialog, "objectList"), Qt::Key_Down);
    EXPECT_EQ(listDialog.ChosenObject(), 1) << "the first arrow chooses the first line, which carries its object's index";
    QTest::keyClick(Find<QListWidget>(&listDialog, "objectList"), Qt::Key_Down);
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
            auto* type = Find<QComboBox>(edit, "typeCombo");
            type->setCurrentIndex(type->findText(QStringLiteral("light")));
            emit type->activated(type->currentIndex());
        }, "okButton");
        Click(list, "newButton");
        EXPECT_EQ(Lines(list), "1\tone|2\ttwo|3\tthree");
        EXPECT_EQ(Find<QListWidget>(list, "objectList")->selectedItems().size(), 0) << "a refill chooses nothing";
    }, "closeButton");
    CObjectListDlg(*area).exec();
    ASSERT_EQ(area->Doc().objects.size(), 3u);
    EXPECT_EQ(area->Editor().UndoName(), "Create Object 2");
    EXPECT_TRUE(area->IsModified());

    OnNextModal([](QWidget* list) { Click(list, "newButton"); }, "closeButton");
    CObjectListDlg(*area).exec();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].title + QLatin1Char(' ') + prompt.shown[0].text, QStringLiteral("Error No hay vnums disponibles!"));
}

TEST_F(ObjectListDlg, EditAndDeleteTakeTheRecordTheLineCarries)
{
    // The reader keeps duplicate vnums: each line still names its own record.
    auto area = Area(1, 100, { { 5, "first" }, { 5, "second" }, { 7, "seventh" } });
    OnNextModal([this](QWidget* list) {
        ChooseLine(list, "5\tsecond");
        prompt.answers = { QMessageBox::No };
        Click(list, "deleteButton");
        EXPECT_EQ(Lines(list), "5\tfirst|5\tsecond|7\tseventh") << "No keeps the object";
        prompt.answers = { QMessageBox::Yes };
        Click(list, "deleteButton");
        EXPECT_EQ(Lines(list), "5\tfirst|7\tseventh");
        Click(list, "deleteButton"); // a refill forgets the chosen line: nothing more is asked
        ChooseLine(list, "7\tseventh");
        OnNextModal([](QWidget* edit) { Find<QLineEdit>(edit, "shortDescEdit")->setText(QStringLiteral("edited")); }, "okButton");
        Click(list, "editButton");
    }, "closeButton");
    CObjectListDlg(*area).exec();
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

TEST_F(ObjectListDlg, AnObjectCopiedInOneAreaPastesIntoANewObjectOfAnother)
{
    auto from = Area(3000, 3099, {});
    CObjData sword = Object("weapon");
    sword.vnum = 3020;
    sword.name = "sword long";
    sword.material = "A oldstyle";
    sword.cost = 74600;
    sword.valueTexts = { "sword", "", "", "none", "" };
    sword.values = { 0, 2, 6, 0, 0x3 };
    sword.affects = { { 1, 0, 0, 0x2 } };
    sword.extraDescs = { { "Blade", "Sharp." } };
    from->Editor().AddObject(sword);
    auto to = Area(0, 99, { { 1, "rock" } });

    OnNextModal([this](QWidget* list) {
        Activate(list);
        ChooseLine(list, "3020\tsword long");
        OnNextModal([](QWidget* edit) {
            Activate(edit);
            QTest::keyClick(Find<QLineEdit>(edit, "nameEdit"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        }, "cancelButton");
        QTest::keyClick(Find<QListWidget>(list, "objectList"), Qt::Key_Return);
    }, "closeButton");
    CObjectListDlg(*from).exec();
    const std::vector<uint8_t> copied = ObjectOnClipboard();
    EXPECT_EQ(copied, WriteObjectRecord(sword));

    OnNextModal([this](QWidget* list) {
        Activate(list);
        OnNextModal([](QWidget* edit) {
            Activate(edit);
            auto* vnum = Find<CNumberBox>(edit, "vnumBox");
            QTest::keyClick(vnum, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(vnum, Qt::Key_Return);
        });
        Click(list, "newButton");
        ChooseLine(list, "2\tsword long");
        OnNextModal([](QWidget* edit) {
            Activate(edit);
            QTest::keyClick(Find<CNumberBox>(edit, "vnumBox"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        }, "cancelButton");
        Click(list, "editButton");
    }, "closeButton");
    CObjectListDlg(*to).exec();
    ASSERT_EQ(to->Doc().objects.size(), 2u);
    CObjData expected = sword;
    expected.vnum = 2;
    EXPECT_EQ(WriteObjectRecord(to->Doc().objects[1]), WriteObjectRecord(expected)) << "every field but the vnum";
    EXPECT_EQ(to->Doc().objects[1].vnum, 2);
    EXPECT_EQ(ObjectOnClipboard(), copied) << "the pasted object copies to the same bytes";
}

// Every object of the stock areas opened and OK-ed untouched saves byte for byte as before.
TEST_F(ObjectListDlg, OkOnEveryStockObjectLeavesTheSavedFileAsItWas)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    CConfigTables romTables;
    int line = 0;
    ASSERT_TRUE(LoadConfig(romTables, SourcePath("res/tolvex.cfg"), line));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24")))
        if (entry.path().extension() == ".are")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        CConfigTables areaTables = romTables;
        CTolvexDoc area(areaTables);
        std::ifstream in(path, std::ios::binary);
        CDiagnosticList diagnostics;
        ASSERT_TRUE(area.Load(in, diagnostics));
        std::ostringstream before;
        area.Save(before, path, diagnostics);
        for (size_t i = 0; i < area.objects.size(); ++i) {
            CObjectEditDlg edit(area, area.objects[i], static_cast<int>(i));
            Find<QPushButton>(&edit, "okButton")->click();
            ASSERT_EQ(edit.result(), QDialog::Accepted) << "object " << area.objects[i].vnum << ": "
                                                        << (prompt.shown.empty() ? "" : prompt.shown.back().text.toStdString());
            area.objects[i] = edit.State().obj;
        }
        std::ostringstream after;
        area.Save(after, path, diagnostics);
        EXPECT_TRUE(before.str() == after.str()) << "the saved file changed";
    }
}
