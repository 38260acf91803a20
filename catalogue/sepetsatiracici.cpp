#include "sepetsatiracici.h"

#include "orantiliresim.h"
#include "stokayarintiu.h"
#include "tutarkutusu.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/shell.h"
#include "platform/stream.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QSpinBox>
#include <cmath>

namespace {

const QString kKampanyaliFiyat = QStringLiteral("Kampanyalı Fiyat:");
const QString kKampanyali = QStringLiteral("Kampanyalı ");

QString Metin(const platform::DataSet &d, const char *alan)
{
    return d.FieldByName(QLatin1String(alan)).AsString();
}

double Sayi(const platform::DataSet &d, const char *alan)
{
    return d.FieldByName(QLatin1String(alan)).AsFloat();
}

int Tamsayi(const platform::DataSet &d, const char *alan)
{
    return d.FieldByName(QLatin1String(alan)).AsInteger();
}

// The VAT rate goes to the server as a whole number.
double TamKdv(double kdv)
{
    return double(std::llround(kdv));
}

bool FiyatDegisebilir(int musteriTipi)
{
    return musteriTipi == 1 || musteriTipi == 2;
}

void Etiketler(Tstokayarinti &dialog, const QString &barkod, const QString &adi,
               const QString &marka, const QString &finishkod, const QString &model)
{
    dialog.barkod->setText(barkod);
    dialog.adi->setText(adi);
    dialog.marka->setText(marka);
    dialog.finishkod->setText(finishkod);
    dialog.model->setText(model);
}

QString HataSinifi(const platform::Error &e)
{
    if (dynamic_cast<const platform::ConnectionError *>(&e))
        return QStringLiteral("ConnectionError");
    if (dynamic_cast<const platform::ServerError *>(&e))
        return QStringLiteral("ServerError");
    if (dynamic_cast<const platform::ConversionError *>(&e))
        return QStringLiteral("ConversionError");
    if (dynamic_cast<const platform::ProtocolError *>(&e))
        return QStringLiteral("ProtocolError");
    return QStringLiteral("Error");
}

struct Onay
{
    int miktar = 0;
    double fiyat = 0;
};

// Shows a filled dialog modally and frees it; the quantity and unit price after OK. A quantity
// that is not a number raises the conversion error.
std::optional<Onay> Sor(Tstokayarinti *created)
{
    QPointer<Tstokayarinti> dialog(created);
    const auto free = qScopeGuard([&] { delete dialog.data(); });
    if (dialog->exec() != QDialog::Accepted || !dialog)
        return std::nullopt;
    return Onay{dialog->Miktar(), dialog->birimfiyat->Value()};
}

} // namespace

ListeSatiri ListeSatiri::Oku(const platform::DataSet &liste)
{
    ListeSatiri s;
    s.stokno = Tamsayi(liste, "STOK_STOKNO");
    s.barkod = Metin(liste, "BARKOD");
    s.adi = Metin(liste, "ADI");
    s.marka = Metin(liste, "MARKA");
    s.finishkod = Metin(liste, "FINISHKOD");
    s.model = Metin(liste, "MODEL");
    s.kdv = Sayi(liste, "KDV");
    s.fiyat = Sayi(liste, "FIYAT");
    s.ind = {Sayi(liste, "IND1"), Sayi(liste, "IND2"), Sayi(liste, "IND3"), Sayi(liste, "IND4")};
    s.indirimyazi = Metin(liste, "INDIRIMYAZI");
    s.k = Tamsayi(liste, "K");
    return s;
}

SepetSatiri SepetSatiri::Oku(const platform::DataSet &sepet)
{
    SepetSatiri s;
    s.sirano = Tamsayi(sepet, "SIRANO");
    s.stokno = Tamsayi(sepet, "STOKNO");
    s.barkod = Metin(sepet, "BARKOD");
    s.stokadi = Metin(sepet, "STOKADI");
    s.marka = Metin(sepet, "MARKA");
    s.finishkod = Metin(sepet, "FINISHKOD");
    s.model = Metin(sepet, "MODEL");
    s.kdv = Sayi(sepet, "KDV");
    s.birimfiyat = Sayi(sepet, "BIRIMFIYAT");
    s.miktar = Sayi(sepet, "MIKTAR");
    s.ind = {Sayi(sepet, "INDIRIMORANI1"), Sayi(sepet, "INDIRIMORANI2"),
             Sayi(sepet, "INDIRIMORANI3"), Sayi(sepet, "INDIRIMORANI4")};
    s.indirimyazi = Metin(sepet, "INDIRIMYAZI");
    return s;
}

void YeniSatirDoldur(Tstokayarinti &dialog, KaynakListe kaynak, const ListeSatiri &satir,
                     int musteriTipi)
{
    dialog.kdvoran = satir.kdv;
    Etiketler(dialog, satir.barkod, satir.adi, satir.marka, satir.finishkod, satir.model);
    dialog.birimfiyat->SetValue(satir.fiyat);
    dialog.ind1 = satir.ind[0];
    dialog.ind2 = satir.ind[1];
    dialog.ind3 = satir.ind[2];
    dialog.ind4 = satir.ind[3];

    const bool kampanyali = kaynak == KaynakListe::Kampanyali || satir.k > 0;
    switch (kaynak) {
    case KaynakListe::Stok:
        dialog._stokno = satir.stokno;
        dialog.indirimoran->setText(QStringLiteral("İndirim: %") + satir.indirimyazi);
        break;
    case KaynakListe::Yeniler:
        dialog.indirimoran->setText(QStringLiteral("İndirim:  % ") + satir.indirimyazi);
        break;
    case KaynakListe::Kampanyali:
        break;
    }
    if (kampanyali) {
        dialog.Label2->setText(kKampanyaliFiyat);
        dialog.indirimoran->setText(kKampanyali + satir.indirimyazi);
    }
    dialog.birimfiyat->SetEditable(kaynak != KaynakListe::Kampanyali &&
                                   FiyatDegisebilir(musteriTipi));
}

void SepetSatiriDoldur(Tstokayarinti &dialog, const SepetSatiri &satir, int musteriTipi)
{
    Etiketler(dialog, satir.barkod, satir.stokadi, satir.marka, satir.finishkod, satir.model);
    dialog.kdvoran = satir.kdv;
    dialog._stokno = satir.stokno;
    dialog.ind1 = satir.ind[0];
    dialog.ind2 = satir.ind[1];
    dialog.ind3 = satir.ind[2];
    dialog.ind4 = satir.ind[3];
    dialog.indirimoran->setText(QStringLiteral("İndirim: %") + satir.indirimyazi);
    dialog.birimfiyat->SetEditable(FiyatDegisebilir(musteriTipi));
    dialog.birimfiyat->SetValue(satir.birimfiyat);
    dialog.adet->setValue(int(std::llround(satir.miktar)));
}

std::optional<int> OdakStokno(const platform::DataSet &liste, int satir)
{
    if (satir < 0 || satir >= liste.RecordCount())
        return std::nullopt;
    return int(liste.FieldByName(QStringLiteral("STOK_STOKNO")).IntAt(satir));
}

std::optional<int> SepettekiSatir(platform::DataSet *sepet, int stokno)
{
    if (!sepet || !sepet->Active() || !sepet->Locate(QStringLiteral("STOKNO"), stokno))
        return std::nullopt;
    return sepet->FieldByName(QStringLiteral("SIRANO")).AsInteger();
}

void ResimYukle(int stokno, OrantiliResim *resim, platform::Connection &bagc)
{
    if (!BaglantiAc(bagc, 1))
        return;
    const auto kapat = qScopeGuard([&] { bagc.Close(); });
    try {
        TServerMethods1Client proxy(&bagc);
        qint64 boy = 0;
        platform::MemoryStream *akis = proxy.ResimVer5(stokno, boy);
        if (boy == 0 || !akis)
            return;
        akis->Seek(0);
        const QByteArray bytes = platform::ReadAllInPieces(*akis);
        if (bytes.size() != boy)
            return; // a picture cut short is not shown
        QImage image;
        if (!image.loadFromData(bytes, "JPEG"))
            throw platform::ConversionError(QStringLiteral("JPEG resmi okunamadı"));
        if (resim)
            resim->SetPicture(QPixmap::fromImage(image));
    } catch (const platform::Error &e) {
        platform::MessageRequest kutu;
        kutu.text = HataSinifi(e) + QStringLiteral(": ") + e.Message();
        kutu.kind = -1; // the plain box: no kind of its own
        kutu.buttons = {platform::DialogButton::Ok};
        kutu.focused = platform::DialogButton::Ok;
        platform::CurrentShell().ShowMessage(kutu);
    }
}

SepetSatirAcici::SepetSatirAcici(Baglam baglam) : m_baglam(std::move(baglam))
{
    Q_ASSERT(m_baglam.sbilgi && m_baglam.bagc);
}

int SepetSatirAcici::MusteriTipi() const
{
    return m_baglam.sbilgi->MusteriTipi();
}

void SepetSatirAcici::ListeCiftTik(KaynakListe kaynak, platform::DataSet &liste,
                                   std::optional<int> odakStokno)
{
    if (!odakStokno)
        return;
    try {
        if (!liste.Locate(QStringLiteral("STOK_STOKNO"), *odakStokno))
            return;
        platform::DataSet *sepet = m_baglam.sepet ? m_baglam.sepet() : nullptr;
        if ((!sepet || !sepet->Active()) && m_baglam.SepetYukle) {
            m_baglam.SepetYukle();
            sepet = m_baglam.sepet ? m_baglam.sepet() : nullptr;
        }
        if (const std::optional<int> sirano = SepettekiSatir(sepet, *odakStokno))
            SepetSatiriAc(*sirano);
        else
            YeniSatirAc(kaynak, liste);
    } catch (const platform::Error &e) {
        platform::CurrentShell().ShowError(e.Message());
    }
}

void SepetSatirAcici::YeniSatirAc(KaynakListe kaynak, const platform::DataSet &liste)
{
    try {
        const ListeSatiri satir = ListeSatiri::Oku(liste);
        auto *dialog = new Tstokayarinti(m_baglam.owner);
        YeniSatirDoldur(*dialog, kaynak, satir, MusteriTipi());
        if (kaynak != KaynakListe::Stok)
            ResimYukle(satir.stokno, dialog->Image1, *m_baglam.bagc);
        if (const std::optional<Onay> onay = Sor(dialog))
            SatirEkle(satir, onay->miktar, onay->fiyat);
    } catch (const platform::Error &e) {
        platform::CurrentShell().ShowError(e.Message());
    }
}

void SepetSatirAcici::SepetSatiriAc(int sirano)
{
    try {
        platform::DataSet *sepet = m_baglam.sepet ? m_baglam.sepet() : nullptr;
        if (!sepet || !sepet->Active() || !sepet->Locate(QStringLiteral("SIRANO"), sirano))
            return;
        const SepetSatiri satir = SepetSatiri::Oku(*sepet);
        auto *dialog = new Tstokayarinti(m_baglam.owner);
        SepetSatiriDoldur(*dialog, satir, MusteriTipi());
        const std::optional<Onay> onay = Sor(dialog);
        if (!onay)
            return;
        // The basket is reloaded whatever the server answered, once something was sent.
        if (SatirGuncelle(satir, onay->miktar, onay->fiyat) && m_baglam.SepetYukle)
            m_baglam.SepetYukle();
    } catch (const platform::Error &e) {
        platform::CurrentShell().ShowError(e.Message());
    }
}

bool SepetSatirAcici::SatirEkle(const ListeSatiri &satir, double miktar, double fiyat)
{
    const TSonucBilgisi &sbilgi = *m_baglam.sbilgi;
    auto bilgim = std::make_unique<TSonucBilgisi>();
    bilgim->Kopyala(sbilgi);
    platform::Connection &bagc = *m_baglam.bagc;
    if (!BaglantiAc(bagc, 1))
        return false;
    int sonuc = 0;
    {
        const auto kapat = qScopeGuard([&] { bagc.Close(); });
        TServerMethods1Client proxy(&bagc);
        sonuc =
            proxy.SepetEkle2(std::move(bilgim), sbilgi.CARINO(), satir.stokno, satir.barkod,
                             satir.adi, miktar, TamKdv(satir.kdv), fiyat, satir.ind[0],
                             sbilgi.Sirano(), satir.k, satir.ind[1], satir.ind[2], satir.ind[3]);
    }
    if (sonuc != 1)
        return false;
    if (m_baglam.SepetYukle)
        m_baglam.SepetYukle();
    return true;
}

std::optional<int> SepetSatirAcici::SatirGuncelle(const SepetSatiri &satir, double miktar,
                                                  double fiyat)
{
    const TSonucBilgisi &sbilgi = *m_baglam.sbilgi;
    auto bilgim = std::make_unique<TSonucBilgisi>();
    bilgim->Kopyala(sbilgi);
    platform::Connection &bagc = *m_baglam.bagc;
    if (!BaglantiAc(bagc, 1))
        return std::nullopt;
    const auto kapat = qScopeGuard([&] { bagc.Close(); });
    TServerMethods1Client proxy(&bagc);
    // The line is named by its number; its rates go back as they came.
    return proxy.SepetGuncelle2(std::move(bilgim), sbilgi.CARINO(), 0, satir.barkod, satir.stokadi,
                                miktar, TamKdv(satir.kdv), fiyat, satir.ind[0], sbilgi.Sirano(),
                                satir.sirano, satir.ind[1], satir.ind[2], satir.ind[3]);
}
