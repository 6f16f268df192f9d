#include "gui/config/reset_list_page.h"

#include "gui/controls/ct_button_picture.h"

namespace brelvo::gui {

namespace {

using core::DeviceField;

ListPageLayout ResetListLayout(PageId id) {
    return ListPageLayout{
        id,
        {
            {"", 30, DeviceField::kCheck},
            {"Serial", 60, DeviceField::kSerial},
            {"Location", 110, DeviceField::kName, core::kSortName},
            {"Type", 80, DeviceField::kType, core::kSortType},
            {"IP", 132, DeviceField::kIp, core::kSortIp},
            {"MAC", 132, DeviceField::kMac, core::kSortMac},
            {"OperationMode", 106, DeviceField::kWorkMode, core::kSortWorkMode},
            {"SSID", 130, DeviceField::kSsid, core::kSortSsid},
            {"Channel", 80, DeviceField::kChannel, core::kSortChannel},
            {"SecureMode", 100, DeviceField::kSecureMode, core::kSortSecureMode},
            {"Status", 80, DeviceField::kStatus},
        },
        CResetListPage::kIp,
        {},
        {CResetListPage::kCheck},
        true,
    };
}

}  // namespace

CResetListPage::CResetListPage(PageServices& services, PageId id, const char* actionCaption,
                               QWidget* parent)
    : CDeviceListPage(services, ResetListLayout(id), parent) {
    SearchButton().hide();
    action_ = AddActionButton(actionCaption);
    connect(action_, &QAbstractButton::clicked, this, &CResetListPage::OnActionButton);
}

void CResetListPage::OnActionButton() {}

}  // namespace brelvo::gui
