#include "gui/CNumberBox.h"

#include "gui/Prompt.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <climits>

CNumberBox::CNumberBox(QWidget* parent)
    : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(true);
    SetRange(0, 32767);
}

void CNumberBox::SetRange(int low, int high)
{
    SetRanges(low, high, low, high);
}

void CNumberBox::SetRanges(int low, int high, int spinLow, int spinHigh)
{
    lowest = low;
    highest = high;
    spinLowest = spinLow;
    spinHighest = spinHigh;
    // The box itself holds any number, so a value from a file or a paste is
    // shown as it is; the accepted range is checked when the value is taken.
    setRange(INT_MIN, INT_MAX);
    updateGeometry();
}

void CNumberBox::SetMultipleOf(int step)
{
    multiple = std::max(step, 1);
}

bool CNumberBox::Take(int& out)
{
    const int current = value();
    const bool inRange = current >= lowest && current <= highest;
    if (inRange && current % multiple == 0) {
        out = current;
        return true;
    }
    ShowError(window(),
        inRange ? QStringLiteral("Please enter a multiple of %1.").arg(multiple)
                : QStringLiteral("Please enter an integer between %1 and %2.").arg(lowest).arg(highest));
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

bool CNumberBox::Take()
{
    int ignored = 0;
    return Take(ignored);
}

void CNumberBox::stepBy(int steps)
{
    const long long next = static_cast<long long>(value()) + static_cast<long long>(steps) * multiple;
    setValue(static_cast<int>(std::clamp<long long>(next, spinLowest, spinHighest)));
    selectAll();
}

void CNumberBox::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    if (event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

QAbstractSpinBox::StepEnabled CNumberBox::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (value() < spinHighest)
        enabled |= StepUpEnabled;
    if (value() > spinLowest)
        enabled |= StepDownEnabled;
    return enabled;
}

QSize CNumberBox::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    const QString widest = QString::number(qMax(qAbs(static_cast<long long>(lowest)), static_cast<long long>(highest)))
        + (lowest < 0 ? QStringLiteral("-0") : QStringLiteral("0"));
    QSize text(metrics.horizontalAdvance(widest) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QSize CNumberBox::minimumSizeHint() const
{
    return sizeHint();
}
