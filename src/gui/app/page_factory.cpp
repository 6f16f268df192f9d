#include "gui/app/page_factory.h"

#include "gui/bridge/bridge_dlg.h"
#include "gui/config/reboot_dlg.h"
#include "gui/config/restore_dlg.h"
#include "gui/config/system_tool_dlg.h"
#include "gui/support/install_help_dlg.h"
#include "gui/upgrade/upgrade_dlg.h"
#include "gui/views/management_dlg.h"
#include "gui/views/status_dlg.h"

namespace brelvo::gui {

std::unique_ptr<QWidget> CreatePage(PageId id, PageServices& services, QWidget* parent) {
    switch (id) {
        case kPageStatus:
            return std::make_unique<CStatusDlg>(services, parent);
        case kPageManagement:
            return std::make_unique<CManagementDlg>(services, parent);
        case kPageBridge:
            return std::make_unique<CBridgeDlg>(services, parent);
        case kPageReboot:
            return std::make_unique<CRebootDlg>(services, parent);
        case kPageUpgrade:
            return std::make_unique<CUpgradeDlg>(services, parent);
        case kPageRestore:
            return std::make_unique<CRestoreDlg>(services, parent);
        case kPageInstallHelp:
            return std::make_unique<CInstallHelpDlg>(services, parent);
        case kPageSystemTool:
            return std::make_unique<CSystemToolDlg>(services, parent);
    }
    return nullptr;
}

}  // namespace brelvo::gui
