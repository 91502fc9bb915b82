#include "area/ObjectRecord.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

namespace {

// Every list with one entry, a short description long enough for a
// three-byte length, numbers of both signs and every width.
CObjData SampleObject()
{
    CObjData obj;
    obj.vnum = 3010;
    obj.affects = { { 2, 17, -5, 0x2 } };
    obj.condition = "P", obj.cost = 74600, obj.longDesc = "L", obj.extraFlags = 0x80000001u;
    obj.extraDescs = { { "kw", "d" } };
    obj.itemType = 25, obj.material = "A oldstyle", obj.name = "", obj.level = -1, obj.weight = 300;
    obj.shortDesc = std::string(255, 'x');
    obj.trainStops = { { 3001, 0x5, 2, "in", "" } };
    obj.values = { 100000, 0, 0, -1, 0 };
    obj.valueTexts = { "", "", "it's", "", "" };
    obj.wearFlags = 0x4001;
    return obj;
}

} // namespace

TEST(ObjectRecord, CopiedObjectHasTheExactBytesAndPastesEverythingButTheVnum)
{
    Bytes expected;
    Append(expected, { 1, 0, 0, 0, 0x02, 0, 0, 0, 17, 0, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0 }); // one affect: bits, location, modifier, where
    Append(expected, { 1 }, "P"); // condition
    Append(expected, { 0x68, 0x23, 0x01, 0x00 }); // cost 74600
    Append(expected, { 1 }, "L"); // long description
    Append(expected, { 0x01, 0, 0, 0x80 }); // extra flags
    Append(expected, { 1, 0, 0, 0, 1, 'd', 2, 'k', 'w' }); // extra description: description, then keyword
    Append(expected, { 25, 0, 0, 0 }); // item type
    Append(expected, { 10 }, "A oldstyle"); // material
    Append(expected, { 0 }); // no name
    Append(expected, { 0xFF, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0 }); // level -1, weight 300
    Append(expected, { 0xFF, 0xFF, 0x00 }, std::string(255, 'x')); // short description
    Append(expected, { 1, 0, 0, 0, 5, 0, 0, 0, 2, 'i', 'n', 0, 0xB9, 0x0B, 0, 0, 2, 0, 0, 0 }); // a stop: flags, arrival, leave, room, time
    Append(expected, { 0xA0, 0x86, 0x01, 0x00, 0, 0, 0, 0, 0, 0 }); // values 0 and 1, each number then text
    Append(expected, { 0, 0, 0, 0, 4 }, "it's");
    Append(expected, { 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0 });
    Append(expected, { 0x01, 0x40, 0, 0 }); // wear flags
    Bytes bytes = WriteObjectRecord(SampleObject());
    ASSERT_EQ(bytes, expected);

    CObjData target;
    target.vnum = 4000;
    target.affects = { {}, {} };
    bytes.resize(bytes.size() + 4096, 0); // the clipboard block may be longer
    ASSERT_TRUE(ReadObjectRecord(bytes, target));
    EXPECT_EQ(target.vnum, 4000) << "the vnum never travels";
    target.vnum = 3010;
    EXPECT_EQ(WriteObjectRecord(target), WriteObjectRecord(SampleObject())) << "every other field arrives, the lists replaced";
}

TEST(ObjectRecord, IncompleteRecordChangesNothing)
{
    const Bytes whole = WriteObjectRecord(SampleObject());
    CObjData target;
    target.name = "mine", target.affects = { { 1, 2, 3, 4 } };
    const Bytes before = WriteObjectRecord(target);
    // Every cut, wherever it falls, leaves the object as it was.
    for (size_t length = 0; length < whole.size(); ++length) {
        ASSERT_FALSE(ReadObjectRecord(whole.data(), length, target)) << "cut at " << length;
        ASSERT_EQ(WriteObjectRecord(target), before) << "cut at " << length;
    }
    // Counts whose entries cannot fit in the bytes there are.
    for (const Bytes& garbled : { Bytes { 0xFF, 0xFF, 0xFF, 0x7F }, Bytes { 0xFF, 0xFF, 0xFF, 0xFF }, Bytes { 2, 0, 0, 0, 1, 2 } }) {
        Bytes bytes = garbled;
        bytes.resize(40, 0);
        EXPECT_FALSE(ReadObjectRecord(bytes, target));
    }
    EXPECT_EQ(WriteObjectRecord(target), before);
}
