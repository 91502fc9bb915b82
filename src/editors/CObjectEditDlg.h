#pragma once

#include "rules/CObjectEditState.h"

#include <QDialog>

class CAffectsPanel;
class CExtraDescPanel;
class CFlagList;
class CNumberBox;
class CTolvexDoc;
class CValueSlotsPanel;
class QComboBox;
class QLineEdit;
class QPushButton;

// Edits every field of one object on a working copy that reaches the object
// only through OK: texts, type, flags, the five values (one slot shown at a
// time, as its kind says), extra descriptions, affects (one shown at a time)
// and the train stops. Its Edit menu copies the working copy to the
// clipboard and pastes an object over it.
class CObjectEditDlg : public QDialog {
    Q_OBJECT
public:
    // `ownIndex`: the object's place in the document's object list, -1 for a new object.
    CObjectEditDlg(const CTolvexDoc& doc, const CObjData& object, int ownIndex, QWidget* parent = nullptr);

    const CObjectEditState& State() const { return state; }
    // The value slot and the affect shown, or -1.
    int ShownSlot() const;
    int ShownAffect() const;

    // Runs the editor on `object`; on OK `object` is the edited record, for
    // the caller to hand to the area's operation.
    static bool EditObject(QWidget* parent, const CTolvexDoc& doc, CObjData& object, int ownIndex);

    void accept() override;

    void CopyObject();
    void PasteObject();

private:
    void BuildWidgets();
    void FillTypes();
    // Moves the working copy into every control.
    void ShowObject();
    // Takes the boxes, the shown value slot and the shown affect into the
    // working copy; false (the builder told) when a number is refused.
    bool TakeControls();
    void TypeChosen(int index);
    void EditTrainStops();

    const CTolvexDoc& doc;
    CObjectEditState state;

    CNumberBox* vnumBox = nullptr;
    QComboBox* typeCombo = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* shortDescEdit = nullptr;
    QLineEdit* longDescEdit = nullptr;
    QLineEdit* materialEdit = nullptr;
    CNumberBox* levelBox = nullptr;
    CNumberBox* weightBox = nullptr;
    CNumberBox* priceBox = nullptr;
    QComboBox* conditionCombo = nullptr;
    CFlagList* extraFlagList = nullptr;
    CFlagList* wearFlagList = nullptr;
    CValueSlotsPanel* valuesPanel = nullptr;
    CExtraDescPanel* extraPanel = nullptr;
    CAffectsPanel* affectsPanel = nullptr;
    QPushButton* trainButton = nullptr;
};
