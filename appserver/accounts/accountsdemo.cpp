#include "accountsdemo.h"

#include "cardpayment.h"
#include "collections.h"
#include "invoices.h"
#include "sqldates.h"
#include "statement.h"

#include "appserver/data/database.h"
#include "platform/numberformat.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <vector>

namespace appserver {
namespace {

using namespace accounts;

struct Item
{
    qint64 id;
    QString code, barcode, oem, name, finish, brand, model, group, department, unit, special, maker,
        dp;
    double vat, price;
};

struct Customer
{
    qint64 id;
    qint64 salesperson;
    double discount1, discount2;
    int termDays;
    QString contact;
};

std::vector<Item> Items(Database &db)
{
    QSqlQuery q = db.Exec(QStringLiteral(
        "SELECT id, kod, barkodno, oemno, adi, finishkod, marka, model, anagrup, departman,"
        " birim, ozelkod, ureticikodu, dpkod, kdv, listefiyat FROM stok"
        " WHERE listefiyat > 0 ORDER BY id LIMIT 2000"));
    std::vector<Item> items;
    while (q.next()) {
        Item i;
        i.id = q.value(0).toLongLong();
        i.code = q.value(1).toString();
        i.barcode = q.value(2).toString();
        i.oem = q.value(3).toString();
        i.name = q.value(4).toString();
        i.finish = q.value(5).toString();
        i.brand = q.value(6).toString();
        i.model = q.value(7).toString();
        i.group = q.value(8).toString();
        i.department = q.value(9).toString();
        i.unit = q.value(10).toString();
        i.special = q.value(11).toString();
        i.maker = q.value(12).toString();
        i.dp = q.value(13).toString();
        i.vat = q.value(14).toDouble();
        i.price = q.value(15).toDouble();
        items.push_back(i);
    }
    return items;
}

std::vector<Customer> Customers(Database &db)
{
    QSqlQuery q = db.Exec(QStringLiteral(
        "SELECT id, COALESCE(satici_id, 0), ind1, ind2, vadegun, yetkili FROM cari ORDER BY id"));
    std::vector<Customer> customers;
    while (q.next())
        customers.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(),
                             q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toInt(),
                             q.value(5).toString()});
    return customers;
}

QDateTime At(const QDate &day, QRandomGenerator &rng)
{
    return QDateTime(day, QTime(8 + int(rng.bounded(10u)), int(rng.bounded(60u))));
}

// One customer's account: opening balance, invoices, returns, collections, card payments.
class CustomerHistory
{
public:
    CustomerHistory(Database &db, QRandomGenerator &rng, const std::vector<Item> &items,
                    const QDate &today, int &serial)
        : m_db(db), m_rng(rng), m_items(items), m_today(today), m_serial(serial)
    {
    }

    void Write(const Customer &c)
    {
        const QDate start = m_today.addDays(-180);
        double owed = 0;
        if (m_rng.bounded(3u) == 0) {
            Movement opening;
            opening.customerId = c.id;
            opening.when = QDateTime(start.addDays(-1), QTime(9, 0));
            opening.kind = QStringLiteral("Devir");
            opening.number = QStringLiteral("DV%1").arg(start.year());
            opening.text = QStringLiteral("Önceki dönemden devir");
            opening.debit = 1000.0 * (1 + m_rng.bounded(20u));
            opening.due = opening.when.date();
            AddMovement(m_db, opening);
            owed += opening.debit;
        }
        const int invoices = 4 + int(m_rng.bounded(6u));
        for (int n = 0; n < invoices; ++n) {
            const QDate day = start.addDays(int(m_rng.bounded(178u)));
            owed += WriteInvoice(c, At(day, m_rng), false);
            if (m_rng.bounded(10u) == 0)
                owed -= WriteInvoice(c, At(day.addDays(3), m_rng), true);
        }
        // Most customers pay most of what they owe, some fall behind; a few were paid back.
        const int share = 40 + int(m_rng.bounded(61u));
        double toPay = platform::RoundHalfAwayFromZero(owed * share / 100.0, 2);
        const int collections = 1 + int(m_rng.bounded(4u));
        for (int n = 0; n < collections && toPay >= 1; ++n) {
            const double amount =
                n + 1 == collections ? toPay : platform::RoundHalfAwayFromZero(toPay / 2, 2);
            WriteCollection(c, At(start.addDays(20 + int(m_rng.bounded(160u))), m_rng), amount);
            toPay = platform::RoundHalfAwayFromZero(toPay - amount, 2);
        }
        if (m_rng.bounded(10u) == 0)
            WritePayment(c, At(start.addDays(30 + int(m_rng.bounded(140u))), m_rng));
        if (m_rng.bounded(5u) < 2) {
            CardPayment card;
            card.customerId = qint32(c.id);
            card.amount = 250.0 * (1 + m_rng.bounded(40u)) + m_rng.bounded(100u) / 100.0;
            card.cardDigits =
                QStringLiteral("%1").arg(m_rng.bounded(10000u), 4, 10, QLatin1Char('0'));
            card.cardHolder = c.contact;
            card.approvalCode =
                QStringLiteral("%1").arg(m_rng.bounded(1000000u), 6, 10, QLatin1Char('0'));
            card.when = At(m_today.addDays(-int(m_rng.bounded(60u))), m_rng);
            RecordCardPaymentInTransaction(m_db, card);
        }
    }

private:
    QString Number(const char *prefix, const QDate &day)
    {
        return QStringLiteral("%1%2%3")
            .arg(QLatin1String(prefix))
            .arg(day.year())
            .arg(++m_serial, 6, 10, QLatin1Char('0'));
    }

    double WriteInvoice(const Customer &c, const QDateTime &when, bool isReturn)
    {
        Invoice invoice;
        invoice.customerId = c.id;
        invoice.when = when;
        invoice.isReturn = isReturn;
        invoice.number = Number(isReturn ? "IF" : "SF", when.date());
        invoice.salespersonId = c.salesperson;
        invoice.termDays = isReturn ? 0 : c.termDays;
        invoice.deliveryNote = Number("IR", when.date());
        invoice.deliveryDate = when;
        if (!isReturn && m_rng.bounded(2u) == 0) {
            invoice.orderNumber = Number("SP", when.date());
            invoice.orderDate = when.addDays(-1 - int(m_rng.bounded(3u)));
        }
        invoice.text = isReturn ? QStringLiteral("Hasarlı ürün iadesi") : QString();
        const int lines = isReturn ? 1 : 1 + int(m_rng.bounded(6u));
        for (int n = 0; n < lines; ++n) {
            const Item &item = m_items[m_rng.bounded(quint32(m_items.size()))];
            InvoiceLine line;
            line.stockId = item.id;
            line.code = item.code;
            line.barcode = item.barcode;
            line.oem = item.oem;
            line.name = item.name;
            line.finish = item.finish;
            line.brand = item.brand;
            line.model = item.model;
            line.group = item.group;
            line.department = item.department;
            line.unit = item.unit;
            line.specialCode = item.special;
            line.makerCode = item.maker;
            line.dpCode = item.dp;
            line.quantity = 1 + m_rng.bounded(isReturn ? 2u : 12u);
            line.unitPrice = item.price;
            line.discount1 = c.discount1;
            line.discount2 = c.discount2;
            line.vatRate = item.vat;
            invoice.lines.push_back(line);
        }
        return RecordInvoice(m_db, invoice).total;
    }

    void WriteCollection(const Customer &c, const QDateTime &when, double amount)
    {
        static const char *const kKinds[] = {"Nakit", "Çek", "Havale"};
        Collection collection;
        collection.customerId = c.id;
        collection.when = when;
        collection.number = Number("TH", when.date());
        CollectionLine line;
        line.kind = QString::fromUtf8(kKinds[m_rng.bounded(3u)]);
        line.amount = amount;
        line.due = line.kind == QStringLiteral("Çek")
                       ? when.date().addDays(30 + int(m_rng.bounded(60u)))
                       : when.date();
        if (line.kind == QStringLiteral("Çek"))
            line.reference = QStringLiteral("ÇEK-%1").arg(1000000 + m_rng.bounded(8999999u));
        collection.text = line.kind + QStringLiteral(" tahsilatı");
        collection.lines.push_back(line);
        RecordCollection(m_db, collection);
    }

    void WritePayment(const Customer &c, const QDateTime &when)
    {
        Collection payment;
        payment.customerId = c.id;
        payment.when = when;
        payment.isPayment = true;
        payment.number = Number("TD", when.date());
        payment.text = QStringLiteral("Fazla ödeme iadesi");
        CollectionLine line;
        line.kind = QStringLiteral("Havale");
        line.amount = 50.0 * (1 + m_rng.bounded(10u));
        line.due = when.date();
        payment.lines.push_back(line);
        RecordCollection(m_db, payment);
    }

    Database &m_db;
    QRandomGenerator &m_rng;
    const std::vector<Item> &m_items;
    QDate m_today;
    int &m_serial;
};

} // namespace

void SeedAccountsDemo(Database &db, quint32 seed, const QDate &today)
{
    QRandomGenerator rng(seed);
    const std::vector<Item> items = Items(db);
    const std::vector<Customer> customers = Customers(db);
    Transaction tx(db);
    double usd = 32.0, eur = 34.8;
    for (int d = 30; d >= 0; --d) {
        usd = platform::RoundHalfAwayFromZero(usd + (int(rng.bounded(21u)) - 8) / 100.0, 4);
        eur = platform::RoundHalfAwayFromZero(eur + (int(rng.bounded(21u)) - 8) / 100.0, 4);
        db.Exec(QStringLiteral("INSERT INTO doviz_kur (tarih, usd, eur) VALUES (?, ?, ?)"),
                {DateText(today.addDays(-d)), usd, eur});
    }
    if (!items.empty()) {
        int serial = 0;
        CustomerHistory history(db, rng, items, today, serial);
        for (const Customer &c : customers)
            history.Write(c);
    }
    tx.Commit();
}

void SeedAccountsDemo(Database &db, quint32 seed)
{
    SeedAccountsDemo(db, seed, QDate::currentDate());
}

} // namespace appserver
