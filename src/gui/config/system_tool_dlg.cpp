#include "gui/config/system_tool_dlg.h"

#include <QVBoxLayout>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/rules/address_list_text.h"
#include "gui/controls/ct_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/device_list_page.h"
#include "gui/views/page_look.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {

constexpr std::chrono::seconds kRefreshPeriod{5};
constexpr int kRowHeight = 30;

}  // namespace

CSystemToolDlg::CSystemToolDlg(PageServices& services, QWidget* parent)
    : CTDialog(parent, Kind::Page), services_(services) {
    const auto& settings = services_.theme.settings;
    SetFillColor(ToQColor(settings.child_bk_color));
    SetFillBackground(true);
    resize(CDeviceListPage::kPageWidth, CDeviceListPage::kPageHeight);

    auto* outer = MakeChild<QVBoxLayout>(this);
    outer->setContentsMargins(12, 10, 12, 8);
    outer->setSpacing(8);
    countText_ = MakeChild<CTStatic>(this);
    StyleStatic(*countText_, services_.theme, ToQColor(settings.static_text_number_color));
    countText_->setFixedHeight(28);
    outer->addWidget(countText_);

    grid_ = MakeChild<CDeviceGrid>(this);
    StyleGrid(*grid_, services_.theme, kRowHeight);
    const std::array<GridColumn, kColumnCount> columns{{
        {Tr("ID"), 60},
        {Tr("Description"), 400},
        {Tr("MAC"), 140},
        {Tr("IP"), 400},
    }};
    grid_->SetColumns(columns);
    grid_->SetHandCursorColumns({}, false);
    outer->addWidget(grid_, 1);

    line_ = MakeChild<CTPicture>(this);
    line_->SetPicture(ToQString(services_.skin.line));
    line_->SetStretch(true);
    line_->setFixedHeight(1);
    outer->addWidget(line_);
    outer->addSpacing(30);

    countText_->SetText(TrFormat("Adapter count:%d", 0));
    FillAdapters();
    refreshTimer_.setInterval(kRefreshPeriod);
    connect(&refreshTimer_, &QTimer::timeout, this, &CSystemToolDlg::FillAdapters);
    refreshTimer_.start();
}

void CSystemToolDlg::FillAdapters() {
    const std::vector<core::LocalAdapter> adapters = services_.engine.GetAdapters();
    DeviceGridModel& model = grid_->Model();
    model.RemoveAllRows();
    int number = 0;
    for (const auto& adapter : adapters) {
        std::vector<std::string> addresses;
        addresses.reserve(adapter.addresses.size());
        for (const auto& address : adapter.addresses)
            addresses.push_back(address.address);
        const int row = model.AppendRow();
        model.SetCellText(row, kId, QString::number(++number));
        model.SetCellText(row, kDescription, QString::fromStdString(adapter.description));
        model.SetCellText(row, kMac, QString::fromStdString(core::MacBytesToText(adapter.mac)));
        model.SetCellText(row, kIp, QString::fromStdString(core::JoinAddressTexts(addresses)));
    }
    countText_->SetText(TrFormat("Adapter count:%d", static_cast<long long>(adapters.size())));
}

}  // namespace brelvo::gui
