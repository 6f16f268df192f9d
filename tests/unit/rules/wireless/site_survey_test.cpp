#include "core/rules/wireless/site_survey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace brelvo::core {
namespace {

TEST(SiteSurvey, SecurityCodesReadAsTexts) {
    const std::vector<std::pair<uint32_t, std::string_view>> cases{
        {0, "None"},
        {1, "WEP"},
        {2, "WPA-PSK/AES"},
        {3, "WPA-PSK/TKIP"},
        {4, "WPA2-PSK/AES"},
        {5, "WPA2-PSK/TKIP"},
        {6, "WPA2-PSK/TKIP&AES"},
        {7, "WPA/WPA2-PSK/AES"},
        {8, "WPA/WPA2-PSK/TKIP"},
        {9, "WPA/WPA2-PSK/TKIP&AES"},
        {10, "WPA-PSK/TKIP&AES"},
        {12, "WPA-PSK/TKIP&AES"},
        {255, "WPA-PSK/TKIP&AES"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(SurveySecurityText(code), text) << code;
}

TEST(SiteSurvey, SignalStrengthChoosesOneOfThreePictures) {
    const std::vector<std::pair<int8_t, int>> cases{
        {0, 5}, {-59, 5}, {-60, 3}, {-74, 3}, {-75, 1}, {-128, 1}, {127, 5},
    };
    for (const auto& [signal, picture] : cases)
        EXPECT_EQ(SignalPicture(signal), picture) << int{signal};
}

TEST(SiteSurvey, AnEntryBecomesItsGridRow) {
    config_otherwl_basic entry{};
    const uint8_t mac[6] = {0x00, 0x90, 0x4C, 0xAB, 0xCD, 0xEF};
    std::memcpy(entry.mac, mac, 6);
    entry.signal = -68;
    entry.channel = 149;
    entry.secure_mode = 4;
    std::memcpy(entry.ssid, "Tower-North\0garbage", 19);
    entry.ssid_len = 11;
    EXPECT_EQ(MakeSurveyRow(entry),
              (SurveyRow{"Tower-North", "149", "00:90:4c:ab:cd:ef", "WPA2-PSK/AES", 3}));
}

TEST(SiteSurvey, GridColumnsMapToTheStoresOrder) {
    const std::vector<std::pair<int, SurveySortKey>> cases{
        {0, kSurveySortSsid}, {1, kSurveySortSsid},       {2, kSurveySortChannel},
        {3, kSurveySortMac},  {4, kSurveySortSecureMode}, {5, kSurveySortSignal},
        {6, kSurveySortSsid}, {-1, kSurveySortSsid},
    };
    for (const auto& [column, key] : cases)
        EXPECT_EQ(SurveySortKeyForColumn(column), key) << column;
}

TEST(SiteSurvey, HeaderClicksFlipTheDirection) {
    SurveySort sort;
    // After a scan: by signal, strongest (highest) first.
    EXPECT_EQ(sort.key(), kSurveySortSignal);
    EXPECT_FALSE(sort.ascending());

    EXPECT_TRUE(sort.ClickHeader(kSurveyColumnSignal));
    EXPECT_TRUE(sort.ascending());  // weakest first
    EXPECT_TRUE(sort.ClickHeader(kSurveyColumnSignal));
    EXPECT_FALSE(sort.ascending());

    // The direction flag is one for the whole list, not per column.
    EXPECT_TRUE(sort.ClickHeader(kSurveyColumnMac));
    EXPECT_EQ(sort.key(), kSurveySortMac);
    EXPECT_EQ(sort.direction(), 1);

    EXPECT_FALSE(sort.ClickHeader(kSurveyColumnSelect));
    EXPECT_FALSE(sort.ClickHeader(6));
    EXPECT_EQ(sort.column(), kSurveyColumnMac);
    EXPECT_EQ(sort.direction(), 1);
}

TEST(SiteSurvey, OneTickedRowEnablesNext) {
    SurveySelection selection;
    EXPECT_FALSE(selection.next_enabled());

    selection.ToggleRow(2);
    EXPECT_EQ(selection.ticked_row(), 2u);
    EXPECT_TRUE(selection.next_enabled());

    selection.ToggleRow(0);  // ticking a second row unticks the first
    EXPECT_EQ(selection.ticked_row(), 0u);
    EXPECT_TRUE(selection.next_enabled());

    selection.ToggleRow(0);  // unticking the only ticked row
    EXPECT_EQ(selection.ticked_row(), std::nullopt);
    EXPECT_FALSE(selection.next_enabled());

    selection.ToggleRow(1);
    selection.ListRefilled();  // a re-sort leaves no row ticked, so nothing to go on with
    EXPECT_EQ(selection.ticked_row(), std::nullopt);
    EXPECT_FALSE(selection.next_enabled());

    selection.ToggleRow(1);
    selection.ScanStarted();
    EXPECT_FALSE(selection.next_enabled());
}

TEST(SiteSurvey, AScanEndsWithTheLastPacketOrAfterThirtyTicks) {
    SurveyScanClock clock;
    EXPECT_FALSE(clock.Tick(true));  // not started

    clock.Start();
    for (int tick = 1; tick < 30; ++tick)
        ASSERT_FALSE(clock.Tick(false)) << tick;
    EXPECT_TRUE(clock.Tick(false));
    EXPECT_FALSE(clock.running());

    clock.Start();
    EXPECT_FALSE(clock.Tick(false));
    EXPECT_TRUE(clock.Tick(true));
    EXPECT_EQ(clock.ticks(), 2);

    // A scan started during another restarts the count.
    clock.Start();
    for (int tick = 1; tick < 20; ++tick)
        clock.Tick(false);
    clock.Start();
    EXPECT_EQ(clock.ticks(), 0);
    for (int tick = 1; tick < 30; ++tick)
        ASSERT_FALSE(clock.Tick(false)) << tick;
    EXPECT_TRUE(clock.Tick(false));
}

}  // namespace
}  // namespace brelvo::core
