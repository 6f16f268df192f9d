#include "gui/controls/scroll_bitmap_wnd.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include <memory>

#include "gui/controls/skin_picture.h"

namespace brelvo::gui {

CScrollBitmapWnd::CScrollBitmapWnd(QWidget* parent) : QScrollArea(parent) {
    auto picture = std::make_unique<QLabel>();
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_ = picture.get();
    setWidget(picture.release());  // the scroll area owns it from here
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    SetBackgroundColor(Qt::white);
}

void CScrollBitmapWnd::SetPicture(const QString& path) {
    const QPixmap picture = LoadSkinPicture(path);
    picture_->setPixmap(picture);
    picture_->resize(picture.isNull() ? QSize(0, 0) : picture.size());
}

void CScrollBitmapWnd::SetBackgroundColor(const QColor& color) {
    QPalette colors = viewport()->palette();
    colors.setColor(QPalette::Window, color);
    viewport()->setPalette(colors);
    viewport()->setAutoFillBackground(true);
}

QSize CScrollBitmapWnd::PictureSize() const {
    return picture_->size();
}

}  // namespace brelvo::gui
