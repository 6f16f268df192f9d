// The install help page: the installation help picture of the operator's language in a
// scrolling window.
#pragma once

#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

namespace brelvo::gui {

class CScrollBitmapWnd;

class CInstallHelpDlg : public CTDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 1070;
    static constexpr int kHeight = 600;

    CInstallHelpDlg(PageServices& services, QWidget* parent);

    CScrollBitmapWnd& Picture() const { return *picture_; }

private:
    CScrollBitmapWnd* picture_;  // child of the page
};

}  // namespace brelvo::gui
