#include "core/support/text_codec.h"

#include <cstdint>
#include <limits>

namespace brelvo::core {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence that starts with this byte, 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// One character of UTF-8 text: its length in bytes and its code point. A byte that starts no
// valid sequence (a stray continuation byte, a truncated, overlong or surrogate form) is one
// invalid character of one byte, as the conversion to UTF-16 turns it into one U+FFFD.
struct Sequence {
    std::size_t length = 1;
    char32_t code_point = 0;
    bool valid = false;
};

Sequence NextSequence(std::string_view utf8, std::size_t i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = SequenceLength(lead);
    if (length == 1)
        return {1, lead, true};
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size())
        return {};
    char32_t cp = length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80)
            return {};
        cp = (cp << 6) | (next & 0x3F);
    }
    if ((length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (length == 4 && (cp < 0x10000 || cp > 0x10FFFF))) {
        return {};
    }
    return {static_cast<std::size_t>(length), cp, true};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

template <typename Char>
long long DecimalValueOf(std::basic_string_view<Char> text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Sequence sequence = NextSequence(utf8, i);
        if (!sequence.valid) {
            out += kReplacement;
        } else if (sequence.code_point >= 0x10000) {
            const char32_t offset = sequence.code_point - 0x10000;
            out += static_cast<char16_t>(0xD800 + (offset >> 10));
            out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else {
            out += static_cast<char16_t>(sequence.code_point);
        }
        i += sequence.length;
    }
    return out;
}

std::string_view Utf8PrefixOfUtf16Length(std::string_view utf8, std::size_t max_units) {
    std::size_t i = 0;
    std::size_t units = 0;
    while (i < utf8.size()) {
        const Sequence sequence = NextSequence(utf8, i);
        const std::size_t needed = sequence.valid && sequence.code_point >= 0x10000 ? 2 : 1;
        if (units + needed > max_units)
            break;
        units += needed;
        i += sequence.length;
    }
    return utf8.substr(0, i);
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

long long DecimalValue(std::string_view text) {
    return DecimalValueOf(text);
}
long long DecimalValue(std::u16string_view text) {
    return DecimalValueOf(text);
}

}  // namespace brelvo::core
