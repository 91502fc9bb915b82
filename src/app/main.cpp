#include "app/CCommandLineInfo.h"
#include "app/CTolvexApp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // --help, --version and bad usage are answered before anything
    // graphical exists, so that they need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (CCommandLineInfo::Parse(arguments).exitCode >= 0) {
        // The help names the program as it was called.
        const QCoreApplication core(argc, argv);
        const CCommandLineInfo info = CCommandLineInfo::Parse(arguments);
        std::fputs(info.message.toLocal8Bit().constData(), info.exitCode == 0 ? stdout : stderr);
        return info.exitCode;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvex"));
    QApplication::setOrganizationName(QStringLiteral("Vantreme"));
    CTolvexApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return app.ExitCode();
    return QApplication::exec();
}
