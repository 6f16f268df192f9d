// The page host: the right-hand part of the main window. It owns the eight pages, shows one at
// a time, refreshes the visible page a moment after it is shown and then periodically, and
// hands each list page's pager choices back to that page.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

namespace brelvo::gui {

// Builds one page of the host as a child of `parent`. List pages (133 to 138) implement
// DeviceListPage; a widget that does not is shown but never refreshed.
using PageFactory =
    std::function<std::unique_ptr<QWidget>(PageId id, PageServices& services, QWidget* parent)>;

struct PageHostTimings {
    // Timer 2000: the one refresh after a page is shown.
    std::chrono::milliseconds shown_page_delay{100};
    // Timer 1000: the periodic refresh of the visible page while auto-refresh is on.
    std::chrono::milliseconds auto_refresh_period{30000};
};

// What the host passes on to every page besides itself.
struct HostResources {
    core::DeviceStore& store;
    core::DeviceEngine& engine;
    const core::Theme& theme;
    const core::SkinPaths& skin;
};

class CChildDlg : public CTDialog, public PageHost {
    Q_OBJECT

public:
    static constexpr int kWidth = 1070;
    static constexpr int kHeight = 604;
    static constexpr std::size_t kPageCount = 8;

    // Creates the pages, shows the status page and starts both timers.
    CChildDlg(HostResources resources, const PageFactory& factory, QWidget* parent,
              PageHostTimings timings = {});
    ~CChildDlg() override;

    // Shows `page`, hides the seven others and refreshes `page` after the short delay.
    void ShowPage(PageId page);
    PageId CurrentPage() const { return current_; }

    // The page widget, or nullptr for an identifier the host does not know.
    QWidget* Page(PageId page) const;
    // The list page behind `page`, or nullptr for the install help and system tool pages.
    DeviceListPage* ListPage(PageId page) const;

    // RefreshCurrentPage of a list page; anything else is not refreshed.
    void RefreshPage(PageId page);

    bool AutoRefresh() const override { return autoRefresh_; }
    void SetAutoRefresh(bool on) override { autoRefresh_ = on; }
    void EnableMenu(bool enable) override;
    void ConnectPager(CTMultiPages& pager, PageId page) override;

    const QTimer& ShownPageTimer() const { return shownPageTimer_; }
    const QTimer& AutoRefreshTimer() const { return autoRefreshTimer_; }

signals:
    // A page asked for the menu to be switched on or off (the main window relays it).
    void MenuEnableRequested(bool enable);

public slots:
    // Timer 2000 (one-shot): refreshes the page shown last.
    void OnShownPageTimer();
    // Timer 1000: refreshes the visible page unless auto-refresh is off or the page follows an
    // operation of its own (reboot, upgrade, restore), which a refresh would disturb.
    void OnAutoRefreshTimer();
    // A pager's choice: GoToPage of the list page `identifier`; other identifiers are ignored.
    void OnTabChanged(int identifier, int pageNumber);

private:
    struct Slot {
        PageId id;
        std::unique_ptr<QWidget> widget;
        DeviceListPage* list = nullptr;
    };

    const Slot* Find(PageId page) const;
    Slot* FindSlot(PageId page);

    PageServices services_;
    // Kept in this order, which is also the order in which the pages are destroyed.
    std::array<Slot, kPageCount> pages_;
    PageId current_ = kPageStatus;
    bool autoRefresh_ = true;
    QTimer shownPageTimer_;
    QTimer autoRefreshTimer_;
};

}  // namespace brelvo::gui
