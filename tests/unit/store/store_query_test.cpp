#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "store_fixture.h"

namespace brelvo::test {
namespace {

using core::ap_info_stu;
using Macs = std::vector<std::string>;

std::string MacOf(int n) {
    char text[18];
    std::snprintf(text, sizeof text, "00:00:00:00:%02x:%02x", n / 256, n % 256);
    return text;
}

Macs MacsOf(const core::DevicePage& page) {
    Macs macs;
    for (const auto& device : page.devices)
        macs.push_back(core::RecordMac(device));
    return macs;
}

using StoreQuery = StoreTest;

TEST_F(StoreQuery, ThirtyOneRowsMakeTwoPagesWithTheSameOnlineCount) {
    for (int n = 0; n < 31; ++n)
        ASSERT_TRUE(store().SaveDevice(Device(MacOf(n), "10.0.0." + std::to_string(n + 1))));
    // Status 0 is never written by a report; a row set to it counts as not online.
    for (int n : {3, 17, 30})
        ASSERT_TRUE(store().SetDeviceStatus(MacOf(n), 0));

    const auto first = store().QueryDevices(core::kSortIp, true, "", 30, 1);
    const auto second = store().QueryDevices(core::kSortIp, true, "", 30, 2);
    const auto third = store().QueryDevices(core::kSortIp, true, "", 30, 3);
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(first->page_count, 2);
    EXPECT_EQ(second->page_count, 2);
    EXPECT_EQ(first->online_count, 28);
    EXPECT_EQ(second->online_count, 28);
    ASSERT_EQ(first->devices.size(), 30u);
    EXPECT_EQ(core::RecordMac(first->devices.front()), MacOf(0));
    EXPECT_EQ(core::RecordMac(first->devices.back()), MacOf(29));
    EXPECT_EQ(MacsOf(*second), Macs{MacOf(30)});
    EXPECT_TRUE(third->devices.empty());
    EXPECT_EQ(third->page_count, 2);
}

// Rows with equal sort values keep one order from page to page, in both directions.
TEST_F(StoreQuery, PagingThroughEqualSortValuesShowsEveryRowOnce) {
    for (int n = 0; n < 31; ++n)
        ASSERT_TRUE(store().SaveDevice(Device(MacOf(n), "10.0.0.1", n % 2 ? "same" : "Same")));
    for (const bool ascending : {true, false}) {
        Macs seen;
        for (int page = 1; page <= 8; ++page) {
            const auto rows = store().QueryDevices(core::kSortName, ascending, "", 4, page);
            ASSERT_TRUE(rows.has_value());
            EXPECT_EQ(rows->page_count, 8);
            const Macs macs = MacsOf(*rows);
            seen.insert(seen.end(), macs.begin(), macs.end());
        }
        Macs expected;
        for (int n = 0; n < 31; ++n)
            expected.push_back(MacOf(n));
        EXPECT_EQ(seen, expected) << (ascending ? "ascending" : "descending");
    }
}

TEST_F(StoreQuery, NoMatchingRowGivesNoPages) {
    const auto empty_table = store().QueryDevices(core::kSortMac, true, "", 30, 1);
    ASSERT_TRUE(empty_table.has_value());
    EXPECT_EQ(empty_table->page_count, 0);
    EXPECT_EQ(empty_table->online_count, 0);
    EXPECT_TRUE(empty_table->devices.empty());

    ASSERT_TRUE(store().SaveDevice(Device(MacOf(1), "10.0.0.1", "north")));
    const auto no_match = store().QueryDevices(core::kSortMac, true, "south", 30, 1);
    ASSERT_TRUE(no_match.has_value());
    EXPECT_EQ(no_match->page_count, 0);
    EXPECT_EQ(no_match->online_count, 0);
    EXPECT_TRUE(no_match->devices.empty());
}

TEST_F(StoreQuery, PageArgumentsOutsideTheirRange) {
    ASSERT_TRUE(store().SaveDevice(Device(MacOf(1), "10.0.0.1")));
    const auto page_zero = store().QueryDevices(core::kSortMac, true, "", 30, 0);
    ASSERT_TRUE(page_zero.has_value());
    EXPECT_TRUE(page_zero->devices.empty());
    EXPECT_EQ(page_zero->page_count, 1);
    EXPECT_EQ(page_zero->online_count, 1);

    EXPECT_FALSE(store().QueryDevices(core::kSortMac, true, "", 0, 1).has_value());
    EXPECT_FALSE(store().QueryDevices(-1, true, "", 30, 1).has_value());
    EXPECT_FALSE(store().QueryDevices(14, true, "", 30, 1).has_value());

    const auto far = store().QueryDevices(core::kSortMac, true, "", 1 << 30, 1 << 30);
    ASSERT_TRUE(far.has_value());
    EXPECT_TRUE(far->devices.empty());
}

int Pick(std::initializer_list<int> values, int n) {
    return *(values.begin() + n);
}

struct SortCase {
    int key;
    // Sets the sorted field of the n-th of three devices.
    std::function<void(core::CSqlManagement&, ap_info_stu&, int)> set;
    std::vector<int> ascending;  // the devices in ascending order
};

// For each key three values whose order differs from the order of their display texts (or
// of their decimal texts), so a list sorted by the wrong column or as text shows.
std::vector<SortCase> SortCases() {
    auto field = [](auto apply) {
        return [apply](core::CSqlManagement&, ap_info_stu& r, int n) { apply(r, n); };
    };
    return {
        {core::kSortMac,
         field([](ap_info_stu& r, int n) {
             core::SetRecordMac(r,
                                std::vector<std::string>{"0a:00:00:00:00:03", "0A:00:00:00:00:01",
                                                         "0a:00:00:00:00:02"}[n]);
         }),
         {1, 2, 0}},
        {core::kSortIp,
         field([](ap_info_stu& r, int n) {
             SetIp(r.ip, std::vector<std::string>{"192.168.0.10", "10.0.0.5", "192.168.0.2"}[n]);
         }),
         {1, 2, 0}},
        {core::kSortName,
         field([](ap_info_stu& r, int n) {
             core::WriteTextField(r.ap_name, r.ap_name_len,
                                  std::vector<std::string>{"Beta", "alpha", "gamma"}[n]);
         }),
         {1, 0, 2}},
        {core::kSortType,
         field([](ap_info_stu& r, int n) {
             r.ap_type = static_cast<uint16_t>(Pick({257, 2, 18}, n));
         }),
         {1, 2, 0}},
        {core::kSortWorkMode,  // Router, AP, Station
         field([](ap_info_stu& r, int n) {
             r.work_mode = static_cast<uint8_t>(Pick({7, 1, 2}, n));
         }),
         {1, 2, 0}},
        {core::kSortSsid,
         field([](ap_info_stu& r, int n) {
             core::WriteTextField(r.ssid, r.ssid_len,
                                  std::vector<std::string>{"zulu", "Mike", "alpha"}[n]);
         }),
         {2, 1, 0}},
        {core::kSortChannel,
         field([](ap_info_stu& r, int n) {
             r.channel = static_cast<uint8_t>(Pick({100, 9, 36}, n));
         }),
         {1, 2, 0}},
        {core::kSortSecureMode,  // WPA2_PSK, WPA_PSK, WPA
         field([](ap_info_stu& r, int n) {
             r.secure_mode = static_cast<uint8_t>(Pick({3, 2, 5}, n));
         }),
         {1, 0, 2}},
        {core::kSortTxPower,
         field([](ap_info_stu& r, int n) {
             r.tx_power = static_cast<uint8_t>(Pick({100, 9, 27}, n));
         }),
         {1, 2, 0}},
        {core::kSortVersion,
         field([](ap_info_stu& r, int n) {
             core::WriteTextField(r.version, r.version_len,
                                  std::vector<std::string>{"V1.9", "v1.2", "V1.10"}[n]);
         }),
         {2, 1, 0}},
        {core::kSortTransparentBridge,
         field([](ap_info_stu& r, int n) {
             r.bridge_transparent = static_cast<uint8_t>(Pick({2, 0, 1}, n));
         }),
         {1, 2, 0}},
        {core::kSortTdma,
         field([](ap_info_stu& r, int n) {
             r.tdmaEn = static_cast<uint8_t>(Pick({1, 0, 2}, n));
         }),
         {1, 0, 2}},
        {core::kSortUptime,
         field([](ap_info_stu& r, int n) {
             r.up_time = static_cast<uint32_t>(Pick({100, 9, 86400}, n));
         }),
         {1, 0, 2}},
        // Online, Bridge fail, Upgrading: set after the save, which always writes online.
        {core::kSortStatus,
         [](core::CSqlManagement& store, ap_info_stu& r, int n) {
             ASSERT_TRUE(store.SetDeviceStatus(core::RecordMac(r),
                                               static_cast<uint32_t>(Pick({1, 7, 3}, n))));
         },
         {0, 2, 1}},
    };
}

TEST_F(StoreQuery, EachSortKeyOrdersByItsColumnAndCode) {
    for (const auto& sort : SortCases()) {
        SCOPED_TRACE("sort key " + std::to_string(sort.key));
        ASSERT_TRUE(store().ExecuteSql("DELETE FROM ap_info"));
        std::vector<std::string> macs;
        for (int n = 0; n < 3; ++n) {
            ap_info_stu r = Device(MacOf(n + 1), "10.0.0.1");
            if (sort.key != core::kSortStatus)
                sort.set(store(), r, n);
            ASSERT_TRUE(store().SaveDevice(r));
            if (sort.key == core::kSortStatus)
                sort.set(store(), r, n);
            macs.push_back(core::RecordMac(r));
        }
        Macs expected;
        for (int n : sort.ascending)
            expected.push_back(macs[n]);
        const auto up = store().QueryDevices(sort.key, true, "", 30, 1);
        ASSERT_TRUE(up.has_value());
        EXPECT_EQ(MacsOf(*up), expected);
        std::reverse(expected.begin(), expected.end());
        const auto down = store().QueryDevices(sort.key, false, "", 30, 1);
        ASSERT_TRUE(down.has_value());
        EXPECT_EQ(MacsOf(*down), expected);
    }
}

// A small fleet to search in; each device is there to be found by one kind of search.
class StoreSearch : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Add(0, "192.168.1.20", "roof-north", [](ap_info_stu& r) { r.channel = 165; });
        Add(1, "10.0.0.7", "mast 192.168 spare", [](ap_info_stu& r) {
            r.channel = 36;
            r.tx_power = 15;
        });
        Add(2, "10.0.0.8", "O'Brien's link", [](ap_info_stu& r) { r.work_mode = 2; });
        Add(3, "10.0.0.9", "100% up", [](ap_info_stu& r) { r.secure_mode = 3; });
        Add(4, "10.0.0.10", "a_b", [](ap_info_stu& r) { r.ap_type = 257; });
        Add(5, "10.0.0.11", "back\\slash", [](ap_info_stu& r) { r.up_time = 90061; });
        Add(6, "10.0.0.12", "say \"hi\"", [](ap_info_stu& r) { r.channel = 44; });
        Add(7, "10.0.0.13", "\xc3\x85ngstr\xc3\xb6m", [](ap_info_stu&) {});            // Ångström
        Add(8, "10.0.0.14", "\xd0\x9c\xd0\x9e\xd0\xa1\xd0\xa2", [](ap_info_stu&) {});  // МОСТ
        Add(9, "10.0.0.15", "\xe8\xae\xbe\xe5\xa4\x87", [](ap_info_stu&) {});          // 设备
        ASSERT_TRUE(store().SetDeviceStatus(MacOf(9), 4));
    }

    void Add(int n, std::string_view ip, std::string_view name,
             const std::function<void(ap_info_stu&)>& adjust) {
        ap_info_stu r = Device(MacOf(n), ip, name);
        r.channel = 1;
        r.tx_power = 20;
        r.secure_mode = 0;
        adjust(r);
        ASSERT_TRUE(store().SaveDevice(r));
    }

    std::set<int> Found(std::string_view search) {
        std::set<int> found;
        const auto page = store().QueryDevices(core::kSortMac, true, search, 100, 1);
        if (!page) {
            ADD_FAILURE() << "query failed for " << search;
            return found;
        }
        for (const auto& device : page->devices) {
            const std::string mac = core::RecordMac(device);
            found.insert(std::stoi(mac.substr(15), nullptr, 16));
        }
        return found;
    }
};

TEST_F(StoreSearch, MatchesSubstringsOfTheSearchedColumns) {
    const std::vector<std::pair<std::string, std::set<int>>> cases{
        {"192.168", {0, 1}},              // ip of one, name of the other
        {"5", {0, 1, 5, 9}},              // channel 165, tx_power 15, mac ..:05, ip 10.0.0.15
        {"ROOF", {0}},                    // ASCII letters without regard to case
        {"station", {2}},                 // work mode text
        {"wpa2_psk", {3}},                // security text
        {"nv-201", {4}},                  // model text
        {"1 1:1:1", {5}},                 // uptime text of 90061 s
        {"restarting", {9}},              // status text
        {"00:00:00:00:00:07", {7}},       // mac
        {"\xc3\xa5NGSTR\xc3\x96M", {7}},  // ÅNGSTRÖM in other cases
        {"\xd0\xbc\xd0\xbe\xd1\x81\xd1\x82", {8}},  // мост
        {"\xe8\xae\xbe", {9}},                      // a CJK character matches itself
    };
    for (const auto& [search, expected] : cases) {
        SCOPED_TRACE(search);
        EXPECT_EQ(Found(search), expected);
    }
}

TEST_F(StoreSearch, HostileSearchTextsMatchThemselvesLiterally) {
    const std::vector<std::pair<std::string, std::set<int>>> cases{
        {"'", {2}},
        {"O'Brien", {2}},
        {"%", {3}},
        {"%%", {}},
        {"_", {3, 4}},  // a_b, and the security text WPA2_PSK
        {"a_b", {4}},
        {"\\", {5}},
        {"\"", {6}},
        {"\"hi\"", {6}},
        {"' OR 1=1 --", {}},
        {"x' OR 'x'='x", {}},
        {"'); DELETE FROM ap_info; --", {}},
        {"[a-z]*", {}},
    };
    for (const auto& [search, expected] : cases) {
        SCOPED_TRACE(search);
        EXPECT_EQ(Found(search), expected);
    }
    EXPECT_EQ(store().GetAllMac()->size(), 10u);
}

TEST_F(StoreSearch, CountsCoverEveryMatchingRowOnEveryPage) {
    const auto first = store().QueryDevices(core::kSortIp, true, "10.0.0", 3, 1);
    const auto last = store().QueryDevices(core::kSortIp, true, "10.0.0", 3, 3);
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->page_count, 3);  // nine devices
    EXPECT_EQ(first->online_count, 9);
    EXPECT_EQ(last->online_count, 9);
    // Numeric order: .7 .8 .9 | .10 .11 .12 | .13 .14 .15
    EXPECT_EQ(MacsOf(*first), (Macs{MacOf(1), MacOf(2), MacOf(3)}));
    EXPECT_EQ(MacsOf(*last), (Macs{MacOf(7), MacOf(8), MacOf(9)}));
}

}  // namespace
}  // namespace brelvo::test
