#include "gui/config/reboot_dlg.h"

namespace brelvo::gui {

CRebootDlg::CRebootDlg(PageServices& services, QWidget* parent)
    : CResetListPage(services, kPageReboot, "Reboot", parent) {}

}  // namespace brelvo::gui
