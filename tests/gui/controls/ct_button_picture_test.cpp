// The picture button: which state picture it draws, how big pictures fit, the menu-button
// picture pairs, the caption colours and where the caption goes.
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "gui/controls/caption_placement.h"
#include "gui/controls/ct_button_picture.h"

using brelvo::gui::ButtonState;
using brelvo::gui::CaptionOrigin;
using brelvo::gui::CTButtonPicture;
namespace caption_align = brelvo::gui::caption_align;

Q_DECLARE_METATYPE(ButtonState)

namespace {

const QColor kNormalColor(10, 200, 10);
const QColor kHoverColor(10, 10, 200);
const QColor kPressedColor(200, 10, 10);
const QColor kDisabledColor(120, 120, 120);

QString SolidPicture(const QTemporaryDir& dir, const QString& name, QSize size,
                     const QColor& color) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    const QString path = dir.filePath(name);
    picture.save(path, "BMP");
    return path;
}

void Hover(CTButtonPicture& button) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&button, &enter);
}

void Leave(CTButtonPicture& button) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

QColor ColorAt(CTButtonPicture& button, QPoint point) {
    return QColor(button.grab().toImage().pixel(point));
}

}  // namespace

class CTButtonPictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsThePictureOfItsState_data();
    void drawsThePictureOfItsState();
    void hoverEndsWhenTheMouseLeaves();
    void menuButtonPairsItsPictures();
    void largerPictureIsSqueezedIntoTheButton();
    void captionOrigin_data();
    void captionOrigin();

private:
    QTemporaryDir dir_;
    QString normal_, hover_, pressed_, disabled_;
};

void CTButtonPictureTest::initTestCase() {
    QVERIFY(dir_.isValid());
    normal_ = SolidPicture(dir_, "normal.bmp", {20, 10}, kNormalColor);
    hover_ = SolidPicture(dir_, "hover.bmp", {20, 10}, kHoverColor);
    pressed_ = SolidPicture(dir_, "pressed.bmp", {20, 10}, kPressedColor);
    disabled_ = SolidPicture(dir_, "disabled.bmp", {20, 10}, kDisabledColor);
}

void CTButtonPictureTest::drawsThePictureOfItsState_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<ButtonState>("state");
    QTest::addColumn<QColor>("picture");
    QTest::addColumn<QColor>("caption");

    const QColor black(Qt::black);
    const QColor textDown(216, 34, 40);
    const QColor gray(153, 153, 153);
    QTest::newRow("normal") << true << false << false << false << ButtonState::Normal
                            << kNormalColor << black;
    QTest::newRow("hover") << true << false << false << true << ButtonState::Hover << kHoverColor
                           << textDown;
    QTest::newRow("pressed") << true << true << false << false << ButtonState::Pressed
                             << kPressedColor << textDown;
    QTest::newRow("pressed beats hover")
        << true << true << false << true << ButtonState::Pressed << kPressedColor << textDown;
    QTest::newRow("checked menu button is pressed")
        << true << false << true << false << ButtonState::Pressed << kPressedColor << textDown;
    QTest::newRow("disabled") << false << false << false << false << ButtonState::Disabled
                              << kDisabledColor << gray;
    QTest::newRow("disabled beats pressed and hover")
        << false << true << true << true << ButtonState::Disabled << kDisabledColor << gray;
}

void CTButtonPictureTest::drawsThePictureOfItsState() {
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(bool, checked);
    QFETCH(bool, hovered);
    QFETCH(ButtonState, state);
    QFETCH(QColor, picture);
    QFETCH(QColor, caption);

    CTButtonPicture button;
    button.resize(20, 10);
    button.SetPictures(normal_, hover_, pressed_, disabled_);
    button.setCheckable(checked);
    button.setChecked(checked);
    button.setDown(down);
    if (hovered) {
        Hover(button);
    }
    button.setEnabled(enabled);

    QCOMPARE(button.CurrentState(), state);
    QCOMPARE(button.CaptionColor(state), caption);
    QCOMPARE(ColorAt(button, {10, 5}), picture);
}

void CTButtonPictureTest::hoverEndsWhenTheMouseLeaves() {
    CTButtonPicture button;
    button.resize(20, 10);
    button.SetPictures(normal_, hover_, pressed_, disabled_);
    Hover(button);
    QCOMPARE(button.CurrentState(), ButtonState::Hover);
    Leave(button);
    QCOMPARE(button.CurrentState(), ButtonState::Normal);
    QCOMPARE(ColorAt(button, {10, 5}), kNormalColor);
}

void CTButtonPictureTest::menuButtonPairsItsPictures() {
    CTButtonPicture button;
    button.SetMenuPictures(normal_, pressed_);
    const auto colorOf = [&](ButtonState state) {
        return QColor(button.StatePicture(state).toImage().pixel(0, 0));
    };
    QCOMPARE(colorOf(ButtonState::Normal), kNormalColor);
    QCOMPARE(colorOf(ButtonState::Disabled), kNormalColor);
    QCOMPARE(colorOf(ButtonState::Hover), kPressedColor);
    QCOMPARE(colorOf(ButtonState::Pressed), kPressedColor);
}

void CTButtonPictureTest::largerPictureIsSqueezedIntoTheButton() {
    // Left half green, right half blue, twice the button's size.
    QImage big(QSize(40, 20), QImage::Format_RGB32);
    big.fill(kNormalColor);
    for (int y = 0; y < 20; ++y) {
        for (int x = 20; x < 40; ++x) {
            big.setPixelColor(x, y, kHoverColor);
        }
    }
    const QString path = dir_.filePath("big.bmp");
    QVERIFY(big.save(path, "BMP"));

    CTButtonPicture squeezed;
    squeezed.resize(20, 10);
    squeezed.SetPicture(path);
    QCOMPARE(ColorAt(squeezed, {5, 5}), kNormalColor);
    QCOMPARE(ColorAt(squeezed, {15, 5}), kHoverColor);

    // A smaller picture keeps its size at the top-left corner.
    const QString small = SolidPicture(dir_, "small.bmp", {8, 4}, kPressedColor);
    CTButtonPicture copied;
    copied.resize(20, 10);
    copied.SetPicture(small);
    QCOMPARE(ColorAt(copied, {3, 2}), kPressedColor);
    QVERIFY(ColorAt(copied, {15, 8}) != kPressedColor);
}

void CTButtonPictureTest::captionOrigin_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("origin");

    // A 100 x 30 button with a margin of 5.
    const QSize caption(40, 10);
    QTest::newRow("left") << caption_align::kLeft << caption << QPoint(7, 10);
    QTest::newRow("right") << caption_align::kRight << caption << QPoint(53, 10);
    QTest::newRow("centre") << caption_align::kCentre << caption << QPoint(30, 10);
    QTest::newRow("top left") << caption_align::kTopLeft << caption << QPoint(0, 0);
    QTest::newRow("bottom left") << caption_align::kBottomLeft << caption << QPoint(0, 20);
    QTest::newRow("top centre") << caption_align::kTopCentre << caption << QPoint(30, 0);
    QTest::newRow("bottom centre") << caption_align::kBottomCentre << caption << QPoint(30, 20);
    QTest::newRow("unknown code") << 0x123 << caption << QPoint(0, 0);
    QTest::newRow("zero") << 0 << caption << QPoint(0, 0);
    QTest::newRow("too big centred") << caption_align::kCentre << QSize(140, 40) << QPoint(0, 0);
    QTest::newRow("too big right") << caption_align::kRight << QSize(140, 10) << QPoint(0, 10);
    QTest::newRow("too tall at bottom")
        << caption_align::kBottomCentre << QSize(20, 50) << QPoint(40, 0);
}

void CTButtonPictureTest::captionOrigin() {
    QFETCH(int, code);
    QFETCH(QSize, text);
    QFETCH(QPoint, origin);
    QCOMPARE(CaptionOrigin(code, 5, QSize(100, 30), text), origin);
}

QTEST_MAIN(CTButtonPictureTest)
#include "ct_button_picture_test.moc"
