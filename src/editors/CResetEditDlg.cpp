#include "editors/CResetEditDlg.h"

#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "editors/DialogParts.h"
#include "gui/Prompt.h"
#include "area/CTolvexDoc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <vector>

CResetEditDlg::CResetEditDlg(const CTolvexDoc& area, const CResetData& reset, int roomVnum, QWidget* parent)
    : QDialog(parent)
    , doc(area)
    , state(reset, roomVnum)
    , stored(reset)
{
    setObjectName(QStringLiteral("resetEditDialog"));
    setWindowTitle(QStringLiteral("Reset Edit"));
    BuildWidgets();

    for (const CResetKind& kind : ResetKindsByName())
        typeCombo->addItem(QString::fromLatin1(kind.name), QChar::fromLatin1(kind.letter));
    typeCombo->setCurrentIndex(typeCombo->findData(QChar::fromLatin1(reset.command)));
    SetUpFields(reset.command);
    connect(typeCombo, &QComboBox::currentIndexChanged, this, &CResetEditDlg::KindChosen);
}

void CResetEditDlg::BuildWidgets()
{
    typeCombo = NamedWidget<QComboBox>("typeCombo", this);
    firstBox = NamedWidget<CNumberBox>("firstVnumBox", this);
    firstList = NamedWidget<QComboBox>("firstList", this);
    secondBox = NamedWidget<CNumberBox>("secondVnumBox", this);
    for (CNumberBox* box : { firstBox, secondBox })
        box->SetRange(0, CTolvexDoc::LargestVnum);
    secondList = NamedWidget<QComboBox>("secondList", this);
    maxBox = NamedWidget<CNumberBox>("maxBox", this);
    minBox = NamedWidget<CNumberBox>("minBox", this);
    choiceList = NamedWidget<QComboBox>("choiceList", this);
    doorList = NamedWidget<QComboBox>("doorList", this);
    for (QComboBox* list : { firstList, secondList })
        list->setMinimumContentsLength(28);
    for (QComboBox* list : { typeCombo, choiceList, doorList })
        list->setMinimumContentsLength(14);
    for (QComboBox* list : { typeCombo, firstList, secondList, choiceList, doorList })
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    firstLabel = Caption("nothing", firstBox, this);
    firstLabel->setObjectName(QStringLiteral("firstLabel"));
    secondLabel = Caption("nothing", secondBox, this);
    secondLabel->setObjectName(QStringLiteral("secondLabel"));
    listLabel = Caption("nothing", choiceList, this);
    listLabel->setObjectName(QStringLiteral("listLabel"));
    // The captions change with the kind; the column keeps the widest one.
    const int captionWidth = firstLabel->fontMetrics().horizontalAdvance(QStringLiteral("Direction:")) + 8;
    for (QLabel* label : { firstLabel, secondLabel, listLabel })
        label->setMinimumWidth(captionWidth);

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("&Type:", typeCombo, this), 0, 0);
    grid->addWidget(typeCombo, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(firstLabel, 1, 0);
    grid->addWidget(firstBox, 1, 1);
    grid->addWidget(firstList, 1, 2);
    grid->addWidget(secondLabel, 2, 0);
    grid->addWidget(secondBox, 2, 1);
    grid->addWidget(secondList, 2, 2);

    auto* counts = new QHBoxLayout;
    counts->addWidget(Caption("Ma&x:", maxBox, this));
    counts->addWidget(maxBox);
    counts->addSpacing(16);
    counts->addWidget(Caption("M&in:", minBox, this));
    counts->addWidget(minBox);
    counts->addStretch(1);
    grid->addLayout(counts, 3, 1, 1, 2);

    auto* lists = new QHBoxLayout;
    lists->addWidget(choiceList);
    lists->addSpacing(16);
    lists->addWidget(Caption("&Door:", doorList, this));
    lists->addWidget(doorList);
    lists->addStretch(1);
    grid->addWidget(listLabel, 4, 0);
    grid->addLayout(lists, 4, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    okButton = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Lists follow their boxes and the boxes their lists.
    connect(firstBox, &QSpinBox::valueChanged, this, [this](int vnum) { FollowBox(firstList, vnum); });
    connect(secondBox, &QSpinBox::valueChanged, this, [this](int vnum) { FollowBox(secondList, vnum); });
    connect(firstList, &QComboBox::activated, this, [this](int index) { firstBox->setValue(firstList->itemData(index).toInt()); });
    connect(secondList, &QComboBox::activated, this, [this](int index) { secondBox->setValue(secondList->itemData(index).toInt()); });
}

void CResetEditDlg::KindChosen()
{
    const QVariant letter = typeCombo->currentData();
    SetUpFields(letter.isValid() ? letter.toChar().toLatin1() : 0);
}

void CResetEditDlg::SetUpFields(char letter)
{
    const CResetFields fields = state.SelectKind(letter);

    firstLabel->setText(QString::fromLatin1(fields.firstLabel.c_str()));
    secondLabel->setText(QString::fromLatin1(fields.secondLabel.c_str()));
    listLabel->setText(QString::fromLatin1(fields.listLabel.c_str()));
    for (QComboBox* list : { firstList, secondList, choiceList, doorList })
        list->clear();

    if (fields.firstList != ResetVnumList::None)
        FillVnumList(firstList, fields.firstList == ResetVnumList::Mobs, state.firstVnum);
    if (fields.secondUsed)
        FillVnumList(secondList, false, state.secondVnum);
    if (fields.choiceList != ResetChoiceList::None) {
        const auto& table = fields.choiceList == ResetChoiceList::WearPositions ? doc.Tables().wearPos : doc.Tables().dirName;
        std::vector<CChoice> choices;
        for (const auto& entry : table)
            choices.push_back({ FromBytes(entry->name), entry->value });
        FillSorted(choiceList, choices);
        SelectByValue(choiceList, state.listValue);
    }
    if (fields.doorUsed) {
        doorList->addItem(QStringLiteral("nothing"), 0);
        doorList->addItem(QStringLiteral("closed"), 1);
        doorList->addItem(QStringLiteral("locked"), 2);
        SelectByValue(doorList, state.doorState);
    }

    const bool firstUsed = fields.firstList != ResetVnumList::None;
    {
        const QSignalBlocker blockFirst(firstBox);
        const QSignalBlocker blockSecond(secondBox);
        firstBox->setValue(state.firstVnum);
        secondBox->setValue(state.secondVnum);
    }
    maxBox->SetRange(fields.exitCountUsed ? 0 : CResetEditState::LowestCount,
        fields.exitCountUsed ? CResetEditState::MostExits : CResetEditState::HighestCount);
    minBox->SetRange(CResetEditState::LowestCount, CResetEditState::HighestCount);
    maxBox->setValue(state.max);
    minBox->setValue(state.min);
    firstBox->setEnabled(firstUsed);
    firstList->setEnabled(firstUsed);
    secondBox->setEnabled(fields.secondUsed);
    secondList->setEnabled(fields.secondUsed);
    maxBox->setEnabled(fields.maxMinUsed || fields.exitCountUsed);
    minBox->setEnabled(fields.maxMinUsed);
    choiceList->setEnabled(fields.choiceList != ResetChoiceList::None);
    doorList->setEnabled(fields.doorUsed);
    okButton->setEnabled(fields.okEnabled);
}

void CResetEditDlg::FillVnumList(QComboBox* list, bool mobs, int selected)
{
    std::vector<CChoice> choices;
    if (mobs) {
        for (const CMobData& mob : doc.mobs)
            choices.push_back({ QStringLiteral("%1 (%2)").arg(FromBytes(mob.shortDesc)).arg(mob.vnum), mob.vnum });
    } else {
        for (const CObjData& object : doc.objects)
            choices.push_back({ QStringLiteral("%1 (%2)").arg(FromBytes(object.shortDesc)).arg(object.vnum), object.vnum });
    }
    FillSorted(list, choices);
    SelectByValue(list, selected);
}

void CResetEditDlg::SelectByValue(QComboBox* list, int value)
{
    list->setCurrentIndex(list->findData(value));
}

void CResetEditDlg::FollowBox(QComboBox* list, int vnum)
{
    SelectByValue(list, vnum);
}

void CResetEditDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    // Boxes a kind does not use hold 0 and pass; the others must be in range.
    for (CNumberBox* box : { firstBox, secondBox, maxBox, minBox })
        if (!box->Take())
            return;
    if (state.Letter() == 0)
        return;
    state.firstVnum = firstBox->value();
    state.secondVnum = secondBox->value();
    state.max = maxBox->value();
    state.min = minBox->value();
    if (choiceList->currentIndex() >= 0)
        state.listValue = choiceList->currentData().toInt();
    if (doorList->currentIndex() >= 0)
        state.doorState = doorList->currentData().toInt();
    stored = state.Stored();
    QDialog::accept();
}

bool CResetEditDlg::EditReset(QWidget* parent, const CTolvexDoc& doc, CResetData& reset, int roomVnum)
{
    CResetEditDlg dialog(doc, reset, roomVnum, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reset = dialog.Reset();
    return true;
}
