// Fonts and colours as the settings file describes them, turned into Qt values.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

namespace brelvo::gui {

// A font from a face name, a height and a weight as the settings file writes them: a positive
// height is the character cell in pixels (ascent plus descent), a negative one the character
// height itself, 0 leaves the toolkit's default size; a weight of 0 to 1000 where 0 means the
// normal weight.
QFont MakeSkinFont(const QString& face, int height, int weight);

// A colour stored as red in the low byte, then green, then blue.
QColor ColorFromColorRef(std::uint32_t colorRef);

}  // namespace brelvo::gui
