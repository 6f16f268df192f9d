#include "gui/controls/device_grid_model.h"

#include <utility>

#include "gui/controls/skin_style.h"

namespace brelvo::gui {

namespace {

bool IsCell(const QModelIndex& index, const QAbstractItemModel& model) {
    return index.isValid() && index.model() == &model && !index.parent().isValid() &&
           index.row() < model.rowCount() && index.column() < model.columnCount();
}

}  // namespace

DeviceGridModel::DeviceGridModel(QObject* parent)
    : QAbstractTableModel(parent),
      cellFont_(MakeSkinFont(QStringLiteral("Arial"), 15, 0)),
      headerFont_(MakeSkinFont(QStringLiteral("Arial"), 15, 700)) {}

void DeviceGridModel::SetColumns(std::span<const GridColumn> columns) {
    beginResetModel();
    columns_.assign(columns.begin(), columns.end());
    for (Row& row : rows_) {
        row.cells.resize(columns_.size());
    }
    if (checkColumn_ >= static_cast<int>(columns_.size())) {
        checkColumn_ = kNoCheckColumn;
    }
    endResetModel();
}

int DeviceGridModel::ColumnWidth(int column) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) {
        return 0;
    }
    return columns_[static_cast<std::size_t>(column)].width;
}

int DeviceGridModel::AppendRow() {
    const int row = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(Row{std::vector<Cell>(columns_.size()), false, 0});
    endInsertRows();
    return row;
}

void DeviceGridModel::RemoveAllRows() {
    if (rows_.empty()) {
        return;
    }
    beginRemoveRows(QModelIndex(), 0, static_cast<int>(rows_.size()) - 1);
    rows_.clear();
    endRemoveRows();
}

const DeviceGridModel::Cell* DeviceGridModel::CellAt(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 ||
        column >= static_cast<int>(columns_.size())) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

DeviceGridModel::Cell* DeviceGridModel::CellAt(int row, int column) {
    return const_cast<Cell*>(std::as_const(*this).CellAt(row, column));
}

void DeviceGridModel::CellChanged(int row, int column, const QList<int>& roles) {
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, roles);
}

void DeviceGridModel::HeaderChanged(int first, int last) {
    if (!columns_.empty()) {
        emit headerDataChanged(Qt::Horizontal, first, last);
    }
}

void DeviceGridModel::SetCellText(int row, int column, const QString& text) {
    if (Cell* cell = CellAt(row, column)) {
        cell->text = text;
        CellChanged(row, column, {Qt::DisplayRole, Qt::EditRole});
    }
}

QString DeviceGridModel::CellText(int row, int column) const {
    const Cell* cell = CellAt(row, column);
    return cell ? cell->text : QString();
}

void DeviceGridModel::SetCellTextColor(int row, int column, const QColor& color) {
    if (Cell* cell = CellAt(row, column)) {
        cell->textColor = color;
        CellChanged(row, column, {Qt::ForegroundRole});
    }
}

void DeviceGridModel::SetCellBackground(int row, int column, const QColor& color) {
    if (Cell* cell = CellAt(row, column)) {
        cell->background = color;
        CellChanged(row, column, {Qt::BackgroundRole});
    }
}

void DeviceGridModel::SetCellFont(int row, int column, const QFont& font) {
    if (Cell* cell = CellAt(row, column)) {
        cell->font = font;
        CellChanged(row, column, {Qt::FontRole});
    }
}

void DeviceGridModel::SetCellAlignment(int row, int column, Qt::Alignment alignment) {
    if (Cell* cell = CellAt(row, column)) {
        cell->alignment = alignment;
        CellChanged(row, column, {Qt::TextAlignmentRole});
    }
}

void DeviceGridModel::SetCellImage(int row, int column, int image) {
    if (Cell* cell = CellAt(row, column)) {
        cell->image = image;
        CellChanged(row, column, {Qt::DecorationRole});
    }
}

int DeviceGridModel::CellImage(int row, int column) const {
    const Cell* cell = CellAt(row, column);
    return cell ? cell->image : kNoImage;
}

void DeviceGridModel::SetRowData(int row, int data) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    rows_[static_cast<std::size_t>(row)].data = data;
    if (!columns_.empty()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {kRowDataRole});
    }
}

int DeviceGridModel::RowData(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return 0;
    }
    return rows_[static_cast<std::size_t>(row)].data;
}

void DeviceGridModel::SetCheckColumn(int column, bool headerCheckBox) {
    beginResetModel();
    checkColumn_ =
        (column >= 0 && column < static_cast<int>(columns_.size())) ? column : kNoCheckColumn;
    headerCheckBox_ = headerCheckBox && checkColumn_ != kNoCheckColumn;
    endResetModel();
}

void DeviceGridModel::SetChecked(int row, bool checked) {
    if (checkColumn_ == kNoCheckColumn || row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    rows_[static_cast<std::size_t>(row)].checked = checked;
    CellChanged(row, checkColumn_, {Qt::CheckStateRole});
}

bool DeviceGridModel::IsChecked(int row) const {
    if (checkColumn_ == kNoCheckColumn || row < 0 || row >= static_cast<int>(rows_.size())) {
        return false;
    }
    return rows_[static_cast<std::size_t>(row)].checked;
}

void DeviceGridModel::SetHeaderChecked(bool checked) {
    if (!headerCheckBox_) {
        return;
    }
    headerChecked_ = checked;
    HeaderChanged(checkColumn_, checkColumn_);
}

void DeviceGridModel::SetAllChecked(bool checked) {
    if (checkColumn_ == kNoCheckColumn) {
        return;
    }
    for (Row& row : rows_) {
        row.checked = checked;
    }
    if (!rows_.empty()) {
        emit dataChanged(index(0, checkColumn_), index(rowCount() - 1, checkColumn_),
                         {Qt::CheckStateRole});
    }
    SetHeaderChecked(checked);
}

std::vector<int> DeviceGridModel::CheckedRows() const {
    std::vector<int> checked;
    if (checkColumn_ == kNoCheckColumn) {
        return checked;
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].checked) {
            checked.push_back(static_cast<int>(row));
        }
    }
    return checked;
}

void DeviceGridModel::SetSortMark(int column, bool ascending) {
    const int previous = sortColumn_;
    sortColumn_ = (column >= 0 && column < static_cast<int>(columns_.size())) ? column : -1;
    sortAscending_ = ascending;
    if (previous >= 0) {
        HeaderChanged(previous, previous);
    }
    if (sortColumn_ >= 0) {
        HeaderChanged(sortColumn_, sortColumn_);
    }
}

void DeviceGridModel::ClearSortMark() {
    SetSortMark(-1, true);
}

int DeviceGridModel::AddImage(const QPixmap& picture) {
    images_.push_back(picture);
    return static_cast<int>(images_.size()) - 1;
}

void DeviceGridModel::ClearImages() {
    images_.clear();
    if (!rows_.empty() && !columns_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DecorationRole});
    }
}

void DeviceGridModel::SetCellDefaults(const QFont& font, const QColor& textColor,
                                      Qt::Alignment alignment) {
    cellFont_ = font;
    cellTextColor_ = textColor;
    cellAlignment_ = alignment;
    if (!rows_.empty() && !columns_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::FontRole, Qt::ForegroundRole, Qt::TextAlignmentRole});
    }
}

void DeviceGridModel::SetHeaderLook(const QFont& font, const QColor& textColor,
                                    const QColor& background, Qt::Alignment alignment) {
    headerFont_ = font;
    headerTextColor_ = textColor;
    headerBackground_ = background;
    headerAlignment_ = alignment;
    HeaderChanged(0, columnCount() - 1);
}

void DeviceGridModel::SetEditingEnabled(bool enabled) {
    // Only flags() changes; views ask for it afresh whenever an edit is to start.
    editingEnabled_ = enabled;
}

std::optional<int> DeviceGridModel::FindRow(int column, const QString& text) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) {
        return std::nullopt;
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].cells[static_cast<std::size_t>(column)].text == text) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

int DeviceGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DeviceGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DeviceGridModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index, *this)) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    const Cell& cell = *CellAt(row, column);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cell.text;
        case Qt::ForegroundRole:
            return cell.textColor.value_or(cellTextColor_);
        case Qt::BackgroundRole:
            return cell.background ? QVariant(*cell.background) : QVariant();
        case Qt::FontRole:
            return cell.font.value_or(cellFont_);
        case Qt::TextAlignmentRole:
            return static_cast<int>(cell.alignment.value_or(cellAlignment_));
        case Qt::DecorationRole:
            if (cell.image >= 0 && cell.image < static_cast<int>(images_.size())) {
                return images_[static_cast<std::size_t>(cell.image)];
            }
            return {};
        case Qt::CheckStateRole:
            if (column == checkColumn_) {
                return static_cast<int>(
                    rows_[static_cast<std::size_t>(row)].checked ? Qt::Checked : Qt::Unchecked);
            }
            return {};
        case kRowDataRole:
            return rows_[static_cast<std::size_t>(row)].data;
        default:
            return {};
    }
}

QVariant DeviceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return columns_[static_cast<std::size_t>(section)].title;
        case Qt::ForegroundRole:
            return headerTextColor_;
        case Qt::BackgroundRole:
            return headerBackground_;
        case Qt::FontRole:
            return headerFont_;
        case Qt::TextAlignmentRole:
            return static_cast<int>(headerAlignment_);
        case Qt::SizeHintRole:
            return QSize(columns_[static_cast<std::size_t>(section)].width, 0);
        case Qt::CheckStateRole:
            if (headerCheckBox_ && section == checkColumn_) {
                return static_cast<int>(headerChecked_ ? Qt::Checked : Qt::Unchecked);
            }
            return {};
        case kSortMarkRole:
            if (section != sortColumn_) {
                return 0;
            }
            return sortAscending_ ? 1 : -1;
        default:
            return {};
    }
}

Qt::ItemFlags DeviceGridModel::flags(const QModelIndex& index) const {
    if (!IsCell(index, *this)) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    // Check boxes change only when the page says so (it decides what a tick means, for example
    // a header tick that ticks every row), so the view never toggles them by itself.
    if (editingEnabled_ && index.column() != checkColumn_) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool DeviceGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index, *this)) {
        return false;
    }
    if (role == Qt::EditRole && (flags(index) & Qt::ItemIsEditable)) {
        SetCellText(index.row(), index.column(), value.toString());
        return true;
    }
    if (role == Qt::CheckStateRole && index.column() == checkColumn_) {
        SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }
    return false;
}

}  // namespace brelvo::gui
