#include "gui/controls/skin_picture.h"

#include <QImage>

#include <algorithm>

namespace brelvo::gui {

QPixmap LoadSkinPicture(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    return QPixmap(path);
}

QPixmap LoadListImage(const QString& path, QSize size, std::optional<QColor> transparent) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const QImage file = path.isEmpty() ? QImage() : QImage(path);
    if (!file.isNull()) {
        QImage source = file.convertToFormat(QImage::Format_ARGB32);
        const int width = std::min(size.width(), source.width());
        const int height = std::min(size.height(), source.height());
        const QRgb key = transparent ? transparent->rgb() : 0;
        for (int y = 0; y < height; ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool seeThrough = transparent && (from[x] | 0xFF000000u) == key;
                to[x] = seeThrough ? qRgba(0, 0, 0, 0) : from[x];
            }
        }
    }
    return QPixmap::fromImage(picture);
}

}  // namespace brelvo::gui
