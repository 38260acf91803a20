#include "webtext.h"

namespace appserver::content {
namespace {

QString Decode(std::string_view part)
{
    QByteArray bytes(part.data(), qsizetype(part.size()));
    bytes.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

void AddSafetyHeaders(HttpAnswer &answer)
{
    answer.headers.emplace_back("X-Content-Type-Options", "nosniff");
    answer.headers.emplace_back("Cache-Control", "no-store");
}

} // namespace

FormFields FormFields::Parse(std::string_view encoded)
{
    FormFields fields;
    while (!encoded.empty()) {
        const size_t amp = encoded.find('&');
        const std::string_view pair = encoded.substr(0, amp);
        encoded = amp == std::string_view::npos ? std::string_view() : encoded.substr(amp + 1);
        if (pair.empty())
            continue;
        const size_t eq = pair.find('=');
        fields.m_pairs.append({Decode(pair.substr(0, eq)), eq == std::string_view::npos
                                                               ? QString()
                                                               : Decode(pair.substr(eq + 1))});
    }
    return fields;
}

QString FormFields::Value(QLatin1StringView name) const
{
    for (const auto &[key, value] : m_pairs)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

bool FormFields::Has(QLatin1StringView name) const
{
    for (const auto &pair : m_pairs)
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString Html(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray HtmlPage(const QString &title, const QString &bodyHtml)
{
    const QString head = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><style>"
        "body{font-family:Tahoma,Arial,sans-serif;background:#eef2f8;color:#1c2a44;margin:0}"
        "header{background:#14305e;color:#fff;padding:14px 24px;font-size:20px;font-weight:bold}"
        "main{max-width:720px;margin:24px auto;background:#fff;padding:20px 28px;"
        "border-radius:6px;box-shadow:0 1px 4px #9ab}"
        "h1{font-size:20px;margin-top:0}label{display:block;margin:10px 0 3px;font-weight:bold}"
        "input,textarea{width:100%;box-sizing:border-box;padding:6px;font-size:15px}"
        "button{margin-top:16px;padding:8px 24px;font-size:15px;background:#14305e;color:#fff;"
        "border:0;border-radius:4px}table{border-collapse:collapse}td{padding:4px 12px 4px 0}"
        ".hata{background:#fde2e2;color:#8a1010;padding:8px 12px;border-radius:4px}"
        ".tamam{background:#e2f5e4;color:#145a1f;padding:8px 12px;border-radius:4px}"
        "</style>");
    const QString page = head + QLatin1String("<title>") + Html(title) +
                         QLatin1String("</title></head><body><header>") + Html(title) +
                         QLatin1String("</header><main>") + bodyHtml +
                         QLatin1String("</main></body></html>\n");
    return page.toUtf8();
}

HttpAnswer HtmlAnswer(int status, const QString &title, const QString &bodyHtml)
{
    HttpAnswer answer;
    answer.status = status;
    answer.contentType = "text/html; charset=utf-8";
    answer.body = HtmlPage(title, bodyHtml);
    AddSafetyHeaders(answer);
    // Only our own style sheet and forms that post back here; no scripts, no framing.
    answer.headers.emplace_back("Content-Security-Policy",
                                "default-src 'none'; style-src 'unsafe-inline'; img-src 'self'; "
                                "form-action 'self'; frame-ancestors 'none'; base-uri 'none'");
    return answer;
}

HttpAnswer TextAnswer(int status, const QString &text)
{
    HttpAnswer answer;
    answer.status = status;
    answer.contentType = "text/plain; charset=utf-8";
    answer.body = text.toUtf8();
    AddSafetyHeaders(answer);
    return answer;
}

HttpAnswer MethodNotAllowedAnswer(const char *allowed)
{
    HttpAnswer answer = TextAnswer(
        405, QStringLiteral("Bu adres yalnızca %1 kabul eder.").arg(QLatin1String(allowed)));
    answer.headers.emplace_back("Allow", allowed);
    return answer;
}

} // namespace appserver::content
