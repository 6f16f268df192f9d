#include "gui/controls/device_grid.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>
#include <memory>
#include <utility>

#include "gui/controls/grid_cell_delegate.h"
#include "gui/controls/grid_header_view.h"

namespace brelvo::gui {

namespace {

// Qt parents own their children; the unique_ptr only carries the object until the parent
// takes it.
template <typename T, typename... Args>
T* MakeChild(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

constexpr int kDefaultRowHeight = 48;
constexpr int kDefaultHeaderHeight = 30;

}  // namespace

CDeviceGrid::CDeviceGrid(QWidget* parent)
    : QTableView(parent),
      model_(MakeChild<DeviceGridModel>(this)),
      header_(MakeChild<GridHeaderView>(this)),
      delegate_(MakeChild<GridCellDelegate>(this)) {
    setModel(model_);
    setHorizontalHeader(header_);
    setItemDelegate(delegate_);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    SetRowHeight(kDefaultRowHeight);
    SetHeaderHeight(kDefaultHeaderHeight);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    SetBackgroundColor(Qt::white);

    connect(header_, &QHeaderView::sectionClicked, this,
            [this](int column) { emit CellClicked(kHeaderRow, column); });
    connect(this, &QAbstractItemView::clicked, this, &CDeviceGrid::OnClicked);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        ApplyColumnWidths();
        ForgetLostEdit();
    });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &CDeviceGrid::ForgetLostEdit);
}

void CDeviceGrid::SetColumns(std::span<const GridColumn> columns) {
    model_->SetColumns(columns);
    ApplyColumnWidths();
}

void CDeviceGrid::ApplyColumnWidths() {
    for (int column = 0; column < model_->columnCount(); ++column) {
        setColumnWidth(column, model_->ColumnWidth(column));
    }
}

void CDeviceGrid::SetRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(std::max(height, 1));
}

void CDeviceGrid::SetHeaderHeight(int height) {
    header_->setFixedHeight(std::max(height, 1));
}

void CDeviceGrid::SetHandCursorColumns(std::vector<int> columns, bool overHeader) {
    handColumns_ = std::move(columns);
    if (overHeader) {
        header_->setCursor(Qt::PointingHandCursor);
    } else {
        header_->unsetCursor();
    }
}

void CDeviceGrid::SetEditingEnabled(bool enabled) {
    model_->SetEditingEnabled(enabled);
}

void CDeviceGrid::SetLineColor(const QColor& color) {
    delegate_->SetLineColor(color);
    header_->SetLineColor(color);
    viewport()->update();
}

void CDeviceGrid::SetBackgroundColor(const QColor& color) {
    delegate_->SetBackgroundColor(color);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
    viewport()->update();
}

void CDeviceGrid::SetHoverColor(const QColor& color) {
    delegate_->SetHoverColor(color);
    viewport()->update();
}

int CDeviceGrid::HoverRow() const {
    return delegate_->HoverRow();
}

void CDeviceGrid::OnClicked(const QModelIndex& index) {
    const QPersistentModelIndex clicked(index);
    emit CellClicked(index.row(), index.column());
    // The page may have switched editing on for this very click, or refilled the grid.
    if (clicked.isValid() && model_->IsEditingEnabled() &&
        (model_->flags(clicked) & Qt::ItemIsEditable)) {
        QTableView::edit(clicked);
    }
}

bool CDeviceGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    ForgetLostEdit();
    const bool editingNow = QTableView::edit(index, trigger, event);
    if (editingNow && !editing_ && state() == QAbstractItemView::EditingState) {
        editing_ = true;
        editIndex_ = index;
        editOldText_ = model_->CellText(index.row(), index.column());
        emit EditStarted(index.row(), index.column(), editOldText_);
    }
    return editingNow;
}

void CDeviceGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (!editing_) {
        return;
    }
    editing_ = false;
    if (!editIndex_.isValid()) {
        return;
    }
    const int row = editIndex_.row();
    const int column = editIndex_.column();
    // A committed edit has written the new text into the model; a cancelled one has not.
    emit EditEnded(row, column, editOldText_, model_->CellText(row, column));
}

void CDeviceGrid::ForgetLostEdit() {
    // The edited row went away with a refill: its editor is gone without an end.
    if (editing_ && !editIndex_.isValid()) {
        editing_ = false;
    }
}

void CDeviceGrid::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    UpdateHover(event->position().toPoint());
}

bool CDeviceGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        UpdateHover(QPoint(-1, -1));
    }
    return QTableView::viewportEvent(event);
}

void CDeviceGrid::UpdateHover(QPoint position) {
    const QModelIndex under = indexAt(position);
    const int row = under.isValid() ? under.row() : -1;
    if (row != delegate_->HoverRow()) {
        delegate_->SetHoverRow(row);
        viewport()->update();
    }
    const bool hand = under.isValid() && std::find(handColumns_.begin(), handColumns_.end(),
                                                   under.column()) != handColumns_.end();
    if (hand) {
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->unsetCursor();
    }
}

}  // namespace brelvo::gui
