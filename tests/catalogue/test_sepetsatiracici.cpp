#include "catalogue/orantiliresim.h"
#include "catalogue/sepetsatiracici.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/tutarkutusu.h"
#include "dialogsurucu.h"

#include "appserver/data/database.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/numberformat.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"
#include "support/demoserver.h"
#include "support/recordingshell.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

Q_DECLARE_METATYPE(KaynakListe)

using catalogue_test::DialogSur;
using catalogue_test::ResimleriBekle;

// The openers end to end against the real server on the demo database: lines go into the
// customer's basket and come back with the server's amounts, an item already there changes its
// line, and pictures come from the server's web host.
class TestSepetSatirAcici : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addsANewLineWithTheServersAmounts_data();
    void addsANewLineWithTheServersAmounts();
    void changesTheLineOfAnItemAlreadyInTheBasket_data();
    void changesTheLineOfAnItemAlreadyInTheBasket();
    void showsTheItemsPictureFromTheWebHost_data();
    void showsTheItemsPictureFromTheWebHost();

private:
    void GirisYap(const QString &bilgisayar);
    std::unique_ptr<platform::DataSet> Liste(KaynakListe kaynak,
                                             const QString &arama = QStringLiteral("FREN"));
    void SepetYukle();
    QStringList SatirlarOf(int stokno); // the basket lines of an item, "MIKTAR x BIRIMFIYAT"
    SepetSatirAcici Acici();
    std::unique_ptr<TSonucBilgisi> Kopya() const;

    std::unique_ptr<testsupport::DemoServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    std::unique_ptr<platform::Connection> m_bagc;
    std::unique_ptr<TSonucBilgisi> m_sbilgi;
    std::unique_ptr<platform::DataSet> m_sepet;
    int m_yuklendi = 0;
};

namespace {

QString Tutar(double value)
{
    return platform::FormatFloat(QStringLiteral("#,###,##0.00"), value);
}

QString Boyut(const QPixmap &p)
{
    return QString("%1x%2").arg(p.width()).arg(p.height());
}

} // namespace

void TestSepetSatirAcici::initTestCase()
{
    m_server = std::make_unique<testsupport::DemoServer>(300);
    // The demo server is also the web host of item pictures, reached at the LAN address.
    qputenv("DORVENA_WEB_HOST", "127.0.0.1");
    qputenv("DORVENA_LAN_ADDRESS", "127.0.0.1");
    qputenv("DORVENA_WEB_PORT", QByteArray::number(m_server->port()));
    Tip().gecerliip = "127.0.0.1";
}

void TestSepetSatirAcici::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = std::make_unique<platform::Connection>(m_server->connection());
    m_sepet.reset(); // the basket tab has not been shown yet
    m_yuklendi = 0;
}

void TestSepetSatirAcici::cleanup()
{
    ResimleriBekle();
    QCOMPARE((*m_shell)->errors, QStringList());
    QCOMPARE((*m_shell)->messages.size(), 0);
    m_shell.reset();
}

void TestSepetSatirAcici::GirisYap(const QString &bilgisayar)
{
    platform::Connection c = m_server->connection();
    c.Open();
    TServerMethods1Client proxy(&c);
    m_sbilgi = proxy.Devral(proxy.BuyukGetir(bilgisayar));
    QVERIFY(m_sbilgi && m_sbilgi->Varmi());
    proxy.SepetHepsiniSil(Kopya()); // every test starts from an empty basket
}

std::unique_ptr<TSonucBilgisi> TestSepetSatirAcici::Kopya() const
{
    auto b = std::make_unique<TSonucBilgisi>();
    b->Kopyala(*m_sbilgi);
    return b;
}

std::unique_ptr<platform::DataSet> TestSepetSatirAcici::Liste(KaynakListe kaynak,
                                                              const QString &arama)
{
    platform::Connection c = m_server->connection();
    c.Open();
    TServerMethods1Client proxy(&c);
    std::unique_ptr<platform::DataSet> liste;
    switch (kaynak) {
    case KaynakListe::Stok:
        liste = proxy.Devral(proxy.StokAraGetir(arama, Kopya()));
        break;
    case KaynakListe::Yeniler:
        liste = proxy.Devral(proxy.YenilerVer2(m_sbilgi->CARINO()));
        break;
    case KaynakListe::Kampanyali:
        liste = proxy.Devral(proxy.KampanyaliVer2(m_sbilgi->CARINO(), m_sbilgi->MusteriTipi()));
        break;
    }
    SayiBicimle(*liste);
    return liste;
}

void TestSepetSatirAcici::SepetYukle()
{
    platform::Connection c = m_server->connection();
    c.Open();
    TServerMethods1Client proxy(&c);
    m_sepet = proxy.Devral(proxy.SepetVer2(m_sbilgi->CARINO()));
    SayiBicimle(*m_sepet);
    ++m_yuklendi;
}

QStringList TestSepetSatirAcici::SatirlarOf(int stokno)
{
    QStringList lines;
    for (m_sepet->First(); !m_sepet->Eof(); m_sepet->Next())
        if (m_sepet->FieldByName("STOKNO").AsInteger() == stokno)
            lines << QString("%1 x %2")
                         .arg(m_sepet->FieldByName("MIKTAR").AsFloat())
                         .arg(Tutar(m_sepet->FieldByName("BIRIMFIYAT").AsFloat()));
    return lines;
}

SepetSatirAcici TestSepetSatirAcici::Acici()
{
    SepetSatirAcici::Baglam b;
    b.sbilgi = m_sbilgi.get();
    b.bagc = m_bagc.get();
    b.sepet = [this] { return m_sepet.get(); };
    b.SepetYukle = [this] { SepetYukle(); };
    return SepetSatirAcici(b);
}

void TestSepetSatirAcici::addsANewLineWithTheServersAmounts_data()
{
    QTest::addColumn<QString>("bilgisayar");
    QTest::addColumn<KaynakListe>("kaynak");
    QTest::addColumn<int>("miktar");
    QTest::addColumn<QString>("fiyat"); // typed into the unit price; empty leaves the list price
    QTest::addColumn<QString>("resim"); // loaded over the server before the dialog shows

    QTest::newRow("dealer, stock list") << "DEMO-PC-0000" << KaynakListe::Stok << 3 << ""
                                        << "";
    QTest::newRow("dealer, new items") << "DEMO-PC-0000" << KaynakListe::Yeniler << 2 << ""
                                       << "320x240";
    QTest::newRow("dealer, campaign items") << "DEMO-PC-0000" << KaynakListe::Kampanyali << 4 << ""
                                            << "320x240";
    QTest::newRow("salesperson with a price of their own")
        << "DEMO-PC-0001" << KaynakListe::Stok << 2 << "123,45"
        << "";
}

void TestSepetSatirAcici::addsANewLineWithTheServersAmounts()
{
    QFETCH(QString, bilgisayar);
    QFETCH(KaynakListe, kaynak);
    QFETCH(int, miktar);
    QFETCH(QString, fiyat);
    QFETCH(QString, resim);
    GirisYap(bilgisayar);
    const std::unique_ptr<platform::DataSet> liste = Liste(kaynak);
    QVERIFY(liste->RecordCount() > 0);
    liste->Last(); // the opener positions the list itself
    const int stokno = liste->FieldByName("STOK_STOKNO").AsInteger();
    const QString barkod = liste->FieldByName("BARKOD").AsString();
    const double listeFiyati = liste->FieldByName("FIYAT").AsFloat();
    liste->First();

    QString gosterilen, tutarlar, etiket;
    DialogSur([&](Tstokayarinti &d) {
        etiket = d.barkod->text();
        if (kaynak != KaynakListe::Stok)
            gosterilen = Boyut(d.Image1->Picture());
        d.adet->setValue(miktar);
        if (!fiyat.isEmpty()) {
            d.birimfiyat->selectAll();
            QTest::keyClicks(d.birimfiyat, fiyat);
        }
        tutarlar = d.indtutar->text() + " | " + d.geneltutar->text();
        d.ParcaliTus1->click();
    });

    Acici().ListeCiftTik(kaynak, *liste, stokno);

    QCOMPARE(etiket, barkod);
    QCOMPARE(gosterilen, resim);
    QCOMPARE(m_yuklendi, 2); // once before the dialog (it was not open), once after the add
    const QString birimFiyat = fiyat.isEmpty() ? Tutar(listeFiyati) : fiyat;
    QCOMPARE(SatirlarOf(stokno), QStringList{QString("%1 x %2").arg(miktar).arg(birimFiyat)});
    QVERIFY(SepettekiSatir(m_sepet.get(), stokno));
    QCOMPARE(tutarlar, Tutar(m_sepet->FieldByName("INDIRIMTUTAR").AsFloat()) + " | " +
                           Tutar(m_sepet->FieldByName("KDVLITUTAR").AsFloat()));
}

void TestSepetSatirAcici::changesTheLineOfAnItemAlreadyInTheBasket_data()
{
    QTest::addColumn<QString>("bilgisayar");
    QTest::addColumn<KaynakListe>("kaynak");
    QTest::addColumn<QString>("fiyat");

    QTest::newRow("stock list") << "DEMO-PC-0000" << KaynakListe::Stok << "";
    QTest::newRow("new items") << "DEMO-PC-0000" << KaynakListe::Yeniler << "";
    QTest::newRow("campaign items") << "DEMO-PC-0000" << KaynakListe::Kampanyali << "";
    QTest::newRow("salesperson changes the price")
        << "DEMO-PC-0002" << KaynakListe::Stok << "99,90";
}

void TestSepetSatirAcici::changesTheLineOfAnItemAlreadyInTheBasket()
{
    QFETCH(QString, bilgisayar);
    QFETCH(KaynakListe, kaynak);
    QFETCH(QString, fiyat);
    GirisYap(bilgisayar);
    const std::unique_ptr<platform::DataSet> liste = Liste(kaynak);
    QVERIFY(liste->RecordCount() > 0);
    const int stokno = liste->FieldByName("STOK_STOKNO").AsInteger();
    const QString listeFiyati = Tutar(liste->FieldByName("FIYAT").AsFloat());

    DialogSur([](Tstokayarinti &d) {
        d.adet->setValue(2);
        d.ParcaliTus1->click();
    });
    Acici().ListeCiftTik(kaynak, *liste, stokno);
    QCOMPARE(SatirlarOf(stokno), QStringList{"2 x " + listeFiyati});

    QString acilista;
    DialogSur([&](Tstokayarinti &d) {
        acilista = QString("%1 x %2, %3")
                       .arg(d.adet->value())
                       .arg(d.birimfiyat->text(), d.indirimoran->text());
        d.adet->setValue(5);
        if (!fiyat.isEmpty()) {
            d.birimfiyat->selectAll();
            QTest::keyClicks(d.birimfiyat, fiyat);
        }
        d.ParcaliTus1->click();
    });
    Acici().ListeCiftTik(kaynak, *liste, stokno);

    QVERIFY2(acilista.startsWith("2 x " + listeFiyati + ", İndirim: %"), qPrintable(acilista));
    // Adding again would have made one line of 7.
    QCOMPARE(SatirlarOf(stokno), QStringList{"5 x " + (fiyat.isEmpty() ? listeFiyati : fiyat)});
}

void TestSepetSatirAcici::showsTheItemsPictureFromTheWebHost_data()
{
    QTest::addColumn<QString>("sorgu"); // picks the item
    QTest::addColumn<QString>("gorunen");

    QTest::newRow("an item with a picture") << "SELECT stok_id FROM resim ORDER BY stok_id"
                                            << "320x240";
    QTest::newRow("an item without one")
        << "SELECT id FROM stok WHERE id NOT IN (SELECT stok_id FROM resim) ORDER BY id"
        << "placeholder";
}

void TestSepetSatirAcici::showsTheItemsPictureFromTheWebHost()
{
    QFETCH(QString, sorgu);
    QFETCH(QString, gorunen);
    GirisYap("DEMO-PC-0000");
    const int stokno = m_server->database().Scalar(sorgu).toInt();
    const QString kod =
        m_server->database().Scalar("SELECT kod FROM stok WHERE id = ?", {stokno}).toString();
    const std::unique_ptr<platform::DataSet> liste = Liste(KaynakListe::Stok, kod);
    QVERIFY(liste->Locate("STOK_STOKNO", stokno));

    Tstokayarinti d(nullptr);
    YeniSatirDoldur(d, KaynakListe::Stok, ListeSatiri::Oku(*liste), m_sbilgi->MusteriTipi());
    const qint64 yerTutucu = d.Image1->Picture().cacheKey();
    d.show();
    ResimleriBekle();

    QCOMPARE(d.Image1->Picture().cacheKey() == yerTutucu ? QString("placeholder")
                                                         : Boyut(d.Image1->Picture()),
             gorunen);
}

QTEST_MAIN(TestSepetSatirAcici)
#include "test_sepetsatiracici.moc"
