#pragma once

#include "gui/Prompt.h"

#include <deque>

// Records every message box and answers questions from a queue (No when empty).
class CScriptedPrompt : public IPrompt {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    CScriptedPrompt() { SetPrompt(this); }
    ~CScriptedPrompt() override { SetPrompt(nullptr); }

    void Show(QWidget*, const QString& title, const QString& text, QMessageBox::Icon icon) override
    {
        shown.push_back({ title, text, icon });
    }

    QMessageBox::StandardButton Ask(QWidget*, const QString& title, const QString& text, QMessageBox::Icon icon,
        QMessageBox::StandardButtons, QMessageBox::StandardButton defaultButton) override
    {
        asked.push_back({ title, text, icon });
        defaults.push_back(defaultButton);
        if (answers.empty())
            return QMessageBox::No;
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts of the boxes shown (or asked) so far, each after its title when wanted, joined by '|'.
    QString Told(bool titled = false) const { return Join(shown, titled); }
    QString Asked(bool titled = false) const { return Join(asked, titled); }
    void Clear() { answers.clear(), shown.clear(), asked.clear(), defaults.clear(); }

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Shown> shown;
    std::vector<Shown> asked;
    std::vector<QMessageBox::StandardButton> defaults;

private:
    static QString Join(const std::vector<Shown>& boxes, bool titled)
    {
        QStringList all;
        for (const Shown& box : boxes)
            all << (titled ? box.title + QLatin1Char(' ') : QString()) + box.text;
        return all.join(QLatin1Char('|'));
    }
};
