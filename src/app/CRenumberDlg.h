#pragma once

#include "world/Renumber.h"

#include <QDialog>

#include <vector>

class CNumberBox;
class QLabel;
class QTreeWidget;

// Area > Renumber Area: the area's new lowest vnum, the range that gives,
// and the numbers in the world's mobprog code that may follow the area.
// OK refuses a range the world cannot take, saying why.
class CRenumberDlg : public QDialog {
    Q_OBJECT

public:
    // `proposed` 0: the first free range of the area's size. Without
    // `others`, only the area's own code is listed (an area coming into the
    // world, whose old range belongs to another area there).
    CRenumberDlg(const std::vector<CWorldArea>& areas, std::size_t area, int proposed = 0, QWidget* parent = nullptr,
        bool others = true);

    // After OK: what to do, and which code numbers follow.
    const CRenumberPlan& Plan() const { return plan; }
    std::vector<bool> Ticked() const;

    void accept() override;

private:
    void ShowRange();

    const std::vector<CWorldArea>& areas;
    std::size_t area;
    CRenumberPlan plan;
    // The plan's code numbers the list shows, in its order.
    std::vector<std::size_t> listed;
    CNumberBox* lowBox;
    QLabel* rangeLabel;
    QTreeWidget* codeList;
};

// File > New Area in World: the area's name, its file (proposed from the
// name) and how many vnums it takes, on the first range of that size the
// world has free.
class CNewWorldAreaDlg : public QDialog {
    Q_OBJECT

public:
    CNewWorldAreaDlg(const std::vector<CWorldArea>& areas, const QString& folder, QWidget* parent = nullptr);

    QString Name() const;
    QString File() const;
    int Size() const;
    // The first vnum of the free range, or -1.
    int Low() const;

    void accept() override;

private:
    void OnNameEdited();
    void ShowRange();

    const std::vector<CWorldArea>& areas;
    class QLineEdit* nameBox;
    class QLineEdit* fileBox;
    CNumberBox* sizeBox;
    QLabel* rangeLabel;
    bool fileEdited = false;
};
