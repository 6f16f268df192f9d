#include "gui/views/management_dlg.h"

#include "gui/controls/ct_button_picture.h"

namespace brelvo::gui {

namespace {

using core::DeviceField;

ListPageLayout ManagementLayout(const core::SkinPaths& skin) {
    return ListPageLayout{
        kPageManagement,
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
            {"Power", 70, DeviceField::kTxPower, core::kSortTxPower},
            {"Operate", 70, DeviceField::kPicture},
        },
        CManagementDlg::kIp,
        skin.write,
        {CManagementDlg::kOperate},
    };
}

}  // namespace

CManagementDlg::CManagementDlg(PageServices& services, QWidget* parent)
    : CDeviceListPage(services, ManagementLayout(services.skin), parent) {
    // The page has a search box but no search of the network.
    SearchButton().hide();
}

void CManagementDlg::OnCellClicked(int row, int column) {
    if (column == kOperate)
        OpenConfiguration(row);
}

void CManagementDlg::OpenConfiguration(int) {}

}  // namespace brelvo::gui
