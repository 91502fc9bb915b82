#include "editors/RoomClipboard.h"

#include "area/RoomRecord.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QString FormatName()
{
    return QString::fromLatin1(RoomRecordFormat);
}

} // namespace

void CopyRoomToClipboard(const CRoomData& room)
{
    const std::vector<uint8_t> bytes = WriteRoomRecord(room);
    auto* data = new QMimeData;
    data->setData(FormatName(),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool PasteRoomFromClipboard(CRoomData& room)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(FormatName()))
        return false;
    const QByteArray bytes = data->data(FormatName());
    ReadRoomRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()), room);
    return true;
}
