#pragma once

#include "support/ExampleArea.h"

// The example area, its mob 3005 a full human baker, and the gadget type.
class RulesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadExampleTables(tables);
        AddGadgetType(tables);
        doc = ExampleArea(tables);
        doc.mobs[0].name = "baker", doc.mobs[0].race = "human", doc.mobs[0].material = "flesh";
    }

    int TypeValue(const char* name) const { return tables.objTypes[FindByName(tables.objTypes, name)].value; }

    CConfigTables tables;
    CTolvexDoc doc { tables };
};
