#include "core/protocol/value_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/protocol/device_record.h"
#include "core/support/translation.h"

namespace brelvo::core {
namespace {

// A program folder with a language that translates the switch texts, so the tests can tell a
// translated text from a key.
class ValueTexts : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(testing::TempDir()) / "value_texts_lang";
        std::filesystem::create_directories(folder_ / "Languages");
        std::ofstream(folder_ / "Languages" / "Language.ini") << "[LCID]\n1033=English\n";
        std::ofstream(folder_ / "Languages" / "English.lng")
            << "[ProgramOutStr]\non2=On\noff2=Off\nauto=Automatic\nreseting=Resetting\n";
        LoadLanguage(folder_, 1033);
    }
    void TearDown() override { LoadLanguage(folder_ / "none", 1033); }

    std::filesystem::path folder_;
};

TEST_F(ValueTexts, StatusTexts) {
    EXPECT_EQ(StatusText(0), "Outline");
    EXPECT_EQ(StatusText(1), "Online");
    EXPECT_EQ(StatusText(5), "Resetting");  // translated
    EXPECT_EQ(StatusText(9), "Upgrade fail");
    EXPECT_EQ(StatusText(10), "");
}

TEST_F(ValueTexts, WorkModeAndSecurityTexts) {
    EXPECT_EQ(WorkModeText(1), "AP");
    EXPECT_EQ(WorkModeText(7), "Router");
    EXPECT_EQ(WorkModeText(0), "");
    EXPECT_EQ(WorkModeText(8), "");
    EXPECT_EQ(SecurityText(0), "Disable");
    EXPECT_EQ(SecurityText(4), "WPAWPA2_PSK");
    EXPECT_EQ(SecurityText(7), "");
}

TEST_F(ValueTexts, ModelTextsAndCodes) {
    EXPECT_EQ(ModelText(1), "NV-101");
    EXPECT_EQ(ModelText(18), "NV-118");
    EXPECT_EQ(ModelText(257), "NV-201");
    EXPECT_EQ(ModelText(275), "NV-219");
    EXPECT_EQ(ModelText(274), "NV-101");  // no row
    EXPECT_EQ(ModelText(999), "NV-101");
    EXPECT_EQ(ModelCode("NV-219"), 275);
    EXPECT_EQ(ModelCode("NV-114"), 14);
    EXPECT_EQ(ModelCode(""), 273);
    EXPECT_EQ(ModelCode("nv-114"), 273);  // exact comparison
}

TEST_F(ValueTexts, ChannelText) {
    EXPECT_EQ(ChannelText(0), "Automatic");
    EXPECT_EQ(ChannelText(149), "149");
}

TEST_F(ValueTexts, SwitchTexts) {
    EXPECT_EQ(TransparentBridgeText(1, kModeStation, 1), "On");
    EXPECT_EQ(TransparentBridgeText(1, kModeAccessPoint, 0), "Off");
    EXPECT_EQ(TransparentBridgeText(1, kModeRouter, 1), "N/A");
    EXPECT_EQ(TransparentBridgeText(1, kModeRepeater, 1), "N/A");
    EXPECT_EQ(TransparentBridgeText(4, kModeStation, 1), "N/A");
    EXPECT_EQ(TransparentBridgeText(261, kModeStation, 1), "N/A");
    EXPECT_EQ(TdmaText(14, 1), "On");
    EXPECT_EQ(TdmaText(273, 0), "Off");
    EXPECT_EQ(TdmaText(1, 1), "N/A");
    EXPECT_EQ(TdmaText(271, 1), "N/A");
}

TEST_F(ValueTexts, UptimeText) {
    EXPECT_EQ(UptimeText(0), "0:0:0");
    EXPECT_EQ(UptimeText(86399), "23:59:59");
    EXPECT_EQ(UptimeText(86400), "1 0:0:0");
    EXPECT_EQ(UptimeText(86400 + 3600 + 60 + 1), "1 1:1:1");
}

TEST(ValueTextsUntranslated, ShowTheKeysWhenTheLanguageHasNoEntry) {
    LoadLanguage(std::filesystem::path(testing::TempDir()) / "no_such_folder", 1033);
    EXPECT_EQ(TdmaText(14, 1), "On2");
    EXPECT_EQ(ChannelText(0), "Auto");
}

}  // namespace
}  // namespace brelvo::core
