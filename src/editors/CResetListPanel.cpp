#include "editors/CResetListPanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

CResetListPanel::CResetListPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Resets ( menu click right button )"), parent)
{
    rows = new QTreeWidget(this);
    rows->setObjectName(QStringLiteral("resetList"));
    rows->setRootIsDecorated(false);
    rows->setItemsExpandable(false);
    rows->setUniformRowHeights(true);
    rows->setAllColumnsShowFocus(true);
    rows->setSelectionMode(QAbstractItemView::SingleSelection);
    rows->setHeaderLabels({ QStringLiteral("Type"), QStringLiteral("arg1"), QStringLiteral("arg2"),
        QStringLiteral("arg3"), QStringLiteral("arg4") });
    rows->header()->setStretchLastSection(false);
    rows->header()->setSectionsMovable(false);
    const int digit = rows->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    rows->setColumnWidth(0, digit * 6);
    for (int column = 1; column <= 4; ++column)
        rows->setColumnWidth(column, digit * 8);
    rows->setMinimumWidth(digit * 38 + 8);
    rows->setContextMenuPolicy(Qt::DefaultContextMenu);

    upButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), this);
    upButton->setObjectName(QStringLiteral("resetUpButton"));
    upButton->setToolTip(QStringLiteral("Move the reset up"));
    upButton->setAccessibleName(QStringLiteral("Move up"));
    downButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), this);
    downButton->setObjectName(QStringLiteral("resetDownButton"));
    downButton->setToolTip(QStringLiteral("Move the reset down"));
    downButton->setAccessibleName(QStringLiteral("Move down"));
    for (QPushButton* button : { upButton, downButton })
        button->setAutoDefault(false);

    addAction = new QAction(QStringLiteral("&Add"), this);
    addAction->setObjectName(QStringLiteral("resetAddAction"));
    deleteAction = new QAction(QStringLiteral("&Delete"), this);
    deleteAction->setObjectName(QStringLiteral("resetDeleteAction"));
    editAction = new QAction(QStringLiteral("&Edit"), this);
    editAction->setObjectName(QStringLiteral("resetEditAction"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(rows, 0, 0, 3, 1);
    layout->addWidget(upButton, 0, 1);
    layout->addWidget(downButton, 1, 1);
    layout->setRowStretch(2, 1);

    connect(addAction, &QAction::triggered, this, &CResetListPanel::Add);
    connect(deleteAction, &QAction::triggered, this, &CResetListPanel::Delete);
    connect(editAction, &QAction::triggered, this, &CResetListPanel::Edit);
    connect(upButton, &QPushButton::clicked, this, &CResetListPanel::MoveUp);
    connect(downButton, &QPushButton::clicked, this, &CResetListPanel::MoveDown);
    connect(rows, &QTreeWidget::itemDoubleClicked, this, &CResetListPanel::Edit);
    connect(rows, &QTreeWidget::itemSelectionChanged, this, &CResetListPanel::UpdateCommands);
    UpdateCommands();
}

void CResetListPanel::SetList(std::vector<CResetData>* newList)
{
    list = newList;
    Refresh();
}

void CResetListPanel::Refresh()
{
    rows->clear();
    if (list)
        for (size_t i = 0; i < list->size(); ++i) {
            new QTreeWidgetItem(rows);
            SetRowTexts(static_cast<int>(i));
        }
    UpdateCommands();
}

void CResetListPanel::RefreshTexts()
{
    for (int row = 0; row < rows->topLevelItemCount(); ++row)
        SetRowTexts(row);
}

void CResetListPanel::SetRowTexts(int row)
{
    QTreeWidgetItem* item = rows->topLevelItem(row);
    if (!item || !list || row >= static_cast<int>(list->size()))
        return;
    const CResetData& reset = (*list)[static_cast<size_t>(row)];
    item->setText(0, reset.command ? QString(QChar::fromLatin1(reset.command)) : QString());
    const int args[] = { reset.arg1, reset.arg2, reset.arg3, reset.arg4 };
    for (int column = 1; column <= 4; ++column)
        item->setText(column, QString::number(args[column - 1]));
}

int CResetListPanel::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = rows->selectedItems();
    return selected.isEmpty() ? -1 : rows->indexOfTopLevelItem(selected.first());
}

void CResetListPanel::SelectRow(int row)
{
    QTreeWidgetItem* item = rows->topLevelItem(row);
    rows->clearSelection();
    if (!item)
        return;
    rows->setCurrentItem(item);
    item->setSelected(true);
    rows->scrollToItem(item);
}

void CResetListPanel::UpdateCommands()
{
    const int row = SelectedRow();
    const int count = list ? static_cast<int>(list->size()) : 0;
    upButton->setEnabled(row >= 1);
    downButton->setEnabled(row >= 0 && row + 1 < count);
    deleteAction->setEnabled(row >= 0);
    editAction->setEnabled(row >= 0);
}

void CResetListPanel::contextMenuEvent(QContextMenuEvent* event)
{
    if (!rows->geometry().contains(event->pos())) {
        QGroupBox::contextMenuEvent(event);
        return;
    }
    UpdateCommands();
    QMenu menu(this);
    menu.addAction(addAction);
    menu.addAction(deleteAction);
    menu.addAction(editAction);
    menu.exec(event->globalPos());
}

void CResetListPanel::Add()
{
    if (!list || !editReset)
        return;
    CResetData reset;
    reset.command = 0; // no kind chosen yet
    if (!editReset(reset))
        return;
    list->push_back(reset);
    new QTreeWidgetItem(rows);
    SetRowTexts(rows->topLevelItemCount() - 1);
    UpdateCommands();
}

void CResetListPanel::Delete()
{
    const int row = SelectedRow();
    if (!list || row < 0)
        return;
    list->erase(list->begin() + row);
    delete rows->takeTopLevelItem(row);
    UpdateCommands();
}

void CResetListPanel::Edit()
{
    const int row = SelectedRow();
    if (!list || row < 0 || !editReset)
        return;
    if (editReset((*list)[static_cast<size_t>(row)]))
        SetRowTexts(row);
}

void CResetListPanel::MoveUp()
{
    const int row = SelectedRow();
    if (!list || row < 1)
        return;
    std::swap((*list)[static_cast<size_t>(row) - 1], (*list)[static_cast<size_t>(row)]);
    SetRowTexts(row - 1);
    SetRowTexts(row);
    SelectRow(row - 1);
    UpdateCommands();
}

void CResetListPanel::MoveDown()
{
    const int row = SelectedRow();
    if (!list || row < 0 || row + 1 >= static_cast<int>(list->size()))
        return;
    std::swap((*list)[static_cast<size_t>(row)], (*list)[static_cast<size_t>(row) + 1]);
    SetRowTexts(row);
    SetRowTexts(row + 1);
    SelectRow(row + 1);
    UpdateCommands();
}

