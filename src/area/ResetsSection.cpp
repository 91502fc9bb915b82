#include "Sections.h"

bool ReadResets(CReadContext&)
{
    return true;
}

void WriteResets(CWriteContext&)
{
}

void CTolvexDoc::DistributeResets()
{
}

void CTolvexDoc::RebuildResets()
{
}
