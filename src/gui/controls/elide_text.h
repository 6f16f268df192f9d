// Cutting a caption that does not fit.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace brelvo::gui {

// `text` when it fits in `width` pixels; otherwise its longest beginning that fits with "..."
// after it (three full stops, the way the captions are written), or "..." cut to what fits.
QString ElideWithDots(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace brelvo::gui
