#include "reports.h"

#include "pdfdocument.h"
#include "sessionuser.h"
#include "sqldates.h"
#include "statement.h"

#include "appserver/data/database.h"
#include "platform/error.h"
#include "platform/numberformat.h"

#include <QSqlQuery>
#include <cmath>
#include <vector>

namespace appserver::accounts {
namespace {

using Columns = std::vector<PdfDocument::Column>;

QString Day(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate DayOf(const QVariant &stored)
{
    return QDate::fromString(stored.toString().left(10), Qt::ISODate);
}

struct CustomerInfo
{
    qint64 id;
    QString code, name, salesperson, contact, phone, city;
    int termDays;
};

CustomerInfo VisibleCustomer(Database &db, const SessionUser &user, qint64 customerId)
{
    QVariantList values{customerId};
    const QString scope = CustomerScope(user, values);
    QSqlQuery query =
        db.Exec(QStringLiteral("SELECT c.id, c.kod, c.adi, COALESCE(s.adi, ''), c.yetkili, c.tel1,"
                               " c.ilce || '/' || c.sehir, c.vadegun FROM cari c"
                               " LEFT JOIN satici s ON s.id = c.satici_id WHERE c.id = ? AND ") +
                    scope,
                values);
    if (!query.next())
        throw platform::Error(QStringLiteral("Cari bulunamadı: %1").arg(customerId));
    return {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(),   query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString(),   query.value(7).toInt()};
}

void CustomerFields(PdfDocument &pdf, const CustomerInfo &c)
{
    pdf.Field(QStringLiteral("Cari Kod:"), c.code);
    pdf.Field(QStringLiteral("Cari Adı:"), c.name);
    pdf.Field(QStringLiteral("Satıcı:"), c.salesperson);
    pdf.Field(QStringLiteral("Yetkili:"), c.contact);
    pdf.Field(QStringLiteral("Telefon:"), c.phone);
    pdf.Field(QStringLiteral("İlçe/İl:"), c.city);
    pdf.Field(QStringLiteral("Vade (Gün):"), QString::number(c.termDays));
}

QString Mark(double balance)
{
    return balance > 0.005    ? QStringLiteral("B")
           : balance < -0.005 ? QStringLiteral("A")
                              : QStringLiteral(" ");
}

// One customer's account at a day: balance, overdue debt and the last movements.
QByteArray CustomerSummary(Database &db, const SessionUser &user, qint64 customerId,
                           const QDate &day)
{
    const CustomerInfo customer = VisibleCustomer(db, user, customerId);
    const double balance = BalanceAt(db, customerId, day);
    const Overdue overdue = OverdueDebt(db, customerId, day);

    PdfDocument pdf(QStringLiteral("Cari Özeti %1").arg(customer.code));
    pdf.Heading(QStringLiteral("Cari Özeti — %1").arg(Day(day)));
    CustomerFields(pdf, customer);
    pdf.Field(QStringLiteral("Bakiye:"),
              Money(std::abs(balance)) + QStringLiteral(" TL ") + Mark(balance));
    pdf.Field(QStringLiteral("Vadesi Geçen:"), Money(overdue.amount) + QStringLiteral(" TL"));
    pdf.Field(QStringLiteral("En Eski Vade:"),
              overdue.oldestDue.isValid() ? Day(overdue.oldestDue) : QStringLiteral("-"));
    pdf.Space();
    pdf.Paragraph(QStringLiteral("Son hareketler"));

    // The last 30 movements up to the day, shown oldest first with the balance after each.
    QSqlQuery query =
        db.Exec(QStringLiteral(
                    "SELECT x.tarih, x.tur, x.evrakno, x.borc, x.alacak, x.vade, x.bakiye FROM ("
                    " SELECT h.id, h.tarih, h.tur, h.evrakno, h.borc, h.alacak, h.vade,"
                    " SUM(h.borc - h.alacak) OVER (ORDER BY h.tarih, h.id ROWS UNBOUNDED PRECEDING)"
                    " AS bakiye FROM cari_hareket h WHERE h.cari_id = ? AND h.tarih < ?) x"
                    " ORDER BY x.tarih DESC, x.id DESC LIMIT 30"),
                {customerId, DateText(day.addDays(1))});
    std::vector<QStringList> rows;
    while (query.next()) {
        const double rowBalance = query.value(6).toDouble();
        const QDate due = DayOf(query.value(5));
        rows.insert(rows.begin(),
                    {Day(DayOf(query.value(0))), query.value(1).toString(),
                     query.value(2).toString(), Money(query.value(3).toDouble()),
                     Money(query.value(4).toDouble()), due.isValid() ? Day(due) : QString(),
                     Money(std::abs(rowBalance)) + QLatin1Char(' ') + Mark(rowBalance)});
    }
    pdf.Table(Columns{{QStringLiteral("Tarih"), 2},
                      {QStringLiteral("Tür"), 3},
                      {QStringLiteral("Evrak No"), 3},
                      {QStringLiteral("Borç"), 2, true},
                      {QStringLiteral("Alacak"), 2, true},
                      {QStringLiteral("Vade"), 2},
                      {QStringLiteral("Bakiye"), 3, true}},
              rows);
    return pdf.Finish();
}

// Every visible customer with an open balance at the day, with what of it is overdue.
QByteArray Receivables(Database &db, const SessionUser &user, const QString &salesperson,
                       const QDate &day)
{
    QVariantList values{DateText(day.addDays(1))};
    const QString scope = CustomerScope(user, values);
    // "." asks for every salesperson; a salesperson asking by their own user name gets their
    // own customers, which the scope already keeps.
    QString filter;
    if (!salesperson.isEmpty() && salesperson != QLatin1String(".") && salesperson != user.name) {
        filter = QStringLiteral(" AND COALESCE(s.adi, '') = ?");
        values << salesperson;
    }
    QSqlQuery query =
        db.Exec(QStringLiteral("SELECT c.id, c.kod, c.adi, COALESCE(s.adi, ''),"
                               " (SELECT COALESCE(SUM(h.borc - h.alacak), 0) FROM cari_hareket h"
                               "  WHERE h.cari_id = c.id AND h.tarih < ?) AS bakiye"
                               " FROM cari c LEFT JOIN satici s ON s.id = c.satici_id WHERE ") +
                    scope + filter + QStringLiteral(" ORDER BY s.adi, c.kod"),
                values);
    std::vector<QStringList> rows;
    double totalBalance = 0, totalOverdue = 0;
    while (query.next()) {
        const double balance = platform::RoundHalfAwayFromZero(query.value(4).toDouble(), 2);
        if (std::abs(balance) < 0.005)
            continue;
        const Overdue overdue = OverdueDebt(db, query.value(0).toLongLong(), day);
        const double notDue = balance > 0 ? balance - overdue.amount : 0;
        totalBalance = platform::RoundHalfAwayFromZero(totalBalance + balance, 2);
        totalOverdue = platform::RoundHalfAwayFromZero(totalOverdue + overdue.amount, 2);
        rows.push_back(
            {query.value(1).toString(), query.value(2).toString(), query.value(3).toString(),
             Money(std::abs(balance)) + QLatin1Char(' ') + Mark(balance), Money(overdue.amount),
             Money(notDue), overdue.oldestDue.isValid() ? Day(overdue.oldestDue) : QString()});
    }
    PdfDocument pdf(QStringLiteral("Cari Toplu Alacak Vadeleri"),
                    PdfDocument::Orientation::Landscape);
    pdf.Heading(QStringLiteral("Cari Toplu Alacak Vadeleri — %1").arg(Day(day)));
    pdf.Field(QStringLiteral("Satıcı:"), filter.isEmpty() ? QStringLiteral("Tümü") : salesperson);
    pdf.Field(QStringLiteral("Cari Sayısı:"), QString::number(rows.size()));
    pdf.Space();
    pdf.Table(Columns{{QStringLiteral("Cari Kod"), 2},
                      {QStringLiteral("Cari Adı"), 5},
                      {QStringLiteral("Satıcı"), 3},
                      {QStringLiteral("Bakiye"), 3, true},
                      {QStringLiteral("Vadesi Geçen"), 3, true},
                      {QStringLiteral("Vadesi Gelmeyen"), 3, true},
                      {QStringLiteral("En Eski Vade"), 2}},
              rows,
              {QStringLiteral("Toplam"), QString(), QString(),
               Money(std::abs(totalBalance)) + QLatin1Char(' ') + Mark(totalBalance),
               Money(totalOverdue), QString(), QString()});
    return pdf.Finish();
}

// One customer's invoices and collections in the days of the range, by month, with the
// salesperson of each invoice.
QByteArray SalesTable(Database &db, const SessionUser &user, qint64 customerId,
                      const QString &salesperson, const DayRange &days)
{
    const CustomerInfo customer = VisibleCustomer(db, user, customerId);
    PdfDocument pdf(QStringLiteral("Cari Alış Satış Tablosu %1").arg(customer.code),
                    PdfDocument::Orientation::Landscape);
    pdf.Heading(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı) — %1 - %2")
                    .arg(Day(days.first), Day(days.last)));
    pdf.Field(QStringLiteral("Cari:"), customer.code + QStringLiteral(" ") + customer.name);
    pdf.Field(QStringLiteral("Satıcı:"), salesperson.isEmpty() || salesperson == QLatin1String(".")
                                             ? customer.salesperson
                                             : salesperson);
    pdf.Space();

    QSqlQuery months =
        db.Exec(QStringLiteral(
                    "SELECT h.tarih, h.tur, h.borc, h.alacak FROM cari_hareket h"
                    " WHERE h.cari_id = ? AND h.tarih >= ? AND h.tarih < ? ORDER BY h.tarih, h.id"),
                {customerId, days.from, days.until});
    struct Month
    {
        QString name;
        double sales = 0, returns = 0, collections = 0, payments = 0;
    };
    std::vector<Month> byMonth;
    Month total{QStringLiteral("Toplam")};
    while (months.next()) {
        const QDate date = DayOf(months.value(0));
        const QString name = date.toString(QStringLiteral("MM.yyyy"));
        if (byMonth.empty() || byMonth.back().name != name)
            byMonth.push_back({name});
        const QString kind = months.value(1).toString();
        const double debit = months.value(2).toDouble(), credit = months.value(3).toDouble();
        for (Month *m : {&byMonth.back(), &total}) {
            if (kind.contains(QStringLiteral("İade")))
                m->returns += credit - debit;
            else if (kind.contains(QLatin1String("Fatura")))
                m->sales += debit - credit;
            else if (kind == QLatin1String("Tediye"))
                m->payments += debit;
            else if (kind == QLatin1String("Tahsilat"))
                m->collections += credit;
        }
    }
    std::vector<QStringList> rows;
    for (const Month &m : byMonth)
        rows.push_back({m.name, Money(m.sales), Money(m.returns), Money(m.sales - m.returns),
                        Money(m.collections), Money(m.payments)});
    const Columns monthColumns{{QStringLiteral("Ay"), 2},
                               {QStringLiteral("Satış"), 3, true},
                               {QStringLiteral("İade"), 3, true},
                               {QStringLiteral("Net Satış"), 3, true},
                               {QStringLiteral("Tahsilat"), 3, true},
                               {QStringLiteral("Tediye"), 3, true}};
    pdf.Table(monthColumns, rows,
              {total.name, Money(total.sales), Money(total.returns),
               Money(total.sales - total.returns), Money(total.collections),
               Money(total.payments)});

    QSqlQuery invoices =
        db.Exec(QStringLiteral(
                    "SELECT f.tarih, f.evrakno, f.tur, COALESCE(s.adi, ''), f.matrah, f.kdvtutar,"
                    " f.kdvdahil, f.yon FROM fatura f LEFT JOIN satici s ON s.id = f.satici_id"
                    " WHERE f.cari_id = ? AND f.tarih >= ? AND f.tarih < ? ORDER BY f.tarih, f.id"),
                {customerId, days.from, days.until});
    rows.clear();
    while (invoices.next())
        rows.push_back({Day(DayOf(invoices.value(0))), invoices.value(1).toString(),
                        invoices.value(2).toString(), invoices.value(3).toString(),
                        Money(invoices.value(4).toDouble()), Money(invoices.value(5).toDouble()),
                        Money(invoices.value(6).toDouble())});
    pdf.Paragraph(QStringLiteral("Faturalar"));
    pdf.Table(Columns{{QStringLiteral("Tarih"), 2},
                      {QStringLiteral("Evrak No"), 3},
                      {QStringLiteral("Tür"), 3},
                      {QStringLiteral("Satıcı"), 3},
                      {QStringLiteral("Matrah"), 2, true},
                      {QStringLiteral("KDV"), 2, true},
                      {QStringLiteral("Toplam"), 2, true}},
              rows);
    return pdf.Finish();
}

} // namespace

QByteArray ReportPdf(Database &db, const ReportRequest &request)
{
    if (request.number != kCustomerSummaryReport && request.number != kSalesTableReport)
        throw platform::Error(QStringLiteral("Bilinmeyen rapor: %1").arg(request.number));
    if (request.salesperson.size() > 100)
        throw platform::Error(QStringLiteral("Satıcı adı çok uzun."));
    const DayRange days = DaysBetween(request.day1, request.day2);
    const SessionUser user = UserByNumber(db, request.userId);
    if (request.number == kSalesTableReport) {
        if (request.customerId <= 0)
            throw platform::Error(QStringLiteral("Rapor için cari seçilmedi."));
        return SalesTable(db, user, request.customerId, request.salesperson, days);
    }
    if (request.customerId > 0)
        return CustomerSummary(db, user, request.customerId, days.last);
    if (request.customerId < 0)
        throw platform::Error(QStringLiteral("Cari bulunamadı: %1").arg(request.customerId));
    return Receivables(db, user, request.salesperson, days.last);
}

} // namespace appserver::accounts
