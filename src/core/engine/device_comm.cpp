#include "core/engine/device_comm.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/request_catalogue.h"
#include "core/protocol/packet.h"

namespace brelvo::core {

namespace {

constexpr int kSocketBuffer = 1 << 20;         // 1 MiB
constexpr int kAnswerSocketBuffer = 10 << 20;  // 10 MiB: the burst of reports after a search

bool IsUsable(std::string_view text) {
    return !text.empty() && text != "0.0.0.0";
}

uint32_t NumberOf(std::string_view ip) {
    return IpBytesToNumber(IpTextToBytes(ip));
}

bool AcceptsSearchAnswer(uint16_t message) {
    return message == kMsgSearch;
}
bool AcceptsHeartbeat(uint16_t message) {
    return message == kMsgHeartbeat;
}
bool AcceptsAnyAnswer(uint16_t) {
    return true;
}

}  // namespace

CDeviceComm::CDeviceComm(DeviceStore& store, std::unique_ptr<AdapterSource> adapters,
                         std::unique_ptr<DatagramSender> sender,
                         std::unique_ptr<FrameSender> frames, EngineOptions options)
    : store_(store),
      adapters_(adapters ? std::move(adapters) : MakeSystemAdapterSource()),
      sender_(sender ? std::move(sender) : MakeUdpDatagramSender()),
      frames_(frames ? std::move(frames) : MakePcapFrameSender()),
      options_(options),
      context_{table_, pending_, store_,
               [this](std::string_view ip, uint16_t message, std::span<const uint8_t> payload,
                      std::string_view mac, bool retransmit) {
                   return SendRequest(ip, message, payload, mac, retransmit);
               },
               survey_complete_} {}

CDeviceComm::~CDeviceComm() {
    Stop();
    for (const DeviceAddress& device : table_.AllDevices())
        SendRequest(device.ip, kMsgLeave, {}, device.mac, false);
}

void CDeviceComm::Stop() {
    if (wake_)
        wake_->Signal();
    for (auto& thread : threads_)
        thread.request_stop();
    monitor_wake_.notify_all();
    threads_.clear();  // joins
    search_answers_.socket.Close();
    heartbeats_.socket.Close();
    answers_.socket.Close();
    sender_->Close();
    wake_.reset();
}

bool CDeviceComm::OpenReceiver(Receiver& receiver, uint16_t port, int buffer_bytes) {
    UdpSocket socket = UdpSocket::Open();
    if (!socket.valid() || !socket.SetReuseAddress() || !socket.SetSendBuffer(buffer_bytes) ||
        !socket.SetReceiveBuffer(buffer_bytes) || !socket.Bind("", port))
        return false;
    receiver.socket = std::move(socket);
    receiver.port = port;
    return true;
}

bool CDeviceComm::Start(int retransmission_max, int retransmission_interval_ms) {
    // A second start replaces the threads and sockets of the first.
    Stop();
    retransmission_max_ = retransmission_max;
    retransmission_interval_ms_ = std::max(0, retransmission_interval_ms);

    wake_ = std::make_unique<WakeEvent>();
    if (!wake_->valid())
        return false;
    if (!sender_->Open() || !OpenReceiver(search_answers_, kPortSearchAnswer, kSocketBuffer) ||
        !OpenReceiver(heartbeats_, kPortHeartbeat, kSocketBuffer) ||
        !OpenReceiver(answers_, kPortAnswer, kAnswerSocketBuffer))
        return false;

    threads_.emplace_back(
        [this](std::stop_token stop) { ReceiveLoop(stop, search_answers_, AcceptsSearchAnswer); });
    threads_.emplace_back(
        [this](std::stop_token stop) { ReceiveLoop(stop, heartbeats_, AcceptsHeartbeat); });
    threads_.emplace_back(
        [this](std::stop_token stop) { ReceiveLoop(stop, answers_, AcceptsAnyAnswer); });
    threads_.emplace_back([this](std::stop_token stop) {
        WorkLoop(stop, search_answers_.queue, HandleSearchAnswer);
    });
    threads_.emplace_back(
        [this](std::stop_token stop) { WorkLoop(stop, heartbeats_.queue, HandleHeartbeat); });
    threads_.emplace_back(
        [this](std::stop_token stop) { WorkLoop(stop, answers_.queue, HandleAnswer); });
    threads_.emplace_back([this](std::stop_token stop) { MonitorLoop(stop); });
    const std::chrono::milliseconds interval(retransmission_interval_ms_.load());
    threads_.emplace_back([this, interval](std::stop_token stop) {
        pending_.RunRetransmitter(stop, interval, [this](const PendingRequests::Request& r) {
            SendRequest(r.address, r.message, r.payload, r.mac, false);
        });
    });

    GetAdapters();
    return true;
}

void CDeviceComm::ReceiveLoop(std::stop_token stop, Receiver& receiver, bool (*accepts)(uint16_t)) {
    ReceivedDatagram datagram;
    while (!stop.stop_requested()) {
        if (!WaitReadable(receiver.socket.fd(), *wake_))
            return;
        datagram.bytes.fill(0);
        const auto received = receiver.socket.Receive(datagram.bytes);
        // Anything that is not a whole datagram of this protocol for this port is dropped here;
        // socket errors count as such a datagram.
        if (!received || received->truncated)
            continue;
        datagram.size = received->size;
        const auto header = ParseHeader(datagram.view());
        if (!header || !accepts(header->message))
            continue;
        datagram.sender = received->sender.address;
        datagram.sender_port = received->sender.port;
        receiver.queue.Push(datagram);
    }
}

void CDeviceComm::WorkLoop(std::stop_token stop, ReceiveQueue& queue,
                           void (*handle)(HandlerContext&, const ReceivedDatagram&)) {
    while (!stop.stop_requested()) {
        for (const ReceivedDatagram& datagram : queue.WaitAndTakeAll(stop)) {
            if (stop.stop_requested())
                return;
            handle(context_, datagram);
        }
    }
}

void CDeviceComm::MonitorLoop(std::stop_token stop) {
    std::unique_lock lock(monitor_mutex_);
    while (!stop.stop_requested()) {
        if (monitor_wake_.wait_for(lock, stop, options_.expiry_tick, [] { return false; }))
            return;
        if (stop.stop_requested())
            return;
        lock.unlock();
        ExpireSilentDevices();
        lock.lock();
    }
}

void CDeviceComm::ExpireSilentDevices() {
    for (const std::string& mac : table_.Expire())
        store_.DeleteDevice(mac);
}

void CDeviceComm::HandleSearchAnswerDatagram(const ReceivedDatagram& datagram) {
    HandleSearchAnswer(context_, datagram);
}
void CDeviceComm::HandleHeartbeatDatagram(const ReceivedDatagram& datagram) {
    HandleHeartbeat(context_, datagram);
}
void CDeviceComm::HandleAnswerDatagram(const ReceivedDatagram& datagram) {
    HandleAnswer(context_, datagram);
}

bool CDeviceComm::SendRequest(std::string_view device_ip, uint16_t message,
                              std::span<const uint8_t> payload, std::string_view device_mac,
                              bool retransmit) {
    const Datagram datagram = BuildMessage(message, device_mac, payload, 1);
    std::vector<std::string> sources;
    {
        std::lock_guard lock(local_address_mutex_);
        for (const LocalAddress& local : local_addresses_) {
            if (!IsUsable(local.address) || !IsUsable(local.mask) || !IsUsable(device_ip))
                continue;
            const uint32_t mask = NumberOf(local.mask);
            if ((NumberOf(local.address) & mask) == (NumberOf(device_ip) & mask))
                sources.push_back(local.address);
        }
    }
    if (sources.empty())
        return false;
    // Registered before the first send: an answer may be handled before the send returns, and
    // must find its request waiting. Taken outside the address lock, which the retransmitter
    // takes while it holds the pending list.
    std::optional<PendingRequests::Ticket> ticket;
    if (retransmit && IsRetransmittable(message)) {
        ticket = pending_.Add(device_ip, message, datagram.view().subspan(kHeaderSize), device_mac,
                              retransmission_max_.load(),
                              std::chrono::milliseconds(retransmission_interval_ms_.load()));
    }
    if (message == kMsgSiteSurvey)
        survey_complete_ = false;
    bool sent = false;
    for (const std::string& source : sources)
        sent = sender_->SendToGroup(source, datagram.view());
    if (!sent && ticket)
        pending_.Withdraw(*ticket);  // an unsent request is not waited for
    return sent;
}

bool CDeviceComm::IsPending(std::string_view device_mac, uint16_t message) {
    return pending_.IsPending(device_mac, message);
}

bool CDeviceComm::WasGivenUp(std::string_view device_mac, uint16_t message) {
    return pending_.WasGivenUp(device_mac, message);
}

bool CDeviceComm::WaitForAnswers(std::string_view device_mac, std::chrono::milliseconds timeout) {
    return pending_.WaitUntilSettled(device_mac, timeout);
}

std::vector<LocalAdapter> CDeviceComm::GetAdapters() {
    std::vector<LocalAdapter> adapters;
    {
        std::lock_guard lock(adapter_mutex_);
        for (LocalAdapter& adapter : adapters_->ReadAdapters()) {
            if (adapter.addresses.empty() || adapter.addresses.front().address == "0.0.0.0")
                continue;
            adapters.push_back(std::move(adapter));
        }
    }
    RefreshLocalAddresses(adapters);
    return adapters;
}

void CDeviceComm::RefreshLocalAddresses(const std::vector<LocalAdapter>& adapters) {
    auto listed = [&](const std::string& address) {
        return std::any_of(adapters.begin(), adapters.end(), [&](const LocalAdapter& adapter) {
            return std::any_of(adapter.addresses.begin(), adapter.addresses.end(),
                               [&](const LocalAddress& a) { return a.address == address; });
        });
    };
    std::lock_guard lock(local_address_mutex_);
    std::erase_if(local_addresses_, [&](const LocalAddress& a) { return !listed(a.address); });
    for (const LocalAdapter& adapter : adapters) {
        for (const LocalAddress& address : adapter.addresses) {
            const bool known =
                std::any_of(local_addresses_.begin(), local_addresses_.end(),
                            [&](const LocalAddress& a) { return a.address == address.address; });
            if (!known)
                local_addresses_.push_back(address);
        }
    }
}

std::vector<LocalAddress> CDeviceComm::LocalAddresses() const {
    std::lock_guard lock(local_address_mutex_);
    return local_addresses_;
}

void CDeviceComm::RefreshCaptureDevices() {
    std::vector<std::string> devices = frames_->ListDevices();
    std::lock_guard lock(capture_mutex_);
    capture_devices_ = std::move(devices);
}

void CDeviceComm::SearchDevices() {
    struct Route {
        Ipv4Bytes broadcast;
        MacBytes mac;
        std::string local_ip;
        std::string adapter_name;
    };
    std::vector<Route> routes;
    for (const LocalAdapter& adapter : GetAdapters()) {
        for (const LocalAddress& address : adapter.addresses) {
            if (!IsUsable(address.address) || !IsUsable(address.mask))
                continue;
            const uint32_t broadcast = NumberOf(address.address) | ~NumberOf(address.mask);
            const Ipv4Bytes bytes = IpNumberToBytes(broadcast);
            const bool known = std::any_of(routes.begin(), routes.end(), [&](const Route& r) {
                return r.broadcast == bytes && r.mac == adapter.mac;
            });
            if (!known)
                routes.push_back({bytes, adapter.mac, address.address, adapter.name});
        }
    }

    const Datagram search = BuildMessage(kMsgSearch, "", {}, 0);
    if (routes.empty()) {
        sender_->SendSearchToAll(search.view());
        return;
    }
    std::vector<std::string> capture_devices;
    {
        std::lock_guard lock(capture_mutex_);
        capture_devices = capture_devices_;
    }
    for (const Route& route : routes) {
        // Capture devices carry the interface's own name here, so the match is exact: "eth0"
        // must not pick "veth0".
        const auto device =
            std::find(capture_devices.begin(), capture_devices.end(), route.adapter_name);
        if (device != capture_devices.end())
            frames_->SendFrame(*device, BuildArpFrame(route.mac, route.broadcast));
        sender_->SendSearch(route.local_ip, IpBytesToText(route.broadcast), search.view());
    }
}

void CDeviceComm::SendLeaveToFound() {
    // The table hands out a copy, so nothing is sent with its lock held.
    for (const DeviceAddress& device : table_.FoundDevices())
        SendRequest(device.ip, kMsgLeave, {}, device.mac, false);
}

void CDeviceComm::DropFoundEntries() {
    table_.DropFound();
}

void CDeviceComm::PurgeStaleDevices() {
    const auto stored = store_.GetAllMac();
    if (!stored)
        return;
    const std::vector<std::string> online = table_.AllMacs();
    for (const std::string& mac : *stored) {
        if (std::find(online.begin(), online.end(), mac) == online.end())
            store_.DeleteDevice(mac);
    }
}

std::vector<ap_info_stu> CDeviceComm::ListFoundDevices(std::size_t max_count,
                                                       std::string_view filter) {
    return table_.ListFound(max_count, filter);
}

void CDeviceComm::NoteNewIp(std::string_view mac, std::string_view current_ip,
                            std::string_view new_ip) {
    table_.NoteNewIp(mac, current_ip, new_ip);
}

}  // namespace brelvo::core
