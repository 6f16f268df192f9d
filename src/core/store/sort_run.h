// The sort values of the rows one list query matched, from which one page is picked in list
// order. Texts compare case-folded, as the search compares them; numbers by value. Rows with
// equal values keep the order they were stored in (by ID), so paging through a list never
// shows a row twice or skips one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::core {

class SortRun {
public:
    explicit SortRun(bool ascending) : ascending_(ascending) {}

    void AddNumber(int64_t id, double value);
    void AddText(int64_t id, std::string_view text);
    std::size_t size() const { return entries_.size(); }

    // The IDs at positions [first, first + count) of the list order; fewer at its end.
    std::vector<int64_t> Slice(int64_t first, int64_t count);

private:
    struct Entry {
        double number;
        std::size_t text_offset;
        std::size_t text_size;
        int64_t id;
    };

    bool Before(const Entry& a, const Entry& b) const;
    std::string_view TextOf(const Entry& entry) const {
        return std::string_view(texts_).substr(entry.text_offset, entry.text_size);
    }

    bool ascending_;
    std::string texts_;  // the folded texts of all entries, one after another
    std::vector<Entry> entries_;
};

}  // namespace brelvo::core
