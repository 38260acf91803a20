#include "httpmessage.h"

#include "jsonbody.h"

#include "platform/jsonwriter.h"

#include <algorithm>
#include <cctype>

namespace appserver {

std::string_view HttpRequest::Path() const
{
    const std::string_view t(target);
    return t.substr(0, t.find('?'));
}

std::string_view HttpRequest::Query() const
{
    const std::string_view t(target);
    const size_t mark = t.find('?');
    return mark == std::string_view::npos ? std::string_view() : t.substr(mark + 1);
}

std::string HttpRequest::Header(std::string_view name) const
{
    const auto same = [name](const std::string &key) {
        return std::equal(key.begin(), key.end(), name.begin(), name.end(), [](char a, char b) {
            return std::tolower(uchar(a)) == std::tolower(uchar(b));
        });
    };
    for (const auto &[key, value] : headers)
        if (same(key))
            return value;
    return {};
}

HttpAnswer JsonAnswer(QByteArray json)
{
    HttpAnswer answer;
    answer.body = std::move(json);
    return answer;
}

HttpAnswer ErrorAnswer(int status, const QString &message)
{
    QByteArray body;
    platform::JsonWriter w(body);
    w.BeginObject();
    w.Key("error");
    WriteJsonText(w, message);
    w.EndObject();
    HttpAnswer answer;
    answer.status = status;
    answer.body = std::move(body);
    return answer;
}

HttpAnswer NoContentAnswer()
{
    HttpAnswer answer;
    answer.status = 204;
    answer.contentType.clear();
    return answer;
}

} // namespace appserver
