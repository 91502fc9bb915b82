#pragma once

#include "area/CResetData.h"

#include <QGroupBox>

#include <functional>
#include <vector>

class QAction;
class QPushButton;
class QTreeWidget;

// A room's resets as a list of rows (letter and four arguments), with a
// right-click menu to add, delete and edit them and two buttons that move
// the selected reset up and down. Works in place on the list it is given.
class CResetListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CResetListPanel(QWidget* parent = nullptr);

    // Edits a reset in place; true when the builder confirmed.
    std::function<bool(CResetData&)> editReset;

    void SetList(std::vector<CResetData>* list);
    // Rebuilds every row from the list and leaves no row selected.
    void Refresh();
    // Rewrites the rows' texts in place, for changes of the arguments only.
    void RefreshTexts();

    // The first selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

    void Add();
    void Delete();
    void Edit();
    void MoveUp();
    void MoveDown();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetRowTexts(int row);
    void UpdateCommands();

    std::vector<CResetData>* list = nullptr;
    QTreeWidget* rows = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QAction* addAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* editAction = nullptr;
};
