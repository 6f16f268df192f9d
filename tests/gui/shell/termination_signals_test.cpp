// A termination signal reaches the program as a Qt signal instead of ending it on the spot.
#include <QSignalSpy>
#include <QTest>

#include <csignal>

#include "gui/app/termination_signals.h"

using brelvo::gui::TerminationSignals;

class TerminationSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void signalsBecomeRequests_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalsBecomeRequests() {
        QFETCH(int, signalNumber);
        TerminationSignals termination;
        QSignalSpy requested(&termination, &TerminationSignals::Requested);
        QCOMPARE(std::raise(signalNumber), 0);
        // Still running: the request arrives through the event loop.
        QTRY_COMPARE(requested.count(), 1);
        QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
    }

    void severalSignalsBeforeTheLoopRunsMakeOneRequest() {
        TerminationSignals termination;
        QSignalSpy requested(&termination, &TerminationSignals::Requested);
        std::raise(SIGTERM);
        std::raise(SIGTERM);
        QTRY_COMPARE(requested.count(), 1);
        QTest::qWait(50);
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
