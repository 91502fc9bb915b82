#pragma once

#include "area/CTolvexDoc.h"

#include <string>
#include <vector>

class CAreaEditor;
class CTolvexDoc;

// The Mobprog List's decisions apart from the widgets: which program is
// chosen, what its boxes hold, what leaving it must refuse or ask, and the
// area's steps that leaving, New and Delete take.
class CMobprogListState {
public:
    static constexpr const char* OutOfRange = "Vnum fuera de rango! ( %i a %i )";
    static constexpr const char* InUse = "Este Vnum ya esta en uso!\nDesea ajustarlo automaticamente?";
    static constexpr const char* NoFreeVnum = "No hay vnums disponibles!";
    static constexpr const char* ConfirmDelete = "Attention! This action is irreversable! \nDo you wish to continue?";
    static constexpr int HighestVnum = CTolvexDoc::HighestMobprogVnum;

    explicit CMobprogListState(CAreaEditor& editor);

    const CTolvexDoc& Doc() const;

    struct CLine {
        std::string text;
        int index;
    };
    // One line per program, its vnum, sorted as text as the list shows them.
    std::vector<CLine> Lines() const;
    static std::string LineText(int vnum);

    // The chosen program's place in the area's list, or -1.
    int Chosen() const { return chosen; }
    // Shows program `index` (-1: none) in the boxes; nothing reaches the area.
    void Choose(int index);

    // The boxes of the chosen program: its vnum as typed and its code with
    // "\n" line ends. `codeEdited` is set by the builder's typing only.
    int vnum = 0;
    std::string code;
    bool codeEdited = false;

    // The program's vnum as the area has it, before leaving commits the box.
    int StoredVnum() const;
    bool VnumChanged() const { return chosen >= 0 && vnum != StoredVnum(); }
    bool VnumDuplicated() const;
    bool VnumOutsideArea() const;
    // The message that refuses a vnum of 0 or less, naming the usable range.
    std::string NotPositiveMessage() const;
    std::string OutsideAreaMessage() const;
    // The lowest vnum from max(lower bound, 1) up that no program other than
    // `skip` has; -1 when none is left.
    int FreeVnum(int skip = -1) const;

    // The offer to take the triggers along before the chosen program stops
    // answering to its stored vnum ("Delete" or "Renumber" them too), or ""
    // when no trigger would be left without it (none calls it, or another
    // program keeps the vnum).
    std::string OrphanQuestion(const char* verb) const;

    // Hands the boxes to the area: one step for a changed code, one for a
    // changed vnum, which takes the triggers along `withTriggers`. The
    // caller has checked the vnum.
    void Commit(bool withTriggers = false);
    // Adds an empty program under FreeVnum() and chooses it; -1 when no vnum
    // is free (nothing added).
    int AddNew();
    // Deletes the chosen program (and the triggers that call it,
    // `withTriggers`); nothing is chosen afterwards.
    void DeleteChosen(bool withTriggers = false);

    // The area keeps "\r\n" (WithCarriageReturns); the code box edits "\n".
    static std::string ToLf(const std::string& crlf);

private:
    CAreaEditor& editor;
    int chosen = -1;
};
