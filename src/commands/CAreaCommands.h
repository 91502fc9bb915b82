#pragma once

#include "area/RecordKind.h"
#include "layout/RoomCommands.h"

class CAreaDocument;
class CTolvexView;

// The commands that act on an area from one of its map windows. Every record
// dialog opens here, on a copy, and hands what it finished to the area's
// operations, the same way for rooms, objects, mobs and mobprogs; the map
// window is told what to select and show.
class CAreaCommands {
public:
    explicit CAreaCommands(CTolvexView& view);

    void AreaGeneral();
    void RoomsList();
    // The selected room, or room `index`.
    void RoomsEdit();
    void EditRoom(int index);
    void RoomsNew();
    void RoomsDelete();
    void RoomsCreate(int direction);
    void ObjectsList();
    void MobsList();
    void MobprogsList();
    // The editor of the object, mob or mobprog with this vnum, if the area
    // has one (the Problems panel opens records this way).
    void EditRecord(RecordKind kind, int vnum);
    // The selected room to the clipboard as a "TOLVEX_ROOM" record; pasted,
    // a room record becomes a new room on the lowest free vnum.
    void CopyRoom();
    void PasteRoom();

    static bool MobprogsEnabled(const CAreaDocument& document);

private:
    // Runs the room editor on a proposed room and adds it on OK.
    void AddProposedRoom(const RoomCommands::CRoomProposal& proposal, int from, int direction);
    // Selects the new room and shows its level.
    void ShowAddedRoom(int index);

    CTolvexView& view;
    CAreaDocument& document;
};
