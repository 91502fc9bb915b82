#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QMenuBar;

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

// The Edit menu of a record's dialog: "&Copy Room" (Ctrl+Shift+C) and "&Paste
// Room" (Ctrl+Shift+V) for `record` "Room", with the object names roomEditMenuBar,
// copyRoomAction and pasteRoomAction. The keys work whichever control has the
// focus. The caller puts the bar into the dialog's layout.
QMenuBar* CopyPasteMenuBar(QDialog* dialog, const char* record, std::function<void()> copy,
    std::function<void()> paste);
