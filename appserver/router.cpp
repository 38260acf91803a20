#include "router.h"

#include "exchange.h"
#include "jsonbody.h"
#include "notificationchannel.h"
#include "requesterror.h"
#include "workerpool.h"

#include <exception>

namespace appserver {
namespace {

constexpr std::string_view kPingPath = "/datasnap/rest/DSAdmin/Ping";
constexpr std::string_view kMethodPrefix = "/datasnap/rest/TServerMethods1/";
constexpr std::string_view kChannelPrefix = "/datasnap/channel/Holvaro/";
constexpr std::string_view kClientPrefix = "HolvaroId/";
constexpr std::string_view kBroadcast = "broadcast";
// Channel bodies are parsed on the io thread, so they are kept small.
constexpr qsizetype kChannelBodyLimit = 1024 * 1024;

HttpAnswer MethodNotAllowed(std::string_view allowed)
{
    HttpAnswer answer =
        ErrorAnswer(405, QStringLiteral("Use %1 on this path").arg(QLatin1String(allowed)));
    answer.headers.emplace_back("Allow", std::string(allowed));
    return answer;
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

void Router::Route(HttpRequest request, const std::shared_ptr<Exchange> &exchange)
{
    const std::string_view path = request.Path();
    if (path == kPingPath) {
        exchange->Answer(request.method == "GET" ? JsonAnswer("{}") : MethodNotAllowed("GET"));
        return;
    }
    if (path.starts_with(kMethodPrefix)) {
        if (request.method != "POST") {
            exchange->Answer(MethodNotAllowed("POST"));
            return;
        }
        const QString method = Text(path.substr(kMethodPrefix.size()));
        m_workers.Post([this, method, body = std::move(request.body), exchange] {
            // A client that hung up meanwhile still gets its call run: the work may have effects.
            exchange->Answer(m_dispatcher.Dispatch(method, body));
        });
        return;
    }
    if (path.starts_with(kChannelPrefix)) {
        RouteChannel(path.substr(kChannelPrefix.size()), request, exchange);
        return;
    }
    RouteFallback(std::move(request), exchange);
}

void Router::RouteChannel(std::string_view rest, const HttpRequest &request,
                          const std::shared_ptr<Exchange> &exchange)
{
    const bool broadcast = rest == kBroadcast;
    const bool poll = rest.starts_with(kClientPrefix) && rest.size() > kClientPrefix.size() &&
                      rest.substr(kClientPrefix.size()).find('/') == std::string_view::npos;
    if (!broadcast && !poll) {
        exchange->Answer(
            ErrorAnswer(404, QStringLiteral("No such channel path: %1").arg(Text(request.Path()))));
        return;
    }
    if (request.method != "POST") {
        exchange->Answer(MethodNotAllowed("POST"));
        return;
    }
    if (request.body.size() > kChannelBodyLimit) {
        exchange->Answer(ErrorAnswer(
            413,
            QStringLiteral("A channel message may have at most %1 bytes").arg(kChannelBodyLimit)));
        return;
    }
    QJsonValue body;
    try {
        // Small bodies (a message or the client's answer): parsed here, on the io thread.
        body = ParseJsonBody(request.body);
    } catch (const RequestError &e) {
        exchange->Answer(ErrorAnswer(e.Status(), e.Message()));
        return;
    }
    if (broadcast)
        m_channel.Broadcast(body, exchange);
    else
        m_channel.Poll(std::string(rest.substr(kClientPrefix.size())), exchange);
}

void Router::RouteFallback(HttpRequest request, const std::shared_ptr<Exchange> &exchange)
{
    if (!m_fallback) {
        exchange->Answer(
            ErrorAnswer(404, QStringLiteral("Not found: %1").arg(Text(request.Path()))));
        return;
    }
    m_workers.Post([this, request = std::move(request), exchange] {
        try {
            std::optional<HttpAnswer> answer = m_fallback(request);
            exchange->Answer(
                answer
                    ? std::move(*answer)
                    : ErrorAnswer(404, QStringLiteral("Not found: %1").arg(Text(request.Path()))));
        } catch (const platform::Error &e) {
            exchange->Answer(ErrorAnswer(500, e.Message()));
        } catch (const std::exception &e) {
            exchange->Answer(ErrorAnswer(500, QString::fromLocal8Bit(e.what())));
        }
    });
}

} // namespace appserver
