#include "Sections.h"

bool ReadMobprogs(CReadContext&)
{
    return true;
}

void WriteMobprogs(CWriteContext&)
{
}
