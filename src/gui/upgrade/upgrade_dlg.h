// The upgrade page: the stored devices with their versions and upgrade status; the ticked
// devices (at most ten) are upgraded from one firmware image.
#pragma once

#include "gui/views/device_list_page.h"

namespace brelvo::gui {

class CUpgradeDlg : public CDeviceListPage {
    Q_OBJECT

public:
    enum Column {
        kCheck,
        kSerial,
        kLocation,
        kType,
        kIp,
        kMac,
        kOperationMode,
        kSsid,
        kVersion,
        kStatus,
        kColumnCount,
    };

    CUpgradeDlg(PageServices& services, QWidget* parent);

    CTButtonPicture& UpgradeButton() const { return *upgrade_; }

protected:
    // The Upgrade button: the upgrade dialog is opened here once it exists; until then the
    // button shows nothing.
    virtual void OnUpgradeButton();

private:
    CTButtonPicture* upgrade_ = nullptr;
};

}  // namespace brelvo::gui
