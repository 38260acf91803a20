#include "session/baglantiu.h"
#include "session/girisformu.h"

#include "appserver/httpmessage.h"
#include "appserver/scriptedmethods.h"
#include "content/formistekyeniu.h"
#include "platform/connection.h"
#include "platform/inifile.h"
#include "platform/marshal.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The sign-in dialog against a scripted server that also echoes the caller's address.
class TestGirisformu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signsInAndRemembersTheUser();
    void refusesWrongOrInactiveAccounts_data();
    void refusesWrongOrInactiveAccounts();
    void sendsAnUnknownComputerToTheRequestPage();
    void warnsOnEnterInEmptyFields_data();
    void warnsOnEnterInEmptyFields();
    void fillsFieldsOnlyWhenRemembered();
    void reportsAServerErrorThenTheFailure();
    void cancelEndsTheProgram();

private:
    testsupport::RecordingShell &Shell() { return **m_shell; }
    // The server's answer for an account, marshalled.
    QJsonObject Account(const QString &name, const QString &password, int aktif, bool known) const;
    void SignIn(Tgirisform &form);

    QTemporaryDir m_home;
    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<platform::Connection> m_bagc;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
};

void TestGirisformu::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(
        *m_methods, testsupport::TestServer::Options(),
        [](const appserver::HttpRequest &request) -> std::optional<appserver::HttpAnswer> {
            if (request.Path() == "/ip.php" || request.Path() == "/ip") {
                appserver::HttpAnswer answer;
                answer.contentType = "text/plain";
                answer.body = QByteArray::fromStdString(request.remoteAddress) + "\n";
                return answer;
            }
            return std::nullopt;
        });
    // Every address of the deployment points at the test server; the echo answers 127.0.0.1,
    // which is also the firm's public address, so the LAN address is chosen.
    const QByteArray base = "http://127.0.0.1:" + QByteArray::number(m_server->port());
    qputenv("DORVENA_IP_ECHO_URL", base + "/ip.php");
    qputenv("DORVENA_PUBLIC_IP_ECHO_URL", base + "/ip");
    qputenv("DORVENA_PUBLIC_ADDRESS", "127.0.0.1");
    qputenv("DORVENA_LAN_ADDRESS", "127.0.0.1");
    qputenv("DORVENA_WEB_HOST", "localhost");
    qputenv("DORVENA_SERVER_PORT", QByteArray::number(m_server->port()));
    qputenv("DORVENA_MACHINE_ID", "TEST-PC-1");
}

void TestGirisformu::init()
{
    QFile::remove(Tgirisform::AyarDosyasi());
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = std::make_unique<platform::Connection>();
    m_bagc->SetParam("HostName", "localhost");
    m_bagc->SetParam("Port", QString::number(m_server->port()));
}

void TestGirisformu::cleanup()
{
    m_shell.reset();
    m_methods->Remove("BuyukGetir");
}

QJsonObject TestGirisformu::Account(const QString &name, const QString &password, int aktif,
                                    bool known) const
{
    TSonucBilgisi r;
    r.SetADI(name);
    r.SetSIFRE(password);
    r.SetAKTIF(aktif);
    r.SetVarmi(known);
    r.SetVersion(7);
    r.SetMusteriTipi(0);
    r.SetCARINO(12);
    r.SetCariAdi(QStringLiteral("ÖZ KARDEŞLER OTO"));
    r.SetBILGISAYARID(QStringLiteral("SERVER-SIDE-ID"));
    return QJsonDocument::fromJson(platform::marshal::Writer().Text(r)).object();
}

void TestGirisformu::SignIn(Tgirisform &form)
{
    form.show();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
}

void TestGirisformu::signsInAndRemembersTheUser()
{
    m_methods->Returns("BuyukGetir", Account("AHMET", "1234", 1, true));
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.bagim = m_bagc.get();
    form.Bilgim = &bilgi;
    form.adi->setText("AHMET");
    form.sifre->setText("1234");
    SignIn(form);
    QTRY_COMPARE_WITH_TIMEOUT(form.result(), int(QDialog::Accepted), 10000);

    QCOMPARE(m_methods->LastCall("BuyukGetir")->String("idsi"), QStringLiteral("TEST-PC-1"));
    QCOMPARE(bilgi.CariAdi(), QStringLiteral("ÖZ KARDEŞLER OTO"));
    QCOMPARE(bilgi.Disip(), QStringLiteral("127.0.0.1"));
    QCOMPARE(bilgi.BILGISAYARID(), QStringLiteral("TEST-PC-1")); // the client's own identity again
    QCOMPARE(m_bagc->Param("HostName"),
             QStringLiteral("127.0.0.1")); // inside the firm: LAN address
    QVERIFY(Shell().messages.isEmpty());

    const platform::IniFile ini(Tgirisform::AyarDosyasi());
    QCOMPARE(ini.ReadString("kullanici", "isim"), QStringLiteral("AHMET"));
    QCOMPARE(ini.ReadString("kullanici", "sifre"), QStringLiteral("1234"));
    QFile raw(Tgirisform::AyarDosyasi());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("hatırla=1")); // the key as written, in UTF-8
}

void TestGirisformu::refusesWrongOrInactiveAccounts_data()
{
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<int>("aktif");
    QTest::addColumn<bool>("settingsWritten");
    QTest::newRow("wrong password") << "9999" << 1 << false;
    QTest::newRow("password with an extra letter") << "1234X" << 1 << false;
    QTest::newRow("inactive account, right password") << "1234" << 0 << true;
}

void TestGirisformu::refusesWrongOrInactiveAccounts()
{
    QFETCH(QString, typedPassword);
    QFETCH(int, aktif);
    QFETCH(bool, settingsWritten);
    m_methods->Returns("BuyukGetir", Account("AHMET", "1234", aktif, true));
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.bagim = m_bagc.get();
    form.Bilgim = &bilgi;
    form.adi->setText("AHMET");
    form.sifre->setText(typedPassword);
    SignIn(form);
    QTRY_COMPARE_WITH_TIMEOUT(Shell().messages.size(), 1, 10000);
    QCOMPARE(Shell().messages[0].text,
             QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"));
    QCOMPARE(Shell().messages[0].kind, 0);
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(form.isVisible());
    QCOMPARE(QFile::exists(Tgirisform::AyarDosyasi()), settingsWritten);
}

void TestGirisformu::sendsAnUnknownComputerToTheRequestPage()
{
    TSonucBilgisi unknown; // what the server answers for a computer it does not know
    unknown.SetVersion(7);
    m_methods->Returns("BuyukGetir",
                       QJsonDocument::fromJson(platform::marshal::Writer().Text(unknown)).object());
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.bagim = m_bagc.get();
    form.Bilgim = &bilgi;
    form.adi->setText("AHMET");
    form.sifre->setText("1234");
    QUrl shown;
    QString caption;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *page = qobject_cast<Tformistekyeni *>(QApplication::activeModalWidget())) {
            shown = page->Address();
            caption = page->windowTitle();
            page->close();
        }
    });
    closer.start(20);
    SignIn(form);
    QTRY_COMPARE_WITH_TIMEOUT(Shell().exitCodes, QList<int>{0}, 10000);
    QCOMPARE(caption, QStringLiteral("Dorvena B2B İstek Formu"));
    QCOMPARE(shown.host(), QStringLiteral("localhost"));
    QCOMPARE(shown.path(), QStringLiteral("/formmailgonder.aspx"));
    QCOMPARE(shown.query(QUrl::FullyDecoded), QStringLiteral("carino=0&kullanici= &id=TEST-PC-1"));
}

void TestGirisformu::warnsOnEnterInEmptyFields_data()
{
    QTest::addColumn<bool>("inName");
    QTest::addColumn<QString>("message");
    QTest::newRow("name") << true << "Lütfen kullanıcı adını giriniz !";
    QTest::newRow("password") << false << "Lütfen kullanıcı şifresini giriniz !";
}

void TestGirisformu::warnsOnEnterInEmptyFields()
{
    QFETCH(bool, inName);
    QFETCH(QString, message);
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.bagim = m_bagc.get();
    form.Bilgim = &bilgi;
    form.show();
    form.adi->setText(inName ? "   " : "AHMET");
    QLineEdit *field = inName ? form.adi : form.sifre;
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Shell().messages.size(), 1);
    QCOMPARE(Shell().messages[0].text, message);
    QVERIFY(form.Button1->isEnabled()); // no sign-in started
    QCOMPARE(m_methods->CallCount("BuyukGetir"), 0);
}

void TestGirisformu::fillsFieldsOnlyWhenRemembered()
{
    platform::IniFile ini(Tgirisform::AyarDosyasi());
    ini.WriteString("kullanici", "isim", "AYŞE");
    ini.WriteString("kullanici", "sifre", "GİZLİ");
    ini.WriteBool("kullanici", "hatırla", true);
    {
        Tgirisform form(nullptr);
        QCOMPARE(form.adi->text(), QStringLiteral("AYŞE"));
        QCOMPARE(form.sifre->text(), QStringLiteral("GİZLİ"));
        QVERIFY(form.benihatirla->isChecked());
    }
    ini.WriteBool("kullanici", "hatırla", false);
    Tgirisform form(nullptr);
    QVERIFY(form.adi->text().isEmpty());
    QVERIFY(form.sifre->text().isEmpty());
    QVERIFY(!form.benihatirla->isChecked());
}

void TestGirisformu::reportsAServerErrorThenTheFailure()
{
    m_methods->Raises("BuyukGetir", QStringLiteral("Veritabanı kapalı"));
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.bagim = m_bagc.get();
    form.Bilgim = &bilgi;
    form.adi->setText("AHMET");
    form.sifre->setText("1234");
    SignIn(form);
    QTRY_COMPARE_WITH_TIMEOUT(Shell().messages.size(), 2, 10000);
    QCOMPARE(Shell().messages[0].text, QStringLiteral("Veritabanı kapalı"));
    QCOMPARE(Shell().messages[1].text, QStringLiteral("Bağlantı Kurulamadı !"));
    QCOMPARE(Shell().messages[1].kind, 1);
    QVERIFY(form.Button1->isEnabled());
}

void TestGirisformu::cancelEndsTheProgram()
{
    TSonucBilgisi bilgi;
    Tgirisform form(nullptr);
    form.show();
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    QCOMPARE(Shell().exitCodes, QList<int>{0});
}

QTEST_MAIN(TestGirisformu)
#include "test_girisformu.moc"
