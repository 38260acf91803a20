#include "accountsfixture.h"

#include "appserver/accounts/accountsmethods.h"
#include "appserver/accounts/accountsschema.h"
#include "appserver/accounts/cardpayment.h"
#include "appserver/accounts/collections.h"
#include "appserver/accounts/invoices.h"
#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"
#include "appserver/data/schema.h"
#include "appserver/methodhandlers.h"
#include "appserver/orders/ordersschema.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "support/testserver.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace appserver;
using namespace appserver::accounts;

namespace {

QString Day(const QDate &today, int back)
{
    return today.addDays(-back).toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(" 10:00:00");
}

InvoiceLine Line(qint64 stock, const char *code, double quantity, double price, double d1,
                 double d2, double vat)
{
    InvoiceLine line;
    line.stockId = stock;
    line.code = QLatin1String(code);
    line.barcode = QStringLiteral("869%1").arg(stock);
    line.oem = QStringLiteral("OEM-%1").arg(stock);
    line.name = QStringLiteral("PARÇA %1").arg(stock);
    line.brand = QStringLiteral("DURAPAR");
    line.department = QStringLiteral("OTOMOTİV");
    line.quantity = quantity;
    line.unitPrice = price;
    line.discount1 = d1;
    line.discount2 = d2;
    line.vatRate = vat;
    return line;
}

// Statements PostgreSQL does not take as prepared ones.
void Unprepared(Database &db, const QString &sql)
{
    QSqlQuery query(db.Handle());
    if (!query.exec(sql))
        throw platform::Error(query.lastError().text());
}

} // namespace

AccountsFixture::AccountsFixture()
{
    if (!m_dir.isValid())
        throw platform::Error(QStringLiteral("no temporary folder"));
    DatabaseOptions options;
    options.path = m_dir.filePath(QStringLiteral("accounts.db"));
    const QStringList pg =
        qEnvironmentVariable("B2B_TEST_PGSQL").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pg.size() == 3) {
        DatabaseOptions admin;
        admin.driver = QStringLiteral("QPSQL");
        admin.host = pg.at(0);
        admin.port = pg.at(1).toInt();
        admin.user = pg.at(2);
        admin.name = QStringLiteral("postgres");
        m_pgServer = std::make_unique<Database>(admin);
        // A name of digits made here, never input.
        m_pgName = QStringLiteral("b2b_accounts_%1").arg(QCoreApplication::applicationPid());
        Unprepared(*m_pgServer, QStringLiteral("DROP DATABASE IF EXISTS ") + m_pgName);
        Unprepared(*m_pgServer, QStringLiteral("CREATE DATABASE ") + m_pgName);
        options = admin;
        options.name = m_pgName;
    }
    m_db = std::make_unique<Database>(options);
    std::vector<SchemaStep> steps = CoreSchema();
    for (auto more : {OrdersSchema(), AccountsSchema()})
        steps.insert(steps.end(), more.begin(), more.end());
    MigrateSchema(*m_db, steps);
    Fill();
    m_pool = std::make_unique<DatabasePool>(options);
    m_handlers = std::make_unique<MethodHandlers>();
    RegisterAccountsMethods(*m_handlers, *m_pool);
    m_server = std::make_unique<testsupport::TestServer>(*m_handlers);
}

AccountsFixture::~AccountsFixture()
{
    m_server.reset(); // its workers hold the pool's connections
    m_pool.reset();
    m_db.reset();
    if (m_pgServer)
        Unprepared(*m_pgServer, QStringLiteral("DROP DATABASE IF EXISTS ") + m_pgName);
}

void AccountsFixture::Fill()
{
    Database &db = *m_db;
    Transaction tx(db);
    db.Exec(QStringLiteral("INSERT INTO satici (id, adi, mail, telefon) VALUES"
                           " (1, 'AHMET SATICI', 'ahmet@dorvena.example', '0212 555 0001'),"
                           " (2, 'BURCU SATICI', 'burcu@dorvena.example', '0212 555 0002')"));
    db.Exec(QStringLiteral("INSERT INTO cari (id, kod, adi, satici_id, ind1, vadegun, yetkili, "
                           "ilce, sehir, tel1) VALUES"
                           " (1, '120.01.001', 'ÖZ KARDEŞLER OTO', 1, 10, 30, 'ŞÜKRÜ IŞIK', "
                           "'BORNOVA', 'İZMİR', '0232 1'),"
                           " (2, '120.01.002', 'YILMAZLAR YEDEK PARÇA', 1, 5, 60, 'AYŞE KAYA', "
                           "'MERKEZ', 'BURSA', '0224 2'),"
                           " (3, '120.01.003', 'ÇELİK OTOMOTİV', 2, 0, 30, 'MEHMET ÇELİK', "
                           "'ÇANKAYA', 'ANKARA', '0312 3'),"
                           " (4, '120.01.004', 'DEMİRTAŞ TİCARET', 2, 0, 45, 'FATMA ŞAHİN', "
                           "'KONAK', 'İZMİR', '0232 4')"));
    db.Exec(QStringLiteral(
        "INSERT INTO kullanici (id, bilgisayarid, adi, sifre, aktif, musteritipi, cari_id, "
        "satici_id, mail)"
        " VALUES (10, 'PC-BAYI', 'BAYI', 'SIFRE1', 1, 0, 1, 1, 'bayi@oz.example'),"
        " (11, 'PC-SATICI', 'SATICI', 'SIFRE2', 1, 1, 1, 1, 'satici@dorvena.example'),"
        " (12, 'PC-YETKILI', 'YETKILI', 'SIFRE3', 1, 2, 2, 2, 'yetkili@dorvena.example'),"
        " (13, 'PC-PASIF', 'PASIF', 'SIFRE4', 0, 0, 3, 2, '')"));
    db.Exec(QStringLiteral("INSERT INTO stok (id, kod, adi, barkodno, kdv, listefiyat, kampfiyat, "
                           "yeni, kampanyali) VALUES"
                           " (1, 'DUR-1', 'FREN BALATASI', '8691', 20, 100, 0, 1, 0),"
                           " (2, 'DUR-2', 'YAĞ FİLTRESİ', '8692', 20, 40, 34, 0, 1),"
                           " (3, 'DUR-3', 'BUJİ', '8693', 20, 25, 0, 0, 1),"
                           " (4, 'DUR-4', 'V KAYIŞI', '8694', 20, 60, 0, 0, 0)"));

    const QString amounts = QStringLiteral(
        "birimfiyat, kdv, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, kdvlitutar");
    for (const auto &[customer, stock] : {std::pair{1, 1}, {1, 2}, {3, 4}})
        db.Exec(QStringLiteral("INSERT INTO sepet (cari_id, stok_id, veren_id, tarih, miktar, ") +
                    amounts +
                    QStringLiteral(") VALUES (?, ?, 10, ?, 1, 10, 20, 10, 0, 10, 10, 2, 12)"),
                {customer, stock, Day(today, 0)});
    struct Order
    {
        int id, customer, state, back;
        double ordered, shipped;
    };
    for (const Order &o :
         {Order{1, 1, 1, 2, 10.5, 4}, Order{2, 1, 6, 5, 5, 5}, Order{3, 2, 1, 3, 4, 0},
          Order{4, 2, 4, 4, 7, 2}, Order{5, 3, 2, 1, 3, 1}, Order{6, 3, 6, 60, 2, 0}}) {
        db.Exec(QStringLiteral("INSERT INTO siparis (id, cari_id, veren_id, tarih, durum, "
                               "teslim_id, kargo_id, kargofirma_id,"
                               " tutar, indirimtutar, nettutar, vergitutari, kdvlitutar) VALUES "
                               "(?, ?, 10, ?, ?, 1, 1, 1, ?, 0, ?, ?, ?)"),
                {o.id, o.customer, Day(today, o.back), o.state, o.ordered * 10, o.ordered * 10,
                 o.ordered * 2, o.ordered * 12});
        db.Exec(
            QStringLiteral("INSERT INTO siparis_satir (siparis_id, sepet_sirano, stok_id, "
                           "veren_id, tarih, ilkmiktar, miktar,"
                           " teslimedilen, ilkfiyat, ") +
                amounts +
                QStringLiteral(") VALUES (?, 0, 1, 10, ?, ?, ?, ?, 10, 10, 20, ?, 0, ?, 10, ?, ?)"),
            {o.id, Day(today, o.back), o.ordered, o.ordered, o.shipped, o.ordered * 10,
             o.ordered * 10, o.ordered * 2, o.ordered * 12});
    }

    Invoice invoice;
    invoice.customerId = 1;
    invoice.when = QDateTime(today.addDays(-90), QTime(9, 30));
    invoice.number = QStringLiteral("SF1");
    invoice.salespersonId = 1;
    invoice.termDays = 30;
    invoice.lines = {Line(1, "DUR-1", 2, 100, 10, 0, 20), Line(2, "DUR-2", 3, 33.33, 10, 5, 20)};
    sf1 = RecordInvoice(db, invoice).movementId;

    Collection collection;
    collection.customerId = 1;
    collection.when = QDateTime(today.addDays(-40), QTime(11, 15));
    collection.number = QStringLiteral("TH1");
    collection.text = QStringLiteral("Elden tahsilat");
    CollectionLine cash;
    cash.kind = QStringLiteral("Nakit");
    cash.amount = 100;
    CollectionLine cheque;
    cheque.kind = QStringLiteral("Çek");
    cheque.amount = 50;
    cheque.due = today.addDays(30);
    cheque.reference = QStringLiteral("ÇEK-77");
    collection.lines = {cash, cheque};
    th1 = RecordCollection(db, collection).movementId;
    tx.Commit();

    CardPayment payment;
    payment.customerId = 1;
    payment.amount = 168.59;
    payment.cardDigits = QStringLiteral("4111 1111 1111 1234");
    payment.cardHolder = QStringLiteral("ŞÜKRÜ IŞIK");
    payment.approvalCode = QStringLiteral("123456");
    payment.when = QDateTime(today.addDays(-20), QTime(14, 0));
    const CardPaymentReceipt receipt = RecordCardPayment(db, payment);
    card = receipt.movementId;
    cardNumber = receipt.number;

    Transaction tx2(db);
    invoice.when = QDateTime(today.addDays(-10), QTime(10, 0));
    invoice.number = QStringLiteral("SF2");
    invoice.lines = {Line(3, "DUR-3", 1, 1000, 0, 0, 20)};
    sf2 = RecordInvoice(db, invoice).movementId;
    invoice.when = QDateTime(today.addDays(-3), QTime(10, 0));
    invoice.number = QStringLiteral("IF1");
    invoice.isReturn = true;
    invoice.lines = {Line(3, "DUR-3", 1, 50, 0, 0, 20)};
    if1 = RecordInvoice(db, invoice).movementId;

    Invoice other;
    other.customerId = 2;
    other.when = QDateTime(today.addDays(-100), QTime(9, 0));
    other.number = QStringLiteral("SF3");
    other.salespersonId = 1;
    other.termDays = 60;
    other.lines = {Line(1, "DUR-1", 5, 100, 0, 0, 20)};
    sf3 = RecordInvoice(db, other).movementId;
    collection.customerId = 2;
    collection.when = QDateTime(today.addDays(-30), QTime(9, 0));
    collection.number = QStringLiteral("TH2");
    cash.amount = 100;
    collection.lines = {cash};
    RecordCollection(db, collection);
    collection.customerId = 3;
    collection.when = QDateTime(today.addDays(-15), QTime(9, 0));
    collection.number = QStringLiteral("TH3");
    cash.amount = 250;
    collection.lines = {cash};
    th3 = RecordCollection(db, collection).movementId;

    db.Exec(QStringLiteral(
                "INSERT INTO doviz_kur (tarih, usd, eur) VALUES (?, 32.1, 34.9), (?, 32.45, 35.2)"),
            {Day(today, 2), Day(today, 1)});
    tx2.Commit();
}

platform::Connection AccountsFixture::Connection() const
{
    return m_server->connection();
}

std::unique_ptr<TSonucBilgisi> AccountsFixture::Session(const QString &machineId,
                                                        int customer) const
{
    platform::Connection connection = Connection();
    connection.Open();
    TServerMethods1Client proxy(&connection);
    auto session = std::make_unique<TSonucBilgisi>();
    const TSonucBilgisi *answer = proxy.BuyukGetir(machineId);
    if (!answer)
        throw platform::Error(QStringLiteral("no sign-in answer"));
    session->Kopyala(*answer);
    if (customer > 0)
        session->SetCARINO(customer);
    return session;
}

qint64 AccountsFixture::Count(const QString &table)
{
    // Only the fixture's own table names reach here.
    return m_db->Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
}

QString ColumnList(const platform::DataSet &table)
{
    QStringList columns;
    for (int i = 0; i < table.FieldCount(); ++i)
        columns << table.Fields(i).FieldName() + QLatin1Char(':') +
                       platform::FieldTypeName(table.Fields(i).DataType());
    return columns.join(QLatin1Char(','));
}

QString ColumnTypes(const platform::DataSet &table, const QStringList &names)
{
    QStringList columns;
    for (const QString &name : names) {
        const platform::Field *field = table.FindField(name);
        columns << name + QLatin1Char(':') +
                       (field ? platform::FieldTypeName(field->DataType())
                              : QStringLiteral("missing"));
    }
    return columns.join(QLatin1Char(','));
}
