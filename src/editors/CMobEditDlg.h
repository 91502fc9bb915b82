#pragma once

#include "rules/CMobEditState.h"

#include <QDialog>
#include <QString>

#include <array>

class CFlagList;
class CNumberBox;
class CTolvexDoc;
class CTriggerListPanel;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Edits every field of one mob on a working copy that reaches the mob only
// through OK: texts, race and the eight flag sets, numbers and dice, the
// words the file carries, the shop, mercenary and trainer data and the
// mobprog triggers. Its Edit menu copies the working copy to the clipboard
// and pastes a mob over it.
class CMobEditDlg : public QDialog {
    Q_OBJECT
public:
    // `ownIndex`: the mob's place in the document's mob list, -1 for a new mob.
    CMobEditDlg(const CTolvexDoc& doc, const CMobData& mob, int ownIndex, QWidget* parent = nullptr);

    const CMobEditState& State() const { return state; }
    // The mob as OK hands it over.
    CMobData Result() const { return state.Finished(); }

    // Runs the editor on `mob`; on OK `mob` is the edited record, for the
    // caller to hand to the area's operation.
    static bool EditMob(QWidget* parent, const CTolvexDoc& doc, CMobData& mob, int ownIndex);

    void accept() override;

    void CopyMob();
    void PasteMob();

private:
    void BuildWidgets();
    QWidget* BuildNumbers();
    QWidget* BuildFlags();
    QWidget* BuildWords();
    void FillChoices();
    void ShowMob();
    void ShowFlagSet();
    void ShowStore(const QString& newCaption);
    // Takes the boxes into the working copy; false (the builder told) when
    // a number is refused.
    bool TakeControls();
    QWidget* FieldWidget(MobField field) const;

    void RaceChosen(int index);
    void FlagSetChosen(int set);
    void DefaultStats();
    void StoreEdit();
    void StoreDelete();
    void MercData();
    void Trainers();

    const CTolvexDoc& doc;
    CMobEditState state;
    int shownSet = 0;
    // The description as the box showed it, so an untouched box gives the
    // mob's own bytes back.
    QString shownDescription;

    CNumberBox* vnumBox = nullptr;
    QComboBox* raceCombo = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* shortEdit = nullptr;
    QLineEdit* longEdit = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    CNumberBox* alignmentBox = nullptr;
    CNumberBox* groupBox = nullptr;
    CNumberBox* hitrollBox = nullptr;
    CNumberBox* levelBox = nullptr;
    QPushButton* defaultStatsButton = nullptr;
    QComboBox* damTypeCombo = nullptr;
    CNumberBox* moneyBox = nullptr;
    std::array<CNumberBox*, 3> hitBoxes {};
    std::array<CNumberBox*, 3> manaBoxes {};
    std::array<CNumberBox*, 3> damBoxes {};
    std::array<CNumberBox*, 4> acBoxes {}; // pierce, bash, slash, exotic
    QButtonGroup* flagButtons = nullptr;
    CFlagList* flagList = nullptr;
    QPushButton* storeEditButton = nullptr;
    QPushButton* storeDeleteButton = nullptr;
    QComboBox* startPosCombo = nullptr;
    QComboBox* defaultPosCombo = nullptr;
    QComboBox* sexCombo = nullptr;
    QComboBox* sizeCombo = nullptr;
    QLineEdit* materialEdit = nullptr;
    QLineEdit* specialEdit = nullptr;
    QPushButton* mercButton = nullptr;
    QPushButton* trainerButton = nullptr;
    CTriggerListPanel* triggerPanel = nullptr;
};
