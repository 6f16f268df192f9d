#include "core/support/ini_file.h"

#include <fstream>
#include <sstream>

#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

std::string StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    // A UTF-8 byte order mark would otherwise become part of the first section name.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        start = end + 1;

        Line line;
        line.text = std::string(raw);
        const std::string_view trimmed = TrimBlanks(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            const std::string_view name =
                close == std::string_view::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1);
            section = AsciiLower(TrimBlanks(name));
            line.is_header = true;
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const auto equals = trimmed.find('=');
            if (equals != std::string_view::npos) {
                line.key = AsciiLower(TrimBlanks(trimmed.substr(0, equals)));
                line.value = StripQuotes(TrimBlanks(trimmed.substr(equals + 1)));
            }
        }
        line.section = section;
        file.lines_.push_back(std::move(line));
    }
    return file;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return IniFile{};
    std::ostringstream content;
    content << in.rdbuf();
    return Parse(content.str());
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const std::string wanted_section = AsciiLower(TrimBlanks(section));
    const std::string wanted_key = AsciiLower(TrimBlanks(key));
    if (wanted_key.empty())
        return std::nullopt;
    // Only the first section of a name is searched, as the writer only writes into that one.
    bool inside = wanted_section.empty();  // lines before any header
    bool seen = inside;
    for (const Line& line : lines_) {
        if (line.is_header) {
            if (line.section == wanted_section && seen)
                break;
            inside = line.section == wanted_section;
            seen = seen || inside;
        } else if (inside && line.key == wanted_key) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         std::string_view default_value) const {
    auto value = Find(section, key);
    return value ? *value : std::string(default_value);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string wanted_section = AsciiLower(TrimBlanks(section));
    const std::string wanted_key = AsciiLower(TrimBlanks(key));
    Line entry;
    entry.text = std::string(key) + "=" + std::string(value);
    entry.section = wanted_section;
    entry.key = wanted_key;
    entry.value = StripQuotes(TrimBlanks(value));  // what reading the written line gives

    // Only the first section of the name is written, the one the lookup reads; it ends at the
    // next header of any name.
    std::size_t insert_at = lines_.size();
    bool section_found = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.is_header) {
            if (section_found)
                break;
            if (line.section == wanted_section) {
                section_found = true;
                insert_at = i + 1;
            }
            continue;
        }
        if (!section_found)
            continue;
        if (line.key == wanted_key) {
            line = entry;
            return;
        }
        if (!TrimBlanks(line.text).empty())
            insert_at = i + 1;
    }
    if (!section_found) {
        Line header;
        header.text = "[" + std::string(section) + "]";
        header.section = wanted_section;
        header.is_header = true;
        lines_.push_back(header);
        lines_.push_back(entry);
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
}

std::string IniFile::Serialize() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += '\n';
    }
    return out;
}

bool IniFile::Save(const std::filesystem::path& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << Serialize();
    return static_cast<bool>(out.flush());
}

std::string GetProfileString(const std::filesystem::path& path, std::string_view section,
                             std::string_view key, std::string_view default_value,
                             std::size_t max_length) {
    const std::string value = IniFile::Load(path).Get(section, key, default_value);
    if (max_length == 0)
        return value;
    // The limit counts characters, as the caller's buffer does; cutting bytes would split a
    // multi-byte character of a translated text.
    return std::string(Utf8PrefixOfUtf16Length(value, max_length));
}

bool WriteProfileString(const std::filesystem::path& path, std::string_view section,
                        std::string_view key, std::string_view value) {
    // A line break would end the value early and turn the rest into lines of their own (a
    // folder name may hold one on Linux); such a text cannot be stored, so nothing is written.
    for (const std::string_view text : {section, key, value}) {
        if (text.find_first_of("\r\n") != std::string_view::npos)
            return false;
    }
    IniFile file = IniFile::Load(path);
    file.Set(section, key, value);
    std::error_code ignored;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ignored);
    return file.Save(path);
}

}  // namespace brelvo::core
