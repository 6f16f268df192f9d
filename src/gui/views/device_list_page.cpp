#include "gui/views/device_list_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <optional>
#include <string>
#include <utility>

#include "core/store/device_store.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_edit.h"
#include "gui/controls/ct_multi_pages.h"
#include "gui/controls/ct_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "gui/controls/skin_picture.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/page_look.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {

constexpr int kDefaultPageSizeIndex = 1;  // 30 rows
constexpr QSize kActionButtonSize{90, 28};
constexpr QSize kListPictureSize{50, 16};
constexpr int kSearchBoxWidth = 190;
constexpr int kSearchBoxHeight = 24;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CDeviceListPage::CDeviceListPage(PageServices& services, ListPageLayout layout, QWidget* parent)
    : CTDialog(parent, Kind::Page),
      services_(services),
      layout_(std::move(layout)),
      sortColumn_(layout_.initial_sort_column) {
    SetFillColor(ToQColor(Theme().settings.child_bk_color));
    SetFillBackground(true);
    resize(kPageWidth, kPageHeight);
    BuildLayout();
    ConfigureGrid();

    for (const int size : kPageSizes)
        pageSizeBox_->addItem(QString::number(size), size);
    pageSizeBox_->setCurrentIndex(kDefaultPageSizeIndex);

    pager_->SetNotifyIdentifier(layout_.id);
    pager_->SetPages(1, 0);
    services_.host.ConnectPager(*pager_, layout_.id);
    ShowCount();

    connect(grid_, &CDeviceGrid::CellClicked, this, &CDeviceListPage::OnGridClicked);
    connect(searchBox_, &QLineEdit::textChanged, this, &CDeviceListPage::OnSearchEdited);
    connect(pageSizeBox_, &QComboBox::currentIndexChanged, this,
            &CDeviceListPage::OnPageSizeChosen);
    connect(refreshButton_, &QAbstractButton::clicked, this, &CDeviceListPage::RefreshCurrentPage);
}

CDeviceListPage::~CDeviceListPage() = default;

void CDeviceListPage::BuildLayout() {
    const auto& skin = services_.skin;
    const auto& settings = Theme().settings;

    auto* outer = MakeChild<QVBoxLayout>(this);
    // Narrow side margins: the status list's columns and its scroll bar just fit the page.
    outer->setContentsMargins(4, 10, 4, 8);
    outer->setSpacing(8);

    actionRow_ = MakeChild<QHBoxLayout>();
    actionRow_->setSpacing(10);
    searchButton_ = AddActionButton("Search");
    actionRow_->addStretch(1);

    // The search box between its two end pictures, as one piece.
    auto* searchRow = MakeChild<QHBoxLayout>();
    searchRow->setSpacing(0);
    searchLeft_ = MakeChild<CTPicture>(this);
    searchLeft_->SetPicture(ToQString(skin.btn_pie));
    searchLeft_->setFixedSize(28, kSearchBoxHeight);
    searchBox_ = MakeChild<CTEdit>(this);
    searchBox_->setFixedSize(kSearchBoxWidth, kSearchBoxHeight);
    searchBox_->setFrame(false);
    searchBox_->setFont(ThemeFont(Theme(), settings.static_font_height, 0));
    searchRight_ = MakeChild<CTPicture>(this);
    searchRight_->SetPicture(ToQString(skin.btn_pie2));
    searchRight_->setFixedSize(10, kSearchBoxHeight);
    searchRow->addWidget(searchLeft_);
    searchRow->addWidget(searchBox_);
    searchRow->addWidget(searchRight_);
    actionRow_->addLayout(searchRow);
    outer->addLayout(actionRow_);

    grid_ = MakeChild<CDeviceGrid>(this);
    outer->addWidget(grid_, 1);

    line_ = MakeChild<CTPicture>(this);
    line_->SetPicture(ToQString(skin.line));
    line_->SetStretch(true);
    line_->setFixedHeight(1);
    outer->addWidget(line_);

    auto* bottom = MakeChild<QHBoxLayout>();
    bottom->setSpacing(8);
    pageSizeLabel_ = MakeChild<CTStatic>(this);
    StyleStatic(*pageSizeLabel_, Theme(), ToQColor(settings.static_font_text_color));
    pageSizeLabel_->SetText(Tr("Each page number"));
    pageSizeBox_ = MakeChild<QComboBox>(this);
    pageSizeBox_->setFixedWidth(64);
    refreshButton_ = MakeChild<CTButtonPicture>(this);
    refreshButton_->SetPictures(ToQString(skin.btn_update_normal), ToQString(skin.btn_update_down),
                                ToQString(skin.btn_update_normal),
                                ToQString(skin.btn_update_normal));
    refreshButton_->setFixedSize(24, 24);
    refreshButton_->setCursor(Qt::PointingHandCursor);
    countText_ = MakeChild<CTStatic>(this);
    StyleStatic(*countText_, Theme(), ToQColor(settings.static_text_number_color));
    pager_ = MakeChild<CTMultiPages>(this);
    pager_->SetBackgroundColor(ToQColor(settings.child_bk_color));
    pager_->setFixedHeight(28);

    bottom->addWidget(pageSizeLabel_);
    bottom->addWidget(pageSizeBox_);
    bottom->addWidget(refreshButton_);
    bottom->addSpacing(16);
    bottom->addWidget(countText_);
    bottom->addStretch(1);
    bottom->addWidget(pager_);
    outer->addLayout(bottom);
}

void CDeviceListPage::ConfigureGrid() {
    std::vector<GridColumn> columns;
    columns.reserve(layout_.columns.size());
    for (const auto& column : layout_.columns)
        columns.push_back({column.title[0] != '\0' ? Tr(column.title) : QString(), column.width});
    StyleGrid(*grid_, Theme(), kRowHeight);
    grid_->SetColumns(columns);
    grid_->SetHandCursorColumns(layout_.hand_columns, true);
    grid_->SetEditingEnabled(false);

    const int check = ColumnOf(core::DeviceField::kCheck);
    if (check >= 0)
        grid_->Model().SetCheckColumn(check, true);
    if (ColumnOf(core::DeviceField::kPicture) >= 0) {
        grid_->Model().AddImage(
            LoadListImage(ToQString(layout_.picture), kListPictureSize, QColor(Qt::white)));
    }
}

CTButtonPicture* CDeviceListPage::AddActionButton(const char* caption) {
    auto* button =
        MakePictureButton(this, Theme(), ToQString(services_.skin.btn_search), Tr(caption));
    button->setFixedSize(kActionButtonSize);
    AddToActionRow(button);
    return button;
}

void CDeviceListPage::AddToActionRow(QWidget* widget) {
    // Left of the stretch that keeps the search box at the right edge.
    actionRow_->insertWidget(actionCount_++, widget, 0, Qt::AlignVCenter);
}

int CDeviceListPage::PageSize() const {
    const QVariant size = pageSizeBox_->currentData();
    return size.isValid() ? size.toInt() : kPageSizes[kDefaultPageSizeIndex];
}

int CDeviceListPage::ColumnOf(core::DeviceField field) const {
    for (std::size_t i = 0; i < layout_.columns.size(); ++i) {
        if (layout_.columns[i].field == field)
            return static_cast<int>(i);
    }
    return -1;
}

int CDeviceListPage::SortKeyOfColumn(int column) const {
    if (column < 0 || column >= static_cast<int>(layout_.columns.size()))
        return core::kSortIp;
    const int key = layout_.columns[static_cast<std::size_t>(column)].sort_key;
    return key == kNoSortKey ? core::kSortIp : key;
}

void CDeviceListPage::RefreshList(int page, bool ascending, int column, const QString& search) {
    const int size = PageSize();
    const std::string searchText = search.toStdString();
    const std::optional<core::DevicePage> result =
        services_.store.QueryDevices(SortKeyOfColumn(column), ascending, searchText, size, page);
    // A query the store could not run lists nothing stored and counts nothing.
    core::DevicePage shown = result.value_or(core::DevicePage{});

    sortColumn_ = column;
    page_ = page;
    pageCount_ = shown.page_count;
    onlineCount_ = shown.online_count;

    std::vector<core::ap_info_stu> found;
    if (layout_.lists_found_devices) {
        const std::size_t room =
            core::FoundDeviceRoom(shown.devices.size(), size, page, shown.page_count);
        if (room > 0)
            found = services_.engine.ListFoundDevices(room, searchText);
    }
    Fill(shown.devices, found);

    grid_->Model().SetSortMark(column, ascending);
    pager_->SetPages(page, pageCount_);
    ShowCount();
}

void CDeviceListPage::RefreshCurrentPage() {
    RefreshList(page_, toggle_.RefreshAscending(), sortColumn_, search_);
}

void CDeviceListPage::GoToPage(int page) {
    RefreshList(page, toggle_.RefreshAscending(), sortColumn_, search_);
}

void CDeviceListPage::Fill(const std::vector<core::ap_info_stu>& stored,
                           const std::vector<core::ap_info_stu>& found) {
    DeviceGridModel& model = grid_->Model();
    model.RemoveAllRows();
    int rowIndex = 0;
    for (const auto& record : stored)
        AppendRow(record, rowIndex++, false);
    for (const auto& record : found)
        AppendRow(record, rowIndex++, true);
    model.SetHeaderChecked(false);
    selectAll_ = false;
    grid_->viewport()->update();
}

void CDeviceListPage::AppendRow(const core::ap_info_stu& record, int rowIndex, bool foundOnly) {
    DeviceGridModel& model = grid_->Model();
    const auto& settings = Theme().settings;
    const int row = model.AppendRow();
    const QColor unreported = ToQColor(settings.text_unline_color);
    const QColor online = ToQColor(settings.text_online_color);

    for (std::size_t i = 0; i < layout_.columns.size(); ++i) {
        const int column = static_cast<int>(i);
        const core::DeviceField field = layout_.columns[i].field;
        if (foundOnly && !core::ShownForFoundDevice(field, record))
            continue;
        switch (field) {
            case core::DeviceField::kCheck:
                break;
            case core::DeviceField::kSerial:
                model.SetCellText(row, column,
                                  QString::number(core::RowSerial(rowIndex, page_, PageSize())));
                break;
            case core::DeviceField::kPicture:
                model.SetCellImage(row, column, 0);
                break;
            default:
                model.SetCellText(row, column, FromUtf8(core::DeviceFieldText(field, record)));
                break;
        }
        if (foundOnly)
            model.SetCellTextColor(row, column, unreported);
        else if (field == core::DeviceField::kStatus && layout_.status_in_online_color)
            model.SetCellTextColor(row, column, online);
    }
    model.SetRowData(row, foundOnly ? static_cast<int>(core::kStatusFoundOnly)
                                    : static_cast<int>(record.ap_status));
}

void CDeviceListPage::ShowCount() {
    countText_->SetText(TrFormat("Online device count:%d", onlineCount_));
    countText_->update();
}

std::vector<core::DeviceRowTexts> CDeviceListPage::RowTexts() const {
    const DeviceGridModel& model = grid_->Model();
    const auto text = [&model](int row, int column) {
        return column >= 0 ? model.CellText(row, column).toStdString() : std::string();
    };
    const int ip = ColumnOf(core::DeviceField::kIp);
    const int mac = ColumnOf(core::DeviceField::kMac);
    const int type = ColumnOf(core::DeviceField::kType);
    const int bridge = ColumnOf(core::DeviceField::kTransparentBridge);
    const int tdma = ColumnOf(core::DeviceField::kTdma);

    std::vector<core::DeviceRowTexts> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows.push_back({model.IsChecked(row), text(row, ip), text(row, mac), text(row, type),
                        text(row, bridge), text(row, tdma)});
    }
    return rows;
}

void CDeviceListPage::ClearSearch() {
    const QSignalBlocker quiet(searchBox_);
    searchBox_->clear();
    search_.clear();
}

void CDeviceListPage::OnGridClicked(int row, int column) {
    if (row == CDeviceGrid::kHeaderRow) {
        OnHeaderClicked(column);
        return;
    }
    if (column == grid_->Model().CheckColumn()) {
        grid_->Model().SetChecked(row, !grid_->Model().IsChecked(row));
        return;
    }
    OnCellClicked(row, column);
}

void CDeviceListPage::OnHeaderClicked(int column) {
    if (column < 0 || column >= static_cast<int>(layout_.columns.size()))
        return;
    if (column == grid_->Model().CheckColumn()) {
        selectAll_ = !selectAll_;
        grid_->Model().SetAllChecked(selectAll_);
        return;
    }
    if (layout_.columns[static_cast<std::size_t>(column)].sort_key == kNoSortKey)
        return;
    const bool ascending = toggle_.HeaderClick();
    RefreshList(1, ascending, column, search_);
}

void CDeviceListPage::OnCellClicked(int, int) {}

void CDeviceListPage::OnSearchEdited(const QString& text) {
    search_ = text;
    RefreshList(1, toggle_.RefreshAscending(), sortColumn_, search_);
}

void CDeviceListPage::OnPageSizeChosen() {
    RefreshList(1, toggle_.RefreshAscending(), sortColumn_, search_);
}

}  // namespace brelvo::gui
