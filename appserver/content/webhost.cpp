#include "webhost.h"

#include "accessrequestpage.h"
#include "openingscreens.h"
#include "webtext.h"

#include "appserver/data/admin.h"
#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"

#include <QFile>
#include <memory>

namespace appserver {
namespace {

using content::FormFields;
using content::Html;

QString Path(const HttpRequest &request)
{
    const std::string_view path = request.Path();
    return QString::fromUtf8(
               QByteArray::fromPercentEncoding(QByteArray(path.data(), qsizetype(path.size()))))
        .toLower();
}

bool IsFormPost(const HttpRequest &request)
{
    const QByteArray type = QByteArray::fromStdString(request.Header("Content-Type")).toLower();
    return type.startsWith("application/x-www-form-urlencoded");
}

FormFields FormOf(const HttpRequest &request)
{
    return FormFields::Parse(
        std::string_view(request.body.constData(), size_t(request.body.size())));
}

// An IPv4 caller on a dual-stack socket shows as ::ffff:a.b.c.d; the echo gives a.b.c.d.
QString CallerAddress(const HttpRequest &request)
{
    QString address = QString::fromStdString(request.remoteAddress);
    if (address.startsWith(QLatin1String("::ffff:"), Qt::CaseInsensitive) &&
        address.contains(QLatin1Char('.')))
        address = address.mid(7);
    return address;
}

HttpAnswer ItemPicture(Database &db, const FormFields &query)
{
    bool ok = false;
    const int id = query.Value(QLatin1String("id")).trimmed().toInt(&ok);
    if (!ok || id <= 0)
        return content::TextAnswer(400, QStringLiteral("id bir stok numarası olmalıdır."));
    const QByteArray jpeg =
        db.Scalar(QStringLiteral("SELECT jpeg FROM resim WHERE stok_id = ?"), {id}).toByteArray();
    if (jpeg.isEmpty())
        return content::TextAnswer(404, QStringLiteral("Bu stokun resmi yok."));
    HttpAnswer answer;
    answer.contentType = "image/jpeg";
    answer.body = jpeg;
    answer.headers.emplace_back("X-Content-Type-Options", "nosniff");
    answer.headers.emplace_back("Cache-Control", "max-age=300");
    return answer;
}

HttpAnswer Installer(Database &db)
{
    const QString path = Setting(db, QStringLiteral("installer"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return content::TextAnswer(404, QStringLiteral("Kurulum dosyası bulunamadı."));
    HttpAnswer answer;
    answer.contentType = "application/vnd.microsoft.portable-executable";
    answer.body = file.readAll();
    answer.headers.emplace_back("Content-Disposition", "attachment; filename=\"VelkorSetup.exe\"");
    answer.headers.emplace_back("X-Content-Type-Options", "nosniff");
    answer.headers.emplace_back("Cache-Control", "no-cache");
    return answer;
}

HttpAnswer Site(Database &db, const QString &firmName)
{
    QString body =
        QStringLiteral("<h1>Hoş Geldiniz</h1><p>%1, otomotiv yedek parçada bayilerine B2B sipariş "
                       "sistemiyle hizmet verir.</p>")
            .arg(Html(firmName));
    const std::vector<content::OpeningScreen> screens = content::OpeningScreens(db);
    if (!screens.empty()) {
        body += QStringLiteral("<h1>Duyurular</h1><ul>");
        for (const content::OpeningScreen &screen : screens)
            body += QStringLiteral("<li>%1</li>").arg(Html(screen.title));
        body += QStringLiteral("</ul>");
    }
    if (!Setting(db, QStringLiteral("installer")).isEmpty())
        body += QStringLiteral("<p><a href=\"/exe/VelkorSetup.exe\">B2B programını indir</a></p>");
    return content::HtmlAnswer(200, firmName, body);
}

class WebHost
{
public:
    WebHost(DatabasePool &pool, WebHostOptions options)
        : m_pool(pool), m_firmName(options.firmName),
          m_payment(options.firmName, std::move(options.recordCardPayment))
    {
    }

    std::optional<HttpAnswer> Answer(const HttpRequest &request) const
    {
        const QString path = Path(request);
        const bool get = request.method == "GET";
        const bool post = request.method == "POST";
        const FormFields query = FormFields::Parse(request.Query());
        if (path == QLatin1String("/ip.php") || path == QLatin1String("/ip"))
            return get ? content::TextAnswer(200, CallerAddress(request))
                       : content::MethodNotAllowedAnswer("GET");
        if (path == QLatin1String("/resimgoster.ashx"))
            return get ? ItemPicture(Db(), query) : content::MethodNotAllowedAnswer("GET");
        if (path == QLatin1String("/exe/velkorsetup.exe"))
            return get ? Installer(Db()) : content::MethodNotAllowedAnswer("GET");
        if (path == QLatin1String("/") || path == QLatin1String("/index.html"))
            return get ? Site(Db(), m_firmName) : content::MethodNotAllowedAnswer("GET");
        if (path == QLatin1String("/miravel.html")) {
            if (get)
                return m_payment.Show(Db(), query);
            if (post)
                return IsFormPost(request) ? m_payment.Pay(Db(), FormOf(request))
                                           : UnsupportedForm();
            return content::MethodNotAllowedAnswer("GET, POST");
        }
        if (path == QLatin1String("/formmailgonder.aspx")) {
            if (get)
                return content::AccessRequestForm(m_firmName, query);
            if (post)
                return IsFormPost(request)
                           ? content::SubmitAccessRequest(Db(), m_firmName, FormOf(request),
                                                          CallerAddress(request))
                           : UnsupportedForm();
            return content::MethodNotAllowedAnswer("GET, POST");
        }
        return std::nullopt;
    }

private:
    Database &Db() const { return m_pool.ForThisThread(); }
    static HttpAnswer UnsupportedForm()
    {
        return content::TextAnswer(
            415, QStringLiteral("Form application/x-www-form-urlencoded olarak gönderilmelidir."));
    }

    DatabasePool &m_pool;
    QString m_firmName;
    content::CardPaymentPage m_payment;
};

} // namespace

FallbackHandler MakeWebHost(DatabasePool &pool, WebHostOptions options)
{
    auto host = std::make_shared<const WebHost>(pool, std::move(options));
    return [host](const HttpRequest &request) { return host->Answer(request); };
}

} // namespace appserver
