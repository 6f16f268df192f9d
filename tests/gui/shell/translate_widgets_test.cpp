// Translation of widget trees, menus and combo boxes against a language file of the test's own.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <cstddef>
#include <memory>
#include <optional>

#include "gui/support/translate_widgets.h"
#include "shell_fakes.h"

using brelvo::gui::TranslateComboItems;
using brelvo::gui::TranslateMenu;
using brelvo::gui::TranslateWindow;

namespace {

// "Chain" translates to "Second", which itself translates to "Third": a widget translated twice
// would show "Third".
constexpr char kEntries[] =
    "upgrade=升级\n"
    "device status=设备状态\n"
    "search=搜索\n"
    "on=开\n"
    "off=关\n"
    "chain=Second\n"
    "second=Third\n"
    "exit=退出\n"
    "show utility=显示工具\n"
    "settings=设置\n"
    "title=标题\n"
    "online device count:%d=在线设备数:%d\n";

}  // namespace

class TranslateWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { language_.emplace(kEntries); }

    void captionsOfEveryKindAreTranslated();
    void operatorTextsAndValuesKeepTheirTexts_data();
    void operatorTextsAndValuesKeepTheirTexts();
    void browseButtonDotsStay();
    void childReachedThroughItsParentIsTranslatedOnce();
    void aNewWindowIsTranslatedAgain();
    void comboItemsAreTranslatedInPlace();
    void menuItemsAndSubMenusAreTranslated();
    void formattedTextIsTranslatedBeforeFormatting();

private:
    std::optional<brelvo::test::TestLanguage> language_;
};

void TranslateWidgetsTest::captionsOfEveryKindAreTranslated() {
    QDialog dialog;
    dialog.setWindowTitle("Title");
    auto* label = new QLabel("Device status", &dialog);
    auto* group = new QGroupBox("Settings", &dialog);
    auto* button = new QPushButton("Search", group);
    auto* check = new QCheckBox("upgrade", group);  // the key's own case finds it too
    auto* untranslated = new QLabel("No such key", &dialog);

    TranslateWindow(&dialog);

    QCOMPARE(dialog.windowTitle(), QString("标题"));
    QCOMPARE(label->text(), QString("设备状态"));
    QCOMPARE(group->title(), QString("设置"));
    QCOMPARE(button->text(), QString("搜索"));
    QCOMPARE(check->text(), QString("升级"));
    QCOMPARE(untranslated->text(), QString("No such key"));
}

void TranslateWidgetsTest::operatorTextsAndValuesKeepTheirTexts_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("line edit") << "edit";
    QTest::newRow("spin box") << "spin";
    QTest::newRow("date edit") << "date";
    QTest::newRow("list view") << "list";
}

// A field whose content happens to be a translatable word is the operator's data.
void TranslateWidgetsTest::operatorTextsAndValuesKeepTheirTexts() {
    QFETCH(QString, kind);
    QDialog dialog;
    std::function<QString()> read;
    if (kind == "edit") {
        auto* edit = new QLineEdit("Upgrade", &dialog);
        read = [edit] { return edit->text(); };
    } else if (kind == "spin") {
        auto* spin = new QSpinBox(&dialog);
        spin->setSpecialValueText("Off");
        read = [spin] { return spin->specialValueText(); };
    } else if (kind == "date") {
        auto* date = new QDateTimeEdit(&dialog);
        date->setDisplayFormat("'Search' yyyy");
        read = [date] { return date->displayFormat(); };
    } else {
        auto* list = new QListWidget(&dialog);
        list->addItem("Search");
        read = [list] { return list->item(0)->text(); };
    }
    const QString before = read();
    TranslateWindow(&dialog);
    QCOMPARE(read(), before);
}

void TranslateWidgetsTest::browseButtonDotsStay() {
    QDialog dialog;
    auto* browse = new QPushButton("...", &dialog);
    auto* label = new QLabel("...", &dialog);
    TranslateWindow(&dialog);
    QCOMPARE(browse->text(), QString("..."));
    QCOMPARE(label->text(), QString("..."));
}

void TranslateWidgetsTest::childReachedThroughItsParentIsTranslatedOnce() {
    QDialog dialog;
    auto* page = new QWidget(&dialog);
    auto* label = new QLabel("Chain", page);
    TranslateWindow(&dialog);
    QCOMPARE(label->text(), QString("Second"));

    // The page's own initialisation translates it again: nothing changes.
    TranslateWindow(page);
    TranslateWindow(&dialog);
    QCOMPARE(label->text(), QString("Second"));
}

// A window built after another was destroyed may take its address; it is a new window all the
// same and must be translated. The window is built in the same storage each time, so that the
// address is certainly the same.
void TranslateWidgetsTest::aNewWindowIsTranslatedAgain() {
    alignas(QDialog) std::byte storage[sizeof(QDialog)];
    for (int round = 0; round < 2; ++round) {
        QDialog* dialog = std::construct_at(reinterpret_cast<QDialog*>(storage));
        dialog->setWindowTitle("Search");
        TranslateWindow(dialog);
        const QString title = dialog->windowTitle();
        std::destroy_at(dialog);
        QCOMPARE(title, QString("搜索"));
    }
}

void TranslateWidgetsTest::comboItemsAreTranslatedInPlace() {
    QDialog dialog;
    auto* combo = new QComboBox(&dialog);
    combo->addItem("Off", 0);
    combo->addItem("On", 1);
    combo->addItem("Kept", 7);
    combo->setCurrentIndex(1);
    int selectionSignals = 0;
    connect(combo, &QComboBox::currentIndexChanged, this, [&] { ++selectionSignals; });

    TranslateWindow(&dialog);

    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QString("关"));
    QCOMPARE(combo->itemText(1), QString("开"));
    QCOMPARE(combo->itemText(2), QString("Kept"));
    QCOMPARE(combo->itemData(1).toInt(), 1);
    QCOMPARE(combo->itemData(2).toInt(), 7);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(selectionSignals, 0);

    // A combo box filled later is translated on its own.
    auto* later = new QComboBox(&dialog);
    later->addItems({"Search", "Upgrade"});
    TranslateComboItems(later);
    QCOMPARE(later->itemText(0), QString("搜索"));
    QCOMPARE(later->itemText(1), QString("升级"));
}

void TranslateWidgetsTest::menuItemsAndSubMenusAreTranslated() {
    QMenu menu;
    QAction* show = menu.addAction("Show Utility");
    menu.addSeparator();
    QMenu* sub = menu.addMenu("Settings");
    QAction* inner = sub->addAction("Upgrade");
    QAction* exit = menu.addAction("Exit");

    TranslateMenu(&menu);

    QCOMPARE(show->text(), QString("显示工具"));
    QCOMPARE(sub->title(), QString("设置"));
    QCOMPARE(inner->text(), QString("升级"));
    QCOMPARE(exit->text(), QString("退出"));
}

void TranslateWidgetsTest::formattedTextIsTranslatedBeforeFormatting() {
    QCOMPARE(brelvo::gui::TrFormat("Online device count:%d", 12), QString("在线设备数:12"));
    QCOMPARE(brelvo::gui::Tr(QString()), QString());
}

QTEST_MAIN(TranslateWidgetsTest)
#include "translate_widgets_test.moc"
