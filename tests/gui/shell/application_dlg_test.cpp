// The main window with fake pages: the menu, the caption buttons, the keys that must not close
// it, the tray menu and the Help menu.
#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>
#include <optional>

#include "gui/app/application_dlg.h"
#include "gui/app/menu_dlg.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_static.h"
#include "shell_fakes.h"

using namespace brelvo::gui;

Q_DECLARE_METATYPE(brelvo::gui::PageId)

namespace {

constexpr std::array<PageId, 8> kAllPages{kPageStatus,      kPageManagement, kPageBridge,
                                          kPageReboot,      kPageUpgrade,    kPageRestore,
                                          kPageInstallHelp, kPageSystemTool};

constexpr PageHostTimings kManualTimers{std::chrono::hours(1), std::chrono::hours(1)};

}  // namespace

// Takes the web addresses the window asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

class ApplicationDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        language_.emplace(
            "product_url=https://example.test/product\n"
            "support_url=https://example.test/support\n"
            "contact_url=https://example.test/contact\n"
            "device status=设备状态\n"
            "exit=退出\n"
            "min=最小化\n");
        QDesktopServices::setUrlHandler("https", &urls_, "open");
        QDesktopServices::setUrlHandler("http", &urls_, "open");
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }
    void init() {
        log_ = brelvo::test::PageLog{};
        urls_.opened.clear();
        window_ = std::make_unique<CApplicationDlg>(HostResources{store_, engine_, theme_, skin_},
                                                    brelvo::test::FakePageFactory(log_), nullptr,
                                                    kManualTimers);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void startsOnTheStatusPage();
    void everyMenuButtonSwitchesPages_data();
    void everyMenuButtonSwitchesPages();
    void menuCanBeSwitchedOffByAPage();
    void enterAndEscapeNeverCloseTheWindow_data();
    void enterAndEscapeNeverCloseTheWindow();
    void closeButtonAndTrayExitEndTheWindow_data();
    void closeButtonAndTrayExitEndTheWindow();
    void hiddenWindowComesBackFromTheTray();
    void hideButtonKeepsTheWindowReachableWithoutATray();
    void helpMenuOpensTheLanguagesAddresses_data();
    void helpMenuOpensTheLanguagesAddresses();
    void textsAreTranslated();

private:
    brelvo::test::FakeListPage& ListPage(PageId id) {
        return *dynamic_cast<brelvo::test::FakeListPage*>(window_->Host().Page(id));
    }

    std::optional<brelvo::test::TestLanguage> language_;
    UrlRecorder urls_;
    brelvo::test::PageLog log_;
    brelvo::test::FakeStore store_;
    brelvo::test::FakeEngine engine_;
    brelvo::core::Theme theme_;
    brelvo::core::SkinPaths skin_ = brelvo::test::SourceSkin();
    std::unique_ptr<CApplicationDlg> window_;
};

void ApplicationDlgTest::startsOnTheStatusPage() {
    CMenuDlg& menu = window_->Menu();
    QCOMPARE(menu.SelectedPage(), kPageStatus);
    QCOMPARE(window_->Host().CurrentPage(), kPageStatus);
    for (const PageId page : kAllPages) {
        QCOMPARE(menu.Button(page).isChecked(), page == kPageStatus);
        QCOMPARE(window_->Host().Page(page)->isVisible(), page == kPageStatus);
    }
    QCOMPARE(menu.Button(kPageStatus).CurrentState(), ButtonState::Pressed);
    QCOMPARE(menu.Button(kPageBridge).CurrentState(), ButtonState::Normal);
    QCOMPARE(menu.pos(), QPoint(0, CApplicationDlg::kMenuTop));
    QCOMPARE(window_->Host().pos(), QPoint(CApplicationDlg::kHostLeft, CApplicationDlg::kHostTop));
    QVERIFY(window_->Host().geometry().right() < window_->width());
    QVERIFY(window_->Host().geometry().bottom() < window_->height());
    QVERIFY(menu.VersionText().text().startsWith('V'));
}

void ApplicationDlgTest::everyMenuButtonSwitchesPages_data() {
    QTest::addColumn<PageId>("page");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("device status") << kPageStatus << true;
    QTest::newRow("device management") << kPageManagement << true;
    QTest::newRow("device bridge") << kPageBridge << true;
    QTest::newRow("device reboot") << kPageReboot << true;
    QTest::newRow("device upgrade") << kPageUpgrade << true;
    QTest::newRow("device restore") << kPageRestore << true;
    QTest::newRow("install help") << kPageInstallHelp << false;
    QTest::newRow("system tool") << kPageSystemTool << false;
}

void ApplicationDlgTest::everyMenuButtonSwitchesPages() {
    QFETCH(PageId, page);
    QFETCH(bool, refreshed);
    CMenuDlg& menu = window_->Menu();
    // Start from another page, so that the press is a change.
    menu.SelectPage(page == kPageBridge ? kPageReboot : kPageBridge);
    window_->Host().OnShownPageTimer();
    log_.refreshed.clear();

    QTest::mouseClick(&menu.Button(page), Qt::LeftButton);

    QCOMPARE(menu.SelectedPage(), page);
    QCOMPARE(window_->Host().CurrentPage(), page);
    for (const PageId other : kAllPages) {
        QCOMPARE(menu.Button(other).isChecked(), other == page);
        QCOMPARE(window_->Host().Page(other)->isVisible(), other == page);
    }
    QVERIFY(window_->Host().ShownPageTimer().isActive());
    window_->Host().OnShownPageTimer();
    QCOMPARE(log_.refreshed, refreshed ? std::vector<PageId>{page} : std::vector<PageId>{});

    // Pressing the selected button again keeps it selected.
    QTest::mouseClick(&menu.Button(page), Qt::LeftButton);
    QVERIFY(menu.Button(page).isChecked());
}

void ApplicationDlgTest::menuCanBeSwitchedOffByAPage() {
    PageHost& host = window_->Host();
    host.EnableMenu(false);
    for (const PageId page : kAllPages)
        QVERIFY(!window_->Menu().Button(page).isEnabled());
    QTest::mouseClick(&window_->Menu().Button(kPageUpgrade), Qt::LeftButton);
    QCOMPARE(window_->Host().CurrentPage(), kPageStatus);
    host.EnableMenu(true);
    for (const PageId page : kAllPages)
        QVERIFY(window_->Menu().Button(page).isEnabled());
}

void ApplicationDlgTest::enterAndEscapeNeverCloseTheWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inAnEdit");
    QTest::newRow("Enter on the window") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter on the window") << int(Qt::Key_Enter) << false;
    QTest::newRow("Escape on the window") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter in a page's edit") << int(Qt::Key_Return) << true;
    QTest::newRow("Escape in a page's edit") << int(Qt::Key_Escape) << true;
}

void ApplicationDlgTest::enterAndEscapeNeverCloseTheWindow() {
    QFETCH(int, key);
    QFETCH(bool, inAnEdit);
    QSignalSpy finished(window_.get(), &CApplicationDlg::finished);
    QWidget* target = window_.get();
    if (inAnEdit) {
        QLineEdit& edit = ListPage(kPageStatus).Edit();
        edit.setFocus();
        target = &edit;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QTest::qWait(20);
    QCOMPARE(finished.count(), 0);
    QVERIFY(window_->isVisible());
}

void ApplicationDlgTest::closeButtonAndTrayExitEndTheWindow_data() {
    QTest::addColumn<bool>("fromTray");
    QTest::newRow("close button") << false;
    QTest::newRow("tray Exit") << true;
}

void ApplicationDlgTest::closeButtonAndTrayExitEndTheWindow() {
    QFETCH(bool, fromTray);
    QSignalSpy finished(window_.get(), &CApplicationDlg::finished);
    if (fromTray)
        window_->ExitAction().trigger();
    else
        QTest::mouseClick(&window_->CloseButton(), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(CApplicationDlg::Accepted));
    QVERIFY(!window_->isVisible());
}

void ApplicationDlgTest::hiddenWindowComesBackFromTheTray() {
    QCOMPARE(window_->TrayMenu().actions().size(), 2);
    window_->hide();
    window_->OnTrayActivated(QSystemTrayIcon::Trigger);  // a single click does nothing
    QVERIFY(!window_->isVisible());
    window_->OnTrayActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window_->isVisible());
    QVERIFY(!window_->isMinimized());

    window_->hide();
    window_->ShowUtilityAction().trigger();
    QVERIFY(window_->isVisible());
    // Hidden or not, the pages kept running.
    QCOMPARE(log_.destroyed.size(), std::size_t{0});
}

// The offscreen platform has no tray, as some desktops have none: hiding the window there
// would leave no way back to it.
void ApplicationDlgTest::hideButtonKeepsTheWindowReachableWithoutATray() {
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("this desktop has a tray: the button hides the window into it");
    QTest::mouseClick(&window_->HideButton(), Qt::LeftButton);
    QVERIFY(window_->isVisible());
    QTRY_VERIFY(window_->isMinimized());
    window_->ShowUtility();
    QTRY_VERIFY(!window_->isMinimized());
}

void ApplicationDlgTest::helpMenuOpensTheLanguagesAddresses_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("url");  // empty: nothing is opened
    QTest::newRow("Product") << int(CApplicationDlg::kHelpProduct)
                             << "https://example.test/product";
    QTest::newRow("Support") << int(CApplicationDlg::kHelpSupport)
                             << "https://example.test/support";
    QTest::newRow("Contact Us") << int(CApplicationDlg::kHelpContact)
                                << "https://example.test/contact";
    // This language has no "Help_url": the key itself is no address.
    QTest::newRow("Help, key missing") << int(CApplicationDlg::kHelpHelp) << QString();
}

void ApplicationDlgTest::helpMenuOpensTheLanguagesAddresses() {
    QFETCH(int, item);
    QFETCH(QString, url);
    QCOMPARE(window_->HelpMenu().actions().size(), 4);
    window_->HelpAction(static_cast<CApplicationDlg::HelpItem>(item)).trigger();
    const QList<QUrl> expected = url.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(url)};
    QCOMPARE(urls_.opened, expected);
}

void ApplicationDlgTest::textsAreTranslated() {
    QCOMPARE(window_->Menu().Button(kPageStatus).text(), QString("设备状态"));
    QCOMPARE(window_->Menu().Button(kPageBridge).text(), QString("Device bridge"));
    QCOMPARE(window_->ExitAction().text(), QString("退出"));
    QCOMPARE(window_->HideButton().toolTip(), QString("最小化"));
    QCOMPARE(window_->CloseButton().toolTip(), QString("Close"));
}

QTEST_MAIN(ApplicationDlgTest)
#include "application_dlg_test.moc"
