#include "dosyaindiru.h"

#include "platform/deployment.h"
#include "platform/error.h"
#include "platform/numberformat.h"
#include "platform/osinfo.h"
#include "platform/shell.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QProgressBar>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#endif

namespace {

bool IsTransportFailure(QNetworkReply::NetworkError error)
{
    // Connection, time-out and proxy failures; an HTTP error status still brings a body,
    // which is saved and started as it is.
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

} // namespace

Tdosyaindir::Tdosyaindir(QWidget *owner, int serverVersion)
    : QDialog(owner), m_url(InstallerUrl()), m_network(new QNetworkAccessManager(this))
{
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(543, 309);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    sLabel1 = new QLabel(this);
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(27);
    sLabel1->setFont(font);
    sLabel1->setStyleSheet(QStringLiteral("color: rgb(67, 76, 88);"));
    sLabel1->setText(QStringLiteral("Dorvena B2B Programının\r\nYeni versiyonu "
                                    "indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: ") +
                     QString::number(serverVersion) + QLatin1Char('-') +
                     QString::number(kOwnVersion));
    layout->addWidget(sLabel1, 1);
    auto *panel = new QWidget(this);
    panel->setFixedHeight(58);
    auto *panelLayout = new QVBoxLayout(panel);
    bilgi = new QLabel(panel);
    QFont bold(QStringLiteral("Tahoma"));
    bold.setPixelSize(13);
    bold.setBold(true);
    bilgi->setFont(bold);
    ProgressBar1 = new QProgressBar(panel);
    ProgressBar1->setTextVisible(false);
    panelLayout->addWidget(bilgi);
    panelLayout->addWidget(ProgressBar1);
    layout->addWidget(panel);
}

Tdosyaindir::~Tdosyaindir()
{
    if (m_reply) {
        // Closing the dialog mid-download lets the sign-in go on: the abort is no failure to
        // report.
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
    }
}

QString Tdosyaindir::InstallerUrl()
{
    QString host = platform::Deployment::Current().downloadHost;
    if (!host.startsWith(QLatin1String("http")))
        host.prepend(QStringLiteral("http://"));
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host + QStringLiteral("/exe/VelkorSetup.exe");
}

QString Tdosyaindir::InstallerPath()
{
    const QString folder = platform::os::LocalDataFolder();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/VelkorSetup.exe");
}

QString Tdosyaindir::ProgressText(qint64 received, qint64 total)
{
    const QLocale locale;
    const auto two = [&](double v) {
        return platform::FormatFloat(QStringLiteral("0.00"), v, locale);
    };
    const double percent = double(received) / double(total) * 100.0;
    return QStringLiteral("Bilgi: %") + two(percent) + QStringLiteral("  İndirilen: ") +
           two(received / 1024.0 / 1024.0) + QLatin1Char('/') + two(total / 1024.0 / 1024.0) +
           QStringLiteral(" Mb");
}

void Tdosyaindir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tdosyaindir::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tdosyaindir::FormActivate()
{
    if (basladi)
        return; // one download per dialog, however often it is activated
    basladi = true;
    QFile::remove(InstallerPath());

    QNetworkRequest request{QUrl(m_url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(60000);
    request.setRawHeader(
        "Accept",
        "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    request.setRawHeader("Accept-Encoding", "gzip, deflate");
    request.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    request.setRawHeader(
        "User-Agent",
        "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/60.0.3112.32 Safari/537.36");
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this, reply = m_reply.data()](qint64 received, qint64 total) {
                // Without a length the text and the bar stay as they are; Qt gives the received
                // count as the total when an unsized answer ends, so the header is what tells.
                if (total <= 0 || !reply->header(QNetworkRequest::ContentLengthHeader).isValid())
                    return;
                bilgi->setText(ProgressText(received, total));
                ProgressBar1->setMaximum(int(qMin<qint64>(total, INT_MAX)));
                ProgressBar1->setValue(int(qMin<qint64>(received, INT_MAX)));
            });
    connect(m_reply, &QNetworkReply::finished, this, &Tdosyaindir::Finished);
}

void Tdosyaindir::Finished()
{
    QNetworkReply *reply = m_reply;
    reply->deleteLater();
    if (IsTransportFailure(reply->error())) {
        platform::MessageRequest box;
        box.text = QStringLiteral("Hata Oluştu !\r\nHata: ") + reply->errorString();
        box.kind = 1;
        box.buttons = {platform::DialogButton::Ok};
        box.focused = platform::DialogButton::Ok;
        platform::CurrentShell().ShowMessage(box);
        platform::CurrentShell().Terminate(0);
        return;
    }
    const QByteArray body = reply->readAll();
    const QString path = InstallerPath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size()) {
        // The dialog stays; closing it lets the sign-in go on with this version.
        platform::CurrentShell().ShowError(
            QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return;
    }
    file.close();
#ifdef Q_OS_WIN
    ShellExecuteW(reinterpret_cast<HWND>(winId()), L"open",
                  reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), L"/silent",
                  nullptr, SW_SHOWNORMAL);
#else
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    QProcess::startDetached(path, {QStringLiteral("/silent")});
#endif
    platform::CurrentShell().Terminate(0);
}
