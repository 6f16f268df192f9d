// The management page: the stored devices a page at a time, each with an Operate picture that
// opens the configuration dialog of that one device.
#pragma once

#include "gui/views/device_list_page.h"

namespace brelvo::gui {

class CManagementDlg : public CDeviceListPage {
    Q_OBJECT

public:
    enum Column {
        kSerial,
        kLocation,
        kType,
        kIp,
        kMac,
        kOperationMode,
        kSsid,
        kChannel,
        kSecureMode,
        kPower,
        kOperate,
        kColumnCount,
    };

    CManagementDlg(PageServices& services, QWidget* parent);

protected:
    void OnCellClicked(int row, int column) override;
    // The Operate cell of a row: the configuration dialog of that device is opened here once
    // it exists; until then the click shows nothing.
    virtual void OpenConfiguration(int row);
};

}  // namespace brelvo::gui
