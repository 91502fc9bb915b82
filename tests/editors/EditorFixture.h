#pragma once

#include "area/RoomRecord.h"
#include "gui/CFlagList.h"
#include "gui_support/DialogDriver.h"
#include "gui_support/ScriptedPrompt.h"
#include "support/ExampleArea.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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

// The dialogs over ExampleArea().
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
        : doc(tables)
    {
    }

    void SetUp() override
    {
        LoadExampleTables(tables);
        doc = ExampleArea(tables);
    }

    void OnNextModal(std::function<void(QWidget*)> action, const char* button = nullptr)
    {
        ::OnNextModal(timers, std::move(action), button);
    }
    // Makes `dialog` the dialog under test and shows it.
    void Show(QWidget* dialog)
    {
        dialog->show();
        shown = dialog;
    }
    // A widget and a button of the dialog under test, `shown`.
    template <typename T>
    T* W(const char* name) const { return Find<T>(shown, name); }
    void Press(const char* button) const { Click(shown, button); }
    void Choose(const char* combo, const char* text) const { ChooseText(W<QComboBox>(combo), text); }
    // A flag's item clicked as the mouse does.
    void ClickFlag(const char* list, const char* name) const
    {
        auto* flags = W<CFlagList>(list);
        const QListWidgetItem* item = flags->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << list << " has no " << name;
        flags->scrollToItem(item);
        QTest::mouseClick(flags->viewport(), Qt::LeftButton, {}, flags->visualItemRect(item).center());
    }

    CConfigTables tables;
    CTolvexDoc doc;
    CScriptedPrompt prompt;
    QObject timers;
    QWidget* shown = nullptr;
};
