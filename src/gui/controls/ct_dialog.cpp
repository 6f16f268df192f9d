#include "gui/controls/ct_dialog.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWindow>

#include <algorithm>

#include "gui/controls/skin_picture.h"

namespace brelvo::gui {

CTDialog::CTDialog(QWidget* parent, Kind kind) : QDialog(parent) {
    if (kind == Kind::Page) {
        setWindowFlags(Qt::Widget);
    } else {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
}

void CTDialog::SetBackgroundPicture(const QString& path) {
    background_ = LoadSkinPicture(path);
    update();
}

void CTDialog::SetFillColor(const QColor& color) {
    fillColor_ = color;
    fillBackground_ = true;
    update();
}

void CTDialog::SetFillBackground(bool fill) {
    fillBackground_ = fill;
    update();
}

void CTDialog::AddLine(int x1, int y1, int x2, int y2) {
    lines_.push_back({x1, y1, x2, y2});
    update();
}

void CTDialog::ClearLines() {
    lines_.clear();
    update();
}

void CTDialog::SetLinePen(int width, const QColor& color) {
    lineWidth_ = width;
    lineColor_ = color;
    update();
}

void CTDialog::SetCornerRadius(int radius) {
    cornerRadius_ = std::max(radius, 0);
    ApplyShape();
}

void CTDialog::SetOpacity(int opacity) {
    opacity_ = std::clamp(opacity, 0, 255);
    // The value asked for is the one applied: a fixed level instead would make the setting
    // meaningless.
    setWindowOpacity(opacity_ / 255.0);
}

void CTDialog::EnableMoveByDragging(bool enable) {
    moveByDragging_ = enable;
    if (!enable) {
        dragOffset_.reset();
    }
}

void CTDialog::ApplyShape() {
    if (cornerRadius_ == 0) {
        clearMask();
        return;
    }
    // One pixel wider and taller than the dialog, so the right and bottom edges stay whole
    // between the corners.
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRect(0, 0, width() + 1, height() + 1), cornerRadius_, cornerRadius_);
    painter.end();
    setMask(shape);
}

void CTDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!background_.isNull()) {
        painter.drawPixmap(rect(), background_);
    } else if (fillBackground_) {
        painter.fillRect(rect(), fillColor_);
    }
    if (lines_.empty()) {
        return;
    }
    QPen pen(lineColor_);
    pen.setWidth(lineWidth_);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    for (const line_point& line : lines_) {
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void CTDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (cornerRadius_ > 0) {
        ApplyShape();
    }
}

void CTDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never close a page or pop-up: an installer presses Enter to finish a
    // field, not to dismiss the form. They go the way any other unhandled key goes.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->ignore();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CTDialog::mousePressEvent(QMouseEvent* event) {
    if (!moveByDragging_ || event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    QWidget* moved = window();
    QWindow* handle = moved->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        event->accept();
        return;
    }
    dragOffset_ = moved->frameGeometry().topLeft() - event->globalPosition().toPoint();
    event->accept();
}

void CTDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() + *dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CTDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragOffset_ && event->button() == Qt::LeftButton) {
        dragOffset_.reset();
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

}  // namespace brelvo::gui
