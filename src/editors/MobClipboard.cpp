#include "editors/MobClipboard.h"

#include "area/MobRecord.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QString FormatName()
{
    return QString::fromLatin1(MobRecordFormat);
}

} // namespace

void CopyMobToClipboard(const CMobData& mob)
{
    const std::vector<uint8_t> bytes = WriteMobRecord(mob);
    auto* data = new QMimeData;
    data->setData(FormatName(),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

MobPaste ReadMobFromClipboard(CMobData& mob)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(FormatName()))
        return MobPaste::NoMob;
    const QByteArray bytes = data->data(FormatName());
    const bool whole = ReadMobRecord(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()), mob);
    return whole ? MobPaste::Read : MobPaste::Incomplete;
}
