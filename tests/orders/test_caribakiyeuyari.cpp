#include "bekle.h"

#include "orders/caribakiyeuyari.h"

#include "appserver/methodresult.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QLabel>
#include <QSemaphore>
#include <QTcpServer>
#include <QTest>

// The overdue warning under the basket against a scripted server: what the label shows, and
// that only the newest fetch writes to it.
class TestCariBakiyeUyari : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsTheServersText_data();
    void showsTheServersText();
    void keepsTheNewestCustomersWarning();
    void outlivesItsLabel();
    void givesNothingWhenTheServerCannotBeReached();

private:
    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    QSemaphore m_serbest; // a held answer goes when released
};

void TestCariBakiyeUyari::initTestCase()
{
    // Two fetches may be held on the server at once; neither may wait for a pool thread.
    QThreadPool::globalInstance()->setMaxThreadCount(
        std::max(4, QThreadPool::globalInstance()->maxThreadCount()));
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(*m_methods);
}

void TestCariBakiyeUyari::init()
{
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_methods->Remove("CariVadeGunGecmismiBul");
}

void TestCariBakiyeUyari::cleanup()
{
    m_serbest.release(10); // nothing stays held on the server
    testsupport::ArkaPlanBitsin();
    m_serbest.acquire(m_serbest.available());
    // The warning is silent: no message, no error display.
    QCOMPARE((**m_shell).messages.size(), 0);
    QCOMPARE((**m_shell).errors, QStringList{});
    m_shell.reset();
}

void TestCariBakiyeUyari::showsTheServersText_data()
{
    QTest::addColumn<QString>("sunucu"); // the text, or "!" + an error the server raises
    QTest::addColumn<QString>("etiket");

    QTest::newRow("a warning") << "Vadesi geçmiş 1.250,00 TL borcunuz bulunmaktadır."
                               << "Vadesi geçmiş 1.250,00 TL borcunuz bulunmaktadır.";
    QTest::newRow("no warning") << ""
                                << "";
    QTest::newRow("markup is shown as text") << "<b>borç</b>"
                                             << "<b>borç</b>";
    QTest::newRow("the call fails") << "!CariVadeGunGecmismiBul: database is locked"
                                    << "";
}

void TestCariBakiyeUyari::showsTheServersText()
{
    QFETCH(QString, sunucu);
    QFETCH(QString, etiket);
    if (sunucu.startsWith(QLatin1Char('!')))
        m_methods->Raises("CariVadeGunGecmismiBul", sunucu.mid(1));
    else
        m_methods->Returns("CariVadeGunGecmismiBul", sunucu);
    QLabel lbluyarbakiye(QStringLiteral("önceki uyarı"));
    CariBakiyeUyari uyari(&lbluyarbakiye);

    uyari.CariBakiyeUyariBak(m_server->connection(), 12);
    QCOMPARE(lbluyarbakiye.text(), QString()); // cleared at once, filled later
    testsupport::ArkaPlanBitsin();

    QCOMPARE(lbluyarbakiye.text(), etiket);
    QCOMPARE(uyari.Metin(), etiket);
    QCOMPARE(lbluyarbakiye.textFormat(), Qt::PlainText);
    QCOMPARE(m_methods->LastCall("CariVadeGunGecmismiBul")->Int("carino"), 12);
}

void TestCariBakiyeUyari::keepsTheNewestCustomersWarning()
{
    // Customer 1's answer is held until customer 2's has been shown, then comes last.
    m_methods->Handles("CariVadeGunGecmismiBul",
                       [this](const appserver::MethodCall &call, appserver::MethodResult &r) {
                           if (call.Int("carino") == 1) {
                               m_serbest.acquire();
                               r.SetString(QStringLiteral("birinci carinin uyarısı"));
                           } else {
                               r.SetString(QStringLiteral("ikinci carinin uyarısı"));
                           }
                       });
    QLabel lbluyarbakiye;
    CariBakiyeUyari uyari(&lbluyarbakiye);

    uyari.CariBakiyeUyariBak(m_server->connection(), 1);
    testsupport::OlanaKadar([this] { return m_methods->CallCount("CariVadeGunGecmismiBul") == 1; });
    uyari.CariBakiyeUyariBak(m_server->connection(), 2);
    testsupport::OlanaKadar([&] { return !lbluyarbakiye.text().isEmpty(); });
    m_serbest.release();
    testsupport::ArkaPlanBitsin();

    QCOMPARE(m_methods->CallCount("CariVadeGunGecmismiBul"), 2);
    QCOMPARE(lbluyarbakiye.text(), QStringLiteral("ikinci carinin uyarısı"));
}

void TestCariBakiyeUyari::outlivesItsLabel()
{
    m_methods->Handles("CariVadeGunGecmismiBul",
                       [this](const appserver::MethodCall &, appserver::MethodResult &r) {
                           m_serbest.acquire();
                           r.SetString(QStringLiteral("geç gelen uyarı"));
                       });
    auto lbluyarbakiye = std::make_unique<QLabel>();
    CariBakiyeUyari uyari(lbluyarbakiye.get());

    uyari.CariBakiyeUyariBak(m_server->connection(), 12);
    testsupport::OlanaKadar([this] { return m_methods->CallCount("CariVadeGunGecmismiBul") == 1; });
    lbluyarbakiye.reset(); // the window closes while the server still thinks
    m_serbest.release();
    testsupport::ArkaPlanBitsin();

    QCOMPARE(uyari.Metin(), QString());
}

void TestCariBakiyeUyari::givesNothingWhenTheServerCannotBeReached()
{
    QTcpServer probe; // a port where nothing listens
    probe.listen(QHostAddress::LocalHost, 0);
    platform::Connection baglanti = m_server->connection();
    baglanti.SetParam(QStringLiteral("Port"), QString::number(probe.serverPort()));
    probe.close();

    QCOMPARE(CariVadeUyarisiAl(baglanti, 12), std::nullopt);
    QVERIFY(!baglanti.Connected());
}

QTEST_MAIN(TestCariBakiyeUyari)
#include "test_caribakiyeuyari.moc"
