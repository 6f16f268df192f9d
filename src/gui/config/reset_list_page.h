// The reboot and restore pages: the stored devices with a check column and a Status column,
// and one action button for every ticked device.
#pragma once

#include "gui/views/device_list_page.h"

namespace brelvo::gui {

class CResetListPage : public CDeviceListPage {
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
        kChannel,
        kSecureMode,
        kStatus,
        kColumnCount,
    };

    CTButtonPicture& ActionButton() const { return *action_; }

protected:
    CResetListPage(PageServices& services, PageId id, const char* actionCaption, QWidget* parent);

    // The action button: the confirmation, the worker and the wait come with the reboot and
    // restore work; until then the button shows nothing.
    virtual void OnActionButton();

private:
    CTButtonPicture* action_ = nullptr;
};

}  // namespace brelvo::gui
