#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class CNumberBox;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

// The pieces every editor dialog builds the same way.

// A new widget with the object name tests and the dialog's code find it by.
template <typename T>
T* NamedWidget(const char* name, QWidget* parent)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A box for a record's description: Tab leaves it, and its scroll bar shows
// always.
QPlainTextEdit* TextBox(const char* name, QWidget* parent);
// The box's text with "\n" line ends. Its plain text would turn the Latin-1
// no-break space (byte 0xA0) into a blank, so the raw text is read instead.
QString BoxText(const QPlainTextEdit* box);
// Shows the file's bytes in a one-line box from their start: a long text
// would otherwise open scrolled to its end.
void ShowText(QLineEdit* box, const std::string& bytes);

// A caption whose mnemonic moves the focus to `buddy`.
QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent);

// A number box that accepts `lowest`..`highest` while its spin keeps to
// `spinLowest`..`spinHighest`.
CNumberBox* RangedNumberBox(const char* name, int lowest, int highest, int spinLowest, int spinHighest, QWidget* parent);

// A push button that Enter never presses: Enter is the dialog's OK.
QPushButton* PlainButton(const QString& text, const char* name, QWidget* parent);

// A line of a choice list: the text it shows and the item data it carries.
struct CChoice {
    QString text;
    QVariant data;
};
// Adds `choices` after what `combo` holds, in the order of their texts with
// case ignored, as a sorted list would show them; equal texts keep their order.
void FillSorted(QComboBox* combo, std::vector<CChoice> choices);

// Fills `list` anew, one line per record: `lines[i]` carries record i. The
// lines are sorted as plain text, so vnums of different lengths sort by
// their digits. No line is chosen or current, so the first arrow key
// chooses the first line.
void FillRecordLines(QListWidget* list, const std::vector<std::string>& lines);
// The record of the line the builder chose, or -1: the current line that
// the list keeps is no choice.
int ChosenLine(const QListWidget* list);

// OK ("okButton", the default) and Cancel ("cancelButton"), wired to the
// dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

// The Edit menu of a record's dialog: "&Copy Room" (Ctrl+Shift+C) and "&Paste
// Room" (Ctrl+Shift+V) for `record` "Room", with the object names roomEditMenuBar,
// copyRoomAction and pasteRoomAction. The keys work whichever control has the
// focus. The caller puts the bar into the dialog's layout.
QMenuBar* CopyPasteMenuBar(QDialog* dialog, const char* record, std::function<void()> copy,
    std::function<void()> paste);
