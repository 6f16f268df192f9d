#include "gui/controls/pager_cells.h"

#include <algorithm>

namespace brelvo::gui {

namespace {

PagerCell Page(int number) {
    return {QString::number(number), number};
}

PagerCell Gap() {
    return {QStringLiteral("..."), kNoPage};
}

}  // namespace

std::vector<PagerCell> PagerCells(int currentPage, int pageCount) {
    const int count = std::max(pageCount, 1);
    const int current = (currentPage < 1 || currentPage > count) ? 1 : currentPage;
    std::vector<PagerCell> cells;
    if (count <= kMaxPagerCells) {
        for (int page = 1; page <= count; ++page) {
            cells.push_back(Page(page));
        }
        return cells;
    }
    // Seven cells: the two ends, and five in between of which a gap takes one on each side
    // where pages are left out.
    constexpr int kInner = kMaxPagerCells - 2;
    if (current <= kInner - 1) {
        for (int page = 1; page <= kInner; ++page) {
            cells.push_back(Page(page));
        }
        cells.push_back(Gap());
    } else if (current >= count - (kInner - 2)) {
        cells.push_back(Page(1));
        cells.push_back(Gap());
        for (int page = count - (kInner - 1); page < count; ++page) {
            cells.push_back(Page(page));
        }
    } else {
        cells.push_back(Page(1));
        cells.push_back(Gap());
        for (int page = current - 1; page <= current + 1; ++page) {
            cells.push_back(Page(page));
        }
        cells.push_back(Gap());
    }
    cells.push_back(Page(count));
    return cells;
}

}  // namespace brelvo::gui
