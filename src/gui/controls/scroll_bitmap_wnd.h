// A window that shows one large picture with horizontal and vertical scroll bars.
#pragma once

#include <QColor>
#include <QScrollArea>
#include <QString>

class QLabel;

namespace brelvo::gui {

class CScrollBitmapWnd : public QScrollArea {
    Q_OBJECT

public:
    explicit CScrollBitmapWnd(QWidget* parent = nullptr);

    // An empty path or a missing file shows an empty area.
    void SetPicture(const QString& path);
    void SetBackgroundColor(const QColor& color);

    QSize PictureSize() const;

private:
    QLabel* picture_;  // owned by the scroll area
};

}  // namespace brelvo::gui
