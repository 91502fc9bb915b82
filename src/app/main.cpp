#include "app/CTolvexApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvex"));
    QApplication::setOrganizationName(QStringLiteral("Vantreme"));
    CTolvexApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return app.ExitCode();
    return QApplication::exec();
}
