#include "Sections.h"

bool ReadShops(CReadContext&)
{
    return true;
}

void WriteShops(CWriteContext&)
{
}
