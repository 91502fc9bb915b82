#include "editors/CObjectListDlg.h"

#include "edit/CAreaEditor.h"
#include "editors/AreaEdits.h"
#include "editors/DialogParts.h"
#include "gui/Prompt.h"
#include "text/TextWriter.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::string CObjectListDlg::ObjectLine(const CObjData& object)
{
    return Format("%i\t%s", { object.vnum, object.name });
}

CObjectListDlg::CObjectListDlg(CAreaEditor& area, QWidget* parent)
    : QDialog(parent)
    , editor(area)
{
    setObjectName(QStringLiteral("objectListDialog"));
    setWindowTitle(QStringLiteral("Object List"));

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("objectList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 56, 360);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* edit = buttons->addButton(QStringLiteral("&Edit"), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("editButton"));
    QPushButton* add = buttons->addButton(QStringLiteral("&New"), QDialogButtonBox::ActionRole);
    add->setObjectName(QStringLiteral("newButton"));
    QPushButton* remove = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : { add, remove, close })
        button->setAutoDefault(false);
    edit->setDefault(true);
    connect(edit, &QPushButton::clicked, this, &CObjectListDlg::Edit);
    connect(add, &QPushButton::clicked, this, &CObjectListDlg::New);
    connect(remove, &QPushButton::clicked, this, &CObjectListDlg::Delete);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Enter reaches the default button (Edit); a double click edits too.
    connect(list, &QListWidget::itemDoubleClicked, this, &CObjectListDlg::Edit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);

    Refill();
}

void CObjectListDlg::Refill()
{
    std::vector<std::string> lines;
    for (const CObjData& object : editor.Doc().objects)
        lines.push_back(ObjectLine(object));
    FillRecordLines(list, lines);
    list->setFocus(Qt::OtherFocusReason);
}

int CObjectListDlg::ChosenObject() const
{
    return ChosenLine(list);
}

void CObjectListDlg::Edit()
{
    if (EditObjectInArea(this, editor, ChosenObject()))
        Refill();
}

void CObjectListDlg::New()
{
    if (NewObjectInArea(this, editor) >= 0)
        Refill();
}

void CObjectListDlg::Delete()
{
    const int index = ChosenObject();
    if (index < 0 || index >= static_cast<int>(editor.Doc().objects.size()))
        return;
    const QMessageBox::StandardButton answer = Prompt().Ask(this, QStringLiteral("Attention!"),
        QStringLiteral("Attention! You are about to delete an object.\nThis action is irreversable.  Do you wish to continue?"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // The line carries its record: with duplicate vnums, the one chosen goes.
    editor.DeleteObject(index, ResetsGoToo(this, editor.Doc(), RecordKind::Object, index));
    Refill();
}
