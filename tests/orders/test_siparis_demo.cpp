#include "bekle.h"
#include "onayyanitlayici.h"

#include "orders/caribakiyeuyari.h"
#include "orders/sepettoplam.h"
#include "orders/siparisgonder.h"

#include "appserver/data/database.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"
#include "support/demoserver.h"
#include "support/recordingshell.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTest>

// Order submission and the account warning against the real server on the demo database,
// signed in as the demo dealer's computer.
class TestSiparisDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sendsTheSelectedLineAndKeepsTheOther();
    void showsTheServersWarningForEachDemoAccount();

private:
    // The session record the server gives a demo computer.
    std::unique_ptr<TSonucBilgisi> Oturum(const QString &bilgisayar);
    std::unique_ptr<TSonucBilgisi> Kopya() const;
    std::unique_ptr<platform::DataSet> SepetVer();
    // Every row of a table as "FIELD=value ..." over the named fields, numbers unformatted.
    static QStringList Satirlar(const platform::DataSet &ds, const QStringList &alanlar);

    std::unique_ptr<testsupport::DemoServer> m_server;
    std::unique_ptr<platform::Connection> m_baglanti; // the test's own, for setting up and checking
    std::unique_ptr<TServerMethods1Client> m_proxy;
    std::unique_ptr<TSonucBilgisi> m_sbilgi;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
};

void TestSiparisDemo::initTestCase()
{
    m_server = std::make_unique<testsupport::DemoServer>(60);
    m_baglanti = std::make_unique<platform::Connection>(m_server->connection());
    m_baglanti->Open();
    m_proxy = std::make_unique<TServerMethods1Client>(m_baglanti.get());
}

void TestSiparisDemo::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<testsupport::ShellGuard>();
}

void TestSiparisDemo::cleanup()
{
    testsupport::ArkaPlanBitsin();
    m_shell.reset();
}

std::unique_ptr<TSonucBilgisi> TestSiparisDemo::Oturum(const QString &bilgisayar)
{
    auto sbilgi = std::make_unique<TSonucBilgisi>();
    TSonucBilgisi *cevap = m_proxy->BuyukGetir(bilgisayar);
    if (!cevap)
        return nullptr;
    sbilgi->Kopyala(*cevap);
    return sbilgi;
}

std::unique_ptr<TSonucBilgisi> TestSiparisDemo::Kopya() const
{
    auto b = std::make_unique<TSonucBilgisi>();
    b->Kopyala(*m_sbilgi);
    return b;
}

std::unique_ptr<platform::DataSet> TestSiparisDemo::SepetVer()
{
    auto sepet = m_proxy->Devral(m_proxy->SepetVer2(m_sbilgi->CARINO()));
    if (sepet)
        SayiBicimle(*sepet);
    return sepet;
}

QStringList TestSiparisDemo::Satirlar(const platform::DataSet &ds, const QStringList &alanlar)
{
    QStringList out;
    for (int row = 0; row < ds.RecordCount(); ++row) {
        QStringList degerler;
        for (const QString &alan : alanlar) {
            const platform::Field &f = ds.FieldByName(alan);
            degerler << alan + QLatin1Char('=') +
                            (f.IsNumeric() ? QString::number(f.FloatAt(row)) : f.StringAt(row));
        }
        out << degerler.join(QLatin1Char(' '));
    }
    return out;
}

void TestSiparisDemo::sendsTheSelectedLineAndKeepsTheOther()
{
    m_sbilgi = Oturum(QStringLiteral("DEMO-PC-0000"));
    QVERIFY(m_sbilgi);
    const int carino = m_sbilgi->CARINO();

    // An empty basket, then two items in it, the first one selected.
    m_proxy->SepetHepsiniSil(Kopya());
    QSqlQuery stok = m_server->database().Exec(
        QStringLiteral("SELECT id, kod, adi, kdv, listefiyat FROM stok WHERE listefiyat > 0"
                       " ORDER BY id LIMIT 2"));
    QList<int> stoklar;
    while (stok.next()) {
        const int stokno = stok.value(0).toInt();
        stoklar << stokno;
        m_proxy->SepetEkle2(Kopya(), carino, stokno, stok.value(1).toString(),
                            stok.value(2).toString(), stoklar.size() == 1 ? 3 : 5,
                            stok.value(3).toDouble(), stok.value(4).toDouble(), 0,
                            m_sbilgi->Sirano(), 0, 0, 0, 0);
    }
    QCOMPARE(stoklar.size(), 2);
    {
        std::unique_ptr<platform::DataSet> sepet = SepetVer();
        QCOMPARE(sepet->RecordCount(), 2);
        for (int row = 0; row < 2; ++row) {
            const int secim = sepet->FieldByName("STOKNO").IntAt(row) == stoklar[0] ? 1 : 0;
            m_proxy->SepetSecimGuncelle(int(sepet->FieldByName("SIRANO").IntAt(row)), secim);
        }
    }
    std::unique_ptr<platform::DataSet> sepet = SepetVer();
    const SepetToplamlari secilen = SepetToplamHesapla(*sepet);
    const int oncekiSiparisler = m_proxy->OncekiSiparisler(carino)->RecordCount();

    // The main window's part: its connection, the warning under the basket, the note.
    platform::Connection bagc = m_server->connection();
    QWidget pencere;
    auto *lbluyarbakiye = new QLabel(&pencere);
    auto *aciklamagir = new QPlainTextEdit(QStringLiteral("Uçtan uca sipariş"), &pencere);
    CariBakiyeUyari uyari(lbluyarbakiye);
    uyari.CariBakiyeUyariBak(bagc, carino);
    testsupport::ArkaPlanBitsin();
    int yuklemeler = 0;
    SiparisGonderme g;
    g.pencere = &pencere;
    g.sbilgi = m_sbilgi.get();
    g.bagc = &bagc;
    g.sepet = sepet.get();
    g.aciklamagir = aciklamagir;
    g.uyari = uyari.Metin();
    g.SepetYukle = [&] {
        ++yuklemeler;
        sepet = SepetVer();
    };
    testsupport::OnayYanitlayici onay;
    onay.Yanitla(true);

    QVERIFY(g.Button1Click());

    QCOMPARE(onay.gosterilen, 1);
    QCOMPARE(onay.ozet.section(QStringLiteral("\r\n"), 2, 2),
             QStringLiteral("Tutar    : ") + TutarYazisi(secilen.genel));
    QCOMPARE(onay.uyari, m_proxy->CariVadeGunGecmismiBul(carino));
    QCOMPARE((**m_shell).messages.size(), 1);
    QCOMPARE((**m_shell).messages[0].text, QStringLiteral("Siparişiniz Gönderildi !"));
    QCOMPARE(aciklamagir->toPlainText(), QString());
    QCOMPARE(yuklemeler, 1);

    // The basket keeps only the line that was not selected.
    QCOMPARE(Satirlar(*sepet, {"STOKNO", "MIKTAR", "SEC"}),
             QStringList{QStringLiteral("STOKNO=%1 MIKTAR=5 SEC=0").arg(stoklar[1])});
    // One more order, made of the selected line, with the note and the totals of the panel.
    platform::DataSet *siparisler = m_proxy->OncekiSiparisler(carino);
    QCOMPARE(siparisler->RecordCount(), oncekiSiparisler + 1);
    int yeni = 0;
    int yeniSatir = -1;
    for (int row = 0; row < siparisler->RecordCount(); ++row)
        if (siparisler->FieldByName("IDNO").IntAt(row) > yeni) {
            yeni = int(siparisler->FieldByName("IDNO").IntAt(row));
            yeniSatir = row;
        }
    QCOMPARE(siparisler->FieldByName("VERENINNOTU").StringAt(yeniSatir),
             QStringLiteral("Uçtan uca sipariş"));
    QCOMPARE(TutarYazisi(siparisler->FieldByName("TUTAR").FloatAt(yeniSatir)),
             TutarYazisi(secilen.toplam));
    QCOMPARE(TutarYazisi(siparisler->FieldByName("VERGI").FloatAt(yeniSatir)),
             TutarYazisi(secilen.vergi));
    QCOMPARE(Satirlar(*m_proxy->SiparisAyrintisi2(carino, yeni), {"STOKNO", "MIKTAR"}),
             QStringList{QStringLiteral("STOKNO=%1 MIKTAR=3").arg(stoklar[0])});
}

void TestSiparisDemo::showsTheServersWarningForEachDemoAccount()
{
    // Every demo computer's account: the label shows exactly the server's warning text.
    int uyarilar = 0;
    for (int i = 0; i < 5; ++i) {
        m_sbilgi = Oturum(QStringLiteral("DEMO-PC-%1").arg(i, 4, 10, QLatin1Char('0')));
        QVERIFY(m_sbilgi);
        const int carino = m_sbilgi->CARINO();
        QLabel lbluyarbakiye;
        CariBakiyeUyari uyari(&lbluyarbakiye);
        uyari.CariBakiyeUyariBak(m_server->connection(), carino);
        testsupport::ArkaPlanBitsin();

        const QString sunucu = m_proxy->CariVadeGunGecmismiBul(carino);
        QCOMPARE(lbluyarbakiye.text(), sunucu);
        if (!sunucu.isEmpty()) {
            ++uyarilar;
            // Only an account that owes something can owe it late.
            QVERIFY2(m_proxy->CariDurumVer(carino).toDouble() > 0, qPrintable(sunucu));
        }
    }
    QVERIFY2(uyarilar > 0, "the demo has no overdue account: the check above proved nothing");
}

QTEST_MAIN(TestSiparisDemo)
#include "test_siparis_demo.moc"
