// Fonts and colours as the settings file gives them.
#include <QFontMetrics>
#include <QTest>

#include "gui/controls/skin_style.h"

using brelvo::gui::ColorFromColorRef;
using brelvo::gui::MakeSkinFont;

class SkinStyleTest : public QObject {
    Q_OBJECT

private slots:
    void fontFromHeightAndWeight_data();
    void fontFromHeightAndWeight();
    void colourFromItsStoredValue();
};

void SkinStyleTest::fontFromHeightAndWeight_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("cellHeight");  // ascent plus descent the font must fit into
    QTest::addColumn<int>("pixelSize");   // the character height, when it is given as such
    QTest::addColumn<int>("qtWeight");

    QTest::newRow("grid title") << 15 << 700 << 15 << 0 << int{QFont::Bold};
    QTest::newRow("default weight") << 15 << 0 << 15 << 0 << int{QFont::Normal};
    QTest::newRow("negative height") << -12 << 400 << 0 << 12 << int{QFont::Normal};
    QTest::newRow("heavy beyond the scale") << 16 << 5000 << 16 << 0 << 1000;
    QTest::newRow("negative weight") << 16 << -3 << 16 << 0 << int{QFont::Normal};
}

void SkinStyleTest::fontFromHeightAndWeight() {
    QFETCH(int, height);
    QFETCH(int, weight);
    QFETCH(int, cellHeight);
    QFETCH(int, pixelSize);
    QFETCH(int, qtWeight);
    const QFont font = MakeSkinFont(QStringLiteral("Arial"), height, weight);
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    if (pixelSize > 0)
        QCOMPARE(font.pixelSize(), pixelSize);
    if (cellHeight > 0) {
        // A positive height names the cell: the character is smaller, the cell fills it.
        const int cell = QFontMetrics(font).height();
        QVERIFY2(cell <= cellHeight && cell >= cellHeight - 2, qPrintable(QString::number(cell)));
        QVERIFY(font.pixelSize() < cellHeight);
    }
    QCOMPARE(int{font.weight()}, qtWeight);
}

void SkinStyleTest::colourFromItsStoredValue() {
    // Red in the low byte: 221,217,196 is stored as 0x00C4D9DD.
    QCOMPARE(ColorFromColorRef(0x00C4D9DDu), QColor(221, 217, 196));
    QCOMPARE(ColorFromColorRef(0x002070EDu), QColor(237, 112, 32));
    QCOMPARE(ColorFromColorRef(0xFF000000u), QColor(0, 0, 0));
}

QTEST_MAIN(SkinStyleTest)
#include "skin_style_test.moc"
