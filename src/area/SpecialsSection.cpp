#include "Sections.h"

bool ReadSpecials(CReadContext&)
{
    return true;
}

void WriteSpecials(CWriteContext&)
{
}
