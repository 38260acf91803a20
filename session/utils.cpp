#include "utils.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/deployment.h"
#include "platform/error.h"
#include "platform/osinfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <chrono>
#include <thread>

namespace {
constexpr int kOpenAttempts = 11;
constexpr auto kRetryPause = std::chrono::milliseconds(500);
// Names longer than a Windows name may be do not fit the record's field: none then.
QString UpTo15(const QString &name)
{
    return name.size() <= 15 ? name : QString();
}

} // namespace

Tiptut &Tip()
{
    static Tiptut instance;
    return instance;
}

QString BilgisayarAdiAl()
{
    return UpTo15(platform::os::ComputerName());
}

QString KullaniciAdiAl()
{
    return UpTo15(platform::os::UserName());
}

QString IcIpAl()
{
    const QString address = platform::os::FirstIPv4OfHostName();
    return address.isEmpty() ? QStringLiteral("127.0.0.1") : address;
}

QString MacAdresiAl()
{
    return platform::os::FirstAdapterAddress();
}

QString DiskSeriNoAl()
{
    return platform::os::FirstDiskSerial().toUpper();
}

QString BilgisayarIdAlFrom(const std::function<QString()> &diskSerial,
                           const std::function<QString()> &macAddress, const QStringList &aliases,
                           const QString &aliasId)
{
    QString id;
    try {
        id = diskSerial().trimmed();
    } catch (const platform::Error &) {
        id.clear();
    }
    if (id.isEmpty()) {
        try {
            id = macAddress().trimmed();
        } catch (const platform::Error &) {
            id.clear();
        }
    }
    id.remove(QLatin1Char(' '));
    if (!id.isEmpty() && aliases.contains(id))
        id = aliasId;
    return id;
}

QString BilgisayarIdAl()
{
    const platform::Deployment &d = platform::Deployment::Current();
    if (!d.machineIdOverride.isEmpty())
        return d.machineIdOverride;
    return BilgisayarIdAlFrom(DiskSeriNoAl, MacAdresiAl, d.machineAliases, d.machineAliasId);
}

QString VeriKlasoru()
{
    const QString base = platform::os::RoamingDataFolder();
    const QString path = (base.isEmpty() ? QString() : base) + QStringLiteral("/velkor");
    QDir().mkpath(path);
    return path;
}

QString BelgelerKlasoru()
{
    return platform::os::DocumentsFolder();
}

QString UrlKodla(const QString &url)
{
    // Scheme and host stay as they are; path and query get percent escapes where needed.
    const QUrl parsed = QUrl::fromUserInput(url);
    return QString::fromUtf8(parsed.toEncoded());
}

QString ChromeYolu()
{
    QStringList places;
#ifdef Q_OS_WIN
    places << QStringLiteral("C:\\Program Files (x86)\\Google\\Chrome\\Application\\chrome.exe")
           << QStringLiteral("C:\\Program Files (x86)\\Google\\Application\\chrome.exe")
           << QStringLiteral("C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe")
           << QStringLiteral("C:\\Program Files\\Google\\Chrome\\chrome.exe")
           << QStringLiteral("C:\\Users\\") + KullaniciAdiAl() +
                  QStringLiteral("\\AppData\\Local\\Google\\Chrome\\Application\\chrome.exe");
#else
    places << QStringLiteral("/usr/bin/google-chrome")
           << QStringLiteral("/usr/bin/google-chrome-stable")
           << QStringLiteral("/opt/google/chrome/chrome") << QStringLiteral("/usr/bin/chromium")
           << QStringLiteral("/usr/bin/chromium-browser") << QStringLiteral("/snap/bin/chromium")
           << QDir::homePath() + QStringLiteral("/.local/bin/google-chrome");
#endif
    for (const QString &place : places)
        if (QFileInfo::exists(place))
            return place;
    return QString();
}

int IeSurumu()
{
#ifdef B2B_HAVE_WEBENGINE
    return 11;
#else
    return 0;
#endif
}

namespace {

QString TurkishLabel(platform::DialogButton b)
{
    using platform::DialogButton;
    switch (b) {
    case DialogButton::Yes:
        return QStringLiteral("Evet");
    case DialogButton::No:
        return QStringLiteral("Hayır");
    case DialogButton::Cancel:
        return QStringLiteral("Vazgeç");
    case DialogButton::Ok:
        return QStringLiteral("Tamam");
    case DialogButton::Abort:
        return QStringLiteral("İptal");
    case DialogButton::Retry:
        return QStringLiteral("Tekrar");
    case DialogButton::Ignore:
        return QStringLiteral("Atla");
    case DialogButton::YesToAll:
        return QStringLiteral("Tümüne Evet");
    case DialogButton::NoToAll:
        return QStringLiteral("Tümüne Hayır");
    case DialogButton::Help:
        return QStringLiteral("Yardım");
    case DialogButton::All:
        return QStringLiteral("Tümü");
    case DialogButton::Close:
        return QStringLiteral("Kapat");
    }
    return QString();
}

QMessageBox::ButtonRole RoleOf(platform::DialogButton b)
{
    using platform::DialogButton;
    switch (b) {
    case DialogButton::Yes:
    case DialogButton::Ok:
    case DialogButton::YesToAll:
    case DialogButton::All:
        return QMessageBox::AcceptRole;
    case DialogButton::No:
    case DialogButton::NoToAll:
        return QMessageBox::NoRole;
    case DialogButton::Cancel:
    case DialogButton::Abort:
    case DialogButton::Close:
        return QMessageBox::RejectRole;
    case DialogButton::Help:
        return QMessageBox::HelpRole;
    default:
        return QMessageBox::ActionRole;
    }
}

} // namespace

int TurkceMesajKutusu(const platform::MessageRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    switch (request.kind) {
    case 0:
        box.setWindowTitle(QStringLiteral("Uyarı"));
        box.setIcon(QMessageBox::Warning);
        break;
    case 1:
        box.setWindowTitle(QStringLiteral("Hata"));
        box.setIcon(QMessageBox::Critical);
        break;
    case 2:
        box.setWindowTitle(QStringLiteral("Bilgi"));
        box.setIcon(QMessageBox::Information);
        break;
    case 3:
        box.setWindowTitle(QStringLiteral("Soru"));
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setWindowTitle(QApplication::applicationDisplayName());
        break;
    }
    if (request.kind >= 0 && request.kind <= 3)
        platform::CurrentShell().PlaySound(request.kind);
    QFont font = box.font();
    font.setPointSize(15);
    box.setFont(font);
    box.setText(request.text);
    std::vector<std::pair<QAbstractButton *, platform::DialogButton>> buttons;
    QPushButton *focused = nullptr;
    for (platform::DialogButton b : request.buttons) {
        QPushButton *button = box.addButton(TurkishLabel(b), RoleOf(b));
        button->setFont(font);
        buttons.emplace_back(button, b);
        if (b == request.focused)
            focused = button;
    }
    if (focused) {
        box.setDefaultButton(focused);
        focused->setFocus();
    }
    box.exec();
    for (const auto &[button, b] : buttons)
        if (button == box.clickedButton())
            return platform::ResultOf(b);
    return platform::ResultCancel; // closed without a button
}

void MesajKutusunuKur()
{
    platform::DesktopShell::SetMessageBox(&TurkceMesajKutusu);
}

int MesajGoster(const QString &text, int kind, const QList<platform::DialogButton> &buttons,
                platform::DialogButton focused)
{
    platform::MessageRequest request;
    request.text = text;
    request.kind = kind;
    request.buttons = buttons;
    request.focused = focused;
    return platform::CurrentShell().ShowMessage(request);
}

bool BaglantiAc(platform::Connection &connection, int mode)
{
    connection.Close();
    for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
        try {
            connection.Open();
            return true;
        } catch (const platform::Error &) {
            connection.Close();
            std::this_thread::sleep_for(kRetryPause);
        }
    }
    if (mode == 1)
        MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
    return false;
}

void SayiBicimle(platform::DataSet &dataset)
{
    for (int i = 0; i < dataset.FieldCount(); ++i) {
        platform::Field &field = dataset.Fields(i);
        if (field.IsFloatField())
            field.SetDisplayFormat(QStringLiteral("#,###,##0.00"));
    }
}

bool KayitVarmi(const platform::DataSet *dataset)
{
    return dataset && dataset->Active() && dataset->RecordCount() > 0;
}

bool SeciliVarmi(platform::DataSet *dataset)
{
    if (!KayitVarmi(dataset))
        return false;
    const platform::Field &sec = dataset->FieldByName(QStringLiteral("SEC"));
    for (dataset->First(); !dataset->Eof(); dataset->Next())
        if (sec.AsInteger() == 1)
            return true;
    return false;
}
