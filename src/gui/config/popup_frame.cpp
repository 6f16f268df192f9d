#include "gui/config/popup_frame.h"

#include <QWidget>

#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_dialog.h"
#include "gui/controls/ct_static.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/page_look.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 28;
constexpr int kCloseSize = 20;
}  // namespace

PopupFrame BuildPopupFrame(CTDialog& dialog, const core::Theme& theme, const core::SkinPaths& skin,
                           const QString& title, int width, int height) {
    dialog.setFixedSize(width, height);
    dialog.SetFillColor(ToQColor(theme.settings.child_bk_color));
    dialog.SetFillBackground(true);
    dialog.EnableMoveByDragging(true);
    dialog.setWindowTitle(title);

    PopupFrame frame;
    auto* bar = MakeChild<QWidget>(&dialog);
    bar->setGeometry(0, 0, width, kPopupTitleHeight);
    frame.title = MakeChild<CTStatic>(bar);
    StyleTitleBar(*bar, *frame.title, theme);
    frame.title->SetText(title);
    frame.title->setGeometry(12, 0, width - 60, kPopupTitleHeight);
    frame.title->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    // Drags that start on the title bar move the pop-up too.
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame.title->setAttribute(Qt::WA_TransparentForMouseEvents);

    frame.close = MakeChild<CTButtonPicture>(&dialog);
    frame.close->SetPicture(ToQString(skin.close_config));
    frame.close->setGeometry(width - kCloseSize - 6, (kPopupTitleHeight - kCloseSize) / 2,
                             kCloseSize, kCloseSize);
    frame.close->setCursor(Qt::PointingHandCursor);

    frame.save = MakePictureButton(&dialog, theme, ToQString(skin.config_btn), Tr("Save"));
    frame.save->SetCaptionColors(ToQColor(theme.settings.button_font_color), Qt::white);
    frame.cancel = MakePictureButton(&dialog, theme, ToQString(skin.btn_config), Tr("Cancel"));
    const int top = height - kButtonHeight - 14;
    const int gap = 24;
    const int left = (width - 2 * kButtonWidth - gap) / 2;
    frame.save->setGeometry(left, top, kButtonWidth, kButtonHeight);
    frame.cancel->setGeometry(left + kButtonWidth + gap, top, kButtonWidth, kButtonHeight);

    QObject::connect(frame.close, &QAbstractButton::clicked, &dialog, &CTDialog::reject);
    QObject::connect(frame.cancel, &QAbstractButton::clicked, &dialog, &CTDialog::reject);
    return frame;
}

}  // namespace brelvo::gui
