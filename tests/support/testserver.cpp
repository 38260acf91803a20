#include "testserver.h"

#include "appserver/httpserver.h"
#include "appserver/notificationchannel.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"

namespace testsupport {

appserver::ServerOptions TestServer::Options()
{
    appserver::ServerOptions options;
    options.address = "127.0.0.1";
    options.port = 0;
    options.ioThreads = 1;
    options.workers = 2;
    return options;
}

TestServer::TestServer(const appserver::MethodHandlers &handlers, appserver::ServerOptions options,
                       appserver::FallbackHandler fallback)
{
    // Loopback and a free port always: tests run side by side and must not be reachable.
    options.address = "127.0.0.1";
    options.port = 0;
    m_server = std::make_unique<appserver::HttpServer>(std::move(options), handlers);
    if (fallback)
        m_server->SetFallback(std::move(fallback));
    m_server->Start();
}

TestServer::TestServer(const appserver::ScriptedMethods &methods, appserver::ServerOptions options,
                       appserver::FallbackHandler fallback)
    : TestServer(methods.Handlers(), std::move(options), std::move(fallback))
{
}

TestServer::~TestServer() = default;

quint16 TestServer::port() const
{
    return m_server->Port();
}

QString TestServer::url(const QString &path) const
{
    return QStringLiteral("http://%1:%2%3").arg(host()).arg(port()).arg(path);
}

platform::Connection TestServer::connection() const
{
    platform::Connection c;
    c.SetParam(QStringLiteral("HostName"), host());
    c.SetParam(QStringLiteral("Port"), QString::number(port()));
    return c;
}

void TestServer::broadcast(const QJsonValue &message)
{
    m_server->Channel().Broadcast(message);
}

} // namespace testsupport
