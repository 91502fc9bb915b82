#include "rules/ObjectValueSlots.h"

#include "text/TextReader.h"

#include <algorithm>

SlotControl ControlOfKind(char kind)
{
    switch (AsciiUpperByte(kind)) {
    case 'A':
    case 'F': return SlotControl::Flags;
    case 'B':
    case 'E':
    case 'L':
    case 'O':
    case 'U': return SlotControl::Choice;
    case 'D':
    case 'I':
    case 'P':
    case 'V': return SlotControl::Number;
    case 'M': return SlotControl::TwoNumbers;
    case 'S':
    case 'W': return SlotControl::Text;
    default: return SlotControl::None;
    }
}

namespace {

bool ShownBefore(const CSlotChoice& a, const CSlotChoice& b)
{
    return AsciiLower(a.shown) < AsciiLower(b.shown);
}

} // namespace

std::vector<CSlotChoice> SlotChoices(char kind, const CEntryTable<CTableEntry>* table)
{
    std::vector<CSlotChoice> choices;
    kind = AsciiUpperByte(kind);
    if (kind == 'B' || kind == 'E')
        return { { "No", "", 0 }, { "Yes", "", 1 } };
    if (table)
        for (const auto& entry : *table)
            choices.push_back({ kind == 'O' ? entry->text : entry->name, entry->name, entry->value });
    std::stable_sort(choices.begin(), choices.end(), ShownBefore);
    if (kind == 'L' || kind == 'O' || kind == 'U')
        choices.insert(choices.begin(), CSlotChoice { "", "", -1 });
    return choices;
}

int ChoiceOfValue(char kind, const std::vector<CSlotChoice>& choices, int32_t number, const std::string& text)
{
    kind = AsciiUpperByte(kind);
    for (size_t i = 0; i < choices.size(); ++i) {
        const CSlotChoice& c = choices[i];
        const bool match = (kind == 'B' || kind == 'E') ? c.value == (number != 0 ? 1 : 0)
            : kind == 'U'                               ? c.value == number
                                                        : c.name == text;
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

void CommitChoice(char kind, const CSlotChoice& choice, int32_t& number, std::string& text)
{
    switch (AsciiUpperByte(kind)) {
    case 'B':
    case 'E':
        if ((number != 0) != (choice.value != 0))
            number = choice.value;
        break;
    case 'U':
        number = choice.value;
        break;
    case 'L':
    case 'O':
        text = choice.name;
        break;
    default:
        break;
    }
}

uint32_t CommitNamedFlags(uint32_t old, const CEntryTable<CTableEntry>* table, uint32_t marked)
{
    uint32_t named = 0;
    if (table)
        for (const auto& entry : *table)
            named |= static_cast<uint32_t>(entry->value);
    return (old & ~named) | (marked & named);
}

int LowPart(int32_t number)
{
    return static_cast<int>(static_cast<uint32_t>(number) & 0xFFFu);
}

int HighPart(int32_t number)
{
    return static_cast<int>((static_cast<uint32_t>(number) >> 12) & 0xFFFu);
}

int32_t JoinParts(int32_t old, int low, int high)
{
    const uint32_t kept = static_cast<uint32_t>(old) & 0xFF000000u;
    const uint32_t parts = (static_cast<uint32_t>(high & 0xFFF) << 12) | static_cast<uint32_t>(low & 0xFFF);
    return static_cast<int32_t>(kept | parts);
}
