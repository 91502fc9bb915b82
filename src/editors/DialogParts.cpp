#include "editors/DialogParts.h"

#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QAbstractSpinBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>
#include <numeric>
#include <utility>

QPlainTextEdit* TextBox(const char* name, QWidget* parent)
{
    auto* box = NamedWidget<QPlainTextEdit>(name, parent);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QString BoxText(const QPlainTextEdit* box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void ShowText(QLineEdit* box, const std::string& bytes)
{
    box->setText(FromBytes(bytes));
    box->setCursorPosition(0);
}

namespace {

// A caption whose key also selects the text of a one-line box, so that what
// is typed next replaces it, even when the box had the focus already.
class CCaption : public QLabel {
public:
    using QLabel::QLabel;

protected:
    bool event(QEvent* e) override
    {
        const bool handled = QLabel::event(e);
        if (e->type() == QEvent::Shortcut && buddy() && buddy()->hasFocus()) {
            if (auto* line = qobject_cast<QLineEdit*>(buddy()))
                line->selectAll();
            else if (auto* spin = qobject_cast<QAbstractSpinBox*>(buddy()))
                spin->selectAll();
        }
        return handled;
    }
};

} // namespace

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new CCaption(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    return label;
}

CNumberBox* RangedNumberBox(const char* name, int lowest, int highest, int spinLowest, int spinHighest, QWidget* parent)
{
    auto* box = NamedWidget<CNumberBox>(name, parent);
    box->SetRanges(lowest, highest, spinLowest, spinHighest);
    return box;
}

QPushButton* PlainButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void FillSorted(QComboBox* combo, std::vector<CChoice> choices)
{
    std::stable_sort(choices.begin(), choices.end(),
        [](const CChoice& a, const CChoice& b) { return a.text.compare(b.text, Qt::CaseInsensitive) < 0; });
    for (const CChoice& choice : choices)
        combo->addItem(choice.text, choice.data);
}

void FillRecordLines(QListWidget* list, const std::vector<std::string>& lines)
{
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&lines](int a, int b) { return lines[static_cast<size_t>(a)] < lines[static_cast<size_t>(b)]; });
    list->clear();
    for (int record : order) {
        auto* item = new QListWidgetItem(FromBytes(lines[static_cast<size_t>(record)]), list);
        item->setData(Qt::UserRole, record);
    }
    // Through the view, so that taking the focus does not make the first
    // line current.
    list->setCurrentIndex(QModelIndex());
}

int ChosenLine(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(Qt::UserRole).toInt();
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QMenuBar* CopyPasteMenuBar(QDialog* dialog, const char* record, std::function<void()> copy,
    std::function<void()> paste)
{
    const QString name = QString::fromLatin1(record);
    const QString lower = name.toLower();
    auto* menuBar = new QMenuBar(dialog);
    menuBar->setObjectName(lower + QStringLiteral("EditMenuBar"));
    QMenu* editMenu = menuBar->addMenu(QStringLiteral("&Edit"));
    QAction* copyAction = editMenu->addAction(QStringLiteral("&Copy ") + name);
    copyAction->setObjectName(QStringLiteral("copy%1Action").arg(name));
    copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAction->setStatusTip(QStringLiteral("Copies the %1 data to the system clipboard").arg(lower));
    copyAction->setToolTip(QStringLiteral("Copy ") + name);
    QAction* pasteAction = editMenu->addAction(QStringLiteral("&Paste ") + name);
    pasteAction->setObjectName(QStringLiteral("paste%1Action").arg(name));
    pasteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteAction->setStatusTip(QStringLiteral("Pastes the %1 data from the system clipboard").arg(lower));
    pasteAction->setToolTip(QStringLiteral("Paste ") + name);
    for (QAction* action : { copyAction, pasteAction }) {
        action->setShortcutContext(Qt::WindowShortcut);
        dialog->addAction(action);
    }
    QObject::connect(copyAction, &QAction::triggered, dialog, std::move(copy));
    QObject::connect(pasteAction, &QAction::triggered, dialog, std::move(paste));
    return menuBar;
}
