#include "mobilstokunit.h"

#include "platform/error.h"

void TMobilStok::Kopyala(const TMobilStok &source)
{
    FStokNo = source.FStokNo;
    FResimVar = source.FResimVar;
    FResim = source.FResim;
    FYeni = source.FYeni;
    FDepartman = source.FDepartman;
    FVerilenSiparis = source.FVerilenSiparis;
    FAltGrup = source.FAltGrup;
    FDurum = source.FDurum;
    FRenk = source.FRenk;
    FBirim = source.FBirim;
    FKDV = source.FKDV;
    FAlinanSiparis = source.FAlinanSiparis;
    FIsk2 = source.FIsk2;
    FAnaGrup = source.FAnaGrup;
    FKod = source.FKod;
    FIsk3 = source.FIsk3;
    FListeFiyati = source.FListeFiyati;
    FBeden = source.FBeden;
    FNetFiyat = source.FNetFiyat;
    FIsk1 = source.FIsk1;
    FKDVliFiyat = source.FKDVliFiyat;
    FIsk4 = source.FIsk4;
    FOzelKod = source.FOzelKod;
    FKampnayali = source.FKampnayali;
    FBarkod = source.FBarkod;
    FIndirimOran = source.FIndirimOran;
    FKalan = source.FKalan;
    FUreticiKod = source.FUreticiKod;
    FKampanyaliFiyat = source.FKampanyaliFiyat;
    FOemNo = source.FOemNo;
    FBarkodNo = source.FBarkodNo;
    FAdi = source.FAdi;
    FFiyat = source.FFiyat;
}

void TMobilSepet::Kopyala(const TMobilSepet &source)
{
    FKARGOID = source.FKARGOID;
    FStokNo = source.FStokNo;
    FTARIH = source.FTARIH;
    FSIRANO = source.FSIRANO;
    FCARIADI = source.FCARIADI;
    FVERILISTARIHI = source.FVERILISTARIHI;
    FDurum = source.FDurum;
    FMIKTAR = source.FMIKTAR;
    FVERENIDNO = source.FVERENIDNO;
    FNETTUTAR = source.FNETTUTAR;
    FKDVLITUTAR = source.FKDVLITUTAR;
    FKDV = source.FKDV;
    FAKTAR = source.FAKTAR;
    FSAAT = source.FSAAT;
    FVERGITUTARI = source.FVERGITUTARI;
    FPKod = source.FPKod;
    FMODEL = source.FMODEL;
    FINDIRIMTUTAR = source.FINDIRIMTUTAR;
    FSTOK_STOKNO = source.FSTOK_STOKNO;
    FBIRIMFIYAT = source.FBIRIMFIYAT;
    FSEC = source.FSEC;
    FOEM2 = source.FOEM2;
    FOEM3 = source.FOEM3;
    FAnaGrup = source.FAnaGrup;
    FMARKA = source.FMARKA;
    FVEREN = source.FVEREN;
    FSTOKADI = source.FSTOKADI;
    FOEM1 = source.FOEM1;
    FCARINO = source.FCARINO;
    FVERENSIRANO = source.FVERENSIRANO;
    FACIKLAMA = source.FACIKLAMA;
    FINDIRIMORANI2 = source.FINDIRIMORANI2;
    FOEM4 = source.FOEM4;
    FKUR = source.FKUR;
    FINDIRIMORANI3 = source.FINDIRIMORANI3;
    FSIPARISNO = source.FSIPARISNO;
    FIDNO = source.FIDNO;
    FOzelKod = source.FOzelKod;
    FDpKod = source.FDpKod;
    FKURTL = source.FKURTL;
    FINDIRIMORANI1 = source.FINDIRIMORANI1;
    FDIGERADI = source.FDIGERADI;
    FBarkod = source.FBarkod;
    FTUTAR = source.FTUTAR;
    FURETICIKODU = source.FURETICIKODU;
    FKalan = source.FKalan;
    FFINISHKOD = source.FFINISHKOD;
    FCARIKOD = source.FCARIKOD;
    FNETBIRIMFIYAT = source.FNETBIRIMFIYAT;
    FOemNo = source.FOemNo;
    FTESLIMID = source.FTESLIMID;
    FResimVar = source.FResimVar;
    FResim = source.FResim;
}

void TMobilCariBilgisi::Kopyala(const TMobilCariBilgisi &source)
{
    FBILGISAYARID = source.FBILGISAYARID;
    FSEHIR = source.FSEHIR;
    FFAX1 = source.FFAX1;
    FSATICIMAIL = source.FSATICIMAIL;
    FSATICIADI = source.FSATICIADI;
    FCARIADI = source.FCARIADI;
    FEMAIL = source.FEMAIL;
    FVERGIDAIRESI = source.FVERGIDAIRESI;
    FYETKILI = source.FYETKILI;
    FAltGrup = source.FAltGrup;
    FTEL2 = source.FTEL2;
    FSIFRE = source.FSIFRE;
    FGSM = source.FGSM;
    FTEL1 = source.FTEL1;
    FADRES2 = source.FADRES2;
    FTLBORC = source.FTLBORC;
    FTLALACAK = source.FTLALACAK;
    FADRES1 = source.FADRES1;
    FULKE = source.FULKE;
    FAnaGrup = source.FAnaGrup;
    FCARINO = source.FCARINO;
    FTLBAKIYE = source.FTLBAKIYE;
    FVERGINO = source.FVERGINO;
    FMAIL = source.FMAIL;
    FOzelKod = source.FOzelKod;
    FKULLANICIADI = source.FKULLANICIADI;
    FSATICITELEFON = source.FSATICITELEFON;
    FCARIKOD = source.FCARIKOD;
    FFAX2 = source.FFAX2;
    FILCE = source.FILCE;
}

namespace {

// Only the ASCII digits and letters count; QChar::isDigit would also let through other scripts'
// digits.
int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

[[noreturn]] void NotHex(const QString &text, qsizetype at, qsizetype length)
{
    throw platform::ConversionError(
        QStringLiteral("Conversion error: '%1' at position %2 is not a hexadecimal number")
            .arg(text.mid(at, length))
            .arg(at + 1));
}

} // namespace

QByteArray HexCoz(const QString &text)
{
    QByteArray bytes;
    bytes.reserve((text.size() + 1) / 2);
    qsizetype i = 0;
    for (; i + 1 < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            NotHex(text, i, 2);
        bytes.append(char(high * 16 + low));
    }
    if (i < text.size()) {
        const int last = HexDigit(text[i]);
        if (last < 0)
            NotHex(text, i, 1);
        bytes.append(char(last));
    }
    return bytes;
}
