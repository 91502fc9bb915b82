#include "area/RoomRecord.h"

#include "area/ExtraDescRecord.h"
#include "text/RecordReader.h"
#include "text/RecordWriter.h"

#include <utility>

std::vector<uint8_t> WriteRoomRecord(const CRoomData& room)
{
    CRecordWriter out;
    out.WriteText(room.clan);
    out.WriteText(room.description);
    WriteExtraDescs(out, room.extraDescs, ExtraDescOrder::KeywordFirst);
    out.WriteInt(room.healRate);
    out.WriteInt(room.manaRate);
    out.WriteText(room.name);
    out.WriteText(room.owner);
    out.WriteList(room.resets, [](CRecordWriter& w, const CResetData& reset) {
        w.WriteByte(static_cast<uint8_t>(reset.command));
        w.WriteInt(reset.arg1);
        w.WriteInt(reset.arg2);
        w.WriteInt(reset.arg3);
        w.WriteInt(reset.arg4);
    });
    out.WriteInt(static_cast<int32_t>(room.roomFlags));
    out.WriteInt(room.sector);
    return out.Bytes();
}

namespace {

// The command byte and four ints.
constexpr size_t ResetBytes = 17;

bool ReadReset(CRecordReader& in, CResetData& reset)
{
    uint8_t command = 0;
    if (!in.ReadByte(command) || !in.ReadInt(reset.arg1) || !in.ReadInt(reset.arg2) || !in.ReadInt(reset.arg3)
        || !in.ReadInt(reset.arg4))
        return false;
    reset.command = static_cast<char>(command);
    return true;
}

} // namespace

bool ReadRoomRecord(const uint8_t* data, size_t size, CRoomData& room)
{
    CRecordReader in(data, size);
    CRoomData read = room;
    const bool whole = in.ReadText(read.clan)
        && in.ReadText(read.description)
        && ReadExtraDescs(in, read.extraDescs, ExtraDescOrder::KeywordFirst)
        && in.ReadInt(read.healRate)
        && in.ReadInt(read.manaRate)
        && in.ReadText(read.name)
        && in.ReadText(read.owner)
        && in.ReadList(read.resets, ResetBytes, ReadReset)
        && in.ReadInt(read.roomFlags)
        && in.ReadInt(read.sector);
    if (whole)
        room = std::move(read);
    return whole;
}

bool ReadRoomRecord(const std::vector<uint8_t>& bytes, CRoomData& room)
{
    return ReadRoomRecord(bytes.data(), bytes.size(), room);
}
