// Translation of every visible text. Texts are written in English in the program and looked up,
// by their lower-cased wording, in the language file chosen from the system locale. A text
// without a translation is shown as written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brelvo::core {

constexpr uint16_t kLanguageChinese = 2052;
constexpr uint16_t kLanguageEnglish = 1033;

// Loads the language once at start-up. The language identifier comes from the POSIX locale
// (LC_ALL, LC_MESSAGES, LANG); "Languages/Language.ini" of the program folder maps it to a
// language file, English when it names none.
void LoadLanguage(const std::filesystem::path& program_folder);
// The same with a given locale identifier, for tests and for a locale chosen elsewhere.
void LoadLanguage(const std::filesystem::path& program_folder, uint16_t system_locale_id);

// The translation of one text, with the escape sequences replaced.
std::string Translate(std::string_view text);

// Translate, then format one "%d" (a text with a placeholder is translated first).
std::string TranslateFormat(std::string_view text, std::initializer_list<long long> values);
std::string TranslateFormat(std::string_view text, long long value);
std::string TranslateFormat(std::string_view text, long long first, long long second);

// 2052 until a language is loaded; then the system locale, or 1033 when no language is named
// for it. The theme chooses its "_chinese" pictures by it.
uint16_t LanguageId();
std::string LanguageName();
std::filesystem::path LanguageFilePath();

// The locale identifier of a POSIX locale name such as "zh_CN.UTF-8"; 1033 when unknown.
uint16_t LocaleIdFromName(std::string_view locale_name);
// The locale identifier of this process's environment.
uint16_t SystemLocaleId();

// The escape sequences every looked-up text may carry: "\r\n", "\n", "[~NullInfoChrys~]",
// "[~Null~]", replaced in this order.
std::string ReplaceEscapes(std::string text);

}  // namespace brelvo::core
