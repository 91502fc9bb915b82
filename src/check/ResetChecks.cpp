#include "check/Checks.h"

#include "area/ResetKinds.h"
#include "text/TextWriter.h"

namespace {

std::string CommandText(char command)
{
    // A byte that is no letter would vanish or garble the sentence.
    if (command > ' ' && command < 127)
        return std::string(1, command);
    return Format("byte %d", { static_cast<int>(static_cast<unsigned char>(command)) });
}

} // namespace

// The server attaches a G, E or P to the room of the last M, O, D or R before
// it; at the very start of the list there is none, and it stops.
void CheckLeadingResets(CCheckContext& c)
{
    for (const CResetData& reset : c.doc.strayResets) {
        if (NamesItsRoom(reset.command))
            return;
        if (FindResetKind(reset.command)) {
            c.Add(RecordKind::Header, 0, reset.line,
                Format("The first reset of the area, %c of object %d, belongs to no room; the server needs the "
                       "first reset to be M, O, D or R.",
                    { reset.command, reset.arg1 }));
            return;
        }
    }
}

void CheckResetOrder(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms) {
        bool mob = false; // an M before: there is a mob to give to or equip
        bool holder = false; // an O, G or E before: there is an object to put into
        for (size_t i = 0; i < room.resets.size(); ++i) {
            const CResetData& reset = room.resets[i];
            if (i == 0 && !NamesItsRoom(reset.command) && FindResetKind(reset.command))
                c.AddForReset(room, reset,
                    Format("The first reset of room %d is %c; the server needs the first reset of a room to be "
                           "M, O, D or R.",
                        { room.vnum, reset.command }));
            else if ((reset.command == 'G' || reset.command == 'E') && !mob)
                c.AddForReset(room, reset,
                    Format("Room %d: the %c reset of object %d has no M reset before it in the room, so there is no "
                           "mob to %s; the server refuses this.",
                        { room.vnum, reset.command, reset.arg1, reset.command == 'G' ? "give it to" : "equip" }));
            else if (reset.command == 'P' && !holder)
                c.AddForReset(room, reset,
                    Format("Room %d: the P reset puts object %d into object %d, but no O, G or E reset comes before "
                           "it in the room; the server refuses this.",
                        { room.vnum, reset.arg1, reset.arg3 }));
            mob = mob || reset.command == 'M';
            holder = holder || reset.command == 'O' || reset.command == 'G' || reset.command == 'E';
        }
    }
}

void CheckResetArguments(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms) {
        for (const CResetData& reset : room.resets) {
            if (reset.command == 'D') {
                const int direction = reset.arg2;
                const bool door = direction >= 0 && direction < DirectionCount
                    && room.exits[static_cast<size_t>(direction)].toVnum > 0
                    && LockCodeOfFlags(room.exits[static_cast<size_t>(direction)].exitFlags) != 0;
                if (!door)
                    c.AddForReset(room, reset,
                        Format("Room %d: the D reset sets the door %s, but the room has no exit with a door that way; "
                               "the server refuses this.",
                            { room.vnum, c.DirectionName(direction) }));
                if (reset.arg3 < 0 || reset.arg3 > 2)
                    c.AddForReset(room, reset,
                        Format("Room %d: the D reset gives the door %s the state %d; the server knows only 0 (open), "
                               "1 (closed) and 2 (closed and locked).",
                            { room.vnum, c.DirectionName(direction), reset.arg3 }));
            } else if (reset.command == 'R') {
                if (reset.arg2 < 0 || reset.arg2 > 6)
                    c.AddForReset(room, reset,
                        Format("Room %d: the R reset shuffles %d exits; the server accepts 0 to 6.", { room.vnum, reset.arg2 }));
            } else if (!FindResetKind(reset.command)) {
                c.AddForReset(room, reset,
                    Format("Room %d has a reset with the command %s, which the server does not know; it is not saved.",
                        { room.vnum, CommandText(reset.command) }));
            }
        }
    }
}

// The server looks up the mob, object, container and room of every reset as
// it reads them and stops on one it lacks.
void CheckResetTargets(CCheckContext& c)
{
    auto missingObject = [&c](int vnum) { return c.InRange(vnum) && !c.HasObject(vnum); };
    for (const CRoomData& room : c.doc.rooms) {
        for (const CResetData& reset : room.resets) {
            switch (reset.command) {
            case 'M':
                if (c.InRange(reset.arg1) && !c.HasMob(reset.arg1))
                    c.AddForReset(room, reset,
                        Format("Room %d: the M reset loads mob %d, which this area does not have; the server stops at boot without it.", { room.vnum, reset.arg1 }));
                break;
            case 'P':
                if (missingObject(reset.arg3))
                    c.AddForReset(room, reset,
                        Format("Room %d: the P reset puts object %d into object %d, which this area does not have; the server stops at boot without it.",
                            { room.vnum, reset.arg1, reset.arg3 }));
                [[fallthrough]];
            case 'O':
            case 'G':
            case 'E':
                if (missingObject(reset.arg1))
                    c.AddForReset(room, reset,
                        Format("Room %d: the %c reset loads object %d, which this area does not have; the server stops at boot without it.",
                            { room.vnum, reset.command, reset.arg1 }));
                break;
            default:
                break;
            }
        }
    }
    // A reset kept for another area's room is fine unless that room should be ours.
    for (const CResetData& reset : c.doc.strayResets) {
        if (!NamesItsRoom(reset.command))
            continue;
        const bool door = reset.command == 'D' || reset.command == 'R';
        const int roomVnum = *RoomArgument(reset);
        if (!c.InRange(roomVnum))
            continue;
        const std::string what = door ? std::string() : Format(" of %s %d", { reset.command == 'M' ? "mob" : "object", reset.arg1 });
        c.Add(RecordKind::Header, 0, reset.line,
            Format("The %c reset%s names room %d, which this area does not have; the server stops at boot without it.", { reset.command, what, roomVnum }));
    }
}

void CheckMobLimits(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms)
        for (const CResetData& reset : room.resets)
            if (reset.command == 'M' && reset.arg4 > reset.arg2)
                c.AddForReset(room, reset,
                    Format("Room %d: the M reset of mob %d allows %d in the room but only %d in the world.",
                        { room.vnum, reset.arg1, reset.arg4, reset.arg2 }));
}
