#include "gui/config/switch_set_multi_dlg.h"

#include <QRadioButton>

#include <utility>

#include "gui/config/popup_frame.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/page_look.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {
constexpr int kWidth = 340;
constexpr int kHeight = 170;
constexpr int kRowTop = 62;
}  // namespace

CSwitchSetMultiDlg::CSwitchSetMultiDlg(PageServices& services, core::SwitchKind kind,
                                       uint8_t initial, Confirm confirm, QWidget* parent)
    : CTDialog(parent, Kind::PopUp), popup_(kind, initial), confirm_(std::move(confirm)) {
    const PopupFrame frame =
        BuildPopupFrame(*this, services.theme, services.skin,
                        QString::fromStdString(popup_.title()), kWidth, kHeight);
    save_ = frame.save;
    cancel_ = frame.cancel;
    close_ = frame.close;

    const auto& settings = services.theme.settings;
    label_ = MakeChild<CTStatic>(this);
    StyleStatic(*label_, services.theme, ToQColor(settings.static_font_text_color));
    label_->SetText(QString::fromStdString(popup_.label()));
    label_->setGeometry(24, kRowTop, 110, 24);

    const QFont optionFont =
        ThemeFont(services.theme, settings.static_font_height, settings.static_font_weight);
    enable_ = MakeChild<QRadioButton>(Tr("Enable"), this);
    disable_ = MakeChild<QRadioButton>(Tr("Disable_off"), this);
    enable_->setFont(optionFont);
    disable_->setFont(optionFont);
    enable_->setGeometry(140, kRowTop, 90, 24);
    disable_->setGeometry(230, kRowTop, 100, 24);
    enable_->setChecked(popup_.enable_checked());
    disable_->setChecked(popup_.disable_checked());

    connect(enable_, &QRadioButton::clicked, this, [this] { popup_.ChooseEnable(); });
    connect(disable_, &QRadioButton::clicked, this, [this] { popup_.ChooseDisable(); });
    connect(save_, &QAbstractButton::clicked, this, &CSwitchSetMultiDlg::OnSave);
}

void CSwitchSetMultiDlg::OnSave() {
    if (confirm_)
        confirm_(popup_.Request());
    accept();
}

}  // namespace brelvo::gui
