#include "core/support/translation.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <mutex>
#include <utility>

#include "core/support/ini_file.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

constexpr std::size_t kTranslationMaxLength = 1022;

// The one process-wide translation state. Set once at start-up; every later call only reads.
struct TranslationState {
    std::filesystem::path program_folder = "./";
    std::string language_name;
    std::filesystem::path language_file;
    uint16_t language_id = kLanguageChinese;
    IniFile language;
};

TranslationState& State() {
    static TranslationState state;
    return state;
}

std::mutex& StateMutex() {
    static std::mutex mutex;
    return mutex;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

// Windows locale identifiers of the POSIX locales an installer's machine is likely to use.
constexpr std::array<std::pair<std::string_view, uint16_t>, 24> kLocaleIds{{
    {"zh_CN", 2052}, {"zh_SG", 4100}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"en_US", 1033},
    {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105}, {"ja_JP", 1041}, {"ko_KR", 1042},
    {"de_DE", 1031}, {"fr_FR", 1036}, {"es_ES", 3082}, {"it_IT", 1040}, {"pt_BR", 1046},
    {"pt_PT", 2070}, {"ru_RU", 1049}, {"pl_PL", 1045}, {"nl_NL", 1043}, {"tr_TR", 1055},
    {"cs_CZ", 1029}, {"sv_SE", 1053}, {"vi_VN", 1066}, {"th_TH", 1054},
}};

}  // namespace

uint16_t LocaleIdFromName(std::string_view locale_name) {
    // "zh_CN.UTF-8@variant" -> "zh_CN"
    const std::string_view base = locale_name.substr(0, locale_name.find_first_of(".@"));
    for (const auto& [name, id] : kLocaleIds) {
        if (base == name)
            return id;
    }
    return kLanguageEnglish;
}

uint16_t SystemLocaleId() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LocaleIdFromName(value);
    }
    return kLanguageEnglish;
}

void LoadLanguage(const std::filesystem::path& program_folder) {
    LoadLanguage(program_folder, SystemLocaleId());
}

void LoadLanguage(const std::filesystem::path& program_folder, uint16_t system_locale_id) {
    TranslationState state;
    state.program_folder = program_folder;
    state.language_id = system_locale_id;
    const auto languages = program_folder / "Languages";
    state.language_name = GetProfileString(languages / "Language.ini", "LCID",
                                           std::to_string(system_locale_id), "", 1023);
    if (state.language_name.empty()) {
        state.language_name = "English";
        state.language_id = kLanguageEnglish;
    }
    // Joined as text, not as paths: a name that starts with a separator must not replace the
    // folder and point outside "Languages".
    state.language_file =
        std::filesystem::path(languages.native() + "/" + state.language_name + ".lng");
    state.language = IniFile::Load(state.language_file);

    const std::lock_guard lock(StateMutex());
    State() = std::move(state);
}

std::string Translate(std::string_view text) {
    if (text.empty())
        return {};
    std::string value;
    {
        const std::lock_guard lock(StateMutex());
        value = State().language.Get("ProgramOutStr", AsciiLower(text), "");
    }
    // The lookup buffer holds 1022 characters; counting bytes instead would cut Chinese texts
    // at a third of that and split their last character.
    value.resize(Utf8PrefixOfUtf16Length(value, kTranslationMaxLength).size());
    if (value.empty())
        value = std::string(text);
    return ReplaceEscapes(std::move(value));
}

std::string TranslateFormat(std::string_view text, std::initializer_list<long long> values) {
    std::string out = Translate(text);
    std::size_t pos = 0;
    for (const long long value : values) {
        pos = out.find("%d", pos);
        if (pos == std::string::npos)
            break;
        const std::string number = std::to_string(value);
        out.replace(pos, 2, number);
        pos += number.size();
    }
    return out;
}

std::string TranslateFormat(std::string_view text, long long value) {
    return TranslateFormat(text, {value});
}

std::string TranslateFormat(std::string_view text, long long first, long long second) {
    return TranslateFormat(text, {first, second});
}

uint16_t LanguageId() {
    const std::lock_guard lock(StateMutex());
    return State().language_id;
}

std::string LanguageName() {
    const std::lock_guard lock(StateMutex());
    return State().language_name;
}

std::filesystem::path LanguageFilePath() {
    const std::lock_guard lock(StateMutex());
    return State().language_file;
}

std::string ReplaceEscapes(std::string text) {
    ReplaceAll(text, "\\r\\n", "\r\n");
    ReplaceAll(text, "\\n", "\n");
    ReplaceAll(text, "[~NullInfoChrys~]", "");
    ReplaceAll(text, "[~Null~]", " ");
    return text;
}

}  // namespace brelvo::core
