#include "editors/RoomClipboard.h"

#include "area/RoomRecord.h"
#include "editors/RecordClipboard.h"
#include "gui/Prompt.h"

#include <QApplication>

void CopyRoomToClipboard(const CRoomData& room)
{
    PutRecordOnClipboard(RoomRecordFormat, WriteRoomRecord(room));
}

bool PasteRoomFromClipboard(CRoomData& room)
{
    QByteArray bytes;
    if (!RecordOnClipboard(RoomRecordFormat, bytes))
        return false;
    if (!ReadRoomRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()), room)) {
        ShowError(QApplication::activeModalWidget(), QStringLiteral("The clipboard does not hold a complete room."));
        return false;
    }
    return true;
}
