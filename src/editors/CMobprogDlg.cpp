#include "editors/CMobprogDlg.h"

#include "rules/CMobprogListState.h"
#include "editors/DialogParts.h"
#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CMobprogDlg::CMobprogDlg(const CTolvexDoc& doc, const CMobTrigger& trigger, QWidget* parent)
    : QDialog(parent)
    , state(trigger, doc)
{
    setObjectName(QStringLiteral("mobprogDialog"));
    setWindowTitle(QStringLiteral("Mobprog"));

    // Created in tab order.
    typeCombo = NamedWidget<QComboBox>("typeCombo", this);
    vnumBox = NamedWidget<CNumberBox>("vnumBox", this);
    vnumBox->SetRange(CMobprogState::LowestVnum, CMobprogListState::HighestVnum);
    vnumNote = NamedWidget<QLabel>("vnumNote", this);
    vnumNote->setMinimumHeight(vnumNote->fontMetrics().height());
    phraseEdit = NamedWidget<QLineEdit>("phraseEdit", this);
    phraseEdit->setMinimumWidth(phraseEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    auto* buttons = OkCancelButtons(this);
    okButton = buttons->button(QDialogButtonBox::Ok);

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("&Type:", typeCombo, this), 0, 0);
    grid->addWidget(typeCombo, 0, 1, Qt::AlignLeft);
    grid->addWidget(Caption("&VNum:", vnumBox, this), 1, 0);
    grid->addWidget(vnumBox, 1, 1, Qt::AlignLeft);
    grid->addWidget(vnumNote, 2, 1);
    grid->addWidget(Caption("&Argument:", phraseEdit, this), 3, 0);
    grid->addWidget(phraseEdit, 3, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);

    for (const std::string& name : state.TypeNames())
        typeCombo->addItem(FromBytes(name));
    typeCombo->setCurrentIndex(state.ShownType());
    vnumBox->setValue(state.trigger.vnum);
    ShowText(phraseEdit, state.trigger.phrase);
    ShowVnumNote(state.trigger.vnum);
    okButton->setEnabled(state.CanAccept());

    // Only the builder's picks count: filling the list must not rename the
    // stored type.
    connect(typeCombo, &QComboBox::activated, this, [this](int index) {
        state.ChooseType(index);
        okButton->setEnabled(state.CanAccept());
    });
    connect(vnumBox, &QSpinBox::valueChanged, this, &CMobprogDlg::ShowVnumNote);
    typeCombo->setFocus();
}

void CMobprogDlg::ShowVnumNote(int vnum)
{
    vnumNote->setText(FromBytes(state.VnumNote(vnum)));
}

void CMobprogDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!state.CanAccept() || !vnumBox->Take(state.trigger.vnum))
        return;
    state.trigger.phrase = ToBytes(phraseEdit->text());
    QDialog::accept();
}

bool CMobprogDlg::EditTrigger(QWidget* parent, const CTolvexDoc& doc, CMobTrigger& trigger)
{
    CMobprogDlg dialog(doc, trigger, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    trigger = dialog.State().trigger;
    return true;
}
