// The customer account through the client's proxy over HTTP: the statement with its running
// balance, the invoice and collection behind a line, card payments and their receipts, the
// balance text and overdue warning, exchange rates, and what bad input gets.

#include "accountsfixture.h"

#include "appserver/accounts/cardpayment.h"
#include "appserver/data/database.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/daynumber.h"
#include "platform/error.h"
#include "platform/stream.h"
#include "server/proxim.h"

#include <QSqlQuery>
#include <QtTest>
#include <functional>

using Call = std::function<QString(TServerMethods1Client &, const AccountsFixture &)>;
Q_DECLARE_METATYPE(Call)

namespace {

// The rows of the listed columns, one line per row, values joined by "|"; numbers with two
// decimals, dates as yyyy-MM-dd.
QString Rows(const platform::DataSet &table, const QStringList &names)
{
    QStringList lines;
    for (int row = 0; row < table.RecordCount(); ++row) {
        QStringList cells;
        for (const QString &name : names) {
            const platform::Field &f = table.FieldByName(name);
            if (f.IsNullAt(row))
                cells << QStringLiteral("null");
            else if (f.DataType() == platform::FieldType::Date)
                cells << platform::DayNumberToDate(f.FloatAt(row)).toString(Qt::ISODate);
            else if (f.DataType() == platform::FieldType::Float)
                cells << QString::number(f.FloatAt(row), 'f', 2);
            else
                cells << f.StringAt(row);
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

QString Iso(const QDate &today, int back)
{
    return today.addDays(-back).toString(Qt::ISODate);
}

} // namespace

class TestAccountsStatement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldListStatementWithRunningBalanceAndMarks();
    void shouldCarryBalanceIntoStatementOfDateRange();
    void shouldGiveInvoiceLinesAndTotalsOfStatementLine();
    void shouldGiveNoInvoiceOfAnotherCustomerOrOfCollection();
    void shouldGiveCollectionLinesUnderTheirTurkishNames();
    void shouldGiveCardPaymentNumberOnlyForCardPayments();
    void shouldSendWholeReceiptWithItsSize();
    void shouldGiveBalanceTextForPaymentPage_data();
    void shouldGiveBalanceTextForPaymentPage();
    void shouldWarnOfOverdueDebtOnly_data();
    void shouldWarnOfOverdueDebtOnly();
    void shouldGiveLatestExchangeRates();
    void shouldBookCardPaymentAsCollectionWithReceipt();
    void shouldRefuseBadCardPaymentWithoutBookingAnything_data();
    void shouldRefuseBadCardPaymentWithoutBookingAnything();
    void shouldAnswerBadInputWithEmptyResult_data();
    void shouldAnswerBadInputWithEmptyResult();

private:
    std::unique_ptr<AccountsFixture> m_fixture;
    std::unique_ptr<platform::Connection> m_connection;
    std::unique_ptr<TServerMethods1Client> m_proxy;
    TServerMethods1Client &Proxy() { return *m_proxy; }
};

void TestAccountsStatement::initTestCase()
{
    m_fixture = std::make_unique<AccountsFixture>();
    m_connection = std::make_unique<platform::Connection>(m_fixture->Connection());
    m_connection->Open();
    m_proxy = std::make_unique<TServerMethods1Client>(m_connection.get());
}

void TestAccountsStatement::cleanupTestCase()
{
    m_proxy.reset();
    m_connection.reset();
    m_fixture.reset();
}

void TestAccountsStatement::shouldListStatementWithRunningBalanceAndMarks()
{
    const platform::DataSet *statement = Proxy().CariEkstreVer(1);
    QVERIFY(statement);
    QCOMPARE(ColumnList(*statement),
             QStringLiteral("CARINO:Integer,TARIH:Date,TURADI:String,EVRAK:String,BORC:Float,"
                            "ALACAK:Float,KUR:String,"
                            "BAKIYE:Float,D:String,IDNO:Integer,ACIKLAMA:String,VADE:Date"));
    const QDate t = m_fixture->today;
    // A balance back at exactly 0 carries the blank mark.
    QCOMPARE(
        Rows(*statement,
             {"CARINO", "TARIH", "TURADI", "EVRAK", "BORC", "ALACAK", "BAKIYE", "D", "VADE"}),
        QStringList({QStringLiteral("1|%1|Satış Faturası|SF1|318.59|0.00|318.59|B|%2")
                         .arg(Iso(t, 90), Iso(t, 60)),
                     QStringLiteral("1|%1|Tahsilat|TH1|0.00|150.00|168.59|B|null").arg(Iso(t, 40)),
                     QStringLiteral("1|%1|Tahsilat|SP%2|0.00|168.59|0.00| |null")
                         .arg(Iso(t, 20))
                         .arg(m_fixture->cardNumber, 8, 10, QLatin1Char('0')),
                     QStringLiteral("1|%1|Satış Faturası|SF2|1200.00|0.00|1200.00|B|%2")
                         .arg(Iso(t, 10), Iso(t, -20)),
                     QStringLiteral("1|%1|Satış İade Faturası|IF1|0.00|60.00|1140.00|B|null")
                         .arg(Iso(t, 3))})
            .join(QLatin1Char('\n')));
    QCOMPARE(Rows(*statement, {"IDNO"}),
             QStringList({QString::number(m_fixture->sf1), QString::number(m_fixture->th1),
                          QString::number(m_fixture->card), QString::number(m_fixture->sf2),
                          QString::number(m_fixture->if1)})
                 .join(QLatin1Char('\n')));

    const platform::DataSet *credit = Proxy().CariEkstreVer(3);
    QCOMPARE(Rows(*credit, {"ALACAK", "BAKIYE", "D"}), QStringLiteral("250.00|-250.00|A"));
    QCOMPARE(Proxy().CariEkstreVer(4)->RecordCount(), 0);
}

void TestAccountsStatement::shouldCarryBalanceIntoStatementOfDateRange()
{
    const QDate t = m_fixture->today;
    const double from = platform::DateToDayNumber(t.addDays(-25));
    const double until = platform::DateToDayNumber(t.addDays(-5));
    // The dates may come in either order.
    const platform::DataSet *range = Proxy().CariEkstreVer2(1, until, from);
    QCOMPARE(Rows(*range, {"EVRAK", "BAKIYE", "D"}),
             QStringLiteral("SP%1|0.00| \nSF2|1200.00|B")
                 .arg(m_fixture->cardNumber, 8, 10, QLatin1Char('0')));

    const platform::DataSet *heading = Proxy().CariEkstreVer2Baslik(1, from);
    QCOMPARE(ColumnList(*heading),
             QStringLiteral("CARINO:Integer,CARIKOD:String,CARIADI:String,TARIH:Date,BORC:Float,"
                            "ALACAK:Float,BAKIYE:Float,D:String"));
    QCOMPARE(
        Rows(*heading, {"CARIKOD", "CARIADI", "TARIH", "BORC", "ALACAK", "BAKIYE", "D"}),
        QStringLiteral("120.01.001|ÖZ KARDEŞLER OTO|%1|318.59|150.00|168.59|B").arg(Iso(t, 25)));
    QCOMPARE(Proxy().CariEkstreVer2Baslik(999, from)->RecordCount(), 0);
}

void TestAccountsStatement::shouldGiveInvoiceLinesAndTotalsOfStatementLine()
{
    const platform::DataSet *lines = Proxy().FaturaGetir(1, int(m_fixture->sf1));
    QCOMPARE(
        ColumnTypes(*lines, {"OEMNO",
                             "STOKADI",
                             "FINISHKOD",
                             "MARKA",
                             "MODEL",
                             "ANAGRUP",
                             "BIRIM",
                             "STOKHAR_MIKTAR",
                             "STOKHAR_TLBIRIMFIYATI",
                             "STOKHAR_TLTUTAR",
                             "STOKHAR_INDIRIM1",
                             "STOKHAR_INDIRIM2",
                             "KDV",
                             "STOKHAR_TOPLAMINDIRIM",
                             "STOKHAR_TOPLAMMASRAF",
                             "STOKHAR_NETTLBIRIMFIYATI",
                             "STOKHAR_NETTLTUTAR",
                             "OZELKOD",
                             "BARKOD",
                             "STOKHAR_HAREKETTARIHI",
                             "STOKHAR_HAREKETTIPI2",
                             "EVRAKNO",
                             "STOKHAR_TLVERGI",
                             "IRSALIYEEVRAKNO",
                             "STOKHAR_IRSTARIHI",
                             "SATIRACIKLMASI",
                             "STOKHAR_SAAT",
                             "STOKHAR_VADE",
                             "SIPARISEVRAKNO",
                             "SIPARISTARIHI",
                             "IRSALIYETIP2",
                             "STOKHAR_INDIRIM8",
                             "STOKHAR_KURTL",
                             "SATICIADI",
                             "STOKHAR_CARINO",
                             "ENADI"}),
        QStringLiteral(
            "OEMNO:String,STOKADI:String,FINISHKOD:String,MARKA:String,MODEL:String,ANAGRUP:String,"
            "BIRIM:String,STOKHAR_MIKTAR:Float,STOKHAR_TLBIRIMFIYATI:Float,STOKHAR_TLTUTAR:Float,"
            "STOKHAR_INDIRIM1:Float,STOKHAR_INDIRIM2:Float,KDV:Float,STOKHAR_TOPLAMINDIRIM:Float,"
            "STOKHAR_TOPLAMMASRAF:Float,STOKHAR_NETTLBIRIMFIYATI:Float,STOKHAR_NETTLTUTAR:Float,"
            "OZELKOD:String,BARKOD:String,STOKHAR_HAREKETTARIHI:Date,STOKHAR_HAREKETTIPI2:String,"
            "EVRAKNO:String,STOKHAR_TLVERGI:Float,IRSALIYEEVRAKNO:String,STOKHAR_IRSTARIHI:Date,"
            "SATIRACIKLMASI:String,STOKHAR_SAAT:String,STOKHAR_VADE:Integer,SIPARISEVRAKNO:String,"
            "SIPARISTARIHI:Date,IRSALIYETIP2:String,STOKHAR_INDIRIM8:Float,STOKHAR_KURTL:Float,"
            "SATICIADI:String,STOKHAR_CARINO:Integer,ENADI:String"));
    // Gross, discounts applied one after the other, net, tax: each rounded to cents.
    QCOMPARE(Rows(*lines, {"OEMNO", "STOKHAR_MIKTAR", "STOKHAR_TLBIRIMFIYATI", "STOKHAR_TLTUTAR",
                           "STOKHAR_INDIRIM1", "STOKHAR_INDIRIM2", "STOKHAR_TOPLAMINDIRIM",
                           "STOKHAR_NETTLBIRIMFIYATI", "STOKHAR_NETTLTUTAR", "STOKHAR_TLVERGI"}),
             QStringLiteral("OEM-1|2.00|100.00|200.00|10.00|0.00|20.00|90.00|180.00|36.00\n"
                            "OEM-2|3.00|33.33|99.99|10.00|5.00|14.50|28.50|85.49|17.10"));
    // The window's header labels come from the last line.
    QCOMPARE(Rows(*lines, {"STOKHAR_HAREKETTARIHI", "STOKHAR_HAREKETTIPI2", "SATICIADI", "EVRAKNO",
                           "STOKHAR_VADE", "STOKHAR_SAAT"})
                 .section(QLatin1Char('\n'), 1),
             QStringLiteral("%1|Satış Faturası|AHMET SATICI|SF1|30|09:30")
                 .arg(Iso(m_fixture->today, 90)));

    const platform::DataSet *totals = Proxy().FaturaAltGetir(int(m_fixture->sf1));
    QCOMPARE(Rows(*totals, {"TOPLAM", "TOPLAMINDIRIM", "MATRAH", "KDVTUTAR", "KDVDAHIL"}),
             QStringLiteral("299.99|34.50|265.49|53.10|318.59"));
    QCOMPARE(ColumnTypes(*totals, {"TOPLAM", "TOPLAMINDIRIM", "MATRAH", "KDVTUTAR", "KDVDAHIL"}),
             QStringLiteral(
                 "TOPLAM:Float,TOPLAMINDIRIM:Float,MATRAH:Float,KDVTUTAR:Float,KDVDAHIL:Float"));
}

void TestAccountsStatement::shouldGiveNoInvoiceOfAnotherCustomerOrOfCollection()
{
    QCOMPARE(Proxy().FaturaGetir(2, int(m_fixture->sf1))->RecordCount(), 0);
    QCOMPARE(Proxy().FaturaGetir(1, int(m_fixture->th1))->RecordCount(), 0);
    QCOMPARE(Proxy().FaturaAltGetir(int(m_fixture->th1))->RecordCount(), 0);
    // The columns are there all the same, so the window's labels find their fields.
    QVERIFY(Proxy().FaturaAltGetir(int(m_fixture->th1))->FindField(QStringLiteral("KDVDAHIL")));
}

void TestAccountsStatement::shouldGiveCollectionLinesUnderTheirTurkishNames()
{
    const platform::DataSet *lines = Proxy().Tahsilat(int(m_fixture->th1));
    QCOMPARE(
        ColumnList(*lines),
        QStringLiteral("Tarih:Date,Türü:String,Cins:String,EvrakNo:String,Vade:Date,Tutar:Float,"
                       "Kur:String,KurTL:Float,Açıklama:String,Döviz Tutar:Float,Ref:String,"
                       "Saat:String"));
    const QDate t = m_fixture->today;
    QCOMPARE(Rows(*lines,
                  {"Tarih", "Türü", "Cins", "EvrakNo", "Vade", "Tutar", "Açıklama", "Ref", "Saat"}),
             QStringLiteral("%1|Tahsilat|Nakit|TH1|null|100.00|Elden tahsilat||11:15\n"
                            "%1|Tahsilat|Çek|TH1|%2|50.00|Elden tahsilat|ÇEK-77|11:15")
                 .arg(Iso(t, 40), Iso(t, -30)));
    QCOMPARE(Proxy().Tahsilat(int(m_fixture->sf1))->RecordCount(), 0);
}

void TestAccountsStatement::shouldGiveCardPaymentNumberOnlyForCardPayments()
{
    QCOMPARE(Proxy().SanalposSiranoVer(int(m_fixture->card)), m_fixture->cardNumber);
    QVERIFY(m_fixture->cardNumber > 0);
    QCOMPARE(Proxy().SanalposSiranoVer(int(m_fixture->th1)), 0);
    QCOMPARE(Proxy().SanalposSiranoVer(int(m_fixture->sf1)), 0);
    const platform::DataSet *lines = Proxy().Tahsilat(int(m_fixture->card));
    QCOMPARE(Rows(*lines, {"Cins", "Tutar", "Ref"}), QStringLiteral("Kredi Kartı|168.59|123456"));
}

void TestAccountsStatement::shouldSendWholeReceiptWithItsSize()
{
    qint64 size = -1;
    platform::MemoryStream *stream = Proxy().SAnalPosPdfVer(m_fixture->cardNumber, size);
    QVERIFY(stream);
    stream->Seek(0);
    const QByteArray pdf = platform::ReadAllInPieces(*stream);
    QVERIFY(size > 1024);
    QCOMPARE(pdf.size(), size);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));

    size = -1;
    stream = Proxy().SAnalPosPdfVer(99999, size);
    QCOMPARE(size, 0);
    QCOMPARE(stream->Size(), 0);
}

void TestAccountsStatement::shouldGiveBalanceTextForPaymentPage_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<QString>("text");
    QTest::newRow("debtor") << 1 << QStringLiteral("1140.00");
    QTest::newRow("overdue debtor") << 2 << QStringLiteral("500.00");
    QTest::newRow("in credit") << 3 << QStringLiteral("-250.00");
    QTest::newRow("nothing booked") << 4 << QStringLiteral("0.00");
    QTest::newRow("unknown customer") << 999 << QString();
    QTest::newRow("negative number") << -1 << QString();
}

void TestAccountsStatement::shouldGiveBalanceTextForPaymentPage()
{
    QFETCH(int, carino);
    QFETCH(QString, text);
    QCOMPARE(Proxy().CariDurumVer(carino), text);
}

void TestAccountsStatement::shouldWarnOfOverdueDebtOnly_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<QString>("warning");
    const QString due = QDate::currentDate().addDays(-40).toString(QStringLiteral("dd.MM.yyyy"));
    QTest::newRow("old debt paid by credits in due order") << 1 << QString();
    QTest::newRow("part of a debt past due")
        << 2
        << QStringLiteral(
               "Vadesi geçmiş 500,00 TL borcunuz bulunmaktadır. En eski vade: %1 (40 gün)")
               .arg(due);
    QTest::newRow("in credit") << 3 << QString();
    QTest::newRow("nothing booked") << 4 << QString();
    QTest::newRow("unknown customer") << 999 << QString();
}

void TestAccountsStatement::shouldWarnOfOverdueDebtOnly()
{
    QFETCH(int, carino);
    QFETCH(QString, warning);
    QCOMPARE(Proxy().CariVadeGunGecmismiBul(carino), warning);
}

void TestAccountsStatement::shouldGiveLatestExchangeRates()
{
    double usd = 0, eur = 0;
    QCOMPARE(Proxy().KurlariAl(usd, eur), 1);
    QCOMPARE(usd, 32.45);
    QCOMPARE(eur, 35.2);
}

void TestAccountsStatement::shouldBookCardPaymentAsCollectionWithReceipt()
{
    appserver::accounts::CardPayment payment;
    payment.customerId = 4;
    payment.amount = 1234.565; // half a cent rounds away from zero
    payment.cardDigits = QStringLiteral("5400-0000-0000-9876");
    payment.cardHolder = QStringLiteral("FATMA ŞAHİN");
    const appserver::accounts::CardPaymentReceipt receipt =
        RecordCardPayment(m_fixture->Db(), payment);

    const platform::DataSet *statement = Proxy().CariEkstreVer(4);
    QCOMPARE(Rows(*statement, {"TURADI", "BORC", "ALACAK", "BAKIYE", "D", "IDNO"}),
             QStringLiteral("Tahsilat|0.00|1234.57|-1234.57|A|%1").arg(receipt.movementId));
    QCOMPARE(Proxy().SanalposSiranoVer(int(receipt.movementId)), receipt.number);
    qint64 size = 0;
    platform::MemoryStream *stream = Proxy().SAnalPosPdfVer(receipt.number, size);
    QCOMPARE(platform::ReadAllInPieces(*stream), receipt.pdf);
    QCOMPARE(size, receipt.pdf.size());

    // Only the last four digits of the card are kept anywhere.
    QSqlQuery stored = m_fixture->Db().Exec(
        QStringLiteral("SELECT kartson4, kartsahibi, tutar FROM sanalpos_odeme WHERE id = ?"),
        {receipt.number});
    QVERIFY(stored.next());
    QCOMPARE(stored.value(0).toString(), QStringLiteral("9876"));
    QCOMPARE(stored.value(1).toString(), QStringLiteral("FATMA ŞAHİN"));
    QCOMPARE(stored.value(2).toDouble(), 1234.57);
}

void TestAccountsStatement::shouldRefuseBadCardPaymentWithoutBookingAnything_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown customer") << 999 << 10.0 << "1234"
                                      << ""
                                      << "Cari bulunamadı: 999";
    QTest::newRow("no customer") << 0 << 10.0 << "1234"
                                 << ""
                                 << "Cari bulunamadı: 0";
    QTest::newRow("negative amount")
        << 1 << -5.0 << "1234"
        << ""
        << "Ödeme tutarı 0,01 ile 10.000.000,00 TL arasında olmalıdır.";
    QTest::newRow("less than a cent")
        << 1 << 0.004 << "1234"
        << ""
        << "Ödeme tutarı 0,01 ile 10.000.000,00 TL arasında olmalıdır.";
    QTest::newRow("too much") << 1 << 10000000.01 << "1234"
                              << ""
                              << "Ödeme tutarı 0,01 ile 10.000.000,00 TL arasında olmalıdır.";
    QTest::newRow("not a number") << 1 << qQNaN() << "1234"
                                  << ""
                                  << "Ödeme tutarı geçersiz.";
    QTest::newRow("letters in card") << 1 << 10.0 << "12ab"
                                     << ""
                                     << "Kart numarası geçersiz.";
    QTest::newRow("three digits") << 1 << 10.0 << "123"
                                  << ""
                                  << "Kart numarası geçersiz.";
    QTest::newRow("twenty digits") << 1 << 10.0 << QString(20, QLatin1Char('1')) << ""
                                   << "Kart numarası geçersiz.";
    QTest::newRow("overlong holder")
        << 1 << 10.0 << "1234" << QString(101, QLatin1Char('A')) << "Kart sahibinin adı çok uzun.";
}

void TestAccountsStatement::shouldRefuseBadCardPaymentWithoutBookingAnything()
{
    QFETCH(int, carino);
    QFETCH(double, amount);
    QFETCH(QString, digits);
    QFETCH(QString, holder);
    QFETCH(QString, error);
    const qint64 movements = m_fixture->Count(QStringLiteral("cari_hareket"));
    const qint64 payments = m_fixture->Count(QStringLiteral("sanalpos_odeme"));
    const qint64 collections = m_fixture->Count(QStringLiteral("tahsilat"));
    appserver::accounts::CardPayment payment;
    payment.customerId = carino;
    payment.amount = amount;
    payment.cardDigits = digits;
    payment.cardHolder = holder;
    try {
        RecordCardPayment(m_fixture->Db(), payment);
        QFAIL("the payment was booked");
    } catch (const platform::Error &e) {
        QCOMPARE(e.Message(), error);
    }
    QCOMPARE(m_fixture->Count(QStringLiteral("cari_hareket")), movements);
    QCOMPARE(m_fixture->Count(QStringLiteral("sanalpos_odeme")), payments);
    QCOMPARE(m_fixture->Count(QStringLiteral("tahsilat")), collections);
}

void TestAccountsStatement::shouldAnswerBadInputWithEmptyResult_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("answer");
    QTest::newRow("statement of a negative customer")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               return QString::number(p.CariEkstreVer(-7)->RecordCount());
           })
        << "0";
    QTest::newRow("invoice of a negative line")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               return QString::number(p.FaturaGetir(1, -5)->RecordCount());
           })
        << "0";
    QTest::newRow("totals of an unknown line")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               return QString::number(p.FaturaAltGetir(2147483647)->RecordCount());
           })
        << "0";
    QTest::newRow("collection of line 0")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               return QString::number(p.Tahsilat(0)->RecordCount());
           })
        << "0";
    QTest::newRow("card payment of a negative line")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               return QString::number(p.SanalposSiranoVer(-1));
           })
        << "0";
    QTest::newRow("receipt of a negative number")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               qint64 size = -1;
               p.SAnalPosPdfVer(-3, size);
               return QString::number(size);
           })
        << "0";
    QTest::newRow("range with a date out of the calendar")
        << Call([](TServerMethods1Client &p, const AccountsFixture &) {
               try {
                   p.CariEkstreVer2(1, 1e9, 45000);
                   return QStringLiteral("answered");
               } catch (const platform::Error &e) {
                   return e.Message();
               }
           })
        << "Geçersiz tarih (tarih1)";
}

void TestAccountsStatement::shouldAnswerBadInputWithEmptyResult()
{
    QFETCH(Call, call);
    QFETCH(QString, answer);
    QCOMPARE(call(Proxy(), *m_fixture), answer);
    // The server is still answering.
    QCOMPARE(Proxy().CariDurumVer(1), QStringLiteral("1140.00"));
}

QTEST_MAIN(TestAccountsStatement)
#include "test_accounts_statement.moc"
