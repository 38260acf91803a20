// dorvena-appserver: the reference application server and web host. Without a command it
// serves the server methods and the notification channel (and the web host on its own port)
// until SIGINT or SIGTERM; with a command it does one administration chore and ends.

#include "httpserver.h"
#include "methodhandlers.h"
#include "modules.h"

#include "content/contentadmin.h"
#include "data/admin.h"
#include "data/database.h"
#include "data/databasepool.h"

#include "platform/error.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QTcpSocket>
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

void AddOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Dorvena B2B application server and web host.\n"
                       "Without a command it serves until stopped. Commands: --init-db, "
                       "--seed-demo, --register-computer, "
                       "--set, --broadcast."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("listen"), QStringLiteral("Address to listen on."),
         QStringLiteral("address"), QStringLiteral("0.0.0.0")},
        {QStringLiteral("port"), QStringLiteral("Port of the server methods (0: any free port)."),
         QStringLiteral("port"), QStringLiteral("9090")},
        {QStringLiteral("web-port"), QStringLiteral("Port of the web host (0: none)."),
         QStringLiteral("port"), QStringLiteral("8080")},
        {QStringLiteral("io-threads"), QStringLiteral("Threads for the network."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("workers"), QStringLiteral("Threads for the methods' work."),
         QStringLiteral("n"), QStringLiteral("4")},
        {QStringLiteral("data"), QStringLiteral("Data folder (SQLite database, files)."),
         QStringLiteral("dir"), QStringLiteral("dorvena-data")},
        {QStringLiteral("pg-host"),
         QStringLiteral("Use PostgreSQL on this host instead of SQLite."), QStringLiteral("host")},
        {QStringLiteral("pg-port"), QStringLiteral("PostgreSQL port."), QStringLiteral("port"),
         QStringLiteral("5432")},
        {QStringLiteral("pg-db"), QStringLiteral("PostgreSQL database."), QStringLiteral("name"),
         QStringLiteral("dorvena")},
        {QStringLiteral("pg-user"),
         QStringLiteral("PostgreSQL user (password from DORVENA_PG_PASSWORD)."),
         QStringLiteral("user"), QStringLiteral("dorvena")},
        {QStringLiteral("init-db"), QStringLiteral("Create or update the database, then end.")},
        {QStringLiteral("seed-demo"),
         QStringLiteral("Fill an empty database with demo data, then end.")},
        {QStringLiteral("items"), QStringLiteral("Stock items of the demo (up to 1000000)."),
         QStringLiteral("n"), QStringLiteral("20000")},
        {QStringLiteral("register-computer"),
         QStringLiteral("Bind a machine identifier to a user, then end."), QStringLiteral("id")},
        {QStringLiteral("user"), QStringLiteral("User name for --register-computer."),
         QStringLiteral("name")},
        {QStringLiteral("password"), QStringLiteral("Password for --register-computer."),
         QStringLiteral("password")},
        {QStringLiteral("type"), QStringLiteral("Customer type 0-4 for --register-computer."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("customer"),
         QStringLiteral("Customer account number for --register-computer."), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("set"),
         QStringLiteral("Set a server setting KEY=VALUE (version, ticker, ...), then end."),
         QStringLiteral("key=value")},
        {QStringLiteral("broadcast"),
         QStringLiteral(
             "Send a notification (JSON) to every client of the running server at --port."),
         QStringLiteral("json")},
        {QStringLiteral("set-ticker"),
         QStringLiteral("Set the scrolling text (HTML; empty removes it), then end."),
         QStringLiteral("html")},
        {QStringLiteral("set-advert"),
         QStringLiteral(
             "Set opening advert N (with --title, --picture JPEG file, --target), then end."),
         QStringLiteral("n")},
        {QStringLiteral("remove-advert"), QStringLiteral("Remove opening advert N, then end."),
         QStringLiteral("n")},
        {QStringLiteral("title"), QStringLiteral("Title for --set-advert."),
         QStringLiteral("text")},
        {QStringLiteral("picture"), QStringLiteral("JPEG file for --set-advert."),
         QStringLiteral("file")},
        {QStringLiteral("target"),
         QStringLiteral("Target of --set-advert: #KAMPANYA#, #YENİ# or a search text."),
         QStringLiteral("text")},
        {QStringLiteral("set-banner"),
         QStringLiteral("Set banner SLOT=FILE (1, 2: GIF; 3: BMP; empty FILE removes), then end."),
         QStringLiteral("slot=file")},
        {QStringLiteral("set-installer"),
         QStringLiteral("Serve this file as /exe/VelkorSetup.exe, then end."),
         QStringLiteral("path")},
        {QStringLiteral("advance-order"),
         QStringLiteral("Move order N to its next state (received, approved, seen, partly "
                        "prepared, prepared, shipped), then end."),
         QStringLiteral("n")},
    });
}

appserver::DatabaseOptions DatabaseOptionsFrom(const QCommandLineParser &parser)
{
    appserver::DatabaseOptions options;
    if (parser.isSet(QStringLiteral("pg-host"))) {
        options.driver = QStringLiteral("QPSQL");
        options.host = parser.value(QStringLiteral("pg-host"));
        options.port = IntOption(parser, QStringLiteral("pg-port"), 1, 65535);
        options.name = parser.value(QStringLiteral("pg-db"));
        options.user = parser.value(QStringLiteral("pg-user"));
        options.password = qEnvironmentVariable("DORVENA_PG_PASSWORD");
        return options;
    }
    QDir dir(parser.value(QStringLiteral("data")));
    if (!dir.exists() && !QDir().mkpath(dir.path()))
        throw platform::Error(QStringLiteral("Cannot create the data folder %1").arg(dir.path()));
    options.path = dir.absoluteFilePath(QStringLiteral("dorvena.sqlite"));
    return options;
}

// Posts the notification to the running server's channel, as any broadcaster would.
int Broadcast(const QCommandLineParser &parser, const QByteArray &body)
{
    if (QJsonDocument::fromJson(body).isNull() && body != "null")
        throw platform::Error(QStringLiteral("--broadcast takes a JSON value"));
    QTcpSocket socket;
    const QString host = parser.value(QStringLiteral("listen")) == QLatin1String("0.0.0.0")
                             ? QStringLiteral("127.0.0.1")
                             : parser.value(QStringLiteral("listen"));
    socket.connectToHost(host, quint16(IntOption(parser, QStringLiteral("port"), 1, 65535)));
    if (!socket.waitForConnected(5000))
        throw platform::Error(
            QStringLiteral("The server does not answer: %1").arg(socket.errorString()));
    socket.write("POST /datasnap/channel/Holvaro/broadcast HTTP/1.1\r\nHost: " + host.toUtf8() +
                 "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    const QByteArray status = answer.left(answer.indexOf("\r\n"));
    std::printf("%s\n", answer.mid(answer.indexOf("\r\n\r\n") + 4).constData());
    return status.contains(" 200 ") ? 0 : 1;
}

int RunCommand(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("broadcast")))
        return Broadcast(parser, parser.value(QStringLiteral("broadcast")).toUtf8());
    appserver::Database db(DatabaseOptionsFrom(parser));
    appserver::MigrateSchema(db, appserver::AllSchemaSteps());
    if (parser.isSet(QStringLiteral("seed-demo"))) {
        if (db.Scalar(QStringLiteral("SELECT COUNT(*) FROM stok")).toInt() > 0)
            throw platform::Error(
                QStringLiteral("The database already holds data; seed an empty one"));
        appserver::DemoOptions demo;
        demo.items = IntOption(parser, QStringLiteral("items"), 1, 1000000);
        appserver::SeedDemo(db, demo);
        std::printf("demo data seeded: %d stock items\n", demo.items);
    }
    if (parser.isSet(QStringLiteral("register-computer"))) {
        appserver::RegisterComputer(db, parser.value(QStringLiteral("register-computer")),
                                    parser.value(QStringLiteral("user")),
                                    parser.value(QStringLiteral("password")),
                                    IntOption(parser, QStringLiteral("type"), 0, 4),
                                    IntOption(parser, QStringLiteral("customer"), 1, 2147483647));
        std::printf("computer registered\n");
    }
    if (parser.isSet(QStringLiteral("set"))) {
        const QString pair = parser.value(QStringLiteral("set"));
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw platform::Error(QStringLiteral("--set takes KEY=VALUE"));
        const QString key = pair.left(eq), value = pair.mid(eq + 1);
        // The ticker and the installer are checked before they are stored.
        if (key == QLatin1String("ticker"))
            appserver::SetTicker(db, value);
        else if (key == QLatin1String("installer"))
            appserver::SetInstaller(db, value);
        else
            appserver::SetSetting(db, key, value);
        std::printf("setting %s stored\n", qPrintable(key));
    }
    if (parser.isSet(QStringLiteral("set-ticker"))) {
        appserver::SetTicker(db, parser.value(QStringLiteral("set-ticker")));
        std::printf("ticker stored\n");
    }
    if (parser.isSet(QStringLiteral("set-advert"))) {
        appserver::SetAdvertFromFile(db, IntOption(parser, QStringLiteral("set-advert"), 1, 1000),
                                     parser.value(QStringLiteral("title")),
                                     parser.value(QStringLiteral("picture")),
                                     parser.value(QStringLiteral("target")));
        std::printf("advert stored\n");
    }
    if (parser.isSet(QStringLiteral("remove-advert")))
        std::printf(
            appserver::RemoveAdvert(db, IntOption(parser, QStringLiteral("remove-advert"), 1, 1000))
                ? "advert removed\n"
                : "no such advert\n");
    if (parser.isSet(QStringLiteral("set-banner"))) {
        const QString pair = parser.value(QStringLiteral("set-banner"));
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        bool ok = false;
        const int slot = pair.left(eq).toInt(&ok);
        if (eq <= 0 || !ok)
            throw platform::Error(QStringLiteral("--set-banner takes SLOT=FILE"));
        if (pair.mid(eq + 1).isEmpty())
            appserver::SetBanner(db, slot, {});
        else
            appserver::SetBannerFromFile(db, slot, pair.mid(eq + 1));
        std::printf("banner stored\n");
    }
    if (parser.isSet(QStringLiteral("set-installer"))) {
        appserver::SetInstaller(db, parser.value(QStringLiteral("set-installer")));
        std::printf("installer stored\n");
    }
    if (parser.isSet(QStringLiteral("advance-order"))) {
        const int id = IntOption(parser, QStringLiteral("advance-order"), 1, 2147483647);
        appserver::Transaction tx(db);
        const QVariant state =
            db.Scalar(QStringLiteral("SELECT durum FROM siparis WHERE id = ?"), {id});
        if (!state.isValid())
            throw platform::Error(QStringLiteral("There is no order %1").arg(id));
        if (state.toInt() >= 6)
            throw platform::Error(QStringLiteral("Order %1 is already shipped").arg(id));
        db.Exec(QStringLiteral("UPDATE siparis SET durum = durum + 1 WHERE id = ?"), {id});
        tx.Commit();
        std::printf("order %d is now in state %d\n", id, state.toInt() + 1);
    }
    // Clients reload their counters and content on any notification: tell the running server.
    bool changed = parser.isSet(QStringLiteral("advance-order"));
    for (const char *name : {"set-ticker", "set-advert", "remove-advert", "set-banner", "set"})
        changed = changed || parser.isSet(QString::fromLatin1(name));
    if (changed) {
        try {
            Broadcast(parser, QByteArrayLiteral("{\"reason\":\"content\"}"));
        } catch (const platform::Error &) {
            std::printf("(no running server to notify)\n");
        }
    }
    return 0;
}

int Serve(const QCommandLineParser &parser, const sigset_t &stopSignals)
{
    appserver::ServerOptions options;
    options.address = parser.value(QStringLiteral("listen")).toStdString();
    options.port = quint16(IntOption(parser, QStringLiteral("port"), 0, 65535));
    options.ioThreads = IntOption(parser, QStringLiteral("io-threads"), 1, 64);
    options.workers = IntOption(parser, QStringLiteral("workers"), 1, 256);

    appserver::DatabasePool pool(DatabaseOptionsFrom(parser));
    {
        appserver::Database db(pool.Options());
        appserver::MigrateSchema(db, appserver::AllSchemaSteps());
    }
    appserver::MethodHandlers handlers;
    appserver::RegisterAllMethods(handlers, pool);

    appserver::HttpServer server(options, handlers);
    server.Start();
    std::printf("dorvena-appserver listening on %s:%u\n", options.address.c_str(),
                unsigned(server.Port()));

    // The firm's web host: its own port, no server methods, the pages as the fallback.
    appserver::MethodHandlers noMethods;
    std::unique_ptr<appserver::HttpServer> web;
    if (const int webPort = IntOption(parser, QStringLiteral("web-port"), 0, 65535)) {
        appserver::ServerOptions webOptions = options;
        webOptions.port = quint16(webPort);
        web = std::make_unique<appserver::HttpServer>(webOptions, noMethods);
        web->SetFallback(appserver::MakeFirmWebHost(pool));
        web->Start();
        std::printf("web host listening on %s:%u\n", options.address.c_str(),
                    unsigned(web->Port()));
    }
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::printf("dorvena-appserver stopping (signal %d)\n", signal);
    if (web)
        web->Stop();
    server.Stop();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const sigset_t stopSignals = StopSignals();
    // Pictures and PDFs are drawn with Qt's painting, which wants a GUI application; a server
    // has no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvena-appserver"));
    QCommandLineParser parser;
    AddOptions(parser);
    parser.process(app);
    try {
        bool command = false;
        for (const char *name :
             {"init-db", "seed-demo", "register-computer", "set", "broadcast", "set-ticker",
              "set-advert", "remove-advert", "set-banner", "set-installer", "advance-order"})
            command = command || parser.isSet(QString::fromLatin1(name));
        return command ? RunCommand(parser) : Serve(parser, stopSignals);
    } catch (const platform::Error &e) {
        std::fprintf(stderr, "dorvena-appserver: %s\n", e.what());
        return 1;
    }
}
