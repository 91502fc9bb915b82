#include "gui/TextFit.h"

#include "gui/Prompt.h"
#include "text/AsciiForms.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextCursor>

#include <algorithm>
#include <vector>

namespace {

QString BoxText(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return plain->toPlainText();
    return {};
}

// Sets the text as typing would, so that the dialog's handlers see it.
void SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->selectAll();
        line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QTextCursor cursor(plain->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
    }
}

// Shows the page that holds the box, gives it the focus and puts the cursor
// at `position`.
void GoTo(QWidget* box, int position)
{
    for (QWidget* w = box; w; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent)) {
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(w);
            else
                stack->setCurrentWidget(w);
        }
    }
    box->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setCursorPosition(position);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(position);
        plain->setTextCursor(cursor);
    }
}

// Each character of the texts that Latin-1 cannot hold, once, in the order
// they first appear.
std::vector<char32_t> Unfit(const QList<QWidget*>& boxes)
{
    std::vector<char32_t> found;
    for (QWidget* box : boxes)
        for (const char32_t c : BoxText(box).toUcs4())
            if (c > 0xFF && std::find(found.begin(), found.end(), c) == found.end())
                found.push_back(c);
    return found;
}

int FirstUnfit(const QString& text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text[i].unicode() > 0xFF)
            return i;
    return -1;
}

QString Replaced(const QString& text)
{
    QString result;
    for (const char32_t c : text.toUcs4()) {
        const char* ascii = c > 0xFF ? AsciiFormOf(c) : nullptr;
        result += ascii ? QString::fromLatin1(ascii) : QString::fromUcs4(&c, 1);
    }
    return result;
}

QString Spaced(const std::vector<char32_t>& characters, bool ascii)
{
    QStringList each;
    for (const char32_t c : characters)
        each << (ascii ? QString::fromLatin1(AsciiFormOf(c)) : QString::fromUcs4(&c, 1));
    return each.join(QLatin1Char(' '));
}

} // namespace

bool TextsFitTheArea(QWidget* dialog)
{
    QList<QWidget*> boxes;
    for (QLineEdit* line : dialog->findChildren<QLineEdit*>())
        boxes << line;
    for (QPlainTextEdit* plain : dialog->findChildren<QPlainTextEdit*>())
        boxes << plain;
    return TextsFitTheArea(dialog, boxes);
}

bool TextsFitTheArea(QWidget* parent, const QList<QWidget*>& boxes)
{
    const std::vector<char32_t> unfit = Unfit(boxes);
    if (unfit.empty())
        return true;
    std::vector<char32_t> replaceable;
    std::vector<char32_t> others;
    for (const char32_t c : unfit)
        (AsciiFormOf(c) ? replaceable : others).push_back(c);
    const QString named = QStringLiteral("The area file cannot hold these characters: %1").arg(Spaced(unfit, false));
    if (!replaceable.empty()) {
        QString question = named
            + QStringLiteral("\n\nReplace %1 by %2? No goes back to the text.")
                  .arg(Spaced(replaceable, false), Spaced(replaceable, true));
        if (!others.empty())
            question += QStringLiteral("\n%1 must be changed by hand.").arg(Spaced(others, false));
        const auto answer = Prompt().Ask(parent, QStringLiteral("Warning!"), question, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            for (QWidget* box : boxes) {
                const QString text = BoxText(box);
                const QString replaced = Replaced(text);
                if (replaced != text)
                    SetBoxText(box, replaced);
            }
    } else {
        ShowError(parent, named + QStringLiteral("\n\nPlease change them."));
    }
    for (QWidget* box : boxes) {
        const int at = FirstUnfit(BoxText(box));
        if (at >= 0) {
            GoTo(box, at);
            return false;
        }
    }
    return true;
}
