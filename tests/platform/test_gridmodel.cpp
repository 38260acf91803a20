#include "platform/dataset.h"
#include "platform/gridfiltermodel.h"
#include "platform/gridmodel.h"
#include "platform/gridview.h"
#include "platform/gridwidths.h"
#include "platform/pictures.h"
#include "platform/wirereply.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using platform::CellKind;
using platform::ColumnLayout;
using platform::DataSet;
using platform::GridModel;
using platform::GridRole;
using platform::Role;

class TestGridModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void widthRule_data();
    void widthRule();
    void widthRuleCountsOnlyVisibleColumns();
    void swapReplacesRowsInOneReset();
    void servesRolesByCellKind_data();
    void servesRolesByCellKind();
    void sortsByValueNotByText_data();
    void sortsByValueNotByText();
};

namespace {

const char *kFirstLoad = R"({"columns":[
 {"name":"STOK_STOKNO","type":"Integer","size":0},
 {"name":"ADI","type":"String","size":100}],
 "rows":[[1,"ESKİ 1"],[2,"ESKİ 2"],[3,"ESKİ 3"]]})";

// Stock-list-like rows: values chosen so that text order and value order differ.
const char *kStock = R"({"columns":[
 {"name":"STOK_STOKNO","type":"Integer","size":0},
 {"name":"ADI","type":"String","size":100},
 {"name":"DURUM","type":"Integer","size":0},
 {"name":"Y","type":"Integer","size":0},
 {"name":"RESIM","type":"Integer","size":0},
 {"name":"SEC","type":"Integer","size":0},
 {"name":"LISTEFIYAT1","type":"Float","size":0},
 {"name":"KUR","type":"Currency","size":0},
 {"name":"TARIH","type":"Date","size":0},
 {"name":"NOTU","type":"Memo","size":0},
 {"name":"KOD","type":"String","size":10},
 {"name":"K","type":"Integer","size":0}],
 "rows":[
 [10,"DEMİR",3,1,1,1,1234567.5,2.25,45000,"satır 1\nsatır 2"," 4",1],
 [20,"ÇELİK",7,0,0,2,9.5,null,45001,null,"X",0],
 [30,"CAM",null,null,null,null,100,1,null,"",null,null],
 [40,"cam kapak",0,2,1,0,10,0,44999,"not","12",1]]})";

std::unique_ptr<DataSet> Load(const char *json)
{
    auto ds = platform::DecodeTable(QByteArray(json));
    // As the list screens do with every float column after a load.
    for (int i = 0; i < ds->FieldCount(); ++i)
        if (ds->Fields(i).IsFloatField())
            ds->Fields(i).SetDisplayFormat(QStringLiteral("#,###,##0.00"));
    return ds;
}

ColumnLayout StockLayout()
{
    return {
        {.field = "STOK_STOKNO", .shown = false, .offered = false},
        {.field = "ADI", .caption = "Açıklama", .weight = 3, .kind = CellKind::WrappedText},
        {.field = "DURUM", .caption = "Durum", .kind = CellKind::StatusPicture},
        {.field = "Y", .caption = "Yeni", .kind = CellKind::YesNoPicture},
        {.field = "K", .caption = "Kampanyalı", .kind = CellKind::YesPicture},
        {.field = "RESIM", .caption = "Resim", .kind = CellKind::HasPicture},
        {.field = "SEC", .caption = "Seç", .kind = CellKind::CheckBox},
        {.field = "LISTEFIYAT1", .caption = "Liste Fiyatı", .weight = 2},
        {.field = "KUR", .caption = "Kur", .displayFormat = "#,##0.0"},
        {.field = "TARIH", .caption = "Tarih"},
        {.field = "NOTU", .caption = "Not", .kind = CellKind::Memo},
        {.field = "KOD", .caption = "Kod", .kind = CellKind::StatusPicture},
        {.field = "OEMNO", .caption = "Oem No"},
    };
}

// The picture a cell shows, named by the drawn picture it equals.
QString PictureName(const QVariant &decoration)
{
    if (!decoration.isValid())
        return QStringLiteral("none");
    const QImage image = decoration.value<QPixmap>().toImage();
    for (int status = 0; status <= 5; ++status)
        if (image == platform::pictures::Status(status, 16).toImage())
            return QStringLiteral("status%1").arg(status);
    if (image == platform::pictures::YesNo(true, 16).toImage())
        return QStringLiteral("yes");
    if (image == platform::pictures::YesNo(false, 16).toImage())
        return QStringLiteral("no");
    if (image == platform::pictures::HasPicture(16).toImage())
        return QStringLiteral("has-picture");
    return QStringLiteral("unknown");
}

// One cell as the grid's roles serve it.
QString Describe(const GridModel &model, int row, int column)
{
    const QModelIndex index = model.index(row, column);
    const QVariant display = index.data(Qt::DisplayRole);
    const QVariant check = index.data(Qt::CheckStateRole);
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    QString checkText = QStringLiteral("none");
    if (check.isValid())
        checkText = check.value<Qt::CheckState>() == Qt::Checked ? QStringLiteral("on")
                                                                 : QStringLiteral("off");
    const QString align = (alignment & Qt::AlignRight)     ? QStringLiteral("right")
                          : (alignment & Qt::AlignHCenter) ? QStringLiteral("centre")
                                                           : QStringLiteral("left");
    return QStringLiteral("text=%1|picture=%2|check=%3|align=%4|filter=%5")
        .arg(display.isValid() ? "'" + display.toString() + "'" : QStringLiteral("none"),
             PictureName(index.data(Qt::DecorationRole)), checkText, align,
             index.data(Role(GridRole::FilterText)).toString());
}

} // namespace

void TestGridModel::widthRule_data()
{
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<QList<int>>("weights");
    QTest::addColumn<QString>("widths");
    QTest::newRow("example of the stock list")
        << 1342 << QList<int>{1, 2, 3, 2, 2} << "131,262,393,262,262";
    QTest::newRow("no visible column does nothing") << 1342 << QList<int>{} << "";
    QTest::newRow("one column") << 500 << QList<int>{3} << "468";
    QTest::newRow("unit rounds down") << 1000 << QList<int>{3, 4} << "414,552";
    QTest::newRow("exact unit") << 130 << QList<int>{1, 1} << "50,50";
    QTest::newRow("zero weight keeps its width") << 1000 << QList<int>{0, 2} << "-1,970";
    QTest::newRow("only zero weights do nothing") << 1000 << QList<int>{0, 0} << "";
    QTest::newRow("grid too narrow for a pixel does nothing")
        << 35 << QList<int>{1, 2, 3, 2, 2} << "";
    QTest::newRow("negative width does nothing") << 10 << QList<int>{1} << "";
}

void TestGridModel::widthRule()
{
    QFETCH(int, gridWidth);
    QFETCH(QList<int>, weights);
    QFETCH(QString, widths);
    QStringList got;
    for (const int w :
         platform::ProportionalWidths(gridWidth, std::vector<int>(weights.begin(), weights.end())))
        got.append(QString::number(w));
    QCOMPARE(got.join(','), widths);
}

void TestGridModel::widthRuleCountsOnlyVisibleColumns()
{
    platform::GridView grid({
        {.field = "A", .weight = 1},
        {.field = "HIDDEN", .shown = false, .weight = 5},
        {.field = "B", .weight = 2},
        {.field = "C", .weight = 3},
        {.field = "D", .weight = 2},
        {.field = "E", .weight = 2},
    });
    grid.SetColumnVisible("HIDDEN", true);
    grid.SetColumnWidth("HIDDEN", 77);
    grid.SetColumnVisible("HIDDEN", false);
    grid.ApplyProportionalWidths(1342);
    grid.SetColumnVisible("HIDDEN", true); // shown again with the width the rule left alone
    QStringList got;
    for (const char *field : {"A", "HIDDEN", "B", "C", "D", "E"})
        got.append(QString::number(grid.ColumnWidth(field)));
    QCOMPARE(got.join(','), QStringLiteral("131,77,262,393,262,262"));

    // A column the user showed takes its share at the next application.
    grid.ApplyProportionalWidths(1530); // sum 15, unit 100
    QCOMPARE(grid.ColumnWidth("HIDDEN"), 500);
    QCOMPARE(grid.ColumnWidth("A"), 100);
}

void TestGridModel::swapReplacesRowsInOneReset()
{
    GridModel model(StockLayout());
    QCOMPARE(model.rowCount(), 0);
    model.SetDataSet(Load(kFirstLoad));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("ESKİ 3"));
    // Columns the first load lacks are empty, not an error.
    QCOMPARE(model.index(0, 2).data(Qt::DecorationRole).isValid(), false);

    QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.SetDataSet(Load(kStock));
    QCOMPARE(aboutToReset.count(), 1);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(model.rowCount(), 4);
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 1).data().toString());
    QCOMPARE(names.join(','), QStringLiteral("DEMİR,ÇELİK,CAM,cam kapak"));
    QCOMPARE(model.Data()->RecordCount(), 4);

    model.SetDataSet(nullptr);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.Data());
}

void TestGridModel::servesRolesByCellKind_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cell");
    QTest::newRow("float with the list format")
        << "LISTEFIYAT1" << 0
        << "text='1.234.567,50'|picture=none|check=none|align=right|filter=1.234.567,50";
    QTest::newRow("column format overrides the field's")
        << "KUR" << 0 << "text='2,3'|picture=none|check=none|align=right|filter=2,3";
    QTest::newRow("null number is empty")
        << "KUR" << 1 << "text=''|picture=none|check=none|align=right|filter=";
    QTest::newRow("text") << "ADI" << 1
                          << "text='ÇELİK'|picture=none|check=none|align=left|filter=ÇELİK";
    QTest::newRow("date")
        << "TARIH" << 0 << "text='15.03.2023'|picture=none|check=none|align=left|filter=15.03.2023";
    QTest::newRow("memo keeps its lines")
        << "NOTU" << 0
        << "text='satır 1\nsatır 2'|picture=none|check=none|align=left|filter=satır 1\nsatır 2";
    QTest::newRow("status picture")
        << "DURUM" << 0 << "text=none|picture=status3|check=none|align=centre|filter=3";
    QTest::newRow("status 0 has a picture")
        << "DURUM" << 3 << "text=none|picture=status0|check=none|align=centre|filter=0";
    QTest::newRow("unknown status shows nothing")
        << "DURUM" << 1 << "text=none|picture=none|check=none|align=centre|filter=7";
    QTest::newRow("null status shows nothing")
        << "DURUM" << 2 << "text=none|picture=none|check=none|align=centre|filter=";
    QTest::newRow("status from text")
        << "KOD" << 0 << "text=none|picture=status4|check=none|align=centre|filter=4";
    QTest::newRow("status from text that is no number")
        << "KOD" << 1 << "text=none|picture=none|check=none|align=centre|filter=";
    QTest::newRow("yes mark") << "Y" << 0
                              << "text=none|picture=yes|check=none|align=centre|filter=1";
    QTest::newRow("no mark") << "Y" << 1 << "text=none|picture=no|check=none|align=centre|filter=0";
    QTest::newRow("yes-no of another value")
        << "Y" << 3 << "text=none|picture=none|check=none|align=centre|filter=2";
    QTest::newRow("yes-only mark")
        << "K" << 0 << "text=none|picture=yes|check=none|align=centre|filter=1";
    QTest::newRow("yes-only mark shows nothing for 0")
        << "K" << 1 << "text=none|picture=none|check=none|align=centre|filter=0";
    QTest::newRow("has picture")
        << "RESIM" << 0 << "text=none|picture=has-picture|check=none|align=centre|filter=1";
    QTest::newRow("no picture") << "RESIM" << 1
                                << "text=none|picture=none|check=none|align=centre|filter=0";
    QTest::newRow("check box 1 is ticked")
        << "SEC" << 0 << "text=none|picture=none|check=on|align=centre|filter=1";
    QTest::newRow("check box 2 is not")
        << "SEC" << 1 << "text=none|picture=none|check=off|align=centre|filter=2";
    QTest::newRow("check box null is not")
        << "SEC" << 2 << "text=none|picture=none|check=off|align=centre|filter=";
    QTest::newRow("field the data lacks")
        << "OEMNO" << 0 << "text=''|picture=none|check=none|align=left|filter=";
}

void TestGridModel::servesRolesByCellKind()
{
    QFETCH(QString, field);
    QFETCH(int, row);
    QFETCH(QString, cell);
    GridModel model(StockLayout());
    model.SetDataSet(Load(kStock));
    const int column = model.ColumnOf(field);
    QVERIFY(column >= 0);
    QCOMPARE(Describe(model, row, column), cell);
}

void TestGridModel::sortsByValueNotByText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QString>("order"); // STOK_STOKNO of the rows on screen
    QTest::newRow("float by value") << "LISTEFIYAT1" << true << "20,40,30,10";
    QTest::newRow("float descending") << "LISTEFIYAT1" << false << "10,30,40,20";
    QTest::newRow("text in Turkish order, case ignored") << "ADI" << true << "30,40,20,10";
    QTest::newRow("nulls first") << "KUR" << true << "20,40,30,10";
    QTest::newRow("dates") << "TARIH" << true << "30,40,10,20";
}

void TestGridModel::sortsByValueNotByText()
{
    QFETCH(QString, field);
    QFETCH(bool, ascending);
    QFETCH(QString, order);
    GridModel model(StockLayout());
    model.SetDataSet(Load(kStock));
    platform::GridFilterModel rows(model);
    rows.sort(model.ColumnOf(field), ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    QStringList got;
    for (int row = 0; row < rows.rowCount(); ++row)
        got.append(
            QString::number(model.Data()->FieldByName("STOK_STOKNO").IntAt(rows.SourceRow(row))));
    QCOMPARE(got.join(','), order);
}

QTEST_MAIN(TestGridModel)
#include "test_gridmodel.moc"
