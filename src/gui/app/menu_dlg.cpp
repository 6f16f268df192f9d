#include "gui/app/menu_dlg.h"

#include "core/support/system_info.h"
#include "gui/controls/caption_placement.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

namespace {

struct MenuEntry {
    int button;  // the button's control identifier
    const char* label;
    PageId page;
    core::MenuButton pictures;
};

// Top to bottom.
constexpr std::array<MenuEntry, CMenuDlg::kButtonCount> kMenu{{
    {1004, "Device status", kPageStatus, core::kMenuSearch},
    {1007, "Device management", kPageManagement, core::kMenuWireless},
    {1003, "Device bridge", kPageBridge, core::kMenuDevice},
    {1009, "Device reboot", kPageReboot, core::kMenuUser},
    {1006, "Device upgrade", kPageUpgrade, core::kMenuAdStrategy},
    {1005, "Device restore", kPageRestore, core::kMenuAdManagement},
    {1008, "Install Help", kPageInstallHelp, core::kMenuActive},
    {1001, "System tool", kPageSystemTool, core::kMenuSystem},
}};

constexpr int kButtonWidth = 158;
constexpr int kButtonHeight = 40;
constexpr int kCaptionMargin = 16;
constexpr int kVersionGap = 18;
constexpr int kVersionHeight = 20;

std::size_t IndexOf(PageId page) {
    for (std::size_t k = 0; k < kMenu.size(); ++k) {
        if (kMenu[k].page == page)
            return k;
    }
    return 0;
}

}  // namespace

CMenuDlg::CMenuDlg(const core::Theme& theme, const core::SkinPaths& skin, QWidget* parent)
    : CTDialog(parent, Kind::Page), version_(new CTStatic(this)) {
    resize(kWidth, kHeight);
    TranslateWindow(this);
    SetBackgroundPicture(ToQString(skin.main_left_bk));

    const auto& settings = theme.settings;
    const QFont font =
        ThemeFont(theme, settings.button_menu_font_height, settings.button_menu_font_weight);
    for (std::size_t k = 0; k < kMenu.size(); ++k) {
        const MenuEntry& entry = kMenu[k];
        auto* button = new CTButtonPicture(this);
        button->setObjectName(QStringLiteral("menuButton%1").arg(entry.button));
        // Checked is how the selected button keeps its "down" picture.
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        const auto& pictures = skin.menu_buttons[entry.pictures];
        button->SetMenuPictures(ToQString(pictures.normal), ToQString(pictures.down));
        button->SetCaption(Tr(entry.label));
        button->SetCaptionFont(font);
        button->SetCaptionColors(ToQColor(settings.button_menu_font_color),
                                 ToQColor(settings.text_down_color));
        button->SetAlignment(caption_align::kLeft, kCaptionMargin);
        button->setGeometry(0, static_cast<int>(k) * kButtonHeight, kButtonWidth, kButtonHeight);
        connect(button, &CTButtonPicture::clicked, this,
                [this, page = entry.page] { SelectPage(page); });
        buttons_[k] = button;
    }

    version_->setObjectName(QStringLiteral("versionText"));
    version_->SetFontAndColors(
        ThemeFont(theme, settings.static_font_height, settings.static_font_weight),
        ToQColor(settings.static_text_number_color), ToQColor(settings.static_font_bk_color));
    version_->SetText(QString::fromStdString(core::VersionText()));
    version_->setGeometry(kCaptionMargin,
                          static_cast<int>(kMenu.size()) * kButtonHeight + kVersionGap,
                          kButtonWidth - kCaptionMargin, kVersionHeight);

    SelectPage(kPageStatus);
}

CTButtonPicture& CMenuDlg::Button(PageId page) const {
    return *buttons_[IndexOf(page)];
}

void CMenuDlg::EnableMenu(bool enable) {
    for (CTButtonPicture* button : buttons_)
        button->setEnabled(enable);
}

void CMenuDlg::SelectPage(PageId page) {
    for (CTButtonPicture* button : buttons_)
        button->setChecked(false);
    selected_ = page;
    Button(page).setChecked(true);
    emit PageSelected(page);
}

}  // namespace brelvo::gui
