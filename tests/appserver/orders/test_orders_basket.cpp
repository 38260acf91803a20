// The basket methods through the client's proxy: lines priced on the server, one line per
// item, the selection mark, deleting, and input the basket refuses without changing a row.

#include "ordersfixture.h"

#include "platform/error.h"
#include "server/mobilstokunit.h"

#include <QtTest>

class TestOrdersBasket : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldPriceBasketLinesOnTheServer_data();
    void shouldPriceBasketLinesOnTheServer();
    void shouldSendEveryColumnTheBasketReads();
    void shouldAddToTheLineAnItemAlreadyHas();
    void shouldChangeOnlyTheCustomersOwnLines();
    void shouldMirrorTheSelectionMark();
    void shouldDeleteOnlyTheCustomersOwnLines();
    void shouldRefuseBadLinesWithoutWritingAny_data();
    void shouldRefuseBadLinesWithoutWritingAny();
    void shouldSendTheBasketAsMobileObjects();
    void shouldAddAndChangeLinesThroughTheOlderMethods();

private:
    // Adds a line as the customer's own user would and returns its SIRANO.
    int AddLine(int carino, int user, int stokno, double quantity, double price = 0);
    std::unique_ptr<OrdersFixture> m_fixture;
};

namespace {

const QStringList kAmounts = {"BIRIMFIYAT",  "MIKTAR",        "TUTAR",        "INDIRIMTUTAR",
                              "NETTUTAR",    "NETBIRIMFIYAT", "VERGITUTARI",  "KDVLITUTAR",
                              "INDIRIMYAZI", "INDIRIMORANI1", "INDIRIMORANI2"};

const QStringList kBasketColumns = {"SEC:Integer",         "VERILISTARIHI:DateTime",
                                    "SIRANO:Integer",      "SIPARISNO:Integer",
                                    "CARINO:Integer",      "TARIH:Date",
                                    "AKTAR:Integer",       "STOKNO:Integer",
                                    "BARKOD:String",       "FINISHKOD:String",
                                    "OEMNO:String",        "STOKADI:String",
                                    "MIKTAR:Float",        "BIRIMFIYAT:Float",
                                    "TUTAR:Float",         "INDIRIMYAZI:String",
                                    "INDIRIMORANI1:Float", "INDIRIMORANI2:Float",
                                    "INDIRIMORANI3:Float", "INDIRIMTUTAR:Float",
                                    "NETBIRIMFIYAT:Float", "KDV:Float",
                                    "VERGITUTARI:Float",   "NETTUTAR:Float",
                                    "KUR:String",          "KURTL:Float",
                                    "VERENIDNO:Integer",   "SAAT:String",
                                    "TESLIMID:Integer",    "KARGOID:Integer",
                                    "ACIKLAMA:String",     "IDNO:Integer",
                                    "VERENSIRANO:Integer", "VEREN:String",
                                    "CARIKOD:String",      "CARIADI:String",
                                    "OEM1:String",         "OEM2:String",
                                    "OEM3:String",         "OEM4:String",
                                    "STOK_STOKNO:Integer", "URETICIKODU:String",
                                    "DIGERADI:String",     "DPKOD:String",
                                    "MARKA:String",        "MODEL:String",
                                    "ANAGRUP:String",      "OZELKOD:String",
                                    "PKOD:String",         "DURUM:Integer",
                                    "KALAN:Float",         "INDIRIMORANI4:Float"};

} // namespace

void TestOrdersBasket::init()
{
    m_fixture = std::make_unique<OrdersFixture>();
}

void TestOrdersBasket::cleanup()
{
    m_fixture.reset();
}

int TestOrdersBasket::AddLine(int carino, int user, int stokno, double quantity, double price)
{
    auto client = m_fixture->Connect();
    const int result = (*client)->SepetEkle2(OrdersFixture::Session(carino, user), carino, stokno,
                                             QStringLiteral("-"), QStringLiteral("-"), quantity, 20,
                                             price, 0, user, 0, 0, 0, 0);
    if (result != 1)
        return -1;
    return m_fixture->Db()
        .Scalar(QStringLiteral("SELECT MAX(id) FROM sepet WHERE cari_id = ? AND stok_id = ?"),
                {carino, stokno})
        .toInt();
}

void TestOrdersBasket::shouldPriceBasketLinesOnTheServer_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("stokno");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("sentPrice");
    QTest::addColumn<QString>("expected");
    QTest::newRow("worked example: 100 x 3 with 10+5, VAT 20")
        << 1 << 1 << 1 << 3.0 << 100.0
        << "100.00|3.00|300.00|43.50|256.50|85.50|51.30|307.80|10+5|10.00|5.00";
    QTest::newRow("a customer's own price is not taken")
        << 1 << 1 << 1 << 3.0 << 1.0
        << "100.00|3.00|300.00|43.50|256.50|85.50|51.30|307.80|10+5|10.00|5.00";
    QTest::newRow("a salesperson's price is taken, the customer's rates still apply")
        << 1 << 3 << 1 << 3.0 << 80.0
        << "80.00|3.00|240.00|34.80|205.20|68.40|41.04|246.24|10+5|10.00|5.00";
    QTest::newRow("campaign item: campaign price, no rates")
        << 1 << 1 << 3 << 2.0 << 200.0
        << "200.00|2.00|400.00|0.00|400.00|200.00|72.00|472.00|0|0.00|0.00";
    QTest::newRow("customer without rates")
        << 2 << 2 << 2 << 4.0 << 45.5
        << "45.50|4.00|182.00|0.00|182.00|45.50|36.40|218.40|0|0.00|0.00";
}

void TestOrdersBasket::shouldPriceBasketLinesOnTheServer()
{
    QFETCH(int, carino);
    QFETCH(int, user);
    QFETCH(int, stokno);
    QFETCH(double, quantity);
    QFETCH(double, sentPrice);
    QFETCH(QString, expected);
    QVERIFY(AddLine(carino, user, stokno, quantity, sentPrice) > 0);
    auto client = m_fixture->Connect();
    platform::DataSet *basket = (*client)->SepetVer2(carino);
    QCOMPARE(basket->RecordCount(), 1);
    QCOMPARE(RowText(*basket, 0, kAmounts), expected);
}

void TestOrdersBasket::shouldSendEveryColumnTheBasketReads()
{
    const int sirano = AddLine(1, 1, 1, 2);
    auto client = m_fixture->Connect();
    platform::DataSet *basket = (*client)->SepetVer2(1);
    QStringList missing;
    for (const QString &column : kBasketColumns)
        if (!FieldTypes(*basket).contains(column))
            missing << column;
    QCOMPARE(missing, QStringList());
    QCOMPARE(RowText(*basket, 0,
                     {"SEC", "SIRANO", "STOKNO", "STOK_STOKNO", "BARKOD", "STOKADI", "MARKA",
                      "FINISHKOD", "MODEL", "KDV", "VEREN", "CARIKOD", "CARIADI", "DURUM"}),
             QStringLiteral("0|%1|1|1|FR-1001|Fren Balatası Ön|ÖZKAYA|F01|DOBLO 1.3|20.00|YILDIZ|"
                            "C001|Yıldız Oto|1")
                 .arg(sirano));
    QVERIFY(basket->FieldByName(QStringLiteral("VERILISTARIHI")).FloatAt(0) > 40000);
}

void TestOrdersBasket::shouldAddToTheLineAnItemAlreadyHas()
{
    const int first = AddLine(1, 1, 1, 2);
    const int second = AddLine(1, 1, 1, 3);
    QCOMPARE(second, first);
    auto client = m_fixture->Connect();
    platform::DataSet *basket = (*client)->SepetVer2(1);
    QCOMPARE(basket->RecordCount(), 1);
    QCOMPARE(RowText(*basket, 0, {"MIKTAR", "TUTAR", "NETTUTAR"}),
             QStringLiteral("5.00|500.00|427.50"));
}

void TestOrdersBasket::shouldChangeOnlyTheCustomersOwnLines()
{
    const int own = AddLine(1, 1, 1, 2);
    const int foreign = AddLine(2, 2, 1, 2);
    auto client = m_fixture->Connect();
    QCOMPARE((*client)->SepetGuncelle2(OrdersFixture::Session(1, 1), 1, 0, QString(), QString(), 7,
                                       20, 100, 10, 1, foreign, 5, 0, 0),
             0);
    QCOMPARE((*client)->SepetGuncelle2(OrdersFixture::Session(1, 1), 1, 0, QString(), QString(), 4,
                                       20, 100, 10, 1, own, 5, 0, 0),
             1);
    QCOMPARE(RowText(*(*client)->SepetVer2(1), 0, kAmounts),
             QStringLiteral("100.00|4.00|400.00|58.00|342.00|85.50|68.40|410.40|10+5|10.00|5.00"));
    QCOMPARE(RowText(*(*client)->SepetVer2(2), 0, {"MIKTAR", "TUTAR"}),
             QStringLiteral("2.00|200.00"));
}

void TestOrdersBasket::shouldMirrorTheSelectionMark()
{
    const int sirano = AddLine(1, 1, 1, 2);
    auto client = m_fixture->Connect();
    (*client)->SepetSecimGuncelle(sirano, 1);
    QCOMPARE(ColumnText(*(*client)->SepetVer2(1), QStringLiteral("SEC")), QStringLiteral("1"));
    QVERIFY_THROWS_EXCEPTION(platform::Error, (*client)->SepetSecimGuncelle(sirano, 2));
    QVERIFY_THROWS_EXCEPTION(platform::Error, (*client)->SepetSecimGuncelle(sirano + 100, 1));
    QCOMPARE(ColumnText(*(*client)->SepetVer2(1), QStringLiteral("SEC")), QStringLiteral("1"));
    (*client)->SepetSecimGuncelle(sirano, 0);
    QCOMPARE(ColumnText(*(*client)->SepetVer2(1), QStringLiteral("SEC")), QStringLiteral("0"));
}

void TestOrdersBasket::shouldDeleteOnlyTheCustomersOwnLines()
{
    const int own = AddLine(1, 1, 1, 2);
    AddLine(1, 1, 2, 1);
    const int foreign = AddLine(2, 2, 1, 2);
    auto client = m_fixture->Connect();
    QCOMPARE((*client)->SepetSatirSil(OrdersFixture::Session(1, 1), foreign,
                                      QStringLiteral("FR-1001-Fren")),
             0);
    QCOMPARE(
        (*client)->SepetSatirSil(OrdersFixture::Session(1, 1), own, QStringLiteral("FR-1001-Fren")),
        1);
    QCOMPARE(
        (*client)->SepetSatirSil(OrdersFixture::Session(1, 1), own, QStringLiteral("FR-1001-Fren")),
        0);
    QCOMPARE(ColumnText(*(*client)->SepetVer2(1), QStringLiteral("BARKOD")),
             QStringLiteral("YG-2002"));
    QCOMPARE((*client)->SepetHepsiniSil(OrdersFixture::Session(1, 1)), 1);
    QCOMPARE((*client)->SepetVer2(1)->RecordCount(), 0);
    QCOMPARE(ColumnText(*(*client)->SepetVer2(2), QStringLiteral("SIRANO")),
             QString::number(foreign));
}

void TestOrdersBasket::shouldRefuseBadLinesWithoutWritingAny_data()
{
    QTest::addColumn<bool>("withSession");
    QTest::addColumn<int>("sessionCarino");
    QTest::addColumn<int>("sessionUser");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("verenid");
    QTest::addColumn<int>("stokno");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("price");
    QTest::addColumn<QString>("error");
    QTest::newRow("negative quantity")
        << true << 1 << 1 << 1 << 1 << 1 << -2.0 << 100.0 << "must be above 0";
    QTest::newRow("zero quantity")
        << true << 1 << 1 << 1 << 1 << 1 << 0.0 << 100.0 << "must be above 0";
    QTest::newRow("huge quantity")
        << true << 1 << 1 << 1 << 1 << 1 << 1e9 << 100.0 << "at most 10000";
    QTest::newRow("unknown item") << true << 1 << 1 << 1 << 1 << 99 << 1.0 << 100.0
                                  << "Stock item 99 does not exist";
    QTest::newRow("another customer than the session's")
        << true << 1 << 1 << 2 << 1 << 1 << 1.0 << 100.0
        << "is not the customer of the session record";
    QTest::newRow("another user than the session's")
        << true << 1 << 1 << 1 << 3 << 1 << 1.0 << 100.0 << "is not the user of the session record";
    QTest::newRow("no user in the session")
        << true << 1 << 0 << 1 << 0 << 1 << 1.0 << 100.0 << "names no user";
    QTest::newRow("inactive user")
        << true << 1 << 5 << 1 << 5 << 1 << 1.0 << 100.0 << "is not active";
    QTest::newRow("a customer's user for another customer")
        << true << 2 << 1 << 2 << 1 << 1 << 1.0 << 100.0 << "may not act for";
    QTest::newRow("unknown customer")
        << true << 99 << 3 << 99 << 3 << 1 << 1.0 << 100.0 << "customer 99 does not exist";
    QTest::newRow("salesperson's negative price")
        << true << 1 << 3 << 1 << 3 << 1 << 1.0 << -5.0 << "must be above 0";
    QTest::newRow("salesperson's huge price")
        << true << 1 << 3 << 1 << 3 << 1 << 1.0 << 1e12 << "at most";
    QTest::newRow("no session record")
        << false << 1 << 1 << 1 << 1 << 1 << 1.0 << 100.0 << "session record is missing";
}

void TestOrdersBasket::shouldRefuseBadLinesWithoutWritingAny()
{
    QFETCH(bool, withSession);
    QFETCH(int, sessionCarino);
    QFETCH(int, sessionUser);
    QFETCH(int, carino);
    QFETCH(int, verenid);
    QFETCH(int, stokno);
    QFETCH(double, quantity);
    QFETCH(double, price);
    QFETCH(QString, error);
    auto client = m_fixture->Connect();
    try {
        (*client)->SepetEkle2(withSession ? OrdersFixture::Session(sessionCarino, sessionUser)
                                          : nullptr,
                              carino, stokno, QStringLiteral("FR-1001"), QStringLiteral("Fren"),
                              quantity, 20, price, 10, verenid, 0, 5, 0, 0);
        QFAIL("the line was accepted");
    } catch (const platform::Error &e) {
        QVERIFY2(e.Message().contains(error), qPrintable(e.Message()));
    }
    QCOMPARE(m_fixture->Count(QStringLiteral("sepet")), 0);
}

void TestOrdersBasket::shouldSendTheBasketAsMobileObjects()
{
    const int sirano = AddLine(1, 1, 1, 3);
    auto client = m_fixture->Connect();
    TMobilSepetler *lines = (*client)->SepetMobilVer(1);
    QCOMPARE(lines->Count(), 1);
    const TMobilSepet *line = lines->At(0);
    QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6")
                 .arg(line->SIRANO())
                 .arg(line->STOKADI())
                 .arg(line->MIKTAR())
                 .arg(line->NETTUTAR())
                 .arg(line->KDVLITUTAR())
                 .arg(line->VEREN()),
             QStringLiteral("%1|Fren Balatası Ön|3|256.5|307.8|YILDIZ").arg(sirano));
}

void TestOrdersBasket::shouldAddAndChangeLinesThroughTheOlderMethods()
{
    auto client = m_fixture->Connect();
    QCOMPARE((*client)->SepetEkle(OrdersFixture::Session(1, 1), 1, 1, QStringLiteral("FR-1001"),
                                  QStringLiteral("Fren"), 3, 20, 100, 10, 1, 0),
             1);
    QCOMPARE(RowText(*(*client)->SepetVer2(1), 0, kAmounts),
             QStringLiteral("100.00|3.00|300.00|43.50|256.50|85.50|51.30|307.80|10+5|10.00|5.00"));
    const int sirano = int((*client)->SepetVer2(1)->FieldByName(QStringLiteral("SIRANO")).IntAt(0));
    QCOMPARE((*client)->SepetGuncelle(OrdersFixture::Session(1, 1), 1, 0, QString(), QString(), 4,
                                      20, 100, 10, 1, sirano),
             1);
    QCOMPARE(RowText(*(*client)->SepetVer2(1), 0, {"MIKTAR", "NETTUTAR"}),
             QStringLiteral("4.00|342.00"));
}

QTEST_GUILESS_MAIN(TestOrdersBasket)
#include "test_orders_basket.moc"
