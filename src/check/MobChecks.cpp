#include "check/Checks.h"

#include "text/TextWriter.h"

void CheckShopKeepers(CCheckContext& c)
{
    // The shops of the area's own mobs have their keeper; a kept stray shop
    // names a mob that should be ours when its vnum lies in the range.
    for (const CStrayShop& shop : c.doc.strayShops)
        if (c.InRange(shop.keeper))
            c.Add(RecordKind::Header, 0, shop.line,
                Format("A shop belongs to mob %d, which this area does not have.", { shop.keeper }));
}

void CheckTriggers(CCheckContext& c)
{
    for (const CMobData& mob : c.doc.mobs) {
        for (const CMobTrigger& trigger : mob.triggers) {
            if (c.HasMobprog(trigger.vnum))
                continue;
            if (c.InRange(trigger.vnum))
                c.Add(RecordKind::Mob, mob.vnum, mob.line,
                    Format("Mob %d has a %s trigger for mobprog %d, which this area does not have.",
                        { mob.vnum, trigger.trigger, trigger.vnum }));
            else if (!c.OtherAreaHasMobprog(trigger.vnum))
                c.Add(RecordKind::Mob, mob.vnum, mob.line,
                    Format("Mob %d has a %s trigger for mobprog %d, which is not in this area nor in any other open "
                           "area; the server stops when no area has it.",
                        { mob.vnum, trigger.trigger, trigger.vnum }));
        }
    }
}
