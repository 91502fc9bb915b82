#pragma once

#include "gui/CAreaDocument.h"
#include "app/CMainFrame.h"
#include "app/CTolvexApp.h"
#include "config/ConfigLoader.h"
#include "gui_support/DialogDriver.h"
#include "gui_support/ScriptedPrompt.h"
#include "map/CChildFrame.h"
#include "map/CTolvexView.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <memory>

// A started editor with its own settings store, configuration and files, all
// in a temporary directory; message boxes go to `prompt`.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        for (const auto format : { QSettings::NativeFormat, QSettings::IniFormat })
            QSettings::setPath(format, QSettings::UserScope, temp.filePath(QStringLiteral("settings")));
    }

    // The pages of a PDF file the editor printed.
    static qsizetype PdfPages(const QString& path)
    {
        return QString::fromStdString(ReadWholeFile(path.toStdString()))
            .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
    }

    QString WriteFile(const QString& name, const std::string& bytes)
    {
        QFile file(temp.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    QString TowerArea() { return WriteFile(QStringLiteral("tower.are"), ReadWholeFile(SourcePath("tests/data/map-levels/tower.are"))); }

    // Starts the editor with these arguments after the program name, on the
    // shipped configuration with the mobprog setting given.
    bool Start(const QStringList& arguments = {}, int mobprog = 1, CStartOptions options = {})
    {
        std::string config = ReadWholeFile(SourcePath("res/tolvex.cfg"));
        config.replace(config.find("MOBPROG 1", config.find("#GENERAL")), 9, "MOBPROG " + std::to_string(mobprog));
        if (options.configPath.isEmpty())
            options.configPath = WriteFile(QStringLiteral("tolvex.cfg"), config);
        app = std::make_unique<CTolvexApp>(tables);
        return app->InitInstance(QStringList { QStringLiteral("tolvex"), QStringLiteral("--no-splash") } + arguments, options);
    }

    CMainFrame* Frame() const { return app->MainFrame(); }
    QAction* Action(Command c) const { return app->MainFrame()->Action(c); }
    // Whether the command is offered once the frame has updated its actions, as it does when idle.
    bool Enabled(Command c) const { return Frame()->UpdateActions(), Action(c)->isEnabled(); }
    CChildFrame* ActiveChild() const { return app->MainFrame()->ActiveFrame(); }
    CTolvexView* ActiveView() const { return app->MainFrame()->ActiveView(); }

    QTemporaryDir temp;
    CScriptedPrompt prompt;
    CConfigTables tables;
    std::unique_ptr<CTolvexApp> app;
};
