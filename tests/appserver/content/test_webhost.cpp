#include "contentfixture.h"

#include "appserver/content/contentadmin.h"
#include "appserver/data/database.h"
#include "platform/error.h"
#include "support/testserver.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>
#include <QUrl>
#include <httplib.h>
#include <mutex>

using appserver::content::CardPaymentOrder;

// The firm's web host pages over HTTP, as a browser or the client reaches them.
class TestWebHost : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesAnswerWithStatusAndType_data();
    void pagesAnswerWithStatusAndType();
    void addressEchoGivesTheCallersAddress();
    void itemPictureIsTheStoredJpeg();
    void installerIsServedWhileItsFileExists();
    void hostileQueryValuesAreEscaped_data();
    void hostileQueryValuesAreEscaped();
    void accessRequestIsKept();
    void accessRequestNeedsItsFields_data();
    void accessRequestNeedsItsFields();
    void accessRequestsOfOneComputerAreLimited();
    void cardPaymentIsBookedOncePerForm();
    void cardPaymentRefusesBadInput_data();
    void cardPaymentRefusesBadInput();
    void cardPaymentWithoutBookingTakesNothing();
    void failedBookingLeavesTheFormUsable();
    void refusesOtherMethodsAndBodies_data();
    void refusesOtherMethodsAndBodies();

private:
    struct Recorder
    {
        std::mutex lock;
        std::vector<CardPaymentOrder> orders;
        bool fail = false;
    };
    void start(bool withRecorder);
    httplib::Result get(const QString &path);
    httplib::Result postForm(const QString &path, const QList<QPair<QString, QString>> &fields);
    QString paymentToken(int customer);
    QList<QPair<QString, QString>> paymentForm(const QString &token) const;
    std::vector<CardPaymentOrder> orders();

    std::shared_ptr<Recorder> m_recorder;
    std::unique_ptr<ContentFixture> m_fixture;
    std::unique_ptr<httplib::Client> m_client;
};

namespace {

QByteArray Body(const httplib::Result &r)
{
    return QByteArray::fromStdString(r->body);
}

QString Expiry()
{
    return QStringLiteral("12/%1").arg(QDate::currentDate().year() + 2 - 2000);
}

} // namespace

void TestWebHost::init()
{
    start(true);
}

void TestWebHost::cleanup()
{
    m_client.reset();
    m_fixture.reset();
    m_recorder.reset();
}

void TestWebHost::start(bool withRecorder)
{
    m_client.reset();
    m_fixture.reset();
    m_recorder = std::make_shared<Recorder>();
    appserver::WebHostOptions options;
    if (withRecorder) {
        options.recordCardPayment = [recorder = m_recorder](appserver::Database &,
                                                            const CardPaymentOrder &order) {
            std::lock_guard guard(recorder->lock);
            if (recorder->fail)
                throw platform::Error(QStringLiteral("ledger closed"));
            recorder->orders.push_back(order);
            return qint32(100 + recorder->orders.size());
        };
    }
    m_fixture = std::make_unique<ContentFixture>(std::move(options));
    m_client = std::make_unique<httplib::Client>("127.0.0.1", m_fixture->server().port());
    m_client->set_url_encode(false);
}

httplib::Result TestWebHost::get(const QString &path)
{
    return m_client->Get(path.toStdString());
}

httplib::Result TestWebHost::postForm(const QString &path,
                                      const QList<QPair<QString, QString>> &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields)
        body += (body.isEmpty() ? "" : "&") + QUrl::toPercentEncoding(name) + '=' +
                QUrl::toPercentEncoding(value);
    return m_client->Post(path.toStdString(), body.toStdString(),
                          "application/x-www-form-urlencoded");
}

QString TestWebHost::paymentToken(int customer)
{
    const httplib::Result page =
        get(QStringLiteral("/miravel.html?carino=%1&sube=MERKEZ&firmasi=X&bakiye=1234.50")
                .arg(customer));
    static const QRegularExpression token(QStringLiteral("name=\"islem\" value=\"([^\"]+)\""));
    return token.match(QString::fromUtf8(Body(page))).captured(1);
}

QList<QPair<QString, QString>> TestWebHost::paymentForm(const QString &token) const
{
    return {{QStringLiteral("carino"), QStringLiteral("1")},
            {QStringLiteral("sube"), QStringLiteral("MERKEZ")},
            {QStringLiteral("bakiye"), QStringLiteral("1234.50")},
            {QStringLiteral("islem"), token},
            {QStringLiteral("tutar"), QStringLiteral("1.234,50")},
            {QStringLiteral("kartsahibi"), QStringLiteral("ALİ  ÖZ")},
            {QStringLiteral("kartno"), QStringLiteral("4111 1111 1111 1111")},
            {QStringLiteral("sonkullanma"), Expiry()},
            {QStringLiteral("cvv"), QStringLiteral("123")}};
}

std::vector<CardPaymentOrder> TestWebHost::orders()
{
    std::lock_guard guard(m_recorder->lock);
    return m_recorder->orders;
}

void TestWebHost::pagesAnswerWithStatusAndType_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("type");
    const QString html = QStringLiteral("text/html; charset=utf-8");
    const QString text = QStringLiteral("text/plain; charset=utf-8");
    QTest::newRow("web site") << QStringLiteral("/") << 200 << html;
    QTest::newRow("web site page") << QStringLiteral("/index.html") << 200 << html;
    QTest::newRow("address echo") << QStringLiteral("/ip") << 200 << text;
    QTest::newRow("maker's address echo") << QStringLiteral("/ip.php") << 200 << text;
    QTest::newRow("item picture") << QStringLiteral("/resimgoster.ashx?id=1") << 200
                                  << QStringLiteral("image/jpeg");
    QTest::newRow("item picture, other case")
        << QStringLiteral("/ResimGoster.ashx?ID=1") << 200 << QStringLiteral("image/jpeg");
    QTest::newRow("item without picture")
        << QStringLiteral("/resimgoster.ashx?id=2") << 404 << text;
    QTest::newRow("unknown item") << QStringLiteral("/resimgoster.ashx?id=999") << 404 << text;
    QTest::newRow("item number not a number")
        << QStringLiteral("/resimgoster.ashx?id=1%20OR%201=1") << 400 << text;
    QTest::newRow("item number missing") << QStringLiteral("/resimgoster.ashx") << 400 << text;
    QTest::newRow("payment page") << QStringLiteral("/miravel.html?carino=1&sube=MERKEZ&firmasi=%"
                                                    "C3%96Z%20KARDE%C5%9ELER%20OTO&bakiye=1234.50")
                                  << 200 << html;
    QTest::newRow("payment page, unknown customer")
        << QStringLiteral("/miravel.html?carino=99&bakiye=1") << 404 << html;
    QTest::newRow("payment page, no customer") << QStringLiteral("/miravel.html") << 404 << html;
    QTest::newRow("request page") << QStringLiteral(
                                         "/formmailgonder.aspx?carino=0&kullanici=%20&id=PC-YENI")
                                  << 200 << html;
    QTest::newRow("request page without identifier")
        << QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%20&id=") << 400 << html;
    QTest::newRow("installer not set") << QStringLiteral("/exe/VelkorSetup.exe") << 404 << text;
    QTest::newRow("nothing there")
        << QStringLiteral("/default.aspx") << 404 << QStringLiteral("application/json");
}

void TestWebHost::pagesAnswerWithStatusAndType()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QString, type);
    const httplib::Result r = get(path);
    QVERIFY(r);
    QCOMPARE(r->status, status);
    QVERIFY2(QString::fromStdString(r->get_header_value("Content-Type")).startsWith(type),
             r->get_header_value("Content-Type").c_str());
    if (type == QLatin1String("text/html; charset=utf-8")) {
        QCOMPARE(r->get_header_value("X-Content-Type-Options"), std::string("nosniff"));
        QVERIFY(r->get_header_value("Content-Security-Policy").find("script") == std::string::npos);
        QVERIFY(r->get_header_value("Content-Security-Policy").find("default-src 'none'") !=
                std::string::npos);
    }
}

void TestWebHost::addressEchoGivesTheCallersAddress()
{
    for (const char *path : {"/ip", "/ip.php"}) {
        const httplib::Result r = get(QLatin1String(path));
        QVERIFY(r);
        QCOMPARE(Body(r), QByteArray("127.0.0.1"));
    }
}

void TestWebHost::itemPictureIsTheStoredJpeg()
{
    const httplib::Result r = get(QStringLiteral("/resimgoster.ashx?id=1"));
    QVERIFY(r);
    QCOMPARE(Body(r), ContentFixture::itemPicture());
}

void TestWebHost::installerIsServedWhileItsFileExists()
{
    const QByteArray program =
        QByteArray("MZ\x90\x00", 4) + QByteArray(300000, '\x01') + QByteArray("\x00\xFF", 2);
    const QString path = m_fixture->dir() + QStringLiteral("/VelkorSetup-8.exe");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(program);
    file.close();
    appserver::SetInstaller(m_fixture->db(), path);

    httplib::Result r = get(QStringLiteral("/exe/VelkorSetup.exe"));
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(Body(r), program);
    QCOMPARE(r->get_header_value("Content-Type"),
             std::string("application/vnd.microsoft.portable-executable"));
    QCOMPARE(r->get_header_value("Content-Disposition"),
             std::string("attachment; filename=\"VelkorSetup.exe\""));
    QVERIFY(Body(get(QStringLiteral("/"))).contains("/exe/VelkorSetup.exe"));

    QVERIFY(QFile::remove(path));
    r = get(QStringLiteral("/exe/VelkorSetup.exe"));
    QVERIFY(r);
    QCOMPARE(r->status, 404);
}

void TestWebHost::hostileQueryValuesAreEscaped_data()
{
    QTest::addColumn<QString>("page"); // %1 is the hostile value, encoded
    QTest::addColumn<QString>("value");
    const QString payment = QStringLiteral("/miravel.html?carino=1&sube=%1&firmasi=%1&bakiye=%1");
    const QString request = QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%1&id=%1");
    const QString script = QStringLiteral("<script>alert(1)</script>");
    const QString attribute = QStringLiteral("\"><img src=x onerror=alert(1)>");
    const QString quote = QStringLiteral("' onmouseover='alert(1)");
    QTest::newRow("payment page, script") << payment << script;
    QTest::newRow("payment page, attribute break") << payment << attribute;
    QTest::newRow("payment page, single quote") << payment << quote;
    QTest::newRow("request page, script") << request << script;
    QTest::newRow("request page, attribute break") << request << attribute;
    QTest::newRow("request page, single quote") << request << quote;
}

void TestWebHost::hostileQueryValuesAreEscaped()
{
    QFETCH(QString, page);
    QFETCH(QString, value);
    const httplib::Result r = get(page.arg(QString::fromLatin1(QUrl::toPercentEncoding(value))));
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    const QString body = QString::fromUtf8(Body(r));
    QVERIFY2(!body.contains(value), qPrintable(body));
    QVERIFY(!body.contains(QStringLiteral("<img"), Qt::CaseInsensitive));
    QVERIFY(!body.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    // The value is still there, as text.
    QString escaped = value;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"))
        .replace(QLatin1Char('"'), QStringLiteral("&quot;"))
        .replace(QLatin1Char('\''), QStringLiteral("&#39;"));
    QVERIFY2(body.contains(escaped), qPrintable(body));
}

void TestWebHost::accessRequestIsKept()
{
    const httplib::Result form =
        get(QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%20&id=PC-YENI-7"));
    QVERIFY(form);
    QVERIFY(Body(form).contains("value=\"PC-YENI-7\""));
    const httplib::Result r =
        postForm(QStringLiteral("/formmailgonder.aspx"),
                 {{QStringLiteral("id"), QStringLiteral("PC-YENI-7")},
                  {QStringLiteral("kullanici"), QStringLiteral(" ")},
                  {QStringLiteral("firmaadi"), QStringLiteral("  Çelik & Oğulları Oto ")},
                  {QStringLiteral("yetkili"), QStringLiteral("Şükrü Çelik")},
                  {QStringLiteral("telefon"), QStringLiteral("0532 111 2233")},
                  {QStringLiteral("mail"), QStringLiteral("sukru@example.com")},
                  {QStringLiteral("sehir"), QStringLiteral("İZMİR")},
                  {QStringLiteral("aciklama"), QStringLiteral("Satır 1\nSatır 2 + 50%")}});
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QVERIFY(Body(r).contains("İsteğiniz Alındı"));
    QSqlQuery row = m_fixture->db().Exec(
        QStringLiteral("SELECT bilgisayarid, kullanici, firmaadi, yetkili, telefon, mail, sehir, "
                       "aciklama, ipadres FROM erisim_istegi"));
    QVERIFY(row.next());
    QStringList stored;
    for (int i = 0; i < 9; ++i)
        stored << row.value(i).toString();
    QCOMPARE(
        stored.join(QLatin1Char('|')),
        QStringLiteral(
            "PC-YENI-7||Çelik & Oğulları Oto|Şükrü Çelik|0532 111 2233|sukru@example.com|İZMİR|"
            "Satır 1\nSatır 2 + 50%|127.0.0.1"));
    QVERIFY(!row.next());
}

void TestWebHost::accessRequestNeedsItsFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("no identifier")
        << QStringLiteral("id") << QString() << QStringLiteral("Bilgisayar kimliği eksik");
    QTest::newRow("blank firm") << QStringLiteral("firmaadi") << QStringLiteral("   ")
                                << QStringLiteral("Firma Adı boş olamaz !");
    QTest::newRow("no telephone") << QStringLiteral("telefon") << QString()
                                  << QStringLiteral("Telefon boş olamaz !");
    QTest::newRow("overlong contact") << QStringLiteral("yetkili") << QString(201, QLatin1Char('y'))
                                      << QStringLiteral("en çok 200");
    QTest::newRow("overlong note") << QStringLiteral("aciklama") << QString(2001, QLatin1Char('a'))
                                   << QStringLiteral("en çok 2000");
}

void TestWebHost::accessRequestNeedsItsFields()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QList<QPair<QString, QString>> fields = {
        {QStringLiteral("id"), QStringLiteral("PC-YENI-8")},
        {QStringLiteral("firmaadi"), QStringLiteral("Firma")},
        {QStringLiteral("yetkili"), QStringLiteral("Yetkili <b>")},
        {QStringLiteral("telefon"), QStringLiteral("0212")},
        {QStringLiteral("aciklama"), QStringLiteral("not")}};
    for (auto &pair : fields)
        if (pair.first == field)
            pair.second = value;
    const httplib::Result r = postForm(QStringLiteral("/formmailgonder.aspx"), fields);
    QVERIFY(r);
    QCOMPARE(r->status, 400);
    const QString body = QString::fromUtf8(Body(r));
    QVERIFY2(body.contains(message), qPrintable(body));
    // The entries come back in the form, escaped.
    if (field != QLatin1String("yetkili"))
        QVERIFY(body.contains(QStringLiteral("value=\"Yetkili &lt;b&gt;\"")));
    QCOMPARE(m_fixture->db().Scalar(QStringLiteral("SELECT COUNT(*) FROM erisim_istegi")).toInt(),
             0);
}

void TestWebHost::accessRequestsOfOneComputerAreLimited()
{
    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("id"), QStringLiteral("PC-SPAM")},
        {QStringLiteral("firmaadi"), QStringLiteral("F")},
        {QStringLiteral("yetkili"), QStringLiteral("Y")},
        {QStringLiteral("telefon"), QStringLiteral("T")}};
    for (int i = 0; i < 20; ++i)
        QCOMPARE(postForm(QStringLiteral("/formmailgonder.aspx"), fields)->status, 200);
    QCOMPARE(postForm(QStringLiteral("/formmailgonder.aspx"), fields)->status, 429);
    QList<QPair<QString, QString>> other = fields;
    other[0].second = QStringLiteral("PC-BASKA");
    QCOMPARE(postForm(QStringLiteral("/formmailgonder.aspx"), other)->status, 200);
    QCOMPARE(m_fixture->db().Scalar(QStringLiteral("SELECT COUNT(*) FROM erisim_istegi")).toInt(),
             21);
}

void TestWebHost::cardPaymentIsBookedOncePerForm()
{
    const httplib::Result page =
        get(QStringLiteral("/miravel.html?carino=1&sube=MERKEZ&firmasi=%C3%96Z%20KARDE%C5%9ELER%"
                           "20OTO&bakiye=1234.50"));
    QVERIFY(page);
    const QString html = QString::fromUtf8(Body(page));
    QVERIFY(html.contains(QStringLiteral("ÖZ KARDEŞLER OTO")));
    QVERIFY(html.contains(QStringLiteral("1.234,50 TL")));
    QVERIFY(html.contains(QStringLiteral("name=\"tutar\" value=\"1234,50\"")));

    const QString token = paymentToken(1);
    QVERIFY(!token.isEmpty());
    const httplib::Result paid = postForm(QStringLiteral("/miravel.html"), paymentForm(token));
    QVERIFY(paid);
    QCOMPARE(paid->status, 200);
    const QString receipt = QString::fromUtf8(Body(paid));
    QVERIFY2(receipt.contains(QStringLiteral("Ödemeniz Alındı")), qPrintable(receipt));
    QVERIFY(receipt.contains(QStringLiteral("**** **** **** 1111")));
    QVERIFY(receipt.contains(QStringLiteral("<td>Dekont No</td><td>101</td>")));
    QVERIFY(!receipt.contains(QStringLiteral("4111 1111")));

    std::vector<CardPaymentOrder> booked = orders();
    QCOMPARE(int(booked.size()), 1);
    QCOMPARE(booked[0].customerId, 1);
    QCOMPARE(booked[0].amount, 1234.5);
    QCOMPARE(booked[0].cardLast4, QStringLiteral("1111"));
    QCOMPARE(booked[0].cardHolder, QStringLiteral("ALİ ÖZ"));
    QCOMPARE(booked[0].approvalCode.size(), 6);
    QVERIFY(receipt.contains(booked[0].approvalCode));

    // The same form again (a reload, a second click): nothing more is booked.
    const httplib::Result again = postForm(QStringLiteral("/miravel.html"), paymentForm(token));
    QVERIFY(again);
    QCOMPARE(again->status, 409);
    QCOMPARE(int(orders().size()), 1);
    // A new form pays again.
    QCOMPARE(postForm(QStringLiteral("/miravel.html"), paymentForm(paymentToken(1)))->status, 200);
    QCOMPARE(int(orders().size()), 2);
}

void TestWebHost::cardPaymentRefusesBadInput_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong check digit")
        << QStringLiteral("kartno") << QStringLiteral("4111111111111112") << 400
        << QStringLiteral("Kart numarası geçersiz");
    QTest::newRow("too few digits") << QStringLiteral("kartno") << QStringLiteral("4111 1111")
                                    << 400 << QStringLiteral("Kart numarası geçersiz");
    QTest::newRow("letters in the number")
        << QStringLiteral("kartno") << QStringLiteral("4111-1111-1111-111a") << 400
        << QStringLiteral("Kart numarası geçersiz");
    QTest::newRow("expired") << QStringLiteral("sonkullanma") << QStringLiteral("01/20") << 400
                             << QStringLiteral("Son kullanma");
    QTest::newRow("month 13") << QStringLiteral("sonkullanma") << QStringLiteral("13/40") << 400
                              << QStringLiteral("Son kullanma");
    QTest::newRow("short CVV") << QStringLiteral("cvv") << QStringLiteral("12") << 400
                               << QStringLiteral("Güvenlik");
    QTest::newRow("nothing to pay")
        << QStringLiteral("tutar") << QStringLiteral("0,00") << 400 << QStringLiteral("Tutar");
    QTest::newRow("negative amount")
        << QStringLiteral("tutar") << QStringLiteral("-5") << 400 << QStringLiteral("Tutar");
    QTest::newRow("fractions of a cent")
        << QStringLiteral("tutar") << QStringLiteral("10,005") << 400 << QStringLiteral("Tutar");
    QTest::newRow("above the limit") << QStringLiteral("tutar") << QStringLiteral("1.000.000,01")
                                     << 400 << QStringLiteral("Tutar");
    QTest::newRow("not a number") << QStringLiteral("tutar") << QStringLiteral("1e3") << 400
                                  << QStringLiteral("Tutar");
    QTest::newRow("no card holder")
        << QStringLiteral("kartsahibi") << QStringLiteral("  ") << 400 << QStringLiteral("isim");
    QTest::newRow("forged token") << QStringLiteral("islem")
                                  << QStringLiteral(
                                         "00000000000000000000000000000000.1700000000.abcdef")
                                  << 400 << QStringLiteral("süresi dolmuş");
    QTest::newRow("another customer's form") << QStringLiteral("carino") << QStringLiteral("2")
                                             << 400 << QStringLiteral("süresi dolmuş");
    QTest::newRow("unknown customer")
        << QStringLiteral("carino") << QStringLiteral("99") << 404 << QStringLiteral("bulunamadı");
    QTest::newRow("declined test card")
        << QStringLiteral("kartno") << QStringLiteral("4000 0000 0000 0002") << 402
        << QStringLiteral("onaylanmadı");
}

void TestWebHost::cardPaymentRefusesBadInput()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(int, status);
    QFETCH(QString, message);
    QList<QPair<QString, QString>> form = paymentForm(paymentToken(1));
    for (auto &pair : form)
        if (pair.first == field)
            pair.second = value;
    const httplib::Result r = postForm(QStringLiteral("/miravel.html"), form);
    QVERIFY(r);
    QCOMPARE(r->status, status);
    const QString body = QString::fromUtf8(Body(r));
    QVERIFY2(body.contains(message), qPrintable(body));
    QVERIFY(!body.contains(QStringLiteral("4111 1111 1111 1111")));
    QCOMPARE(int(orders().size()), 0);
}

void TestWebHost::cardPaymentWithoutBookingTakesNothing()
{
    start(false);
    const httplib::Result r =
        postForm(QStringLiteral("/miravel.html"), paymentForm(paymentToken(1)));
    QVERIFY(r);
    QCOMPARE(r->status, 503);
    QVERIFY(Body(r).contains("çekim yapılmadı"));
}

void TestWebHost::failedBookingLeavesTheFormUsable()
{
    {
        std::lock_guard guard(m_recorder->lock);
        m_recorder->fail = true;
    }
    const QString token = paymentToken(1);
    httplib::Result r = postForm(QStringLiteral("/miravel.html"), paymentForm(token));
    QVERIFY(r);
    QCOMPARE(r->status, 500);
    QVERIFY(Body(r).contains("ledger closed"));
    {
        std::lock_guard guard(m_recorder->lock);
        m_recorder->fail = false;
    }
    r = postForm(QStringLiteral("/miravel.html"), paymentForm(token));
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(int(orders().size()), 1);
}

void TestWebHost::refusesOtherMethodsAndBodies_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<int>("status");
    QTest::newRow("put a payment") << QStringLiteral("PUT") << QStringLiteral("/miravel.html")
                                   << QStringLiteral("application/x-www-form-urlencoded") << 405;
    QTest::newRow("post to the echo")
        << QStringLiteral("POST") << QStringLiteral("/ip") << QStringLiteral("text/plain") << 405;
    QTest::newRow("delete a picture")
        << QStringLiteral("DELETE") << QStringLiteral("/resimgoster.ashx?id=1") << QString() << 405;
    QTest::newRow("payment as JSON") << QStringLiteral("POST") << QStringLiteral("/miravel.html")
                                     << QStringLiteral("application/json") << 415;
    QTest::newRow("request as multipart")
        << QStringLiteral("POST") << QStringLiteral("/formmailgonder.aspx")
        << QStringLiteral("multipart/form-data; boundary=x") << 415;
}

void TestWebHost::refusesOtherMethodsAndBodies()
{
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(QString, contentType);
    QFETCH(int, status);
    httplib::Request request;
    request.method = method.toStdString();
    request.path = path.toStdString();
    if (!contentType.isEmpty()) {
        request.set_header("Content-Type", contentType.toStdString());
        request.body = "{}";
    }
    const httplib::Result r = m_client->send(request);
    QVERIFY(r);
    QCOMPARE(r->status, status);
    QCOMPARE(int(orders().size()), 0);
}

QTEST_MAIN(TestWebHost)
#include "test_webhost.moc"
