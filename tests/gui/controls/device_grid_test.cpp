// The device grid and its model: the model contract, check boxes (rows and header), the sort
// mark, clicks with their row and column, in-place editing with its start and end, row data,
// cursors, column widths and the image list.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>

#include "gui/controls/device_grid.h"
#include "gui/controls/device_grid_model.h"
#include "gui/controls/skin_picture.h"

using brelvo::gui::CDeviceGrid;
using brelvo::gui::DeviceGridModel;
using brelvo::gui::GridColumn;
using brelvo::gui::LoadListImage;

namespace {

// A small list shaped like the status list: check box, serial, location, operate picture.
enum Column { kCheck, kSerial, kLocation, kOperate, kColumnCount };

const std::array<GridColumn, kColumnCount> kColumns{{
    {QString(), 20},
    {QStringLiteral("Serial"), 40},
    {QStringLiteral("Location"), 90},
    {QStringLiteral("Operate"), 70},
}};

void Fill(DeviceGridModel& model, int rows) {
    model.RemoveAllRows();
    for (int i = 0; i < rows; ++i) {
        const int row = model.AppendRow();
        model.SetCellText(row, kSerial, QString::number(row + 1));
        model.SetCellText(row, kLocation, QStringLiteral("tower-%1").arg(row + 1));
        model.SetRowData(row, row == rows - 1 ? 10 : 1);
    }
}

struct ShownGrid {
    CDeviceGrid grid;
    ShownGrid() {
        grid.resize(400, 300);
        grid.SetColumns(kColumns);
        grid.Model().SetCheckColumn(kCheck, true);
        Fill(grid.Model(), 3);
        grid.show();
    }
    QPoint CellCentre(int row, int column) {
        return grid.visualRect(grid.Model().index(row, column)).center();
    }
    void Click(int row, int column) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(row, column));
    }
    void ClickHeader(int column) {
        QHeaderView* header = grid.horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    void MoveTo(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, grid.viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
    }
};

}  // namespace

class DeviceGridTest : public QObject {
    Q_OBJECT

private slots:
    void modelKeepsTheItemModelContract();
    void checkBoxesLiveInTheCheckColumn();
    void headerCheckBoxTicksEveryRow();
    void clickDoesNotTickByItself();
    void sortMarkShowsOneColumn_data();
    void sortMarkShowsOneColumn();
    void clicksReportRowAndColumn();
    void editingIsOffUntilThePageSwitchesItOn();
    void editReportsStartAndEnd_data();
    void editReportsStartAndEnd();
    void pageCanPutTheOldTextBack();
    void refillDuringAnEditDropsIt();
    void rowDataAndLookup();
    void handCursorOverChosenColumnsAndHeader();
    void widthsAndRowHeightSurviveReconfiguring();
    void imageListMakesWhiteTransparent();
};

void DeviceGridTest::modelKeepsTheItemModelContract() {
    DeviceGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetColumns(kColumns);
    model.SetCheckColumn(kCheck, true);
    Fill(model, 5);
    model.SetCellTextColor(1, kLocation, QColor(142, 142, 142));
    model.SetCellBackground(2, kSerial, QColor(221, 217, 196));
    model.SetCellFont(0, kSerial, QFont(QStringLiteral("Arial"), 9));
    model.SetCellAlignment(0, kLocation, Qt::AlignLeft | Qt::AlignVCenter);
    model.AddImage(QPixmap(50, 16));
    model.SetCellImage(0, kOperate, 0);
    model.SetAllChecked(true);
    model.SetChecked(3, false);
    model.SetSortMark(kLocation, false);
    model.SetEditingEnabled(true);
    QVERIFY(model.setData(model.index(0, kLocation), QStringLiteral("renamed")));
    model.SetEditingEnabled(false);
    QVERIFY(!model.setData(model.index(0, kLocation), QStringLiteral("refused")));
    QCOMPARE(model.CellText(0, kLocation), QStringLiteral("renamed"));
    // Out of range calls change nothing and do not crash.
    model.SetCellText(99, kLocation, QStringLiteral("x"));
    model.SetCellText(0, 99, QStringLiteral("x"));
    QCOMPARE(model.CellText(99, 0), QString());
    Fill(model, 2);
    model.RemoveAllRows();
    model.SetColumns(std::span(kColumns).first(2));
    QCOMPARE(model.columnCount(), 2);
}

void DeviceGridTest::checkBoxesLiveInTheCheckColumn() {
    DeviceGridModel model;
    model.SetColumns(kColumns);
    model.SetCheckColumn(kCheck, false);
    Fill(model, 3);
    model.SetChecked(0, true);
    model.SetChecked(2, true);
    QCOMPARE(model.CheckedRows(), (std::vector<int>{0, 2}));
    QCOMPARE(model.data(model.index(0, kCheck), Qt::CheckStateRole).toInt(), int{Qt::Checked});
    QCOMPARE(model.data(model.index(1, kCheck), Qt::CheckStateRole).toInt(), int{Qt::Unchecked});
    QVERIFY(!model.data(model.index(0, kSerial), Qt::CheckStateRole).isValid());
    // No header check box was asked for.
    QVERIFY(!model.headerData(kCheck, Qt::Horizontal, Qt::CheckStateRole).isValid());
    // A check box cell is never edited in place.
    model.SetEditingEnabled(true);
    QVERIFY(!(model.flags(model.index(0, kCheck)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, kLocation)) & Qt::ItemIsEditable);
    // A refill starts unticked.
    Fill(model, 3);
    QVERIFY(model.CheckedRows().empty());
}

void DeviceGridTest::headerCheckBoxTicksEveryRow() {
    DeviceGridModel model;
    model.SetColumns(kColumns);
    model.SetCheckColumn(kCheck, true);
    Fill(model, 4);
    QCOMPARE(model.headerData(kCheck, Qt::Horizontal, Qt::CheckStateRole).toInt(),
             int{Qt::Unchecked});
    QVERIFY(!model.headerData(kSerial, Qt::Horizontal, Qt::CheckStateRole).isValid());

    QSignalSpy headerChanged(&model, &QAbstractItemModel::headerDataChanged);
    model.SetAllChecked(true);
    QVERIFY(model.IsHeaderChecked());
    QCOMPARE(model.headerData(kCheck, Qt::Horizontal, Qt::CheckStateRole).toInt(),
             int{Qt::Checked});
    QCOMPARE(model.CheckedRows(), (std::vector<int>{0, 1, 2, 3}));
    QVERIFY(headerChanged.count() >= 1);

    model.SetAllChecked(false);
    QVERIFY(!model.IsHeaderChecked());
    QVERIFY(model.CheckedRows().empty());

    // The header box alone, as a refill clears it.
    model.SetAllChecked(true);
    model.SetHeaderChecked(false);
    QVERIFY(!model.IsHeaderChecked());
    QCOMPARE(model.CheckedRows().size(), std::size_t{4});
}

void DeviceGridTest::clickDoesNotTickByItself() {
    // The page toggles a tick on the click notification; a grid that also toggled would undo it.
    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    DeviceGridModel& model = shown.grid.Model();
    connect(&shown.grid, &CDeviceGrid::CellClicked, &model, [&model](int row, int column) {
        if (row == CDeviceGrid::kHeaderRow && column == kCheck) {
            model.SetAllChecked(!model.IsHeaderChecked());
        } else if (row >= 0 && column == kCheck) {
            model.SetChecked(row, !model.IsChecked(row));
        }
    });
    shown.Click(1, kCheck);
    QCOMPARE(model.CheckedRows(), (std::vector<int>{1}));
    shown.Click(1, kCheck);
    QVERIFY(model.CheckedRows().empty());
    shown.ClickHeader(kCheck);
    QCOMPARE(model.CheckedRows(), (std::vector<int>{0, 1, 2}));
    QVERIFY(model.IsHeaderChecked());
}

void DeviceGridTest::sortMarkShowsOneColumn_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("location ascending") << int{kLocation} << true;
    QTest::newRow("location descending") << int{kLocation} << false;
    QTest::newRow("serial descending") << int{kSerial} << false;
}

void DeviceGridTest::sortMarkShowsOneColumn() {
    QFETCH(int, column);
    QFETCH(bool, ascending);
    DeviceGridModel model;
    model.SetColumns(kColumns);
    model.SetSortMark(kOperate, true);  // an earlier mark elsewhere
    model.SetSortMark(column, ascending);
    QCOMPARE(model.SortMarkColumn(), column);
    QCOMPARE(model.SortMarkAscending(), ascending);
    for (int section = 0; section < kColumnCount; ++section) {
        const int mark =
            model.headerData(section, Qt::Horizontal, DeviceGridModel::kSortMarkRole).toInt();
        QCOMPARE(mark, section == column ? (ascending ? 1 : -1) : 0);
    }
    model.ClearSortMark();
    QCOMPARE(model.headerData(column, Qt::Horizontal, DeviceGridModel::kSortMarkRole).toInt(), 0);
}

void DeviceGridTest::clicksReportRowAndColumn() {
    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    QSignalSpy clicked(&shown.grid, &CDeviceGrid::CellClicked);

    shown.Click(2, kLocation);
    shown.ClickHeader(kSerial);
    shown.Click(0, kOperate);
    QCOMPARE(clicked.count(), 3);
    QCOMPARE(clicked.at(0), (QList<QVariant>{2, int{kLocation}}));
    QCOMPARE(clicked.at(1), (QList<QVariant>{CDeviceGrid::kHeaderRow, int{kSerial}}));
    QCOMPARE(clicked.at(2), (QList<QVariant>{0, int{kOperate}}));

    // Below the last row there is no cell to report.
    QTest::mouseClick(shown.grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 250));
    QCOMPARE(clicked.count(), 3);
}

void DeviceGridTest::editingIsOffUntilThePageSwitchesItOn() {
    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    QSignalSpy started(&shown.grid, &CDeviceGrid::EditStarted);
    shown.Click(0, kLocation);
    QTest::keyClick(shown.grid.viewport(), Qt::Key_F2);
    QCOMPARE(started.count(), 0);
    QVERIFY(!shown.grid.IsEditing());
}

void DeviceGridTest::editReportsStartAndEnd_data() {
    QTest::addColumn<int>("endKey");
    QTest::addColumn<QString>("newText");
    QTest::newRow("enter commits") << int{Qt::Key_Return} << "mast-7";
    QTest::newRow("escape cancels") << int{Qt::Key_Escape} << "tower-2";
}

void DeviceGridTest::editReportsStartAndEnd() {
    QFETCH(int, endKey);
    QFETCH(QString, newText);

    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    // As the status page does: a click on a Location cell switches editing on, any other
    // click switches it off.
    connect(&shown.grid, &CDeviceGrid::CellClicked, &shown.grid, [&shown](int row, int column) {
        shown.grid.SetEditingEnabled(row >= 0 && column == kLocation);
    });
    QSignalSpy started(&shown.grid, &CDeviceGrid::EditStarted);
    QSignalSpy ended(&shown.grid, &CDeviceGrid::EditEnded);

    shown.Click(1, kLocation);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0), (QList<QVariant>{1, int{kLocation}, QStringLiteral("tower-2")}));
    QVERIFY(shown.grid.IsEditing());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("mast-7"));
    QTest::keyClick(editor, static_cast<Qt::Key>(endKey));

    // Enter ends the edit on the next turn of the event loop.
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0), (QList<QVariant>{1, int{kLocation}, QStringLiteral("tower-2"), newText}));
    QCOMPARE(shown.grid.Model().CellText(1, kLocation), newText);
    QVERIFY(!shown.grid.IsEditing());

    // Another column switches editing off again.
    shown.Click(1, kSerial);
    QCOMPARE(started.count(), 1);
    QVERIFY(!shown.grid.IsEditingEnabled());
}

void DeviceGridTest::pageCanPutTheOldTextBack() {
    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    shown.grid.SetEditingEnabled(true);
    DeviceGridModel& model = shown.grid.Model();
    connect(&shown.grid, &CDeviceGrid::EditEnded, &model,
            [&model](int row, int column, const QString& oldText, const QString& newText) {
                if (newText.isEmpty()) {
                    model.SetCellText(row, column, oldText);
                }
            });
    shown.Click(0, kLocation);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->clear();
    QSignalSpy ended(&shown.grid, &CDeviceGrid::EditEnded);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(model.CellText(0, kLocation), QStringLiteral("tower-1"));
}

void DeviceGridTest::refillDuringAnEditDropsIt() {
    ShownGrid shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    shown.grid.SetEditingEnabled(true);
    QSignalSpy started(&shown.grid, &CDeviceGrid::EditStarted);
    QSignalSpy ended(&shown.grid, &CDeviceGrid::EditEnded);
    shown.Click(0, kLocation);
    QCOMPARE(started.count(), 1);

    // A periodic refresh refills the list under the editor.
    Fill(shown.grid.Model(), 3);
    QVERIFY(!shown.grid.IsEditing());
    QCOMPARE(ended.count(), 0);

    // The next click edits again.
    shown.Click(2, kLocation);
    QCOMPARE(started.count(), 2);
    QCOMPARE(started.at(1).at(0).toInt(), 2);
}

void DeviceGridTest::rowDataAndLookup() {
    DeviceGridModel model;
    model.SetColumns(kColumns);
    Fill(model, 3);
    QCOMPARE(model.RowData(0), 1);
    QCOMPARE(model.RowData(2), 10);
    QCOMPARE(model.data(model.index(2, kOperate), DeviceGridModel::kRowDataRole).toInt(), 10);
    QCOMPARE(model.RowData(7), 0);
    QCOMPARE(model.FindRow(kLocation, QStringLiteral("tower-2")), std::optional<int>(1));
    QCOMPARE(model.FindRow(kLocation, QStringLiteral("Tower-2")), std::nullopt);
    QCOMPARE(model.FindRow(kColumnCount, QStringLiteral("tower-2")), std::nullopt);
}

void DeviceGridTest::handCursorOverChosenColumnsAndHeader() {
    ShownGrid shown;
    shown.grid.SetHandCursorColumns({kCheck, kLocation});
    QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
    QCOMPARE(shown.grid.horizontalHeader()->cursor().shape(), Qt::PointingHandCursor);

    shown.MoveTo(shown.CellCentre(1, kLocation));
    QCOMPARE(shown.grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(shown.grid.HoverRow(), 1);
    shown.MoveTo(shown.CellCentre(1, kSerial));
    QCOMPARE(shown.grid.viewport()->cursor().shape(), Qt::ArrowCursor);
    shown.MoveTo(shown.CellCentre(2, kCheck));
    QCOMPARE(shown.grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(shown.grid.HoverRow(), 2);

    shown.grid.SetHandCursorColumns({}, false);
    QCOMPARE(shown.grid.horizontalHeader()->cursor().shape(), Qt::ArrowCursor);
}

void DeviceGridTest::widthsAndRowHeightSurviveReconfiguring() {
    CDeviceGrid grid;
    grid.SetColumns(kColumns);
    grid.SetRowHeight(48);
    grid.SetHeaderHeight(26);
    // Choosing the check column afterwards must not lose the widths.
    grid.Model().SetCheckColumn(kCheck, true);
    Fill(grid.Model(), 2);
    for (int column = 0; column < kColumnCount; ++column) {
        QCOMPARE(grid.columnWidth(column), kColumns[static_cast<std::size_t>(column)].width);
    }
    QCOMPARE(grid.rowHeight(0), 48);
    QCOMPARE(grid.rowHeight(1), 48);
    QCOMPARE(grid.horizontalHeader()->height(), 26);
}

void DeviceGridTest::imageListMakesWhiteTransparent() {
    // A web picture: white background, a red mark, wider than one list picture.
    QTemporaryDir dir;
    QImage file(QSize(60, 16), QImage::Format_RGB32);
    file.fill(Qt::white);
    for (int y = 4; y < 12; ++y) {
        for (int x = 10; x < 20; ++x) {
            file.setPixelColor(x, y, QColor(216, 34, 40));
        }
    }
    const QString path = dir.filePath("web_other.bmp");
    QVERIFY(file.save(path, "BMP"));

    const QImage picture = LoadListImage(path, QSize(50, 16), QColor(Qt::white)).toImage();
    QCOMPARE(picture.size(), QSize(50, 16));
    QCOMPARE(qAlpha(picture.pixel(2, 2)), 0);
    QCOMPARE(QColor(picture.pixel(15, 8)), QColor(216, 34, 40));
    QCOMPARE(qAlpha(picture.pixel(15, 8)), 255);

    DeviceGridModel model;
    model.SetColumns(kColumns);
    Fill(model, 1);
    const int web = model.AddImage(LoadListImage(path, QSize(50, 16), QColor(Qt::white)));
    model.SetCellImage(0, kOperate, web);
    const auto shown = model.data(model.index(0, kOperate), Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(shown.size(), QSize(50, 16));
    QVERIFY(!model.data(model.index(0, kLocation), Qt::DecorationRole).isValid());

    // A missing file keeps the list's indices with an empty picture.
    const QImage missing = LoadListImage(dir.filePath("none.bmp"), QSize(50, 16)).toImage();
    QCOMPARE(missing.size(), QSize(50, 16));
    QCOMPARE(qAlpha(missing.pixel(25, 8)), 0);
}

QTEST_MAIN(DeviceGridTest)
#include "device_grid_test.moc"
