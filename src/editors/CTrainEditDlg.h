#pragma once

#include "rules/CTrainEditState.h"

#include <QDialog>

class CFlagList;
class CNumberBox;
class CTolvexDoc;
class QLineEdit;
class QListWidget;
class QPushButton;

// The route of a moving object: its stops in order, each with a room, a
// time, arrival and leave messages and flags.
class CTrainEditDlg : public QDialog {
    Q_OBJECT
public:
    CTrainEditDlg(const CTolvexDoc& doc, const std::vector<CTrainStop>& stops, QWidget* parent = nullptr);

    const CTrainEditState& State() const { return state; }

    // Runs the dialog on `stops`; on OK `stops` holds the edited route.
    static bool EditTrainStops(QWidget* parent, const CTolvexDoc& doc, std::vector<CTrainStop>& stops);

    void accept() override;

private:
    void RewriteLines(int from);
    // Shows the chosen stop in the boxes; with none, only New stays enabled.
    void ShowChosen();
    // The shown numbers, when they are accepted.
    bool TakeNumbers();
    void ChooseRow(int row);
    void Act(void (CTrainEditState::*action)());

    const CTolvexDoc& doc;
    CTrainEditState state;
    bool showing = false;

    QListWidget* stopList = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* insertButton = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    CNumberBox* roomBox = nullptr;
    CNumberBox* timeBox = nullptr;
    QLineEdit* arrivalEdit = nullptr;
    QLineEdit* leaveEdit = nullptr;
    CFlagList* flagList = nullptr;
};
