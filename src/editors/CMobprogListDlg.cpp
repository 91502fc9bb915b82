#include "editors/CMobprogListDlg.h"

#include "area/CTolvexDoc.h"
#include "editors/DialogParts.h"
#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void ShowVnumError(QWidget* parent, const std::string& text)
{
    Prompt().Show(parent, QStringLiteral("Error"), FromBytes(text), QMessageBox::Critical);
}

} // namespace

CMobprogListDlg::CMobprogListDlg(CAreaEditor& editor, QWidget* parent)
    : QDialog(parent)
    , state(editor)
{
    setObjectName(QStringLiteral("mobprogListDialog"));
    setWindowTitle(QStringLiteral("Mobprog List"));

    // Created in tab order.
    list = NamedWidget<QListWidget>("mobprogList", this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMaximumWidth(list->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    vnumBox = NamedWidget<CNumberBox>("vnumBox", this);
    vnumBox->SetRanges(0, CMobprogListState::HighestVnum, 1, CMobprogListState::HighestVnum);
    codeEdit = NamedWidget<QPlainTextEdit>("codeEdit", this);
    codeEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    codeEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    codeEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box, so the keyboard can reach the buttons.
    codeEdit->setTabChangesFocus(true);
    codeEdit->setMinimumSize(codeEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 64,
        codeEdit->fontMetrics().lineSpacing() * 20);

    newButton = NamedWidget<QPushButton>("newButton", this);
    newButton->setText(QStringLiteral("&New"));
    deleteButton = NamedWidget<QPushButton>("deleteButton", this);
    deleteButton->setText(QStringLiteral("&Delete"));
    closeButton = NamedWidget<QPushButton>("closeButton", this);
    closeButton->setText(QStringLiteral("Close"));
    for (QPushButton* button : { newButton, deleteButton, closeButton })
        button->setAutoDefault(false);
    closeButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* editors = new QGridLayout;
    editors->addWidget(Caption("&Vnum:", vnumBox, this), 0, 0);
    editors->addWidget(vnumBox, 0, 1, Qt::AlignLeft);
    editors->addWidget(Caption("&Code:", codeEdit, this), 1, 0, 1, 2);
    editors->addWidget(codeEdit, 2, 0, 1, 2);
    editors->setRowStretch(2, 1);
    editors->setColumnStretch(1, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(list);
    top->addLayout(editors, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(newButton, &QPushButton::clicked, this, &CMobprogListDlg::New);
    connect(deleteButton, &QPushButton::clicked, this, &CMobprogListDlg::Delete);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(list, &QListWidget::currentItemChanged, this, &CMobprogListDlg::LineChanged);
    connect(vnumBox, &QSpinBox::valueChanged, this, [this](int vnum) {
        if (!filling)
            state.vnum = vnum;
    });
    connect(codeEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling)
            state.codeEdited = true;
    });

    // Nothing is chosen until the builder picks a line.
    FillList(-1);
    list->setFocus();
}

void CMobprogListDlg::ChooseProgram(int index)
{
    if (QListWidgetItem* item = LineOf(index))
        list->setCurrentItem(item);
}

QListWidgetItem* CMobprogListDlg::LineOf(int index) const
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toInt() == index)
            return list->item(row);
    return nullptr;
}

void CMobprogListDlg::FillList(int chooseIndex)
{
    filling = true;
    list->clear();
    for (const CMobprogListState::CLine& line : state.Lines()) {
        auto* item = new QListWidgetItem(FromBytes(line.text), list);
        item->setData(Qt::UserRole, line.index);
    }
    state.Choose(chooseIndex);
    if (QListWidgetItem* item = LineOf(state.Chosen()))
        list->setCurrentItem(item);
    else
        // Through the view, so that taking the focus does not make the
        // first line current.
        list->setCurrentIndex(QModelIndex());
    filling = false;
    ShowChosen();
}

void CMobprogListDlg::ShowChosen()
{
    const bool chosen = state.Chosen() >= 0;
    filling = true;
    vnumBox->setValue(state.vnum);
    if (!chosen)
        vnumBox->clear();
    codeEdit->setPlainText(FromBytes(state.code));
    filling = false;
    vnumBox->setEnabled(chosen);
    codeEdit->setEnabled(chosen);
    deleteButton->setEnabled(chosen);
    if (QListWidgetItem* item = LineOf(state.Chosen()))
        list->scrollToItem(item);
}

void CMobprogListDlg::SetVnumBox(int vnum)
{
    filling = true;
    vnumBox->setValue(vnum);
    filling = false;
    state.vnum = vnum;
}

void CMobprogListDlg::LineChanged(QListWidgetItem* current)
{
    if (filling)
        return;
    const int next = current ? current->data(Qt::UserRole).toInt() : -1;
    if (next == state.Chosen())
        return;
    if (!LeaveChosen()) {
        // The refused program stays chosen.
        filling = true;
        list->setCurrentItem(LineOf(state.Chosen()));
        filling = false;
        return;
    }
    state.Choose(next);
    ShowChosen();
}

void CMobprogListDlg::RefuseVnum(const QString& message)
{
    if (!message.isEmpty())
        ShowVnumError(this, ToBytes(message));
    vnumBox->setFocus(Qt::OtherFocusReason);
    vnumBox->selectAll();
}

bool CMobprogListDlg::LeaveChosen()
{
    if (state.Chosen() < 0)
        return true;
    if (state.codeEdited)
        state.code = ToBytes(BoxText(codeEdit));
    // ROM stops on two programs with one vnum, and on a trigger naming 0.
    if (state.vnum <= 0) {
        RefuseVnum(FromBytes(state.NotPositiveMessage()));
        return false;
    }
    if (!vnumBox->Take())
        return false;
    // The range first: nothing is worth asking about a vnum the area refuses.
    if (state.VnumChanged() && state.VnumOutsideArea()) {
        RefuseVnum(FromBytes(state.OutsideAreaMessage()));
        return false;
    }
    if (state.VnumDuplicated()) {
        const auto answer = Prompt().Ask(this, QStringLiteral("Error"), QString::fromLatin1(CMobprogListState::InUse),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            RefuseVnum({});
            return false;
        }
        const int free = state.FreeVnum(state.Chosen());
        if (free < 0) {
            RefuseVnum(QString::fromLatin1(CMobprogListState::NoFreeVnum));
            return false;
        }
        SetVnumBox(free);
    }
    bool withTriggers = false;
    if (state.VnumChanged()) {
        const std::string question = state.OrphanQuestion("Renumber");
        if (!question.empty()) {
            const auto answer = Prompt().Ask(this, QStringLiteral("Warning!"), FromBytes(question),
                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
            if (answer == QMessageBox::Cancel) {
                SetVnumBox(state.StoredVnum());
                RefuseVnum({});
                return false;
            }
            withTriggers = answer == QMessageBox::Yes;
        }
    }
    const bool renumbered = state.VnumChanged();
    state.Commit(withTriggers);
    if (renumbered) {
        // The line moves to its place among the others; the items stay, as
        // this may run while the list is changing its current line.
        filling = true;
        LineOf(state.Chosen())->setText(FromBytes(CMobprogListState::LineText(state.vnum)));
        list->sortItems();
        filling = false;
    }
    return true;
}

void CMobprogListDlg::New()
{
    if (!LeaveChosen())
        return;
    const int added = state.AddNew();
    if (added < 0) {
        ShowVnumError(this, CMobprogListState::NoFreeVnum);
        return;
    }
    FillList(added);
    codeEdit->setFocus(Qt::OtherFocusReason);
}

void CMobprogListDlg::Delete()
{
    if (state.Chosen() < 0)
        return;
    const std::string orphans = state.OrphanQuestion("Delete");
    bool withTriggers = false;
    if (orphans.empty()) {
        if (Prompt().Ask(this, QStringLiteral("Attention!"), QString::fromLatin1(CMobprogListState::ConfirmDelete),
                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
    } else {
        const auto answer = Prompt().Ask(this, QStringLiteral("Warning!"), FromBytes(orphans), QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        withTriggers = answer == QMessageBox::Yes;
    }
    // The line that takes the deleted one's place is chosen next.
    const int row = list->currentRow();
    state.DeleteChosen(withTriggers);
    const std::vector<CMobprogListState::CLine> lines = state.Lines();
    const int next = lines.empty() ? -1 : lines[static_cast<size_t>(std::min(row, static_cast<int>(lines.size()) - 1))].index;
    FillList(next);
    list->setFocus(Qt::OtherFocusReason);
}

void CMobprogListDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (LeaveChosen())
        QDialog::accept();
}

void CMobprogListDlg::reject()
{
    accept();
}
