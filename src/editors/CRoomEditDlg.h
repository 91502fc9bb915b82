#pragma once

#include "rules/CRoomEditState.h"

#include <QDialog>

class CExtraDescPanel;
class CFlagList;
class CNumberBox;
class CResetListPanel;
class CTolvexDoc;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Edits every field of one room on a working copy that reaches the room only
// through OK: texts, rates, sector and flags, the six exits (one shown at a
// time), extra descriptions and the room's resets. Its Edit menu copies the
// working copy to the clipboard and pastes a room over it.
class CRoomEditDlg : public QDialog {
    Q_OBJECT
public:
    // `ownIndex`: the room's place in the document's room list, -1 for a new room.
    CRoomEditDlg(const CTolvexDoc& doc, const CRoomData& room, int ownIndex, QWidget* parent = nullptr);

    const CRoomEditState& State() const { return state; }

    // Runs the editor on `room`; on OK `room` is the edited record, for the
    // caller to hand to the area's operation.
    static bool EditRoom(QWidget* parent, const CTolvexDoc& doc, CRoomData& room);

    void accept() override;

    void CopyRoom();
    void PasteRoom();

private:
    void BuildWidgets();
    QWidget* BuildExitsGroup();
    void ShowRoom();
    void ShowExit();
    // Takes the boxes into the working copy; false (the builder told) when
    // a number is refused.
    bool TakeControls();
    bool TakeExitBoxes(CExitData& boxes);
    void ExitChosen(int direction);
    void VnumChanged(int vnum);

    const CTolvexDoc& doc;
    CRoomEditState state;

    CNumberBox* vnumBox = nullptr;
    QLineEdit* nameEdit = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    CExtraDescPanel* extraPanel = nullptr;
    QLineEdit* ownerEdit = nullptr;
    QLineEdit* clanEdit = nullptr;
    CNumberBox* manaBox = nullptr;
    CNumberBox* healBox = nullptr;
    QComboBox* sectorCombo = nullptr;
    CFlagList* roomFlagList = nullptr;
    CResetListPanel* resetPanel = nullptr;
    QButtonGroup* exitButtons = nullptr;
    QPlainTextEdit* exitDescriptionEdit = nullptr;
    CNumberBox* exitVnumBox = nullptr;
    CNumberBox* exitKeyBox = nullptr;
    QLineEdit* exitKeywordEdit = nullptr;
    CFlagList* exitFlagList = nullptr;
};
