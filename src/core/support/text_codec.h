// UTF-8 <-> UTF-16 conversion. Texts the operator types are UTF-16 code units (as the window
// toolkit gives them, and as the input rules count them); everything else is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace brelvo::core {

// Invalid UTF-8 bytes become U+FFFD; a code point outside the basic plane becomes a surrogate
// pair (two code units).
std::u16string Utf8ToUtf16(std::string_view utf8);

// The longest beginning of a UTF-8 text that fills at most `max_units` UTF-16 code units, never
// cut inside a character: what a reader with a buffer of that many characters keeps of it.
// Each invalid byte counts as one unit, as Utf8ToUtf16 makes it one U+FFFD.
std::string_view Utf8PrefixOfUtf16Length(std::string_view utf8, std::size_t max_units);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// ASCII-only lower-casing, as the INI lookups and the translation keys use it.
std::string AsciiLower(std::string_view text);

// Leading and trailing blanks, tabs, CR and LF removed.
std::string_view TrimBlanks(std::string_view text);

// The decimal conversion the settings and fields use everywhere: leading white space, an
// optional sign, then digits; anything else ends the number; no digits gives 0. Saturates
// instead of overflowing.
long long DecimalValue(std::string_view text);
long long DecimalValue(std::u16string_view text);

}  // namespace brelvo::core
