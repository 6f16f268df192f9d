#include "core/store/search_match.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

namespace brelvo::core {

namespace {

// Lower case of one code point of U+0080..U+07FF (two UTF-8 bytes both ways), or the code
// point itself. Characters whose other case has a different UTF-8 length (U+0130 dotted I)
// or that have no one-to-one partner are left alone.
char32_t FoldTwoByte(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)  // Latin-1 capitals, not the multiplication sign
        return c + 0x20;
    if (c == 0x178)  // Y with diaeresis, whose small letter lives in Latin-1
        return 0xFF;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c | 1;  // pairs: capital even, small odd
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) != 0 ? c + 1 : c;         // pairs: capital odd, small even
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)  // Greek capitals
        return c + 0x20;
    if (c >= 0x386 && c <= 0x38F) {  // Greek capitals with tonos
        switch (c) {
            case 0x386:
                return 0x3AC;
            case 0x388:
            case 0x389:
            case 0x38A:
                return c + 0x25;
            case 0x38C:
                return 0x3CC;
            case 0x38E:
            case 0x38F:
                return c + 0x3F;
            default:
                return c;
        }
    }
    if (c >= 0x410 && c <= 0x42F)  // Cyrillic capitals
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)  // Cyrillic capitals with marks
        return c + 0x50;
    return c;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Folds `text` into `out`, which holds at least text.size() bytes.
void FoldInto(std::string_view text, char* out) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out[i] = (lead >= 'A' && lead <= 'Z') ? static_cast<char>(lead + 32) : text[i];
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size &&
            IsContinuation(static_cast<unsigned char>(text[i + 1]))) {
            const char32_t c =
                (char32_t{lead} & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            const char32_t folded = FoldTwoByte(c);
            out[i] = static_cast<char>(0xC0 | (folded >> 6));
            out[i + 1] = static_cast<char>(0x80 | (folded & 0x3F));
            i += 2;
            continue;
        }
        out[i] = text[i];
        ++i;
    }
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool MatchesAt(std::string_view haystack, std::size_t start, std::string_view needle) {
    for (std::size_t i = 1; i < needle.size(); ++i) {
        if (AsciiLower(haystack[start + i]) != needle[i])
            return false;
    }
    return true;
}

bool ContainsAsciiFolded(std::string_view haystack, std::string_view needle) {
    const std::size_t last = haystack.size() - needle.size();
    const char first = needle.front();
    if (first < 'a' || first > 'z') {
        // A first character without case (digits, dots, colons: addresses) is found by memchr.
        const char* begin = haystack.data();
        const char* candidate = begin;
        const char* const end = begin + last + 1;
        while ((candidate = static_cast<const char*>(std::memchr(
                    candidate, first, static_cast<std::size_t>(end - candidate)))) != nullptr) {
            if (MatchesAt(haystack, static_cast<std::size_t>(candidate - begin), needle))
                return true;
            ++candidate;
        }
        return false;
    }
    for (std::size_t start = 0; start <= last; ++start) {
        if (AsciiLower(haystack[start]) == first && MatchesAt(haystack, start, needle))
            return true;
    }
    return false;
}

// Device texts are at most 64 bytes and value texts short, so nearly every column folds on
// the stack; a longer value (a file that is not ours) takes the heap.
constexpr std::size_t kStackFold = 256;

// The search text of one query, folded once for all its rows.
struct FoldedNeedle {
    std::string text;
    bool ascii;
};

void DeleteFoldedNeedle(void* needle) {
    const std::unique_ptr<FoldedNeedle> owned(static_cast<FoldedNeedle*>(needle));
}

bool ContainsNeedle(std::string_view haystack, const FoldedNeedle& needle) {
    if (needle.text.size() > haystack.size())
        return false;
    if (needle.text.empty())
        return true;
    // Folding keeps every byte on its side of the ASCII boundary, so an ASCII needle can only
    // match ASCII bytes, whose folding is plain lower-casing: no folded copy is needed.
    if (needle.ascii)
        return ContainsAsciiFolded(haystack, needle.text);
    if (haystack.size() <= kStackFold) {
        std::array<char, kStackFold> buffer;
        FoldInto(haystack, buffer.data());
        return std::string_view(buffer.data(), haystack.size()).find(needle.text) !=
               std::string_view::npos;
    }
    return FoldCase(haystack).find(needle.text) != std::string::npos;
}

std::string_view ValueText(sqlite3_value* value) {
    const auto* text = sqlite3_value_text(value);
    if (text == nullptr)
        return {};
    return std::string_view(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_value_bytes(value)));
}

// Numbers match through their decimal text; writing it here spares SQLite converting the value
// in place for every row.
std::string_view ColumnText(sqlite3_value* value, std::array<char, 24>& digits) {
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        const auto [end, error] =
            std::to_chars(digits.data(), digits.data() + digits.size(), sqlite3_value_int64(value));
        if (error == std::errc())
            return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
    }
    return ValueText(value);
}

void MatchFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 1) {
        sqlite3_result_int(context, 0);
        return;
    }
    // The search text is the same for every row of one query: fold it once and keep it.
    const auto* needle = static_cast<const FoldedNeedle*>(sqlite3_get_auxdata(context, 0));
    FoldedNeedle local;
    if (needle == nullptr) {
        local.text = FoldCase(ValueText(argv[0]));
        local.ascii = IsAscii(local.text);
        auto kept = std::make_unique<FoldedNeedle>(local);
        sqlite3_set_auxdata(context, 0, kept.release(), DeleteFoldedNeedle);
        needle = &local;
    }
    std::array<char, 24> digits;
    for (int i = 1; i < argc; ++i) {
        if (ContainsNeedle(ColumnText(argv[i], digits), *needle)) {
            sqlite3_result_int(context, 1);
            return;
        }
    }
    sqlite3_result_int(context, 0);
}

int CompareFolded(void*, int size_a, const void* a, int size_b, const void* b) {
    const std::string folded_a =
        FoldCase(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(size_a)));
    const std::string folded_b =
        FoldCase(std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(size_b)));
    return folded_a.compare(folded_b);
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text.size(), '\0');
    FoldInto(text, folded.data());
    return folded;
}

void AppendFolded(std::string& out, std::string_view text) {
    const std::size_t at = out.size();
    out.resize(at + text.size());
    FoldInto(text, out.data() + at);
}

bool ContainsFolded(std::string_view haystack, std::string_view folded_needle) {
    return ContainsNeedle(haystack,
                          FoldedNeedle{std::string(folded_needle), IsAscii(folded_needle)});
}

bool RegisterSearchFunctions(sqlite3* connection) {
    const std::string function(kMatchFunction);
    const std::string collation(kFoldCollation);
    const bool matched =
        sqlite3_create_function_v2(connection, function.c_str(), -1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                                   MatchFunction, nullptr, nullptr, nullptr) == SQLITE_OK;
    const bool collated = sqlite3_create_collation_v2(connection, collation.c_str(), SQLITE_UTF8,
                                                      nullptr, CompareFolded, nullptr) == SQLITE_OK;
    return matched && collated;
}

}  // namespace brelvo::core
