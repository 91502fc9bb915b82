#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the editor goes through here, so tests can answer them.
class IPrompt {
public:
    virtual ~IPrompt() = default;

    // An information, warning or error box with an OK button.
    virtual void Show(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) = 0;
    // A question with the given buttons; returns the button chosen.
    virtual QMessageBox::StandardButton Ask(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
        = 0;
};

// The prompt in use: real message boxes unless a test installed its own.
IPrompt& Prompt();
// Installs `prompt` (nullptr restores the real one); the caller keeps ownership.
void SetPrompt(IPrompt* prompt);

// The two boxes the dialogs use most: a refused value ("Error!", stop icon),
// and a Yes/No warning whose default is No ("Warning!").
void ShowError(QWidget* parent, const QString& text);
bool AskWarningYesNo(QWidget* parent, const QString& text);

// Bytes of the file as shown in the editor, and back: Latin-1 both ways.
inline QString FromBytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<size_t>(latin1.size()));
}
