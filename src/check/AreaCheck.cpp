#include "check/AreaCheck.h"

#include "check/CCheckContext.h"
#include "check/Checks.h"

#include <algorithm>

namespace {

struct CCheckRule {
    Severity severity;
    void (*run)(CCheckContext&);
};

// Errors: the ROM server refuses to boot, or stops, on these. Warnings: the
// server takes them, but they are very likely mistakes.
const CCheckRule Rules[] = {
    { Severity::Error, CheckLeadingResets },
    { Severity::Error, CheckResetOrder },
    { Severity::Error, CheckResetArguments },
    { Severity::Error, CheckDuplicateVnums },
    { Severity::Error, CheckNonPositiveVnums },
    { Severity::Error, CheckObjectTypes },
    { Severity::Error, CheckVnumLimit },
    { Severity::Error, CheckExitRooms },
    { Severity::Error, CheckResetTargets },
    { Severity::Error, CheckShopKeepers },
    { Severity::Error, CheckSpecialMobs },
    { Severity::Error, CheckTriggersInRange },
    { Severity::Warning, CheckVnumRange },
    { Severity::Warning, CheckExitKeys },
    { Severity::Warning, CheckTriggersElsewhere },
    { Severity::Warning, CheckWaysBack },
    { Severity::Warning, CheckMobLimits },
    { Severity::Warning, CheckUnreachedRooms },
};

} // namespace

const char* RecordKindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Room:
        return "Room";
    case RecordKind::Object:
        return "Object";
    case RecordKind::Mob:
        return "Mob";
    case RecordKind::Mobprog:
        return "Mobprog";
    case RecordKind::Header:
        break;
    }
    return "Area";
}

std::vector<CFinding> CheckArea(const CTolvexDoc& doc, const std::vector<int>& otherMobprogs, bool worldKnown)
{
    CCheckContext context(doc, otherMobprogs);
    for (const CCheckRule& rule : Rules) {
        if (worldKnown && rule.run == CheckTriggersElsewhere)
            continue;
        context.severity = rule.severity;
        rule.run(context);
    }
    return std::move(context.findings);
}

int CountFindings(const std::vector<CFinding>& findings, Severity severity)
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
        [severity](const CFinding& f) { return f.severity == severity; }));
}
