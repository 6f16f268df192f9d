#include "gui/bridge/bridge_dlg.h"

#include "gui/controls/ct_button_picture.h"

namespace brelvo::gui {

namespace {

using core::DeviceField;

ListPageLayout BridgeLayout(const core::SkinPaths& skin) {
    return ListPageLayout{
        kPageBridge,
        {
            {"Serial", 60, DeviceField::kSerial},
            {"Location", 100, DeviceField::kName, core::kSortName},
            {"Type", 80, DeviceField::kType, core::kSortType},
            {"IP", 132, DeviceField::kIp, core::kSortIp},
            {"MAC", 132, DeviceField::kMac, core::kSortMac},
            {"OperationMode", 96, DeviceField::kWorkMode, core::kSortWorkMode},
            {"SSID", 130, DeviceField::kSsid, core::kSortSsid},
            {"Channel", 80, DeviceField::kChannel, core::kSortChannel},
            {"SecureMode", 90, DeviceField::kSecureMode, core::kSortSecureMode},
            {"Status", 70, DeviceField::kStatus, core::kSortStatus},
            {"Operate", 70, DeviceField::kPicture},
        },
        CBridgeDlg::kIp,
        skin.bridge,
        {CBridgeDlg::kOperate},
        true,
    };
}

}  // namespace

CBridgeDlg::CBridgeDlg(PageServices& services, QWidget* parent)
    : CDeviceListPage(services, BridgeLayout(services.skin), parent) {
    SearchButton().hide();
}

void CBridgeDlg::OnCellClicked(int row, int column) {
    if (column == kOperate)
        OpenWizard(row);
}

void CBridgeDlg::OpenWizard(int) {}

}  // namespace brelvo::gui
