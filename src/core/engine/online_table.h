// The devices that currently answer: born by a search answer, kept alive by answers and
// heartbeats, promoted by an accepted report, and expired when they fall silent. Every
// operation takes the table's own lock and nothing else, so callers may send or touch the
// store only after it returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/packet.h"

namespace brelvo::core {

enum class EntryState : uint8_t {
    kFound = 1,     // answered a search; full report not received yet
    kReported = 2,  // its report was accepted and stored
};

// Expiry ticks every sign of life restores.
constexpr uint8_t kLifeTicks = 3;

struct OnlineEntry {
    std::string address;
    std::string new_address;  // where the device was told to move; empty when none
    std::string mac;
    uint16_t device_type = 0;
    EntryState state = EntryState::kFound;
    uint8_t countdown = kLifeTicks;
    uint32_t up_time = 0;
    char version[32]{};
    uint8_t version_len = 0;
    uint8_t work_mode = 0;
    uint8_t mode_btn_status = 0;
    char name[32]{};
    uint8_t name_len = 0;
    char ssid[32]{};
    uint8_t ssid_len = 0;
    uint8_t channel = 0;
    uint8_t bridge_transparent = 0;
    uint8_t tdmaEn = 0;
};

// Where to send a message to one device.
struct DeviceAddress {
    std::string ip;
    std::string mac;
};

class OnlineTable {
public:
    // A search answer. `summary` carries texts already converted. True when the device's full
    // report is still needed (it is not yet reported at this address).
    bool NoteSearchAnswer(std::string_view sender, std::string_view mac, uint16_t device_type,
                          const DeviceSummary& summary);

    // A heartbeat; true when the device has an entry (only then is it answered and stored).
    bool NoteHeartbeat(std::string_view sender, std::string_view mac, const DeviceSummary& summary);

    // A device report (the raw information block). True when accepted: the device answered a
    // search before and no other reported device holds the sender's address.
    bool AcceptReport(std::string_view sender, std::string_view mac, uint16_t device_type,
                      std::span<const uint8_t> block);

    // The device answered an address change: it now lives at its new address.
    void ApplyAddressChange(std::string_view sender, std::string_view mac);

    void NoteNewIp(std::string_view mac, std::string_view current_ip, std::string_view new_ip);

    // One expiry tick: entries whose countdown ran out are removed (their MACs returned); every
    // other reported entry loses a tick. Found entries never expire.
    std::vector<std::string> Expire();

    std::vector<DeviceAddress> FoundDevices() const;
    std::vector<DeviceAddress> AllDevices() const;
    void DropFound();
    std::vector<std::string> AllMacs() const;

    // Partial records (status 10) of found entries; at most `max_count` found entries are
    // examined, filtered ones included; an empty filter takes all.
    std::vector<ap_info_stu> ListFound(std::size_t max_count, std::string_view filter) const;

    std::vector<OnlineEntry> Snapshot() const;

private:
    mutable std::mutex mutex_;
    std::vector<OnlineEntry> entries_;
};

}  // namespace brelvo::core
