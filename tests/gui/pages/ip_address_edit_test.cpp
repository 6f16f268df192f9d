// The address field of the pop-ups: what it reads as while blank, half typed or filled, and
// that a half-typed address is refused rather than completed with zeros.
#include <QLineEdit>
#include <QTest>

#include "core/rules/validation.h"
#include "gui/config/ip_address_edit.h"

using brelvo::gui::CIpAddressEdit;

class IpAddressEditTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsTyped_data();
    void readsAsTyped();
    void typingMovesOnAfterThreeDigitsOrADot();
};

void IpAddressEditTest::readsAsTyped_data() {
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("blank") << QStringList{"", "", "", ""} << "" << false;
    QTest::newRow("filled") << QStringList{"192", "168", "0", "254"} << "192.168.0.254" << true;
    QTest::newRow("half typed") << QStringList{"192", "", "1", ""} << "192..1." << false;
}

void IpAddressEditTest::readsAsTyped() {
    QFETCH(QStringList, parts);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    CIpAddressEdit edit;
    for (int i = 0; i < 4; ++i)
        edit.Part(i).setText(parts[i]);
    QCOMPARE(edit.Text(), text);
    QCOMPARE(brelvo::core::IsValidAddress(edit.Text().toStdU16String(), false), valid);

    CIpAddressEdit copy;
    copy.SetText(text);
    QCOMPARE(copy.Text(), text);
}

void IpAddressEditTest::typingMovesOnAfterThreeDigitsOrADot() {
    CIpAddressEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.Part(0).setFocus();
    QTest::keyClicks(&edit.Part(0), QStringLiteral("192"));
    QVERIFY(edit.Part(1).hasFocus());
    QTest::keyClicks(&edit.Part(1), QStringLiteral("16"));
    QTest::keyClick(&edit.Part(1), Qt::Key_Period);
    QVERIFY(edit.Part(2).hasFocus());
    // A number above 255 cannot be typed.
    QTest::keyClicks(&edit.Part(2), QStringLiteral("999"));
    QCOMPARE(edit.Part(2).text(), QStringLiteral("255"));
}

QTEST_MAIN(IpAddressEditTest)
#include "ip_address_edit_test.moc"
