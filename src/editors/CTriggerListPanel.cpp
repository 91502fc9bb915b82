#include "editors/CTriggerListPanel.h"

#include "gui/Prompt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

CTriggerListPanel::CTriggerListPanel(QWidget* parent)
    : QWidget(parent)
{
    rows = new QTreeWidget(this);
    rows->setObjectName(QStringLiteral("triggerList"));
    rows->setRootIsDecorated(false);
    rows->setItemsExpandable(false);
    rows->setUniformRowHeights(true);
    rows->setAllColumnsShowFocus(true);
    rows->setSelectionMode(QAbstractItemView::SingleSelection);
    rows->setHeaderLabels({ QStringLiteral("Type"), QStringLiteral("VNum"), QStringLiteral("Argument") });
    rows->header()->setSectionsMovable(false);
    rows->setColumnWidth(0, 90);
    rows->setColumnWidth(1, 60);
    rows->setColumnWidth(2, 300);
    auto* caption = new QLabel(QStringLiteral("&Mob Progs ( menu click right button ) :"), this);
    caption->setBuddy(rows);

    upButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), this);
    upButton->setObjectName(QStringLiteral("triggerUpButton"));
    upButton->setToolTip(QStringLiteral("Move the trigger up"));
    upButton->setAccessibleName(QStringLiteral("Move up"));
    downButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), this);
    downButton->setObjectName(QStringLiteral("triggerDownButton"));
    downButton->setToolTip(QStringLiteral("Move the trigger down"));
    downButton->setAccessibleName(QStringLiteral("Move down"));
    for (QPushButton* button : { upButton, downButton })
        button->setAutoDefault(false);

    addAction = new QAction(QStringLiteral("&Add"), this);
    addAction->setObjectName(QStringLiteral("triggerAddAction"));
    deleteAction = new QAction(QStringLiteral("&Delete"), this);
    deleteAction->setObjectName(QStringLiteral("triggerDeleteAction"));
    editAction = new QAction(QStringLiteral("&Edit"), this);
    editAction->setObjectName(QStringLiteral("triggerEditAction"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(rows, 1, 0, 3, 1);
    layout->addWidget(upButton, 1, 1);
    layout->addWidget(downButton, 2, 1);
    layout->setRowStretch(3, 1);

    connect(addAction, &QAction::triggered, this, &CTriggerListPanel::Add);
    connect(deleteAction, &QAction::triggered, this, &CTriggerListPanel::Delete);
    connect(editAction, &QAction::triggered, this, &CTriggerListPanel::Edit);
    connect(upButton, &QPushButton::clicked, this, &CTriggerListPanel::MoveUp);
    connect(downButton, &QPushButton::clicked, this, &CTriggerListPanel::MoveDown);
    connect(rows, &QTreeWidget::itemDoubleClicked, this, &CTriggerListPanel::Edit);
    connect(rows, &QTreeWidget::itemSelectionChanged, this, &CTriggerListPanel::UpdateCommands);
    UpdateCommands();
}

void CTriggerListPanel::SetList(std::vector<CMobTrigger>* newList, bool enabled)
{
    list = newList;
    active = enabled;
    rows->setEnabled(enabled);
    Refresh();
}

void CTriggerListPanel::Refresh()
{
    rows->clear();
    // Without mobprogs the triggers are kept but not shown.
    if (list && active)
        for (size_t i = 0; i < list->size(); ++i) {
            new QTreeWidgetItem(rows);
            SetRowTexts(static_cast<int>(i));
        }
    UpdateCommands();
}

void CTriggerListPanel::SetRowTexts(int row)
{
    QTreeWidgetItem* item = rows->topLevelItem(row);
    if (!item || !list || row >= static_cast<int>(list->size()))
        return;
    const CMobTrigger& trigger = (*list)[static_cast<size_t>(row)];
    item->setText(0, FromBytes(trigger.trigger));
    item->setText(1, QString::number(trigger.vnum));
    item->setText(2, FromBytes(trigger.phrase));
}

int CTriggerListPanel::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = rows->selectedItems();
    return selected.isEmpty() ? -1 : rows->indexOfTopLevelItem(selected.first());
}

void CTriggerListPanel::SelectRow(int row)
{
    QTreeWidgetItem* item = rows->topLevelItem(row);
    rows->clearSelection();
    if (!item)
        return;
    rows->setCurrentItem(item);
    item->setSelected(true);
    rows->scrollToItem(item);
}

void CTriggerListPanel::UpdateCommands()
{
    const int row = active ? SelectedRow() : -1;
    const int count = rows->topLevelItemCount();
    upButton->setEnabled(row >= 1);
    downButton->setEnabled(row >= 0 && row + 1 < count);
    addAction->setEnabled(active && list);
    deleteAction->setEnabled(row >= 0);
    editAction->setEnabled(row >= 0);
}

void CTriggerListPanel::contextMenuEvent(QContextMenuEvent* event)
{
    if (!active || !rows->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    UpdateCommands();
    QMenu menu(this);
    menu.addAction(addAction);
    menu.addAction(deleteAction);
    menu.addAction(editAction);
    menu.exec(event->globalPos());
}

void CTriggerListPanel::Add()
{
    if (!list || !active || !editTrigger)
        return;
    CMobTrigger trigger;
    if (!editTrigger(trigger))
        return;
    list->push_back(trigger);
    Refresh();
}

void CTriggerListPanel::Delete()
{
    const int row = active ? SelectedRow() : -1;
    if (!list || row < 0)
        return;
    list->erase(list->begin() + row);
    Refresh();
}

void CTriggerListPanel::Edit()
{
    const int row = active ? SelectedRow() : -1;
    if (!list || row < 0 || !editTrigger)
        return;
    CMobTrigger trigger = (*list)[static_cast<size_t>(row)];
    if (!editTrigger(trigger))
        return;
    (*list)[static_cast<size_t>(row)] = trigger;
    SetRowTexts(row);
}

void CTriggerListPanel::MoveUp()
{
    Move(-1);
}

void CTriggerListPanel::MoveDown()
{
    Move(1);
}

void CTriggerListPanel::Move(int delta)
{
    const int row = active ? SelectedRow() : -1;
    const int other = row + delta;
    if (!list || row < 0 || other < 0 || other >= static_cast<int>(list->size()))
        return;
    std::swap((*list)[static_cast<size_t>(row)], (*list)[static_cast<size_t>(other)]);
    SetRowTexts(row);
    SetRowTexts(other);
    SelectRow(other);
    UpdateCommands();
}
