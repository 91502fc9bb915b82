#include "AppFixture.h"

#include "app/CCommandLineInfo.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

using Shell = CCommandLineInfo::Shell;

struct CommandLineCase {
    QStringList arguments;
    Shell shell;
    const char* fileName;
    bool showSplash;
};

TEST(CommandLine, SwitchesAndFileNames)
{
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    const CommandLineCase cases[] = {
        { {}, Shell::FileNew, "", true },
        { { s("area.are") }, Shell::FileOpen, "area.are", true },
        { { s("/home/builder/area.are") }, Shell::FileOpen, "/home/builder/area.are", true },
        { { s("/p"), s("area.are") }, Shell::FilePrint, "area.are", true },
        { { s("area.are"), s("/P") }, Shell::FilePrint, "area.are", true },
        { { s("--print"), s("area.are") }, Shell::FilePrint, "area.are", true },
        { { s("/p") }, Shell::FileNew, "", true },
        { { s("/Embedding") }, Shell::FileNew, "", false },
        { { s("-AUTOMATION"), s("x.are") }, Shell::FileOpen, "x.are", false },
        { { s("--no-splash"), s("x.are") }, Shell::FileOpen, "x.are", false },
        { { s("-style"), s("x.are") }, Shell::FileOpen, "x.are", true },
    };
    for (const CommandLineCase& c : cases) {
        QStringList arguments = c.arguments;
        arguments.prepend(s("tolvex"));
        const CCommandLineInfo info = CCommandLineInfo::Parse(arguments);
        const std::string shown = arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(info.shellCommand, c.shell) << shown;
        EXPECT_EQ(info.fileName.toStdString(), c.fileName) << shown;
        EXPECT_EQ(info.showSplash, c.showSplash) << shown;
    }
}

using Startup = AppFixture;

TEST_F(Startup, WithoutArgumentsShowsTheMaximisedFrameWithMenu128AndNoArea)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_TRUE(Frame()->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_EQ(Frame()->MenuId(), 128);
    EXPECT_EQ(MenuTitles(), QStringList({ QStringLiteral("&File"), QStringLiteral("&View"), QStringLiteral("&Help") }));
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Quendar Editor"));
    EXPECT_TRUE(prompt.shown.empty()) << prompt.shown.front().text.toStdString();
}

TEST_F(Startup, WithAFileOpensOneMapWindowOnLevelZeroAndMenu129)
{
    ASSERT_TRUE(Start({ TowerArea() }));
    ASSERT_EQ(app->Documents().size(), 1u);
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
    EXPECT_EQ(Frame()->MenuId(), 129);
    const QStringList expected = { QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
        QStringLiteral("&Area"), QStringLiteral("&Rooms"), QStringLiteral("&Objects"), QStringLiteral("&Mobs"),
        QStringLiteral("&Map"), QStringLiteral("&Window"), QStringLiteral("&Help") };
    EXPECT_EQ(MenuTitles(), expected);
    EXPECT_EQ(app->Documents().front()->Title(), QStringLiteral("tower.are"));
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Quendar Editor - tower.are[*]"));
    EXPECT_FALSE(Frame()->isWindowModified());
}

TEST_F(Startup, ConfigurationThatCannotBeReadStopsWithItsLineAndAFailureStatus)
{
    struct Case {
        const char* what;
        std::string config; // empty: no file at all
        int line;
    };
    const Case cases[] = {
        { "missing file", "", 0 },
        { "unknown section on line 3", "A comment.\n\n#BOGUS\nEND\n", 3 },
    };
    for (const Case& c : cases) {
        prompt.shown.clear();
        CStartOptions options;
        options.configPath = c.config.empty() ? temp.filePath(QStringLiteral("absent.cfg"))
                                              : WriteFile(QStringLiteral("bad.cfg"), c.config);
        EXPECT_FALSE(Start({}, 1, options)) << c.what;
        EXPECT_NE(app->ExitCode(), 0) << c.what;
        EXPECT_EQ(app->MainFrame(), nullptr) << c.what;
        ASSERT_EQ(prompt.shown.size(), 1u) << c.what;
        EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Error")) << c.what;
        EXPECT_EQ(prompt.shown[0].text, QStringLiteral("Error leyendo tolvex.cfg! (%1)").arg(c.line)) << c.what;
        EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Critical) << c.what;
    }
}

TEST_F(Startup, FileThatCannotBeOpenedEndsStartUpAfterSayingWhich)
{
    const QString missing = temp.filePath(QStringLiteral("nowhere.are"));
    EXPECT_FALSE(Start({ missing }));
    EXPECT_NE(app->ExitCode(), 0);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains(QStringLiteral("nowhere.are"))) << prompt.shown[0].text.toStdString();
}

TEST_F(Startup, PrintSwitchPrintsEveryLevelAndEndsWithoutAWindow)
{
    CStartOptions options;
    options.printOutputFile = temp.filePath(QStringLiteral("printed.pdf"));
    EXPECT_FALSE(Start({ QStringLiteral("/p"), TowerArea() }, 1, options));
    EXPECT_EQ(app->ExitCode(), 0);
    EXPECT_TRUE(app->Documents().empty());
    const std::string pdf = ReadAll(options.printOutputFile.toStdString());
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())).count(page), 4);
}

} // namespace
