// Pieces of start-up and of the page host that need no engine: the box for a database that
// cannot be opened, a second copy of the program, and the install help page.
#include <QAbstractButton>
#include <QApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>

#include "core/platform/single_instance.h"
#include "core/store/sql_management.h"
#include "gui/app/application_app.h"
#include "gui/controls/scroll_bitmap_wnd.h"
#include "gui/support/install_help_dlg.h"
#include "shell_fakes.h"

using namespace brelvo::gui;

namespace {

// Closes every message box that opens, remembering its texts.
struct BoxWatcher {
    QStringList texts;
    QStringList titles;
    QTimer timer;

    BoxWatcher() {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (box == nullptr || !box->isVisible())
                    continue;
                texts << box->text();
                titles << box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start();
    }
};

}  // namespace

class StartupPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void unopenableDatabaseIsToldOnceInABox();
    void secondCopyLeavesWithoutAWindow();
    void installHelpPageShowsTheLanguagesPicture_data();
    void installHelpPageShowsTheLanguagesPicture();
};

void StartupPiecesTest::unopenableDatabaseIsToldOnceInABox() {
    brelvo::test::TestLanguage language(
        "failed to open database, unable to get data.=数据库打不开\n");
    BoxWatcher watcher;
    const auto notifier = StoreFailureBox();
    QTemporaryDir dir;
    // A folder that does not exist: the file can be neither created nor opened.
    brelvo::core::CSqlManagement store(dir.filePath("missing/data.db").toStdString(), notifier);
    QVERIFY(!store.IsOpen());
    notifier("again");
    QCOMPARE(watcher.texts, QStringList{"数据库打不开"});
    QCOMPARE(watcher.titles, QStringList{QString()});
}

void StartupPiecesTest::secondCopyLeavesWithoutAWindow() {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const brelvo::core::SingleInstanceLock first;
    QVERIFY(first.held());

    CApplicationApp second;
    int argc = 1;
    char name[] = "brelvo";
    char* argv[] = {name, nullptr};
    QCOMPARE(second.InitInstance(argc, argv), 0);
    QVERIFY(second.engine() == nullptr);
    QVERIFY(second.store() == nullptr);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void StartupPiecesTest::installHelpPageShowsTheLanguagesPicture_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("picture");
    QTest::newRow("English") << int(brelvo::core::kLanguageEnglish) << "help_other.jpg";
    QTest::newRow("Chinese") << int(brelvo::core::kLanguageChinese) << "help_chinese.jpg";
}

void StartupPiecesTest::installHelpPageShowsTheLanguagesPicture() {
    QFETCH(int, language);
    QFETCH(QString, picture);
    brelvo::test::FakeStore store;
    brelvo::test::FakeEngine engine;
    const brelvo::core::Theme theme;
    const brelvo::core::SkinPaths skin = brelvo::test::SourceSkin(static_cast<uint16_t>(language));
    struct NoHost : PageHost {
        bool AutoRefresh() const override { return true; }
        void SetAutoRefresh(bool) override {}
        void EnableMenu(bool) override {}
        void ConnectPager(CTMultiPages&, PageId) override {}
    } host;
    PageServices services{store, engine, theme, skin, host};

    CInstallHelpDlg page(services, nullptr);
    QCOMPARE(page.Picture().geometry(), QRect(QPoint(5, 5), QPoint(1064, 589)));
    const QSize expected =
        QImageReader(QStringLiteral(BRELVO_SKIN_SOURCE_DIR "/") + picture).size();
    QVERIFY(expected.isValid());
    QCOMPARE(page.Picture().PictureSize(), expected);
}

QTEST_MAIN(StartupPiecesTest)
#include "startup_pieces_test.moc"
