// What every page of the page host is built with, and what the host offers its pages. The
// engine and the store are reached through their interfaces, so the window's tests can put
// fakes in their place.
#pragma once

#include "core/engine/device_engine.h"
#include "core/store/device_store.h"
#include "core/support/theme.h"

namespace brelvo::gui {

class CTMultiPages;

// Identifiers of the pages (their dialog template numbers); a pager reports them with its
// page-number choices.
enum PageId : int {
    kPageStatus = 133,
    kPageManagement = 134,
    kPageBridge = 135,
    kPageReboot = 136,
    kPageUpgrade = 137,
    kPageRestore = 138,
    kPageInstallHelp = 139,
    kPageSystemTool = 155,
};

// What a page may ask of the page host and the main window around it.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The host's periodic refresh of the visible page runs only while this is set. The status
    // page clears it while it searches, the management and bridge pages while their dialogs
    // are open.
    virtual bool AutoRefresh() const = 0;
    virtual void SetAutoRefresh(bool on) = 0;

    // Enables or disables the eight buttons of the main window's menu.
    virtual void EnableMenu(bool enable) = 0;

    // Routes the page-number choices of a page's pager to that page's GoToPage.
    virtual void ConnectPager(CTMultiPages& pager, PageId page) = 0;
};

struct PageServices {
    core::DeviceStore& store;
    core::DeviceEngine& engine;
    const core::Theme& theme;
    const core::SkinPaths& skin;
    PageHost& host;
};

// What the host calls on each of the six device list pages.
class DeviceListPage {
public:
    virtual ~DeviceListPage() = default;

    // Re-reads the shown page of the list with the current sort, direction, size and search.
    virtual void RefreshCurrentPage() = 0;
    // The same with another page number.
    virtual void GoToPage(int page) = 0;
};

}  // namespace brelvo::gui
