#include "editors/CAffectsPanel.h"

#include "rules/CObjectEditState.h"
#include "editors/DialogParts.h"
#include "editors/ObjectEditParts.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <climits>

namespace {

const CEntryTable<CTableEntry> noFlags;

} // namespace

CAffectsPanel::CAffectsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("A&ffects"), parent)
{
    numberCombo = NamedWidget<QComboBox>("affectNumberCombo", this);
    addButton = PlainButton(QStringLiteral("&Add"), "affectAddButton", this);
    deleteButton = PlainButton(QStringLiteral("Dele&te"), "affectDeleteButton", this);
    kindCombo = NamedWidget<QComboBox>("affectKindCombo", this);
    locationCombo = NamedWidget<QComboBox>("affectLocationCombo", this);
    // The game keeps any 32-bit modifier; the spin keeps to 16 bits.
    modifierBox = RangedNumberBox("affectModifierBox", INT_MIN, INT_MAX, -32768, 32767, this);
    flagList = new CFlagList(CFlagList::Column, this);
    flagList->setObjectName(QStringLiteral("affectFlagList"));
    flagList->setMinimumHeight(80);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Caption("N&umber:", numberCombo, this), 0, 0);
    layout->addWidget(numberCombo, 0, 1);
    layout->addWidget(addButton, 0, 2);
    layout->addWidget(deleteButton, 0, 3);
    layout->addWidget(Caption("Type:", kindCombo, this), 1, 0);
    layout->addWidget(kindCombo, 1, 1, 1, 3);
    layout->addWidget(Caption("Modifies:", locationCombo, this), 2, 0);
    layout->addWidget(locationCombo, 2, 1, 1, 3);
    layout->addWidget(Caption("By:", modifierBox, this), 3, 0);
    layout->addWidget(modifierBox, 3, 1);
    layout->addWidget(flagList, 4, 0, 1, 4);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);

    connect(numberCombo, &QComboBox::activated, this, &CAffectsPanel::Chosen);
    connect(addButton, &QPushButton::clicked, this, &CAffectsPanel::Add);
    connect(deleteButton, &QPushButton::clicked, this, &CAffectsPanel::Delete);
    // Only the builder's choice of a kind clears the affect's flags.
    connect(kindCombo, &QComboBox::activated, this, &CAffectsPanel::KindChosen);
    connect(flagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        marks ^= value;
        flagList->ShowFlags(marks);
    });
}

void CAffectsPanel::SetState(CObjectEditState* newState)
{
    state = newState;
    kindCombo->clear();
    locationCombo->clear();
    if (state) {
        for (const auto& entry : state->Tables().affTo)
            kindCombo->addItem(FromBytes(entry->name));
        for (const auto& entry : state->Tables().affectLocation)
            locationCombo->addItem(FromBytes(entry->name));
    }
    Refresh();
}

void CAffectsPanel::Refresh()
{
    Rebuild(0);
}

void CAffectsPanel::Rebuild(int choose)
{
    numberCombo->clear();
    const size_t count = state ? state->obj.affects.size() : 0;
    for (size_t i = 0; i < count; ++i)
        numberCombo->addItem(QString::number(i));
    numberCombo->setCurrentIndex(choose < numberCombo->count() ? choose : numberCombo->count() - 1);
    deleteButton->setEnabled(numberCombo->count() > 0);
    Show(numberCombo->currentIndex());
}

void CAffectsPanel::Show(int index)
{
    const bool valid = state && index >= 0 && index < static_cast<int>(state->obj.affects.size());
    shownAffect = valid ? index : -1;
    for (QWidget* control : { static_cast<QWidget*>(flagList), static_cast<QWidget*>(kindCombo),
             static_cast<QWidget*>(locationCombo), static_cast<QWidget*>(modifierBox) })
        control->setEnabled(valid);
    flagList->clear();
    marks = 0;
    if (!valid) {
        kindCombo->setCurrentIndex(-1);
        locationCombo->setCurrentIndex(-1);
        modifierBox->setValue(0);
        return;
    }
    const CAffectData& affect = state->obj.affects[static_cast<size_t>(index)];
    const CEntryTable<CTableEntry>* flags = state->AffectFlagTable(affect.where);
    flagList->setEnabled(affect.where != 0);
    marks = affect.bits;
    flagList->Fill(flags ? *flags : noFlags, marks);
    // A kind or attribute beyond the tables selects nothing and stays.
    kindCombo->setCurrentIndex(affect.where < kindCombo->count() ? affect.where : -1);
    locationCombo->setCurrentIndex(affect.location < locationCombo->count() ? affect.location : -1);
    modifierBox->setValue(affect.modifier);
}

bool CAffectsPanel::Commit()
{
    if (shownAffect < 0)
        return true;
    int modifier = 0;
    if (!TakeNumber(modifierBox, modifier))
        return false;
    state->CommitAffect(shownAffect, kindCombo->currentIndex(), locationCombo->currentIndex(), modifier, marks);
    return true;
}

void CAffectsPanel::Chosen(int index)
{
    if (index == shownAffect)
        return;
    if (!Commit()) {
        numberCombo->setCurrentIndex(shownAffect);
        return;
    }
    Show(index);
}

void CAffectsPanel::Add()
{
    if (state && Commit())
        Rebuild(state->AddAffect());
}

void CAffectsPanel::Delete()
{
    if (state && state->DeleteAffect(shownAffect))
        Rebuild(0);
}

void CAffectsPanel::KindChosen(int where)
{
    if (shownAffect < 0)
        return;
    const int stored = state->obj.affects[static_cast<size_t>(shownAffect)].where;
    if (where == stored)
        return;
    if (!Commit()) {
        kindCombo->setCurrentIndex(stored < kindCombo->count() ? stored : -1);
        return;
    }
    state->ChangeAffectKind(shownAffect, where);
    Show(shownAffect);
}
