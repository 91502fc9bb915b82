#include "check/Checks.h"

#include "text/TextWriter.h"

namespace {

const char* const Stop = "; the server stops at boot without it.";

} // namespace

// The shops and specials of the area's own mobs have their mob; a kept stray
// one names a mob that should be ours when its vnum lies in the range, and
// the server looks the mob up as it reads them.
void CheckShopKeepers(CCheckContext& c)
{
    for (const CStrayShop& shop : c.doc.strayShops)
        if (c.InRange(shop.keeper))
            c.Add(RecordKind::Header, 0, shop.line,
                Format("A shop belongs to mob %d, which this area does not have%s", { shop.keeper, Stop }));
}

void CheckSpecialMobs(CCheckContext& c)
{
    for (const CStraySpecial& special : c.doc.straySpecials)
        if (c.InRange(special.vnum))
            c.Add(RecordKind::Header, 0, special.line,
                Format("The special %s belongs to mob %d, which this area does not have%s",
                    { special.special, special.vnum, Stop }));
}

// The server looks every trigger's program up at boot ("Fix_mobprogs: code
// vnum not found") in all areas; one of the range can only be here.
void CheckTriggersInRange(CCheckContext& c)
{
    for (const CMobData& mob : c.doc.mobs)
        for (const CMobTrigger& trigger : mob.triggers)
            if (c.InRange(trigger.vnum) && !c.HasMobprog(trigger.vnum))
                c.Add(RecordKind::Mob, mob.vnum, mob.line,
                    Format("Mob %d has a %s trigger for mobprog %d, which this area does not have%s",
                        { mob.vnum, trigger.trigger, trigger.vnum, Stop }));
}

void CheckTriggersElsewhere(CCheckContext& c)
{
    for (const CMobData& mob : c.doc.mobs) {
        for (const CMobTrigger& trigger : mob.triggers) {
            if (c.HasMobprog(trigger.vnum) || c.InRange(trigger.vnum))
                continue;
            if (!c.OtherAreaHasMobprog(trigger.vnum))
                c.Add(RecordKind::Mob, mob.vnum, mob.line,
                    Format("Mob %d has a %s trigger for mobprog %d, which is not in this area nor in any other open "
                           "area; the server stops when no area has it.",
                        { mob.vnum, trigger.trigger, trigger.vnum }));
        }
    }
}
