// The cells of a device grid: one fixed header row over rows of text, picture and check-box
// cells, each cell with its own colours, font and alignment, each row with a data value.
//
// The model is generic: every list page names its columns with an enum of its own that ends in
// a count (enum Column { ..., kColumnCount }) and hands the grid one GridColumn per column.
// Rows are numbered from 0, the first data row; the header is not a row of the model.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace brelvo::gui {

struct GridColumn {
    QString title;
    int width;  // pixels
};

class DeviceGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Header data of a column: +1 sorted ascending, -1 descending, 0 not the sort column.
    static constexpr int kSortMarkRole = Qt::UserRole + 1;
    // Data of any cell of a row: the row's data value.
    static constexpr int kRowDataRole = Qt::UserRole + 2;
    static constexpr int kNoCheckColumn = -1;
    static constexpr int kNoImage = -1;

    explicit DeviceGridModel(QObject* parent = nullptr);

    // Replaces the columns; rows keep the cells of the columns that remain.
    void SetColumns(std::span<const GridColumn> columns);
    int ColumnWidth(int column) const;

    // Appends an empty row and returns its number.
    int AppendRow();
    void RemoveAllRows();

    void SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    void SetCellTextColor(int row, int column, const QColor& color);
    void SetCellBackground(int row, int column, const QColor& color);
    void SetCellFont(int row, int column, const QFont& font);
    void SetCellAlignment(int row, int column, Qt::Alignment alignment);
    // A picture of the image list, or kNoImage.
    void SetCellImage(int row, int column, int image);
    int CellImage(int row, int column) const;

    void SetRowData(int row, int data);
    int RowData(int row) const;

    // The column whose cells, in every row, are check boxes (kNoCheckColumn for none), and
    // whether the header cell of that column is a check box too.
    void SetCheckColumn(int column, bool headerCheckBox);
    int CheckColumn() const { return checkColumn_; }
    void SetChecked(int row, bool checked);
    bool IsChecked(int row) const;
    void SetHeaderChecked(bool checked);
    bool IsHeaderChecked() const { return headerChecked_; }
    // Every row and the header check box.
    void SetAllChecked(bool checked);
    std::vector<int> CheckedRows() const;

    // The sort mark shown in the header; a column outside the grid shows none.
    void SetSortMark(int column, bool ascending);
    void ClearSortMark();
    int SortMarkColumn() const { return sortColumn_; }
    bool SortMarkAscending() const { return sortAscending_; }

    // The image list: pictures that image cells show by index.
    int AddImage(const QPixmap& picture);
    void ClearImages();

    // What a cell shows unless it has its own setting.
    void SetCellDefaults(const QFont& font, const QColor& textColor, Qt::Alignment alignment);
    void SetHeaderLook(const QFont& font, const QColor& textColor, const QColor& background,
                       Qt::Alignment alignment);

    // In-place editing of any cell but the check-box cells; the grid switches it on and off for
    // its page.
    void SetEditingEnabled(bool enabled);
    bool IsEditingEnabled() const { return editingEnabled_; }

    // The first row whose cell in `column` holds exactly `text`.
    std::optional<int> FindRow(int column, const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Cell {
        QString text;
        std::optional<QColor> textColor;
        std::optional<QColor> background;
        std::optional<QFont> font;
        std::optional<Qt::Alignment> alignment;
        int image = kNoImage;
    };
    struct Row {
        std::vector<Cell> cells;
        bool checked = false;
        int data = 0;
    };

    Cell* CellAt(int row, int column);
    const Cell* CellAt(int row, int column) const;
    void CellChanged(int row, int column, const QList<int>& roles);
    void HeaderChanged(int first, int last);

    std::vector<GridColumn> columns_;
    std::vector<Row> rows_;
    std::vector<QPixmap> images_;
    int checkColumn_ = kNoCheckColumn;
    bool headerCheckBox_ = false;
    bool headerChecked_ = false;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    bool editingEnabled_ = false;

    QFont cellFont_;
    QColor cellTextColor_{Qt::black};
    Qt::Alignment cellAlignment_ = Qt::AlignCenter;
    QFont headerFont_;
    QColor headerTextColor_{237, 112, 32};
    QColor headerBackground_{221, 217, 196};
    Qt::Alignment headerAlignment_ = Qt::AlignCenter;
};

}  // namespace brelvo::gui
