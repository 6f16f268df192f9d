// The adapter page: one row per adapter with its number, description, MAC and addresses joined
// by "--", the adapter count, and the five-second refresh.
#include <QAbstractItemModelTester>
#include <QTest>

#include "gui/config/system_tool_dlg.h"
#include "gui/controls/ct_static.h"
#include "gui/controls/device_grid.h"
#include "page_fakes.h"

using brelvo::gui::CSystemToolDlg;
using brelvo::test::PageFixture;

namespace {

brelvo::core::LocalAdapter Adapter(const char* name, brelvo::core::MacBytes mac,
                                   std::vector<std::string> addresses) {
    brelvo::core::LocalAdapter adapter;
    adapter.name = name;
    adapter.description = std::string(name) + " (e1000e)";
    adapter.mac = mac;
    for (auto& address : addresses)
        adapter.addresses.push_back({address, "255.255.255.0", ""});
    return adapter;
}

}  // namespace

class SystemToolDlgTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheAdapters();
    void noAdapterShowsAnEmptyList();
};

void SystemToolDlgTest::listsTheAdapters() {
    PageFixture fixture;
    fixture.engine.adapters = {
        Adapter("eth0", {0x00, 0x1b, 0x21, 0x3a, 0x4f, 0xa0}, {"192.168.0.10", "10.0.0.5"}),
        Adapter("eth1", {0xa4, 0xbb, 0x6d, 0x01, 0x02, 0x03}, {"172.16.4.2"}),
    };
    CSystemToolDlg page(fixture.services, nullptr);
    auto& model = page.Grid().Model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    // Filled once when the page opens.
    QCOMPARE(fixture.engine.CountOf("GetAdapters"), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.headerData(CSystemToolDlg::kDescription, Qt::Horizontal).toString(),
             QStringLiteral("Description"));
    QCOMPARE(model.ColumnWidth(CSystemToolDlg::kDescription), 400);
    QCOMPARE(model.CellText(0, CSystemToolDlg::kId), QStringLiteral("1"));
    QCOMPARE(model.CellText(1, CSystemToolDlg::kId), QStringLiteral("2"));
    QCOMPARE(model.CellText(0, CSystemToolDlg::kDescription), QStringLiteral("eth0 (e1000e)"));
    QCOMPARE(model.CellText(0, CSystemToolDlg::kMac), QStringLiteral("00:1b:21:3a:4f:a0"));
    QCOMPARE(model.CellText(0, CSystemToolDlg::kIp), QStringLiteral("192.168.0.10--10.0.0.5"));
    QCOMPARE(model.CellText(1, CSystemToolDlg::kIp), QStringLiteral("172.16.4.2"));
    QCOMPARE(page.CountText().text(), QStringLiteral("Adapter count:2"));
    QVERIFY(page.RefreshTimer().isActive());
    QCOMPARE(page.RefreshTimer().interval(), 5000);

    // An adapter that is no longer reported goes at the next refresh.
    fixture.engine.adapters.erase(fixture.engine.adapters.begin());
    page.FillAdapters();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.CellText(0, CSystemToolDlg::kId), QStringLiteral("1"));
    QCOMPARE(model.CellText(0, CSystemToolDlg::kMac), QStringLiteral("a4:bb:6d:01:02:03"));
    QCOMPARE(page.CountText().text(), QStringLiteral("Adapter count:1"));
}

void SystemToolDlgTest::noAdapterShowsAnEmptyList() {
    PageFixture fixture;
    CSystemToolDlg page(fixture.services, nullptr);
    QCOMPARE(page.Grid().Model().rowCount(), 0);
    QCOMPARE(page.CountText().text(), QStringLiteral("Adapter count:0"));
}

QTEST_MAIN(SystemToolDlgTest)
#include "system_tool_dlg_test.moc"
