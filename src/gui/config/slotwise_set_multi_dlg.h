// The "Slotwise" pop-up of the status page: the TDMA switch of every ticked device that has
// one. It opens with neither option ticked and keeps the first device's value until one is
// chosen.
#pragma once

#include "gui/config/switch_set_multi_dlg.h"

namespace brelvo::gui {

class CSlotwiseSetMultiDlg : public CSwitchSetMultiDlg {
    Q_OBJECT

public:
    CSlotwiseSetMultiDlg(PageServices& services, uint8_t initial, Confirm confirm, QWidget* parent);
};

}  // namespace brelvo::gui
