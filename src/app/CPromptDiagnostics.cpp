#include "app/CPromptDiagnostics.h"

#include "gui/Prompt.h"

CPromptDiagnostics::CPromptDiagnostics(QWidget* owner, const QString& file)
    : parent(owner)
    , fileName(file)
{
}

void CPromptDiagnostics::Report(const CDiagnostic& diagnostic)
{
    if (!diagnostic.messageBox) {
        kept.push_back(diagnostic);
        return;
    }
    const QMessageBox::Icon icon = diagnostic.severity == Severity::Error ? QMessageBox::Critical : QMessageBox::Warning;
    Prompt().Show(parent, FromBytes(diagnostic.title), FromBytes(diagnostic.text), icon);
}

void CPromptDiagnostics::ShowSummary(const QString& heading)
{
    if (kept.empty())
        return;
    bool anyError = false;
    QString text = heading.arg(fileName) + QStringLiteral("\n");
    int listed = 0;
    for (const CDiagnostic& d : kept) {
        anyError = anyError || d.severity == Severity::Error;
        if (listed == MaxListed)
            continue;
        ++listed;
        text += QStringLiteral("\n");
        if (d.line > 0)
            text += QStringLiteral("Line %1: ").arg(d.line);
        text += FromBytes(d.text);
    }
    const int rest = static_cast<int>(kept.size()) - listed;
    if (rest > 0)
        text += QStringLiteral("\n... and %1 more.").arg(rest);
    const QString title = QString::fromLatin1(anyError ? Messages::ErrorTitle : Messages::WarningTitle);
    Prompt().Show(parent, title, text, anyError ? QMessageBox::Critical : QMessageBox::Warning);
    kept.clear();
}
