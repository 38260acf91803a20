#include "siparisgonder.h"

#include "onaysipu.h"
#include "sepettoplam.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <memory>

namespace {

// Every order goes out with the same delivery, cargo kind and cargo company.
constexpr int kTeslim = 1;
constexpr int kKargo = 1;
constexpr int kKargoYeni = 1;

} // namespace

bool SiparisGonderme::Button1Click() const
{
    Q_ASSERT(sbilgi && bagc);
    if (!SeciliVarmi(sepet)) {
        MesajGoster(QStringLiteral("Gönderilecek Parça Yok "), 0, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
        return false;
    }
    const QString aciklama = aciklamagir ? aciklamagir->toPlainText() : QString();

    auto onay = std::make_unique<TONAYSIP>(pencere);
    onay->Label2->setText(
        SiparisOzeti(*sbilgi, TutarYazisi(SepetToplamHesapla(*sepet).genel), aciklama));
    onay->Label3->setText(uyari);
    if (onay->exec() != QDialog::Accepted)
        return false;
    onay.reset();

    if (!SiparisGonder(*sbilgi, *bagc, aciklama)) {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), 1, {platform::DialogButton::Ok},
                    platform::DialogButton::Ok);
        return false;
    }
    MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), 2, {platform::DialogButton::Ok},
                platform::DialogButton::Ok);
    // The order is on the server now: the note goes even if the reload fails.
    if (aciklamagir)
        aciklamagir->clear();
    if (SepetYukle)
        SepetYukle();
    return true;
}

bool SiparisGonder(const TSonucBilgisi &sbilgi, platform::Connection &bagc, const QString &aciklama)
{
    auto bilgi = std::make_unique<TSonucBilgisi>();
    bilgi->Kopyala(sbilgi);
    if (!BaglantiAc(bagc, 1))
        return false;
    bool kaydedildi = false;
    try {
        TServerMethods1Client proxy(&bagc);
        kaydedildi = proxy.SiparisKaydet(std::move(bilgi), sbilgi.CARINO(), kTeslim, kKargo,
                                         aciklama, sbilgi.Sirano(), kKargoYeni);
    } catch (const platform::Error &) {
        // A refused or broken call is a failed send like any other: the user is told so
        // and keeps the basket and the note.
        kaydedildi = false;
    }
    bagc.Close();
    return kaydedildi;
}
