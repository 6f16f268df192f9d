#include "gui/controls/elide_text.h"

namespace brelvo::gui {

QString ElideWithDots(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString dots = QStringLiteral("...");
    const int room = width - metrics.horizontalAdvance(dots);
    if (room < 0) {
        QString cut = dots;
        while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > width) {
            cut.chop(1);
        }
        return cut;
    }
    // Grows the kept beginning one character at a time; captions are short.
    qsizetype kept = 0;
    while (kept < text.size() && metrics.horizontalAdvance(text.left(kept + 1)) <= room) {
        ++kept;
    }
    // Never split a surrogate pair.
    if (kept > 0 && text.at(kept - 1).isHighSurrogate()) {
        --kept;
    }
    return text.left(kept) + dots;
}

}  // namespace brelvo::gui
