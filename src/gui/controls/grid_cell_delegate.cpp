#include "gui/controls/grid_cell_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>

namespace brelvo::gui {

namespace {
constexpr int kTextPadding = 3;
}  // namespace

QRect DrawGridCheckBox(QPainter* painter, const QRect& area, bool checked, bool atLeft,
                       const QWidget* widget) {
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    const int x = atLeft ? area.left() + kTextPadding : area.left() + (area.width() - width) / 2;
    QStyleOptionButton box;
    box.rect = QRect(x, area.top() + (area.height() - height) / 2, width, height);
    box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
    return box.rect;
}

GridCellDelegate::GridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    const QRect cell = option.rect;
    const QVariant ownBackground = index.data(Qt::BackgroundRole);
    QColor fill = background_;
    if (ownBackground.canConvert<QColor>()) {
        fill = ownBackground.value<QColor>();
    } else if (index.row() == hoverRow_ && hoverColor_.isValid()) {
        fill = hoverColor_;
    }
    painter->fillRect(cell, fill);

    const QString text = index.data(Qt::DisplayRole).toString();
    QRect content = cell.adjusted(0, 0, -1, -1);  // inside the grid lines
    const QVariant check = index.data(Qt::CheckStateRole);
    if (check.isValid()) {
        const QRect box = DrawGridCheckBox(painter, content, check.toInt() == Qt::Checked,
                                           !text.isEmpty(), option.widget);
        if (!text.isEmpty()) {
            content.setLeft(box.right() + kTextPadding);
        }
    }
    const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!picture.isNull()) {
        const int y = content.top() + (content.height() - picture.height()) / 2;
        if (text.isEmpty()) {
            painter->drawPixmap(content.left() + (content.width() - picture.width()) / 2, y,
                                picture);
        } else {
            painter->drawPixmap(content.left() + kTextPadding, y, picture);
            content.setLeft(content.left() + kTextPadding + picture.width());
        }
    }
    if (!text.isEmpty()) {
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        const QRect textArea = content.adjusted(kTextPadding, 0, -kTextPadding, 0);
        const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, textArea.width());
        painter->setFont(font);
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        const auto alignment =
            static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt());
        painter->drawText(textArea, static_cast<int>(alignment) | Qt::TextSingleLine, shown);
    }

    painter->setPen(lineColor_);
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor != nullptr) {
        editor->setFont(index.data(Qt::FontRole).value<QFont>());
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setAlignment(static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt()));
    }
    return editor;
}

}  // namespace brelvo::gui
