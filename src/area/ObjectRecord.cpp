#include "area/ObjectRecord.h"

#include "text/RecordReader.h"
#include "text/RecordWriter.h"
#include "text/TextReader.h"

#include <utility>

std::vector<uint8_t> WriteObjectRecord(const CObjData& object)
{
    CRecordWriter out;
    out.WriteCount(object.affects.size());
    for (const CAffectData& affect : object.affects) {
        out.WriteInt(static_cast<int32_t>(affect.bits));
        out.WriteInt(affect.location);
        out.WriteInt(affect.modifier);
        out.WriteInt(affect.where);
    }
    out.WriteText(object.condition);
    out.WriteInt(object.cost);
    out.WriteText(object.longDesc);
    out.WriteInt(static_cast<int32_t>(object.extraFlags));
    // Description first, keyword second: the reverse of the room record.
    out.WriteCount(object.extraDescs.size());
    for (const CExtraDescData& extra : object.extraDescs) {
        out.WriteText(extra.description);
        out.WriteText(extra.keyword);
    }
    out.WriteInt(object.itemType);
    out.WriteText(object.material);
    out.WriteText(object.name);
    out.WriteInt(object.level);
    out.WriteInt(object.weight);
    out.WriteText(object.shortDesc);
    out.WriteCount(object.trainStops.size());
    for (const CTrainStop& stop : object.trainStops) {
        out.WriteInt(static_cast<int32_t>(stop.flags));
        out.WriteText(stop.arrivalMessage);
        out.WriteText(stop.leaveMessage);
        out.WriteInt(stop.room);
        out.WriteInt(stop.time);
    }
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
constexpr size_t LeastExtraDescBytes = 2;
constexpr size_t LeastTrainStopBytes = 14;

bool ReadAffects(CRecordReader& in, std::vector<CAffectData>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count, AffectBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        CAffectData affect;
        if (!in.ReadInt(affect.bits) || !in.ReadInt(affect.location) || !in.ReadInt(affect.modifier)
            || !in.ReadInt(affect.where))
            return false;
        list.push_back(affect);
    }
    return true;
}

bool ReadExtraDescs(CRecordReader& in, std::vector<CExtraDescData>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count, LeastExtraDescBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        CExtraDescData extra;
        if (!in.ReadText(extra.description) || !in.ReadText(extra.keyword))
            return false;
        list.push_back(std::move(extra));
    }
    return true;
}

bool ReadTrainStops(CRecordReader& in, std::vector<CTrainStop>& list)
{
    size_t count = 0;
    if (!in.ReadCount(count, LeastTrainStopBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        CTrainStop stop;
        if (!in.ReadInt(stop.flags) || !in.ReadText(stop.arrivalMessage) || !in.ReadText(stop.leaveMessage)
            || !in.ReadInt(stop.room) || !in.ReadInt(stop.time))
            return false;
        list.push_back(std::move(stop));
    }
    return true;
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
    const bool whole = ReadAffects(in, read.affects)
        && in.ReadText(read.condition)
        && in.ReadInt(read.cost)
        && in.ReadText(read.longDesc)
        && in.ReadInt(read.extraFlags)
        && ReadExtraDescs(in, read.extraDescs)
        && in.ReadInt(read.itemType)
        && in.ReadText(read.material)
        && in.ReadText(read.name)
        && in.ReadInt(read.level)
        && in.ReadInt(read.weight)
        && in.ReadText(read.shortDesc)
        && ReadTrainStops(in, read.trainStops)
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
