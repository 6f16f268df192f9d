#include "gui/app/page_factory.h"

#include "gui/app/placeholder_page.h"
#include "gui/support/install_help_dlg.h"
#include "gui/views/status_dlg.h"

namespace brelvo::gui {

std::unique_ptr<QWidget> CreatePage(PageId id, PageServices& services, QWidget* parent) {
    switch (id) {
        case kPageStatus:
            return std::make_unique<CStatusDlg>(services, parent);
        case kPageManagement:
            return std::make_unique<CPlaceholderPage>("Device management", services, parent);
        case kPageBridge:
            return std::make_unique<CPlaceholderPage>("Device bridge", services, parent);
        case kPageReboot:
            return std::make_unique<CPlaceholderPage>("Device reboot", services, parent);
        case kPageUpgrade:
            return std::make_unique<CPlaceholderPage>("Device upgrade", services, parent);
        case kPageRestore:
            return std::make_unique<CPlaceholderPage>("Device restore", services, parent);
        case kPageInstallHelp:
            return std::make_unique<CInstallHelpDlg>(services, parent);
        case kPageSystemTool:
            return std::make_unique<CPlaceholderPage>("System tool", services, parent);
    }
    return nullptr;
}

}  // namespace brelvo::gui
