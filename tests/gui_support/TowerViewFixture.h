#pragma once

#include "app/AppFixture.h"
#include "layout/RoomLayout.h"

// The editor started on the tower test area: its first map view and the area.
class TowerViewFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start({ TowerArea() }));
        view = ActiveView();
        ASSERT_NE(view, nullptr);
        doc = &view->GetDocument();
    }

    int RoomIndex(int vnum) const { return doc->FindRoomIndex(vnum); }
    const CRoomData& Room(int vnum) const { return doc->rooms[static_cast<size_t>(RoomIndex(vnum))]; }
    int SelectedVnum() const { return view->Selection() < 0 ? -1 : doc->rooms[static_cast<size_t>(view->Selection())].vnum; }
    void OnNextModal(const char* button, std::function<void(QWidget*)> action = {})
    {
        ::OnNextModal(timers, button, std::move(action));
    }

    CTolvexView* view = nullptr;
    const CTolvexDoc* doc = nullptr;
    QObject timers; // of the dialogs' answers
};
