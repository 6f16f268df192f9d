// Where a picture button puts its caption, by the button's alignment code.
#pragma once

#include <QPoint>
#include <QSize>

namespace brelvo::gui {

// Alignment codes of a picture button's caption. Any other code puts the caption in the
// top-left corner.
namespace caption_align {
inline constexpr int kLeft = 0x100;          // from the margin plus 2, centred vertically
inline constexpr int kRight = 0x200;         // ending 2 before the right margin, centred vertically
inline constexpr int kCentre = 0x300;        // centred both ways (the default)
inline constexpr int kTopLeft = 0x400;       // top-left corner
inline constexpr int kTopCentre = 0x700;     // centred horizontally, at the top
inline constexpr int kBottomLeft = 0x800;    // at the left, against the bottom edge
inline constexpr int kBottomCentre = 0xB00;  // centred horizontally, against the bottom edge
}  // namespace caption_align

// Top-left corner of a caption of `text` size inside a button of `area` size. A caption larger
// than the button never starts left of or above the button.
QPoint CaptionOrigin(int alignmentCode, int margin, QSize area, QSize text);

}  // namespace brelvo::gui
