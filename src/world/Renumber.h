#pragma once

#include "area/AreaRecords.h"
#include "world/WorldCheck.h"

#include <cstddef>
#include <string>
#include <vector>

// Moving an area to another vnum range, with every reference to it in the
// area and in the other areas of its world.

// A number in a mobprog's code after a command that takes a vnum
// ("mob oload 3010", "if carries $n 3022").
struct CCodeVnum {
    std::size_t area = 0; // of the areas given
    std::size_t program = 0; // in that area's mobprogs
    int line = 0; // of the code, from 1
    std::size_t offset = 0; // where the number starts in the code
    std::size_t length = 0;
    int value = 0;
    std::string command; // as the code has it, e.g. "mob oload"
    bool inOldRange = false; // renumbered unless the builder says otherwise
};

// The numbers after the commands and ifchecks of ROM's mobprogs that take a
// vnum, in the order of the code; `area` and `program` are left 0 and
// `inOldRange` false.
std::vector<CCodeVnum> FindCodeVnums(const std::string& code);

// What a renumber would do, worked out before anything changes.
struct CRenumberPlan {
    std::size_t area = 0;
    int oldLow = 0; // both 0 for an area without vnums
    int oldHigh = 0;
    int newLow = 0;
    int newHigh = 0;
    int Offset() const { return newLow - oldLow; }
    // Empty when the range can be taken; else why not, naming the clash
    // ("The range 3000-3399 overlaps midgaard.are (3000-3399).").
    std::string error;
    // Every number after a vnum command in the code of every area's programs.
    std::vector<CCodeVnum> codeVnums;
};

// An area's range is its header's, widened to the records outside it, as
// the server widens it while it reads them; the plan's old range is the
// renumbered area's, and a new range may not meet another's.

// The lowest vnum from which `size` vnums fit in 1..32767 without meeting a
// range of the areas (area `skip` left out), or -1.
int FirstFreeRange(const std::vector<CWorldArea>& areas, int size, std::ptrdiff_t skip = -1);

CRenumberPlan PlanRenumber(const std::vector<CWorldArea>& areas, std::size_t area, int newLow);

// One area's records after the renumber, and its changed references, one
// line each as `tolvex-cli renumber` prints them
// ("midgaard.are: room 3054 exit east 6000 -> 20000").
struct CRenumberedArea {
    std::size_t area = 0;
    CAreaRecords records;
    std::vector<std::string> changes;
};

// The renumber done on copies: every area it changes, the renumbered one
// first (even when nothing in it changes), then the others in order; nothing
// for a plan with an error. `ticked` holds, for each of the plan's code
// vnums, whether it is renumbered (empty: those in the old range are); one
// whose digits the code no longer has, the plan being older, is left alone.
// A reference moves when it names a vnum of the old range, unless another
// area has that record and the renumbered one does not: ranges may overlap.
std::vector<CRenumberedArea> ApplyRenumber(const std::vector<CWorldArea>& areas, const CRenumberPlan& plan,
    const std::vector<bool>& ticked = {});
