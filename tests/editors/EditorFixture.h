#pragma once

#include "area/RoomRecord.h"
#include "gui/CFlagList.h"
#include "gui_support/DialogDriver.h"
#include "gui_support/ScriptedPrompt.h"
#include "support/ExampleArea.h"

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
    void SetUp() override
    {
        LoadExampleTables(tables);
        doc = ExampleArea(tables);
    }

    void OnNextModal(const char* button, std::function<void(QWidget*)> action = {})
    {
        ::OnNextModal(timers, button, std::move(action));
    }
    // Opens a new dialog of this kind as the one under test, `shown`, active
    // when its keys must reach it; `dialog` keeps it.
    template <typename Dialog, typename... Args>
    void OpenDialog(std::unique_ptr<Dialog>& dialog, bool active, Args&&... args)
    {
        dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
        active ? ShowActive(dialog.get()) : dialog->show();
        shown = dialog.get();
    }
    // A widget, a button and an action of the dialog under test, `shown`.
    template <typename T>
    T* W(const char* name) const { return Find<T>(shown, name); }
    void Press(const char* button) const { Click(shown, button); }
    void Trigger(const char* action) const { Find<QAction>(shown, action)->trigger(); }
    void Choose(const char* combo, const char* text) const { ChooseText(W<QComboBox>(combo), text); }
    // Types over a number box or a line box.
    void Type(const char* box, const char* text) const
    {
        if (auto* number = shown->findChild<CNumberBox*>(QString::fromLatin1(box)))
            return TypeNumber(number, QString::fromLatin1(text));
        auto* edit = W<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    // Presses OK and expects it refused: the error `message` told, the dialog open, the focus in `focus`.
    void ExpectOkRefused(const char* message, const char* focus)
    {
        prompt.Clear();
        Press("okButton");
        EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! ") + QString::fromLatin1(message));
        EXPECT_TRUE(shown->isVisible() && shown->focusWidget() == W<QWidget>(focus)) << message << ": the dialog stays open, the focus in " << focus;
    }
    // Ctrl+Shift and `key` (C copies a record, V pastes one) in the widget.
    void RecordKey(const char* widget, Qt::Key key) const
    {
        W<QWidget>(widget)->setFocus();
        QTest::keyClick(W<QWidget>(widget), key, Qt::ControlModifier | Qt::ShiftModifier);
    }
    // A flag's item clicked as the mouse does, or toggled with the space bar.
    void ClickFlag(const char* list, const char* name, bool bySpace = false) const
    {
        auto* flags = W<CFlagList>(list);
        QListWidgetItem* item = flags->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << list << " has no " << name;
        flags->scrollToItem(item);
        if (!bySpace)
            return QTest::mouseClick(flags->viewport(), Qt::LeftButton, {}, flags->visualItemRect(item).center());
        flags->setCurrentItem(item);
        QTest::keyClick(flags, Qt::Key_Space);
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CScriptedPrompt prompt;
    QObject timers;
    QWidget* shown = nullptr;
};
