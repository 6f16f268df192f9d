// The one transport engine: its sockets, the three receive queues with their workers, the
// monitor that expires silent devices, the retransmitter, the local adapters and addresses,
// and the raw frames of a search. Pages and the command-line tool reach it as `DeviceEngine`.
//
// Threads: three receivers (9785, 9787, 9788) queue datagrams, three workers hand them to the
// handlers, the monitor ticks the online table, the retransmitter repeats unanswered requests.
// Lock order: pending list, then local addresses; the adapter lock is released before the local
// address list is refreshed; the online table's lock is never held while another is taken.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "core/engine/device_engine.h"
#include "core/engine/engine_io.h"
#include "core/engine/handler_context.h"
#include "core/engine/online_table.h"
#include "core/engine/pending_requests.h"
#include "core/engine/receive_queue.h"
#include "core/platform/udp_socket.h"
#include "core/platform/wake_event.h"
#include "core/store/device_store.h"

namespace brelvo::core {

struct EngineOptions {
    // How often the monitor ticks the online table; a device expires 3 to 4 ticks after its
    // last sign of life.
    std::chrono::milliseconds expiry_tick{10000};
};

class CDeviceComm final : public DeviceEngine {
public:
    // The process-wide engine on the real store and the machine's own network.
    static CDeviceComm& Instance();

    // Any part left empty is the machine's own (getifaddrs, UDP sockets, libpcap).
    CDeviceComm(DeviceStore& store, std::unique_ptr<AdapterSource> adapters = nullptr,
                std::unique_ptr<DatagramSender> sender = nullptr,
                std::unique_ptr<FrameSender> frames = nullptr, EngineOptions options = {});
    // Stops every thread, closes the sockets, then tells every known device that the system
    // leaves (message 17).
    ~CDeviceComm() override;
    CDeviceComm(const CDeviceComm&) = delete;
    CDeviceComm& operator=(const CDeviceComm&) = delete;

    // Opens the sockets, starts the threads and reads the adapters. False when a socket cannot
    // be made or bound; what was made stays (the program then runs without traffic).
    bool Start(int retransmission_max, int retransmission_interval_ms);

    void SearchDevices() override;
    bool SendRequest(std::string_view device_ip, uint16_t message, std::span<const uint8_t> payload,
                     std::string_view device_mac, bool retransmit) override;
    bool IsPending(std::string_view device_mac, uint16_t message) override;
    bool WasGivenUp(std::string_view device_mac, uint16_t message) override;
    bool WaitForAnswers(std::string_view device_mac, std::chrono::milliseconds timeout) override;
    std::vector<LocalAdapter> GetAdapters() override;
    void RefreshCaptureDevices() override;

    void SendLeaveToFound() override;
    void DropFoundEntries() override;
    void PurgeStaleDevices() override;
    std::vector<ap_info_stu> ListFoundDevices(std::size_t max_count,
                                              std::string_view filter) override;
    void NoteNewIp(std::string_view mac, std::string_view current_ip,
                   std::string_view new_ip) override;
    bool SurveyComplete() const override { return survey_complete_.load(); }

    // What the engine knows now, for tests and diagnostics.
    std::vector<OnlineEntry> OnlineEntries() const { return table_.Snapshot(); }
    std::vector<LocalAddress> LocalAddresses() const;
    std::size_t PendingCount() const { return pending_.size(); }

    // Runs the handlers of one datagram as its worker would (tests feed datagrams this way).
    void HandleSearchAnswerDatagram(const ReceivedDatagram& datagram);
    void HandleHeartbeatDatagram(const ReceivedDatagram& datagram);
    void HandleAnswerDatagram(const ReceivedDatagram& datagram);
    // One expiry tick, as the monitor runs it.
    void ExpireSilentDevices();

private:
    struct Receiver {
        UdpSocket socket;
        ReceiveQueue queue;
        uint16_t port = 0;
    };

    void Stop();
    bool OpenReceiver(Receiver& receiver, uint16_t port, int buffer_bytes);
    void ReceiveLoop(std::stop_token stop, Receiver& receiver, bool (*accepts)(uint16_t));
    void WorkLoop(std::stop_token stop, ReceiveQueue& queue,
                  void (*handle)(HandlerContext&, const ReceivedDatagram&));
    void MonitorLoop(std::stop_token stop);
    void RefreshLocalAddresses(const std::vector<LocalAdapter>& adapters);

    DeviceStore& store_;
    std::unique_ptr<AdapterSource> adapters_;
    std::unique_ptr<DatagramSender> sender_;
    std::unique_ptr<FrameSender> frames_;
    EngineOptions options_;

    std::atomic<int> retransmission_max_{3};
    std::atomic<int> retransmission_interval_ms_{2000};

    OnlineTable table_;
    PendingRequests pending_;
    std::atomic<bool> survey_complete_{false};
    HandlerContext context_;

    std::mutex adapter_mutex_;
    mutable std::mutex local_address_mutex_;
    std::vector<LocalAddress> local_addresses_;
    std::mutex capture_mutex_;
    std::vector<std::string> capture_devices_;

    std::unique_ptr<WakeEvent> wake_;
    Receiver search_answers_;
    Receiver heartbeats_;
    Receiver answers_;
    std::mutex monitor_mutex_;
    std::condition_variable_any monitor_wake_;
    // Last members: the threads end (and are joined) before anything they use goes away.
    std::vector<std::jthread> threads_;
};

}  // namespace brelvo::core
