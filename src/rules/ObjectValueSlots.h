#pragma once

#include "config/TableEntry.h"

#include <cstdint>
#include <string>
#include <vector>

// How the Values group shows and commits one value slot, by its kind letter.
// Commits keep whatever the controls do not show: bits that no list entry
// names, a number or text that no choice matches.

enum class SlotControl {
    None, // N and unknown kinds: nothing to edit
    Flags, // A, F: a flag list
    Choice, // B, E (No/Yes), L, O (names), U (numbers)
    Number, // D, I, P, V
    TwoNumbers, // M: two 12-bit halves
    Text, // S, W
};

SlotControl ControlOfKind(char kind);

// One entry of a slot's choice box. L and O store `name`, U `value`, B and E
// `value` as 0 or 1; the empty choice of L, O and U has an empty name and -1.
struct CSlotChoice {
    std::string shown;
    std::string name;
    int32_t value = 0;
};

// The choices in the order the box shows them: sorted, the empty choice on top.
std::vector<CSlotChoice> SlotChoices(char kind, const CEntryTable<CTableEntry>* table);

// The choice that shows the stored value, or -1 when none does.
int ChoiceOfValue(char kind, const std::vector<CSlotChoice>& choices, int32_t number, const std::string& text);

// Stores `choice` into the slot. B and E keep a stored number that already
// means the chosen No or Yes (a 3 that shows Yes stays 3).
void CommitChoice(char kind, const CSlotChoice& choice, int32_t& number, std::string& text);

// The flag set after a flag list was edited: the bits the list names are
// those of `marked`, every other bit of `old` stays.
uint32_t CommitNamedFlags(uint32_t old, const CEntryTable<CTableEntry>* table, uint32_t marked);

// Kind M: the number holds two 12-bit parts, low first. The bits above 24
// and the sign are kept on a commit.
constexpr int SlotPartLimit = 4095;
int LowPart(int32_t number);
int HighPart(int32_t number);
int32_t JoinParts(int32_t old, int low, int high);
