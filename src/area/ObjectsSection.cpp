#include "Sections.h"

bool ReadObjects(CReadContext&)
{
    return true;
}

void WriteObjects(CWriteContext&)
{
}
