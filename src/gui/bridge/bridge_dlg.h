// The bridge page: the stored devices with their bridge status, each with an Operate picture
// that starts the bridge wizard for that device.
#pragma once

#include "gui/views/device_list_page.h"

namespace brelvo::gui {

class CBridgeDlg : public CDeviceListPage {
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
        kStatus,
        kOperate,
        kColumnCount,
    };

    CBridgeDlg(PageServices& services, QWidget* parent);

protected:
    void OnCellClicked(int row, int column) override;
    // The Operate cell of a row: the bridge wizard is started here once it exists; until then
    // the click shows nothing.
    virtual void OpenWizard(int row);
};

}  // namespace brelvo::gui
