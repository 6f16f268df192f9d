#include "gui/controls/ct_button_picture.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>

#include "gui/controls/caption_placement.h"
#include "gui/controls/skin_picture.h"
#include "gui/controls/skin_style.h"

namespace brelvo::gui {

namespace {
constexpr QSize kDefaultSize{90, 28};
}  // namespace

CTButtonPicture::CTButtonPicture(QWidget* parent)
    : QAbstractButton(parent),
      captionFont_(MakeSkinFont(QStringLiteral("Arial"), 16, 0)),
      normalColor_(Qt::black),
      hoverColor_(216, 34, 40),
      disabledColor_(153, 153, 153),
      alignment_(caption_align::kCentre) {}

void CTButtonPicture::SetPictures(const QString& normal, const QString& hover,
                                  const QString& pressed, const QString& disabled) {
    pictures_ = {LoadSkinPicture(normal), LoadSkinPicture(hover), LoadSkinPicture(pressed),
                 LoadSkinPicture(disabled)};
    updateGeometry();
    update();
}

void CTButtonPicture::SetPicture(const QString& path) {
    SetPictures(path, path, path, path);
}

void CTButtonPicture::SetMenuPictures(const QString& normal, const QString& down) {
    SetPictures(normal, down, down, normal);
}

void CTButtonPicture::SetCaption(const QString& caption) {
    setText(caption);
}

void CTButtonPicture::SetCaptionFont(const QFont& font) {
    captionFont_ = font;
    update();
}

void CTButtonPicture::SetCaptionColors(const QColor& normal, const QColor& hoverAndPressed) {
    normalColor_ = normal;
    hoverColor_ = hoverAndPressed;
    update();
}

void CTButtonPicture::SetDisabledCaptionColor(const QColor& color) {
    disabledColor_ = color;
    update();
}

void CTButtonPicture::SetAlignment(int alignmentCode, int margin) {
    alignment_ = alignmentCode;
    margin_ = margin;
    update();
}

ButtonState CTButtonPicture::CurrentState() const {
    if (!isEnabled()) {
        return ButtonState::Disabled;
    }
    if (isDown() || (isCheckable() && isChecked())) {
        return ButtonState::Pressed;
    }
    if (mouseInside_) {
        return ButtonState::Hover;
    }
    return ButtonState::Normal;
}

const QPixmap& CTButtonPicture::StatePicture(ButtonState state) const {
    return pictures_[static_cast<std::size_t>(state)];
}

QColor CTButtonPicture::CaptionColor(ButtonState state) const {
    switch (state) {
        case ButtonState::Normal:
            return normalColor_;
        case ButtonState::Hover:
        case ButtonState::Pressed:
            return hoverColor_;
        case ButtonState::Disabled:
            break;
    }
    return disabledColor_;
}

QSize CTButtonPicture::sizeHint() const {
    const QPixmap& normal = StatePicture(ButtonState::Normal);
    return normal.isNull() ? kDefaultSize : normal.size();
}

void CTButtonPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ButtonState state = CurrentState();
    const QPixmap& picture = StatePicture(state);
    if (!picture.isNull()) {
        // A picture larger than the button is squeezed into it; a smaller one keeps its size.
        if (picture.width() > width() || picture.height() > height()) {
            painter.drawPixmap(rect(), picture);
        } else {
            painter.drawPixmap(0, 0, picture);
        }
    }
    const QString caption = text();
    if (caption.isEmpty()) {
        return;
    }
    painter.setFont(captionFont_);
    painter.setPen(CaptionColor(state));
    const QFontMetrics metrics(captionFont_);
    const QSize captionSize(metrics.horizontalAdvance(caption), metrics.height());
    const QPoint origin = CaptionOrigin(alignment_, margin_, size(), captionSize);
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), caption);
}

void CTButtonPicture::enterEvent(QEnterEvent* event) {
    mouseInside_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CTButtonPicture::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CTButtonPicture::hideEvent(QHideEvent* event) {
    // A button hidden under the mouse never sees the mouse leave; shown again it must not
    // come back hovered.
    mouseInside_ = false;
    QAbstractButton::hideEvent(event);
}

}  // namespace brelvo::gui
