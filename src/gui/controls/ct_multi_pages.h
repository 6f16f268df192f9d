// A strip of up to seven cells: a tab strip, or the page-number pager of a device list page.
//
// Each cell carries a number (its tab index, or for a pager its page number; kNoPage for a gap
// cell). A click released on a cell whose number is neither kNoPage nor the current number makes
// that number current and emits TabChanged with the strip's identifier and the number.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

#include "gui/controls/pager_cells.h"

namespace brelvo::gui {

class CTMultiPages : public QWidget {
    Q_OBJECT

public:
    explicit CTMultiPages(QWidget* parent = nullptr);

    // Tab strip use: the tab gets the next index as its number.
    void AddTab(const QString& caption);
    void AddCell(const QString& caption, int number);
    void ClearCells();
    // The number (tab index or page number) of the current cell.
    void SetCurrentTab(int number);
    // Pager use: shows the cells of PagerCells. When the page count is below the page, page 1
    // is marked current.
    void SetPages(int currentPage, int pageCount);
    // The identifier sent with TabChanged, so that one receiver can serve several strips
    // (the page host tells the list pages apart by it).
    void SetNotifyIdentifier(int identifier);

    void SetCellWidth(int width);
    void SetBackgroundColor(const QColor& color);
    void SetCurrentTextColor(const QColor& color);

    int CurrentNumber() const { return current_; }
    int NotifyIdentifier() const { return identifier_; }
    int HoverCell() const { return hover_; }
    const std::vector<PagerCell>& Cells() const { return cells_; }
    // Index of the shown cell at `position`, or -1.
    int CellAt(QPoint position) const;
    QRect CellRect(int cell) const;

    QSize sizeHint() const override;

signals:
    void TabChanged(int identifier, int pageNumber);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ShownCellCount() const;

    std::vector<PagerCell> cells_;
    int current_ = 0;
    int hover_ = -1;
    int identifier_ = 0;
    int cellWidth_ = 30;
    QColor background_{247, 247, 247};
    QColor currentText_{237, 112, 32};
};

}  // namespace brelvo::gui
