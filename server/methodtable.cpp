#include "methodtable.h"

#include <QHash>

namespace server {

namespace {

using P = ParamType;

// The server class's methods in their declaration order: the client's methods first.
const std::vector<MethodInfo> &Table()
{
    static const std::vector<MethodInfo> table = {
        {"SepetVer2", {{"carino", P::Integer, nullptr, false}}, {"Result", P::DataPacket, nullptr, true}, true},
        {"OncekiSiparisler", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"CariEkstreVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"KampanyaliVer2", {{"cario", P::Integer, nullptr, false}, {"satici", P::Integer, nullptr, false}}, {"Result", P::DataPacket, nullptr, true}, true},
        {"BakiyelerVer2", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"BuyukGetir", {{"idsi", P::String, nullptr, false}}, {"Result", P::Object, "TSonucBilgisi", true}, true},
        {"ResimVer5", {{"stokno", P::Integer, nullptr, false}, {"boy", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"SAnalPosPdfVer", {{"sirano", P::Integer, nullptr, false}, {"boy", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"StokAraGetir", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::DataPacket, nullptr, true}, true},
        {"YenilerVer2", {{"carino", P::Integer, nullptr, false}}, {"Result", P::DataPacket, nullptr, true}, true},
        {"SepetEkle2", {{"bilgim", P::Object, "TSonucBilgisi", false}, {"carino", P::Integer, nullptr, false}, {"stokno", P::Integer, nullptr, false}, {"barkod", P::String, nullptr, false}, {"stokadi", P::String, nullptr, false}, {"miktar", P::Double, nullptr, false}, {"kdv", P::Double, nullptr, false}, {"fiyat", P::Double, nullptr, false}, {"ind1", P::Double, nullptr, false}, {"verenid", P::Integer, nullptr, false}, {"k", P::Integer, nullptr, false}, {"ind2", P::Double, nullptr, false}, {"ind3", P::Double, nullptr, false}, {"ind4", P::Double, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"SepetGuncelle2", {{"bilgim", P::Object, "TSonucBilgisi", false}, {"carino", P::Integer, nullptr, false}, {"stokno", P::Integer, nullptr, false}, {"barkod", P::String, nullptr, false}, {"stokadi", P::String, nullptr, false}, {"miktar", P::Double, nullptr, false}, {"kdv", P::Double, nullptr, false}, {"fiyat", P::Double, nullptr, false}, {"ind1", P::Double, nullptr, false}, {"verenid", P::Integer, nullptr, false}, {"_sepetsirano", P::Integer, nullptr, false}, {"ind2", P::Double, nullptr, false}, {"ind3", P::Double, nullptr, false}, {"ind4", P::Double, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"SepetHepsiniSil", {{"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Integer, nullptr, true}, true},
        {"SepetSatirSil", {{"bilgi", P::Object, "TSonucBilgisi", false}, {"satirno", P::Integer, nullptr, false}, {"aciklamam", P::String, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"SiparisKaydet", {{"BB", P::Object, "TSonucBilgisi", false}, {"_carino", P::Integer, nullptr, false}, {"_teslim", P::Integer, nullptr, false}, {"_kargo", P::Integer, nullptr, false}, {"_aciklama", P::String, nullptr, false}, {"_verenid", P::Integer, nullptr, false}, {"_kargoyeni", P::Integer, nullptr, false}}, {"Result", P::Boolean, nullptr, true}, true},
        {"SiparisAyrintisi2", {{"carino", P::Integer, nullptr, false}, {"idnosu", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"FaturaGetir", {{"carino", P::Integer, nullptr, false}, {"idnosu", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"FaturaAltGetir", {{"idnosu", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"Tahsilat", {{"idnosu", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"SanalposSiranoVer", {{"idnosu", P::Integer, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"BakiyeDuzenle", {{"k", P::Object, "TSonucBilgisi", false}, {"stokno", P::Integer, nullptr, false}, {"sepetsirano", P::Integer, nullptr, false}, {"siparissirano", P::Integer, nullptr, false}, {"Adet", P::Double, nullptr, false}, {"Bakiye", P::Double, nullptr, false}, {"barkod", P::String, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"BakiyeDegistir", {{"k", P::Object, "TSonucBilgisi", false}, {"stokno", P::Integer, nullptr, false}, {"sepetsirano", P::Integer, nullptr, false}, {"siparissirano", P::Integer, nullptr, false}, {"Adet", P::Double, nullptr, false}, {"Bakiye", P::Double, nullptr, false}, {"barkod", P::String, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"BakiyeFiyatDegistir", {{"k", P::Object, "TSonucBilgisi", false}, {"stokno", P::Integer, nullptr, false}, {"sepetsirano", P::Integer, nullptr, false}, {"siparissirano", P::Integer, nullptr, false}, {"Adet", P::Double, nullptr, false}, {"Bakiye", P::Double, nullptr, false}, {"barkod", P::String, nullptr, false}, {"fiyat", P::Double, nullptr, false}, {"ind", P::Double, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"SiparisAytintisiDip", {{"carino", P::Integer, nullptr, false}, {"siranosu", P::Integer, nullptr, false}}, {"Result", P::Object, "TSiparisDipAyrinti", true}, true},
        {"CariAra", {{"bil", P::Object, "TSonucBilgisi", false}, {"aranan", P::String, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"SepetSayisi", {{"bil", P::Object, "TSonucBilgisi", false}}, {"Result", P::Integer, nullptr, true}, true},
        {"TusSonuclariVer", {{"bil", P::Object, "TSonucBilgisi", false}}, {"Result", P::Object, "TTusSonuclari", true}, true},
        {"CariSepetVer", {{"bil", P::Object, "TSonucBilgisi", false}, {"n", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"KayanYaziGetir", {}, {"Result", P::String, nullptr, true}, true},
        {"BannerResimVer", {{"size", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"BannerResimVer2", {{"size", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"BannerResimVer3", {{"size", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"RaporGetir", {{"raporno", P::Integer, nullptr, false}, {"bolum", P::Integer, nullptr, false}, {"idno", P::Integer, nullptr, false}, {"carino", P::Integer, nullptr, false}, {"saticiadi", P::String, nullptr, false}, {"tarih1", P::Double, nullptr, false}, {"tarih2", P::Double, nullptr, false}, {"size", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, true},
        {"BalonGetir", {{"bil", P::Object, "TSonucBilgisi", false}}, {"Result", P::Reader, nullptr, true}, true},
        {"TumSiparislerVer", {{"carino", P::Integer, nullptr, false}, {"stokno", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"SepetSecimGuncelle", {{"sirano", P::Integer, nullptr, false}, {"secim", P::Integer, nullptr, false}}, {"Result", P::None, nullptr, true}, true},
        {"MailGonserCari", {{"idsi", P::String, nullptr, false}, {"baslik", P::String, nullptr, false}, {"firmaadi", P::String, nullptr, false}, {"adres1", P::String, nullptr, false}, {"adres2", P::String, nullptr, false}, {"ilce", P::String, nullptr, false}, {"sehir", P::String, nullptr, false}, {"telefon", P::String, nullptr, false}, {"fax", P::String, nullptr, false}, {"vd", P::String, nullptr, false}, {"vn", P::String, nullptr, false}, {"yetkili", P::String, nullptr, false}, {"kullaniciadi", P::String, nullptr, false}, {"sifre", P::String, nullptr, false}, {"mail", P::String, nullptr, false}, {"kargoambar", P::String, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"MailGonserCariNormal", {{"idsi", P::String, nullptr, false}, {"baslik", P::String, nullptr, false}, {"firmaadi", P::String, nullptr, false}, {"adres1", P::String, nullptr, false}, {"adres2", P::String, nullptr, false}, {"ilce", P::String, nullptr, false}, {"sehir", P::String, nullptr, false}, {"telefon", P::String, nullptr, false}, {"fax", P::String, nullptr, false}, {"vd", P::String, nullptr, false}, {"vn", P::String, nullptr, false}, {"yetkili", P::String, nullptr, false}, {"kullaniciadi", P::String, nullptr, false}, {"sifre", P::String, nullptr, false}, {"mail", P::String, nullptr, false}, {"kargoambar", P::String, nullptr, false}, {"konu", P::String, nullptr, false}}, {"Result", P::Integer, nullptr, true}, true},
        {"MobilCariBilgisiGetir", {{"sirano", P::Integer, nullptr, false}, {"_idsi", P::String, nullptr, false}}, {"Result", P::Object, "TMobilCariBilgisi", true}, true},
        {"AcilisReklamAdet", {}, {"Result", P::Integer, nullptr, true}, true},
        {"AcilisREklamVer", {{"sira", P::Integer, nullptr, false}}, {"Result", P::Object, "TAcilisEkran", true}, true},
        {"AcilisEkranlarVer2", {}, {"Result", P::Object, "TAcilisEkranlariki", true}, true},
        {"RaporAlinanSiparisler", {{"bilgi", P::Object, "TSonucBilgisi", false}, {"tarih1", P::Double, nullptr, false}, {"tarih2", P::Double, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"RaporEnCokSatilanStoklar", {{"bilgi", P::Object, "TSonucBilgisi", false}, {"tarih1", P::Double, nullptr, false}, {"tarih2", P::Double, nullptr, false}}, {"Result", P::Reader, nullptr, true}, true},
        {"CariDurumVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::String, nullptr, true}, true},
        {"CariVadeGunGecmismiBul", {{"carino", P::Integer, nullptr, false}}, {"Result", P::String, nullptr, true}, true},
        {"DSServerModuleCreate", {{"Sender", P::Object, "TObject", false}}, {"Result", P::None, nullptr, true}, false},
        {"EchoString", {{"Value", P::String, nullptr, false}}, {"Result", P::String, nullptr, true}, false},
        {"ReverseString", {{"Value", P::String, nullptr, false}}, {"Result", P::String, nullptr, true}, false},
        {"StokAra", {{"kod", P::String, nullptr, false}, {"carino", P::String, nullptr, false}, {"satici", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"SepetVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"TeslimVer", {}, {"Result", P::Reader, nullptr, true}, false},
        {"KargoVer", {}, {"Result", P::Reader, nullptr, true}, false},
        {"KargolarVer", {{"gn", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"OncekiSiparisler2", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"CariEkstreVer2", {{"carino", P::Integer, nullptr, false}, {"TARIH1", P::Double, nullptr, false}, {"TARIH2", P::Double, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"CariEkstreVer2Baslik", {{"carino", P::Integer, nullptr, false}, {"tarih1", P::Double, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"YenilerVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"VastorYenilerVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"YenilerVerMobile", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"KampanyaliVer", {{"cario", P::Integer, nullptr, false}, {"satici", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"VastorKampanyaliVer", {{"cario", P::Integer, nullptr, false}, {"satici", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"KampanyaliVermMobil", {{"cario", P::Integer, nullptr, false}, {"satici", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"DuyuruVer", {}, {"Result", P::Reader, nullptr, true}, false},
        {"DuyuruVer2", {}, {"Result", P::Reader, nullptr, true}, false},
        {"BakiyelerVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"ResimVer6", {{"stokno", P::Integer, nullptr, false}, {"boy", P::Int64, nullptr, true}}, {"Result", P::JsonArray, nullptr, true}, false},
        {"StokAraBrisal", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Reader, nullptr, true}, false},
        {"StokAraPelindo2", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::DataPacket, nullptr, true}, false},
        {"Tolmerk", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Reader, nullptr, true}, false},
        {"StokAraVastor", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Reader, nullptr, true}, false},
        {"StokAraPelindo", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Reader, nullptr, true}, false},
        {"SepetEkle", {{"bilgim", P::Object, "TSonucBilgisi", false}, {"carino", P::Integer, nullptr, false}, {"stokno", P::Integer, nullptr, false}, {"barkod", P::String, nullptr, false}, {"stokadi", P::String, nullptr, false}, {"miktar", P::Double, nullptr, false}, {"kdv", P::Double, nullptr, false}, {"fiyat", P::Double, nullptr, false}, {"indirim", P::Double, nullptr, false}, {"verenid", P::Integer, nullptr, false}, {"k", P::Integer, nullptr, false}}, {"Result", P::Integer, nullptr, true}, false},
        {"SepetGuncelle", {{"bilgim", P::Object, "TSonucBilgisi", false}, {"carino", P::Integer, nullptr, false}, {"stokno", P::Integer, nullptr, false}, {"barkod", P::String, nullptr, false}, {"stokadi", P::String, nullptr, false}, {"miktar", P::Double, nullptr, false}, {"kdv", P::Double, nullptr, false}, {"fiyat", P::Double, nullptr, false}, {"indirim", P::Double, nullptr, false}, {"verenid", P::Integer, nullptr, false}, {"_sepetsirano", P::Integer, nullptr, false}}, {"Result", P::Integer, nullptr, true}, false},
        {"CikisGonder", {{"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::None, nullptr, true}, false},
        {"Oncekiler", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"SiparisAyrintisi", {{"carino", P::Integer, nullptr, false}, {"idnosu", P::Integer, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"DosyaIndir", {{"size", P::Int64, nullptr, true}}, {"Result", P::Stream, nullptr, true}, false},
        {"BelgeIndir", {{"sirano", P::Integer, nullptr, false}, {"size", P::Int64, nullptr, true}, {"adi", P::String, nullptr, true}}, {"Result", P::Stream, nullptr, true}, false},
        {"BelgeIndir2", {{"sirano", P::Integer, nullptr, false}, {"size", P::Int64, nullptr, true}, {"adi", P::String, nullptr, true}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Stream, nullptr, true}, false},
        {"KurlariAl", {{"usd", P::Double, nullptr, true}, {"eur", P::Double, nullptr, true}}, {"Result", P::Integer, nullptr, true}, false},
        {"MobilStokara", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}, {"neresi", P::Integer, nullptr, false}, {"nekadar", P::Integer, nullptr, false}}, {"Result", P::Object, "TMobilStoklar", true}, false},
        {"MobilStokNoAra", {{"stokno", P::Integer, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}}, {"Result", P::Object, "TMobilStok", true}, false},
        {"SepetMobilVer", {{"carino", P::Integer, nullptr, false}}, {"Result", P::Object, "TMobilSepetler", true}, false},
        {"AcilisEkranlarVer", {}, {"Result", P::Object, "TAcilisEkranlar", true}, false},
        {"MobilStokaraGeri", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}, {"neresi", P::Integer, nullptr, false}, {"nekadar", P::Integer, nullptr, false}, {"geri", P::Callback, nullptr, false}}, {"Result", P::Integer, nullptr, true}, false},
        {"MobilStokaraAdimli", {{"kod", P::String, nullptr, false}, {"bilgi", P::Object, "TSonucBilgisi", false}, {"neresi", P::Integer, nullptr, false}, {"nekadar", P::Integer, nullptr, false}, {"ilk", P::Integer, nullptr, false}, {"Adet", P::Integer, nullptr, false}, {"kalan", P::Boolean, nullptr, true}, {"toplam", P::Integer, nullptr, true}}, {"Result", P::Object, "TMobilStoklar", true}, false},
        {"DepartmanlariGetir", {}, {"Result", P::Reader, nullptr, true}, false},
        {"VastordeAra", {{"s", P::String, nullptr, false}}, {"Result", P::Reader, nullptr, true}, false},
        {"DosyaListesi", {}, {"Result", P::Reader, nullptr, true}, false},
        {"DosyaListesi2", {}, {"Result", P::Reader, nullptr, true}, false},
        {"AcilisEkranlariVerData", {}, {"Result", P::Reader, nullptr, true}, false},
        {"BuyukResimVer", {{"stokno", P::Integer, nullptr, false}, {"boy", P::Integer, nullptr, true}}, {"Result", P::String, nullptr, true}, false},
        {"HttpResimVer", {{"stokno", P::Integer, nullptr, false}}, {"Result", P::None, nullptr, true}, false},
        {"KucukResimVer", {{"stokno", P::Integer, nullptr, false}}, {"Result", P::String, nullptr, true}, false},
        {"SifremiUnuttum", {{"idsi", P::String, nullptr, false}, {"mailvarmi", P::Integer, nullptr, true}}, {"Result", P::Boolean, nullptr, true}, false},
        {"BalonGetir2", {{"carino", P::Integer, nullptr, false}, {"sepet", P::Integer, nullptr, true}, {"yenistok", P::Integer, nullptr, true}, {"kampnayali", P::Integer, nullptr, true}, {"duyuru", P::Integer, nullptr, true}, {"Bakiye", P::Integer, nullptr, true}, {"dosya", P::Integer, nullptr, true}}, {"Result", P::Integer, nullptr, true}, false},
        {"MobilSiparisKaydet", {{"idnosu", P::Integer, nullptr, false}}, {"Result", P::Integer, nullptr, true}, false},
        {"AramaGonderAl", {{"b", P::Object, "TSonucBilgisi", false}, {"kod", P::String, nullptr, false}, {"Adet", P::Integer, nullptr, false}}, {"Result", P::None, nullptr, true}, false},
        {"CarileriVer", {}, {"Result", P::JsonArray, nullptr, true}, false},
        {"KavrunVer", {}, {"Result", P::Stream, nullptr, true}, false},
        {"SiparisAlinirmi", {{"carino", P::Integer, nullptr, false}}, {"Result", P::String, nullptr, true}, false},
    };
    return table;
}

} // namespace

const std::vector<MethodInfo> &ServerMethods()
{
    return Table();
}

const MethodInfo *FindMethod(const QString &name)
{
    static const QHash<QString, const MethodInfo *> index = [] {
        QHash<QString, const MethodInfo *> h;
        for (const MethodInfo &m : Table())
            h.insert(QString::fromLatin1(m.name), &m);
        return h;
    }();
    return index.value(name, nullptr);
}

} // namespace server
