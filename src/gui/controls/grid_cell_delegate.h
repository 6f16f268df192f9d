// Draws the cells of a device grid: background (with the hover highlight), check box, picture,
// single-line text and the grid lines; edits a cell in a line edit in the cell's font.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace brelvo::gui {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit GridCellDelegate(QObject* parent = nullptr);

    void SetLineColor(const QColor& color) { lineColor_ = color; }
    void SetBackgroundColor(const QColor& color) { background_ = color; }
    // An invalid colour switches the hover highlight off.
    void SetHoverColor(const QColor& color) { hoverColor_ = color; }
    void SetHoverRow(int row) { hoverRow_ = row; }
    int HoverRow() const { return hoverRow_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    QColor lineColor_{215, 215, 215};
    QColor background_{255, 255, 255};
    QColor hoverColor_{252, 243, 234};
    int hoverRow_ = -1;
};

// Shared by the cells and the header: a check box indicator of the style's size, centred in
// `area` (or at its left when `atLeft`). Returns the space it took.
QRect DrawGridCheckBox(QPainter* painter, const QRect& area, bool checked, bool atLeft,
                       const QWidget* widget);

}  // namespace brelvo::gui
