// Round-trip latency of a small server method over loopback with keep-alive, through the
// client's proxy against the real server transport (in this process, its own threads).
// With --compare URL it also times plain GETs of URL (for example a static page of a web
// server on this machine) with the same HTTP client, as the baseline.
#include "appserver/builtinmethods.h"
#include "appserver/httpserver.h"
#include "appserver/methodhandlers.h"
#include "platform/connection.h"
#include "server/proxim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <httplib.h>
#include <vector>

namespace {

void Report(const char *what, std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) { return us[size_t(q * double(us.size() - 1))]; };
    std::printf("%-40s n=%zu  p50 %7.1f us  p90 %7.1f us  p99 %7.1f us\n", what, us.size(), at(0.5),
                at(0.9), at(0.99));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int calls = 5000;
    QString compare;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--compare")
            compare = QString::fromLocal8Bit(argv[i + 1]);

    appserver::MethodHandlers handlers;
    appserver::RegisterBuiltinMethods(handlers);
    appserver::ServerOptions options;
    options.address = "127.0.0.1";
    options.port = 0;
    appserver::HttpServer server(options, handlers);
    server.Start();

    platform::Connection connection;
    connection.SetParam("HostName", "127.0.0.1");
    connection.SetParam("Port", QString::number(server.Port()));
    connection.Open();
    TServerMethods1Client proxy(&connection);
    std::vector<double> us;
    for (int i = 0; i < calls + 200; ++i) {
        QElapsedTimer t;
        t.start();
        proxy.EchoString(QStringLiteral("Merhaba"));
        if (i >= 200) // warm-up
            us.push_back(t.nsecsElapsed() / 1000.0);
    }
    Report("EchoString through the proxy", us);

    if (!compare.isEmpty()) {
        const QUrl url(compare);
        httplib::Client client(url.host().toStdString(), url.port(80));
        client.set_keep_alive(true);
        std::vector<double> base;
        for (int i = 0; i < calls + 200; ++i) {
            QElapsedTimer t;
            t.start();
            auto r = client.Get(url.path().isEmpty() ? "/" : url.path().toStdString());
            if (!r) {
                std::printf("baseline request failed\n");
                break;
            }
            if (i >= 200)
                base.push_back(t.nsecsElapsed() / 1000.0);
        }
        if (!base.empty())
            Report("baseline GET (same client)", base);
    }
    server.Stop();
    return 0;
}
