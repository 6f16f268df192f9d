// What the rest of the system needs of the per-run device store. `CSqlManagement` is the one
// implementation; tests of the engine and of the window put fakes in its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/packet.h"

namespace brelvo::core {

// Columns a device list can be ordered by (the store's sort keys).
enum DeviceSortKey : int {
    kSortMac = 0,
    kSortIp = 1,  // numerically, by ip_num
    kSortName = 2,
    kSortType = 3,
    kSortWorkMode = 4,
    kSortSsid = 5,
    kSortChannel = 6,
    kSortSecureMode = 7,
    kSortTxPower = 8,
    kSortVersion = 9,
    kSortTransparentBridge = 10,
    kSortTdma = 11,
    kSortUptime = 12,
    kSortStatus = 13,
};

enum SurveySortKey : int {
    kSurveySortMac = 0,
    kSurveySortSsid = 1,
    kSurveySortChannel = 2,
    kSurveySortSecureMode = 3,
    kSurveySortSignal = 4,
};

// One page of a device list: the rows of the page in sort order, the number of pages, and how
// many of all matching rows (on every page) are online, i.e. have a status other than 0.
struct DevicePage {
    std::vector<ap_info_stu> devices;
    int page_count = 0;
    int online_count = 0;
};

class DeviceStore {
public:
    virtual ~DeviceStore() = default;

    // --- written by the engine's receive path ---
    virtual bool SaveDevice(const ap_info_stu& record) = 0;  // insert or update by mac; status 1
    virtual bool SaveSurveyedAps(const SurveyPacket& packet) = 0;
    virtual bool DeleteDevice(std::string_view mac) = 0;
    virtual bool UpdateUptime(std::string_view mac, std::string_view ip, uint32_t up_time) = 0;
    virtual bool SetDeviceStatus(std::string_view mac, uint32_t status) = 0;
    virtual bool MarkUpgrading(std::string_view mac) = 0;  // status 6 -> 7

    // --- read by the pages; nothing (std::nullopt) when the store could not run the query ---
    // `search` is matched literally, case-insensitively, as a substring of the listed columns.
    virtual std::optional<DevicePage> QueryDevices(int sort_key, bool ascending,
                                                   std::string_view search, int page_size,
                                                   int page) = 0;
    // A zeroed record when no row has this MAC (or, for an empty MAC, the table is empty).
    virtual std::optional<ap_info_stu> GetDevice(std::string_view mac) = 0;
    virtual std::optional<std::vector<std::string>> GetAllIp() = 0;
    virtual std::optional<std::vector<std::string>> GetAllMac() = 0;
    virtual std::optional<std::vector<config_otherwl_basic>> QuerySurveyedAps(int sort_key,
                                                                              bool ascending) = 0;
    // A zeroed entry when no row has this MAC.
    virtual std::optional<config_otherwl_basic> GetSurveyedAp(std::string_view mac) = 0;
    virtual bool DeleteSurveyedAps() = 0;
    virtual bool IsUpgradeWaiting(std::string_view mac) = 0;
    virtual bool ClearUpgradeFail(std::string_view mac) = 0;     // status 9 -> 1
    virtual uint32_t GetDeviceStatus(std::string_view mac) = 0;  // 0 when no row
    virtual bool HasBridgedStation(std::string_view mac) = 0;
    // The MAC of the device at the other end of this device's bridge.
    virtual std::optional<std::string> FindBridgePeer(std::string_view mac) = 0;
};

}  // namespace brelvo::core
