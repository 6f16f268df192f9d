#include "gui/support/child_dlg.h"

#include <utility>

#include "gui/controls/ct_multi_pages.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

namespace {

// The order in which the pages are built. The system tool page comes first: it reads the
// adapters once when built, before the status page's first refresh needs the engine.
constexpr std::array<PageId, CChildDlg::kPageCount> kCreationOrder{
    kPageSystemTool, kPageStatus,  kPageManagement, kPageBridge,
    kPageReboot,     kPageRestore, kPageUpgrade,    kPageInstallHelp,
};

// The order of the host's pages, and of their destruction.
constexpr std::array<PageId, CChildDlg::kPageCount> kMemberOrder{
    kPageStatus,  kPageManagement, kPageBridge,      kPageReboot,
    kPageRestore, kPageUpgrade,    kPageInstallHelp, kPageSystemTool,
};

bool IsListPage(int id) {
    return id >= kPageStatus && id <= kPageRestore;
}

// The reboot, upgrade and restore pages follow an operation of their own; the periodic
// refresh would replace what they show.
bool RefreshedPeriodically(PageId id) {
    return id != kPageReboot && id != kPageUpgrade && id != kPageRestore;
}

}  // namespace

CChildDlg::CChildDlg(HostResources resources, const PageFactory& factory, QWidget* parent,
                     PageHostTimings timings)
    : CTDialog(parent, Kind::Page),
      services_{resources.store, resources.engine, resources.theme, resources.skin, *this} {
    for (std::size_t k = 0; k < kPageCount; ++k)
        pages_[k].id = kMemberOrder[k];

    TranslateWindow(this);
    SetFillColor(ToQColor(services_.theme.settings.child_bk_color));
    resize(kWidth, kHeight);

    for (const PageId id : kCreationOrder) {
        Slot& slot = *FindSlot(id);
        if (slot.widget)
            continue;
        slot.widget = factory ? factory(id, services_, this) : nullptr;
        if (!slot.widget)
            continue;
        if (slot.widget->parentWidget() != this)
            slot.widget->setParent(this);
        slot.widget->move(0, 0);
        if (IsListPage(id))
            slot.list = dynamic_cast<DeviceListPage*>(slot.widget.get());
    }

    shownPageTimer_.setSingleShot(true);
    shownPageTimer_.setInterval(timings.shown_page_delay);
    connect(&shownPageTimer_, &QTimer::timeout, this, &CChildDlg::OnShownPageTimer);
    autoRefreshTimer_.setInterval(timings.auto_refresh_period);
    connect(&autoRefreshTimer_, &QTimer::timeout, this, &CChildDlg::OnAutoRefreshTimer);

    ShowPage(kPageStatus);
    autoRefreshTimer_.start();
}

CChildDlg::~CChildDlg() {
    shownPageTimer_.stop();
    autoRefreshTimer_.stop();
    for (Slot& slot : pages_) {
        slot.list = nullptr;
        slot.widget.reset();
    }
}

const CChildDlg::Slot* CChildDlg::Find(PageId page) const {
    for (const Slot& slot : pages_) {
        if (slot.id == page)
            return &slot;
    }
    return nullptr;
}

CChildDlg::Slot* CChildDlg::FindSlot(PageId page) {
    return const_cast<Slot*>(std::as_const(*this).Find(page));
}

QWidget* CChildDlg::Page(PageId page) const {
    const Slot* slot = Find(page);
    return slot == nullptr ? nullptr : slot->widget.get();
}

DeviceListPage* CChildDlg::ListPage(PageId page) const {
    const Slot* slot = Find(page);
    return slot == nullptr ? nullptr : slot->list;
}

void CChildDlg::ShowPage(PageId page) {
    current_ = page;
    // Hide first, so that two pages are never visible together even for a moment.
    for (Slot& slot : pages_) {
        if (slot.widget && slot.id != page)
            slot.widget->hide();
    }
    if (QWidget* shown = Page(page))
        shown->show();
    shownPageTimer_.start();
}

void CChildDlg::RefreshPage(PageId page) {
    if (DeviceListPage* list = ListPage(page))
        list->RefreshCurrentPage();
}

void CChildDlg::OnShownPageTimer() {
    shownPageTimer_.stop();
    RefreshPage(current_);
}

void CChildDlg::OnAutoRefreshTimer() {
    if (autoRefresh_ && RefreshedPeriodically(current_))
        RefreshPage(current_);
}

void CChildDlg::OnTabChanged(int identifier, int pageNumber) {
    if (!IsListPage(identifier))
        return;
    if (DeviceListPage* list = ListPage(static_cast<PageId>(identifier)))
        list->GoToPage(pageNumber);
}

void CChildDlg::EnableMenu(bool enable) {
    emit MenuEnableRequested(enable);
}

void CChildDlg::ConnectPager(CTMultiPages& pager, PageId page) {
    pager.SetNotifyIdentifier(page);
    connect(&pager, &CTMultiPages::TabChanged, this, &CChildDlg::OnTabChanged,
            Qt::UniqueConnection);
}

}  // namespace brelvo::gui
