// dorvena-appserver: the reference application server. Serves the server methods and the
// notification channel over HTTP until SIGINT or SIGTERM.

#include "builtinmethods.h"
#include "httpserver.h"
#include "methodhandlers.h"

#include "platform/error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>
#include <cstdio>

namespace {

// Blocks the stop signals in every thread (the server's threads inherit the mask) so that
// main can wait for them synchronously instead of handling them in an arbitrary thread.
sigset_t StopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return set;
}

int IntOption(const QCommandLineParser &parser, const QString &name, int low, int high)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < low || value > high)
        throw platform::Error(
            QStringLiteral("--%1 must be a number from %2 to %3").arg(name).arg(low).arg(high));
    return value;
}

appserver::ServerOptions ReadOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Dorvena B2B application server"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("listen"), QStringLiteral("Address to listen on."),
         QStringLiteral("address"), QStringLiteral("0.0.0.0")},
        {QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
         QStringLiteral("port"), QStringLiteral("9090")},
        {QStringLiteral("io-threads"), QStringLiteral("Threads for the network."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("workers"), QStringLiteral("Threads for the methods' work."),
         QStringLiteral("n"), QStringLiteral("4")},
    });
    parser.process(app);
    appserver::ServerOptions options;
    options.address = parser.value(QStringLiteral("listen")).toStdString();
    options.port = quint16(IntOption(parser, QStringLiteral("port"), 0, 65535));
    options.ioThreads = IntOption(parser, QStringLiteral("io-threads"), 1, 64);
    options.workers = IntOption(parser, QStringLiteral("workers"), 1, 256);
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    const sigset_t stopSignals = StopSignals();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvena-appserver"));
    try {
        const appserver::ServerOptions options = ReadOptions(app);
        appserver::MethodHandlers handlers;
        appserver::RegisterBuiltinMethods(handlers);

        appserver::HttpServer server(options, handlers);
        server.Start();
        std::printf("dorvena-appserver listening on %s:%u\n", options.address.c_str(),
                    unsigned(server.Port()));
        std::fflush(stdout);

        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::printf("dorvena-appserver stopping (signal %d)\n", signal);
        server.Stop();
        return 0;
    } catch (const platform::Error &e) {
        std::fprintf(stderr, "dorvena-appserver: %s\n", e.what());
        return 1;
    }
}
