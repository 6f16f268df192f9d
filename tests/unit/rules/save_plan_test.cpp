#include "core/rules/save_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/outgoing_names.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;
using test::Hex;

std::vector<uint16_t> Messages(const SavePlan& plan) {
    std::vector<uint16_t> messages;
    for (const auto& step : plan.steps)
        messages.push_back(step.request.message);
    return messages;
}

IpTabOutput NewAddress() {
    IpTabOutput ip;
    ip.addressing_changed = true;
    ip.addressing.ip_mode = 1;
    const uint8_t address[4] = {10, 0, 0, 7};
    std::copy(address, address + 4, ip.addressing.ip);
    ip.addressing.ip_mask[0] = 255;
    ip.addressing.apply = 1;
    return ip;
}

VlanTabOutput NewVlan() {
    VlanTabOutput vlan;
    vlan.changed = true;
    vlan.vlan.vlan_en = 1;
    vlan.vlan.vlan_id = 5;
    vlan.vlan.vlan_id_wlan = 6;
    vlan.feature.vlan_pvid = 7;
    return vlan;
}

WirelessTabOutput NewRadio() {
    WirelessTabOutput wireless;
    wireless.changed = true;
    wireless.radio.rf_count = 1;
    wireless.radio.channel = 149;
    WriteTextField(wireless.radio.ssid, wireless.radio.ssid_len, "net");
    wireless.feature.bridge_transparent = 1;
    wireless.feature.wl_dfs = 1;
    return wireless;
}

RebootScheduleOutput NewSchedule() {
    RebootScheduleOutput reboot;
    reboot.changed = true;
    reboot.schedule = {1, 0x22, 210};
    return reboot;
}

TEST(SavePlan, NothingChangedSendsNothingAndWaitsNot) {
    const SavePlan plan = PlanSave(1, SaveInputs{});
    EXPECT_TRUE(plan.steps.empty());
    EXPECT_FALSE(plan.wait.has_value());
}

TEST(SavePlan, RequestOrderAndWait) {
    struct Case {
        std::string_view what;
        bool name, wireless, reboot, vlan, ip;
        std::vector<uint16_t> messages;
        std::optional<WaitPopupSettings> wait;
    };
    const Case cases[] = {
        {"name only", true, false, false, false, false, {8}, std::nullopt},
        {"wireless, timed reboot and name",
         true,
         true,
         true,
         false,
         false,
         {8, 4, 5},
         std::nullopt},
        {"addressing only", false, false, false, false, true, {3}, WaitPopupSettings{15, true, 3}},
        {"VLAN only", false, false, false, true, false, {13}, WaitPopupSettings{60, false, 3}},
        {"addressing and VLAN",
         false,
         false,
         false,
         true,
         true,
         {13, 3},
         WaitPopupSettings{60, false, 3}},
        {"everything",
         true,
         true,
         true,
         true,
         true,
         {8, 4, 5, 13, 3},
         WaitPopupSettings{60, false, 3}},
    };
    for (const auto& c : cases) {
        SaveInputs inputs;
        if (c.name) {
            inputs.ip.name_changed = true;
            inputs.ip.name = MakeNameBlock("mast");
        }
        if (c.wireless)
            inputs.wireless = NewRadio();
        if (c.reboot)
            inputs.reboot = NewSchedule();
        if (c.vlan)
            inputs.vlan = NewVlan();
        if (c.ip) {
            const name_block name = inputs.ip.name;
            const bool name_changed = inputs.ip.name_changed;
            inputs.ip = NewAddress();
            inputs.ip.name = name;
            inputs.ip.name_changed = name_changed;
        }
        const SavePlan plan = PlanSave(1, inputs);
        EXPECT_EQ(Messages(plan), c.messages) << c.what;
        EXPECT_EQ(plan.wait, c.wait) << c.what;
    }
}

TEST(SavePlan, AddressingAloneKeepsItsApplyFlagAndNotesTheNewAddress) {
    SaveInputs inputs;
    inputs.ip = NewAddress();
    const SavePlan plan = PlanSave(1, inputs);
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].note_new_ip, "10.0.0.7");
    EXPECT_EQ(plan.steps[0].request.payload, Hex("01 0a000007 ff000000 00000000 00000000 "
                                                 "00000000 01"));
}

TEST(SavePlan, AddressingWithVlanSwapsTheApplyFlags) {
    SaveInputs inputs;
    inputs.ip = NewAddress();
    inputs.vlan = NewVlan();
    const SavePlan plan = PlanSave(1, inputs);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].request.message, 13);
    EXPECT_FALSE(plan.steps[0].note_new_ip.has_value());
    EXPECT_EQ(plan.steps[0].request.payload, Hex("01 00 0500 0600 0000 0100"));  // apply 1
    EXPECT_EQ(plan.steps[1].request.message, 3);
    EXPECT_EQ(plan.steps[1].note_new_ip, "10.0.0.7");
    EXPECT_EQ(plan.steps[1].request.payload, Hex("01 0a000007 ff000000 00000000 00000000 "
                                                 "00000000 00"));  // apply 0
}

TEST(SavePlan, PayloadLengthsByModel) {
    const std::vector<uint8_t> feature_tail =
        Hex("01 00 0000 0000 0000 00000000 01 00");  // bridge on, DFS on
    struct Case {
        uint32_t ap_type;
        std::size_t wireless_size;
        std::size_t vlan_size;
    };
    const Case cases[] = {
        {1, 328, 10},   {14, 342, 24}, {15, 342, 24},  {18, 342, 24},  {272, 342, 24},
        {273, 342, 24}, {10, 328, 24}, {11, 328, 24},  {268, 328, 24}, {269, 328, 24},
        {270, 328, 24}, {12, 328, 10}, {271, 328, 10}, {4, 328, 10},
    };
    for (const auto& c : cases) {
        SaveInputs inputs;
        inputs.wireless = NewRadio();
        inputs.vlan = NewVlan();
        const SavePlan plan = PlanSave(c.ap_type, inputs);
        ASSERT_EQ(Messages(plan), (std::vector<uint16_t>{4, 13})) << c.ap_type;
        const auto& wireless = plan.steps[0].request.payload;
        const auto& vlan = plan.steps[1].request.payload;
        ASSERT_EQ(wireless.size(), c.wireless_size) << c.ap_type;
        ASSERT_EQ(vlan.size(), c.vlan_size) << c.ap_type;
        const std::vector<uint8_t> radio = BytesOfObject(inputs.wireless.radio);
        EXPECT_TRUE(std::equal(radio.begin(), radio.end(), wireless.begin())) << c.ap_type;
        EXPECT_EQ(radio[6], 149);   // channel
        EXPECT_EQ(radio[31], 'n');  // SSID
        if (c.wireless_size == 342) {
            EXPECT_EQ(std::vector<uint8_t>(wireless.begin() + 328, wireless.end()), feature_tail);
        }
        EXPECT_EQ(std::vector<uint8_t>(vlan.begin(), vlan.begin() + 10),
                  Hex("01 00 0500 0600 0000 0000"));
        if (c.vlan_size == 24) {
            EXPECT_EQ(std::vector<uint8_t>(vlan.begin() + 10, vlan.end()),
                      Hex("00 00 0700 0000 0000 00000000 00 00"));
        }
    }
}

TEST(SavePlan, NameAndTimedRebootPayloads) {
    SaveInputs inputs;
    inputs.ip.name_changed = true;
    inputs.ip.name = MakeNameBlock("\xe4\xb8\xad-1");
    inputs.reboot = NewSchedule();
    const SavePlan plan = PlanSave(1, inputs);
    ASSERT_EQ(plan.steps.size(), 2u);
    std::vector<uint8_t> name = Hex("e4 b8 ad 2d 31");
    name.resize(32, 0);
    name.push_back(5);
    EXPECT_EQ(plan.steps[0].request.payload, name);
    EXPECT_EQ(plan.steps[1].request.payload, Hex("01 22 d2 00"));
}

// The four tabs, each failing when it is the one named.
SaveCollectors Tabs(std::vector<std::string>& calls, std::string_view failing) {
    const auto failure = [](std::string_view tab) {
        return RuleFailure{std::string(tab) + " refused", BoxKind::kWarning};
    };
    SaveCollectors collectors;
    collectors.wireless = [&calls, failing, failure]() -> Collected<WirelessTabOutput> {
        calls.push_back("wireless");
        if (failing == "wireless")
            return failure(failing);
        return NewRadio();
    };
    collectors.ip = [&calls, failing, failure]() -> Collected<IpTabOutput> {
        calls.push_back("ip");
        if (failing == "ip")
            return failure(failing);
        IpTabOutput ip = NewAddress();
        ip.name_changed = true;
        ip.name = MakeNameBlock("x");
        return ip;
    };
    collectors.vlan = [&calls, failing, failure]() -> Collected<VlanTabOutput> {
        calls.push_back("vlan");
        if (failing == "vlan")
            return failure(failing);
        return VlanTabOutput{};
    };
    collectors.reboot = [&calls, failing, failure]() -> Collected<RebootScheduleOutput> {
        calls.push_back("reboot");
        if (failing == "reboot")
            return failure(failing);
        return NewSchedule();
    };
    return collectors;
}

TEST(SavePlan, TabsAreCollectedInOrderAndTheFirstFailureStopsTheSave) {
    std::vector<std::string> calls;
    const auto saved = CollectAndPlanSave(1, Tabs(calls, ""));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(calls, (std::vector<std::string>{"wireless", "ip", "vlan", "reboot"}));
    EXPECT_EQ(Messages(saved.output()), (std::vector<uint16_t>{8, 4, 5, 3}));
    EXPECT_EQ(saved.output().wait, (WaitPopupSettings{15, true, 3}));

    const std::pair<std::string_view, std::vector<std::string>> failures[] = {
        {"wireless", {"wireless"}},
        {"ip", {"wireless", "ip"}},
        {"vlan", {"wireless", "ip", "vlan"}},
        {"reboot", {"wireless", "ip", "vlan", "reboot"}},
    };
    for (const auto& [failing, expected_calls] : failures) {
        calls.clear();
        const auto refused = CollectAndPlanSave(1, Tabs(calls, failing));
        ASSERT_FALSE(refused.ok()) << failing;
        EXPECT_EQ(refused.failure().message, std::string(failing) + " refused");
        EXPECT_EQ(calls, expected_calls) << failing;
    }
}

}  // namespace
}  // namespace brelvo::core
