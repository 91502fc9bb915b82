#include "editors/CTrainersDlg.h"

#include "config/ConfigTables.h"
#include "editors/DialogParts.h"
#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <climits>
#include <vector>

namespace {

CNumberBox* TrainerNumberBox(const char* name, QWidget* parent)
{
    auto* box = NamedWidget<CNumberBox>(name, parent);
    // The game keeps any number; the arrows stay within sensible values.
    box->SetRanges(INT_MIN, INT_MAX, 0, 30000);
    return box;
}

} // namespace

CTrainersDlg::CTrainersDlg(const CConfigTables& tableSet, const CMobData& mob, QWidget* parent)
    : QDialog(parent)
    , trainerClass(mob.trainerClass)
    , skills(mob.trainerSkills)
    , tables(tableSet)
{
    setObjectName(QStringLiteral("trainersDialog"));
    setWindowTitle(QStringLiteral("Trainers"));

    classCombo = NamedWidget<QComboBox>("classCombo", this);
    skillList = NamedWidget<QListWidget>("trainerSkillList", this);
    skillList->setSortingEnabled(true);
    addButton = PlainButton(QStringLiteral("&Add"), "trainerAddButton", this);
    deleteButton = PlainButton(QStringLiteral("&Delete"), "trainerDeleteButton", this);
    skillCombo = NamedWidget<QComboBox>("trainerSkillCombo", this);
    goldBox = TrainerNumberBox("goldBox", this);
    multBox = TrainerNumberBox("multBox", this);
    maxLevelBox = TrainerNumberBox("maxLevelBox", this);
    initiateCombo = NamedWidget<QComboBox>("initiateCombo", this);
    initiateCombo->addItem(QStringLiteral("No"), 0);
    initiateCombo->addItem(QStringLiteral("Yes"), 1);

    // Each name carries its place in the table.
    const auto names = [](const CEntryTable<CTableEntry>& table) {
        std::vector<CChoice> choices;
        for (int i = 0; i < table.Count(); ++i)
            choices.push_back({ FromBytes(table[i].name), i });
        return choices;
    };
    FillSorted(skillCombo, names(tableSet.skills));
    classCombo->addItem(QString(), -1);
    FillSorted(classCombo, names(tableSet.classes));
    // A class the configuration does not list shows none and stays.
    classCombo->setCurrentIndex(-1);
    for (int i = 0; i < tableSet.classes.Count(); ++i)
        if (tableSet.classes[i].name == trainerClass) {
            classCombo->setCurrentIndex(classCombo->findData(i));
            break;
        }
    if (trainerClass.empty())
        classCombo->setCurrentIndex(0);
    for (size_t i = 0; i < skills.size(); ++i) {
        auto* item = new QListWidgetItem(FromBytes(skills[i].skill), skillList);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(Caption("&Profesion:", classCombo, this), 0, 0);
    layout->addWidget(classCombo, 0, 1, 1, 2);
    layout->addWidget(skillList, 1, 0, 7, 2);
    layout->addWidget(addButton, 1, 2);
    layout->addWidget(deleteButton, 2, 2);
    layout->addWidget(Caption("S&kill:", skillCombo, this), 1, 3);
    layout->addWidget(skillCombo, 1, 4);
    layout->addWidget(Caption("&Gold:", goldBox, this), 2, 3);
    layout->addWidget(goldBox, 2, 4);
    layout->addWidget(Caption("M&ult:", multBox, this), 3, 3);
    layout->addWidget(multBox, 3, 4);
    layout->addWidget(Caption("Max &Level:", maxLevelBox, this), 4, 3);
    layout->addWidget(maxLevelBox, 4, 4);
    layout->addWidget(Caption("&Iniciate:", initiateCombo, this), 5, 3);
    layout->addWidget(initiateCombo, 5, 4);
    layout->setRowStretch(7, 1);
    layout->addWidget(OkCancelButtons(this), 8, 0, 1, 5);

    connect(classCombo, &QComboBox::activated, this, [this](int index) {
        const int entry = classCombo->itemData(index).toInt();
        trainerClass = entry >= 0 ? this->tables.classes[entry].name : std::string();
    });
    connect(skillList, &QListWidget::currentItemChanged, this, &CTrainersDlg::ShowSelected);
    connect(addButton, &QPushButton::clicked, this, &CTrainersDlg::Add);
    connect(deleteButton, &QPushButton::clicked, this, &CTrainersDlg::Delete);
    const auto storeNumber = [this](CNumberBox* box, int CTrainerSkill::*field) {
        connect(box, &QSpinBox::valueChanged, this, [this, field](int value) {
            const int entry = Selected();
            if (!filling && entry >= 0)
                skills[static_cast<size_t>(entry)].*field = value;
        });
    };
    storeNumber(goldBox, &CTrainerSkill::gold);
    storeNumber(multBox, &CTrainerSkill::mult);
    storeNumber(maxLevelBox, &CTrainerSkill::maxLevel);
    connect(skillCombo, &QComboBox::activated, this, [this](int index) {
        const int entry = Selected();
        if (entry < 0 || index < 0)
            return;
        skills[static_cast<size_t>(entry)].skill = this->tables.skills[skillCombo->itemData(index).toInt()].name;
        skillList->currentItem()->setText(skillCombo->itemText(index));
        skillList->sortItems();
        skillList->scrollToItem(skillList->currentItem());
    });
    connect(initiateCombo, &QComboBox::activated, this, [this](int index) {
        const int entry = Selected();
        if (entry >= 0 && index >= 0)
            skills[static_cast<size_t>(entry)].initiate = initiateCombo->itemData(index).toInt();
    });
    ShowSelected();
}

int CTrainersDlg::Selected() const
{
    const QListWidgetItem* item = skillList->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void CTrainersDlg::ShowSelected()
{
    const int entry = Selected();
    for (QWidget* control : std::initializer_list<QWidget*> { skillCombo, goldBox, multBox, maxLevelBox, initiateCombo })
        control->setEnabled(entry >= 0);
    deleteButton->setEnabled(entry >= 0);
    if (entry < 0)
        return;
    const CTrainerSkill& skill = skills[static_cast<size_t>(entry)];
    filling = true;
    goldBox->setValue(skill.gold);
    multBox->setValue(skill.mult);
    maxLevelBox->setValue(skill.maxLevel);
    filling = false;
    initiateCombo->setCurrentIndex(skill.initiate != 0 ? 1 : 0);
    skillCombo->setCurrentIndex(skillCombo->findText(FromBytes(skill.skill), Qt::MatchFixedString));
}

void CTrainersDlg::Add()
{
    skills.emplace_back();
    auto* item = new QListWidgetItem(QString(), skillList);
    item->setData(Qt::UserRole, static_cast<int>(skills.size()) - 1);
    skillList->setCurrentItem(item);
    ShowSelected();
}

void CTrainersDlg::Delete()
{
    const int entry = Selected();
    if (entry < 0)
        return;
    skills.erase(skills.begin() + entry);
    {
        // The row that becomes current still carries its old position.
        const QSignalBlocker block(skillList);
        delete skillList->takeItem(skillList->currentRow());
        RenumberItems(entry);
    }
    ShowSelected();
}

void CTrainersDlg::RenumberItems(int removed)
{
    // Each item carries its entry's position; the entries after the removed
    // one moved up by one.
    for (int row = 0; row < skillList->count(); ++row) {
        QListWidgetItem* item = skillList->item(row);
        const int entry = item->data(Qt::UserRole).toInt();
        if (entry > removed)
            item->setData(Qt::UserRole, entry - 1);
    }
}

void CTrainersDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!goldBox->Take() || !multBox->Take() || !maxLevelBox->Take())
        return;
    QDialog::accept();
}

bool CTrainersDlg::EditTrainers(QWidget* parent, const CConfigTables& tables, CMobData& mob)
{
    CTrainersDlg dialog(tables, mob, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    mob.trainerClass = dialog.trainerClass;
    mob.trainerSkills.clear();
    for (const CTrainerSkill& skill : dialog.skills)
        if (!skill.skill.empty())
            mob.trainerSkills.push_back(skill);
    return true;
}
