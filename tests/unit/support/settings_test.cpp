#include "core/support/settings.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/temp_folder.h"

namespace brelvo::core {
namespace {

TEST(SettingsTest, NoSettingFileGivesTheDefaults) {
    const test::TempFolder folder;
    const Settings settings(folder.path());
    const TransportSettings transport = ReadTransportSettings(settings);
    EXPECT_EQ(transport.retransmission_max, 3);
    EXPECT_EQ(transport.retransmission_interval, 2000);
    EXPECT_EQ(settings.GetSettingString("Color", "LineColor", "215,215,215"), "215,215,215");
}

TEST(SettingsTest, TransportValuesAreDecimalNumbers) {
    const struct {
        const char* written;  // the value in the file
        int32_t expected;
    } cases[] = {
        {"0", 0},       {"5", 5},
        {"  12  ", 12}, {"7 retries", 7},
        {"many", 0},    {"", 0},  // present but empty: not a number
        {"-4", 0},      {"99999999999", std::numeric_limits<int32_t>::max()},
    };
    for (const auto& c : cases) {
        const test::TempFolder folder;
        folder.Write("Setting.ini", std::string("[SETTING]\nRetransmission_Max=") + c.written +
                                        "\nretransmission_interval=" + c.written + "\n");
        const TransportSettings transport = ReadTransportSettings(Settings(folder.path()));
        EXPECT_EQ(transport.retransmission_max, c.expected) << c.written;
        EXPECT_EQ(transport.retransmission_interval, c.expected) << c.written;
    }
}

TEST(SettingsTest, MissingKeyKeepsItsDefaultBesideAPresentOne) {
    const test::TempFolder folder;
    folder.Write("Setting.ini", "[Setting]\nretransmission_interval=250\n");
    const TransportSettings transport = ReadTransportSettings(Settings(folder.path()));
    EXPECT_EQ(transport.retransmission_max, 3);
    EXPECT_EQ(transport.retransmission_interval, 250);
}

TEST(SettingsTest, ValuesAreCutAtThirtyOneCharacters) {
    const test::TempFolder folder;
    const std::string ascii(40, 'x');
    std::string chinese;
    for (int i = 0; i < 40; ++i)
        chinese += "字";
    folder.Write("Setting.ini", "[Font]\nFontName=" + ascii + "\nOther=" + chinese + "\n");
    const Settings settings(folder.path());
    EXPECT_EQ(settings.GetSettingString("Font", "FontName", ""), ascii.substr(0, 31));
    EXPECT_EQ(settings.GetSettingString("Font", "Other", ""), chinese.substr(0, 31 * 3));
    EXPECT_EQ(settings.GetSettingString("Font", "Missing", ascii), ascii.substr(0, 31));
}

}  // namespace
}  // namespace brelvo::core
