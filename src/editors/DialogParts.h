#pragma once

#include <QString>
#include <QWidget>

class QDialog;
class QDialogButtonBox;
class QLabel;

// The pieces every editor dialog builds the same way.

// A new widget with the object name tests and the dialog's code find it by.
template <typename T>
T* NamedWidget(const char* name, QWidget* parent)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A caption whose mnemonic moves the focus to `buddy`.
QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent);

// OK ("okButton", the default) and Cancel ("cancelButton"), wired to the
// dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
