// The notification channel: long polls held and answered, broadcasts that reach every client
// once, and messages that wait between polls.

#include "appserver/httpserver.h"
#include "appserver/methodhandlers.h"
#include "appserver/notificationchannel.h"
#include "rawclient.h"
#include "support/testserver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <future>
#include <httplib.h>

using namespace std::chrono_literals;

namespace {

struct Answer
{
    int status = 0; // 0: no answer
    QByteArray body;
};

Answer PostTo(quint16 port, const std::string &path, const QByteArray &body)
{
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(30s);
    const auto result = client.Post(path, body.toStdString(), "application/json");
    if (!result)
        return {};
    return {result->status, QByteArray::fromStdString(result->body)};
}

Answer Poll(quint16 port, const std::string &clientId, const QByteArray &answer = "null")
{
    return PostTo(port, "/datasnap/channel/Holvaro/HolvaroId/" + clientId, answer);
}

Answer Broadcast(quint16 port, const QByteArray &message)
{
    return PostTo(port, "/datasnap/channel/Holvaro/broadcast", message);
}

appserver::ServerOptions Channel(std::chrono::milliseconds hold,
                                 std::chrono::milliseconds forget = 600s)
{
    appserver::ServerOptions options = testsupport::TestServer::Options();
    options.channel.pollHold = hold;
    options.channel.forgetClientAfter = forget;
    return options;
}

} // namespace

class TestAppserverChannel : public QObject
{
    Q_OBJECT

private slots:
    void shouldDeliverOneBroadcastToEveryPollingClient();
    void shouldKeepMessagesBroadcastBetweenPollsInOrder();
    void shouldNotLoseMessageToPollWhoseClientHungUp();
    void shouldForgetClientsThatStopPolling();
    void shouldEndHeldPollsWhenStopping();
    void shouldRejectBadChannelRequests_data();
    void shouldRejectBadChannelRequests();

private:
    appserver::MethodHandlers m_handlers;
};

void TestAppserverChannel::shouldDeliverOneBroadcastToEveryPollingClient()
{
    testsupport::TestServer server(m_handlers, Channel(20s));
    auto first = std::async(std::launch::async, [&] { return Poll(server.port(), "istemci-1"); });
    auto second = std::async(std::launch::async, [&] { return Poll(server.port(), "istemci-2"); });
    QTRY_COMPARE(server.server().Channel().ClientCount(), size_t(2));

    const Answer sent = Broadcast(server.port(), R"({"yenile":true})");

    QCOMPARE(sent.status, 200);
    QCOMPARE(sent.body, QByteArray(R"({"clients":2})"));
    for (auto *poll : {&first, &second}) {
        const Answer got = poll->get();
        QCOMPARE(got.status, 200);
        QCOMPARE(got.body, QByteArray(R"({"message":{"yenile":true}})"));
    }
}

void TestAppserverChannel::shouldKeepMessagesBroadcastBetweenPollsInOrder()
{
    testsupport::TestServer server(m_handlers, Channel(300ms));
    const Answer nothing = Poll(server.port(), "istemci");

    server.broadcast(QJsonObject{{"sira", 1}});
    Broadcast(server.port(), R"("ikinci")");
    const Answer first = Poll(server.port(), "istemci", "true");
    const Answer second = Poll(server.port(), "istemci", "true");
    const Answer none = Poll(server.port(), "istemci", "true");

    QCOMPARE(nothing.status, 204); // the hold ended without a message
    QCOMPARE(nothing.body, QByteArray());
    QCOMPARE(first.status, 200);
    QCOMPARE(first.body, QByteArray(R"({"message":{"sira":1}})"));
    QCOMPARE(second.status, 200);
    QCOMPARE(second.body, QByteArray(R"({"message":"ikinci"})"));
    QCOMPARE(none.status, 204);
}

void TestAppserverChannel::shouldNotLoseMessageToPollWhoseClientHungUp()
{
    testsupport::TestServer server(m_handlers, Channel(10s));
    {
        RawClient gone(server.port());
        gone.Send("POST /datasnap/channel/Holvaro/HolvaroId/istemci HTTP/1.1\r\nHost: x\r\n"
                  "Content-Length: 4\r\n\r\nnull");
        QTRY_COMPARE(server.server().Channel().ClientCount(), size_t(1));
    }                  // closes the connection while its poll is held
    QTest::qWait(300); // lets the server see the hang-up

    server.broadcast(QJsonObject{{"yenile", true}});
    const Answer next = Poll(server.port(), "istemci");

    QCOMPARE(next.status, 200);
    QCOMPARE(next.body, QByteArray(R"({"message":{"yenile":true}})"));
}

void TestAppserverChannel::shouldForgetClientsThatStopPolling()
{
    testsupport::TestServer server(m_handlers, Channel(50ms, 300ms));
    QCOMPARE(Poll(server.port(), "eski").status, 204);
    QTest::qWait(600);

    const Answer sent = Broadcast(server.port(), "1");

    QCOMPARE(sent.body, QByteArray(R"({"clients":0})"));
    QCOMPARE(server.server().Channel().ClientCount(), size_t(0));
    QCOMPARE(Poll(server.port(), "eski").status,
             204); // a new registration: the old message is not kept
}

void TestAppserverChannel::shouldEndHeldPollsWhenStopping()
{
    auto server = std::make_unique<testsupport::TestServer>(m_handlers, Channel(20s));
    RawClient client(server->port());
    client.Send("POST /datasnap/channel/Holvaro/HolvaroId/istemci HTTP/1.1\r\nHost: x\r\n"
                "Content-Length: 4\r\n\r\nnull");
    QTRY_COMPARE(server->server().Channel().ClientCount(), size_t(1));

    server.reset();

    // Nothing keeps the held connection alive once the server is gone.
    QVERIFY(client.WaitForClose(5s));
}

void TestAppserverChannel::shouldRejectBadChannelRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const auto post = [](const QByteArray &path, const QByteArray &body) {
        return "POST " + path +
               " HTTP/1.1\r\nHost: x\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\n\r\n" + body;
    };
    QTest::newRow("poll answer not JSON")
        << post("/datasnap/channel/Holvaro/HolvaroId/a", "nul") << 400 << "not valid JSON";
    QTest::newRow("poll without a body")
        << post("/datasnap/channel/Holvaro/HolvaroId/a", "") << 400 << "The request body is empty";
    QTest::newRow("broadcast not JSON")
        << post("/datasnap/channel/Holvaro/broadcast", "{") << 400 << "not valid JSON";
    QTest::newRow("broadcast of two values")
        << post("/datasnap/channel/Holvaro/broadcast", "1 2") << 400 << "not valid JSON";
    QTest::newRow("poll with GET")
        << QByteArray("GET /datasnap/channel/Holvaro/HolvaroId/a HTTP/1.1\r\nHost: x\r\n\r\n")
        << 405 << "Use POST";
    QTest::newRow("another channel")
        << post("/datasnap/channel/Baska/HolvaroId/a", "null") << 404 << "Not found";
    QTest::newRow("no client id") << post("/datasnap/channel/Holvaro/HolvaroId/", "null") << 404
                                  << "No such channel path";
}

void TestAppserverChannel::shouldRejectBadChannelRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QString, error);
    testsupport::TestServer server(m_handlers, Channel(300ms));
    RawClient client(server.port());

    client.Send(request);
    const RawClient::Response response = client.Read(10s);

    QCOMPARE(response.status, status);
    const QString text = QJsonDocument::fromJson(response.body).object().value("error").toString();
    QVERIFY2(text.contains(error), qPrintable(QString::fromUtf8(response.body)));
    QCOMPARE(server.server().Channel().ClientCount(), size_t(0)); // a bad poll registers nobody
}

QTEST_GUILESS_MAIN(TestAppserverChannel)
#include "test_appserver_channel.moc"
