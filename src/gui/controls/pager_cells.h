// Which page numbers a pager shows in its at most seven cells.
#pragma once

#include <QString>

#include <vector>

namespace brelvo::gui {

struct PagerCell {
    QString caption;
    int number;  // the page the cell stands for; kNoPage for a gap
};

inline constexpr int kNoPage = -1;
inline constexpr int kMaxPagerCells = 7;

// Every page when there are at most seven; otherwise the first and the last page, the current
// page with its neighbours, and "..." gaps (kNoPage) for the pages left out, seven cells in all.
// A current page outside 1..pageCount is shown as page 1; no page at all shows page 1 alone.
std::vector<PagerCell> PagerCells(int currentPage, int pageCount);

}  // namespace brelvo::gui
