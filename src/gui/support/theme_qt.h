// The theme's plain values as the Qt types the controls take.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <filesystem>

#include "core/support/theme.h"
#include "gui/controls/skin_style.h"

namespace brelvo::gui {

inline QColor ToQColor(core::Colour colour) {
    return ColorFromColorRef(colour.value);
}

inline QFont ToQFont(const core::FontSpec& font) {
    return MakeSkinFont(QString::fromStdString(font.face), font.height, font.weight);
}

// A font of the theme's face with a height and weight of the settings.
inline QFont ThemeFont(const core::Theme& theme, int32_t height, int32_t weight) {
    return ToQFont(core::FontSpec{theme.settings.font_name, height, weight});
}

inline QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace brelvo::gui
