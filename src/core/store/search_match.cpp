#include "core/store/search_match.h"

#include <sqlite3.h>

#include <array>
#include <cstdint>
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

// Device texts are at most 64 bytes and value texts short, so nearly every column folds on
// the stack; a longer value (a file that is not ours) takes the heap.
constexpr std::size_t kStackFold = 256;

void DeleteFoldedNeedle(void* needle) {
    const std::unique_ptr<std::string> owned(static_cast<std::string*>(needle));
}

std::string_view ValueText(sqlite3_value* value) {
    const auto* text = sqlite3_value_text(value);
    if (text == nullptr)
        return {};
    return std::string_view(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_value_bytes(value)));
}

void MatchFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 1) {
        sqlite3_result_int(context, 0);
        return;
    }
    // The search text is the same for every row of one query: fold it once and keep it.
    const std::string* needle = static_cast<const std::string*>(sqlite3_get_auxdata(context, 0));
    std::string local;
    if (needle == nullptr) {
        local = FoldCase(ValueText(argv[0]));
        auto kept = std::make_unique<std::string>(local);
        sqlite3_set_auxdata(context, 0, kept.release(), DeleteFoldedNeedle);
        needle = &local;
    }
    for (int i = 1; i < argc; ++i) {
        if (ContainsFolded(ValueText(argv[i]), *needle)) {
            sqlite3_result_int(context, 1);
            return;
        }
    }
    sqlite3_result_int(context, 0);
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text.size(), '\0');
    FoldInto(text, folded.data());
    return folded;
}

bool ContainsFolded(std::string_view haystack, std::string_view folded_needle) {
    if (folded_needle.size() > haystack.size())
        return false;
    if (haystack.size() <= kStackFold) {
        std::array<char, kStackFold> buffer;
        FoldInto(haystack, buffer.data());
        return std::string_view(buffer.data(), haystack.size()).find(folded_needle) !=
               std::string_view::npos;
    }
    return FoldCase(haystack).find(folded_needle) != std::string::npos;
}

bool RegisterSearchFunction(sqlite3* connection) {
    const std::string name(kMatchFunction);
    return sqlite3_create_function_v2(
               connection, name.c_str(), -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
               nullptr, MatchFunction, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace brelvo::core
