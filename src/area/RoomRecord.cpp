#include "area/RoomRecord.h"

#include "text/RecordReader.h"
#include "text/RecordWriter.h"

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

bool ReadExtraDescs(CRecordReader& in, std::vector<CExtraDescData>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count))
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
    if (!in.ReadCount(count))
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
    // Each read stores only when it succeeds, so the chain stops at the
    // first item that is missing and leaves the later fields as they were.
    const bool whole = in.ReadText(room.clan)
        && in.ReadText(room.description)
        && ReadExtraDescs(in, room.extraDescs)
        && in.ReadInt(room.healRate)
        && in.ReadInt(room.manaRate)
        && in.ReadText(room.name)
        && in.ReadText(room.owner)
        && ReadResets(in, room.resets)
        && in.ReadInt(room.roomFlags)
        && in.ReadInt(room.sector);
    return whole;
}

bool ReadRoomRecord(const std::vector<uint8_t>& bytes, CRoomData& room)
{
    return ReadRoomRecord(bytes.data(), bytes.size(), room);
}
