#include "baglantiu.h"

void TSonucBilgisi::Kopyala(const TSonucBilgisi &source)
{
    FBILGISAYARID = source.FBILGISAYARID;
    FSaticiMail = source.FSaticiMail;
    FSirano = source.FSirano;
    FCariAdi = source.FCariAdi;
    FSIFRE = source.FSIFRE;
    FSaticiNo = source.FSaticiNo;
    FCARINO = source.FCARINO;
    FAKTIF = source.FAKTIF;
    FKullanicimail = source.FKullanicimail;
    FADI = source.FADI;
    FSaticiTelefon = source.FSaticiTelefon;
    Fcarikod = source.Fcarikod;
    FVarmi = source.FVarmi;
    FSaticiAdi = source.FSaticiAdi;
    FBilgiSayarAdi = source.FBilgiSayarAdi;
    FDisip = source.FDisip;
    FIcip = source.FIcip;
    FBilgisayarKullanici = source.FBilgisayarKullanici;
    FMusteriTipi = source.FMusteriTipi;
    FVersion = source.FVersion;
}

void TSiparisDipAyrinti::Kopyala(const TSiparisDipAyrinti &source)
{
    FSizinMesaj = source.FSizinMesaj;
    FDurumu = source.FDurumu;
    FVeren = source.FVeren;
    FKargo = source.FKargo;
    FBizimMesaj = source.FBizimMesaj;
    FTeslimCinsi = source.FTeslimCinsi;
    FKargoCinsi = source.FKargoCinsi;
    FSaticiNotu = source.FSaticiNotu;
}

void TTusSonuclari::Kopyala(const TTusSonuclari &source)
{
    FAlindi = source.FAlindi;
    FOnaylandi = source.FOnaylandi;
    FParcaliHazirlandi = source.FParcaliHazirlandi;
    FSevkEdildi = source.FSevkEdildi;
    FHazirlandi = source.FHazirlandi;
    FGoruldu = source.FGoruldu;
}
