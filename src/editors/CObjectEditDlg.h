#pragma once

#include "editors/CObjectEditState.h"
#include "editors/ObjectValueSlots.h"

#include <QDialog>

class CExtraDescPanel;
class CFlagList;
class CNumberBox;
class CTolvexDoc;
class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

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
    int ShownSlot() const { return shownSlot; }
    int ShownAffect() const { return shownAffect; }

    // Runs the editor on `object`; on OK `object` is the edited record, for
    // the caller to hand to the area's operation.
    static bool EditObject(QWidget* parent, const CTolvexDoc& doc, CObjData& object, int ownIndex);

    void accept() override;

    void CopyObject();
    void PasteObject();

private:
    void BuildWidgets();
    QWidget* BuildValuesGroup();
    QWidget* BuildAffectsGroup();
    void FillTypes();
    // Moves the working copy into every control.
    void ShowObject();
    // Takes the boxes into the working copy; false (the builder told) when a
    // number is refused.
    bool TakeControls();

    // Value slots: the buttons the type uses, the pressed slot's controls,
    // and the pressed slot's controls back into the working copy.
    void SetUpValueButtons();
    void ShowSlot(int slot);
    bool CommitShownSlot();
    void SlotPressed(int slot);
    void TypeChosen(int index);

    // Affects: one number per affect, the shown affect's controls, and back.
    void RebuildAffectNumbers(int choose);
    void ShowAffect(int index);
    bool CommitShownAffect();
    void AffectChosen(int index);
    void AddAffect();
    void DeleteAffect();
    void AffectKindChosen(int where);

    void EditTrainStops();

    const CTolvexDoc& doc;
    CObjectEditState state;
    int shownSlot = -1;
    int shownAffect = -1;
    std::vector<CSlotChoice> shownChoices;
    // What the shown slot's and the shown affect's flag lists mark.
    uint32_t slotMarks = 0;
    uint32_t affectMarks = 0;

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

    QButtonGroup* valueButtons = nullptr;
    QStackedWidget* valueFirstStack = nullptr;
    CNumberBox* valueNumberBox = nullptr;
    QLineEdit* valueTextEdit = nullptr;
    CNumberBox* valueSecondBox = nullptr;
    QComboBox* valueChoiceCombo = nullptr;
    CFlagList* valueFlagList = nullptr;

    CExtraDescPanel* extraPanel = nullptr;

    QComboBox* affectNumberCombo = nullptr;
    QPushButton* affectAddButton = nullptr;
    QPushButton* affectDeleteButton = nullptr;
    QComboBox* affectKindCombo = nullptr;
    QComboBox* affectLocationCombo = nullptr;
    CNumberBox* affectModifierBox = nullptr;
    CFlagList* affectFlagList = nullptr;

    QPushButton* trainButton = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
};
