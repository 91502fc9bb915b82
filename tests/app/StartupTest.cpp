#include "AppFixture.h"

#include "app/CCommandLineInfo.h"
#include "support/RunCli.h"

#include <QMenuBar>

namespace {

using Shell = CCommandLineInfo::Shell;

TEST(CommandLine, SwitchesAndFileNames)
{
    // the arguments, the shell command, the file names, whether the splash shows, the configuration
    const std::tuple<const char*, Shell, const char*, bool, const char*> cases[] = {
        { "", Shell::FileNew, "", true, "" },
        { "/p area.are", Shell::FilePrint, "area.are", true, "" },
        { "area.are /P", Shell::FilePrint, "area.are", true, "" },
        { "/p", Shell::FileNew, "", true, "" },
        { "-p a.are b.are", Shell::FilePrint, "a.are b.are", true, "" },
        { "--print=a.are", Shell::FilePrint, "a.are", true, "" },
        { "-AUTOMATION x.are", Shell::FileOpen, "x.are", false, "" },
        { "--no-splash x.are", Shell::FileOpen, "x.are", false, "" },
        { "-style Fusion --config=my.cfg x.are", Shell::FileOpen, "x.are", true, "my.cfg" },
        { "--config my.cfg /abs/a.are -- -b.are", Shell::FileOpen, "/abs/a.are -b.are", true, "my.cfg" },
    };
    for (const auto& [line, shell, fileNames, showSplash, config] : cases) {
        const CCommandLineInfo info = CCommandLineInfo::Parse(QStringLiteral("tolvex %1").arg(QLatin1String(line)).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        EXPECT_EQ(info.exitCode, -1) << line;
        EXPECT_EQ(info.shellCommand, shell) << line;
        EXPECT_EQ(info.fileNames.join(QLatin1Char(' ')).toStdString(), fileNames) << line;
        EXPECT_EQ(info.showSplash, showSplash) << line;
        EXPECT_EQ(info.configPath.toStdString(), config) << line;
    }
}

// They answer before the application exists: no display is needed.
TEST(CommandLine, HelpVersionAndBadUsageNeedNoDisplay)
{
    const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    const CCliResult help = RunProgram(noDisplay, TOLVEX_EDITOR, { "--help" });
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_NE(help.out.find("-p, --print <FILE>"), std::string::npos) << help.out;
    EXPECT_EQ(RunProgram(noDisplay, TOLVEX_EDITOR, { "-v" }).Whole(), (CCliResult { 0, "tolvex " TOLVEX_VERSION "\n", "" }).Whole());
    const CCliResult bad = RunProgram(noDisplay, TOLVEX_EDITOR, { "--bogus", "a.are" });
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err.rfind("tolvex: Unknown option 'bogus'.\n\nUsage: ", 0), 0u) << bad.err;
}

using Startup = AppFixture;

QString MenuTitles(const CMainFrame* frame)
{
    QStringList titles;
    for (QAction* menu : frame->menuBar()->actions())
        titles << menu->text();
    return titles.join(QLatin1Char(' '));
}

TEST_F(Startup, ShowsTheMaximisedFrameWithTheShortMenusOrWithAFileOneMapWindowOnLevelZeroAndTheWholeMenus)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame()->isVisible() && Frame()->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_EQ(Frame()->ShownMenus(), MenuSet::WithoutArea);
    EXPECT_EQ(MenuTitles(Frame()), QStringLiteral("&File &Edit &View &Help"));
    EXPECT_TRUE(prompt.shown.empty()) << prompt.shown.front().text.toStdString();

    ASSERT_TRUE(Start({ TowerArea() }));
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
    EXPECT_EQ(Frame()->ShownMenus(), MenuSet::WithArea);
    EXPECT_EQ(MenuTitles(Frame()), QStringLiteral("&File &Edit &View &Area &Rooms &Objects &Mobs Ma&p &Window &Help"));
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Quendar Editor - tower.are[*]"));
}

TEST_F(Startup, ConfigurationOrFileThatCannotBeReadStopsWithAMessageAndAFailureStatus)
{
    // The configuration's text ("" for no file, "-" for the shipped one), the arguments, the message.
    const std::tuple<std::string, QStringList, const char*> cases[] = {
        { "", {}, "Error leyendo tolvex.cfg! (0)" },
        { "A comment.\n\n#BOGUS\nEND\n", {}, "Error leyendo tolvex.cfg! (3)" },
        { "-", { temp.filePath(QStringLiteral("nowhere.are")) }, "nowhere.are" },
    };
    for (const auto& [config, arguments, message] : cases) {
        prompt.shown.clear();
        CStartOptions options;
        if (config != "-")
            options.configPath = config.empty() ? temp.filePath(QStringLiteral("absent.cfg")) : WriteFile(QStringLiteral("bad.cfg"), config);
        EXPECT_FALSE(Start(arguments, 1, options)) << message;
        EXPECT_NE(app->ExitCode(), 0) << message;
        ASSERT_EQ(prompt.shown.size(), 1u) << message;
        EXPECT_TRUE(prompt.shown[0].text.contains(QLatin1String(message))) << prompt.shown[0].text.toStdString();
    }
}

TEST_F(Startup, PrintSwitchPrintsEveryLevelAndEndsWithoutAWindow)
{
    CStartOptions options;
    options.printOutputFile = temp.filePath(QStringLiteral("printed.pdf"));
    EXPECT_FALSE(Start({ QStringLiteral("/p"), TowerArea() }, 1, options));
    EXPECT_EQ(app->ExitCode(), 0);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_EQ(PdfPages(options.printOutputFile), 4);
}

} // namespace
