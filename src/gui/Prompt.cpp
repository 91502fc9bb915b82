#include "gui/Prompt.h"

namespace {

class CMessageBoxPrompt : public IPrompt {
public:
    void Show(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) override
    {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    QMessageBox::StandardButton Ask(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

CMessageBoxPrompt realPrompt;
IPrompt* current = &realPrompt;

} // namespace

IPrompt& Prompt()
{
    return *current;
}

void SetPrompt(IPrompt* prompt)
{
    current = prompt ? prompt : &realPrompt;
}

void ShowError(QWidget* parent, const QString& text)
{
    Prompt().Show(parent, QStringLiteral("Error!"), text, QMessageBox::Critical);
}

bool AskWarningYesNo(QWidget* parent, const QString& text)
{
    return Prompt().Ask(parent, QStringLiteral("Warning!"), text, QMessageBox::Warning,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
