// The page host with fake pages: which pages it builds and in which order, which page each
// timer refreshes, and where the pagers' choices go.
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "gui/controls/ct_multi_pages.h"
#include "gui/support/child_dlg.h"
#include "shell_fakes.h"

using brelvo::gui::CChildDlg;
using brelvo::gui::PageId;
using namespace brelvo::gui;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(brelvo::gui::PageId)

namespace {

// A host whose timers never fire on their own: each test fires them by hand.
constexpr PageHostTimings kManualTimers{std::chrono::hours(1), std::chrono::hours(1)};

}  // namespace

class ChildDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        log_ = brelvo::test::PageLog{};
        theme_ = {};
        skin_ = brelvo::test::SourceSkin();
    }

    void pagesAreBuiltOnceInOrderAndDestroyedInMemberOrder();
    void statusPageIsShownAndRefreshedShortlyAfterStart();
    void timersRunAtTheirPeriods();
    void showingAPageHidesTheOthers();
    void shownPageIsRefreshedOnlyWhenItIsAList_data();
    void shownPageIsRefreshedOnlyWhenItIsAList();
    void periodicRefresh_data();
    void periodicRefresh();
    void pagerChoicesReachTheirListPageOnly_data();
    void pagerChoicesReachTheirListPageOnly();
    void connectedPagerIsRoutedByItsIdentifier();
    void menuRequestsAreRelayed();

private:
    std::unique_ptr<CChildDlg> MakeHost(PageHostTimings timings = kManualTimers) {
        return std::make_unique<CChildDlg>(HostResources{store_, engine_, theme_, skin_},
                                           brelvo::test::FakePageFactory(log_), nullptr, timings);
    }

    brelvo::test::PageLog log_;
    brelvo::test::FakeStore store_;
    brelvo::test::FakeEngine engine_;
    brelvo::core::Theme theme_;
    brelvo::core::SkinPaths skin_;
};

void ChildDlgTest::pagesAreBuiltOnceInOrderAndDestroyedInMemberOrder() {
    auto host = MakeHost();
    const std::vector<PageId> created{kPageSystemTool, kPageStatus,     kPageManagement,
                                      kPageBridge,     kPageReboot,     kPageRestore,
                                      kPageUpgrade,    kPageInstallHelp};
    QCOMPARE(log_.created, created);
    for (const PageId id : created) {
        QVERIFY(host->Page(id) != nullptr);
        QCOMPARE(host->Page(id)->parentWidget(), host.get());
        QCOMPARE(host->Page(id)->pos(), QPoint(0, 0));
    }
    QVERIFY(host->ListPage(kPageInstallHelp) == nullptr);
    QVERIFY(host->ListPage(kPageSystemTool) == nullptr);
    host->ShowPage(kPageBridge);
    QCOMPARE(log_.created.size(), created.size());  // showing builds nothing

    host.reset();
    const std::vector<PageId> destroyed{kPageStatus,      kPageManagement, kPageBridge,
                                        kPageReboot,      kPageRestore,    kPageUpgrade,
                                        kPageInstallHelp, kPageSystemTool};
    QCOMPARE(log_.destroyed, destroyed);
}

void ChildDlgTest::statusPageIsShownAndRefreshedShortlyAfterStart() {
    auto host = MakeHost(PageHostTimings{20ms, std::chrono::hours(1)});
    host->show();
    QCOMPARE(host->CurrentPage(), kPageStatus);
    QVERIFY(host->Page(kPageStatus)->isVisible());
    QVERIFY(log_.refreshed.empty());
    QTRY_COMPARE(log_.refreshed, std::vector<PageId>{kPageStatus});
    // Once: the delay does not repeat.
    QTest::qWait(100);
    QCOMPARE(log_.refreshed, std::vector<PageId>{kPageStatus});
    QVERIFY(host->AutoRefresh());
}

void ChildDlgTest::timersRunAtTheirPeriods() {
    auto host = MakeHost(PageHostTimings{});
    QVERIFY(host->ShownPageTimer().isActive());
    QVERIFY(host->ShownPageTimer().isSingleShot());
    QCOMPARE(host->ShownPageTimer().interval(), 100);
    QVERIFY(host->AutoRefreshTimer().isActive());
    QVERIFY(!host->AutoRefreshTimer().isSingleShot());
    QCOMPARE(host->AutoRefreshTimer().interval(), 30000);
}

void ChildDlgTest::showingAPageHidesTheOthers() {
    auto host = MakeHost();
    host->show();
    for (const PageId shown : {kPageUpgrade, kPageSystemTool, kPageStatus, kPageInstallHelp}) {
        host->ShowPage(shown);
        QCOMPARE(host->CurrentPage(), shown);
        for (const PageId other : {kPageStatus, kPageManagement, kPageBridge, kPageReboot,
                                   kPageUpgrade, kPageRestore, kPageInstallHelp, kPageSystemTool}) {
            QCOMPARE(host->Page(other)->isVisible(), other == shown);
        }
        QVERIFY(host->ShownPageTimer().isActive());
    }
}

void ChildDlgTest::shownPageIsRefreshedOnlyWhenItIsAList_data() {
    QTest::addColumn<PageId>("page");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("status") << kPageStatus << true;
    QTest::newRow("management") << kPageManagement << true;
    QTest::newRow("bridge") << kPageBridge << true;
    QTest::newRow("reboot") << kPageReboot << true;
    QTest::newRow("upgrade") << kPageUpgrade << true;
    QTest::newRow("restore") << kPageRestore << true;
    QTest::newRow("install help") << kPageInstallHelp << false;
    QTest::newRow("system tool") << kPageSystemTool << false;
}

void ChildDlgTest::shownPageIsRefreshedOnlyWhenItIsAList() {
    QFETCH(PageId, page);
    QFETCH(bool, refreshed);
    auto host = MakeHost();
    host->ShowPage(page);
    host->OnShownPageTimer();
    QVERIFY(!host->ShownPageTimer().isActive());
    const std::vector<PageId> expected =
        refreshed ? std::vector<PageId>{page} : std::vector<PageId>{};
    QCOMPARE(log_.refreshed, expected);
}

void ChildDlgTest::periodicRefresh_data() {
    QTest::addColumn<PageId>("page");
    QTest::addColumn<bool>("autoRefresh");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("status") << kPageStatus << true << true;
    QTest::newRow("status while searching") << kPageStatus << false << false;
    QTest::newRow("management") << kPageManagement << true << true;
    QTest::newRow("management, dialog open") << kPageManagement << false << false;
    QTest::newRow("bridge") << kPageBridge << true << true;
    QTest::newRow("reboot") << kPageReboot << true << false;
    QTest::newRow("upgrade") << kPageUpgrade << true << false;
    QTest::newRow("restore") << kPageRestore << true << false;
    QTest::newRow("install help") << kPageInstallHelp << true << false;
    QTest::newRow("system tool") << kPageSystemTool << true << false;
}

void ChildDlgTest::periodicRefresh() {
    QFETCH(PageId, page);
    QFETCH(bool, autoRefresh);
    QFETCH(bool, refreshed);
    auto host = MakeHost();
    host->ShowPage(page);
    host->SetAutoRefresh(autoRefresh);
    host->OnAutoRefreshTimer();
    host->OnAutoRefreshTimer();
    const std::vector<PageId> expected =
        refreshed ? std::vector<PageId>{page, page} : std::vector<PageId>{};
    QCOMPARE(log_.refreshed, expected);
}

void ChildDlgTest::pagerChoicesReachTheirListPageOnly_data() {
    QTest::addColumn<int>("identifier");
    QTest::addColumn<bool>("routed");
    QTest::newRow("status") << int(kPageStatus) << true;
    QTest::newRow("management") << int(kPageManagement) << true;
    QTest::newRow("bridge") << int(kPageBridge) << true;
    QTest::newRow("reboot") << int(kPageReboot) << true;
    QTest::newRow("upgrade") << int(kPageUpgrade) << true;
    QTest::newRow("restore") << int(kPageRestore) << true;
    QTest::newRow("install help") << int(kPageInstallHelp) << false;
    QTest::newRow("system tool") << int(kPageSystemTool) << false;
    QTest::newRow("unknown") << 132 << false;
}

void ChildDlgTest::pagerChoicesReachTheirListPageOnly() {
    QFETCH(int, identifier);
    QFETCH(bool, routed);
    auto host = MakeHost();
    host->OnTabChanged(identifier, 4);
    using Choice = std::pair<PageId, int>;
    const std::vector<Choice> expected =
        routed ? std::vector<Choice>{{static_cast<PageId>(identifier), 4}} : std::vector<Choice>{};
    QCOMPARE(log_.went_to, expected);
    QVERIFY(log_.refreshed.empty());
}

void ChildDlgTest::connectedPagerIsRoutedByItsIdentifier() {
    auto host = MakeHost();
    CTMultiPages pager;
    CTMultiPages other;
    host->ConnectPager(pager, kPageReboot);
    host->ConnectPager(other, kPageUpgrade);
    host->ConnectPager(pager, kPageReboot);  // connecting twice routes once
    QCOMPARE(pager.NotifyIdentifier(), int(kPageReboot));

    pager.resize(300, 30);
    pager.SetPages(1, 3);
    pager.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pager));
    const QPoint third = pager.CellRect(2).center();
    QTest::mouseClick(&pager, Qt::LeftButton, Qt::NoModifier, third);
    emit other.TabChanged(other.NotifyIdentifier(), 2);

    using Choice = std::pair<PageId, int>;
    QCOMPARE(log_.went_to, (std::vector<Choice>{{kPageReboot, 3}, {kPageUpgrade, 2}}));
}

void ChildDlgTest::menuRequestsAreRelayed() {
    auto host = MakeHost();
    QSignalSpy spy(host.get(), &CChildDlg::MenuEnableRequested);
    PageHost& asPages = *host;
    asPages.EnableMenu(false);
    asPages.EnableMenu(true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
}

QTEST_MAIN(ChildDlgTest)
#include "child_dlg_test.moc"
