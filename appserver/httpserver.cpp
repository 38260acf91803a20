#include "httpserver.h"

#include "httpsession.h"
#include "notificationchannel.h"
#include "workerpool.h"

#include "platform/error.h"

#include <algorithm>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <thread>
#include <vector>

namespace appserver {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;

// After a failed accept (out of file descriptors, say) wait a little instead of spinning.
constexpr std::chrono::milliseconds kAcceptRetry{100};

void RunIo(net::io_context &io)
{
    // A fault escaping one handler must not take the whole server down with the thread.
    for (;;) {
        try {
            io.run();
            return;
        } catch (const std::exception &e) {
            qWarning("dorvena-appserver: a network handler failed: %s", e.what());
        }
    }
}

} // namespace

struct HttpServer::Impl
{
    Impl(ServerOptions o, const MethodHandlers &handlers)
        : options(std::move(o)), io(std::max(1, options.ioThreads)), channel(io, options.channel),
          workers(options.workers), router(handlers, channel, workers), acceptor(io), retry(io)
    {
    }

    void Listen();
    void Accept();
    void OnAccept(const boost::system::error_code &ec, tcp::socket socket);

    ServerOptions options;
    net::io_context io; // destroyed last: everything below holds timers or sockets of it
    NotificationChannel channel;
    WorkerPool workers;
    Router router;
    tcp::acceptor acceptor;
    net::steady_timer retry;
    std::vector<std::thread> threads;
    quint16 port = 0;
    bool started = false;
    bool stopped = false;
};

void HttpServer::Impl::Listen()
{
    boost::system::error_code ec;
    const net::ip::address address = net::ip::make_address(options.address, ec);
    if (ec)
        throw platform::Error(QStringLiteral("Not an address to listen on: %1")
                                  .arg(QString::fromStdString(options.address)));
    const tcp::endpoint endpoint(address, options.port);
    const auto fail = [&](const char *step) {
        throw platform::Error(QStringLiteral("Cannot listen on %1:%2 (%3): %4")
                                  .arg(QString::fromStdString(options.address))
                                  .arg(options.port)
                                  .arg(QLatin1String(step), QString::fromStdString(ec.message())));
    };
    if (acceptor.open(endpoint.protocol(), ec))
        fail("open");
    if (acceptor.set_option(net::socket_base::reuse_address(true), ec))
        fail("reuse address");
    if (acceptor.bind(endpoint, ec))
        fail("bind");
    if (acceptor.listen(net::socket_base::max_listen_connections, ec))
        fail("listen");
    port = acceptor.local_endpoint().port();
}

void HttpServer::Impl::Accept()
{
    // Each connection gets a strand of its own, so that several io threads can serve it.
    acceptor.async_accept(net::make_strand(io),
                          [this](const boost::system::error_code &ec, tcp::socket socket) {
                              OnAccept(ec, std::move(socket));
                          });
}

void HttpServer::Impl::OnAccept(const boost::system::error_code &ec, tcp::socket socket)
{
    if (ec == net::error::operation_aborted || !acceptor.is_open())
        return;
    if (ec) {
        retry.expires_after(kAcceptRetry);
        retry.async_wait([this](const boost::system::error_code &waitError) {
            if (!waitError)
                Accept();
        });
        return;
    }
    boost::system::error_code ignored;
    socket.set_option(tcp::no_delay(true), ignored);
    std::make_shared<HttpSession>(std::move(socket), options, router)->Run();
    Accept();
}

HttpServer::HttpServer(ServerOptions options, const MethodHandlers &handlers)
    : d(std::make_unique<Impl>(std::move(options), handlers))
{
    d->Listen();
}

HttpServer::~HttpServer()
{
    Stop();
}

void HttpServer::SetFallback(FallbackHandler fallback)
{
    Q_ASSERT(!d->started);
    d->router.SetFallback(std::move(fallback));
}

void HttpServer::Start()
{
    if (d->started || d->stopped)
        return;
    d->started = true;
    d->Accept();
    const int n = std::max(1, d->options.ioThreads);
    for (int i = 0; i < n; ++i)
        d->threads.emplace_back([io = &d->io] { RunIo(*io); });
}

void HttpServer::Stop()
{
    if (d->stopped)
        return;
    d->stopped = true;
    d->io.stop();
    for (std::thread &t : d->threads)
        t.join();
    // Running methods finish; their answers go nowhere, the connections are gone with the io.
    d->workers.Stop();
    boost::system::error_code ignored;
    d->acceptor.close(ignored);
}

quint16 HttpServer::Port() const
{
    return d->port;
}

const ServerOptions &HttpServer::Options() const
{
    return d->options;
}

NotificationChannel &HttpServer::Channel()
{
    return d->channel;
}

} // namespace appserver
