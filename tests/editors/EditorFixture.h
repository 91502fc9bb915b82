#pragma once

#include "area/CTolvexDoc.h"
#include "area/RoomRecord.h"
#include "config/ConfigLoader.h"
#include "gui_support/DialogDriver.h"
#include "gui_support/ScriptedPrompt.h"
#include "support/TestPaths.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <fstream>

// The shipped example tables of the dialect that edits every area field.
inline void LoadExampleTables(CConfigTables& tables)
{
    std::ifstream in(SourcePath("res/configs/quendar-example.cfg"));
    int line = 0;
    ASSERT_TRUE(LoadConfig(tables, in, line)) << "the example configuration fails at line " << line;
}

// Puts a record on the clipboard as a copy would, and reads one back.
inline void PutOnClipboard(const char* format, const std::vector<uint8_t>& record)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(format),
        QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}
inline std::vector<uint8_t> OnClipboard(const char* format)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray bytes = data ? data->data(QString::fromLatin1(format)) : QByteArray();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// An area of vnums 3000..3099: rooms 3001-3003, mobs 3005-3006, objects 3010-3011.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
        : doc(tables)
    {
    }

    void SetUp() override
    {
        LoadExampleTables(tables);
        doc = CTolvexDoc(tables);
        doc.lowerVnum = 3000;
        doc.upperVnum = 3099;
        for (int vnum : { 3001, 3002, 3003 }) {
            doc.rooms.emplace_back();
            doc.rooms.back().vnum = vnum;
            doc.rooms.back().name = "Room " + std::to_string(vnum);
        }
        for (const auto& [vnum, name] : { std::pair { 3005, "the baker" }, std::pair { 3006, "a guard" } }) {
            doc.mobs.emplace_back(tables);
            doc.mobs.back().vnum = vnum;
            doc.mobs.back().shortDesc = name;
        }
        for (const auto& [vnum, name] : { std::pair { 3010, "a sword" }, std::pair { 3011, "a bag" } }) {
            doc.objects.emplace_back();
            doc.objects.back().vnum = vnum;
            doc.objects.back().shortDesc = name;
        }
    }

    void OnNextModal(std::function<void(QWidget*)> action, const char* button = nullptr)
    {
        ::OnNextModal(timers, std::move(action), button);
    }
    // A widget and a button of the dialog under test, `shown`.
    template <typename T>
    T* W(const char* name) const { return Find<T>(shown, name); }
    void Press(const char* button) const { Click(shown, button); }
    void Choose(const char* combo, const char* text) const { ChooseText(W<QComboBox>(combo), text); }

    CConfigTables tables;
    CTolvexDoc doc;
    CScriptedPrompt prompt;
    QObject timers;
    QWidget* shown = nullptr;
};
