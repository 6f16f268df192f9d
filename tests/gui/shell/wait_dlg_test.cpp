// The wait pop-up's timeline, driven tick by tick: when it sends the leave notice and the
// searches, and when it closes.
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "gui/controls/ct_button_picture.h"
#include "gui/support/wait_dlg.h"
#include "shell_fakes.h"

using brelvo::core::WaitPopupSettings;
using brelvo::gui::CWaitDlg;

namespace {

struct Run {
    std::vector<brelvo::test::FakeEngine::Call> calls;
    int closedOnTick = -1;
};

// Ticks the pop-up by hand until it closes (at most 1000 ticks), recording on which tick each
// engine call came.
Run Drive(WaitPopupSettings settings) {
    brelvo::test::FakeEngine engine;
    const brelvo::core::SkinPaths skin = brelvo::test::SourceSkin();
    CWaitDlg dialog(engine, skin, settings);
    engine.clock = [&dialog] { return dialog.TickCounter(); };
    QSignalSpy finished(&dialog, &CWaitDlg::finished);
    dialog.open();
    Run run;
    for (int k = 0; k < 1000 && finished.isEmpty(); ++k) {
        dialog.OnTick();
        if (!finished.isEmpty())
            run.closedOnTick = dialog.TickCounter();
    }
    if (!finished.isEmpty() && finished.at(0).at(0).toInt() != CWaitDlg::Accepted)
        run.closedOnTick = -2;
    run.calls = engine.calls;
    return run;
}

using Calls = std::vector<std::pair<std::string, int>>;

Calls Pairs(const Run& run) {
    Calls pairs;
    for (const auto& call : run.calls)
        pairs.emplace_back(call.what, call.when);
    return pairs;
}

}  // namespace

Q_DECLARE_METATYPE(Calls)

class WaitDlgTest : public QObject {
    Q_OBJECT

private slots:
    void searchTicks_data();
    void searchTicks();
    void progressFollowsTheTicks();
    void closeButtonEndsAtOnceWithoutFurtherSearches();
    void ticksEveryHalfSecond();
};

void WaitDlgTest::searchTicks_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("search");
    QTest::addColumn<int>("searches");
    QTest::addColumn<Calls>("calls");
    QTest::addColumn<int>("closedOnTick");

    // Tick n comes (n - 1) x 0.5 s after opening: 108 is 53.5 s, 120 is 59.5 s.
    QTest::newRow("reboot: 60 s, 3 searches")
        << 60 << true << 3
        << Calls{{"leave", 108}, {"search", 108}, {"search", 114}, {"search", 120}} << 120;
    QTest::newRow("address change: 15 s, 3 searches")
        << 15 << true << 3 << Calls{{"leave", 18}, {"search", 18}, {"search", 24}, {"search", 30}}
        << 30;
    QTest::newRow("VLAN change: 60 s, no search") << 60 << false << 3 << Calls{} << 120;
    QTest::newRow("restore: 60 s, 5 searches")
        << 60 << true << 5 << Calls{{"leave", 96},   {"search", 96},  {"search", 102},
                                    {"search", 108}, {"search", 114}, {"search", 120}}
        << 120;
    // More searches than fit: those that fit, the last on the closing tick.
    QTest::newRow("2 s, 3 searches") << 2 << true << 3 << Calls{{"leave", 4}, {"search", 4}} << 4;
}

void WaitDlgTest::searchTicks() {
    QFETCH(int, seconds);
    QFETCH(bool, search);
    QFETCH(int, searches);
    QFETCH(Calls, calls);
    QFETCH(int, closedOnTick);
    const Run run = Drive(WaitPopupSettings{seconds, search, searches});
    QCOMPARE(Pairs(run), calls);
    QCOMPARE(run.closedOnTick, closedOnTick);
}

void WaitDlgTest::progressFollowsTheTicks() {
    brelvo::test::FakeEngine engine;
    const brelvo::core::SkinPaths skin = brelvo::test::SourceSkin();
    CWaitDlg dialog(engine, skin, WaitPopupSettings{15, true, 3});
    dialog.open();
    QCOMPARE(dialog.ProgressBar().minimum(), 0);
    QCOMPARE(dialog.ProgressBar().maximum(), 30);
    QCOMPARE(dialog.ProgressBar().value(), 0);
    QCOMPARE(dialog.TickCounter(), 1);
    dialog.OnTick();
    QCOMPARE(dialog.ProgressBar().value(), 2);
    for (int k = 0; k < 27; ++k)
        dialog.OnTick();
    QCOMPARE(dialog.ProgressBar().value(), 29);
    QVERIFY(dialog.isVisible());
    dialog.OnTick();
    QCOMPARE(dialog.ProgressBar().value(), 30);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.TickTimer().isActive());
}

void WaitDlgTest::closeButtonEndsAtOnceWithoutFurtherSearches() {
    brelvo::test::FakeEngine engine;
    const brelvo::core::SkinPaths skin = brelvo::test::SourceSkin();
    CWaitDlg dialog(engine, skin, WaitPopupSettings{60, true, 3});
    QSignalSpy finished(&dialog, &CWaitDlg::finished);
    dialog.open();
    for (int k = 0; k < 110; ++k)  // past the first search, tick 108
        dialog.OnTick();
    QCOMPARE(engine.calls.size(), std::size_t{2});

    QTest::mouseClick(&dialog.CloseButton(), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(CWaitDlg::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.TickTimer().isActive());
    QCOMPARE(engine.calls.size(), std::size_t{2});
}

void WaitDlgTest::ticksEveryHalfSecond() {
    brelvo::test::FakeEngine engine;
    const brelvo::core::SkinPaths skin = brelvo::test::SourceSkin();
    CWaitDlg dialog(engine, skin, WaitPopupSettings{1, false, 0});
    QSignalSpy finished(&dialog, &CWaitDlg::finished);
    QCOMPARE(dialog.TickTimer().interval(), 500);
    QVERIFY(dialog.TickTimer().isActive());
    dialog.open();
    // One second: two ticks in all, the pop-up closes on the second, half a second after it
    // opened.
    QVERIFY(finished.wait(5000));
    QCOMPARE(dialog.TickCounter(), 2);
}

QTEST_MAIN(WaitDlgTest)
#include "wait_dlg_test.moc"
