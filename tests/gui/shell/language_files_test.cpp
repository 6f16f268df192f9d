// The two language files the program ships: read through the program's own lookup from the
// folder they are kept in.
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/support/ini_file.h"
#include "core/support/translation.h"

namespace {

const std::filesystem::path kProgramFolder =
    std::filesystem::path(BRELVO_SKIN_SOURCE_DIR).parent_path();

// Texts the program writes as keys: each needs an English wording in both languages.
const char* const kKeyLikeTexts[] = {
    "IP_Address",  "Wireless_location", "Disable_off", "On2",           "Off2",
    "Sub_Network", "Gate_Way",          "Major_Dns",   "OperationMode", "SearchOtherAP",
};

const char* const kUrlKeys[] = {"Product_url", "Support_url", "Contact_url", "Help_url"};

bool IsWebAddress(const std::string& text) {
    return text.rfind("https://", 0) == 0 || text.rfind("http://", 0) == 0;
}

bool HasChinese(const std::string& text) {
    // Every CJK ideograph is three bytes in UTF-8, led by 0xE4 to 0xE9.
    for (const unsigned char byte : text) {
        if (byte >= 0xE4 && byte <= 0xE9)
            return true;
    }
    return false;
}

// The keys of a language file, read line by line: every "key=value" line that is not a
// comment.
std::vector<std::string> KeysOf(const std::filesystem::path& file) {
    std::vector<std::string> keys;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        if (line.empty() || line.front() == ';' || line.front() == '[' ||
            equals == std::string::npos)
            continue;
        keys.push_back(line.substr(0, equals));
    }
    return keys;
}

}  // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT

private slots:
    void localesChooseTheirLanguage_data();
    void localesChooseTheirLanguage();
    void keyLikeTextsReadAsWords_data();
    void keyLikeTextsReadAsWords();
    void helpAddressesAreWebAddresses();
    void everyEnglishKeyHasAChineseWording();
};

void LanguageFilesTest::localesChooseTheirLanguage_data() {
    QTest::addColumn<int>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("languageId");
    QTest::newRow("zh_CN") << 2052 << "Chinese" << 2052;
    QTest::newRow("zh_TW") << 1028 << "Chinese" << 1028;
    QTest::newRow("en_US") << 1033 << "English" << 1033;
    QTest::newRow("ja_JP, no entry") << 1041 << "English" << 1033;
}

void LanguageFilesTest::localesChooseTheirLanguage() {
    QFETCH(int, locale);
    QFETCH(QString, language);
    QFETCH(int, languageId);
    brelvo::core::LoadLanguage(kProgramFolder, static_cast<uint16_t>(locale));
    QCOMPARE(QString::fromStdString(brelvo::core::LanguageName()), language);
    QCOMPARE(int(brelvo::core::LanguageId()), languageId);
    QVERIFY(std::filesystem::exists(brelvo::core::LanguageFilePath()));
}

void LanguageFilesTest::keyLikeTextsReadAsWords_data() {
    QTest::addColumn<int>("locale");
    QTest::newRow("English") << 1033;
    QTest::newRow("Chinese") << 2052;
}

void LanguageFilesTest::keyLikeTextsReadAsWords() {
    QFETCH(int, locale);
    brelvo::core::LoadLanguage(kProgramFolder, static_cast<uint16_t>(locale));
    for (const char* text : kKeyLikeTexts) {
        const std::string shown = brelvo::core::Translate(text);
        QVERIFY2(shown != text, text);
        QVERIFY2(shown.find('_') == std::string::npos, text);
        if (locale == 2052)
            QVERIFY2(HasChinese(shown), text);
    }
    // Menu labels are English prose: English shows them as written.
    const std::string status = brelvo::core::Translate("Device status");
    QCOMPARE(HasChinese(status), locale == 2052);
}

void LanguageFilesTest::helpAddressesAreWebAddresses() {
    for (const int locale : {1033, 2052}) {
        brelvo::core::LoadLanguage(kProgramFolder, static_cast<uint16_t>(locale));
        for (const char* key : kUrlKeys)
            QVERIFY2(IsWebAddress(brelvo::core::Translate(key)), key);
    }
}

void LanguageFilesTest::everyEnglishKeyHasAChineseWording() {
    const auto languages = kProgramFolder / "Languages";
    const auto chinese = brelvo::core::IniFile::Load(languages / "Chinese.lng");
    const auto keys = KeysOf(languages / "English.lng");
    QVERIFY(keys.size() > 10);
    for (const std::string& key : keys)
        QVERIFY2(!chinese.Get("ProgramOutStr", key, "").empty(), key.c_str());
}

QTEST_MAIN(LanguageFilesTest)
#include "language_files_test.moc"
