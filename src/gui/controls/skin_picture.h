// Loading the skin pictures (bitmap, JPEG, GIF). A picture that is missing or unreadable gives an
// empty pixmap: the control that shows it then shows nothing, which is not an error.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>

namespace brelvo::gui {

QPixmap LoadSkinPicture(const QString& path);

// One picture of a grid's image list: the top-left `size` of the file (an image list file may
// hold several pictures side by side), with every pixel of `transparent` made see-through.
// A missing file still gives a picture of `size`, fully transparent, so the list keeps its
// indices.
QPixmap LoadListImage(const QString& path, QSize size,
                      std::optional<QColor> transparent = std::nullopt);

}  // namespace brelvo::gui
