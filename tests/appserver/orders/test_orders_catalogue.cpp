// The catalogue methods through the client's proxy: what the stock search finds, how it prices
// an item for the session's customer, the new and campaign lists, and item pictures.

#include "ordersfixture.h"

#include "platform/error.h"
#include "platform/stream.h"
#include "server/mobilstokunit.h"

#include <QtTest>

class TestOrdersCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldSendEveryColumnTheListsReadWithItsWireType_data();
    void shouldSendEveryColumnTheListsReadWithItsWireType();
    void shouldPriceItemsForTheSessionsCustomer_data();
    void shouldPriceItemsForTheSessionsCustomer();
    void shouldFindItemsByCodeNameWordsAndNumbers_data();
    void shouldFindItemsByCodeNameWordsAndNumbers();
    void shouldStopAtTheListMaximum();
    void shouldRefuseSearchesWithoutAValidSession_data();
    void shouldRefuseSearchesWithoutAValidSession();
    void shouldListNewAndCampaignItems();
    void shouldAnswerAnUnknownCustomerWithAnEmptyList();
    void shouldSendItemPicturesWithTheirSize_data();
    void shouldSendItemPicturesWithTheirSize();
    void shouldPriceTheMobileStockObjects();

private:
    std::unique_ptr<OrdersFixture> m_fixture;
};

namespace {

// The columns the stock list, the add-to-basket dialog and the new and campaign grids read.
const QStringList kStockListColumns = {"DURUM:Integer",
                                       "OEM1:String",
                                       "OEM2:String",
                                       "OEM3:String",
                                       "BARKOD:String",
                                       "URETICIKODU:String",
                                       "PKOD:String",
                                       "ADI:String",
                                       "OEM4:String",
                                       "STOK_STOKNO:Integer",
                                       "FINISHKOD:String",
                                       "RESIM:Integer",
                                       "BARKOD_BARKODNO:String",
                                       "DIGERADI:String",
                                       "DPKOD:String",
                                       "OEMNO:String",
                                       "BIRIM:String",
                                       "MARKA:String",
                                       "MODEL:String",
                                       "ANAGRUP:String",
                                       "OZELKOD:String",
                                       "KALAN:Float",
                                       "KDV:Float",
                                       "ALINANSIPARIS:Float",
                                       "VERILENSIPARIS:Float",
                                       "LISTEFIYAT1:Float",
                                       "KAMPFIYAT:Float",
                                       "FIYAT:Float",
                                       "Y:Integer",
                                       "K:Integer",
                                       "INDIRIMYAZI:String",
                                       "NETFIYAT:Float",
                                       "KDVDAHIL:Float",
                                       "IND1:Float",
                                       "IND2:Float",
                                       "IND3:Float",
                                       "IND4:Float",
                                       "INDIRIM:Float",
                                       "ESKIFIYAT:Float"};

QStringList Missing(const QStringList &wanted, const QStringList &actual)
{
    QStringList missing;
    for (const QString &column : wanted)
        if (!actual.contains(column))
            missing << column;
    return missing;
}

} // namespace

void TestOrdersCatalogue::init()
{
    m_fixture = std::make_unique<OrdersFixture>();
}

void TestOrdersCatalogue::cleanup()
{
    m_fixture.reset();
}

void TestOrdersCatalogue::shouldSendEveryColumnTheListsReadWithItsWireType_data()
{
    QTest::addColumn<QString>("method");
    QTest::newRow("StokAraGetir") << "StokAraGetir";
    QTest::newRow("YenilerVer2") << "YenilerVer2";
    QTest::newRow("KampanyaliVer2") << "KampanyaliVer2";
}

void TestOrdersCatalogue::shouldSendEveryColumnTheListsReadWithItsWireType()
{
    QFETCH(QString, method);
    auto client = m_fixture->Connect();
    platform::DataSet *table = nullptr;
    if (method == QLatin1String("StokAraGetir"))
        table = (*client)->StokAraGetir(QStringLiteral("FR-1001"), OrdersFixture::Session(1, 1));
    else if (method == QLatin1String("YenilerVer2"))
        table = (*client)->YenilerVer2(1);
    else
        table = (*client)->KampanyaliVer2(1, 3);
    QVERIFY(table->RecordCount() > 0);
    QCOMPARE(Missing(kStockListColumns, FieldTypes(*table)), QStringList());
}

void TestOrdersCatalogue::shouldPriceItemsForTheSessionsCustomer_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("customer with 10+5")
        << 1 << "FR-1001"
        << "100.00|100.00|0.00|10.00|5.00|0.00|0.00|10+5|85.50|102.60|0";
    QTest::newRow("customer without rates")
        << 2 << "FR-1001"
        << "100.00|100.00|0.00|0.00|0.00|0.00|0.00|0|100.00|120.00|0";
    QTest::newRow("customer with four rates")
        << 3 << "FR-1001"
        << "100.00|100.00|0.00|20.00|10.00|5.00|2.00|20+10+5+2|67.03|80.44|0";
    QTest::newRow("campaign item: campaign price, no further discount, VAT 18")
        << 1 << "AM-3003"
        << "200.00|250.00|200.00|0.00|0.00|0.00|0.00|%20|200.00|236.00|1";
    QTest::newRow("campaign flag without a campaign price sells at list")
        << 1 << "SB-4004"
        << "80.00|80.00|0.00|10.00|5.00|0.00|0.00|10+5|68.40|82.08|0";
}

void TestOrdersCatalogue::shouldPriceItemsForTheSessionsCustomer()
{
    QFETCH(int, carino);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    const int user = carino == 1 ? 1 : carino == 2 ? 2 : 3;
    auto client = m_fixture->Connect();
    platform::DataSet *table = (*client)->StokAraGetir(code, OrdersFixture::Session(carino, user));
    QVERIFY(table->Locate(QStringLiteral("BARKOD"), code));
    QCOMPARE(RowText(*table, table->Row(),
                     QStringLiteral("FIYAT|LISTEFIYAT1|KAMPFIYAT|IND1|IND2|IND3|IND4|INDIRIMYAZI|"
                                    "NETFIYAT|KDVDAHIL|K")
                         .split(QLatin1Char('|'))),
             expected);
}

void TestOrdersCatalogue::shouldFindItemsByCodeNameWordsAndNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes");
    QTest::newRow("code: the exact one before the longer ones") << "FR-1001"
                                                                << "FR-1001|FR-10015";
    QTest::newRow("code without its dash") << "FR1001"
                                           << "FR-1001|FR-10015";
    QTest::newRow("code in lower case") << "fr-1001"
                                        << "FR-1001|FR-10015";
    QTest::newRow("code with blanks around, as typed") << "  FR-1001 "
                                                       << "FR-1001|FR-10015";
    QTest::newRow("a name word") << "FREN"
                                 << "FR-1001|FR-10015";
    QTest::newRow("name words with Turkish letters") << "YAĞ FİLTRESİ"
                                                     << "YG-2002";
    QTest::newRow("name words folded as the search box types them") << "YAG FILTRE"
                                                                    << "YG-2002";
    QTest::newRow("Turkish letters in lower case") << "şanzıman sağ"
                                                   << "AM-3003";
    QTest::newRow("every word must match") << "SANZIMAN SOL"
                                           << "";
    QTest::newRow("words in any order") << "ON BALATASI"
                                        << "FR-1001";
    QTest::newRow("OEM number without its blanks") << "04E115561H"
                                                   << "FR-1001";
    QTest::newRow("OEM number as written") << "04E 115 561 H"
                                           << "FR-1001";
    QTest::newRow("OEM number without its dashes") << "1J0199555"
                                                   << "AM-3003";
    QTest::newRow("percent is a plain character") << "%"
                                                  << "";
    QTest::newRow("percent inside a word") << "F%N"
                                           << "";
    QTest::newRow("underscore is a plain character") << "_REN"
                                                     << "";
    QTest::newRow("quotes") << "' OR '1'='1"
                            << "";
    QTest::newRow("statement separators") << "x'; DELETE FROM stok; --"
                                          << "";
    QTest::newRow("nothing to search for") << "  -- "
                                           << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestOrdersCatalogue::shouldFindItemsByCodeNameWordsAndNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, codes);
    auto client = m_fixture->Connect();
    platform::DataSet *table = (*client)->StokAraGetir(text, OrdersFixture::Session(1, 1));
    QCOMPARE(ColumnText(*table, QStringLiteral("BARKOD")), codes);
    QCOMPARE(m_fixture->Count(QStringLiteral("stok")), 5);
}

void TestOrdersCatalogue::shouldStopAtTheListMaximum()
{
    appserver::Database &db = m_fixture->Db();
    {
        appserver::Transaction tx(db);
        for (int i = 0; i < 1005; ++i)
            db.Exec(QStringLiteral("INSERT INTO stok (kod, adi, listefiyat, kodkey, aramakey)"
                                   " VALUES (?, 'Conta', 5, ?, ?)"),
                    {QStringLiteral("CNT-%1").arg(i), QStringLiteral("CNT%1").arg(i),
                     QStringLiteral("CNT-%1 CONTA").arg(i)});
        tx.Commit();
    }
    auto client = m_fixture->Connect();
    QCOMPARE((*client)
                 ->StokAraGetir(QStringLiteral("CONTA"), OrdersFixture::Session(1, 1))
                 ->RecordCount(),
             1000);
}

void TestOrdersCatalogue::shouldRefuseSearchesWithoutAValidSession_data()
{
    QTest::addColumn<bool>("withSession");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("sirano");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("error");
    QTest::newRow("no session record") << false << 1 << 1 << 7 << "session record is missing";
    QTest::newRow("unknown customer") << true << 99 << 1 << 7 << "customer 99 does not exist";
    QTest::newRow("unknown user") << true << 1 << 99 << 7 << "user 99 does not exist";
    QTest::newRow("inactive user") << true << 1 << 5 << 7 << "is not active";
    QTest::newRow("a customer's user for another customer")
        << true << 2 << 1 << 7 << "may not act for";
    QTest::newRow("overlong text") << true << 1 << 1 << 201 << "at most 200";
}

void TestOrdersCatalogue::shouldRefuseSearchesWithoutAValidSession()
{
    QFETCH(bool, withSession);
    QFETCH(int, carino);
    QFETCH(int, sirano);
    QFETCH(int, length);
    QFETCH(QString, error);
    auto client = m_fixture->Connect();
    const QString text = QStringLiteral("FR-1001").leftJustified(length, QLatin1Char('X'));
    try {
        (*client)->StokAraGetir(text,
                                withSession ? OrdersFixture::Session(carino, sirano) : nullptr);
        QFAIL("the search was answered");
    } catch (const platform::Error &e) {
        QVERIFY2(e.Message().contains(error), qPrintable(e.Message()));
    }
}

void TestOrdersCatalogue::shouldListNewAndCampaignItems()
{
    auto client = m_fixture->Connect();
    platform::DataSet *news = (*client)->YenilerVer2(1);
    QCOMPARE(ColumnText(*news, QStringLiteral("BARKOD")), QStringLiteral("AM-3003|YG-2002"));
    QCOMPARE(ColumnText(*news, QStringLiteral("Y")), QStringLiteral("1|1"));
    QCOMPARE(ColumnText(*news, QStringLiteral("NETFIYAT")), QStringLiteral("200.00|38.90"));

    platform::DataSet *campaign = (*client)->KampanyaliVer2(1, 3);
    QCOMPARE(
        RowText(*campaign, 0, {"BARKOD", "ESKIFIYAT", "FIYAT", "K", "INDIRIMYAZI", "KDVDAHIL"}),
        QStringLiteral("AM-3003|250.00|200.00|1|%20|236.00"));
    QCOMPARE(campaign->RecordCount(), 1);
}

void TestOrdersCatalogue::shouldAnswerAnUnknownCustomerWithAnEmptyList()
{
    auto client = m_fixture->Connect();
    platform::DataSet *news = (*client)->YenilerVer2(99);
    QCOMPARE(news->RecordCount(), 0);
    QCOMPARE(Missing(kStockListColumns, FieldTypes(*news)), QStringList());
    QCOMPARE((*client)->KampanyaliVer2(99, 3)->RecordCount(), 0);
}

void TestOrdersCatalogue::shouldSendItemPicturesWithTheirSize_data()
{
    QTest::addColumn<int>("stokno");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("item with a picture") << 1 << OrdersFixture::PictureOf(1);
    QTest::newRow("item without a picture") << 2 << QByteArray();
    QTest::newRow("unknown item") << 99 << QByteArray();
}

void TestOrdersCatalogue::shouldSendItemPicturesWithTheirSize()
{
    QFETCH(int, stokno);
    QFETCH(QByteArray, bytes);
    auto client = m_fixture->Connect();
    qint64 boy = -1;
    platform::MemoryStream *stream = (*client)->ResimVer5(stokno, boy);
    QCOMPARE(boy, qint64(bytes.size()));
    QCOMPARE(platform::ReadAllInPieces(*stream), bytes);
}

void TestOrdersCatalogue::shouldPriceTheMobileStockObjects()
{
    auto client = m_fixture->Connect();
    TMobilStok *item = (*client)->MobilStokNoAra(1, OrdersFixture::Session(1, 1));
    QVERIFY(item);
    QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5")
                 .arg(item->Kod())
                 .arg(item->Isk1())
                 .arg(item->Isk2())
                 .arg(item->NetFiyat())
                 .arg(item->KDVliFiyat()),
             QStringLiteral("FR-1001|10|5|85.5|102.6"));
    QVERIFY(!(*client)->MobilStokNoAra(99, OrdersFixture::Session(1, 1)));

    TMobilStoklar *found =
        (*client)->MobilStokara(QStringLiteral("FR"), OrdersFixture::Session(2, 2), 1, 1);
    QCOMPARE(found->Count(), 1);
    QCOMPARE(found->At(0)->Kod(), QStringLiteral("FR-10015"));
}

QTEST_GUILESS_MAIN(TestOrdersCatalogue)
#include "test_orders_catalogue.moc"
