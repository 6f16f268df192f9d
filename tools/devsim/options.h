// The simulator's command line.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace brelvo::devsim {

struct Options {
    int count = 1;
    std::string first_ip = "192.168.77.2";
    int prefix = 24;
    std::string gateway;  // empty: the first address of the subnet
    std::vector<uint16_t> models{1, 14, 272, 3};
    std::vector<std::string> names;  // per device; the rest are "Sim-0001" and so on
    std::string mac_base = "00:90:4c:77:00:00";
    double loss = 0.0;  // share of datagrams dropped, in and out
    int delay_ms = 0;   // before every answer
    int heartbeat_ms = 3000;
    int reboot_silence_ms = 5000;
    int silent_after_ms = -1;  // every device stops talking this long after start (-1: never)
    int survey_entries_per_packet = 32;
    std::set<uint16_t> mute;                // requests never answered
    std::map<uint16_t, uint8_t> result;     // result byte per answer (default 0)
    std::optional<uint8_t> upgrade_notice;  // sent as message 12 after answering 11
    int no_report = 0;                      // the first N devices never send their report
    bool duplicate_ip = false;              // the second device claims the first one's address
    bool malformed = false;                 // broken datagrams before every answer
    std::string log_path;                   // one line per datagram received
    std::string capture_path;               // ARP frames seen on `interface`
    std::string interface;
    std::string ready_path;  // written once the sockets are open
    uint32_t seed = 1;
};

// Nothing (after printing why) when the command line is wrong.
std::optional<Options> ParseOptions(int argc, char** argv);

}  // namespace brelvo::devsim
