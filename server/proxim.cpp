#include "proxim.h"

#include "mobilstokunit.h"
#include "servercommand.h"
#include "session/baglantiu.h"

#include "platform/connection.h"
#include "platform/error.h"

#include <QObject>

namespace {

// A plain object argument has no fields of ours to send: its class name stands for it.
QJsonObject MarshalPlain(const QObject *object)
{
    return QJsonObject{
        {QStringLiteral("type"), QString::fromLatin1(object->metaObject()->className())},
        {QStringLiteral("id"), 1},
        {QStringLiteral("fields"), QJsonObject()}};
}

} // namespace

TServerMethods1Client::TServerMethods1Client(platform::Connection *ADBXConnection)
    : TServerMethods1Client(ADBXConnection, true)
{
}

TServerMethods1Client::TServerMethods1Client(platform::Connection *ADBXConnection,
                                             bool AInstanceOwner)
    : FDBXConnection(ADBXConnection), FInstanceOwner(AInstanceOwner)
{
    if (!FDBXConnection || !FDBXConnection->Connected())
        throw platform::Error(
            QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
}

TServerMethods1Client::~TServerMethods1Client() = default;

server::ServerCommand &
TServerMethods1Client::Prepare(std::unique_ptr<server::ServerCommand> &command, const char *method)
{
    if (!command) {
        const server::MethodInfo *info = server::FindMethod(QString::fromLatin1(method));
        Q_ASSERT(info);
        command = std::make_unique<server::ServerCommand>(*FDBXConnection, *info);
        m_prepared.push_back(command.get());
    }
    return *command;
}

const server::ServerCommand *TServerMethods1Client::Command(const QString &method) const
{

    if (method == QLatin1String("SepetVer2"))
        return FSepetVer2Command.get();
    if (method == QLatin1String("OncekiSiparisler"))
        return FOncekiSiparislerCommand.get();
    if (method == QLatin1String("CariEkstreVer"))
        return FCariEkstreVerCommand.get();
    if (method == QLatin1String("KampanyaliVer2"))
        return FKampanyaliVer2Command.get();
    if (method == QLatin1String("BakiyelerVer2"))
        return FBakiyelerVer2Command.get();
    if (method == QLatin1String("BuyukGetir"))
        return FBuyukGetirCommand.get();
    if (method == QLatin1String("ResimVer5"))
        return FResimVer5Command.get();
    if (method == QLatin1String("SAnalPosPdfVer"))
        return FSAnalPosPdfVerCommand.get();
    if (method == QLatin1String("StokAraGetir"))
        return FStokAraGetirCommand.get();
    if (method == QLatin1String("YenilerVer2"))
        return FYenilerVer2Command.get();
    if (method == QLatin1String("SepetEkle2"))
        return FSepetEkle2Command.get();
    if (method == QLatin1String("SepetGuncelle2"))
        return FSepetGuncelle2Command.get();
    if (method == QLatin1String("SepetHepsiniSil"))
        return FSepetHepsiniSilCommand.get();
    if (method == QLatin1String("SepetSatirSil"))
        return FSepetSatirSilCommand.get();
    if (method == QLatin1String("SiparisKaydet"))
        return FSiparisKaydetCommand.get();
    if (method == QLatin1String("SiparisAyrintisi2"))
        return FSiparisAyrintisi2Command.get();
    if (method == QLatin1String("FaturaGetir"))
        return FFaturaGetirCommand.get();
    if (method == QLatin1String("FaturaAltGetir"))
        return FFaturaAltGetirCommand.get();
    if (method == QLatin1String("Tahsilat"))
        return FTahsilatCommand.get();
    if (method == QLatin1String("SanalposSiranoVer"))
        return FSanalposSiranoVerCommand.get();
    if (method == QLatin1String("BakiyeDuzenle"))
        return FBakiyeDuzenleCommand.get();
    if (method == QLatin1String("BakiyeDegistir"))
        return FBakiyeDegistirCommand.get();
    if (method == QLatin1String("BakiyeFiyatDegistir"))
        return FBakiyeFiyatDegistirCommand.get();
    if (method == QLatin1String("SiparisAytintisiDip"))
        return FSiparisAytintisiDipCommand.get();
    if (method == QLatin1String("CariAra"))
        return FCariAraCommand.get();
    if (method == QLatin1String("SepetSayisi"))
        return FSepetSayisiCommand.get();
    if (method == QLatin1String("TusSonuclariVer"))
        return FTusSonuclariVerCommand.get();
    if (method == QLatin1String("CariSepetVer"))
        return FCariSepetVerCommand.get();
    if (method == QLatin1String("KayanYaziGetir"))
        return FKayanYaziGetirCommand.get();
    if (method == QLatin1String("BannerResimVer"))
        return FBannerResimVerCommand.get();
    if (method == QLatin1String("BannerResimVer2"))
        return FBannerResimVer2Command.get();
    if (method == QLatin1String("BannerResimVer3"))
        return FBannerResimVer3Command.get();
    if (method == QLatin1String("RaporGetir"))
        return FRaporGetirCommand.get();
    if (method == QLatin1String("BalonGetir"))
        return FBalonGetirCommand.get();
    if (method == QLatin1String("TumSiparislerVer"))
        return FTumSiparislerVerCommand.get();
    if (method == QLatin1String("SepetSecimGuncelle"))
        return FSepetSecimGuncelleCommand.get();
    if (method == QLatin1String("MailGonserCari"))
        return FMailGonserCariCommand.get();
    if (method == QLatin1String("MailGonserCariNormal"))
        return FMailGonserCariNormalCommand.get();
    if (method == QLatin1String("MobilCariBilgisiGetir"))
        return FMobilCariBilgisiGetirCommand.get();
    if (method == QLatin1String("AcilisReklamAdet"))
        return FAcilisReklamAdetCommand.get();
    if (method == QLatin1String("AcilisREklamVer"))
        return FAcilisREklamVerCommand.get();
    if (method == QLatin1String("AcilisEkranlarVer2"))
        return FAcilisEkranlarVer2Command.get();
    if (method == QLatin1String("RaporAlinanSiparisler"))
        return FRaporAlinanSiparislerCommand.get();
    if (method == QLatin1String("RaporEnCokSatilanStoklar"))
        return FRaporEnCokSatilanStoklarCommand.get();
    if (method == QLatin1String("CariDurumVer"))
        return FCariDurumVerCommand.get();
    if (method == QLatin1String("CariVadeGunGecmismiBul"))
        return FCariVadeGunGecmismiBulCommand.get();
    if (method == QLatin1String("DSServerModuleCreate"))
        return FDSServerModuleCreateCommand.get();
    if (method == QLatin1String("EchoString"))
        return FEchoStringCommand.get();
    if (method == QLatin1String("ReverseString"))
        return FReverseStringCommand.get();
    if (method == QLatin1String("StokAra"))
        return FStokAraCommand.get();
    if (method == QLatin1String("SepetVer"))
        return FSepetVerCommand.get();
    if (method == QLatin1String("TeslimVer"))
        return FTeslimVerCommand.get();
    if (method == QLatin1String("KargoVer"))
        return FKargoVerCommand.get();
    if (method == QLatin1String("KargolarVer"))
        return FKargolarVerCommand.get();
    if (method == QLatin1String("OncekiSiparisler2"))
        return FOncekiSiparisler2Command.get();
    if (method == QLatin1String("CariEkstreVer2"))
        return FCariEkstreVer2Command.get();
    if (method == QLatin1String("CariEkstreVer2Baslik"))
        return FCariEkstreVer2BaslikCommand.get();
    if (method == QLatin1String("YenilerVer"))
        return FYenilerVerCommand.get();
    if (method == QLatin1String("VastorYenilerVer"))
        return FVastorYenilerVerCommand.get();
    if (method == QLatin1String("YenilerVerMobile"))
        return FYenilerVerMobileCommand.get();
    if (method == QLatin1String("KampanyaliVer"))
        return FKampanyaliVerCommand.get();
    if (method == QLatin1String("VastorKampanyaliVer"))
        return FVastorKampanyaliVerCommand.get();
    if (method == QLatin1String("KampanyaliVermMobil"))
        return FKampanyaliVermMobilCommand.get();
    if (method == QLatin1String("DuyuruVer"))
        return FDuyuruVerCommand.get();
    if (method == QLatin1String("DuyuruVer2"))
        return FDuyuruVer2Command.get();
    if (method == QLatin1String("BakiyelerVer"))
        return FBakiyelerVerCommand.get();
    if (method == QLatin1String("ResimVer6"))
        return FResimVer6Command.get();
    if (method == QLatin1String("StokAraBrisal"))
        return FStokAraBrisalCommand.get();
    if (method == QLatin1String("StokAraPelindo2"))
        return FStokAraPelindo2Command.get();
    if (method == QLatin1String("Tolmerk"))
        return FTolmerkCommand.get();
    if (method == QLatin1String("StokAraVastor"))
        return FStokAraVastorCommand.get();
    if (method == QLatin1String("StokAraPelindo"))
        return FStokAraPelindoCommand.get();
    if (method == QLatin1String("SepetEkle"))
        return FSepetEkleCommand.get();
    if (method == QLatin1String("SepetGuncelle"))
        return FSepetGuncelleCommand.get();
    if (method == QLatin1String("CikisGonder"))
        return FCikisGonderCommand.get();
    if (method == QLatin1String("Oncekiler"))
        return FOncekilerCommand.get();
    if (method == QLatin1String("SiparisAyrintisi"))
        return FSiparisAyrintisiCommand.get();
    if (method == QLatin1String("DosyaIndir"))
        return FDosyaIndirCommand.get();
    if (method == QLatin1String("BelgeIndir"))
        return FBelgeIndirCommand.get();
    if (method == QLatin1String("BelgeIndir2"))
        return FBelgeIndir2Command.get();
    if (method == QLatin1String("KurlariAl"))
        return FKurlariAlCommand.get();
    if (method == QLatin1String("MobilStokara"))
        return FMobilStokaraCommand.get();
    if (method == QLatin1String("MobilStokNoAra"))
        return FMobilStokNoAraCommand.get();
    if (method == QLatin1String("SepetMobilVer"))
        return FSepetMobilVerCommand.get();
    if (method == QLatin1String("AcilisEkranlarVer"))
        return FAcilisEkranlarVerCommand.get();
    if (method == QLatin1String("MobilStokaraGeri"))
        return FMobilStokaraGeriCommand.get();
    if (method == QLatin1String("MobilStokaraAdimli"))
        return FMobilStokaraAdimliCommand.get();
    if (method == QLatin1String("DepartmanlariGetir"))
        return FDepartmanlariGetirCommand.get();
    if (method == QLatin1String("VastordeAra"))
        return FVastordeAraCommand.get();
    if (method == QLatin1String("DosyaListesi"))
        return FDosyaListesiCommand.get();
    if (method == QLatin1String("DosyaListesi2"))
        return FDosyaListesi2Command.get();
    if (method == QLatin1String("AcilisEkranlariVerData"))
        return FAcilisEkranlariVerDataCommand.get();
    if (method == QLatin1String("BuyukResimVer"))
        return FBuyukResimVerCommand.get();
    if (method == QLatin1String("HttpResimVer"))
        return FHttpResimVerCommand.get();
    if (method == QLatin1String("KucukResimVer"))
        return FKucukResimVerCommand.get();
    if (method == QLatin1String("SifremiUnuttum"))
        return FSifremiUnuttumCommand.get();
    if (method == QLatin1String("BalonGetir2"))
        return FBalonGetir2Command.get();
    if (method == QLatin1String("MobilSiparisKaydet"))
        return FMobilSiparisKaydetCommand.get();
    if (method == QLatin1String("AramaGonderAl"))
        return FAramaGonderAlCommand.get();
    if (method == QLatin1String("CarileriVer"))
        return FCarileriVerCommand.get();
    if (method == QLatin1String("KavrunVer"))
        return FKavrunVerCommand.get();
    if (method == QLatin1String("SiparisAlinirmi"))
        return FSiparisAlinirmiCommand.get();
    return nullptr;
}

platform::DataSet *TServerMethods1Client::SepetVer2(int carino)
{
    server::ServerCommand &command = Prepare(FSepetVer2Command, "SepetVer2");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::OncekiSiparisler(int carino)
{
    server::ServerCommand &command = Prepare(FOncekiSiparislerCommand, "OncekiSiparisler");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::CariEkstreVer(int carino)
{
    server::ServerCommand &command = Prepare(FCariEkstreVerCommand, "CariEkstreVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    server::ServerCommand &command = Prepare(FKampanyaliVer2Command, "KampanyaliVer2");
    command.SetInt(0, cario);
    command.SetInt(1, satici);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::BakiyelerVer2(int carino)
{
    server::ServerCommand &command = Prepare(FBakiyelerVer2Command, "BakiyelerVer2");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    server::ServerCommand &command = Prepare(FBuyukGetirCommand, "BuyukGetir");
    command.SetString(0, idsi);
    command.Execute();
    return command.Object<TSonucBilgisi>(0);
}

platform::MemoryStream *TServerMethods1Client::ResimVer5(int stokno, qint64 &boy)
{
    server::ServerCommand &command = Prepare(FResimVer5Command, "ResimVer5");
    command.SetInt(0, stokno);
    command.Execute();
    boy = command.Int64(0);
    return command.Stream(1);
}

platform::MemoryStream *TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    server::ServerCommand &command = Prepare(FSAnalPosPdfVerCommand, "SAnalPosPdfVer");
    command.SetInt(0, sirano);
    command.Execute();
    boy = command.Int64(0);
    return command.Stream(1);
}

platform::DataSet *TServerMethods1Client::StokAraGetir(const QString &kod,
                                                       std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FStokAraGetirCommand, "StokAraGetir");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::YenilerVer2(int carino)
{
    server::ServerCommand &command = Prepare(FYenilerVer2Command, "YenilerVer2");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

int TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                      const QString &barkod, const QString &stokadi, double miktar,
                                      double kdv, double fiyat, double ind1, int verenid, int k,
                                      double ind2, double ind3, double ind4)
{
    server::ServerCommand &command = Prepare(FSepetEkle2Command, "SepetEkle2");
    command.SetObject(0, std::move(bilgim));
    command.SetInt(1, carino);
    command.SetInt(2, stokno);
    command.SetString(3, barkod);
    command.SetString(4, stokadi);
    command.SetDouble(5, miktar);
    command.SetDouble(6, kdv);
    command.SetDouble(7, fiyat);
    command.SetDouble(8, ind1);
    command.SetInt(9, verenid);
    command.SetInt(10, k);
    command.SetDouble(11, ind2);
    command.SetDouble(12, ind3);
    command.SetDouble(13, ind4);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino,
                                          int stokno, const QString &barkod, const QString &stokadi,
                                          double miktar, double kdv, double fiyat, double ind1,
                                          int verenid, int _sepetsirano, double ind2, double ind3,
                                          double ind4)
{
    server::ServerCommand &command = Prepare(FSepetGuncelle2Command, "SepetGuncelle2");
    command.SetObject(0, std::move(bilgim));
    command.SetInt(1, carino);
    command.SetInt(2, stokno);
    command.SetString(3, barkod);
    command.SetString(4, stokadi);
    command.SetDouble(5, miktar);
    command.SetDouble(6, kdv);
    command.SetDouble(7, fiyat);
    command.SetDouble(8, ind1);
    command.SetInt(9, verenid);
    command.SetInt(10, _sepetsirano);
    command.SetDouble(11, ind2);
    command.SetDouble(12, ind3);
    command.SetDouble(13, ind4);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FSepetHepsiniSilCommand, "SepetHepsiniSil");
    command.SetObject(0, std::move(bilgi));
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno,
                                         const QString &aciklamam)
{
    server::ServerCommand &command = Prepare(FSepetSatirSilCommand, "SepetSatirSil");
    command.SetObject(0, std::move(bilgi));
    command.SetInt(1, satirno);
    command.SetString(2, aciklamam);
    command.Execute();
    return command.Int32(0);
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino,
                                          int _teslim, int _kargo, const QString &_aciklama,
                                          int _verenid, int _kargoyeni)
{
    server::ServerCommand &command = Prepare(FSiparisKaydetCommand, "SiparisKaydet");
    command.SetObject(0, std::move(BB));
    command.SetInt(1, _carino);
    command.SetInt(2, _teslim);
    command.SetInt(3, _kargo);
    command.SetString(4, _aciklama);
    command.SetInt(5, _verenid);
    command.SetInt(6, _kargoyeni);
    command.Execute();
    return command.Bool(0);
}

platform::DataSet *TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    server::ServerCommand &command = Prepare(FSiparisAyrintisi2Command, "SiparisAyrintisi2");
    command.SetInt(0, carino);
    command.SetInt(1, idnosu);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    server::ServerCommand &command = Prepare(FFaturaGetirCommand, "FaturaGetir");
    command.SetInt(0, carino);
    command.SetInt(1, idnosu);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    server::ServerCommand &command = Prepare(FFaturaAltGetirCommand, "FaturaAltGetir");
    command.SetInt(0, idnosu);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::Tahsilat(int idnosu)
{
    server::ServerCommand &command = Prepare(FTahsilatCommand, "Tahsilat");
    command.SetInt(0, idnosu);
    command.Execute();
    return command.Table(0);
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    server::ServerCommand &command = Prepare(FSanalposSiranoVerCommand, "SanalposSiranoVer");
    command.SetInt(0, idnosu);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                         int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString &barkod)
{
    server::ServerCommand &command = Prepare(FBakiyeDuzenleCommand, "BakiyeDuzenle");
    command.SetObject(0, std::move(k));
    command.SetInt(1, stokno);
    command.SetInt(2, sepetsirano);
    command.SetInt(3, siparissirano);
    command.SetDouble(4, Adet);
    command.SetDouble(5, Bakiye);
    command.SetString(6, barkod);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                          int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString &barkod)
{
    server::ServerCommand &command = Prepare(FBakiyeDegistirCommand, "BakiyeDegistir");
    command.SetObject(0, std::move(k));
    command.SetInt(1, stokno);
    command.SetInt(2, sepetsirano);
    command.SetInt(3, siparissirano);
    command.SetDouble(4, Adet);
    command.SetDouble(5, Bakiye);
    command.SetString(6, barkod);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                               int sepetsirano, int siparissirano, double Adet,
                                               double Bakiye, const QString &barkod, double fiyat,
                                               double ind)
{
    server::ServerCommand &command = Prepare(FBakiyeFiyatDegistirCommand, "BakiyeFiyatDegistir");
    command.SetObject(0, std::move(k));
    command.SetInt(1, stokno);
    command.SetInt(2, sepetsirano);
    command.SetInt(3, siparissirano);
    command.SetDouble(4, Adet);
    command.SetDouble(5, Bakiye);
    command.SetString(6, barkod);
    command.SetDouble(7, fiyat);
    command.SetDouble(8, ind);
    command.Execute();
    return command.Int32(0);
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    server::ServerCommand &command = Prepare(FSiparisAytintisiDipCommand, "SiparisAytintisiDip");
    command.SetInt(0, carino);
    command.SetInt(1, siranosu);
    command.Execute();
    return command.Object<TSiparisDipAyrinti>(0);
}

platform::DataSet *TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil,
                                                  const QString &aranan)
{
    server::ServerCommand &command = Prepare(FCariAraCommand, "CariAra");
    command.SetObject(0, std::move(bil));
    command.SetString(1, aranan);
    command.Execute();
    return command.Table(0);
}

int TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil)
{
    server::ServerCommand &command = Prepare(FSepetSayisiCommand, "SepetSayisi");
    command.SetObject(0, std::move(bil));
    command.Execute();
    return command.Int32(0);
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil)
{
    server::ServerCommand &command = Prepare(FTusSonuclariVerCommand, "TusSonuclariVer");
    command.SetObject(0, std::move(bil));
    command.Execute();
    return command.Object<TTusSonuclari>(0);
}

platform::DataSet *TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n)
{
    server::ServerCommand &command = Prepare(FCariSepetVerCommand, "CariSepetVer");
    command.SetObject(0, std::move(bil));
    command.SetInt(1, n);
    command.Execute();
    return command.Table(0);
}

QString TServerMethods1Client::KayanYaziGetir()
{
    server::ServerCommand &command = Prepare(FKayanYaziGetirCommand, "KayanYaziGetir");
    command.Execute();
    return command.String(0);
}

platform::MemoryStream *TServerMethods1Client::BannerResimVer(qint64 &size)
{
    server::ServerCommand &command = Prepare(FBannerResimVerCommand, "BannerResimVer");
    command.Execute();
    size = command.Int64(0);
    return command.Stream(1);
}

platform::MemoryStream *TServerMethods1Client::BannerResimVer2(qint64 &size)
{
    server::ServerCommand &command = Prepare(FBannerResimVer2Command, "BannerResimVer2");
    command.Execute();
    size = command.Int64(0);
    return command.Stream(1);
}

platform::MemoryStream *TServerMethods1Client::BannerResimVer3(qint64 &size)
{
    server::ServerCommand &command = Prepare(FBannerResimVer3Command, "BannerResimVer3");
    command.Execute();
    size = command.Int64(0);
    return command.Stream(1);
}

platform::MemoryStream *TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno,
                                                          int carino, const QString &saticiadi,
                                                          double tarih1, double tarih2,
                                                          qint64 &size)
{
    server::ServerCommand &command = Prepare(FRaporGetirCommand, "RaporGetir");
    command.SetInt(0, raporno);
    command.SetInt(1, bolum);
    command.SetInt(2, idno);
    command.SetInt(3, carino);
    command.SetString(4, saticiadi);
    command.SetDouble(5, tarih1);
    command.SetDouble(6, tarih2);
    command.Execute();
    size = command.Int64(0);
    return command.Stream(1);
}

platform::DataSet *TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil)
{
    server::ServerCommand &command = Prepare(FBalonGetirCommand, "BalonGetir");
    command.SetObject(0, std::move(bil));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    server::ServerCommand &command = Prepare(FTumSiparislerVerCommand, "TumSiparislerVer");
    command.SetInt(0, carino);
    command.SetInt(1, stokno);
    command.Execute();
    return command.Table(0);
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    server::ServerCommand &command = Prepare(FSepetSecimGuncelleCommand, "SepetSecimGuncelle");
    command.SetInt(0, sirano);
    command.SetInt(1, secim);
    command.Execute();
}

int TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik,
                                          const QString &firmaadi, const QString &adres1,
                                          const QString &adres2, const QString &ilce,
                                          const QString &sehir, const QString &telefon,
                                          const QString &fax, const QString &vd, const QString &vn,
                                          const QString &yetkili, const QString &kullaniciadi,
                                          const QString &sifre, const QString &mail,
                                          const QString &kargoambar)
{
    server::ServerCommand &command = Prepare(FMailGonserCariCommand, "MailGonserCari");
    command.SetString(0, idsi);
    command.SetString(1, baslik);
    command.SetString(2, firmaadi);
    command.SetString(3, adres1);
    command.SetString(4, adres2);
    command.SetString(5, ilce);
    command.SetString(6, sehir);
    command.SetString(7, telefon);
    command.SetString(8, fax);
    command.SetString(9, vd);
    command.SetString(10, vn);
    command.SetString(11, yetkili);
    command.SetString(12, kullaniciadi);
    command.SetString(13, sifre);
    command.SetString(14, mail);
    command.SetString(15, kargoambar);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::MailGonserCariNormal(
    const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1,
    const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon,
    const QString &fax, const QString &vd, const QString &vn, const QString &yetkili,
    const QString &kullaniciadi, const QString &sifre, const QString &mail,
    const QString &kargoambar, const QString &konu)
{
    server::ServerCommand &command = Prepare(FMailGonserCariNormalCommand, "MailGonserCariNormal");
    command.SetString(0, idsi);
    command.SetString(1, baslik);
    command.SetString(2, firmaadi);
    command.SetString(3, adres1);
    command.SetString(4, adres2);
    command.SetString(5, ilce);
    command.SetString(6, sehir);
    command.SetString(7, telefon);
    command.SetString(8, fax);
    command.SetString(9, vd);
    command.SetString(10, vn);
    command.SetString(11, yetkili);
    command.SetString(12, kullaniciadi);
    command.SetString(13, sifre);
    command.SetString(14, mail);
    command.SetString(15, kargoambar);
    command.SetString(16, konu);
    command.Execute();
    return command.Int32(0);
}

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    server::ServerCommand &command =
        Prepare(FMobilCariBilgisiGetirCommand, "MobilCariBilgisiGetir");
    command.SetInt(0, sirano);
    command.SetString(1, _idsi);
    command.Execute();
    return command.Object<TMobilCariBilgisi>(0);
}

int TServerMethods1Client::AcilisReklamAdet()
{
    server::ServerCommand &command = Prepare(FAcilisReklamAdetCommand, "AcilisReklamAdet");
    command.Execute();
    return command.Int32(0);
}

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(int sira)
{
    server::ServerCommand &command = Prepare(FAcilisREklamVerCommand, "AcilisREklamVer");
    command.SetInt(0, sira);
    command.Execute();
    return command.Object<TAcilisEkran>(0);
}

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    server::ServerCommand &command = Prepare(FAcilisEkranlarVer2Command, "AcilisEkranlarVer2");
    command.Execute();
    return command.Object<TAcilisEkranlariki>(0);
}

platform::DataSet *
TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                             double tarih2)
{
    server::ServerCommand &command =
        Prepare(FRaporAlinanSiparislerCommand, "RaporAlinanSiparisler");
    command.SetObject(0, std::move(bilgi));
    command.SetDouble(1, tarih1);
    command.SetDouble(2, tarih2);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *
TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                double tarih2)
{
    server::ServerCommand &command =
        Prepare(FRaporEnCokSatilanStoklarCommand, "RaporEnCokSatilanStoklar");
    command.SetObject(0, std::move(bilgi));
    command.SetDouble(1, tarih1);
    command.SetDouble(2, tarih2);
    command.Execute();
    return command.Table(0);
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    server::ServerCommand &command = Prepare(FCariDurumVerCommand, "CariDurumVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.String(0);
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    server::ServerCommand &command =
        Prepare(FCariVadeGunGecmismiBulCommand, "CariVadeGunGecmismiBul");
    command.SetInt(0, carino);
    command.Execute();
    return command.String(0);
}

void TServerMethods1Client::DSServerModuleCreate(const QObject *Sender)
{
    server::ServerCommand &command = Prepare(FDSServerModuleCreateCommand, "DSServerModuleCreate");
    if (Sender)
        command.SetMarshalled(0, MarshalPlain(Sender));
    else
        command.SetNull(0);
    command.Execute();
}

QString TServerMethods1Client::EchoString(const QString &Value)
{
    server::ServerCommand &command = Prepare(FEchoStringCommand, "EchoString");
    command.SetString(0, Value);
    command.Execute();
    return command.String(0);
}

QString TServerMethods1Client::ReverseString(const QString &Value)
{
    server::ServerCommand &command = Prepare(FReverseStringCommand, "ReverseString");
    command.SetString(0, Value);
    command.Execute();
    return command.String(0);
}

platform::DataSet *TServerMethods1Client::StokAra(const QString &kod, const QString &carino,
                                                  int satici)
{
    server::ServerCommand &command = Prepare(FStokAraCommand, "StokAra");
    command.SetString(0, kod);
    command.SetString(1, carino);
    command.SetInt(2, satici);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::SepetVer(int carino)
{
    server::ServerCommand &command = Prepare(FSepetVerCommand, "SepetVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::TeslimVer()
{
    server::ServerCommand &command = Prepare(FTeslimVerCommand, "TeslimVer");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::KargoVer()
{
    server::ServerCommand &command = Prepare(FKargoVerCommand, "KargoVer");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::KargolarVer(int gn)
{
    server::ServerCommand &command = Prepare(FKargolarVerCommand, "KargolarVer");
    command.SetInt(0, gn);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::OncekiSiparisler2(int carino)
{
    server::ServerCommand &command = Prepare(FOncekiSiparisler2Command, "OncekiSiparisler2");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::CariEkstreVer2(int carino, double TARIH1, double TARIH2)
{
    server::ServerCommand &command = Prepare(FCariEkstreVer2Command, "CariEkstreVer2");
    command.SetInt(0, carino);
    command.SetDouble(1, TARIH1);
    command.SetDouble(2, TARIH2);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::CariEkstreVer2Baslik(int carino, double tarih1)
{
    server::ServerCommand &command = Prepare(FCariEkstreVer2BaslikCommand, "CariEkstreVer2Baslik");
    command.SetInt(0, carino);
    command.SetDouble(1, tarih1);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::YenilerVer(int carino)
{
    server::ServerCommand &command = Prepare(FYenilerVerCommand, "YenilerVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::VastorYenilerVer(int carino)
{
    server::ServerCommand &command = Prepare(FVastorYenilerVerCommand, "VastorYenilerVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::YenilerVerMobile(int carino)
{
    server::ServerCommand &command = Prepare(FYenilerVerMobileCommand, "YenilerVerMobile");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::KampanyaliVer(int cario, int satici)
{
    server::ServerCommand &command = Prepare(FKampanyaliVerCommand, "KampanyaliVer");
    command.SetInt(0, cario);
    command.SetInt(1, satici);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::VastorKampanyaliVer(int cario, int satici)
{
    server::ServerCommand &command = Prepare(FVastorKampanyaliVerCommand, "VastorKampanyaliVer");
    command.SetInt(0, cario);
    command.SetInt(1, satici);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::KampanyaliVermMobil(int cario, int satici)
{
    server::ServerCommand &command = Prepare(FKampanyaliVermMobilCommand, "KampanyaliVermMobil");
    command.SetInt(0, cario);
    command.SetInt(1, satici);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::DuyuruVer()
{
    server::ServerCommand &command = Prepare(FDuyuruVerCommand, "DuyuruVer");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::DuyuruVer2()
{
    server::ServerCommand &command = Prepare(FDuyuruVer2Command, "DuyuruVer2");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::BakiyelerVer(int carino)
{
    server::ServerCommand &command = Prepare(FBakiyelerVerCommand, "BakiyelerVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

QJsonArray *TServerMethods1Client::ResimVer6(int stokno, qint64 &boy)
{
    server::ServerCommand &command = Prepare(FResimVer6Command, "ResimVer6");
    command.SetInt(0, stokno);
    command.Execute();
    boy = command.Int64(0);
    return command.JsonArray(1);
}

platform::DataSet *TServerMethods1Client::StokAraBrisal(const QString &kod,
                                                        std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FStokAraBrisalCommand, "StokAraBrisal");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::StokAraPelindo2(const QString &kod,
                                                          std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FStokAraPelindo2Command, "StokAraPelindo2");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::Tolmerk(const QString &kod,
                                                  std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FTolmerkCommand, "Tolmerk");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::StokAraVastor(const QString &kod,
                                                        std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FStokAraVastorCommand, "StokAraVastor");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::StokAraPelindo(const QString &kod,
                                                         std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FStokAraPelindoCommand, "StokAraPelindo");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Table(0);
}

int TServerMethods1Client::SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                     const QString &barkod, const QString &stokadi, double miktar,
                                     double kdv, double fiyat, double indirim, int verenid, int k)
{
    server::ServerCommand &command = Prepare(FSepetEkleCommand, "SepetEkle");
    command.SetObject(0, std::move(bilgim));
    command.SetInt(1, carino);
    command.SetInt(2, stokno);
    command.SetString(3, barkod);
    command.SetString(4, stokadi);
    command.SetDouble(5, miktar);
    command.SetDouble(6, kdv);
    command.SetDouble(7, fiyat);
    command.SetDouble(8, indirim);
    command.SetInt(9, verenid);
    command.SetInt(10, k);
    command.Execute();
    return command.Int32(0);
}

int TServerMethods1Client::SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino,
                                         int stokno, const QString &barkod, const QString &stokadi,
                                         double miktar, double kdv, double fiyat, double indirim,
                                         int verenid, int _sepetsirano)
{
    server::ServerCommand &command = Prepare(FSepetGuncelleCommand, "SepetGuncelle");
    command.SetObject(0, std::move(bilgim));
    command.SetInt(1, carino);
    command.SetInt(2, stokno);
    command.SetString(3, barkod);
    command.SetString(4, stokadi);
    command.SetDouble(5, miktar);
    command.SetDouble(6, kdv);
    command.SetDouble(7, fiyat);
    command.SetDouble(8, indirim);
    command.SetInt(9, verenid);
    command.SetInt(10, _sepetsirano);
    command.Execute();
    return command.Int32(0);
}

void TServerMethods1Client::CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FCikisGonderCommand, "CikisGonder");
    command.SetObject(0, std::move(bilgi));
    command.Execute();
}

platform::DataSet *TServerMethods1Client::Oncekiler(int carino)
{
    server::ServerCommand &command = Prepare(FOncekilerCommand, "Oncekiler");
    command.SetInt(0, carino);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::SiparisAyrintisi(int carino, int idnosu)
{
    server::ServerCommand &command = Prepare(FSiparisAyrintisiCommand, "SiparisAyrintisi");
    command.SetInt(0, carino);
    command.SetInt(1, idnosu);
    command.Execute();
    return command.Table(0);
}

platform::MemoryStream *TServerMethods1Client::DosyaIndir(qint64 &size)
{
    server::ServerCommand &command = Prepare(FDosyaIndirCommand, "DosyaIndir");
    command.Execute();
    size = command.Int64(0);
    return command.Stream(1);
}

platform::MemoryStream *TServerMethods1Client::BelgeIndir(int sirano, qint64 &size, QString &adi)
{
    server::ServerCommand &command = Prepare(FBelgeIndirCommand, "BelgeIndir");
    command.SetInt(0, sirano);
    command.Execute();
    size = command.Int64(0);
    adi = command.String(1);
    return command.Stream(2);
}

platform::MemoryStream *TServerMethods1Client::BelgeIndir2(int sirano, qint64 &size, QString &adi,
                                                           std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FBelgeIndir2Command, "BelgeIndir2");
    command.SetInt(0, sirano);
    command.SetObject(3, std::move(bilgi));
    command.Execute();
    size = command.Int64(0);
    adi = command.String(1);
    return command.Stream(2);
}

int TServerMethods1Client::KurlariAl(double &usd, double &eur)
{
    server::ServerCommand &command = Prepare(FKurlariAlCommand, "KurlariAl");
    command.Execute();
    usd = command.Double(0);
    eur = command.Double(1);
    return command.Int32(2);
}

TMobilStoklar *TServerMethods1Client::MobilStokara(const QString &kod,
                                                   std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                                   int nekadar)
{
    server::ServerCommand &command = Prepare(FMobilStokaraCommand, "MobilStokara");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.SetInt(2, neresi);
    command.SetInt(3, nekadar);
    command.Execute();
    return command.Object<TMobilStoklar>(0);
}

TMobilStok *TServerMethods1Client::MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi)
{
    server::ServerCommand &command = Prepare(FMobilStokNoAraCommand, "MobilStokNoAra");
    command.SetInt(0, stokno);
    command.SetObject(1, std::move(bilgi));
    command.Execute();
    return command.Object<TMobilStok>(0);
}

TMobilSepetler *TServerMethods1Client::SepetMobilVer(int carino)
{
    server::ServerCommand &command = Prepare(FSepetMobilVerCommand, "SepetMobilVer");
    command.SetInt(0, carino);
    command.Execute();
    return command.Object<TMobilSepetler>(0);
}

TAcilisEkranlar *TServerMethods1Client::AcilisEkranlarVer()
{
    server::ServerCommand &command = Prepare(FAcilisEkranlarVerCommand, "AcilisEkranlarVer");
    command.Execute();
    return command.Object<TAcilisEkranlar>(0);
}

int TServerMethods1Client::MobilStokaraGeri(const QString &kod,
                                            std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                            int nekadar, const platform::Callback *geri)
{
    server::ServerCommand &command = Prepare(FMobilStokaraGeriCommand, "MobilStokaraGeri");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.SetInt(2, neresi);
    command.SetInt(3, nekadar);
    command.SetCallback(4, geri);
    command.Execute();
    return command.Int32(0);
}

TMobilStoklar *TServerMethods1Client::MobilStokaraAdimli(const QString &kod,
                                                         std::unique_ptr<TSonucBilgisi> bilgi,
                                                         int neresi, int nekadar, int ilk, int Adet,
                                                         bool &kalan, int &toplam)
{
    server::ServerCommand &command = Prepare(FMobilStokaraAdimliCommand, "MobilStokaraAdimli");
    command.SetString(0, kod);
    command.SetObject(1, std::move(bilgi));
    command.SetInt(2, neresi);
    command.SetInt(3, nekadar);
    command.SetInt(4, ilk);
    command.SetInt(5, Adet);
    command.Execute();
    kalan = command.Bool(0);
    toplam = command.Int32(1);
    return command.Object<TMobilStoklar>(2);
}

platform::DataSet *TServerMethods1Client::DepartmanlariGetir()
{
    server::ServerCommand &command = Prepare(FDepartmanlariGetirCommand, "DepartmanlariGetir");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::VastordeAra(const QString &s)
{
    server::ServerCommand &command = Prepare(FVastordeAraCommand, "VastordeAra");
    command.SetString(0, s);
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::DosyaListesi()
{
    server::ServerCommand &command = Prepare(FDosyaListesiCommand, "DosyaListesi");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::DosyaListesi2()
{
    server::ServerCommand &command = Prepare(FDosyaListesi2Command, "DosyaListesi2");
    command.Execute();
    return command.Table(0);
}

platform::DataSet *TServerMethods1Client::AcilisEkranlariVerData()
{
    server::ServerCommand &command =
        Prepare(FAcilisEkranlariVerDataCommand, "AcilisEkranlariVerData");
    command.Execute();
    return command.Table(0);
}

QString TServerMethods1Client::BuyukResimVer(int stokno, int &boy)
{
    server::ServerCommand &command = Prepare(FBuyukResimVerCommand, "BuyukResimVer");
    command.SetInt(0, stokno);
    command.Execute();
    boy = command.Int32(0);
    return command.String(1);
}

void TServerMethods1Client::HttpResimVer(int stokno)
{
    server::ServerCommand &command = Prepare(FHttpResimVerCommand, "HttpResimVer");
    command.SetInt(0, stokno);
    command.Execute();
}

QString TServerMethods1Client::KucukResimVer(int stokno)
{
    server::ServerCommand &command = Prepare(FKucukResimVerCommand, "KucukResimVer");
    command.SetInt(0, stokno);
    command.Execute();
    return command.String(0);
}

bool TServerMethods1Client::SifremiUnuttum(const QString &idsi, int &mailvarmi)
{
    server::ServerCommand &command = Prepare(FSifremiUnuttumCommand, "SifremiUnuttum");
    command.SetString(0, idsi);
    command.Execute();
    mailvarmi = command.Int32(0);
    return command.Bool(1);
}

int TServerMethods1Client::BalonGetir2(int carino, int &sepet, int &yenistok, int &kampnayali,
                                       int &duyuru, int &Bakiye, int &dosya)
{
    server::ServerCommand &command = Prepare(FBalonGetir2Command, "BalonGetir2");
    command.SetInt(0, carino);
    command.Execute();
    sepet = command.Int32(0);
    yenistok = command.Int32(1);
    kampnayali = command.Int32(2);
    duyuru = command.Int32(3);
    Bakiye = command.Int32(4);
    dosya = command.Int32(5);
    return command.Int32(6);
}

int TServerMethods1Client::MobilSiparisKaydet(int idnosu)
{
    server::ServerCommand &command = Prepare(FMobilSiparisKaydetCommand, "MobilSiparisKaydet");
    command.SetInt(0, idnosu);
    command.Execute();
    return command.Int32(0);
}

void TServerMethods1Client::AramaGonderAl(std::unique_ptr<TSonucBilgisi> b, const QString &kod,
                                          int Adet)
{
    server::ServerCommand &command = Prepare(FAramaGonderAlCommand, "AramaGonderAl");
    command.SetObject(0, std::move(b));
    command.SetString(1, kod);
    command.SetInt(2, Adet);
    command.Execute();
}

QJsonArray *TServerMethods1Client::CarileriVer()
{
    server::ServerCommand &command = Prepare(FCarileriVerCommand, "CarileriVer");
    command.Execute();
    return command.JsonArray(0);
}

platform::MemoryStream *TServerMethods1Client::KavrunVer()
{
    server::ServerCommand &command = Prepare(FKavrunVerCommand, "KavrunVer");
    command.Execute();
    return command.Stream(0);
}

QString TServerMethods1Client::SiparisAlinirmi(int carino)
{
    server::ServerCommand &command = Prepare(FSiparisAlinirmiCommand, "SiparisAlinirmi");
    command.SetInt(0, carino);
    command.Execute();
    return command.String(0);
}
