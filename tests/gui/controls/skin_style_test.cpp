// Fonts and colours as the settings file gives them.
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
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("qtWeight");

    QTest::newRow("grid title") << 15 << 700 << 15 << int{QFont::Bold};
    QTest::newRow("default weight") << 15 << 0 << 15 << int{QFont::Normal};
    QTest::newRow("negative height") << -12 << 400 << 12 << int{QFont::Normal};
    QTest::newRow("heavy beyond the scale") << 16 << 5000 << 16 << 1000;
    QTest::newRow("negative weight") << 16 << -3 << 16 << int{QFont::Normal};
}

void SkinStyleTest::fontFromHeightAndWeight() {
    QFETCH(int, height);
    QFETCH(int, weight);
    QFETCH(int, pixelSize);
    QFETCH(int, qtWeight);
    const QFont font = MakeSkinFont(QStringLiteral("Arial"), height, weight);
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pixelSize(), pixelSize);
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
