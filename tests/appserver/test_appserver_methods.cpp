// Server methods through real HTTP: how each kind of value is answered, how inputs reach a
// handler, and what a client sees when a method fails.

#include "appserver/builtinmethods.h"
#include "appserver/methodcall.h"
#include "appserver/methodhandlers.h"
#include "appserver/methodresult.h"
#include "appserver/requesterror.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/wirereply.h"
#include "server/methodtable.h"
#include "support/testserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <httplib.h>
#include <stdexcept>

using appserver::MethodCall;
using appserver::MethodResult;
using appserver::ScriptedMethods;
using Script = std::function<void(ScriptedMethods &)>;
Q_DECLARE_METATYPE(Script)

namespace {

// The compact form of a JSON text, so that two frames compare as values, not as spellings.
QByteArray Normal(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + json;
    return doc.toJson(QJsonDocument::Compact);
}

QJsonObject Parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

const char *const kSonucBilgisi =
    R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":5}})";

std::unique_ptr<platform::DataSet> SmallTable()
{
    auto table = std::make_unique<platform::DataSet>();
    table->AddField(QStringLiteral("SIRANO"), platform::FieldType::Integer);
    table->AddField(QStringLiteral("ADI"), platform::FieldType::String, 50);
    table->AddField(QStringLiteral("TUTAR"), platform::FieldType::Float);
    table->AddField(QStringLiteral("ONAY"), platform::FieldType::Boolean);
    table->Fields(0).AppendInt(1);
    table->Fields(1).AppendUtf8("Fren balatası");
    table->Fields(2).AppendDouble(1234.5);
    table->Fields(3).AppendBool(true);
    for (int c = 0; c < 4; ++c)
        table->Fields(c).AppendNull();
    table->EndAppend();
    table->Open();
    return table;
}

} // namespace

class TestAppserverMethods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldAnswerEachValueKindInDeclarationOrder_data();
    void shouldAnswerEachValueKindInDeclarationOrder();
    void shouldDeliverTableWithNullsToTheClientDecoder();
    void shouldDeliverLargeTableIntact();
    void shouldHandTypedInputsToTheHandler();
    void shouldAnswerFailingMethodsWithStatusAndText_data();
    void shouldAnswerFailingMethodsWithStatusAndText();
    void shouldCheckEveryParameterAgainstItsType_data();
    void shouldCheckEveryParameterAgainstItsType();
    void shouldEchoAndReverseStrings_data();
    void shouldEchoAndReverseStrings();

private:
    httplib::Result Post(const QString &method, const QByteArray &body);

    ScriptedMethods m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
};

void TestAppserverMethods::initTestCase()
{
    m_server = std::make_unique<testsupport::TestServer>(m_methods);
}

void TestAppserverMethods::cleanupTestCase()
{
    m_server.reset();
}

httplib::Result TestAppserverMethods::Post(const QString &method, const QByteArray &body)
{
    httplib::Client client("127.0.0.1", m_server->port());
    client.set_read_timeout(std::chrono::seconds(60));
    return client.Post(platform::MethodPath(method).toStdString(), body.toStdString(),
                       "application/json");
}

void TestAppserverMethods::shouldAnswerEachValueKindInDeclarationOrder_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("parameters");
    QTest::addColumn<Script>("script");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray bilgi = kSonucBilgisi;
    QTest::newRow("string with quote, Turkish letters and NUL")
        << "KayanYaziGetir" << QByteArray("[]") << Script([](ScriptedMethods &m) {
               m.Returns("KayanYaziGetir", QString::fromUtf8("Kayan \"yazı\"\0son", 17));
           })
        << QByteArray(R"({"result":["Kayan \"yazı\"\u0000son"]})");
    QTest::newRow("integer at the 32-bit edge")
        << "SanalposSiranoVer" << QByteArray("[5]")
        << Script([](ScriptedMethods &m) { m.Returns("SanalposSiranoVer", -2147483648LL); })
        << QByteArray(R"({"result":[-2147483648]})");
    QTest::newRow("Int64 output beyond double precision, then the stream")
        << "BannerResimVer" << QByteArray("[null]") << Script([](ScriptedMethods &m) {
               m.ReturnsStream("BannerResimVer", "xyz", 9007199254740993LL);
           })
        << QByteArray(R"({"result":[9007199254740993,"eHl6"]})");
    QTest::newRow("stream as base64 with its length in boy")
        << "ResimVer5" << QByteArray("[7,null]") << Script([](ScriptedMethods &m) {
               m.ReturnsStream("ResimVer5", QByteArray("\x00\xff\x10"
                                                       "abc",
                                                       6));
           })
        << QByteArray(R"({"result":[6,"AP8QYWJj"]})");
    QTest::newRow("double outputs, then the integer result")
        << "KurlariAl" << QByteArray("[null,null]") << Script([](ScriptedMethods &m) {
               m.SetsOut("KurlariAl", "usd", 36.5);
               m.SetsOut("KurlariAl", "eur", 0.1);
               m.Returns("KurlariAl", 1);
           })
        << QByteArray(R"({"result":[36.5,0.1,1]})");
    QTest::newRow("boolean") << "SiparisKaydet"
                             << "[" + bilgi + R"(,1,2,3,"not",4,5])"
                             << Script([](ScriptedMethods &m) { m.Returns("SiparisKaydet", true); })
                             << QByteArray(R"({"result":[true]})");
    QTest::newRow("six integer outputs in declaration order")
        << "BalonGetir2" << QByteArray("[9,null,null,null,null,null,null]")
        << Script([](ScriptedMethods &m) {
               // Set out of order on purpose: the frame follows the declaration.
               for (const char *name :
                    {"dosya", "Bakiye", "duyuru", "kampnayali", "yenistok", "sepet"})
                   m.SetsOut("BalonGetir2", name, int(std::strlen(name)));
               m.Returns("BalonGetir2", 0);
           })
        << QByteArray(R"({"result":[5,8,10,6,6,5,0]})");
    QTest::newRow("boolean and integer outputs around an input object")
        << "MobilStokaraAdimli"
        << "[\"kod\"," + bilgi + ",1,2,3,4,null,null]" << Script([](ScriptedMethods &m) {
               m.SetsOut("MobilStokaraAdimli", "kalan", false);
               m.SetsOut("MobilStokaraAdimli", "toplam", 12);
               m.Returns("MobilStokaraAdimli", QJsonValue::Null);
           })
        << QByteArray(R"({"result":[false,12,null]})");
    QTest::newRow("string output beside a stream")
        << "BelgeIndir" << QByteArray("[3,null,null]") << Script([](ScriptedMethods &m) {
               m.ReturnsStream("BelgeIndir", "pdf");
               m.SetsOut("BelgeIndir", "adi", QStringLiteral("rapor.pdf"));
           })
        << QByteArray(R"({"result":[3,"rapor.pdf","cGRm"]})");
    QTest::newRow("object") << "BuyukGetir" << QByteArray(R"(["makine-1"])")
                            << Script([](ScriptedMethods &m) {
                                   m.Returns("BuyukGetir", Parse(kSonucBilgisi));
                               })
                            << R"({"result":[)" + bilgi + "]}";
    QTest::newRow("null object") << "BuyukGetir" << QByteArray(R"(["makine-2"])")
                                 << Script([](ScriptedMethods &m) {
                                        m.Returns("BuyukGetir", QJsonValue::Null);
                                    })
                                 << QByteArray(R"({"result":[null]})");
    QTest::newRow("JSON array") << "CarileriVer" << QByteArray("[]")
                                << Script([](ScriptedMethods &m) {
                                       m.Returns("CarileriVer",
                                                 QJsonArray{1, QStringLiteral("iki"),
                                                            QJsonValue::Null,
                                                            QJsonObject{{"a", true}}});
                                   })
                                << QByteArray(R"({"result":[[1,"iki",null,{"a":true}]]})");
    QTest::newRow("table with a null row")
        << "OncekiSiparisler" << QByteArray("[1]")
        << Script([](ScriptedMethods &m) { m.ReturnsTable("OncekiSiparisler", SmallTable()); })
        << QByteArray(
               R"({"result":[{"columns":[{"name":"SIRANO","type":"Integer","size":0},)"
               R"({"name":"ADI","type":"String","size":50},{"name":"TUTAR","type":"Float","size":0},)"
               R"({"name":"ONAY","type":"Boolean","size":0}],)"
               R"("rows":[[1,"Fren balatası",1234.5,true],[null,null,null,null]]}]})");
    QTest::newRow("procedure has no result entry")
        << "SepetSecimGuncelle" << QByteArray("[3,1]")
        << Script([](ScriptedMethods &m) { m.Succeeds("SepetSecimGuncelle"); })
        << QByteArray(R"({"result":[]})");
    QTest::newRow("raw answer of a test script passes unchanged")
        << "SepetSayisi"
        << "[" + bilgi + "]" << Script([](ScriptedMethods &m) {
               m.AnswersRaw("SepetSayisi", 200, R"({"result":["not a number"]})");
           })
        << QByteArray(R"({"result":["not a number"]})");
}

void TestAppserverMethods::shouldAnswerEachValueKindInDeclarationOrder()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, parameters);
    QFETCH(Script, script);
    QFETCH(QByteArray, expected);
    m_methods.Remove(method);
    script(m_methods);

    const auto result = Post(method, R"({"_parameters":)" + parameters + "}");

    QVERIFY(result);
    QCOMPARE(result->status, 200);
    QCOMPARE(Normal(QByteArray::fromStdString(result->body)), Normal(expected));
}

void TestAppserverMethods::shouldDeliverTableWithNullsToTheClientDecoder()
{
    m_methods.ReturnsTable("OncekiSiparisler", SmallTable());
    platform::Connection connection = m_server->connection();
    connection.Open();

    const platform::WireReply reply(connection.Call("OncekiSiparisler", R"({"_parameters":[1]})"));
    const auto table = reply.Table(0);

    QCOMPARE(table->RecordCount(), 2);
    QCOMPARE(table->FieldByName("TUTAR").DataType(), platform::FieldType::Float);
    QCOMPARE(table->Fields(1).StringAt(0), QString::fromUtf8("Fren balatası"));
    QCOMPARE(table->Fields(2).FloatAt(0), 1234.5);
    for (int c = 0; c < 4; ++c)
        QVERIFY2(table->Fields(c).IsNullAt(1), qPrintable(table->Fields(c).FieldName()));
}

void TestAppserverMethods::shouldDeliverLargeTableIntact()
{
    constexpr int kRows = 100000;
    auto table = std::make_unique<platform::DataSet>();
    table->AddField(QStringLiteral("STOKNO"), platform::FieldType::Integer);
    table->AddField(QStringLiteral("KOD"), platform::FieldType::String, 30);
    table->AddField(QStringLiteral("FIYAT"), platform::FieldType::Currency);
    for (int r = 0; r < kRows; ++r) {
        table->Fields(0).AppendInt(r);
        table->Fields(1).AppendUtf8(QStringLiteral("KOD-%1").arg(r).toStdString());
        table->Fields(2).AppendDouble(r + 0.25);
    }
    table->EndAppend();
    table->Open();
    m_methods.ReturnsTable("StokAraGetir", std::move(table));
    platform::Connection connection = m_server->connection();
    connection.Open();

    const platform::WireReply reply(connection.Call(
        "StokAraGetir", QByteArray(R"({"_parameters":["KOD",)") + kSonucBilgisi + "]}"));
    const auto received = reply.Table(0);

    QCOMPARE(received->RecordCount(), kRows);
    for (int r : {0, 54321, kRows - 1}) {
        QCOMPARE(received->Fields(0).IntAt(r), qint64(r));
        QCOMPARE(received->Fields(1).StringAt(r), QStringLiteral("KOD-%1").arg(r));
        QCOMPARE(received->Fields(2).FloatAt(r), r + 0.25);
    }
}

void TestAppserverMethods::shouldHandTypedInputsToTheHandler()
{
    QString seen;
    m_methods.Handles("SepetEkle2", [&seen](const MethodCall &call, MethodResult &result) {
        seen = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                   .arg(call.Object("bilgim")
                            .toObject()
                            .value("fields")
                            .toObject()
                            .value("FCARINO")
                            .toInt())
                   .arg(call.Int("carino"))
                   .arg(call.Int64("stokno"))
                   .arg(call.String(3))
                   .arg(call.String("stokadi"))
                   .arg(call.Double("miktar"))
                   .arg(call.Double(13));
        result.SetInt(call.Int("k") * 2);
    });
    const QByteArray body =
        QByteArray(R"({"_parameters":[)") + kSonucBilgisi +
        R"(,-12,2147483647,"869-01","Yağ filtresi",2.5,18,10,0,1,21,0,0,7.75]})";

    const auto result = Post("SepetEkle2", body);

    QVERIFY(result);
    QCOMPARE(result->status, 200);
    QCOMPARE(QByteArray::fromStdString(result->body), QByteArray(R"({"result":[42]})"));
    QCOMPARE(seen, QString::fromUtf8("5|-12|2147483647|869-01|Yağ filtresi|2.5|7.75"));
    const auto last = m_methods.LastCall("SepetEkle2");
    QVERIFY(last);
    QCOMPARE(last->Parameters().size(), 14);
    QCOMPARE(last->String("barkod"), QStringLiteral("869-01"));
}

void TestAppserverMethods::shouldAnswerFailingMethodsWithStatusAndText_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("parameters");
    QTest::addColumn<Script>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    QTest::newRow("error raised by the method")
        << "SanalposSiranoVer" << QByteArray("[1]") << Script([](ScriptedMethods &m) {
               m.Raises("SanalposSiranoVer", QString::fromUtf8("Kayıt bulunamadı: İĞÜŞ"));
           })
        << 500 << QString::fromUtf8("Kayıt bulunamadı: İĞÜŞ");
    QTest::newRow("method without a handler")
        << "SepetVer2" << QByteArray("[1]") << Script([](ScriptedMethods &) {}) << 501
        << "SepetVer2 is not offered by this server";
    QTest::newRow("result never set")
        << "SanalposSiranoVer" << QByteArray("[1]")
        << Script([](ScriptedMethods &m) { m.Succeeds("SanalposSiranoVer"); }) << 500
        << "SanalposSiranoVer.Result was not set by the method";
    QTest::newRow("output never set")
        << "KurlariAl" << QByteArray("[null,null]") << Script([](ScriptedMethods &m) {
               m.SetsOut("KurlariAl", "usd", 1.5);
               m.Returns("KurlariAl", 1);
           })
        << 500 << "KurlariAl.eur was not set by the method";
    QTest::newRow("result of the wrong kind")
        << "SanalposSiranoVer" << QByteArray("[1]")
        << Script([](ScriptedMethods &m) { m.Returns("SanalposSiranoVer", QStringLiteral("7")); })
        << 500 << "SanalposSiranoVer.Result must be a whole number within 32 bits";
    QTest::newRow("double that JSON cannot carry")
        << "KurlariAl" << QByteArray("[null,null]") << Script([](ScriptedMethods &m) {
               m.Handles("KurlariAl", [](const MethodCall &, MethodResult &r) {
                   r.SetDouble("usd", std::nan(""));
               });
           })
        << 500 << "must be a finite number";
    QTest::newRow("input read as another type")
        << "SanalposSiranoVer" << QByteArray("[1]") << Script([](ScriptedMethods &m) {
               m.Handles("SanalposSiranoVer", [](const MethodCall &c, MethodResult &r) {
                   r.SetInt(c.String("idnosu").size());
               });
           })
        << 500 << "cannot be read with String()";
    QTest::newRow("exception that is not a platform error")
        << "SanalposSiranoVer" << QByteArray("[1]") << Script([](ScriptedMethods &m) {
               m.Handles("SanalposSiranoVer", [](const MethodCall &, MethodResult &) {
                   throw std::runtime_error("disk dolu");
               });
           })
        << 500 << "SanalposSiranoVer failed: disk dolu";
}

void TestAppserverMethods::shouldAnswerFailingMethodsWithStatusAndText()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, parameters);
    QFETCH(Script, script);
    QFETCH(int, status);
    QFETCH(QString, error);
    m_methods.Remove(method);
    script(m_methods);
    const QByteArray body = R"({"_parameters":)" + parameters + "}";

    const auto result = Post(method, body);

    QVERIFY(result);
    QCOMPARE(result->status, status);
    const QString text = Parse(QString::fromStdString(result->body)).value("error").toString();
    QVERIFY2(text.contains(error), qPrintable(text));
    // The client raises the server's own text.
    platform::Connection connection = m_server->connection();
    connection.Open();
    try {
        connection.Call(method, body);
        QFAIL("the call did not fail");
    } catch (const platform::ServerError &e) {
        QCOMPARE(e.Message(), text);
    }
}

void TestAppserverMethods::shouldCheckEveryParameterAgainstItsType_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error"); // empty: accepted

    // One parameter of each kind, and an output. Each row changes one value of a valid call.
    const QList<QByteArray> valid = {R"("metin")", "1", "2", "1.5", "true", "null", "null", "null"};
    const auto with = [&valid](int index, const QByteArray &value) {
        QList<QByteArray> values = valid;
        values[index] = value;
        return R"({"_parameters":[)" + values.join(',') + "]}";
    };
    QTest::newRow("all valid") << with(0, R"("metin")") << "";
    QTest::newRow("String: number")
        << with(0, "1") << "parameter 0 (s) must be a string, not the number 1";
    QTest::newRow("String: null") << with(0, "null")
                                  << "parameter 0 (s) must be a string, not null";
    QTest::newRow("Integer: largest") << with(1, "2147483647") << "";
    QTest::newRow("Integer: smallest") << with(1, "-2147483648") << "";
    QTest::newRow("Integer: whole written with a point") << with(1, "3.0") << "";
    QTest::newRow("Integer: fraction")
        << with(1, "1.5") << "parameter 1 (i) must be a whole number within 32 bits";
    QTest::newRow("Integer: above 32 bits") << with(1, "2147483648") << "not the number 2147483648";
    QTest::newRow("Integer: below 32 bits")
        << with(1, "-2147483649") << "not the number -2147483649";
    QTest::newRow("Integer: digits in a string") << with(1, R"("12")") << R"(not the string "12")";
    QTest::newRow("Integer: boolean") << with(1, "true") << "not true";
    QTest::newRow("Int64: largest") << with(2, "9223372036854775807") << "";
    QTest::newRow("Int64: beyond 64 bits")
        << with(2, "1e19") << "parameter 2 (l) must be a whole number within 64 bits";
    QTest::newRow("Int64: fraction") << with(2, "0.5") << "parameter 2 (l)";
    QTest::newRow("Double: whole number") << with(3, "3") << "";
    QTest::newRow("Double: string") << with(3, R"("1.5")") << "parameter 3 (d) must be a number";
    QTest::newRow("Double: null") << with(3, "null")
                                  << "parameter 3 (d) must be a number, not null";
    QTest::newRow("Boolean: number") << with(4, "1") << "parameter 4 (b) must be true or false";
    QTest::newRow("Boolean: string") << with(4, R"("true")") << "parameter 4 (b)";
    QTest::newRow("Object: marshalled") << with(5, kSonucBilgisi) << "";
    QTest::newRow("Object: later reference")
        << with(5, R"({"type":"baglantiu.TSonucBilgisi","ref":1})") << "";
    QTest::newRow("Object: another class")
        << with(5, R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})")
        << "parameter 5 (o) must be a marshalled TSonucBilgisi object";
    QTest::newRow("Object: without fields")
        << with(5, R"({"type":"baglantiu.TSonucBilgisi","id":1})") << "parameter 5 (o)";
    QTest::newRow("Object: string") << with(5, R"("TSonucBilgisi")") << "parameter 5 (o)";
    QTest::newRow("Callback: named") << with(6, R"({"callback":"geri"})") << "";
    QTest::newRow("Callback: bare name")
        << with(6, R"("geri")") << "parameter 6 (c) must be a callback";
    QTest::newRow("Callback: empty name") << with(6, R"({"callback":""})") << "parameter 6 (c)";
    QTest::newRow("output sent with a value")
        << with(7, "5") << "parameter 7 (r) is an output and must be null";
    QTest::newRow("too few") << QByteArray(R"({"_parameters":["metin",1]})")
                             << "Sample takes 8 parameters, the request has 2";
    QTest::newRow("too many") << QByteArray(
                                     R"({"_parameters":["a",1,2,1.5,true,null,null,null,0]})")
                              << "Sample takes 8 parameters, the request has 9";
    QTest::newRow("no _parameters")
        << QByteArray(R"({"parameters":[]})") << "the request has no \"_parameters\"";
    QTest::newRow("_parameters not an array") << QByteArray(R"({"_parameters":{"0":"a"}})")
                                              << "\"_parameters\" must be an array, not an object";
    QTest::newRow("frame is an array")
        << QByteArray("[]") << "must be an object with \"_parameters\"";
    QTest::newRow("not JSON") << QByteArray(R"({"_parameters":[)") << "not valid JSON";
    QTest::newRow("two JSON values") << QByteArray(R"({"_parameters":[]} {})") << "not valid JSON";
    QTest::newRow("empty body") << QByteArray() << "The request body is empty";
}

void TestAppserverMethods::shouldCheckEveryParameterAgainstItsType()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, error);
    using P = server::ParamType;
    const server::MethodInfo sample{"Sample",
                                    {{"s", P::String, nullptr, false},
                                     {"i", P::Integer, nullptr, false},
                                     {"l", P::Int64, nullptr, false},
                                     {"d", P::Double, nullptr, false},
                                     {"b", P::Boolean, nullptr, false},
                                     {"o", P::Object, "TSonucBilgisi", false},
                                     {"c", P::Callback, nullptr, false},
                                     {"r", P::Int64, nullptr, true}},
                                    {"Result", P::None, nullptr, true},
                                    false};

    QString raised;
    int status = 0;
    try {
        MethodCall::Decode(sample, body);
    } catch (const appserver::RequestError &e) {
        raised = e.Message();
        status = e.Status();
    }

    if (error.isEmpty()) {
        QVERIFY2(raised.isEmpty(), qPrintable(raised));
    } else {
        QCOMPARE(status, 400);
        QVERIFY2(raised.contains(error), qPrintable(raised));
    }
}

void TestAppserverMethods::shouldEchoAndReverseStrings_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("echo") << "EchoString" << QString::fromUtf8("Şanzıman")
                          << QString::fromUtf8("Şanzıman");
    QTest::newRow("echo empty") << "EchoString" << QString() << QString();
    QTest::newRow("reverse") << "ReverseString" << QString::fromUtf8("Çağrı")
                             << QString::fromUtf8("ırğaÇ");
    QTest::newRow("reverse keeps surrogate pairs")
        << "ReverseString" << QString::fromUtf8("a😀b") << QString::fromUtf8("b😀a");
}

void TestAppserverMethods::shouldEchoAndReverseStrings()
{
    QFETCH(QString, method);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    appserver::MethodHandlers handlers;
    appserver::RegisterBuiltinMethods(handlers);
    testsupport::TestServer server(handlers);
    platform::Connection connection = server.connection();
    connection.Open();
    const QByteArray body = QJsonDocument(QJsonObject{{"_parameters", QJsonArray{value}}})
                                .toJson(QJsonDocument::Compact);

    const platform::WireReply reply(connection.Call(method, body));

    QCOMPARE(reply.Count(), 1);
    QCOMPARE(reply.String(0), expected);
}

QTEST_GUILESS_MAIN(TestAppserverMethods)
#include "test_appserver_methods.moc"
