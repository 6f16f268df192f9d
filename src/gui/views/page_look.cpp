#include "gui/views/page_look.h"

#include <QPalette>
#include <QWidget>

#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "gui/support/theme_qt.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

CTButtonPicture* MakePictureButton(QWidget* parent, const core::Theme& theme,
                                   const QString& picture, const QString& caption) {
    auto* button = MakeChild<CTButtonPicture>(parent);
    const auto& settings = theme.settings;
    button->SetPicture(picture);
    button->SetCaption(caption);
    button->SetCaptionFont(
        ThemeFont(theme, settings.button_font_height, settings.button_font_weight));
    button->SetCaptionColors(ToQColor(settings.button_font_color),
                             ToQColor(settings.text_down_color));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void StyleStatic(CTStatic& text, const core::Theme& theme, const QColor& color) {
    const auto& settings = theme.settings;
    text.SetFontAndColors(
        ThemeFont(theme, settings.static_font_height, settings.static_font_weight), color,
        ToQColor(settings.static_font_bk_color));
    text.SetTransparent(true);
}

void StyleGrid(CDeviceGrid& grid, const core::Theme& theme, int rowHeight) {
    const auto& settings = theme.settings;
    grid.SetBackgroundColor(ToQColor(settings.child_bk_color));
    grid.SetLineColor(ToQColor(settings.line_color));
    grid.Model().SetHeaderLook(ToQFont(theme.grid_title_font),
                               ToQColor(settings.grid_title_text_color),
                               ToQColor(settings.grid_title_bk_color), Qt::AlignCenter);
    grid.Model().SetCellDefaults(ToQFont(theme.grid_font), ToQColor(settings.grid_text_color),
                                 Qt::AlignCenter);
    grid.SetRowHeight(rowHeight);
    grid.setFrameShape(QFrame::NoFrame);
}

void StyleTitleBar(QWidget& bar, CTStatic& title, const core::Theme& theme) {
    const auto& settings = theme.settings;
    bar.setAutoFillBackground(true);
    QPalette colors = bar.palette();
    colors.setColor(QPalette::Window, ToQColor(settings.grid_title_bk_color));
    bar.setPalette(colors);
    title.SetFontAndColors(
        ThemeFont(theme, settings.static_font_height, settings.static_font_weight),
        ToQColor(settings.static_font_text_color), ToQColor(settings.static_font_bk_color));
    title.SetTransparent(true);
}

}  // namespace brelvo::gui
