#pragma once

#include "appserver/httpmessage.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <string_view>

namespace appserver::content {

// The name=value pairs of a query or of a form sent as application/x-www-form-urlencoded.
// "+" stands for a blank and %XX for a byte; the bytes are read as UTF-8. Names are matched
// without regard to case, as the firm's old web host did.
class FormFields
{
public:
    static FormFields Parse(std::string_view encoded);
    // The first value of that name, empty when absent.
    QString Value(QLatin1StringView name) const;
    bool Has(QLatin1StringView name) const;

private:
    QList<QPair<QString, QString>> m_pairs;
};

// Text safe to place in HTML content and in quoted attribute values.
QString Html(const QString &text);

// A whole page of the firm's web host around the given body (already HTML).
QByteArray HtmlPage(const QString &title, const QString &bodyHtml);

// Answers of the web host. Pages carry headers that keep browsers from guessing types, from
// running scripts and from framing them.
HttpAnswer HtmlAnswer(int status, const QString &title, const QString &bodyHtml);
HttpAnswer TextAnswer(int status, const QString &text);
HttpAnswer MethodNotAllowedAnswer(const char *allowed);

} // namespace appserver::content
