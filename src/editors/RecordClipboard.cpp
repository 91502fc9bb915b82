#include "editors/RecordClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void PutRecordOnClipboard(const char* format, const std::vector<uint8_t>& bytes)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(format),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool RecordOnClipboard(const char* format, QByteArray& bytes)
{
    const QString name = QString::fromLatin1(format);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(name))
        return false;
    bytes = data->data(name);
    return true;
}
