// The grid every device list is drawn with (status, management, bridge, reboot, restore and
// upgrade lists, the site survey and the adapter list): one fixed header row, fixed columns of
// pixel widths, rows of one height, in-place editing of a cell switched on and off by the page,
// and notifications of clicks and edits.
//
// Rows in every signal and call are the model's rows: 0 is the first data row. A click on the
// header reports the row kHeaderRow (-1).
#pragma once

#include <QColor>
#include <QPersistentModelIndex>
#include <QString>
#include <QTableView>

#include <span>
#include <vector>

#include "gui/controls/device_grid_model.h"

namespace brelvo::gui {

class GridCellDelegate;
class GridHeaderView;

class CDeviceGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kHeaderRow = -1;

    explicit CDeviceGrid(QWidget* parent = nullptr);

    DeviceGridModel& Model() { return *model_; }
    const DeviceGridModel& Model() const { return *model_; }

    // The columns with their titles and pixel widths.
    void SetColumns(std::span<const GridColumn> columns);
    void SetRowHeight(int height);
    void SetHeaderHeight(int height);
    // The mouse cursor becomes a hand over the cells of these columns, and over the header when
    // `overHeader` is set.
    void SetHandCursorColumns(std::vector<int> columns, bool overHeader = true);
    // While on, a click on a cell (other than a check-box cell) opens it for editing.
    void SetEditingEnabled(bool enabled);
    bool IsEditingEnabled() const { return model_->IsEditingEnabled(); }
    bool IsEditing() const { return editing_; }

    void SetLineColor(const QColor& color);
    void SetBackgroundColor(const QColor& color);
    // An invalid colour switches the highlight of the row under the mouse off.
    void SetHoverColor(const QColor& color);
    int HoverRow() const;

signals:
    void CellClicked(int row, int column);
    void EditStarted(int row, int column, const QString& text);
    // Also sent when the edit is cancelled; `newText` is then the old text.
    void EditEnded(int row, int column, const QString& oldText, const QString& newText);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void OnClicked(const QModelIndex& index);
    void ApplyColumnWidths();
    void ForgetLostEdit();
    void UpdateHover(QPoint position);

    DeviceGridModel* model_;      // child of the grid
    GridHeaderView* header_;      // child of the grid
    GridCellDelegate* delegate_;  // child of the grid
    std::vector<int> handColumns_;
    bool editing_ = false;
    QPersistentModelIndex editIndex_;
    QString editOldText_;
};

}  // namespace brelvo::gui
