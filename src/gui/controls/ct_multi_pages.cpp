#include "gui/controls/ct_multi_pages.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "gui/controls/elide_text.h"
#include "gui/controls/skin_style.h"

namespace brelvo::gui {

namespace {
constexpr int kCellGap = 4;
constexpr int kCellPadding = 2;  // between the strip's edge and the cells, top and bottom
const QColor kHoverFill{187, 187, 187};
const QColor kCellFill{255, 255, 255};
const QColor kCellBorder{215, 215, 215};
const QColor kCaptionColor{0, 0, 0};
}  // namespace

CTMultiPages::CTMultiPages(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFont(MakeSkinFont(QStringLiteral("Arial"), 13, 0));
}

void CTMultiPages::AddTab(const QString& caption) {
    AddCell(caption, static_cast<int>(cells_.size()));
}

void CTMultiPages::AddCell(const QString& caption, int number) {
    cells_.push_back({caption, number});
    updateGeometry();
    update();
}

void CTMultiPages::ClearCells() {
    cells_.clear();
    hover_ = -1;
    update();
}

void CTMultiPages::SetCurrentTab(int number) {
    current_ = number;
    update();
}

void CTMultiPages::SetPages(int currentPage, int pageCount) {
    cells_ = PagerCells(currentPage, pageCount);
    current_ = (pageCount < currentPage || currentPage < 1) ? 1 : currentPage;
    hover_ = -1;
    updateGeometry();
    update();
}

void CTMultiPages::SetNotifyIdentifier(int identifier) {
    identifier_ = identifier;
}

void CTMultiPages::SetCellWidth(int width) {
    cellWidth_ = std::max(width, 1);
    updateGeometry();
    update();
}

void CTMultiPages::SetBackgroundColor(const QColor& color) {
    background_ = color;
    update();
}

void CTMultiPages::SetCurrentTextColor(const QColor& color) {
    currentText_ = color;
    update();
}

int CTMultiPages::ShownCellCount() const {
    return std::min(static_cast<int>(cells_.size()), kMaxPagerCells);
}

QRect CTMultiPages::CellRect(int cell) const {
    return {cell * (cellWidth_ + kCellGap), kCellPadding, cellWidth_,
            std::max(height() - 2 * kCellPadding, 1)};
}

int CTMultiPages::CellAt(QPoint position) const {
    for (int cell = 0; cell < ShownCellCount(); ++cell) {
        if (CellRect(cell).contains(position)) {
            return cell;
        }
    }
    return -1;
}

QSize CTMultiPages::sizeHint() const {
    const int cells = std::max(ShownCellCount(), 1);
    return {cells * cellWidth_ + (cells - 1) * kCellGap,
            fontMetrics().height() + 8 + 2 * kCellPadding};
}

void CTMultiPages::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const QFontMetrics metrics = fontMetrics();
    for (int cell = 0; cell < ShownCellCount(); ++cell) {
        const PagerCell& shown = cells_[static_cast<std::size_t>(cell)];
        const QRect area = CellRect(cell);
        painter.fillRect(area, cell == hover_ ? kHoverFill : kCellFill);
        painter.setPen(kCellBorder);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        const bool current = shown.number != kNoPage && shown.number == current_;
        QFont captionFont = font();
        captionFont.setBold(current);
        painter.setFont(captionFont);
        painter.setPen(current ? currentText_ : kCaptionColor);
        const QString caption =
            ElideWithDots(shown.caption, QFontMetrics(captionFont), area.width() - 4);
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

void CTMultiPages::mouseMoveEvent(QMouseEvent* event) {
    const int cell = CellAt(event->position().toPoint());
    if (cell != hover_) {
        hover_ = cell;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void CTMultiPages::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int cell = CellAt(event->position().toPoint());
    hover_ = cell;
    if (cell < 0) {
        update();
        return;
    }
    const int number = cells_[static_cast<std::size_t>(cell)].number;
    if (number == kNoPage || number == current_) {
        update();
        return;
    }
    current_ = number;
    update();
    emit TabChanged(identifier_, number);
}

void CTMultiPages::leaveEvent(QEvent* event) {
    hover_ = -1;
    update();
    QWidget::leaveEvent(event);
}

}  // namespace brelvo::gui
