#include "gui/controls/grid_header_view.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "gui/controls/device_grid_model.h"
#include "gui/controls/grid_cell_delegate.h"

namespace brelvo::gui {

namespace {
constexpr int kPadding = 3;
constexpr int kMarkWidth = 8;
constexpr int kMarkHeight = 5;
}  // namespace

GridHeaderView::GridHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
}

void GridHeaderView::SetLineColor(const QColor& color) {
    lineColor_ = color;
    viewport()->update();
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (model() == nullptr || !rect.isValid()) {
        return;
    }
    const auto header = [&](int role) {
        return model()->headerData(logicalIndex, Qt::Horizontal, role);
    };
    painter->save();
    painter->fillRect(rect, header(Qt::BackgroundRole).value<QColor>());

    QRect content = rect.adjusted(0, 0, -1, -1);
    const QString title = header(Qt::DisplayRole).toString();
    const QVariant check = header(Qt::CheckStateRole);
    if (check.isValid()) {
        const QRect box = DrawGridCheckBox(painter, content, check.toInt() == Qt::Checked,
                                           !title.isEmpty(), this);
        if (!title.isEmpty()) {
            content.setLeft(box.right() + kPadding);
        }
    }
    const QColor textColor = header(Qt::ForegroundRole).value<QColor>();
    const int sortMark = header(DeviceGridModel::kSortMarkRole).toInt();
    if (sortMark != 0) {
        // A small triangle at the right: pointing up for ascending, down for descending.
        const int right = content.right() - kPadding;
        const int top = content.top() + (content.height() - kMarkHeight) / 2;
        QPolygon mark;
        if (sortMark > 0) {
            mark << QPoint(right - kMarkWidth, top + kMarkHeight)
                 << QPoint(right, top + kMarkHeight) << QPoint(right - kMarkWidth / 2, top);
        } else {
            mark << QPoint(right - kMarkWidth, top) << QPoint(right, top)
                 << QPoint(right - kMarkWidth / 2, top + kMarkHeight);
        }
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(textColor);
        painter->drawPolygon(mark);
        painter->setRenderHint(QPainter::Antialiasing, false);
        content.setRight(right - kMarkWidth - kPadding);
    }
    if (!title.isEmpty()) {
        const QFont font = header(Qt::FontRole).value<QFont>();
        const QRect textArea = content.adjusted(kPadding, 0, -kPadding, 0);
        painter->setFont(font);
        painter->setPen(textColor);
        const auto alignment = header(Qt::TextAlignmentRole).toInt();
        painter->drawText(textArea, alignment | Qt::TextSingleLine,
                          QFontMetrics(font).elidedText(title, Qt::ElideRight, textArea.width()));
    }
    painter->setPen(lineColor_);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

}  // namespace brelvo::gui
