// The look of every window as data: the colours, font face, heights and weights of sections
// "Color" and "Font" of "Setting.ini", the two grid fonts derived from them, and the paths of
// the skin pictures beside the program. Loaded once at start-up, read by every page.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/support/settings.h"

namespace brelvo::core {

// A Windows colour value: red in the low byte, then green, then blue.
struct Colour {
    uint32_t value = 0;

    static constexpr Colour FromRgb(uint8_t red, uint8_t green, uint8_t blue) {
        return Colour{static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
                      static_cast<uint32_t>(blue) << 16};
    }
    constexpr uint8_t red() const { return static_cast<uint8_t>(value & 0xFF); }
    constexpr uint8_t green() const { return static_cast<uint8_t>((value >> 8) & 0xFF); }
    constexpr uint8_t blue() const { return static_cast<uint8_t>((value >> 16) & 0xFF); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

// "red,green,blue", each a decimal number from 0 to 255. On success the colour is written to
// `target`; on failure (not exactly three pieces, a value out of range) `target` keeps what it
// held and the result is false.
bool ParseColour(std::string_view text, Colour& target);

// A font as the controls create it; every other attribute is the system's default.
struct FontSpec {
    std::string face;
    int32_t height = 0;
    int32_t weight = 0;  // 0 = the system's default weight, 700 = bold

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// One field per key, named after it, holding the key's default until the file says otherwise.
struct ThemeSettings {
    Colour child_bk_color = Colour::FromRgb(255, 255, 255);
    std::string font_name = "Arial";
    int32_t button_menu_font_weight = 0;
    int32_t button_menu_font_height = 15;
    Colour button_menu_font_color = Colour::FromRgb(0, 0, 0);
    int32_t button_font_weight = 0;
    int32_t button_font_height = 15;
    Colour button_font_color = Colour::FromRgb(0, 0, 0);
    int32_t static_font_weight = 0;
    int32_t static_font_height = 15;
    Colour static_font_text_color = Colour::FromRgb(0, 0, 0);
    Colour static_font_bk_color = Colour::FromRgb(255, 255, 255);
    Colour text_down_color = Colour::FromRgb(216, 34, 40);
    Colour line_color = Colour::FromRgb(215, 215, 215);
    Colour static_text_number_color = Colour::FromRgb(142, 142, 142);
    int32_t grid_title_font_weight = 700;
    int32_t grid_title_font_height = 15;
    int32_t grid_font_weight = 0;
    int32_t grid_font_height = 15;
    Colour grid_text_color = Colour::FromRgb(0, 0, 0);
    Colour grid_title_text_color = Colour::FromRgb(237, 112, 32);
    Colour grid_title_bk_color = Colour::FromRgb(221, 217, 196);
    Colour text_unline_color = Colour::FromRgb(142, 142, 142);
    Colour text_online_color = Colour::FromRgb(0, 153, 0);
};

struct Theme {
    ThemeSettings settings;
    FontSpec grid_title_font;
    FontSpec grid_font;
};

// Reads every key in turn; a missing or empty value gives the key's default, a colour that does
// not parse keeps the field's default, an integer that is not a number gives 0.
Theme LoadTheme(const Settings& settings);

// The two pictures of a left-menu button: "_normal" for normal and disabled, "_down" for hover
// and pressed.
struct MenuButtonPictures {
    std::filesystem::path normal;
    std::filesystem::path down;
};

// Indexes of SkinPaths::menu_buttons, top to bottom.
enum MenuButton : std::size_t {
    kMenuSearch,
    kMenuWireless,
    kMenuDevice,
    kMenuUser,
    kMenuAdStrategy,
    kMenuAdManagement,
    kMenuActive,
    kMenuSystem,
    kMenuButtonCount,
};

constexpr std::size_t kSignalStrengthLevels = 6;

// Full paths of the skin pictures; a missing file is no error here, its control shows nothing.
struct SkinPaths {
    std::filesystem::path main_bk;
    std::filesystem::path main_left_bk;
    std::array<MenuButtonPictures, kMenuButtonCount> menu_buttons;
    // Page action buttons: one picture for all four button states.
    std::filesystem::path btn_search;
    std::filesystem::path btn_delete;
    std::filesystem::path btn_export;
    std::filesystem::path btn_add;
    std::filesystem::path btn_reboot;
    std::filesystem::path btn_restore;
    std::filesystem::path btn_upgrade;
    std::filesystem::path btn_config;
    std::filesystem::path config_btn;
    std::filesystem::path btn_update_normal;
    std::filesystem::path btn_update_down;
    // Caption buttons of the main window.
    std::filesystem::path close_normal;
    std::filesystem::path min_normal;
    std::filesystem::path help_normal;
    std::filesystem::path close_config;
    std::filesystem::path close_wait;
    // Entries of the help menu.
    std::filesystem::path help_product_normal;
    std::filesystem::path help_support_normal;
    std::filesystem::path help_contact_normal;
    std::filesystem::path help_help_normal;
    std::filesystem::path btn_pie;
    std::filesystem::path btn_pie2;
    std::filesystem::path wait_search;
    std::filesystem::path bridge_finish;
    std::array<std::filesystem::path, kSignalStrengthLevels> signal_strength;
    std::filesystem::path wireless_basic;
    std::filesystem::path wireless_config;
    std::filesystem::path wireless_enable;
    std::filesystem::path wireless_disable;
    std::filesystem::path bt_url;
    std::filesystem::path write;
    std::filesystem::path line;
    std::filesystem::path gray_line;
    std::filesystem::path orange_line;
    // Pictures with text in them: "_chinese" for Chinese, "_other" for every other language.
    std::filesystem::path web;
    std::filesystem::path bridge;
    std::filesystem::path help;
};

// Program folder + "Skin/" + file name for every picture; `language_id` (see LanguageId())
// chooses the pictures with text in them.
SkinPaths BuildSkinPaths(const std::filesystem::path& program_folder, uint16_t language_id);

}  // namespace brelvo::core
