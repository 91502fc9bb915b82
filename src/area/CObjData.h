#pragma once

#include "area/CExtraDescData.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// where: 0 plain apply, 1 affect flags, 2 immunity, 3 resistance, 4 vulnerability.
class CAffectData {
public:
    int where = 0;
    int location = 0;
    int modifier = 0;
    uint32_t bits = 0;
};

class CTrainStop {
public:
    int room = 0;
    uint32_t flags = 0;
    int time = 0;
    std::string arrivalMessage;
    std::string leaveMessage;
};

class CObjData {
public:
    int vnum = 0;
    std::string name;
    std::string shortDesc;
    std::string longDesc;
    std::string material;
    int itemType = 0;
    uint32_t extraFlags = 0;
    uint32_t wearFlags = 0;
    // Value i lives in values[i] or valueTexts[i], as the kind of slot i of
    // the item type says; the other member keeps its default.
    std::array<int32_t, 5> values {};
    std::array<std::string, 5> valueTexts;
    int level = 0;
    int weight = 0;
    int cost = 0;
    std::string condition = "P";
    std::vector<CAffectData> affects;
    std::vector<CExtraDescData> extraDescs;
    std::vector<CTrainStop> trainStops;
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
    std::array<bool, 5> valueTextEdited {}; // see CExtraDescData::edited
};
