// The committed default skin: every picture the program names is there, readable, and of the
// size its role needs.
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {
QString SkinFile(const QString& name) {
    return QStringLiteral(BRELVO_SKIN_SOURCE_DIR "/") + name;
}
}  // namespace

class SkinTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsThere_data();
    void everyPictureIsThere();
    void searchAnimationHasSeveralFrames();
    void windowIconHoldsSeveralSizes();
};

void SkinTest::everyPictureIsThere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");  // invalid: any size

    const QSize any;
    const auto add = [](const QString& name, QSize size) {
        QTest::newRow(name.toUtf8().constData()) << name << size;
    };
    add("main_bk.jpg", any);
    add("main_left_bk.jpg", any);
    for (const char* menu :
         {"search", "wireless", "device", "user", "adstragy", "admanagment", "active", "system"}) {
        add(QStringLiteral("bt_menu_%1_normal.bmp").arg(QLatin1String(menu)), QSize(158, 40));
        add(QStringLiteral("bt_menu_%1_down.bmp").arg(QLatin1String(menu)), QSize(158, 40));
    }
    for (const char* action :
         {"search", "delete", "export", "add", "reboot", "restore", "upgrade", "config"}) {
        add(QStringLiteral("btn_%1.bmp").arg(QLatin1String(action)), QSize(90, 28));
    }
    add("config_btn.bmp", QSize(90, 28));
    add("btn_update_normal.bmp", any);
    add("btn_update_down.bmp", any);
    add("close_normal.bmp", QSize(20, 20));
    add("min_normal.bmp", QSize(20, 20));
    add("help_normal.bmp", QSize(20, 20));
    add("close_config.bmp", any);
    add("close_wait.bmp", any);
    add("help_product_normal.bmp", any);
    add("help_support_normal.bmp", any);
    add("help_contact_normal.bmp", any);
    add("help_help_normal.bmp", any);
    add("btn_pie.bmp", any);
    add("btn_pie2.bmp", any);
    add("wait_search.gif", any);
    add("bridge_finish.jpg", any);
    for (int level = 0; level <= 5; ++level) {
        add(QStringLiteral("singal_strength%1.bmp").arg(level), QSize(30, 16));
    }
    add("wireless_basic.bmp", any);
    add("wireless_config.bmp", any);
    add("wireless_enable.bmp", any);
    add("wireless_disable.bmp", any);
    add("bt_url.bmp", QSize(50, 16));
    add("write.bmp", QSize(50, 16));
    add("line.bmp", any);
    add("gray_line.bmp", any);
    add("orange_line.bmp", any);
    add("web_chinese.bmp", QSize(50, 16));
    add("web_other.bmp", QSize(50, 16));
    add("bridge_chinese.bmp", QSize(50, 16));
    add("bridge_other.bmp", QSize(50, 16));
    add("help_chinese.jpg", any);
    add("help_other.jpg", any);
    add("Application.ico", any);
}

void SkinTest::everyPictureIsThere() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImageReader reader(SkinFile(name));
    const QImage picture = reader.read();
    QVERIFY2(!picture.isNull(), qPrintable(name + ": " + reader.errorString()));
    if (size.isValid()) {
        QCOMPARE(picture.size(), size);
    }
    if (name.endsWith(QStringLiteral("line.bmp"))) {
        QVERIFY(picture.height() <= 2);
        QVERIFY(picture.width() >= 400);
    }
}

void SkinTest::searchAnimationHasSeveralFrames() {
    QImageReader reader(SkinFile(QStringLiteral("wait_search.gif")));
    QVERIFY(reader.supportsAnimation());
    QVERIFY(reader.imageCount() > 1);
    QVERIFY(reader.nextImageDelay() > 0);
}

void SkinTest::windowIconHoldsSeveralSizes() {
    QImageReader reader(SkinFile(QStringLiteral("Application.ico")));
    QVERIFY(reader.imageCount() >= 3);
    QList<int> widths;
    for (int image = 0; image < reader.imageCount(); ++image) {
        QVERIFY(reader.jumpToImage(image));
        widths << reader.read().width();
    }
    QVERIFY(widths.contains(16));
    QVERIFY(widths.contains(32));
}

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
