#include "editors/ObjectEditParts.h"

#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QPushButton>

CNumberBox* RangedNumberBox(const char* name, int lowest, int highest, int spinLowest, int spinHighest, QWidget* parent)
{
    auto* box = new CNumberBox(parent);
    box->setObjectName(QString::fromLatin1(name));
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
