#include "core/rules/upgrade_setup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;

std::vector<DeviceRowTexts> TickedRows(std::size_t count) {
    std::vector<DeviceRowTexts> rows;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 10);
        rows.push_back({true, "10.0.0." + n, "00:00:00:00:00:" + n, "NV-114", "", ""});
    }
    rows.push_back({false, "10.0.0.99", "00:00:00:00:00:99", "NV-114", "", ""});
    return rows;
}

TEST(UpgradeSetup, OneToTenDevices) {
    const auto none = SelectUpgradeDevices(TickedRows(0));
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.failure().message, "Please select the devices!");
    EXPECT_EQ(none.failure().box, BoxKind::kWarning);

    const auto ten = SelectUpgradeDevices(TickedRows(10));
    ASSERT_TRUE(ten.ok());
    EXPECT_EQ(ten.output().size(), 10u);

    const auto eleven = SelectUpgradeDevices(TickedRows(11));
    ASSERT_FALSE(eleven.ok());
    EXPECT_EQ(eleven.failure().message, "Maximum selection of 10 devices!");
    EXPECT_EQ(eleven.failure().box, BoxKind::kWarning);
}

TEST(UpgradeSetup, TypeEntriesInOrderOfFirstAppearance) {
    const std::vector<device_target> targets{
        MakeTarget("10.0.0.1", "00:00:00:00:00:01", 14),
        MakeTarget("10.0.0.2", "00:00:00:00:00:02", 1),
        MakeTarget("10.0.0.3", "00:00:00:00:00:03", 14),
    };
    EXPECT_EQ(UpgradeTypeEntries(targets),
              (std::vector<UpgradeTypeEntry>{{"NV-114", 14}, {"NV-101", 1}}));
}

TEST(UpgradeSetup, PathChecks) {
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"", "Please select the upgrade file!"},
        {u"/srv/firmware.bin", ""},
        {u"/srv/firmware.BIN", ""},
        {u"/srv/firmware.Bin", "Upgrade file is not .bin file!"},
        {u"/srv/firmware.img", "Upgrade file is not .bin file!"},
        {u"bin", "Upgrade file is not .bin file!"},
        {u".bin", ""},
    };
    for (const auto& [path, message] : cases) {
        const RuleResult result = CheckUpgradePath(path);
        EXPECT_EQ(result ? result->message : "", message);
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kTitledWarning);
        }
    }
}

TEST(UpgradeSetup, ImagePathParts) {
    const ImagePath path = SplitImagePath("/srv/images/fw.bin");
    EXPECT_EQ(path.file_name, "fw.bin");
    EXPECT_EQ(path.folder, "/srv/images");
    EXPECT_EQ(path.full_path, "/srv/images/fw.bin");
}

TEST(UpgradeSetup, PayloadForASevenMegabyteImage) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "upgrade_setup_image";
    std::filesystem::create_directories(folder);
    const auto image = folder / "fw.bin";
    std::ofstream(image, std::ios::binary).put('\0');
    std::filesystem::resize_file(image, 7'340'032);

    const ImagePath path = SplitImagePath(image);
    const upgrade_file_info info = MakeUpgradeFileInfo(path.file_name, ImageFileSize(image));

    std::vector<uint8_t> expected(268, 0);
    const uint8_t name[] = {'f', 'w', '.', 'b', 'i', 'n'};
    std::copy(std::begin(name), std::end(name), expected.begin());  // NUL and zeros follow
    expected[260] = 6;                                              // name length
    expected[264] = 0x00;                                           // 7,340,032 = 0x00700000
    expected[265] = 0x00;
    expected[266] = 0x70;
    expected[267] = 0x00;
    EXPECT_EQ(BytesOfObject(info), expected);
    std::filesystem::remove_all(folder);
}

TEST(UpgradeSetup, AnImageThatCannotBeReadHasSizeZero) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "upgrade_setup_missing";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(ImageFileSize(folder / "none.bin"), 0u);
    EXPECT_EQ(ImageFileSize(folder), 0u);
    std::filesystem::remove_all(folder);
}

TEST(UpgradeSetup, LongNamesKeepTheLengthByteTrue) {
    // A name of 300 bytes (no file system here allows one) is cut to 255 whole characters.
    const std::string long_name = std::string(299, 'a') + "\xe4\xb8\xad";
    const upgrade_file_info info = MakeUpgradeFileInfo(long_name, 1);
    EXPECT_EQ(info.name_length, 255);
    EXPECT_EQ(info.file_name[254], 'a');
    EXPECT_EQ(info.file_name[255], '\0');
    const upgrade_file_info cut = MakeUpgradeFileInfo(std::string(253, 'a') + "\xe4\xb8\xad", 1);
    EXPECT_EQ(cut.name_length, 253);  // the Chinese character would not fit whole
}

}  // namespace
}  // namespace brelvo::core
