#include "editors/CObjectEditDlg.h"

#include "area/CTolvexDoc.h"
#include "area/ObjectRecord.h"
#include "editors/CExtraDescPanel.h"
#include "editors/CTrainEditDlg.h"
#include "editors/DialogParts.h"
#include "editors/RecordClipboard.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>
#include <climits>

namespace {

const CEntryTable<CTableEntry> noFlags;

CNumberBox* NumberBox(const char* name, int lowest, int highest, int spinLowest, int spinHighest, QWidget* parent)
{
    auto* box = NamedWidget<CNumberBox>(name, parent);
    box->SetRanges(lowest, highest, spinLowest, spinHighest);
    return box;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The box's number. Text that is not a number is refused rather than read as 0.
bool TakeNumber(CNumberBox* box, int& value)
{
    bool number = false;
    box->cleanText().trimmed().toInt(&number);
    if (!number) {
        ShowError(box->window(), QStringLiteral("Please enter a number."));
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return false;
    }
    return box->Take(value);
}

// Letters typed into the box arrive in lower case; text the dialog puts in
// stays as it is.
class CLowerCaseTyping : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString lower = key->text().toLower();
        if (lower == key->text())
            return false;
        QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), lower, key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &typed);
        return true;
    }
};

} // namespace

CObjectEditDlg::CObjectEditDlg(const CTolvexDoc& doc, const CObjData& object, int ownIndex, QWidget* parent)
    : QDialog(parent)
    , doc(doc)
    , state(doc.Tables(), object, doc.lowerVnum, doc.upperVnum, ownIndex)
{
    setObjectName(QStringLiteral("objectEditDialog"));
    setWindowTitle(QStringLiteral("Object Edit"));
    BuildWidgets();

    const CConfigTables& tables = doc.Tables();
    FillTypes();
    for (const std::string& condition : CObjectEditState::Conditions())
        conditionCombo->addItem(FromBytes(condition));
    extraFlagList->Fill(tables.extraFlags, state.obj.extraFlags);
    extraFlagList->sortItems();
    wearFlagList->Fill(tables.wearFlags, state.obj.wearFlags);
    wearFlagList->sortItems();
    for (const auto& entry : tables.affTo)
        affectKindCombo->addItem(FromBytes(entry->name));
    for (const auto& entry : tables.affectLocation)
        affectLocationCombo->addItem(FromBytes(entry->name));
    trainButton->setEnabled(tables.mudType == MudQuendar);

    extraPanel->SetList(&state.obj.extraDescs);
    ShowObject();
    SetUpValueButtons();
    ShowSlot(state.FirstUsedSlot());
    RebuildAffectNumbers(0);
}

void CObjectEditDlg::BuildWidgets()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("objectEditMenuBar"));
    QMenu* editMenu = menuBar->addMenu(QStringLiteral("&Edit"));
    copyAction = editMenu->addAction(QStringLiteral("&Copy Object"));
    copyAction->setObjectName(QStringLiteral("copyObjectAction"));
    copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAction->setStatusTip(QStringLiteral("Copies the object data to the system clipboard"));
    copyAction->setToolTip(QStringLiteral("Copy Object"));
    pasteAction = editMenu->addAction(QStringLiteral("&Paste Object"));
    pasteAction->setObjectName(QStringLiteral("pasteObjectAction"));
    pasteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteAction->setStatusTip(QStringLiteral("Pastes the object data from the system clipboard"));
    pasteAction->setToolTip(QStringLiteral("Paste Object"));
    // The keys work whichever control has the focus.
    for (QAction* action : { copyAction, pasteAction }) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(copyAction, &QAction::triggered, this, &CObjectEditDlg::CopyObject);
    connect(pasteAction, &QAction::triggered, this, &CObjectEditDlg::PasteObject);

    // Created in tab order.
    vnumBox = NumberBox("vnumBox", 0, 32767, 0, 32767, this);
    typeCombo = NamedWidget<QComboBox>("typeCombo", this);
    nameEdit = NamedWidget<QLineEdit>("nameEdit", this);
    shortDescEdit = NamedWidget<QLineEdit>("shortDescEdit", this);
    longDescEdit = NamedWidget<QLineEdit>("longDescEdit", this);
    materialEdit = NamedWidget<QLineEdit>("materialEdit", this);
    // The game stores level and weight in 16 bits and the price in 32; the
    // spins keep to the usual range.
    levelBox = NumberBox("levelBox", -32768, 32767, 0, 32767, this);
    weightBox = NumberBox("weightBox", -32768, 32767, 0, 32767, this);
    priceBox = NumberBox("priceBox", INT_MIN, INT_MAX, 0, 32767, this);
    conditionCombo = NamedWidget<QComboBox>("conditionCombo", this);
    auto* extraFlagsGroup = new QGroupBox(QStringLiteral("Object Flags:"), this);
    extraFlagList = new CFlagList(CFlagList::Rows, extraFlagsGroup);
    extraFlagList->setObjectName(QStringLiteral("extraFlagList"));
    auto* wearFlagsGroup = new QGroupBox(QStringLiteral("Wear Flags:"), this);
    wearFlagList = new CFlagList(CFlagList::Rows, wearFlagsGroup);
    wearFlagList->setObjectName(QStringLiteral("wearFlagList"));
    QWidget* valuesGroup = BuildValuesGroup();
    extraPanel = new CExtraDescPanel(this);
    QWidget* affectsGroup = BuildAffectsGroup();
    trainButton = Button("T&rain Data", "trainDataButton", this);
    auto* buttons = OkCancelButtons(this);

    auto* lowerCase = new CLowerCaseTyping(this);
    nameEdit->installEventFilter(lowerCase);
    materialEdit->installEventFilter(lowerCase);

    auto* texts = new QGridLayout;
    texts->addWidget(Caption("&Vnum:", vnumBox, this), 0, 0);
    auto* vnumRow = new QHBoxLayout;
    vnumRow->addWidget(vnumBox);
    vnumRow->addSpacing(12);
    vnumRow->addWidget(Caption("T&ype:", typeCombo, this));
    vnumRow->addWidget(typeCombo, 1);
    texts->addLayout(vnumRow, 0, 1);
    texts->addWidget(Caption("&Name:", nameEdit, this), 1, 0);
    texts->addWidget(nameEdit, 1, 1);
    texts->addWidget(Caption("&Short Descr:", shortDescEdit, this), 2, 0);
    texts->addWidget(shortDescEdit, 2, 1);
    texts->addWidget(Caption("&Long Descr:", longDescEdit, this), 3, 0);
    texts->addWidget(longDescEdit, 3, 1);
    texts->addWidget(Caption("&Material:", materialEdit, this), 4, 0);
    texts->addWidget(materialEdit, 4, 1);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Caption("Level:", levelBox, this));
    numbers->addWidget(levelBox);
    numbers->addWidget(Caption("&Weight:", weightBox, this));
    numbers->addWidget(weightBox);
    numbers->addWidget(Caption("&Price:", priceBox, this));
    numbers->addWidget(priceBox);
    numbers->addWidget(Caption("C&ondition:", conditionCombo, this));
    numbers->addWidget(conditionCombo);
    numbers->addStretch(1);
    texts->addLayout(numbers, 5, 0, 1, 2);
    texts->setColumnStretch(1, 1);

    for (auto [group, list] : { std::pair { extraFlagsGroup, extraFlagList }, std::pair { wearFlagsGroup, wearFlagList } }) {
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(list);
        list->setMinimumHeight(90);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(texts);
    left->addWidget(extraFlagsGroup, 1);
    left->addWidget(wearFlagsGroup, 1);
    left->addWidget(extraPanel, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(valuesGroup, 1);
    right->addWidget(affectsGroup, 1);
    right->addWidget(trainButton, 0, Qt::AlignLeft);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    // Only the builder's own choices change the type or the condition: the
    // program setting a choice must not clear the values.
    connect(typeCombo, &QComboBox::activated, this, &CObjectEditDlg::TypeChosen);
    connect(conditionCombo, &QComboBox::activated, this, [this](int index) {
        state.obj.condition = CObjectEditState::Conditions()[static_cast<size_t>(index)];
    });
    connect(extraFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        state.obj.extraFlags ^= value;
        extraFlagList->ShowFlags(state.obj.extraFlags);
    });
    connect(wearFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        state.obj.wearFlags ^= value;
        wearFlagList->ShowFlags(state.obj.wearFlags);
    });
    connect(trainButton, &QPushButton::clicked, this, &CObjectEditDlg::EditTrainStops);
}

QWidget* CObjectEditDlg::BuildValuesGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Values"), this);
    valueButtons = new QButtonGroup(this);
    valueButtons->setExclusive(true);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->setSpacing(2);
    for (int slot = 0; slot < 5; ++slot) {
        auto* button = new QPushButton(QStringLiteral("Value %1").arg(slot + 1), group);
        button->setObjectName(QStringLiteral("value%1Button").arg(slot + 1));
        button->setCheckable(true);
        button->setAutoDefault(false);
        valueButtons->addButton(button, slot);
        buttonColumn->addWidget(button);
    }
    buttonColumn->addStretch(1);

    valueFirstStack = new QStackedWidget(group);
    valueNumberBox = NumberBox("valueNumberBox", INT_MIN, INT_MAX, -32768, 32767, valueFirstStack);
    valueTextEdit = NamedWidget<QLineEdit>("valueTextEdit", valueFirstStack);
    valueFirstStack->addWidget(valueNumberBox);
    valueFirstStack->addWidget(valueTextEdit);
    valueFirstStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    valueSecondBox = NumberBox("valueSecondBox", 0, SlotPartLimit, 0, SlotPartLimit, group);
    valueChoiceCombo = NamedWidget<QComboBox>("valueChoiceCombo", group);
    valueFlagList = new CFlagList(CFlagList::Column, group);
    valueFlagList->setObjectName(QStringLiteral("valueFlagList"));
    valueFlagList->setMinimumHeight(80);

    auto* controls = new QGridLayout;
    controls->addWidget(valueFirstStack, 0, 0);
    controls->addWidget(valueSecondBox, 0, 1);
    controls->addWidget(valueChoiceCombo, 1, 0, 1, 2);
    controls->addWidget(valueFlagList, 2, 0, 1, 2);
    controls->setRowStretch(2, 1);
    controls->setColumnStretch(0, 1);

    auto* layout = new QHBoxLayout(group);
    layout->addLayout(buttonColumn);
    layout->addLayout(controls, 1);

    connect(valueButtons, &QButtonGroup::idClicked, this, &CObjectEditDlg::SlotPressed);
    connect(valueFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        slotMarks ^= value;
        valueFlagList->ShowFlags(slotMarks);
    });
    return group;
}

QWidget* CObjectEditDlg::BuildAffectsGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Affects"), this);
    affectNumberCombo = NamedWidget<QComboBox>("affectNumberCombo", group);
    affectAddButton = Button("&Add", "affectAddButton", group);
    affectDeleteButton = Button("Dele&te", "affectDeleteButton", group);
    affectKindCombo = NamedWidget<QComboBox>("affectKindCombo", group);
    affectLocationCombo = NamedWidget<QComboBox>("affectLocationCombo", group);
    affectModifierBox = NumberBox("affectModifierBox", INT_MIN, INT_MAX, -32768, 32767, group);
    affectFlagList = new CFlagList(CFlagList::Column, group);
    affectFlagList->setObjectName(QStringLiteral("affectFlagList"));
    affectFlagList->setMinimumHeight(80);

    auto* layout = new QGridLayout(group);
    layout->addWidget(Caption("N&umber:", affectNumberCombo, group), 0, 0);
    layout->addWidget(affectNumberCombo, 0, 1);
    layout->addWidget(affectAddButton, 0, 2);
    layout->addWidget(affectDeleteButton, 0, 3);
    layout->addWidget(Caption("Type:", affectKindCombo, group), 1, 0);
    layout->addWidget(affectKindCombo, 1, 1, 1, 3);
    layout->addWidget(Caption("Modifies:", affectLocationCombo, group), 2, 0);
    layout->addWidget(affectLocationCombo, 2, 1, 1, 3);
    layout->addWidget(Caption("By:", affectModifierBox, group), 3, 0);
    layout->addWidget(affectModifierBox, 3, 1);
    layout->addWidget(affectFlagList, 4, 0, 1, 4);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);

    connect(affectNumberCombo, &QComboBox::activated, this, &CObjectEditDlg::AffectChosen);
    connect(affectAddButton, &QPushButton::clicked, this, &CObjectEditDlg::AddAffect);
    connect(affectDeleteButton, &QPushButton::clicked, this, &CObjectEditDlg::DeleteAffect);
    // Only the builder's choice of a kind clears the affect's flags.
    connect(affectKindCombo, &QComboBox::activated, this, &CObjectEditDlg::AffectKindChosen);
    connect(affectFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        affectMarks ^= value;
        affectFlagList->ShowFlags(affectMarks);
    });
    return group;
}

void CObjectEditDlg::FillTypes()
{
    std::vector<std::pair<QString, int>> types;
    for (const auto& entry : doc.Tables().objTypes)
        types.emplace_back(FromBytes(entry->name), entry->value);
    std::stable_sort(types.begin(), types.end(),
        [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    typeCombo->clear();
    for (const auto& type : types)
        typeCombo->addItem(type.first, type.second);
}

void CObjectEditDlg::ShowObject()
{
    const CObjData& obj = state.obj;
    vnumBox->setValue(obj.vnum);
    // A type the table lacks selects nothing and stays as it is.
    typeCombo->setCurrentIndex(obj.itemType == 0 ? -1 : typeCombo->findData(obj.itemType));
    nameEdit->setText(FromBytes(obj.name));
    shortDescEdit->setText(FromBytes(obj.shortDesc));
    longDescEdit->setText(FromBytes(obj.longDesc));
    materialEdit->setText(FromBytes(obj.material));
    levelBox->setValue(obj.level);
    weightBox->setValue(obj.weight);
    priceBox->setValue(obj.cost);
    conditionCombo->setCurrentIndex(state.ConditionChoice());
    extraFlagList->ShowFlags(obj.extraFlags);
    wearFlagList->ShowFlags(obj.wearFlags);
}

bool CObjectEditDlg::TakeControls()
{
    int vnum = 0;
    int level = 0;
    int weight = 0;
    int cost = 0;
    if (!TakeNumber(vnumBox, vnum) || !TakeNumber(levelBox, level) || !TakeNumber(weightBox, weight)
        || !TakeNumber(priceBox, cost))
        return false;
    CObjData& obj = state.obj;
    obj.vnum = vnum;
    obj.level = level;
    obj.weight = weight;
    obj.cost = cost;
    obj.name = ToBytes(nameEdit->text());
    obj.shortDesc = ToBytes(shortDescEdit->text());
    obj.longDesc = ToBytes(longDescEdit->text());
    obj.material = ToBytes(materialEdit->text());
    return true;
}

void CObjectEditDlg::SetUpValueButtons()
{
    const CObjTypeEntry* type = state.Type();
    valueButtons->setExclusive(false);
    for (int slot = 0; slot < 5; ++slot) {
        QAbstractButton* button = valueButtons->button(slot);
        const bool used = state.SlotUsed(slot);
        button->setChecked(false);
        button->setEnabled(used);
        button->setText(used ? FromBytes(type->slots[slot].label) : QStringLiteral("No Use"));
    }
    valueButtons->setExclusive(true);
}

void CObjectEditDlg::ShowSlot(int slot)
{
    shownChoices.clear();
    valueChoiceCombo->clear();
    valueNumberBox->SetRanges(INT_MIN, INT_MAX, -32768, 32767);
    valueNumberBox->setValue(0);
    valueSecondBox->setValue(0);
    valueTextEdit->clear();
    valueFlagList->clear();
    slotMarks = 0;
    for (QWidget* control : { static_cast<QWidget*>(valueChoiceCombo), static_cast<QWidget*>(valueNumberBox),
             static_cast<QWidget*>(valueTextEdit), static_cast<QWidget*>(valueSecondBox),
             static_cast<QWidget*>(valueFlagList) })
        control->setEnabled(false);
    valueFirstStack->setCurrentWidget(valueNumberBox);

    shownSlot = state.SlotUsed(slot) ? slot : -1;
    if (shownSlot < 0)
        return;
    valueButtons->button(slot)->setChecked(true);
    const char kind = state.Kind(slot);
    const CEntryTable<CTableEntry>* table = state.SlotTable(slot);
    const int32_t number = state.obj.values[static_cast<size_t>(slot)];
    const std::string& text = state.obj.valueTexts[static_cast<size_t>(slot)];
    switch (ControlOfKind(kind)) {
    case SlotControl::Flags:
        slotMarks = static_cast<uint32_t>(number);
        valueFlagList->Fill(table ? *table : noFlags, slotMarks);
        valueFlagList->setEnabled(true);
        break;
    case SlotControl::Choice:
        shownChoices = SlotChoices(kind, table);
        for (const CSlotChoice& choice : shownChoices)
            valueChoiceCombo->addItem(FromBytes(choice.shown));
        valueChoiceCombo->setCurrentIndex(ChoiceOfValue(kind, shownChoices, number, text));
        valueChoiceCombo->setEnabled(true);
        break;
    case SlotControl::Number:
        valueNumberBox->setValue(number);
        valueNumberBox->setEnabled(true);
        break;
    case SlotControl::TwoNumbers:
        valueNumberBox->SetRanges(0, SlotPartLimit, 0, SlotPartLimit);
        valueNumberBox->setValue(LowPart(number));
        valueSecondBox->setValue(HighPart(number));
        valueNumberBox->setEnabled(true);
        valueSecondBox->setEnabled(true);
        break;
    case SlotControl::Text:
        valueFirstStack->setCurrentWidget(valueTextEdit);
        valueTextEdit->setText(FromBytes(text));
        valueTextEdit->setEnabled(true);
        break;
    case SlotControl::None:
        break;
    }
}

bool CObjectEditDlg::CommitShownSlot()
{
    if (shownSlot < 0 || !state.Type())
        return true;
    const char kind = state.Kind(shownSlot);
    int32_t& number = state.obj.values[static_cast<size_t>(shownSlot)];
    std::string& text = state.obj.valueTexts[static_cast<size_t>(shownSlot)];
    switch (ControlOfKind(kind)) {
    case SlotControl::Flags:
        number = static_cast<int32_t>(CommitNamedFlags(static_cast<uint32_t>(number), state.SlotTable(shownSlot), slotMarks));
        break;
    case SlotControl::Choice: {
        const int chosen = valueChoiceCombo->currentIndex();
        if (chosen >= 0 && chosen < static_cast<int>(shownChoices.size()))
            CommitChoice(kind, shownChoices[static_cast<size_t>(chosen)], number, text);
        break;
    }
    case SlotControl::Number: {
        int typed = 0;
        if (!TakeNumber(valueNumberBox, typed))
            return false;
        number = typed;
        break;
    }
    case SlotControl::TwoNumbers: {
        int low = 0;
        int high = 0;
        if (!TakeNumber(valueNumberBox, low) || !TakeNumber(valueSecondBox, high))
            return false;
        number = JoinParts(number, low, high);
        break;
    }
    case SlotControl::Text:
        text = ToBytes(valueTextEdit->text());
        break;
    case SlotControl::None:
        break;
    }
    return true;
}

void CObjectEditDlg::SlotPressed(int slot)
{
    if (!CommitShownSlot()) {
        // The shown slot stays until its controls are accepted.
        valueButtons->button(shownSlot)->setChecked(true);
        return;
    }
    ShowSlot(slot);
}

void CObjectEditDlg::TypeChosen(int index)
{
    const int itemType = typeCombo->itemData(index).toInt();
    if (index < 0 || itemType == state.obj.itemType)
        return;
    state.ChangeType(itemType);
    SetUpValueButtons();
    shownSlot = -1;
    ShowSlot(state.FirstUsedSlot());
}

void CObjectEditDlg::RebuildAffectNumbers(int choose)
{
    affectNumberCombo->clear();
    for (size_t i = 0; i < state.obj.affects.size(); ++i)
        affectNumberCombo->addItem(QString::number(i));
    affectNumberCombo->setCurrentIndex(choose < affectNumberCombo->count() ? choose : affectNumberCombo->count() - 1);
    affectDeleteButton->setEnabled(affectNumberCombo->count() > 0);
    ShowAffect(affectNumberCombo->currentIndex());
}

void CObjectEditDlg::ShowAffect(int index)
{
    const bool valid = index >= 0 && index < static_cast<int>(state.obj.affects.size());
    shownAffect = valid ? index : -1;
    for (QWidget* control : { static_cast<QWidget*>(affectFlagList), static_cast<QWidget*>(affectKindCombo),
             static_cast<QWidget*>(affectLocationCombo), static_cast<QWidget*>(affectModifierBox) })
        control->setEnabled(valid);
    affectFlagList->clear();
    affectMarks = 0;
    if (!valid) {
        affectKindCombo->setCurrentIndex(-1);
        affectLocationCombo->setCurrentIndex(-1);
        affectModifierBox->setValue(0);
        return;
    }
    const CAffectData& affect = state.obj.affects[static_cast<size_t>(index)];
    const CEntryTable<CTableEntry>* flags = state.AffectFlagTable(affect.where);
    affectFlagList->setEnabled(affect.where != 0);
    affectMarks = affect.bits;
    affectFlagList->Fill(flags ? *flags : noFlags, affectMarks);
    // A kind or location beyond the tables selects nothing and stays.
    affectKindCombo->setCurrentIndex(affect.where < affectKindCombo->count() ? affect.where : -1);
    affectLocationCombo->setCurrentIndex(affect.location < affectLocationCombo->count() ? affect.location : -1);
    affectModifierBox->setValue(affect.modifier);
}

bool CObjectEditDlg::CommitShownAffect()
{
    if (shownAffect < 0)
        return true;
    int modifier = 0;
    if (!TakeNumber(affectModifierBox, modifier))
        return false;
    state.CommitAffect(shownAffect, affectKindCombo->currentIndex(), affectLocationCombo->currentIndex(), modifier,
        affectMarks);
    return true;
}

void CObjectEditDlg::AffectChosen(int index)
{
    if (index == shownAffect)
        return;
    if (!CommitShownAffect()) {
        affectNumberCombo->setCurrentIndex(shownAffect);
        return;
    }
    ShowAffect(index);
}

void CObjectEditDlg::AddAffect()
{
    if (!CommitShownAffect())
        return;
    RebuildAffectNumbers(state.AddAffect());
}

void CObjectEditDlg::DeleteAffect()
{
    if (state.DeleteAffect(shownAffect))
        RebuildAffectNumbers(0);
}

void CObjectEditDlg::AffectKindChosen(int where)
{
    if (shownAffect < 0)
        return;
    const int stored = state.obj.affects[static_cast<size_t>(shownAffect)].where;
    if (where == stored)
        return;
    if (!CommitShownAffect()) {
        affectKindCombo->setCurrentIndex(stored < affectKindCombo->count() ? stored : -1);
        return;
    }
    state.ChangeAffectKind(shownAffect, where);
    ShowAffect(shownAffect);
}

void CObjectEditDlg::EditTrainStops()
{
    std::vector<CTrainStop> stops = state.obj.trainStops;
    if (CTrainEditDlg::EditTrainStops(this, doc, stops))
        state.obj.trainStops = stops;
}

void CObjectEditDlg::accept()
{
    if (!TakeControls() || !CommitShownSlot() || !CommitShownAffect())
        return;
    const CObjectEditState::CRefusal refusal = state.Check(doc);
    if (refusal.field != CObjectEditState::Field::None) {
        ShowError(this, FromBytes(refusal.message));
        switch (refusal.field) {
        case CObjectEditState::Field::Vnum:
            vnumBox->setFocus(Qt::OtherFocusReason);
            vnumBox->selectAll();
            break;
        case CObjectEditState::Field::Type:
            typeCombo->setFocus(Qt::OtherFocusReason);
            break;
        default:
            nameEdit->setFocus(Qt::OtherFocusReason);
            break;
        }
        return;
    }
    state.Finish();
    QDialog::accept();
}

void CObjectEditDlg::CopyObject()
{
    // What the builder sees travels, the shown slot and affect included.
    if (TakeControls() && CommitShownSlot() && CommitShownAffect())
        PutRecordOnClipboard(ObjectRecordFormat, WriteObjectRecord(state.obj));
}

void CObjectEditDlg::PasteObject()
{
    QByteArray bytes;
    if (!RecordOnClipboard(ObjectRecordFormat, bytes))
        return;
    // The vnum never travels: the one the box shows stays.
    state.obj.vnum = vnumBox->value();
    if (!state.Paste(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()))) {
        ShowError(this, QStringLiteral("The clipboard does not hold a complete object."));
        return;
    }
    ShowObject();
    SetUpValueButtons();
    ShowSlot(state.FirstUsedSlot());
    extraPanel->Refresh();
    RebuildAffectNumbers(0);
}

bool CObjectEditDlg::EditObject(QWidget* parent, const CTolvexDoc& doc, CObjData& object, int ownIndex)
{
    CObjectEditDlg dialog(doc, object, ownIndex, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    object = dialog.State().obj;
    return true;
}
