#include "gui/controls/ct_picture.h"

#include <QImageReader>
#include <QMovie>
#include <QPainter>

#include "gui/controls/skin_picture.h"

namespace brelvo::gui {

namespace {

bool IsAnimation(const QString& path) {
    QImageReader reader(path);
    return reader.supportsAnimation() && reader.imageCount() != 1;
}

}  // namespace

CTPicture::CTPicture(QWidget* parent) : QWidget(parent) {}

CTPicture::~CTPicture() = default;

void CTPicture::SetPicture(const QString& path) {
    movie_.reset();
    still_ = QPixmap();
    if (!path.isEmpty() && IsAnimation(path)) {
        movie_ = std::make_unique<QMovie>(path);
        movie_->setCacheMode(QMovie::CacheAll);
        connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
        movie_->jumpToFrame(0);
        if (isVisible()) {
            movie_->start();
        }
    } else {
        still_ = LoadSkinPicture(path);
    }
    updateGeometry();
    update();
}

void CTPicture::SetStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

bool CTPicture::IsPlaying() const {
    return movie_ != nullptr && movie_->state() == QMovie::Running;
}

int CTPicture::FrameNumber() const {
    return movie_ ? movie_->currentFrameNumber() : 0;
}

QPixmap CTPicture::CurrentFrame() const {
    return movie_ ? movie_->currentPixmap() : still_;
}

QSize CTPicture::sizeHint() const {
    const QPixmap frame = CurrentFrame();
    return frame.isNull() ? QSize(16, 16) : frame.size();
}

void CTPicture::paintEvent(QPaintEvent*) {
    const QPixmap frame = CurrentFrame();
    if (frame.isNull()) {
        return;
    }
    QPainter painter(this);
    if (stretch_) {
        painter.drawPixmap(rect(), frame);
    } else {
        painter.drawPixmap(0, 0, frame);
    }
}

void CTPicture::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (movie_) {
        movie_->start();
    }
}

void CTPicture::hideEvent(QHideEvent* event) {
    // A hidden animation (the search animation is hidden most of the time) costs nothing.
    if (movie_) {
        movie_->stop();
    }
    QWidget::hideEvent(event);
}

}  // namespace brelvo::gui
