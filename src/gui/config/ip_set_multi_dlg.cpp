#include "gui/config/ip_set_multi_dlg.h"

#include <QLineEdit>
#include <QProgressBar>

#include <utility>

#include "core/rules/ip_settings.h"
#include "gui/config/ip_address_edit.h"
#include "gui/config/message_boxes.h"
#include "gui/config/popup_frame.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"
#include "gui/views/page_look.h"
#include "gui/views/qt_child.h"

namespace brelvo::gui {

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 340;
constexpr int kFirstRowTop = 50;
constexpr int kRowStep = 33;
constexpr int kLabelLeft = 24;
constexpr int kLabelWidth = 130;
constexpr int kEditWidth = 180;
constexpr int kEditHeight = 24;

QString FromUtf16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace

CIpsetMutilDlg::CIpsetMutilDlg(PageServices& services, std::vector<core::device_target> selection,
                               const core::ip_block& firstDevice, Confirm confirm, QWidget* parent)
    : CTDialog(parent, Kind::PopUp),
      services_(services),
      selection_(std::move(selection)),
      confirm_(std::move(confirm)) {
    const PopupFrame frame =
        BuildPopupFrame(*this, services_.theme, services_.skin, Tr("Set IP"), kWidth, kHeight);
    save_ = frame.save;
    cancel_ = frame.cancel;
    close_ = frame.close;

    const core::SetIpLayout layout = core::SetIpPopupLayout(selection_.size());
    start_ = AddressRow(startLabel_, QString::fromStdString(layout.start_label), kFirstRowTop);
    end_ = AddressRow(endLabel_, QString::fromStdString(layout.end_label), kFirstRowTop + kRowStep);
    mask_ = AddressRow(maskLabel_, Tr("Sub_Network"), kFirstRowTop + 2 * kRowStep);
    gateway_ = AddressRow(gatewayLabel_, Tr("Gate_Way"), kFirstRowTop + 3 * kRowStep);
    primaryDns_ = AddressRow(primaryDnsLabel_, Tr("Major_Dns"), kFirstRowTop + 4 * kRowStep);
    secondaryDns_ = AddressRow(secondaryDnsLabel_, Tr("Dns"), kFirstRowTop + 5 * kRowStep);
    if (!layout.end_row_shown) {
        endLabel_->hide();
        end_->hide();
        // The single address takes the place of the hidden row.
        startLabel_->move(startLabel_->x(), startLabel_->y() + layout.start_row_shift);
        start_->move(start_->x(), start_->y() + layout.start_row_shift);
    }

    progress_ = MakeChild<QProgressBar>(this);
    progress_->setGeometry(kLabelLeft, kFirstRowTop + 6 * kRowStep + 4, kWidth - 2 * kLabelLeft,
                           14);
    progress_->setTextVisible(false);
    progress_->setVisible(layout.progress_shown);

    const core::SetIpFields fields = core::FillSetIpPopup(firstDevice);
    start_->SetText(FromUtf16(fields.start));
    mask_->SetText(FromUtf16(fields.mask));
    gateway_->SetText(FromUtf16(fields.gateway));
    primaryDns_->SetText(FromUtf16(fields.primary_dns));
    secondaryDns_->SetText(FromUtf16(fields.secondary_dns));

    progressTimer_.setInterval(core::kSetIpTickPeriod);
    connect(&progressTimer_, &QTimer::timeout, this, &CIpsetMutilDlg::OnProgressTick);
    connect(save_, &QAbstractButton::clicked, this, &CIpsetMutilDlg::OnSave);
    // Closing during the progress ends the timer with the window; the worker goes on.
    connect(this, &QDialog::finished, &progressTimer_, &QTimer::stop);
}

CIpAddressEdit* CIpsetMutilDlg::AddressRow(CTStatic*& label, const QString& text, int top) {
    label = MakeChild<CTStatic>(this);
    StyleStatic(*label, services_.theme, ToQColor(services_.theme.settings.static_font_text_color));
    label->SetText(text);
    label->setGeometry(kLabelLeft, top, kLabelWidth, kEditHeight);
    auto* edit = MakeChild<CIpAddressEdit>(this);
    edit->setGeometry(kLabelLeft + kLabelWidth + 10, top, kEditWidth, kEditHeight);
    return edit;
}

void CIpsetMutilDlg::OnSave() {
    core::SetIpFields fields;
    fields.start = start_->Text().toStdU16String();
    fields.end = end_->Text().toStdU16String();
    fields.mask = mask_->Text().toStdU16String();
    fields.gateway = gateway_->Text().toStdU16String();
    fields.primary_dns = primaryDns_->Text().toStdU16String();
    fields.secondary_dns = secondaryDns_->Text().toStdU16String();
    const auto saved = core::SaveSetIpPopup(fields, selection_.size());
    if (!saved) {
        ShowRuleFailure(this, saved.failure());
        FocusField(saved.failure().focus);
        return;
    }
    if (confirm_)
        confirm_(saved.output());

    const core::SetIpRunningView running;
    for (CIpAddressEdit* edit : {start_, end_, mask_, gateway_, primaryDns_, secondaryDns_})
        edit->setEnabled(running.address_fields_enabled);
    save_->setEnabled(running.save_enabled);
    cancel_->setEnabled(running.cancel_enabled);
    close_->setEnabled(running.close_enabled);
    progress_->setRange(0, running.progress_maximum);
    progress_->setValue(running.progress_position);
    progress_->setVisible(running.progress_shown);
    countdown_ = core::SetIpCountdown();
    progressTimer_.start();
}

void CIpsetMutilDlg::OnProgressTick() {
    const core::CountdownStep step = countdown_.Tick();
    if (step.leave_notice)
        services_.engine.SendLeaveToFound();
    if (step.search)
        services_.engine.SearchDevices();
    progress_->setValue(step.position);
    if (step.finished) {
        progressTimer_.stop();
        accept();
    }
}

void CIpsetMutilDlg::FocusField(core::InputField field) {
    switch (field) {
        case core::InputField::kAddress:
            start_->Part(0).setFocus();
            break;
        case core::InputField::kEndAddress:
            end_->Part(0).setFocus();
            break;
        case core::InputField::kMask:
            mask_->Part(0).setFocus();
            break;
        case core::InputField::kGateway:
            gateway_->Part(0).setFocus();
            break;
        case core::InputField::kPrimaryDns:
            primaryDns_->Part(0).setFocus();
            break;
        case core::InputField::kSecondaryDns:
            secondaryDns_->Part(0).setFocus();
            break;
        default:
            break;
    }
}

}  // namespace brelvo::gui
