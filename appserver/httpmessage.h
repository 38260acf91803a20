#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace appserver {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

// A request as the routes see it, free of the HTTP library's types.
struct HttpRequest
{
    std::string method; // "GET", "POST", ...
    std::string target; // path and query as sent
    HeaderList headers;
    QByteArray body;
    std::string remoteAddress;

    std::string_view Path() const;  // the target without its query
    std::string_view Query() const; // after '?', empty when none
    // The first header of that name (case-insensitive), empty when absent.
    std::string Header(std::string_view name) const;
};

// An answer to one request.
struct HttpAnswer
{
    int status = 200;
    QByteArray contentType = "application/json; charset=utf-8";
    QByteArray body;
    HeaderList headers; // further headers, e.g. Content-Disposition
};

// 200 with a JSON body.
HttpAnswer JsonAnswer(QByteArray json);
// {"error":"<message>"} with the given status.
HttpAnswer ErrorAnswer(int status, const QString &message);
// 204 without a body.
HttpAnswer NoContentAnswer();

} // namespace appserver
