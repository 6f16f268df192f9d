#include "core/platform/packet_capture.h"

#include <pcap/pcap.h>

namespace brelvo::core {

namespace {

struct PcapCloser {
    void operator()(pcap_t* handle) const { ::pcap_close(handle); }
};
using PcapHandle = std::unique_ptr<pcap_t, PcapCloser>;

struct DeviceListFreer {
    void operator()(pcap_if_t* list) const { ::pcap_freealldevs(list); }
};

constexpr int kSnapshotLength = 65536;
constexpr int kReadTimeoutMs = 1000;

PcapHandle OpenLive(const std::string& device) {
    char error[PCAP_ERRBUF_SIZE] = {};
    return PcapHandle(::pcap_open_live(device.c_str(), kSnapshotLength, 0, kReadTimeoutMs, error));
}

}  // namespace

std::vector<std::string> ListCaptureDevices() {
    char error[PCAP_ERRBUF_SIZE] = {};
    pcap_if_t* raw = nullptr;
    if (::pcap_findalldevs(&raw, error) != 0)
        return {};
    const std::unique_ptr<pcap_if_t, DeviceListFreer> list(raw);
    std::vector<std::string> names;
    for (const pcap_if_t* device = list.get(); device != nullptr; device = device->next) {
        if (device->name != nullptr)
            names.emplace_back(device->name);
    }
    return names;
}

bool SendRawFrame(const std::string& device, std::span<const uint8_t> frame) {
    const PcapHandle handle = OpenLive(device);
    if (!handle)
        return false;
    char error[PCAP_ERRBUF_SIZE] = {};
    ::pcap_setnonblock(handle.get(), 1, error);
    return ::pcap_sendpacket(handle.get(), frame.data(), static_cast<int>(frame.size())) == 0;
}

struct FrameCapture::Handle {
    PcapHandle pcap;
};

FrameCapture::FrameCapture(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FrameCapture::~FrameCapture() = default;

std::unique_ptr<FrameCapture> FrameCapture::Open(const std::string& device,
                                                 const std::string& filter) {
    char error[PCAP_ERRBUF_SIZE] = {};
    PcapHandle pcap(::pcap_create(device.c_str(), error));
    if (!pcap)
        return nullptr;
    ::pcap_set_snaplen(pcap.get(), kSnapshotLength);
    ::pcap_set_promisc(pcap.get(), 0);
    // Frames are handed over at once, so a test sees a frame as soon as it crossed the link.
    ::pcap_set_immediate_mode(pcap.get(), 1);
    if (::pcap_activate(pcap.get()) < 0)
        return nullptr;
    bpf_program program{};
    if (::pcap_compile(pcap.get(), &program, filter.c_str(), 1, PCAP_NETMASK_UNKNOWN) != 0)
        return nullptr;
    const int applied = ::pcap_setfilter(pcap.get(), &program);
    ::pcap_freecode(&program);
    if (applied != 0 || ::pcap_setnonblock(pcap.get(), 1, error) != 0)
        return nullptr;
    auto handle = std::make_unique<Handle>();
    handle->pcap = std::move(pcap);
    return std::make_unique<FrameCapture>(std::move(handle));
}

int FrameCapture::selectable_fd() const {
    return ::pcap_get_selectable_fd(handle_->pcap.get());
}

std::vector<std::vector<uint8_t>> FrameCapture::TakeFrames() {
    std::vector<std::vector<uint8_t>> frames;
    auto collect = [](u_char* user, const pcap_pkthdr* header, const u_char* bytes) {
        auto* out = reinterpret_cast<std::vector<std::vector<uint8_t>>*>(user);
        out->emplace_back(bytes, bytes + header->caplen);
    };
    ::pcap_dispatch(handle_->pcap.get(), -1, collect, reinterpret_cast<u_char*>(&frames));
    return frames;
}

}  // namespace brelvo::core
