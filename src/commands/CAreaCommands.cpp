#include "commands/CAreaCommands.h"

#include "area/RoomRecord.h"
#include "editors/AreaEdits.h"
#include "editors/CAreaInfoDlg.h"
#include "editors/CMobListDlg.h"
#include "editors/CMobprogListDlg.h"
#include "editors/CObjectListDlg.h"
#include "editors/CRoomEditDlg.h"
#include "editors/CRoomListDlg.h"
#include "editors/RecordClipboard.h"
#include "editors/RoomClipboard.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"
#include "map/CTolvexView.h"

CAreaCommands::CAreaCommands(CTolvexView& mapView)
    : view(mapView)
    , document(mapView.Document())
{
}

bool CAreaCommands::MobprogsEnabled(const CAreaDocument& area)
{
    return area.Doc().Tables().mobprog != 0;
}

void CAreaCommands::AreaGeneral()
{
    CAreaHeader header;
    if (CAreaInfoDlg::EditAreaInfo(&view, document.Doc(), header))
        document.Editor().ReplaceHeader(header);
}

void CAreaCommands::RoomsList()
{
    CRoomListDlg::ListAndEdit(&view, document.Editor());
}

void CAreaCommands::RoomsEdit()
{
    EditRoom(view.Selection());
}

void CAreaCommands::EditRoom(int index)
{
    EditRoomInArea(&view, document.Editor(), index);
}

void CAreaCommands::ShowAddedRoom(int index)
{
    // Digging up or down goes on where the new room is.
    const CRoomData& placed = document.Doc().rooms[static_cast<size_t>(index)];
    if (!placed.unplaced && placed.level != view.ShownLevel())
        view.SetShownLevel(placed.level);
    view.SetSelection(index);
}

void CAreaCommands::AddProposedRoom(const RoomCommands::CRoomProposal& proposal, int from, int direction)
{
    if (!proposal.ready) {
        if (!proposal.error.empty())
            ShowError(&view, FromBytes(proposal.error));
        return;
    }
    CRoomData room = proposal.room;
    if (CRoomEditDlg::EditRoom(&view, document.Doc(), room))
        ShowAddedRoom(document.Editor().AddRoom(room, from, direction));
}

void CAreaCommands::RoomsNew()
{
    AddProposedRoom(RoomCommands::ProposeNewRoom(document.Doc()), -1, -1);
}

void CAreaCommands::RoomsCreate(int direction)
{
    const int from = view.Selection();
    if (from >= 0)
        AddProposedRoom(RoomCommands::ProposeRoomInDirection(document.Doc(), from, direction), from, direction);
}

void CAreaCommands::RoomsDelete()
{
    const int room = view.Selection();
    if (room >= 0 && AskWarningYesNo(&view, QString::fromLatin1(RoomCommands::ConfirmDelete)))
        document.Editor().DeleteRoom(room);
}

void CAreaCommands::ObjectsList()
{
    CObjectListDlg dialog(document.Editor(), &view);
    dialog.exec();
}

void CAreaCommands::MobsList()
{
    CMobListDlg dialog(document.Editor(), &view);
    dialog.exec();
}

void CAreaCommands::MobprogsList()
{
    if (!MobprogsEnabled(document))
        return;
    CMobprogListDlg dialog(document.Editor(), &view);
    dialog.exec();
}

void CAreaCommands::EditRecord(RecordKind kind, int vnum)
{
    const CTolvexDoc& doc = document.Doc();
    switch (kind) {
    case RecordKind::Room: EditRoom(doc.FindRoomIndex(vnum)); break;
    case RecordKind::Object: EditObjectInArea(&view, document.Editor(), doc.FindObjectByVnum(vnum)); break;
    case RecordKind::Mob: EditMobInArea(&view, document.Editor(), doc.FindMobByVnum(vnum)); break;
    case RecordKind::Mobprog: {
        const int index = doc.FindMobprogByVnum(vnum);
        if (index < 0 || !MobprogsEnabled(document))
            return;
        CMobprogListDlg dialog(document.Editor(), &view);
        dialog.ChooseProgram(index);
        dialog.exec();
        break;
    }
    case RecordKind::Header: AreaGeneral(); break;
    }
}

void CAreaCommands::CopyRoom()
{
    const int room = view.Selection();
    if (room >= 0)
        CopyRoomToClipboard(document.Doc().rooms[static_cast<size_t>(room)]);
}

void CAreaCommands::PasteRoom()
{
    RoomCommands::CRoomProposal proposal = RoomCommands::ProposeNewRoom(document.Doc());
    if (!proposal.ready) {
        if (!proposal.error.empty())
            ShowError(&view, FromBytes(proposal.error));
        return;
    }
    QByteArray bytes;
    if (!RecordOnClipboard(RoomRecordFormat, bytes)) {
        ShowError(&view, QStringLiteral("The clipboard holds no room to paste."));
        return;
    }
    if (!PasteRoomFromClipboard(proposal.room))
        return;
    ShowAddedRoom(document.Editor().AddRoom(proposal.room));
}
