// The INI reader: "Setting.ini", "Language.ini", the language files and "FileServer.ini" are all
// files anyone with access to the program folder may have edited.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/support/ini_file.h"
#include "core/support/text_codec.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    brelvo::core::IniFile file = brelvo::core::IniFile::Parse(text);

    // Keys the program looks up, and one section and key taken from the input itself.
    const std::string_view first_line = text.substr(0, text.find('\n'));
    const std::string_view own_section = first_line.substr(0, first_line.find('='));
    const std::string_view own_key =
        first_line.substr(std::min(first_line.size(), own_section.size() + 1));
    const std::pair<std::string_view, std::string_view> lookups[] = {
        {"Setting", "retransmission_max"}, {"LCID", "2052"},          {"ProgramOutStr", "search"},
        {"SERVER", "Directory"},           {"Color", "ChildBkColor"}, {own_section, own_key},
    };
    const brelvo::core::IniFile reread = brelvo::core::IniFile::Parse(file.Serialize());
    for (const auto& [section, key] : lookups) {
        const auto value = file.Find(section, key);
        FUZZ_CHECK(!value || value->find('\n') == std::string::npos, "a value stays on its line");
        FUZZ_CHECK(reread.Find(section, key) == value, "writing the file back keeps every value");
        if (value) {
            const std::string_view cut = brelvo::core::Utf8PrefixOfUtf16Length(*value, 31);
            FUZZ_CHECK(value->starts_with(cut), "a cut value is a beginning of the value");
        }
    }

    file.Set("SERVER", "Directory", "/srv/firmware");
    FUZZ_CHECK(file.Find("server", "directory") == "/srv/firmware", "a written key reads back");
    FUZZ_CHECK(brelvo::core::IniFile::Parse(file.Serialize()).Find("SERVER", "Directory") ==
                   "/srv/firmware",
               "a written key survives the file");
    return 0;
}
