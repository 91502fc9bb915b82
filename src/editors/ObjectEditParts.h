#pragma once

class CNumberBox;
class QPushButton;
class QString;
class QWidget;

// Pieces the object editor's panels build alike.

// A number box that accepts `lowest`..`highest` while its spin keeps to
// `spinLowest`..`spinHighest`.
CNumberBox* RangedNumberBox(const char* name, int lowest, int highest, int spinLowest, int spinHighest, QWidget* parent);

// A push button that Enter never presses: Enter is the dialog's OK.
QPushButton* PlainButton(const QString& text, const char* name, QWidget* parent);

// The box's number when it is accepted. Text that is not a number is
// refused with a message rather than read as 0.
bool TakeNumber(CNumberBox* box, int& value);
