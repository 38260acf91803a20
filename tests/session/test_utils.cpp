#include "session/utils.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/wirereply.h"
#include "support/recordingshell.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void formatsOnlyFloatFields();
    void tellsWhetherRowsExist_data();
    void tellsWhetherRowsExist();
    void findsTheFirstSelectedRow_data();
    void findsTheFirstSelectedRow();
    void givesUpAfterElevenAttemptsHalfASecondApart();
    void reportsAFailureOnceInModeOneOnly();
};

namespace {

std::unique_ptr<platform::DataSet> Table(const char *json)
{
    return platform::DecodeTable(QByteArray(json));
}

// A server that accepts and drops every connection, counting the attempts and their times.
class DroppingServer : public QThread
{
public:
    quint16 port = 0;
    QList<qint64> attempts; // ms since start, read after the thread has finished
    std::atomic<bool> stop{false};

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port = server.serverPort();
        ready.release();
        QElapsedTimer clock;
        clock.start();
        while (!stop) {
            if (server.waitForNewConnection(50)) {
                while (QTcpSocket *s = server.nextPendingConnection()) {
                    attempts.append(clock.elapsed());
                    s->abort();
                    delete s;
                }
            }
        }
    }

public:
    QSemaphore ready;
};

} // namespace

void TestUtils::formatsOnlyFloatFields()
{
    auto ds = Table(R"({"columns":[{"name":"TUTAR","type":"Float"},{"name":"KUR","type":"Currency"},
        {"name":"ADET","type":"Integer"},{"name":"ADI","type":"String"}],"rows":[[1234567.5,2.5,3,"x"]]})");
    SayiBicimle(*ds);
    QCOMPARE(ds->FieldByName("TUTAR").DisplayFormat(), QStringLiteral("#,###,##0.00"));
    QCOMPARE(ds->FieldByName("TUTAR").DisplayText(), QStringLiteral("1.234.567,50"));
    QVERIFY(ds->FieldByName("KUR").DisplayFormat().isEmpty());
    QVERIFY(ds->FieldByName("ADET").DisplayFormat().isEmpty());
    QCOMPARE(ds->FieldByName("ADET").DisplayText(), QStringLiteral("3"));
    QVERIFY(ds->FieldByName("ADI").DisplayFormat().isEmpty());
}

void TestUtils::tellsWhetherRowsExist_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("expected");
    QTest::newRow("rows") << QByteArray(
                                 R"({"columns":[{"name":"A","type":"Integer"}],"rows":[[1]]})")
                          << true;
    QTest::newRow("open, no rows")
        << QByteArray(R"({"columns":[{"name":"A","type":"Integer"}],"rows":[]})") << false;
    QTest::newRow("closed") << QByteArray() << false;
}

void TestUtils::tellsWhetherRowsExist()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, expected);
    if (json.isEmpty()) {
        platform::DataSet closed;
        QCOMPARE(KayitVarmi(&closed), expected);
        QCOMPARE(KayitVarmi(nullptr), false);
        return;
    }
    QCOMPARE(KayitVarmi(platform::DecodeTable(json).get()), expected);
}

void TestUtils::findsTheFirstSelectedRow_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("atEnd");
    QTest::newRow("second and third selected")
        << QByteArray("[[1,0],[2,1],[3,1]]") << true << 2 << false;
    QTest::newRow("none selected") << QByteArray("[[1,0],[2,2]]") << false << 2 << true;
    QTest::newRow("null SEC is not selected")
        << QByteArray("[[1,null],[2,1]]") << true << 2 << false;
    QTest::newRow("empty") << QByteArray("[]") << false << 0 << true;
}

void TestUtils::findsTheFirstSelectedRow()
{
    QFETCH(QByteArray, rows);
    QFETCH(bool, found);
    QFETCH(int, recNo);
    QFETCH(bool, atEnd);
    auto ds = platform::DecodeTable(
        R"({"columns":[{"name":"SIRANO","type":"Integer"},{"name":"SEC","type":"Integer"}],"rows":)" +
        rows + "}");
    QCOMPARE(SeciliVarmi(ds.get()), found);
    QCOMPARE(ds->RecNo(), recNo);
    QCOMPARE(ds->Eof(), atEnd);
}

void TestUtils::givesUpAfterElevenAttemptsHalfASecondApart()
{
    DroppingServer server;
    server.start();
    server.ready.acquire();
    testsupport::ShellGuard shell;
    platform::Connection connection;
    connection.SetParam("HostName", "127.0.0.1");
    connection.SetParam("Port", QString::number(server.port));

    QVERIFY(!BaglantiAc(connection, 0));
    QVERIFY(!connection.Connected());
    server.stop = true;
    server.wait();
    QCOMPARE(server.attempts.size(), 11);
    for (int i = 1; i < server.attempts.size(); ++i)
        QVERIFY2(server.attempts[i] - server.attempts[i - 1] >= 450,
                 qPrintable(QStringLiteral("attempt %1 came %2 ms after the one before")
                                .arg(i + 1)
                                .arg(server.attempts[i] - server.attempts[i - 1])));
    QVERIFY(shell->messages.isEmpty()); // mode 0 is silent
}

void TestUtils::reportsAFailureOnceInModeOneOnly()
{
    // A port where nothing listens: take a free one and release it.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();

    testsupport::ShellGuard shell;
    platform::Connection connection;
    connection.SetParam("HostName", "127.0.0.1");
    connection.SetParam("Port", QString::number(port));
    QVERIFY(!BaglantiAc(connection, 1));
    QCOMPARE(shell->messages.size(), 1);
    QCOMPARE(shell->messages[0].text,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(shell->messages[0].kind, 1);
    QCOMPARE(shell->messages[0].buttons, QList<platform::DialogButton>{platform::DialogButton::Ok});
}

QTEST_GUILESS_MAIN(TestUtils)
#include "test_utils.moc"
