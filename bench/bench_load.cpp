// Many clients at once against the real server in this process, over loopback: searches,
// basket additions with the basket read back, and orders of the lines added, for a fixed time.
//
//     bench_load [--seconds S] [--clients C] [--items N] [--think-ms T]
//
// Defaults: 60 s, 200 clients, a 20,000-item demo database seeded into a temporary folder,
// no pause between a client's calls (every client calls again as soon as it has its answer,
// so the server is saturated). Each client is a thread with its own keep-alive connection and
// signs in as one of the five demo users (DEMO-PC-0000..0004) in turn. With --think-ms T a
// client pauses T/2 to 3T/2 between its steps, like a person at the screen. A step is a search
// (60 %), a basket addition read back (25 %), or an order of the client's lines (15 %, when it has
// any): the mix of a working day at a counter, searches first.
//
// Clients that share a customer share its basket, as users of one account do. So that they do
// not merge into each other's lines, every client adds items of its own range only and selects
// only the lines it added; an order may still take another client's selected lines with it,
// which leaves the other's order empty (SiparisKaydet false), not failed.
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

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <cstdio>
#include <latch>
#include <mutex>
#include <thread>

namespace {

enum Kind { Search, BasketAdd, BasketRead, Select, Order, KindCount };
const char *const kKindNames[KindCount] = {"StokAraGetir", "SepetEkle2", "SepetVer2",
                                           "SepetSecimGuncelle", "SiparisKaydet"};

struct Options
{
    int seconds = 60;
    int clients = 200;
    int items = 20000;
    int thinkMs = 0;
};

struct Tally
{
    std::array<std::vector<double>, KindCount> ms;
    std::array<long, KindCount> errors{};
    long ordersPlaced = 0, ordersEmpty = 0;
};

// The first few error texts, shared by all clients.
class ErrorLog
{
public:
    void Add(Kind kind, const QString &text)
    {
        std::lock_guard lock(m_mutex);
        if (m_texts.size() < 8)
            m_texts << QStringLiteral("%1: %2").arg(QLatin1String(kKindNames[kind]), text);
    }
    QStringList Texts()
    {
        std::lock_guard lock(m_mutex);
        return m_texts;
    }

private:
    std::mutex m_mutex;
    QStringList m_texts;
};

struct Shared
{
    Options options;
    quint16 port = 0;
    QStringList texts;
    std::vector<std::unique_ptr<TSonucBilgisi>> sessions; // one per demo user
    std::unique_ptr<std::latch> connected;                // every client has its connection
    std::latch go{1};                                     // set once the deadline is
    std::chrono::steady_clock::time_point deadline;
    ErrorLog errors;
};

std::unique_ptr<TSonucBilgisi> Copy(const TSonucBilgisi &session)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(session);
    return copy;
}

class Client
{
public:
    Client(Shared &shared, int index)
        : m_shared(shared), m_session(*shared.sessions[size_t(index) % shared.sessions.size()]),
          m_rng(quint32(1000 + index))
    {
        const int span = std::max(1, shared.options.items / shared.options.clients);
        m_firstItem = 1 + (index * span) % shared.options.items;
        m_span = span;
    }

    void Run()
    {
        platform::Connection connection;
        connection.SetParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        connection.SetParam(QStringLiteral("Port"), QString::number(m_shared.port));
        // A call stuck beyond this counts as an error instead of holding the run up.
        connection.SetParam(QStringLiteral("CommunicationTimeout"), QStringLiteral("30000"));
        try {
            connection.Open();
        } catch (const platform::Error &e) {
            m_shared.errors.Add(Search, QStringLiteral("connect: ") + e.Message());
        }
        TServerMethods1Client proxy(&connection);
        m_shared.connected->count_down();
        m_shared.go.wait();
        // With pauses, the clients start spread over one pause, as users do, not all at once.
        if (m_shared.options.thinkMs > 0)
            Pause(m_rng.bounded(quint32(m_shared.options.thinkMs)));
        while (std::chrono::steady_clock::now() < m_shared.deadline) {
            const quint32 r = m_rng.bounded(100u);
            if (r < 60)
                DoSearch(proxy);
            else if (r < 85 || m_lines.empty())
                DoBasket(proxy);
            else
                DoOrder(proxy);
            if (m_shared.options.thinkMs > 0)
                Pause(quint32(m_shared.options.thinkMs / 2) +
                      m_rng.bounded(quint32(m_shared.options.thinkMs) + 1));
        }
    }

    Tally tally;

private:
    // A user's pause, cut short at the end of the run so that the time measured is the run's.
    void Pause(quint32 ms)
    {
        std::this_thread::sleep_until(std::min(
            std::chrono::steady_clock::now() + std::chrono::milliseconds(ms), m_shared.deadline));
    }

    // Times one call; false when it failed (counted and, among the first, its text kept).
    template <class F> bool Timed(Kind kind, F &&call)
    {
        QElapsedTimer t;
        t.start();
        try {
            call();
        } catch (const platform::Error &e) {
            ++tally.errors[kind];
            // How long a failure took tells a time-out from an immediate refusal.
            m_shared.errors.Add(
                kind, QStringLiteral("after %1 ms: %2").arg(t.elapsed()).arg(e.Message()));
            return false;
        }
        tally.ms[kind].push_back(t.nsecsElapsed() / 1e6);
        return true;
    }

    void DoSearch(TServerMethods1Client &proxy)
    {
        const QString &text = m_shared.texts[int(m_rng.bounded(quint32(m_shared.texts.size())))];
        Timed(Search, [&] { proxy.StokAraGetir(text, Copy(m_session)); });
    }

    void DoBasket(TServerMethods1Client &proxy)
    {
        const int stokno = m_firstItem + (m_nextItem++ % m_span);
        // Salespeople may set their own unit price; the others' is ignored by the server.
        if (!Timed(BasketAdd, [&] {
                proxy.SepetEkle2(Copy(m_session), m_session.CARINO(), stokno, QString(), QString(),
                                 1, 20, 100.0, 0, m_session.Sirano(), 0, 0, 0, 0);
            }))
            return;
        Timed(BasketRead, [&] {
            const platform::DataSet *basket = proxy.SepetVer2(m_session.CARINO());
            const platform::Field &item = basket->FieldByName(QStringLiteral("STOKNO"));
            const platform::Field &line = basket->FieldByName(QStringLiteral("SIRANO"));
            for (int row = 0; row < basket->RecordCount(); ++row) {
                if (item.IntAt(row) == stokno) {
                    const qint64 sirano = line.IntAt(row);
                    if (std::find(m_lines.begin(), m_lines.end(), sirano) == m_lines.end())
                        m_lines.push_back(sirano);
                    return;
                }
            }
            throw platform::Error(QStringLiteral("the line just added is not in the basket"));
        });
    }

    void DoOrder(TServerMethods1Client &proxy)
    {
        for (const qint64 sirano : m_lines)
            Timed(Select, [&] { proxy.SepetSecimGuncelle(int(sirano), 1); });
        m_lines.clear();
        bool placed = false;
        if (Timed(Order, [&] {
                placed = proxy.SiparisKaydet(Copy(m_session), m_session.CARINO(), 1, 1,
                                             QStringLiteral("yük testi"), m_session.Sirano(), 1);
            }))
            ++(placed ? tally.ordersPlaced : tally.ordersEmpty);
    }

    Shared &m_shared;
    const TSonucBilgisi &m_session;
    QRandomGenerator m_rng;
    int m_firstItem = 1, m_span = 1, m_nextItem = 0;
    std::vector<qint64> m_lines; // added by this client, not ordered yet
};

Options Parse(const QStringList &args)
{
    Options o;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const int value = args[i + 1].toInt();
        if (args[i] == QLatin1String("--seconds"))
            o.seconds = std::clamp(value, 1, 600);
        else if (args[i] == QLatin1String("--clients"))
            o.clients = std::clamp(value, 1, 1000);
        else if (args[i] == QLatin1String("--items"))
            o.items = std::clamp(value, 1000, 1000000);
        else if (args[i] == QLatin1String("--think-ms"))
            o.thinkMs = std::clamp(value, 0, 60000);
        else
            throw platform::Error(QStringLiteral(
                "usage: bench_load [--seconds S] [--clients C] [--items N] [--think-ms T]"));
    }
    return o;
}

qint64 Count(appserver::Database &db, const char *table)
{
    // Only the fixed names below reach here.
    return db.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toLongLong();
}

int Run(const Options &options)
{
    QTemporaryDir dir;
    appserver::DatabaseOptions dbOptions;
    dbOptions.path = dir.filePath(QStringLiteral("dorvena.sqlite"));
    Shared shared;
    shared.options = options;
    qint64 ordersBefore = 0;
    {
        appserver::Database db(dbOptions);
        appserver::MigrateSchema(db, appserver::AllSchemaSteps());
        appserver::DemoOptions demo;
        demo.items = options.items;
        appserver::SeedDemo(db, demo);
        ordersBefore = Count(db, "siparis");
        QString oem =
            db.Scalar(QStringLiteral("SELECT oem1 FROM stok WHERE id = ?"), {options.items / 2 + 1})
                .toString();
        shared.texts = {QStringLiteral("ANK-1001"), QStringLiteral("FREN BALATASI"),
                        QStringLiteral("AMORTİSÖR ÖN"), oem.remove(QLatin1Char(' ')).left(7),
                        QStringLiteral("KAPLUMBAGA")};
    }

    appserver::DatabasePool pool(dbOptions);
    appserver::MethodHandlers handlers;
    appserver::RegisterAllMethods(handlers, pool);
    appserver::ServerOptions serverOptions;
    serverOptions.address = "127.0.0.1";
    serverOptions.port = 0;
    serverOptions.workers = 4;
    appserver::HttpServer server(serverOptions, handlers);
    server.Start();
    shared.port = server.Port();

    {
        platform::Connection connection;
        connection.SetParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        connection.SetParam(QStringLiteral("Port"), QString::number(shared.port));
        connection.Open();
        TServerMethods1Client proxy(&connection);
        for (int i = 0; i < 5; ++i) {
            const TSonucBilgisi *answer =
                proxy.BuyukGetir(QStringLiteral("DEMO-PC-%1").arg(i, 4, 10, QLatin1Char('0')));
            if (!answer || answer->Sirano() == 0)
                throw platform::Error(QStringLiteral("demo user %1 does not sign in").arg(i));
            shared.sessions.push_back(Copy(*answer));
        }
    }

    std::printf(
        "%d clients, %d s, %d items, think %d ms; server: 1 io thread, 4 workers; %u cores\n",
        options.clients, options.seconds, options.items, options.thinkMs,
        std::thread::hardware_concurrency());
    std::fflush(stdout);
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < options.clients; ++i)
        clients.push_back(std::make_unique<Client>(shared, i));
    // The clients start together once all are connected; the time counts from then.
    shared.connected = std::make_unique<std::latch>(options.clients);
    std::vector<std::thread> threads;
    for (auto &c : clients)
        threads.emplace_back([&c] { c->Run(); });
    shared.connected->wait();
    const long long threadsUnderLoad = bench::ProcStatus("Threads");
    shared.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
    QElapsedTimer wall;
    wall.start();
    shared.go.count_down();
    for (auto &t : threads)
        t.join();
    const double seconds = wall.elapsed() / 1000.0;
    const long long rssKb = bench::ProcStatus("VmRSS");
    server.Stop();

    Tally total;
    for (auto &c : clients) {
        for (int k = 0; k < KindCount; ++k) {
            total.ms[size_t(k)].insert(total.ms[size_t(k)].end(), c->tally.ms[size_t(k)].begin(),
                                       c->tally.ms[size_t(k)].end());
            total.errors[size_t(k)] += c->tally.errors[size_t(k)];
        }
        total.ordersPlaced += c->tally.ordersPlaced;
        total.ordersEmpty += c->tally.ordersEmpty;
    }
    long calls = 0, errors = 0;
    std::printf("%-20s %8s %7s %9s %9s %9s %9s %9s\n", "call", "ok", "errors", "per s", "p50 ms",
                "p90 ms", "p99 ms", "max ms");
    for (int k = 0; k < KindCount; ++k) {
        const bench::Percentiles p = bench::PercentilesOf(total.ms[size_t(k)]);
        calls += long(p.n);
        errors += total.errors[size_t(k)];
        std::printf("%-20s %8zu %7ld %9.1f %9.1f %9.1f %9.1f %9.1f\n", kKindNames[k], p.n,
                    total.errors[size_t(k)], double(p.n) / seconds, p.p50, p.p90, p.p99, p.max);
    }
    std::printf("all calls: %ld in %.1f s = %.1f calls/s; errors %ld\n", calls, seconds,
                double(calls) / seconds, errors);
    std::printf("orders placed %ld, empty (lines taken by another client's order) %ld\n",
                total.ordersPlaced, total.ordersEmpty);
    std::printf("process (server and clients): %lld threads under load, VmRSS %.1f MB at the end\n",
                threadsUnderLoad, rssKb / 1024.0);
    for (const QString &text : shared.errors.Texts())
        std::printf("error: %s\n", qPrintable(text));

    appserver::Database db(dbOptions);
    const qint64 made = Count(db, "siparis") - ordersBefore;
    std::printf("orders in the database afterwards: %lld new (%s the placed count)\n", made,
                made == total.ordersPlaced ? "equal to" : "NOT equal to");
    return errors == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Seeding draws the items' pictures with Qt's painting, which wants a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Run(Parse(app.arguments()));
    } catch (const platform::Error &e) {
        std::fprintf(stderr, "bench_load: %s\n", e.what());
        return 2;
    }
}
