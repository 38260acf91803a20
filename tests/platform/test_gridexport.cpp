#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/gridmodel.h"
#include "platform/gridview.h"
#include "platform/wirereply.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using platform::CellKind;
using platform::GridView;

class TestGridExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void writesWhatTheGridShows();
    void writesNumbersDatesAndTextByFieldType_data();
    void writesNumbersDatesAndTextByFieldType();
    void takesTheWorkbookExtension_data();
    void takesTheWorkbookExtension();
    void reportsAFileThatCannotBeWritten();
};

namespace {

// Basket-like rows with every kind of value the grids show.
const char *kRows = R"({"columns":[
 {"name":"SEC","type":"Integer","size":0},
 {"name":"SIRANO","type":"Integer","size":0},
 {"name":"BARKOD","type":"String","size":50},
 {"name":"STOKADI","type":"String","size":100},
 {"name":"MIKTAR","type":"Float","size":0},
 {"name":"KUR","type":"Currency","size":0},
 {"name":"IDNO","type":"LargeInt","size":0},
 {"name":"VERILISTARIHI","type":"Date","size":0},
 {"name":"SAAT","type":"DateTime","size":0},
 {"name":"AKTIF","type":"Boolean","size":0},
 {"name":"DURUM","type":"Integer","size":0},
 {"name":"ACIKLAMA","type":"Memo","size":0}],
 "rows":[
 [1,11,"B-1","FREN BALATASI <ÖN> & \"ARKA\"",1234.5,2.25,9000000001,45000,45000.75,true,3,"satır 1\nsatır 2"],
 [0,12,"00123","YAĞ FİLTRESİ",2,null,null,null,null,false,null,null],
 [1,13,"B-3","ŞİŞE",-0.5,0,7,30,1.5,null,1,""]]})";

platform::ColumnLayout Layout()
{
    return {
        {.field = "SEC", .caption = "Seç", .kind = CellKind::CheckBox},
        {.field = "SIRANO", .shown = false, .offered = false},
        {.field = "BARKOD", .caption = "Barkod"},
        {.field = "STOKADI", .caption = "Stok Açıklama", .kind = CellKind::WrappedText},
        {.field = "MIKTAR", .caption = "Miktar"},
        {.field = "KUR", .caption = "Kur"},
        {.field = "IDNO", .caption = "Evrak No"},
        {.field = "VERILISTARIHI", .caption = "Sipariş Tarihi"},
        {.field = "SAAT", .caption = "Saat"},
        {.field = "AKTIF", .caption = "Aktif"},
        {.field = "DURUM", .caption = "Durum", .kind = CellKind::StatusPicture},
        {.field = "ACIKLAMA", .caption = "Açıklama", .kind = CellKind::Memo},
        {.field = "FIYATBILGISI", .caption = "Fiyat Bilgisi", .kind = CellKind::CustomDrawn},
        {.field = "KDV"}, // no caption: the header shows the field name
    };
}

std::unique_ptr<GridView> Grid()
{
    auto grid = std::make_unique<GridView>(Layout());
    auto rows = platform::DecodeTable(QByteArray(kRows));
    rows->FieldByName("MIKTAR").SetDisplayFormat(QStringLiteral("#,###,##0.00"));
    grid->SetDataSet(std::move(rows));
    return grid;
}

// One member of the workbook's zip container: with unzip, or with Python's zipfile where
// unzip is not installed.
QByteArray Unzip(const QString &file, const QString &member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    if (unzip.waitForFinished(30000) && unzip.exitStatus() == QProcess::NormalExit &&
        unzip.exitCode() == 0)
        return unzip.readAllStandardOutput();
    QProcess python;
    python.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral(
             "import sys, zipfile\n"
             "names = zipfile.ZipFile(sys.argv[1]).namelist()\n"
             "if sys.argv[2] in names:\n"
             "    sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))"),
         file, member});
    if (python.waitForFinished(30000) && python.exitCode() == 0)
        return python.readAllStandardOutput();
    return QByteArray();
}

// The worksheet read back: one line per row, each cell "COLUMN=type:value", type n (number),
// s (text), b (boolean).
QStringList ReadSheet(const QString &file)
{
    QStringList shared;
    QXmlStreamReader strings(Unzip(file, QStringLiteral("xl/sharedStrings.xml")));
    while (!strings.atEnd())
        if (strings.readNext() == QXmlStreamReader::StartElement &&
            strings.name() == QLatin1String("si"))
            shared.append(strings.readElementText(QXmlStreamReader::IncludeChildElements));

    QStringList rows;
    QStringList cells;
    QString ref, type, value;
    QXmlStreamReader sheet(Unzip(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    while (!sheet.atEnd()) {
        const auto token = sheet.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (sheet.name() == QLatin1String("row")) {
                cells.clear();
            } else if (sheet.name() == QLatin1String("c")) {
                ref = sheet.attributes().value("r").toString();
                ref.remove(QRegularExpression("[0-9]"));
                type = sheet.attributes().value("t").toString();
                value.clear();
            } else if (sheet.name() == QLatin1String("v") || sheet.name() == QLatin1String("t")) {
                value = sheet.readElementText();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (sheet.name() == QLatin1String("c")) {
                if (type == QLatin1String("s"))
                    cells.append(ref + "=s:" + shared.value(value.toInt()));
                else if (type == QLatin1String("inlineStr") || type == QLatin1String("str"))
                    cells.append(ref + "=s:" + value);
                else if (type == QLatin1String("b"))
                    cells.append(ref + "=b:" + value);
                else if (type.isEmpty() || type == QLatin1String("n"))
                    cells.append(ref + "=n:" + value);
                else
                    cells.append(ref + "=?" + type + ":" + value);
            } else if (sheet.name() == QLatin1String("row")) {
                rows.append(cells.join('|'));
            }
        }
    }
    return rows;
}

} // namespace

void TestGridExport::writesWhatTheGridShows()
{
    QTemporaryDir dir;
    auto grid = Grid();
    // Only BARKOD, MIKTAR and the unbound column on screen, sorted by quantity, one row filtered
    // out.
    for (const char *field : {"SEC", "STOKADI", "KUR", "IDNO", "VERILISTARIHI", "SAAT", "AKTIF",
                              "DURUM", "ACIKLAMA", "KDV"})
        grid->SetColumnVisible(field, false);
    grid->Table().sortByColumn(grid->Model().ColumnOf("MIKTAR"), Qt::AscendingOrder);
    grid->SetColumnFilter("BARKOD", {"B-1", "B-3"});

    const QString written = grid->ExportToExcel(dir.filePath("sepet.xlsx"));
    QCOMPARE(written, dir.filePath("sepet.xlsx"));
    const QStringList sheet = ReadSheet(written);
    QCOMPARE(sheet.join('\n'), QStringLiteral("A=s:Barkod|B=s:Miktar|C=s:Fiyat Bilgisi\n"
                                              "A=s:B-3|B=n:-0.5\n"
                                              "A=s:B-1|B=n:1234.5"));
}

void TestGridExport::writesNumbersDatesAndTextByFieldType_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cells");
    QTest::newRow("captions, field name where none")
        << 0
        << "A=s:Seç|B=s:Barkod|C=s:Stok Açıklama|D=s:Miktar|E=s:Kur|F=s:Evrak No|G=s:Sipariş Tarihi"
           "|H=s:Saat|I=s:Aktif|J=s:Durum|K=s:Açıklama|L=s:Fiyat Bilgisi|M=s:KDV";
    QTest::newRow("full row") << 1
                              << "A=n:1|B=s:B-1|C=s:FREN BALATASI <ÖN> & "
                                 "\"ARKA\"|D=n:1234.5|E=n:2.25|F=n:9000000001|G=n:45000"
                                 "|H=n:45000.75|I=b:1|J=n:3|K=s:satır 1\nsatır 2";
    QTest::newRow("nulls leave cells empty, a code stays text")
        << 2 << "A=n:0|B=s:00123|C=s:YAĞ FİLTRESİ|D=n:2|I=b:0";
    QTest::newRow("dates before March 1900 as text")
        << 3
        << "A=n:1|B=s:B-3|C=s:ŞİŞE|D=n:-0.5|E=n:0|F=n:7|G=s:29.01.1900|H=s:31.12.1899 "
           "12:00:00|J=n:1";
}

void TestGridExport::writesNumbersDatesAndTextByFieldType()
{
    QFETCH(int, row);
    QFETCH(QString, cells);
    QTemporaryDir dir;
    auto grid = Grid();
    const QStringList sheet = ReadSheet(grid->ExportToExcel(dir.filePath("liste.xlsx")));
    QCOMPARE(sheet.size(), 4);
    QCOMPARE(sheet.at(row), cells);
}

void TestGridExport::takesTheWorkbookExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("xls chosen") << "sepet.xls"
                                << "sepet.xlsx";
    QTest::newRow("no extension") << "sepet"
                                  << "sepet.xlsx";
    QTest::newRow("other extension") << "sepet.txt"
                                     << "sepet.xlsx";
    QTest::newRow("dotted name") << "sepet.2024.xlsx"
                                 << "sepet.2024.xlsx";
}

void TestGridExport::takesTheWorkbookExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    auto grid = Grid();
    QCOMPARE(grid->ExportToExcel(dir.filePath(chosen)), dir.filePath(written));
    QVERIFY(QFile::exists(dir.filePath(written)));
    QCOMPARE(ReadSheet(dir.filePath(written)).size(), 4);
}

void TestGridExport::reportsAFileThatCannotBeWritten()
{
    QTemporaryDir dir;
    auto grid = Grid();
    const QString file = dir.filePath("yok/sepet.xlsx");
    try {
        grid->ExportToExcel(file);
        QFAIL("no error raised");
    } catch (const platform::Error &error) {
        QVERIFY2(error.Message().contains(QStringLiteral("Cannot create file")),
                 qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(QStringLiteral("sepet.xlsx")),
                 qPrintable(error.Message()));
    }
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestGridExport)
#include "test_gridexport.moc"
