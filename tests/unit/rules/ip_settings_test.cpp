#include "core/rules/ip_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/support/text_codec.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;
using test::Hex;

void SetAddress(uint8_t (&field)[4], Ipv4Bytes bytes) {
    std::memcpy(field, bytes.data(), 4);
}

// A device as it reports itself: mode 0 (not the 1 the pages send), a name, no second DNS.
ap_info_stu ReportedDevice() {
    ap_info_stu record = ZeroRecord();
    SetRecordMac(record, "00:11:22:33:44:55");
    record.ap_type = 1;
    record.ip_mode = 0;
    SetAddress(record.ip, {192, 168, 1, 20});
    SetAddress(record.ip_mask, {255, 255, 255, 0});
    SetAddress(record.ip_gateway, {192, 168, 1, 1});
    SetAddress(record.ip_dns1, {8, 8, 8, 8});
    WriteTextField(record.ap_name, record.ap_name_len, "roof");
    return record;
}

const std::vector<std::string> kStoredIps{"192.168.1.20", "192.168.1.30"};

TEST(IpTab, FillShowsTheRecord) {
    const IpTabFields fields = FillIpTab(ReportedDevice());
    EXPECT_EQ(fields.address, u"192.168.1.20");
    EXPECT_EQ(fields.mask, u"255.255.255.0");
    EXPECT_EQ(fields.gateway, u"192.168.1.1");
    EXPECT_EQ(fields.primary_dns, u"8.8.8.8");
    EXPECT_EQ(fields.secondary_dns, u"0.0.0.0");
    EXPECT_EQ(fields.name, u"roof");
}

TEST(IpTab, UnchangedFieldsChangeNothing) {
    const ap_info_stu record = ReportedDevice();
    IpTabFields fields = FillIpTab(record);
    fields.secondary_dns = u"";  // a blank control may read as empty text
    const auto result = CollectIpSettings(record, fields, kStoredIps);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.output().addressing_changed);  // despite the reported mode 0
    EXPECT_FALSE(result.output().name_changed);
}

TEST(IpTab, NewAddressGivesTheBlockWithModeAndApplyFlagOne) {
    const ap_info_stu record = ReportedDevice();
    IpTabFields fields = FillIpTab(record);
    fields.address = u"192.168.1.31";
    const auto result = CollectIpSettings(record, fields, kStoredIps);
    ASSERT_TRUE(result.ok()) << result.failure().message;
    EXPECT_TRUE(result.output().addressing_changed);
    EXPECT_EQ(BytesOfObject(result.output().addressing),
              Hex("01"           // ip_mode
                  "c0 a8 01 1f"  // ip 192.168.1.31
                  "ff ff ff 00"  // mask
                  "c0 a8 01 01"  // gateway
                  "08 08 08 08"  // primary DNS
                  "00 00 00 00"  // secondary DNS
                  "01"));        // apply
}

TEST(IpTab, AddressingFailures) {
    struct Case {
        std::string_view what;
        IpTabFields change;  // empty texts keep the record's value
        std::string_view message;
    };
    const Case cases[] = {
        {"address of another device",
         {u"192.168.1.30", {}, {}, {}, {}, {}},
         "The ip address is already in use, please respecify!"},
        {"invalid address", {u"192.168.1.0", {}, {}, {}, {}, {}}, "The ip address is invalid!"},
        {"gateway elsewhere",
         {{}, {}, u"192.168.2.1", {}, {}, {}},
         "Ip address and gateway address is not in the same subnet!"},
        {"address checked before the name",
         {u"127.0.0.1", {}, {}, {}, {}, u" "},
         "The ip address is invalid!"},
        {"name",
         {{}, {}, {}, {}, {}, u"a\u00e9"},
         "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII "
         "characters"},
    };
    for (const auto& c : cases) {
        const ap_info_stu record = ReportedDevice();
        IpTabFields fields = FillIpTab(record);
        if (!c.change.address.empty())
            fields.address = c.change.address;
        if (!c.change.gateway.empty())
            fields.gateway = c.change.gateway;
        if (!c.change.name.empty())
            fields.name = c.change.name;
        const auto result = CollectIpSettings(record, fields, kStoredIps);
        ASSERT_FALSE(result.ok()) << c.what;
        EXPECT_EQ(result.failure().message, c.message) << c.what;
    }
}

TEST(IpTab, ChangingOnlyTheGatewaySkipsTheInUseTest) {
    // The device's own address is in the store; an in-use test would refuse it.
    const ap_info_stu record = ReportedDevice();
    IpTabFields fields = FillIpTab(record);
    fields.gateway = u"192.168.1.254";
    const auto result = CollectIpSettings(record, fields, kStoredIps);
    ASSERT_TRUE(result.ok()) << result.failure().message;
    EXPECT_TRUE(result.output().addressing_changed);
    EXPECT_EQ(result.output().addressing.ip_gateway[3], 254);
}

TEST(IpTab, RulesDoNotRunOnUnchangedAddressing) {
    // A device that reports an address the rules refuse can still be renamed.
    ap_info_stu record = ReportedDevice();
    SetAddress(record.ip_gateway, {10, 0, 0, 1});
    IpTabFields fields = FillIpTab(record);
    fields.name = u"mast";
    const auto result = CollectIpSettings(record, fields, kStoredIps);
    ASSERT_TRUE(result.ok()) << result.failure().message;
    EXPECT_FALSE(result.output().addressing_changed);
    EXPECT_TRUE(result.output().name_changed);
}

TEST(IpTab, NameBlock) {
    struct Case {
        std::u16string name;
        uint32_t ap_type;
        bool changed;
        std::vector<uint8_t> block;
    };
    const Case cases[] = {
        {u"roof", 1, false, Hex("72 6f 6f 66")},
        {u"roof-2", 4, true, Hex("72 6f 6f 66 2d 32")},
        {u"\u4e2d\u6587", 1, true, Hex("e4 b8 ad e6 96 87")},
    };
    for (const auto& c : cases) {
        ap_info_stu record = ReportedDevice();
        record.ap_type = static_cast<uint16_t>(c.ap_type);
        IpTabFields fields = FillIpTab(record);
        fields.name = c.name;
        const auto result = CollectIpSettings(record, fields, kStoredIps);
        ASSERT_TRUE(result.ok()) << Utf16ToUtf8(c.name);
        EXPECT_EQ(result.output().name_changed, c.changed) << Utf16ToUtf8(c.name);
        std::vector<uint8_t> expected(33, 0);
        std::copy(c.block.begin(), c.block.end(), expected.begin());
        expected[32] = static_cast<uint8_t>(c.block.size());
        EXPECT_EQ(BytesOfObject(result.output().name), expected) << Utf16ToUtf8(c.name);
    }
}

TEST(IpTab, TenChineseCharactersFitElevenDoNot) {
    const ap_info_stu record = ReportedDevice();
    IpTabFields fields = FillIpTab(record);
    fields.name = std::u16string(10, u'\u4e2d');
    const auto ten = CollectIpSettings(record, fields, kStoredIps);
    ASSERT_TRUE(ten.ok());
    EXPECT_EQ(ten.output().name.ap_name_len, 30);
    fields.name = std::u16string(11, u'\u4e2d');
    EXPECT_FALSE(CollectIpSettings(record, fields, kStoredIps).ok());
}

// --- the Set IP pop-up ---

TEST(SetIpPopup, LayoutByDeviceCount) {
    const SetIpLayout one = SetIpPopupLayout(1);
    EXPECT_FALSE(one.end_row_shown);
    EXPECT_EQ(one.start_label, "IP_Address");
    EXPECT_EQ(one.start_row_shift, 33);
    EXPECT_FALSE(one.progress_shown);

    const SetIpLayout three = SetIpPopupLayout(3);
    EXPECT_TRUE(three.end_row_shown);
    EXPECT_EQ(three.start_label, "IP_Address_Begin");
    EXPECT_EQ(three.end_label, "IP_Address_End");
    EXPECT_EQ(three.start_row_shift, 0);
}

TEST(SetIpPopup, FillFromTheFirstDevice) {
    const SetIpFields fields = FillSetIpPopup(SliceOf<ip_block>(ReportedDevice()));
    EXPECT_EQ(fields.start, u"192.168.1.20");
    EXPECT_EQ(fields.end, u"");
    EXPECT_EQ(fields.mask, u"255.255.255.0");
    EXPECT_EQ(fields.gateway, u"192.168.1.1");
    EXPECT_EQ(fields.primary_dns, u"8.8.8.8");
    EXPECT_EQ(fields.secondary_dns, u"0.0.0.0");
}

TEST(SetIpPopup, SaveChecksTheRangeForSeveralDevicesOnly) {
    SetIpFields fields{u"10.0.0.5", u"", u"255.255.255.0", u"10.0.0.1", u"", u""};
    const auto single = SaveSetIpPopup(fields, 1);
    ASSERT_TRUE(single.ok());
    EXPECT_EQ(single.output().first, (Ipv4Bytes{10, 0, 0, 5}));
    EXPECT_EQ(single.output().gateway, (Ipv4Bytes{10, 0, 0, 1}));

    const auto several = SaveSetIpPopup(fields, 2);
    ASSERT_FALSE(several.ok());
    EXPECT_EQ(several.failure().message, "The ip address is invalid!");
    EXPECT_EQ(several.failure().box, BoxKind::kPlain);

    fields.end = u"10.0.0.9";
    const auto range = SaveSetIpPopup(fields, 2);
    ASSERT_TRUE(range.ok());
    EXPECT_EQ(range.output().last, (Ipv4Bytes{10, 0, 0, 9}));
    EXPECT_EQ(range.output().mask, (Ipv4Bytes{255, 255, 255, 0}));
}

}  // namespace
}  // namespace brelvo::core
