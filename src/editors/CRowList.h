#pragma once

#include <QWidget>

class QAction;
class QPushButton;
class QTreeWidget;

// A list of rows with a right-click menu (Add, Delete, Edit) and two buttons
// that move the selected row up and down. The panel that holds it owns the
// entries behind the rows: it fills the rows and answers the requests.
class CRowList : public QWidget {
    Q_OBJECT
public:
    // `name` starts the object names ("reset" gives resetList, resetUpButton,
    // resetAddAction...) and names one entry in the buttons' tooltips.
    CRowList(const QString& name, QWidget* parent);

    QTreeWidget* Rows() const { return rows; }

    // An inactive list offers no command and has no row selected.
    void SetActive(bool enabled);
    bool Active() const { return active; }

    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);
    // Enables the commands for the selected row.
    void UpdateCommands();

Q_SIGNALS:
    void addRequested();
    void deleteRequested();
    void editRequested();
    // The entries of rows `row` and `other` must trade places; the selection
    // follows the moved row afterwards.
    void swapRequested(int row, int other);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Move(int delta);

    bool active = true;
    QTreeWidget* rows = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QAction* addAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* editAction = nullptr;
};
