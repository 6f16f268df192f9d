// A stand-in for a page whose class is not built yet: its title on the page's background.
#pragma once

#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

namespace brelvo::gui {

class CPlaceholderPage : public CTDialog, public DeviceListPage {
    Q_OBJECT

public:
    CPlaceholderPage(const char* title, PageServices& services, QWidget* parent);

    void RefreshCurrentPage() override {}
    void GoToPage(int) override {}
};

}  // namespace brelvo::gui
