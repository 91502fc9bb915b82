#include "editors/LowerCaseTyping.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class CLowerCaseTyping : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || text == text.toLower() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        // The lower-case key goes through the box's own handling, validator included.
        QKeyEvent lower(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier, text.toLower(),
            key->isAutoRepeat(), static_cast<ushort>(key->count()));
        static_cast<QLineEdit*>(watched)->event(&lower);
        return true;
    }
};

} // namespace

void LowerCaseTyping(QLineEdit* edit)
{
    edit->installEventFilter(new CLowerCaseTyping(edit));
}
