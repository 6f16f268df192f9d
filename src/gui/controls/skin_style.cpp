#include "gui/controls/skin_style.h"

#include <algorithm>
#include <cstdlib>

namespace brelvo::gui {

QFont MakeSkinFont(const QString& face, int height, int weight) {
    QFont font(face);
    if (height != 0) {
        font.setPixelSize(std::abs(height));
    }
    const int clampedWeight = weight <= 0 ? int{QFont::Normal} : std::clamp(weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(clampedWeight));
    return font;
}

QColor ColorFromColorRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFFu), static_cast<int>((colorRef >> 8) & 0xFFu),
                  static_cast<int>((colorRef >> 16) & 0xFFu));
}

}  // namespace brelvo::gui
