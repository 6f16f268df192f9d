// The restore page: returns the ticked devices to their factory settings.
#pragma once

#include "gui/config/reset_list_page.h"

namespace brelvo::gui {

class CRestoreDlg : public CResetListPage {
    Q_OBJECT

public:
    CRestoreDlg(PageServices& services, QWidget* parent);
};

}  // namespace brelvo::gui
