#include "appserver/content/banners.h"
#include "appserver/content/contentadmin.h"
#include "appserver/content/contentschema.h"
#include "appserver/content/gifwriter.h"
#include "appserver/content/openingscreens.h"
#include "appserver/content/tickertext.h"
#include "appserver/data/admin.h"
#include "appserver/data/database.h"
#include "appserver/data/schema.h"
#include "platform/error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using appserver::content::EncodeAnimatedGif;
using appserver::content::GifPalette;

// The GIF writer, the ticker check and the deployer's content chores.
class TestContentAdmin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gifFramesDecodeToTheirPixels_data();
    void gifFramesDecodeToTheirPixels();
    void gifWriterRefusesWhatItCannotWrite();
    void tickerCheckFindsWhatTheRendererStopsAt_data();
    void tickerCheckFindsWhatTheRendererStopsAt();
    void refusedTickerKeepsTheOldOne();
    void advertsTakeOnlyJpegs();
    void bannersTakeOnlyTheirSlotsFormat_data();
    void bannersTakeOnlyTheirSlotsFormat();
    void installerMustBeAReadableFile();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<appserver::Database> m_db;
};

namespace {

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Random palette colours: no two neighbours alike, so the code table fills and starts afresh
// many times within one frame.
QImage Noise(QSize size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, GifPalette().at(int(rng.bounded(256u))));
    return image;
}

// Long runs of one colour and smooth steps: the table's long strings and wide codes.
QImage Bands(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, GifPalette().at((x / 7 + y / 3) % 256));
    return image;
}

} // namespace

void TestContentAdmin::init()
{
    QVERIFY(m_dir.isValid());
    appserver::DatabaseOptions options;
    options.path = m_dir.filePath(QStringLiteral("admin.sqlite"));
    QFile::remove(options.path);
    m_db = std::make_unique<appserver::Database>(options);
    std::vector<appserver::SchemaStep> steps = appserver::CoreSchema();
    for (appserver::SchemaStep &step : appserver::ContentSchema())
        steps.push_back(std::move(step));
    appserver::MigrateSchema(*m_db, steps);
}

void TestContentAdmin::cleanup()
{
    m_db.reset();
}

void TestContentAdmin::gifFramesDecodeToTheirPixels_data()
{
    QTest::addColumn<QList<QImage>>("frames");
    QTest::addColumn<int>("delay");
    QTest::newRow("one pixel") << QList<QImage>{Filled(QSize(1, 1), Qt::red)} << 7;
    QTest::newRow("flat colours") << QList<QImage>{Filled(QSize(40, 20), Qt::red),
                                                   Filled(QSize(40, 20), Qt::blue)}
                                  << 10;
    QTest::newRow("noise, odd size")
        << QList<QImage>{Noise(QSize(97, 61), 1), Noise(QSize(97, 61), 2), Noise(QSize(97, 61), 3)}
        << 25;
    QTest::newRow("bands, wide") << QList<QImage>{Bands(QSize(1000, 40)),
                                                  Bands(QSize(1000, 40)).mirrored(true, false)}
                                 << 65535;
}

void TestContentAdmin::gifFramesDecodeToTheirPixels()
{
    QFETCH(QList<QImage>, frames);
    QFETCH(int, delay);
    const QByteArray gif =
        EncodeAnimatedGif(std::vector<QImage>(frames.begin(), frames.end()), delay);
    QVERIFY(gif.startsWith("GIF89a"));
    QVERIFY(gif.endsWith('\x3B'));

    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.imageCount(), frames.size());
    QCOMPARE(reader.loopCount(), -1);
    for (const QImage &expected : frames) {
        const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(reader.nextImageDelay(), delay * 10);
        QCOMPARE(decoded.size(), expected.size());
        // Every colour is in the palette, so the picture must come back exactly.
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (decoded.pixel(x, y) != expected.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
    }
    QVERIFY(reader.read().isNull());
}

void TestContentAdmin::gifWriterRefusesWhatItCannotWrite()
{
    const QImage frame = Filled(QSize(4, 4), Qt::green);
    QVERIFY_THROWS_EXCEPTION(platform::Error, EncodeAnimatedGif({}, 10));
    QVERIFY_THROWS_EXCEPTION(platform::Error, EncodeAnimatedGif({QImage()}, 10));
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             EncodeAnimatedGif({frame, Filled(QSize(4, 5), Qt::green)}, 10));
    QVERIFY_THROWS_EXCEPTION(platform::Error, EncodeAnimatedGif({frame}, -1));
    QVERIFY_THROWS_EXCEPTION(platform::Error, EncodeAnimatedGif({frame}, 65536));
    QVERIFY_THROWS_EXCEPTION(platform::Error, EncodeAnimatedGif({frame}, 10, -1));
}

void TestContentAdmin::tickerCheckFindsWhatTheRendererStopsAt_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("problem"); // a part of the problem; empty: shows whole
    QTest::newRow("plain text") << QStringLiteral("Hoş geldiniz") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("nested styles and a link")
        << QStringLiteral("<B>Kampanya <FONT COLOR=\"#FF0000\" SIZE=+2>%15</FONT></B> <A "
                          "HREF='http://x/?a=1&b=2'>Tıkla</A>")
        << QString();
    QTest::newRow("tags in any case") << QStringLiteral("<b>x</B>") << QString();
    QTest::newRow("self-closed picture")
        << QStringLiteral("<IMG SRC=\"logo.png\" WIDTH=\"20\"/>") << QString();
    // An unquoted value runs to the next blank or ">", so the slash belongs to it.
    QTest::newRow("slash after an unquoted value")
        << QStringLiteral("<IMG WIDTH=20/>") << QStringLiteral("<IMG> is never closed");
    QTest::newRow("value to the end")
        << QStringLiteral("<FONT COLOR=red") << QStringLiteral("runs to the end");
    QTest::newRow("unquoted value") << QStringLiteral("<FONT COLOR=red>x</FONT>") << QString();
    QTest::newRow("comment") << QStringLiteral("a<!-- <B> -->b") << QString();
    QTest::newRow("escaped less-than") << QStringLiteral("a &lt; b") << QString();
    QTest::newRow("never closed") << QStringLiteral("<B>x")
                                  << QStringLiteral("<B> is never closed");
    QTest::newRow("line break without slash")
        << QStringLiteral("a<BR>b") << QStringLiteral("<BR> is never closed");
    QTest::newRow("wrong closing tag")
        << QStringLiteral("<B>x</I>") << QStringLiteral("</I> where </B> belongs");
    QTest::newRow("closing nothing") << QStringLiteral("x</B>") << QStringLiteral("closes nothing");
    QTest::newRow("bare less-than") << QStringLiteral("a < b") << QStringLiteral("opens no tag");
    QTest::newRow("open comment") << QStringLiteral("a<!-- b") << QStringLiteral("comment");
    QTest::newRow("open quote") << QStringLiteral("<A HREF=\"x>y</A>")
                                << QStringLiteral("closing quote");
    QTest::newRow("unfinished tag")
        << QStringLiteral("<FONT COLOR") << QStringLiteral("not finished");
    QTest::newRow("too long") << QString(appserver::content::kMaxTickerLength + 1, QLatin1Char('x'))
                              << QStringLiteral("at most");
}

void TestContentAdmin::tickerCheckFindsWhatTheRendererStopsAt()
{
    QFETCH(QString, html);
    QFETCH(QString, problem);
    const QString found = appserver::content::TickerProblem(html);
    if (problem.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else
        QVERIFY2(found.contains(problem), qPrintable(found));
}

void TestContentAdmin::refusedTickerKeepsTheOldOne()
{
    appserver::SetTicker(*m_db, QStringLiteral("<B>Eski</B>"));
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             appserver::SetTicker(*m_db, QStringLiteral("<B>Yeni")));
    QCOMPARE(appserver::Setting(*m_db, QStringLiteral("ticker")), QStringLiteral("<B>Eski</B>"));
    appserver::SetTicker(*m_db, QString());
    QCOMPARE(appserver::Setting(*m_db, QStringLiteral("ticker")), QString());
}

void TestContentAdmin::advertsTakeOnlyJpegs()
{
    const QImage picture = Filled(QSize(30, 20), Qt::darkCyan);
    const QByteArray jpeg = Encoded(picture, "JPEG");
    appserver::SetAdvert(*m_db, 1, QStringLiteral("Bir"), jpeg, QStringLiteral("#YENİ#"));
    QVERIFY_THROWS_EXCEPTION(
        platform::Error,
        appserver::SetAdvert(*m_db, 2, QStringLiteral("PNG"), Encoded(picture, "PNG"), QString()));
    // A JPEG signature is not enough: the picture must decode.
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             appserver::SetAdvert(*m_db, 2, QStringLiteral("Kırık"),
                                                  jpeg.left(3) + QByteArray(50, 'x'), QString()));
    QVERIFY_THROWS_EXCEPTION(
        platform::Error, appserver::SetAdvert(*m_db, 0, QStringLiteral("Sıfır"), jpeg, QString()));
    QVERIFY_THROWS_EXCEPTION(
        platform::Error,
        appserver::SetAdvert(*m_db, 2, QString(201, QLatin1Char('t')), jpeg, QString()));
    QVERIFY_THROWS_EXCEPTION(platform::Error,
                             appserver::SetAdvertFromFile(*m_db, 2, QStringLiteral("Yok"),
                                                          m_dir.filePath(QStringLiteral("yok.jpg")),
                                                          QString()));
    // Replacing by number keeps one screen per number.
    appserver::SetAdvert(*m_db, 1, QStringLiteral("Bir yeni"), QByteArray(), QString());
    const std::vector<appserver::content::OpeningScreen> screens =
        appserver::content::OpeningScreens(*m_db);
    QCOMPARE(int(screens.size()), 1);
    QCOMPARE(screens[0].title, QStringLiteral("Bir yeni"));
    QVERIFY(screens[0].jpeg.isEmpty());
    QVERIFY(appserver::RemoveAdvert(*m_db, 1));
    QVERIFY(!appserver::RemoveAdvert(*m_db, 1));
}

void TestContentAdmin::bannersTakeOnlyTheirSlotsFormat_data()
{
    const QImage picture = Filled(QSize(30, 20), Qt::darkYellow);
    const QByteArray gif = EncodeAnimatedGif({picture, picture}, 10);
    const QByteArray bmp = Encoded(picture, "BMP");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken");
    QTest::newRow("GIF in the header") << 1 << gif << true;
    QTest::newRow("GIF in the strip") << 2 << gif << true;
    QTest::newRow("bitmap at the bottom") << 3 << bmp << true;
    QTest::newRow("bitmap in the header") << 1 << bmp << false;
    QTest::newRow("GIF at the bottom") << 3 << gif << false;
    QTest::newRow("PNG in the strip") << 2 << Encoded(picture, "PNG") << false;
    QTest::newRow("cut GIF") << 1 << gif.left(20) << false;
    QTest::newRow("no such place") << 4 << gif << false;
}

void TestContentAdmin::bannersTakeOnlyTheirSlotsFormat()
{
    QFETCH(int, slot);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    if (!taken) {
        QVERIFY_THROWS_EXCEPTION(platform::Error, appserver::SetBanner(*m_db, slot, bytes));
        QCOMPARE(m_db->Scalar(QStringLiteral("SELECT COUNT(*) FROM banner")).toInt(), 0);
        return;
    }
    appserver::SetBanner(*m_db, slot, bytes);
    const auto place = appserver::content::BannerSlotOf(slot);
    QCOMPARE(appserver::content::BannerPicture(*m_db, place), bytes);
    appserver::SetBanner(*m_db, slot, QByteArray());
    QVERIFY(appserver::content::BannerPicture(*m_db, place).isEmpty());
}

void TestContentAdmin::installerMustBeAReadableFile()
{
    QVERIFY_THROWS_EXCEPTION(
        platform::Error, appserver::SetInstaller(*m_db, m_dir.filePath(QStringLiteral("yok.exe"))));
    QVERIFY_THROWS_EXCEPTION(platform::Error, appserver::SetInstaller(*m_db, m_dir.path()));
    QCOMPARE(appserver::Setting(*m_db, QStringLiteral("installer")), QString());
    QFile file(m_dir.filePath(QStringLiteral("kur.exe")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("MZ");
    file.close();
    // Kept as an absolute path, so the server finds it whatever its working folder.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    appserver::SetInstaller(*m_db, QStringLiteral("kur.exe"));
    QCOMPARE(appserver::Setting(*m_db, QStringLiteral("installer")), file.fileName());
    appserver::SetInstaller(*m_db, QString());
    QCOMPARE(appserver::Setting(*m_db, QStringLiteral("installer")), QString());
}

QTEST_MAIN(TestContentAdmin)
#include "test_contentadmin.moc"
