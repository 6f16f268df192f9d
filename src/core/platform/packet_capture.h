// Raw Ethernet frames through libpcap: the capture devices of this machine, sending one frame on
// a device, and (for the simulator and tests) watching a device for ARP frames.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::core {

// Names of the capture devices the library lists now; empty when it cannot list them.
std::vector<std::string> ListCaptureDevices();

// Opens the device, sends the frame and closes it again. False without the right to open the
// device (CAP_NET_RAW) or when the send fails.
bool SendRawFrame(const std::string& device, std::span<const uint8_t> frame);

// Receives frames that pass a capture filter, for as long as the object lives.
class FrameCapture {
public:
    // Nothing when the device cannot be opened or the filter does not compile.
    static std::unique_ptr<FrameCapture> Open(const std::string& device, const std::string& filter);
    ~FrameCapture();
    FrameCapture(const FrameCapture&) = delete;
    FrameCapture& operator=(const FrameCapture&) = delete;

    // A descriptor that becomes readable when frames wait (for poll); -1 when there is none.
    int selectable_fd() const;
    // Every frame waiting now, without blocking.
    std::vector<std::vector<uint8_t>> TakeFrames();

    struct Handle;  // the library's handle; only Open makes one
    explicit FrameCapture(std::unique_ptr<Handle> handle);

private:
    std::unique_ptr<Handle> handle_;
};

}  // namespace brelvo::core
