#pragma once

#include <QList>

class QWidget;

// An area file holds single bytes (Latin-1), so a character typed beyond
// them would be lost on saving. Before a dialog takes its texts, this names
// such characters in its text boxes and offers to replace the typographic
// ones by their ASCII forms, or to go back to the text (the box with the
// first one gets the focus). True when every text fits, after any
// replacement the builder accepted.
bool TextsFitTheArea(QWidget* dialog);
bool TextsFitTheArea(QWidget* parent, const QList<QWidget*>& boxes);
