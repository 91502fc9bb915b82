#pragma once

#include "area/CMobData.h"

#include <QWidget>

#include <functional>
#include <vector>

class CRowList;

// A mob's mobprog triggers, one row each (type, vnum, argument), with a
// right-click menu to add, delete and edit them and two buttons that move the
// selected trigger. Works in place on the list it is given.
class CTriggerListPanel : public QWidget {
    Q_OBJECT
public:
    explicit CTriggerListPanel(QWidget* parent = nullptr);

    // Edits a trigger in place, changing it only when the builder confirmed
    // (then true).
    std::function<bool(CMobTrigger&)> editTrigger;

    // A disabled panel shows no rows and changes nothing.
    void SetList(std::vector<CMobTrigger>* list, bool enabled);
    // Rebuilds every row and leaves none selected.
    void Refresh();

private:
    void SetRowTexts(int row);
    void Add();
    void Delete();
    void Edit();
    void Swap(int row, int other);

    std::vector<CMobTrigger>* list = nullptr;
    CRowList* rowList = nullptr;
};
