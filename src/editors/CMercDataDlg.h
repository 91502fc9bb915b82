#pragma once

#include "area/CMobData.h"

#include <QDialog>

#include <string>
#include <vector>

class CConfigTables;
class CNumberBox;
class QComboBox;
class QLineEdit;
class QListWidget;

// A mercenary's clan, rank, the value of each skill it is offered and one
// message per MERCMSG kind.
class CMercDataDlg : public QDialog {
    Q_OBJECT
public:
    CMercDataDlg(const CConfigTables& tables, const CMobData& mob, QWidget* parent = nullptr);

    // Runs the dialog on the mob's mercenary data; on OK the mob holds the
    // edited clan, rank, messages and skills.
    static bool EditMercData(QWidget* parent, const CConfigTables& tables, CMobData& mob);

    std::string clan;
    int rank = 1;
    std::vector<std::string> messages;
    std::vector<CMercSkill> skills;

    void accept() override;

private:
    void ShowSkill();
    void ShowMessage();
    int SelectedSkill() const;
    int SelectedMessage() const;

    QLineEdit* clanEdit = nullptr;
    CNumberBox* rankBox = nullptr;
    QListWidget* skillList = nullptr;
    CNumberBox* valueBox = nullptr;
    QComboBox* messageCombo = nullptr;
    QLineEdit* messageEdit = nullptr;
    bool filling = false;
};
