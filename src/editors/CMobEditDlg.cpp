#include "editors/CMobEditDlg.h"

#include "area/CTolvexDoc.h"
#include "area/MobRecord.h"
#include "editors/CMercDataDlg.h"
#include "editors/CMobprogDlg.h"
#include "editors/CShopEditDlg.h"
#include "editors/CTrainersDlg.h"
#include "editors/CTriggerListPanel.h"
#include "editors/DialogParts.h"
#include "editors/LowerCaseTyping.h"
#include "editors/RecordClipboard.h"
#include "gui/TextFit.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <climits>
#include <vector>

namespace {

// What ROM keeps in its 16-bit fields; the arrows keep to the editor's ranges.
constexpr int ShortLowest = -32768;
constexpr int ShortHighest = 32767;

// Selects the choice whose data is `name`, or none; nothing is stored.
void SelectName(QComboBox* combo, const std::string& name, Qt::CaseSensitivity sensitivity)
{
    const QString wanted = FromBytes(name);
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemData(i).toString().compare(wanted, sensitivity) == 0) {
            combo->setCurrentIndex(i);
            return;
        }
    combo->setCurrentIndex(-1);
}

} // namespace

CMobEditDlg::CMobEditDlg(const CTolvexDoc& area, const CMobData& mob, int ownIndex, QWidget* parent)
    : QDialog(parent)
    , doc(area)
    , state(mob, area.Tables(), area.lowerVnum, area.upperVnum, ownIndex)
{
    setObjectName(QStringLiteral("mobEditDialog"));
    setWindowTitle(QStringLiteral("Mob Edit"));
    BuildWidgets();
    FillChoices();

    const CConfigTables& tables = area.Tables();
    triggerPanel->editTrigger = [this](CMobTrigger& trigger) {
        return CMobprogDlg::EditTrigger(this, this->doc, trigger);
    };
    triggerPanel->SetList(&state.mob.triggers, tables.mobprog != 0);
    // Mercenaries and trainers exist only in the QUENDAR dialect.
    mercButton->setEnabled(tables.mudType == MudType::Quendar);
    trainerButton->setEnabled(tables.mudType == MudType::Quendar);
    flagButtons->button(0)->setChecked(true);
    ShowMob();
    ShowStore(QStringLiteral("New"));
}

void CMobEditDlg::BuildWidgets()
{
    QMenuBar* menuBar = CopyPasteMenuBar(
        this, "Mob", [this] { CopyMob(); }, [this] { PasteMob(); });

    // Created in tab order.
    vnumBox = RangedNumberBox("vnumBox", 0, CTolvexDoc::LargestVnum, 0, CTolvexDoc::LargestVnum, this);
    raceCombo = NamedWidget<QComboBox>("raceCombo", this);
    nameEdit = NamedWidget<QLineEdit>("nameEdit", this);
    LowerCaseTyping(nameEdit);
    // Players see the short description as it is written: no case is forced.
    shortEdit = NamedWidget<QLineEdit>("shortDescEdit", this);
    longEdit = NamedWidget<QLineEdit>("longDescEdit", this);
    descriptionEdit = TextBox("descriptionEdit", this);
    // Descriptions are wrapped near 72 columns when saved.
    descriptionEdit->setMinimumSize(descriptionEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 74, 90);
    QWidget* numbers = BuildNumbers();
    QWidget* words = BuildWords();
    QWidget* flags = BuildFlags();
    auto* storeGroup = new QGroupBox(QStringLiteral("Store"), this);
    storeEditButton = PlainButton(QString(), "storeEditButton", storeGroup);
    storeDeleteButton = PlainButton(QStringLiteral("Delete"), "storeDeleteButton", storeGroup);
    auto* mercGroup = new QGroupBox(QStringLiteral("Mercenary Data"), this);
    mercButton = PlainButton(QStringLiteral("Edit"), "mercDataButton", mercGroup);
    trainerButton = PlainButton(QStringLiteral("Trainer"), "trainerButton", this);
    triggerPanel = new CTriggerListPanel(this);
    auto* buttons = OkCancelButtons(this);

    auto* storeLayout = new QHBoxLayout(storeGroup);
    storeLayout->addWidget(storeEditButton);
    storeLayout->addWidget(storeDeleteButton);
    auto* mercLayout = new QHBoxLayout(mercGroup);
    mercLayout->addWidget(mercButton);

    auto* texts = new QGridLayout;
    texts->addWidget(Caption("&VNum:", vnumBox, this), 0, 0);
    auto* vnumRow = new QHBoxLayout;
    vnumRow->addWidget(vnumBox);
    vnumRow->addWidget(Caption("&Race:", raceCombo, this));
    vnumRow->addWidget(raceCombo, 1);
    texts->addLayout(vnumRow, 0, 1);
    texts->addWidget(Caption("&Name:", nameEdit, this), 1, 0);
    texts->addWidget(nameEdit, 1, 1);
    texts->addWidget(Caption("&Short Descr:", shortEdit, this), 2, 0);
    texts->addWidget(shortEdit, 2, 1);
    texts->addWidget(Caption("Long &Descr:", longEdit, this), 3, 0);
    texts->addWidget(longEdit, 3, 1);
    texts->addWidget(Caption("Descr&iption:", descriptionEdit, this), 4, 0, 1, 2);
    texts->addWidget(descriptionEdit, 5, 0, 1, 2);
    texts->setRowStretch(5, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(texts, 1);
    left->addWidget(numbers);
    left->addWidget(words);

    auto* sideButtons = new QHBoxLayout;
    sideButtons->addWidget(storeGroup);
    sideButtons->addWidget(mercGroup);
    sideButtons->addWidget(trainerButton, 0, Qt::AlignBottom);
    auto* right = new QVBoxLayout;
    right->addWidget(flags, 1);
    right->addLayout(sideButtons);
    right->addWidget(triggerPanel, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    connect(raceCombo, &QComboBox::activated, this, &CMobEditDlg::RaceChosen);
    connect(defaultStatsButton, &QPushButton::clicked, this, &CMobEditDlg::DefaultStats);
    connect(storeEditButton, &QPushButton::clicked, this, &CMobEditDlg::StoreEdit);
    connect(storeDeleteButton, &QPushButton::clicked, this, &CMobEditDlg::StoreDelete);
    connect(mercButton, &QPushButton::clicked, this, &CMobEditDlg::MercData);
    connect(trainerButton, &QPushButton::clicked, this, &CMobEditDlg::Trainers);
    // Only the builder's choice stores a word; filling a list selects too.
    const auto storeName = [this](QComboBox* combo, std::string CMobData::*field) {
        connect(combo, &QComboBox::activated, this, [this, combo, field](int index) {
            if (index >= 0)
                state.mob.*field = ToBytes(combo->itemData(index).toString());
        });
    };
    storeName(damTypeCombo, &CMobData::damType);
    storeName(startPosCombo, &CMobData::startPos);
    storeName(defaultPosCombo, &CMobData::defaultPos);
    storeName(sexCombo, &CMobData::sex);
    storeName(sizeCombo, &CMobData::size);
}

QWidget* CMobEditDlg::BuildNumbers()
{
    auto* panel = new QWidget(this);
    alignmentBox = RangedNumberBox("alignmentBox", -1000, 1000, -1000, 1000, panel);
    groupBox = RangedNumberBox("groupBox", -1, ShortHighest, -1, ShortHighest, panel);
    hitrollBox = RangedNumberBox("hitrollBox", ShortLowest, ShortHighest, 0, ShortHighest, panel);
    levelBox = RangedNumberBox("levelBox", ShortLowest, ShortHighest, 0, ShortHighest, panel);
    defaultStatsButton = PlainButton(QStringLiteral("D"), "defaultStatsButton", panel);
    defaultStatsButton->setToolTip(QStringLiteral("Hit dice, armour and damage dice for the level"));
    defaultStatsButton->setMaximumWidth(defaultStatsButton->fontMetrics().horizontalAdvance(QStringLiteral("D")) + 24);
    damTypeCombo = NamedWidget<QComboBox>("damTypeCombo", panel);
    moneyBox = RangedNumberBox("moneyBox", INT_MIN, INT_MAX, 0, ShortHighest, panel);
    const char* const diceNames[3][3] = {
        { "hitNumberBox", "hitSizeBox", "hitBonusBox" },
        { "manaNumberBox", "manaSizeBox", "manaBonusBox" },
        { "damNumberBox", "damSizeBox", "damBonusBox" },
    };
    std::array<CNumberBox*, 3>* dice[] = { &hitBoxes, &manaBoxes, &damBoxes };
    for (int row = 0; row < 3; ++row)
        for (int part = 0; part < 3; ++part)
            (*dice[row])[static_cast<size_t>(part)]
                = RangedNumberBox(diceNames[row][part], ShortLowest, ShortHighest, 0, ShortHighest, panel);
    auto* acGroup = new QGroupBox(QStringLiteral("Armour &Class"), panel);
    const char* const acNames[] = { "acPierceBox", "acBashBox", "acSlashBox", "acExoticBox" };
    for (size_t i = 0; i < acBoxes.size(); ++i) {
        acBoxes[i] = RangedNumberBox(acNames[i], ShortLowest, ShortHighest, ShortLowest, ShortHighest, acGroup);
        // The file holds tenths: anything else would be rounded on saving.
        acBoxes[i]->SetMultipleOf(10);
    }

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption("&Alignment:", alignmentBox, panel), 0, 0);
    grid->addWidget(alignmentBox, 0, 1);
    grid->addWidget(Caption("&Group:", groupBox, panel), 0, 2);
    grid->addWidget(groupBox, 0, 3);
    grid->addWidget(Caption("Hi&troll:", hitrollBox, panel), 1, 0);
    grid->addWidget(hitrollBox, 1, 1);
    grid->addWidget(Caption("&Level:", levelBox, panel), 1, 2);
    grid->addWidget(levelBox, 1, 3);
    grid->addWidget(defaultStatsButton, 1, 4);
    grid->addWidget(Caption("Dam T&ype:", damTypeCombo, panel), 2, 0);
    grid->addWidget(damTypeCombo, 2, 1);
    grid->addWidget(Caption("M&oney:", moneyBox, panel), 2, 2);
    grid->addWidget(moneyBox, 2, 3);
    const char* const diceCaptions[] = { "&Hit:", "Mana:", "Dam:" };
    auto* diceGrid = new QGridLayout;
    for (int row = 0; row < 3; ++row) {
        std::array<CNumberBox*, 3>& boxes = *dice[row];
        diceGrid->addWidget(Caption(diceCaptions[row], boxes[0], panel), row, 0);
        diceGrid->addWidget(boxes[0], row, 1);
        diceGrid->addWidget(new QLabel(QStringLiteral("D"), panel), row, 2);
        diceGrid->addWidget(boxes[1], row, 3);
        diceGrid->addWidget(new QLabel(QStringLiteral("+"), panel), row, 4);
        diceGrid->addWidget(boxes[2], row, 5);
    }
    auto* acGrid = new QGridLayout(acGroup);
    const char* const acCaptions[] = { "Pierce:", "Bash:", "Slash:", "Magic:" };
    // Screen order: pierce, slash / bash, magic.
    const int acRow[] = { 0, 1, 0, 1 };
    const int acColumn[] = { 0, 0, 2, 2 };
    for (size_t i = 0; i < acBoxes.size(); ++i) {
        acGrid->addWidget(Caption(acCaptions[i], acBoxes[i], acGroup), acRow[i], acColumn[i]);
        acGrid->addWidget(acBoxes[i], acRow[i], acColumn[i] + 1);
    }
    grid->addLayout(diceGrid, 3, 0, 1, 5);
    grid->addWidget(acGroup, 4, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget* CMobEditDlg::BuildWords()
{
    auto* panel = new QWidget(this);
    startPosCombo = NamedWidget<QComboBox>("startPosCombo", panel);
    defaultPosCombo = NamedWidget<QComboBox>("defaultPosCombo", panel);
    sexCombo = NamedWidget<QComboBox>("sexCombo", panel);
    sizeCombo = NamedWidget<QComboBox>("sizeCombo", panel);
    materialEdit = NamedWidget<QLineEdit>("materialEdit", panel);
    LowerCaseTyping(materialEdit);
    specialEdit = NamedWidget<QLineEdit>("specialEdit", panel);
    LowerCaseTyping(specialEdit);
    // The name is written as one word.
    specialEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\s]*")), specialEdit));

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption("Initial &Pos:", startPosCombo, panel), 0, 0);
    grid->addWidget(startPosCombo, 0, 1);
    grid->addWidget(Caption("De&fault Pos:", defaultPosCombo, panel), 0, 2);
    grid->addWidget(defaultPosCombo, 0, 3);
    grid->addWidget(Caption("Se&x:", sexCombo, panel), 1, 0);
    grid->addWidget(sexCombo, 1, 1);
    grid->addWidget(Caption("Si&ze:", sizeCombo, panel), 1, 2);
    grid->addWidget(sizeCombo, 1, 3);
    grid->addWidget(Caption("&Material:", materialEdit, panel), 2, 0);
    grid->addWidget(materialEdit, 2, 1);
    grid->addWidget(Caption("Specf&un:", specialEdit, panel), 2, 2);
    grid->addWidget(specialEdit, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* CMobEditDlg::BuildFlags()
{
    auto* group = new QGroupBox(QStringLiteral("Flags"), this);
    flagButtons = new QButtonGroup(this);
    flagButtons->setExclusive(true);
    auto* buttonGrid = new QGridLayout;
    buttonGrid->setSpacing(2);
    for (int set = 0; set < MobFlagSetCount; ++set) {
        QPushButton* button
            = PlainButton(QString::fromLatin1(MobFlagSets[set].caption), MobFlagSets[set].buttonName, group);
        button->setCheckable(true);
        flagButtons->addButton(button, set);
        buttonGrid->addWidget(button, set / 4, set % 4);
    }
    flagList = new CFlagList(CFlagList::Rows, group);
    flagList->setObjectName(QStringLiteral("mobFlagList"));
    flagList->setMinimumHeight(140);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(buttonGrid);
    layout->addWidget(flagList, 1);

    connect(flagButtons, &QButtonGroup::idClicked, this, &CMobEditDlg::FlagSetChosen);
    connect(flagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        state.ToggleFlag(shownSet, value);
        flagList->ShowFlags(state.FlagSet(shownSet));
    });
    return group;
}

void CMobEditDlg::FillChoices()
{
    const CConfigTables& tables = doc.Tables();
    std::vector<CChoice> races;
    for (int i = 0; i < tables.mobFlags.Count(); ++i)
        races.push_back({ FromBytes(tables.mobFlags[i].name), i });
    FillSorted(raceCombo, races);

    std::vector<CChoice> attacks;
    for (int i = 0; i < tables.attackTypes.Count(); ++i)
        attacks.push_back({ FromBytes(tables.attackTypes[i].text), FromBytes(tables.attackTypes[i].name) });
    FillSorted(damTypeCombo, attacks);

    for (const auto& pos : tables.pos)
        for (QComboBox* combo : { startPosCombo, defaultPosCombo })
            combo->addItem(FromBytes(pos->text.empty() ? pos->name : pos->text), FromBytes(pos->name));
    for (const auto& sex : tables.sex)
        sexCombo->addItem(FromBytes(sex->name), FromBytes(sex->name));
    for (const auto& size : tables.size)
        sizeCombo->addItem(FromBytes(size->name), FromBytes(size->name));
}

void CMobEditDlg::ShowMob()
{
    const CMobData& mob = state.mob;
    vnumBox->setValue(mob.vnum);
    // Selecting the mob's race is not choosing it: the flag sets stay.
    raceCombo->setCurrentIndex(raceCombo->findText(FromBytes(mob.race), Qt::MatchFixedString));
    ShowText(nameEdit, mob.name);
    ShowText(shortEdit, mob.shortDesc);
    ShowText(longEdit, mob.longDesc);
    descriptionEdit->setPlainText(FromBytes(mob.description));
    shownDescription = BoxText(descriptionEdit);
    alignmentBox->setValue(mob.alignment);
    groupBox->setValue(mob.group);
    hitrollBox->setValue(mob.hitroll);
    levelBox->setValue(mob.level);
    moneyBox->setValue(mob.wealth);
    for (size_t i = 0; i < 3; ++i) {
        hitBoxes[i]->setValue(mob.hitDice[i]);
        manaBoxes[i]->setValue(mob.manaDice[i]);
        damBoxes[i]->setValue(mob.damDice[i]);
    }
    for (size_t i = 0; i < acBoxes.size(); ++i)
        acBoxes[i]->setValue(mob.ac[i]);
    SelectName(damTypeCombo, mob.damType, Qt::CaseSensitive);
    // Other editors write positions and sizes in other cases.
    SelectName(startPosCombo, mob.startPos, Qt::CaseInsensitive);
    SelectName(defaultPosCombo, mob.defaultPos, Qt::CaseInsensitive);
    SelectName(sexCombo, mob.sex, Qt::CaseInsensitive);
    SelectName(sizeCombo, mob.size, Qt::CaseInsensitive);
    ShowText(materialEdit, mob.material);
    ShowText(specialEdit, mob.special);
    ShowFlagSet();
    triggerPanel->Refresh();
}

void CMobEditDlg::ShowFlagSet()
{
    flagButtons->button(shownSet)->setChecked(true);
    flagList->Fill(doc.Tables().*MobFlagSets[shownSet].table, state.FlagSet(shownSet));
    flagList->sortItems(Qt::DescendingOrder);
}

void CMobEditDlg::ShowStore(const QString& newCaption)
{
    const bool hasShop = state.mob.shop.has_value();
    storeEditButton->setText(hasShop ? QStringLiteral("Edit") : newCaption);
    storeDeleteButton->setEnabled(hasShop);
}

bool CMobEditDlg::TakeControls()
{
    CMobData& mob = state.mob;
    CMobData taken = mob;
    if (!vnumBox->Take(taken.vnum) || !alignmentBox->Take(taken.alignment) || !groupBox->Take(taken.group)
        || !hitrollBox->Take(taken.hitroll) || !levelBox->Take(taken.level) || !moneyBox->Take(taken.wealth))
        return false;
    for (size_t i = 0; i < 3; ++i)
        if (!hitBoxes[i]->Take(taken.hitDice[i]) || !manaBoxes[i]->Take(taken.manaDice[i])
            || !damBoxes[i]->Take(taken.damDice[i]))
            return false;
    for (size_t i = 0; i < acBoxes.size(); ++i)
        if (!acBoxes[i]->Take(taken.ac[i]))
            return false;
    taken.name = ToBytes(nameEdit->text());
    taken.shortDesc = ToBytes(shortEdit->text());
    taken.longDesc = ToBytes(longEdit->text());
    const QString description = BoxText(descriptionEdit);
    if (description != shownDescription)
        taken.description = ToBytes(description);
    taken.material = ToBytes(materialEdit->text());
    taken.special = ToBytes(specialEdit->text());
    mob = taken;
    return true;
}

QWidget* CMobEditDlg::FieldWidget(MobField field) const
{
    switch (field) {
    case MobField::Vnum: return vnumBox;
    case MobField::Group: return groupBox;
    case MobField::Race: return raceCombo;
    case MobField::Name: return nameEdit;
    case MobField::DamType: return damTypeCombo;
    case MobField::StartPos: return startPosCombo;
    case MobField::DefaultPos: return defaultPosCombo;
    case MobField::Sex: return sexCombo;
    case MobField::Size: return sizeCombo;
    case MobField::Material: return materialEdit;
    case MobField::Special: return specialEdit;
    case MobField::None: break;
    }
    return nullptr;
}

void CMobEditDlg::RaceChosen(int index)
{
    if (index < 0)
        return;
    state.ChooseRace(raceCombo->itemData(index).toInt());
    ShowFlagSet();
}

void CMobEditDlg::FlagSetChosen(int set)
{
    if (set == shownSet)
        return;
    shownSet = set;
    ShowFlagSet();
}

void CMobEditDlg::DefaultStats()
{
    if (TakeControls() && state.ApplyLevelStats())
        ShowMob();
}

void CMobEditDlg::StoreEdit()
{
    if (!state.mob.shop) {
        // The shop stays even when the Shop Editor is cancelled.
        state.AddShop();
        ShowStore(QStringLiteral("New"));
    }
    CShopData shop = *state.mob.shop;
    if (CShopEditDlg::EditShop(this, doc.Tables(), shop))
        state.mob.shop = shop;
}

void CMobEditDlg::StoreDelete()
{
    state.DeleteShop();
    ShowStore(QStringLiteral("New"));
    storeEditButton->setFocus(Qt::OtherFocusReason);
}

void CMobEditDlg::MercData()
{
    CMercDataDlg::EditMercData(this, doc.Tables(), state.mob);
}

void CMobEditDlg::Trainers()
{
    CTrainersDlg::EditTrainers(this, doc.Tables(), state.mob);
}

void CMobEditDlg::CopyMob()
{
    if (TakeControls())
        PutRecordOnClipboard(MobRecordFormat, WriteMobRecord(state.mob));
}

void CMobEditDlg::PasteMob()
{
    CMobData pasted = state.mob;
    QByteArray bytes;
    if (!RecordOnClipboard(MobRecordFormat, bytes))
        return;
    const bool whole = ReadMobRecord(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()), pasted);
    if (!TakeControls())
        return;
    if (!whole) {
        ShowError(this, QStringLiteral("The clipboard does not hold a complete mob."));
        return;
    }
    state.ApplyPaste(pasted);
    shownSet = 0;
    ShowMob();
    ShowStore(QStringLiteral("Nuevo"));
}

void CMobEditDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!TakeControls())
        return;
    state.mob.act |= 0x1;
    if (shownSet == 0)
        flagList->ShowFlags(state.mob.act);
    const CMobEditState::CCheck check = state.Check(doc);
    if (!check.message.empty()) {
        ShowError(this, FromBytes(check.message));
        if (QWidget* field = FieldWidget(check.field)) {
            field->setFocus(Qt::OtherFocusReason);
            if (auto* box = qobject_cast<QAbstractSpinBox*>(field))
                box->selectAll();
        }
        return;
    }
    QDialog::accept();
}

bool CMobEditDlg::EditMob(QWidget* parent, const CTolvexDoc& doc, CMobData& mob, int ownIndex)
{
    CMobEditDlg dialog(doc, mob, ownIndex, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    mob = dialog.Result();
    return true;
}
