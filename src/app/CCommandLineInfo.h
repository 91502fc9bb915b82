#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. File names open those files; "/p" or
// "--print" with a file prints the first; "/Embedding", "/Automation" and
// "--no-splash" start without the splash screen. Switches are matched without
// regard to case; anything starting with "/" that is no known switch is a
// path, since absolute paths start that way here.
struct CCommandLineInfo {
    enum class Shell { FileNew,
        FileOpen,
        FilePrint };

    Shell shellCommand = Shell::FileNew;
    QStringList fileNames;
    bool showSplash = true;

    // `arguments` includes the program name first, as QCoreApplication gives it.
    static CCommandLineInfo Parse(const QStringList& arguments);
};
