#include "core/support/theme.h"

#include <algorithm>
#include <limits>
#include <type_traits>
#include <variant>

#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

using ThemeField =
    std::variant<Colour ThemeSettings::*, int32_t ThemeSettings::*, std::string ThemeSettings::*>;

struct ThemeKey {
    std::string_view section;
    std::string_view key;
    std::string_view default_value;
    ThemeField field;
};

// In reading order.
constexpr std::array<ThemeKey, 24> kThemeKeys{{
    {"Color", "ChildBkColor", "255,255,255", &ThemeSettings::child_bk_color},
    {"Font", "FontName", "Arial", &ThemeSettings::font_name},
    {"Font", "ButtonMenuFontWeight", "0", &ThemeSettings::button_menu_font_weight},
    {"Font", "ButtonMenuFontHeight", "15", &ThemeSettings::button_menu_font_height},
    {"Color", "ButtonMenuFontColor", "0,0,0", &ThemeSettings::button_menu_font_color},
    {"Font", "ButtonFontWeight", "0", &ThemeSettings::button_font_weight},
    {"Font", "ButtonFontHeight", "15", &ThemeSettings::button_font_height},
    {"Color", "ButtonFontColor", "0,0,0", &ThemeSettings::button_font_color},
    {"Font", "StaticFontWeight", "0", &ThemeSettings::static_font_weight},
    {"Font", "StaticFontHeight", "15", &ThemeSettings::static_font_height},
    {"Color", "StaticFontTextColor", "0,0,0", &ThemeSettings::static_font_text_color},
    {"Color", "StaticFontBkColor", "255,255,255", &ThemeSettings::static_font_bk_color},
    {"Color", "TextDownColor", "216,34,40", &ThemeSettings::text_down_color},
    {"Color", "LineColor", "215,215,215", &ThemeSettings::line_color},
    {"Color", "StaticTextNumberColor", "142,142,142", &ThemeSettings::static_text_number_color},
    {"Font", "GridTitleFontWeight", "700", &ThemeSettings::grid_title_font_weight},
    {"Font", "GridTitleFontHeight", "15", &ThemeSettings::grid_title_font_height},
    {"Font", "GridFontWeight", "0", &ThemeSettings::grid_font_weight},
    {"Font", "GridFontHeight", "15", &ThemeSettings::grid_font_height},
    {"Color", "GridTextColor", "0,0,0", &ThemeSettings::grid_text_color},
    {"Color", "GridTitleTextColor", "237,112,32", &ThemeSettings::grid_title_text_color},
    {"Color", "GridTitleBkColor", "221,217,196", &ThemeSettings::grid_title_bk_color},
    {"Color", "TextUnlineColor", "142,142,142", &ThemeSettings::text_unline_color},
    {"Color", "TextOnlineColor", "0,153,0", &ThemeSettings::text_online_color},
}};

int32_t Int32Value(std::string_view text) {
    return static_cast<int32_t>(std::clamp<long long>(DecimalValue(text),
                                                      std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}

void ApplyValue(ThemeSettings& theme, const ThemeField& field, std::string_view text) {
    std::visit(
        [&](auto member) {
            auto& target = theme.*member;
            using Target = std::remove_reference_t<decltype(target)>;
            if constexpr (std::is_same_v<Target, Colour>) {
                ParseColour(text, target);
            } else if constexpr (std::is_same_v<Target, int32_t>) {
                target = Int32Value(text);
            } else {
                target = std::string(text);
            }
        },
        field);
}

}  // namespace

bool ParseColour(std::string_view text, Colour& target) {
    std::array<long long, 3> parts{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view piece = text.substr(start, comma - start);
        if (count == parts.size())
            return false;
        parts[count++] = DecimalValue(piece);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count != parts.size())
        return false;
    for (const long long part : parts) {
        if (part < 0 || part > 255)
            return false;
    }
    target = Colour::FromRgb(static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]),
                             static_cast<uint8_t>(parts[2]));
    return true;
}

Theme LoadTheme(const Settings& settings) {
    Theme theme;
    for (const ThemeKey& entry : kThemeKeys) {
        std::string value =
            settings.GetSettingString(entry.section, entry.key, entry.default_value);
        if (value.empty())
            value = std::string(entry.default_value);
        ApplyValue(theme.settings, entry.field, value);
    }
    const ThemeSettings& read = theme.settings;
    theme.grid_title_font = {read.font_name, read.grid_title_font_height,
                             read.grid_title_font_weight};
    theme.grid_font = {read.font_name, read.grid_font_height, read.grid_font_weight};
    return theme;
}

SkinPaths BuildSkinPaths(const std::filesystem::path& program_folder, uint16_t language_id) {
    const std::filesystem::path skin = program_folder / "Skin";
    const auto picture = [&skin](std::string_view name) { return skin / name; };
    const std::string language = language_id == kLanguageChinese ? "_chinese" : "_other";

    constexpr std::array<std::string_view, kMenuButtonCount> kMenuNames{
        "search", "wireless", "device", "user", "adstragy", "admanagment", "active", "system"};

    SkinPaths paths;
    paths.main_bk = picture("main_bk.jpg");
    paths.main_left_bk = picture("main_left_bk.jpg");
    for (std::size_t i = 0; i < kMenuButtonCount; ++i) {
        const std::string stem = "bt_menu_" + std::string(kMenuNames[i]);
        paths.menu_buttons[i] = {picture(stem + "_normal.bmp"), picture(stem + "_down.bmp")};
    }
    paths.btn_search = picture("btn_search.bmp");
    paths.btn_delete = picture("btn_delete.bmp");
    paths.btn_export = picture("btn_export.bmp");
    paths.btn_add = picture("btn_add.bmp");
    paths.btn_reboot = picture("btn_reboot.bmp");
    paths.btn_restore = picture("btn_restore.bmp");
    paths.btn_upgrade = picture("btn_upgrade.bmp");
    paths.btn_config = picture("btn_config.bmp");
    paths.config_btn = picture("config_btn.bmp");
    paths.btn_update_normal = picture("btn_update_normal.bmp");
    paths.btn_update_down = picture("btn_update_down.bmp");
    paths.close_normal = picture("close_normal.bmp");
    paths.min_normal = picture("min_normal.bmp");
    paths.help_normal = picture("help_normal.bmp");
    paths.close_config = picture("close_config.bmp");
    paths.close_wait = picture("close_wait.bmp");
    paths.help_product_normal = picture("help_product_normal.bmp");
    paths.help_support_normal = picture("help_support_normal.bmp");
    paths.help_contact_normal = picture("help_contact_normal.bmp");
    paths.help_help_normal = picture("help_help_normal.bmp");
    paths.btn_pie = picture("btn_pie.bmp");
    paths.btn_pie2 = picture("btn_pie2.bmp");
    paths.wait_search = picture("wait_search.gif");
    paths.bridge_finish = picture("bridge_finish.jpg");
    for (std::size_t level = 0; level < kSignalStrengthLevels; ++level)
        paths.signal_strength[level] = picture("singal_strength" + std::to_string(level) + ".bmp");
    paths.wireless_basic = picture("wireless_basic.bmp");
    paths.wireless_config = picture("wireless_config.bmp");
    paths.wireless_enable = picture("wireless_enable.bmp");
    paths.wireless_disable = picture("wireless_disable.bmp");
    paths.bt_url = picture("bt_url.bmp");
    paths.write = picture("write.bmp");
    paths.line = picture("line.bmp");
    paths.gray_line = picture("gray_line.bmp");
    paths.orange_line = picture("orange_line.bmp");
    paths.web = picture("web" + language + ".bmp");
    paths.bridge = picture("bridge" + language + ".bmp");
    paths.help = picture("help" + language + ".jpg");
    return paths;
}

}  // namespace brelvo::core
