#include "core/engine/online_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace brelvo::core {
namespace {

constexpr char kMacA[] = "00:90:4c:00:00:01";
constexpr char kMacB[] = "00:90:4c:00:00:02";

DeviceSummary Summary(const char* version, uint32_t up_time = 0, bool short_form = false) {
    DeviceSummary summary;
    summary.short_form = short_form;
    summary.version_len = static_cast<uint8_t>(std::strlen(version));
    std::memcpy(summary.version, version, summary.version_len);
    summary.up_time = up_time;
    summary.ap_name_len = 4;
    std::memcpy(summary.ap_name, "roof", 4);
    summary.channel = 36;
    return summary;
}

std::vector<uint8_t> Block() {
    return std::vector<uint8_t>(kInfoBlockSize, 0);
}

TEST(OnlineTable, SearchAnswerAsksForTheReportUntilReportedAtThatAddress) {
    OnlineTable table;
    EXPECT_TRUE(table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1")));
    EXPECT_TRUE(table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1")));
    ASSERT_TRUE(table.AcceptReport("192.168.77.2", kMacA, 14, Block()));
    EXPECT_FALSE(table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1")));
    // A device reported elsewhere keeps its entry but its new address needs a report.
    EXPECT_TRUE(table.NoteSearchAnswer("192.168.77.9", kMacA, 14, Summary("V1")));
    ASSERT_EQ(table.Snapshot().size(), 1u);
    EXPECT_EQ(table.Snapshot()[0].address, "192.168.77.2");  // an answer never moves it
}

TEST(OnlineTable, FirstSummaryFillsTheEntryLaterOnesOnlyRefreshVersion) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1", 50));
    DeviceSummary later = Summary("V2", 99);
    later.channel = 1;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 15, later);
    const OnlineEntry entry = table.Snapshot().at(0);
    EXPECT_EQ(entry.device_type, 15);
    EXPECT_EQ(std::string(entry.version, entry.version_len), "V2");
    EXPECT_EQ(entry.up_time, 50u);
    EXPECT_EQ(entry.channel, 36);
    EXPECT_EQ(entry.state, EntryState::kFound);
}

TEST(OnlineTable, ShortSummaryGivesOnlyTheVersion) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 1, Summary("V1", 50, true));
    const OnlineEntry entry = table.Snapshot().at(0);
    EXPECT_EQ(entry.up_time, 0u);
    EXPECT_EQ(entry.name_len, 0);
    EXPECT_EQ(entry.channel, 0);
}

TEST(OnlineTable, ReportIsRejectedWithoutSearchAnswerOrWhenAnotherHoldsTheAddress) {
    OnlineTable table;
    EXPECT_FALSE(table.AcceptReport("192.168.77.2", kMacA, 14, Block()));  // never answered

    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1"));
    table.NoteSearchAnswer("192.168.77.2", kMacB, 14, Summary("V1"));
    EXPECT_TRUE(table.AcceptReport("192.168.77.2", kMacA, 14, Block()));
    EXPECT_FALSE(table.AcceptReport("192.168.77.2", kMacB, 14, Block()));
    EXPECT_TRUE(table.AcceptReport("192.168.77.2", kMacA, 14, Block()));  // holder again
    EXPECT_TRUE(table.AcceptReport("192.168.77.3", kMacB, 14, Block()));  // own address
}

TEST(OnlineTable, ReportTakesItsFieldsFromTheBlock) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("old"));
    std::vector<uint8_t> block = Block();
    block[4] = 0x10;  // up_time 0x00000110
    block[5] = 0x01;
    std::memcpy(&block[63], "V9", 2);
    block[95] = 2;
    block[742] = 1;  // transparent bridge
    block[743] = 1;  // TDMA
    ASSERT_TRUE(table.AcceptReport("192.168.77.5", kMacA, 18, block));
    const OnlineEntry entry = table.Snapshot().at(0);
    EXPECT_EQ(entry.state, EntryState::kReported);
    EXPECT_EQ(entry.address, "192.168.77.5");
    EXPECT_EQ(entry.device_type, 18);
    EXPECT_EQ(entry.up_time, 0x110u);
    EXPECT_EQ(std::string(entry.version, entry.version_len), "V9");
    EXPECT_EQ(entry.bridge_transparent, 1);
    EXPECT_EQ(entry.tdmaEn, 1);
}

TEST(OnlineTable, ReportedEntryExpiresOnTheFourthSilentTickFoundEntriesNever) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1"));
    table.NoteSearchAnswer("192.168.77.3", kMacB, 14, Summary("V1"));
    table.AcceptReport("192.168.77.2", kMacA, 14, Block());
    for (int tick = 1; tick <= 3; ++tick)
        EXPECT_TRUE(table.Expire().empty()) << tick;
    EXPECT_EQ(table.Expire(), std::vector<std::string>{kMacA});
    for (int tick = 0; tick < 10; ++tick)
        EXPECT_TRUE(table.Expire().empty());
    EXPECT_EQ(table.Snapshot().size(), 1u);  // the found entry stays
}

TEST(OnlineTable, HeartbeatKeepsAKnownDeviceAliveAndMovesItIgnoresStrangers) {
    OnlineTable table;
    EXPECT_FALSE(table.NoteHeartbeat("192.168.77.2", kMacA, Summary("V1", 7)));
    EXPECT_TRUE(table.Snapshot().empty());

    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1"));
    table.AcceptReport("192.168.77.2", kMacA, 14, Block());
    table.Expire();
    table.Expire();
    table.Expire();  // countdown 0: the next tick would remove it
    EXPECT_TRUE(table.NoteHeartbeat("192.168.77.4", kMacA, Summary("V2", 7)));
    EXPECT_TRUE(table.Expire().empty());
    const OnlineEntry entry = table.Snapshot().at(0);
    EXPECT_EQ(entry.address, "192.168.77.4");
    EXPECT_EQ(entry.up_time, 7u);
}

TEST(OnlineTable, AddressChangeFollowsNoteNewIp) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1"));
    table.AcceptReport("192.168.77.2", kMacA, 14, Block());
    table.ApplyAddressChange("192.168.77.2", kMacA);  // nothing noted: stays
    EXPECT_EQ(table.Snapshot().at(0).address, "192.168.77.2");

    table.NoteNewIp(kMacA, "192.168.77.2", "192.168.77.50");
    EXPECT_EQ(table.Snapshot().at(0).new_address, "192.168.77.50");
    table.ApplyAddressChange("192.168.77.9", kMacA);  // answer from elsewhere: ignored
    EXPECT_EQ(table.Snapshot().at(0).address, "192.168.77.2");
    table.ApplyAddressChange("192.168.77.2", kMacA);
    EXPECT_EQ(table.Snapshot().at(0).address, "192.168.77.50");
    EXPECT_EQ(table.Snapshot().at(0).new_address, "");

    table.NoteNewIp(kMacA, "192.168.77.50", "192.168.77.60");
    table.NoteNewIp(kMacA, "192.168.77.50", "192.168.77.50");  // same again: cleared
    EXPECT_EQ(table.Snapshot().at(0).new_address, "");
}

TEST(OnlineTable, ListFoundCountsFilteredEntriesTowardsTheMaximum) {
    OnlineTable table;
    table.NoteSearchAnswer("192.168.77.2", kMacA, 14, Summary("V1.0\nbuild 7"));
    table.NoteSearchAnswer("192.168.77.3", kMacB, 3, Summary("V2.0"));
    table.NoteSearchAnswer("192.168.77.4", "00:90:4c:00:00:03", 3, Summary("V2.0"));
    table.AcceptReport("192.168.77.4", "00:90:4c:00:00:03", 3, Block());  // not found any more

    const auto all = table.ListFound(10, "");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(RecordMac(all[0]), kMacA);
    EXPECT_EQ(all[0].ap_status, kStatusFoundOnly);
    EXPECT_EQ(all[0].ap_type, 14);
    EXPECT_EQ(ReadTextField(all[0].version, all[0].version_len), "V1.0");  // cut at line feed
    EXPECT_EQ(IpBytesToText(all[0].ip), "192.168.77.2");
    EXPECT_EQ(ReadTextField(all[0].ap_name, all[0].ap_name_len), "roof");
    EXPECT_EQ(all[0].channel, 36);

    EXPECT_EQ(table.ListFound(10, "V2").size(), 1u);
    EXPECT_EQ(table.ListFound(10, "77.3").size(), 1u);
    EXPECT_EQ(table.ListFound(10, "v2").size(), 0u);  // case-sensitive
    // The first entry is examined (and filtered out) within a maximum of one.
    EXPECT_EQ(table.ListFound(1, "V2").size(), 0u);
}

}  // namespace
}  // namespace brelvo::core
