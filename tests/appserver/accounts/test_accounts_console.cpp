// Sign-in, the tab counters and the salesperson's console through the client's proxy over
// HTTP: the session record per computer, counters from baskets and order states, customer
// lists per user, report documents and list reports, and what a bad session record gets.

#include "accountsfixture.h"

#include "appserver/data/database.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/daynumber.h"
#include "platform/error.h"
#include "platform/stream.h"
#include "server/proxim.h"
#include "session/baglantiu.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QtTest>
#include <functional>

using Call = std::function<void(TServerMethods1Client &, std::unique_ptr<TSonucBilgisi>)>;
Q_DECLARE_METATYPE(Call)

namespace {

QString Column(const platform::DataSet &table, const QString &name)
{
    QStringList values;
    const platform::Field &f = table.FieldByName(name);
    for (int row = 0; row < table.RecordCount(); ++row)
        values << (f.DataType() == platform::FieldType::Float
                       ? QString::number(f.FloatAt(row), 'f', 2)
                       : f.StringAt(row));
    return values.join(QLatin1Char(','));
}

QString Counters(const TTusSonuclari &c)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(c.Alindi())
        .arg(c.Onaylandi())
        .arg(c.Goruldu())
        .arg(c.ParcaliHazirlandi())
        .arg(c.Hazirlandi())
        .arg(c.SevkEdildi());
}

double DayNumber(int back)
{
    return platform::DateToDayNumber(QDate::currentDate().addDays(-back));
}

} // namespace

class TestAccountsConsole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldSignInRegisteredComputer();
    void shouldAnswerUnknownComputerWithEmptyRecordAndRememberIt();
    void shouldOfferVersionOfSettings();
    void shouldCountTabBalloons_data();
    void shouldCountTabBalloons();
    void shouldCountOpeningAdvertsAsAnnouncements();
    void shouldGiveTabCountersAsOutputsByCustomerNumber();
    void shouldCountCustomersByBasketAndOrderState_data();
    void shouldCountCustomersByBasketAndOrderState();
    void shouldSearchCustomersTheUserMaySee_data();
    void shouldSearchCustomersTheUserMaySee();
    void shouldGiveCustomerColumnsThePickerReads();
    void shouldListCustomersOfEachBoardButton_data();
    void shouldListCustomersOfEachBoardButton();
    void shouldSendReportDocumentsWhole_data();
    void shouldSendReportDocumentsWhole();
    void shouldRefuseReportsBeyondTheUser_data();
    void shouldRefuseReportsBeyondTheUser();
    void shouldListReceivedOrdersOfRange();
    void shouldListBestSellingItemsWithReturnsSubtracted();
    void shouldRefuseBadSessionRecord_data();
    void shouldRefuseBadSessionRecord();

private:
    std::unique_ptr<AccountsFixture> m_fixture;
    std::unique_ptr<platform::Connection> m_connection;
    std::unique_ptr<TServerMethods1Client> m_proxy;
    TServerMethods1Client &Proxy() { return *m_proxy; }
    std::unique_ptr<TSonucBilgisi> Session(const char *machine, int customer = 0)
    {
        return m_fixture->Session(QLatin1String(machine), customer);
    }
};

void TestAccountsConsole::initTestCase()
{
    m_fixture = std::make_unique<AccountsFixture>();
    m_connection = std::make_unique<platform::Connection>(m_fixture->Connection());
    m_connection->Open();
    m_proxy = std::make_unique<TServerMethods1Client>(m_connection.get());
}

void TestAccountsConsole::cleanupTestCase()
{
    m_proxy.reset();
    m_connection.reset();
    m_fixture.reset();
}

void TestAccountsConsole::shouldSignInRegisteredComputer()
{
    const TSonucBilgisi *s = Proxy().BuyukGetir(QStringLiteral("PC-BAYI"));
    QVERIFY(s);
    QCOMPARE(QStringList({s->BILGISAYARID(), s->ADI(), s->SIFRE(), QString::number(s->AKTIF()),
                          QString::number(s->MusteriTipi()), QString::number(s->Sirano()),
                          s->Kullanicimail(), QString::number(s->CARINO()), s->carikod(),
                          s->CariAdi(), QString::number(s->SaticiNo()), s->SaticiAdi(),
                          s->SaticiMail(), s->SaticiTelefon(), QString::number(s->Varmi()),
                          QString::number(s->Version())})
                 .join(QLatin1Char('|')),
             QStringLiteral("PC-BAYI|BAYI|SIFRE1|1|0|10|bayi@oz.example|1|120.01.001|ÖZ KARDEŞLER "
                            "OTO|1|AHMET SATICI|"
                            "ahmet@dorvena.example|0212 555 0001|1|7"));
    // An inactive account is known, and says so.
    const TSonucBilgisi *inactive = Proxy().BuyukGetir(QStringLiteral("PC-PASIF"));
    QCOMPARE(inactive->Varmi(), true);
    QCOMPARE(inactive->AKTIF(), 0);
}

void TestAccountsConsole::shouldAnswerUnknownComputerWithEmptyRecordAndRememberIt()
{
    const qint64 before = m_fixture->Count(QStringLiteral("access_request"));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const QByteArray frame =
            m_connection->Call(QStringLiteral("BuyukGetir"), R"({"_parameters":["PC-YABANCI"]})");
        const QJsonObject fields = QJsonDocument::fromJson(frame)
                                       .object()
                                       .value(QStringLiteral("result"))
                                       .toArray()
                                       .at(0)
                                       .toObject()
                                       .value(QStringLiteral("fields"))
                                       .toObject();
        QCOMPARE(fields.size(), 20);
        for (auto it = fields.begin(); it != fields.end(); ++it)
            QVERIFY2(!it.value().isNull(), qPrintable(it.key()));
        QCOMPARE(fields.value(QStringLiteral("FVarmi")), QJsonValue(false));
        QCOMPARE(fields.value(QStringLiteral("FADI")), QJsonValue(QString()));
        QCOMPARE(fields.value(QStringLiteral("FSIFRE")), QJsonValue(QString()));
        QCOMPARE(fields.value(QStringLiteral("FCARINO")), QJsonValue(0));
        QCOMPARE(fields.value(QStringLiteral("FVersion")), QJsonValue(7));
    }
    QCOMPARE(m_fixture->Count(QStringLiteral("access_request")), before + 1);
    QCOMPARE(m_fixture->Db()
                 .Scalar(QStringLiteral("SELECT adet FROM access_request WHERE bilgisayarid = ?"),
                         {QStringLiteral("PC-YABANCI")})
                 .toInt(),
             2);
    // Nothing worth remembering: an empty or an overlong identifier.
    QCOMPARE(Proxy().BuyukGetir(QString())->Varmi(), false);
    QCOMPARE(Proxy().BuyukGetir(QString(500, QLatin1Char('X')))->Varmi(), false);
    QCOMPARE(m_fixture->Count(QStringLiteral("access_request")), before + 1);
}

void TestAccountsConsole::shouldOfferVersionOfSettings()
{
    m_fixture->Db().Exec(
        QStringLiteral("INSERT INTO ayar (anahtar, deger) VALUES ('version', '8')"));
    const int offered = Proxy().BuyukGetir(QStringLiteral("PC-BAYI"))->Version();
    const int unknown = Proxy().BuyukGetir(QStringLiteral("PC-YOK"))->Version();
    m_fixture->Db().Exec(QStringLiteral("DELETE FROM ayar WHERE anahtar = 'version'"));
    QCOMPARE(offered, 8);
    QCOMPARE(unknown, 8);
    QCOMPARE(Proxy().BuyukGetir(QStringLiteral("PC-BAYI"))->Version(), 7);
}

void TestAccountsConsole::shouldCountTabBalloons_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("row");
    // Basket lines, new items, campaign items with a campaign price, announcements (no advert
    // table here), open back-order quantity.
    QTest::newRow("dealer") << "PC-BAYI" << 0 << "2 1 1 0 6.50";
    QTest::newRow("salesperson acting for own customer") << "PC-SATICI" << 2 << "0 1 1 0 9.00";
    QTest::newRow("salesperson naming another's customer") << "PC-SATICI" << 3 << "0 1 1 0 0.00";
    QTest::newRow("dealer naming another customer") << "PC-BAYI" << 3 << "0 1 1 0 0.00";
    QTest::newRow("manager acting for any customer") << "PC-YETKILI" << 3 << "1 1 1 0 4.00";
}

void TestAccountsConsole::shouldCountTabBalloons()
{
    QFETCH(QString, machine);
    QFETCH(int, customer);
    QFETCH(QString, row);
    const platform::DataSet *balloons = Proxy().BalonGetir(m_fixture->Session(machine, customer));
    QCOMPARE(ColumnList(*balloons),
             QStringLiteral(
                 "SEPET:Integer,YENI:Integer,KAMPANYALI:Integer,DUYURU:Integer,BAKIYE:Float"));
    QCOMPARE(balloons->RecordCount(), 1);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(balloons->Fields(0).IntAt(0))
                 .arg(balloons->Fields(1).IntAt(0))
                 .arg(balloons->Fields(2).IntAt(0))
                 .arg(balloons->Fields(3).IntAt(0))
                 .arg(balloons->Fields(4).FloatAt(0), 0, 'f', 2),
             row);
}

void TestAccountsConsole::shouldCountOpeningAdvertsAsAnnouncements()
{
    // The table belongs to the content module; here only its rows count. DDL runs unprepared.
    QSqlQuery ddl(m_fixture->Db().Handle());
    QVERIFY(ddl.exec(QStringLiteral(
        "CREATE TABLE acilis_reklam (id INTEGER PRIMARY KEY, sirano INTEGER NOT NULL)")));
    m_fixture->Db().Exec(
        QStringLiteral("INSERT INTO acilis_reklam (id, sirano) VALUES (1, 1), (2, 2), (3, 3)"));
    const platform::DataSet *balloons = Proxy().BalonGetir(Session("PC-BAYI"));
    const qint64 announcements = balloons->FieldByName(QStringLiteral("DUYURU")).IntAt(0);
    QVERIFY(ddl.exec(QStringLiteral("DROP TABLE acilis_reklam")));
    QCOMPARE(announcements, 3);
}

void TestAccountsConsole::shouldGiveTabCountersAsOutputsByCustomerNumber()
{
    int basket = -1, fresh = -1, campaign = -1, announcements = -1, backOrders = -1, files = -1;
    QCOMPARE(Proxy().BalonGetir2(1, basket, fresh, campaign, announcements, backOrders, files), 1);
    // The open back-order quantity of 6.5 travels as a whole number.
    QCOMPARE(QStringList({QString::number(basket), QString::number(fresh),
                          QString::number(campaign), QString::number(announcements),
                          QString::number(backOrders), QString::number(files)})
                 .join(QLatin1Char(' ')),
             QStringLiteral("2 1 1 0 7 0"));
    QCOMPARE(Proxy().BalonGetir2(-5, basket, fresh, campaign, announcements, backOrders, files), 1);
    QCOMPARE(basket + backOrders, 0);
}

void TestAccountsConsole::shouldCountCustomersByBasketAndOrderState_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("baskets");
    QTest::addColumn<QString>("states");
    // Received, approved, seen, partly prepared, prepared, shipped (lately: order G is too old).
    QTest::newRow("manager sees all") << "PC-YETKILI" << 2 << "2 1 0 1 0 1";
    QTest::newRow("salesperson sees own customers") << "PC-SATICI" << 1 << "2 0 0 1 0 1";
    QTest::newRow("dealer sees own account") << "PC-BAYI" << 1 << "1 0 0 0 0 1";
}

void TestAccountsConsole::shouldCountCustomersByBasketAndOrderState()
{
    QFETCH(QString, machine);
    QFETCH(int, baskets);
    QFETCH(QString, states);
    QCOMPARE(Proxy().SepetSayisi(m_fixture->Session(machine)), baskets);
    const TTusSonuclari *counters = Proxy().TusSonuclariVer(m_fixture->Session(machine));
    QVERIFY(counters);
    QCOMPARE(Counters(*counters), states);
}

void TestAccountsConsole::shouldSearchCustomersTheUserMaySee_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes");
    QTest::newRow("all for an empty text") << "PC-YETKILI"
                                           << ""
                                           << "120.01.001,120.01.002,120.01.003,120.01.004";
    QTest::newRow("blank text") << "PC-YETKILI"
                                << "   "
                                << "120.01.001,120.01.002,120.01.003,120.01.004";
    QTest::newRow("turkish letters folded") << "PC-YETKILI"
                                            << "oz kardes"
                                            << "120.01.001";
    QTest::newRow("dotted i as the client sends it") << "PC-YETKILI"
                                                     << "izmir"
                                                     << "120.01.001,120.01.004";
    QTest::newRow("every word must match") << "PC-YETKILI"
                                           << "izmir demir"
                                           << "120.01.004";
    QTest::newRow("by contact") << "PC-YETKILI"
                                << "şükrü"
                                << "120.01.001";
    QTest::newRow("by code") << "PC-YETKILI"
                             << "01.003"
                             << "120.01.003";
    QTest::newRow("salesperson: own customers") << "PC-SATICI"
                                                << ""
                                                << "120.01.001,120.01.002";
    QTest::newRow("salesperson: not another's") << "PC-SATICI"
                                                << "çelik"
                                                << "";
    QTest::newRow("dealer: own account only") << "PC-BAYI"
                                              << ""
                                              << "120.01.001";
    QTest::newRow("overlong text") << "PC-YETKILI" << QString(101, QLatin1Char('A')) << "";
    QTest::newRow("sql in text") << "PC-YETKILI"
                                 << "' OR 1=1 --"
                                 << "";
}

void TestAccountsConsole::shouldSearchCustomersTheUserMaySee()
{
    QFETCH(QString, machine);
    QFETCH(QString, text);
    QFETCH(QString, codes);
    const platform::DataSet *customers = Proxy().CariAra(m_fixture->Session(machine), text);
    QCOMPARE(Column(*customers, QStringLiteral("CARIKOD")), codes);
}

void TestAccountsConsole::shouldGiveCustomerColumnsThePickerReads()
{
    const platform::DataSet *customers = Proxy().CariAra(Session("PC-YETKILI"), QString());
    QCOMPARE(
        ColumnList(*customers),
        QStringLiteral(
            "CARIKOD:String,CARIADI:String,SATICISI:String,TLBAKIYE:Float,DURUM:String,CARINO:"
            "Integer,"
            "OZELKOD:String,KOD1:String,KOD2:String,KOD3:String,KOD4:String,KOD5:String,TEL1:"
            "String,"
            "TEL2:String,ILCE:String,IL:String,GSM:String,SEPET:Integer,YETKILI:String,INDIRIM:"
            "Float,"
            "VADE:Integer,VADEKONTROLGUN:Integer,VADEKONTROLAY:Integer,VERGIDAIRESI:String,"
            "VERGINO:String,ADRES1:String,ADRES2:String,ANAGRUP:String,ALTGRUP:String,FAX1:String,"
            "FAX2:String,EMAIL:String,ALINDI:Integer,ONAYLANDI:Integer,GORULDU:Integer,"
            "HAZIRLANDI:Integer,PARCALIHAZIRLANDI:Integer,SEVKEDILDI:Integer"));
    QCOMPARE(Column(*customers, QStringLiteral("CARINO")), QStringLiteral("1,2,3,4"));
    QCOMPARE(Column(*customers, QStringLiteral("SATICISI")),
             QStringLiteral("AHMET SATICI,AHMET SATICI,BURCU SATICI,BURCU SATICI"));
    // The balance without its sign, the sign in words.
    QCOMPARE(Column(*customers, QStringLiteral("TLBAKIYE")),
             QStringLiteral("1140.00,500.00,250.00,0.00"));
    QCOMPARE(Column(*customers, QStringLiteral("DURUM")),
             QStringLiteral("Borçlu,Borçlu,Alacaklı,"));
    QCOMPARE(Column(*customers, QStringLiteral("SEPET")), QStringLiteral("2,0,1,0"));
    QCOMPARE(Column(*customers, QStringLiteral("ALINDI")), QStringLiteral("1,1,0,0"));
    QCOMPARE(Column(*customers, QStringLiteral("PARCALIHAZIRLANDI")), QStringLiteral("0,1,0,0"));
    QCOMPARE(Column(*customers, QStringLiteral("VADE")), QStringLiteral("30,60,30,45"));
    QCOMPARE(Column(*customers, QStringLiteral("INDIRIM")), QStringLiteral("10.00,5.00,0.00,0.00"));
}

void TestAccountsConsole::shouldListCustomersOfEachBoardButton_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("customers");
    QTest::newRow("basket") << "PC-YETKILI" << 1 << "1,3";
    QTest::newRow("basket as code 0") << "PC-YETKILI" << 0 << "1,3";
    QTest::newRow("received") << "PC-YETKILI" << 2 << "1,2";
    QTest::newRow("approved") << "PC-YETKILI" << 3 << "3";
    QTest::newRow("seen") << "PC-YETKILI" << 4 << "";
    QTest::newRow("partly prepared") << "PC-YETKILI" << 5 << "2";
    QTest::newRow("prepared") << "PC-YETKILI" << 6 << "";
    QTest::newRow("shipped lately") << "PC-YETKILI" << 7 << "1";
    QTest::newRow("unknown code") << "PC-YETKILI" << 8 << "";
    QTest::newRow("negative code") << "PC-YETKILI" << -1 << "";
    QTest::newRow("salesperson's basket list") << "PC-SATICI" << 1 << "1";
    QTest::newRow("salesperson's approved list") << "PC-SATICI" << 3 << "";
}

void TestAccountsConsole::shouldListCustomersOfEachBoardButton()
{
    QFETCH(QString, machine);
    QFETCH(int, code);
    QFETCH(QString, customers);
    const platform::DataSet *list = Proxy().CariSepetVer(m_fixture->Session(machine), code);
    QCOMPARE(Column(*list, QStringLiteral("CARINO")), customers);
    QCOMPARE(list->FieldCount(), 38);
}

void TestAccountsConsole::shouldSendReportDocumentsWhole_data()
{
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("salesperson");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("until");
    QTest::newRow("customer summary") << 6 << 12 << 1 << "AHMET SATICI" << 0 << 0;
    QTest::newRow("all receivables") << 6 << 12 << 0 << "." << 0 << 0;
    QTest::newRow("receivables of one salesperson") << 6 << 11 << 0 << "SATICI" << 0 << 0;
    QTest::newRow("sales table") << 7 << 12 << 1 << "AHMET SATICI" << 120 << 0;
    QTest::newRow("sales table, dates reversed") << 7 << 11 << 2 << "AHMET SATICI" << 0 << 120;
    QTest::newRow("sales table of an empty range") << 7 << 12 << 4 << "." << 400 << 300;
}

void TestAccountsConsole::shouldSendReportDocumentsWhole()
{
    QFETCH(int, report);
    QFETCH(int, user);
    QFETCH(int, customer);
    QFETCH(QString, salesperson);
    QFETCH(int, from);
    QFETCH(int, until);
    qint64 size = -1;
    platform::MemoryStream *stream = Proxy().RaporGetir(report, report, user, customer, salesperson,
                                                        DayNumber(from), DayNumber(until), size);
    QVERIFY(stream);
    stream->Seek(0);
    const QByteArray pdf = platform::ReadAllInPieces(*stream);
    QVERIFY(size > 1024);
    QCOMPARE(pdf.size(), size);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
}

void TestAccountsConsole::shouldRefuseReportsBeyondTheUser_data()
{
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("customer");
    QTest::addColumn<double>("day");
    QTest::addColumn<QString>("error");
    const double today = DayNumber(0);
    QTest::newRow("unknown report") << 9 << 12 << 1 << today << "Bilinmeyen rapor: 9";
    QTest::newRow("unknown user") << 6 << 999 << 1 << today << "Kullanıcı bulunamadı: 999";
    QTest::newRow("inactive user") << 6 << 13 << 3 << today << "Kullanıcı bulunamadı: 13";
    QTest::newRow("another salesperson's customer")
        << 6 << 11 << 3 << today << "Cari bulunamadı: 3";
    QTest::newRow("dealer asking for another customer")
        << 7 << 10 << 2 << today << "Cari bulunamadı: 2";
    QTest::newRow("unknown customer") << 6 << 12 << 999 << today << "Cari bulunamadı: 999";
    QTest::newRow("sales table without customer")
        << 7 << 12 << 0 << today << "Rapor için cari seçilmedi.";
    QTest::newRow("date out of the calendar") << 6 << 12 << 1 << 1e12 << "Geçersiz tarih (tarih1)";
}

void TestAccountsConsole::shouldRefuseReportsBeyondTheUser()
{
    QFETCH(int, report);
    QFETCH(int, user);
    QFETCH(int, customer);
    QFETCH(double, day);
    QFETCH(QString, error);
    qint64 size = -1;
    try {
        Proxy().RaporGetir(report, report, user, customer, QStringLiteral("."), day, day, size);
        QFAIL("a document was sent");
    } catch (const platform::Error &e) {
        QCOMPARE(e.Message(), error);
    }
}

void TestAccountsConsole::shouldListReceivedOrdersOfRange()
{
    const platform::DataSet *orders =
        Proxy().RaporAlinanSiparisler(Session("PC-YETKILI"), DayNumber(7), DayNumber(0));
    QCOMPARE(ColumnList(*orders),
             QStringLiteral(
                 "SATICIADI:String,IDNO:Float,CARINO:Integer,TARIH:Date,KUR:String,KURTL:Float,"
                 "VERENIDNO:Integer,KARGO:String,TESLIM:String,VEREN:String,CARIKOD:String,CARIADI:"
                 "String,"
                 "DURUM:String,KARGOADI:String,VERGI:Float,NETTUTAR:Float,TUTAR:Float"));
    // Grouped by salesperson, then by date; the order of 60 days ago is outside the range.
    QCOMPARE(Column(*orders, QStringLiteral("IDNO")), QStringLiteral("2.00,4.00,3.00,1.00,5.00"));
    QCOMPARE(Column(*orders, QStringLiteral("SATICIADI")),
             QStringLiteral("AHMET SATICI,AHMET SATICI,AHMET SATICI,AHMET SATICI,BURCU SATICI"));
    QCOMPARE(Column(*orders, QStringLiteral("DURUM")),
             QStringLiteral("Sevk Edildi,Parçalı Hazırlandı,Alındı,Alındı,Onaylandı"));
    QCOMPARE(Column(*orders, QStringLiteral("TUTAR")),
             QStringLiteral("60.00,84.00,48.00,126.00,36.00"));
    QCOMPARE(Column(*orders, QStringLiteral("VEREN")), QStringLiteral("BAYI,BAYI,BAYI,BAYI,BAYI"));

    const platform::DataSet *own =
        Proxy().RaporAlinanSiparisler(Session("PC-SATICI"), DayNumber(0), DayNumber(7));
    QCOMPARE(Column(*own, QStringLiteral("CARINO")), QStringLiteral("1,2,2,1"));
}

void TestAccountsConsole::shouldListBestSellingItemsWithReturnsSubtracted()
{
    const platform::DataSet *items =
        Proxy().RaporEnCokSatilanStoklar(Session("PC-YETKILI"), DayNumber(120), DayNumber(0));
    QCOMPARE(ColumnList(*items),
             QStringLiteral("BARKOD:String,KOD:String,ADI:String,DEPARTMAN:String,MIKTAR:Float,"
                            "NETTUTAR:Float,TLVERGI:Float,TUTAR:Float"));
    // DUR-1: 2 to customer 1 (180,00 net) and 5 to customer 2 (500,00); DUR-3: 1 sold
    // (1.000,00), 1 returned (50,00); DUR-2: 3 (85,49).
    QCOMPARE(Column(*items, QStringLiteral("KOD")), QStringLiteral("DUR-3,DUR-1,DUR-2"));
    QCOMPARE(Column(*items, QStringLiteral("MIKTAR")), QStringLiteral("0.00,7.00,3.00"));
    QCOMPARE(Column(*items, QStringLiteral("NETTUTAR")), QStringLiteral("950.00,680.00,85.49"));
    QCOMPARE(Column(*items, QStringLiteral("TLVERGI")), QStringLiteral("190.00,136.00,17.10"));
    QCOMPARE(Column(*items, QStringLiteral("TUTAR")), QStringLiteral("1140.00,816.00,102.59"));

    const platform::DataSet *dealer =
        Proxy().RaporEnCokSatilanStoklar(Session("PC-BAYI"), DayNumber(120), DayNumber(0));
    QCOMPARE(Column(*dealer, QStringLiteral("MIKTAR")), QStringLiteral("0.00,2.00,3.00"));
}

void TestAccountsConsole::shouldRefuseBadSessionRecord_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("error");
    const Call counters = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.BalonGetir(std::move(s));
    };
    const Call search = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.CariAra(std::move(s), QString());
    };
    const Call board = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.CariSepetVer(std::move(s), 1);
    };
    const Call states = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.TusSonuclariVer(std::move(s));
    };
    const Call baskets = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.SepetSayisi(std::move(s));
    };
    const Call orders = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.RaporAlinanSiparisler(std::move(s), DayNumber(7), DayNumber(0));
    };
    const Call items = [](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi> s) {
        p.RaporEnCokSatilanStoklar(std::move(s), DayNumber(7), DayNumber(0));
    };
    const QString missing = QStringLiteral("Oturum bilgisi gönderilmedi.");
    const QString invalid =
        QStringLiteral("Oturum bilgisi geçersiz: bu bilgisayara kayıtlı etkin bir kullanıcı yok.");
    QTest::newRow("counters without record") << counters << missing;
    QTest::newRow("search without record") << search << missing;
    QTest::newRow("board without record") << board << missing;
    QTest::newRow("states without record") << states << missing;
    QTest::newRow("baskets without record") << baskets << missing;
    QTest::newRow("orders report without record") << orders << missing;
    QTest::newRow("items report without record") << items << missing;
    // A record the server did not give: another computer's user, an unknown or an inactive one.
    for (const auto &[name, call] : {std::pair{"search", search}, {"states", states}}) {
        QTest::newRow(
            qPrintable(QStringLiteral("%1 with another computer").arg(QLatin1String(name))))
            << Call([call](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi>) {
                   auto forged = std::make_unique<TSonucBilgisi>();
                   forged->SetSirano(12);
                   forged->SetMusteriTipi(2);
                   forged->SetBILGISAYARID(QStringLiteral("PC-BAYI"));
                   call(p, std::move(forged));
               })
            << invalid;
        QTest::newRow(
            qPrintable(QStringLiteral("%1 with an unknown user").arg(QLatin1String(name))))
            << Call([call](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi>) {
                   auto forged = std::make_unique<TSonucBilgisi>();
                   forged->SetSirano(-4);
                   forged->SetBILGISAYARID(QStringLiteral("PC-BAYI"));
                   call(p, std::move(forged));
               })
            << invalid;
        QTest::newRow(
            qPrintable(QStringLiteral("%1 with an inactive user").arg(QLatin1String(name))))
            << Call([call](TServerMethods1Client &p, std::unique_ptr<TSonucBilgisi>) {
                   auto forged = std::make_unique<TSonucBilgisi>();
                   forged->SetSirano(13);
                   forged->SetBILGISAYARID(QStringLiteral("PC-PASIF"));
                   call(p, std::move(forged));
               })
            << invalid;
    }
}

void TestAccountsConsole::shouldRefuseBadSessionRecord()
{
    QFETCH(Call, call);
    QFETCH(QString, error);
    try {
        call(Proxy(), nullptr);
        QFAIL("answered");
    } catch (const platform::Error &e) {
        QCOMPARE(e.Message(), error);
    }
}

QTEST_MAIN(TestAccountsConsole)
#include "test_accounts_console.moc"
