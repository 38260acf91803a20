#include "contentfixture.h"

#include "appserver/content/banners.h"
#include "appserver/content/contentadmin.h"
#include "appserver/content/contentdemo.h"
#include "appserver/content/openingscreens.h"
#include "appserver/data/admin.h"
#include "appserver/data/database.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/stream.h"
#include "server/mobilstokunit.h"
#include "server/proxim.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QSqlQuery>
#include <QTest>

using appserver::content::AccountTotals;

// The content methods through the client's proxy over HTTP, against a real database.
class TestContentMethods : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void advertsComeBackAsTheStoredJpegs();
    void announcementsListEveryScreenInOrder();
    void refusesAnAdvertOutsideTheList_data();
    void refusesAnAdvertOutsideTheList();
    void bannersComeWholeWithTheirSize_data();
    void bannersComeWholeWithTheirSize();
    void missingBannersAnnounceSizeZero();
    void tickerIsTheStoredHtml();
    void requestsAreKeptForTheCustomersSalesperson();
    void requestsOfUnknownComputersAreKeptUnaddressed();
    void refusesBadRequests_data();
    void refusesBadRequests();
    void refusesMoreMailsThanADayAllows();
    void customerCardShowsWhatTheComputerMaySee_data();
    void customerCardShowsWhatTheComputerMaySee();
    void customerCardCarriesTheLedgerTotals();
    void passwordReminderGoesToTheUsersOwnAddress_data();
    void passwordReminderGoesToTheUsersOwnAddress();

private:
    int outboxRows();

    std::unique_ptr<ContentFixture> m_fixture;
    std::unique_ptr<platform::Connection> m_connection;
    std::unique_ptr<TServerMethods1Client> m_proxy;
};

namespace {

// Reads a stream as the client does: blocks of 1024 until a shorter one comes.
QByteArray ReadLikeTheClient(platform::MemoryStream &stream)
{
    stream.Seek(0);
    QByteArray bytes;
    char block[1024];
    for (;;) {
        const int n = stream.Read(block, int(sizeof block));
        bytes.append(block, n);
        if (n < int(sizeof block))
            break;
    }
    return bytes;
}

QStringList RequestArguments(const QString &machineId, const QString &subject)
{
    return {machineId,
            subject,
            QStringLiteral("ÖZ \"KARDEŞLER\" OTO"),
            QStringLiteral("Sanayi Sitesi"),
            QStringLiteral("No:12"),
            QStringLiteral("MERKEZ"),
            QStringLiteral("KONYA"),
            QStringLiteral("0332 444 1001"),
            QStringLiteral("0332 444 1003"),
            QStringLiteral("SELÇUK VD"),
            QStringLiteral("1234567890"),
            QStringLiteral("ALİ ÖZ"),
            QStringLiteral("BAYI"),
            QStringLiteral("YENİ'ŞİFRE"),
            QStringLiteral("ali@bayi.example"),
            QStringLiteral("ARAS KARGO")};
}

int SendRequest(TServerMethods1Client &proxy, const QStringList &a)
{
    return proxy.MailGonserCari(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10],
                                a[11], a[12], a[13], a[14], a[15]);
}

int SendMail(TServerMethods1Client &proxy, const QStringList &a, const QString &body)
{
    return proxy.MailGonserCariNormal(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9],
                                      a[10], a[11], a[12], a[13], a[14], a[15], body);
}

} // namespace

void TestContentMethods::init()
{
    m_fixture = std::make_unique<ContentFixture>();
    m_connection = m_fixture->connect();
    m_proxy = std::make_unique<TServerMethods1Client>(m_connection.get());
}

void TestContentMethods::cleanup()
{
    m_proxy.reset();
    m_connection.reset();
    m_fixture.reset();
}

int TestContentMethods::outboxRows()
{
    return m_fixture->db().Scalar(QStringLiteral("SELECT COUNT(*) FROM giden_posta")).toInt();
}

void TestContentMethods::advertsComeBackAsTheStoredJpegs()
{
    appserver::SeedContentDemo(m_fixture->db(), 11);
    const std::vector<appserver::content::OpeningScreen> stored =
        appserver::content::OpeningScreens(m_fixture->db());
    QCOMPARE(m_proxy->AcilisReklamAdet(), 3);
    QStringList targets;
    for (int i = 0; i < 3; ++i) {
        const TAcilisEkran *advert = m_proxy->AcilisREklamVer(i);
        QVERIFY(advert);
        const QByteArray jpeg = HexCoz(advert->Resim());
        QCOMPARE(jpeg, stored[size_t(i)].jpeg);
        QImage picture;
        QVERIFY(picture.loadFromData(jpeg, "JPEG"));
        QCOMPARE(picture.size(), QSize(600, 400));
        QCOMPARE(advert->SiraNo(), i + 1);
        QVERIFY(!advert->Baslik().isEmpty());
        targets << advert->Arama();
    }
    QCOMPARE(targets, (QStringList{QStringLiteral("#KAMPANYA#"), QStringLiteral("#YENİ#"),
                                   QStringLiteral("FREN BALATASI")}));
}

void TestContentMethods::announcementsListEveryScreenInOrder()
{
    appserver::Database &db = m_fixture->db();
    const QByteArray jpeg = ContentFixture::itemPicture();
    // Stored out of order, one without a picture: the list follows the sequence numbers.
    appserver::SetAdvert(db, 7, QStringLiteral("Yedinci"), QByteArray(),
                         QStringLiteral("  #YENİ#"));
    appserver::SetAdvert(db, 2, QStringLiteral("İkinci <b>"), jpeg, QStringLiteral("#KAMPANYA#"));

    const TAcilisEkranlariki *holder = m_proxy->AcilisEkranlarVer2();
    QVERIFY(holder);
    QCOMPARE(int(holder->Ekranlar().size()), 2);
    const TAcilisEkran &first = *holder->Ekranlar()[0];
    const TAcilisEkran &second = *holder->Ekranlar()[1];
    QCOMPARE(first.SiraNo(), 2);
    QCOMPARE(first.Baslik(), QStringLiteral("İkinci <b>"));
    QCOMPARE(HexCoz(first.Resim()), jpeg);
    QCOMPARE(second.SiraNo(), 7);
    QCOMPARE(second.Resim(), QString());
    QCOMPARE(second.Arama(), QStringLiteral("  #YENİ#"));

    const TAcilisEkranlar *list = m_proxy->AcilisEkranlarVer();
    QVERIFY(list);
    QCOMPARE(list->Count(), 2);
    QCOMPARE(list->At(1)->SiraNo(), 7);

    const platform::DataSet *table = m_proxy->DuyuruVer2();
    QVERIFY(table);
    QCOMPARE(table->RecordCount(), 2);
    QCOMPARE(table->FieldByName(QStringLiteral("BASLIK")).StringAt(0),
             QStringLiteral("İkinci <b>"));
    QCOMPARE(table->FieldByName(QStringLiteral("RESIM")).BytesAt(0), jpeg);
    QVERIFY(table->FieldByName(QStringLiteral("RESIM")).IsNullAt(1));
    QCOMPARE(table->FieldByName(QStringLiteral("ARAMA")).StringAt(1), QStringLiteral("  #YENİ#"));

    appserver::RemoveAdvert(db, 2);
    appserver::RemoveAdvert(db, 7);
    QCOMPARE(int(m_proxy->AcilisEkranlarVer2()->Ekranlar().size()), 0);
    QCOMPARE(m_proxy->AcilisReklamAdet(), 0);
}

void TestContentMethods::refusesAnAdvertOutsideTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("before the first") << -1;
    QTest::newRow("just after the last") << 3;
    QTest::newRow("far beyond") << 1000000;
}

void TestContentMethods::refusesAnAdvertOutsideTheList()
{
    QFETCH(int, index);
    appserver::SeedContentDemo(m_fixture->db(), 3);
    try {
        m_proxy->AcilisREklamVer(index);
        QFAIL("an advert outside the list must be refused");
    } catch (const platform::Error &e) {
        QVERIFY2(e.Message().contains(
                     QStringLiteral("no opening advert at position %1; there are 3").arg(index)),
                 qPrintable(e.Message()));
    }
}

void TestContentMethods::bannersComeWholeWithTheirSize_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("header") << 1 << QByteArray("GIF89a") << QByteArray("gif") << QSize(409, 100);
    QTest::newRow("strip") << 2 << QByteArray("GIF89a") << QByteArray("gif") << QSize(1000, 36);
    QTest::newRow("bottom") << 3 << QByteArray("BM") << QByteArray("bmp") << QSize(1400, 60);
}

void TestContentMethods::bannersComeWholeWithTheirSize()
{
    QFETCH(int, slot);
    QFETCH(QByteArray, signature);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    appserver::SeedContentDemo(m_fixture->db(), 5);
    const QByteArray stored =
        appserver::content::BannerPicture(m_fixture->db(), appserver::content::BannerSlotOf(slot));
    QVERIFY(stored.size() > 1024); // read in more than one block

    qint64 announced = -1;
    platform::MemoryStream *stream = slot == 1   ? m_proxy->BannerResimVer(announced)
                                     : slot == 2 ? m_proxy->BannerResimVer2(announced)
                                                 : m_proxy->BannerResimVer3(announced);
    QVERIFY(stream);
    const QByteArray bytes = ReadLikeTheClient(*stream);
    QCOMPARE(announced, qint64(bytes.size()));
    QCOMPARE(bytes, stored);
    QVERIFY(bytes.startsWith(signature));

    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    QCOMPARE(reader.size(), size);
    if (format == "gif") {
        // An animation the client's player runs: every frame decodes, and it repeats for ever.
        QBuffer movieBuffer;
        movieBuffer.setData(bytes);
        QMovie movie(&movieBuffer, format);
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() >= 2);
        QCOMPARE(movie.loopCount(), -1);
        int frames = 0;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
            QCOMPARE(frame.size(), size);
            ++frames;
        }
        QCOMPARE(frames, movie.frameCount());
    } else {
        QVERIFY(!reader.read().isNull());
    }
}

void TestContentMethods::missingBannersAnnounceSizeZero()
{
    appserver::SeedContentDemo(m_fixture->db(), 5);
    appserver::SetBanner(m_fixture->db(), 2, QByteArray());
    qint64 announced = -1;
    platform::MemoryStream *stream = m_proxy->BannerResimVer2(announced);
    QCOMPARE(announced, qint64(0));
    QVERIFY(!stream || ReadLikeTheClient(*stream).isEmpty());
    // The others stay.
    QVERIFY(m_proxy->BannerResimVer(announced));
    QVERIFY(announced > 0);
    QVERIFY(m_proxy->BannerResimVer3(announced));
    QVERIFY(announced > 10);
}

void TestContentMethods::tickerIsTheStoredHtml()
{
    QCOMPARE(m_proxy->KayanYaziGetir(), QString());
    appserver::SeedContentDemo(m_fixture->db(), 1);
    const QString demo = m_proxy->KayanYaziGetir();
    QVERIFY(demo.contains(QStringLiteral("<A HREF=\"http://")));
    const QString text = QStringLiteral(
        "<FONT COLOR=\"#FF0000\">Şubat kampanyası</FONT> &bull; <A HREF=\"x\">Bağlantı</A>");
    appserver::SetTicker(m_fixture->db(), text);
    QCOMPARE(m_proxy->KayanYaziGetir(), text);
}

void TestContentMethods::requestsAreKeptForTheCustomersSalesperson()
{
    const QStringList request =
        RequestArguments(QStringLiteral("PC-BAYI"), QStringLiteral("Şifre Değiştirme İsteği"));
    const int first = SendRequest(*m_proxy, request);
    const QStringList mail =
        RequestArguments(QStringLiteral(" PC-BAYI "), QStringLiteral("Sipariş hakkında"));
    const QString body = QStringLiteral("\"Merhaba, ekte\",sipariş,,\"a \"\"b\"\"\"");
    const int second = SendMail(*m_proxy, mail, body);
    QVERIFY(first > 0);
    QVERIFY(second > first);

    QSqlQuery rows = m_fixture->db().Exec(
        QStringLiteral("SELECT id, tur, bilgisayarid, cari_id, alici, baslik, firmaadi, adres1, "
                       "adres2, ilce, sehir, telefon, fax, vd,"
                       " vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu, zaman, "
                       "gonderildi FROM giden_posta ORDER BY id"));
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toInt(), first);
    QCOMPARE(rows.value(1).toString(), QStringLiteral("istek"));
    QCOMPARE(rows.value(2).toString(), QStringLiteral("PC-BAYI"));
    QCOMPARE(rows.value(3).toInt(), 1);
    QCOMPARE(rows.value(4).toString(), QStringLiteral("ahmet@dorvena.example"));
    QStringList stored;
    for (int i = 5; i <= 19; ++i)
        stored << rows.value(i).toString();
    QCOMPARE(stored, request.mid(1));
    QCOMPARE(rows.value(20).toString(), QString());
    // Text in SQLite, a timestamp in PostgreSQL: both begin with the day.
    const QDate day = QDate::fromString(rows.value(21).toString().left(10), Qt::ISODate);
    QVERIFY(qAbs(day.daysTo(QDate::currentDate())) <= 1);
    QVERIFY(rows.value(22).isNull()); // not sent yet

    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toInt(), second);
    QCOMPARE(rows.value(1).toString(), QStringLiteral("mail"));
    QCOMPARE(rows.value(2).toString(), QStringLiteral("PC-BAYI"));
    QCOMPARE(rows.value(5).toString(), QStringLiteral("Sipariş hakkında"));
    QCOMPARE(rows.value(20).toString(), body);
    QVERIFY(!rows.next());
}

void TestContentMethods::requestsOfUnknownComputersAreKeptUnaddressed()
{
    // A computer that is not registered may still ask to be.
    SendRequest(*m_proxy,
                RequestArguments(QStringLiteral("PC-YENI-1"), QStringLiteral("Kayıt İsteği")));
    QSqlQuery row = m_fixture->db().Exec(
        QStringLiteral("SELECT bilgisayarid, cari_id, alici FROM giden_posta"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("PC-YENI-1"));
    QVERIFY(row.value(1).isNull());
    QCOMPARE(row.value(2).toString(), QString());
}

void TestContentMethods::refusesBadRequests_data()
{
    QTest::addColumn<int>("argument"); // which of the 17 to replace
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("no machine identifier")
        << 0 << QStringLiteral("   ") << QStringLiteral("machine identifier");
    QTest::newRow("overlong machine identifier")
        << 0 << QString(101, QLatin1Char('X')) << QStringLiteral("at most 100");
    QTest::newRow("blank subject") << 1 << QStringLiteral(" ") << QStringLiteral("subject");
    QTest::newRow("overlong firm name")
        << 2 << QString(251, QLatin1Char('F')) << QStringLiteral("firm name is 251");
    QTest::newRow("overlong cargo depot")
        << 15 << QString(300, QLatin1Char('K')) << QStringLiteral("cargo depot");
    QTest::newRow("overlong message")
        << 16 << QString(20001, QLatin1Char('m')) << QStringLiteral("message is 20001");
}

void TestContentMethods::refusesBadRequests()
{
    QFETCH(int, argument);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QStringList a = RequestArguments(QStringLiteral("PC-BAYI"), QStringLiteral("Konu"));
    QString body = QStringLiteral("Merhaba");
    if (argument == 16)
        body = value;
    else
        a[argument] = value;
    try {
        SendMail(*m_proxy, a, body);
        QFAIL("the request must be refused");
    } catch (const platform::Error &e) {
        QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
    }
    if (argument != 16) {
        QVERIFY_THROWS_EXCEPTION(platform::Error, SendRequest(*m_proxy, a));
    }
    QCOMPARE(outboxRows(), 0);
}

void TestContentMethods::refusesMoreMailsThanADayAllows()
{
    appserver::Database &db = m_fixture->db();
    const QString now = appserver::NowText();
    const QString lastWeek =
        QDateTime::currentDateTime().addDays(-7).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    for (int i = 0; i < 49; ++i)
        db.Exec(
            QStringLiteral(
                "INSERT INTO giden_posta (tur, bilgisayarid, zaman) VALUES ('mail', 'PC-BAYI', ?)"),
            {now});
    for (int i = 0; i < 10; ++i)
        db.Exec(
            QStringLiteral(
                "INSERT INTO giden_posta (tur, bilgisayarid, zaman) VALUES ('mail', 'PC-BAYI', ?)"),
            {lastWeek});
    const QStringList a = RequestArguments(QStringLiteral("PC-BAYI"), QStringLiteral("Konu"));
    SendMail(*m_proxy, a, QStringLiteral("ellinci"));
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             SendMail(*m_proxy, a, QStringLiteral("elli birinci")));
    QCOMPARE(outboxRows(), 60);
    // Another computer is not held back.
    SendMail(*m_proxy, RequestArguments(QStringLiteral("PC-NOMAIL"), QStringLiteral("Konu")),
             QStringLiteral("x"));
    QCOMPARE(outboxRows(), 61);
}

void TestContentMethods::customerCardShowsWhatTheComputerMaySee_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("card"); // empty: refused
    const QString ozCard = QStringLiteral(
        "1|120.01.001|ÖZ KARDEŞLER OTO|Sanayi Sitesi 4. Blok|No:12|MERKEZ|KONYA|TÜRKİYE|0332 444 "
        "1001|0332 444 1002|"
        "0532 000 0001|0332 444 1003||oz@bayi.example|SELÇUK VD|1234567890|ALİ ÖZ|BAYİ|A|K1|"
        "AHMET SATICI|ahmet@dorvena.example|0212 000 0001|");
    QTest::newRow("the computer's own customer")
        << 0 << QStringLiteral("PC-BAYI")
        << ozCard + QStringLiteral("PC-BAYI|BAYI|GIZLI1|bayi@example.com");
    QTest::newRow("own customer by number")
        << 1 << QStringLiteral(" PC-BAYI")
        << ozCard + QStringLiteral("PC-BAYI|BAYI|GIZLI1|bayi@example.com");
    QTest::newRow("a dealer asking for another customer")
        << 2 << QStringLiteral("PC-BAYI") << QString();
    QTest::newRow("salesperson and a customer of theirs")
        << 3 << QStringLiteral("PC-SATICI")
        << QStringLiteral("3|120.01.003|ÇELİK TİCARET|||||TÜRKİYE|||||||||||||AHMET "
                          "SATICI|ahmet@dorvena.example|"
                          "0212 000 0001|PC-SATICI|SATICI|GIZLI2|satici@example.com");
    QTest::newRow("salesperson and another's customer")
        << 2 << QStringLiteral("PC-SATICI") << QString();
    QTest::newRow("type 2 sees every customer")
        << 2 << QStringLiteral("PC-YETKILI")
        << QStringLiteral(
               "2|120.01.002|YILMAZ OTOMOTİV|Oto Sanayi||ÇANKAYA|ANKARA|TÜRKİYE|0312 000 0000|||||"
               "yilmaz@bayi.example|ÇANKAYA VD|9876543210|VELİ YILMAZ|BAYİ|||BURCU SATICI|"
               "burcu@dorvena.example|0212 000 0002|PC-YETKILI|YETKILI|GIZLI3|yetkili@example.com");
    QTest::newRow("a user without a customer")
        << 0 << QStringLiteral("PC-YETKILI")
        << QStringLiteral("0||||||||||||||||||||BURCU SATICI|burcu@dorvena.example|0212 000 0002|"
                          "PC-YETKILI|YETKILI|GIZLI3|yetkili@example.com");
    QTest::newRow("unknown computer") << 0 << QStringLiteral("PC-KIMSE") << QString();
    QTest::newRow("no machine identifier") << 0 << QString() << QString();
    QTest::newRow("unknown customer") << 99 << QStringLiteral("PC-YETKILI") << QString();
    QTest::newRow("negative customer") << -1 << QStringLiteral("PC-YETKILI") << QString();
}

void TestContentMethods::customerCardShowsWhatTheComputerMaySee()
{
    QFETCH(int, customer);
    QFETCH(QString, machine);
    QFETCH(QString, card);
    if (card.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(platform::Error,
                                 m_proxy->MobilCariBilgisiGetir(customer, machine));
        return;
    }
    const TMobilCariBilgisi *c = m_proxy->MobilCariBilgisiGetir(customer, machine);
    QVERIFY(c);
    const QStringList fields = {QString::number(c->CARINO()),
                                c->CARIKOD(),
                                c->CARIADI(),
                                c->ADRES1(),
                                c->ADRES2(),
                                c->ILCE(),
                                c->SEHIR(),
                                c->ULKE(),
                                c->TEL1(),
                                c->TEL2(),
                                c->GSM(),
                                c->FAX1(),
                                c->FAX2(),
                                c->EMAIL(),
                                c->VERGIDAIRESI(),
                                c->VERGINO(),
                                c->YETKILI(),
                                c->AnaGrup(),
                                c->AltGrup(),
                                c->OzelKod(),
                                c->SATICIADI(),
                                c->SATICIMAIL(),
                                c->SATICITELEFON(),
                                c->BILGISAYARID(),
                                c->KULLANICIADI(),
                                c->SIFRE(),
                                c->MAIL()};
    QCOMPARE(fields.join(QLatin1Char('|')), card);
    QCOMPARE(c->TLBAKIYE(), 0.0);
}

void TestContentMethods::customerCardCarriesTheLedgerTotals()
{
    m_proxy.reset();
    m_connection.reset();
    m_fixture.reset();
    appserver::ContentOptions options;
    options.accountTotals = [](appserver::Database &, qint64 customerId) {
        return customerId == 1 ? AccountTotals{1500.456, 200} : AccountTotals{};
    };
    m_fixture = std::make_unique<ContentFixture>(appserver::WebHostOptions(), std::move(options));
    m_connection = m_fixture->connect();
    m_proxy = std::make_unique<TServerMethods1Client>(m_connection.get());
    const TMobilCariBilgisi *card = m_proxy->MobilCariBilgisiGetir(0, QStringLiteral("PC-BAYI"));
    QVERIFY(card);
    QCOMPARE(card->TLBORC(), 1500.46);
    QCOMPARE(card->TLALACAK(), 200.0);
    QCOMPARE(card->TLBAKIYE(), 1300.46);
}

void TestContentMethods::passwordReminderGoesToTheUsersOwnAddress_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<bool>("queued");
    QTest::addColumn<int>("hasMail");
    QTest::newRow("user with an address") << QStringLiteral("PC-BAYI") << true << 1;
    QTest::newRow("user without an address") << QStringLiteral("PC-NOMAIL") << false << 0;
    QTest::newRow("unknown computer") << QStringLiteral("PC-KIMSE") << false << 0;
    QTest::newRow("no identifier") << QString() << false << 0;
}

void TestContentMethods::passwordReminderGoesToTheUsersOwnAddress()
{
    QFETCH(QString, machine);
    QFETCH(bool, queued);
    QFETCH(int, hasMail);
    int mailvarmi = -1;
    QCOMPARE(m_proxy->SifremiUnuttum(machine, mailvarmi), queued);
    QCOMPARE(mailvarmi, hasMail);
    QCOMPARE(outboxRows(), queued ? 1 : 0);
    if (queued) {
        QSqlQuery row =
            m_fixture->db().Exec(QStringLiteral("SELECT tur, alici, konu FROM giden_posta"));
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toString(), QStringLiteral("hatirlatma"));
        QCOMPARE(row.value(1).toString(), QStringLiteral("bayi@example.com"));
        QVERIFY(row.value(2).toString().contains(QStringLiteral("GIZLI1")));
    }
}

QTEST_MAIN(TestContentMethods)
#include "test_contentmethods.moc"
