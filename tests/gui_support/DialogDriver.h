#pragma once

#include "gui/CNumberBox.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
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

// Types over what the box shows, as the builder does.
inline void TypeNumber(CNumberBox* box, const QString& digits)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, digits);
}

// Runs `action` on the modal dialog that the next exec() opens, then presses
// `button` when one is named. The timer belongs to `owner`, so one that never
// fired cannot reach a later test.
inline void OnNextModal(QObject& owner, std::function<void(QWidget*)> action, const char* button = nullptr)
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
