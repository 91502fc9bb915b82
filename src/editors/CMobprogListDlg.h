#pragma once

#include "rules/CMobprogListState.h"

#include <QDialog>

class CNumberBox;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

// Lists the area's mob programs and edits them in place: each New, Delete,
// vnum change and finished edit of a program's code is one step of the
// area, taken at once. A program's vnum and code are handed over when the
// builder leaves it (another line, New, Close), after the vnum's checks.
class CMobprogListDlg : public QDialog {
    Q_OBJECT
public:
    CMobprogListDlg(CAreaEditor& editor, QWidget* parent = nullptr);

    const CMobprogListState& State() const { return state; }

    // Chooses the program at this index of the area, as if the builder
    // had picked its line.
    void ChooseProgram(int index);

    // Close and Escape both end here, once the chosen program may be left.
    void accept() override;
    void reject() override;

private:
    void FillList(int chooseIndex);
    QListWidgetItem* LineOf(int index) const;
    // Puts the chosen program (or none) into the boxes.
    void ShowChosen();
    void LineChanged(QListWidgetItem* current);
    // Checks and hands over the chosen program; false keeps it chosen, the
    // builder told why and the focus in the vnum box.
    bool LeaveChosen();
    void RefuseVnum(const QString& message);
    void SetVnumBox(int vnum);
    void New();
    void Delete();

    CMobprogListState state;
    QListWidget* list = nullptr;
    CNumberBox* vnumBox = nullptr;
    QPlainTextEdit* codeEdit = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* closeButton = nullptr;
    // Set while the dialog itself changes the widgets.
    bool filling = false;
};
