#include "area/RoomRecord.h"

#include "text/RecordReader.h"
#include "text/RecordWriter.h"

#include <utility>

std::vector<uint8_t> WriteRoomRecord(const CRoomData& room)
{
    CRecordWriter out;
    out.WriteText(room.clan);
    out.WriteText(room.description);
    out.WriteCount(room.extraDescs.size());
    for (const CExtraDescData& extra : room.extraDescs) {
        out.WriteText(extra.keyword);
        out.WriteText(extra.description);
    }
    out.WriteInt(room.healRate);
    out.WriteInt(room.manaRate);
    out.WriteText(room.name);
    out.WriteText(room.owner);
    out.WriteCount(room.resets.size());
    for (const CResetData& reset : room.resets) {
        out.WriteByte(static_cast<uint8_t>(reset.command));
        out.WriteInt(reset.arg1);
        out.WriteInt(reset.arg2);
        out.WriteInt(reset.arg3);
        out.WriteInt(reset.arg4);
    }
    out.WriteInt(static_cast<int32_t>(room.roomFlags));
    out.WriteInt(room.sector);
    return out.Bytes();
}

namespace {

// Two texts of at least their length byte each.
constexpr size_t LeastExtraDescBytes = 2;
// The command byte and four ints.
constexpr size_t ResetBytes = 17;

bool ReadExtraDescs(CRecordReader& in, std::vector<CExtraDescData>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count, LeastExtraDescBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        CExtraDescData extra;
        if (!in.ReadText(extra.keyword) || !in.ReadText(extra.description))
            return false;
        list.push_back(extra);
    }
    return true;
}

bool ReadResets(CRecordReader& in, std::vector<CResetData>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count, ResetBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        uint8_t command = 0;
        CResetData reset;
        if (!in.ReadByte(command) || !in.ReadInt(reset.arg1) || !in.ReadInt(reset.arg2)
            || !in.ReadInt(reset.arg3) || !in.ReadInt(reset.arg4))
            return false;
        reset.command = static_cast<char>(command);
        list.push_back(reset);
    }
    return true;
}

} // namespace

bool ReadRoomRecord(const uint8_t* data, size_t size, CRoomData& room)
{
    CRecordReader in(data, size);
    CRoomData read = room;
    const bool whole = in.ReadText(read.clan)
        && in.ReadText(read.description)
        && ReadExtraDescs(in, read.extraDescs)
        && in.ReadInt(read.healRate)
        && in.ReadInt(read.manaRate)
        && in.ReadText(read.name)
        && in.ReadText(read.owner)
        && ReadResets(in, read.resets)
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
