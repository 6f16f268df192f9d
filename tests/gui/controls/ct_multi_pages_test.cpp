// The tab strip and pager: which cells a pager shows, when a click notifies, the hover fill and
// captions cut with "...".
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include "gui/controls/ct_multi_pages.h"
#include "gui/controls/elide_text.h"
#include "gui/controls/pager_cells.h"

using brelvo::gui::CTMultiPages;
using brelvo::gui::ElideWithDots;
using brelvo::gui::PagerCells;

namespace {

QString Captions(const std::vector<brelvo::gui::PagerCell>& cells) {
    QStringList captions;
    for (const auto& cell : cells) {
        captions << cell.caption;
    }
    return captions.join(' ');
}

QString Numbers(const std::vector<brelvo::gui::PagerCell>& cells) {
    QStringList numbers;
    for (const auto& cell : cells) {
        numbers << QString::number(cell.number);
    }
    return numbers.join(' ');
}

QPoint CentreOf(const CTMultiPages& strip, int cell) {
    return strip.CellRect(cell).center();
}

void MoveTo(CTMultiPages& strip, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, strip.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
}

}  // namespace

class CTMultiPagesTest : public QObject {
    Q_OBJECT

private slots:
    void pagerShowsAtMostSevenCells_data();
    void pagerShowsAtMostSevenCells();
    void clickNotifiesOnlyForAnotherPage_data();
    void clickNotifiesOnlyForAnotherPage();
    void pageBeyondTheCountShowsPageOne();
    void tabStripNotifiesTheTabIndex();
    void hoverFillFollowsTheMouse();
    void captionsAreCutWithDots_data();
    void captionsAreCutWithDots();
};

void CTMultiPagesTest::pagerShowsAtMostSevenCells_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QString>("numbers");

    QTest::newRow("no rows") << 1 << 0 << "1"
                             << "1";
    QTest::newRow("one page") << 1 << 1 << "1"
                              << "1";
    QTest::newRow("seven pages") << 6 << 7 << "1 2 3 4 5 6 7"
                                 << "1 2 3 4 5 6 7";
    QTest::newRow("near the start") << 1 << 20 << "1 2 3 4 5 ... 20"
                                    << "1 2 3 4 5 -1 20";
    QTest::newRow("fourth page") << 4 << 20 << "1 2 3 4 5 ... 20"
                                 << "1 2 3 4 5 -1 20";
    QTest::newRow("middle") << 10 << 20 << "1 ... 9 10 11 ... 20"
                            << "1 -1 9 10 11 -1 20";
    QTest::newRow("fifth page") << 5 << 20 << "1 ... 4 5 6 ... 20"
                                << "1 -1 4 5 6 -1 20";
    QTest::newRow("fourth from the end") << 16 << 20 << "1 ... 15 16 17 ... 20"
                                         << "1 -1 15 16 17 -1 20";
    QTest::newRow("near the end") << 17 << 20 << "1 ... 16 17 18 19 20"
                                  << "1 -1 16 17 18 19 20";
    QTest::newRow("last page") << 20 << 20 << "1 ... 16 17 18 19 20"
                               << "1 -1 16 17 18 19 20";
    QTest::newRow("eight pages, page 5") << 5 << 8 << "1 ... 4 5 6 7 8"
                                         << "1 -1 4 5 6 7 8";
    QTest::newRow("beyond the count") << 9 << 8 << "1 2 3 4 5 ... 8"
                                      << "1 2 3 4 5 -1 8";
}

void CTMultiPagesTest::pagerShowsAtMostSevenCells() {
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(QString, captions);
    QFETCH(QString, numbers);
    const auto cells = PagerCells(current, count);
    QVERIFY(cells.size() <= 7);
    QCOMPARE(Captions(cells), captions);
    QCOMPARE(Numbers(cells), numbers);
}

void CTMultiPagesTest::clickNotifiesOnlyForAnotherPage_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("notified");  // page number sent, 0 for no notification

    QTest::newRow("current cell") << 2 << 5 << 1 << 0;
    QTest::newRow("another page") << 2 << 5 << 3 << 4;
    QTest::newRow("first page") << 2 << 5 << 0 << 1;
    QTest::newRow("gap cell") << 10 << 20 << 1 << 0;
    QTest::newRow("last page past a gap") << 10 << 20 << 6 << 20;
    QTest::newRow("outside every cell") << 2 << 5 << -1 << 0;
}

void CTMultiPagesTest::clickNotifiesOnlyForAnotherPage() {
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(int, cell);
    QFETCH(int, notified);

    CTMultiPages pager;
    pager.resize(300, 24);
    pager.SetNotifyIdentifier(133);
    pager.SetPages(current, count);
    QSignalSpy changed(&pager, &CTMultiPages::TabChanged);

    const QPoint where = cell >= 0 ? CentreOf(pager, cell) : QPoint(295, 12);
    QTest::mouseClick(&pager, Qt::LeftButton, Qt::NoModifier, where);

    if (notified == 0) {
        QCOMPARE(changed.count(), 0);
        QCOMPARE(pager.CurrentNumber(), current);
        return;
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 133);
    QCOMPARE(changed.at(0).at(1).toInt(), notified);
    QCOMPARE(pager.CurrentNumber(), notified);
    // A second click on the now current cell stays quiet.
    QTest::mouseClick(&pager, Qt::LeftButton, Qt::NoModifier, where);
    QCOMPARE(changed.count(), 1);
}

void CTMultiPagesTest::pageBeyondTheCountShowsPageOne() {
    CTMultiPages pager;
    pager.resize(300, 24);
    pager.SetNotifyIdentifier(134);
    pager.SetPages(5, 3);
    QCOMPARE(pager.CurrentNumber(), 1);
    QSignalSpy changed(&pager, &CTMultiPages::TabChanged);
    QTest::mouseClick(&pager, Qt::LeftButton, Qt::NoModifier, CentreOf(pager, 0));
    QCOMPARE(changed.count(), 0);
    QTest::mouseClick(&pager, Qt::LeftButton, Qt::NoModifier, CentreOf(pager, 2));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(1).toInt(), 3);
}

void CTMultiPagesTest::tabStripNotifiesTheTabIndex() {
    CTMultiPages tabs;
    tabs.resize(300, 24);
    tabs.SetNotifyIdentifier(7);
    tabs.AddTab(QStringLiteral("Basic"));
    tabs.AddTab(QStringLiteral("Advanced"));
    tabs.SetCurrentTab(0);
    QSignalSpy changed(&tabs, &CTMultiPages::TabChanged);
    QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, CentreOf(tabs, 1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 7);
    QCOMPARE(changed.at(0).at(1).toInt(), 1);
}

void CTMultiPagesTest::hoverFillFollowsTheMouse() {
    CTMultiPages pager;
    pager.resize(300, 24);
    pager.SetPages(1, 3);
    MoveTo(pager, CentreOf(pager, 1));
    QCOMPARE(pager.HoverCell(), 1);
    // A corner of the cell, away from its caption.
    const QPoint corner = pager.CellRect(1).topLeft() + QPoint(2, 2);
    QCOMPARE(QColor(pager.grab().toImage().pixel(corner)), QColor(187, 187, 187));
    const QPoint otherCorner = pager.CellRect(2).topLeft() + QPoint(2, 2);
    QCOMPARE(QColor(pager.grab().toImage().pixel(otherCorner)), QColor(Qt::white));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pager, &leave);
    QCOMPARE(pager.HoverCell(), -1);
    QCOMPARE(QColor(pager.grab().toImage().pixel(corner)), QColor(Qt::white));
}

void CTMultiPagesTest::captionsAreCutWithDots_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("cut");

    QTest::newRow("fits") << "12" << 200 << false;
    QTest::newRow("too long") << "Wireless settings" << 60 << true;
    QTest::newRow("no room even for the dots") << "Wireless" << 4 << true;
}

void CTMultiPagesTest::captionsAreCutWithDots() {
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, cut);
    const QFontMetrics metrics(QApplication::font());
    const QString shown = ElideWithDots(caption, metrics, width);
    QVERIFY(metrics.horizontalAdvance(shown) <= width);
    if (!cut) {
        QCOMPARE(shown, caption);
        return;
    }
    QVERIFY(shown != caption);
    if (metrics.horizontalAdvance(QStringLiteral("...")) <= width) {
        QVERIFY(shown.endsWith(QStringLiteral("...")));
        QVERIFY(caption.startsWith(shown.chopped(3)));
    } else {
        QVERIFY(QStringLiteral("...").startsWith(shown));
    }
}

QTEST_MAIN(CTMultiPagesTest)
#include "ct_multi_pages_test.moc"
