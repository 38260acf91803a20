// The demo account data: the same seed gives the same books, and the books hold together
// (invoice totals equal their lines, every document has its statement line, every card
// payment its receipt).

#include "appserver/accounts/accountsdemo.h"
#include "appserver/accounts/accountsschema.h"
#include "appserver/data/database.h"
#include "appserver/data/demo.h"
#include "appserver/data/schema.h"
#include "appserver/orders/ordersschema.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

using appserver::Database;

class TestAccountsDemo : public QObject
{
    Q_OBJECT

private slots:
    void shouldGiveSameBooksForSameSeed();
    void shouldKeepInvoiceTotalsEqualToTheirLines();
    void shouldLinkEveryDocumentToOneStatementLine();
    void shouldKeepReceiptOfEveryCardPayment();

private:
    std::unique_ptr<Database> Seeded(const QString &name, quint32 seed);
    // Every statement line in order, one text.
    QString Books(Database &db);
    QString Ask(Database &db, const QString &sql);

    QTemporaryDir m_dir;
    const QDate m_day{2026, 6, 15};
};

std::unique_ptr<Database> TestAccountsDemo::Seeded(const QString &name, quint32 seed)
{
    appserver::DatabaseOptions options;
    options.path = m_dir.filePath(name);
    auto db = std::make_unique<Database>(options);
    std::vector<appserver::SchemaStep> steps = appserver::CoreSchema();
    for (auto more : {appserver::OrdersSchema(), appserver::AccountsSchema()})
        steps.insert(steps.end(), more.begin(), more.end());
    appserver::MigrateSchema(*db, steps);
    appserver::DemoOptions demo;
    demo.items = 80;
    appserver::SeedCoreDemo(*db, demo);
    appserver::SeedAccountsDemo(*db, seed, m_day);
    return db;
}

QString TestAccountsDemo::Books(Database &db)
{
    QSqlQuery q = db.Exec(QStringLiteral(
        "SELECT cari_id, tarih, tur, evrakno, borc, alacak FROM cari_hareket ORDER BY id"));
    QStringList lines;
    while (q.next())
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                          q.value(3).toString())
                     .arg(q.value(4).toDouble(), 0, 'f', 2)
                     .arg(q.value(5).toDouble(), 0, 'f', 2);
    return lines.join(QLatin1Char('\n'));
}

QString TestAccountsDemo::Ask(Database &db, const QString &sql)
{
    QSqlQuery q = db.Exec(sql);
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << q.value(i).toString();
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('\n'));
}

void TestAccountsDemo::shouldGiveSameBooksForSameSeed()
{
    std::unique_ptr<Database> first = Seeded(QStringLiteral("a.db"), 7);
    std::unique_ptr<Database> second = Seeded(QStringLiteral("b.db"), 7);
    std::unique_ptr<Database> other = Seeded(QStringLiteral("c.db"), 8);
    const QString books = Books(*first);
    QVERIFY(books.count(QLatin1Char('\n')) > 100);
    QCOMPARE(Books(*second), books);
    QVERIFY(Books(*other) != books);
    // Every demo customer has an account to look at, and nothing is dated after the day.
    QCOMPARE(Ask(*first, QStringLiteral("SELECT COUNT(*) FROM cari c WHERE NOT EXISTS"
                                        " (SELECT 1 FROM cari_hareket h WHERE h.cari_id = c.id)")),
             QStringLiteral("0"));
    QCOMPARE(Ask(*first,
                 QStringLiteral("SELECT COUNT(*) FROM cari_hareket WHERE tarih >= '2026-06-16'")),
             QStringLiteral("0"));
    QVERIFY(Ask(*first, QStringLiteral("SELECT COUNT(*) FROM doviz_kur")).toInt() > 0);
    // Cheques fall due later and carry their number.
    QVERIFY(Ask(*first, QStringLiteral("SELECT COUNT(*) FROM tahsilat_satir WHERE cins = 'Çek'"))
                .toInt() > 0);
    QCOMPARE(
        Ask(*first,
            QStringLiteral(
                "SELECT COUNT(*) FROM tahsilat_satir l JOIN tahsilat t ON t.id = l.tahsilat_id"
                " WHERE l.cins = 'Çek' AND (l.vade IS NULL OR l.vade <= t.tarih OR l.ref = '')")),
        QStringLiteral("0"));
}

void TestAccountsDemo::shouldKeepInvoiceTotalsEqualToTheirLines()
{
    std::unique_ptr<Database> db = Seeded(QStringLiteral("d.db"), 11);
    // Lists the invoices whose totals differ from their lines by a cent or more.
    QCOMPARE(
        Ask(*db,
            QStringLiteral(
                "SELECT f.evrakno FROM fatura f JOIN (SELECT fatura_id, SUM(tutar) AS tutar,"
                " SUM(toplamindirim) AS indirim, SUM(nettutar) AS net, SUM(vergi) AS vergi,"
                " COUNT(*) AS satir FROM fatura_satir GROUP BY fatura_id) l ON l.fatura_id = f.id"
                " WHERE ABS(f.toplam - l.tutar) > 0.005 OR ABS(f.toplamindirim - l.indirim) > 0.005"
                " OR ABS(f.matrah - l.net) > 0.005 OR ABS(f.kdvtutar - l.vergi) > 0.005"
                " OR ABS(f.kdvdahil - f.matrah - f.kdvtutar) > 0.005 OR l.satir = 0")),
        QString());
    QCOMPARE(Ask(*db, QStringLiteral("SELECT COUNT(*) FROM fatura f WHERE NOT EXISTS"
                                     " (SELECT 1 FROM fatura_satir l WHERE l.fatura_id = f.id)")),
             QStringLiteral("0"));
    QVERIFY(Ask(*db, QStringLiteral("SELECT COUNT(*) FROM fatura WHERE yon < 0")).toInt() > 0);
}

void TestAccountsDemo::shouldLinkEveryDocumentToOneStatementLine()
{
    std::unique_ptr<Database> db = Seeded(QStringLiteral("e.db"), 12);
    QCOMPARE(
        Ask(*db, QStringLiteral(
                     "SELECT f.evrakno FROM fatura f LEFT JOIN cari_hareket h ON h.fatura_id = f.id"
                     " GROUP BY f.id, f.evrakno, f.kdvdahil, f.yon"
                     " HAVING COUNT(h.id) <> 1 OR ABS(SUM(h.borc + h.alacak) - f.kdvdahil) > 0.005"
                     " OR (f.yon > 0 AND SUM(h.alacak) > 0) OR (f.yon < 0 AND SUM(h.borc) > 0)")),
        QString());
    QCOMPARE(
        Ask(*db,
            QStringLiteral(
                "SELECT t.evrakno FROM tahsilat t LEFT JOIN cari_hareket h ON h.tahsilat_id = t.id"
                " GROUP BY t.id, t.evrakno, t.tutar"
                " HAVING COUNT(h.id) <> 1 OR ABS(SUM(h.borc + h.alacak) - t.tutar) > 0.005")),
        QString());
}

void TestAccountsDemo::shouldKeepReceiptOfEveryCardPayment()
{
    std::unique_ptr<Database> db = Seeded(QStringLiteral("f.db"), 13);
    QSqlQuery q = db->Exec(
        QStringLiteral("SELECT p.id, p.pdf, p.kartson4, t.tutar, p.tutar FROM sanalpos_odeme p"
                       " JOIN tahsilat t ON t.id = p.tahsilat_id"));
    int payments = 0;
    while (q.next()) {
        ++payments;
        QVERIFY(q.value(1).toByteArray().startsWith("%PDF-"));
        QCOMPARE(q.value(2).toString().size(), 4);
        QCOMPARE(q.value(3).toDouble(), q.value(4).toDouble());
    }
    QVERIFY(payments > 0);
    QCOMPARE(
        Ask(*db, QStringLiteral("SELECT COUNT(*) FROM sanalpos_odeme WHERE tahsilat_id IS NULL")),
        QStringLiteral("0"));
}

QTEST_MAIN(TestAccountsDemo)
#include "test_accounts_demo.moc"
