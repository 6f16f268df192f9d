// The one fixed header row of a device grid: titles in the header font and colours, the check
// box of the check column and the sort mark, all read from the grid model.
#pragma once

#include <QColor>
#include <QHeaderView>

namespace brelvo::gui {

class GridHeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit GridHeaderView(QWidget* parent = nullptr);

    void SetLineColor(const QColor& color);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QColor lineColor_{215, 215, 215};
};

}  // namespace brelvo::gui
