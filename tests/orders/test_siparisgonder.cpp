#include "onayyanitlayici.h"
#include "sepetfixture.h"

#include "orders/siparisgonder.h"

#include "appserver/scriptedmethods.h"
#include "platform/connection.h"
#include "platform/marshal.h"
#include "session/baglantiu.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTest>

// The basket tab's "Gönder" against a scripted server: what the user is told, what the server
// receives, and what becomes of the note and the basket.
class TestSiparisGonder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tellsThereIsNothingToSend_data();
    void tellsThereIsNothingToSend();
    void showsTheOrderForConfirmation_data();
    void showsTheOrderForConfirmation();
    void sendsNothingWhenTheUserSaysNo();
    void sendsTheOrderAndEmptiesTheNote();
    void keepsTheNoteWhenTheSendFails_data();
    void keepsTheNoteWhenTheSendFails();
    void reportsTheConnectionThenTheFailure();

private:
    testsupport::RecordingShell &Shell() { return **m_shell; }
    // The send as the main window makes it, over the fixture's basket and note.
    SiparisGonderme Gonderme();
    // Every message shown, "kind:text", in order.
    QStringList Mesajlar() const;

    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    std::unique_ptr<platform::Connection> m_bagc;
    std::unique_ptr<TSonucBilgisi> m_sbilgi;
    std::unique_ptr<platform::DataSet> m_sepet;
    std::unique_ptr<QWidget> m_pencere;
    QPlainTextEdit *m_aciklamagir = nullptr;
    std::unique_ptr<testsupport::OnayYanitlayici> m_onay;
    int m_yuklemeler = 0;
};

void TestSiparisGonder::initTestCase()
{
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(*m_methods);
}

void TestSiparisGonder::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = std::make_unique<platform::Connection>(m_server->connection());
    m_sbilgi = std::make_unique<TSonucBilgisi>();
    m_sbilgi->SetADI(QStringLiteral("AHMET YILMAZ"));
    m_sbilgi->SetCariAdi(QStringLiteral("ÖZ KARDEŞLER OTO"));
    m_sbilgi->SetCARINO(12);
    m_sbilgi->SetSirano(34);
    m_sepet = testsupport::Sepet({"1 1000 100 162", "0 50 0 9", "1 234.5 0 42.21"});
    m_pencere = std::make_unique<QWidget>();
    m_aciklamagir = new QPlainTextEdit(m_pencere.get());
    m_aciklamagir->setPlainText(QStringLiteral("Acil gönderim\nCuma teslim"));
    m_onay = std::make_unique<testsupport::OnayYanitlayici>();
    m_yuklemeler = 0;
    m_methods->Remove("SiparisKaydet");
}

void TestSiparisGonder::cleanup()
{
    QCoreApplication::processEvents(); // an answer that found no window goes now
    m_onay.reset();
    m_pencere.reset();
    m_shell.reset();
}

SiparisGonderme TestSiparisGonder::Gonderme()
{
    SiparisGonderme g;
    g.pencere = m_pencere.get();
    g.sbilgi = m_sbilgi.get();
    g.bagc = m_bagc.get();
    g.sepet = m_sepet.get();
    g.aciklamagir = m_aciklamagir;
    g.uyari = QStringLiteral("Vadesi geçmiş 1.250,00 TL borcunuz bulunmaktadır.");
    g.SepetYukle = [this] { ++m_yuklemeler; };
    return g;
}

QStringList TestSiparisGonder::Mesajlar() const
{
    QStringList out;
    for (const platform::MessageRequest &m : (**m_shell).messages)
        out << QStringLiteral("%1:%2").arg(m.kind).arg(m.text);
    return out;
}

void TestSiparisGonder::tellsThereIsNothingToSend_data()
{
    QTest::addColumn<QString>("sepet"); // "yok" not loaded, "kapalı", or the lines
    QTest::addColumn<QStringList>("satirlar");

    QTest::newRow("basket never loaded") << "yok" << QStringList{};
    QTest::newRow("basket closed") << "kapalı" << QStringList{};
    QTest::newRow("empty basket") << "açık" << QStringList{};
    QTest::newRow("lines but none selected")
        << "açık" << QStringList{"0 100 0 18", "2 50 0 9", "- 10 0 1.8"};
}

void TestSiparisGonder::tellsThereIsNothingToSend()
{
    QFETCH(QString, sepet);
    QFETCH(QStringList, satirlar);
    if (sepet == QLatin1String("yok"))
        m_sepet.reset();
    else if (sepet == QLatin1String("kapalı"))
        m_sepet = std::make_unique<platform::DataSet>();
    else
        m_sepet = testsupport::Sepet(satirlar);
    m_methods->Returns("SiparisKaydet", true);
    m_onay->Yanitla(true); // would send, were a confirmation shown

    QVERIFY(!Gonderme().Button1Click());
    QCoreApplication::processEvents();

    QCOMPARE(Mesajlar(), QStringList{"0:Gönderilecek Parça Yok "});
    QCOMPARE(Shell().messages[0].buttons,
             QList<platform::DialogButton>{platform::DialogButton::Ok});
    QCOMPARE(m_onay->gosterilen, 0);
    QCOMPARE(m_methods->CallCount("SiparisKaydet"), 0);
    QCOMPARE(m_aciklamagir->toPlainText(), QStringLiteral("Acil gönderim\nCuma teslim"));
    QCOMPARE(m_yuklemeler, 0);
}

void TestSiparisGonder::showsTheOrderForConfirmation_data()
{
    QTest::addColumn<QString>("aciklama");
    QTest::addColumn<QString>("uyari");
    QTest::addColumn<QString>("ozet");

    // The total is that of the selected lines (1000 - 100 + 162 and 234,50 + 42,21).
    QTest::newRow("note and warning")
        << "Acil gönderim"
        << "Vadesi geçmiş borcunuz var"
        << "Kullanıcı: AHMET YILMAZ\r\nCari     : ÖZ KARDEŞLER OTO\r\n"
           "Tutar    : 1.338,71\r\nAçıklama : Acil gönderim";
    QTest::newRow("empty note, no warning")
        << ""
        << ""
        << "Kullanıcı: AHMET YILMAZ\r\nCari     : ÖZ KARDEŞLER OTO\r\n"
           "Tutar    : 1.338,71\r\nAçıklama : ";
    QTest::newRow("markup is shown as typed")
        << "<b>kalın</b>"
        << "<i>uyarı</i>"
        << "Kullanıcı: AHMET YILMAZ\r\nCari     : ÖZ KARDEŞLER OTO\r\n"
           "Tutar    : 1.338,71\r\nAçıklama : <b>kalın</b>";
}

void TestSiparisGonder::showsTheOrderForConfirmation()
{
    QFETCH(QString, aciklama);
    QFETCH(QString, uyari);
    QFETCH(QString, ozet);
    m_aciklamagir->setPlainText(aciklama);
    SiparisGonderme g = Gonderme();
    g.uyari = uyari;
    m_onay->Yanitla(false);

    g.Button1Click();

    QCOMPARE(m_onay->gosterilen, 1);
    QCOMPARE(m_onay->ozet, ozet);
    QCOMPARE(m_onay->uyari, uyari);
    QCOMPARE(m_onay->sahibi.data(), m_pencere.get());
}

void TestSiparisGonder::sendsNothingWhenTheUserSaysNo()
{
    m_methods->Returns("SiparisKaydet", true);
    m_onay->Yanitla(false);

    QVERIFY(!Gonderme().Button1Click());

    QCOMPARE(m_onay->gosterilen, 1);
    QCOMPARE(m_methods->CallCount("SiparisKaydet"), 0);
    QCOMPARE(Mesajlar(), QStringList{});
    QCOMPARE(m_aciklamagir->toPlainText(), QStringLiteral("Acil gönderim\nCuma teslim"));
    QCOMPARE(m_yuklemeler, 0);
}

void TestSiparisGonder::sendsTheOrderAndEmptiesTheNote()
{
    m_methods->Returns("SiparisKaydet", true);
    m_onay->Yanitla(true);

    QVERIFY(Gonderme().Button1Click());

    QCOMPARE(Mesajlar(), QStringList{"2:Siparişiniz Gönderildi !"});
    QCOMPARE(m_aciklamagir->toPlainText(), QString());
    QCOMPARE(m_yuklemeler, 1);
    QVERIFY(!m_bagc->Connected());

    const std::optional<appserver::MethodCall> call = m_methods->LastCall("SiparisKaydet");
    QVERIFY(call);
    const auto bb = platform::marshal::Reader().Read<TSonucBilgisi>(call->Object("BB"));
    QVERIFY(bb);
    QCOMPARE(QStringLiteral("carino=%1 teslim=%2 kargo=%3 verenid=%4 kargoyeni=%5 aciklama=%6 "
                            "BB=%7/%8/%9")
                 .arg(call->Int("_carino"))
                 .arg(call->Int("_teslim"))
                 .arg(call->Int("_kargo"))
                 .arg(call->Int("_verenid"))
                 .arg(call->Int("_kargoyeni"))
                 .arg(call->String("_aciklama"))
                 .arg(bb->CARINO())
                 .arg(bb->Sirano())
                 .arg(bb->ADI()),
             QStringLiteral("carino=12 teslim=1 kargo=1 verenid=34 kargoyeni=1 "
                            "aciklama=Acil gönderim\nCuma teslim BB=12/34/AHMET YILMAZ"));
}

void TestSiparisGonder::keepsTheNoteWhenTheSendFails_data()
{
    QTest::addColumn<QString>("sunucu"); // "false" or the text of an error the server raises

    QTest::newRow("server answers false") << "false";
    QTest::newRow("server refuses the call") << "SiparisKaydet: the note is too long";
}

void TestSiparisGonder::keepsTheNoteWhenTheSendFails()
{
    QFETCH(QString, sunucu);
    if (sunucu == QLatin1String("false"))
        m_methods->Returns("SiparisKaydet", false);
    else
        m_methods->Raises("SiparisKaydet", sunucu);
    m_onay->Yanitla(true);

    QVERIFY(!Gonderme().Button1Click());

    QCOMPARE(m_methods->CallCount("SiparisKaydet"), 1);
    QCOMPARE(Mesajlar(), QStringList{"1:Sipariş Göndermede Hata"});
    QCOMPARE(m_aciklamagir->toPlainText(), QStringLiteral("Acil gönderim\nCuma teslim"));
    QCOMPARE(m_yuklemeler, 0);
    QVERIFY(!m_bagc->Connected());
}

void TestSiparisGonder::reportsTheConnectionThenTheFailure()
{
    QTcpServer probe; // a port where nothing listens
    probe.listen(QHostAddress::LocalHost, 0);
    m_bagc->SetParam(QStringLiteral("Port"), QString::number(probe.serverPort()));
    probe.close();
    m_onay->Yanitla(true);

    QVERIFY(!Gonderme().Button1Click());

    QCOMPARE(Mesajlar(), (QStringList{"1:Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!",
                                      "1:Sipariş Göndermede Hata"}));
    QCOMPARE(m_aciklamagir->toPlainText(), QStringLiteral("Acil gönderim\nCuma teslim"));
    QCOMPARE(m_yuklemeler, 0);
}

QTEST_MAIN(TestSiparisGonder)
#include "test_siparisgonder.moc"
