// Orders through the client's proxy: the selected basket lines becoming one order in one
// transaction, the order lists and footer, open balances and their changes, and the demo data.

#include "ordersfixture.h"

#include "appserver/orders/ordersdemo.h"
#include "platform/error.h"

#include <QSqlRecord>
#include <QtTest>
#include <functional>

// One call through the proxy, reduced to a text that two equal answers share.
using Fetch = std::function<QString(TServerMethods1Client &)>;
Q_DECLARE_METATYPE(Fetch)

class TestOrdersOrders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldTurnTheSelectedLinesIntoOneOrder();
    void shouldAnswerFalseWhenNothingIsSelected();
    void shouldLeaveEverythingAsItWasWhenALineCannotBeSaved();
    void shouldRefuseBadOrdersWithoutChangingAnything_data();
    void shouldRefuseBadOrdersWithoutChangingAnything();
    void shouldShowACustomerOnlyItsOwnOrders();
    void shouldSendTheOrderFooter();
    void shouldListTheOrderLinesOfOneItemOrOfAll();
    void shouldChangeOnlyOpenBalancesThatMatch_data();
    void shouldChangeOnlyOpenBalancesThatMatch();
    void shouldSeedOrdersInEveryStateFromTheSeed();
    void shouldAnswerTheOlderVariantsLikeTheCurrentMethods_data();
    void shouldAnswerTheOlderVariantsLikeTheCurrentMethods();

private:
    // Puts the lines into C001's basket as its own user, selects them and sends the order.
    // Returns the new order's number.
    int PlaceOrder(const QList<QPair<int, double>> &lines, const QString &note = QString());
    int AddLine(int stokno, double quantity, bool selected);
    QString Basket();

    std::unique_ptr<OrdersFixture> m_fixture;
};

namespace {

const QStringList kLineFields = {"MIKTAR",     "TESLIMEDILEN",  "KALAN",
                                 "BIRIMFIYAT", "INDIRIMORANI1", "INDIRIMORANI2",
                                 "TUTAR",      "NETTUTAR",      "ILKFIYAT"};

const QStringList kOrderLineColumns = {"VERILISTARIHI:DateTime",
                                       "BARKOD:String",
                                       "FINISHKOD:String",
                                       "OEMNO:String",
                                       "STOKADI:String",
                                       "MIKTAR:Float",
                                       "BIRIMFIYAT:Float",
                                       "TUTAR:Float",
                                       "INDIRIMYAZI:String",
                                       "NETBIRIMFIYAT:Float",
                                       "KDV:Float",
                                       "VERGITUTARI:Float",
                                       "NETTUTAR:Float",
                                       "VEREN:String",
                                       "TESLIMEDILEN:Float",
                                       "KALAN:Float",
                                       "SIRANO:Integer",
                                       "SIPARISNO:Integer",
                                       "CARINO:Integer",
                                       "TARIH:Date",
                                       "STOKNO:Integer",
                                       "INDIRIMORANI1:Float",
                                       "INDIRIMORANI4:Float",
                                       "INDIRIMTUTAR:Float",
                                       "IDNO:Integer",
                                       "ACIKLAMA:String",
                                       "STOK_STOKNO:Integer",
                                       "MARKA:String",
                                       "MODEL:String",
                                       "ILKFIYAT:Float",
                                       "STOKHAR_NO:Integer",
                                       "ALINANSIPARIS:Float",
                                       "VERILENSIPARIS:Float",
                                       "ELDEKI:Float",
                                       "DURUM:Integer",
                                       "TESLIM:String",
                                       "KARGO:String"};

QStringList Missing(const QStringList &wanted, const QStringList &actual)
{
    QStringList missing;
    for (const QString &column : wanted)
        if (!actual.contains(column))
            missing << column;
    return missing;
}

QString FooterText(const TSiparisDipAyrinti &d)
{
    return QStringList{d.Durumu(), d.TeslimCinsi(), d.KargoCinsi(), d.Kargo(),
                       d.Veren(),  d.SizinMesaj(),  d.BizimMesaj(), d.SaticiNotu()}
        .join(QLatin1Char('|'));
}

// Every row of the order tables, for comparing two databases.
QString Dump(appserver::Database &db)
{
    QStringList rows;
    for (const char *sql :
         {"SELECT cari_id, veren_id, tarih, durum, teslim_id, kargo_id, kargofirma_id, aciklama,"
          " bizimmesaj, saticinotu, tutar, nettutar, kdvlitutar FROM siparis ORDER BY id",
          "SELECT siparis_id, stok_id, miktar, teslimedilen, birimfiyat, nettutar FROM "
          "siparis_satir"
          " ORDER BY id",
          "SELECT cari_id, stok_id, miktar, sec, nettutar FROM sepet ORDER BY id"}) {
        QSqlQuery q = db.Exec(QString::fromLatin1(sql));
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            rows << cells.join(QLatin1Char('|'));
        }
    }
    return rows.join(QLatin1Char('\n'));
}

} // namespace

void TestOrdersOrders::init()
{
    m_fixture = std::make_unique<OrdersFixture>();
}

void TestOrdersOrders::cleanup()
{
    m_fixture.reset();
}

int TestOrdersOrders::AddLine(int stokno, double quantity, bool selected)
{
    auto client = m_fixture->Connect();
    (*client)->SepetEkle2(OrdersFixture::Session(1, 1), 1, stokno, QString(), QString(), quantity,
                          20, 0, 0, 1, 0, 0, 0, 0);
    const int sirano =
        m_fixture->Db()
            .Scalar(QStringLiteral("SELECT id FROM sepet WHERE cari_id = 1 AND stok_id = ?"),
                    {stokno})
            .toInt();
    (*client)->SepetSecimGuncelle(sirano, selected ? 1 : 0);
    return sirano;
}

int TestOrdersOrders::PlaceOrder(const QList<QPair<int, double>> &lines, const QString &note)
{
    for (const auto &[stokno, quantity] : lines)
        AddLine(stokno, quantity, true);
    auto client = m_fixture->Connect();
    if (!(*client)->SiparisKaydet(OrdersFixture::Session(1, 1), 1, 1, 1, note, 1, 1))
        return -1;
    return m_fixture->Db().Scalar(QStringLiteral("SELECT MAX(id) FROM siparis")).toInt();
}

QString TestOrdersOrders::Basket()
{
    auto client = m_fixture->Connect();
    platform::DataSet *basket = (*client)->SepetVer2(1);
    QStringList lines;
    for (int row = 0; row < basket->RecordCount(); ++row)
        lines << RowText(*basket, row, {"SIRANO", "BARKOD", "SEC", "MIKTAR", "NETTUTAR"});
    return lines.join(QLatin1Char(';'));
}

void TestOrdersOrders::shouldTurnTheSelectedLinesIntoOneOrder()
{
    const int first = AddLine(1, 3, true);
    AddLine(5, 1, false);
    const int second = AddLine(2, 4, true);
    const QString unselected = QStringLiteral("%1|FR-10015|0|1.00|8.55").arg(first + 1);
    auto client = m_fixture->Connect();
    QVERIFY((*client)->SiparisKaydet(OrdersFixture::Session(1, 1), 1, 1, 1,
                                     QStringLiteral("Acil gönderin"), 1, 1));

    QCOMPARE(Basket(), unselected);
    platform::DataSet *orders = (*client)->OncekiSiparisler(1);
    QCOMPARE(orders->RecordCount(), 1);
    QCOMPARE(RowText(*orders, 0,
                     {"CARINO", "TESLIM", "KARGO", "KARGOADI", "VEREN", "DURUM", "TUTAR",
                      "INDIRIMTUTAR", "NETTUTAR", "VERGI", "VERENINNOTU", "ALANNOTU"}),
             QStringLiteral("1|Kargo ile Teslim|Alıcı Ödemeli|Anlaşmalı Kargo|YILDIZ|Alındı|"
                            "482.00|69.89|412.11|82.41|Acil gönderin|"));
    QCOMPARE(orders->FieldByName(QStringLiteral("TARIH")).DataType(),
             platform::FieldType::DateTime);
    QCOMPARE(orders->FieldByName(QStringLiteral("IDNO")).DataType(), platform::FieldType::Integer);

    const int idno = int(orders->FieldByName(QStringLiteral("IDNO")).IntAt(0));
    platform::DataSet *lines = (*client)->SiparisAyrintisi2(1, idno);
    QCOMPARE(Missing(kOrderLineColumns, FieldTypes(*lines)), QStringList());
    QCOMPARE(
        RowText(*lines, 0,
                {"SIRANO", "BARKOD", "MIKTAR", "TESLIMEDILEN", "KALAN", "NETTUTAR", "INDIRIMYAZI"}),
        QStringLiteral("%1|FR-1001|3.00|0.00|3.00|256.50|10+5").arg(first));
    QCOMPARE(
        RowText(*lines, 1,
                {"SIRANO", "BARKOD", "MIKTAR", "TESLIMEDILEN", "KALAN", "NETTUTAR", "INDIRIMYAZI"}),
        QStringLiteral("%1|YG-2002|4.00|0.00|4.00|155.61|10+5").arg(second));
    QCOMPARE(lines->RecordCount(), 2);
}

void TestOrdersOrders::shouldAnswerFalseWhenNothingIsSelected()
{
    auto client = m_fixture->Connect();
    QVERIFY(!(*client)->SiparisKaydet(OrdersFixture::Session(1, 1), 1, 1, 1, QString(), 1, 1));
    AddLine(1, 3, false);
    AddLine(2, 1, false);
    const QString before = Basket();
    QVERIFY(!(*client)->SiparisKaydet(OrdersFixture::Session(1, 1), 1, 1, 1, QString(), 1, 1));
    QCOMPARE(Basket(), before);
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis")), 0);
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis_satir")), 0);
}

void TestOrdersOrders::shouldLeaveEverythingAsItWasWhenALineCannotBeSaved()
{
    AddLine(1, 3, true);
    AddLine(2, 4, true);
    AddLine(5, 1, true);
    const QString before = Basket();
    // The second line of the order fails to save, after the order and its first line are written.
    if (m_fixture->IsSqlite()) {
        m_fixture->Db().Exec(
            QStringLiteral("CREATE TRIGGER kirik BEFORE INSERT ON siparis_satir"
                           " WHEN NEW.stok_id = 2 BEGIN SELECT RAISE(ABORT, 'disk dolu'); END"));
    } else {
        m_fixture->Db().Exec(
            QStringLiteral("CREATE FUNCTION kirik() RETURNS trigger AS $$ BEGIN"
                           " IF NEW.stok_id = 2 THEN RAISE EXCEPTION 'disk dolu'; END IF;"
                           " RETURN NEW; END $$ LANGUAGE plpgsql"));
        m_fixture->Db().Exec(QStringLiteral("CREATE TRIGGER kirik BEFORE INSERT ON siparis_satir"
                                            " FOR EACH ROW EXECUTE FUNCTION kirik()"));
    }
    auto client = m_fixture->Connect();
    QVERIFY_THROWS_EXCEPTION(platform::Error, (*client)->SiparisKaydet(OrdersFixture::Session(1, 1),
                                                                       1, 1, 1, QString(), 1, 1));
    QCOMPARE(Basket(), before);
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis")), 0);
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis_satir")), 0);

    // Once the fault is gone the same basket goes through whole.
    m_fixture->Db().Exec(m_fixture->IsSqlite()
                             ? QStringLiteral("DROP TRIGGER kirik")
                             : QStringLiteral("DROP TRIGGER kirik ON siparis_satir"));
    QVERIFY((*client)->SiparisKaydet(OrdersFixture::Session(1, 1), 1, 1, 1, QString(), 1, 1));
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis_satir")), 3);
    QCOMPARE(Basket(), QString());
}

void TestOrdersOrders::shouldRefuseBadOrdersWithoutChangingAnything_data()
{
    QTest::addColumn<bool>("withSession");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("verenid");
    QTest::addColumn<int>("teslim");
    QTest::addColumn<int>("kargo");
    QTest::addColumn<int>("kargoyeni");
    QTest::addColumn<int>("noteLength");
    QTest::addColumn<QString>("error");
    QTest::newRow("overlong note") << true << 1 << 1 << 1 << 1 << 1 << 1001 << "at most 1000";
    QTest::newRow("unknown delivery kind")
        << true << 1 << 1 << 9 << 1 << 1 << 0 << "Delivery kind 9";
    QTest::newRow("unknown cargo kind") << true << 1 << 1 << 1 << 9 << 1 << 0 << "Cargo kind 9";
    QTest::newRow("unknown cargo company")
        << true << 1 << 1 << 1 << 1 << 9 << 0 << "Cargo company 9";
    QTest::newRow("another customer than the session's")
        << true << 2 << 1 << 1 << 1 << 1 << 0 << "is not the customer";
    QTest::newRow("another user than the session's")
        << true << 1 << 3 << 1 << 1 << 1 << 0 << "is not the user";
    QTest::newRow("no session record")
        << false << 1 << 1 << 1 << 1 << 1 << 0 << "session record is missing";
}

void TestOrdersOrders::shouldRefuseBadOrdersWithoutChangingAnything()
{
    QFETCH(bool, withSession);
    QFETCH(int, carino);
    QFETCH(int, verenid);
    QFETCH(int, teslim);
    QFETCH(int, kargo);
    QFETCH(int, kargoyeni);
    QFETCH(int, noteLength);
    QFETCH(QString, error);
    AddLine(1, 3, true);
    const QString before = Basket();
    auto client = m_fixture->Connect();
    try {
        (*client)->SiparisKaydet(withSession ? OrdersFixture::Session(1, 1) : nullptr, carino,
                                 teslim, kargo, QString(noteLength, QLatin1Char('n')), verenid,
                                 kargoyeni);
        QFAIL("the order was accepted");
    } catch (const platform::Error &e) {
        QVERIFY2(e.Message().contains(error), qPrintable(e.Message()));
    }
    QCOMPARE(Basket(), before);
    QCOMPARE(m_fixture->Count(QStringLiteral("siparis")), 0);
}

void TestOrdersOrders::shouldShowACustomerOnlyItsOwnOrders()
{
    const int idno = PlaceOrder({{1, 3}}, QStringLiteral("not"));
    auto client = m_fixture->Connect();
    QCOMPARE((*client)->OncekiSiparisler(2)->RecordCount(), 0);
    QCOMPARE((*client)->SiparisAyrintisi2(2, idno)->RecordCount(), 0);
    QCOMPARE((*client)->SiparisAyrintisi2(1, idno)->RecordCount(), 1);
    QCOMPARE(FooterText(*(*client)->SiparisAytintisiDip(2, idno)), QStringLiteral("|||||||"));
    QCOMPARE((*client)->SiparisAytintisiDip(0, idno)->SizinMesaj(), QStringLiteral("not"));
}

void TestOrdersOrders::shouldSendTheOrderFooter()
{
    const int idno = PlaceOrder({{1, 3}}, QStringLiteral("Acil"));
    m_fixture->Db().Exec(QStringLiteral("UPDATE siparis SET durum = 6, teslim_id = 2, kargo_id = 2,"
                                        " kargofirma_id = 3, bizimmesaj = 'Yolda',"
                                        " saticinotu = '  Aradım ' WHERE id = ?"),
                         {idno});
    auto client = m_fixture->Connect();
    QCOMPARE(FooterText(*(*client)->SiparisAytintisiDip(0, idno)),
             QStringLiteral("Sevk Edildi|Depodan Teslim|Gönderici Ödemeli|Firma Aracı|YILDIZ|Acil|"
                            "Yolda|  Aradım "));
    QCOMPARE(FooterText(*(*client)->SiparisAytintisiDip(0, idno + 1)), QStringLiteral("|||||||"));
    QCOMPARE(ColumnText(*(*client)->OncekiSiparisler(1), QStringLiteral("DURUM")),
             QStringLiteral("Sevk Edildi"));
}

void TestOrdersOrders::shouldListTheOrderLinesOfOneItemOrOfAll()
{
    const int older = PlaceOrder({{1, 3}, {2, 4}});
    const int newer = PlaceOrder({{1, 2}});
    auto client = m_fixture->Connect();
    platform::DataSet *all = (*client)->TumSiparislerVer(1, 0);
    QCOMPARE(Missing(kOrderLineColumns, FieldTypes(*all)), QStringList());
    QCOMPARE(ColumnText(*all, QStringLiteral("IDNO")),
             QStringLiteral("%1|%2|%2").arg(newer).arg(older));
    platform::DataSet *one = (*client)->TumSiparislerVer(1, 1);
    QCOMPARE(ColumnText(*one, QStringLiteral("MIKTAR")), QStringLiteral("2.00|3.00"));
    QCOMPARE(RowText(*one, 0, {"ELDEKI", "DURUM", "ILKFIYAT"}), QStringLiteral("7.00|1|100.00"));
    QCOMPARE((*client)->TumSiparislerVer(2, 0)->RecordCount(), 0);
}

void TestOrdersOrders::shouldChangeOnlyOpenBalancesThatMatch_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("carino");
    QTest::addColumn<QString>("line");    // "open", "delivered" or "unknown"
    QTest::addColumn<int>("siranoShift"); // added to the line's SIRANO
    QTest::addColumn<int>("stokno");      // -1: the line's own
    QTest::addColumn<double>("value");    // the new balance, or the new price
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("result");    // -1: refused with an error
    QTest::addColumn<QString>("after"); // the open line afterwards
    QTest::addColumn<QString>("orderTotal");

    const QString unchanged = "3.00|1.00|2.00|100.00|10.00|5.00|300.00|256.50|100.00";
    QTest::newRow("delete the balance")
        << "BakiyeDuzenle" << 1 << 1 << "open" << 0 << -1 << 0.0 << 0.0 << 1
        << "1.00|1.00|0.00|100.00|10.00|5.00|100.00|85.50|100.00"
        << "282.00";
    QTest::newRow("set the balance to 5")
        << "BakiyeDegistir" << 1 << 1 << "open" << 0 << -1 << 5.0 << 0.0 << 1
        << "6.00|1.00|5.00|100.00|10.00|5.00|600.00|513.00|100.00"
        << "782.00";
    QTest::newRow("price and discount by price authority")
        << "BakiyeFiyatDegistir" << 4 << 1 << "open" << 0 << 0 << 90.0 << 10.0 << 1
        << "3.00|1.00|2.00|90.00|10.00|0.00|270.00|243.00|100.00"
        << "452.00";
    QTest::newRow("a negative discount counts as none")
        << "BakiyeFiyatDegistir" << 4 << 1 << "open" << 0 << 0 << 90.0 << -5.0 << 1
        << "3.00|1.00|2.00|90.00|0.00|0.00|270.00|270.00|100.00"
        << "452.00";

    QTest::newRow("another customer's line") << "BakiyeDuzenle" << 2 << 2 << "open" << 0 << -1
                                             << 0.0 << 0.0 << 0 << unchanged << "482.00";
    QTest::newRow("basket number does not match") << "BakiyeDuzenle" << 1 << 1 << "open" << 1000
                                                  << -1 << 0.0 << 0.0 << 0 << unchanged << "482.00";
    QTest::newRow("item does not match") << "BakiyeDegistir" << 1 << 1 << "open" << 0 << 2 << 5.0
                                         << 0.0 << 0 << unchanged << "482.00";
    QTest::newRow("a line delivered in full") << "BakiyeDegistir" << 1 << 1 << "delivered" << 0
                                              << -1 << 5.0 << 0.0 << 0 << unchanged << "482.00";
    QTest::newRow("unknown line") << "BakiyeDuzenle" << 1 << 1 << "unknown" << 0 << 0 << 0.0 << 0.0
                                  << 0 << unchanged << "482.00";

    QTest::newRow("balance 0") << "BakiyeDegistir" << 1 << 1 << "open" << 0 << -1 << 0.0 << 0.0
                               << -1 << unchanged << "482.00";
    QTest::newRow("huge balance") << "BakiyeDegistir" << 1 << 1 << "open" << 0 << -1 << 20000.0
                                  << 0.0 << -1 << unchanged << "482.00";
    QTest::newRow("price change by a customer") << "BakiyeFiyatDegistir" << 1 << 1 << "open" << 0
                                                << 0 << 90.0 << 10.0 << -1 << unchanged << "482.00";
    QTest::newRow("price change by a salesperson without authority")
        << "BakiyeFiyatDegistir" << 3 << 1 << "open" << 0 << 0 << 90.0 << 10.0 << -1 << unchanged
        << "482.00";
    QTest::newRow("price 0") << "BakiyeFiyatDegistir" << 4 << 1 << "open" << 0 << 0 << 0.0 << 10.0
                             << -1 << unchanged << "482.00";
    QTest::newRow("discount above 100") << "BakiyeFiyatDegistir" << 4 << 1 << "open" << 0 << 0
                                        << 90.0 << 150.0 << -1 << unchanged << "482.00";
}

void TestOrdersOrders::shouldChangeOnlyOpenBalancesThatMatch()
{
    QFETCH(QString, command);
    QFETCH(int, user);
    QFETCH(int, carino);
    QFETCH(QString, line);
    QFETCH(int, siranoShift);
    QFETCH(int, stokno);
    QFETCH(double, value);
    QFETCH(double, rate);
    QFETCH(int, result);
    QFETCH(QString, after);
    QFETCH(QString, orderTotal);

    const int idno = PlaceOrder({{1, 3}, {2, 4}});
    m_fixture->Db().Exec(QStringLiteral("UPDATE siparis_satir SET teslimedilen = CASE stok_id"
                                        " WHEN 1 THEN 1 ELSE 4 END"));
    auto client = m_fixture->Connect();
    platform::DataSet *balances = (*client)->BakiyelerVer2(1);
    QCOMPARE(RowText(*balances, 0, {"BARKOD", "MIKTAR", "TESLIMEDILEN", "KALAN"}),
             QStringLiteral("FR-1001|3.00|1.00|2.00"));
    QCOMPARE(balances->RecordCount(), 1);

    const int openLine =
        m_fixture->Db()
            .Scalar(QStringLiteral("SELECT id FROM siparis_satir WHERE stok_id = 1"))
            .toInt();
    const int deliveredLine =
        m_fixture->Db()
            .Scalar(QStringLiteral("SELECT id FROM siparis_satir WHERE stok_id = 2"))
            .toInt();
    const int stokhar = line == QLatin1String("open")        ? openLine
                        : line == QLatin1String("delivered") ? deliveredLine
                                                             : 999;
    const int sirano =
        m_fixture->Db()
            .Scalar(QStringLiteral("SELECT sepet_sirano FROM siparis_satir WHERE id = ?"),
                    {stokhar})
            .toInt() +
        siranoShift;
    const int stok = stokno >= 0 ? stokno : (line == QLatin1String("delivered") ? 2 : 1);

    int answer = -1;
    try {
        auto session = OrdersFixture::Session(carino, user);
        if (command == QLatin1String("BakiyeDuzenle"))
            answer = (*client)->BakiyeDuzenle(std::move(session), stok, sirano, stokhar, 3, 2,
                                              QStringLiteral("FR-1001"));
        else if (command == QLatin1String("BakiyeDegistir"))
            answer = (*client)->BakiyeDegistir(std::move(session), stok, sirano, stokhar, value,
                                               value, QStringLiteral("FR-1001"));
        else
            answer = (*client)->BakiyeFiyatDegistir(std::move(session), stok, sirano, stokhar, 3, 3,
                                                    QStringLiteral("FR-1001"), value, rate);
    } catch (const platform::Error &) {
        answer = -1;
    }
    QCOMPARE(answer, result);

    platform::DataSet *lines = (*client)->SiparisAyrintisi2(1, idno);
    QVERIFY(lines->Locate(QStringLiteral("STOKNO"), 1));
    QCOMPARE(RowText(*lines, lines->Row(), kLineFields), after);
    QCOMPARE(ColumnText(*(*client)->OncekiSiparisler(1), QStringLiteral("TUTAR")), orderTotal);
}

void TestOrdersOrders::shouldSeedOrdersInEveryStateFromTheSeed()
{
    appserver::Database &db = m_fixture->Db();
    appserver::SeedOrdersDemo(db, 7, QDate(2026, 12, 11));
    QCOMPARE(db.Scalar(QStringLiteral("SELECT COUNT(DISTINCT durum) FROM siparis")).toInt(), 6);
    QVERIFY(
        db.Scalar(QStringLiteral("SELECT COUNT(*) FROM siparis_satir WHERE miktar > teslimedilen"))
            .toInt() > 0);
    QVERIFY(db.Scalar(QStringLiteral("SELECT COUNT(*) FROM siparis_satir WHERE teslimedilen > 0"))
                .toInt() > 0);
    // Every order's totals are its lines' sums.
    QCOMPARE(db.Scalar(QStringLiteral("SELECT COUNT(*) FROM siparis o WHERE ABS(o.nettutar -"
                                      " (SELECT COALESCE(SUM(x.nettutar), 0) FROM siparis_satir x"
                                      " WHERE x.siparis_id = o.id)) > 0.005"))
                 .toInt(),
             0);
    QCOMPARE(
        db.Scalar(QStringLiteral("SELECT COUNT(*) FROM siparis_satir WHERE teslimedilen > miktar"))
            .toInt(),
        0);

    const QString seeded = Dump(db);
    appserver::SeedOrdersDemo(db, 7, QDate(2026, 12, 11));
    QCOMPARE(Dump(db), seeded); // a second run adds nothing

    OrdersFixture other;
    appserver::SeedOrdersDemo(other.Db(), 7, QDate(2026, 12, 11));
    QCOMPARE(Dump(other.Db()), seeded);
    OrdersFixture third;
    appserver::SeedOrdersDemo(third.Db(), 8, QDate(2026, 12, 11));
    QVERIFY(Dump(third.Db()) != seeded);

    // The seeded balances are served like any other.
    auto client = m_fixture->Connect();
    QVERIFY((*client)->BakiyelerVer2(1)->RecordCount() +
                (*client)->BakiyelerVer2(2)->RecordCount() +
                (*client)->BakiyelerVer2(3)->RecordCount() >
            0);
}

void TestOrdersOrders::shouldAnswerTheOlderVariantsLikeTheCurrentMethods_data()
{
    QTest::addColumn<Fetch>("older");
    QTest::addColumn<Fetch>("current");
    const auto rows = [](platform::DataSet *table, const QStringList &fields) {
        QStringList lines;
        for (int row = 0; row < table->RecordCount(); ++row)
            lines << RowText(*table, row, fields);
        return QString::number(table->RecordCount()) + QLatin1Char(':') +
               lines.join(QLatin1Char(';'));
    };
    const QStringList stock = {"BARKOD", "FIYAT", "NETFIYAT", "INDIRIMYAZI"};
    const QStringList lines = {"SIRANO", "BARKOD", "MIKTAR", "KALAN", "NETTUTAR"};
    QTest::newRow("StokAra") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.StokAra(QStringLiteral("FR"), QStringLiteral("1"), 3), stock);
    }) << Fetch([=](TServerMethods1Client &p) {
        return rows(p.StokAraGetir(QStringLiteral("FR"), OrdersFixture::Session(1, 1)), stock);
    });
    QTest::newRow("YenilerVer") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.YenilerVer(1), stock);
    }) << Fetch([=](TServerMethods1Client &p) { return rows(p.YenilerVer2(1), stock); });
    QTest::newRow("KampanyaliVer")
        << Fetch([=](TServerMethods1Client &p) { return rows(p.KampanyaliVer(1, 3), stock); })
        << Fetch([=](TServerMethods1Client &p) { return rows(p.KampanyaliVer2(1, 3), stock); });
    QTest::newRow("SepetVer") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.SepetVer(1), lines.mid(0, 3));
    }) << Fetch([=](TServerMethods1Client &p) { return rows(p.SepetVer2(1), lines.mid(0, 3)); });
    QTest::newRow("OncekiSiparisler2") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.OncekiSiparisler2(1), {"IDNO", "TUTAR"});
    }) << Fetch([=](TServerMethods1Client &p) {
        return rows(p.OncekiSiparisler(1), {"IDNO", "TUTAR"});
    });
    QTest::newRow("Oncekiler") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.Oncekiler(1), {"IDNO", "TUTAR"});
    }) << Fetch([=](TServerMethods1Client &p) {
        return rows(p.OncekiSiparisler(1), {"IDNO", "TUTAR"});
    });
    QTest::newRow("SiparisAyrintisi")
        << Fetch([=](TServerMethods1Client &p) { return rows(p.SiparisAyrintisi(1, 1), lines); })
        << Fetch([=](TServerMethods1Client &p) { return rows(p.SiparisAyrintisi2(1, 1), lines); });
    QTest::newRow("BakiyelerVer") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.BakiyelerVer(1), lines);
    }) << Fetch([=](TServerMethods1Client &p) { return rows(p.BakiyelerVer2(1), lines); });
    QTest::newRow("TeslimVer") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.TeslimVer(), {"ID", "ADI"});
    }) << Fetch([](TServerMethods1Client &) {
        return QStringLiteral("3:1|Kargo ile Teslim;2|Depodan Teslim;3|Firma Aracı ile Teslim");
    });
    QTest::newRow("KargoVer") << Fetch([=](TServerMethods1Client &p) {
        return rows(p.KargoVer(), {"ID", "ADI"});
    }) << Fetch([](TServerMethods1Client &) {
        return QStringLiteral("2:1|Alıcı Ödemeli;2|Gönderici Ödemeli");
    });
}

void TestOrdersOrders::shouldAnswerTheOlderVariantsLikeTheCurrentMethods()
{
    QFETCH(Fetch, older);
    QFETCH(Fetch, current);
    QCOMPARE(PlaceOrder({{1, 3}, {2, 4}}), 1);
    AddLine(5, 2, false);
    auto client = m_fixture->Connect();
    const QString expected = current(*client->proxy);
    QVERIFY(!expected.startsWith(QLatin1String("0:")));
    QCOMPARE(older(*client->proxy), expected);
}

QTEST_GUILESS_MAIN(TestOrdersOrders)
#include "test_orders_orders.moc"
