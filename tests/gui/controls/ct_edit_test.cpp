// The filtering edit box: typed characters by mode and forbidden set, Backspace, the clipboard
// lock, the context menu and the bottom line.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "gui/controls/ct_edit.h"
#include "gui/controls/edit_filter.h"

using brelvo::gui::AcceptsTypedCharacter;
using brelvo::gui::CTEdit;
using brelvo::gui::EditMode;

Q_DECLARE_METATYPE(EditMode)

class CTEditTest : public QObject {
    Q_OBJECT

private slots:
    void filterDecidesEachCharacter_data();
    void filterDecidesEachCharacter();
    void typingKeepsOnlyAcceptedCharacters_data();
    void typingKeepsOnlyAcceptedCharacters();
    void backspaceStillDeletes_data();
    void backspaceStillDeletes();
    void clipboardKeysFollowTheLock_data();
    void clipboardKeysFollowTheLock();
    void contextMenuFollowsTheLock_data();
    void contextMenuFollowsTheLock();
    void drawsItsBottomLine();
};

void CTEditTest::filterDecidesEachCharacter_data() {
    QTest::addColumn<char16_t>("typed");
    QTest::addColumn<EditMode>("mode");
    QTest::addColumn<QString>("forbidden");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("accepted");

    const EditMode any = EditMode::AnyCharacter;
    const EditMode digits = EditMode::DigitsOnly;
    const EditMode letters = EditMode::LettersOnly;
    const EditMode both = EditMode::LettersAndDigits;
    QTest::newRow("letter in digits mode") << u'a' << digits << "" << false << false;
    QTest::newRow("digit in digits mode") << u'7' << digits << "" << false << true;
    QTest::newRow("dot in digits mode") << u'.' << digits << "" << false << false;
    QTest::newRow("backspace in digits mode") << char16_t{8} << digits << "" << false << true;
    QTest::newRow("ctrl+v in digits mode") << char16_t{22} << digits << "" << false << true;
    QTest::newRow("ctrl+c in letters mode") << char16_t{3} << letters << "" << false << true;
    QTest::newRow("ctrl+x in both mode") << char16_t{24} << both << "" << false << true;
    QTest::newRow("ctrl+z in both mode") << char16_t{26} << both << "" << false << true;
    QTest::newRow("other control key in digits mode")
        << char16_t{1} << digits << "" << false << false;
    QTest::newRow("upper-case letter in letters mode") << u'Z' << letters << "" << false << true;
    QTest::newRow("digit in letters mode") << u'5' << letters << "" << false << false;
    QTest::newRow("accented letter in letters mode")
        << char16_t{0xE9} << letters << "" << false << false;
    QTest::newRow("digit in letters-and-digits mode") << u'0' << both << "" << false << true;
    QTest::newRow("letter in letters-and-digits mode") << u'q' << both << "" << false << true;
    QTest::newRow("dash in letters-and-digits mode") << u'-' << both << "" << false << false;
    QTest::newRow("chinese in any mode") << char16_t{0x4E2D} << any << "" << false << true;
    QTest::newRow("forbidden in any mode") << u'\'' << any << "'\"" << false << false;
    QTest::newRow("forbidden letter in letters mode") << u'x' << letters << "x" << false << false;
    QTest::newRow("allowed beside forbidden") << u'y' << letters << "x" << false << true;
    QTest::newRow("ctrl+v locked in any mode") << char16_t{22} << any << "" << true << false;
    QTest::newRow("ctrl+c locked in digits mode") << char16_t{3} << digits << "" << true << false;
    QTest::newRow("ctrl+x locked") << char16_t{24} << any << "" << true << false;
    QTest::newRow("ctrl+z locked") << char16_t{26} << any << "" << true << false;
    QTest::newRow("backspace locked") << char16_t{8} << digits << "" << true << true;
    QTest::newRow("digit locked") << u'3' << digits << "" << true << true;
}

void CTEditTest::filterDecidesEachCharacter() {
    QFETCH(char16_t, typed);
    QFETCH(EditMode, mode);
    QFETCH(QString, forbidden);
    QFETCH(bool, locked);
    QFETCH(bool, accepted);
    QCOMPARE(AcceptsTypedCharacter(typed, mode, forbidden.toStdU16String(), locked), accepted);
}

void CTEditTest::typingKeepsOnlyAcceptedCharacters_data() {
    QTest::addColumn<EditMode>("mode");
    QTest::addColumn<QString>("forbidden");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a is ignored in digits mode") << EditMode::DigitsOnly << ""
                                                 << "a"
                                                 << "";
    QTest::newRow("digits kept") << EditMode::DigitsOnly << ""
                                 << "1a2b3"
                                 << "123";
    QTest::newRow("letters kept") << EditMode::LettersOnly << ""
                                  << "A1b-C"
                                  << "AbC";
    QTest::newRow("letters and digits kept") << EditMode::LettersAndDigits << ""
                                             << "ab-12 c"
                                             << "ab12c";
    QTest::newRow("forbidden dropped") << EditMode::AnyCharacter << "'\\"
                                       << "it's\\ok"
                                       << "itsok";
    QTest::newRow("anything goes") << EditMode::AnyCharacter << ""
                                   << "a-1 ."
                                   << "a-1 .";
}

void CTEditTest::typingKeepsOnlyAcceptedCharacters() {
    QFETCH(EditMode, mode);
    QFETCH(QString, forbidden);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    CTEdit edit;
    edit.SetInputMode(mode);
    edit.SetForbiddenCharacters(forbidden);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), shown);
}

void CTEditTest::backspaceStillDeletes_data() {
    QTest::addColumn<EditMode>("mode");
    QTest::addColumn<bool>("locked");
    QTest::newRow("digits") << EditMode::DigitsOnly << false;
    QTest::newRow("letters") << EditMode::LettersOnly << false;
    QTest::newRow("letters and digits, locked") << EditMode::LettersAndDigits << true;
}

void CTEditTest::backspaceStillDeletes() {
    QFETCH(EditMode, mode);
    QFETCH(bool, locked);
    CTEdit edit;
    edit.SetInputMode(mode);
    edit.SetClipboardLock(locked);
    edit.setText(QStringLiteral("12ab"));
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("12a"));
    // Delete types no character, so no mode filters it.
    edit.home(false);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("2a"));
}

void CTEditTest::clipboardKeysFollowTheLock_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("unlocked") << false;
    QTest::newRow("locked") << true;
}

void CTEditTest::clipboardKeysFollowTheLock() {
    QFETCH(bool, locked);
    QClipboard* clipboard = QGuiApplication::clipboard();

    // Paste.
    CTEdit edit;
    edit.SetInputMode(EditMode::DigitsOnly);
    edit.SetClipboardLock(locked);
    clipboard->setText(QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), locked ? QString() : QStringLiteral("123"));

    // Copy.
    edit.setText(QStringLiteral("456"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), locked ? QStringLiteral("123") : QStringLiteral("456"));

    // Cut.
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit.text(), locked ? QStringLiteral("456") : QString());

    // Undo.
    CTEdit typed;
    typed.SetClipboardLock(locked);
    QTest::keyClicks(&typed, QStringLiteral("78"));
    QTest::keyClick(&typed, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(typed.text() == QStringLiteral("78"), locked);
}

void CTEditTest::contextMenuFollowsTheLock_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("unlocked") << false;
    QTest::newRow("locked") << true;
}

void CTEditTest::contextMenuFollowsTheLock() {
    QFETCH(bool, locked);
    CTEdit edit;
    edit.SetClipboardLock(locked);
    edit.resize(120, 24);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    bool menuShown = false;
    // An open menu runs its own loop; close it from inside that loop.
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&menuShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = qobject_cast<QMenu*>(popup) != nullptr;
            popup->close();
        }
    });
    closer.start();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &rightClick);
    QTest::qWait(50);
    closer.stop();
    QCOMPARE(menuShown, !locked);
}

void CTEditTest::drawsItsBottomLine() {
    CTEdit edit;
    edit.resize(100, 20);
    const QImage shot = edit.grab().toImage();
    QCOMPARE(QColor(shot.pixel(50, shot.height() - 1)), QColor(207, 207, 207));
    QVERIFY(QColor(shot.pixel(50, shot.height() - 3)) != QColor(207, 207, 207));
}

QTEST_MAIN(CTEditTest)
#include "ct_edit_test.moc"
