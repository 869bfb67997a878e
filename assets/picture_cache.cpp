#include "picture_cache.h"

#include <QPainter>
#include <QPixmapCache>

namespace art {

QPixmap cached(const QString &name, QSize size, qreal device_pixel_ratio, const Drawing &draw)
{
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(device_pixel_ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap(size * device_pixel_ratio);
    picture.setDevicePixelRatio(device_pixel_ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, QSizeF(size));
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace art
