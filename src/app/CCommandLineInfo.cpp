#include "app/CCommandLineInfo.h"

namespace {

bool IsSwitch(const QString& argument, const char* name)
{
    const QString bare = QString::fromLatin1(name);
    for (const QString& prefix : { QStringLiteral("/"), QStringLiteral("-"), QStringLiteral("--") })
        if (argument.compare(prefix + bare, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments)
{
    CCommandLineInfo info;
    bool print = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsSwitch(argument, "p") || IsSwitch(argument, "print"))
            print = true;
        else if (IsSwitch(argument, "Embedding") || IsSwitch(argument, "Automation") || IsSwitch(argument, "no-splash"))
            info.showSplash = false;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            continue; // a switch of another program, or of Qt
        else
            info.fileNames.append(argument);
    }
    if (!info.fileNames.isEmpty())
        info.shellCommand = print ? Shell::FilePrint : Shell::FileOpen;
    return info;
}
