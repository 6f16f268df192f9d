// The frame every small configuration pop-up shares: a title bar across the top with the title
// and a close button, and Save and Cancel centred along the bottom edge.
#pragma once

#include <QString>

#include "core/support/theme.h"

namespace brelvo::gui {

class CTButtonPicture;
class CTDialog;
class CTStatic;

struct PopupFrame {
    CTStatic* title = nullptr;
    CTButtonPicture* close = nullptr;
    CTButtonPicture* save = nullptr;
    CTButtonPicture* cancel = nullptr;
};

inline constexpr int kPopupTitleHeight = 32;

// Sizes `dialog` to `width` x `height`, paints it white, lets it be dragged by its background,
// and adds the frame's controls. Close and Cancel end it with Cancel; Save is the caller's.
PopupFrame BuildPopupFrame(CTDialog& dialog, const core::Theme& theme, const core::SkinPaths& skin,
                           const QString& title, int width, int height);

}  // namespace brelvo::gui
