#pragma once

#include <QGroupBox>

#include <cstdint>

class CFlagList;
class CNumberBox;
class CObjectEditState;
class QComboBox;
class QPushButton;

// The Affects group of Object Edit: one number per affect, and the kind,
// attribute, modifier and flags of the affect shown. Its edits reach the
// working copy when another affect is shown or added, when its kind changes
// and when the dialog commits them.
class CAffectsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CAffectsPanel(QWidget* parent = nullptr);

    // Works on `state`, which must outlive the panel; fills the kind and
    // attribute lists from its tables.
    void SetState(CObjectEditState* state);
    // Lists the affects again and shows the first.
    void Refresh();

    // The affect shown, or -1.
    int ShownAffect() const { return shownAffect; }
    // The shown affect's controls into the working copy; false (the builder
    // told) when the modifier is refused.
    bool Commit();

private:
    void Rebuild(int choose);
    void Show(int index);
    void Chosen(int index);
    void Add();
    void Delete();
    void KindChosen(int where);

    CObjectEditState* state = nullptr;
    int shownAffect = -1;
    // What the shown affect's flag list marks.
    uint32_t marks = 0;

    QComboBox* numberCombo = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QComboBox* kindCombo = nullptr;
    QComboBox* locationCombo = nullptr;
    CNumberBox* modifierBox = nullptr;
    CFlagList* flagList = nullptr;
};
