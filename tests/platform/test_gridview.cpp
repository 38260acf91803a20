#include "platform/dataset.h"
#include "platform/gridfilterpopup.h"
#include "platform/gridheader.h"
#include "platform/gridmodel.h"
#include "platform/gridview.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using platform::CellKind;
using platform::ColumnLayout;
using platform::DataSet;
using platform::FieldType;
using platform::GridView;
using platform::SummaryKind;

class TestGridView : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void headerFilterKeepsMatchingRowsAndFooterFollows();
    void filterListsValuesOfRowsOtherFiltersLeave();
    void footerFollowsEditsAndNewLoads();
    void columnChooserListsExactlyTheOfferedColumns();
    void doubleClickNamesSourceRowAndField();
    void focusIsDroppedWhenNewRowsArrive();
    void incrementalSearchWorksOnlyInSearchableColumns();
    void rowHeightHoldsForEveryRow();
    void cellPainterGetsSourceRowsAndSelection();
};

namespace {

struct Line
{
    int id;
    const char *brand; // null for no brand
    double quantity;
    double amount;
    int sec;
};

// Basket-like rows: id, brand, quantity, amount, selection mark.
std::unique_ptr<DataSet> Basket(const std::vector<Line> &lines)
{
    auto ds = std::make_unique<DataSet>();
    ds->AddField("SIRANO", FieldType::Integer);
    ds->AddField("MARKA", FieldType::String, 50);
    ds->AddField("MIKTAR", FieldType::Float).SetDisplayFormat("#,###,##0.00");
    ds->AddField("NETTUTAR", FieldType::Float).SetDisplayFormat("#,###,##0.00");
    ds->AddField("SEC", FieldType::Integer);
    for (const Line &line : lines) {
        ds->Fields(0).AppendInt(line.id);
        if (line.brand)
            ds->Fields(1).AppendUtf8(line.brand);
        else
            ds->Fields(1).AppendNull();
        ds->Fields(2).AppendDouble(line.quantity);
        ds->Fields(3).AppendDouble(line.amount);
        ds->Fields(4).AppendInt(line.sec);
    }
    ds->Open();
    ds->EndAppend();
    return ds;
}

std::unique_ptr<DataSet> FiveLines()
{
    return Basket({{1, "BOSCH", 1.5, 10, 1},
                   {2, "MANN", 2, 20, 0},
                   {3, "BOSCH", 2, 30.25, 1},
                   {4, "VALEO", 1, 5, 0},
                   {5, nullptr, 4, 1, 1}});
}

ColumnLayout BasketLayout()
{
    return {
        {.field = "SEC",
         .caption = "Seç",
         .offered = false,
         .kind = CellKind::CheckBox,
         .filterable = false,
         .searchable = false},
        {.field = "SIRANO", .shown = false, .offered = false, .weight = 0},
        {.field = "MARKA", .caption = "Marka", .weight = 2},
        {.field = "MIKTAR", .caption = "Miktar"},
        {.field = "NETTUTAR", .caption = "Net Tutar"},
        {.field = "FIYATBILGISI",
         .caption = "Fiyat Bilgisi",
         .shown = false,
         .kind = CellKind::CustomDrawn},
    };
}

// A grid on screen with the basket's footer: count under MARKA, sums of MIKTAR and NETTUTAR.
std::unique_ptr<GridView> ShownGrid()
{
    auto grid = std::make_unique<GridView>(BasketLayout());
    grid->SetSummaries({{"MARKA", SummaryKind::Count, {}},
                        {"MIKTAR", SummaryKind::Sum, {}},
                        {"NETTUTAR", SummaryKind::Sum, {}}});
    grid->SetDataSet(FiveLines());
    grid->resize(800, 400);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        qWarning("grid not exposed");
    return grid;
}

QString Footer(const GridView &grid)
{
    return grid.FooterText("MARKA") + "|" + grid.FooterText("MIKTAR") + "|" +
           grid.FooterText("NETTUTAR");
}

QString ShownIds(const GridView &grid)
{
    QStringList ids;
    for (int row = 0; row < grid.ShownRowCount(); ++row)
        ids.append(QString::number(grid.Data()->Fields(0).IntAt(grid.SourceRow(row))));
    return ids.join(',');
}

platform::GridHeader &Header(GridView &grid)
{
    return static_cast<platform::GridHeader &>(*grid.Table().horizontalHeader());
}

platform::GridFilterPopup *OpenFilter(GridView &grid, const char *field)
{
    const QRect button = Header(grid).FilterButtonRect(grid.Model().ColumnOf(field));
    if (!button.isValid())
        return nullptr;
    QTest::mouseClick(Header(grid).viewport(), Qt::LeftButton, {}, button.center());
    return grid.findChild<platform::GridFilterPopup *>();
}

QString Entries(platform::GridFilterPopup &popup)
{
    QStringList entries;
    for (int i = 0; i < popup.List().count(); ++i) {
        const QListWidgetItem *item = popup.List().item(i);
        entries.append(item->text() + (item->checkState() == Qt::Checked ? "+" : "-"));
    }
    return entries.join(',');
}

void Tick(platform::GridFilterPopup &popup, const QString &text, bool on)
{
    const auto items = popup.List().findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    items.front()->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QString ChooserEntries(GridView &grid)
{
    auto *button = grid.findChild<QToolButton *>("columnChooser");
    QStringList entries;
    for (const QAction *action : button->menu()->actions())
        entries.append(action->text() + (action->isChecked() ? ":on" : ":off"));
    return entries.join(',');
}

QAction *ChooserAction(GridView &grid, const QString &text)
{
    for (QAction *action : grid.findChild<QToolButton *>("columnChooser")->menu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

void TestGridView::headerFilterKeepsMatchingRowsAndFooterFollows()
{
    auto grid = ShownGrid();
    QCOMPARE(Footer(*grid), QStringLiteral("5|10,50|66,25"));

    platform::GridFilterPopup *popup = OpenFilter(*grid, "MARKA");
    QVERIFY(popup);
    QCOMPARE(Entries(*popup), QStringLiteral("(Tümü)+,(Boş)+,BOSCH+,MANN+,VALEO+"));
    Tick(*popup, "(Tümü)", false);
    QCOMPARE(Entries(*popup), QStringLiteral("(Tümü)-,(Boş)-,BOSCH-,MANN-,VALEO-"));
    QVERIFY(!popup->OkButton().isEnabled()); // a filter that keeps no row is not offered
    Tick(*popup, "BOSCH", true);
    Tick(*popup, "(Boş)", true);
    QTest::mouseClick(&popup->OkButton(), Qt::LeftButton);

    QCOMPARE(ShownIds(*grid), QStringLiteral("1,3,5"));
    QCOMPARE(Footer(*grid), QStringLiteral("3|7,50|41,25"));
    QCOMPARE(Header(*grid).sortIndicatorSection(), -1); // the button press did not sort

    // The list opened again shows the filter in force.
    popup = OpenFilter(*grid, "MARKA");
    QVERIFY(popup);
    QCOMPARE(Entries(*popup), QStringLiteral("(Tümü)-,(Boş)+,BOSCH+,MANN-,VALEO-"));
    Tick(*popup, "(Tümü)", true);
    QTest::mouseClick(&popup->OkButton(), Qt::LeftButton);
    QCOMPARE(ShownIds(*grid), QStringLiteral("1,2,3,4,5"));
    QCOMPARE(Footer(*grid), QStringLiteral("5|10,50|66,25"));
}

void TestGridView::filterListsValuesOfRowsOtherFiltersLeave()
{
    auto grid = ShownGrid();
    grid->SetColumnFilter("MARKA", {"BOSCH"});
    platform::GridFilterPopup *popup = OpenFilter(*grid, "MIKTAR");
    QVERIFY(popup);
    // Sorted by value, not by text ("2,00" after "1,50").
    QCOMPARE(Entries(*popup), QStringLiteral("(Tümü)+,1,50+,2,00+"));
    Tick(*popup, "2,00", false);
    QTest::mouseClick(&popup->OkButton(), Qt::LeftButton);
    QCOMPARE(ShownIds(*grid), QStringLiteral("1"));

    // A column without a filter button opens nothing.
    QVERIFY(!OpenFilter(*grid, "SEC"));
    grid->ClearFilters();
    QCOMPARE(grid->ShownRowCount(), 5);
}

void TestGridView::footerFollowsEditsAndNewLoads()
{
    auto grid = ShownGrid();
    grid->SetColumnFilter("MARKA", {"BOSCH"});
    QCOMPARE(Footer(*grid), QStringLiteral("2|3,50|40,25"));

    // The owning window changes a value in place and says so.
    DataSet &data = *grid->Data();
    data.SetRow(2);
    data.Edit();
    data.FieldByName("MIKTAR").SetAsFloat(12);
    data.Post();
    grid->RowsChanged(2, 2);
    QCOMPARE(Footer(*grid), QStringLiteral("2|13,50|40,25"));

    // A new load keeps the filter the user set.
    grid->SetDataSet(
        Basket({{7, "BOSCH", 1, 1000, 0}, {8, "MANN", 1, 1, 0}, {9, "BOSCH", 2, 0.5, 0}}));
    QCOMPARE(ShownIds(*grid), QStringLiteral("7,9"));
    QCOMPARE(Footer(*grid), QStringLiteral("2|3,00|1.000,50"));

    grid->SetDataSet(Basket({}));
    QCOMPARE(Footer(*grid), QStringLiteral("0|0,00|0,00"));
}

void TestGridView::columnChooserListsExactlyTheOfferedColumns()
{
    GridView grid({
        {.field = "A", .caption = "Alfa"},
        {.field = "B", .caption = "Beta", .shown = false},
        {.field = "C", .caption = "Gizli", .shown = false, .offered = false},
        {.field = "D", .caption = "Sabit", .offered = false},
        {.field = "PKOD", .caption = "", .shown = false},
        {.field = "KDV", .shown = false},
    });
    QCOMPARE(ChooserEntries(grid), QStringLiteral("Alfa:on,Beta:off,PKOD:off,KDV:off"));

    ChooserAction(grid, "Beta")->trigger();
    QVERIFY(grid.IsColumnVisible("B"));
    grid.SetColumnVisible("A", false);
    QCOMPARE(ChooserEntries(grid), QStringLiteral("Alfa:off,Beta:on,PKOD:off,KDV:off"));

    // The customer-type rules switch columns in and out of the chooser.
    grid.SetColumnOffered("C", true);
    grid.SetColumnOffered("B", false);
    QCOMPARE(ChooserEntries(grid), QStringLiteral("Alfa:off,Gizli:off,PKOD:off,KDV:off"));
    QVERIFY(grid.IsColumnVisible("B")); // withdrawing from the chooser does not hide
}

void TestGridView::doubleClickNamesSourceRowAndField()
{
    auto grid = ShownGrid();
    grid->Table().sortByColumn(grid->Model().ColumnOf("MIKTAR"), Qt::DescendingOrder);
    QCOMPARE(ShownIds(*grid), QStringLiteral("5,2,3,1,4"));

    QSignalSpy clicks(grid.get(), &GridView::DoubleClicked);
    QTableView &table = grid->Table();
    const QRect cell = table.visualRect(table.model()->index(1, grid->Model().ColumnOf("MARKA")));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 1); // MANN is row 1 of the data, shown second
    QCOMPARE(clicks.at(0).at(1).toString(), QStringLiteral("MARKA"));
    QCOMPARE(grid->FocusedSourceRow(), 1);
    QCOMPARE(grid->FocusedField(), QStringLiteral("MARKA"));

    const QRect check = table.visualRect(table.model()->index(0, grid->Model().ColumnOf("SEC")));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, check.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, check.center());
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(0).toInt(), 4);
    QCOMPARE(clicks.at(1).at(1).toString(), QStringLiteral("SEC"));
    // Read-only: the check box did not change by itself.
    QCOMPARE(grid->Data()->FieldByName("SEC").IntAt(4), 1);
}

void TestGridView::focusIsDroppedWhenNewRowsArrive()
{
    auto grid = ShownGrid();
    QSignalSpy focus(grid.get(), &GridView::FocusedRowChanged);
    grid->SetFocusedSourceRow(3);
    QCOMPARE(grid->FocusedSourceRow(), 3);
    grid->SetDataSet(FiveLines());
    QCOMPARE(grid->FocusedSourceRow(), -1);
    QCOMPARE(focus.count(), 2);
    QCOMPARE(focus.at(0).at(0).toInt(), 3);
    QCOMPARE(focus.at(1).at(0).toInt(), -1);
}

void TestGridView::incrementalSearchWorksOnlyInSearchableColumns()
{
    auto grid = ShownGrid();
    QTableView &table = grid->Table();
    table.setFocus();
    table.setCurrentIndex(table.model()->index(0, grid->Model().ColumnOf("MARKA")));
    QTest::keyClicks(&table, "va");
    QCOMPARE(grid->FocusedSourceRow(), 3);

    QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search, not "va" + "m"
    table.setCurrentIndex(table.model()->index(0, grid->Model().ColumnOf("SEC")));
    QTest::keyClicks(&table, "m");
    QCOMPARE(grid->FocusedSourceRow(), 0);
}

void TestGridView::rowHeightHoldsForEveryRow()
{
    std::vector<Line> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back({i, "X", 1, 1, 0});
    GridView grid(BasketLayout());
    grid.SetDataSet(Basket(lines));
    QCOMPARE(grid.Table().rowHeight(999), 40);
    grid.SetRowHeight(100);
    QCOMPARE(grid.Table().rowHeight(0), 100);
    QCOMPARE(grid.Table().rowHeight(999), 100);
    QCOMPARE(grid.Table().verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    grid.SetDataSet(Basket(lines)); // a new load keeps it
    QCOMPARE(grid.Table().rowHeight(500), 100);
}

void TestGridView::cellPainterGetsSourceRowsAndSelection()
{
    auto grid = ShownGrid();
    grid->SetColumnVisible("FIYATBILGISI", true);
    QStringList painted;
    grid->SetCellPainter("FIYATBILGISI", [&](QPainter &painter, const QStyleOptionViewItem &option,
                                             const platform::GridCell &cell) {
        painter.fillRect(option.rect, cell.selected ? cell.appearance.selection : Qt::white);
        painted.append(QStringLiteral("%1>%2%3")
                           .arg(cell.shownRow)
                           .arg(cell.data.FieldByName("SIRANO").IntAt(cell.sourceRow))
                           .arg(cell.selected ? "*" : ""));
    });
    grid->Table().sortByColumn(grid->Model().ColumnOf("NETTUTAR"), Qt::AscendingOrder);
    grid->SetFocusedSourceRow(1);
    painted.clear();
    grid->Table().viewport()->repaint();
    painted.removeDuplicates();
    painted.sort();
    QCOMPARE(painted.join(','), QStringLiteral("0>5,1>4,2>1,3>2*,4>3"));
}

QTEST_MAIN(TestGridView)
#include "test_gridview.moc"
