// The status page, the first page of the window: every known device a page at a time, the
// device search with its 30-second timeline, renaming a device in its Location cell, its web
// page, and three actions for all ticked devices at once (new addresses, the transparent-bridge
// switch, the TDMA switch), each confirmed in a pop-up and sent by a worker of the page.
#pragma once

#include <QString>
#include <QTimer>

#include <string>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/ip_range.h"
#include "core/rules/planned_request.h"
#include "core/rules/switch_settings.h"
#include "core/rules/timelines.h"
#include "gui/views/device_list_page.h"
#include "gui/views/page_worker.h"

namespace brelvo::gui {

class CStatusDlg : public CDeviceListPage {
    Q_OBJECT

public:
    enum Column {
        kCheck,
        kSerial,
        kLocation,
        kType,
        kIp,
        kMac,
        kOperationMode,
        kSsid,
        kChannel,
        kVersion,
        kTransparentBridge,
        kSlotwise,
        kTime,
        kOperate,
        kColumnCount,
    };

    CStatusDlg(PageServices& services, QWidget* parent);
    ~CStatusDlg() override;

    bool IsSearching() const { return !idle_; }
    CTButtonPicture& SetIpButton() const { return *setIpButton_; }
    CTButtonPicture& SetBridgeButton() const { return *setBridgeButton_; }
    CTButtonPicture& SlotwiseButton() const { return *slotwiseButton_; }
    CTPicture& WaitAnimation() const { return *waitAnimation_; }
    const QTimer& SearchTimer() const { return searchTimer_; }
    const QTimer& RefreshTimer() const { return refreshTimer_; }
    // What the last press of an action button collected, in row order.
    const std::vector<core::device_target>& Selection() const { return selection_; }

    // Waits until every worker of the page has sent all it had to send.
    void WaitForWorkers();

public slots:
    // Button 1003: starts a search, or ends the one that runs.
    void OnSearchButton();
    // Timer 1000, every second while a search runs.
    void OnSearchTick();
    // Timer 2000: the one refresh two seconds after a rename or a switch action.
    void OnRefreshTimer();
    void OnSetIp();
    void OnSetBridge();
    void OnSlotwise();

protected:
    void OnCellClicked(int row, int column) override;

private:
    void StartSearch();
    void EndSearch();
    void SetSearchControlsEnabled(bool enabled);
    void OnEditStarted(int row, int column, const QString& text);
    void OnEditEnded(int row, int column, const QString& oldText, const QString& newText);
    void Rename(int row, const QString& name);
    void OpenSwitchPopup(core::SwitchKind kind);
    void StartApplyIpSettings(const core::SetIpAddresses& addresses);
    void StartSwitchWorker(core::SwitchKind kind, const core::PlannedRequest& request);

    CTButtonPicture* setIpButton_ = nullptr;
    CTButtonPicture* setBridgeButton_ = nullptr;
    CTButtonPicture* slotwiseButton_ = nullptr;
    CTPicture* waitAnimation_ = nullptr;

    // Timer 1000 (the search) and timer 2000 (the refresh after a change).
    QTimer searchTimer_;
    QTimer refreshTimer_;
    bool idle_ = true;
    core::StatusSearchTimeline timeline_;

    // The Location cell's text when its edit began.
    QString editOldName_;

    // What the batch actions work on; the pop-ups and workers get copies.
    std::vector<core::device_target> selection_;
    core::ip_block firstAddressing_ = core::ZeroBlock<core::ip_block>();
    core::SetIpAddresses addresses_{};
    core::feature_block switchBytes_ = core::ZeroBlock<core::feature_block>();

    // Last, so that they are stopped before anything they were started from goes away.
    PageWorker renameWorker_;
    PageWorker ipWorker_;
    PageWorker bridgeWorker_;
    PageWorker tdmaWorker_;
};

}  // namespace brelvo::gui
