#pragma once

#include <QDockWidget>
#include <QString>

// A panel whose showing or hiding is the builder's choice, kept in the
// settings under `key` (`shownByDefault` when never set). Only the builder's own choice
// is kept, not the hiding when the program closes.
class CRememberedDock : public QDockWidget {
    Q_OBJECT

public:
    CRememberedDock(const QString& title, QString key, QWidget* parent = nullptr, bool shownByDefault = true);

    bool ShownInSettings() const;
    // Shows the panel as the builder's choice, kept like the menu's.
    void ShowByChoice();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RememberShown(bool shown) const;

    QString settingsKey;
    bool shownByDefault;
};
