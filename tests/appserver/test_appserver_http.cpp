// The transport itself: requests that are not the protocol, clients that misbehave, and
// that the network never waits for a method's work.

#include "appserver/methodcall.h"
#include "appserver/methodresult.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "platform/wirereply.h"
#include "rawclient.h"
#include "support/testserver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QtTest>
#include <httplib.h>
#include <semaphore>
#include <thread>

using namespace std::chrono_literals;

namespace {

QByteArray Post(const QByteArray &path, const QByteArray &body, const QByteArray &extraHeaders = {})
{
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders +
           "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n\r\n" + body;
}

QByteArray Call(const QByteArray &method, const QByteArray &body)
{
    return Post("/datasnap/rest/TServerMethods1/" + method, body);
}

QString ErrorText(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object().value("error").toString();
}

} // namespace

class TestAppserverHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldAnswerMalformedRequestsWithErrorAndKeepServing_data();
    void shouldAnswerMalformedRequestsWithErrorAndKeepServing();
    void shouldServeSeveralRequestsOnOneConnection();
    void shouldCutOffClientThatStopsAfterHeaders();
    void shouldCutOffClientThatTricklesItsBody();
    void shouldCutOffIdleConnection();
    void shouldAnswerPingWhileMethodsAreBusy();
    void shouldServeFallbackForOtherPaths();

private:
    static appserver::ServerOptions ShortLimits();
    void VerifyStillServing();

    appserver::ScriptedMethods m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
};

appserver::ServerOptions TestAppserverHttp::ShortLimits()
{
    appserver::ServerOptions options = testsupport::TestServer::Options();
    options.readTimeout = 400ms;
    options.idleTimeout = 600ms;
    options.bodyLimit = 4096;
    options.headerLimit = 2048;
    return options;
}

void TestAppserverHttp::initTestCase()
{
    m_methods.Returns("SanalposSiranoVer", 7);
    m_server = std::make_unique<testsupport::TestServer>(m_methods, ShortLimits());
}

void TestAppserverHttp::cleanupTestCase()
{
    m_server.reset();
}

void TestAppserverHttp::VerifyStillServing()
{
    httplib::Client client("127.0.0.1", m_server->port());
    const auto result = client.Post("/datasnap/rest/TServerMethods1/SanalposSiranoVer",
                                    R"({"_parameters":[1]})", "application/json");
    QVERIFY(result);
    QCOMPARE(result->status, 200);
    QCOMPARE(QByteArray::fromStdString(result->body), QByteArray(R"({"result":[7]})"));
}

void TestAppserverHttp::shouldAnswerMalformedRequestsWithErrorAndKeepServing_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("endSending"); // the client closes its sending side after the request
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QByteArray bilgi = R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{}})";
    QTest::newRow("body not JSON")
        << Call("SanalposSiranoVer", R"({"_parameters":[1)") << false << 400 << "not valid JSON";
    QTest::newRow("_parameters missing") << Call("SanalposSiranoVer", "{}") << false << 400
                                         << "SanalposSiranoVer: the request has no \"_parameters\"";
    QTest::newRow("_parameters not an array") << Call("SanalposSiranoVer", R"({"_parameters":1})")
                                              << false << 400 << "\"_parameters\" must be an array";
    QTest::newRow("too few parameters")
        << Call("SepetSatirSil", "{\"_parameters\":[" + bilgi + ",1]}") << false << 400
        << "SepetSatirSil takes 3 parameters, the request has 2";
    QTest::newRow("String given a number")
        << Call("BuyukGetir", R"({"_parameters":[12]})") << false << 400
        << "BuyukGetir: parameter 0 (idsi) must be a string";
    QTest::newRow("Integer given a fraction")
        << Call("SanalposSiranoVer", R"({"_parameters":[1.5]})") << false << 400
        << "parameter 0 (idnosu) must be a whole number within 32 bits";
    QTest::newRow("Double given a string")
        << Call("RaporGetir", R"({"_parameters":[1,2,3,4,"ali","45000",2,null]})") << false << 400
        << "parameter 5 (tarih1) must be a number";
    QTest::newRow("Object of another class")
        << Call("SepetHepsiniSil",
                R"({"_parameters":[{"type":"x.TMobilStok","id":1,"fields":{}}]})")
        << false << 400 << "parameter 0 (bilgi) must be a marshalled TSonucBilgisi object";
    QTest::newRow("Callback given a name only")
        << Call("MobilStokaraGeri", "{\"_parameters\":[\"k\"," + bilgi + ",1,2,\"geri\"]}") << false
        << 400 << "parameter 4 (geri) must be a callback";
    QTest::newRow("output parameter with a value")
        << Call("ResimVer5", R"({"_parameters":[3,1024]})") << false << 400
        << "parameter 1 (boy) is an output and must be null";
    QTest::newRow("unknown method") << Call("StokSil", R"({"_parameters":[]})") << false << 404
                                    << "Unknown server method StokSil";
    QTest::newRow("method called with GET")
        << QByteArray(
               "GET /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: x\r\n\r\n")
        << false << 405 << "Use POST on this path";
    QTest::newRow("body over the limit")
        << Call("SanalposSiranoVer", "{\"_parameters\":[1]," + QByteArray(5000, ' ') + "}") << false
        << 413 << "larger than 4096 bytes";
    QTest::newRow("announced body over the limit, never sent")
        << QByteArray(
               "POST /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: x\r\n"
               "Content-Length: 1000000000\r\n\r\n{")
        << false << 413 << "larger than 4096 bytes";
    QTest::newRow("header over the limit")
        << Post("/datasnap/rest/DSAdmin/Ping", "", "X-Pad: " + QByteArray(3000, 'a') + "\r\n")
        << false << 431 << "header is larger";
    QTest::newRow("bad request line")
        << QByteArray("HELLO THERE\r\n\r\n") << false << 400 << "Malformed HTTP request";
    QTest::newRow("bad HTTP version")
        << QByteArray("GET / HTTP/9\r\n\r\n") << false << 400 << "Malformed HTTP request";
    QTest::newRow("bad Content-Length")
        << QByteArray("POST /datasnap/rest/TServerMethods1/SanalposSiranoVer "
                      "HTTP/1.1\r\nContent-Length: x\r\n\r\n")
        << false << 400 << "Malformed HTTP request";
    QTest::newRow("body shorter than announced, then end")
        << QByteArray(
               "POST /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: x\r\n"
               "Content-Length: 100\r\n\r\n{\"_parameters\":")
        << true << 400 << "The request ended before it was complete";
    QTest::newRow("header without its end, then end")
        << QByteArray("POST /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: "
                      "x\r\nContent-Le")
        << true << 400 << "The request ended before it was complete";
    QTest::newRow("channel body not JSON") << Post("/datasnap/channel/Holvaro/HolvaroId/c1", "nul")
                                           << false << 400 << "not valid JSON";
    QTest::newRow("unknown path") << QByteArray("GET /yok HTTP/1.1\r\nHost: x\r\n\r\n") << false
                                  << 404 << "Not found: /yok";
}

void TestAppserverHttp::shouldAnswerMalformedRequestsWithErrorAndKeepServing()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, endSending);
    QFETCH(int, status);
    QFETCH(QString, error);
    RawClient client(m_server->port());
    QVERIFY(client.Connected());

    client.Send(request);
    if (endSending)
        client.ShutdownWrite();
    const RawClient::Response response = client.Read(10s);

    QCOMPARE(response.status, status);
    const QString text = ErrorText(response.body);
    QVERIFY2(text.contains(error), qPrintable(QString::fromUtf8(response.body)));
    VerifyStillServing();
}

void TestAppserverHttp::shouldServeSeveralRequestsOnOneConnection()
{
    RawClient client(m_server->port());
    const QByteArray call = Call("SanalposSiranoVer", R"({"_parameters":[1]})");
    const QByteArray bad = Call("SanalposSiranoVer", R"({"_parameters":["1"]})");

    // The second request rides in the same packet as the first (pipelined).
    client.Send(call + bad);
    const RawClient::Response first = client.Read(10s);
    const RawClient::Response second = client.Read(10s);
    client.Send(call);
    const RawClient::Response third = client.Read(10s);

    QCOMPARE(first.status, 200);
    QCOMPARE(second.status, 400); // a bad frame is answered on a connection that stays open
    QCOMPARE(third.status, 200);
    QCOMPARE(third.body, QByteArray(R"({"result":[7]})"));
    QVERIFY(!third.closed);
}

void TestAppserverHttp::shouldCutOffClientThatStopsAfterHeaders()
{
    RawClient client(m_server->port());
    client.Send("POST /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: "
                "x\r\nContent-Length: 20\r\n\r\n");

    QVERIFY(client.WaitForClose(20s));
    VerifyStillServing();
}

void TestAppserverHttp::shouldCutOffClientThatTricklesItsBody()
{
    RawClient client(m_server->port());
    client.Send("POST /datasnap/rest/TServerMethods1/SanalposSiranoVer HTTP/1.1\r\nHost: "
                "x\r\nContent-Length: 1000\r\n\r\n");

    // Always sending a little, never finishing: each byte comes well within the read time-out,
    // the whole request never does.
    bool closed = false;
    for (int i = 0; i < 200 && !closed; ++i) {
        client.Send(" ");
        closed = client.WaitForClose(100ms);
    }

    QVERIFY(closed);
}

void TestAppserverHttp::shouldCutOffIdleConnection()
{
    RawClient client(m_server->port());
    client.Send(Call("SanalposSiranoVer", R"({"_parameters":[1]})"));
    QCOMPARE(client.Read(10s).status, 200);

    QVERIFY(client.WaitForClose(20s));
}

void TestAppserverHttp::shouldAnswerPingWhileMethodsAreBusy()
{
    // Each call holds its worker until the test lets it go; with every worker held and one
    // io thread, a ping is answered only if methods do not run on the io thread.
    const int workers = testsupport::TestServer::Options().workers;
    std::counting_semaphore<16> release(0);
    std::atomic<int> done{0};
    m_methods.Handles("SepetSecimGuncelle",
                      [&release](const appserver::MethodCall &, appserver::MethodResult &) {
                          release.acquire();
                      });
    const auto forget = qScopeGuard([this] { m_methods.Remove("SepetSecimGuncelle"); });
    std::vector<std::jthread> callers;
    // Declared after the callers: on any exit the calls are let go before the callers join.
    const auto letGo = qScopeGuard([&release, workers] { release.release(workers); });
    for (int i = 0; i < workers; ++i)
        callers.emplace_back([this, &done] {
            httplib::Client c("127.0.0.1", m_server->port());
            c.Post("/datasnap/rest/TServerMethods1/SepetSecimGuncelle", R"({"_parameters":[1,1]})",
                   "application/json");
            ++done;
        });
    QTRY_COMPARE(m_methods.CallCount("SepetSecimGuncelle"), workers);

    httplib::Client ping("127.0.0.1", m_server->port());
    ping.set_read_timeout(5s);
    const auto pong = ping.Get("/datasnap/rest/DSAdmin/Ping");

    QVERIFY(pong);
    QCOMPARE(pong->status, 200);
    QCOMPARE(done.load(), 0);
}

void TestAppserverHttp::shouldServeFallbackForOtherPaths()
{
    appserver::ScriptedMethods methods;
    testsupport::TestServer server(
        methods, testsupport::TestServer::Options(),
        [](const appserver::HttpRequest &request) -> std::optional<appserver::HttpAnswer> {
            if (request.Path() != "/ip")
                return std::nullopt;
            appserver::HttpAnswer answer;
            answer.contentType = "text/plain";
            answer.body = QByteArray::fromStdString(request.remoteAddress);
            return answer;
        });
    httplib::Client client("127.0.0.1", server.port());

    const auto page = client.Get("/ip?x=1");
    const auto missing = client.Get("/yok");

    QVERIFY(page && missing);
    QCOMPARE(page->status, 200);
    QCOMPARE(page->body, std::string("127.0.0.1"));
    QCOMPARE(missing->status, 404);
}

QTEST_GUILESS_MAIN(TestAppserverHttp)
#include "test_appserver_http.moc"
