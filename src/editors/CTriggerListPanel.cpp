#include "editors/CTriggerListPanel.h"

#include "editors/CRowList.h"
#include "gui/Prompt.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

CTriggerListPanel::CTriggerListPanel(QWidget* parent)
    : QWidget(parent)
{
    rowList = new CRowList(QStringLiteral("trigger"), this);
    QTreeWidget* rows = rowList->Rows();
    rows->setHeaderLabels({ QStringLiteral("Type"), QStringLiteral("VNum"), QStringLiteral("Argument") });
    rows->setColumnWidth(0, 90);
    rows->setColumnWidth(1, 60);
    rows->setColumnWidth(2, 300);
    auto* caption = new QLabel(QStringLiteral("Mo&b Progs ( menu click right button ) :"), this);
    caption->setBuddy(rows);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(rowList, 1);

    connect(rowList, &CRowList::addRequested, this, &CTriggerListPanel::Add);
    connect(rowList, &CRowList::deleteRequested, this, &CTriggerListPanel::Delete);
    connect(rowList, &CRowList::editRequested, this, &CTriggerListPanel::Edit);
    connect(rowList, &CRowList::swapRequested, this, &CTriggerListPanel::Swap);
}

void CTriggerListPanel::SetList(std::vector<CMobTrigger>* newList, bool enabled)
{
    list = newList;
    rowList->SetActive(enabled && list);
    rowList->Rows()->setEnabled(enabled);
    Refresh();
}

void CTriggerListPanel::Refresh()
{
    rowList->Rows()->clear();
    // Without mobprogs the triggers are kept but not shown.
    if (list && rowList->Active())
        for (size_t i = 0; i < list->size(); ++i) {
            new QTreeWidgetItem(rowList->Rows());
            SetRowTexts(static_cast<int>(i));
        }
    rowList->UpdateCommands();
}

void CTriggerListPanel::SetRowTexts(int row)
{
    QTreeWidgetItem* item = rowList->Rows()->topLevelItem(row);
    if (!item || !list || row >= static_cast<int>(list->size()))
        return;
    const CMobTrigger& trigger = (*list)[static_cast<size_t>(row)];
    item->setText(0, FromBytes(trigger.trigger));
    item->setText(1, QString::number(trigger.vnum));
    item->setText(2, FromBytes(trigger.phrase));
}

void CTriggerListPanel::Add()
{
    if (!list || !rowList->Active() || !editTrigger)
        return;
    CMobTrigger trigger;
    if (!editTrigger(trigger))
        return;
    list->push_back(trigger);
    Refresh();
}

void CTriggerListPanel::Delete()
{
    const int row = rowList->SelectedRow();
    if (!list || row < 0)
        return;
    list->erase(list->begin() + row);
    Refresh();
}

void CTriggerListPanel::Edit()
{
    const int row = rowList->SelectedRow();
    if (!list || row < 0 || !editTrigger)
        return;
    if (editTrigger((*list)[static_cast<size_t>(row)]))
        SetRowTexts(row);
}

void CTriggerListPanel::Swap(int row, int other)
{
    if (!list)
        return;
    std::swap((*list)[static_cast<size_t>(row)], (*list)[static_cast<size_t>(other)]);
    SetRowTexts(row);
    SetRowTexts(other);
}
