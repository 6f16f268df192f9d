#include "gui/bridge/bridge_set_multi_dlg.h"

#include <utility>

namespace brelvo::gui {

CBridgeSetMultiDlg::CBridgeSetMultiDlg(PageServices& services, uint8_t initial,
                                       std::vector<core::device_target> chosen, Confirm confirm,
                                       QWidget* parent)
    : CSwitchSetMultiDlg(services, core::SwitchKind::kTransparentBridge, initial,
                         std::move(confirm), parent),
      chosen_(std::move(chosen)) {}

}  // namespace brelvo::gui
