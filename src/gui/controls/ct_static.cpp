#include "gui/controls/ct_static.h"

#include <QPainter>
#include <QPalette>

#include "gui/controls/skin_style.h"

namespace brelvo::gui {

CTStatic::CTStatic(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
    setFont(MakeSkinFont(QStringLiteral("Arial"), 16, 0));
    ApplyTextColor();
}

void CTStatic::SetText(const QString& text) {
    setText(text);
}

void CTStatic::SetFontAndColors(const QFont& font, const QColor& textColor,
                                const QColor& background) {
    setFont(font);
    background_ = background;
    SetTextColor(textColor);
}

void CTStatic::SetTextColor(const QColor& color) {
    textColor_ = color;
    ApplyTextColor();
    update();
}

void CTStatic::SetBackgroundColor(const QColor& color) {
    background_ = color;
    update();
}

void CTStatic::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void CTStatic::ApplyTextColor() {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, textColor_);
    setPalette(colors);
}

void CTStatic::paintEvent(QPaintEvent* event) {
    if (!transparent_) {
        QPainter painter(this);
        painter.fillRect(rect(), background_);
    }
    QLabel::paintEvent(event);
}

}  // namespace brelvo::gui
