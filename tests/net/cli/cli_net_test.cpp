// brelvo-cli against the device simulator, over real sockets, inside the namespace pair that
// tests/net/netns_pair.sh made for this run: what the devices received (payloads typed out from
// the request layouts), what the tool printed and how it exited.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_process.h"
#include "core/engine/device_comm.h"
#include "core/store/sql_management.h"
#include "devsim_process.h"
#include "test_bytes.h"

namespace brelvo::test {
namespace {

using namespace std::chrono_literals;
using Payloads = std::vector<std::vector<uint8_t>>;

std::string MacOf(int k) {
    char text[18];
    std::snprintf(text, sizeof text, "00:90:4c:77:00:%02x", k);
    return text;
}

// The cells of a table line: runs of two or more blanks separate them.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = line.find_first_not_of(' ');
    while (start != std::string::npos) {
        std::size_t end = line.find("  ", start);
        cells.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? end : line.find_first_not_of(' ', end);
    }
    return cells;
}

// Short repeats keep a silent device's test short: given up 4 x 300 ms after the first send.
const std::vector<std::string> kQuickRetries{"--retransmission-interval", "300"};

class CliNet : public ::testing::Test {
protected:
    void SetUp() override {
        const auto pair = NetPair::FromEnvironment();
        if (!pair)
            GTEST_SKIP() << "not inside a namespace pair: run through tests/net/netns_pair.sh";
        pair_ = *pair;
    }

    void StartFleet(std::vector<std::string> arguments) {
        fleet_.reset();
        fleet_ = std::make_unique<DevsimProcess>(pair_, std::move(arguments));
        ASSERT_TRUE(fleet_->ready()) << "the simulator did not start";
    }

    static CliRun Cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), kQuickRetries.begin(), kQuickRetries.end());
        return RunCli(arguments);
    }

    // Payloads of one request number that reached one device, in arrival order. The engine
    // registers a request for repetition only once it went out, so an answer that overtakes
    // the registration leaves the request to be repeated (and answered again): a repeat right
    // after its original counts as one request.
    Payloads PayloadsTo(const std::string& mac, int message) const {
        Payloads payloads;
        for (const auto& datagram : fleet_->Received(message)) {
            if (datagram.mac == mac && (payloads.empty() || payloads.back() != datagram.payload))
                payloads.push_back(datagram.payload);
        }
        return payloads;
    }

    // Every arrival of a request number, each device's repeats left out.
    std::vector<LoggedDatagram> FirstArrivals(int message) const {
        std::vector<LoggedDatagram> first;
        for (auto& datagram : fleet_->Received(message)) {
            if (std::none_of(first.begin(), first.end(),
                             [&](const auto& seen) { return seen.mac == datagram.mac; }))
                first.push_back(std::move(datagram));
        }
        return first;
    }

    // Whether any configuration request (3 to 19 but the survey) reached the fleet.
    bool AnyConfigurationRequest() const {
        for (const auto& datagram : fleet_->Received()) {
            const int m = datagram.message;
            if (m == 3 || m == 4 || m == 5 || m == 7 || m == 8 || m == 9 || m == 10 || m == 11 ||
                m == 13 || m == 18 || m == 19)
                return true;
        }
        return false;
    }

    NetPair pair_;
    std::unique_ptr<DevsimProcess> fleet_;
};

TEST_F(CliNet, DiscoverPrintsStoredAndFoundDevicesAsJsonWithTheStoreColumns) {
    StartFleet({"--count", "3", "--models", "1,14,4", "--no-report", "1", "--names",
                "found-only,mast-west,roof"});
    const CliRun run = Cli({"discover", "--seconds", "1", "--format", "json"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const auto devices = nlohmann::ordered_json::parse(run.out);
    ASSERT_EQ(devices.size(), 3u) << run.out;

    // Reported devices by address, ascending; the found-only device after them.
    EXPECT_EQ(devices[0]["mac"], MacOf(1));
    EXPECT_EQ(devices[1]["mac"], MacOf(2));
    EXPECT_EQ(devices[2]["mac"], MacOf(0));

    const std::vector<std::string> stored_columns{"mac",
                                                  "ap_type",
                                                  "ap_type_str",
                                                  "ap_status",
                                                  "ap_status_str",
                                                  "work_mode",
                                                  "work_mode_str",
                                                  "mode_btn_status",
                                                  "up_time",
                                                  "up_time_str",
                                                  "ip_mode",
                                                  "ip_num",
                                                  "ip",
                                                  "ip_mask",
                                                  "ip_gateway",
                                                  "ip_dns1",
                                                  "ip_dns2",
                                                  "ap_name",
                                                  "version",
                                                  "restart_en",
                                                  "restart_type",
                                                  "restart_time",
                                                  "rf_count",
                                                  "rf_en",
                                                  "rf_type",
                                                  "country_code",
                                                  "network_mode",
                                                  "bandwidth",
                                                  "channel",
                                                  "expand_channel",
                                                  "tx_power",
                                                  "tx_power_min",
                                                  "tx_power_max",
                                                  "ssid_count",
                                                  "ssid_rf_type",
                                                  "ssid_id",
                                                  "ssid_hide",
                                                  "ssid_mac",
                                                  "ssid",
                                                  "secure_mode",
                                                  "secure_mode_str",
                                                  "wpapsk_auth_type",
                                                  "wpapsk_key_value",
                                                  "wpapsk_key_time",
                                                  "wep_auth_type",
                                                  "wep_key_index",
                                                  "wep_key_value0",
                                                  "wep_key_type0",
                                                  "wep_key_value1",
                                                  "wep_key_type1",
                                                  "wep_key_value2",
                                                  "wep_key_type2",
                                                  "wep_key_value3",
                                                  "wep_key_type3",
                                                  "wpa_auth_type",
                                                  "wpa_radius_ip",
                                                  "wpa_radius_port",
                                                  "wpa_key",
                                                  "wpa_key_time",
                                                  "vlan_en",
                                                  "vlan_id",
                                                  "vlan_id_wlan",
                                                  "vlan_id_lan",
                                                  "bridge_transparent",
                                                  "bridge_transparent_str",
                                                  "tdmaEn",
                                                  "tdmaEn_str",
                                                  "vlan_pvid",
                                                  "vlan_id_lan3",
                                                  "vlan_id_lan4",
                                                  "wl_dfs"};
    std::vector<std::string> keys;
    for (const auto& item : devices[0].items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, stored_columns);

    const auto& station = devices[0];
    EXPECT_EQ(station["ap_type"], 14);
    EXPECT_EQ(station["ap_type_str"], "NV-114");
    EXPECT_EQ(station["ap_status"], 1);
    EXPECT_EQ(station["ap_status_str"], "Online");
    EXPECT_EQ(station["ip"], pair_.DeviceIp(1));
    EXPECT_EQ(station["ip_mask"], "255.255.255.0");
    EXPECT_EQ(station["ip_gateway"], "192.168.77.1");
    EXPECT_EQ(station["ap_name"], "mast-west");
    EXPECT_EQ(station["ssid"], "sim-link-0");
    EXPECT_EQ(station["ssid_mac"], "02:90:4c:77:00:01");
    EXPECT_EQ(station["work_mode_str"], "Station");
    EXPECT_EQ(station["secure_mode_str"], "WPA2_PSK");
    EXPECT_EQ(station["wpapsk_key_value"], "secret-1");
    EXPECT_EQ(station["bridge_transparent_str"], "Off");
    EXPECT_EQ(station["tdmaEn_str"], "Off");
    // Model 4 has neither switch.
    EXPECT_EQ(devices[1]["bridge_transparent_str"], "N/A");
    EXPECT_EQ(devices[1]["tdmaEn_str"], "N/A");

    // What the search answer told of the device that never reported, and nothing more.
    const auto& found = devices[2];
    std::vector<std::string> found_keys;
    for (const auto& item : found.items())
        found_keys.push_back(item.key());
    EXPECT_EQ(found_keys, (std::vector<std::string>{
                              "mac", "ap_type", "ap_type_str", "ap_status", "ip", "version",
                              "ap_name", "work_mode", "work_mode_str", "mode_btn_status", "up_time",
                              "up_time_str", "ssid", "channel", "bridge_transparent",
                              "bridge_transparent_str", "tdmaEn", "tdmaEn_str"}));
    EXPECT_EQ(found["ap_status"], 10);
    EXPECT_EQ(found["ip"], pair_.DeviceIp(0));
    EXPECT_EQ(found["ap_name"], "found-only");
    EXPECT_EQ(found["version"], "V2.1.1 build 7");
}

TEST_F(CliNet, DiscoverTableAndCsvHaveTheStatusListColumnsAndMarkFoundDevices) {
    StartFleet({"--count", "2", "--models", "1,14", "--no-report", "1", "--names",
                "found-only,mast-west"});
    const CliRun table = Cli({"discover", "--seconds", "1"});
    ASSERT_EQ(table.exit_code, 0) << table.err;
    const auto rows = Lines(table.out);
    ASSERT_EQ(rows.size(), 5u) << table.out;
    // The table's headers are translated, as on the status page.
    for (const char* header : {"Location", "Type", "IP", "MAC", "Operation Mode", "SSID", "Channel",
                               "Version", "Transparent bridge", "Slotwise", "Time"})
        EXPECT_NE(rows[0].find(header), std::string::npos) << header;
    const auto stored = Cells(rows[1]);
    ASSERT_EQ(stored.size(), 11u) << rows[1];
    EXPECT_EQ(std::vector(stored.begin(), stored.begin() + 10),
              (std::vector<std::string>{"mast-west", "NV-114", "192.168.77.3", MacOf(1), "Station",
                                        "sim-link-0", "2", "V2.1.14 build 7", "Off", "Off"}));
    const auto found = Cells(rows[2]);
    ASSERT_EQ(found.size(), 12u) << rows[2];
    EXPECT_EQ(std::vector(found.begin(), found.begin() + 11),
              (std::vector<std::string>{"*", "found-only", "NV-101", "192.168.77.2", MacOf(0), "AP",
                                        "sim-link-0", "1", "V2.1.1 build 7", "Off", "N/A"}));
    EXPECT_EQ(rows[3], "* answered the search but has not reported yet");
    EXPECT_EQ(rows[4], "Online device count:1");

    const CliRun csv = Cli({"discover", "--seconds", "1", "--format", "csv"});
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    const auto lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 3u) << csv.out;
    EXPECT_EQ(lines[0],
              "Location,Type,IP,MAC,OperationMode,SSID,Channel,Version,Transparent bridge,"
              "Slotwise,Time,Reported");
    EXPECT_EQ(lines[1].rfind("mast-west,NV-114,192.168.77.3,00:90:4c:77:00:01,Station,"
                             "sim-link-0,2,V2.1.14 build 7,Off,Off,0:16:",
                             0),
              0u)
        << lines[1];
    EXPECT_TRUE(lines[1].ends_with(",yes")) << lines[1];
    EXPECT_EQ(lines[2].rfind("found-only,NV-101,192.168.77.2,00:90:4c:77:00:00,AP,sim-link-0,1,"
                             "V2.1.1 build 7,Off,N/A,0:16:",
                             0),
              0u)
        << lines[2];
    EXPECT_TRUE(lines[2].ends_with(",no")) << lines[2];
}

TEST_F(CliNet, SetNameSendsTheNameBlockAndNothingForTheSameName) {
    StartFleet({"--count", "1", "--models", "1"});
    const CliRun ascii = Cli({"set-name", "--mac", MacOf(0), "--name", "roof-east"});
    EXPECT_EQ(ascii.exit_code, 0) << ascii.err;
    EXPECT_EQ(ascii.out, MacOf(0) + "  192.168.77.2  acknowledged\n");
    // Two Chinese characters go out as their six UTF-8 bytes, counted so.
    const CliRun chinese = Cli({"set-name", "--mac", MacOf(0), "--name", "北塔"});
    EXPECT_EQ(chinese.exit_code, 0) << chinese.err;
    const CliRun again = Cli({"set-name", "--mac", MacOf(0), "--name", "北塔"});
    EXPECT_EQ(again.exit_code, 0) << again.err;
    EXPECT_NE(again.out.find("unchanged"), std::string::npos) << again.out << again.err;

    const auto payloads = PayloadsTo(MacOf(0), 8);
    ASSERT_EQ(payloads.size(), 2u);
    EXPECT_EQ(payloads[0], Hex("72 6F 6F 66 2D 65 61 73 74"  // "roof-east"
                               "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                               "00 00 00 00 00 00 00"
                               "09"));              // length
    EXPECT_EQ(payloads[1], Hex("E5 8C 97 E5 A1 94"  // U+5317 U+5854
                               "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                               "00 00 00 00 00 00 00 00 00 00"
                               "06"));
}

TEST_F(CliNet, SetNameWithANameTheRulesRejectExitsTwoAndSendsNothing) {
    StartFleet({"--count", "2", "--models", "1,4"});
    struct Case {
        int device;
        std::string name;
        std::string message;
    };
    const std::string eleven_chinese = "一二三四五六七八九十百";  // 33 bytes
    const Case cases[] = {
        {0, "", "The device name can not be empty!"},
        {0, eleven_chinese,
         "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII "
         "characters"},
        // Model 4 takes only the strict characters: no blank.
        {1, "roof east",
         "Device name maximum allowed 32 bytes, only support combination of Chinese, lowercase "
         "letters, 0-9 numbers"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli({"set-name", "--mac", MacOf(c.device), "--name", c.name});
        EXPECT_EQ(run.exit_code, 2) << c.name;
        EXPECT_EQ(run.err, "brelvo-cli: " + c.message + "\n") << c.name;
    }
    EXPECT_FALSE(AnyConfigurationRequest());
}

TEST_F(CliNet, SetIpSendsTheAddressingBlockKeepingWhatWasNotGiven) {
    StartFleet({"--count", "2"});
    const CliRun kept =
        Cli({"set-ip", "--mac", MacOf(0), "--ip", "192.168.77.40", "--mask", "255.255.255.0"});
    EXPECT_EQ(kept.exit_code, 0) << kept.err;
    EXPECT_EQ(kept.out, MacOf(0) + "  192.168.77.2  acknowledged (new address 192.168.77.40)\n");
    const CliRun given =
        Cli({"set-ip", "--mac", MacOf(1), "--ip", "192.168.77.41", "--mask", "255.255.255.0",
             "--gateway", "", "--dns1", "8.8.8.8", "--dns2", "8.8.4.4"});
    EXPECT_EQ(given.exit_code, 0) << given.err;

    EXPECT_EQ(PayloadsTo(MacOf(0), 3),
              Payloads{Hex("01"           // ip_mode
                           "C0 A8 4D 28"  // 192.168.77.40
                           "FF FF FF 00"  // mask
                           "C0 A8 4D 01"  // gateway as the device had it
                           "C0 A8 4D 01"  // primary DNS as the device had it
                           "00 00 00 00"  // secondary DNS
                           "01")});       // apply
    EXPECT_EQ(PayloadsTo(MacOf(1), 3), Payloads{Hex("01 C0 A8 4D 29 FF FF FF 00"
                                                    "00 00 00 00"  // no gateway
                                                    "08 08 08 08 08 08 04 04"
                                                    "01")});
}

TEST_F(CliNet, SetIpRangeGivesConsecutiveAddressesInTheOrderNamedSkippingZeroAnd255) {
    StartFleet({"--count", "3"});
    const CliRun run =
        Cli({"set-ip", "--macs", MacOf(2) + "," + MacOf(0) + "," + MacOf(1), "--range",
             "192.168.77.254-192.168.78.2", "--mask", "255.255.0.0", "--gateway", "192.168.77.1"});
    EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_EQ(Lines(run.out).size(), 3u) << run.out;
    // DNS as the first device named had them.
    const std::string tail = "FF FF 00 00 C0 A8 4D 01 C0 A8 4D 01 00 00 00 00 01";
    EXPECT_EQ(PayloadsTo(MacOf(2), 3), Payloads{Hex("01 C0 A8 4D FE" + tail)});
    EXPECT_EQ(PayloadsTo(MacOf(0), 3), Payloads{Hex("01 C0 A8 4E 01" + tail)});
    EXPECT_EQ(PayloadsTo(MacOf(1), 3), Payloads{Hex("01 C0 A8 4E 02" + tail)});
}

TEST_F(CliNet, SetIpWithInputTheRulesRejectExitsTwoAndSendsNothing) {
    StartFleet({"--count", "3"});
    const std::string mask = "255.255.255.0";
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"--mac", MacOf(0), "--ip", "192.168.77.255", "--mask", mask},
         "The ip address is invalid!"},
        {{"--mac", MacOf(0), "--ip", "192.168.77.40", "--mask", "255.255.0.255"},
         "The subnet mask is invalid!"},
        {{"--mac", MacOf(0), "--ip", "192.168.77.40", "--mask", mask, "--gateway", "192.168.78.1"},
         "Ip address and gateway address is not in the same subnet!"},
        {{"--mac", MacOf(0), "--ip", "192.168.77.40", "--mask", mask, "--dns1", "8.8.8.8", "--dns2",
          "8.8.8.8"},
         "Primary DNS Server and Secondary DNS Server can't be the same!"},
        // The address of another stored device.
        {{"--mac", MacOf(0), "--ip", pair_.DeviceIp(1), "--mask", mask},
         "The ip address is already in use, please respecify!"},
        {{"--macs", MacOf(0) + "," + MacOf(1), "--range", "192.168.77.50-192.168.77.50", "--mask",
          mask},
         "The ip address is invalid!"},
        // Two usable addresses (.77.254 and .78.1) for three devices.
        {{"--macs", MacOf(0) + "," + MacOf(1) + "," + MacOf(2), "--range",
          "192.168.77.254-192.168.78.1", "--mask", "255.255.0.0"},
         "the range holds 2 usable addresses for 3 devices"},
        // The range runs over the address of a device that is not moved.
        {{"--macs", MacOf(0) + "," + MacOf(1), "--range", pair_.DeviceIp(2) + "-192.168.77.60",
          "--mask", mask},
         "The ip address is already in use, please respecify! (" + pair_.DeviceIp(2) + ")"},
        {{"--mac", MacOf(0), "--mask", mask}, "give either --ip or --range"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"set-ip"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exit_code, 2) << c.message;
        EXPECT_EQ(run.err, "brelvo-cli: " + c.message + "\n");
    }
    EXPECT_FALSE(AnyConfigurationRequest());
}

// Pairs station 1 with access point 0 through an engine of the test's own, so that the station
// reports the access point's wireless MAC as its bridge peer.
void BridgeStationToAccessPoint(const std::string& station_ip) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("brelvo-cli-bridge-" + std::to_string(::getpid()) + ".db");
    core::CSqlManagement store(file);
    core::CDeviceComm engine(store);
    ASSERT_TRUE(engine.Start(3, 300));
    engine.SearchDevices();
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return store.GetDeviceStatus(MacOf(1)) != 0; }, 5s));
    std::vector<uint8_t> bridge(328, 0);
    const auto peer = Hex("02 90 4C 77 00 00");  // the access point's wireless MAC
    std::copy(peer.begin(), peer.end(), bridge.begin() + 1);
    ASSERT_TRUE(engine.SendRequest(station_ip, 7, bridge, MacOf(1), true));
    ASSERT_TRUE(engine.WaitForAnswers(MacOf(1), 5s));
}

TEST_F(CliNet, RebootSendsToTheAccessPointWithABridgedStationFirst) {
    StartFleet({"--count", "2"});  // 0 access point, 1 station
    BridgeStationToAccessPoint(pair_.DeviceIp(1));
    const CliRun run = Cli({"reboot", "--mac", MacOf(1) + "," + MacOf(0)});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[0], MacOf(0) + "  192.168.77.2  acknowledged (has a bridged station)");
    EXPECT_EQ(lines[1], MacOf(1) + "  192.168.77.3  acknowledged");

    const auto reboots = FirstArrivals(9);
    ASSERT_EQ(reboots.size(), 2u);
    EXPECT_EQ(reboots[0].mac, MacOf(0));
    EXPECT_EQ(reboots[1].mac, MacOf(1));
    EXPECT_GE(reboots[1].t_ms - reboots[0].t_ms, 150) << "the station went out without a pause";
    EXPECT_EQ(reboots[0].length, 0);
}

TEST_F(CliNet, RebootAndRestoreTellAnAcknowledgementFromARefusal) {
    struct Case {
        std::string command;
        std::vector<std::string> fleet;
        int message;
        int exit_code;
        std::string outcome;
    };
    const Case cases[] = {
        {"restore", {}, 10, 0, "acknowledged"},
        {"reboot", {"--result", "9=1"}, 9, 5, "refused (answered with a failure result)"},
        {"restore", {"--result", "10=2"}, 10, 5, "refused (answered with a failure result)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> fleet{"--count", "1"};
        fleet.insert(fleet.end(), c.fleet.begin(), c.fleet.end());
        StartFleet(fleet);
        const CliRun run = Cli({c.command, "--mac", MacOf(0)});
        EXPECT_EQ(run.exit_code, c.exit_code) << c.command << run.err;
        EXPECT_EQ(run.out, MacOf(0) + "  192.168.77.2  " + c.outcome + "\n");
        const auto requests = FirstArrivals(c.message);
        ASSERT_EQ(requests.size(), 1u) << c.command;
        EXPECT_EQ(requests[0].length, 0);
    }
}

TEST_F(CliNet, SetBridgeAndSetTdmaSendTheSwitchBytesToDevicesThatHaveTheSwitch) {
    // Model 1 has a transparent bridge but no TDMA, model 4 neither, model 6 both.
    StartFleet({"--count", "3", "--models", "1,4,6"});
    const CliRun bridge =
        Cli({"set-bridge", "on", "--mac", MacOf(0) + "," + MacOf(1) + "," + MacOf(2)});
    EXPECT_EQ(bridge.exit_code, 0) << bridge.err;
    const auto lines = Lines(bridge.out);
    ASSERT_EQ(lines.size(), 3u) << bridge.out;
    EXPECT_EQ(lines[1], MacOf(1) + "  192.168.77.3  skipped (no transparent bridge: N/A)");
    const auto bridge_on = Hex("01 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(PayloadsTo(MacOf(0), 18), Payloads{bridge_on});
    EXPECT_EQ(PayloadsTo(MacOf(2), 18), Payloads{bridge_on});
    EXPECT_TRUE(PayloadsTo(MacOf(1), 18).empty());

    const CliRun tdma = Cli({"set-tdma", "on", "--mac", MacOf(2)});
    EXPECT_EQ(tdma.exit_code, 0) << tdma.err;
    // Only the TDMA byte, whatever the device's transparent bridge is.
    EXPECT_EQ(PayloadsTo(MacOf(2), 19), Payloads{Hex("00 01 00 00 00 00 00 00 00 00 00 00 00 00")});

    const CliRun none = Cli({"set-tdma", "off", "--mac", MacOf(0) + "," + MacOf(1)});
    EXPECT_EQ(none.exit_code, 2);
    EXPECT_EQ(none.err, "brelvo-cli: Please select configurable devices!\n");
    EXPECT_TRUE(PayloadsTo(MacOf(0), 19).empty());
    EXPECT_TRUE(PayloadsTo(MacOf(1), 19).empty());
}

TEST_F(CliNet, ADeviceThatNeverAnswersGivesExitFourAfterTheRepeatsOfSettingIni) {
    // The tool reads Setting.ini beside its executable: a program folder of its own.
    char pattern[] = "/tmp/brelvo-cli-folder-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    const auto program = folder / "brelvo-cli";
    std::filesystem::copy_file(BRELVO_CLI_PATH, program);
    std::ofstream(folder / "Setting.ini")
        << "[Setting]\nretransmission_max=1\nretransmission_interval=300\n";

    StartFleet({"--count", "1", "--mute", "8"});
    const CliRun run = RunCli({"set-name", "--mac", MacOf(0), "--name", "silent"}, program);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.exit_code, 4) << run.err;
    EXPECT_EQ(run.out, MacOf(0) + "  192.168.77.2  no answer\n");
    // The first send and one repeat.
    EXPECT_EQ(fleet_->Received(8).size(), 2u);
}

TEST_F(CliNet, ANamedDeviceThatIsNotFoundGivesExitThreeAndNothingIsSent) {
    StartFleet({"--count", "2", "--no-report", "1"});
    const CliRun run = Cli(
        {"reboot", "--mac", MacOf(0) + "," + MacOf(1) + ",00:90:4c:77:00:99", "--timeout", "2"});
    EXPECT_EQ(run.exit_code, 3) << run.err;
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{
                  MacOf(0) + "  -             not found (answered the search but sent no report)",
                  MacOf(1) + "  192.168.77.3  not sent (another named device was not found)",
                  "00:90:4c:77:00:99  -             not found (no answer to the search)"}));
    EXPECT_FALSE(AnyConfigurationRequest());
}

TEST_F(CliNet, BadUsageIsOneLineOnStandardErrorAndExitTwo) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"reboot"},
        {"reboot", "--mac", "00:90:4c:77:00"},
        {"reboot", "--mac", MacOf(0) + "," + MacOf(0)},
        {"set-bridge", "maybe", "--mac", MacOf(0)},
        {"discover", "--format", "xml"},
        {"set-name", "--mac", MacOf(0), "--mac", MacOf(1), "--name", "x"},
        {"set-ip", "--mac", MacOf(0), "--range", "192.168.77.5", "--mask", "255.255.255.0"},
        {"--retransmission-max", "-1", "discover"},
    };
    for (const auto& arguments : cases) {
        const CliRun run = RunCli(arguments);
        std::string shown;
        for (const auto& part : arguments)
            shown += part + " ";
        EXPECT_EQ(run.exit_code, 2) << shown;
        EXPECT_EQ(Lines(run.err).size(), 1u) << shown << run.err;
        EXPECT_EQ(run.err.rfind("brelvo-cli: ", 0), 0u) << shown << run.err;
        EXPECT_TRUE(run.out.empty()) << shown;
    }
    const CliRun help = RunCli({"reboot", "--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("Usage: brelvo-cli reboot"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace brelvo::test
