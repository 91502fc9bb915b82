#include "editors/CMercDataDlg.h"

#include "config/ConfigTables.h"
#include "editors/DialogParts.h"
#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <climits>
#include <vector>

CMercDataDlg::CMercDataDlg(const CConfigTables& tables, const CMobData& mob, QWidget* parent)
    : QDialog(parent)
    , clan(mob.clan)
    , rank(mob.rank)
    , messages(mob.mercMessages)
    , skills(mob.mercSkills)
{
    setObjectName(QStringLiteral("mercDataDialog"));
    setWindowTitle(QStringLiteral("Mercenary Data"));
    // One text per MERCMSG kind, whatever the caller held.
    messages.resize(static_cast<size_t>(tables.mercMsg.Count()));

    clanEdit = NamedWidget<QLineEdit>("clanEdit", this);
    rankBox = NamedWidget<CNumberBox>("rankBox", this);
    // The game stores any number; the arrows keep to ranks that make sense.
    rankBox->SetRanges(INT_MIN, INT_MAX, 1, 32767);
    skillList = NamedWidget<QListWidget>("skillList", this);
    skillList->setSortingEnabled(true);
    valueBox = NamedWidget<CNumberBox>("skillValueBox", this);
    valueBox->SetRanges(INT_MIN, INT_MAX, 0, 100);
    messageCombo = NamedWidget<QComboBox>("messageCombo", this);
    messageEdit = NamedWidget<QLineEdit>("messageEdit", this);

    ShowText(clanEdit, clan);
    rankBox->setValue(rank);
    for (size_t i = 0; i < skills.size(); ++i) {
        auto* item = new QListWidgetItem(FromBytes(skills[i].skill), skillList);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    std::vector<CChoice> kinds;
    for (int i = 0; i < tables.mercMsg.Count(); ++i)
        kinds.push_back({ FromBytes(tables.mercMsg[i].name), i });
    FillSorted(messageCombo, kinds);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Caption("&Clan:", clanEdit, this), 0, 0);
    layout->addWidget(clanEdit, 0, 1, 1, 2);
    layout->addWidget(Caption("&Rank:", rankBox, this), 1, 0);
    layout->addWidget(rankBox, 1, 1);
    layout->addWidget(Caption("&Skills:", skillList, this), 2, 0, 1, 3);
    layout->addWidget(skillList, 3, 0, 1, 2);
    layout->addWidget(valueBox, 3, 2, Qt::AlignTop);
    layout->addWidget(Caption("&Mesages:", messageCombo, this), 4, 0);
    layout->addWidget(messageCombo, 4, 1, 1, 2);
    layout->addWidget(messageEdit, 5, 0, 1, 3);
    layout->addWidget(OkCancelButtons(this), 6, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(skillList, &QListWidget::currentItemChanged, this, &CMercDataDlg::ShowSkill);
    connect(valueBox, &QSpinBox::valueChanged, this, [this](int value) {
        if (filling)
            return;
        const int skill = SelectedSkill();
        if (skill >= 0)
            skills[static_cast<size_t>(skill)].value = value;
    });
    connect(messageCombo, &QComboBox::currentIndexChanged, this, &CMercDataDlg::ShowMessage);
    connect(messageEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int kind = SelectedMessage();
        if (kind >= 0)
            messages[static_cast<size_t>(kind)] = ToBytes(text);
    });

    if (skillList->count() > 0)
        skillList->setCurrentRow(0);
    ShowSkill();
    ShowMessage();
}

int CMercDataDlg::SelectedSkill() const
{
    const QListWidgetItem* item = skillList->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

int CMercDataDlg::SelectedMessage() const
{
    const int index = messageCombo->currentIndex();
    return index >= 0 ? messageCombo->itemData(index).toInt() : -1;
}

void CMercDataDlg::ShowSkill()
{
    const int skill = SelectedSkill();
    filling = true;
    valueBox->setValue(skill >= 0 ? skills[static_cast<size_t>(skill)].value : 0);
    valueBox->setEnabled(skill >= 0);
    filling = false;
}

void CMercDataDlg::ShowMessage()
{
    const int kind = SelectedMessage();
    messageEdit->setText(kind >= 0 ? FromBytes(messages[static_cast<size_t>(kind)]) : QString());
    messageEdit->setEnabled(kind >= 0);
}

void CMercDataDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!rankBox->Take(rank) || !valueBox->Take())
        return;
    clan = ToBytes(clanEdit->text());
    QDialog::accept();
}

bool CMercDataDlg::EditMercData(QWidget* parent, const CConfigTables& tables, CMobData& mob)
{
    CMercDataDlg dialog(tables, mob, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    mob.clan = dialog.clan;
    mob.rank = dialog.rank;
    mob.mercMessages = dialog.messages;
    mob.mercSkills = dialog.skills;
    return true;
}
