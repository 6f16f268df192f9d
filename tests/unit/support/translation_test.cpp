#include "core/support/translation.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace brelvo::core {
namespace {

const std::filesystem::path kFixture =
    std::filesystem::path(BRELVO_TEST_DATA_DIR) / "support" / "data" / "translation";

class TranslationTest : public testing::Test {
protected:
    // Later tests must not see this test's language.
    void TearDown() override { LoadLanguage(kFixture / "none", kLanguageEnglish); }
};

TEST_F(TranslationTest, ChineseLocaleUsesTheLanguageFileNamedForIt) {
    LoadLanguage(kFixture, 2052);
    EXPECT_EQ(LanguageId(), 2052);
    EXPECT_EQ(LanguageName(), "Chinese");
    EXPECT_EQ(LanguageFilePath(), kFixture / "Languages" / "Chinese.lng");
    EXPECT_EQ(Translate("Search"), "搜索");
}

TEST_F(TranslationTest, KeysCompareWithoutLetterCase) {
    LoadLanguage(kFixture, 2052);
    // The file writes "UPGRADE"; every spelling of the text finds it.
    for (const char* text : {"Upgrade", "upgrade", "UPGRADE", "uPgRaDe"})
        EXPECT_EQ(Translate(text), "升级") << text;
    EXPECT_EQ(Translate("SEARCH"), "搜索");
}

TEST_F(TranslationTest, TextWithoutTranslationIsReturnedAsWritten) {
    LoadLanguage(kFixture, 2052);
    EXPECT_EQ(Translate("Not In The File"), "Not In The File");
    // A key present with an empty value counts as no translation.
    EXPECT_EQ(Translate("Empty translation"), "Empty translation");
    EXPECT_EQ(Translate(""), "");
}

TEST_F(TranslationTest, EscapesOfTheTranslationAreReplaced) {
    LoadLanguage(kFixture, 2052);
    EXPECT_EQ(Translate("Two lines"), "第一行\r\n第二行");
}

TEST_F(TranslationTest, PlaceholderIsFilledAfterTranslation) {
    LoadLanguage(kFixture, 2052);
    EXPECT_EQ(TranslateFormat("Online device count:%d", 12), "在线设备数:12");
}

TEST_F(TranslationTest, LocaleWithoutEntryFallsBackToEnglish) {
    LoadLanguage(kFixture, 1041);
    EXPECT_EQ(LanguageId(), kLanguageEnglish);
    EXPECT_EQ(LanguageName(), "English");
    EXPECT_EQ(LanguageFilePath(), kFixture / "Languages" / "English.lng");
    EXPECT_EQ(Translate("On2"), "On");
}

TEST_F(TranslationTest, MissingLanguageIniFallsBackToEnglish) {
    const test::TempFolder folder;
    LoadLanguage(folder.path(), 2052);
    EXPECT_EQ(LanguageId(), kLanguageEnglish);
    EXPECT_EQ(LanguageName(), "English");
    EXPECT_EQ(Translate("Search"), "Search");
}

TEST_F(TranslationTest, MissingLanguageFileShowsTextsAsWrittenWithEscapesReplaced) {
    // Language.ini names "French", but there is no French.lng: the locale stays.
    LoadLanguage(kFixture, 1036);
    EXPECT_EQ(LanguageId(), 1036);
    EXPECT_EQ(LanguageName(), "French");
    EXPECT_EQ(LanguageFilePath(), kFixture / "Languages" / "French.lng");
    EXPECT_EQ(Translate("Search"), "Search");
    EXPECT_EQ(Translate("a\\nb"), "a\nb");
}

TEST_F(TranslationTest, LanguageNameStaysInsideTheLanguagesFolder) {
    const test::TempFolder folder;
    folder.Write("Languages/Language.ini", "[LCID]\n2052=/Chinese\n");
    folder.Write("Languages/Chinese.lng", "[ProgramOutStr]\nsearch=搜索\n");
    LoadLanguage(folder.path(), 2052);
    EXPECT_EQ(Translate("Search"), "搜索");
}

TEST_F(TranslationTest, LongTranslationIsCutAtCharactersNotBytes) {
    const test::TempFolder folder;
    std::string fits;  // 1022 characters, 3066 bytes
    for (int i = 0; i < 1022; ++i)
        fits += "字";
    folder.Write("Languages/Language.ini", "[LCID]\n2052=Chinese\n");
    folder.Write("Languages/Chinese.lng",
                 "[ProgramOutStr]\nfits=" + fits + "\ntoo long=" + fits + "尾\n");
    LoadLanguage(folder.path(), 2052);
    EXPECT_EQ(Translate("fits"), fits);
    EXPECT_EQ(Translate("too long"), fits);
}

struct EscapeCase {
    const char* text;
    const char* expected;
};

class EscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeTest, ReplacesEachSequenceInOrder) {
    EXPECT_EQ(ReplaceEscapes(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, EscapeTest,
    testing::Values(EscapeCase{"first\\r\\nsecond", "first\r\nsecond"},
                    EscapeCase{"first\\nsecond", "first\nsecond"}, EscapeCase{"[~Null~]", " "},
                    EscapeCase{"[~NullInfoChrys~]", ""}, EscapeCase{"a\\r\\nb\\nc", "a\r\nb\nc"},
                    // Removing the marker joins a "[~Null~]" that is replaced afterwards ...
                    EscapeCase{"[~Nu[~NullInfoChrys~]ll~]", " "},
                    // ... but a "\n" it joins comes too late to become a line break.
                    EscapeCase{"\\[~NullInfoChrys~]n", "\\n"}, EscapeCase{"\\r alone", "\\r alone"},
                    EscapeCase{"plain", "plain"}));

TEST_F(TranslationTest, UntranslatedTextKeepsItsEscapes) {
    LoadLanguage(kFixture, 2052);
    EXPECT_EQ(Translate("Word\\r\\nOther"), "Word\r\nOther");
    EXPECT_EQ(Translate("[~Null~]"), " ");
    EXPECT_EQ(Translate("[~NullInfoChrys~]"), "");
}

TEST(LocaleIdTest, MapsPosixLocaleNames) {
    const struct {
        const char* name;
        uint16_t id;
    } cases[] = {
        {"zh_CN.UTF-8", 2052}, {"zh_CN", 2052},
        {"zh_TW.Big5", 1028},  {"en_US.UTF-8", 1033},
        {"en_GB@euro", 2057},  {"ja_JP.eucJP", 1041},
        {"de_DE", 1031},       {"fr_FR.UTF-8", 1036},
        {"es_ES", 3082},       {"ru_RU", 1049},
        {"C", 1033},           {"POSIX", 1033},
        {"C.UTF-8", 1033},     {"", 1033},
        {"xx_YY", 1033},       {"zh", 1033},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocaleIdFromName(c.name), c.id) << c.name;
}

TEST(LocaleIdTest, EnvironmentVariablesInTheirOrderOfPrecedence) {
    test::ScopedEnvironment environment;
    environment.Set("LC_ALL", "ja_JP.UTF-8");
    environment.Set("LC_MESSAGES", "de_DE.UTF-8");
    environment.Set("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(SystemLocaleId(), 1041);
    environment.Set("LC_ALL", "");
    EXPECT_EQ(SystemLocaleId(), 1031);
    environment.Set("LC_MESSAGES", nullptr);
    EXPECT_EQ(SystemLocaleId(), 2052);
    environment.Set("LANG", nullptr);
    EXPECT_EQ(SystemLocaleId(), 1033);
}

}  // namespace
}  // namespace brelvo::core
