#include "core/support/theme.h"

#include <gtest/gtest.h>

#include "core/support/translation.h"
#include "support/temp_folder.h"

namespace brelvo::core {
namespace {

TEST(ColourTest, WindowsColourValueAndAccessors) {
    constexpr Colour colour = Colour::FromRgb(0x11, 0x22, 0x33);
    static_assert(colour.value == 0x332211);
    EXPECT_EQ(colour.red(), 0x11);
    EXPECT_EQ(colour.green(), 0x22);
    EXPECT_EQ(colour.blue(), 0x33);
}

TEST(ParseColourTest, AcceptsThreeNumbersInRangeAndOtherwiseLeavesTheTarget) {
    constexpr uint32_t kUntouched = 0xABCDEF;
    const struct {
        const char* text;
        std::optional<uint32_t> value;  // nothing: the parse fails
    } cases[] = {
        {"255,255,255", 0xFFFFFF},
        {"216,34,40", 0x2822D8},
        {"0,0,0", 0x000000},
        {" 1 , 2 , 3 ", 0x030201},
        {"12px,3,4", 0x04030C},  // digits first, the rest ends the number
        {"a,b,c", 0x000000},     // no digits gives 0
        {",,", 0x000000},
        {"10,20", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"1,2,3,", std::nullopt},
        {"256,0,0", std::nullopt},
        {"0,0,-1", std::nullopt},
        {"99999999999999999999,0,0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        Colour target{kUntouched};
        EXPECT_EQ(ParseColour(c.text, target), c.value.has_value()) << c.text;
        EXPECT_EQ(target.value, c.value.value_or(kUntouched)) << c.text;
    }
}

TEST(ThemeTest, NoSettingFileGivesTheDefaults) {
    const test::TempFolder folder;
    const Theme theme = LoadTheme(Settings(folder.path()));
    const ThemeSettings& s = theme.settings;
    const struct {
        Colour colour;
        uint32_t expected;
    } colours[] = {
        {s.child_bk_color, 0xFFFFFF},
        {s.button_menu_font_color, 0x000000},
        {s.button_font_color, 0x000000},
        {s.static_font_text_color, 0x000000},
        {s.static_font_bk_color, 0xFFFFFF},
        {s.text_down_color, 0x2822D8},           // 216,34,40
        {s.line_color, 0xD7D7D7},                // 215,215,215
        {s.static_text_number_color, 0x8E8E8E},  // 142,142,142
        {s.grid_text_color, 0x000000},
        {s.grid_title_text_color, 0x2070ED},  // 237,112,32
        {s.grid_title_bk_color, 0xC4D9DD},    // 221,217,196
        {s.text_unline_color, 0x8E8E8E},
        {s.text_online_color, 0x009900},  // 0,153,0
    };
    for (std::size_t i = 0; i < std::size(colours); ++i)
        EXPECT_EQ(colours[i].colour.value, colours[i].expected) << "colour " << i;
    EXPECT_EQ(s.font_name, "Arial");
    const int32_t integers[] = {s.button_menu_font_weight, s.button_menu_font_height,
                                s.button_font_weight,      s.button_font_height,
                                s.static_font_weight,      s.static_font_height,
                                s.grid_title_font_weight,  s.grid_title_font_height,
                                s.grid_font_weight,        s.grid_font_height};
    const int32_t expected[] = {0, 15, 0, 15, 0, 15, 700, 15, 0, 15};
    for (std::size_t i = 0; i < std::size(integers); ++i)
        EXPECT_EQ(integers[i], expected[i]) << "integer " << i;
    EXPECT_EQ(theme.grid_title_font, (FontSpec{"Arial", 15, 700}));
    EXPECT_EQ(theme.grid_font, (FontSpec{"Arial", 15, 0}));
}

TEST(ThemeTest, ValuesFromTheFileWithTheirFailureRules) {
    const test::TempFolder folder;
    folder.Write("Setting.ini",
                 "[Color]\n"
                 "ChildBkColor=10,20\n"  // two numbers: stays as it was
                 "LineColor=1,2,3\n"
                 "TextDownColor=\n"  // empty: the default
                 "GridTitleBkColor=300,0,0\n"
                 "[Font]\n"
                 "FontName=\n"
                 "GridTitleFontWeight=bold\n"  // letters: weight 0
                 "GridTitleFontHeight=-13\n"   // a negative height is a character height
                 "GridFontWeight=400\n"
                 "GridFontHeight=\n"
                 "ButtonFontHeight=18px\n");
    const Theme theme = LoadTheme(Settings(folder.path()));
    const ThemeSettings& s = theme.settings;
    EXPECT_EQ(s.child_bk_color.value, 0xFFFFFFu);
    EXPECT_EQ(s.line_color.value, 0x030201u);
    EXPECT_EQ(s.text_down_color.value, 0x2822D8u);
    EXPECT_EQ(s.grid_title_bk_color.value, 0xC4D9DDu);
    EXPECT_EQ(s.font_name, "Arial");
    EXPECT_EQ(s.button_font_height, 18);
    EXPECT_EQ(theme.grid_title_font, (FontSpec{"Arial", -13, 0}));
    EXPECT_EQ(theme.grid_font, (FontSpec{"Arial", 15, 400}));
}

TEST(ThemeTest, FontFaceReachesBothGridFonts) {
    const test::TempFolder folder;
    folder.Write("Setting.ini", "[Font]\nFontName=Liberation Sans\n");
    const Theme theme = LoadTheme(Settings(folder.path()));
    EXPECT_EQ(theme.grid_title_font.face, "Liberation Sans");
    EXPECT_EQ(theme.grid_font.face, "Liberation Sans");
}

TEST(SkinPathsTest, PicturesWithTextFollowTheLanguage) {
    const std::filesystem::path folder = "/opt/brelvo/";
    const SkinPaths chinese = BuildSkinPaths(folder, kLanguageChinese);
    EXPECT_EQ(chinese.web, "/opt/brelvo/Skin/web_chinese.bmp");
    EXPECT_EQ(chinese.bridge, "/opt/brelvo/Skin/bridge_chinese.bmp");
    EXPECT_EQ(chinese.help, "/opt/brelvo/Skin/help_chinese.jpg");
    for (const uint16_t other : {kLanguageEnglish, uint16_t{1041}, uint16_t{1028}}) {
        const SkinPaths paths = BuildSkinPaths(folder, other);
        EXPECT_EQ(paths.web, "/opt/brelvo/Skin/web_other.bmp") << other;
        EXPECT_EQ(paths.bridge, "/opt/brelvo/Skin/bridge_other.bmp") << other;
        EXPECT_EQ(paths.help, "/opt/brelvo/Skin/help_other.jpg") << other;
    }
}

TEST(SkinPathsTest, FileNamesOfTheSkinFolder) {
    const SkinPaths paths = BuildSkinPaths("/p/", kLanguageEnglish);
    const struct {
        const std::filesystem::path& path;
        const char* expected;
    } cases[] = {
        {paths.main_bk, "/p/Skin/main_bk.jpg"},
        {paths.main_left_bk, "/p/Skin/main_left_bk.jpg"},
        {paths.menu_buttons[kMenuSearch].normal, "/p/Skin/bt_menu_search_normal.bmp"},
        {paths.menu_buttons[kMenuSearch].down, "/p/Skin/bt_menu_search_down.bmp"},
        {paths.menu_buttons[kMenuAdStrategy].normal, "/p/Skin/bt_menu_adstragy_normal.bmp"},
        {paths.menu_buttons[kMenuAdManagement].down, "/p/Skin/bt_menu_admanagment_down.bmp"},
        {paths.menu_buttons[kMenuSystem].down, "/p/Skin/bt_menu_system_down.bmp"},
        {paths.btn_config, "/p/Skin/btn_config.bmp"},
        {paths.btn_update_down, "/p/Skin/btn_update_down.bmp"},
        {paths.close_wait, "/p/Skin/close_wait.bmp"},
        {paths.help_contact_normal, "/p/Skin/help_contact_normal.bmp"},
        {paths.btn_pie2, "/p/Skin/btn_pie2.bmp"},
        {paths.wait_search, "/p/Skin/wait_search.gif"},
        {paths.bridge_finish, "/p/Skin/bridge_finish.jpg"},
        {paths.signal_strength[0], "/p/Skin/singal_strength0.bmp"},
        {paths.signal_strength[5], "/p/Skin/singal_strength5.bmp"},
        {paths.wireless_disable, "/p/Skin/wireless_disable.bmp"},
        {paths.write, "/p/Skin/write.bmp"},
        {paths.orange_line, "/p/Skin/orange_line.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.path, c.expected);
}

}  // namespace
}  // namespace brelvo::core
