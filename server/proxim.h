#pragma once

#include <QJsonArray>
#include <QString>
#include <memory>
#include <vector>

class TSonucBilgisi;
class TSiparisDipAyrinti;
class TTusSonuclari;
class TMobilStok;
class TMobilStoklar;
class TMobilSepetler;
class TMobilCariBilgisi;
class TAcilisEkran;
class TAcilisEkranlar;
class TAcilisEkranlariki;
class QObject;

namespace platform {
class Callback;
class Connection;
class DataSet;
class MemoryStream;
} // namespace platform

namespace server {
class ServerCommand;
}

// The typed proxy of the application server's methods. Create one on an open connection,
// call a method, take over what it returns, and destroy it:
//  - an object argument is consumed by the call (it is marshalled and freed);
//  - a returned object, table, stream or array belongs to the proxy and is released at the
//    next call of the same method on this proxy or when the proxy is destroyed;
//  - output parameters come back through the reference arguments;
//  - each method's command is prepared once per proxy and reused;
//  - a server error or a broken connection raises platform::Error with the reason.
// A proxy and its connection belong to one thread at a time.
class TServerMethods1Client
{
public:
    explicit TServerMethods1Client(platform::Connection *ADBXConnection);
    TServerMethods1Client(platform::Connection *ADBXConnection, bool AInstanceOwner);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    bool InstanceOwner() const { return FInstanceOwner; }
    // The prepared command of a method on this proxy, or nullptr before its first call.
    const server::ServerCommand *Command(const QString &method) const;
    // Takes a returned table, stream, array or object over from the proxy, so that it outlives
    // the proxy without a copy; nothing when this proxy does not hold it.
    template <class T> std::unique_ptr<T> Devral(T *result);

    platform::DataSet *SepetVer2(int carino);
    platform::DataSet *OncekiSiparisler(int carino);
    platform::DataSet *CariEkstreVer(int carino);
    platform::DataSet *KampanyaliVer2(int cario, int satici);
    platform::DataSet *BakiyelerVer2(int carino);
    TSonucBilgisi *BuyukGetir(const QString &idsi);
    platform::MemoryStream *ResimVer5(int stokno, qint64 &boy);
    platform::MemoryStream *SAnalPosPdfVer(int sirano, qint64 &boy);
    platform::DataSet *StokAraGetir(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *YenilerVer2(int carino);
    int SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                   const QString &barkod, const QString &stokadi, double miktar, double kdv,
                   double fiyat, double ind1, int verenid, int k, double ind2, double ind3,
                   double ind4);
    int SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                       const QString &barkod, const QString &stokadi, double miktar, double kdv,
                       double fiyat, double ind1, int verenid, int _sepetsirano, double ind2,
                       double ind3, double ind4);
    int SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    int SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString &aciklamam);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString &_aciklama, int _verenid, int _kargoyeni);
    platform::DataSet *SiparisAyrintisi2(int carino, int idnosu);
    platform::DataSet *FaturaGetir(int carino, int idnosu);
    platform::DataSet *FaturaAltGetir(int idnosu);
    platform::DataSet *Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    int BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                      int siparissirano, double Adet, double Bakiye, const QString &barkod);
    int BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                       int siparissirano, double Adet, double Bakiye, const QString &barkod);
    int BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                            int siparissirano, double Adet, double Bakiye, const QString &barkod,
                            double fiyat, double ind);
    TSiparisDipAyrinti *SiparisAytintisiDip(int carino, int siranosu);
    platform::DataSet *CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString &aranan);
    int SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari *TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    platform::DataSet *CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n);
    QString KayanYaziGetir();
    platform::MemoryStream *BannerResimVer(qint64 &size);
    platform::MemoryStream *BannerResimVer2(qint64 &size);
    platform::MemoryStream *BannerResimVer3(qint64 &size);
    platform::MemoryStream *RaporGetir(int raporno, int bolum, int idno, int carino,
                                       const QString &saticiadi, double tarih1, double tarih2,
                                       qint64 &size);
    platform::DataSet *BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    platform::DataSet *TumSiparislerVer(int carino, int stokno);
    void SepetSecimGuncelle(int sirano, int secim);
    int MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                       const QString &adres1, const QString &adres2, const QString &ilce,
                       const QString &sehir, const QString &telefon, const QString &fax,
                       const QString &vd, const QString &vn, const QString &yetkili,
                       const QString &kullaniciadi, const QString &sifre, const QString &mail,
                       const QString &kargoambar);
    int MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                             const QString &adres1, const QString &adres2, const QString &ilce,
                             const QString &sehir, const QString &telefon, const QString &fax,
                             const QString &vd, const QString &vn, const QString &yetkili,
                             const QString &kullaniciadi, const QString &sifre, const QString &mail,
                             const QString &kargoambar, const QString &konu);
    TMobilCariBilgisi *MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    int AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(int sira);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    platform::DataSet *RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                             double tarih2);
    platform::DataSet *RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                double tarih2);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    void DSServerModuleCreate(const QObject *Sender);
    QString EchoString(const QString &Value);
    QString ReverseString(const QString &Value);
    platform::DataSet *StokAra(const QString &kod, const QString &carino, int satici);
    platform::DataSet *SepetVer(int carino);
    platform::DataSet *TeslimVer();
    platform::DataSet *KargoVer();
    platform::DataSet *KargolarVer(int gn);
    platform::DataSet *OncekiSiparisler2(int carino);
    platform::DataSet *CariEkstreVer2(int carino, double TARIH1, double TARIH2);
    platform::DataSet *CariEkstreVer2Baslik(int carino, double tarih1);
    platform::DataSet *YenilerVer(int carino);
    platform::DataSet *VastorYenilerVer(int carino);
    platform::DataSet *YenilerVerMobile(int carino);
    platform::DataSet *KampanyaliVer(int cario, int satici);
    platform::DataSet *VastorKampanyaliVer(int cario, int satici);
    platform::DataSet *KampanyaliVermMobil(int cario, int satici);
    platform::DataSet *DuyuruVer();
    platform::DataSet *DuyuruVer2();
    platform::DataSet *BakiyelerVer(int carino);
    QJsonArray *ResimVer6(int stokno, qint64 &boy);
    platform::DataSet *StokAraBrisal(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *StokAraPelindo2(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *Tolmerk(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *StokAraVastor(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *StokAraPelindo(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    int SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                  const QString &barkod, const QString &stokadi, double miktar, double kdv,
                  double fiyat, double indirim, int verenid, int k);
    int SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                      const QString &barkod, const QString &stokadi, double miktar, double kdv,
                      double fiyat, double indirim, int verenid, int _sepetsirano);
    void CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi);
    platform::DataSet *Oncekiler(int carino);
    platform::DataSet *SiparisAyrintisi(int carino, int idnosu);
    platform::MemoryStream *DosyaIndir(qint64 &size);
    platform::MemoryStream *BelgeIndir(int sirano, qint64 &size, QString &adi);
    platform::MemoryStream *BelgeIndir2(int sirano, qint64 &size, QString &adi,
                                        std::unique_ptr<TSonucBilgisi> bilgi);
    int KurlariAl(double &usd, double &eur);
    TMobilStoklar *MobilStokara(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi,
                                int neresi, int nekadar);
    TMobilStok *MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi);
    TMobilSepetler *SepetMobilVer(int carino);
    TAcilisEkranlar *AcilisEkranlarVer();
    int MobilStokaraGeri(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                         int nekadar, const platform::Callback *geri);
    TMobilStoklar *MobilStokaraAdimli(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi,
                                      int neresi, int nekadar, int ilk, int Adet, bool &kalan,
                                      int &toplam);
    platform::DataSet *DepartmanlariGetir();
    platform::DataSet *VastordeAra(const QString &s);
    platform::DataSet *DosyaListesi();
    platform::DataSet *DosyaListesi2();
    platform::DataSet *AcilisEkranlariVerData();
    QString BuyukResimVer(int stokno, int &boy);
    void HttpResimVer(int stokno);
    QString KucukResimVer(int stokno);
    bool SifremiUnuttum(const QString &idsi, int &mailvarmi);
    int BalonGetir2(int carino, int &sepet, int &yenistok, int &kampnayali, int &duyuru,
                    int &Bakiye, int &dosya);
    int MobilSiparisKaydet(int idnosu);
    void AramaGonderAl(std::unique_ptr<TSonucBilgisi> b, const QString &kod, int Adet);
    QJsonArray *CarileriVer();
    platform::MemoryStream *KavrunVer();
    QString SiparisAlinirmi(int carino);

private:
    server::ServerCommand &Prepare(std::unique_ptr<server::ServerCommand> &command,
                                   const char *method);

    platform::Connection *FDBXConnection;
    bool FInstanceOwner;
    std::vector<server::ServerCommand *> m_prepared; // the commands made so far, for Devral

    std::unique_ptr<server::ServerCommand> FSepetVer2Command;
    std::unique_ptr<server::ServerCommand> FOncekiSiparislerCommand;
    std::unique_ptr<server::ServerCommand> FCariEkstreVerCommand;
    std::unique_ptr<server::ServerCommand> FKampanyaliVer2Command;
    std::unique_ptr<server::ServerCommand> FBakiyelerVer2Command;
    std::unique_ptr<server::ServerCommand> FBuyukGetirCommand;
    std::unique_ptr<server::ServerCommand> FResimVer5Command;
    std::unique_ptr<server::ServerCommand> FSAnalPosPdfVerCommand;
    std::unique_ptr<server::ServerCommand> FStokAraGetirCommand;
    std::unique_ptr<server::ServerCommand> FYenilerVer2Command;
    std::unique_ptr<server::ServerCommand> FSepetEkle2Command;
    std::unique_ptr<server::ServerCommand> FSepetGuncelle2Command;
    std::unique_ptr<server::ServerCommand> FSepetHepsiniSilCommand;
    std::unique_ptr<server::ServerCommand> FSepetSatirSilCommand;
    std::unique_ptr<server::ServerCommand> FSiparisKaydetCommand;
    std::unique_ptr<server::ServerCommand> FSiparisAyrintisi2Command;
    std::unique_ptr<server::ServerCommand> FFaturaGetirCommand;
    std::unique_ptr<server::ServerCommand> FFaturaAltGetirCommand;
    std::unique_ptr<server::ServerCommand> FTahsilatCommand;
    std::unique_ptr<server::ServerCommand> FSanalposSiranoVerCommand;
    std::unique_ptr<server::ServerCommand> FBakiyeDuzenleCommand;
    std::unique_ptr<server::ServerCommand> FBakiyeDegistirCommand;
    std::unique_ptr<server::ServerCommand> FBakiyeFiyatDegistirCommand;
    std::unique_ptr<server::ServerCommand> FSiparisAytintisiDipCommand;
    std::unique_ptr<server::ServerCommand> FCariAraCommand;
    std::unique_ptr<server::ServerCommand> FSepetSayisiCommand;
    std::unique_ptr<server::ServerCommand> FTusSonuclariVerCommand;
    std::unique_ptr<server::ServerCommand> FCariSepetVerCommand;
    std::unique_ptr<server::ServerCommand> FKayanYaziGetirCommand;
    std::unique_ptr<server::ServerCommand> FBannerResimVerCommand;
    std::unique_ptr<server::ServerCommand> FBannerResimVer2Command;
    std::unique_ptr<server::ServerCommand> FBannerResimVer3Command;
    std::unique_ptr<server::ServerCommand> FRaporGetirCommand;
    std::unique_ptr<server::ServerCommand> FBalonGetirCommand;
    std::unique_ptr<server::ServerCommand> FTumSiparislerVerCommand;
    std::unique_ptr<server::ServerCommand> FSepetSecimGuncelleCommand;
    std::unique_ptr<server::ServerCommand> FMailGonserCariCommand;
    std::unique_ptr<server::ServerCommand> FMailGonserCariNormalCommand;
    std::unique_ptr<server::ServerCommand> FMobilCariBilgisiGetirCommand;
    std::unique_ptr<server::ServerCommand> FAcilisReklamAdetCommand;
    std::unique_ptr<server::ServerCommand> FAcilisREklamVerCommand;
    std::unique_ptr<server::ServerCommand> FAcilisEkranlarVer2Command;
    std::unique_ptr<server::ServerCommand> FRaporAlinanSiparislerCommand;
    std::unique_ptr<server::ServerCommand> FRaporEnCokSatilanStoklarCommand;
    std::unique_ptr<server::ServerCommand> FCariDurumVerCommand;
    std::unique_ptr<server::ServerCommand> FCariVadeGunGecmismiBulCommand;
    std::unique_ptr<server::ServerCommand> FDSServerModuleCreateCommand;
    std::unique_ptr<server::ServerCommand> FEchoStringCommand;
    std::unique_ptr<server::ServerCommand> FReverseStringCommand;
    std::unique_ptr<server::ServerCommand> FStokAraCommand;
    std::unique_ptr<server::ServerCommand> FSepetVerCommand;
    std::unique_ptr<server::ServerCommand> FTeslimVerCommand;
    std::unique_ptr<server::ServerCommand> FKargoVerCommand;
    std::unique_ptr<server::ServerCommand> FKargolarVerCommand;
    std::unique_ptr<server::ServerCommand> FOncekiSiparisler2Command;
    std::unique_ptr<server::ServerCommand> FCariEkstreVer2Command;
    std::unique_ptr<server::ServerCommand> FCariEkstreVer2BaslikCommand;
    std::unique_ptr<server::ServerCommand> FYenilerVerCommand;
    std::unique_ptr<server::ServerCommand> FVastorYenilerVerCommand;
    std::unique_ptr<server::ServerCommand> FYenilerVerMobileCommand;
    std::unique_ptr<server::ServerCommand> FKampanyaliVerCommand;
    std::unique_ptr<server::ServerCommand> FVastorKampanyaliVerCommand;
    std::unique_ptr<server::ServerCommand> FKampanyaliVermMobilCommand;
    std::unique_ptr<server::ServerCommand> FDuyuruVerCommand;
    std::unique_ptr<server::ServerCommand> FDuyuruVer2Command;
    std::unique_ptr<server::ServerCommand> FBakiyelerVerCommand;
    std::unique_ptr<server::ServerCommand> FResimVer6Command;
    std::unique_ptr<server::ServerCommand> FStokAraBrisalCommand;
    std::unique_ptr<server::ServerCommand> FStokAraPelindo2Command;
    std::unique_ptr<server::ServerCommand> FTolmerkCommand;
    std::unique_ptr<server::ServerCommand> FStokAraVastorCommand;
    std::unique_ptr<server::ServerCommand> FStokAraPelindoCommand;
    std::unique_ptr<server::ServerCommand> FSepetEkleCommand;
    std::unique_ptr<server::ServerCommand> FSepetGuncelleCommand;
    std::unique_ptr<server::ServerCommand> FCikisGonderCommand;
    std::unique_ptr<server::ServerCommand> FOncekilerCommand;
    std::unique_ptr<server::ServerCommand> FSiparisAyrintisiCommand;
    std::unique_ptr<server::ServerCommand> FDosyaIndirCommand;
    std::unique_ptr<server::ServerCommand> FBelgeIndirCommand;
    std::unique_ptr<server::ServerCommand> FBelgeIndir2Command;
    std::unique_ptr<server::ServerCommand> FKurlariAlCommand;
    std::unique_ptr<server::ServerCommand> FMobilStokaraCommand;
    std::unique_ptr<server::ServerCommand> FMobilStokNoAraCommand;
    std::unique_ptr<server::ServerCommand> FSepetMobilVerCommand;
    std::unique_ptr<server::ServerCommand> FAcilisEkranlarVerCommand;
    std::unique_ptr<server::ServerCommand> FMobilStokaraGeriCommand;
    std::unique_ptr<server::ServerCommand> FMobilStokaraAdimliCommand;
    std::unique_ptr<server::ServerCommand> FDepartmanlariGetirCommand;
    std::unique_ptr<server::ServerCommand> FVastordeAraCommand;
    std::unique_ptr<server::ServerCommand> FDosyaListesiCommand;
    std::unique_ptr<server::ServerCommand> FDosyaListesi2Command;
    std::unique_ptr<server::ServerCommand> FAcilisEkranlariVerDataCommand;
    std::unique_ptr<server::ServerCommand> FBuyukResimVerCommand;
    std::unique_ptr<server::ServerCommand> FHttpResimVerCommand;
    std::unique_ptr<server::ServerCommand> FKucukResimVerCommand;
    std::unique_ptr<server::ServerCommand> FSifremiUnuttumCommand;
    std::unique_ptr<server::ServerCommand> FBalonGetir2Command;
    std::unique_ptr<server::ServerCommand> FMobilSiparisKaydetCommand;
    std::unique_ptr<server::ServerCommand> FAramaGonderAlCommand;
    std::unique_ptr<server::ServerCommand> FCarileriVerCommand;
    std::unique_ptr<server::ServerCommand> FKavrunVerCommand;
    std::unique_ptr<server::ServerCommand> FSiparisAlinirmiCommand;
};

#include "servercommand.h"

template <class T> std::unique_ptr<T> TServerMethods1Client::Devral(T *result)
{
    for (server::ServerCommand *command : m_prepared)
        if (auto taken = command->Take(result))
            return taken;
    return nullptr;
}
