// The one list page that every device list of the page host is built on: the status,
// management, bridge, reboot, restore and upgrade pages. It queries the store for one page of
// devices, fills the grid, keeps the sort column and direction, the page and the search text,
// and wires the search box, the page-size box, the refresh button and the pager. Each page
// only declares its columns with their sort keys and adds its own buttons and clicks.
#pragma once

#include <QString>
#include <QTimer>

#include <cstddef>
#include <filesystem>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/rules/batch_selection.h"
#include "core/rules/device_list.h"
#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

class QComboBox;
class QHBoxLayout;

namespace brelvo::gui {

class CDeviceGrid;
class CTButtonPicture;
class CTEdit;
class CTMultiPages;
class CTPicture;
class CTStatic;

// A header that does nothing when clicked; as a refresh's column it orders by address.
inline constexpr int kNoSortKey = -1;

struct ListColumn {
    const char* title;  // the English text, translated when the grid is set up
    int width;          // pixels
    core::DeviceField field;
    int sort_key = kNoSortKey;  // the store's sort key (core::DeviceSortKey)
};

struct ListPageLayout {
    PageId id;
    std::vector<ListColumn> columns;
    int initial_sort_column;
    // The picture of the kPicture column (web, write or bridge picture).
    std::filesystem::path picture;
    // Columns over which the mouse cursor becomes a hand (the header always gets it).
    std::vector<int> hand_columns;
    // The Status column in "TextOnlineColor" rather than "GridTextColor".
    bool status_in_online_color = false;
    // The status list fills the free rows of its last page with devices that have answered a
    // search but not reported yet.
    bool lists_found_devices = false;
};

class CDeviceListPage : public CTDialog, public DeviceListPage {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 48;
    static constexpr int kPageWidth = 1070;
    static constexpr int kPageHeight = 600;

    CDeviceListPage(PageServices& services, ListPageLayout layout, QWidget* parent);
    ~CDeviceListPage() override;

    // Shows `page` of the devices matching `search`, ordered by `column`.
    void RefreshList(int page, bool ascending, int column, const QString& search);
    void RefreshCurrentPage() override;
    void GoToPage(int page) override;

    int CurrentPage() const { return page_; }
    int PageCount() const { return pageCount_; }
    int SortColumn() const { return sortColumn_; }
    // The direction the next refresh uses.
    bool SortAscending() const { return toggle_.RefreshAscending(); }
    const QString& SearchText() const { return search_; }
    int PageSize() const;
    int OnlineCount() const { return onlineCount_; }
    const ListPageLayout& Layout() const { return layout_; }
    // The column of a field, or -1 when the page has none.
    int ColumnOf(core::DeviceField field) const;
    // The store's sort key a refresh by this column uses.
    int SortKeyOfColumn(int column) const;

    CDeviceGrid& Grid() const { return *grid_; }
    CTEdit& SearchBox() const { return *searchBox_; }
    QComboBox& PageSizeBox() const { return *pageSizeBox_; }
    CTMultiPages& Pager() const { return *pager_; }
    CTStatic& CountText() const { return *countText_; }
    CTButtonPicture& RefreshButton() const { return *refreshButton_; }
    // First of the action buttons; hidden on the pages that have no search.
    CTButtonPicture& SearchButton() const { return *searchButton_; }

    // Every data row as its cells read, for collecting the ticked devices.
    std::vector<core::DeviceRowTexts> RowTexts() const;

protected:
    PageServices& Services() const { return services_; }
    const core::Theme& Theme() const { return services_.theme; }

    // A picture button in the row of action buttons, after those added before.
    CTButtonPicture* AddActionButton(const char* caption);
    // Another widget after the action buttons added so far.
    void AddToActionRow(QWidget* widget);

    // Empties the search box and the search text without a refresh of its own.
    void ClearSearch();

    // A click on a data cell other than the check box.
    virtual void OnCellClicked(int row, int column);

private:
    void BuildLayout();
    void ConfigureGrid();
    void Fill(const std::vector<core::ap_info_stu>& stored,
              const std::vector<core::ap_info_stu>& found);
    void AppendRow(const core::ap_info_stu& record, int rowIndex, bool foundOnly);
    void ShowCount();
    void OnGridClicked(int row, int column);
    void OnHeaderClicked(int column);
    void OnSearchEdited(const QString& text);
    void OnPageSizeChosen();

    PageServices& services_;
    ListPageLayout layout_;
    core::SortToggle toggle_;
    int sortColumn_;
    int page_ = 1;
    int pageCount_ = 0;
    int onlineCount_ = 0;
    QString search_;
    bool selectAll_ = false;

    // Children of the page.
    QHBoxLayout* actionRow_ = nullptr;
    int actionCount_ = 0;
    CTButtonPicture* searchButton_ = nullptr;
    CTPicture* searchLeft_ = nullptr;
    CTEdit* searchBox_ = nullptr;
    CTPicture* searchRight_ = nullptr;
    CDeviceGrid* grid_ = nullptr;
    CTPicture* line_ = nullptr;
    CTStatic* pageSizeLabel_ = nullptr;
    QComboBox* pageSizeBox_ = nullptr;
    CTButtonPicture* refreshButton_ = nullptr;
    CTStatic* countText_ = nullptr;
    CTMultiPages* pager_ = nullptr;
};

// The page-size choices of every list page; the second is selected at start.
inline constexpr int kPageSizes[] = {15, 30, 50, 100};

}  // namespace brelvo::gui
