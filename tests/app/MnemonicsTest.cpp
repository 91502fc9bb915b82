#include "AppFixture.h"

#include "app/CAboutDlg.h"
#include "app/CFindInWorldDlg.h"
#include "app/CRenumberDlg.h"
#include "edit/CAreaEditor.h"
#include "editors/CAreaInfoDlg.h"
#include "editors/CMercDataDlg.h"
#include "editors/CMobEditDlg.h"
#include "editors/CMobListDlg.h"
#include "editors/CMobprogDlg.h"
#include "editors/CMobprogListDlg.h"
#include "editors/CObjectEditDlg.h"
#include "editors/CObjectListDlg.h"
#include "editors/CResetEditDlg.h"
#include "editors/CRoomEditDlg.h"
#include "editors/CRoomListDlg.h"
#include "editors/CShopEditDlg.h"
#include "editors/CTrainEditDlg.h"
#include "editors/CTrainersDlg.h"
#include "area/ResetKinds.h"
#include "support/ExampleArea.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

// The letter Alt answers to, as Qt finds it for a button or a label's buddy.
QChar MnemonicOf(const QString& text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QChar() : QChar(key[0].key()).toLower();
}

// A widget hidden for good (not a page of a stack waiting its turn) shows no
// mnemonic.
bool Hidden(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return true;
    return false;
}

// Two pages of one stack, or of one tab widget, never show together.
bool OnOtherPages(const QWidget* a, const QWidget* b)
{
    for (const QWidget* pa = a; pa; pa = pa->parentWidget())
        if (qobject_cast<const QStackedWidget*>(pa->parentWidget()))
            for (const QWidget* pb = b; pb; pb = pb->parentWidget())
                if (pb->parentWidget() == pa->parentWidget() && pb != pa)
                    return true;
    return false;
}

struct CMnemonic {
    QChar letter;
    const QWidget* widget;
    QString text;
};

// The clashes and the captions without a mnemonic among a window's controls,
// and then within each of its menus, one line each.
QStringList Faults(QWidget* window)
{
    QStringList faults;
    std::vector<CMnemonic> found;
    const auto add = [&](const QString& text, const QWidget* widget, bool needed) {
        if (Hidden(widget, window))
            return;
        const QChar letter = MnemonicOf(text);
        if (letter.isNull()) {
            if (needed)
                faults << QStringLiteral("\"%1\" has no mnemonic").arg(text);
            return;
        }
        for (const CMnemonic& other : found)
            if (other.letter == letter && !OnOtherPages(other.widget, widget))
                faults << QStringLiteral("\"%1\" and \"%2\" share Alt+%3").arg(other.text, text, letter);
        found.push_back({ letter, widget, text });
    };
    // A caption needs its own key unless its box cannot take the focus, or
    // a group box's key reaches the group's first box (Tab the others).
    // Mob Edit has more boxes than letters: its mana and damage dice are
    // reached by Tab from the hit dice.
    const QStringList tabbedTo = { QStringLiteral("Mana:"), QStringLiteral("Dam:") };
    const auto inKeyedGroup = [](const QWidget* w) {
        for (; w; w = w->parentWidget())
            if (auto* group = qobject_cast<const QGroupBox*>(w))
                if (!MnemonicOf(group->title()).isNull())
                    return true;
        return false;
    };
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label->text(), label,
                label->buddy()->isEnabledTo(window) && !inKeyedGroup(label) && !tabbedTo.contains(label->text()));
    // A checkable group box is a check box: it needs its key.
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        if (group->isCheckable() || !MnemonicOf(group->title()).isNull())
            add(group->title(), group, group->isCheckable());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            add(button->text(), button, false);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i), tabs, true);
    const QMenuBar* bar = window->findChild<QMenuBar*>();
    for (QAction* menu : bar ? bar->actions() : QList<QAction*>())
        add(menu->text(), bar, true);

    for (QMenu* menu : window->findChildren<QMenu*>()) {
        // The main window keeps a second set of menus for when no area is
        // open; only those on its bar show.
        if (menu->parentWidget() == window && bar && !bar->actions().contains(menu->menuAction()))
            continue;
        std::vector<QChar> letters;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible() || action->text().isEmpty())
                continue;
            const QChar letter = MnemonicOf(action->text());
            if (letter.isNull())
                continue;
            if (std::find(letters.begin(), letters.end(), letter) != letters.end())
                faults << QStringLiteral("menu %1: two items on %2 (\"%3\")").arg(menu->objectName(), letter, action->text());
            letters.push_back(letter);
        }
    }
    return faults;
}

class Mnemonics : public AppFixture {
protected:
    void Expect(QWidget* window, const char* what)
    {
        EXPECT_EQ(Faults(window).join(QLatin1Char('\n')).toStdString(), "") << what;
    }
};

// Every dialog and menu of the editor: no two controls that show together
// answer to one Alt key, and every caption of a box has one.
TEST_F(Mnemonics, NoDialogOrMenuSharesAKeyAndEveryCaptionHasOne)
{
    ASSERT_TRUE(Start());
    Frame()->UpdateActions();
    Expect(Frame(), "main window, no area open");
    ASSERT_NE(app->OpenDocumentFile(TowerArea()), nullptr);
    Frame()->UpdateActions();
    Expect(Frame(), "main window with an area");

    CConfigTables example;
    LoadExampleTables(example);
    CTolvexDoc doc = ExampleArea(example);
    CMobData& mob = doc.mobs[0];
    mob.shop = CShopData();
    mob.triggers.push_back({ "act", 3000, "hello" });
    CAreaEditor editor(doc);

    for (const auto& type : example.objTypes) {
        CObjData object = doc.objects[0];
        object.itemType = type->value;
        Expect(std::make_unique<CObjectEditDlg>(doc, object, 0).get(), type->name.c_str());
    }
    for (const CResetKind& kind : ResetKinds())
        Expect(std::make_unique<CResetEditDlg>(doc, CResetData { kind.letter, 0, 0, 0, 0 }, 3001).get(), kind.name);
    const std::vector<CWorldArea> world { { "example.are", &doc } };
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
        { "Room Edit", [&] { return std::make_unique<CRoomEditDlg>(doc, doc.rooms[0], 0); } },
        { "Mob Edit", [&] { return std::make_unique<CMobEditDlg>(doc, mob, 0); } },
        { "Mobprog", [&] { return std::make_unique<CMobprogDlg>(doc, mob.triggers[0]); } },
        { "Area Information", [&] { return std::make_unique<CAreaInfoDlg>(doc); } },
        { "Shop", [&] { return std::make_unique<CShopEditDlg>(example, *mob.shop); } },
        { "Train Stops", [&] { return std::make_unique<CTrainEditDlg>(doc, std::vector<CTrainStop> { CTrainStop() }); } },
        { "Trainers", [&] { return std::make_unique<CTrainersDlg>(example, mob); } },
        { "Mercenary Data", [&] { return std::make_unique<CMercDataDlg>(example, mob); } },
        { "Mobprog List", [&] { return std::make_unique<CMobprogListDlg>(editor); } },
        { "Room List", [&] { return std::make_unique<CRoomListDlg>(editor); } },
        { "Object List", [&] { return std::make_unique<CObjectListDlg>(editor); } },
        { "Mob List", [&] { return std::make_unique<CMobListDlg>(editor); } },
        { "About", [] { return std::make_unique<CAboutDlg>(); } },
        { "Find in World", [this] { return std::make_unique<CFindInWorldDlg>(*app); } },
        { "Renumber Area", [&] { return std::make_unique<CRenumberDlg>(world, 0); } },
        { "New Area in World", [&] { return std::make_unique<CNewWorldAreaDlg>(world, QString()); } },
    };
    for (const auto& [name, open] : dialogs)
        Expect(open().get(), name);
}

} // namespace
