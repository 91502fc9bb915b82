#include "area/CTolvexDoc.h"

void CTolvexDoc::LayoutRooms(int)
{
}
