#pragma once

#include "gui/CAreaDocument.h"
#include "gui/CNumberBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

// A widget of a dialog by its name; a missing one ends the test.
template <typename T>
T* Find(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no widget named ") + name);
    return child;
}

inline void Click(const QObject* dialog, const char* button)
{
    QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
}

// Chooses the entry as the builder does, so the dialog's handlers run.
inline void ChooseText(QComboBox* box, const char* text)
{
    const int index = box->findText(QString::fromLatin1(text));
    ASSERT_GE(index, 0) << box->objectName().toStdString() << " has no " << text;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// A list's lines joined by '|', the current one marked with a '*' when asked,
// and the line starting with `text` made current.
inline std::string ListLines(const QListWidget* list, bool markCurrent = false)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text() + (markCurrent && i == list->currentRow() ? QStringLiteral("*") : QString());
    return lines.join(QLatin1Char('|')).toStdString();
}
inline void ChooseLine(QListWidget* list, const char* text)
{
    QListWidgetItem* item = list->findItems(QString::fromLatin1(text), Qt::MatchStartsWith).value(0);
    ASSERT_NE(item, nullptr) << text;
    list->setCurrentItem(item);
}
// A view's rows, each with its columns joined by `between`, the rows by " / ".
inline std::string TreeRows(const QAbstractItemView* view, const char* between = " ")
{
    const QAbstractItemModel* model = view->model();
    QStringList rows;
    for (int i = 0; i < model->rowCount(); ++i) {
        QStringList columns;
        for (int column = 0; column < model->columnCount(); ++column)
            columns << model->index(i, column).data().toString();
        rows << columns.join(QLatin1String(between));
    }
    return rows.join(QStringLiteral(" / ")).toStdString();
}
// Double-clicks the item at `rect` of a view as the mouse does: a first click, then the double click.
inline void DoubleClick(QAbstractItemView* view, const QRect& rect)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// Shows the window and makes it active, so its keys reach it. A dialog
// opened from another's modal loop is not always made the active window on
// the offscreen platform.
inline void ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
}

// Types over what the box shows, as the builder does.
inline void TypeNumber(CNumberBox* box, const QString& digits)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, digits);
}
// Types at the end of what a line box shows.
inline void TypeAtEnd(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, text);
}

// Runs `action`, when given, on the modal dialog that the next exec() opens,
// then presses `button` when one is named. The timer belongs to `owner`, so one that never
// fired cannot reach a later test.
inline void OnNextModal(QObject& owner, const char* button, std::function<void(QWidget*)> action = {})
{
    auto* timer = new QTimer(&owner);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, [action, button] {
        QWidget* modal = QApplication::activeModalWidget();
        EXPECT_NE(modal, nullptr) << "no modal dialog opened";
        if (modal && action)
            action(modal);
        if (modal && button)
            Click(modal, button);
        // A dialog that refused the button would hold the test forever.
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && button && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open after " << button;
            dialog->reject();
        }
    });
    timer->start(0);
}

// Changes the area's header through its editor: one step, as General information's OK takes.
inline void ChangeHeader(CAreaDocument& area, const std::function<void(CAreaHeader&)>& change)
{
    CAreaHeader header = area.Doc().Header();
    change(header);
    area.Editor().ReplaceHeader(header);
}
