#pragma once

#include "rules/CMobprogState.h"

#include <QDialog>

class CNumberBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// One trigger of a mob: its type, the vnum of the program it runs and its
// argument. Works on a copy that reaches the caller only through OK.
class CMobprogDlg : public QDialog {
    Q_OBJECT
public:
    CMobprogDlg(const CTolvexDoc& doc, const CMobTrigger& trigger, QWidget* parent = nullptr);

    const CMobprogState& State() const { return state; }

    // Runs the dialog on `trigger`; on OK `trigger` is the edited one.
    static bool EditTrigger(QWidget* parent, const CTolvexDoc& doc, CMobTrigger& trigger);

    void accept() override;

private:
    void ShowVnumNote(int vnum);

    CMobprogState state;
    QComboBox* typeCombo = nullptr;
    CNumberBox* vnumBox = nullptr;
    QLabel* vnumNote = nullptr;
    QLineEdit* phraseEdit = nullptr;
    QPushButton* okButton = nullptr;
};
