// The run of a firmware upgrade, from the operator's confirmation to the closing of the dialog:
// the devices of the chosen model are asked to fetch the image, their statuses are watched, the
// ready ones are told to go ahead, and a progress bar runs through a transfer phase and a fixed
// installation phase. The dialog's four one-second timers call the Tick functions; everything
// the run does goes through the host the dialog implements.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/timelines.h"

namespace brelvo::core {

struct UpgradeProgress {
    int phase = 1;  // 1: the file transfer, 2: the installation
    int maximum = 0;
    int position = 0;
    std::string label;  // translated

    bool operator==(const UpgradeProgress&) const = default;
};

// What the run needs of the dialog, the store, the engine and the file server.
class UpgradeRunHost {
public:
    virtual ~UpgradeRunHost() = default;

    // The store's status of a device; 0 when it is no longer stored.
    virtual uint32_t DeviceStatus(std::string_view mac) = 0;
    // A device that failed an earlier upgrade counts as online again.
    virtual void ClearUpgradeFail(std::string_view mac) = 0;
    // With retransmission.
    virtual void SendRequest(const device_target& target, uint16_t message,
                             std::span<const uint8_t> payload) = 0;
    virtual void SearchDevices() = 0;

    virtual void ShowProgress(const UpgradeProgress& progress) = 0;
    // The upgrade page's Status cell of the device.
    virtual void ShowDeviceStatus(std::string_view mac, uint32_t status) = 0;
    // While running the image cannot be changed: Scan is disabled and Upgrade hidden.
    virtual void SetRunning(bool running) = 0;

    virtual void StartFileServer() = 0;
    virtual void StopFileServer() = 0;
    // Starts the worker, ending an earlier one first: it runs WaitForFileServer and then has
    // SendBatch called on the run's own thread.
    virtual void StartWorker() = 0;
    // Ends the dialog with OK; the window's timers end with it.
    virtual void Close() = 0;
};

class UpgradeRun {
public:
    static constexpr int kBatchLimit = 120;  // seconds a batch may take to answer
    static constexpr int kTransferLength = 120;
    static constexpr int kInstallLength = 130;
    static constexpr std::chrono::milliseconds kTickPeriod{1000};

    // `all_targets`: every ticked device, in list order; only those of `chosen_type` are
    // upgraded, the others are only mirrored.
    UpgradeRun(UpgradeRunHost& host, std::vector<device_target> all_targets, uint16_t chosen_type,
               const upgrade_file_info& image);

    void Start();

    // The worker's end: asks every pending device to fetch the image.
    void SendBatch();

    // One tick of each running timer, in the order batch watch, transfer, installation, status
    // mirror; a timer started by this tick first ticks on the next one.
    void Tick();

    // The timers one by one, for a window that keeps them apart.
    void TickBatchWatch();
    void TickTransfer();
    void TickInstall();
    void TickStatusMirror();

    bool finished() const { return finished_; }
    bool done() const { return done_; }
    const std::vector<device_target>& type_targets() const { return type_targets_; }

    // The worker's wait for the file server: 3 s, then up to three looks 1 s apart. `sleep`
    // returns false when the worker is to stop; then so does this, and no batch is sent.
    static bool WaitForFileServer(const std::function<bool()>& file_server_running,
                                  const std::function<bool(std::chrono::milliseconds)>& sleep);

private:
    bool BatchSettled();
    void EnterInstallPhase();
    void Finish();

    UpgradeRunHost& host_;
    std::vector<device_target> all_targets_;
    std::vector<device_target> type_targets_;
    std::vector<device_target> pending_;
    std::vector<device_target> batch_;
    upgrade_file_info image_;

    int batch_tick_ = 0;
    int transfer_tick_ = 0;
    SearchCountdown install_ = InstallCountdown();
    bool done_ = false;

    bool batch_watch_running_ = false;
    bool transfer_running_ = false;
    bool install_running_ = false;
    bool mirror_running_ = false;
    bool finished_ = false;
};

}  // namespace brelvo::core
