// The five other device list pages built on the shared list page: their columns, which header
// sorts by which store key, the direction of the first click, check boxes, serial numbers,
// pictures and the Status column.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QTest>

#include <memory>
#include <vector>

#include "gui/bridge/bridge_dlg.h"
#include "gui/config/reboot_dlg.h"
#include "gui/config/restore_dlg.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_multi_pages.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "gui/support/theme_qt.h"
#include "gui/upgrade/upgrade_dlg.h"
#include "gui/views/management_dlg.h"
#include "page_fakes.h"

using brelvo::gui::CBridgeDlg;
using brelvo::gui::CDeviceListPage;
using brelvo::gui::CManagementDlg;
using brelvo::gui::CRebootDlg;
using brelvo::gui::CResetListPage;
using brelvo::gui::CRestoreDlg;
using brelvo::gui::CUpgradeDlg;
using brelvo::test::MakeDevice;
using brelvo::test::PageFixture;

namespace {

enum class Page { kManagement, kBridge, kReboot, kRestore, kUpgrade };

struct ShownListPage : PageFixture {
    std::unique_ptr<CDeviceListPage> page;

    ShownListPage(Page which, int storedDevices) {
        for (int i = 0; i < storedDevices; ++i)
            store.devices.push_back(MakeDevice(i));
        switch (which) {
            case Page::kManagement:
                page = std::make_unique<CManagementDlg>(services, nullptr);
                break;
            case Page::kBridge:
                page = std::make_unique<CBridgeDlg>(services, nullptr);
                break;
            case Page::kReboot:
                page = std::make_unique<CRebootDlg>(services, nullptr);
                break;
            case Page::kRestore:
                page = std::make_unique<CRestoreDlg>(services, nullptr);
                break;
            case Page::kUpgrade:
                page = std::make_unique<CUpgradeDlg>(services, nullptr);
                break;
        }
        page->show();
    }
    brelvo::gui::DeviceGridModel& Model() { return page->Grid().Model(); }
    void ClickHeader(int column) {
        QHeaderView* header = page->Grid().horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    QStringList Titles() {
        QStringList titles;
        for (int column = 0; column < Model().columnCount(); ++column)
            titles << Model().headerData(column, Qt::Horizontal).toString();
        return titles;
    }
    QList<int> Widths() {
        QList<int> widths;
        for (int column = 0; column < Model().columnCount(); ++column)
            widths << Model().ColumnWidth(column);
        return widths;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Page)

class ListPagesTest : public QObject {
    Q_OBJECT

private slots:
    void columns_data();
    void columns();
    void headerSortKeys_data();
    void headerSortKeys();
    void firstRefreshIsDescendingByAddress_data();
    void firstRefreshIsDescendingByAddress();
    void checkColumnOnlyWhereThePageTicks_data();
    void checkColumnOnlyWhereThePageTicks();
    void statusColumnInTheOnlineColour_data();
    void statusColumnInTheOnlineColour();
    void managementSerialOnPageTwo();
    void operatePicturesAndActionButtons();
};

void ListPagesTest::columns_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("management") << Page::kManagement
                                << QStringList{"Serial",     "Location",      "Type",   "IP",
                                               "MAC",        "OperationMode", "SSID",   "Channel",
                                               "SecureMode", "Power",         "Operate"}
                                << QList<int>{60, 100, 80, 132, 132, 96, 130, 80, 90, 70, 70};
    const QStringList reset{"",     "Serial",  "Location",   "Type",  "IP", "MAC", "OperationMode",
                            "SSID", "Channel", "SecureMode", "Status"};
    const QList<int> resetWidths{30, 60, 110, 80, 132, 132, 106, 130, 80, 100, 80};
    QTest::newRow("reboot") << Page::kReboot << reset << resetWidths;
    QTest::newRow("restore") << Page::kRestore << reset << resetWidths;
    QTest::newRow("bridge") << Page::kBridge
                            << QStringList{"Serial",     "Location",      "Type",   "IP",
                                           "MAC",        "OperationMode", "SSID",   "Channel",
                                           "SecureMode", "Status",        "Operate"}
                            << QList<int>{60, 100, 80, 132, 132, 96, 130, 80, 90, 70, 70};
    QTest::newRow("upgrade") << Page::kUpgrade
                             << QStringList{"",    "Serial",        "Location", "Type",    "IP",
                                            "MAC", "OperationMode", "SSID",     "Version", "Status"}
                             << QList<int>{30, 60, 120, 80, 132, 132, 106, 140, 140, 80};
}

void ListPagesTest::columns() {
    QFETCH(Page, page);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    ShownListPage shown(page, 3);
    QAbstractItemModelTester tester(&shown.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    shown.page->RefreshCurrentPage();
    QCOMPARE(shown.Titles(), titles);
    QCOMPARE(shown.Widths(), widths);
    QCOMPARE(shown.Model().rowCount(), 3);
    QCOMPARE(shown.page->Grid().verticalHeader()->defaultSectionSize(), 48);
    QCOMPARE(shown.page->PageSizeBox().currentText(), QStringLiteral("30"));
    // These pages list stored devices only.
    QVERIFY(shown.engine.FoundQueries().empty());
    QVERIFY(shown.page->SearchButton().isHidden());
}

void ListPagesTest::headerSortKeys_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");  // -1: the header does nothing

    const struct {
        const char* name;
        Page page;
        std::vector<int> keys;  // per column
    } pages[] = {
        {"management", Page::kManagement, {-1, 2, 3, 1, 0, 4, 5, 6, 7, 8, -1}},
        {"reboot", Page::kReboot, {-2, -1, 2, 3, 1, 0, 4, 5, 6, 7, -1}},
        {"restore", Page::kRestore, {-2, -1, 2, 3, 1, 0, 4, 5, 6, 7, -1}},
        {"bridge", Page::kBridge, {-1, 2, 3, 1, 0, 4, 5, 6, 7, 13, -1}},
        {"upgrade", Page::kUpgrade, {-2, -1, 2, 3, 1, 0, 4, 5, 9, -1}},
    };
    for (const auto& entry : pages) {
        for (std::size_t column = 0; column < entry.keys.size(); ++column) {
            // -2 marks the check column, whose header ticks rows instead (another test).
            if (entry.keys[column] == -2)
                continue;
            QTest::newRow(qPrintable(QStringLiteral("%1 column %2").arg(entry.name).arg(column)))
                << entry.page << static_cast<int>(column) << entry.keys[column];
        }
    }
}

void ListPagesTest::headerSortKeys() {
    QFETCH(Page, page);
    QFETCH(int, column);
    QFETCH(int, key);
    ShownListPage shown(page, 3);
    QVERIFY(QTest::qWaitForWindowExposed(shown.page.get()));
    shown.page->GoToPage(2);
    const std::size_t before = shown.store.queries.size();

    shown.ClickHeader(column);
    if (key < 0) {
        QCOMPARE(shown.store.queries.size(), before);
        return;
    }
    QCOMPARE(shown.store.queries.size(), before + 1);
    QCOMPARE(shown.store.queries.back().sort_key, key);
    QCOMPARE(shown.store.queries.back().page, 1);
    // The first header click sorts ascending, the next one descending.
    QCOMPARE(shown.store.queries.back().ascending, true);
    QCOMPARE(shown.Model().SortMarkColumn(), column);
    shown.ClickHeader(column);
    QCOMPARE(shown.store.queries.back().ascending, false);
    // Refreshes keep the column and the direction.
    shown.page->RefreshCurrentPage();
    QCOMPARE(shown.store.queries.back().sort_key, key);
    QCOMPARE(shown.store.queries.back().ascending, false);
}

void ListPagesTest::firstRefreshIsDescendingByAddress_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<int>("ipColumn");
    QTest::addColumn<int>("pagerId");
    QTest::newRow("management") << Page::kManagement << 3 << 134;
    QTest::newRow("bridge") << Page::kBridge << 3 << 135;
    QTest::newRow("reboot") << Page::kReboot << 4 << 136;
    QTest::newRow("upgrade") << Page::kUpgrade << 4 << 137;
    QTest::newRow("restore") << Page::kRestore << 4 << 138;
}

void ListPagesTest::firstRefreshIsDescendingByAddress() {
    QFETCH(Page, page);
    QFETCH(int, ipColumn);
    QFETCH(int, pagerId);
    ShownListPage shown(page, 3);
    QCOMPARE(shown.host.connected_pagers, std::vector<int>{pagerId});
    QCOMPARE(shown.page->Pager().NotifyIdentifier(), pagerId);
    shown.page->RefreshCurrentPage();
    QCOMPARE(shown.store.queries.back().sort_key, int{brelvo::core::kSortIp});
    QCOMPARE(shown.store.queries.back().ascending, false);
    QCOMPARE(shown.store.queries.back().page_size, 30);
    QCOMPARE(shown.page->SortColumn(), ipColumn);
    QCOMPARE(shown.Model().CellText(0, ipColumn), QStringLiteral("192.168.1.1"));
    QCOMPARE(shown.page->CountText().text(), QStringLiteral("Online device count:3"));
}

void ListPagesTest::checkColumnOnlyWhereThePageTicks_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("management") << Page::kManagement << false;
    QTest::newRow("bridge") << Page::kBridge << false;
    QTest::newRow("reboot") << Page::kReboot << true;
    QTest::newRow("restore") << Page::kRestore << true;
    QTest::newRow("upgrade") << Page::kUpgrade << true;
}

void ListPagesTest::checkColumnOnlyWhereThePageTicks() {
    QFETCH(Page, page);
    QFETCH(bool, ticks);
    ShownListPage shown(page, 3);
    QVERIFY(QTest::qWaitForWindowExposed(shown.page.get()));
    shown.page->RefreshCurrentPage();
    if (!ticks) {
        QCOMPARE(shown.Model().CheckColumn(), -1);
        return;
    }
    QCOMPARE(shown.Model().CheckColumn(), 0);
    shown.ClickHeader(0);
    QCOMPARE(shown.Model().CheckedRows(), (std::vector<int>{0, 1, 2}));
    shown.ClickHeader(0);
    QVERIFY(shown.Model().CheckedRows().empty());
    const QPoint cell = shown.page->Grid().visualRect(shown.Model().index(2, 0)).center();
    QTest::mouseClick(shown.page->Grid().viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QCOMPARE(shown.Model().CheckedRows(), std::vector<int>{2});
    const auto rows = shown.page->RowTexts();
    QCOMPARE(rows.size(), std::size_t{3});
    QVERIFY(rows[2].ticked);
    QCOMPARE(rows[2].mac, std::string("00:1a:2b:00:00:02"));
    QCOMPARE(rows[2].type, std::string("NV-101"));
}

void ListPagesTest::statusColumnInTheOnlineColour_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<int>("statusColumn");
    QTest::newRow("reboot") << Page::kReboot << int{CResetListPage::kStatus};
    QTest::newRow("restore") << Page::kRestore << int{CResetListPage::kStatus};
    QTest::newRow("bridge") << Page::kBridge << int{CBridgeDlg::kStatus};
    QTest::newRow("upgrade") << Page::kUpgrade << int{CUpgradeDlg::kStatus};
}

void ListPagesTest::statusColumnInTheOnlineColour() {
    QFETCH(Page, page);
    QFETCH(int, statusColumn);
    ShownListPage shown(page, 0);
    auto device = MakeDevice(0);
    device.ap_status = brelvo::core::kStatusRestarting;
    shown.store.devices.push_back(device);
    shown.page->RefreshCurrentPage();
    QCOMPARE(shown.Model().CellText(0, statusColumn), QStringLiteral("Restarting"));
    const auto colour = [&shown](int column) {
        return shown.Model()
            .data(shown.Model().index(0, column), Qt::ForegroundRole)
            .value<QColor>();
    };
    QCOMPARE(colour(statusColumn), brelvo::gui::ToQColor(shown.theme.settings.text_online_color));
    QCOMPARE(colour(statusColumn - 1), brelvo::gui::ToQColor(shown.theme.settings.grid_text_color));
}

void ListPagesTest::managementSerialOnPageTwo() {
    ShownListPage shown(Page::kManagement, 40);
    shown.page->GoToPage(2);
    QCOMPARE(shown.Model().rowCount(), 10);
    QCOMPARE(shown.Model().CellText(0, CManagementDlg::kSerial), QStringLiteral("31"));
    QCOMPARE(shown.Model().CellText(0, CManagementDlg::kPower), QStringLiteral("0"));
    QCOMPARE(shown.Model().CellText(0, CManagementDlg::kSecureMode), QStringLiteral("Disable"));
    QCOMPARE(shown.page->Pager().CurrentNumber(), 2);
    // A page beyond the last one lists nothing, and the pager shows page 1.
    shown.page->GoToPage(5);
    QCOMPARE(shown.Model().rowCount(), 0);
    QCOMPARE(shown.page->Pager().CurrentNumber(), 1);
    QCOMPARE(shown.page->CurrentPage(), 5);
}

void ListPagesTest::operatePicturesAndActionButtons() {
    ShownListPage management(Page::kManagement, 1);
    management.page->RefreshCurrentPage();
    QCOMPARE(management.Model().CellImage(0, CManagementDlg::kOperate), 0);
    QVERIFY(!management.Model()
                 .data(management.Model().index(0, CManagementDlg::kOperate), Qt::DecorationRole)
                 .isNull());

    ShownListPage bridge(Page::kBridge, 1);
    bridge.page->RefreshCurrentPage();
    QCOMPARE(bridge.Model().CellImage(0, CBridgeDlg::kOperate), 0);

    ShownListPage reboot(Page::kReboot, 1);
    QCOMPARE(static_cast<CResetListPage&>(*reboot.page).ActionButton().text(),
             QStringLiteral("Reboot"));
    ShownListPage restore(Page::kRestore, 1);
    QCOMPARE(static_cast<CResetListPage&>(*restore.page).ActionButton().text(),
             QStringLiteral("Restore"));
    ShownListPage upgrade(Page::kUpgrade, 1);
    QCOMPARE(static_cast<CUpgradeDlg&>(*upgrade.page).UpgradeButton().text(),
             QStringLiteral("Upgrade"));
}

QTEST_MAIN(ListPagesTest)
#include "list_pages_test.moc"
