#include "fleet.h"

#include <poll.h>

#include <cstdio>
#include <cstring>

#include "core/protocol/address_text.h"
#include "core/protocol/packet.h"

namespace brelvo::devsim {

using namespace brelvo::core;

namespace {

constexpr int kSocketBuffer = 4 << 20;

std::string Hex(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

std::string MaskText(int prefix) {
    const uint32_t mask = prefix == 0 ? 0 : ~uint32_t{0} << (32 - prefix);
    return IpBytesToText(IpNumberToBytes(mask));
}

std::string MacPlus(const std::string& base, uint32_t offset) {
    const MacBytes mac = MacTextToBytes(base);
    uint64_t value = 0;
    for (const uint8_t byte : mac)
        value = (value << 8) | byte;
    value += offset;
    MacBytes out{};
    for (int k = 5; k >= 0; --k) {
        out[k] = static_cast<uint8_t>(value);
        value >>= 8;
    }
    return MacBytesToText(out);
}

}  // namespace

Fleet::Fleet(Options options) : options_(std::move(options)), random_(options_.seed) {
    const uint32_t first = IpTextToNumber(options_.first_ip);
    const std::string mask = MaskText(options_.prefix);
    const uint32_t mask_number = IpTextToNumber(mask);
    const std::string gateway = options_.gateway.empty()
                                    ? IpBytesToText(IpNumberToBytes((first & mask_number) + 1))
                                    : options_.gateway;
    for (int k = 0; k < options_.count; ++k) {
        DeviceSeed seed;
        seed.index = k;
        seed.mac = MacPlus(options_.mac_base, static_cast<uint32_t>(k));
        const int address_index = options_.duplicate_ip && k == 1 ? 0 : k;
        seed.ip = IpBytesToText(IpNumberToBytes(first + static_cast<uint32_t>(address_index)));
        seed.mask = mask;
        seed.gateway = gateway;
        seed.model = options_.models[static_cast<std::size_t>(k) % options_.models.size()];
        char name[32];
        std::snprintf(name, sizeof name, "Sim-%04d", k + 1);
        seed.name = static_cast<std::size_t>(k) < options_.names.size() ? options_.names[k] : name;
        SimulatedDevice device = MakeDevice(seed);
        device.sends_report = k >= options_.no_report;
        by_mac_[device.mac] = devices_.size();
        devices_.push_back(std::move(device));
    }
}

bool Fleet::Open() {
    auto fail = [](const char* what) {
        std::fprintf(stderr, "brelvo-devsim: %s\n", what);
        return false;
    };
    search_socket_ = UdpSocket::Open();
    if (!search_socket_.SetReuseAddress() || !search_socket_.SetBroadcast() ||
        !search_socket_.SetPacketInfo() || !search_socket_.SetReceiveBuffer(kSocketBuffer) ||
        !search_socket_.SetSendBuffer(kSocketBuffer) || !search_socket_.Bind("", kPortSearch))
        return fail("cannot listen for searches on port 9786");
    // A device that moved to an address not (yet) assigned here can still answer from it.
    search_socket_.SetTransparent();

    request_socket_ = UdpSocket::Open();
    if (!request_socket_.SetReuseAddress() || !request_socket_.SetPacketInfo() ||
        !request_socket_.SetReceiveBuffer(kSocketBuffer) ||
        !request_socket_.Bind("", kPortRequest) ||
        !request_socket_.JoinGroup(kMulticastGroup, options_.first_ip))
        return fail("cannot join the request group on port 9787 (is --first-ip assigned here?)");

    if (!options_.log_path.empty()) {
        log_.open(options_.log_path, std::ios::app);
        if (!log_)
            return fail("cannot write the log file");
    }
    if (!options_.capture_path.empty()) {
        capture_ = FrameCapture::Open(options_.interface, "arp");
        capture_log_.open(options_.capture_path, std::ios::app);
        if (!capture_ || !capture_log_)
            return fail("cannot capture ARP frames on the interface");
    }
    if (options_.heartbeat_ms > 0) {
        const auto now = Clock::now();
        for (std::size_t k = 0; k < devices_.size(); ++k) {
            // Spread over the period so a large fleet does not beat in one burst.
            const auto phase = std::chrono::milliseconds(options_.heartbeat_ms) * k /
                               std::max<std::size_t>(devices_.size(), 1);
            ScheduleHeartbeat(k, now + phase);
        }
    }
    if (!options_.ready_path.empty())
        std::ofstream(options_.ready_path) << "ready\n";
    return true;
}

void Fleet::Run(const volatile std::sig_atomic_t& keep_running) {
    std::vector<pollfd> watched{{search_socket_.fd(), POLLIN, 0},
                                {request_socket_.fd(), POLLIN, 0}};
    if (capture_ && capture_->selectable_fd() >= 0)
        watched.push_back({capture_->selectable_fd(), POLLIN, 0});
    while (keep_running) {
        int timeout_ms = 200;
        if (!timers_.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                timers_.top().when - Clock::now());
            timeout_ms = static_cast<int>(std::clamp<int64_t>(wait.count() + 1, 0, 200));
        }
        if (::poll(watched.data(), watched.size(), timeout_ms) > 0) {
            if (watched[0].revents & POLLIN)
                ReceiveFrom(search_socket_, kPortSearch);
            if (watched[1].revents & POLLIN)
                ReceiveFrom(request_socket_, kPortRequest);
            if (watched.size() > 2 && (watched[2].revents & POLLIN))
                TakeArpFrames();
        }
        RunDueTimers();
    }
}

void Fleet::At(Clock::time_point when, std::function<void()> action) {
    timers_.push(Timer{when, timer_order_++, std::move(action)});
}

void Fleet::RunDueTimers() {
    const auto now = Clock::now();
    while (!timers_.empty() && timers_.top().when <= now) {
        auto action = timers_.top().action;
        timers_.pop();
        action();
    }
}

bool Fleet::Lost() {
    if (options_.loss <= 0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < options_.loss;
}

bool Fleet::Silent(std::size_t index, Clock::time_point now) const {
    if (options_.silent_after_ms >= 0 &&
        now - started_ >= std::chrono::milliseconds(options_.silent_after_ms))
        return true;
    return devices_[index].silent(now);
}

void Fleet::ReceiveFrom(const UdpSocket& socket, uint16_t port) {
    std::array<uint8_t, kMaxDatagram> buffer{};
    const auto received = socket.Receive(buffer);
    if (!received)
        return;
    const std::span<const uint8_t> bytes(buffer.data(), std::min(received->size, buffer.size()));
    LogReceived(port, *received, bytes);
    if (received->truncated || Lost())
        return;
    const std::string sender = IpBytesToText(received->sender.address);
    if (port == kPortSearch)
        OnSearch(bytes, sender);
    else
        OnRequest(bytes, sender);
}

void Fleet::LogReceived(uint16_t port, const ReceivedFrom& from, std::span<const uint8_t> bytes) {
    if (!log_.is_open())
        return;
    const auto header = ParseHeader(bytes);
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count();
    log_ << "rx t=" << elapsed << " port=" << port << " from=" << IpBytesToText(from.sender.address)
         << ":" << from.sender.port << " to=" << IpBytesToText(from.destination);
    if (header) {
        log_ << " msg=" << header->message << " flag=" << int(header->request_flag)
             << " type=" << header->device_type << " mac=" << header->mac_text()
             << " len=" << header->payload_length << " payload=" << Hex(PayloadOf(bytes));
    } else {
        log_ << " invalid size=" << from.size;
    }
    log_ << "\n" << std::flush;
}

void Fleet::TakeArpFrames() {
    for (const auto& frame : capture_->TakeFrames())
        capture_log_ << "arp " << Hex(frame) << "\n" << std::flush;
}

void Fleet::OnSearch(std::span<const uint8_t> datagram, const std::string& sender) {
    const auto header = ParseHeader(datagram);
    if (!header || header->message != kMsgSearch)
        return;
    const auto now = Clock::now();
    for (std::size_t k = 0; k < devices_.size(); ++k) {
        if (Silent(k, now))
            continue;
        devices_[k].system_ip = sender;
        Answer(k, kMsgSearch, devices_[k].Summary(now), sender, kPortSearchAnswer);
    }
}

void Fleet::OnRequest(std::span<const uint8_t> datagram, const std::string& sender) {
    const auto header = ParseHeader(datagram);
    if (!header)
        return;
    const auto found = by_mac_.find(header->mac_text());
    if (found == by_mac_.end())
        return;
    const std::size_t k = found->second;
    SimulatedDevice& device = devices_[k];
    const auto now = Clock::now();
    if (Silent(k, now) || options_.mute.count(header->message) != 0)
        return;
    const auto payload = PayloadOf(datagram);
    switch (header->message) {
        case kMsgSearch:  // acknowledgements of what the device sent
        case kMsgHeartbeat:
            return;
        case kMsgReport:
            if (device.sends_report)
                Answer(k, kMsgReport, device.Report(now), sender, kPortAnswer);
            return;
        case kMsgSetIp:
            // The answer still comes from the old address; the move follows it.
            AnswerResult(k, kMsgSetIp, sender);
            At(now + std::chrono::milliseconds(options_.delay_ms),
               [this, k, bytes = std::vector<uint8_t>(payload.begin(), payload.end())] {
                   ApplyAddressing(devices_[k], bytes);
               });
            return;
        case kMsgSetWireless:
            ApplyWireless(device, payload);
            break;
        case kMsgSetTimedReboot:
            ApplySchedule(device, payload);
            break;
        case kMsgSiteSurvey:
            SendSurvey(k, sender);
            return;
        case kMsgBridge:
            ApplyBridge(device, payload);
            break;
        case kMsgSetName:
            ApplyName(device, payload);
            break;
        case kMsgReboot:
        case kMsgRestore: {
            AnswerResult(k, header->message, sender);
            const bool reset = header->message == kMsgRestore;
            At(now + std::chrono::milliseconds(options_.delay_ms + 50), [this, k, reset] {
                SimulatedDevice& d = devices_[k];
                if (reset)
                    RestoreFactory(d);
                d.record.up_time = 0;
                d.started = Clock::now() + std::chrono::milliseconds(options_.reboot_silence_ms);
                d.silent_until = d.started;
            });
            return;
        }
        case kMsgUpgrade:
            AnswerResult(k, kMsgUpgrade, sender);
            if (options_.upgrade_notice)
                Answer(k, kMsgUpgradeNotice, {*options_.upgrade_notice}, sender, kPortAnswer);
            return;
        case kMsgSetVlan:
            ApplyVlan(device, payload);
            break;
        case kMsgLeave:
            device.system_ip.clear();
            return;
        case kMsgSetTransparentBridge:
        case kMsgSetTdma:
            ApplyFeatures(device, payload);
            break;
        default:
            break;
    }
    AnswerResult(k, header->message, sender);
}

void Fleet::AnswerResult(std::size_t index, uint16_t message, const std::string& to) {
    const auto result = options_.result.find(message);
    const uint8_t value = result == options_.result.end() ? 0 : result->second;
    Answer(index, message, {value}, to, kPortAnswer);
}

void Fleet::Answer(std::size_t index, uint16_t message, std::vector<uint8_t> payload,
                   const std::string& to, uint16_t port) {
    auto send = [this, index, message, payload = std::move(payload), to, port] {
        if (options_.malformed)
            SendMalformed(devices_[index].ip, to, port);
        Send(index, message, payload, to, port);
    };
    if (options_.delay_ms <= 0) {
        send();
        return;
    }
    At(Clock::now() + std::chrono::milliseconds(options_.delay_ms), std::move(send));
}

void Fleet::SendSurvey(std::size_t index, const std::string& to) {
    std::vector<config_otherwl_basic> neighbours;
    for (std::size_t k = 0; k < devices_.size(); ++k) {
        if (k != index && devices_[k].record.work_mode == kModeAccessPoint)
            neighbours.push_back(AsSurveyEntry(devices_[k], -40 - static_cast<int>(k % 50)));
    }
    const std::size_t per_packet = static_cast<std::size_t>(options_.survey_entries_per_packet);
    const std::size_t packets =
        std::clamp<std::size_t>((neighbours.size() + per_packet - 1) / per_packet, 1, 255);
    for (std::size_t id = 0; id < packets; ++id) {
        const std::size_t first = std::min(id * per_packet, neighbours.size());
        const std::size_t count = std::min(per_packet, neighbours.size() - first);
        const std::span<const config_otherwl_basic> part(neighbours.data() + first, count);
        Answer(index, kMsgSiteSurvey,
               BuildSurveyPayload(static_cast<uint8_t>(packets), static_cast<uint8_t>(id), part),
               to, kPortAnswer);
    }
}

void Fleet::ScheduleHeartbeat(std::size_t index, Clock::time_point when) {
    At(when, [this, index] {
        const auto now = Clock::now();
        SimulatedDevice& device = devices_[index];
        if (!device.system_ip.empty() && !Silent(index, now))
            Send(index, kMsgHeartbeat, device.Summary(now), device.system_ip, kPortHeartbeat);
        ScheduleHeartbeat(index, now + std::chrono::milliseconds(options_.heartbeat_ms));
    });
}

void Fleet::Send(std::size_t index, uint16_t message, std::span<const uint8_t> payload,
                 const std::string& to, uint16_t port) {
    if (Lost() || Silent(index, Clock::now()))
        return;
    const SimulatedDevice& device = devices_[index];
    const Datagram datagram = BuildMessage(message, device.mac, payload, 0, device.record.ap_type);
    search_socket_.SendFrom(device.ip, to, port, datagram.view());
}

void Fleet::SendMalformed(const std::string& from, const std::string& to, uint16_t port) {
    const Datagram valid = BuildMessage(kMsgReport, "00:90:4c:ee:ee:ee", {}, 0, 1);
    // Too short: 15 bytes.
    search_socket_.SendFrom(from, to, port, valid.view().first(15));
    // A foreign magic.
    Datagram foreign = valid;
    foreign.bytes[0] = 0x19;
    foreign.bytes[1] = 0x86;
    search_socket_.SendFrom(from, to, port, foreign.view());
    // Longer than any datagram of the protocol.
    std::vector<uint8_t> too_long(kMaxDatagram + 1, 0xEE);
    std::copy_n(valid.bytes.begin(), kHeaderSize, too_long.begin());
    search_socket_.SendFrom(from, to, port, too_long);
    // A header that claims a full report over 4 bytes.
    Datagram truncated =
        BuildMessage(kMsgReport, "00:90:4c:ee:ee:ee", std::vector<uint8_t>(4, 0xEE), 0, 1);
    truncated.bytes[14] = 0xF4;
    truncated.bytes[15] = 0x02;
    search_socket_.SendFrom(from, to, port, truncated.view());
}

}  // namespace brelvo::devsim
