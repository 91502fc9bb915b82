#pragma once

#include "area/CMobData.h"

#include <QDialog>

#include <string>
#include <vector>

class CConfigTables;
class CNumberBox;
class QComboBox;
class QListWidget;
class QPushButton;

// The profession a trainer mob teaches and the skills it trains, each with
// its price, multiplier, highest level and whether it initiates.
class CTrainersDlg : public QDialog {
    Q_OBJECT
public:
    CTrainersDlg(const CConfigTables& tables, const CMobData& mob, QWidget* parent = nullptr);

    // Runs the dialog on the mob's trainer data; on OK the mob holds the
    // class and the entries that name a skill, in the dialog's order.
    static bool EditTrainers(QWidget* parent, const CConfigTables& tables, CMobData& mob);

    std::string trainerClass;
    std::vector<CTrainerSkill> skills;

    void accept() override;

    void Add();
    void Delete();

private:
    int Selected() const;
    void ShowSelected();
    void RenumberItems(int removed);

    const CConfigTables& tables;
    QComboBox* classCombo = nullptr;
    QListWidget* skillList = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QComboBox* skillCombo = nullptr;
    CNumberBox* goldBox = nullptr;
    CNumberBox* multBox = nullptr;
    CNumberBox* maxLevelBox = nullptr;
    QComboBox* initiateCombo = nullptr;
    bool filling = false;
};
