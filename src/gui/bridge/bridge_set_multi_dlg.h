// The "Set Bridge" pop-up of the status page: the transparent-bridge switch of every ticked
// device that has one. It opens with the first device's state selected.
#pragma once

#include <vector>

#include "core/protocol/device_record.h"
#include "gui/config/switch_set_multi_dlg.h"

namespace brelvo::gui {

class CBridgeSetMultiDlg : public CSwitchSetMultiDlg {
    Q_OBJECT

public:
    CBridgeSetMultiDlg(PageServices& services, uint8_t initial,
                       std::vector<core::device_target> chosen, Confirm confirm, QWidget* parent);

    const std::vector<core::device_target>& Chosen() const { return chosen_; }

private:
    std::vector<core::device_target> chosen_;
};

}  // namespace brelvo::gui
