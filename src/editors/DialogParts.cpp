#include "editors/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    return label;
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
