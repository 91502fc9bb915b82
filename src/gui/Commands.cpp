#include "gui/Commands.h"

bool IsViewCommand(Command c)
{
    switch (c) {
    case Command::ViewMapStatusBar:
    case Command::EditGoToRoom:
    case Command::AreaGeneral:
    case Command::RoomsList:
    case Command::RoomsEdit:
    case Command::RoomsNew:
    case Command::RoomsDelete:
    case Command::RoomsCreateNorth:
    case Command::RoomsCreateSouth:
    case Command::RoomsCreateEast:
    case Command::RoomsCreateWest:
    case Command::RoomsCreateUp:
    case Command::RoomsCreateDown:
    case Command::ObjectsList:
    case Command::MobsList:
    case Command::MobsMobprogs:
    case Command::MapLevelUp:
    case Command::MapLevelDown:
    case Command::MapZoomIn:
    case Command::MapZoomOut:
        return true;
    default:
        return false;
    }
}
