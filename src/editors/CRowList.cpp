#include "editors/CRowList.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

CRowList::CRowList(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    rows = new QTreeWidget(this);
    rows->setObjectName(name + QStringLiteral("List"));
    rows->setRootIsDecorated(false);
    rows->setItemsExpandable(false);
    rows->setUniformRowHeights(true);
    rows->setAllColumnsShowFocus(true);
    rows->setSelectionMode(QAbstractItemView::SingleSelection);
    rows->header()->setSectionsMovable(false);

    upButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), this);
    upButton->setObjectName(name + QStringLiteral("UpButton"));
    upButton->setToolTip(QStringLiteral("Move the %1 up").arg(name));
    upButton->setAccessibleName(QStringLiteral("Move up"));
    downButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), this);
    downButton->setObjectName(name + QStringLiteral("DownButton"));
    downButton->setToolTip(QStringLiteral("Move the %1 down").arg(name));
    downButton->setAccessibleName(QStringLiteral("Move down"));
    for (QPushButton* button : { upButton, downButton })
        button->setAutoDefault(false);

    addAction = new QAction(QStringLiteral("&Add"), this);
    addAction->setObjectName(name + QStringLiteral("AddAction"));
    deleteAction = new QAction(QStringLiteral("&Delete"), this);
    deleteAction->setObjectName(name + QStringLiteral("DeleteAction"));
    editAction = new QAction(QStringLiteral("&Edit"), this);
    editAction->setObjectName(name + QStringLiteral("EditAction"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows, 0, 0, 3, 1);
    layout->addWidget(upButton, 0, 1);
    layout->addWidget(downButton, 1, 1);
    layout->setRowStretch(2, 1);

    connect(addAction, &QAction::triggered, this, &CRowList::addRequested);
    connect(deleteAction, &QAction::triggered, this, &CRowList::deleteRequested);
    connect(editAction, &QAction::triggered, this, &CRowList::editRequested);
    connect(rows, &QTreeWidget::itemDoubleClicked, this, &CRowList::editRequested);
    connect(upButton, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { Move(1); });
    connect(rows, &QTreeWidget::itemSelectionChanged, this, &CRowList::UpdateCommands);
    UpdateCommands();
}

void CRowList::SetActive(bool enabled)
{
    active = enabled;
    UpdateCommands();
}

int CRowList::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = rows->selectedItems();
    return !active || selected.isEmpty() ? -1 : rows->indexOfTopLevelItem(selected.first());
}

void CRowList::SelectRow(int row)
{
    QTreeWidgetItem* item = rows->topLevelItem(row);
    rows->clearSelection();
    if (!item)
        return;
    rows->setCurrentItem(item);
    item->setSelected(true);
    rows->scrollToItem(item);
}

void CRowList::UpdateCommands()
{
    const int row = SelectedRow();
    const int count = rows->topLevelItemCount();
    upButton->setEnabled(row >= 1);
    downButton->setEnabled(row >= 0 && row + 1 < count);
    addAction->setEnabled(active);
    deleteAction->setEnabled(row >= 0);
    editAction->setEnabled(row >= 0);
}

void CRowList::contextMenuEvent(QContextMenuEvent* event)
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

void CRowList::Move(int delta)
{
    const int row = SelectedRow();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= rows->topLevelItemCount())
        return;
    Q_EMIT swapRequested(row, other);
    SelectRow(other);
    UpdateCommands();
}
