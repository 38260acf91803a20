#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/jsonwriter.h"
#include "platform/wirereply.h"

#include <QTest>

using platform::DataSet;
using platform::FieldType;

class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void keepsFieldClassesApart_data();
    void keepsFieldClassesApart();
    void readsValuesAndNulls();
    void walksAndLocatesRows();
    void editPostAndCancel();
    void refusesEditWhenClosedOrEmpty();
    void tableSurvivesWriterAndDecoder();
    void rejectsMalformedTables_data();
    void rejectsMalformedTables();
};

namespace {

// A small basket-like table with every column type and a null in each.
const char *kTable = R"({"columns":[
 {"name":"SIRANO","type":"Integer","size":0},
 {"name":"IDNO","type":"LargeInt","size":0},
 {"name":"TUTAR","type":"Float","size":0},
 {"name":"KUR","type":"Currency","size":0},
 {"name":"STOKADI","type":"String","size":100},
 {"name":"ACIKLAMA","type":"Memo","size":0},
 {"name":"SEC","type":"Boolean","size":0},
 {"name":"TARIH","type":"Date","size":0},
 {"name":"SAAT","type":"DateTime","size":0},
 {"name":"RESIM","type":"Blob","size":0}],
 "rows":[
 [1, 9007199254740993, 1234567.5, 12.5, "FREN BALATASI \"ÖN\"", "satır\nsatır", true, 45000, 45000.5, "AAEC/w=="],
 [2, null, null, null, null, null, null, null, null, null],
 [3, 7, -0.25, 0, "ŞİŞE", "", false, 1, 0.25, ""]]})";

std::unique_ptr<DataSet> Load()
{
    return platform::DecodeTable(QByteArray(kTable));
}

} // namespace

void TestDataSet::keepsFieldClassesApart_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("isFloat");
    QTest::newRow("integer") << "SIRANO"
                             << "TIntegerField" << false;
    QTest::newRow("large integer") << "IDNO"
                                   << "TLargeintField" << false;
    QTest::newRow("float") << "TUTAR"
                           << "TFloatField" << true;
    QTest::newRow("currency") << "KUR"
                              << "TCurrencyField" << false;
    QTest::newRow("string") << "STOKADI"
                            << "TWideStringField" << false;
    QTest::newRow("date") << "TARIH"
                          << "TDateField" << false;
}

void TestDataSet::keepsFieldClassesApart()
{
    QFETCH(QString, field);
    QFETCH(QString, className);
    QFETCH(bool, isFloat);
    const auto ds = Load();
    QCOMPARE(ds->FieldByName(field).ClassName(), className);
    QCOMPARE(ds->FieldByName(field).IsFloatField(), isFloat);
}

void TestDataSet::readsValuesAndNulls()
{
    const auto ds = Load();
    QVERIFY(ds->Active());
    QCOMPARE(ds->RecordCount(), 3);
    QCOMPARE(ds->FieldByName("IDNO").AsLargeInt(), Q_INT64_C(9007199254740993));
    QCOMPARE(ds->FieldByName("STOKADI").AsString(), QStringLiteral("FREN BALATASI \"ÖN\""));
    QCOMPARE(ds->FieldByName("ACIKLAMA").AsString(), QStringLiteral("satır\nsatır"));
    QCOMPARE(ds->FieldByName("TARIH").Value().toDate(), QDate(2023, 3, 15));
    QCOMPARE(ds->FieldByName("SAAT").Value().toDateTime(),
             QDateTime(QDate(2023, 3, 15), QTime(12, 0)));
    QCOMPARE(ds->FieldByName("RESIM").AsBytes(), QByteArray("\x00\x01\x02\xff", 4));
    QVERIFY(ds->FieldByName("SEC").AsBoolean());

    ds->Next();
    for (int i = 0; i < ds->FieldCount(); ++i)
        QVERIFY2(i == 0 || ds->Fields(i).IsNull(), qPrintable(ds->Fields(i).FieldName()));
    QCOMPARE(ds->FieldByName("TUTAR").AsFloat(), 0.0);
    QCOMPARE(ds->FieldByName("STOKADI").AsString(), QString());
    QCOMPARE(ds->FieldByName("TUTAR").DisplayText(), QString());
}

void TestDataSet::walksAndLocatesRows()
{
    const auto ds = Load();
    QStringList seen;
    for (ds->First(); !ds->Eof(); ds->Next())
        seen << ds->FieldByName("SIRANO").AsString();
    QCOMPARE(seen.join(','), QStringLiteral("1,2,3"));
    QCOMPARE(ds->RecNo(), 3);

    QVERIFY(ds->Locate("STOKADI", QStringLiteral("ŞİŞE")));
    QCOMPARE(ds->FieldByName("SIRANO").AsInteger(), 3);
    QVERIFY(ds->Locate("sirano", 2)); // field names are not case-sensitive
    QCOMPARE(ds->RecNo(), 2);
    QVERIFY(!ds->Locate("SIRANO", 99));
    QCOMPARE(ds->RecNo(), 2); // a failed locate leaves the cursor
    QVERIFY_THROWS_EXCEPTION(platform::Error, ds->Locate("NOPE", 1));
}

void TestDataSet::editPostAndCancel()
{
    const auto ds = Load();
    ds->Locate("SIRANO", 3);
    ds->Edit();
    ds->FieldByName("SEC").SetAsInteger(1);
    ds->FieldByName("STOKADI").SetAsString(QStringLiteral("YENİ AD"));
    ds->Post();
    QVERIFY(ds->FieldByName("SEC").AsBoolean());
    QCOMPARE(ds->FieldByName("STOKADI").AsString(), QStringLiteral("YENİ AD"));

    ds->Edit();
    ds->FieldByName("TUTAR").SetAsFloat(10);
    ds->FieldByName("TUTAR").SetAsFloat(20);
    ds->FieldByName("STOKADI").Clear();
    ds->Cancel();
    QCOMPARE(ds->FieldByName("TUTAR").AsFloat(), -0.25);
    QCOMPARE(ds->FieldByName("STOKADI").AsString(), QStringLiteral("YENİ AD"));

    // Other rows are untouched by edits of this one.
    ds->First();
    QCOMPARE(ds->FieldByName("STOKADI").AsString(), QStringLiteral("FREN BALATASI \"ÖN\""));
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             ds->FieldByName("SEC").SetAsInteger(0)); // not in edit
}

void TestDataSet::refusesEditWhenClosedOrEmpty()
{
    DataSet closed;
    QVERIFY(!closed.Active());
    QVERIFY_THROWS_EXCEPTION(platform::Error, closed.Edit());
    DataSet empty;
    empty.AddField("SEC", FieldType::Integer);
    empty.Open();
    QVERIFY(empty.Eof());
    QVERIFY_THROWS_EXCEPTION(platform::Error, empty.Edit());
}

void TestDataSet::tableSurvivesWriterAndDecoder()
{
    const auto original = Load();
    QByteArray json;
    platform::JsonWriter(json).Table(*original);
    const auto copy = platform::DecodeTable(json);
    QCOMPARE(copy->RecordCount(), original->RecordCount());
    QCOMPARE(copy->FieldCount(), original->FieldCount());
    for (int c = 0; c < original->FieldCount(); ++c) {
        QCOMPARE(copy->Fields(c).FieldName(), original->Fields(c).FieldName());
        QCOMPARE(copy->Fields(c).DataType(), original->Fields(c).DataType());
        QCOMPARE(copy->Fields(c).Size(), original->Fields(c).Size());
        for (int r = 0; r < original->RecordCount(); ++r)
            QCOMPARE(copy->Fields(c).ValueAt(r), original->Fields(c).ValueAt(r));
    }
}

void TestDataSet::rejectsMalformedTables_data()
{
    QTest::addColumn<QByteArray>("json");
    const QByteArray cols =
        R"("columns":[{"name":"A","type":"Integer"},{"name":"B","type":"String"}])";
    QTest::newRow("not json") << QByteArray("{\"columns\":[");
    QTest::newRow("no rows") << "{" + cols + "}";
    QTest::newRow("unknown type") << QByteArray(
        R"({"columns":[{"name":"A","type":"Money"}],"rows":[]})");
    QTest::newRow("short row") << "{" + cols + R"(,"rows":[[1]]})";
    QTest::newRow("long row") << "{" + cols + R"(,"rows":[[1,"x",2]]})";
    QTest::newRow("row not array") << "{" + cols + R"(,"rows":[{"A":1}]})";
    QTest::newRow("text in integer") << "{" + cols + R"(,"rows":[["abc","x"]]})";
    QTest::newRow("fraction in integer") << "{" + cols + R"(,"rows":[[1.5,"x"]]})";
    QTest::newRow("array in cell") << "{" + cols + R"(,"rows":[[1,["x"]]]})";
}

void TestDataSet::rejectsMalformedTables()
{
    QFETCH(QByteArray, json);
    QVERIFY_THROWS_EXCEPTION(platform::Error, platform::DecodeTable(json));
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "test_dataset.moc"
