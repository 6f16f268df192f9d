// The static text: its colours, and a see-through background unless told otherwise.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include "gui/controls/ct_static.h"
#include "gui/controls/skin_style.h"

using brelvo::gui::CTStatic;
using brelvo::gui::MakeSkinFont;

class CTStaticTest : public QObject {
    Q_OBJECT

private slots:
    void backgroundShowsOnlyWhenNotTransparent_data();
    void backgroundShowsOnlyWhenNotTransparent();
    void textTakesItsColour();
};

namespace {

// A parent painted in one colour, so that a see-through static shows it.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QColor color) : color_(color) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), color_); }

private:
    QColor color_;
};

}  // namespace

void CTStaticTest::backgroundShowsOnlyWhenNotTransparent_data() {
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("transparent (the default)") << true << QColor(221, 217, 196);
    QTest::newRow("opaque") << false << QColor(255, 255, 255);
}

void CTStaticTest::backgroundShowsOnlyWhenNotTransparent() {
    QFETCH(bool, transparent);
    QFETCH(QColor, corner);
    Backdrop parent(QColor(221, 217, 196));
    parent.resize(120, 40);
    CTStatic text(&parent);
    text.setGeometry(0, 0, 120, 40);
    text.SetFontAndColors(MakeSkinFont(QStringLiteral("Arial"), 15, 0), Qt::black, Qt::white);
    if (!transparent) {
        text.SetTransparent(false);
    }
    text.SetText(QStringLiteral("Online device count:3"));
    QCOMPARE(QColor(parent.grab().toImage().pixel(118, 38)), corner);
}

void CTStaticTest::textTakesItsColour() {
    CTStatic text;
    text.resize(200, 30);
    text.SetFontAndColors(MakeSkinFont(QStringLiteral("Arial"), 20, 700), QColor(142, 142, 142),
                          Qt::white);
    text.SetTransparent(false);
    text.SetText(QStringLiteral("MMMM"));
    const QImage shot = text.grab().toImage();
    bool found = false;
    for (int y = 0; y < shot.height() && !found; ++y) {
        for (int x = 0; x < shot.width() && !found; ++x) {
            found = QColor(shot.pixel(x, y)) == QColor(142, 142, 142);
        }
    }
    QVERIFY(found);
}

QTEST_MAIN(CTStaticTest)
#include "ct_static_test.moc"
