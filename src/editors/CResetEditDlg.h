#pragma once

#include "rules/CResetEditState.h"

#include <QDialog>

class CNumberBox;
class CTolvexDoc;
class QComboBox;
class QLabel;
class QPushButton;

// Edits one reset of a room: the kind chosen from a list, and only the fields
// that kind uses, with the area's mobs and objects to pick vnums from.
class CResetEditDlg : public QDialog {
    Q_OBJECT
public:
    CResetEditDlg(const CTolvexDoc& doc, const CResetData& reset, int roomVnum, QWidget* parent = nullptr);

    // The reset as OK stored it.
    const CResetData& Reset() const { return stored; }

    // Runs the dialog on `reset`; true (and `reset` changed) on OK.
    static bool EditReset(QWidget* parent, const CTolvexDoc& doc, CResetData& reset, int roomVnum);

    void accept() override;

private:
    void BuildWidgets();
    void KindChosen();
    void SetUpFields(char letter);
    void FillVnumList(QComboBox* list, bool mobs, int selected);
    static void SelectByValue(QComboBox* list, int value);
    void FollowBox(QComboBox* list, int vnum);

    const CTolvexDoc& doc;
    CResetEditState state;
    CResetData stored;

    QComboBox* typeCombo = nullptr;
    QLabel* firstLabel = nullptr;
    CNumberBox* firstBox = nullptr;
    QComboBox* firstList = nullptr;
    QLabel* secondLabel = nullptr;
    CNumberBox* secondBox = nullptr;
    QComboBox* secondList = nullptr;
    CNumberBox* maxBox = nullptr;
    CNumberBox* minBox = nullptr;
    QLabel* listLabel = nullptr;
    QComboBox* choiceList = nullptr;
    QComboBox* doorList = nullptr;
    QPushButton* okButton = nullptr;
};
