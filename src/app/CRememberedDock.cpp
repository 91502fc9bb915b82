#include "app/CRememberedDock.h"

#include "gui/AppSettings.h"

#include <QAction>
#include <QCloseEvent>

#include <utility>

CRememberedDock::CRememberedDock(const QString& title, QString key, QWidget* parent, bool shownAtFirst)
    : QDockWidget(title, parent)
    , settingsKey(std::move(key))
    , shownByDefault(shownAtFirst)
{
    connect(toggleViewAction(), &QAction::triggered, this, &CRememberedDock::RememberShown);
}

bool CRememberedDock::ShownInSettings() const
{
    return AppSettings()->value(settingsKey, shownByDefault).toBool();
}

void CRememberedDock::ShowByChoice()
{
    show();
    RememberShown(true);
}

void CRememberedDock::RememberShown(bool shown) const
{
    AppSettings()->setValue(settingsKey, shown);
}

void CRememberedDock::closeEvent(QCloseEvent* event)
{
    RememberShown(false);
    QDockWidget::closeEvent(event);
}
