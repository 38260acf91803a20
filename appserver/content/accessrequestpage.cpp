#include "accessrequestpage.h"

#include "accessrequests.h"
#include "webtext.h"

namespace appserver::content {
namespace {

QString Title(const QString &firmName)
{
    return firmName + QStringLiteral(" - Bayi İstek Formu");
}

AccessRequest RequestFrom(const FormFields &values)
{
    AccessRequest r;
    r.machineId = values.Value(QLatin1String("id"));
    r.user = values.Value(QLatin1String("kullanici"));
    r.firm = values.Value(QLatin1String("firmaadi"));
    r.contact = values.Value(QLatin1String("yetkili"));
    r.phone = values.Value(QLatin1String("telefon"));
    r.mail = values.Value(QLatin1String("mail"));
    r.city = values.Value(QLatin1String("sehir"));
    r.note = values.Value(QLatin1String("aciklama"));
    return r;
}

QString Field(const char *name, const char *label, const QString &value, bool required)
{
    return QStringLiteral("<label for=\"%1\">%2</label><input id=\"%1\" name=\"%1\" value=\"%3\" "
                          "maxlength=\"%4\"%5>")
        .arg(QLatin1String(name), QString::fromUtf8(label), Html(value),
             QString::number(kMaxAccessFieldLength),
             required ? QStringLiteral(" required") : QString());
}

HttpAnswer FormPage(int status, const QString &firmName, const AccessRequest &r,
                    const QString &error)
{
    QString body =
        QStringLiteral("<h1>Bayi İstek Formu</h1>"
                       "<p>Bu bilgisayar sistemimizde kayıtlı değil. Bilgilerinizi gönderin, "
                       "kaydınızı yapıp sizinle iletişime geçelim.</p>");
    if (!error.isEmpty())
        body += QStringLiteral("<p class=\"hata\">%1</p>").arg(Html(error));
    body += QStringLiteral("<p>Bilgisayar ID: <b>%1</b></p>").arg(Html(r.machineId.trimmed()));
    body += QStringLiteral("<form method=\"post\" action=\"formmailgonder.aspx\">"
                           "<input type=\"hidden\" name=\"id\" value=\"%1\">"
                           "<input type=\"hidden\" name=\"kullanici\" value=\"%2\">")
                .arg(Html(r.machineId.trimmed()), Html(r.user));
    body += Field("firmaadi", "Firma Adı", r.firm, true);
    body += Field("yetkili", "Yetkili", r.contact, true);
    body += Field("telefon", "Telefon", r.phone, true);
    body += Field("mail", "E-posta", r.mail, false);
    body += Field("sehir", "Şehir", r.city, false);
    body +=
        QStringLiteral(
            "<label for=\"aciklama\">Açıklama</label>"
            "<textarea id=\"aciklama\" name=\"aciklama\" rows=\"4\" maxlength=\"%1\">%2</textarea>"
            "<button type=\"submit\">Gönder</button></form>")
            .arg(QString::number(kMaxAccessNoteLength), Html(r.note));
    return HtmlAnswer(status, Title(firmName), body);
}

} // namespace

HttpAnswer AccessRequestForm(const QString &firmName, const FormFields &query)
{
    const AccessRequest r = RequestFrom(query);
    if (r.machineId.trimmed().isEmpty())
        return HtmlAnswer(
            400, Title(firmName),
            QStringLiteral("<p class=\"hata\">Bilgisayar kimliği eksik. Lütfen programdan tekrar "
                           "deneyiniz.</p>"));
    return FormPage(200, firmName, r, QString());
}

HttpAnswer SubmitAccessRequest(Database &db, const QString &firmName, const FormFields &form,
                               const QString &remoteAddress)
{
    AccessRequest r = RequestFrom(form);
    r.address = remoteAddress;
    const QString problem = AccessRequestProblem(r);
    if (!problem.isEmpty())
        return FormPage(400, firmName, r, problem);
    if (StoreAccessRequest(db, r) == 0)
        return FormPage(
            429, firmName, r,
            QStringLiteral(
                "Bu bilgisayar için çok sayıda istek alındı. Lütfen bizi telefonla arayınız."));
    return HtmlAnswer(
        200, Title(firmName),
        QStringLiteral("<h1>İsteğiniz Alındı</h1><p class=\"tamam\">Teşekkür ederiz. Kaydınız "
                       "yapıldığında programa giriş yapabileceksiniz.</p>"));
}

} // namespace appserver::content
