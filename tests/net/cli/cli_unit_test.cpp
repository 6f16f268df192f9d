// The tool's own pieces that need no network: argument texts, the printing, and how a sent
// request's end is read as answered or given up (against a scripted engine).
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/device_listing.h"
#include "cli/device_results.h"
#include "cli/request_sending.h"
#include "core/protocol/address_text.h"
#include "fakes/quiet_fakes.h"

namespace brelvo::cli {
namespace {

using namespace std::chrono_literals;

TEST(CliArguments, MacTextsBecomeTheStoreKey) {
    const struct {
        const char* text;
        std::optional<std::string> key;
    } cases[] = {
        {"00:90:4C:0A:0B:0C", "00:90:4c:0a:0b:0c"},
        {"00-90-4c-0a-0b-0c", "00:90:4c:0a:0b:0c"},
        {"00:90:4c:0a:0b", std::nullopt},
        {"00:90:4c:0a:0b:0c:0d", std::nullopt},
        {"00:90-4c:0a:0b:0c", std::nullopt},  // mixed separators
        {"00:90:4g:0a:0b:0c", std::nullopt},
        {"0090.4c0a.0b0c..", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeMac(c.text), c.key) << c.text;
}

TEST(CliArguments, ARangeIsTwoAddressesAroundOneDash) {
    const auto range = ParseAddressRange("10.0.0.10-10.0.0.20");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, "10.0.0.10");
    EXPECT_EQ(range->last, "10.0.0.20");
    for (const char* bad : {"10.0.0.10", "-10.0.0.20", "10.0.0.10-", "1-2-3", ""})
        EXPECT_FALSE(ParseAddressRange(bad)) << bad;
}

// An engine whose requests wait a set time, then are gone: answered, or given up.
class ScriptedEngine : public test::QuietDeviceEngine {
public:
    std::chrono::milliseconds pending_for{0};
    bool given_up = false;
    bool reachable = true;
    std::vector<std::string> calls;

    bool SendRequest(std::string_view ip, uint16_t message, std::span<const uint8_t>,
                     std::string_view mac, bool retransmit) override {
        calls.push_back("send " + std::string(ip) + " " + std::to_string(message) + " " +
                        std::string(mac) + (retransmit ? " repeated" : ""));
        sent_at_ = std::chrono::steady_clock::now();
        return reachable;
    }
    bool IsPending(std::string_view, uint16_t) override {
        return std::chrono::steady_clock::now() - sent_at_ < pending_for;
    }
    bool WasGivenUp(std::string_view, uint16_t) override { return given_up; }
    void NoteNewIp(std::string_view mac, std::string_view current, std::string_view next) override {
        calls.push_back("note " + std::string(mac) + " " + std::string(current) + " " +
                        std::string(next));
    }

private:
    std::chrono::steady_clock::time_point sent_at_{};
};

TEST(CliRequestEnd, SendAndWaitTellsAnsweredGivenUpAndUnreachable) {
    const core::TransportSettings settings{1, 100};  // given up 200 ms after the first send
    const PlannedSend send{
        core::MakeTarget("10.0.0.5", "00:90:4c:0a:0b:0c", 1), {9, {}}, {}, {}, {}};
    const struct {
        std::chrono::milliseconds pending_for;
        bool given_up;
        bool reachable;
        DeviceOutcome outcome;
    } cases[] = {
        {50ms, false, true, DeviceOutcome::kAcknowledged},
        {150ms, true, true, DeviceOutcome::kNoAnswer},
        {0ms, false, false, DeviceOutcome::kUnreachable},
    };
    for (const auto& c : cases) {
        ScriptedEngine engine;
        engine.pending_for = c.pending_for;
        engine.given_up = c.given_up;
        engine.reachable = c.reachable;
        const auto results = SendAndWait(engine, settings, std::span(&send, 1));
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].outcome, c.outcome) << c.pending_for.count();
        EXPECT_EQ(results[0].mac, "00:90:4c:0a:0b:0c");
        EXPECT_EQ(results[0].ip, "10.0.0.5");
    }
}

TEST(CliRequestEnd, AnAddressChangeIsAnnouncedBeforeItsRequestGoesOut) {
    ScriptedEngine engine;
    const PlannedSend send{core::MakeTarget("10.0.0.5", "00:90:4c:0a:0b:0c", 1),
                           {3, std::vector<uint8_t>(22, 0)},
                           "10.0.0.9",
                           {},
                           {}};
    SendAndWait(engine, {3, 100}, std::span(&send, 1));
    EXPECT_EQ(engine.calls,
              (std::vector<std::string>{"note 00:90:4c:0a:0b:0c 10.0.0.5 10.0.0.9",
                                        "send 10.0.0.5 3 00:90:4c:0a:0b:0c repeated"}));
}

TEST(CliResults, TheExitStatusNamesTheWorstOutcome) {
    using O = DeviceOutcome;
    const struct {
        std::vector<O> outcomes;
        int exit_code;
    } cases[] = {
        {{O::kAcknowledged, O::kUnchanged, O::kSkipped}, 0},
        {{O::kAcknowledged, O::kRefused}, 5},
        {{O::kRefused, O::kNoAnswer}, 4},
        {{O::kUnreachable}, 4},
        {{O::kNotSent, O::kNotFound}, 3},
        {{}, 0},
    };
    for (const auto& c : cases) {
        std::vector<DeviceResult> results;
        for (const O outcome : c.outcomes)
            results.push_back({"m", "i", outcome, {}});
        EXPECT_EQ(ExitCodeOf(results), c.exit_code);
    }
}

TEST(CliListing, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(CsvField("roof"), "roof");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("north, upper"), "\"north, upper\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
}

TEST(CliListing, DeviceTextsCannotDriveTheTerminal) {
    EXPECT_EQ(PrintableText("roof\x1b[31m"), "roof?[31m");
    EXPECT_EQ(PrintableText("a\tb\x7f"), "a?b?");
    EXPECT_EQ(PrintableText("x\xc2\x9b"
                            "2J"),
              "x?2J");  // C1 control sequence introducer
    EXPECT_EQ(PrintableText("北塔 é"), "北塔 é");
}

TEST(CliListing, WideCharactersTakeTwoColumns) {
    EXPECT_EQ(DisplayWidth("roof"), 4u);
    EXPECT_EQ(DisplayWidth("北塔"), 4u);
    EXPECT_EQ(DisplayWidth("é"), 1u);
    EXPECT_EQ(DisplayWidth(""), 0u);
}

core::ap_info_stu DeviceNamed(std::string_view name) {
    core::ap_info_stu record = core::ZeroRecord();
    core::SetRecordMac(record, "00:90:4c:0a:0b:0c");
    record.ap_type = 1;
    record.ap_status = core::kStatusOnline;
    record.work_mode = core::kModeAccessPoint;
    record.ip[0] = 10;
    record.ip[3] = 5;
    core::WriteTextField(record.ap_name, record.ap_name_len, name);
    return record;
}

TEST(CliListing, ANameThatIsNotUtf8StillGivesAJsonListing) {
    const auto record = DeviceNamed("bad\xff\xfe");
    std::ostringstream out;
    PrintListing(out, {std::span(&record, 1), {}, 1}, ListingFormat::kJson);
    const auto parsed = nlohmann::json::parse(out.str());
    EXPECT_EQ(parsed[0]["ap_name"], "bad\xef\xbf\xbd\xef\xbf\xbd");  // two U+FFFD
    EXPECT_EQ(parsed[0]["ip"], "10.0.0.5");
}

TEST(CliListing, AFoundDeviceThatToldOnlyItsVersionListsOnlyWhatItTold) {
    core::ap_info_stu partial = core::ZeroRecord();
    core::SetRecordMac(partial, "00:90:4c:0a:0b:0d");
    partial.ap_type = 14;
    partial.ap_status = core::kStatusFoundOnly;
    core::WriteTextField(partial.version, partial.version_len, "V2.1");
    const auto json = FoundDeviceJson(partial);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"mac", "ap_type", "ap_type_str", "ap_status", "ip",
                                              "version"}));

    std::ostringstream out;
    PrintListing(out, {{}, std::span(&partial, 1), 0}, ListingFormat::kCsv);
    EXPECT_EQ(out.str(),
              "Location,Type,IP,MAC,OperationMode,SSID,Channel,Version,Transparent bridge,"
              "Slotwise,Time,Reported\r\n"
              ",NV-114,0.0.0.0,00:90:4c:0a:0b:0d,,,,V2.1,,,,no\r\n");
}

}  // namespace
}  // namespace brelvo::cli
