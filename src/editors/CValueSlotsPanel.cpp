#include "editors/CValueSlotsPanel.h"

#include "rules/CObjectEditState.h"
#include "editors/DialogParts.h"
#include "editors/ObjectEditParts.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include <climits>

namespace {

const CEntryTable<CTableEntry> noFlags;

// Numbers of kinds D and I hold any 32-bit value; the spin keeps to 16 bits.
void NumberRanges(CNumberBox* box)
{
    box->SetRanges(INT_MIN, INT_MAX, -32768, 32767);
}

} // namespace

CValueSlotsPanel::CValueSlotsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Values"), parent)
{
    buttons = new QButtonGroup(this);
    buttons->setExclusive(true);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->setSpacing(2);
    for (int slot = 0; slot < 5; ++slot) {
        QPushButton* button = PlainButton(QStringLiteral("Value %1").arg(slot + 1),
            QStringLiteral("value%1Button").arg(slot + 1).toLatin1().constData(), this);
        button->setCheckable(true);
        buttons->addButton(button, slot);
        buttonColumn->addWidget(button);
    }
    buttonColumn->addStretch(1);

    firstStack = new QStackedWidget(this);
    numberBox = RangedNumberBox("valueNumberBox", INT_MIN, INT_MAX, -32768, 32767, firstStack);
    textEdit = NamedWidget<QLineEdit>("valueTextEdit", firstStack);
    firstStack->addWidget(numberBox);
    firstStack->addWidget(textEdit);
    firstStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    secondBox = RangedNumberBox("valueSecondBox", 0, SlotPartLimit, 0, SlotPartLimit, this);
    choiceCombo = NamedWidget<QComboBox>("valueChoiceCombo", this);
    flagList = new CFlagList(CFlagList::Column, this);
    flagList->setObjectName(QStringLiteral("valueFlagList"));
    flagList->setMinimumHeight(80);

    auto* controls = new QGridLayout;
    controls->addWidget(firstStack, 0, 0);
    controls->addWidget(secondBox, 0, 1);
    controls->addWidget(choiceCombo, 1, 0, 1, 2);
    controls->addWidget(flagList, 2, 0, 1, 2);
    controls->setRowStretch(2, 1);
    controls->setColumnStretch(0, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buttonColumn);
    layout->addLayout(controls, 1);

    connect(buttons, &QButtonGroup::idClicked, this, &CValueSlotsPanel::Pressed);
    connect(flagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        marks ^= value;
        flagList->ShowFlags(marks);
    });
}

void CValueSlotsPanel::SetState(CObjectEditState* newState)
{
    state = newState;
    Refresh();
}

void CValueSlotsPanel::Refresh()
{
    SetUpButtons();
    Show(state ? state->FirstUsedSlot() : -1);
}

void CValueSlotsPanel::SetUpButtons()
{
    const CObjTypeEntry* type = state ? state->Type() : nullptr;
    buttons->setExclusive(false);
    for (int slot = 0; slot < 5; ++slot) {
        QAbstractButton* button = buttons->button(slot);
        const bool used = state && state->SlotUsed(slot);
        button->setChecked(false);
        button->setEnabled(used);
        button->setText(used ? FromBytes(type->slots[slot].label) : QStringLiteral("No Use"));
    }
    buttons->setExclusive(true);
}

void CValueSlotsPanel::Show(int slot)
{
    choices.clear();
    choiceCombo->clear();
    NumberRanges(numberBox);
    numberBox->setValue(0);
    secondBox->setValue(0);
    textEdit->clear();
    flagList->clear();
    marks = 0;
    for (QWidget* control : { static_cast<QWidget*>(choiceCombo), static_cast<QWidget*>(numberBox),
             static_cast<QWidget*>(textEdit), static_cast<QWidget*>(secondBox), static_cast<QWidget*>(flagList) })
        control->setEnabled(false);
    firstStack->setCurrentWidget(numberBox);

    shownSlot = state && state->SlotUsed(slot) ? slot : -1;
    if (shownSlot < 0)
        return;
    buttons->button(slot)->setChecked(true);
    const char kind = state->Kind(slot);
    const CEntryTable<CTableEntry>* table = state->SlotTable(slot);
    const int32_t number = state->obj.values[static_cast<size_t>(slot)];
    const std::string& text = state->obj.valueTexts[static_cast<size_t>(slot)];
    switch (ControlOfKind(kind)) {
    case SlotControl::Flags:
        marks = static_cast<uint32_t>(number);
        flagList->Fill(table ? *table : noFlags, marks);
        flagList->setEnabled(true);
        break;
    case SlotControl::Choice:
        choices = SlotChoices(kind, table);
        for (const CSlotChoice& choice : choices)
            choiceCombo->addItem(FromBytes(choice.shown));
        choiceCombo->setCurrentIndex(ChoiceOfValue(kind, choices, number, text));
        choiceCombo->setEnabled(true);
        break;
    case SlotControl::Number:
        numberBox->setValue(number);
        numberBox->setEnabled(true);
        break;
    case SlotControl::TwoNumbers:
        numberBox->SetRanges(0, SlotPartLimit, 0, SlotPartLimit);
        numberBox->setValue(LowPart(number));
        secondBox->setValue(HighPart(number));
        numberBox->setEnabled(true);
        secondBox->setEnabled(true);
        break;
    case SlotControl::Text:
        firstStack->setCurrentWidget(textEdit);
        ShowText(textEdit, text);
        textEdit->setEnabled(true);
        break;
    case SlotControl::None:
        break;
    }
}

bool CValueSlotsPanel::Commit()
{
    if (shownSlot < 0 || !state || !state->Type())
        return true;
    const char kind = state->Kind(shownSlot);
    int32_t& number = state->obj.values[static_cast<size_t>(shownSlot)];
    std::string& text = state->obj.valueTexts[static_cast<size_t>(shownSlot)];
    switch (ControlOfKind(kind)) {
    case SlotControl::Flags:
        number = static_cast<int32_t>(CommitNamedFlags(static_cast<uint32_t>(number), state->SlotTable(shownSlot), marks));
        break;
    case SlotControl::Choice: {
        const int chosen = choiceCombo->currentIndex();
        if (chosen >= 0 && chosen < static_cast<int>(choices.size()))
            CommitChoice(kind, choices[static_cast<size_t>(chosen)], number, text);
        break;
    }
    case SlotControl::Number: {
        int typed = 0;
        if (!TakeNumber(numberBox, typed))
            return false;
        number = typed;
        break;
    }
    case SlotControl::TwoNumbers: {
        int low = 0;
        int high = 0;
        if (!TakeNumber(numberBox, low) || !TakeNumber(secondBox, high))
            return false;
        number = JoinParts(number, low, high);
        break;
    }
    case SlotControl::Text:
        text = ToBytes(textEdit->text());
        break;
    case SlotControl::None:
        break;
    }
    return true;
}

void CValueSlotsPanel::Pressed(int slot)
{
    if (!Commit()) {
        // The shown slot stays until its controls are accepted.
        buttons->button(shownSlot)->setChecked(true);
        return;
    }
    Show(slot);
}
