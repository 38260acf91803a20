#include "invoices.h"

#include "sqldates.h"
#include "statement.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/numberformat.h"

#include <cmath>

namespace appserver::accounts {
namespace {

using platform::FieldType;

double Cents(double value)
{
    return platform::RoundHalfAwayFromZero(value, 2);
}

bool NonNegative(double value)
{
    return std::isfinite(value) && value >= 0;
}

void Check(const Invoice &invoice)
{
    if (invoice.lines.empty())
        throw platform::Error(QStringLiteral("Fatura satırı yok: %1").arg(invoice.number));
    for (const InvoiceLine &line : invoice.lines) {
        if (!std::isfinite(line.quantity) || line.quantity <= 0 || !NonNegative(line.unitPrice) ||
            !NonNegative(line.discount1) || line.discount1 > 100 || !NonNegative(line.discount2) ||
            line.discount2 > 100 || !NonNegative(line.vatRate) || !NonNegative(line.expense))
            throw platform::Error(
                QStringLiteral("Geçersiz fatura satırı: %1 %2").arg(invoice.number, line.code));
    }
}

struct LineAmounts
{
    double gross, discount, netUnitPrice, net, tax;
};

LineAmounts AmountsOf(const InvoiceLine &line)
{
    const double factor = (1 - line.discount1 / 100) * (1 - line.discount2 / 100);
    LineAmounts a{};
    a.gross = Cents(line.quantity * line.unitPrice);
    const double discounted = Cents(a.gross * factor);
    a.discount = Cents(a.gross - discounted);
    a.netUnitPrice = Cents(line.unitPrice * factor);
    a.net = Cents(discounted + line.expense);
    a.tax = Cents(a.net * line.vatRate / 100);
    return a;
}

QVariant OptionalTime(const QDateTime &when)
{
    return when.isValid() ? QVariant(DateTimeText(when)) : QVariant();
}

// The invoice window's columns: the SQL that gives each one and its wire type.
struct LineColumn
{
    const char *sql;
    Column column;
};

const LineColumn kLineColumns[] = {
    {"l.oemno", {"OEMNO", FieldType::String, 50}},
    {"l.stokadi", {"STOKADI", FieldType::String, 100}},
    {"l.finishkod", {"FINISHKOD", FieldType::String, 50}},
    {"l.marka", {"MARKA", FieldType::String, 50}},
    {"l.model", {"MODEL", FieldType::String, 50}},
    {"l.anagrup", {"ANAGRUP", FieldType::String, 50}},
    {"l.birim", {"BIRIM", FieldType::String, 10}},
    {"l.miktar", {"STOKHAR_MIKTAR", FieldType::Float}},
    {"l.birimfiyat", {"STOKHAR_TLBIRIMFIYATI", FieldType::Float}},
    {"l.tutar", {"STOKHAR_TLTUTAR", FieldType::Float}},
    {"l.indirim1", {"STOKHAR_INDIRIM1", FieldType::Float}},
    {"l.indirim2", {"STOKHAR_INDIRIM2", FieldType::Float}},
    {"l.kdv", {"KDV", FieldType::Float}},
    {"l.toplamindirim", {"STOKHAR_TOPLAMINDIRIM", FieldType::Float}},
    {"l.masraf", {"STOKHAR_TOPLAMMASRAF", FieldType::Float}},
    {"l.netbirimfiyat", {"STOKHAR_NETTLBIRIMFIYATI", FieldType::Float}},
    {"l.nettutar", {"STOKHAR_NETTLTUTAR", FieldType::Float}},
    {"l.ozelkod", {"OZELKOD", FieldType::String, 50}},
    {"l.barkod", {"BARKOD", FieldType::String, 50}},
    {"f.tarih", {"STOKHAR_HAREKETTARIHI", FieldType::Date}},
    {"f.tur", {"STOKHAR_HAREKETTIPI2", FieldType::String, 50}},
    {"f.evrakno", {"EVRAKNO", FieldType::String, 30}},
    {"l.vergi", {"STOKHAR_TLVERGI", FieldType::Float}},
    {"f.irsaliyeno", {"IRSALIYEEVRAKNO", FieldType::String, 30}},
    {"f.irsaliyetarih", {"STOKHAR_IRSTARIHI", FieldType::Date}},
    {"l.aciklama", {"SATIRACIKLMASI", FieldType::String, 100}},
    {"f.saat", {"STOKHAR_SAAT", FieldType::String, 8}},
    {"f.vadegun", {"STOKHAR_VADE", FieldType::Integer}},
    {"f.siparisno", {"SIPARISEVRAKNO", FieldType::String, 30}},
    {"f.siparistarih", {"SIPARISTARIHI", FieldType::Date}},
    {"CASE WHEN f.yon > 0 THEN 'Satış İrsaliyesi' ELSE 'İade İrsaliyesi' END",
     {"IRSALIYETIP2", FieldType::String, 30}},
    // Kept for the window's hidden columns: this server invoices in lira with two discounts.
    {"0.0", {"STOKHAR_INDIRIM3", FieldType::Float}},
    {"0.0", {"STOKHAR_INDIRIM4", FieldType::Float}},
    {"0.0", {"STOKHAR_INDIRIM5", FieldType::Float}},
    {"0.0", {"STOKHAR_INDIRIM6", FieldType::Float}},
    {"0.0", {"STOKHAR_INDIRIM7", FieldType::Float}},
    {"0.0", {"STOKHAR_INDIRIM8", FieldType::Float}},
    {"0.0", {"STOKHAR_DOVIZBIRIMFIYATI", FieldType::Float}},
    {"0.0", {"STOKHAR_DOVIZVERGI", FieldType::Float}},
    {"0.0", {"STOKHAR_DOVIZTUTAR", FieldType::Float}},
    {"''", {"STOKHAR_PARTI", FieldType::String, 20}},
    {"''", {"STOKHAR_BEDEN", FieldType::String, 20}},
    {"''", {"STOKHAR_RENK", FieldType::String, 20}},
    {"0.0", {"STOKHAR_MASRAF1", FieldType::Float}},
    {"0.0", {"STOKHAR_MASRAF2", FieldType::Float}},
    {"0.0", {"STOKHAR_DOVIZTOPLAMINDIRIM", FieldType::Float}},
    {"0.0", {"STOKHAR_DOVIZTOPLAMMASRAF", FieldType::Float}},
    {"0.0", {"STOKHAR_NETDOVIZBIRIMFIYATI", FieldType::Float}},
    {"0.0", {"STOKHAR_NETDOVIZTUTAR", FieldType::Float}},
    {"1.0", {"STOKHAR_KURTL", FieldType::Float}},
    {"CASE WHEN f.siparisno <> '' THEN 1 ELSE 0 END", {"SIPARISTIPI", FieldType::Integer}},
    {"CASE WHEN f.yon > 0 THEN 1 ELSE 2 END", {"IRSALIYETIPINO", FieldType::Integer}},
    {"c.kod", {"STOKCARIKOD", FieldType::String, 25}},
    {"0", {"SUBE_NO", FieldType::Integer}},
    {"f.cari_id", {"STOKHAR_CARINO", FieldType::Integer}},
    {"'TL'", {"KUR_KURSIMGE", FieldType::String, 5}},
    {"COALESCE(s.adi, '')", {"SATICIADI", FieldType::String, 50}},
    {"l.ureticikodu", {"URETICIKODU", FieldType::String, 50}},
    {"l.dpkod", {"DPKOD", FieldType::String, 50}},
    {"l.kod", {"ENADI", FieldType::String, 50}},
};

} // namespace

RecordedInvoice RecordInvoice(Database &db, const Invoice &invoice)
{
    Check(invoice);
    const int sign = invoice.isReturn ? -1 : 1;
    RecordedInvoice recorded;
    recorded.invoiceId =
        db.Insert(QStringLiteral("INSERT INTO fatura (cari_id, tarih, saat, evrakno, tur, yon, "
                                 "satici_id, vadegun, irsaliyeno,"
                                 " irsaliyetarih, siparisno, siparistarih, aciklama) VALUES (?, ?, "
                                 "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {invoice.customerId, DateTimeText(invoice.when),
                   invoice.when.toString(QStringLiteral("HH:mm")), invoice.number,
                   invoice.isReturn ? QStringLiteral("Satış İade Faturası")
                                    : QStringLiteral("Satış Faturası"),
                   sign, invoice.salespersonId > 0 ? QVariant(invoice.salespersonId) : QVariant(),
                   invoice.termDays, invoice.deliveryNote, OptionalTime(invoice.deliveryDate),
                   invoice.orderNumber, OptionalTime(invoice.orderDate), invoice.text});

    double gross = 0, discount = 0, expense = 0, net = 0, tax = 0;
    int order = 0;
    for (const InvoiceLine &line : invoice.lines) {
        const LineAmounts a = AmountsOf(line);
        db.Exec(QStringLiteral(
                    "INSERT INTO fatura_satir (fatura_id, sira, stok_id, kod, barkod, oemno, "
                    "stokadi, finishkod,"
                    " marka, model, anagrup, departman, birim, ozelkod, ureticikodu, dpkod, "
                    "aciklama, miktar,"
                    " birimfiyat, indirim1, indirim2, kdv, masraf, tutar, toplamindirim, "
                    "netbirimfiyat, nettutar,"
                    " vergi) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                {recorded.invoiceId,
                 ++order,
                 line.stockId > 0 ? QVariant(line.stockId) : QVariant(),
                 line.code,
                 line.barcode,
                 line.oem,
                 line.name,
                 line.finish,
                 line.brand,
                 line.model,
                 line.group,
                 line.department,
                 line.unit,
                 line.specialCode,
                 line.makerCode,
                 line.dpCode,
                 line.text,
                 line.quantity,
                 line.unitPrice,
                 line.discount1,
                 line.discount2,
                 line.vatRate,
                 line.expense,
                 a.gross,
                 a.discount,
                 a.netUnitPrice,
                 a.net,
                 a.tax});
        gross = Cents(gross + a.gross);
        discount = Cents(discount + a.discount);
        expense = Cents(expense + line.expense);
        net = Cents(net + a.net);
        tax = Cents(tax + a.tax);
    }
    recorded.total = Cents(net + tax);
    db.Exec(QStringLiteral("UPDATE fatura SET toplam = ?, toplamindirim = ?, toplammasraf = ?, "
                           "matrah = ?, kdvtutar = ?,"
                           " kdvdahil = ? WHERE id = ?"),
            {gross, discount, expense, net, tax, recorded.total, recorded.invoiceId});

    Movement movement;
    movement.customerId = invoice.customerId;
    movement.when = invoice.when;
    movement.kind =
        invoice.isReturn ? QStringLiteral("Satış İade Faturası") : QStringLiteral("Satış Faturası");
    movement.number = invoice.number;
    movement.text = invoice.text;
    (invoice.isReturn ? movement.credit : movement.debit) = recorded.total;
    if (!invoice.isReturn)
        movement.due = invoice.when.date().addDays(invoice.termDays);
    movement.invoiceId = recorded.invoiceId;
    recorded.movementId = AddMovement(db, movement);
    return recorded;
}

std::unique_ptr<platform::DataSet> InvoiceLines(Database &db, qint64 customerId, qint64 movementId)
{
    QStringList select;
    std::vector<Column> columns;
    for (const LineColumn &c : kLineColumns) {
        select << QString::fromUtf8(c.sql);
        columns.push_back(c.column);
    }
    return db.Table(
        QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) +
            QStringLiteral(
                " FROM cari_hareket h JOIN fatura f ON f.id = h.fatura_id"
                " JOIN fatura_satir l ON l.fatura_id = f.id JOIN cari c ON c.id = f.cari_id"
                " LEFT JOIN satici s ON s.id = f.satici_id"
                " WHERE h.id = ? AND h.cari_id = ? ORDER BY l.sira"),
        {movementId, customerId}, columns);
}

std::unique_ptr<platform::DataSet> InvoiceTotals(Database &db, qint64 movementId)
{
    return db.Table(
        QStringLiteral(
            "SELECT f.toplam, f.toplamindirim, f.toplammasraf, f.matrah, f.kdvtutar, f.kdvdahil,"
            " f.evrakno, f.tarih, f.cari_id FROM cari_hareket h JOIN fatura f ON f.id = h.fatura_id"
            " WHERE h.id = ?"),
        {movementId},
        {{"TOPLAM", FieldType::Float},
         {"TOPLAMINDIRIM", FieldType::Float},
         {"TOPLAMMASRAF", FieldType::Float},
         {"MATRAH", FieldType::Float},
         {"KDVTUTAR", FieldType::Float},
         {"KDVDAHIL", FieldType::Float},
         {"EVRAKNO", FieldType::String, 30},
         {"TARIH", FieldType::Date},
         {"CARINO", FieldType::Integer}});
}

} // namespace appserver::accounts
