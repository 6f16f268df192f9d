// The theme's plain values as the Qt types the controls take.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>
#include <filesystem>

#include "core/support/theme.h"

namespace brelvo::gui {

inline QColor ToQColor(core::Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}

// Heights are pixel heights as the settings give them. Weights share Qt 6's scale (400 normal,
// 700 bold); 0 means the default weight.
inline QFont ToQFont(const core::FontSpec& spec) {
    QFont font(QString::fromStdString(spec.face));
    if (spec.height > 0)
        font.setPixelSize(spec.height);
    if (spec.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
    return font;
}

inline core::FontSpec FontOf(const core::Theme& theme, int32_t height, int32_t weight) {
    return core::FontSpec{theme.settings.font_name, height, weight};
}

inline QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace brelvo::gui
