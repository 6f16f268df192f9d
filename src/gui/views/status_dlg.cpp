#include "gui/views/status_dlg.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QMetaObject>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <utility>

#include "core/protocol/value_texts.h"
#include "core/rules/batch_selection.h"
#include "core/rules/outgoing_names.h"
#include "core/rules/validation.h"
#include "core/support/text_codec.h"
#include "gui/bridge/bridge_set_multi_dlg.h"
#include "gui/config/ip_set_multi_dlg.h"
#include "gui/config/message_boxes.h"
#include "gui/config/slotwise_set_multi_dlg.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_edit.h"
#include "gui/controls/ct_picture.h"
#include "gui/controls/device_grid.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/batch_workers.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {

using core::DeviceField;

constexpr std::chrono::milliseconds kRefreshDelay{2000};
constexpr std::size_t kMaxNameBytes = 32;

ListPageLayout StatusLayout(const core::SkinPaths& skin) {
    return ListPageLayout{
        kPageStatus,
        {
            {"", 20, DeviceField::kCheck},
            {"Serial", 40, DeviceField::kSerial},
            {"Location", 90, DeviceField::kName, core::kSortName},
            {"Type", 80, DeviceField::kType, core::kSortType},
            {"IP", 102, DeviceField::kIp, core::kSortIp},
            {"MAC", 112, DeviceField::kMac, core::kSortMac},
            {"OperationMode", 66, DeviceField::kWorkMode, core::kSortWorkMode},
            {"SSID", 100, DeviceField::kSsid, core::kSortSsid},
            {"Channel", 65, DeviceField::kChannel, core::kSortChannel},
            {"Version", 60, DeviceField::kVersion, core::kSortVersion},
            {"Transparent bridge", 100, DeviceField::kTransparentBridge,
             core::kSortTransparentBridge},
            {"Slotwise", 70, DeviceField::kTdma, core::kSortTdma},
            {"Time", 70, DeviceField::kUptime, core::kSortUptime},
            {"Operate", 70, DeviceField::kPicture},
        },
        CStatusDlg::kIp,
        skin.web,
        {CStatusDlg::kCheck, CStatusDlg::kLocation, CStatusDlg::kOperate},
        false,
        true,
    };
}

}  // namespace

CStatusDlg::CStatusDlg(PageServices& services, QWidget* parent)
    : CDeviceListPage(services, StatusLayout(services.skin), parent) {
    SearchButton().SetCaption(Tr("Search"));
    setIpButton_ = AddActionButton("Set IP");
    setBridgeButton_ = AddActionButton("Set Bridge");
    slotwiseButton_ = AddActionButton("Slotwise");

    waitAnimation_ = MakeChild<CTPicture>(this);
    waitAnimation_->SetPicture(ToQString(services.skin.wait_search));
    waitAnimation_->setFixedSize(32, 32);
    AddToActionRow(waitAnimation_);
    waitAnimation_->hide();

    searchTimer_.setInterval(core::StatusSearchTimeline::kTickPeriod);
    refreshTimer_.setInterval(kRefreshDelay);
    refreshTimer_.setSingleShot(true);

    connect(&SearchButton(), &QAbstractButton::clicked, this, &CStatusDlg::OnSearchButton);
    connect(setIpButton_, &QAbstractButton::clicked, this, &CStatusDlg::OnSetIp);
    connect(setBridgeButton_, &QAbstractButton::clicked, this, &CStatusDlg::OnSetBridge);
    connect(slotwiseButton_, &QAbstractButton::clicked, this, &CStatusDlg::OnSlotwise);
    connect(&searchTimer_, &QTimer::timeout, this, &CStatusDlg::OnSearchTick);
    connect(&refreshTimer_, &QTimer::timeout, this, &CStatusDlg::OnRefreshTimer);
    connect(&Grid(), &CDeviceGrid::EditStarted, this, &CStatusDlg::OnEditStarted);
    connect(&Grid(), &CDeviceGrid::EditEnded, this, &CStatusDlg::OnEditEnded);
}

CStatusDlg::~CStatusDlg() {
    // The workers may still queue a refresh on this page; they are stopped before it goes.
    renameWorker_.Stop();
    ipWorker_.Stop();
    bridgeWorker_.Stop();
    tdmaWorker_.Stop();
}

void CStatusDlg::WaitForWorkers() {
    renameWorker_.Join();
    ipWorker_.Join();
    bridgeWorker_.Join();
    tdmaWorker_.Join();
}

// --- the search ---

void CStatusDlg::OnSearchButton() {
    if (idle_)
        StartSearch();
    else
        EndSearch();
}

void CStatusDlg::StartSearch() {
    idle_ = false;
    auto& engine = Services().engine;
    engine.RefreshCaptureDevices();
    engine.SendLeaveToFound();
    engine.DropFoundEntries();
    engine.PurgeStaleDevices();
    engine.SearchDevices();
    timeline_ = core::StatusSearchTimeline{};
    ClearSearch();
    RefreshList(1, SortAscending(), SortColumn(), SearchText());
    waitAnimation_->show();
    SearchButton().SetCaption(Tr("Stop"));
    SetSearchControlsEnabled(false);
    Services().host.EnableMenu(false);
    Services().host.SetAutoRefresh(false);
    searchTimer_.start();
}

void CStatusDlg::OnSearchTick() {
    if (idle_)
        return;
    const core::StatusSearchStep step = timeline_.Tick();
    if (step.finished) {
        EndSearch();
        return;
    }
    if (step.search_and_refresh) {
        Services().engine.SearchDevices();
        RefreshList(1, SortAscending(), SortColumn(), SearchText());
    }
}

void CStatusDlg::EndSearch() {
    searchTimer_.stop();
    waitAnimation_->hide();
    SearchButton().SetCaption(Tr("Search"));
    SetSearchControlsEnabled(true);
    Services().host.EnableMenu(true);
    Services().host.SetAutoRefresh(true);
    idle_ = true;
    RefreshCurrentPage();
}

void CStatusDlg::SetSearchControlsEnabled(bool enabled) {
    SearchBox().setEnabled(enabled);
    Grid().setEnabled(enabled);
    PageSizeBox().setEnabled(enabled);
}

void CStatusDlg::OnRefreshTimer() {
    refreshTimer_.stop();
    RefreshCurrentPage();
}

// --- clicks, the web page and renaming ---

void CStatusDlg::OnCellClicked(int row, int column) {
    const bool reported = Grid().Model().RowData(row) != static_cast<int>(core::kStatusFoundOnly);
    if (column == kOperate) {
        Grid().SetEditingEnabled(false);
        if (reported) {
            // What the system's browser makes of it is its own affair.
            QDesktopServices::openUrl(
                QUrl(QStringLiteral("http://") + Grid().Model().CellText(row, kIp)));
        }
        return;
    }
    // Only a device that has reported can be renamed: the name goes to its stored address.
    Grid().SetEditingEnabled(column == kLocation && reported);
}

void CStatusDlg::OnEditStarted(int, int column, const QString& text) {
    if (column == kLocation)
        editOldName_ = text;
}

void CStatusDlg::OnEditEnded(int row, int column, const QString&, const QString& newText) {
    Grid().SetEditingEnabled(false);
    if (column != kLocation)
        return;
    if (newText == editOldName_)
        return;
    if (newText.isEmpty()) {
        Grid().Model().SetCellText(row, kLocation, editOldName_);
        return;
    }
    Rename(row, newText);
}

void CStatusDlg::Rename(int row, const QString& name) {
    const DeviceGridModel& model = Grid().Model();
    const std::string ip = model.CellText(row, kIp).toStdString();
    const std::string mac = model.CellText(row, kMac).toStdString();
    const uint16_t type = core::ModelCode(model.CellText(row, kType).toStdString());

    const std::u16string typed = name.toStdU16String();
    if (const core::RuleResult failure = core::CheckDeviceName(typed, type)) {
        ShowRuleFailure(this, *failure);
        Grid().Model().SetCellText(row, kLocation, editOldName_);
        return;
    }
    const std::u16string kept = core::TruncateToUtf8Length(typed, kMaxNameBytes);
    Grid().Model().SetCellText(row, kLocation, QString::fromStdU16String(kept));

    const core::device_target target = core::MakeTarget(ip, mac, type);
    const core::name_block block = core::MakeNameBlock(core::Utf16ToUtf8(kept));
    renameWorker_.Restart([&engine = Services().engine, target, block](std::stop_token) {
        SendRename(engine, target, block);
    });
    refreshTimer_.start();
}

// --- the batch actions ---

void CStatusDlg::OnSetIp() {
    const auto selected = core::SelectDevices(RowTexts());
    if (!selected) {
        ShowRuleFailure(this, selected.failure());
        return;
    }
    selection_ = selected.output();
    addresses_ = core::SetIpAddresses{};
    firstAddressing_ = core::ZeroBlock<core::ip_block>();
    if (const auto first = Services().store.GetDevice(core::TargetMac(selection_.front())))
        firstAddressing_ = core::SliceOf<core::ip_block>(*first);

    CIpsetMutilDlg popup(
        Services(), selection_, firstAddressing_,
        [this](const core::SetIpAddresses& addresses) { StartApplyIpSettings(addresses); }, this);
    popup.exec();
}

void CStatusDlg::StartApplyIpSettings(const core::SetIpAddresses& addresses) {
    addresses_ = addresses;
    std::vector<core::AddressChange> changes = core::PlanApplyIpSettings(selection_, addresses_);
    ipWorker_.Restart([&engine = Services().engine, changes = std::move(changes)](
                          std::stop_token stop) { SendAddressChanges(stop, engine, changes); });
}

void CStatusDlg::OnSetBridge() {
    OpenSwitchPopup(core::SwitchKind::kTransparentBridge);
}

void CStatusDlg::OnSlotwise() {
    OpenSwitchPopup(core::SwitchKind::kTdma);
}

void CStatusDlg::OpenSwitchPopup(core::SwitchKind kind) {
    const auto selected = core::SelectConfigurableDevices(RowTexts(), core::RowFilterOf(kind));
    if (!selected) {
        ShowRuleFailure(this, selected.failure());
        return;
    }
    selection_ = selected.output();
    switchBytes_ = core::ZeroBlock<core::feature_block>();
    const core::ap_info_stu first = Services()
                                        .store.GetDevice(core::TargetMac(selection_.front()))
                                        .value_or(core::ZeroRecord());
    const uint8_t initial = core::InitialSwitchValue(kind, first);
    if (kind == core::SwitchKind::kTransparentBridge)
        switchBytes_.bridge_transparent = initial;
    else
        switchBytes_.tdmaEn = initial;

    const auto confirm = [this, kind](const core::PlannedRequest& request) {
        StartSwitchWorker(kind, request);
    };
    if (kind == core::SwitchKind::kTransparentBridge) {
        CBridgeSetMultiDlg popup(Services(), initial, selection_, confirm, this);
        popup.exec();
    } else {
        CSlotwiseSetMultiDlg popup(Services(), initial, confirm, this);
        popup.exec();
    }
}

void CStatusDlg::StartSwitchWorker(core::SwitchKind kind, const core::PlannedRequest& request) {
    switchBytes_ = core::ZeroBlock<core::feature_block>();
    std::memcpy(&switchBytes_, request.payload.data(),
                std::min(request.payload.size(), sizeof switchBytes_));
    PageWorker& worker = kind == core::SwitchKind::kTransparentBridge ? bridgeWorker_ : tdmaWorker_;
    worker.Restart(
        [this, &engine = Services().engine, targets = selection_, request](std::stop_token stop) {
            SendToEach(stop, engine, targets, request);
            if (stop.stop_requested())
                return;
            // The refresh timer belongs to the window's thread.
            QMetaObject::invokeMethod(
                this, [this] { refreshTimer_.start(); }, Qt::QueuedConnection);
        });
}

}  // namespace brelvo::gui
