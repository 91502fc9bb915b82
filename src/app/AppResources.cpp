#include "app/AppResources.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitTolvexResources()
{
    Q_INIT_RESOURCE(tolvex);
}

void EnsureAppResources()
{
    static const bool initialised = (InitTolvexResources(), true);
    (void)initialised;
}

QPixmap LoadPicture(const QString& path, qreal pixelRatio)
{
    EnsureAppResources();
    if (!QFileInfo::exists(path))
        return QPixmap();
    if (!path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return QPixmap(path);
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty())
        return QPixmap();
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}
