// The "Set IP" pop-up of the status page: one new address for a single ticked device, or a
// range handed out over several. Save checks the addresses, hands them to the status page,
// which starts its addressing worker, and then runs a fixed progress while the devices move and
// are searched for again.
#pragma once

#include <QTimer>

#include <functional>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/ip_range.h"
#include "core/rules/timelines.h"
#include "core/rules/validation.h"
#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

class QLabel;
class QProgressBar;

namespace brelvo::gui {

class CIpAddressEdit;
class CTButtonPicture;
class CTStatic;

class CIpsetMutilDlg : public CTDialog {
    Q_OBJECT

public:
    // Called once Save has accepted the addresses: the status page keeps them and starts its
    // worker (ending one of an earlier confirmation first).
    using Confirm = std::function<void(const core::SetIpAddresses&)>;

    CIpsetMutilDlg(PageServices& services, std::vector<core::device_target> selection,
                   const core::ip_block& firstDevice, Confirm confirm, QWidget* parent);

    CIpAddressEdit& StartEdit() const { return *start_; }
    CIpAddressEdit& EndEdit() const { return *end_; }
    CIpAddressEdit& MaskEdit() const { return *mask_; }
    CIpAddressEdit& GatewayEdit() const { return *gateway_; }
    CIpAddressEdit& PrimaryDnsEdit() const { return *primaryDns_; }
    CIpAddressEdit& SecondaryDnsEdit() const { return *secondaryDns_; }
    CTStatic& StartLabel() const { return *startLabel_; }
    CTStatic& EndLabel() const { return *endLabel_; }
    CTButtonPicture& SaveButton() const { return *save_; }
    CTButtonPicture& CancelButton() const { return *cancel_; }
    CTButtonPicture& CloseButton() const { return *close_; }
    QProgressBar& Progress() const { return *progress_; }
    const QTimer& ProgressTimer() const { return progressTimer_; }

public slots:
    void OnSave();
    // Every 500 ms once Save was accepted.
    void OnProgressTick();

private:
    CIpAddressEdit* AddressRow(CTStatic*& label, const QString& text, int top);
    void FocusField(core::InputField field);

    PageServices& services_;
    std::vector<core::device_target> selection_;
    Confirm confirm_;
    core::SearchCountdown countdown_ = core::SetIpCountdown();
    QTimer progressTimer_;

    CTStatic* startLabel_ = nullptr;
    CTStatic* endLabel_ = nullptr;
    CTStatic* maskLabel_ = nullptr;
    CTStatic* gatewayLabel_ = nullptr;
    CTStatic* primaryDnsLabel_ = nullptr;
    CTStatic* secondaryDnsLabel_ = nullptr;
    CIpAddressEdit* start_ = nullptr;
    CIpAddressEdit* end_ = nullptr;
    CIpAddressEdit* mask_ = nullptr;
    CIpAddressEdit* gateway_ = nullptr;
    CIpAddressEdit* primaryDns_ = nullptr;
    CIpAddressEdit* secondaryDns_ = nullptr;
    QProgressBar* progress_ = nullptr;
    CTButtonPicture* save_ = nullptr;
    CTButtonPicture* cancel_ = nullptr;
    CTButtonPicture* close_ = nullptr;
};

}  // namespace brelvo::gui
