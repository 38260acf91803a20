#include "stoklistesi.h"

#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/gridview.h"
#include "platform/numberformat.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/beklesinu.h"
#include "session/utils.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using platform::CellKind;
using platform::GridColumn;

namespace {

const QString kFiyatBilgisi = QStringLiteral("FIYATBILGISI"); // the unbound column
const QString kStokListesi = QStringLiteral("Stok Listesi");

} // namespace

platform::ColumnLayout StokListesi::Kolonlar()
{
    const auto none = QString(); // no caption drawn
    return {
        {.field = "DURUM", .caption = "Durum", .weight = 1, .kind = CellKind::StatusPicture},
        {.field = "OEM1",
         .caption = "Oem1",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "OEM2",
         .caption = "Oem2",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "OEM3",
         .caption = "Oem3",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "BARKOD", .caption = "Barkod", .weight = 2, .kind = CellKind::WrappedText},
        {.field = "URETICIKODU",
         .caption = "Üretici Kod",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "PKOD",
         .caption = none,
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText,
         .filterable = false,
         .searchable = false,
         .resizable = false},
        {.field = "ADI", .caption = "Açıklama", .weight = 3, .kind = CellKind::WrappedText},
        {.field = "OEM4",
         .caption = "Oem4",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "STOK_STOKNO", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "FINISHKOD",
         .caption = "Finish Kod",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "RESIM", .caption = "Resim", .weight = 1, .kind = CellKind::HasPicture},
        {.field = "BARKOD_BARKODNO",
         .caption = none,
         .shown = false,
         .offered = false,
         .weight = 1},
        {.field = "DIGERADI",
         .caption = "Diğer Adı",
         .shown = false,
         .weight = 3,
         .kind = CellKind::WrappedText},
        {.field = "DPKOD", .caption = none, .shown = false, .offered = false, .weight = 2},
        {.field = "OEMNO",
         .caption = "Oem No",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "BIRIM", .caption = "Birim", .shown = false, .weight = 1},
        {.field = "MARKA", .caption = "Marka", .weight = 2, .kind = CellKind::WrappedText},
        {.field = "MODEL",
         .caption = "Model",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "ANAGRUP",
         .caption = "Ana Grup",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "OZELKOD",
         .caption = "Özel Kod",
         .shown = false,
         .weight = 2,
         .kind = CellKind::WrappedText},
        {.field = "KALAN", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "KDV", .caption = none, .shown = false, .weight = 1},
        {.field = "ALINANSIPARIS", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "VERILENSIPARIS", .caption = none, .shown = false, .offered = false, .weight = 1},
        {.field = "LISTEFIYAT1", .caption = "Liste Fiyatı", .weight = 2},
        {.field = "KAMPFIYAT", .caption = "Kampanyalı Fiyat", .weight = 2},
        {.field = "FIYAT", .caption = "Liste Fiyatı", .shown = false, .weight = 2},
        {.field = "Y", .caption = "Yeni", .weight = 1, .kind = CellKind::YesNoPicture},
        {.field = "K", .caption = "Kampanyalı", .weight = 1, .kind = CellKind::YesNoPicture},
        {.field = "INDIRIMYAZI",
         .caption = "İndirim Oran",
         .shown = false,
         .weight = 2,
         .alignment = Qt::AlignCenter},
        {.field = "NETFIYAT", .caption = "Net Fiyatı", .weight = 2},
        {.field = "KDVDAHIL", .caption = "KDV Dahil Fiyat", .weight = 3},
        {.field = kFiyatBilgisi,
         .caption = "Fiyat Bilgisi",
         .shown = false,
         .weight = 2,
         .kind = CellKind::CustomDrawn,
         .filterable = false,
         .searchable = false},
    };
}

QString StokListesi::HarfCevir(const QString &typed)
{
    QString out = typed;
    for (QChar &c : out) {
        switch (c.unicode()) {
        case u'ğ':
            c = QLatin1Char('g');
            break;
        case u'ü':
            c = QLatin1Char('u');
            break;
        case u'ş':
            c = QLatin1Char('s');
            break;
        case u'ö':
            c = QLatin1Char('o');
            break;
        case u'ç':
            c = QLatin1Char('c');
            break;
        case u'Ğ':
            c = QLatin1Char('G');
            break;
        case u'Ü':
            c = QLatin1Char('U');
            break;
        case u'Ş':
            c = QLatin1Char('S');
            break;
        case u'İ':
            c = QLatin1Char('I');
            break;
        case u'Ö':
            c = QLatin1Char('O');
            break;
        case u'Ç':
            c = QLatin1Char('C');
            break;
        case u'ı':
            c = QLatin1Char('I');
            break;
        default:
            break;
        }
    }
    return out;
}

QString StokListesi::FiyatBilgisi(const platform::DataSet &data, int row, const QLocale &locale)
{
    const auto number = [&](const char *field) {
        const platform::Field *f = data.FindField(QLatin1String(field));
        return f ? f->FloatAt(row) : 0.0;
    };
    const auto money = [&](double v) {
        return platform::FormatFloat(QStringLiteral("#,###,##0.00"), v, locale);
    };
    QString text =
        QStringLiteral("Liste Fiyatı: ") + money(number("LISTEFIYAT1")) + QStringLiteral("\r\n");
    if (number("KAMPFIYAT") > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + money(number("KAMPFIYAT")) +
                QStringLiteral("\r\n");
    text += QStringLiteral("NetFiyat: ") + money(number("NETFIYAT")) + QStringLiteral("\r\n");
    text += QStringLiteral("KDV li Fiyat: ") + money(number("KDVDAHIL")) + QStringLiteral("\r\n");
    return text;
}

StokListesi::StokListesi(Parcalar parcalar, QObject *parent) : QObject(parent), m(parcalar)
{
    auto *layout = new QVBoxLayout(m.sayfa);
    layout->setContentsMargins(0, 0, 0, 0);
    cxGrid1 = new platform::GridView(Kolonlar(), m.sayfa);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->SetSummaries(
        {{.field = QStringLiteral("OEM1"), .kind = platform::SummaryKind::Count}});
    layout->addWidget(cxGrid1);
    cxGrid1->SetCellPainter(kFiyatBilgisi, [](QPainter &painter, const QStyleOptionViewItem &option,
                                              const platform::GridCell &cell) {
        const QColor fill =
            cell.selected ? cell.appearance.selection
                          : (cell.shownRow % 2 ? cell.appearance.oddRow : cell.appearance.evenRow);
        painter.fillRect(option.rect, fill);
        painter.setPen(cell.selected ? cell.appearance.selectionText : cell.appearance.text);
        painter.drawText(option.rect.adjusted(10, 0, -10, 0),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                         FiyatBilgisi(cell.data, cell.sourceRow).trimmed());
    });

    popstok = new QMenu(cxGrid1);
    QAction *s2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    popstok->addSeparator();
    popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz")); // no action of its own
    popstok->addSeparator();
    QAction *s3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    cxGrid1->SetContextMenu(popstok);
    connect(s2, &QAction::triggered, this, [this] {
        if (cxGrid1->FocusedSourceRow() >= 0)
            emit SatirAc(cxGrid1->FocusedSourceRow());
    });
    connect(s3, &QAction::triggered, this, [this] {
        const int row = cxGrid1->FocusedSourceRow();
        if (row >= 0 && cxGrid1->Data())
            emit SiparisleriGoster(
                int(cxGrid1->Data()->FieldByName(QStringLiteral("STOK_STOKNO")).IntAt(row)));
    });
    connect(cxGrid1, &platform::GridView::DoubleClicked, this,
            [this](int row, const QString &) { emit SatirAc(row); });

    m.araedit->installEventFilter(this);
    // Every letter typed is kept in upper case (as the system upper-cases: i gives I).
    connect(m.araedit, &QLineEdit::textEdited, m.araedit, [edit = m.araedit](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int pos = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(pos);
        }
    });
    cxGrid1->installEventFilter(this);
    connect(m.SpeedButton2, &QToolButton::clicked, this, &StokListesi::SpeedButton2Click);
    connect(m.SpeedButton1, &QToolButton::clicked, this, &StokListesi::SpeedButton1Click);
}

bool StokListesi::Araniyor() const
{
    return !m.araedit->isEnabled();
}

bool StokListesi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m.araedit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            AramaBaslat();
            return true;
        }
        const QString folded = HarfCevir(key->text());
        if (!key->text().isEmpty() && folded != key->text()) {
            m.araedit->insert(folded.toUpper());
            return true;
        }
    }
    if (watched == cxGrid1 && event->type() == QEvent::Resize)
        cxGrid1Resize();
    return QObject::eventFilter(watched, event);
}

void StokListesi::Baslik(const QString &caption)
{
    m.sayfalar->setTabText(m.sayfalar->indexOf(m.sayfa), caption);
}

void StokListesi::SpeedButton2Click()
{
    if (m.araedit->isEnabled())
        AramaBaslat();
}

void StokListesi::Ara(const QString &text)
{
    m.araedit->setText(text);
    SpeedButton2Click();
}

void StokListesi::AramaBaslat()
{
    if (Araniyor())
        return;
    m.sayfalar->setCurrentWidget(m.sayfa);
    if (m.araedit->text().trimmed().size() < 3) {
        MesajGoster(QStringLiteral("Lütfen en az 3 harf giriniz !"), 0,
                    {platform::DialogButton::Ok}, platform::DialogButton::Ok);
        return;
    }
    m.araedit->setEnabled(false);
    m.gifstokara->Start();
    cxGrid1->ClearFilters();

    struct Sonuc
    {
        std::unique_ptr<platform::DataSet> rows;
        bool failed = true;
    };
    auto sonuc = std::make_shared<Sonuc>();
    auto bilgi = std::make_shared<TSonucBilgisi>();
    bilgi->Kopyala(*m.sbilgi);
    auto copy = std::make_shared<platform::Connection>(*m.bagc);
    const QString text = m.araedit->text(); // sent as it stands: not trimmed
    ArkaPlanda([sonuc, bilgi, copy, text] {
        try {
            if (!BaglantiAc(*copy, 0))
                return;
            TServerMethods1Client proxy(copy.get());
            auto arg = std::make_unique<TSonucBilgisi>();
            arg->Kopyala(*bilgi);
            std::unique_ptr<platform::DataSet> rows =
                proxy.Devral(proxy.StokAraGetir(text, std::move(arg)));
            if (!rows || !rows->FindField(QStringLiteral("IND1")))
                return; // without IND1 the answer is no stock list
            SayiBicimle(*rows);
            sonuc->rows = std::move(rows);
            sonuc->failed = false;
            copy->Close();
        } catch (const platform::Error &) {
            sonuc->failed = true;
        }
    })->Await([self = QPointer<StokListesi>(this), sonuc] {
        if (!self)
            return;
        StokListesi &s = *self;
        s.m.araedit->setEnabled(true);
        s.m.araedit->selectAll();
        s.m.araedit->setFocus();
        s.m.gifstokara->Stop();
        if (sonuc->failed) {
            auto empty = std::make_unique<platform::DataSet>();
            s.cxGrid1->SetDataSet(std::move(empty));
            MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                        platform::DialogButton::Ok);
            s.Baslik(kStokListesi);
            return;
        }
        const int count = sonuc->rows->RecordCount();
        s.cxGrid1->SetDataSet(std::move(sonuc->rows));
        s.Baslik(QString::number(count) + QStringLiteral("=Stok Listesi"));
    });
}

void StokListesi::SpeedButton1Click()
{
    if (Araniyor())
        return;
    if (cxGrid1->Data() && cxGrid1->Data()->Active()) {
        cxGrid1->SetDataSet(std::make_unique<platform::DataSet>());
        Baslik(kStokListesi);
    }
    m.sayfalar->setCurrentWidget(m.sayfa);
    cxGrid1->ClearFilters();
    m.araedit->clear();
    m.araedit->selectAll();
    m.araedit->setFocus();
}

void StokListesi::Sifirla()
{
    if (cxGrid1->Data() && cxGrid1->Data()->Active())
        cxGrid1->SetDataSet(std::make_unique<platform::DataSet>());
    Baslik(QStringLiteral("0=Stok Listesi"));
    m.sayfalar->setCurrentWidget(m.sayfa);
    m.araedit->selectAll();
    m.araedit->setFocus();
}

void StokListesi::MusteriTipiKurallari(int musteriTipi)
{
    m_musteriTipi = musteriTipi;
    if (musteriTipi == 1 || musteriTipi == 2) {
        for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
            cxGrid1->SetColumnVisible(QLatin1String(field), true);
            cxGrid1->SetColumnOffered(QLatin1String(field), true);
        }
    } else if (musteriTipi == 4) {
        for (const char *field : {"KAMPFIYAT", "K"}) {
            cxGrid1->SetColumnVisible(QLatin1String(field), false);
            cxGrid1->SetColumnOffered(QLatin1String(field), false);
        }
    }
}

void StokListesi::cxGrid1Resize()
{
    if (Araniyor())
        return;
    const bool narrow = m.anaPencere->width() <= 1152;
    if (narrow) {
        for (const char *field : {"KDVDAHIL", "LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT"})
            cxGrid1->SetColumnVisible(QLatin1String(field), false);
        cxGrid1->SetColumnVisible(kFiyatBilgisi, true);
        cxGrid1->SetRowHeight(100);
    } else {
        cxGrid1->SetColumnVisible(QStringLiteral("LISTEFIYAT1"), true);
        // A customer who may not see campaigns does not get the column back on a relayout.
        cxGrid1->SetColumnVisible(QStringLiteral("KAMPFIYAT"), m_musteriTipi != 4);
        cxGrid1->SetColumnVisible(QStringLiteral("NETFIYAT"), true);
        cxGrid1->SetColumnVisible(kFiyatBilgisi, false);
        cxGrid1->SetRowHeight(40);
    }
    cxGrid1->ApplyProportionalWidths();
    if (narrow) {
        for (const char *field : {"OEM1", "OEM2", "OEM3"})
            cxGrid1->SetColumnWidth(QLatin1String(field), 80);
        cxGrid1->SetColumnWidth(kFiyatBilgisi, 150);
        cxGrid1->SetRowHeight(100);
    }
}
