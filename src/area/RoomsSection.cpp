#include "Sections.h"

bool ReadRooms(CReadContext&)
{
    return true;
}

void WriteRooms(CWriteContext&)
{
}
