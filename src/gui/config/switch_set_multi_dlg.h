// The on/off pop-up of the status page for several devices at once. "Set Bridge" and
// "Slotwise" are this pop-up with their own switch: the operator picks "Enable" or
// "Disable_off", and Save hands the request for every chosen device to the status page, whose
// worker sends it.
#pragma once

#include <functional>

#include "core/rules/planned_request.h"
#include "core/rules/switch_settings.h"
#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

class QRadioButton;

namespace brelvo::gui {

class CTButtonPicture;
class CTStatic;

class CSwitchSetMultiDlg : public CTDialog {
    Q_OBJECT

public:
    // Called on Save with the request (18 or 19 and its 14 switch bytes); the status page
    // ends its earlier worker of this kind and starts the next.
    using Confirm = std::function<void(const core::PlannedRequest&)>;

    CSwitchSetMultiDlg(PageServices& services, core::SwitchKind kind, uint8_t initial,
                       Confirm confirm, QWidget* parent);

    QRadioButton& EnableOption() const { return *enable_; }
    QRadioButton& DisableOption() const { return *disable_; }
    CTButtonPicture& SaveButton() const { return *save_; }
    CTButtonPicture& CancelButton() const { return *cancel_; }
    CTButtonPicture& CloseButton() const { return *close_; }
    CTStatic& Label() const { return *label_; }
    const core::SwitchPopup& Choice() const { return popup_; }

public slots:
    void OnSave();

private:
    core::SwitchPopup popup_;
    Confirm confirm_;
    CTStatic* label_ = nullptr;
    QRadioButton* enable_ = nullptr;
    QRadioButton* disable_ = nullptr;
    CTButtonPicture* save_ = nullptr;
    CTButtonPicture* cancel_ = nullptr;
    CTButtonPicture* close_ = nullptr;
};

}  // namespace brelvo::gui
