// The dialog base: Enter and Escape never close it, its painting, rounded corners, opacity and
// moving by dragging.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "gui/controls/ct_dialog.h"
#include "gui/controls/ct_edit.h"

using brelvo::gui::CTDialog;
using brelvo::gui::CTEdit;

class CTDialogTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeDoNotClose_data();
    void enterAndEscapeDoNotClose();
    void paintsFillColourAndLines();
    void stretchesItsBackgroundPicture();
    void roundedCornersStayOpaque();
    void opacityIsTheOneAskedFor();
    void movesWhenDraggedAnywhere();
};

void CTDialogTest::enterAndEscapeDoNotClose_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inEdit");
    QTest::newRow("return on the dialog") << int{Qt::Key_Return} << false;
    QTest::newRow("enter on the dialog") << int{Qt::Key_Enter} << false;
    QTest::newRow("escape on the dialog") << int{Qt::Key_Escape} << false;
    QTest::newRow("return in an edit") << int{Qt::Key_Return} << true;
    QTest::newRow("enter in an edit") << int{Qt::Key_Enter} << true;
    QTest::newRow("escape in an edit") << int{Qt::Key_Escape} << true;
}

void CTDialogTest::enterAndEscapeDoNotClose() {
    QFETCH(int, key);
    QFETCH(bool, inEdit);

    CTDialog dialog;
    CTEdit edit(&dialog);
    // A plain dialog would click its default button on Enter; this one must not.
    QPushButton ok(QStringLiteral("OK"), &dialog);
    ok.setDefault(true);
    QVBoxLayout layout(&dialog);
    layout.addWidget(&edit);
    layout.addWidget(&ok);
    connect(&ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QSignalSpy finished(&dialog, &QDialog::finished);

    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* target = &dialog;
    if (inEdit) {
        edit.setFocus();
        target = &edit;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QTest::qWait(10);

    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
}

void CTDialogTest::paintsFillColourAndLines() {
    CTDialog dialog(nullptr, CTDialog::Kind::Page);
    dialog.resize(60, 40);
    dialog.SetFillColor(QColor(242, 242, 242));
    dialog.SetLinePen(2, QColor(237, 112, 32));
    dialog.AddLine(0, 20, 59, 20);
    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(30, 5)), QColor(242, 242, 242));
    QCOMPARE(QColor(shot.pixel(30, 20)), QColor(237, 112, 32));
    QCOMPARE(QColor(shot.pixel(30, 35)), QColor(242, 242, 242));
}

void CTDialogTest::stretchesItsBackgroundPicture() {
    QTemporaryDir dir;
    QImage picture(QSize(2, 2), QImage::Format_RGB32);
    picture.fill(QColor(221, 217, 196));
    const QString path = dir.filePath("bk.bmp");
    QVERIFY(picture.save(path, "BMP"));

    CTDialog dialog(nullptr, CTDialog::Kind::Page);
    dialog.resize(80, 50);
    dialog.SetFillColor(Qt::white);
    dialog.SetBackgroundPicture(path);
    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(70, 45)), QColor(221, 217, 196));

    // Without a picture (or with a missing one) the fill colour shows.
    dialog.SetBackgroundPicture(dir.filePath("missing.bmp"));
    QCOMPARE(QColor(dialog.grab().toImage().pixel(70, 45)), QColor(Qt::white));
}

void CTDialogTest::roundedCornersStayOpaque() {
    CTDialog dialog;
    dialog.resize(200, 100);
    dialog.SetCornerRadius(10);
    dialog.SetOpacity(255);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QRegion shape = dialog.mask();
    QVERIFY(!shape.isEmpty());
    QVERIFY(!shape.contains(QPoint(0, 0)));
    QVERIFY(!shape.contains(QPoint(199, 99)));
    QVERIFY(shape.contains(QPoint(100, 50)));
    QVERIFY(shape.contains(QPoint(199, 50)));
    QVERIFY(shape.contains(QPoint(100, 99)));
    QCOMPARE(dialog.windowOpacity(), 1.0);

    // The shape follows the size.
    dialog.resize(300, 120);
    QVERIFY(dialog.mask().contains(QPoint(299, 60)));
    QVERIFY(!dialog.mask().contains(QPoint(299, 119)));
}

void CTDialogTest::opacityIsTheOneAskedFor() {
    CTDialog dialog;
    dialog.resize(100, 50);
    dialog.SetCornerRadius(10);
    dialog.SetOpacity(128);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(qAbs(dialog.windowOpacity() - 128 / 255.0) < 0.01);
}

void CTDialogTest::movesWhenDraggedAnywhere() {
    CTDialog dialog;
    dialog.resize(100, 50);
    dialog.move(100, 100);
    dialog.EnableMoveByDragging();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.frameGeometry().topLeft();

    const QPoint grab(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, grab, dialog.mapToGlobal(grab), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
    const QPoint to = dialog.mapToGlobal(grab) + QPoint(40, 30);
    QMouseEvent move(QEvent::MouseMove, dialog.mapFromGlobal(to), to, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, dialog.mapFromGlobal(to), to, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &release);

    QCOMPARE(dialog.frameGeometry().topLeft(), start + QPoint(40, 30));
}

QTEST_MAIN(CTDialogTest)
#include "ct_dialog_test.moc"
