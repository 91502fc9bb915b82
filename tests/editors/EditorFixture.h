#pragma once

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "gui_support/ScriptedPrompt.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <stdexcept>

// Tables just big enough for the editors, loaded from text.
inline const char* const EditorTestConfig = R"(
#GENERAL
MUDTYPE QUENDAR
END
#SECTORTYPE
inside 0
city 1
field 2
forest 3
end
#ROOMFLAGS
dark A
no_mob C
indoors D
safe K
end
#EXITFLAGS
door A
closed B
locked C
pickproof F
end
#WEARPOS
light 0
lfinger 1
body 5
wielded 16
end
#DIRNAME
north 0
east 1
south 2
west 3
up 4
down 5
end
#RECUNAME
madera 0
hierro 1
oro 2
end
)";

inline void LoadTables(CConfigTables& tables, const std::string& text)
{
    std::istringstream in(text);
    int line = 0;
    ASSERT_TRUE(LoadConfig(tables, in, line)) << "the test configuration fails at line " << line;
}

// An area of vnums 3000..3099 with a few rooms, mobs and objects.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
        : doc(tables)
    {
    }

    void SetUp() override
    {
        LoadTables(tables, EditorTestConfig);
        doc = CTolvexDoc(tables);
        doc.lowerVnum = 3000;
        doc.upperVnum = 3099;
        for (int vnum : { 3001, 3002, 3003 }) {
            CRoomData room;
            room.vnum = vnum;
            room.name = "Room " + std::to_string(vnum);
            doc.rooms.push_back(room);
        }
        for (const auto& [vnum, name] : { std::pair { 3005, "the baker" }, std::pair { 3006, "a guard" } }) {
            CMobData mob(tables);
            mob.vnum = vnum;
            mob.shortDesc = name;
            doc.mobs.push_back(mob);
        }
        for (const auto& [vnum, name] : { std::pair { 3010, "a sword" }, std::pair { 3011, "a bag" } }) {
            CObjData object;
            object.vnum = vnum;
            object.shortDesc = name;
            doc.objects.push_back(object);
        }
    }

    // Runs `action` on the modal dialog that the next exec() opens. The timer
    // belongs to the test, so one that never fired cannot reach a later test.
    void OnNextModal(std::function<void(QWidget*)> action)
    {
        auto* timer = new QTimer(&timers);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, [this, action] {
            QWidget* modal = QApplication::activeModalWidget();
            EXPECT_NE(modal, nullptr) << "no modal dialog opened";
            if (modal) {
                ++modalsAnswered;
                action(modal);
            }
        });
        timer->start(0);
    }

    // A widget of the dialog by its name; a missing one ends the test.
    template <typename T>
    static T* Find(const QObject* parent, const char* name)
    {
        T* child = parent->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            throw std::runtime_error(std::string("no widget named ") + name);
        return child;
    }

    CConfigTables tables;
    CTolvexDoc doc;
    CScriptedPrompt prompt;
    QObject timers;
    int modalsAnswered = 0;
};
