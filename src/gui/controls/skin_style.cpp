#include "gui/controls/skin_style.h"

#include <algorithm>
#include <cstdlib>

#include <QFontMetrics>

namespace brelvo::gui {

QFont MakeSkinFont(const QString& face, int height, int weight) {
    QFont font(face);
    if (height < 0) {
        font.setPixelSize(-height);  // a negative height is the character height itself
    } else if (height > 0) {
        // A positive height is the whole cell, ascent plus descent, as the settings file means
        // it; the character itself is smaller. Step down until the face's cell fits.
        int pixels = height;
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font).height() > height)
            font.setPixelSize(--pixels);
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
