#include "cardpaymentpage.h"

#include "webtext.h"

#include "appserver/data/database.h"
#include "platform/error.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <cmath>
#include <exception>
#include <optional>

namespace appserver::content {

struct CardPaymentPage::Customer
{
    qint32 id = 0;
    QString code;
    QString name;
};

namespace {

constexpr qint64 kTokenLifetimeSeconds = 2 * 60 * 60;
constexpr int kMaxHolderLength = 100;

std::optional<qint32> CustomerNumber(const QString &text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number <= 0)
        return std::nullopt;
    return number;
}

QString RandomHex(int bytes)
{
    QByteArray random(bytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(random.begin(), random.end());
    return QString::fromLatin1(random.toHex());
}

bool SameText(const QString &a, const QString &b)
{
    // Compares every character, so the time taken tells nothing of where they differ.
    if (a.size() != b.size())
        return false;
    ushort diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= a.at(i).unicode() ^ b.at(i).unicode();
    return diff == 0;
}

// An amount as people type it: "1234,50", "1.234,50", "1234.50" or "1,234.50". None when it
// is not a number of whole cents.
std::optional<double> ParseAmount(QString text)
{
    text.remove(QLatin1Char(' '));
    text.remove(QStringLiteral("TL"), Qt::CaseInsensitive);
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    QChar decimal;
    if (comma >= 0 && dot >= 0)
        decimal = comma > dot ? QLatin1Char(',') : QLatin1Char('.');
    else if (comma >= 0)
        decimal = text.count(QLatin1Char(',')) == 1 ? QLatin1Char(',') : QChar();
    else if (dot >= 0 && text.count(QLatin1Char('.')) == 1 && text.size() - dot - 1 <= 2)
        decimal = QLatin1Char('.');
    QString whole = text;
    QString cents;
    if (!decimal.isNull()) {
        const qsizetype at = text.lastIndexOf(decimal);
        whole = text.left(at);
        cents = text.mid(at + 1);
    }
    // What remains before the decimal mark may be grouped by threes.
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}([.,]\\d{3})*$"));
    static const QRegularExpression plain(QStringLiteral("^\\d+$"));
    static const QRegularExpression centsForm(QStringLiteral("^\\d{0,2}$"));
    if (!(plain.match(whole).hasMatch() || grouped.match(whole).hasMatch()) ||
        !centsForm.match(cents).hasMatch())
        return std::nullopt;
    whole.remove(QLatin1Char('.'));
    whole.remove(QLatin1Char(','));
    bool ok = false;
    const double value =
        (whole + QLatin1Char('.') + (cents.isEmpty() ? QStringLiteral("0") : cents)).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return std::round(value * 100) / 100;
}

QString Money(double value)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).toString(value, 'f', 2) +
           QStringLiteral(" TL");
}

bool LuhnValid(const QString &digits)
{
    int sum = 0;
    bool twice = false;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits.at(i).digitValue();
        if (twice) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
        twice = !twice;
    }
    return sum % 10 == 0;
}

// The last day of the card's month must not have passed.
bool ExpiryValid(const QString &text, const QDate &today)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})\\s*/\\s*(\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const int month = m.captured(1).toInt();
    int year = m.captured(2).toInt();
    if (year < 100)
        year += 2000;
    if (month < 1 || month > 12)
        return false;
    const QDate first(year, month, 1);
    return first.addMonths(1) > today && year <= today.year() + 20;
}

QString Hidden(const char *name, const QString &value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">")
        .arg(QLatin1String(name), Html(value));
}

} // namespace

CardPaymentPage::CardPaymentPage(QString firmName, CardPaymentRecorder recorder)
    : m_firmName(std::move(firmName)), m_recorder(std::move(recorder)), m_key(32, Qt::Uninitialized)
{
    QRandomGenerator::system()->generate(m_key.begin(), m_key.end());
}

QString CardPaymentPage::Signature(const QString &nonce, const QString &issued,
                                   qint32 customerId) const
{
    const QByteArray message =
        (nonce + QLatin1Char('.') + issued + QLatin1Char('.') + QString::number(customerId))
            .toLatin1();
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(message, m_key, QCryptographicHash::Sha256).toHex());
}

QString CardPaymentPage::Token(qint32 customerId) const
{
    const QString nonce = RandomHex(16);
    const QString issued = QString::number(QDateTime::currentSecsSinceEpoch());
    return nonce + QLatin1Char('.') + issued + QLatin1Char('.') +
           Signature(nonce, issued, customerId);
}

bool CardPaymentPage::TokenValid(const QString &token, qint32 customerId) const
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() != 3 || parts[0].size() != 32)
        return false;
    bool ok = false;
    const qint64 issued = parts[1].toLongLong(&ok);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (!ok || issued > now + 60 || now - issued > kTokenLifetimeSeconds)
        return false;
    return SameText(parts[2], Signature(parts[0], parts[1], customerId));
}

HttpAnswer CardPaymentPage::Message(int status, const QString &cssClass, const QString &text) const
{
    return HtmlAnswer(status, m_firmName + QStringLiteral(" - Kredi Kartı ile Ödeme"),
                      QStringLiteral("<p class=\"%1\">%2</p>").arg(cssClass, Html(text)));
}

HttpAnswer CardPaymentPage::FormAnswer(int status, const Customer &customer,
                                       const FormFields &values, const QString &error) const
{
    const QString branch = values.Value(QLatin1String("sube")).trimmed().isEmpty()
                               ? QStringLiteral("MERKEZ")
                               : values.Value(QLatin1String("sube")).trimmed();
    const QString balanceText = values.Value(QLatin1String("bakiye"));
    const std::optional<double> balance =
        ParseAmount(QString(balanceText).remove(QLatin1Char('-')));
    const bool owes =
        balance && !balanceText.trimmed().startsWith(QLatin1Char('-')) && *balance > 0;
    QString amount = values.Value(QLatin1String("tutar"));
    if (!values.Has(QLatin1String("tutar")) && owes)
        amount = QLocale(QLocale::Turkish, QLocale::Turkey)
                     .toString(*balance, 'f', 2)
                     .remove(QLatin1Char('.'));

    QString body;
    body += QStringLiteral("<h1>Kredi Kartı ile Ödeme</h1>");
    if (!error.isEmpty())
        body += QStringLiteral("<p class=\"hata\">%1</p>").arg(Html(error));
    body += QStringLiteral(
                "<table><tr><td>Cari No</td><td>%1</td></tr><tr><td>Cari Kod</td><td>%2</td></tr>"
                "<tr><td>Firma</td><td>%3</td></tr><tr><td>Şube</td><td>%4</td></tr>"
                "<tr><td>Güncel Bakiye</td><td>%5</td></tr></table>")
                .arg(QString::number(customer.id), Html(customer.code), Html(customer.name),
                     Html(branch),
                     balance ? Html((balanceText.trimmed().startsWith(QLatin1Char('-'))
                                         ? QStringLiteral("-")
                                         : QString()) +
                                    Money(*balance))
                             : QStringLiteral("-"));
    body += QStringLiteral("<form method=\"post\" action=\"miravel.html\" autocomplete=\"off\">");
    body += Hidden("carino", QString::number(customer.id));
    body += Hidden("sube", branch);
    body += Hidden("bakiye", balanceText);
    body += Hidden("islem", Token(customer.id));
    body +=
        QStringLiteral(
            "<label for=\"tutar\">Ödenecek Tutar (TL)</label>"
            "<input id=\"tutar\" name=\"tutar\" value=\"%1\" required>"
            "<label for=\"kartsahibi\">Kart Üzerindeki İsim</label>"
            "<input id=\"kartsahibi\" name=\"kartsahibi\" value=\"%2\" maxlength=\"100\" required>"
            "<label for=\"kartno\">Kart Numarası</label>"
            "<input id=\"kartno\" name=\"kartno\" inputmode=\"numeric\" maxlength=\"23\" required>"
            "<label for=\"sonkullanma\">Son Kullanma (AA/YY)</label>"
            "<input id=\"sonkullanma\" name=\"sonkullanma\" maxlength=\"7\" required>"
            "<label for=\"cvv\">Güvenlik Kodu (CVV)</label>"
            "<input id=\"cvv\" name=\"cvv\" inputmode=\"numeric\" maxlength=\"4\" required>"
            "<button type=\"submit\">Ödemeyi Yap</button></form>")
            .arg(Html(amount), Html(values.Value(QLatin1String("kartsahibi"))));
    return HtmlAnswer(status, m_firmName + QStringLiteral(" - Kredi Kartı ile Ödeme"), body);
}

HttpAnswer CardPaymentPage::Show(Database &db, const FormFields &query) const
{
    const std::optional<qint32> number = CustomerNumber(query.Value(QLatin1String("carino")));
    if (!number)
        return Message(404, QStringLiteral("hata"), QStringLiteral("Cari hesap bulunamadı."));
    QSqlQuery row = db.Exec(QStringLiteral("SELECT kod, adi FROM cari WHERE id = ?"), {*number});
    if (!row.next())
        return Message(404, QStringLiteral("hata"), QStringLiteral("Cari hesap bulunamadı."));
    const Customer customer{*number, row.value(0).toString(), row.value(1).toString()};
    return FormAnswer(200, customer, query, QString());
}

HttpAnswer CardPaymentPage::Pay(Database &db, const FormFields &form) const
{
    const std::optional<qint32> number = CustomerNumber(form.Value(QLatin1String("carino")));
    if (!number)
        return Message(404, QStringLiteral("hata"), QStringLiteral("Cari hesap bulunamadı."));
    QSqlQuery row = db.Exec(QStringLiteral("SELECT kod, adi FROM cari WHERE id = ?"), {*number});
    if (!row.next())
        return Message(404, QStringLiteral("hata"), QStringLiteral("Cari hesap bulunamadı."));
    const Customer customer{*number, row.value(0).toString(), row.value(1).toString()};

    const QString token = form.Value(QLatin1String("islem"));
    if (!TokenValid(token, customer.id))
        return FormAnswer(
            400, customer, form,
            QStringLiteral("Ödeme formunun süresi dolmuş. Lütfen bilgileri tekrar giriniz."));

    const std::optional<double> amount = ParseAmount(form.Value(QLatin1String("tutar")));
    const QString holder = form.Value(QLatin1String("kartsahibi")).simplified();
    QString card = form.Value(QLatin1String("kartno"));
    card.remove(QLatin1Char(' '));
    card.remove(QLatin1Char('-'));
    static const QRegularExpression cardForm(QStringLiteral("^\\d{13,19}$"));
    static const QRegularExpression cvvForm(QStringLiteral("^\\d{3,4}$"));
    QString problem;
    if (!amount || *amount < 0.01 || *amount > kMaxCardPayment)
        problem =
            QStringLiteral("Tutar 0,01 ile %1 arasında olmalıdır.").arg(Money(kMaxCardPayment));
    else if (holder.isEmpty() || holder.size() > kMaxHolderLength)
        problem = QStringLiteral("Kart üzerindeki isim 1 ile %1 karakter arasında olmalıdır.")
                      .arg(kMaxHolderLength);
    else if (!cardForm.match(card).hasMatch() || !LuhnValid(card))
        problem = QStringLiteral("Kart numarası geçersiz.");
    else if (!ExpiryValid(form.Value(QLatin1String("sonkullanma")), QDate::currentDate()))
        problem = QStringLiteral("Son kullanma tarihi geçersiz.");
    else if (!cvvForm.match(form.Value(QLatin1String("cvv")).trimmed()).hasMatch())
        problem = QStringLiteral("Güvenlik kodu geçersiz.");
    if (!problem.isEmpty())
        return FormAnswer(400, customer, form, problem);
    if (card == QLatin1String(kDeclinedTestCard))
        return FormAnswer(402, customer, form, QStringLiteral("Kartınız bankanızca onaylanmadı."));
    if (!m_recorder)
        return Message(503, QStringLiteral("hata"),
                       QStringLiteral("Ödeme şu anda alınamıyor. Kartınızdan çekim yapılmadı."));

    // One payment per form: the token is spent before the payment is booked.
    {
        Transaction tx(db);
        const QSqlQuery spent = db.Exec(
            QStringLiteral("INSERT INTO odeme_islem (islem, cari_id, zaman) VALUES (?, ?, ?)"
                           " ON CONFLICT (islem) DO NOTHING"),
            {token, customer.id, NowText()});
        if (spent.numRowsAffected() != 1)
            return Message(
                409, QStringLiteral("hata"),
                QStringLiteral(
                    "Bu ödeme formu daha önce gönderildi; aynı ödeme ikinci kez alınmadı."));
        tx.Commit();
    }
    CardPaymentOrder order;
    order.customerId = customer.id;
    order.amount = *amount;
    order.cardLast4 = card.right(4);
    order.cardHolder = holder;
    order.approvalCode = QString::number(100000 + QRandomGenerator::system()->bounded(900000));
    qint32 receipt = 0;
    try {
        receipt = m_recorder(db, order);
    } catch (const std::exception &e) {
        // Nothing was booked: the same form may be sent again.
        db.Exec(QStringLiteral("DELETE FROM odeme_islem WHERE islem = ?"), {token});
        return Message(500, QStringLiteral("hata"),
                       QStringLiteral("Ödemeniz kaydedilemedi, kartınızdan çekim yapılmadı: %1")
                           .arg(QString::fromUtf8(e.what())));
    }
    const QString body =
        QStringLiteral(
            "<h1>Ödemeniz Alındı</h1><p class=\"tamam\">Teşekkür ederiz.</p><table>"
            "<tr><td>Firma</td><td>%1</td></tr><tr><td>Tutar</td><td>%2</td></tr>"
            "<tr><td>Kart</td><td>**** **** **** %3</td></tr><tr><td>Onay Kodu</td><td>%4</td></tr>"
            "<tr><td>Dekont No</td><td>%5</td></tr></table>")
            .arg(Html(customer.name), Html(Money(order.amount)), Html(order.cardLast4),
                 Html(order.approvalCode), QString::number(receipt));
    return HtmlAnswer(200, m_firmName + QStringLiteral(" - Kredi Kartı ile Ödeme"), body);
}

} // namespace appserver::content
