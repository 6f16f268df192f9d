// The status page: its first refresh, sorting, paging with the found-only rows, serial numbers,
// renaming in place, the web page cell, the 30-second search and the three batch actions with
// their pop-ups and what reaches the engine.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <string>
#include <vector>

#include "core/protocol/packet.h"
#include "gui/bridge/bridge_set_multi_dlg.h"
#include "gui/config/ip_address_edit.h"
#include "gui/config/ip_set_multi_dlg.h"
#include "gui/config/slotwise_set_multi_dlg.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/ct_edit.h"
#include "gui/controls/ct_multi_pages.h"
#include "gui/controls/ct_picture.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "gui/support/theme_qt.h"
#include "gui/views/status_dlg.h"
#include "modal_handler.h"
#include "page_fakes.h"
#include "test_bytes.h"

using brelvo::gui::CBridgeSetMultiDlg;
using brelvo::gui::CIpsetMutilDlg;
using brelvo::gui::CSlotwiseSetMultiDlg;
using brelvo::gui::CStatusDlg;
using brelvo::test::Hex;
using brelvo::test::MakeDevice;
using brelvo::test::ModalHandler;
using brelvo::test::PageFixture;
using brelvo::test::PressOk;

namespace {

// Opened web pages, through the system's handler for "http".
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

struct ShownStatusPage : PageFixture {
    CStatusDlg page{services, nullptr};

    explicit ShownStatusPage(int storedDevices = 0) {
        for (int i = 0; i < storedDevices; ++i)
            store.devices.push_back(MakeDevice(i));
        page.show();
    }
    brelvo::gui::DeviceGridModel& Model() { return page.Grid().Model(); }
    QPoint CellCentre(int row, int column) {
        return page.Grid().visualRect(Model().index(row, column)).center();
    }
    void Click(int row, int column) {
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                          CellCentre(row, column));
    }
    void ClickHeader(int column) {
        QHeaderView* header = page.Grid().horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    void Tick(int row) { Model().SetChecked(row, true); }
};

}  // namespace

class StatusDlgTest : public QObject {
    Q_OBJECT

private slots:
    void firstRefreshSortsByAddressHighestFirst();
    void headerClicksReverseTheDirection();
    void checkHeaderTicksEveryRow();
    void foundRowsOnlyOnTheLastPage();
    void failedQueryStillListsFoundDevices();
    void serialNumbersCountOnAcrossPages();
    void rename_data();
    void rename();
    void grayRowsCannotBeRenamedOrOpened();
    void webPageCellOpensTheDeviceAddress();
    void searchRunsThirtyTicks();
    void searchStopsOnTheButton();
    void typingInTheSearchBoxFilters();
    void actionsWithoutTicksWarn_data();
    void actionsWithoutTicksWarn();
    void setIpRangeReachesTheEngine();
    void setIpSingleDeviceTakesTheStartAddress();
    void setIpCancelSendsNothing();
    void setBridgeSkipsDevicesWithoutTheSwitch();
    void slotwiseSendsOnlyTheTdmaByte();
};

void StatusDlgTest::firstRefreshSortsByAddressHighestFirst() {
    ShownStatusPage shown(45);
    QAbstractItemModelTester tester(&shown.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(shown.host.connected_pagers, std::vector<int>{brelvo::gui::kPageStatus});
    QCOMPARE(shown.page.Pager().NotifyIdentifier(), int{brelvo::gui::kPageStatus});
    // The page does not query the store by itself; the host's first refresh fills it.
    QVERIFY(shown.store.queries.empty());
    QCOMPARE(shown.page.CountText().text(), QStringLiteral("Online device count:0"));
    QCOMPARE(shown.page.PageSizeBox().currentText(), QStringLiteral("30"));
    QCOMPARE(shown.page.PageSizeBox().count(), 4);

    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.store.queries.size(), std::size_t{1});
    const auto& query = shown.store.queries.back();
    QCOMPARE(query.sort_key, int{brelvo::core::kSortIp});
    QCOMPARE(query.ascending, false);
    QCOMPARE(query.page_size, 30);
    QCOMPARE(query.page, 1);
    QCOMPARE(shown.Model().rowCount(), 30);
    QCOMPARE(shown.Model().SortMarkColumn(), int{CStatusDlg::kIp});
    QCOMPARE(shown.Model().SortMarkAscending(), false);
    QCOMPARE(shown.page.CountText().text(), QStringLiteral("Online device count:45"));
    QCOMPARE(shown.Model().columnCount(), int{CStatusDlg::kColumnCount});
    QCOMPARE(shown.Model().ColumnWidth(CStatusDlg::kIp), 102);
    QCOMPARE(shown.Model().headerData(CStatusDlg::kTransparentBridge, Qt::Horizontal).toString(),
             QStringLiteral("Transparent bridge"));
    QCOMPARE(shown.Model().CellText(0, CStatusDlg::kIp), QStringLiteral("192.168.1.1"));
    QCOMPARE(shown.Model().RowData(0), 1);
    QCOMPARE(shown.Model().CellImage(0, CStatusDlg::kOperate), 0);
    QCOMPARE(shown.page.Grid().verticalHeader()->defaultSectionSize(), 48);
}

void StatusDlgTest::headerClicksReverseTheDirection() {
    ShownStatusPage shown(3);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.page));
    shown.page.RefreshCurrentPage();
    shown.page.GoToPage(1);

    shown.ClickHeader(CStatusDlg::kIp);
    QCOMPARE(shown.store.queries.back().sort_key, int{brelvo::core::kSortIp});
    QCOMPARE(shown.store.queries.back().ascending, true);
    QCOMPARE(shown.store.queries.back().page, 1);

    shown.ClickHeader(CStatusDlg::kLocation);
    QCOMPARE(shown.store.queries.back().sort_key, int{brelvo::core::kSortName});
    QCOMPARE(shown.store.queries.back().ascending, false);

    shown.ClickHeader(CStatusDlg::kTime);
    QCOMPARE(shown.store.queries.back().sort_key, int{brelvo::core::kSortUptime});
    QCOMPARE(shown.store.queries.back().ascending, true);
    // Refreshes keep the direction of the last click.
    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.store.queries.back().sort_key, int{brelvo::core::kSortUptime});
    QCOMPARE(shown.store.queries.back().ascending, true);

    // Serial and Operate headers do nothing.
    const std::size_t before = shown.store.queries.size();
    shown.ClickHeader(CStatusDlg::kSerial);
    shown.ClickHeader(CStatusDlg::kOperate);
    QCOMPARE(shown.store.queries.size(), before);
}

void StatusDlgTest::checkHeaderTicksEveryRow() {
    ShownStatusPage shown(3);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.page));
    shown.page.RefreshCurrentPage();
    shown.ClickHeader(CStatusDlg::kCheck);
    QCOMPARE(shown.Model().CheckedRows(), (std::vector<int>{0, 1, 2}));
    QVERIFY(shown.Model().IsHeaderChecked());
    shown.ClickHeader(CStatusDlg::kCheck);
    QVERIFY(shown.Model().CheckedRows().empty());

    shown.Click(1, CStatusDlg::kCheck);
    QCOMPARE(shown.Model().CheckedRows(), std::vector<int>{1});
    shown.Click(1, CStatusDlg::kCheck);
    QVERIFY(shown.Model().CheckedRows().empty());

    // A refill clears every tick, the header's too.
    shown.ClickHeader(CStatusDlg::kCheck);
    shown.page.RefreshCurrentPage();
    QVERIFY(shown.Model().CheckedRows().empty());
    QVERIFY(!shown.Model().IsHeaderChecked());
}

void StatusDlgTest::foundRowsOnlyOnTheLastPage() {
    ShownStatusPage shown(45);
    for (int i = 0; i < 20; ++i)
        shown.engine.found.push_back(MakeDevice(100 + i, 1, i == 0 ? "" : "found"));
    for (auto& device : shown.engine.found)
        device.ap_status = brelvo::core::kStatusFoundOnly;

    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.Model().rowCount(), 30);
    QVERIFY(shown.engine.FoundQueries().empty());

    shown.page.GoToPage(2);
    QCOMPARE(shown.store.queries.back().page, 2);
    QCOMPARE(shown.engine.FoundQueries().size(), std::size_t{1});
    QCOMPARE(shown.engine.FoundQueries().back().first, std::size_t{15});
    QCOMPARE(shown.Model().rowCount(), 30);
    QCOMPARE(shown.Model().CellText(0, CStatusDlg::kSerial), QStringLiteral("31"));
    QCOMPARE(shown.Model().RowData(14), 1);
    QCOMPARE(shown.Model().RowData(15), 10);
    const QColor gray = brelvo::gui::ToQColor(shown.theme.settings.text_unline_color);
    QCOMPARE(shown.Model()
                 .data(shown.Model().index(15, CStatusDlg::kIp), Qt::ForegroundRole)
                 .value<QColor>(),
             gray);
    QCOMPARE(shown.Model().CellText(15, CStatusDlg::kSerial), QStringLiteral("46"));
    QCOMPARE(shown.Model().CellImage(15, CStatusDlg::kOperate), -1);
    // The first found device has no SSID yet: it shows its address but no name.
    QCOMPARE(shown.Model().CellText(15, CStatusDlg::kIp), QStringLiteral("192.168.1.101"));
    QVERIFY(shown.Model().CellText(15, CStatusDlg::kLocation).isEmpty());
    QCOMPARE(shown.Model().CellText(16, CStatusDlg::kLocation), QStringLiteral("tower-101"));

    shown.page.GoToPage(1);
    QCOMPARE(shown.Model().rowCount(), 30);
    QCOMPARE(shown.engine.FoundQueries().size(), std::size_t{1});
    for (int row = 0; row < 30; ++row)
        QVERIFY(shown.Model().RowData(row) != 10);
}

void StatusDlgTest::failedQueryStillListsFoundDevices() {
    ShownStatusPage shown(5);
    shown.store.fail_queries = true;
    shown.engine.found.push_back(MakeDevice(7));
    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.Model().rowCount(), 1);
    QCOMPARE(shown.Model().RowData(0), 10);
    QCOMPARE(shown.page.CountText().text(), QStringLiteral("Online device count:0"));
}

void StatusDlgTest::serialNumbersCountOnAcrossPages() {
    ShownStatusPage shown(50);
    shown.page.PageSizeBox().setCurrentIndex(0);  // 15 a page, refreshed from page 1
    QCOMPARE(shown.store.queries.back().page_size, 15);
    QCOMPARE(shown.store.queries.back().page, 1);
    shown.page.GoToPage(3);
    QCOMPARE(shown.Model().CellText(0, CStatusDlg::kSerial), QStringLiteral("31"));
    QCOMPARE(shown.Model().CellText(14, CStatusDlg::kSerial), QStringLiteral("45"));
    QCOMPARE(shown.page.Pager().CurrentNumber(), 3);
}

void StatusDlgTest::rename_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");       // the Location cell afterwards
    QTest::addColumn<QString>("warning");     // the warning box's text, if one appears
    QTest::addColumn<QByteArray>("payload");  // request 8, empty for none

    const QString strict = QStringLiteral(
        "Device name maximum allowed 32 bytes, only support combination of Chinese, lowercase "
        "letters, 0-9 numbers");
    const QString loose = QStringLiteral(
        "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII "
        "characters");
    const auto bytes = [](const std::vector<uint8_t>& payload) {
        return QByteArray(reinterpret_cast<const char*>(payload.data()),
                          static_cast<qsizetype>(payload.size()));
    };

    QTest::newRow("same text sends nothing") << 1 << "tower-1"
                                             << "tower-1" << QString() << QByteArray();
    QTest::newRow("empty text restores") << 1 << ""
                                         << "tower-1" << QString() << QByteArray();
    QTest::newRow("loose rule accepts a space")
        << 1 << "north mast"
        << "north mast" << QString()
        << bytes(Hex("6e 6f 72 74 68 20 6d 61 73 74 00 00 00 00 00 00"
                     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0a"));
    for (const int type : {4, 17, 261, 276}) {
        QTest::newRow(qPrintable(QStringLiteral("strict type %1 refuses a space").arg(type)))
            << type << "north mast"
            << "tower-1" << strict << QByteArray();
        QTest::newRow(qPrintable(QStringLiteral("strict type %1 accepts").arg(type)))
            << type << "mast2"
            << "mast2" << QString()
            << bytes(Hex("6d 61 73 74 32 00 00 00 00 00 00 00 00 00 00 00"
                         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 05"));
    }
    QTest::newRow("loose rule refuses a non-ASCII letter")
        << 1 << QStringLiteral("mast\u00e9") << "tower-1" << loose << QByteArray();
    // Two Chinese characters: UTF-8 on the wire, the length byte counting bytes.
    QTest::newRow("chinese name") << 1 << QStringLiteral("\u5317\u5854")
                                  << QStringLiteral("\u5317\u5854") << QString()
                                  << bytes(
                                         Hex("e5 8c 97 e5 a1 94 00 00 00 00 00 00 00 00 00 00"
                                             "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 06"));
}

void StatusDlgTest::rename() {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, warning);
    QFETCH(QByteArray, payload);

    ShownStatusPage page;
    page.store.devices.push_back(MakeDevice(0, static_cast<uint16_t>(type)));
    page.store.devices.push_back(MakeDevice(1, static_cast<uint16_t>(type)));
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    page.page.RefreshCurrentPage();
    const std::size_t queriesBefore = page.store.queries.size();

    page.Click(1, CStatusDlg::kLocation);
    QVERIFY(page.page.Grid().IsEditing());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        editor->insert(typed);

    QString boxText;
    ModalHandler boxes([&boxText](QWidget* modal) { boxText = PressOk(modal); });
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!page.page.Grid().IsEditing());
    if (!warning.isEmpty())
        QTRY_VERIFY(boxes.Ran());
    QCOMPARE(boxText, warning);
    QCOMPARE(page.Model().CellText(1, CStatusDlg::kLocation), shown);
    QCOMPARE(page.Model().CellText(0, CStatusDlg::kLocation), QStringLiteral("tower-0"));

    page.page.WaitForWorkers();
    const auto sent = page.engine.Sent();
    if (payload.isEmpty()) {
        QVERIFY(sent.empty());
        QVERIFY(!page.page.RefreshTimer().isActive());
        return;
    }
    QCOMPARE(sent.size(), std::size_t{1});
    QCOMPARE(sent[0].message, uint16_t{brelvo::core::kMsgSetName});
    QCOMPARE(sent[0].ip, std::string("192.168.1.2"));
    QCOMPARE(sent[0].mac, std::string("00:1a:2b:00:00:01"));
    QVERIFY(sent[0].retransmit);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sent[0].payload.data()),
                        static_cast<qsizetype>(sent[0].payload.size())),
             payload);
    // One refresh two seconds later.
    QVERIFY(page.page.RefreshTimer().isActive());
    QCOMPARE(page.page.RefreshTimer().interval(), 2000);
    page.page.OnRefreshTimer();
    QVERIFY(!page.page.RefreshTimer().isActive());
    QCOMPARE(page.store.queries.size(), queriesBefore + 1);
}

void StatusDlgTest::grayRowsCannotBeRenamedOrOpened() {
    ShownStatusPage shown;
    shown.engine.found.push_back(MakeDevice(3));
    QVERIFY(QTest::qWaitForWindowExposed(&shown.page));
    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.Model().RowData(0), 10);

    UrlRecorder urls;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "Open");
    shown.Click(0, CStatusDlg::kLocation);
    QVERIFY(!shown.page.Grid().IsEditing());
    shown.Click(0, CStatusDlg::kOperate);
    QVERIFY(urls.opened.isEmpty());
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void StatusDlgTest::webPageCellOpensTheDeviceAddress() {
    ShownStatusPage shown;
    auto device = MakeDevice(0);
    const uint8_t ip[4] = {192, 168, 0, 254};
    std::memcpy(device.ip, ip, 4);
    shown.store.devices.push_back(device);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.page));
    shown.page.RefreshCurrentPage();

    UrlRecorder urls;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "Open");
    shown.Click(0, CStatusDlg::kOperate);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl(QStringLiteral("http://192.168.0.254"))});
}

void StatusDlgTest::searchRunsThirtyTicks() {
    ShownStatusPage shown(2);
    shown.page.SearchBox().setText(QStringLiteral("tower"));
    shown.engine.Forget();
    const std::size_t queriesBefore = shown.store.queries.size();

    shown.page.SearchButton().click();
    QCOMPARE(shown.engine.Calls(),
             (std::vector<std::string>{"RefreshCaptureDevices", "SendLeaveToFound",
                                       "DropFoundEntries", "PurgeStaleDevices", "SearchDevices"}));
    QVERIFY(shown.page.IsSearching());
    QCOMPARE(shown.store.queries.size(), queriesBefore + 1);
    QCOMPARE(shown.store.queries.back().page, 1);
    QCOMPARE(shown.store.queries.back().search, std::string());
    QVERIFY(shown.page.SearchBox().text().isEmpty());
    QCOMPARE(shown.page.SearchButton().text(), QStringLiteral("Stop"));
    QVERIFY(!shown.page.WaitAnimation().isHidden());
    QVERIFY(!shown.page.SearchBox().isEnabled());
    QVERIFY(!shown.page.Grid().isEnabled());
    QVERIFY(!shown.page.PageSizeBox().isEnabled());
    QCOMPARE(shown.host.menu_calls, std::vector<int>{0});
    QVERIFY(!shown.host.auto_refresh);
    QVERIFY(shown.page.SearchTimer().isActive());
    QCOMPARE(shown.page.SearchTimer().interval(), 1000);

    // Ticks 1 to 29: a search and a refresh of page 1 on every third tick.
    std::vector<int> searchTicks;
    for (int tick = 1; tick <= 29; ++tick) {
        const int searchesBefore = shown.engine.CountOf("SearchDevices");
        const std::size_t queries = shown.store.queries.size();
        shown.page.OnSearchTick();
        if (shown.engine.CountOf("SearchDevices") > searchesBefore) {
            searchTicks.push_back(tick);
            QCOMPARE(shown.store.queries.size(), queries + 1);
            QCOMPARE(shown.store.queries.back().page, 1);
        } else {
            QCOMPARE(shown.store.queries.size(), queries);
        }
        QVERIFY(shown.page.IsSearching());
    }
    QCOMPARE(searchTicks, (std::vector<int>{3, 6, 9, 12, 15, 18, 21, 24, 27}));

    const std::size_t queries = shown.store.queries.size();
    shown.page.OnSearchTick();  // tick 30
    QVERIFY(!shown.page.IsSearching());
    QVERIFY(!shown.page.SearchTimer().isActive());
    QCOMPARE(shown.engine.CountOf("SearchDevices"), 10);
    QCOMPARE(shown.store.queries.size(), queries + 1);
    QCOMPARE(shown.page.SearchButton().text(), QStringLiteral("Search"));
    QVERIFY(shown.page.WaitAnimation().isHidden());
    QVERIFY(shown.page.SearchBox().isEnabled());
    QVERIFY(shown.page.Grid().isEnabled());
    QVERIFY(shown.page.PageSizeBox().isEnabled());
    QCOMPARE(shown.host.menu_calls, (std::vector<int>{0, 1}));
    QVERIFY(shown.host.auto_refresh);
}

void StatusDlgTest::searchStopsOnTheButton() {
    ShownStatusPage shown(2);
    shown.page.SearchButton().click();
    shown.page.OnSearchTick();
    shown.page.SearchButton().click();
    QVERIFY(!shown.page.IsSearching());
    QVERIFY(!shown.page.SearchTimer().isActive());
    QVERIFY(shown.host.auto_refresh);
    QCOMPARE(shown.host.menu_calls, (std::vector<int>{0, 1}));
    // A new search starts its count from the beginning.
    shown.page.SearchButton().click();
    shown.engine.Forget();
    shown.page.OnSearchTick();
    shown.page.OnSearchTick();
    QCOMPARE(shown.engine.CountOf("SearchDevices"), 0);
    shown.page.OnSearchTick();
    QCOMPARE(shown.engine.CountOf("SearchDevices"), 1);
}

void StatusDlgTest::typingInTheSearchBoxFilters() {
    ShownStatusPage shown(3);
    shown.page.GoToPage(2);
    QTest::keyClicks(&shown.page.SearchBox(), QStringLiteral("19"));
    QCOMPARE(shown.store.queries.back().search, std::string("19"));
    QCOMPARE(shown.store.queries.back().page, 1);
    QCOMPARE(shown.page.SearchText(), QStringLiteral("19"));
    // The text goes to the engine's found devices too.
    shown.engine.found.push_back(MakeDevice(9));
    shown.page.RefreshCurrentPage();
    QCOMPARE(shown.engine.FoundQueries().back().second, std::string("19"));
}

void StatusDlgTest::actionsWithoutTicksWarn_data() {
    QTest::addColumn<int>("button");  // 0 Set IP, 1 Set Bridge, 2 Slotwise
    QTest::addColumn<QList<int>>("tickedTypes");
    QTest::addColumn<QString>("message");
    QTest::newRow("set ip, nothing ticked") << 0 << QList<int>{} << "Please select the devices!";
    QTest::newRow("set bridge, nothing ticked")
        << 1 << QList<int>{} << "Please select configurable devices!";
    // Model 4 has no transparent bridge and model 1 no TDMA: their columns read "N/A".
    QTest::newRow("set bridge, only N/A")
        << 1 << QList<int>{4, 4} << "Please select configurable devices!";
    QTest::newRow("slotwise, only N/A")
        << 2 << QList<int>{1} << "Please select configurable devices!";
}

void StatusDlgTest::actionsWithoutTicksWarn() {
    QFETCH(int, button);
    QFETCH(QList<int>, tickedTypes);
    QFETCH(QString, message);

    ShownStatusPage shown;
    shown.store.devices.push_back(MakeDevice(50, 14));
    for (int i = 0; i < tickedTypes.size(); ++i)
        shown.store.devices.push_back(MakeDevice(i, static_cast<uint16_t>(tickedTypes[i])));
    shown.page.RefreshCurrentPage();
    for (int row = 1; row <= tickedTypes.size(); ++row)
        shown.Tick(row);

    QString boxText;
    bool wasBox = false;
    ModalHandler handler([&](QWidget* modal) {
        wasBox = qobject_cast<QMessageBox*>(modal) != nullptr;
        boxText = PressOk(modal);
    });
    brelvo::gui::CTButtonPicture* buttons[] = {
        &shown.page.SetIpButton(), &shown.page.SetBridgeButton(), &shown.page.SlotwiseButton()};
    buttons[button]->click();
    QVERIFY(handler.Ran());
    QVERIFY(wasBox);
    QCOMPARE(boxText, message);
    QVERIFY(shown.engine.Sent().empty());
    QVERIFY(shown.store.device_lookups.empty());
}

void StatusDlgTest::setIpRangeReachesTheEngine() {
    ShownStatusPage shown(5);
    shown.page.RefreshCurrentPage();
    for (const int row : {0, 1, 2, 4})
        shown.Tick(row);

    bool sawBothRows = false;
    int leaveNotices = -1;
    int searches = -1;
    ModalHandler handler([&](QWidget* modal) {
        auto* popup = qobject_cast<CIpsetMutilDlg*>(modal);
        QVERIFY(popup != nullptr);
        sawBothRows = !popup->EndEdit().isHidden() && !popup->EndLabel().isHidden();
        // Filled from the first ticked device.
        QCOMPARE(popup->StartEdit().Text(), QStringLiteral("192.168.1.1"));
        QCOMPARE(popup->MaskEdit().Text(), QStringLiteral("255.255.255.0"));
        QVERIFY(popup->EndEdit().Text().isEmpty());
        popup->StartEdit().SetText(QStringLiteral("192.168.0.254"));
        popup->EndEdit().SetText(QStringLiteral("192.168.1.2"));
        popup->MaskEdit().SetText(QStringLiteral("255.255.0.0"));
        popup->GatewayEdit().SetText(QStringLiteral("192.168.0.1"));
        popup->PrimaryDnsEdit().SetText(QStringLiteral("8.8.8.8"));
        popup->SecondaryDnsEdit().SetText(QStringLiteral("8.8.4.4"));
        popup->SaveButton().click();
        QVERIFY(popup->Progress().isVisibleTo(popup));
        QVERIFY(!popup->SaveButton().isEnabled());
        QVERIFY(!popup->CancelButton().isEnabled());
        QVERIFY(popup->CloseButton().isEnabled());
        QVERIFY(!popup->StartEdit().isEnabled());
        QVERIFY(popup->ProgressTimer().isActive());
        for (int tick = 0; tick < 29 && popup->isVisible(); ++tick)
            popup->OnProgressTick();
        leaveNotices = shown.engine.CountOf("SendLeaveToFound");
        searches = shown.engine.CountOf("SearchDevices");
    });
    shown.page.SetIpButton().click();
    QVERIFY(handler.Ran());
    QVERIFY(sawBothRows);
    QCOMPARE(leaveNotices, 1);
    QCOMPARE(searches, 3);
    QCOMPARE(shown.store.device_lookups, std::vector<std::string>{"00:1a:2b:00:00:00"});

    shown.page.WaitForWorkers();
    using brelvo::test::NewIpNote;
    QCOMPARE(shown.engine.Notes(), (std::vector<NewIpNote>{
                                       {"00:1a:2b:00:00:00", "192.168.1.1", "192.168.0.254"},
                                       {"00:1a:2b:00:00:01", "192.168.1.2", "192.168.1.1"},
                                       {"00:1a:2b:00:00:02", "192.168.1.3", "192.168.1.2"},
                                   }));
    const auto sent = shown.engine.Sent();
    QCOMPARE(sent.size(), std::size_t{3});
    const std::vector<std::string> currentIps{"192.168.1.1", "192.168.1.2", "192.168.1.3"};
    const std::vector<std::string> newIps{"c0 a8 00 fe", "c0 a8 01 01", "c0 a8 01 02"};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        QCOMPARE(sent[i].message, uint16_t{brelvo::core::kMsgSetIp});
        QCOMPARE(sent[i].ip, currentIps[i]);
        QVERIFY(sent[i].retransmit);
        // Mode 1, the new address, mask, gateway, both DNS, apply flag 1.
        QCOMPARE(sent[i].payload,
                 Hex("01" + newIps[i] + "ff ff 00 00  c0 a8 00 01  08 08 08 08  08 08 04 04  01"));
    }
}

void StatusDlgTest::setIpSingleDeviceTakesTheStartAddress() {
    ShownStatusPage shown(2);
    shown.page.RefreshCurrentPage();
    shown.Tick(1);
    bool endShown = true;
    int startShift = 0;
    ModalHandler handler([&](QWidget* modal) {
        auto* popup = qobject_cast<CIpsetMutilDlg*>(modal);
        QVERIFY(popup != nullptr);
        endShown = !popup->EndEdit().isHidden();
        startShift = popup->StartEdit().y() - popup->MaskEdit().y();
        QCOMPARE(popup->StartLabel().text(), QStringLiteral("IP_Address"));
        popup->StartEdit().SetText(QStringLiteral("192.168.1.5"));
        popup->EndEdit().SetText(QStringLiteral("192.168.1.9"));
        popup->SaveButton().click();
        popup->CloseButton().click();  // the worker goes on without the pop-up
    });
    shown.page.SetIpButton().click();
    QVERIFY(handler.Ran());
    QVERIFY(!endShown);
    QCOMPARE(startShift, -33);  // in the place of the hidden end row, just above the mask
    shown.page.WaitForWorkers();
    QCOMPARE(shown.engine.Notes(), (std::vector<brelvo::test::NewIpNote>{
                                       {"00:1a:2b:00:00:01", "192.168.1.2", "192.168.1.5"}}));
    QCOMPARE(shown.engine.Sent().size(), std::size_t{1});
}

void StatusDlgTest::setIpCancelSendsNothing() {
    ShownStatusPage shown(2);
    shown.page.RefreshCurrentPage();
    shown.Tick(0);
    shown.Tick(1);
    QString warning;
    ModalHandler handler([&](QWidget* modal) {
        auto* popup = qobject_cast<CIpsetMutilDlg*>(modal);
        QVERIFY(popup != nullptr);
        // An end below the start is refused in a plain box; the pop-up stays open.
        popup->StartEdit().SetText(QStringLiteral("192.168.1.9"));
        popup->EndEdit().SetText(QStringLiteral("192.168.1.5"));
        ModalHandler box([&warning](QWidget* inner) { warning = PressOk(inner); });
        box.Ignore(popup);
        popup->SaveButton().click();
        QVERIFY(popup->isVisible());
        QVERIFY(popup->SaveButton().isEnabled());
        popup->CancelButton().click();
    });
    shown.page.SetIpButton().click();
    QVERIFY(handler.Ran());
    QCOMPARE(warning, QStringLiteral("The ip address is invalid!"));
    shown.page.WaitForWorkers();
    QVERIFY(shown.engine.Sent().empty());
    QVERIFY(shown.engine.Notes().empty());
}

void StatusDlgTest::setBridgeSkipsDevicesWithoutTheSwitch() {
    ShownStatusPage shown;
    auto first = MakeDevice(0, 4);  // no transparent bridge: "N/A"
    auto second = MakeDevice(1, 14);
    second.bridge_transparent = 2;  // any value but 0 counts as on
    second.tdmaEn = 1;
    auto third = MakeDevice(2, 1);
    shown.store.devices = {first, second, third};
    shown.page.RefreshCurrentPage();
    for (const int row : {0, 1, 2})
        shown.Tick(row);

    bool enableSelected = false;
    std::size_t chosen = 0;
    ModalHandler handler([&](QWidget* modal) {
        auto* popup = qobject_cast<CBridgeSetMultiDlg*>(modal);
        QVERIFY(popup != nullptr);
        enableSelected = popup->EnableOption().isChecked() && !popup->DisableOption().isChecked();
        chosen = popup->Chosen().size();
        popup->SaveButton().click();
    });
    shown.page.SetBridgeButton().click();
    QVERIFY(handler.Ran());
    QVERIFY(enableSelected);
    QCOMPARE(chosen, std::size_t{2});
    // The first device that has the switch gives the pop-up its value.
    QCOMPARE(shown.store.device_lookups, std::vector<std::string>{"00:1a:2b:00:00:01"});

    shown.page.WaitForWorkers();
    const auto sent = shown.engine.Sent();
    QCOMPARE(sent.size(), std::size_t{2});
    QCOMPARE(sent[0].mac, std::string("00:1a:2b:00:00:01"));
    QCOMPARE(sent[1].mac, std::string("00:1a:2b:00:00:02"));
    for (const auto& request : sent) {
        QCOMPARE(request.message, uint16_t{brelvo::core::kMsgSetTransparentBridge});
        // The bridge byte normalised to 1; the TDMA byte 0 whatever the device has.
        QCOMPARE(request.payload, Hex("01 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    }
    QTRY_VERIFY(shown.page.RefreshTimer().isActive());
}

void StatusDlgTest::slotwiseSendsOnlyTheTdmaByte() {
    ShownStatusPage shown;
    auto first = MakeDevice(0, 1);  // no TDMA: "N/A"
    auto second = MakeDevice(1, 14);
    second.bridge_transparent = 1;
    second.tdmaEn = 0;
    shown.store.devices = {first, second};
    shown.page.RefreshCurrentPage();
    shown.Tick(0);
    shown.Tick(1);

    bool noneTicked = false;
    ModalHandler handler([&](QWidget* modal) {
        auto* popup = qobject_cast<CSlotwiseSetMultiDlg*>(modal);
        QVERIFY(popup != nullptr);
        noneTicked = !popup->EnableOption().isChecked() && !popup->DisableOption().isChecked();
        popup->EnableOption().click();
        popup->SaveButton().click();
    });
    shown.page.SlotwiseButton().click();
    QVERIFY(handler.Ran());
    QVERIFY(noneTicked);
    shown.page.WaitForWorkers();
    const auto sent = shown.engine.Sent();
    QCOMPARE(sent.size(), std::size_t{1});
    QCOMPARE(sent[0].message, uint16_t{brelvo::core::kMsgSetTdma});
    QCOMPARE(sent[0].mac, std::string("00:1a:2b:00:00:01"));
    QCOMPARE(sent[0].payload, Hex("00 01 00 00 00 00 00 00 00 00 00 00 00 00"));

    // Cancel writes and sends nothing.
    shown.engine.Forget();
    ModalHandler cancel([](QWidget* modal) {
        auto* popup = qobject_cast<CSlotwiseSetMultiDlg*>(modal);
        QVERIFY(popup != nullptr);
        popup->DisableOption().click();
        popup->CancelButton().click();
    });
    shown.page.SlotwiseButton().click();
    QVERIFY(cancel.Ran());
    shown.page.WaitForWorkers();
    QVERIFY(shown.engine.Sent().empty());
}

QTEST_MAIN(StatusDlgTest)
#include "status_dlg_test.moc"
