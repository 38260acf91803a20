#include "unit1.h"

#include "catalogue/sepetsatiracici.h"
#include "catalogue/stoklistesi.h"
#include "orders/sepetsayfasi.h"
#include "orders/siparisgonder.h"
#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/deployment.h"
#include "platform/gridview.h"
#include "platform/pictures.h"
#include "platform/shell.h"
#include "session/baglantiu.h"
#include "session/beklesinu.h"
#include "session/girisformu.h"
#include "session/utils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QWidget *Panel(QWidget *parent, int height, const QString &style = QString())
{
    auto *panel = new QWidget(parent);
    if (height >= 0)
        panel->setFixedHeight(height);
    if (!style.isEmpty()) {
        panel->setAttribute(Qt::WA_StyledBackground);
        panel->setStyleSheet(style);
    }
    return panel;
}

} // namespace

TForm1::TForm1()
    : sbilgi(std::make_unique<TSonucBilgisi>()), bagc(std::make_unique<platform::Connection>())
{
    setWindowTitle(QStringLiteral("Dorvena B2B Programı"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setBold(true);
    setFont(tahoma);
    resize(1350, 710);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildHeader(central);
    BuildSearchBar(central);
    RxGIFAnimator2 = new QLabel(central);
    RxGIFAnimator2->setFixedHeight(0); // grows when the upper banner arrives
    RxGIFAnimator2->setAlignment(Qt::AlignCenter);
    layout->addWidget(central->findChild<QWidget *>(QStringLiteral("Panel1")));
    layout->addWidget(central->findChild<QWidget *>(QStringLiteral("Panel2")));
    layout->addWidget(RxGIFAnimator2);
    BuildPages(central);
    layout->addWidget(sPageControl1, 1);
    BuildLegend(central);
    layout->addWidget(central->findChild<QWidget *>(QStringLiteral("Panel3")));
    QWidget *panel5 = Panel(central, 40, QStringLiteral("background: rgb(12, 52, 97);"));
    panel5->setObjectName(QStringLiteral("Panel5"));
    auto *bottom = new QHBoxLayout(panel5);
    bottom->setContentsMargins(6, 0, 6, 0);
    kayanyazi = new QLabel(panel5);
    kayanyazi->setStyleSheet(QStringLiteral("color: white;"));
    bottom->addWidget(kayanyazi, 1);
    layout->addWidget(panel5);
    setCentralWidget(central);
    BuildMenu();
    stokListesi = new StokListesi({this, sPageControl1, sstoklistesi, araedit, SpeedButton2,
                                   SpeedButton1, gifstokara, bagc.get(), sbilgi.get()},
                                  this);
    sepetSayfasi =
        new SepetSayfasi({sPageControl1, ssepet, araedit, bagc.get(), sbilgi.get()}, this);
    satirAcici = std::make_unique<SepetSatirAcici>(SepetSatirAcici::Baglam{
        this, sbilgi.get(), bagc.get(), [this] { return sepetSayfasi->sepet(); },
        [this] { sepetSayfasi->SepetYukle(); }});
    connect(stokListesi, &StokListesi::SatirAc, this, [this](int row) {
        if (platform::DataSet *stok = stokListesi->cxGrid1->Data())
            satirAcici->ListeCiftTik(KaynakListe::Stok, *stok, OdakStokno(*stok, row));
    });
    connect(sepetSayfasi, &SepetSayfasi::SatirAc, this,
            [this](int sirano) { satirAcici->SepetSatiriAc(sirano); });
    connect(sepetSayfasi, &SepetSayfasi::Gonder, this, [this] {
        SiparisGonderme g;
        g.pencere = this;
        g.sbilgi = sbilgi.get();
        g.bagc = bagc.get();
        g.sepet = sepetSayfasi->sepet();
        g.aciklamagir = sepetSayfasi->aciklamagir;
        g.uyari = sepetSayfasi->lbluyarbakiye->text();
        g.SepetYukle = [this] { sepetSayfasi->SepetYukle(); };
        g.Button1Click();
    });
    araedit->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::BuildHeader(QWidget *parent)
{
    QWidget *panel1 = Panel(parent, 100, QStringLiteral("background: white;"));
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(panel1);
    row->setContentsMargins(4, 0, 4, 0);
    Image1 = new QLabel(panel1);
    Image1->setFixedWidth(227);
    Image1->setPixmap(platform::pictures::Logo(QSize(227, 96)));
    row->addWidget(Image1);

    auto *grid = new QWidget(panel1);
    grid->setObjectName(QStringLiteral("GridPanel1"));
    grid->setFixedWidth(399);
    auto *g = new QGridLayout(grid);
    g->setColumnStretch(0, 16);
    g->setColumnStretch(1, 84);
    const auto caption = [grid](const QString &text) {
        auto *l = new QLabel(text, grid);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    kullanicilbl = new QLabel(grid);
    cariadilbl = new QLabel(grid);
    saticilbl = new QLabel(grid);
    saticilbl->setWordWrap(true);
    g->addWidget(caption(QStringLiteral("Kullanıcı: ")), 0, 0);
    g->addWidget(kullanicilbl, 0, 1);
    g->addWidget(caption(QStringLiteral("Firma: ")), 1, 0);
    g->addWidget(cariadilbl, 1, 1);
    g->addWidget(caption(QStringLiteral("Temsilci: ")), 2, 0);
    g->addWidget(saticilbl, 2, 1);
    row->addWidget(grid);
    row->addStretch(1);

    RxGIFAnimator1 = new QLabel(panel1);
    RxGIFAnimator1->setFixedWidth(409);
    RxGIFAnimator1->setAlignment(Qt::AlignCenter);
    row->addWidget(RxGIFAnimator1);
    Button3 = new QToolButton(panel1);
    Button3->setFixedSize(84, 84);
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    Button3->setIcon(platform::pictures::Tab(7));
    Button3->setIconSize(QSize(48, 48));
    row->addWidget(Button3);
}

void TForm1::BuildSearchBar(QWidget *parent)
{
    QWidget *panel2 = Panel(parent, 35, QStringLiteral("background: rgb(225, 232, 240);"));
    panel2->setObjectName(QStringLiteral("Panel2"));
    auto *row = new QHBoxLayout(panel2);
    row->setContentsMargins(6, 2, 6, 2);
    auto *image2 = new QLabel(panel2);
    image2->setPixmap(platform::pictures::Tab(0).pixmap(24, 24));
    row->addWidget(image2);
    araedit = new QLineEdit(panel2);
    araedit->setFixedWidth(340);
    QFont big(QStringLiteral("Tahoma"));
    big.setPixelSize(20);
    araedit->setFont(big);
    row->addWidget(araedit);
    SpeedButton2 = new QToolButton(panel2);
    SpeedButton2->setToolTip(QStringLiteral("Ara"));
    SpeedButton2->setIcon(platform::pictures::Search());
    SpeedButton2->setFixedWidth(40);
    SpeedButton1 = new QToolButton(panel2);
    SpeedButton1->setToolTip(QStringLiteral("Temizle"));
    SpeedButton1->setIcon(platform::pictures::Clear());
    SpeedButton1->setFixedWidth(40);
    row->addWidget(SpeedButton2);
    row->addWidget(SpeedButton1);
    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), panel2);
    musteritus->hide();
    row->addWidget(musteritus);
    for (platform::BusyIndicator **gif :
         {&gifstokara, &gifyeniler, &gifkampanyali, &gifduyuru, &gifekstre, &gifoncekiler}) {
        *gif = new platform::BusyIndicator(panel2);
        row->addWidget(*gif);
    }
    row->addStretch(1);
}

void TForm1::BuildPages(QWidget *parent)
{
    sPageControl1 = new QTabWidget(parent);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->setIconSize(QSize(24, 24));
    sPageControl1->setStyleSheet(
        QStringLiteral("QTabBar::tab { min-width: 120px; min-height: 45px; color: white; "
                       "background: rgb(12, 52, 97);"
                       " padding: 0 8px; margin-right: 2px; }"
                       "QTabBar::tab:selected { background: rgb(0, 170, 207); }"));
    const struct
    {
        QWidget **page;
        const char *name;
        const char *caption;
    } pages[] = {
        {&sstoklistesi, "sstoklistesi", "Stok Listesi"},
        {&ssepet, "ssepet", "Sepet"},
        {&sonceki, "sonceki", "Önceki Siparişler"},
        {&sccariekstre, "sccariekstre", "Cari Ekstre"},
        {&syeniler, "syeniler", "Yeni Stoklar"},
        {&skampanyali, "skampanyali", "Kampanyalı Stoklar"},
        {&sTabSheetduyuru, "sTabSheetduyuru", "Duyurular"},
        {&sTabbakiyeler, "sTabbakiyeler", "Bakiyeler"},
        {&ss, "ss", "Sanal Pos"},
    };
    int order = 0;
    for (const auto &p : pages) {
        *p.page = new QWidget(sPageControl1);
        (*p.page)->setObjectName(QLatin1String(p.name));
        const QString caption = QString::fromUtf8(p.caption);
        sPageControl1->addTab(*p.page, platform::pictures::Tab(order), caption);
        m_pages.push_back({*p.page, caption, order++});
    }
    sPageControl1->setCurrentWidget(sstoklistesi);
}

void TForm1::BuildLegend(QWidget *parent)
{
    QWidget *panel3 = Panel(parent, 27, QStringLiteral("background: rgb(239, 239, 239);"));
    panel3->setObjectName(QStringLiteral("Panel3"));
    auto *row = new QHBoxLayout(panel3);
    row->setContentsMargins(6, 0, 6, 0);
    row->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), panel3));
    const struct
    {
        int status;
        const char *text;
    } legend[] = {{1, " Stok mevcut  "},      {2, " Telefon Açınız  "}, {3, " Yolda  "},
                  {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "},   {0, " Yok  "}};
    for (const auto &entry : legend) {
        auto *picture = new QLabel(panel3);
        picture->setPixmap(platform::pictures::Status(entry.status));
        row->addWidget(picture);
        row->addWidget(new QLabel(QString::fromUtf8(entry.text), panel3));
    }
    row->addStretch(1);
}

void TForm1::BuildMenu()
{
    Genelmenu = new QMenu(this);
    M1 = new QAction(QStringLiteral("Mail Gönder"), this);
    N4 = new QAction(QStringLiteral("Şifre Değiştirme İsteği"), this);
    websitesi1 = new QAction(platform::Deployment::Current().firmWebAddress, this);
    G1 = new QAction(QStringLiteral("Çıkış"), this);
    R1 = new QAction(QStringLiteral("Raporlar"), this);
    R1->setVisible(false);
    const QList<QAction *> entries{M1, N4, websitesi1, G1, R1};
    for (int i = 0; i < entries.size(); ++i) {
        if (i)
            Genelmenu->addSeparator();
        Genelmenu->addAction(entries[i]);
    }
    Button3->setMenu(Genelmenu);
    connect(G1, &QAction::triggered, this, &QWidget::close);
    connect(websitesi1, &QAction::triggered, this, [] {
        platform::CurrentShell().OpenUrl(QUrl(platform::Deployment::Current().firmWebAddress));
    });
}

void TForm1::SayfaGoster(QWidget *page, bool visible)
{
    const int index = sPageControl1->indexOf(page);
    if (index >= 0)
        sPageControl1->setTabVisible(index, visible);
}

bool TForm1::SayfaGorunur(QWidget *page) const
{
    const int index = sPageControl1->indexOf(page);
    return index >= 0 && sPageControl1->isTabVisible(index);
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvena B2B"));
    setWindowTitle(QStringLiteral("Dorvena B2B Programı"));
    sbilgi->SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi->SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi->SetIcip(IcIpAl());
    sbilgi->SetBILGISAYARID(BilgisayarIdAl());
    const platform::Deployment &d = platform::Deployment::Current();
    bagc->SetParam(QStringLiteral("HostName"), d.firmWebHost);
    bagc->SetParam(QStringLiteral("Port"), QString::number(d.serverPort));
    websitesi1->setText(d.firmWebAddress);
    if (!GirisKontrol())
        return false;
    BaslangicIsleri();
    return true;
}

bool TForm1::GirisKontrol()
{
    {
        Tgirisform login(this);
        login.bagim = bagc.get();
        login.Bilgim = sbilgi.get();
        if (login.exec() != QDialog::Accepted) {
            platform::CurrentShell().Terminate(0);
            return false;
        }
    }
    if (sbilgi->Disip().trimmed().isEmpty()) {
        platform::CurrentShell().Terminate(0);
        return false;
    }
    MusteriTipiKurallari();
    return true;
}

void TForm1::MusteriTipiKurallari()
{
    const int tip = sbilgi->MusteriTipi();
    const bool salesperson = tip == 1 || tip == 2;
    musteritus->setVisible(salesperson);
    R1->setVisible(salesperson);
    if (tip == 4)
        SayfaGoster(skampanyali, false);
    stokListesi->MusteriTipiKurallari(tip);
    sepetSayfasi->MusteriTipiKurallari(tip);
}

void TForm1::AnaBilgiAl()
{
    kullanicilbl->setText(sbilgi->ADI());
    cariadilbl->setText(sbilgi->CariAdi());
    saticilbl->setText(sbilgi->SaticiAdi() + QStringLiteral(" Telefonu: ") +
                       sbilgi->SaticiTelefon() + QStringLiteral(" email: ") + sbilgi->SaticiMail());
}

void TForm1::BaslangicIsleri()
{
    QPointer<TForm1> self(this);
    // The labels belong to the main thread: the worker hands the change over and waits.
    const auto onMain = [self](auto &&change) {
        QMetaObject::invokeMethod(
            qApp,
            [self, &change] {
                if (self)
                    change(*self);
            },
            Qt::BlockingQueuedConnection);
    };
    ArkaPlanda([onMain] { onMain([](TForm1 &f) { f.AnaBilgiAl(); }); })->Await([self] {
        if (!self)
            return;
        if (self->isMinimized()) {
            self->showMaximized();
            self->activateWindow();
        }
    });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    const int answer = MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), 3,
                                   {platform::DialogButton::Yes, platform::DialogButton::No},
                                   platform::DialogButton::Yes);
    event->ignore(); // nothing closes but the end of the process
    if (answer == platform::ResultYes)
        platform::CurrentShell().Terminate(0);
}
