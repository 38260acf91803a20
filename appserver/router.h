#pragma once

#include "httpmessage.h"
#include "methoddispatcher.h"

#include <functional>
#include <memory>
#include <optional>

namespace appserver {

class Exchange;
class NotificationChannel;
class WorkerPool;

// Pages outside the server's own paths (the firm's web host). Runs on a worker; no answer
// means 404. An exception becomes 500 with its text.
using FallbackHandler = std::function<std::optional<HttpAnswer>(const HttpRequest &)>;

// Sends each request to what serves its path:
//   GET  /datasnap/rest/DSAdmin/Ping                     200 at once
//   POST /datasnap/rest/TServerMethods1/<Method>         a worker runs the method
//   POST /datasnap/channel/Holvaro/HolvaroId/<clientId>  the notification channel (long poll)
//   POST /datasnap/channel/Holvaro/broadcast             the notification channel
//   anything else                                        the fallback on a worker, else 404
class Router
{
public:
    Router(const MethodHandlers &handlers, NotificationChannel &channel, WorkerPool &workers)
        : m_dispatcher(handlers), m_channel(channel), m_workers(workers)
    {
    }
    void SetFallback(FallbackHandler fallback) { m_fallback = std::move(fallback); }

    // Called on an io thread; the answer goes to `exchange`, now or later, from any thread.
    void Route(HttpRequest request, const std::shared_ptr<Exchange> &exchange);

private:
    void RouteChannel(std::string_view rest, const HttpRequest &request,
                      const std::shared_ptr<Exchange> &exchange);
    void RouteFallback(HttpRequest request, const std::shared_ptr<Exchange> &exchange);

    MethodDispatcher m_dispatcher;
    NotificationChannel &m_channel;
    WorkerPool &m_workers;
    FallbackHandler m_fallback;
};

} // namespace appserver
