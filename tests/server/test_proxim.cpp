#include "server/mobilstokunit.h"
#include "server/proxim.h"
#include "server/servercommand.h"
#include "session/baglantiu.h"

#include "appserver/methodcall.h"
#include "appserver/methodresult.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/marshal.h"
#include "platform/stream.h"
#include "support/testserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// The proxy against the real HTTP stack, with a scripted server behind it.
class TestProxim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusesAClosedConnection();
    void carriesScalarsBothWays();
    void sendsEveryParameterInOrder();
    void readsOutputParametersBeforeTheResult();
    void readsTablesWithNullsAndTypes();
    void readsStreamsInPieces();
    void readsObjectsAndNullObjects();
    void readsJsonArrays();
    void consumesObjectArgumentsAndSendsNullForNone();
    void preparesOnceAndReleasesResultsAtTheNextCall();
    void raisesTheServersMessage();
    void rejectsAnswersThatBreakTheContract_data();
    void rejectsAnswersThatBreakTheContract();

private:
    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<platform::Connection> m_connection;
    std::unique_ptr<TServerMethods1Client> m_proxy;
};

void TestProxim::init()
{
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(*m_methods);
    m_connection = std::make_unique<platform::Connection>(m_server->connection());
    m_connection->Open();
    m_proxy = std::make_unique<TServerMethods1Client>(m_connection.get());
}

void TestProxim::cleanup()
{
    m_proxy.reset();
    m_connection.reset();
    m_server.reset();
    m_methods.reset();
}

void TestProxim::refusesAClosedConnection()
{
    platform::Connection closed = m_server->connection();
    try {
        TServerMethods1Client proxy(&closed);
        QFAIL("a proxy on a closed connection must not be made");
    } catch (const platform::Error &e) {
        QCOMPARE(
            e.Message(),
            QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    }
    QVERIFY_THROWS_EXCEPTION(platform::Error, TServerMethods1Client(nullptr));
}

void TestProxim::carriesScalarsBothWays()
{
    const QString text = QStringLiteral("Şişli \"ÇAĞ\" \\ oto\n%1").arg(QChar(0));
    m_methods->Handles("EchoString",
                       [](const appserver::MethodCall &c, appserver::MethodResult &r) {
                           r.SetString(c.String("Value"));
                       });
    QCOMPARE(m_proxy->EchoString(text), text);

    m_methods->Returns("SanalposSiranoVer", 2147483647);
    QCOMPARE(m_proxy->SanalposSiranoVer(-5), 2147483647);
    QCOMPARE(m_methods->LastCall("SanalposSiranoVer")->Int("idnosu"), -5);

    m_methods->Returns("SiparisKaydet", true);
    std::unique_ptr<TSonucBilgisi> bilgi = std::make_unique<TSonucBilgisi>();
    QVERIFY(m_proxy->SiparisKaydet(std::move(bilgi), 7, 1, 2, QStringLiteral("Acele"), 12, 0));

    m_methods->Returns("CariDurumVer", QString());
    QCOMPARE(m_proxy->CariDurumVer(1), QString());
}

void TestProxim::sendsEveryParameterInOrder()
{
    m_methods->Returns("SepetEkle2", 1);
    auto bilgi = std::make_unique<TSonucBilgisi>();
    bilgi->SetCARINO(1021);
    const int result = m_proxy->SepetEkle2(std::move(bilgi), 1021, 55, QStringLiteral("DUR-100055"),
                                           QStringLiteral("FREN BALATASI ÖN"), 3, 20, 100.25, 10,
                                           12, 0, 5, 0.5, 0);
    QCOMPARE(result, 1);
    const auto call = m_methods->LastCall("SepetEkle2");
    QVERIFY(call);
    QCOMPARE(QJsonDocument(call->Parameters()).toJson(QJsonDocument::Compact).mid(0),
             QJsonDocument(QJsonArray{call->Parameters().at(0), 1021, 55, "DUR-100055",
                                      "FREN BALATASI ÖN", 3, 20, 100.25, 10, 12, 0, 5, 0.5, 0})
                 .toJson(QJsonDocument::Compact));
    QCOMPARE(call->Object("bilgim").toObject().value("fields").toObject().value("FCARINO").toInt(),
             1021);
}

void TestProxim::readsOutputParametersBeforeTheResult()
{
    m_methods->SetsOut("KurlariAl", "usd", 32.4512);
    m_methods->SetsOut("KurlariAl", "eur", 35.1);
    m_methods->Returns("KurlariAl", 1);
    double usd = 0, eur = 0;
    QCOMPARE(m_proxy->KurlariAl(usd, eur), 1);
    QCOMPARE(usd, 32.4512);
    QCOMPARE(eur, 35.1);

    m_methods->SetsOut("BelgeIndir", "adi", QStringLiteral("fatura.pdf"));
    m_methods->ReturnsStream("BelgeIndir", QByteArray("%PDF-1.4"));
    qint64 size = -1;
    QString adi;
    platform::MemoryStream *stream = m_proxy->BelgeIndir(9, size, adi);
    QVERIFY(stream);
    QCOMPARE(size, 8);
    QCOMPARE(adi, QStringLiteral("fatura.pdf"));
    QCOMPARE(stream->Bytes(), QByteArray("%PDF-1.4"));
    QVERIFY(m_methods->LastCall("BelgeIndir")->Parameters().at(1).isNull()); // outputs go as null
}

void TestProxim::readsTablesWithNullsAndTypes()
{
    auto table = std::make_unique<platform::DataSet>();
    table->AddField("STOK_STOKNO", platform::FieldType::Integer);
    table->AddField("ADI", platform::FieldType::String, 100);
    table->AddField("LISTEFIYAT1", platform::FieldType::Float);
    table->AddField("TARIH", platform::FieldType::DateTime);
    table->Fields(0).AppendInt(7);
    table->Fields(1).AppendUtf8("YAĞ FİLTRESİ");
    table->Fields(2).AppendDouble(1450.5);
    table->Fields(3).AppendDouble(45000.25);
    table->AppendEmptyRow();
    table->Open();
    table->EndAppend();
    m_methods->ReturnsTable("SepetVer2", std::move(table));

    platform::DataSet *rows = m_proxy->SepetVer2(1);
    QVERIFY(rows);
    QCOMPARE(rows->RecordCount(), 2);
    QCOMPARE(rows->FieldByName("LISTEFIYAT1").ClassName(), QStringLiteral("TFloatField"));
    QCOMPARE(rows->FieldByName("ADI").AsString(), QStringLiteral("YAĞ FİLTRESİ"));
    QCOMPARE(rows->FieldByName("TARIH").Value().toDateTime(),
             QDateTime(QDate(2023, 3, 15), QTime(6, 0)));
    rows->Next();
    QVERIFY(rows->FieldByName("STOK_STOKNO").IsNull());
    QVERIFY(rows->FieldByName("ADI").IsNull());
}

void TestProxim::readsStreamsInPieces()
{
    QByteArray picture(3000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7);
    m_methods->ReturnsStream("ResimVer5", picture);
    qint64 boy = 0;
    platform::MemoryStream *stream = m_proxy->ResimVer5(55, boy);
    QCOMPARE(boy, 3000);
    QCOMPARE(platform::ReadAllInPieces(*stream), picture);

    // A stream shorter than the size the server gave: the caller sees the difference.
    m_methods->ReturnsStream("BannerResimVer", QByteArray(1024, 'x'), 4096);
    qint64 size = 0;
    platform::MemoryStream *banner = m_proxy->BannerResimVer(size);
    QCOMPARE(size, 4096);
    QCOMPARE(platform::ReadAllInPieces(*banner).size(), 1024);
}

void TestProxim::readsObjectsAndNullObjects()
{
    TSonucBilgisi sent;
    sent.SetADI(QStringLiteral("AHMET"));
    sent.SetCARINO(1021);
    sent.SetVarmi(true);
    sent.SetMusteriTipi(2);
    m_methods->Returns("BuyukGetir", platform::marshal::Writer().Write(sent));
    TSonucBilgisi *got = m_proxy->BuyukGetir(QStringLiteral("WD-1"));
    QVERIFY(got);
    QCOMPARE(got->ADI(), QStringLiteral("AHMET"));
    QCOMPARE(got->CARINO(), 1021);
    QVERIFY(got->Varmi());
    QCOMPARE(got->MusteriTipi(), 2);
    QCOMPARE(got->Version(), 1); // missing pairs keep the defaults... here it was sent as 1
    QCOMPARE(m_methods->LastCall("BuyukGetir")->String("idsi"), QStringLiteral("WD-1"));

    m_methods->Returns("BuyukGetir", QJsonValue::Null);
    QCOMPARE(m_proxy->BuyukGetir(QStringLiteral("WD-2")), nullptr);

    // A list of objects with a ref to an earlier id.
    const QJsonObject ekran{{"type", "mobilstokunit.TAcilisEkran"},
                            {"id", 2},
                            {"fields", QJsonObject{{"FSiraNo", 1},
                                                   {"FResim", "FFD8"},
                                                   {"FBaslik", "Kampanya"},
                                                   {"FArama", "#KAMPANYA#"}}}};
    const QJsonObject holder{
        {"type", "mobilstokunit.TAcilisEkranlariki"},
        {"id", 1},
        {"fields",
         QJsonObject{
             {"FEkranlar", QJsonArray{ekran, QJsonObject{{"type", "mobilstokunit.TAcilisEkran"},
                                                         {"ref", 2}}}}}}};
    m_methods->Returns("AcilisEkranlarVer2", holder);
    TAcilisEkranlariki *list = m_proxy->AcilisEkranlarVer2();
    QVERIFY(list);
    QCOMPARE(int(list->Ekranlar().size()), 2);
    QCOMPARE(list->Ekranlar()[1]->Arama(), QStringLiteral("#KAMPANYA#"));
    QCOMPARE(HexCoz(list->Ekranlar()[0]->Resim()), QByteArray("\xff\xd8"));
}

void TestProxim::readsJsonArrays()
{
    m_methods->Returns("CarileriVer", QJsonArray{1, "iki", QJsonObject{{"uc", 3}}});
    QJsonArray *array = m_proxy->CarileriVer();
    QVERIFY(array);
    QCOMPARE(*array, (QJsonArray{1, "iki", QJsonObject{{"uc", 3}}}));
}

void TestProxim::consumesObjectArgumentsAndSendsNullForNone()
{
    m_methods->Returns("SepetHepsiniSil", 1);
    TSonucBilgisi live;
    live.SetCARINO(77);
    live.SetADI(QStringLiteral("AYŞE"));
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(live);
    m_proxy->SepetHepsiniSil(std::move(copy));
    QVERIFY(!copy); // the call took it
    QCOMPARE(live.CARINO(), 77);
    const QJsonObject sent = m_methods->LastCall("SepetHepsiniSil")->Object("bilgi").toObject();
    QCOMPARE(sent.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    QCOMPARE(sent.value("fields").toObject().value("FADI").toString(), QStringLiteral("AYŞE"));

    m_proxy->SepetHepsiniSil(nullptr);
    QVERIFY(m_methods->LastCall("SepetHepsiniSil")->Object("bilgi").isNull());
}

void TestProxim::preparesOnceAndReleasesResultsAtTheNextCall()
{
    m_methods->ReturnsTable("OncekiSiparisler", nullptr);
    QCOMPARE(m_proxy->Command("OncekiSiparisler"),
             nullptr); // nothing prepared before the first call
    m_proxy->OncekiSiparisler(1);
    const server::ServerCommand *command = m_proxy->Command("OncekiSiparisler");
    QVERIFY(command);
    QCOMPARE(command->OwnedCount(), 1);
    m_proxy->OncekiSiparisler(2);
    QCOMPARE(m_proxy->Command("OncekiSiparisler"), command); // the same prepared command
    QCOMPARE(command->OwnedCount(), 1);                      // the first result is gone

    // Another method's results are its own command's; each call of it replaces only those.
    m_methods->Returns("BuyukGetir", platform::marshal::Writer().Write(TSonucBilgisi()));
    m_proxy->BuyukGetir(QStringLiteral("X"));
    QCOMPARE(command->OwnedCount(), 1);
    QCOMPARE(m_proxy->Command("BuyukGetir")->OwnedCount(), 1);
    QCOMPARE(m_methods->CallCount("OncekiSiparisler"), 2);

    // A result taken over leaves the command and outlives the proxy.
    platform::DataSet *rows = m_proxy->OncekiSiparisler(3);
    std::unique_ptr<platform::DataSet> mine = m_proxy->Devral(rows);
    QCOMPARE(mine.get(), rows);
    QCOMPARE(command->OwnedCount(), 0);
    QCOMPARE(m_proxy->Devral(rows), nullptr); // only once
    m_proxy.reset();
    QVERIFY(mine->Active());
}

void TestProxim::raisesTheServersMessage()
{
    m_methods->Raises("SepetSatirSil", QStringLiteral("Sepet satırı bulunamadı"));
    try {
        m_proxy->SepetSatirSil(std::make_unique<TSonucBilgisi>(), 5, QString());
        QFAIL("the server's error must reach the caller");
    } catch (const platform::ServerError &e) {
        QCOMPARE(e.Message(), QStringLiteral("Sepet satırı bulunamadı"));
    }
    // The connection stays usable after an error.
    m_methods->Returns("SepetSayisi", 4);
    QCOMPARE(m_proxy->SepetSayisi(std::make_unique<TSonucBilgisi>()), 4);

    // A method the server does not offer.
    QVERIFY_THROWS_EXCEPTION(platform::ServerError, m_proxy->TeslimVer());
}

void TestProxim::rejectsAnswersThatBreakTheContract_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not json") << QByteArray("{\"result\":[1");
    QTest::newRow("no result") << QByteArray("{\"answer\":[1]}");
    QTest::newRow("too many values") << QByteArray("{\"result\":[1,2]}");
    QTest::newRow("too few values") << QByteArray("{\"result\":[]}");
    QTest::newRow("text for an integer") << QByteArray("{\"result\":[\"bir\"]}");
    QTest::newRow("fraction for an integer") << QByteArray("{\"result\":[1.5]}");
    QTest::newRow("over 32 bits") << QByteArray("{\"result\":[4294967296]}");
}

void TestProxim::rejectsAnswersThatBreakTheContract()
{
    QFETCH(QByteArray, body);
    m_methods->AnswersRaw("SepetSayisi", 200, body);
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             m_proxy->SepetSayisi(std::make_unique<TSonucBilgisi>()));
}

QTEST_GUILESS_MAIN(TestProxim)
#include "test_proxim.moc"
