#include "area/AreaRecords.h"

#include <utility>

CAreaRecords TakeRecords(const CTolvexDoc& doc)
{
    return { doc.Header(), doc.rooms, doc.objects, doc.mobs, doc.mobprogs, doc.strayResets, doc.strayShops,
        doc.straySpecials };
}

void PutRecords(CTolvexDoc& doc, CAreaRecords records)
{
    doc.SetHeader(records.header);
    doc.rooms = std::move(records.rooms);
    doc.objects = std::move(records.objects);
    doc.mobs = std::move(records.mobs);
    doc.mobprogs = std::move(records.mobprogs);
    doc.strayResets = std::move(records.strayResets);
    doc.strayShops = std::move(records.strayShops);
    doc.straySpecials = std::move(records.straySpecials);
    doc.ForgetVnumIndexes();
}
