// The device simulator as a child process in the device namespace of the pair the test runs in
// (tests/net/netns_pair.sh), and what it logged: every datagram it received, every ARP frame.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brelvo::test {

// The pair's variables; nothing when the test does not run inside a pair.
struct NetPair {
    std::string devices_namespace;
    std::string system_ip;
    std::string first_device_ip;
    std::string system_interface;
    std::string device_interface;
    std::string system_mac;
    int prefix = 24;

    static std::optional<NetPair> FromEnvironment();
    // The address of device k (0-based) as the harness assigned it.
    std::string DeviceIp(int k) const;
};

// One line of the simulator's log.
struct LoggedDatagram {
    int64_t t_ms = 0;  // since the simulator started
    int port = 0;
    std::string from;  // "a.b.c.d"
    std::string to;
    int message = -1;  // -1: not a datagram of the protocol
    int flag = 0;
    std::string mac;
    int length = 0;
    std::vector<uint8_t> payload;
};

class DevsimProcess {
public:
    // Starts the simulator with these extra arguments and waits until it listens. The log and
    // the ARP capture are always on.
    DevsimProcess(const NetPair& pair, std::vector<std::string> arguments);
    ~DevsimProcess();
    DevsimProcess(const DevsimProcess&) = delete;
    DevsimProcess& operator=(const DevsimProcess&) = delete;

    bool ready() const { return ready_; }
    std::vector<LoggedDatagram> Received() const;
    std::vector<LoggedDatagram> Received(int message) const;
    std::vector<std::vector<uint8_t>> ArpFrames() const;

    // Polls until the condition holds or the time is over; true when it held.
    static bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

private:
    std::filesystem::path folder_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

std::vector<uint8_t> FromHex(std::string_view hex);

}  // namespace brelvo::test
