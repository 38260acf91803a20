#include "content/dosyaindiru.h"

#include "appserver/httpmessage.h"
#include "appserver/scriptedmethods.h"
#include "platform/osinfo.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

namespace {

// A RecordingShell that also notes how many exits had been asked for when each message
// appeared, so that "message, then end" can be told from "end, then message".
class OrderShell : public testsupport::RecordingShell
{
public:
    QList<int> exitsBeforeMessage;
    int ShowMessage(const platform::MessageRequest &request) override
    {
        exitsBeforeMessage.append(int(exitCodes.size()));
        return RecordingShell::ShowMessage(request);
    }
};

class OrderShellGuard
{
public:
    OrderShellGuard()
    {
        auto shell = std::make_unique<OrderShell>();
        m_shell = shell.get();
        m_previous = platform::InstallShell(std::move(shell));
    }
    ~OrderShellGuard() { platform::InstallShell(std::move(m_previous)); }
    OrderShell &operator*() const { return *m_shell; }

private:
    OrderShell *m_shell;
    std::unique_ptr<platform::Shell> m_previous;
};

// Raw HTTP the application server never sends: a body without a length, a body cut short,
// an answer that is not HTTP. Chosen by the request's path.
class RawServer : public QTcpServer
{
public:
    QByteArray body;

    RawServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
            }
        });
    }

private:
    void Serve(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        m_pending.remove(socket);
        if (path == "/unsized")
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: "
                          "application/octet-stream\r\nConnection: close\r\n\r\n" +
                          body);
        else if (path == "/cut")
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: "
                          "application/octet-stream\r\nContent-Length: 100000\r\n\r\n" +
                          body.left(10));
        else
            socket->write("THIS IS NOT HTTP\r\n\r\n");
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> m_pending;
};

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The self-update dialog against the test server's web pages standing for the download host.
class TestDosyaindir : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noticeNamesBothVersions_data();
    void noticeNamesBothVersions();
    void installerComesFromTheDownloadHostToTheLocalDataFolder();
    void formatsTheProgress_data();
    void formatsTheProgress();
    void asksLikeABrowser();
    void savesAndStartsWhateverBodyArrives_data();
    void savesAndStartsWhateverBodyArrives();
    void startsOneDownloadPerDialog_data();
    void startsOneDownloadPerDialog();
    void reportsATransportFailureThenEnds_data();
    void reportsATransportFailureThenEnds();
    void staysOpenWhenTheFileCannotBeWritten();
    void closingDuringTheDownloadEndsNothing();

private:
    // What the download host answers for the installer.
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray location; // a redirect when set
        bool gated = false;  // held until m_gate is released
    };
    void Serve(const Answer &answer);
    int Requests() const;
    std::optional<appserver::HttpAnswer> Fallback(const appserver::HttpRequest &request);
    // The installer: a script that writes its arguments to the marker file.
    QByteArray Script() const;
    QString Marker() const { return m_dir.filePath(QStringLiteral("marker.txt")); }
    void PlaceOldInstaller();
    OrderShell &Shell() { return **m_shell; }

    QTemporaryDir m_dir;
    appserver::ScriptedMethods m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<RawServer> m_raw;
    quint16 m_deadPort = 0;
    std::unique_ptr<OrderShellGuard> m_shell;

    mutable std::mutex m_lock;
    Answer m_answer;
    QList<appserver::HttpRequest> m_requests;
    QSemaphore m_gate;
};

void TestDosyaindir::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CACHE_HOME", m_dir.filePath(QStringLiteral("cache")).toUtf8());
    m_server = std::make_unique<testsupport::TestServer>(
        m_methods, testsupport::TestServer::Options(),
        [this](const appserver::HttpRequest &request) { return Fallback(request); });
    // Read once by the program: must be set before anything asks for the deployment.
    qputenv("DORVENA_DOWNLOAD_HOST", "127.0.0.1:" + QByteArray::number(m_server->port()));
    m_raw = std::make_unique<RawServer>();
    QVERIFY(m_raw->isListening());
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_deadPort = probe.serverPort();
    probe.close(); // nothing listens there from now on
}

void TestDosyaindir::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<OrderShellGuard>();
    QFile::remove(Marker());
    QFile::remove(Tdosyaindir::InstallerPath());
    Serve(Answer{200, Script(), {}, false});
}

void TestDosyaindir::cleanup()
{
    m_gate.release(100); // a held answer must not keep the server from stopping
    m_shell.reset();
    QLocale::setDefault(QLocale::c());
}

void TestDosyaindir::Serve(const Answer &answer)
{
    std::lock_guard lock(m_lock);
    m_answer = answer;
    m_requests.clear();
    m_gate.tryAcquire(m_gate.available());
}

int TestDosyaindir::Requests() const
{
    std::lock_guard lock(m_lock);
    return int(m_requests.size());
}

std::optional<appserver::HttpAnswer> TestDosyaindir::Fallback(const appserver::HttpRequest &request)
{
    if (request.Path() != "/exe/VelkorSetup.exe")
        return std::nullopt;
    Answer answer;
    {
        std::lock_guard lock(m_lock);
        m_requests.append(request);
        answer = m_answer;
    }
    if (answer.gated)
        m_gate.tryAcquire(1, 30000);
    appserver::HttpAnswer http;
    http.status = answer.status;
    http.contentType = "application/octet-stream";
    http.body = answer.body;
    if (!answer.location.isEmpty())
        http.headers.emplace_back("Location", answer.location.toStdString());
    return http;
}

QByteArray TestDosyaindir::Script() const
{
    return "#!/bin/sh\necho \"$@\" > '" + Marker().toUtf8() + "'\n";
}

void TestDosyaindir::PlaceOldInstaller()
{
    QFile old(Tdosyaindir::InstallerPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the previous installer");
}

void TestDosyaindir::noticeNamesBothVersions_data()
{
    QTest::addColumn<int>("serverVersion");
    QTest::addColumn<QString>("ending");
    QTest::newRow("newer") << 8 << "Version: 8-7";
    QTest::newRow("older") << 6 << "Version: 6-7";
    QTest::newRow("two digits") << 12 << "Version: 12-7";
}

void TestDosyaindir::noticeNamesBothVersions()
{
    QFETCH(int, serverVersion);
    QFETCH(QString, ending);
    Tdosyaindir dialog(nullptr, serverVersion);
    QCOMPARE(dialog.sLabel1->text(),
             QStringLiteral("Dorvena B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                            "Lütfen Bekleyiniz...!\r\n") +
                 ending);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dosya İndir"));
    QCOMPARE(dialog.size(), QSize(543, 309));
    QVERIFY(!dialog.basladi);
    QCOMPARE(Requests(), 0); // nothing is fetched before the window is shown
}

void TestDosyaindir::installerComesFromTheDownloadHostToTheLocalDataFolder()
{
    QCOMPARE(Tdosyaindir::InstallerUrl(), m_server->url(QStringLiteral("/exe/VelkorSetup.exe")));
    QCOMPARE(Tdosyaindir::InstallerPath(),
             platform::os::LocalDataFolder() + QStringLiteral("/VelkorSetup.exe"));
    QVERIFY(Tdosyaindir::InstallerPath().startsWith(m_dir.path()));
}

void TestDosyaindir::formatsTheProgress_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    const qint64 mb = 1024 * 1024;
    QTest::newRow("half") << tr << 3 * mb / 2 << 3 * mb << "Bilgi: %50,00  İndirilen: 1,50/3,00 Mb";
    QTest::newRow("nothing yet") << tr << qint64(0) << 3 * mb
                                 << "Bilgi: %0,00  İndirilen: 0,00/3,00 Mb";
    QTest::newRow("all of it") << tr << 3 * mb << 3 * mb
                               << "Bilgi: %100,00  İndirilen: 3,00/3,00 Mb";
    QTest::newRow("two decimals, rounded")
        << tr << qint64(1) << qint64(3) << "Bilgi: %33,33  İndirilen: 0,00/0,00 Mb";
    QTest::newRow("no thousands separator")
        << tr << 1536 * mb << 2048 * mb << "Bilgi: %75,00  İndirilen: 1536,00/2048,00 Mb";
    QTest::newRow("separator from the locale")
        << QLocale(QLocale::English, QLocale::UnitedStates) << 3 * mb / 2 << 3 * mb
        << "Bilgi: %50.00  İndirilen: 1.50/3.00 Mb";
}

void TestDosyaindir::formatsTheProgress()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(Tdosyaindir::ProgressText(received, total), text);
}

void TestDosyaindir::asksLikeABrowser()
{
    Tdosyaindir dialog(nullptr, 8);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(Shell().exitCodes, QList<int>{0}, 20000);
    std::lock_guard lock(m_lock);
    QCOMPARE(m_requests.size(), 1);
    const appserver::HttpRequest &request = m_requests.first();
    QCOMPARE(request.method, std::string("GET"));
    QCOMPARE(request.Header("Accept"), std::string("text/html,application/xhtml+xml,application/"
                                                   "xml;q=0.9,image/webp,image/apng,*/*;q=0.8"));
    QCOMPARE(request.Header("Accept-Encoding"), std::string("gzip, deflate"));
    QCOMPARE(request.Header("Accept-Language"), std::string("en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"));
    QCOMPARE(request.Header("User-Agent"),
             std::string(
                 "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                 "Chrome/60.0.3112.32 Safari/537.36"));
    QVERIFY(request.Header("Cookie").empty());
}

void TestDosyaindir::savesAndStartsWhateverBodyArrives_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<bool>("sized");
    const QByteArray raw = "http://127.0.0.1:" + QByteArray::number(m_raw->serverPort());
    QTest::newRow("with a length") << 200 << QByteArray() << true;
    QTest::newRow("without a length, after a redirect") << 302 << raw + "/unsized" << false;
    QTest::newRow("not found: the status is not examined") << 404 << QByteArray() << true;
    QTest::newRow("server error: the status is not examined") << 500 << QByteArray() << true;
}

void TestDosyaindir::savesAndStartsWhateverBodyArrives()
{
    QFETCH(int, status);
    QFETCH(QByteArray, location);
    QFETCH(bool, sized);
    m_raw->body = Script();
    Serve(Answer{status, location.isEmpty() ? Script() : QByteArray(), location, false});
    PlaceOldInstaller();

    Tdosyaindir dialog(nullptr, 8);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(Shell().exitCodes, QList<int>{0}, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(ReadFile(Marker()), QByteArray("/silent\n"),
                              20000);                           // the installer ran, silently
    QCOMPARE(ReadFile(Tdosyaindir::InstallerPath()), Script()); // replacing the old one
    QVERIFY(QFileInfo(Tdosyaindir::InstallerPath()).permissions().testFlag(QFileDevice::ExeOwner));
    QVERIFY(Shell().messages.isEmpty());
    QVERIFY(Shell().errors.isEmpty());
    QCOMPARE(Requests(), 1);
    if (sized) {
        QCOMPARE(dialog.bilgi->text(), QStringLiteral("Bilgi: %100,00  İndirilen: 0,00/0,00 Mb"));
        QCOMPARE(dialog.ProgressBar1->maximum(), int(Script().size()));
        QCOMPARE(dialog.ProgressBar1->value(), int(Script().size()));
    } else {
        // Without a length the text and the bar stay as they were.
        QVERIFY2(dialog.bilgi->text().isEmpty(), qPrintable(dialog.bilgi->text()));
        QCOMPARE(dialog.ProgressBar1->maximum(), 100);
    }
}

void TestDosyaindir::startsOneDownloadPerDialog_data()
{
    QTest::addColumn<bool>("hideFirst");
    QTest::newRow("activated again") << false;
    QTest::newRow("shown again") << true;
}

void TestDosyaindir::startsOneDownloadPerDialog()
{
    QFETCH(bool, hideFirst);
    Serve(Answer{200, Script(), {}, true});
    PlaceOldInstaller();
    Tdosyaindir dialog(nullptr, 8);
    dialog.show();
    QTRY_COMPARE(Requests(), 1);
    QVERIFY(dialog.basladi);
    // The old file goes before the new one arrives.
    QVERIFY(!QFile::exists(Tdosyaindir::InstallerPath()));

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    if (hideFirst)
        dialog.hide();
    dialog.show();
    dialog.activateWindow();
    QTRY_VERIFY(dialog.isActiveWindow());
    // A second download would have made its request by now.
    QCOMPARE(dialog.findChildren<QNetworkReply *>().size(), 1);

    m_gate.release();
    QTRY_COMPARE_WITH_TIMEOUT(Shell().exitCodes, QList<int>{0}, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(ReadFile(Marker()), QByteArray("/silent\n"), 20000);
    QCOMPARE(Requests(), 1);
}

void TestDosyaindir::reportsATransportFailureThenEnds_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QString>("reason");
    const QByteArray raw = "http://127.0.0.1:" + QByteArray::number(m_raw->serverPort());
    QTest::newRow("nothing listening")
        << "http://127.0.0.1:" + QByteArray::number(m_deadPort) + "/exe/VelkorSetup.exe"
        << "refused";
    QTest::newRow("cut short") << raw + "/cut"
                               << "closed";
    QTest::newRow("not an HTTP answer") << raw + "/garbage"
                                        << "";
}

void TestDosyaindir::reportsATransportFailureThenEnds()
{
    QFETCH(QByteArray, location);
    QFETCH(QString, reason);
    m_raw->body = Script();
    // The download host sends the client on to where the transfer fails.
    Serve(Answer{302, {}, location, false});
    PlaceOldInstaller();

    Tdosyaindir dialog(nullptr, 8);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(Shell().exitCodes, QList<int>{0}, 20000);
    QCOMPARE(Shell().messages.size(), 1);
    const platform::MessageRequest &box = Shell().messages.first();
    const QString prefix = QStringLiteral("Hata Oluştu !\r\nHata: ");
    QVERIFY2(box.text.startsWith(prefix), qPrintable(box.text));
    QVERIFY2(box.text.size() > prefix.size(), "the error's description follows");
    QVERIFY2(box.text.contains(reason, Qt::CaseInsensitive), qPrintable(box.text));
    QCOMPARE(box.kind, int(platform::MessageKind::Error));
    QCOMPARE(box.buttons, QList<platform::DialogButton>{platform::DialogButton::Ok});
    QCOMPARE(box.focused, platform::DialogButton::Ok);
    QCOMPARE(Shell().exitsBeforeMessage, QList<int>{0});   // the box first, then the end
    QVERIFY(!QFile::exists(Tdosyaindir::InstallerPath())); // the old one stays deleted
    QVERIFY(!QFile::exists(Marker()));
}

void TestDosyaindir::staysOpenWhenTheFileCannotBeWritten()
{
    // A folder in the installer's place can be neither deleted as a file nor written.
    QVERIFY(QDir().mkpath(Tdosyaindir::InstallerPath()));
    Tdosyaindir dialog(nullptr, 8);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(Shell().errors.size(), 1, 20000);
    QVERIFY2(Shell().errors.first().contains(Tdosyaindir::InstallerPath()),
             qPrintable(Shell().errors.first()));
    QVERIFY(Shell().exitCodes.isEmpty()); // closing the dialog lets the sign-in go on
    QVERIFY(Shell().messages.isEmpty());
    QVERIFY(dialog.isVisible());
    QVERIFY(QDir().rmdir(Tdosyaindir::InstallerPath()));
    QVERIFY(!QFile::exists(Marker()));
}

void TestDosyaindir::closingDuringTheDownloadEndsNothing()
{
    Serve(Answer{200, Script(), {}, true});
    auto dialog = std::make_unique<Tdosyaindir>(nullptr, 8);
    dialog->show();
    QTRY_COMPARE(Requests(), 1);
    dialog->close();
    dialog.reset(); // as the sign-in does when the modal dialog returns
    QVERIFY(Shell().messages.isEmpty());
    QVERIFY(Shell().exitCodes.isEmpty());
}

QTEST_MAIN(TestDosyaindir)
#include "test_dosyaindir.moc"
