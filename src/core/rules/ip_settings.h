// Addressing and name of one device (the IP tab of the configuration dialog), and the Set IP
// pop-up of the status page, which gives one or several devices new addresses.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"
#include "core/rules/ip_range.h"
#include "core/rules/timelines.h"

namespace brelvo::core {

// --- the IP tab ---

// The tab's fields as texts; a blank address control may read as "" or "0.0.0.0".
struct IpTabFields {
    std::u16string address;
    std::u16string mask;
    std::u16string gateway;
    std::u16string primary_dns;
    std::u16string secondary_dns;
    std::u16string name;  // the "Wireless_location" field
};

constexpr int kNameFieldMaxLength = 32;  // characters the name field accepts

IpTabFields FillIpTab(const ap_info_stu& record);

struct IpTabOutput {
    bool addressing_changed = false;
    ip_block addressing = ZeroBlock<ip_block>();  // apply flag 1
    name_block name = ZeroBlock<name_block>();
    bool name_changed = false;
};

// The tab's part of the dialog's Save. `record` is the copy the tab was built from;
// `stored_ips` the addresses of every stored device (the store's GetAllIp), consulted only
// when the device is to move to a new address.
Collected<IpTabOutput> CollectIpSettings(const ap_info_stu& record, const IpTabFields& fields,
                                         std::span<const std::string> stored_ips);

// --- the Set IP pop-up ---

struct SetIpLayout {
    bool end_row_shown = true;
    std::string start_label;  // translated
    std::string end_label;    // translated
    int start_row_shift = 0;  // pixels the start label and control move down
    bool progress_shown = false;
};

SetIpLayout SetIpPopupLayout(std::size_t device_count);

struct SetIpFields {
    std::u16string start;
    std::u16string end;
    std::u16string mask;
    std::u16string gateway;
    std::u16string primary_dns;
    std::u16string secondary_dns;
};

// The first selected device's addressing; the end of the range starts blank.
SetIpFields FillSetIpPopup(const ip_block& first_device);

// Save: checks the fields for `device_count` devices and gives the six addresses to keep for
// the addressing worker (PlanApplyIpSettings).
Collected<SetIpAddresses> SaveSetIpPopup(const SetIpFields& fields, std::size_t device_count);

// The pop-up once Save was accepted: every input and Save and Cancel disabled, the close button
// usable, the progress bar shown and driven by SetIpCountdown() until it closes itself with OK.
struct SetIpRunningView {
    bool address_fields_enabled = false;
    bool save_enabled = false;
    bool cancel_enabled = false;
    bool close_enabled = true;
    bool progress_shown = true;
    int progress_maximum = 30;
    int progress_position = 0;
};

}  // namespace brelvo::core
