#include "editors/CResetListPanel.h"

#include "editors/CRowList.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

CResetListPanel::CResetListPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Resets ( menu click right button )"), parent)
{
    rowList = new CRowList(QStringLiteral("reset"), this);
    QTreeWidget* rows = rowList->Rows();
    rows->setHeaderLabels({ QStringLiteral("Type"), QStringLiteral("arg1"), QStringLiteral("arg2"),
        QStringLiteral("arg3"), QStringLiteral("arg4") });
    rows->header()->setStretchLastSection(false);
    const int digit = rows->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    rows->setColumnWidth(0, digit * 6);
    for (int column = 1; column <= 4; ++column)
        rows->setColumnWidth(column, digit * 8);
    rows->setMinimumWidth(digit * 38 + 8);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rowList);

    connect(rowList, &CRowList::addRequested, this, &CResetListPanel::Add);
    connect(rowList, &CRowList::deleteRequested, this, &CResetListPanel::Delete);
    connect(rowList, &CRowList::editRequested, this, &CResetListPanel::Edit);
    connect(rowList, &CRowList::swapRequested, this, &CResetListPanel::Swap);
}

void CResetListPanel::SetList(std::vector<CResetData>* newList)
{
    list = newList;
    Refresh();
}

void CResetListPanel::Refresh()
{
    rowList->Rows()->clear();
    if (list)
        for (size_t i = 0; i < list->size(); ++i) {
            new QTreeWidgetItem(rowList->Rows());
            SetRowTexts(static_cast<int>(i));
        }
    rowList->UpdateCommands();
}

void CResetListPanel::RefreshTexts()
{
    for (int row = 0; row < rowList->Rows()->topLevelItemCount(); ++row)
        SetRowTexts(row);
}

void CResetListPanel::SetRowTexts(int row)
{
    QTreeWidgetItem* item = rowList->Rows()->topLevelItem(row);
    if (!item || !list || row >= static_cast<int>(list->size()))
        return;
    const CResetData& reset = (*list)[static_cast<size_t>(row)];
    item->setText(0, reset.command ? QString(QChar::fromLatin1(reset.command)) : QString());
    const int args[] = { reset.arg1, reset.arg2, reset.arg3, reset.arg4 };
    for (int column = 1; column <= 4; ++column)
        item->setText(column, QString::number(args[column - 1]));
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
    new QTreeWidgetItem(rowList->Rows());
    SetRowTexts(rowList->Rows()->topLevelItemCount() - 1);
    rowList->UpdateCommands();
}

void CResetListPanel::Delete()
{
    const int row = rowList->SelectedRow();
    if (!list || row < 0)
        return;
    list->erase(list->begin() + row);
    delete rowList->Rows()->takeTopLevelItem(row);
    rowList->UpdateCommands();
}

void CResetListPanel::Edit()
{
    const int row = rowList->SelectedRow();
    if (!list || row < 0 || !editReset)
        return;
    if (editReset((*list)[static_cast<size_t>(row)]))
        SetRowTexts(row);
}

void CResetListPanel::Swap(int row, int other)
{
    if (!list)
        return;
    std::swap((*list)[static_cast<size_t>(row)], (*list)[static_cast<size_t>(other)]);
    SetRowTexts(row);
    SetRowTexts(other);
}
