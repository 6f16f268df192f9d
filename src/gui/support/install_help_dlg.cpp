#include "gui/support/install_help_dlg.h"

#include "gui/controls/scroll_bitmap_wnd.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

namespace {

// The picture window's rectangle in the page, (5, 5) to (1065, 590).
constexpr int kPictureLeft = 5;
constexpr int kPictureTop = 5;
constexpr int kPictureRight = 1065;
constexpr int kPictureBottom = 590;

}  // namespace

CInstallHelpDlg::CInstallHelpDlg(PageServices& services, QWidget* parent)
    : CTDialog(parent, Kind::Page), picture_(new CScrollBitmapWnd(this)) {
    resize(kWidth, kHeight);
    TranslateWindow(this);
    const QColor background = ToQColor(services.theme.settings.child_bk_color);
    SetFillColor(background);

    picture_->setObjectName(QStringLiteral("installHelpPicture"));  // identifier 102
    picture_->setGeometry(kPictureLeft, kPictureTop, kPictureRight - kPictureLeft,
                          kPictureBottom - kPictureTop);
    picture_->SetBackgroundColor(background);
    picture_->SetPicture(ToQString(services.skin.help));
    picture_->show();
}

}  // namespace brelvo::gui
