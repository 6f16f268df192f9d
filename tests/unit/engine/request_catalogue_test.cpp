#include "core/engine/request_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/protocol/packet.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

TEST(RequestCatalogue, PayloadSizesPerModel) {
    struct Case {
        uint16_t message;
        uint16_t ap_type;
        std::size_t size;
    };
    const Case cases[] = {
        {3, 1, 22},    {4, 1, 328},   {4, 14, 342},  {4, 15, 342},  {4, 18, 342}, {4, 272, 342},
        {4, 273, 342}, {4, 10, 328},  {4, 257, 328}, {5, 1, 4},     {6, 1, 0},    {7, 1, 328},
        {8, 1, 33},    {9, 1, 0},     {10, 1, 0},    {11, 1, 268},  {13, 1, 10},  {13, 10, 24},
        {13, 11, 24},  {13, 268, 24}, {13, 269, 24}, {13, 270, 24}, {13, 14, 24}, {13, 3, 10},
        {13, 271, 10}, {16, 1, 0},    {18, 1, 14},   {19, 1, 14},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PayloadSizeFor(c.message, c.ap_type), c.size)
            << "message " << c.message << " model " << c.ap_type;
}

TEST(RequestCatalogue, OnlyRequestsThatExpectAnAnswerAreRepeated) {
    for (const uint16_t message : {1, 6, 15, 17})
        EXPECT_FALSE(IsRetransmittable(message)) << message;
    for (const uint16_t message : {2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 16, 18, 19})
        EXPECT_TRUE(IsRetransmittable(message)) << message;
    EXPECT_EQ(FindRequest(14), nullptr);
}

TEST(RequestCatalogue, SlicesAreTakenFromTheRightRecordBytes) {
    ap_info_stu record = ZeroRecord();
    auto* raw = reinterpret_cast<uint8_t*>(&record);
    for (std::size_t k = kInfoBlockOffset; k < sizeof record; ++k)
        raw[k] = static_cast<uint8_t>(k - kInfoBlockOffset);  // block offset, low byte
    record.ap_type = 14;

    const auto ip = *SlicePayload(kMsgSetIp, record);
    ASSERT_EQ(ip.size(), 22u);
    EXPECT_EQ(ip.front(), 8);  // block offsets 8 to 29
    EXPECT_EQ(ip.back(), 29);

    const auto wireless = *SlicePayload(kMsgSetWireless, record);
    ASSERT_EQ(wireless.size(), 342u);
    EXPECT_EQ(wireless[0], 100);                          // block 100 ..
    EXPECT_EQ(wireless[327], static_cast<uint8_t>(427));  // .. 427
    EXPECT_EQ(wireless[328], static_cast<uint8_t>(742));  // then block 742 ..
    EXPECT_EQ(wireless[341], static_cast<uint8_t>(755));  // .. 755

    record.ap_type = 1;
    EXPECT_EQ(SlicePayload(kMsgSetWireless, record)->size(), 328u);
    const auto vlan = *SlicePayload(kMsgSetVlan, record);
    EXPECT_EQ(vlan, test::Hex("DC DD DE DF E0 E1 E2 E3 E4 E5"));  // block 732 .. 741
    const auto name = *SlicePayload(kMsgSetName, record);
    EXPECT_EQ(name.size(), 33u);
    EXPECT_EQ(name.front(), 30);
    EXPECT_EQ(*SlicePayload(kMsgSetTimedReboot, record), test::Hex("60 61 62 63"));
    EXPECT_EQ(SlicePayload(kMsgSetTdma, record)->front(), static_cast<uint8_t>(742));
    EXPECT_FALSE(SlicePayload(kMsgReboot, record));
}

}  // namespace
}  // namespace brelvo::core
