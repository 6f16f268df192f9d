#include "core/rules/wireless/wireless_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/wireless/channel_tables.h"
#include "list_helpers.h"

namespace brelvo::core {
namespace {

using test::DataOf;
using test::TextsOf;
using test::Translated;

constexpr uint32_t k24 = 0;
constexpr uint32_t k5 = 1;

TEST(FillNetworkModes, OffersTheModesOfTheBandAndModel) {
    struct Case {
        uint32_t ap_type;
        uint32_t rf_type;
        int mode;
        std::vector<std::string> texts;
        std::vector<int> data;
        std::size_t selected;
    };
    const std::vector<Case> cases{
        {1, k5, 3, {"11a", "11n", "11a/n"}, {0, 3, 1}, 1},
        // A mode the list lacks selects the third item.
        {1, k5, 2, {"11a", "11n", "11a/n"}, {0, 3, 1}, 2},
        {10, k5, 2, {"11a", "11n", "11a/n", "11ac"}, {0, 3, 1, 2}, 3},
        {14, k5, 0, {"11a", "11n", "11a/n", "11ac"}, {0, 3, 1, 2}, 0},
        {270, k5, 1, {"11a", "11n", "11a/n", "11ac"}, {0, 3, 1, 2}, 2},
        {13, k5, 3, {"11a", "11a/n", "11ac"}, {0, 1, 2}, 2},
        {271, k5, 1, {"11a", "11a/n", "11ac"}, {0, 1, 2}, 1},
        {1, k24, 4, {"11b", "11g", "11b/g", "11b/g/n"}, {1, 2, 0, 4}, 3},
        {10, k24, 1, {"11b", "11g", "11b/g", "11b/g/n"}, {1, 2, 0, 4}, 0},
        {1, k24, 3, {"11b", "11g", "11b/g", "11b/g/n"}, {1, 2, 0, 4}, 2},
    };
    for (const auto& c : cases) {
        const ListFill list = FillNetworkModes(c.ap_type, c.rf_type, c.mode);
        SCOPED_TRACE(testing::Message()
                     << "model " << c.ap_type << " band " << c.rf_type << " mode " << c.mode);
        EXPECT_EQ(TextsOf(list), Translated(c.texts));
        EXPECT_EQ(DataOf(list), c.data);
        EXPECT_EQ(list.selected, c.selected);
    }
}

TEST(FillBandwidths, OffersTheBandwidthsOfTheBandModelAndMode) {
    struct Case {
        uint32_t ap_type;
        uint32_t rf_type;
        int mode;
        std::vector<int> data;
    };
    const std::vector<Case> cases{
        {1, k24, 0, {0}},
        {1, k24, 2, {0}},
        {1, k24, 3, {2, 0, 1}},
        {1, k24, 4, {2, 0, 1}},
        {1, k24, 5, {}},
        {6, k5, 1, {2, 4, 0, 5, 1}},
        {267, k5, 2, {2, 4, 0, 5, 1}},
        {10, k5, 1, {2, 4, 0, 5, 1}},
        {269, k5, 2, {2, 4, 0, 5, 1, 6, 7, 3}},
        {13, k5, 0, {2, 0}},
        {13, k5, 1, {2, 0, 1}},
        {271, k5, 2, {2, 0, 1, 3}},
        {14, k5, 1, {2, 0, 1}},
        {273, k5, 2, {2, 0, 1, 3}},
        {1, k5, 2, {2, 0, 1}},
    };
    for (const auto& c : cases) {
        const ListFill list = FillBandwidths(c.ap_type, c.rf_type, c.mode, 0);
        EXPECT_EQ(DataOf(list), c.data)
            << "model " << c.ap_type << " band " << c.rf_type << " mode " << c.mode;
    }
}

TEST(FillBandwidths, ShowsTheTextsAsWrittenAndSelectsTheBandwidthOrTheFirst) {
    const ListFill wide = FillBandwidths(10, k5, 2, kBandwidth40);
    EXPECT_EQ(TextsOf(wide), (std::vector<std::string>{"Auto", "10MHz", "20MHz", "30MHz", "40MHz",
                                                       "50MHz", "60MHz", "80MHz"}));
    EXPECT_EQ(wide.selected, 4u);
    EXPECT_EQ(FillBandwidths(10, k5, 1, kBandwidth80).selected, 0u);
    EXPECT_EQ(FillBandwidths(1, k24, 5, kBandwidth20).selected, std::nullopt);
}

TEST(FillChannels, OffersTheChannelsOfTheCountryModelAndBandwidth) {
    struct Case {
        const char* name;
        std::optional<int> row;
        uint32_t ap_type;
        uint32_t rf_type;
        int bandwidth;
        bool dfs;
        std::vector<int> channels;
    };
    const std::vector<Case> cases{
        {"China 20 MHz drops 52-64 and 100-144",
         4,
         1,
         k5,
         kBandwidth20,
         false,
         {0, 36, 40, 44, 48, 149, 153, 157, 161, 165}},
        {"DFS means nothing to a model without it",
         4,
         1,
         k5,
         kBandwidth20,
         true,
         {0, 36, 40, 44, 48, 149, 153, 157, 161, 165}},
        {"model 14 with DFS gets the group-2 list",
         4,
         14,
         k5,
         kBandwidth20,
         true,
         {0, 36, 40, 44, 48, 100, 104, 108, 112, 116, 132, 136, 140, 149, 153, 157, 161, 165}},
        {"model 14 without DFS",
         4,
         14,
         k5,
         kBandwidth20,
         false,
         {0, 36, 40, 44, 48, 149, 153, 157, 161, 165}},
        {"model 14 at 40 MHz in a group-1 row",
         1,
         14,
         k5,
         kBandwidth40,
         true,
         {0, 149, 153, 157, 161}},
        {"model 12 in the United States",
         31,
         12,
         k24,
         kBandwidth20,
         false,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"model 12 in Canada",
         3,
         12,
         k24,
         kBandwidth20,
         false,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"model 12 in China: 1 to 13, no Auto",
         4,
         12,
         k24,
         kBandwidth20,
         false,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"another model in China",
         4,
         1,
         k24,
         kBandwidth40,
         false,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"40 MHz list read without its suffixes",
         31,
         1,
         k5,
         kBandwidth40,
         false,
         {0, 36, 40, 44, 48, 149, 153, 157, 161}},
        {"20 MHz list for 10 MHz", 30, 1, k5, kBandwidth10, false, {0, 149, 153, 157, 161, 165}},
        {"80 MHz list", 30, 1, k5, kBandwidth80, false, {0, 149, 153, 157, 161}},
        {"Test row: model 10 skips 8, 179, 181, 188",
         41,
         10,
         k5,
         kBandwidth20,
         false,
         {0,   36,  40,  44,  48,  52,  56,  60,  64,  100, 104, 108, 112,
          116, 120, 124, 128, 132, 136, 140, 149, 153, 157, 161, 165}},
        {"Test row: model 1 gets them all",
         41,
         1,
         k5,
         kBandwidthAuto,
         false,
         {0,   8,   36,  40,  44,  48,  52,  56,  60,  64,  100, 104, 108, 112, 116,
          120, 124, 128, 132, 136, 140, 149, 153, 157, 161, 165, 179, 181, 188}},
        {"Test row: model 14, group 3 at 40 MHz",
         41,
         14,
         k5,
         kBandwidth40,
         false,
         {0,   8,   36,  40,  44,  48,  52,  56,  60,  64,  100, 104, 108, 112,
          116, 120, 124, 128, 132, 136, 140, 149, 153, 157, 161, 179, 181, 188}},
        {"no country row: Auto and the current channel",
         std::nullopt,
         1,
         k5,
         kBandwidth20,
         false,
         {0, 149}},
    };
    for (const auto& c : cases) {
        const ListFill list = FillChannels(c.row, c.ap_type, c.rf_type, c.bandwidth, 149, c.dfs);
        EXPECT_EQ(DataOf(list), c.channels) << c.name;
    }
}

TEST(FillChannels, WritesAutoAndNumbersAndSelectsTheChannelOrTheFirst) {
    const ListFill list = FillChannels(4, 1, k5, kBandwidth20, 149, false);
    ASSERT_GE(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].text, Translate("Auto"));
    EXPECT_EQ(list.items[1].text, "36");
    EXPECT_EQ(list.selected, 5u);
    // 52 is dropped in China, so the first item stands in for it.
    EXPECT_EQ(FillChannels(4, 1, k5, kBandwidth20, 52, false).selected, 0u);
    EXPECT_EQ(DataOf(FillChannels(std::nullopt, 1, k5, kBandwidth20, 0, false)),
              std::vector<int>{0});
}

TEST(FillExtensionChannels, PairsA24GHzChannelWithItsNeighbourFourAway) {
    struct Case {
        int channel;
        int mode;
        int bandwidth;
        int hint;
        std::size_t channel_items;
        std::vector<std::string> texts;
        std::vector<int> data;
        std::optional<std::size_t> selected;
        bool enabled;
    };
    const std::vector<Case> cases{
        // "Auto" and 1 to 13: 14 items.
        {11, 4, kBandwidth40, 2, 14, {"7"}, {0}, 0, true},
        {3, 4, kBandwidth40, 2, 14, {"7"}, {1}, 0, true},
        {4, 4, kBandwidth40, 0, 14, {"8"}, {1}, 0, true},
        {6, 4, kBandwidth40, 2, 14, {"2", "10"}, {0, 1}, 0, true},
        {6, 4, kBandwidth40, 1, 14, {"2", "10"}, {0, 1}, 1, true},
        {6, 4, kBandwidth40, 0, 14, {"2", "10"}, {0, 1}, 0, true},
        {9, 4, kBandwidth40, 2, 14, {"5", "13"}, {0, 1}, 0, true},
        {10, 4, kBandwidth40, 1, 14, {"6"}, {0}, 0, true},
        // "Auto" and 1 to 11: the top of the band comes sooner.
        {8, 4, kBandwidth40, 1, 12, {"4"}, {0}, 0, true},
        {7, 4, kBandwidthAuto, 1, 12, {"3", "11"}, {0, 1}, 1, true},
        {0, 4, kBandwidth40, 2, 14, {}, {}, std::nullopt, false},
        {6, 4, kBandwidth20, 2, 14, {}, {}, std::nullopt, false},
        {6, 0, kBandwidth40, 2, 14, {}, {}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto fill =
            FillExtensionChannels(c.channel, k24, c.mode, c.bandwidth, c.hint, c.channel_items);
        SCOPED_TRACE(testing::Message() << "channel " << c.channel << " mode " << c.mode
                                        << " bandwidth " << c.bandwidth << " hint " << c.hint);
        EXPECT_EQ(TextsOf(fill.list), c.texts);
        EXPECT_EQ(DataOf(fill.list), c.data);
        EXPECT_EQ(fill.list.selected, c.selected);
        EXPECT_EQ(fill.enabled, c.enabled);
    }
    const auto five = FillExtensionChannels(36, k5, 4, kBandwidth40, 1, 20);
    EXPECT_TRUE(five.list.items.empty());
    EXPECT_FALSE(five.enabled);
}

TEST(FillCountries, ListsEveryRowAndSelectsTheDevicesCountry) {
    const ListFill china = FillCountries(0);
    ASSERT_EQ(china.items.size(), 42u);
    EXPECT_EQ(china.items[0].text, Translate("Australia"));
    EXPECT_EQ(china.items[41].text, Translate("Test"));
    EXPECT_EQ(china.items[17].data, 17);
    EXPECT_EQ(china.selected, 4u);
    EXPECT_EQ(FillCountries(59).selected, 39u);           // AUT
    EXPECT_EQ(FillCountries(43).selected, std::nullopt);  // NZ has no row
    EXPECT_EQ(FillCountries(62).selected, std::nullopt);
}

}  // namespace
}  // namespace brelvo::core
