#include "gui/config/slotwise_set_multi_dlg.h"

#include <utility>

namespace brelvo::gui {

CSlotwiseSetMultiDlg::CSlotwiseSetMultiDlg(PageServices& services, uint8_t initial, Confirm confirm,
                                           QWidget* parent)
    : CSwitchSetMultiDlg(services, core::SwitchKind::kTdma, initial, std::move(confirm), parent) {}

}  // namespace brelvo::gui
