#pragma once

#include "router.h"
#include "serveroptions.h"

#include <QtGlobal>
#include <memory>

namespace appserver {

class MethodHandlers;
class NotificationChannel;

// The application server's HTTP transport: listens, reads requests on the io threads, runs
// methods on the worker pool and holds the notification channel's polls.
//
//     HttpServer server(options, handlers); // binds; raises platform::Error when it cannot
//     server.SetFallback(...);              // optional, before Start
//     server.Start();
//     ...
//     server.Stop();                        // or the destructor
//
// `handlers` is not owned and must outlive the server.
class HttpServer
{
public:
    HttpServer(ServerOptions options, const MethodHandlers &handlers);
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    void SetFallback(FallbackHandler fallback);
    void Start();
    // Stops accepting, ends every connection and waits for the threads. Idempotent.
    void Stop();

    quint16 Port() const; // the bound port, also when the options asked for 0
    const ServerOptions &Options() const;
    NotificationChannel &Channel();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace appserver
