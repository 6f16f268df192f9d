// The real window with the real engine and store, on the system side of a namespace pair, against
// a simulated fleet on the device side: a search from the status page lists every device.
// Leaves a picture of the filled window among the build's artefacts.
#include <QDir>
#include <QTest>

#include <optional>
#include <set>

#include "core/support/system_info.h"
#include "core/support/translation.h"
#include "devsim_process.h"
#include "gui/app/application_app.h"
#include "gui/app/application_dlg.h"
#include "gui/app/menu_dlg.h"
#include "gui/app/page_factory.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/controls/device_grid.h"
#include "gui/views/device_list_page.h"
#include "gui/views/status_dlg.h"

using namespace brelvo::gui;

namespace {

constexpr int kFleetSize = 24;

// A fleet as an installer meets it: several models of both families, access points and
// stations in turn, names of sites.
const std::vector<std::string> kFleetArguments{
    "--count",
    std::to_string(kFleetSize),
    "--models",
    "1,14,257,272,6,265,9,261",
    "--names",
    "North-Tower,North-Tower-STA,Barn-Roof,Barn-Roof-STA,Water-Tank,Silo-3,Church-Spire,"
    "Farm-Office,Quarry-Gate,Quarry-Crusher,Depot-East,Depot-West,School-Mast,Clinic,"
    "Hilltop-Relay,Pump-House",
};

// The simulator numbers its devices' MACs up from here.
QString MacOf(int k) {
    return QString::asprintf("00:90:4c:77:00:%02x", k);
}

}  // namespace

class WindowNetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        pair_ = brelvo::test::NetPair::FromEnvironment();
        if (!pair_)
            QSKIP("not inside a namespace pair: run through tests/net/netns_pair.sh");
    }

    void searchFromTheStatusPageListsTheFleet();

private:
    std::optional<brelvo::test::NetPair> pair_;
};

void WindowNetTest::searchFromTheStatusPageListsTheFleet() {
    brelvo::test::DevsimProcess fleet(*pair_, kFleetArguments);
    QVERIFY2(fleet.ready(), "the simulator did not start");

    CApplicationApp application;
    application.LoadSettings(brelvo::core::GetProgramFolder());
    application.StartEngineAndStore();
    CApplicationDlg window(HostResources{*application.store(), *application.engine(),
                                         application.theme(), application.skin()},
                           CreatePage);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* status = dynamic_cast<CStatusDlg*>(window.Host().Page(kPageStatus));
    QVERIFY(status != nullptr);
    QVERIFY(status->isVisible());

    QTest::mouseClick(&status->SearchButton(), Qt::LeftButton);
    QVERIFY(status->IsSearching());
    QVERIFY(!window.Menu().Button(kPageBridge).isEnabled());
    QVERIFY(!window.Host().AutoRefresh());

    // The page refreshes every third second of its search.
    QTRY_COMPARE_WITH_TIMEOUT(status->OnlineCount(), kFleetSize, 20000);
    const int shown = std::min(kFleetSize, status->PageSize());
    QTRY_COMPARE_WITH_TIMEOUT(status->Grid().Model().rowCount(), shown, 5000);

    // Stopping the search gives the window back to the operator.
    QTest::mouseClick(&status->SearchButton(), Qt::LeftButton);
    QVERIFY(!status->IsSearching());
    QVERIFY(window.Menu().Button(kPageBridge).isEnabled());
    QVERIFY(window.Host().AutoRefresh());

    const auto& model = status->Grid().Model();
    QTRY_COMPARE_WITH_TIMEOUT(model.rowCount(), shown, 5000);
    std::set<QString> fleetMacs;
    for (int k = 0; k < kFleetSize; ++k)
        fleetMacs.insert(MacOf(k));
    std::set<QString> listedMacs;
    for (int row = 0; row < model.rowCount(); ++row)
        listedMacs.insert(model.CellText(row, CStatusDlg::kMac));
    QCOMPARE(int(listedMacs.size()), shown);
    for (const QString& mac : listedMacs)
        QVERIFY2(fleetMacs.count(mac) == 1, qPrintable(mac));
    const auto northTower = model.FindRow(CStatusDlg::kMac, MacOf(0));
    if (northTower)
        QCOMPARE(model.CellText(*northTower, CStatusDlg::kLocation), QString("North-Tower"));

    // The picture of the finished window, in the language the run was started in.
    QTest::qWait(200);
    const QString folder = QStringLiteral(BRELVO_ARTEFACT_DIR);
    QDir().mkpath(folder);
    const QString name = brelvo::core::LanguageId() == brelvo::core::kLanguageChinese
                             ? QStringLiteral("main_window_zh.png")
                             : QStringLiteral("main_window.png");
    QVERIFY(window.grab().save(folder + "/" + name));

    // Every page through its menu button; each list page reads the same fleet from the store.
    struct Visit {
        PageId page;
        const char* picture;
    };
    for (const Visit visit :
         {Visit{kPageManagement, "management"}, Visit{kPageBridge, "bridge"},
          Visit{kPageReboot, "reboot"}, Visit{kPageUpgrade, "upgrade"},
          Visit{kPageRestore, "restore"}, Visit{kPageInstallHelp, "install_help"},
          Visit{kPageSystemTool, "system_tool"}}) {
        QTest::mouseClick(&window.Menu().Button(visit.page), Qt::LeftButton);
        QVERIFY(window.Host().Page(visit.page)->isVisible());
        QVERIFY(!status->isVisible());
        if (auto* list = dynamic_cast<CDeviceListPage*>(window.Host().Page(visit.page)))
            QTRY_COMPARE_WITH_TIMEOUT(list->Grid().Model().rowCount(), shown, 5000);
        QTest::qWait(150);
        QVERIFY(window.grab().save(folder + "/" + QString::fromLatin1(visit.picture) +
                                   (name.contains("_zh") ? "_zh.png" : ".png")));
    }

    window.accept();
}

QTEST_MAIN(WindowNetTest)
#include "window_net_test.moc"
