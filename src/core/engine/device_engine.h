// What the pages and the command-line tool need of the transport engine. `CDeviceComm` is the
// one implementation; tests of the window put a fake in its place.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/protocol/device_record.h"

namespace brelvo::core {

// One IPv4 address of a local adapter.
struct LocalAddress {
    std::string address;  // dotted text
    std::string mask;     // dotted text
    std::string extra;    // a third text the engine does not use (kept for the adapter page)
};

// One local network adapter that is up, running, not loopback and has IPv4 addresses.
struct LocalAdapter {
    std::string name;         // interface name; capture devices are matched by it
    std::string description;  // interface name plus driver/model where known
    MacBytes mac{};
    std::vector<LocalAddress> addresses;
};

class DeviceEngine {
public:
    virtual ~DeviceEngine() = default;

    // Sends the search: per local subnet an ARP announcement and message 1 to the subnet's
    // broadcast address, or message 1 to 255.255.255.255 when no local address is known.
    virtual void SearchDevices() = 0;

    // Sends one request to the multicast group from every local address whose subnet holds the
    // device. True when the last send attempted went out; false when none matched. With
    // `retransmit`, the request is repeated until answered (not for messages 1, 6, 15, 17).
    virtual bool SendRequest(std::string_view device_ip, uint16_t message,
                             std::span<const uint8_t> payload, std::string_view device_mac,
                             bool retransmit) = 0;

    // Whether a request with this message number to this device still waits for its answer.
    virtual bool IsPending(std::string_view device_mac, uint16_t message) = 0;

    // True when the last request of this number to this device was repeated until its tries ran
    // out and never answered; with IsPending false and this false, it was answered.
    virtual bool WasGivenUp(std::string_view device_mac, uint16_t message) {
        (void)device_mac;
        (void)message;
        return false;
    }

    // Waits until no request to this device waits for its answer any more (each one answered
    // or given up), at most `timeout`; true when none waits. Callers that only poll IsPending
    // need not override it.
    virtual bool WaitForAnswers(std::string_view device_mac, std::chrono::milliseconds timeout);

    virtual std::vector<LocalAdapter> GetAdapters() = 0;
    virtual void RefreshCaptureDevices() = 0;

    // --- the online table ---
    virtual void SendLeaveToFound() = 0;
    virtual void DropFoundEntries() = 0;
    virtual void PurgeStaleDevices() = 0;
    // Partial records (status 10) of devices that answered a search but have not reported;
    // at most `max_count` entries are examined; an empty filter takes every entry.
    virtual std::vector<ap_info_stu> ListFoundDevices(std::size_t max_count,
                                                      std::string_view filter) = 0;
    virtual void NoteNewIp(std::string_view mac, std::string_view current_ip,
                           std::string_view new_ip) = 0;

    // True once the last packet of a site-survey answer arrived; cleared by sending message 6.
    virtual bool SurveyComplete() const = 0;
};

inline bool DeviceEngine::WaitForAnswers(std::string_view device_mac,
                                         std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        bool waiting = false;
        for (uint16_t message = 1; message <= 19 && !waiting; ++message)
            waiting = IsPending(device_mac, message);
        if (!waiting)
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace brelvo::core
