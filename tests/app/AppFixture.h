#pragma once

#include "app/CAreaDocument.h"
#include "app/CMainFrame.h"
#include "app/CTolvexApp.h"
#include "config/ConfigLoader.h"
#include "gui_support/ScriptedPrompt.h"
#include "map/CChildFrame.h"
#include "map/CTolvexView.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

// A started editor with its own settings store, configuration and files, all
// in a temporary directory; message boxes go to `prompt`.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        const QString settings = temp.filePath(QStringLiteral("settings"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    }

    void TearDown() override { app.reset(); }

    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The shipped configuration, with the mobprog setting given.
    QString WriteConfig(int mobprog = 1)
    {
        std::string text = ReadAll(SourcePath("res/tolvex.cfg"));
        const std::string setting = "MOBPROG 1";
        const size_t at = text.find(setting, text.find("#GENERAL"));
        if (at != std::string::npos)
            text.replace(at, setting.size(), "MOBPROG " + std::to_string(mobprog));
        return WriteFile(QStringLiteral("tolvex.cfg"), text);
    }

    QString WriteFile(const QString& name, const std::string& bytes)
    {
        const QString path = temp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    QString TowerArea() { return WriteFile(QStringLiteral("tower.are"), ReadAll(SourcePath("tests/data/map-levels/tower.are"))); }

    // Starts the editor with these arguments after the program name.
    bool Start(QStringList arguments = {}, int mobprog = 1, CStartOptions options = {})
    {
        app = std::make_unique<CTolvexApp>(tables);
        if (options.configPath.isEmpty())
            options.configPath = WriteConfig(mobprog);
        arguments.prepend(QStringLiteral("--no-splash"));
        arguments.prepend(QStringLiteral("tolvex"));
        return app->InitInstance(arguments, options);
    }

    CMainFrame* Frame() const { return app->MainFrame(); }
    QAction* Action(Command c) const { return app->MainFrame()->Action(c); }
    CChildFrame* ActiveChild() const { return app->MainFrame()->ActiveFrame(); }
    CTolvexView* ActiveView() const { return app->MainFrame()->ActiveView(); }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* menu : Frame()->menuBar()->actions())
            titles << menu->text();
        return titles;
    }

    QTemporaryDir temp;
    CScriptedPrompt prompt;
    CConfigTables tables;
    std::unique_ptr<CTolvexApp> app;
};
