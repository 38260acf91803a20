#include "catalogue/orantiliresim.h"
#include "catalogue/sepetsatiracici.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/tutarkutusu.h"
#include "dialogsurucu.h"

#include "appserver/httpmessage.h"
#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "session/baglantiu.h"
#include "session/utils.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSpinBox>
#include <QTest>
#include <mutex>

using catalogue_test::DialogSur;
using catalogue_test::ResimleriBekle;
using platform::FieldType;

// The dialog and its openers against the server's transport with scripted methods and a
// scripted web host: item pictures over HTTP and over the server, and the basket calls.
class TestStokayarintiSunucu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsAWebHostPictureOnlyWhenItIsOne_data();
    void showsAWebHostPictureOnlyWhenItIsOne();
    void asksNoPictureWithoutAStockNumber();
    void discardsAPictureThatArrivesAfterClose_data();
    void discardsAPictureThatArrivesAfterClose();
    void loadsAPictureOverTheServerOnlyWhenWhole_data();
    void loadsAPictureOverTheServerOnlyWhenWhole();
    void sendsANewLineWithEveryArgument_data();
    void sendsANewLineWithEveryArgument();
    void sendsAChangedLineByItsNumberAndReloads_data();
    void sendsAChangedLineByItsNumberAndReloads();
    void showsTheConversionErrorForAQuantityThatIsNotANumber();
    void sendsNothingWithoutAConnection();

private:
    // The firm's web host as a test scripts it.
    struct WebHost
    {
        std::mutex lock;
        int status = 200;
        QByteArray body;
        QStringList targets;
        QSemaphore *gate = nullptr; // when set, every answer waits for a permit
    };

    testsupport::RecordingShell &Shell() { return **m_shell; }
    SepetSatirAcici Acici();
    QStringList Hedefler();
    QString Gorunen(const OrantiliResim &resim, qint64 yerTutucu) const;

    WebHost m_web;
    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    std::unique_ptr<platform::Connection> m_bagc;
    std::unique_ptr<platform::DataSet> m_sepet;
    TSonucBilgisi m_sbilgi;
    int m_sepetYuklendi = 0;
};

namespace {

QImage Gurultu(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator rng(42);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, rng.generate() | 0xff000000u);
    return image;
}

QByteArray Kaydet(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG picture padded after its end to exactly `boy` bytes (readers stop at the end).
QByteArray Png(QSize size, int boy = 0)
{
    QByteArray bytes = Kaydet(Gurultu(size), "PNG");
    Q_ASSERT(bytes.size() <= boy || boy == 0);
    if (boy > 0)
        bytes.append(QByteArray(boy - bytes.size(), '\0'));
    return bytes;
}

QByteArray Jpeg(QSize size, int boy = 0)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0, 120, 170));
    p.end();
    QByteArray bytes = Kaydet(size.width() > 100 ? Gurultu(size) : image, "JPEG");
    Q_ASSERT(bytes.size() <= boy || boy == 0);
    if (boy > 0)
        bytes.append(QByteArray(boy - bytes.size(), '\0'));
    return bytes;
}

// The call's inputs after the session record, as one line.
QString Girdiler(const appserver::MethodCall &call)
{
    QJsonArray rest = call.Parameters();
    rest.removeFirst();
    return QString::fromUtf8(QJsonDocument(rest).toJson(QJsonDocument::Compact));
}

QString Oturum(const appserver::MethodCall &call)
{
    const QJsonObject fields = call.Object(0).toObject().value("fields").toObject();
    return QString("carino %1, sirano %2")
        .arg(fields.value("FCARINO").toInt())
        .arg(fields.value("FSirano").toInt());
}

ListeSatiri Satir()
{
    ListeSatiri s;
    s.stokno = 4711;
    s.barkod = "ANK-104711";
    s.adi = "FREN BALATASI";
    s.kdv = 19.6; // goes as a whole number
    s.fiyat = 100;
    s.ind = {10, 5, 0, 2.5};
    s.k = 1;
    return s;
}

std::unique_ptr<platform::DataSet> Sepet()
{
    auto ds = std::make_unique<platform::DataSet>();
    const auto add = [&](const char *name, FieldType type, const QVariant &value) {
        ds->AddField(QLatin1String(name), type, type == FieldType::String ? 100 : 0)
            .AppendVariant(value);
    };
    add("SIRANO", FieldType::Integer, 32);
    add("STOKNO", FieldType::Integer, 815);
    add("BARKOD", FieldType::String, "DUR-100815");
    add("STOKADI", FieldType::String, "YAĞ FİLTRESİ");
    add("MARKA", FieldType::String, "DURAPAR");
    add("FINISHKOD", FieldType::String, "F0815");
    add("MODEL", FieldType::String, "VW GOLF");
    add("KDV", FieldType::Float, 18.0);
    add("BIRIMFIYAT", FieldType::Float, 42.5);
    add("MIKTAR", FieldType::Float, 12.0);
    add("INDIRIMORANI1", FieldType::Float, 0.0);
    add("INDIRIMORANI2", FieldType::Float, 7.5);
    add("INDIRIMORANI3", FieldType::Float, 0.0);
    add("INDIRIMORANI4", FieldType::Float, 1.0);
    add("INDIRIMYAZI", FieldType::String, "7,5+1");
    ds->EndAppend();
    ds->Open();
    return ds;
}

} // namespace

void TestStokayarintiSunucu::initTestCase()
{
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(
        *m_methods, testsupport::TestServer::Options(),
        [web = &m_web](
            const appserver::HttpRequest &request) -> std::optional<appserver::HttpAnswer> {
            if (request.Path() != "/resimgoster.ashx")
                return std::nullopt;
            appserver::HttpAnswer answer;
            QSemaphore *gate = nullptr;
            {
                const std::lock_guard<std::mutex> hold(web->lock);
                web->targets << QString::fromStdString(request.target);
                answer.status = web->status;
                answer.body = web->body;
                gate = web->gate;
            }
            if (gate)
                gate->acquire();
            answer.contentType = "image/jpeg";
            return answer;
        });
    // Pictures come from this server: the sign-in chose the LAN address, which is ours.
    qputenv("DORVENA_WEB_HOST", "127.0.0.1");
    qputenv("DORVENA_LAN_ADDRESS", "127.0.0.1");
    qputenv("DORVENA_WEB_PORT", QByteArray::number(m_server->port()));
    Tip().gecerliip = "127.0.0.1";
}

void TestStokayarintiSunucu::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = std::make_unique<platform::Connection>(m_server->connection());
    m_sepet = Sepet();
    m_sepetYuklendi = 0;
    m_sbilgi.SetCARINO(12);
    m_sbilgi.SetSirano(7);
    m_sbilgi.SetMusteriTipi(1);
    const std::lock_guard<std::mutex> hold(m_web.lock);
    m_web.status = 200;
    m_web.body.clear();
    m_web.targets.clear();
    m_web.gate = nullptr;
}

void TestStokayarintiSunucu::cleanup()
{
    ResimleriBekle();
    m_shell.reset();
    for (const char *method : {"ResimVer5", "SepetEkle2", "SepetGuncelle2"})
        m_methods->Remove(method);
}

SepetSatirAcici TestStokayarintiSunucu::Acici()
{
    SepetSatirAcici::Baglam b;
    b.sbilgi = &m_sbilgi;
    b.bagc = m_bagc.get();
    b.sepet = [this] { return m_sepet.get(); };
    b.SepetYukle = [this] { ++m_sepetYuklendi; };
    return SepetSatirAcici(b);
}

QStringList TestStokayarintiSunucu::Hedefler()
{
    const std::lock_guard<std::mutex> hold(m_web.lock);
    return m_web.targets;
}

QString TestStokayarintiSunucu::Gorunen(const OrantiliResim &resim, qint64 yerTutucu) const
{
    if (resim.Picture().cacheKey() == yerTutucu)
        return QStringLiteral("placeholder");
    return QString("%1x%2").arg(resim.Picture().width()).arg(resim.Picture().height());
}

void TestStokayarintiSunucu::showsAWebHostPictureOnlyWhenItIsOne_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("gorunen");

    QTest::newRow("1199 bytes are too few") << 200 << Png({12, 10}, 1199) << "placeholder";
    QTest::newRow("1200 bytes are a picture") << 200 << Png({12, 10}, 1200) << "12x10";
    QTest::newRow("a JPEG picture") << 200 << Jpeg({200, 150}) << "200x150";
    QTest::newRow("a body that is no picture") << 200 << QByteArray(5000, 'x') << "placeholder";
    QTest::newRow("an error answer") << 404 << Jpeg({200, 150}) << "placeholder";
}

void TestStokayarintiSunucu::showsAWebHostPictureOnlyWhenItIsOne()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, gorunen);
    {
        const std::lock_guard<std::mutex> hold(m_web.lock);
        m_web.status = status;
        m_web.body = body;
    }

    Tstokayarinti d(nullptr);
    d._stokno = 4711;
    const qint64 yerTutucu = d.Image1->Picture().cacheKey();
    d.show();
    ResimleriBekle();

    QCOMPARE(Hedefler(), QStringList{"/resimgoster.ashx?id=4711"});
    QCOMPARE(Gorunen(*d.Image1, yerTutucu), gorunen);
    QVERIFY(Shell().messages.isEmpty() && Shell().errors.isEmpty()); // picture failures are silent
}

void TestStokayarintiSunucu::asksNoPictureWithoutAStockNumber()
{
    Tstokayarinti d(nullptr);
    d.show();
    ResimleriBekle();
    QCOMPARE(Hedefler(), QStringList());
}

void TestStokayarintiSunucu::discardsAPictureThatArrivesAfterClose_data()
{
    QTest::addColumn<bool>("freed");

    QTest::newRow("closed") << false;
    QTest::newRow("closed and freed") << true;
}

void TestStokayarintiSunucu::discardsAPictureThatArrivesAfterClose()
{
    QFETCH(bool, freed);
    QSemaphore gate;
    {
        const std::lock_guard<std::mutex> hold(m_web.lock);
        m_web.body = Jpeg({200, 150});
        m_web.gate = &gate;
    }
    const auto open = qScopeGuard([&] {
        gate.release(); // the server never stays held, even when a check fails
        ResimleriBekle();
        const std::lock_guard<std::mutex> hold(m_web.lock);
        m_web.gate = nullptr;
    });

    QPointer<Tstokayarinti> d = new Tstokayarinti(nullptr);
    d->_stokno = 4711;
    const qint64 yerTutucu = d->Image1->Picture().cacheKey();
    d->show();
    d->reject();
    if (freed)
        delete d.data();

    gate.release();
    ResimleriBekle();
    QCOMPARE(Hedefler(), QStringList{"/resimgoster.ashx?id=4711"}); // the picture did come
    if (!freed) {
        QCOMPARE(Gorunen(*d->Image1, yerTutucu), QStringLiteral("placeholder"));
        delete d.data();
    }
}

void TestStokayarintiSunucu::loadsAPictureOverTheServerOnlyWhenWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("boy");   // -1: the number of bytes
    QTest::addColumn<QString>("hata"); // the server raises this
    QTest::addColumn<QString>("gorunen");
    QTest::addColumn<QString>("mesaj");

    QTest::newRow("a whole picture") << Jpeg({200, 150}) << qint64(-1) << ""
                                     << "200x150"
                                     << "";
    QTest::newRow("a multiple of the piece size") << Jpeg({40, 30}, 3 * 1024) << qint64(-1) << ""
                                                  << "40x30"
                                                  << "";
    QTest::newRow("no picture") << QByteArray() << qint64(0) << ""
                                << "none"
                                << "";
    QTest::newRow("cut short") << Jpeg({200, 150}) << qint64(Jpeg({200, 150}).size() + 10) << ""
                               << "none"
                               << "";
    QTest::newRow("not a JPEG") << Png({12, 10}) << qint64(-1) << ""
                                << "none"
                                << "kind -1: ConversionError: JPEG resmi okunamadı";
    QTest::newRow("a server error") << QByteArray() << qint64(0) << "Resim bulunamadı"
                                    << "none"
                                    << "kind -1: ServerError: Resim bulunamadı";
}

void TestStokayarintiSunucu::loadsAPictureOverTheServerOnlyWhenWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, boy);
    QFETCH(QString, hata);
    QFETCH(QString, gorunen);
    QFETCH(QString, mesaj);
    if (!hata.isEmpty())
        m_methods->Raises("ResimVer5", hata);
    else
        m_methods->ReturnsStream("ResimVer5", bytes,
                                 boy < 0 ? std::nullopt : std::optional<qint64>(boy));

    OrantiliResim resim;
    ResimYukle(4711, &resim, *m_bagc);

    QCOMPARE(m_methods->LastCall("ResimVer5")->Int("stokno"), 4711);
    QCOMPARE(resim.Picture().isNull()
                 ? QString("none")
                 : QString("%1x%2").arg(resim.Picture().width()).arg(resim.Picture().height()),
             gorunen);
    QStringList shown;
    for (const platform::MessageRequest &m : Shell().messages)
        shown << QString("kind %1: %2").arg(m.kind).arg(m.text);
    QCOMPARE(shown.join('\n'), mesaj);
    QVERIFY(!m_bagc->Connected());
}

void TestStokayarintiSunucu::sendsANewLineWithEveryArgument_data()
{
    QTest::addColumn<int>("sonuc");
    QTest::addColumn<int>("yuklendi");

    QTest::newRow("taken: the basket reloads") << 1 << 1;
    QTest::newRow("refused: nothing more") << 0 << 0;
}

void TestStokayarintiSunucu::sendsANewLineWithEveryArgument()
{
    QFETCH(int, sonuc);
    QFETCH(int, yuklendi);
    m_methods->Returns("SepetEkle2", sonuc);

    QCOMPARE(Acici().SatirEkle(Satir(), 3, 123.45), sonuc == 1);

    const std::optional<appserver::MethodCall> call = m_methods->LastCall("SepetEkle2");
    QVERIFY(call);
    QCOMPARE(Oturum(*call), QStringLiteral("carino 12, sirano 7"));
    // carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2, ind3, ind4
    QCOMPARE(
        Girdiler(*call),
        QStringLiteral(R"([12,4711,"ANK-104711","FREN BALATASI",3,20,123.45,10,7,1,5,0,2.5])"));
    QCOMPARE(m_sepetYuklendi, yuklendi);
    QVERIFY(Shell().messages.isEmpty());
    QVERIFY(!m_bagc->Connected());
}

void TestStokayarintiSunucu::sendsAChangedLineByItsNumberAndReloads_data()
{
    QTest::addColumn<int>("sonuc");

    QTest::newRow("changed") << 1;
    QTest::newRow("refused") << 0;
}

void TestStokayarintiSunucu::sendsAChangedLineByItsNumberAndReloads()
{
    QFETCH(int, sonuc);
    m_methods->Returns("SepetGuncelle2", sonuc);
    QString acilista;
    DialogSur([&](Tstokayarinti &d) {
        acilista = QString("%1 x %2").arg(d.adet->value()).arg(d.birimfiyat->text());
        d.adet->setValue(5);
        d.birimfiyat->selectAll();
        QTest::keyClicks(d.birimfiyat, "44,1");
        d.ParcaliTus1->click();
    });

    Acici().SepetSatiriAc(32);

    QCOMPARE(acilista, QStringLiteral("12 x 42,50"));
    const std::optional<appserver::MethodCall> call = m_methods->LastCall("SepetGuncelle2");
    QVERIFY(call);
    QCOMPARE(Oturum(*call), QStringLiteral("carino 12, sirano 7"));
    // carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2, ind3,
    // ind4
    QCOMPARE(Girdiler(*call),
             QStringLiteral(R"([12,0,"DUR-100815","YAĞ FİLTRESİ",5,18,44.1,0,7,32,7.5,0,1])"));
    QCOMPARE(m_sepetYuklendi, 1); // whatever the server answered
}

void TestStokayarintiSunucu::showsTheConversionErrorForAQuantityThatIsNotANumber()
{
    m_methods->Returns("SepetGuncelle2", 1);
    bool surdu = false;
    DialogSur([&](Tstokayarinti &d) {
        surdu = true;
        d.adet->findChild<QLineEdit *>()->setText(QString());
        QTest::keyClick(d.adet, Qt::Key_Return);
    });

    Acici().SepetSatiriAc(32);

    QVERIFY(surdu);
    QCOMPARE(Shell().errors, QStringList{"'' is not a valid integer value"});
    QCOMPARE(m_methods->CallCount("SepetGuncelle2"), 0);
    QCOMPARE(m_sepetYuklendi, 0);
}

void TestStokayarintiSunucu::sendsNothingWithoutAConnection()
{
    m_bagc->SetParam("Port", "1"); // nothing listens there
    m_methods->Returns("SepetEkle2", 1);

    QVERIFY(!Acici().SatirEkle(Satir(), 1, 100));

    QCOMPARE(Shell().messages.size(), 1);
    QCOMPARE(QString("kind %1: %2").arg(Shell().messages[0].kind).arg(Shell().messages[0].text),
             "kind 1: " + kBaglantiKurulamiyor);
    QCOMPARE(m_methods->CallCount("SepetEkle2"), 0);
    QCOMPARE(m_sepetYuklendi, 0);
}

QTEST_MAIN(TestStokayarintiSunucu)
#include "test_stokayarinti_sunucu.moc"
