// The system tool page: the computer's network adapters that searches and requests go out
// through, with their MAC and IPv4 addresses, refreshed every five seconds.
#pragma once

#include <QTimer>

#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

namespace brelvo::gui {

class CDeviceGrid;
class CTPicture;
class CTStatic;

class CSystemToolDlg : public CTDialog {
    Q_OBJECT

public:
    enum Column { kId, kDescription, kMac, kIp, kColumnCount };

    CSystemToolDlg(PageServices& services, QWidget* parent);

    CDeviceGrid& Grid() const { return *grid_; }
    CTStatic& CountText() const { return *countText_; }
    const QTimer& RefreshTimer() const { return refreshTimer_; }

public slots:
    // Timer 1000, every five seconds, and once at opening.
    void FillAdapters();

private:
    PageServices& services_;
    QTimer refreshTimer_;
    CTStatic* countText_ = nullptr;
    CDeviceGrid* grid_ = nullptr;
    CTPicture* line_ = nullptr;
};

}  // namespace brelvo::gui
