#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CConfigTables;

class CMercSkill {
public:
    int value = 0;
    std::string skill;
};

class CMobTrigger {
public:
    std::string trigger;
    int vnum = 0;
    std::string phrase;
};

class CTrainerSkill {
public:
    std::string skill;
    int gold = 0;
    int mult = 100;
    int maxLevel = 5;
    int initiate = 0;
};

class CShopData {
public:
    std::array<int, 5> buyTypes {};
    int profitBuy = 100;
    int profitSell = 100;
    int openHour = 0;
    int closeHour = 23;
};

class CMobData {
public:
    // A mob with the defaults of the first race, attack type, position, sex and size.
    explicit CMobData(const CConfigTables& tables);

    int vnum = 0;
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
    std::string name;
    std::string shortDesc;
    std::string longDesc;
    std::string description;
    std::string race;
    uint32_t act = 0;
    uint32_t aff = 0;
    int alignment = 0;
    int group = 0;
    int level = 0;
    int hitroll = 0;
    std::array<int, 3> hitDice {}; // number, size, bonus
    std::array<int, 3> manaDice {};
    std::array<int, 3> damDice {};
    int rank = 1;
    std::string damType;
    std::array<int, 4> ac {}; // pierce, bash, slash, exotic; ten times the file's numbers
    uint32_t off = 0;
    uint32_t imm = 0;
    uint32_t res = 0;
    uint32_t vuln = 0;
    std::string startPos;
    std::string defaultPos;
    std::string sex;
    int32_t wealth = 0;
    uint32_t form = 0;
    uint32_t parts = 0;
    // See CExtraDescData::edited.
    bool longDescEdited = false;
    bool descriptionEdited = false;
    std::string size;
    std::string material = "unknown";
    std::string clan;
    std::vector<std::string> mercMessages; // one per MERCMSG entry
    std::vector<CMercSkill> mercSkills;
    std::vector<CMobTrigger> triggers;
    std::string special;
    std::optional<CShopData> shop;
    std::string trainerClass;
    std::vector<CTrainerSkill> trainerSkills;
};
