#include "editors/CTrainEditDlg.h"

#include "area/CTolvexDoc.h"
#include "editors/DialogParts.h"
#include "editors/ObjectEditParts.h"
#include "gui/TextFit.h"
#include "gui/CFlagList.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

CTrainEditDlg::CTrainEditDlg(const CTolvexDoc& area, const std::vector<CTrainStop>& stops, QWidget* parent)
    : QDialog(parent)
    , doc(area)
    , state(stops)
{
    setObjectName(QStringLiteral("trainEditDialog"));
    setWindowTitle(QStringLiteral("Train Edit"));

    stopList = NamedWidget<QListWidget>("trainStopList", this);
    stopList->setMinimumSize(stopList->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36, 200);
    newButton = PlainButton(QStringLiteral("&New"), "trainNewButton", this);
    deleteButton = PlainButton(QStringLiteral("&Delete"), "trainDeleteButton", this);
    insertButton = PlainButton(QStringLiteral("&Insert"), "trainInsertButton", this);
    upButton = PlainButton(QString(), "trainUpButton", this);
    upButton->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    upButton->setToolTip(QStringLiteral("Up"));
    downButton = PlainButton(QString(), "trainDownButton", this);
    downButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    downButton->setToolTip(QStringLiteral("Down"));
    roomBox = NamedWidget<CNumberBox>("trainRoomBox", this);
    roomBox->SetRange(0, CTolvexDoc::LargestVnum);
    timeBox = NamedWidget<CNumberBox>("trainTimeBox", this);
    arrivalEdit = NamedWidget<QLineEdit>("trainArrivalEdit", this);
    leaveEdit = NamedWidget<QLineEdit>("trainLeaveEdit", this);
    auto* flagsGroup = new QGroupBox(QStringLiteral("Flags"), this);
    flagList = new CFlagList(CFlagList::Column, flagsGroup);
    flagList->setObjectName(QStringLiteral("trainFlagList"));
    flagList->Fill(area.Tables().trainFlags, 0);
    flagList->sortItems();
    auto* buttons = OkCancelButtons(this);

    auto* buttonColumn = new QVBoxLayout;
    for (QPushButton* button : { newButton, deleteButton, insertButton, upButton, downButton })
        buttonColumn->addWidget(button);
    buttonColumn->addStretch(1);

    auto* fields = new QGridLayout;
    fields->addWidget(Caption("&Room:", roomBox, this), 0, 0);
    fields->addWidget(roomBox, 0, 1);
    fields->addWidget(Caption("&Time:", timeBox, this), 0, 2);
    fields->addWidget(timeBox, 0, 3);
    fields->addWidget(Caption("Mesage &Arrival:", arrivalEdit, this), 1, 0);
    fields->addWidget(arrivalEdit, 1, 1, 1, 3);
    fields->addWidget(Caption("Mesage &Leave:", leaveEdit, this), 2, 0);
    fields->addWidget(leaveEdit, 2, 1, 1, 3);
    fields->setRowStretch(3, 1);
    auto* flagsLayout = new QVBoxLayout(flagsGroup);
    flagsLayout->addWidget(flagList);

    auto* top = new QHBoxLayout;
    top->addWidget(stopList, 1);
    top->addLayout(buttonColumn);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(fields, 1);
    bottom->addWidget(flagsGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    layout->addWidget(buttons);

    for (int i = 0; i < static_cast<int>(state.stops.size()); ++i)
        stopList->addItem(FromBytes(state.Line(area, i)));
    stopList->setCurrentRow(state.chosen);
    ShowChosen();

    connect(stopList, &QListWidget::currentRowChanged, this, &CTrainEditDlg::ChooseRow);
    // A new stop is filled in next: its room box takes the focus.
    for (auto [button, action] : { std::pair { newButton, &CTrainEditState::New }, std::pair { insertButton, &CTrainEditState::Insert } })
        connect(button, &QPushButton::clicked, this, [this, action = action] {
            Act(action);
            if (state.Chosen()) {
                roomBox->setFocus(Qt::OtherFocusReason);
                roomBox->selectAll();
            }
        });
    connect(deleteButton, &QPushButton::clicked, this, [this] { Act(&CTrainEditState::Delete); });
    connect(upButton, &QPushButton::clicked, this, [this] { Act(&CTrainEditState::MoveUp); });
    connect(downButton, &QPushButton::clicked, this, [this] { Act(&CTrainEditState::MoveDown); });
    connect(roomBox, &QSpinBox::valueChanged, this, [this](int room) {
        if (showing || !state.Chosen())
            return;
        state.Chosen()->room = room;
        // Only the chosen stop's line names this room.
        stopList->item(state.chosen)->setText(FromBytes(state.Line(doc, state.chosen)));
    });
    connect(timeBox, &QSpinBox::valueChanged, this, [this](int time) {
        if (!showing && state.Chosen())
            state.Chosen()->time = time;
    });
    connect(arrivalEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (state.Chosen())
            state.Chosen()->arrivalMessage = ToBytes(text);
    });
    connect(leaveEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (state.Chosen())
            state.Chosen()->leaveMessage = ToBytes(text);
    });
    connect(flagList, &CFlagList::FlagClicked, this, [this](uint32_t value) {
        if (CTrainStop* stop = state.Chosen()) {
            stop->flags ^= value;
            flagList->ShowFlags(stop->flags);
        }
    });
}

void CTrainEditDlg::RewriteLines(int from)
{
    const QSignalBlocker block(stopList);
    const int count = static_cast<int>(state.stops.size());
    while (stopList->count() > count)
        delete stopList->takeItem(stopList->count() - 1);
    for (int i = std::max(from, 0); i < count; ++i) {
        const QString line = FromBytes(state.Line(doc, i));
        if (i < stopList->count())
            stopList->item(i)->setText(line);
        else
            stopList->addItem(line);
    }
    stopList->setCurrentRow(state.chosen);
}

void CTrainEditDlg::ShowChosen()
{
    showing = true;
    const CTrainStop* stop = state.Chosen();
    const bool any = stop != nullptr;
    for (QWidget* w : { static_cast<QWidget*>(insertButton), static_cast<QWidget*>(deleteButton),
             static_cast<QWidget*>(roomBox), static_cast<QWidget*>(timeBox), static_cast<QWidget*>(arrivalEdit),
             static_cast<QWidget*>(leaveEdit), static_cast<QWidget*>(flagList) })
        w->setEnabled(any);
    upButton->setEnabled(state.CanMoveUp());
    downButton->setEnabled(state.CanMoveDown());
    roomBox->setValue(any ? stop->room : 0);
    timeBox->setValue(any ? stop->time : 0);
    arrivalEdit->setText(any ? FromBytes(stop->arrivalMessage) : QString());
    leaveEdit->setText(any ? FromBytes(stop->leaveMessage) : QString());
    flagList->ShowFlags(any ? stop->flags : 0);
    showing = false;
}

bool CTrainEditDlg::TakeNumbers()
{
    CTrainStop* stop = state.Chosen();
    if (!stop)
        return true;
    // The messages are kept as typed; one that the file cannot hold is
    // settled before another stop is shown.
    if (!TextsFitTheArea(this, { arrivalEdit, leaveEdit }) || !roomBox->Take() || !timeBox->Take())
        return false;
    stop->arrivalMessage = ToBytes(arrivalEdit->text());
    stop->leaveMessage = ToBytes(leaveEdit->text());
    return true;
}

void CTrainEditDlg::ChooseRow(int row)
{
    if (row == state.chosen)
        return;
    if (!TakeNumbers()) {
        // The shown stop stays until its numbers are accepted.
        const QSignalBlocker block(stopList);
        stopList->setCurrentRow(state.chosen);
        return;
    }
    state.Choose(row);
    ShowChosen();
}

void CTrainEditDlg::Act(void (CTrainEditState::*action)())
{
    if (!TakeNumbers())
        return;
    const int before = state.chosen;
    (state.*action)();
    RewriteLines(std::min(before < 0 ? static_cast<int>(state.stops.size()) - 1 : before, state.chosen));
    ShowChosen();
}

void CTrainEditDlg::accept()
{
    if (TakeNumbers())
        QDialog::accept();
}

bool CTrainEditDlg::EditTrainStops(QWidget* parent, const CTolvexDoc& doc, std::vector<CTrainStop>& stops)
{
    CTrainEditDlg dialog(doc, stops, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    stops = dialog.State().stops;
    return true;
}
