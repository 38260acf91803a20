#pragma once

#include "appserver/router.h"
#include "appserver/serveroptions.h"

#include <QJsonValue>
#include <QString>
#include <memory>

namespace appserver {
class HttpServer;
class MethodHandlers;
class ScriptedMethods;
} // namespace appserver
namespace platform {
class Connection;
}

namespace testsupport {

// The application server's HTTP transport, started in this process for one test.
//
//     appserver::ScriptedMethods methods;
//     methods.Returns("KayanYaziGetir", QStringLiteral("Hoş geldiniz"));
//     testsupport::TestServer server(methods);      // listening when constructed
//     platform::Connection c = server.connection(); // HostName 127.0.0.1, Port server.port()
//     c.Open();
//     ...
//     // ~TestServer stops the server and waits for its threads.
//
// API:
//   TestServer(const appserver::MethodHandlers &, appserver::ServerOptions = Options(),
//              appserver::FallbackHandler = {})
//   TestServer(const appserver::ScriptedMethods &, appserver::ServerOptions = Options(),
//              appserver::FallbackHandler = {})
//       Both listen on 127.0.0.1 with a port the system chose (whatever address and port the
//       options say). The handlers or methods are not owned: keep them alive longer than the
//       server. Scripts may change while the server runs. The fallback serves paths outside
//       the server's own (web host pages); without it they are 404.
//   static appserver::ServerOptions Options()   defaults for tests: 127.0.0.1, port 0, 1 io
//                                               thread, 2 workers, production time-outs and
//                                               limits; change fields and pass.
//   quint16 port() const                        the bound port
//   QString host() const                        "127.0.0.1"
//   QString url(const QString &path) const      "http://127.0.0.1:<port>" + path
//   platform::Connection connection() const     HostName and Port set, not opened
//   void broadcast(const QJsonValue &message)   a notification to every polling client
//   appserver::HttpServer &server()             the server itself
class TestServer
{
public:
    explicit TestServer(const appserver::MethodHandlers &handlers,
                        appserver::ServerOptions options = Options(),
                        appserver::FallbackHandler fallback = {});
    explicit TestServer(const appserver::ScriptedMethods &methods,
                        appserver::ServerOptions options = Options(),
                        appserver::FallbackHandler fallback = {});
    ~TestServer();
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    static appserver::ServerOptions Options();

    quint16 port() const;
    QString host() const { return QStringLiteral("127.0.0.1"); }
    QString url(const QString &path) const;
    platform::Connection connection() const;
    void broadcast(const QJsonValue &message);
    appserver::HttpServer &server() { return *m_server; }

private:
    std::unique_ptr<appserver::HttpServer> m_server;
};

} // namespace testsupport
