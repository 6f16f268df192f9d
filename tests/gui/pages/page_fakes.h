// Fakes of the store, the engine and the page host for the page tests. Each records what the
// pages ask of it; the engine may be called from the pages' workers, so it locks.
#pragma once

#include <QString>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/support/theme.h"
#include "fakes/quiet_fakes.h"
#include "gui/app/page_services.h"

namespace brelvo::test {

using core::ap_info_stu;

// A stored device with the fields the lists show.
inline ap_info_stu MakeDevice(int index, uint16_t type = 1, const char* ssid = "backhaul") {
    ap_info_stu record = core::ZeroRecord();
    char mac[18];
    std::snprintf(mac, sizeof mac, "00:1a:2b:00:%02x:%02x", (index >> 8) & 0xff, index & 0xff);
    core::SetRecordMac(record, mac);
    record.ap_type = type;
    record.ap_status = core::kStatusOnline;
    record.work_mode = core::kModeAccessPoint;
    const core::Ipv4Bytes ip{192, 168, static_cast<uint8_t>(1 + index / 250),
                             static_cast<uint8_t>(1 + index % 250)};
    std::memcpy(record.ip, ip.data(), 4);
    const core::Ipv4Bytes mask{255, 255, 255, 0};
    std::memcpy(record.ip_mask, mask.data(), 4);
    const std::string name = "tower-" + std::to_string(index);
    core::WriteTextField(record.ap_name, record.ap_name_len, name);
    core::WriteTextField(record.ssid, record.ssid_len, ssid);
    core::WriteTextField(record.version, record.version_len, "V1.2.3");
    record.channel = 36;
    return record;
}

struct QueryCall {
    int sort_key;
    bool ascending;
    std::string search;
    int page_size;
    int page;
};

class FakeStore : public QuietDeviceStore {
public:
    std::vector<ap_info_stu> devices;
    std::vector<QueryCall> queries;
    std::vector<std::string> device_lookups;
    bool fail_queries = false;

    // The rows in stored order: the tests check what the page asks, not how the store sorts.
    std::optional<core::DevicePage> QueryDevices(int sort_key, bool ascending,
                                                 std::string_view search, int page_size,
                                                 int page) override {
        queries.push_back({sort_key, ascending, std::string(search), page_size, page});
        if (fail_queries)
            return std::nullopt;
        core::DevicePage result;
        const int count = static_cast<int>(devices.size());
        result.page_count = count / page_size + (count % page_size != 0 ? 1 : 0);
        for (int i = 0; i < count; ++i) {
            const auto& device = devices[static_cast<std::size_t>(i)];
            if (device.ap_status != 0)
                ++result.online_count;
            if ((page - 1) * page_size <= i && i < page * page_size)
                result.devices.push_back(device);
        }
        return result;
    }
    std::optional<ap_info_stu> GetDevice(std::string_view mac) override {
        device_lookups.emplace_back(mac);
        for (const auto& device : devices) {
            if (core::RecordMac(device) == mac)
                return device;
        }
        return core::ZeroRecord();
    }
};

struct SentRequest {
    std::string ip;
    uint16_t message;
    std::vector<uint8_t> payload;
    std::string mac;
    bool retransmit;
};

struct NewIpNote {
    std::string mac;
    std::string current_ip;
    std::string new_ip;

    bool operator==(const NewIpNote&) const = default;
};

class FakeEngine : public QuietDeviceEngine {
public:
    std::vector<ap_info_stu> found;
    std::vector<core::LocalAdapter> adapters;

    // Calls other than SendRequest and NoteNewIp, by name, in order.
    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    std::vector<SentRequest> Sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }
    std::vector<NewIpNote> Notes() const {
        std::lock_guard lock(mutex_);
        return notes_;
    }
    int CountOf(const std::string& call) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count(calls_.begin(), calls_.end(), call));
    }
    // (max_count, filter) of every ListFoundDevices call.
    std::vector<std::pair<std::size_t, std::string>> FoundQueries() const {
        std::lock_guard lock(mutex_);
        return found_queries_;
    }
    void Forget() {
        std::lock_guard lock(mutex_);
        calls_.clear();
        sent_.clear();
        notes_.clear();
        found_queries_.clear();
    }

    void SearchDevices() override { Record("SearchDevices"); }
    bool SendRequest(std::string_view ip, uint16_t message, std::span<const uint8_t> payload,
                     std::string_view mac, bool retransmit) override {
        std::lock_guard lock(mutex_);
        sent_.push_back({std::string(ip),
                         message,
                         {payload.begin(), payload.end()},
                         std::string(mac),
                         retransmit});
        return true;
    }
    std::vector<core::LocalAdapter> GetAdapters() override {
        Record("GetAdapters");
        std::lock_guard lock(mutex_);
        return adapters;
    }
    void RefreshCaptureDevices() override { Record("RefreshCaptureDevices"); }
    void SendLeaveToFound() override { Record("SendLeaveToFound"); }
    void DropFoundEntries() override { Record("DropFoundEntries"); }
    void PurgeStaleDevices() override { Record("PurgeStaleDevices"); }
    std::vector<ap_info_stu> ListFoundDevices(std::size_t max_count,
                                              std::string_view filter) override {
        std::lock_guard lock(mutex_);
        found_queries_.emplace_back(max_count, std::string(filter));
        std::vector<ap_info_stu> result;
        for (std::size_t i = 0; i < found.size() && i < max_count; ++i)
            result.push_back(found[i]);
        return result;
    }
    void NoteNewIp(std::string_view mac, std::string_view current_ip,
                   std::string_view new_ip) override {
        std::lock_guard lock(mutex_);
        notes_.push_back({std::string(mac), std::string(current_ip), std::string(new_ip)});
    }

private:
    void Record(const char* call) {
        std::lock_guard lock(mutex_);
        calls_.emplace_back(call);
    }

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::vector<SentRequest> sent_;
    std::vector<NewIpNote> notes_;
    std::vector<std::pair<std::size_t, std::string>> found_queries_;
};

class FakeHost : public gui::PageHost {
public:
    bool auto_refresh = true;
    bool menu_enabled = true;
    std::vector<int> menu_calls;  // 1 enable, 0 disable
    std::vector<int> connected_pagers;

    bool AutoRefresh() const override { return auto_refresh; }
    void SetAutoRefresh(bool on) override { auto_refresh = on; }
    void EnableMenu(bool enable) override {
        menu_enabled = enable;
        menu_calls.push_back(enable ? 1 : 0);
    }
    void ConnectPager(gui::CTMultiPages&, gui::PageId page) override {
        connected_pagers.push_back(page);
    }
};

// Everything a page is built with, the theme at its defaults and the committed skin.
struct PageFixture {
    FakeStore store;
    FakeEngine engine;
    FakeHost host;
    core::Theme theme;
    core::SkinPaths skin = core::BuildSkinPaths(BRELVO_SKIN_SOURCE_DIR "/..", 1033);
    gui::PageServices services{store, engine, theme, skin, host};
};

}  // namespace brelvo::test
