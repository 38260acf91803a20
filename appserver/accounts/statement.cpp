#include "statement.h"

#include "sqldates.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <QSqlQuery>
#include <cmath>

namespace appserver::accounts {
namespace {

using platform::FieldType;

// Amounts below half a cent count as zero: the sums are of rounded amounts in floating point.
constexpr double kCent = 0.005;

const std::vector<Column> kStatementColumns = {
    {"CARINO", FieldType::Integer},       {"TARIH", FieldType::Date},
    {"TURADI", FieldType::String, 30},    {"EVRAK", FieldType::String, 30},
    {"BORC", FieldType::Float},           {"ALACAK", FieldType::Float},
    {"KUR", FieldType::String, 5},        {"BAKIYE", FieldType::Float},
    {"D", FieldType::String, 1},          {"IDNO", FieldType::Integer},
    {"ACIKLAMA", FieldType::String, 200}, {"VADE", FieldType::Date},
};

// The running balance is taken over every line up to the end of the range, so a range that
// starts later still shows the balance carried from before it.
QString StatementSql(bool ranged)
{
    return QStringLiteral(
               "SELECT x.cari_id, x.tarih, x.tur, x.evrakno, x.borc, x.alacak, x.kur, x.bakiye,"
               " CASE WHEN x.bakiye > 0.005 THEN 'B' WHEN x.bakiye < -0.005 THEN 'A' ELSE ' ' END,"
               " x.id, x.aciklama, x.vade FROM ("
               "  SELECT h.id, h.cari_id, h.tarih, h.tur, h.evrakno, h.borc, h.alacak, h.kur, "
               "h.aciklama, h.vade,"
               // Amounts are whole cents: rounding the sum drops what floating point adds (and -0).
               "  ROUND(CAST(SUM(h.borc - h.alacak) OVER (ORDER BY h.tarih, h.id ROWS UNBOUNDED "
               "PRECEDING)"
               "  AS NUMERIC), 2) + 0.0 AS bakiye"
               "  FROM cari_hareket h WHERE h.cari_id = ?") +
           (ranged ? QStringLiteral(" AND h.tarih < ?) x WHERE x.tarih >= ?")
                   : QStringLiteral(") x")) +
           QStringLiteral(" ORDER BY x.tarih, x.id");
}

QVariant OptionalDate(const std::optional<QDate> &date)
{
    return date ? QVariant(DateText(*date)) : QVariant();
}

QVariant OptionalId(qint64 id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

} // namespace

QString Money(double value)
{
    return platform::FormatFloat(QStringLiteral("#,###,##0.00"), value,
                                 QLocale(QLocale::Turkish, QLocale::Turkey));
}

qint64 AddMovement(Database &db, const Movement &m)
{
    return db.Insert(
        QStringLiteral(
            "INSERT INTO cari_hareket (cari_id, tarih, tur, evrakno, aciklama, borc, alacak,"
            " kur, vade, fatura_id, tahsilat_id) VALUES (?, ?, ?, ?, ?, ?, ?, 'TL', ?, ?, ?)"),
        {m.customerId, DateTimeText(m.when), m.kind, m.number, m.text, m.debit, m.credit,
         OptionalDate(m.due), OptionalId(m.invoiceId), OptionalId(m.collectionId)});
}

std::unique_ptr<platform::DataSet> StatementTable(Database &db, qint64 customerId)
{
    return db.Table(StatementSql(false), {customerId}, kStatementColumns);
}

std::unique_ptr<platform::DataSet> StatementTable(Database &db, qint64 customerId,
                                                  const DayRange &days)
{
    return db.Table(StatementSql(true), {customerId, days.until, days.from}, kStatementColumns);
}

std::unique_ptr<platform::DataSet> StatementHeading(Database &db, qint64 customerId,
                                                    const QDate &first)
{
    return db.Table(QStringLiteral("SELECT c.id, c.kod, c.adi, CAST(? AS TEXT), x.borc, x.alacak,"
                                   " ROUND(CAST(x.borc - x.alacak AS NUMERIC), 2) + 0.0,"
                                   " CASE WHEN x.borc - x.alacak > 0.005 THEN 'B' WHEN x.borc - "
                                   "x.alacak < -0.005 THEN 'A' ELSE ' ' END"
                                   " FROM cari c CROSS JOIN (SELECT COALESCE(SUM(h.borc), 0) AS "
                                   "borc, COALESCE(SUM(h.alacak), 0) AS alacak"
                                   "  FROM cari_hareket h WHERE h.cari_id = ? AND h.tarih < ?) x"
                                   " WHERE c.id = ?"),
                    {DateText(first), customerId, DateText(first), customerId},
                    {{"CARINO", FieldType::Integer},
                     {"CARIKOD", FieldType::String, 25},
                     {"CARIADI", FieldType::String, 100},
                     {"TARIH", FieldType::Date},
                     {"BORC", FieldType::Float},
                     {"ALACAK", FieldType::Float},
                     {"BAKIYE", FieldType::Float},
                     {"D", FieldType::String, 1}});
}

std::optional<double> Balance(Database &db, qint64 customerId)
{
    QSqlQuery query = db.Exec(
        QStringLiteral("SELECT (SELECT COALESCE(SUM(h.borc - h.alacak), 0) FROM cari_hareket h"
                       " WHERE h.cari_id = c.id) FROM cari c WHERE c.id = ?"),
        {customerId});
    if (!query.next())
        return std::nullopt;
    return platform::RoundHalfAwayFromZero(query.value(0).toDouble(), 2);
}

double BalanceAt(Database &db, qint64 customerId, const QDate &day)
{
    return platform::RoundHalfAwayFromZero(
        db.Scalar(QStringLiteral("SELECT COALESCE(SUM(borc - alacak), 0) FROM cari_hareket WHERE "
                                 "cari_id = ? AND tarih < ?"),
                  {customerId, DateText(day.addDays(1))})
            .toDouble(),
        2);
}

QString BalanceText(Database &db, qint64 customerId)
{
    const std::optional<double> balance = Balance(db, customerId);
    if (!balance)
        return QString();
    // -0.00 would read as a debt of nothing.
    return QString::number(std::abs(*balance) < kCent ? 0.0 : *balance, 'f', 2);
}

Overdue OverdueDebt(Database &db, qint64 customerId, const QDate &today)
{
    // The account as it stood at the end of `today`: later movements do not count yet.
    const QString until = DateText(today.addDays(1));
    double credits = db.Scalar(QStringLiteral("SELECT COALESCE(SUM(alacak), 0) FROM cari_hareket"
                                              " WHERE cari_id = ? AND tarih < ?"),
                               {customerId, until})
                         .toDouble();
    // A debit without a due date is due on its own date.
    QSqlQuery debts =
        db.Exec(QStringLiteral("SELECT borc, COALESCE(vade, tarih) AS due FROM cari_hareket"
                               " WHERE cari_id = ? AND borc > 0 AND tarih < ? ORDER BY due, id"),
                {customerId, until});
    Overdue overdue;
    while (debts.next()) {
        const double debt = debts.value(0).toDouble();
        const double paid = std::min(debt, credits);
        credits -= paid;
        const double open = debt - paid;
        if (open < kCent)
            continue;
        const QDate due = QDate::fromString(debts.value(1).toString().left(10), Qt::ISODate);
        if (!due.isValid() || due >= today)
            break; // later debts fall due later still
        overdue.amount += open;
        if (!overdue.oldestDue.isValid())
            overdue.oldestDue = due;
    }
    overdue.amount = platform::RoundHalfAwayFromZero(overdue.amount, 2);
    return overdue;
}

QString OverdueWarning(Database &db, qint64 customerId, const QDate &today)
{
    const Overdue overdue = OverdueDebt(db, customerId, today);
    if (overdue.amount < kCent)
        return QString();
    return QStringLiteral("Vadesi geçmiş %1 TL borcunuz bulunmaktadır. En eski vade: %2 (%3 gün)")
        .arg(Money(overdue.amount), overdue.oldestDue.toString(QStringLiteral("dd.MM.yyyy")))
        .arg(overdue.oldestDue.daysTo(today));
}

} // namespace appserver::accounts
