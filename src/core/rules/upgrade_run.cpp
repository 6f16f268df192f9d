#include "core/rules/upgrade_run.h"

#include <algorithm>

#include "core/protocol/packet.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

constexpr std::string_view kTransferLabel = "Upgrade file transfer progress";
constexpr std::string_view kInstallLabel = "Firmware upgrading progress";

// A device has answered the upgrade request for good: it waits to go ahead, succeeded, failed,
// or left the network.
bool HasSettled(uint32_t status) {
    return status == kStatusOffline || status == kStatusUpgradeWaiting ||
           status == kStatusUpgradeSucceeded || status == kStatusUpgradeFailed;
}

}  // namespace

UpgradeRun::UpgradeRun(UpgradeRunHost& host, std::vector<device_target> all_targets,
                       uint16_t chosen_type, const upgrade_file_info& image)
    : host_(host), all_targets_(std::move(all_targets)), image_(image) {
    for (const auto& target : all_targets_) {
        if (target.type == chosen_type)
            type_targets_.push_back(target);
    }
}

void UpgradeRun::Start() {
    host_.SetRunning(true);
    pending_ = type_targets_;
    batch_.clear();
    batch_tick_ = 0;
    transfer_tick_ = 0;
    install_ = InstallCountdown();
    done_ = false;
    finished_ = false;
    host_.ShowProgress({1, kTransferLength, 0, Translate(kTransferLabel)});
    host_.StartFileServer();
    host_.StartWorker();
    transfer_running_ = true;
    mirror_running_ = true;
}

void UpgradeRun::SendBatch() {
    if (finished_)
        return;
    batch_watch_running_ = false;
    batch_tick_ = 0;
    batch_ = std::move(pending_);
    pending_.clear();
    for (const auto& target : batch_) {
        const std::string mac = TargetMac(target);
        host_.ClearUpgradeFail(mac);
        host_.SendRequest(target, kMsgUpgrade, BytesOf(image_));
    }
    batch_watch_running_ = true;
}

void UpgradeRun::Tick() {
    const bool batch_watch = batch_watch_running_;
    const bool transfer = transfer_running_;
    const bool install = install_running_;
    const bool mirror = mirror_running_;
    if (batch_watch && !finished_)
        TickBatchWatch();
    if (transfer && !finished_)
        TickTransfer();
    if (install && !finished_)
        TickInstall();
    if (mirror && !finished_)
        TickStatusMirror();
}

bool UpgradeRun::BatchSettled() {
    return std::all_of(batch_.begin(), batch_.end(), [this](const device_target& target) {
        return HasSettled(host_.DeviceStatus(TargetMac(target)));
    });
}

void UpgradeRun::TickBatchWatch() {
    if (finished_ || !batch_watch_running_)
        return;
    ++batch_tick_;
    if (batch_tick_ < kBatchLimit && !BatchSettled())
        return;
    batch_watch_running_ = false;
    for (const auto& target : batch_) {
        if (host_.DeviceStatus(TargetMac(target)) == kStatusUpgradeWaiting)
            host_.SendRequest(target, kMsgUpgradeStarted, {});
    }
    if (!pending_.empty())
        SendBatch();
    else
        done_ = true;
}

void UpgradeRun::TickTransfer() {
    if (finished_ || !transfer_running_)
        return;
    ++transfer_tick_;
    if (transfer_tick_ < kTransferLength && !done_) {
        host_.ShowProgress({1, kTransferLength, transfer_tick_, Translate(kTransferLabel)});
        return;
    }
    transfer_running_ = false;
    const bool all_failed =
        std::all_of(type_targets_.begin(), type_targets_.end(), [this](const device_target& t) {
            return host_.DeviceStatus(TargetMac(t)) == kStatusUpgradeFailed;
        });
    if (all_failed) {
        // Nothing is left to install: the dialog closes, which also stops the file server.
        host_.StopFileServer();
        Finish();
        return;
    }
    EnterInstallPhase();
}

void UpgradeRun::EnterInstallPhase() {
    install_ = InstallCountdown();
    host_.ShowProgress({2, install_.total(), 0, Translate(kInstallLabel)});
    install_running_ = true;
}

void UpgradeRun::TickInstall() {
    if (finished_ || !install_running_)
        return;
    const CountdownStep step = install_.Tick();
    if (step.search)
        host_.SearchDevices();
    host_.ShowProgress({2, install_.total(), step.position, Translate(kInstallLabel)});
    if (!step.finished)
        return;
    mirror_running_ = false;
    install_running_ = false;
    host_.SetRunning(false);
    host_.StopFileServer();
    Finish();
}

void UpgradeRun::TickStatusMirror() {
    if (finished_ || !mirror_running_)
        return;
    for (const auto& target : all_targets_) {
        const std::string mac = TargetMac(target);
        host_.ShowDeviceStatus(mac, host_.DeviceStatus(mac));
    }
}

void UpgradeRun::Finish() {
    finished_ = true;
    batch_watch_running_ = false;
    transfer_running_ = false;
    install_running_ = false;
    mirror_running_ = false;
    host_.Close();
}

bool UpgradeRun::WaitForFileServer(const std::function<bool()>& file_server_running,
                                   const std::function<bool(std::chrono::milliseconds)>& sleep) {
    using std::chrono::milliseconds;
    if (!sleep(milliseconds(3000)))
        return false;
    constexpr int kLooks = 3;
    for (int look = 1; look <= kLooks; ++look) {
        if (file_server_running())
            return true;
        if (look < kLooks && !sleep(milliseconds(1000)))
            return false;
    }
    // Without a server the devices fail to fetch the image, which their statuses then show.
    return true;
}

}  // namespace brelvo::core
