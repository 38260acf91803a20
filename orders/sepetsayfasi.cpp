#include "sepetsayfasi.h"

#include "caribakiyeuyari.h"
#include "sepettoplam.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/gridview.h"
#include "platform/shell.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using platform::CellKind;

namespace {

std::unique_ptr<TSonucBilgisi> Kopya(const TSonucBilgisi &bilgi)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(bilgi);
    return copy;
}

} // namespace

platform::ColumnLayout SepetSayfasi::Kolonlar()
{
    const auto none = QString();
    return {
        {.field = "SEC",
         .caption = "Seç",
         .offered = false,
         .weight = 1,
         .kind = CellKind::CheckBox,
         .searchable = false},
        {.field = "VERILISTARIHI", .caption = "Sipariş Tarihi", .weight = 1},
        {.field = "SIRANO", .caption = none, .shown = false, .offered = false, .weight = 0},
        {.field = "SIPARISNO", .caption = "Sipariş No", .shown = false, .weight = 0},
        {.field = "CARINO", .caption = none, .shown = false, .offered = false, .weight = 0},
        {.field = "TARIH", .caption = "Tarih", .shown = false, .weight = 1},
        {.field = "AKTAR", .caption = none, .shown = false, .offered = false, .weight = 0},
        {.field = "STOKNO", .caption = none, .shown = false, .offered = false, .weight = 0},
        {.field = "BARKOD", .caption = "Barkod", .weight = 2},
        {.field = "FINISHKOD", .caption = "FinishKod", .weight = 2},
        {.field = "OEMNO", .caption = "OEMNo", .weight = 2},
        {.field = "STOKADI",
         .caption = "Stok Açıklama",
         .weight = 3,
         .kind = CellKind::WrappedText},
        {.field = "MIKTAR", .caption = "Miktar", .weight = 1},
        {.field = "BIRIMFIYAT", .caption = "Birim Fiyat", .weight = 1},
        {.field = "TUTAR", .caption = "Tutar", .weight = 1},
        {.field = "INDIRIMYAZI",
         .caption = "İndirim Oran",
         .weight = 2,
         .alignment = Qt::AlignCenter},
        {.field = "INDIRIMORANI1",
         .caption = "İndirim Oranı %",
         .shown = false,
         .offered = false,
         .weight = 1},
        {.field = "INDIRIMORANI2", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "INDIRIMORANI3", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "INDIRIMTUTAR",
         .caption = "İndirim Tutar",
         .shown = false,
         .offered = false,
         .weight = 1},
        {.field = "NETBIRIMFIYAT", .caption = "Net Fiyat", .weight = 1},
        {.field = "KDV", .caption = none, .shown = false, .weight = 1},
        {.field = "VERGITUTARI", .caption = "Vergi Tutarı", .shown = false, .weight = 1},
        {.field = "NETTUTAR", .caption = "Net Tutar", .weight = 1},
        {.field = "KUR", .caption = "Kur", .shown = false, .weight = 1},
        {.field = "KURTL", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "VERENIDNO", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "SAAT", .caption = "Saat", .shown = false, .weight = 1},
        {.field = "TESLIMID", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "KARGOID", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "ACIKLAMA", .caption = "Açıklama", .shown = false, .weight = 1},
        {.field = "IDNO", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "VERENSIRANO", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "VEREN", .caption = "Veren", .weight = 1},
        {.field = "CARIKOD", .caption = "Cari Kod", .shown = false, .offered = false, .weight = 1},
        {.field = "CARIADI", .caption = "Cari Adı", .shown = false, .offered = false, .weight = 1},
        {.field = "OEM1", .caption = none, .shown = false, .weight = 1},
        {.field = "OEM2", .caption = none, .shown = false, .weight = 1},
        {.field = "OEM3", .caption = none, .shown = false, .weight = 1},
        {.field = "OEM4", .caption = none, .shown = false, .weight = 1},
        {.field = "STOK_STOKNO", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "URETICIKODU", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "DIGERADI", .caption = none, .shown = false, .weight = 1},
        {.field = "DPKOD", .caption = none, .shown = false, .weight = 1},
        {.field = "MARKA", .caption = "Marka", .shown = false, .weight = 1},
        {.field = "MODEL", .caption = "Model", .shown = false, .weight = 1},
        {.field = "ANAGRUP", .caption = "Ana Grup", .shown = false, .weight = 1},
        {.field = "OZELKOD", .caption = "Özel Kod", .shown = false, .weight = 1},
        {.field = "PKOD", .caption = none, .shown = false, .weight = 1},
        {.field = "DURUM", .caption = "Durum", .weight = 1, .kind = CellKind::StatusPicture},
        {.field = "KALAN", .caption = "Kalan", .shown = false, .offered = false, .weight = 1},
        {.field = "INDIRIMORANI4", .caption = none, .shown = false, .weight = 0},
    };
}

SepetSayfasi::SepetSayfasi(Parcalar parcalar, QObject *parent) : QObject(parent), m(parcalar)
{
    auto *layout = new QVBoxLayout(m.sayfa);
    layout->setContentsMargins(0, 0, 0, 0);
    cxGrid2 = new platform::GridView(Kolonlar(), m.sayfa);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    platform::GridAppearance look;
    look.showFocusRect = false;
    cxGrid2->SetAppearance(look);
    cxGrid2->SetSummaries(
        {{.field = QStringLiteral("VERILISTARIHI"), .kind = platform::SummaryKind::Count},
         {.field = QStringLiteral("MIKTAR"), .kind = platform::SummaryKind::Sum},
         {.field = QStringLiteral("NETTUTAR"), .kind = platform::SummaryKind::Sum}});
    layout->addWidget(cxGrid2, 1);

    auto *panelsec = new QWidget(m.sayfa);
    auto *sec = new QHBoxLayout(panelsec);
    Button4 = new QPushButton(QStringLiteral("Hepsini Seç"), panelsec);
    Button5 = new QPushButton(QStringLiteral("Seçimleri Kaldır"), panelsec);
    lbluyarbakiye = new QLabel(panelsec);
    lbluyarbakiye->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    sec->addWidget(Button4);
    sec->addWidget(Button5);
    sec->addWidget(lbluyarbakiye, 1);
    layout->addWidget(panelsec);

    auto *panel4 = new QWidget(m.sayfa);
    auto *bottom = new QHBoxLayout(panel4);
    auto *mesaj = new QGroupBox(QStringLiteral("Mesaj"), panel4);
    auto *mesajLayout = new QVBoxLayout(mesaj);
    aciklamagir = new QPlainTextEdit(mesaj);
    aciklamagir->setStyleSheet(QStringLiteral("background: rgb(246, 249, 251); color: black;"));
    aciklamagir->setFixedHeight(80);
    mesajLayout->addWidget(aciklamagir);
    bottom->addWidget(mesaj, 1);

    auto *panel6 = new QWidget(panel4);
    auto *totals = new QGridLayout(panel6);
    const auto value = [panel6] {
        auto *l = new QLabel(QStringLiteral("0,00"), panel6);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(120);
        return l;
    };
    aratoplaml = value();
    indiriml = value();
    nettutarl = value();
    vergil = value();
    geneltoplaml = value();
    Label4 = new QLabel(QStringLiteral("İndirim Toplam:"), panel6);
    Label6 = new QLabel(QStringLiteral("Vergi:"), panel6);
    totals->addWidget(new QLabel(QStringLiteral("Toplam:"), panel6), 0, 0);
    totals->addWidget(aratoplaml, 0, 1);
    totals->addWidget(Label4, 1, 0);
    totals->addWidget(indiriml, 1, 1);
    totals->addWidget(new QLabel(QStringLiteral("Ara Toplam:"), panel6), 2, 0);
    totals->addWidget(nettutarl, 2, 1);
    totals->addWidget(Label6, 3, 0);
    totals->addWidget(vergil, 3, 1);
    totals->addWidget(new QLabel(QStringLiteral("Genel Toplam:"), panel6), 4, 0);
    totals->addWidget(geneltoplaml, 4, 1);
    bottom->addWidget(panel6);
    auto *buttons = new QVBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Gönder"), panel4);
    Button2 = new QPushButton(QStringLiteral("Excel Kaydet"), panel4);
    Button1->setMinimumHeight(40);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    bottom->addLayout(buttons);
    layout->addWidget(panel4);

    PopupMenu1 = new QMenu(cxGrid2);
    QAction *degistir = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
    PopupMenu1->addSeparator();
    QAction *sil = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
    PopupMenu1->addSeparator();
    QAction *hepsi = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
    cxGrid2->SetContextMenu(PopupMenu1);
    connect(degistir, &QAction::triggered, this, &SepetSayfasi::Deitir1Click);
    connect(sil, &QAction::triggered, this, &SepetSayfasi::SatrSil1Click);
    connect(hepsi, &QAction::triggered, this, &SepetSayfasi::HepsiniSil1Click);
    connect(cxGrid2, &platform::GridView::DoubleClicked, this,
            [this](int, const QString &) { Deitir1Click(); });
    connect(Button4, &QPushButton::clicked, this, &SepetSayfasi::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SepetSayfasi::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &SepetSayfasi::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &SepetSayfasi::Gonder);
    connect(m.sayfalar, &QTabWidget::currentChanged, this, [this](int index) {
        // After the switch has been painted: loading talks to the server.
        if (m.sayfalar->widget(index) == m.sayfa)
            QTimer::singleShot(0, this, &SepetSayfasi::ssepetShow);
    });
    cxGrid2->installEventFilter(this);
    m_uyari = std::make_unique<CariBakiyeUyari>(lbluyarbakiye);
    SepetToplamHesapla();
}

SepetSayfasi::~SepetSayfasi() = default;

platform::DataSet *SepetSayfasi::sepet() const
{
    return cxGrid2->Data();
}

bool SepetSayfasi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cxGrid2 && event->type() == QEvent::Resize)
        cxGrid2Resize();
    return QObject::eventFilter(watched, event);
}

void SepetSayfasi::SepetYukle()
{
    platform::Connection copy(*m.bagc);
    if (!BaglantiAc(copy, 1))
        return; // the previous basket stays
    std::unique_ptr<platform::DataSet> rows;
    try {
        TServerMethods1Client proxy(&copy);
        rows = proxy.Devral(proxy.SepetVer2(m.sbilgi->CARINO()));
    } catch (const platform::Error &) {
        copy.Close();
        MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
        return;
    }
    copy.Close();
    if (!rows)
        return;
    SayiBicimle(*rows);
    const int count = rows->RecordCount();
    cxGrid2->SetDataSet(std::move(rows));
    m.sayfalar->setTabText(m.sayfalar->indexOf(m.sayfa),
                           QString::number(count) + QStringLiteral("=Sepet"));
    SepetToplamHesapla();
}

void SepetSayfasi::SepetToplamHesapla()
{
    SepetToplamlari t;
    if (platform::DataSet *data = sepet())
        t = ::SepetToplamHesapla(*data);
    aratoplaml->setText(TutarYazisi(t.toplam));
    indiriml->setText(TutarYazisi(t.indirim));
    nettutarl->setText(TutarYazisi(t.ara));
    vergil->setText(TutarYazisi(t.vergi));
    geneltoplaml->setText(TutarYazisi(t.genel));
    Label4->setVisible(t.IndirimGorunur());
    indiriml->setVisible(t.IndirimGorunur());
    Label6->setVisible(t.VergiGorunur());
    vergil->setVisible(t.VergiGorunur());
}

bool SepetSayfasi::SatirSecimGuncelle(int sirano, int secim)
{
    platform::Connection copy(*m.bagc);
    if (!BaglantiAc(copy, 1))
        return false;
    try {
        TServerMethods1Client proxy(&copy);
        proxy.SepetSecimGuncelle(sirano, secim);
    } catch (const platform::Error &) {
        copy.Close();
        return false; // the local mark stays as the user set it
    }
    copy.Close();
    return true;
}

void SepetSayfasi::Isaretle(int row, int value)
{
    platform::DataSet &data = *sepet();
    data.SetRow(row);
    data.Edit();
    data.FieldByName(QStringLiteral("SEC")).SetAsInteger(value);
    data.Post();
    cxGrid2->RowsChanged(row, row);
    SatirSecimGuncelle(int(data.FieldByName(QStringLiteral("SIRANO")).IntAt(row)), value);
}

void SepetSayfasi::Deitir1Click()
{
    const int row = cxGrid2->FocusedSourceRow();
    if (row < 0 || !sepet())
        return;
    platform::DataSet &data = *sepet();
    const int sirano = int(data.FieldByName(QStringLiteral("SIRANO")).IntAt(row));
    data.SetRow(row);
    if (cxGrid2->FocusedField() != QLatin1String("SEC")) {
        emit SatirAc(sirano);
        return;
    }
    // A mark of 0 becomes 1; anything else (1, 2, empty) becomes 0.
    const platform::Field &sec = data.FieldByName(QStringLiteral("SEC"));
    const int value = !sec.IsNullAt(row) && sec.IntAt(row) == 0 ? 1 : 0;
    Isaretle(row, value);
    SepetToplamHesapla();
}

void SepetSayfasi::HepsiniIsaretle(int value)
{
    if (platform::DataSet *data = sepet())
        for (int row = 0; row < data->RecordCount(); ++row)
            Isaretle(row, value);
    SepetToplamHesapla();
    if (m.araedit->isEnabled()) {
        m.araedit->selectAll();
        m.araedit->setFocus();
    }
}

void SepetSayfasi::SatrSil1Click()
{
    const int row = cxGrid2->FocusedSourceRow();
    if (row < 0 || !sepet())
        return;
    platform::DataSet &data = *sepet();
    data.SetRow(row);
    const int sirano = int(data.FieldByName(QStringLiteral("SIRANO")).IntAt(row));
    const QString not_ = data.FieldByName(QStringLiteral("BARKOD")).StringAt(row) +
                         QLatin1Char('-') +
                         data.FieldByName(QStringLiteral("STOKADI")).StringAt(row);
    if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), 3,
                    {platform::DialogButton::Yes, platform::DialogButton::No},
                    platform::DialogButton::No) != platform::ResultYes)
        return;
    if (!BaglantiAc(*m.bagc, 1))
        return;
    try {
        TServerMethods1Client proxy(m.bagc);
        proxy.SepetSatirSil(std::unique_ptr<TSonucBilgisi>(Kopya(*m.sbilgi)), sirano, not_);
    } catch (const platform::Error &) {
        m.bagc->Close();
        MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
        return;
    }
    m.bagc->Close();
    SepetYukle();
    MesajGoster(QStringLiteral("Satır silindi !"), 2, {platform::DialogButton::Ok},
                platform::DialogButton::Ok);
}

void SepetSayfasi::HepsiniSil1Click()
{
    if (!KayitVarmi(sepet()))
        return;
    if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), 3,
                    {platform::DialogButton::Yes, platform::DialogButton::No},
                    platform::DialogButton::No) != platform::ResultYes)
        return;
    auto kopya = Kopya(*m.sbilgi);
    if (!BaglantiAc(*m.bagc, 1))
        return;
    try {
        TServerMethods1Client proxy(m.bagc);
        proxy.SepetHepsiniSil(std::move(kopya));
    } catch (const platform::Error &) {
        m.bagc->Close();
        MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
        return;
    }
    MesajGoster(QStringLiteral("Sepet Silindi !"), 2, {platform::DialogButton::Ok},
                platform::DialogButton::Ok);
    m.bagc->Close();
    SepetYukle();
}

void SepetSayfasi::Button2Click()
{
    const QString file = platform::CurrentShell().SaveFileName(QStringLiteral("Excel (*.xls*)"));
    if (file.isEmpty())
        return;
    try {
        cxGrid2->ExportToExcel(file);
    } catch (const platform::Error &e) {
        platform::CurrentShell().ShowError(e.Message());
    }
}

void SepetSayfasi::ssepetShow()
{
    m_uyari->CariBakiyeUyariBak(*m.bagc, m.sbilgi->CARINO());
    SepetYukle();
}

void SepetSayfasi::cxGrid2Resize()
{
    if (!cxGrid2->isEnabled())
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() > 1152)
        cxGrid2->ApplyProportionalWidths();
    else
        cxGrid2->BestFit();
}

void SepetSayfasi::MusteriTipiKurallari(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        cxGrid2->SetColumnVisible(QStringLiteral("KALAN"), true);
        cxGrid2->SetColumnOffered(QStringLiteral("KALAN"), true);
    } else if (musteriTipi == 3) {
        cxGrid2->SetColumnVisible(QStringLiteral("DURUM"), false);
        cxGrid2->SetColumnOffered(QStringLiteral("DURUM"), false);
    }
}
