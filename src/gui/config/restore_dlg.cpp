#include "gui/config/restore_dlg.h"

namespace brelvo::gui {

CRestoreDlg::CRestoreDlg(PageServices& services, QWidget* parent)
    : CResetListPage(services, kPageRestore, "Restore", parent) {}

}  // namespace brelvo::gui
