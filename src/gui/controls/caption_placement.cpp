#include "gui/controls/caption_placement.h"

#include <algorithm>

namespace brelvo::gui {

QPoint CaptionOrigin(int alignmentCode, int margin, QSize area, QSize text) {
    const int centredX = (area.width() - text.width()) / 2;
    const int centredY = (area.height() - text.height()) / 2;
    const int bottomY = area.height() - text.height();
    int x = 0;
    int y = 0;
    switch (alignmentCode) {
        case caption_align::kLeft:
            x = margin + 2;
            y = centredY;
            break;
        case caption_align::kRight:
            x = area.width() - margin - 2 - text.width();
            y = centredY;
            break;
        case caption_align::kCentre:
            x = centredX;
            y = centredY;
            break;
        case caption_align::kBottomLeft:
            y = bottomY;
            break;
        case caption_align::kTopCentre:
            x = centredX;
            break;
        case caption_align::kBottomCentre:
            x = centredX;
            y = bottomY;
            break;
        default:  // kTopLeft and every unknown code
            break;
    }
    return {std::max(x, 0), std::max(y, 0)};
}

}  // namespace brelvo::gui
