#include "editors/CObjectEditDlg.h"

#include "area/CTolvexDoc.h"
#include "area/ObjectRecord.h"
#include "editors/CAffectsPanel.h"
#include "editors/CExtraDescPanel.h"
#include "editors/CTrainEditDlg.h"
#include "editors/CValueSlotsPanel.h"
#include "editors/DialogParts.h"
#include "editors/LowerCaseTyping.h"
#include "editors/ObjectEditParts.h"
#include "editors/RecordClipboard.h"
#include "gui/TextFit.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <climits>
#include <vector>

CObjectEditDlg::CObjectEditDlg(const CTolvexDoc& area, const CObjData& object, int ownIndex, QWidget* parent)
    : QDialog(parent)
    , doc(area)
    , state(area.Tables(), object, area.lowerVnum, area.upperVnum, ownIndex)
{
    setObjectName(QStringLiteral("objectEditDialog"));
    setWindowTitle(QStringLiteral("Object Edit"));
    BuildWidgets();

    const CConfigTables& tables = area.Tables();
    FillTypes();
    for (const std::string& condition : CObjectEditState::Conditions())
        conditionCombo->addItem(FromBytes(condition));
    extraFlagList->Fill(tables.extraFlags, state.obj.extraFlags);
    extraFlagList->sortItems();
    wearFlagList->Fill(tables.wearFlags, state.obj.wearFlags);
    wearFlagList->sortItems();
    trainButton->setEnabled(tables.mudType == MudType::Quendar);

    extraPanel->SetList(&state.obj.extraDescs);
    valuesPanel->SetState(&state);
    affectsPanel->SetState(&state);
    ShowObject();
}

int CObjectEditDlg::ShownSlot() const
{
    return valuesPanel->ShownSlot();
}

int CObjectEditDlg::ShownAffect() const
{
    return affectsPanel->ShownAffect();
}

void CObjectEditDlg::BuildWidgets()
{
    QMenuBar* menuBar = CopyPasteMenuBar(
        this, "Object", [this] { CopyObject(); }, [this] { PasteObject(); });

    // Created in tab order.
    vnumBox = RangedNumberBox("vnumBox", 0, CTolvexDoc::LargestVnum, 0, CTolvexDoc::LargestVnum, this);
    typeCombo = NamedWidget<QComboBox>("typeCombo", this);
    nameEdit = NamedWidget<QLineEdit>("nameEdit", this);
    shortDescEdit = NamedWidget<QLineEdit>("shortDescEdit", this);
    longDescEdit = NamedWidget<QLineEdit>("longDescEdit", this);
    materialEdit = NamedWidget<QLineEdit>("materialEdit", this);
    // The game stores level and weight in 16 bits and the price in 32; the
    // spins keep to the usual range.
    levelBox = RangedNumberBox("levelBox", -32768, 32767, 0, 32767, this);
    weightBox = RangedNumberBox("weightBox", -32768, 32767, 0, 32767, this);
    priceBox = RangedNumberBox("priceBox", INT_MIN, INT_MAX, 0, 32767, this);
    conditionCombo = NamedWidget<QComboBox>("conditionCombo", this);
    auto* extraFlagsGroup = new QGroupBox(QStringLiteral("Object Flags:"), this);
    extraFlagList = new CFlagList(CFlagList::Rows, extraFlagsGroup);
    extraFlagList->setObjectName(QStringLiteral("extraFlagList"));
    auto* wearFlagsGroup = new QGroupBox(QStringLiteral("Wear Flags:"), this);
    wearFlagList = new CFlagList(CFlagList::Rows, wearFlagsGroup);
    wearFlagList->setObjectName(QStringLiteral("wearFlagList"));
    valuesPanel = new CValueSlotsPanel(this);
    extraPanel = new CExtraDescPanel(this);
    affectsPanel = new CAffectsPanel(this);
    trainButton = PlainButton(QStringLiteral("T&rain Data"), "trainDataButton", this);
    auto* buttons = OkCancelButtons(this);

    LowerCaseTyping(nameEdit);
    LowerCaseTyping(materialEdit);

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
    texts->addWidget(Caption("Long &Descr:", longDescEdit, this), 3, 0);
    texts->addWidget(longDescEdit, 3, 1);
    texts->addWidget(Caption("&Material:", materialEdit, this), 4, 0);
    texts->addWidget(materialEdit, 4, 1);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Caption("&Level:", levelBox, this));
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
    right->addWidget(valuesPanel, 1);
    right->addWidget(affectsPanel, 1);
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

void CObjectEditDlg::FillTypes()
{
    std::vector<CChoice> types;
    for (const auto& entry : doc.Tables().objTypes)
        types.push_back({ FromBytes(entry->name), entry->value });
    typeCombo->clear();
    FillSorted(typeCombo, types);
}

void CObjectEditDlg::ShowObject()
{
    const CObjData& obj = state.obj;
    vnumBox->setValue(obj.vnum);
    // A type the table lacks selects nothing and stays as it is.
    typeCombo->setCurrentIndex(obj.itemType == 0 ? -1 : typeCombo->findData(obj.itemType));
    ShowText(nameEdit, obj.name);
    ShowText(shortDescEdit, obj.shortDesc);
    ShowText(longDescEdit, obj.longDesc);
    ShowText(materialEdit, obj.material);
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
    return valuesPanel->Commit() && affectsPanel->Commit();
}

void CObjectEditDlg::TypeChosen(int index)
{
    const int itemType = typeCombo->itemData(index).toInt();
    if (index < 0 || itemType == state.obj.itemType)
        return;
    state.ChangeType(itemType);
    valuesPanel->Refresh();
}

void CObjectEditDlg::EditTrainStops()
{
    std::vector<CTrainStop> stops = state.obj.trainStops;
    if (CTrainEditDlg::EditTrainStops(this, doc, stops))
        state.obj.trainStops = stops;
}

void CObjectEditDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!TakeControls())
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
    if (TakeControls())
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
    valuesPanel->Refresh();
    extraPanel->Refresh();
    affectsPanel->Refresh();
}

bool CObjectEditDlg::EditObject(QWidget* parent, const CTolvexDoc& doc, CObjData& object, int ownIndex)
{
    CObjectEditDlg dialog(doc, object, ownIndex, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    object = dialog.State().obj;
    return true;
}
