// The left-hand menu of the main window: eight picture buttons, one per page, exactly one of
// them selected, and the program version below them.
#pragma once

#include <array>

#include "core/support/theme.h"
#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

namespace brelvo::gui {

class CTButtonPicture;
class CTStatic;

class CMenuDlg : public CTDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 165;
    static constexpr int kHeight = 532;
    static constexpr std::size_t kButtonCount = 8;

    // Starts with the status page selected.
    CMenuDlg(const core::Theme& theme, const core::SkinPaths& skin, QWidget* parent);

    // Switches all eight buttons on or off; the status page switches them off while it
    // searches.
    void EnableMenu(bool enable);
    // The step every button press takes: marks the button of `page` as the selected one and
    // asks for its page (PageSelected).
    void SelectPage(PageId page);

    PageId SelectedPage() const { return selected_; }
    // The button of a page; the pages of the table only.
    CTButtonPicture& Button(PageId page) const;
    CTStatic& VersionText() const { return *version_; }

signals:
    void PageSelected(brelvo::gui::PageId page);

private:
    std::array<CTButtonPicture*, kButtonCount> buttons_{};  // children of the menu
    CTStatic* version_;                                     // child of the menu
    PageId selected_ = kPageStatus;
};

}  // namespace brelvo::gui
