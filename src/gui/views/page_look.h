// The look every page and pop-up shares, from the theme: picture buttons with their captions,
// static texts, and the grid's colours, fonts and row height.
#pragma once

#include <QColor>
#include <QString>

#include "core/support/theme.h"

class QWidget;

namespace brelvo::gui {

class CDeviceGrid;
class CTButtonPicture;
class CTStatic;

// A button showing `picture` in all four states, with the theme's button font and colours.
CTButtonPicture* MakePictureButton(QWidget* parent, const core::Theme& theme,
                                   const QString& picture, const QString& caption);

// The theme's static-text font in `color` on a see-through background.
void StyleStatic(CTStatic& text, const core::Theme& theme, const QColor& color);

// Background "ChildBkColor", grid lines "LineColor", header and cell fonts and colours,
// centred single-line cells of `rowHeight` pixels.
void StyleGrid(CDeviceGrid& grid, const core::Theme& theme, int rowHeight);

// The title bar of a pop-up: "GridTitleBkColor" behind the static-text font and colours.
void StyleTitleBar(QWidget& bar, CTStatic& title, const core::Theme& theme);

}  // namespace brelvo::gui
