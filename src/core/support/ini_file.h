// INI files with the lookup rules of the Windows profile-string functions: section and key
// names compare without regard to letter case, the first match wins, values are trimmed and a
// matching pair of surrounding quotes is dropped.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::core {

class IniFile {
public:
    // An empty file when the path cannot be read.
    static IniFile Load(const std::filesystem::path& path);
    static IniFile Parse(std::string_view text);

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string Get(std::string_view section, std::string_view key,
                    std::string_view default_value) const;

    // Sets a key, adding the section or the key at its end when missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Serialize() const;
    bool Save(const std::filesystem::path& path) const;

    bool empty() const { return lines_.empty(); }

private:
    // Lines are kept as they stand so a write keeps comments and the order of everything else.
    struct Line {
        std::string text;
        std::string section;  // lower-cased section this line belongs to
        std::string key;      // lower-cased key, empty for anything but key=value lines
        std::string value;    // trimmed, quotes dropped
        bool is_header = false;
    };
    std::vector<Line> lines_;
};

// The profile-string reader: the value of `key` in `section` of the file, or the default when
// the file, section or key is missing. `max_length` mirrors the caller's buffer: at most that
// many characters are kept, never half of one (0 = whole).
std::string GetProfileString(const std::filesystem::path& path, std::string_view section,
                             std::string_view key, std::string_view default_value,
                             std::size_t max_length = 0);

// Writes one key, creating the file or the section when missing. False, with the file left as
// it was, when a text holds a line break or the file cannot be written.
bool WriteProfileString(const std::filesystem::path& path, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace brelvo::core
