#include "rules/CMobprogListState.h"

#include "area/CTolvexDoc.h"
#include "edit/CAreaEditor.h"
#include "text/TextWriter.h"

#include <algorithm>

CMobprogListState::CMobprogListState(CAreaEditor& areaEditor)
    : editor(areaEditor)
{
}

const CTolvexDoc& CMobprogListState::Doc() const
{
    return editor.Doc();
}

std::string CMobprogListState::LineText(int vnum)
{
    return std::to_string(vnum);
}

std::vector<CMobprogListState::CLine> CMobprogListState::Lines() const
{
    std::vector<CLine> lines;
    const auto& programs = Doc().mobprogs;
    for (size_t i = 0; i < programs.size(); ++i)
        lines.push_back({ LineText(programs[i].vnum), static_cast<int>(i) });
    std::stable_sort(lines.begin(), lines.end(), [](const CLine& a, const CLine& b) { return a.text < b.text; });
    return lines;
}

void CMobprogListState::Choose(int index)
{
    const auto& programs = Doc().mobprogs;
    chosen = index >= 0 && static_cast<size_t>(index) < programs.size() ? index : -1;
    vnum = chosen >= 0 ? programs[static_cast<size_t>(chosen)].vnum : 0;
    code = chosen >= 0 ? ToLf(programs[static_cast<size_t>(chosen)].code) : std::string();
    codeEdited = false;
}

int CMobprogListState::StoredVnum() const
{
    return chosen >= 0 ? Doc().mobprogs[static_cast<size_t>(chosen)].vnum : 0;
}

bool CMobprogListState::VnumDuplicated() const
{
    return chosen >= 0 && Doc().FindMobprogByVnum(vnum, chosen) >= 0;
}

bool CMobprogListState::VnumOutsideArea() const
{
    return vnum < Doc().lowerVnum || vnum > Doc().upperVnum;
}

std::string CMobprogListState::NotPositiveMessage() const
{
    return Format(OutOfRange, { std::max(Doc().lowerVnum, 1), Doc().upperVnum });
}

std::string CMobprogListState::OutsideAreaMessage() const
{
    return Format(OutOfRange, { Doc().lowerVnum, Doc().upperVnum });
}

int CMobprogListState::FreeVnum(int skip) const
{
    return Doc().FreeMobprogVnum(skip);
}

std::string CMobprogListState::OrphanQuestion(const char* verb) const
{
    if (chosen < 0)
        return {};
    const CTolvexDoc& doc = Doc();
    const int stored = StoredVnum();
    if (doc.FindMobprogByVnum(stored, chosen) >= 0)
        return {};
    int count = 0;
    std::vector<int> mobs;
    for (const CMobData& mob : doc.mobs)
        for (const CMobTrigger& trigger : mob.triggers)
            if (trigger.vnum == stored) {
                ++count;
                if (std::find(mobs.begin(), mobs.end(), mob.vnum) == mobs.end())
                    mobs.push_back(mob.vnum);
            }
    if (count == 0)
        return {};
    std::string mobList;
    for (int mob : mobs)
        mobList += (mobList.empty() ? "" : ", ") + std::to_string(mob);
    return Format("%d %s of %s %s %s mobprog %d. %s %s too?",
        { count, count == 1 ? "trigger" : "triggers", mobs.size() == 1 ? "mob" : "mobs", mobList,
            count == 1 ? "calls" : "call", stored, verb, count == 1 ? "it" : "them" });
}

void CMobprogListState::Commit(bool withTriggers)
{
    if (chosen < 0)
        return;
    const CMobProgData stored = Doc().mobprogs[static_cast<size_t>(chosen)];
    CMobProgData program = stored;
    if (codeEdited)
        program.code = WithCarriageReturns(code);
    if (program.code != stored.code)
        editor.ReplaceMobprog(chosen, program);
    if (vnum != stored.vnum) {
        program.vnum = vnum;
        editor.ReplaceMobprog(chosen, program, withTriggers);
    }
    codeEdited = false;
}

int CMobprogListState::AddNew()
{
    CMobProgData program;
    program.vnum = FreeVnum();
    if (program.vnum < 0)
        return -1;
    const int index = editor.AddMobprog(program);
    Choose(index);
    return index;
}

void CMobprogListState::DeleteChosen(bool withTriggers)
{
    if (chosen >= 0)
        editor.DeleteMobprog(chosen, withTriggers);
    Choose(-1);
}

std::string CMobprogListState::ToLf(const std::string& crlf)
{
    std::string lf;
    lf.reserve(crlf.size());
    for (size_t i = 0; i < crlf.size(); ++i)
        if (!(crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n'))
            lf += crlf[i];
    return lf;
}
