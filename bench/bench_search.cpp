// Stock search (StokAraGetir) through the client's proxy against the real server in this
// process, on databases of different sizes, for the kinds of text users type.
//
//     bench_search [--reps R] [--budget SECONDS] ITEMS[:DIR] ...
//
// A size without a folder is seeded into a temporary folder and removed afterwards. A size with
// a folder reuses the database there when it holds that many items, or seeds it there first
// when it is empty, so a large database is seeded once. Default: 20000.
// Each text is timed R times (default 200) or until its time budget (default 15 s) runs out,
// but at least 5 times, so a large database still finishes in a few minutes.
#include "benchstats.h"

#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"
#include "appserver/httpserver.h"
#include "appserver/methodhandlers.h"
#include "appserver/modules.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "server/proxim.h"
#include "session/baglantiu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct Size
{
    int items = 0;
    QString dir; // empty: a temporary folder
};

std::unique_ptr<TSonucBilgisi> Copy(const TSonucBilgisi &session)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(session);
    return copy;
}

// An OEM number as a user copies it from a catalogue: the first seven of its letters and digits,
// without the blank the database writes it with (the search has to meet it anyway).
QString OemFragment(appserver::Database &db, int items)
{
    QString oem =
        db.Scalar(QStringLiteral("SELECT oem1 FROM stok WHERE id = ?"), {items / 2 + 1}).toString();
    oem.remove(QLatin1Char(' '));
    return oem.left(7);
}

// The database of `size`, seeded when it is empty; its options.
appserver::DatabaseOptions Prepare(const Size &size, const QString &dir)
{
    if (!QDir().mkpath(dir))
        throw platform::Error(QStringLiteral("Cannot create %1").arg(dir));
    appserver::DatabaseOptions options;
    options.path = QDir(dir).absoluteFilePath(QStringLiteral("dorvena.sqlite"));
    appserver::Database db(options);
    appserver::MigrateSchema(db, appserver::AllSchemaSteps());
    const int count = db.Scalar(QStringLiteral("SELECT COUNT(*) FROM stok")).toInt();
    if (count == size.items) {
        std::printf("reusing %s (%d items, %.0f MB)\n", qPrintable(options.path), count,
                    QFileInfo(options.path).size() / 1e6);
        return options;
    }
    if (count != 0)
        throw platform::Error(QStringLiteral("%1 holds %2 items, not %3")
                                  .arg(options.path)
                                  .arg(count)
                                  .arg(size.items));
    std::printf("seeding %d items into %s ...\n", size.items, qPrintable(options.path));
    std::fflush(stdout);
    QElapsedTimer t;
    t.start();
    appserver::DemoOptions demo;
    demo.items = size.items;
    appserver::SeedDemo(db, demo);
    std::printf("seeded in %.1f s (%.0f MB)\n", t.elapsed() / 1000.0,
                QFileInfo(options.path).size() / 1e6);
    return options;
}

void RunSize(const Size &size, int reps, double budgetSeconds)
{
    std::optional<QTemporaryDir> temporary;
    QString dir = size.dir;
    if (dir.isEmpty()) {
        temporary.emplace();
        dir = temporary->path();
    }
    const appserver::DatabaseOptions options = Prepare(size, dir);

    QStringList texts = {QStringLiteral("ANK-1001"), QStringLiteral("FREN BALATASI"),
                         QStringLiteral("AMORTİSÖR ÖN")};
    {
        appserver::Database db(options);
        texts << OemFragment(db, size.items);
    }
    texts << QStringLiteral("KAPLUMBAGA");

    appserver::DatabasePool pool(options);
    appserver::MethodHandlers handlers;
    appserver::RegisterAllMethods(handlers, pool);
    appserver::ServerOptions serverOptions;
    serverOptions.address = "127.0.0.1";
    serverOptions.port = 0;
    serverOptions.workers = 4;
    appserver::HttpServer server(serverOptions, handlers);
    server.Start();

    platform::Connection connection;
    connection.SetParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    connection.SetParam(QStringLiteral("Port"), QString::number(server.Port()));
    connection.Open();
    TServerMethods1Client proxy(&connection);
    TSonucBilgisi session;
    session.Kopyala(*proxy.BuyukGetir(QStringLiteral("DEMO-PC-0000")));

    std::printf("\n%d items (server: 1 io thread, 4 workers; one client, sequential calls)\n",
                size.items);
    std::printf("%-16s %6s %5s %10s %10s %10s %10s %10s\n", "text", "rows", "n", "first ms",
                "p50 ms", "p90 ms", "p99 ms", "max ms");
    for (const QString &text : texts) {
        // The first call of a text is shown apart: it may read pages the others find cached.
        QElapsedTimer t;
        t.start();
        const int rows = proxy.StokAraGetir(text, Copy(session))->RecordCount();
        const double first = t.nsecsElapsed() / 1e6;

        std::vector<double> ms;
        QElapsedTimer budget;
        budget.start();
        while (int(ms.size()) < reps &&
               (ms.size() < 5 || budget.elapsed() < budgetSeconds * 1000)) {
            t.restart();
            proxy.StokAraGetir(text, Copy(session));
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        const bench::Percentiles p = bench::PercentilesOf(ms);
        // Padded as characters, not bytes, so the Turkish letters keep the columns straight.
        const QString label = (QLatin1Char('"') + text + QLatin1Char('"')).leftJustified(16);
        std::printf("%s %6d %5zu %10.2f %10.2f %10.2f %10.2f %10.2f\n", qPrintable(label), rows,
                    p.n, first, p.p50, p.p90, p.p99, p.max);
        std::fflush(stdout);
    }
    connection.Close();
    server.Stop();
}

} // namespace

int main(int argc, char *argv[])
{
    // Seeding draws the items' pictures with Qt's painting, which wants a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    int reps = 200;
    double budget = 15;
    std::vector<Size> sizes;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--reps") && i + 1 < args.size()) {
            reps = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--budget") && i + 1 < args.size()) {
            budget = args[++i].toDouble();
        } else {
            Size s;
            bool ok = false;
            s.items = args[i].section(QLatin1Char(':'), 0, 0).toInt(&ok);
            s.dir = args[i].section(QLatin1Char(':'), 1);
            if (!ok || s.items < 1 || s.items > 1000000) {
                std::fprintf(stderr,
                             "usage: bench_search [--reps R] [--budget SECONDS] ITEMS[:DIR] ...\n");
                return 2;
            }
            sizes.push_back(s);
        }
    }
    if (sizes.empty())
        sizes.push_back({20000, {}});
    try {
        for (const Size &s : sizes)
            RunSize(s, reps, budget);
    } catch (const platform::Error &e) {
        std::fprintf(stderr, "bench_search: %s\n", e.what());
        return 1;
    }
    return 0;
}
