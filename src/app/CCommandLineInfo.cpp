#include "app/CCommandLineInfo.h"

#include <QCommandLineParser>

#ifndef TOLVEX_VERSION
#define TOLVEX_VERSION ""
#endif

namespace {

bool IsOldSwitch(const QString& argument, const char* name)
{
    return argument.compare(QLatin1Char('/') + QLatin1String(name), Qt::CaseInsensitive) == 0
        || argument.compare(QLatin1Char('-') + QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The options QGuiApplication and QApplication take out of the command line:
// main() reads it before they do.
void AddQtOptions(QCommandLineParser& parser)
{
    for (const char* name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger" }) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : { "reverse", "widgetcount", "nograb", "dograb", "sync" }) {
        QCommandLineOption option { QLatin1String(name) };
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments)
{
    CCommandLineInfo info;
    QCommandLineParser parser;
    // Qt's options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Tolvex, an editor for the area files of ROM MUDs."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the version and exit."));
    const QCommandLineOption print({ QStringLiteral("p"), QStringLiteral("print") },
        QStringLiteral("Print every level of the area FILE and exit."), QStringLiteral("FILE"));
    const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Read the configuration FILE instead of tolvex.cfg."),
        QStringLiteral("FILE"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"), QStringLiteral("Start without the splash screen."));
    parser.addOptions({ help, version, print, config, noSplash });
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Area files (.are) or an area list (area.lst) to open."),
        QStringLiteral("[FILE...]"));
    AddQtOptions(parser);

    // The switches of the old command line keep working.
    QStringList modern;
    bool printSwitch = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && (IsOldSwitch(argument, "Embedding") || IsOldSwitch(argument, "Automation")))
            info.showSplash = false;
        else if (i > 0 && (argument.compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0 || argument.compare(QStringLiteral("/print"), Qt::CaseInsensitive) == 0))
            printSwitch = true;
        else
            modern << argument;
    }
    if (!parser.parse(modern)) {
        info.exitCode = 2;
        info.message = QStringLiteral("tolvex: %1\n\n%2").arg(parser.errorText(), parser.helpText());
        return info;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        info.exitCode = 0;
        info.message = parser.isSet(help) ? parser.helpText() : QStringLiteral("tolvex %1\n").arg(QLatin1String(TOLVEX_VERSION));
        return info;
    }
    if (parser.isSet(noSplash))
        info.showSplash = false;
    info.configPath = parser.value(config);
    if (parser.isSet(print))
        info.fileNames << parser.value(print);
    info.fileNames << parser.positionalArguments();
    if (!info.fileNames.isEmpty())
        info.shellCommand = parser.isSet(print) || printSwitch ? Shell::FilePrint : Shell::FileOpen;
    return info;
}
