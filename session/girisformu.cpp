#include "girisformu.h"

#include "baglantiu.h"
#include "beklesinu.h"
#include "utils.h"

#include "content/dosyaindiru.h"
#include "content/formistekyeniu.h"
#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/deployment.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/shell.h"
#include "server/proxim.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>
#include <httplib.h>
#include <thread>

namespace {

const QString kSection = QStringLiteral("kullanici");

// One GET of an address-echo page with the lookup's time-outs; the trimmed body, or
// nothing when the page does not answer 200.
std::optional<QString> FetchAddress(const QString &address)
{
    const QUrl url(address);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    httplib::Client client(url.host().toStdString(), url.port(80));
    client.set_connection_timeout(std::chrono::milliseconds(15000));
    client.set_read_timeout(std::chrono::milliseconds(1500));
    const QString path =
        url.path(QUrl::FullyEncoded).isEmpty() ? QStringLiteral("/") : url.path(QUrl::FullyEncoded);
    const auto result = client.Get(path.toStdString());
    if (!result || result->status != 200)
        return std::nullopt;
    return QString::fromUtf8(result->body.data(), qsizetype(result->body.size())).trimmed();
}

QPixmap Background(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(12, 52, 97));
    g.setColorAt(1, QColor(0, 120, 170));
    p.fillRect(pixmap.rect(), g);
    p.setPen(QColor(255, 255, 255, 230));
    QFont f(QStringLiteral("Tahoma"), 26, QFont::Bold);
    p.setFont(f);
    p.drawText(QRect(0, 40, size.width(), 60), Qt::AlignCenter, QStringLiteral("DORVENA"));
    f.setPointSize(12);
    p.setFont(f);
    p.drawText(QRect(0, 95, size.width(), 30), Qt::AlignCenter,
               QStringLiteral("B2B Sipariş Sistemi"));
    return pixmap;
}

} // namespace

Tgirisform::Tgirisform(QWidget *owner)
    : QDialog(owner), m_gone(std::make_shared<std::atomic<bool>>(false))
{
    setWindowTitle(QStringLiteral("Giriş"));
    // Its own taskbar button: the main window is not shown yet.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(368, 550);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setBold(true);
    setFont(tahoma);

    Image1 = new QLabel(this);
    Image1->setGeometry(rect());
    Image1->setPixmap(Background(size()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 170, 30, 20);
    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setChecked(true);
    benihatirla->setStyleSheet(QStringLiteral("color: white;"));
    layout->addWidget(benihatirla);

    const QString labelStyle =
        QStringLiteral("color: white; background: rgb(0, 80, 160); padding: 3px;");
    Label1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"), this);
    Label1->setStyleSheet(labelStyle);
    adi = new QLineEdit(this);
    Label2 = new QLabel(QStringLiteral(" Şifre:"), this);
    Label2->setStyleSheet(labelStyle);
    sifre = new QLineEdit(this);
    sifre->setEchoMode(QLineEdit::Password);
    for (QLineEdit *edit : {adi, sifre}) {
        // Entry is upper case, as the server stores names and passwords.
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const QString upper = text.toUpper(); // as the system upper-cases: i gives I
            if (upper != text) {
                const int pos = edit->cursorPosition();
                edit->setText(upper);
                edit->setCursorPosition(pos);
            }
        });
        edit->installEventFilter(this);
    }
    layout->addWidget(Label1);
    layout->addWidget(adi);
    layout->addWidget(Label2);
    layout->addWidget(sifre);
    layout->addSpacing(12);

    auto *buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    RxGIFAnimator1 = new platform::BusyIndicator(this);
    buttons->addWidget(Button1);
    buttons->addWidget(RxGIFAnimator1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    layout->addStretch(1);

    RxLabel1 = new QLabel(this);
    RxLabel1->setAlignment(Qt::AlignCenter);
    RxLabel1->setWordWrap(true);
    RxLabel1->setStyleSheet(
        QStringLiteral("color: black; background: rgba(255,255,255,170); padding: 4px;"));
    RxLabel1->setText(
        QStringLiteral("DORVENA OTOMOTİV YEDEK PARÇA SAN. VE TİC. A.Ş.\n"
                       "Oto Sanayi Sitesi 12. Blok No: 4  İstanbul\nTel: 0212 555 00 00"));
    layout->addWidget(RxLabel1);

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    idsi = BilgisayarIdAl();
    AyarOku();
    adi->setFocus();
}

void Tgirisform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen: there is no main window to centre on yet.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Tgirisform::~Tgirisform()
{
    *m_gone = true;
}

QString Tgirisform::AyarDosyasi()
{
    return VeriKlasoru() + QStringLiteral("/ayar.ini");
}

void Tgirisform::AyarOku()
{
    const platform::IniFile ini(AyarDosyasi());
    if (!ini.Exists())
        return;
    benihatirla->setChecked(ini.ReadBool(kSection, QStringLiteral("hatırla"), true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.ReadString(kSection, QStringLiteral("isim")));
        sifre->setText(ini.ReadString(kSection, QStringLiteral("sifre")));
    }
}

void Tgirisform::AyarYaz()
{
    platform::IniFile ini(AyarDosyasi());
    ini.WriteString(kSection, QStringLiteral("isim"), adi->text());
    ini.WriteString(kSection, QStringLiteral("sifre"), sifre->text());
    ini.WriteBool(kSection, QStringLiteral("hatırla"), benihatirla->isChecked());
}

bool Tgirisform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == adi) {
        if (adi->text().trimmed().isEmpty()) {
            MesajGoster(QStringLiteral("Lütfen kullanıcı adını giriniz !"), 0,
                        {platform::DialogButton::Ok}, platform::DialogButton::Ok);
            adi->selectAll();
            adi->setFocus();
        } else {
            sifre->selectAll();
            sifre->setFocus();
        }
        return true;
    }
    if (watched == sifre) {
        if (sifre->text().trimmed().isEmpty()) {
            MesajGoster(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), 0,
                        {platform::DialogButton::Ok}, platform::DialogButton::Ok);
            sifre->selectAll();
            sifre->setFocus();
        } else {
            Button1Click();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tgirisform::Button2Click()
{
    platform::CurrentShell().Terminate(0);
}

QString Tgirisform::DisIpAl()
{
    const platform::Deployment &d = platform::Deployment::Current();
    QString target = d.makerIpEchoUrl;
    const auto gone = m_gone;
    for (;;) {
        if (*gone)
            return QString();
        if (const auto answer = FetchAddress(target))
            return *answer;
        target = d.publicIpEchoUrl; // for good
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    }
}

void Tgirisform::Button1Click()
{
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->Start();
    auto address = std::make_shared<QString>();
    QPointer<Tgirisform> self(this);
    ArkaPlanda([self, address, gone = m_gone] {
        if (!*gone && self)
            *address = self->DisIpAl();
    })->Await([self, address] {
        if (!self)
            return;
        self->Button1->setText(QStringLiteral("Giriş!"));
        self->RxGIFAnimator1->Stop();
        self->Devamet(*address);
    });
}

void Tgirisform::Devamet(const QString &publicAddress)
{
    if (publicAddress.trimmed().isEmpty()) {
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), 1,
                    {platform::DialogButton::Ok}, platform::DialogButton::Ok);
        Button1->setEnabled(true);
        return;
    }
    Bilgim->SetDisip(publicAddress);
    const platform::Deployment &d = platform::Deployment::Current();
    // From inside the firm's network the client shares the server's public address.
    const QString host =
        publicAddress == d.serverPublicAddress ? d.serverLanAddress : d.firmWebHost;
    bagim->SetParam(QStringLiteral("HostName"), host);
    Tip().gecerliip = host;

    auto outcome = std::make_shared<bool>(false);
    QPointer<Tgirisform> self(this);
    ArkaPlanda([self, outcome] {
        if (self)
            *outcome = self->GirisBilgisiAl();
    })->Await([self, outcome] {
        if (!self)
            return;
        Tgirisform &f = *self;
        f.RxGIFAnimator1->Stop();
        if (!*outcome) {
            MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), 1, {platform::DialogButton::Ok},
                        platform::DialogButton::Ok);
            f.Button1->setEnabled(true);
            f.adi->selectAll();
            f.adi->setFocus();
            return;
        }
        if (f.Bilgim->Version() != Tdosyaindir::kOwnVersion)
            f.SurumGuncelle();
        if (!f.Bilgim->Varmi()) {
            f.IstekFormuAc(platform::Deployment::Current().firmWebHost);
            platform::CurrentShell().Terminate(0);
            return;
        }
        if (f.Bilgim->ADI() == f.adi->text() && f.Bilgim->SIFRE() == f.sifre->text()) {
            f.AyarYaz();
            if (f.Bilgim->AKTIF() == 1) {
                if ((f.Bilgim->MusteriTipi() == 1 || f.Bilgim->MusteriTipi() == 2) &&
                    !f.CariSecimi())
                    return;
                f.accept();
                return;
            }
        }
        MesajGoster(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"), 0,
                    {platform::DialogButton::Ok}, platform::DialogButton::Ok);
        f.Button1->setEnabled(true);
        f.adi->selectAll();
        f.adi->setFocus();
    });
}

bool Tgirisform::GirisBilgisiAl()
{
    platform::Connection copy(*bagim);
    if (!BaglantiAc(copy, 0))
        return false;
    try {
        TServerMethods1Client proxy(&copy);
        if (TSonucBilgisi *answer = proxy.BuyukGetir(idsi))
            Bilgim->Kopyala(*answer);
    } catch (const platform::Error &e) {
        // Messages belong to the main thread; the worker waits for the box.
        const QString text = e.Message();
        QMetaObject::invokeMethod(
            qApp,
            [text] {
                MesajGoster(text, -1, {platform::DialogButton::Ok}, platform::DialogButton::Ok);
            },
            Qt::BlockingQueuedConnection);
        copy.Close();
        return false;
    }
    copy.Close();
    // The server's answer overwrote the client's own identity: fill it in again.
    Bilgim->SetBilgiSayarAdi(BilgisayarAdiAl());
    Bilgim->SetBilgisayarKullanici(KullaniciAdiAl());
    Bilgim->SetIcip(IcIpAl());
    Bilgim->SetBILGISAYARID(BilgisayarIdAl());
    Bilgim->SetDisip(DisIpAl());
    return true;
}

void Tgirisform::SurumGuncelle()
{
    Tdosyaindir dialog(this, Bilgim->Version());
    dialog.exec();
}

void Tgirisform::IstekFormuAc(const QString &host)
{
    Tformistekyeni form(this);
    form.setWindowTitle(QStringLiteral("Dorvena B2B İstek Formu"));
    // The identifier is appended as it is; the user parameter is a single blank.
    const QString base = platform::Deployment::Current().WebBase(host);
    form.Navigate(
        QUrl(base + QStringLiteral("/formmailgonder.aspx?carino=0&kullanici= &id=") + idsi,
             QUrl::TolerantMode));
    form.exec();
}

bool Tgirisform::CariSecimi()
{
    if (!cariSecici)
        return true; // no picker in this build: the account the server gave stands
    if (cariSecici(*this))
        return true;
    platform::CurrentShell().Terminate(0);
    reject();
    return false;
}
