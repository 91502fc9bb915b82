#include "area/ObjectRecord.h"

#include "area/ExtraDescRecord.h"
#include "text/RecordReader.h"
#include "text/RecordWriter.h"
#include "text/TextReader.h"

#include <utility>

std::vector<uint8_t> WriteObjectRecord(const CObjData& object)
{
    CRecordWriter out;
    out.WriteList(object.affects, [](CRecordWriter& w, const CAffectData& affect) {
        w.WriteInt(static_cast<int32_t>(affect.bits));
        w.WriteInt(affect.location);
        w.WriteInt(affect.modifier);
        w.WriteInt(affect.where);
    });
    out.WriteText(object.condition);
    out.WriteInt(object.cost);
    out.WriteText(object.longDesc);
    out.WriteInt(static_cast<int32_t>(object.extraFlags));
    WriteExtraDescs(out, object.extraDescs, ExtraDescOrder::DescriptionFirst);
    out.WriteInt(object.itemType);
    out.WriteText(object.material);
    out.WriteText(object.name);
    out.WriteInt(object.level);
    out.WriteInt(object.weight);
    out.WriteText(object.shortDesc);
    out.WriteList(object.trainStops, [](CRecordWriter& w, const CTrainStop& stop) {
        w.WriteInt(static_cast<int32_t>(stop.flags));
        w.WriteText(stop.arrivalMessage);
        w.WriteText(stop.leaveMessage);
        w.WriteInt(stop.room);
        w.WriteInt(stop.time);
    });
    for (size_t i = 0; i < object.values.size(); ++i) {
        out.WriteInt(object.values[i]);
        out.WriteText(object.valueTexts[i]);
    }
    out.WriteInt(static_cast<int32_t>(object.wearFlags));
    return out.Bytes();
}

namespace {

// The least bytes one entry of each list takes: ints are four bytes, a text
// at least its one length byte.
constexpr size_t AffectBytes = 16;
constexpr size_t LeastTrainStopBytes = 14;

bool ReadAffect(CRecordReader& in, CAffectData& affect)
{
    return in.ReadInt(affect.bits) && in.ReadInt(affect.location) && in.ReadInt(affect.modifier)
        && in.ReadInt(affect.where);
}

bool ReadTrainStop(CRecordReader& in, CTrainStop& stop)
{
    return in.ReadInt(stop.flags) && in.ReadText(stop.arrivalMessage) && in.ReadText(stop.leaveMessage)
        && in.ReadInt(stop.room) && in.ReadInt(stop.time);
}

bool ReadValues(CRecordReader& in, CObjData& object)
{
    for (size_t i = 0; i < object.values.size(); ++i)
        if (!in.ReadInt(object.values[i]) || !in.ReadText(object.valueTexts[i]))
            return false;
    return true;
}

} // namespace

bool ReadObjectRecord(const uint8_t* data, size_t size, CObjData& object)
{
    CRecordReader in(data, size);
    CObjData read = object;
    const bool whole = in.ReadList(read.affects, AffectBytes, ReadAffect)
        && in.ReadText(read.condition)
        && in.ReadInt(read.cost)
        && in.ReadText(read.longDesc)
        && in.ReadInt(read.extraFlags)
        && ReadExtraDescs(in, read.extraDescs, ExtraDescOrder::DescriptionFirst)
        && in.ReadInt(read.itemType)
        && in.ReadText(read.material)
        && in.ReadText(read.name)
        && in.ReadInt(read.level)
        && in.ReadInt(read.weight)
        && in.ReadText(read.shortDesc)
        && in.ReadList(read.trainStops, LeastTrainStopBytes, ReadTrainStop)
        && ReadValues(in, read)
        && in.ReadInt(read.wearFlags);
    if (whole)
        object = std::move(read);
    return whole;
}

bool ReadObjectRecord(const std::vector<uint8_t>& bytes, CObjData& object)
{
    return ReadObjectRecord(bytes.data(), bytes.size(), object);
}

std::string OneLetterCondition(const std::string& condition)
{
    if (condition.empty() || IsBlank(static_cast<unsigned char>(condition[0])))
        return "P";
    return condition.substr(0, 1);
}
