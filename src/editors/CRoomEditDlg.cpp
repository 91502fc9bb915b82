#include "editors/CRoomEditDlg.h"

#include "editors/CExtraDescPanel.h"
#include "gui/TextFit.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "editors/CResetEditDlg.h"
#include "editors/CResetListPanel.h"
#include "editors/DialogParts.h"
#include "gui/Prompt.h"
#include "editors/RoomClipboard.h"
#include "area/CTolvexDoc.h"

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
#include <QSignalBlocker>

#include <algorithm>

namespace {

CNumberBox* NumberBox(const char* name, int lowest, int highest, QWidget* parent)
{
    auto* box = NamedWidget<CNumberBox>(name, parent);
    box->SetRange(lowest, highest);
    return box;
}

// The exit buttons in screen order, with the direction each one shows.
struct CExitButton {
    const char* text;
    const char* name;
    int direction;
};
const CExitButton ExitButtonList[] = {
    { "North", "exitNorthButton", DirNorth },
    { "South", "exitSouthButton", DirSouth },
    { "East", "exitEastButton", DirEast },
    { "West", "exitWestButton", DirWest },
    { "Up", "exitUpButton", DirUp },
    { "Down", "exitDownButton", DirDown },
};

} // namespace

CRoomEditDlg::CRoomEditDlg(const CTolvexDoc& area, const CRoomData& room, int ownIndex, QWidget* parent)
    : QDialog(parent)
    , doc(area)
    , state(room, area.lowerVnum, area.upperVnum, ownIndex)
{
    setObjectName(QStringLiteral("roomEditDialog"));
    setWindowTitle(QStringLiteral("Room Edit"));
    BuildWidgets();

    const CConfigTables& tables = area.Tables();
    std::vector<std::pair<QString, int>> sectors;
    for (const auto& entry : tables.sectorType)
        sectors.emplace_back(FromBytes(entry->name), entry->value);
    std::stable_sort(sectors.begin(), sectors.end(),
        [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    {
        // Filling selects the first choice; that is not the builder's choice.
        const QSignalBlocker block(sectorCombo);
        for (const auto& sector : sectors)
            sectorCombo->addItem(sector.first, sector.second);
    }
    roomFlagList->Fill(tables.roomFlags, state.room.roomFlags);
    exitFlagList->Fill(tables.exitFlags, 0);

    extraPanel->SetList(&state.room.extraDescs);
    resetPanel->SetList(&state.room.resets);
    ShowRoom();
    ShowExit();
    VnumChanged(vnumBox->value());
}

void CRoomEditDlg::BuildWidgets()
{
    QMenuBar* menuBar = CopyPasteMenuBar(
        this, "Room", [this] { CopyRoom(); }, [this] { PasteRoom(); });

    // Created in tab order.
    vnumBox = NumberBox("vnumBox", 0, CTolvexDoc::LargestVnum, this);
    nameEdit = NamedWidget<QLineEdit>("nameEdit", this);
    descriptionEdit = TextBox("descriptionEdit", this);
    extraPanel = new CExtraDescPanel(this);
    ownerEdit = NamedWidget<QLineEdit>("ownerEdit", this);
    clanEdit = NamedWidget<QLineEdit>("clanEdit", this);
    manaBox = NumberBox("manaRateBox", 0, 32767, this);
    healBox = NumberBox("healRateBox", 0, 32767, this);
    sectorCombo = NamedWidget<QComboBox>("sectorCombo", this);
    auto* flagsGroup = new QGroupBox(QStringLiteral("Flags"), this);
    roomFlagList = new CFlagList(CFlagList::Rows, flagsGroup);
    roomFlagList->setObjectName(QStringLiteral("roomFlagList"));
    QWidget* exitsGroup = BuildExitsGroup();
    resetPanel = new CResetListPanel(this);
    auto* buttons = OkCancelButtons(this);

    // Room descriptions are wrapped near 72 columns when saved.
    descriptionEdit->setMinimumSize(descriptionEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60, 110);
    resetPanel->editReset = [this](CResetData& reset) {
        return CResetEditDlg::EditReset(this, doc, reset, vnumBox->value());
    };

    auto* left = new QGridLayout;
    left->addWidget(Caption("&VNum:", vnumBox, this), 0, 0);
    left->addWidget(vnumBox, 0, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Caption("&Name:", nameEdit, this));
    nameRow->addWidget(nameEdit, 1);
    left->addLayout(nameRow, 0, 2, 1, 4);
    left->addWidget(Caption("&Description:", descriptionEdit, this), 1, 0, 1, 6);
    left->addWidget(descriptionEdit, 2, 0, 1, 6);
    left->addWidget(extraPanel, 3, 0, 1, 6);
    left->addWidget(Caption("O&wner:", ownerEdit, this), 4, 0);
    left->addWidget(ownerEdit, 4, 1, 1, 2);
    left->addWidget(Caption("C&lan:", clanEdit, this), 4, 3);
    left->addWidget(clanEdit, 4, 4, 1, 2);
    left->addWidget(Caption("&Mana Heal:", manaBox, this), 5, 0);
    left->addWidget(manaBox, 5, 1);
    left->addWidget(new QLabel(QStringLiteral("%"), this), 5, 2);
    left->addWidget(Caption("&HP Heal:", healBox, this), 5, 3);
    left->addWidget(healBox, 5, 4);
    left->addWidget(new QLabel(QStringLiteral("%"), this), 5, 5);
    left->addWidget(Caption("&Sector Type:", sectorCombo, this), 6, 0);
    left->addWidget(sectorCombo, 6, 1, 1, 5);
    left->setColumnStretch(2, 1);
    left->setColumnStretch(4, 1);
    left->setRowStretch(2, 2);
    left->setRowStretch(3, 1);

    auto* flagsLayout = new QVBoxLayout(flagsGroup);
    flagsLayout->addWidget(roomFlagList);
    roomFlagList->setMinimumHeight(110);

    auto* right = new QVBoxLayout;
    right->addWidget(flagsGroup, 1);
    right->addWidget(exitsGroup, 2);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top, 1);
    layout->addWidget(resetPanel);
    layout->addWidget(buttons);

    connect(vnumBox, &QSpinBox::valueChanged, this, &CRoomEditDlg::VnumChanged);
    connect(sectorCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            state.room.sector = sectorCombo->itemData(index).toInt();
    });
    connect(roomFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        state.ToggleRoomFlag(value);
        roomFlagList->ShowFlags(state.room.roomFlags);
    });
    connect(exitFlagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        state.ToggleExitFlag(value);
        exitFlagList->ShowFlags(state.room.exits[static_cast<size_t>(state.ShownExit())].exitFlags);
    });
}

QWidget* CRoomEditDlg::BuildExitsGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Exits"), this);
    exitButtons = new QButtonGroup(this);
    exitButtons->setExclusive(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(2);
    for (const CExitButton& exit : ExitButtonList) {
        auto* button = new QPushButton(QString::fromLatin1(exit.text), group);
        button->setObjectName(QString::fromLatin1(exit.name));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("North")) + 16);
        exitButtons->addButton(button, exit.direction);
        buttonRow->addWidget(button);
    }
    exitDescriptionEdit = TextBox("exitDescriptionEdit", group);
    exitDescriptionEdit->setMinimumHeight(60);
    // -1: an exit that leads nowhere, kept for its description and door.
    exitVnumBox = NumberBox("exitVnumBox", -1, CTolvexDoc::LargestVnum, group);
    exitKeyBox = NumberBox("exitKeyBox", -1, CTolvexDoc::LargestVnum, group);
    exitKeywordEdit = NamedWidget<QLineEdit>("exitKeywordEdit", group);
    exitFlagList = new CFlagList(CFlagList::Column, group);
    exitFlagList->setObjectName(QStringLiteral("exitFlagList"));
    exitFlagList->setMinimumHeight(100);

    auto* boxes = new QGridLayout;
    boxes->addWidget(Caption("vn&um:", exitVnumBox, group), 0, 0);
    boxes->addWidget(exitVnumBox, 0, 1);
    boxes->addWidget(Caption("&Key:", exitKeyBox, group), 0, 2, Qt::AlignRight);
    boxes->addWidget(exitKeyBox, 0, 3);
    boxes->addWidget(Caption("ke&yword:", exitKeywordEdit, group), 1, 0);
    boxes->addWidget(exitKeywordEdit, 1, 1, 1, 3);
    boxes->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(buttonRow);
    layout->addWidget(Caption("Descr&iption:", exitDescriptionEdit, group));
    layout->addWidget(exitDescriptionEdit, 1);
    layout->addLayout(boxes);
    layout->addWidget(Caption("Exit &Flags", exitFlagList, group));
    layout->addWidget(exitFlagList, 1);

    connect(exitButtons, &QButtonGroup::idClicked, this, &CRoomEditDlg::ExitChosen);
    return group;
}

void CRoomEditDlg::ShowRoom()
{
    const CRoomData& room = state.room;
    {
        const QSignalBlocker block(vnumBox);
        vnumBox->setValue(room.vnum);
    }
    ShowText(nameEdit, room.name);
    descriptionEdit->setPlainText(FromBytes(room.description));
    ShowText(ownerEdit, room.owner);
    ShowText(clanEdit, room.clan);
    manaBox->setValue(room.manaRate);
    healBox->setValue(room.healRate);
    {
        // A sector the table lacks selects nothing and stays as it is.
        const QSignalBlocker block(sectorCombo);
        sectorCombo->setCurrentIndex(sectorCombo->findData(room.sector));
    }
    roomFlagList->ShowFlags(room.roomFlags);
    extraPanel->Refresh();
    resetPanel->Refresh();
}

void CRoomEditDlg::ShowExit()
{
    const CExitData& exit = state.room.exits[static_cast<size_t>(state.ShownExit())];
    exitButtons->button(state.ShownExit())->setChecked(true);
    exitDescriptionEdit->setPlainText(FromBytes(exit.description));
    exitVnumBox->setValue(exit.toVnum);
    exitKeyBox->setValue(exit.key);
    ShowText(exitKeywordEdit, exit.keyword);
    exitFlagList->ShowFlags(exit.exitFlags);
}

bool CRoomEditDlg::TakeControls()
{
    CRoomData& room = state.room;
    int vnum = 0;
    if (!vnumBox->Take(vnum) || !manaBox->Take(room.manaRate) || !healBox->Take(room.healRate))
        return false;
    room.vnum = vnum;
    room.name = ToBytes(nameEdit->text());
    room.description = ToBytes(BoxText(descriptionEdit));
    room.owner = ToBytes(ownerEdit->text());
    room.clan = ToBytes(clanEdit->text());
    return true;
}

bool CRoomEditDlg::TakeExitBoxes(CExitData& boxes)
{
    if (!exitVnumBox->Take(boxes.toVnum) || !exitKeyBox->Take(boxes.key))
        return false;
    boxes.description = ToBytes(BoxText(exitDescriptionEdit));
    boxes.keyword = ToBytes(exitKeywordEdit->text());
    return true;
}

void CRoomEditDlg::ExitChosen(int direction)
{
    CExitData boxes;
    if (!TextsFitTheArea(this) || !TakeControls() || !TakeExitBoxes(boxes)) {
        // The shown exit stays until its boxes are accepted.
        exitButtons->button(state.ShownExit())->setChecked(true);
        return;
    }
    state.SwitchExit(boxes, direction);
    ShowExit();
}

void CRoomEditDlg::VnumChanged(int vnum)
{
    state.SetVnum(vnum);
    resetPanel->RefreshTexts();
}

void CRoomEditDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    CExitData boxes;
    if (!TakeControls() || !TakeExitBoxes(boxes))
        return;
    const std::string error = state.CheckVnum(doc);
    if (!error.empty()) {
        ShowError(this, FromBytes(error));
        vnumBox->setFocus(Qt::OtherFocusReason);
        vnumBox->selectAll();
        return;
    }
    state.StoreExitBoxes(boxes);
    QDialog::accept();
}

void CRoomEditDlg::CopyRoom()
{
    if (TakeControls())
        CopyRoomToClipboard(state.room);
}

void CRoomEditDlg::PasteRoom()
{
    if (!TakeControls() || !PasteRoomFromClipboard(state.room))
        return;
    // The exit boxes keep what they hold: exits do not travel.
    ShowRoom();
    // The pasted resets name the room they came from; ours follow our vnum.
    VnumChanged(vnumBox->value());
}

bool CRoomEditDlg::EditRoom(QWidget* parent, const CTolvexDoc& doc, CRoomData& room)
{
    CRoomEditDlg dialog(doc, room, doc.FindRoomIndex(room.vnum, -1), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    room = dialog.State().room;
    return true;
}
