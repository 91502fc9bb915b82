#include "Sections.h"

bool ReadMobiles(CReadContext&)
{
    return true;
}

void WriteMobiles(CWriteContext&)
{
}
