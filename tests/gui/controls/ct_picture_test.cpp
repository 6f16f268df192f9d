// The picture box (still pictures, the animated search picture) and the scrolling picture.
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "gui/controls/ct_picture.h"
#include "gui/controls/scroll_bitmap_wnd.h"

using brelvo::gui::CScrollBitmapWnd;
using brelvo::gui::CTPicture;

namespace {
QString SkinFile(const char* name) {
    return QStringLiteral(BRELVO_SKIN_SOURCE_DIR "/") + QLatin1String(name);
}
}  // namespace

class CTPictureTest : public QObject {
    Q_OBJECT

private slots:
    void showsAStillPicture();
    void missingPictureShowsNothing();
    void animatedGifPlaysWhileShown();
    void largePictureScrolls();
};

void CTPictureTest::showsAStillPicture() {
    QTemporaryDir dir;
    QImage still(QSize(12, 6), QImage::Format_RGB32);
    still.fill(QColor(237, 112, 32));
    const QString path = dir.filePath("still.bmp");
    QVERIFY(still.save(path, "BMP"));

    CTPicture picture;
    picture.resize(30, 30);
    picture.SetPicture(path);
    QVERIFY(!picture.IsAnimated());
    QCOMPARE(picture.sizeHint(), QSize(12, 6));
    const QImage shot = picture.grab().toImage();
    QCOMPARE(QColor(shot.pixel(5, 3)), QColor(237, 112, 32));

    picture.SetStretch(true);
    QCOMPARE(QColor(picture.grab().toImage().pixel(25, 25)), QColor(237, 112, 32));
}

void CTPictureTest::missingPictureShowsNothing() {
    CTPicture picture;
    picture.SetPicture(QStringLiteral("/nonexistent/wait_search.gif"));
    QVERIFY(!picture.IsAnimated());
    QVERIFY(picture.CurrentFrame().isNull());
    picture.resize(10, 10);
    picture.grab();  // paints without a picture
}

void CTPictureTest::animatedGifPlaysWhileShown() {
    CTPicture picture;
    picture.SetPicture(SkinFile("wait_search.gif"));
    QVERIFY(picture.IsAnimated());
    QVERIFY(!picture.IsPlaying());  // hidden

    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QVERIFY(picture.IsPlaying());
    const int first = picture.FrameNumber();
    QTRY_VERIFY_WITH_TIMEOUT(picture.FrameNumber() != first, 3000);

    picture.hide();
    QVERIFY(!picture.IsPlaying());
}

void CTPictureTest::largePictureScrolls() {
    CScrollBitmapWnd window;
    window.resize(300, 200);
    window.SetPicture(SkinFile("help_other.jpg"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.PictureSize().width() > 300);
    QVERIFY(window.PictureSize().height() > 200);
    QVERIFY(window.horizontalScrollBar()->maximum() > 0);
    QVERIFY(window.verticalScrollBar()->maximum() > 0);

    window.SetPicture(QString());
    QCOMPARE(window.PictureSize(), QSize(0, 0));
}

QTEST_MAIN(CTPictureTest)
#include "ct_picture_test.moc"
