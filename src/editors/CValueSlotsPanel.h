#pragma once

#include "rules/ObjectValueSlots.h"

#include <QGroupBox>

#include <vector>

class CFlagList;
class CNumberBox;
class CObjectEditState;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QStackedWidget;

// The Values group of Object Edit: one button per value slot that the type
// uses, captioned with the slot's label, and the controls of the slot shown,
// as its kind says. A slot's edits reach the working copy when another slot
// is shown and when the dialog commits them.
class CValueSlotsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CValueSlotsPanel(QWidget* parent = nullptr);

    // Works on `state`, which must outlive the panel.
    void SetState(CObjectEditState* state);
    // Sets the buttons up for the type as it is now and shows its first slot;
    // edits of the slot shown before are dropped.
    void Refresh();

    // The slot shown, or -1.
    int ShownSlot() const { return shownSlot; }
    // The shown slot's controls into the working copy; false (the builder
    // told) when a number is refused.
    bool Commit();

private:
    void SetUpButtons();
    void Show(int slot);
    void Pressed(int slot);

    CObjectEditState* state = nullptr;
    int shownSlot = -1;
    std::vector<CSlotChoice> choices;
    // What the shown slot's flag list marks.
    uint32_t marks = 0;

    QButtonGroup* buttons = nullptr;
    QStackedWidget* firstStack = nullptr;
    CNumberBox* numberBox = nullptr;
    QLineEdit* textEdit = nullptr;
    CNumberBox* secondBox = nullptr;
    QComboBox* choiceCombo = nullptr;
    CFlagList* flagList = nullptr;
};
