#pragma once

#include <QSpinBox>

// A number box with a spin whose arrows stay within one range while typing
// may reach a wider accepted range. A value outside the accepted range is
// refused only when the dialog takes it (Take), with a message that names the
// range, so a builder can type freely and is told what went wrong.
class CNumberBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CNumberBox(QWidget* parent = nullptr);

    void SetRange(int lowest, int highest);
    void SetRanges(int lowest, int highest, int spinLowest, int spinHighest);
    // Only multiples of `step` are accepted, and the arrows step by it.
    void SetMultipleOf(int step);

    // The value when it is accepted; otherwise tells the builder, puts the
    // focus on the box and gives false.
    bool Take(int& value);
    bool Take();

    void stepBy(int steps) override;
    // Sized for the accepted range, not for the box's own wide one.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    // Reached by its caption's mnemonic, the box is ready to be typed over,
    // as it is when tabbed to.
    void focusInEvent(QFocusEvent* event) override;

private:
    int lowest = 0;
    int highest = 0;
    int spinLowest = 0;
    int spinHighest = 0;
    int multiple = 1;
};
