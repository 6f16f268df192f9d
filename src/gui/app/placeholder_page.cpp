#include "gui/app/placeholder_page.h"

#include "gui/controls/ct_static.h"
#include "gui/support/child_dlg.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

CPlaceholderPage::CPlaceholderPage(const char* title, PageServices& services, QWidget* parent)
    : CTDialog(parent, Kind::Page) {
    resize(CChildDlg::kWidth, CChildDlg::kHeight);
    const auto& settings = services.theme.settings;
    SetFillColor(ToQColor(settings.child_bk_color));
    auto* caption = new CTStatic(this);
    caption->SetText(QString::fromLatin1(title));
    caption->SetFontAndColors(ThemeFont(services.theme, 22, 700),
                              ToQColor(settings.static_text_number_color),
                              ToQColor(settings.static_font_bk_color));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(rect());
    TranslateWindow(this);
}

}  // namespace brelvo::gui
