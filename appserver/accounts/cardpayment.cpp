#include "cardpayment.h"

#include "collections.h"
#include "pdfdocument.h"
#include "sqldates.h"
#include "statement.h"

#include "appserver/data/database.h"
#include "platform/error.h"
#include "platform/numberformat.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <cmath>

namespace appserver::accounts {
namespace {

constexpr double kMaxAmount = 10000000;
constexpr int kMaxHolderLength = 100;

QString LastFourDigits(const QString &digits)
{
    QString plain = digits;
    plain.remove(QRegularExpression(QStringLiteral("[ -]")));
    static const QRegularExpression kDigits(QStringLiteral("^[0-9]{4,19}$"));
    if (!kDigits.match(plain).hasMatch())
        throw platform::Error(QStringLiteral("Kart numarası geçersiz."));
    return plain.right(4);
}

struct ReceiptData
{
    qint64 number;
    QDateTime when;
    QString customerCode, customerName, cardLast4, holder, approval, document;
    double amount;
};

QByteArray RenderReceipt(const ReceiptData &r)
{
    PdfDocument pdf(QStringLiteral("Sanal POS Ödeme Dekontu %1").arg(r.number));
    pdf.Heading(QStringLiteral("Sanal POS Ödeme Dekontu"));
    pdf.Field(QStringLiteral("Dekont No:"), QString::number(r.number));
    pdf.Field(QStringLiteral("Tarih:"), r.when.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    pdf.Field(QStringLiteral("Cari Kod:"), r.customerCode);
    pdf.Field(QStringLiteral("Cari Adı:"), r.customerName);
    pdf.Field(QStringLiteral("Tutar:"), Money(r.amount) + QStringLiteral(" TL"));
    pdf.Field(QStringLiteral("Kart:"), QStringLiteral("**** **** **** ") + r.cardLast4);
    pdf.Field(QStringLiteral("Kart Sahibi:"), r.holder);
    pdf.Field(QStringLiteral("Onay Kodu:"), r.approval);
    pdf.Field(QStringLiteral("Evrak No:"), r.document);
    pdf.Space();
    pdf.Paragraph(QStringLiteral("Bu tutar cari hesabınıza tahsilat olarak işlenmiştir."));
    return pdf.Finish();
}

} // namespace

CardPaymentReceipt RecordCardPaymentInTransaction(Database &db, const CardPayment &payment)
{
    if (!std::isfinite(payment.amount))
        throw platform::Error(QStringLiteral("Ödeme tutarı geçersiz."));
    const double amount = platform::RoundHalfAwayFromZero(payment.amount, 2);
    if (amount < 0.01 || amount > kMaxAmount)
        throw platform::Error(
            QStringLiteral("Ödeme tutarı 0,01 ile 10.000.000,00 TL arasında olmalıdır."));
    const QString last4 = LastFourDigits(payment.cardDigits);
    const QString holder = payment.cardHolder.trimmed();
    if (holder.size() > kMaxHolderLength)
        throw platform::Error(QStringLiteral("Kart sahibinin adı çok uzun."));
    QSqlQuery customer =
        db.Exec(QStringLiteral("SELECT kod, adi FROM cari WHERE id = ?"), {payment.customerId});
    if (payment.customerId <= 0 || !customer.next())
        throw platform::Error(QStringLiteral("Cari bulunamadı: %1").arg(payment.customerId));

    ReceiptData receipt;
    receipt.when = payment.when.isValid() ? payment.when : QDateTime::currentDateTime();
    receipt.customerCode = customer.value(0).toString();
    receipt.customerName = customer.value(1).toString();
    receipt.cardLast4 = last4;
    receipt.holder = holder;
    receipt.amount = amount;
    receipt.approval = payment.approvalCode.trimmed().isEmpty()
                           ? QStringLiteral("%1").arg(QRandomGenerator::global()->bounded(1000000u),
                                                      6, 10, QLatin1Char('0'))
                           : payment.approvalCode.trimmed().left(20);

    // The number is known once the row exists; the document number and receipt follow it.
    const qint64 number = db.Insert(
        QStringLiteral("INSERT INTO sanalpos_odeme (cari_id, tahsilat_id, tarih, tutar, kartson4, "
                       "kartsahibi, onaykodu)"
                       " VALUES (?, NULL, ?, ?, ?, ?, ?)"),
        {payment.customerId, DateTimeText(receipt.when), amount, last4, holder, receipt.approval});
    receipt.number = number;
    receipt.document = QStringLiteral("SP%1").arg(number, 8, 10, QLatin1Char('0'));

    Collection collection;
    collection.customerId = payment.customerId;
    collection.when = receipt.when;
    collection.number = receipt.document;
    collection.text = QStringLiteral("Sanal POS ödemesi, kart **** %1").arg(last4);
    CollectionLine line;
    line.kind = QStringLiteral("Kredi Kartı");
    line.due = receipt.when.date();
    line.amount = amount;
    line.reference = receipt.approval;
    collection.lines.push_back(line);
    const RecordedCollection recorded = RecordCollection(db, collection);

    CardPaymentReceipt result;
    result.number = qint32(number);
    result.collectionId = recorded.collectionId;
    result.movementId = recorded.movementId;
    result.pdf = RenderReceipt(receipt);
    db.Exec(QStringLiteral("UPDATE sanalpos_odeme SET tahsilat_id = ?, pdf = ? WHERE id = ?"),
            {recorded.collectionId, result.pdf, number});
    return result;
}

CardPaymentReceipt RecordCardPayment(Database &db, const CardPayment &payment)
{
    Transaction tx(db);
    CardPaymentReceipt receipt = RecordCardPaymentInTransaction(db, payment);
    tx.Commit();
    return receipt;
}

QByteArray CardPaymentPdf(Database &db, qint64 number)
{
    QSqlQuery query = db.Exec(
        QStringLiteral("SELECT p.pdf, p.tarih, c.kod, c.adi, p.kartson4, p.kartsahibi, p.onaykodu,"
                       " t.evrakno, p.tutar FROM sanalpos_odeme p JOIN cari c ON c.id = p.cari_id"
                       " JOIN tahsilat t ON t.id = p.tahsilat_id WHERE p.id = ?"),
        {number});
    if (!query.next())
        return QByteArray();
    const QByteArray stored = query.value(0).toByteArray();
    if (!stored.isEmpty())
        return stored;
    // A payment booked without its receipt: draw it from the booking.
    ReceiptData receipt;
    receipt.number = number;
    receipt.when = QDateTime::fromString(
        query.value(1).toString().left(19).replace(QLatin1Char('T'), QLatin1Char(' ')),
        QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    receipt.customerCode = query.value(2).toString();
    receipt.customerName = query.value(3).toString();
    receipt.cardLast4 = query.value(4).toString();
    receipt.holder = query.value(5).toString();
    receipt.approval = query.value(6).toString();
    receipt.document = query.value(7).toString();
    receipt.amount = query.value(8).toDouble();
    return RenderReceipt(receipt);
}

} // namespace appserver::accounts
