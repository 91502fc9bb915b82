#include "editors/CMobListDlg.h"

#include "edit/CAreaEditor.h"
#include "editors/AreaEdits.h"
#include "editors/DialogParts.h"
#include "gui/Prompt.h"
#include "text/TextWriter.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::string CMobListDlg::MobLine(const CMobData& mob)
{
    return Format("%i\t%s", { mob.vnum, mob.name });
}

CMobListDlg::CMobListDlg(CAreaEditor& area, QWidget* parent)
    : QDialog(parent)
    , editor(area)
{
    setObjectName(QStringLiteral("mobListDialog"));
    setWindowTitle(QStringLiteral("Mob List"));

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("mobList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50, 360);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* edit = buttons->addButton(QStringLiteral("&Edit"), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("editButton"));
    edit->setDefault(true);
    QPushButton* add = buttons->addButton(QStringLiteral("&New"), QDialogButtonBox::ActionRole);
    add->setObjectName(QStringLiteral("newButton"));
    QPushButton* remove = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : { add, remove, close })
        button->setAutoDefault(false);
    connect(edit, &QPushButton::clicked, this, &CMobListDlg::Edit);
    connect(add, &QPushButton::clicked, this, &CMobListDlg::New);
    connect(remove, &QPushButton::clicked, this, &CMobListDlg::Delete);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter reaches Edit as the default button; the list's own activation
    // would open the editor a second time.
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->isSelected())
            Edit();
    });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    Refill();
    list->setFocus(Qt::OtherFocusReason);
}

void CMobListDlg::Refill()
{
    std::vector<std::string> lines;
    for (const CMobData& mob : editor.Doc().mobs)
        lines.push_back(MobLine(mob));
    FillRecordLines(list, lines);
}

void CMobListDlg::TakeKeyboardBack()
{
    // A window manager may hand the keyboard to the main window when the
    // editor closes; the list is still the modal window.
    activateWindow();
    list->setFocus(Qt::OtherFocusReason);
}

void CMobListDlg::Edit()
{
    if (EditMobInArea(this, editor, ChosenLine(list)))
        Refill();
    TakeKeyboardBack();
}

void CMobListDlg::New()
{
    if (NewMobInArea(this, editor) >= 0)
        Refill();
    TakeKeyboardBack();
}

void CMobListDlg::Delete()
{
    const int index = ChosenLine(list);
    if (index < 0 || index >= static_cast<int>(editor.Doc().mobs.size()))
        return;
    const QMessageBox::StandardButton answer = Prompt().Ask(this, QStringLiteral("Attention!"),
        QStringLiteral("Attention! You are about to delete a mob.\nThis action is irreversable! Do you wish to continue?"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    editor.DeleteMob(index, ResetsGoToo(this, editor.Doc(), RecordKind::Mob, index));
    Refill();
}
