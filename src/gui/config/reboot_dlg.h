// The reboot page: restarts the ticked devices.
#pragma once

#include "gui/config/reset_list_page.h"

namespace brelvo::gui {

class CRebootDlg : public CResetListPage {
    Q_OBJECT

public:
    CRebootDlg(PageServices& services, QWidget* parent);
};

}  // namespace brelvo::gui
