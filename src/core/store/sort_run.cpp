#include "core/store/sort_run.h"

#include <algorithm>

#include "core/store/search_match.h"

namespace brelvo::core {

void SortRun::AddNumber(int64_t id, double value) {
    entries_.push_back(Entry{value, 0, 0, id});
}

void SortRun::AddText(int64_t id, std::string_view text) {
    const std::size_t offset = texts_.size();
    AppendFolded(texts_, text);
    entries_.push_back(Entry{0, offset, text.size(), id});
}

bool SortRun::Before(const Entry& a, const Entry& b) const {
    int order = 0;
    if (a.number != b.number)
        order = a.number < b.number ? -1 : 1;
    else
        order = TextOf(a).compare(TextOf(b));
    if (order != 0)
        return ascending_ ? order < 0 : order > 0;
    return a.id < b.id;
}

std::vector<int64_t> SortRun::Slice(int64_t first, int64_t count) {
    const auto size = static_cast<int64_t>(entries_.size());
    if (first < 0 || count <= 0 || first >= size)
        return {};
    const int64_t last = std::min(size, first + count);
    const auto before = [this](const Entry& a, const Entry& b) { return Before(a, b); };
    // Only the page is put in order: the rows before it need only be known to come first.
    if (first > 0)
        std::nth_element(entries_.begin(), entries_.begin() + first, entries_.end(), before);
    std::partial_sort(entries_.begin() + first, entries_.begin() + last, entries_.end(), before);
    std::vector<int64_t> ids;
    ids.reserve(static_cast<std::size_t>(last - first));
    for (int64_t i = first; i < last; ++i)
        ids.push_back(entries_[static_cast<std::size_t>(i)].id);
    return ids;
}

}  // namespace brelvo::core
