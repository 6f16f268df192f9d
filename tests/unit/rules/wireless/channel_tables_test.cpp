#include "core/rules/wireless/channel_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvo::core {
namespace {

TEST(ChannelTables, ChannelListsReadAsNumbersWithoutTheirHalfPairMarks) {
    struct Case {
        std::string text;
        std::vector<int> channels;
    };
    const std::vector<Case> cases{
        {"0,1,2,3", {0, 1, 2, 3}},
        {"0,36l,40u,44l,48u", {0, 36, 40, 44, 48}},
        {"0,149l,153u,157,161", {0, 149, 153, 157, 161}},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseChannelList(c.text), c.channels) << c.text;
}

TEST(ChannelTables, CountryCodesIndexTheDevicesCodeTable) {
    struct Case {
        uint32_t code;
        std::string_view text;
    };
    const std::vector<Case> cases{
        {0, "CN"},   {1, "US"},   {26, "CA"},   {43, "NZ"}, {58, "HU"},
        {59, "AUT"}, {60, "CHL"}, {61, "Test"}, {62, ""},   {255, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountryCodeText(c.code), c.text) << c.code;
}

TEST(ChannelTables, CountryRowsAndCodesFindEachOther) {
    struct Case {
        uint32_t code;
        std::optional<int> row;
    };
    const std::vector<Case> cases{
        {0, 4},              // CN: China
        {1, 31},             // US: United States
        {26, 3},             // CA: Canada
        {59, 39},            // AUT: Austria, not AU
        {61, 41},            // Test
        {44, 0},             // AU: Australia
        {43, std::nullopt},  // NZ has no row
        {7, std::nullopt},   // NL has no row
        {62, std::nullopt},  // past the code table
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountryRowOfCode(c.code), c.row) << c.code;

    // Every row's code is in the code table and leads back to that row.
    for (int row = 0; row < static_cast<int>(kCountryRowCount); ++row) {
        const auto code = CountryCodeOfRow(row);
        ASSERT_TRUE(code.has_value()) << row;
        EXPECT_EQ(CountryRowOfCode(*code), row) << row;
    }
    EXPECT_EQ(CountryCodeOfRow(-1), std::nullopt);
    EXPECT_EQ(CountryCodeOfRow(42), std::nullopt);
}

TEST(ChannelTables, CountryRowsKeepTheirNamesAndLists) {
    const auto rows = CountryRows();
    EXPECT_EQ(rows[6].name, "CzechRepublic");
    EXPECT_EQ(rows[25].name, "South Afica");
    EXPECT_EQ(rows[30].name, "United Arab Emirates");
    EXPECT_EQ(rows[3].channels_24, "0,1,2,3,4,5,6,7,8,9,10,11");
    EXPECT_EQ(rows[23].channels_5_40,
              "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,"
              "136u,149,153,157,161");
    EXPECT_EQ(rows[35].channels_5_80, "0,36,40,44,48");
    EXPECT_EQ(rows[41].channels_5_20,
              "0,8,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,"
              "157,161,165,179,181,188");
}

TEST(ChannelTables, CountryRowsChooseTheirModelGroup) {
    const std::vector<std::pair<int, int>> cases{
        {1, 1},  {14, 1}, {16, 1}, {18, 1}, {19, 1}, {30, 1}, {33, 1}, {6, 0},
        {10, 0}, {21, 0}, {22, 0}, {26, 0}, {29, 0}, {34, 0}, {37, 0}, {41, 3},
        {0, 2},  {4, 2},  {11, 2}, {31, 2}, {38, 2}, {40, 2},
    };
    for (const auto& [row, group] : cases)
        EXPECT_EQ(ModelGroupOfRow(row), group) << row;
}

TEST(ChannelTables, ModelGroupListsFollowTheBandwidth) {
    EXPECT_EQ(ModelGroupChannels(0, kBandwidth20), "0,36,40,44,48,100,104,108,112,116,132,136,140");
    EXPECT_EQ(ModelGroupChannels(0, kBandwidthAuto), ModelGroupChannels(0, kBandwidth20));
    EXPECT_EQ(ModelGroupChannels(1, kBandwidth40), "0,149l,153u,157l,161u");
    EXPECT_EQ(ModelGroupChannels(2, kBandwidth80),
              "0,36,40,44,48,100,104,108,112,116,149,153,157,161");
    // 10 MHz falls in the "other" column of the group table.
    EXPECT_EQ(ModelGroupChannels(1, kBandwidth10), "0,149,153,157,161");
}

TEST(ChannelTables, ModelFamilies) {
    struct Case {
        uint32_t ap_type;
        RadioFamily family;
        bool dfs;
        bool model_group;
    };
    const std::vector<Case> cases{
        {1, RadioFamily::kOther, false, false},        {6, RadioFamily::kNarrowBand, false, false},
        {267, RadioFamily::kNarrowBand, false, false}, {10, RadioFamily::kWideBand, false, false},
        {270, RadioFamily::kWideBand, false, false},   {12, RadioFamily::kOther, false, false},
        {13, RadioFamily::kAcOnly, false, true},       {271, RadioFamily::kAcOnly, false, true},
        {14, RadioFamily::kDfs, true, true},           {15, RadioFamily::kDfs, true, true},
        {18, RadioFamily::kDfs, true, true},           {272, RadioFamily::kDfs, true, true},
        {273, RadioFamily::kDfs, true, true},          {16, RadioFamily::kOther, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RadioFamilyOf(c.ap_type), c.family) << c.ap_type;
        EXPECT_EQ(IsDfsCapable(c.ap_type), c.dfs) << c.ap_type;
        EXPECT_EQ(UsesModelGroupChannels(c.ap_type), c.model_group) << c.ap_type;
    }
}

}  // namespace
}  // namespace brelvo::core
