#include "AreaFixture.h"

namespace {

const char* const ObjectsConfig = "#OBJTYPES weapon 5 Class~ L Dice~ I Sides~ I Attack~ O Flags~ F end\n";

CObjData NewObject(const CConfigTables& tables, const std::string& type)
{
    CObjData obj;
    obj.vnum = 1001, obj.itemType = tables.objTypes[FindByName(tables.objTypes, type)].value;
    obj.level = 10, obj.weight = 5, obj.cost = 100;
    return obj;
}

} // namespace

// The writer never leaves what cannot be read back: objects of a type the
// configuration lacks are left out, a condition is cut to one letter, an
// affect of a kind past vulnerability, which has no F letter, is a plain
// apply. What the file's values, affects and record lines become is the
// object-values and object-records golden cases.
TEST(ObjectsSection, WhatCannotBeWrittenAsItIsIsLeftOutOrCutWithOneWarningEach)
{
    CArea area(ObjectsConfig);
    // vnum, type, condition
    const std::tuple<int, int, const char*> objects[] = {
        { 1001, 999, "P" },
        { 1002, 5, "Good" },
        { 1003, 999, "P" },
        { 1004, 5, "" },
        { 1005, 5, " " },
    };
    for (const auto& [vnum, type, condition] : objects) {
        area.doc.objects.push_back(NewObject(area.tables, "weapon"));
        area.doc.objects.back().vnum = vnum, area.doc.objects.back().itemType = type;
        area.doc.objects.back().condition = condition;
    }
    area.doc.objects.back().affects.push_back({ 5, 17, -5, 0x04 });
    const std::string written = area.Write(WriteObjects);
    EXPECT_EQ(written.find("#1001"), std::string::npos);
    EXPECT_EQ(written.find("#1003"), std::string::npos);
    EXPECT_NE(written.find("10 5 100 G\n#1004\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\n#1005\n"), std::string::npos) << written;
    EXPECT_NE(written.find("10 5 100 P\nA\n17 -5\n#0\n"), std::string::npos) << written;
    ASSERT_EQ(area.diagnostics.items.size(), 3u) << area.Reported();
    EXPECT_NE(area.diagnostics.items[0].text.find("1001, 1003"), std::string::npos) << area.Reported();
    EXPECT_NE(area.diagnostics.items[1].text.find("plain applies without their flags. Objects: 1005."), std::string::npos) << area.Reported();
    EXPECT_NE(area.diagnostics.items[2].text.find("1002, 1004, 1005"), std::string::npos) << area.Reported();
}
