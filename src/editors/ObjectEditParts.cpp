#include "editors/ObjectEditParts.h"

#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

bool TakeNumber(CNumberBox* box, int& value)
{
    bool number = false;
    box->cleanText().trimmed().toInt(&number);
    if (!number) {
        ShowError(box->window(), QStringLiteral("Please enter a number."));
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return false;
    }
    return box->Take(value);
}
