// The device list's search: a literal, case-insensitive substring match. Letters are compared
// case-insensitively in the scripts whose cases are one-to-one and of the same UTF-8 length:
// ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic. Every other character (CJK has no case)
// must match exactly. A search text's "%", "_", "\" and quotes are ordinary characters.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace brelvo::core {

// The lower-case form of a UTF-8 text within the scripts above; bytes that are no part of a
// valid UTF-8 character are kept as they are. The result has the same length as the input.
std::string FoldCase(std::string_view text);

// Appends the folded form of `text` to `out`.
void AppendFolded(std::string& out, std::string_view text);

// Whether `folded_needle` (already folded) occurs in `haystack` once that is folded too.
bool ContainsFolded(std::string_view haystack, std::string_view folded_needle);

// The SQL function the search uses: brelvo_match(search, column, column, ...) is 1 when the
// search text occurs in any of the columns (numbers are matched through their decimal text).
inline constexpr std::string_view kMatchFunction = "brelvo_match";
// The collation that orders texts as folded, so lists sort without regard to case just as the
// search matches.
inline constexpr std::string_view kFoldCollation = "brelvo_fold";
bool RegisterSearchFunctions(sqlite3* connection);

}  // namespace brelvo::core
