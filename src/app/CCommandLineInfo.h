#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for, read by QCommandLineParser. File names
// open those files; "-p FILE", "--print FILE" or the old "/p" with a file
// prints the first; "--no-splash" and the old "/Embedding" and "/Automation"
// start without the splash screen; "--config FILE" names the configuration.
// The old slash switches are matched without regard to case; anything else
// starting with "/" is a path. Qt's own options (-style, -platform...) pass.
struct CCommandLineInfo {
    enum class Shell { FileNew,
        FileOpen,
        FilePrint };

    Shell shellCommand = Shell::FileNew;
    QStringList fileNames;
    bool showSplash = true;
    QString configPath;
    // -1 to start; otherwise the program prints `message` (the help or the
    // version on standard output with 0, a usage error on standard error
    // with 2) and exits with it.
    int exitCode = -1;
    QString message;

    // `arguments` includes the program name first, as QCoreApplication gives it.
    static CCommandLineInfo Parse(const QStringList& arguments);
};
