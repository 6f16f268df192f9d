#include "gui/upgrade/upgrade_dlg.h"

#include "gui/controls/ct_button_picture.h"

namespace brelvo::gui {

namespace {

using core::DeviceField;

ListPageLayout UpgradeLayout() {
    return ListPageLayout{
        kPageUpgrade,
        {
            {"", 30, DeviceField::kCheck},
            {"Serial", 60, DeviceField::kSerial},
            {"Location", 120, DeviceField::kName, core::kSortName},
            {"Type", 80, DeviceField::kType, core::kSortType},
            {"IP", 132, DeviceField::kIp, core::kSortIp},
            {"MAC", 132, DeviceField::kMac, core::kSortMac},
            {"OperationMode", 106, DeviceField::kWorkMode, core::kSortWorkMode},
            {"SSID", 140, DeviceField::kSsid, core::kSortSsid},
            {"Version", 140, DeviceField::kVersion, core::kSortVersion},
            {"Status", 80, DeviceField::kStatus},
        },
        CUpgradeDlg::kIp,
        {},
        {CUpgradeDlg::kCheck},
        true,
    };
}

}  // namespace

CUpgradeDlg::CUpgradeDlg(PageServices& services, QWidget* parent)
    : CDeviceListPage(services, UpgradeLayout(), parent) {
    SearchButton().hide();
    upgrade_ = AddActionButton("Upgrade");
    connect(upgrade_, &QAbstractButton::clicked, this, &CUpgradeDlg::OnUpgradeButton);
}

void CUpgradeDlg::OnUpgradeButton() {}

}  // namespace brelvo::gui
