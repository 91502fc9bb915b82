#pragma once

#include "area/CResetData.h"

#include <QGroupBox>

#include <functional>
#include <vector>

class CRowList;

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

private:
    void SetRowTexts(int row);
    void Add();
    void Delete();
    void Edit();
    void Swap(int row, int other);

    std::vector<CResetData>* list = nullptr;
    CRowList* rowList = nullptr;
};
