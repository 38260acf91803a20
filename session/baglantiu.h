#pragma once

#include <QString>

// Records of the session and small server answers. They travel as marshalled objects, so the
// type names and the F-prefixed field names are part of the contract with the server.
//
// None of them is copyable by C++ copy: a copy is always made on purpose with Kopyala, because a
// record handed to a server call is consumed by that call.

// The session record: who is signed in, for which customer account the user acts, at which
// computer, and what the server says about the account.
class TSonucBilgisi
{
public:
    static constexpr const char *TypeName = "baglantiu.TSonucBilgisi";

    TSonucBilgisi() = default;
    TSonucBilgisi(const TSonucBilgisi &) = delete;
    TSonucBilgisi &operator=(const TSonucBilgisi &) = delete;

    void Kopyala(const TSonucBilgisi &source);

    const QString &BILGISAYARID() const { return FBILGISAYARID; }
    void SetBILGISAYARID(const QString &value) { FBILGISAYARID = value; }
    const QString &SaticiMail() const { return FSaticiMail; }
    void SetSaticiMail(const QString &value) { FSaticiMail = value; }
    qint32 Sirano() const { return FSirano; }
    void SetSirano(qint32 value) { FSirano = value; }
    const QString &CariAdi() const { return FCariAdi; }
    void SetCariAdi(const QString &value) { FCariAdi = value; }
    const QString &SIFRE() const { return FSIFRE; }
    void SetSIFRE(const QString &value) { FSIFRE = value; }
    qint32 SaticiNo() const { return FSaticiNo; }
    void SetSaticiNo(qint32 value) { FSaticiNo = value; }
    qint32 CARINO() const { return FCARINO; }
    void SetCARINO(qint32 value) { FCARINO = value; }
    qint32 AKTIF() const { return FAKTIF; }
    void SetAKTIF(qint32 value) { FAKTIF = value; }
    const QString &Kullanicimail() const { return FKullanicimail; }
    void SetKullanicimail(const QString &value) { FKullanicimail = value; }
    const QString &ADI() const { return FADI; }
    void SetADI(const QString &value) { FADI = value; }
    const QString &SaticiTelefon() const { return FSaticiTelefon; }
    void SetSaticiTelefon(const QString &value) { FSaticiTelefon = value; }
    const QString &carikod() const { return Fcarikod; }
    void Setcarikod(const QString &value) { Fcarikod = value; }
    bool Varmi() const { return FVarmi; }
    void SetVarmi(bool value) { FVarmi = value; }
    const QString &SaticiAdi() const { return FSaticiAdi; }
    void SetSaticiAdi(const QString &value) { FSaticiAdi = value; }
    const QString &BilgiSayarAdi() const { return FBilgiSayarAdi; }
    void SetBilgiSayarAdi(const QString &value) { FBilgiSayarAdi = value; }
    const QString &Disip() const { return FDisip; }
    void SetDisip(const QString &value) { FDisip = value; }
    const QString &Icip() const { return FIcip; }
    void SetIcip(const QString &value) { FIcip = value; }
    const QString &BilgisayarKullanici() const { return FBilgisayarKullanici; }
    void SetBilgisayarKullanici(const QString &value) { FBilgisayarKullanici = value; }
    qint32 MusteriTipi() const { return FMusteriTipi; }
    void SetMusteriTipi(qint32 value) { FMusteriTipi = value; }
    qint32 Version() const { return FVersion; }
    void SetVersion(qint32 value) { FVersion = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FBILGISAYARID", FBILGISAYARID);
        v("FSaticiMail", FSaticiMail);
        v("FSirano", FSirano);
        v("FCariAdi", FCariAdi);
        v("FSIFRE", FSIFRE);
        v("FSaticiNo", FSaticiNo);
        v("FCARINO", FCARINO);
        v("FAKTIF", FAKTIF);
        v("FKullanicimail", FKullanicimail);
        v("FADI", FADI);
        v("FSaticiTelefon", FSaticiTelefon);
        v("Fcarikod", Fcarikod);
        v("FVarmi", FVarmi);
        v("FSaticiAdi", FSaticiAdi);
        v("FBilgiSayarAdi", FBilgiSayarAdi);
        v("FDisip", FDisip);
        v("FIcip", FIcip);
        v("FBilgisayarKullanici", FBilgisayarKullanici);
        v("FMusteriTipi", FMusteriTipi);
        v("FVersion", FVersion);
    }

private:
    QString FBILGISAYARID;
    QString FSaticiMail;
    qint32 FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    qint32 FSaticiNo = 0;
    qint32 FCARINO = 0;
    qint32 FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    qint32 FMusteriTipi = 1;
    qint32 FVersion = 1;
};

// Footer data of one order: status, delivery and cargo kinds, who placed it, messages.
class TSiparisDipAyrinti
{
public:
    static constexpr const char *TypeName = "baglantiu.TSiparisDipAyrinti";

    TSiparisDipAyrinti() = default;
    TSiparisDipAyrinti(const TSiparisDipAyrinti &) = delete;
    TSiparisDipAyrinti &operator=(const TSiparisDipAyrinti &) = delete;

    void Kopyala(const TSiparisDipAyrinti &source);

    const QString &SizinMesaj() const { return FSizinMesaj; }
    void SetSizinMesaj(const QString &value) { FSizinMesaj = value; }
    const QString &Durumu() const { return FDurumu; }
    void SetDurumu(const QString &value) { FDurumu = value; }
    const QString &Veren() const { return FVeren; }
    void SetVeren(const QString &value) { FVeren = value; }
    const QString &Kargo() const { return FKargo; }
    void SetKargo(const QString &value) { FKargo = value; }
    const QString &BizimMesaj() const { return FBizimMesaj; }
    void SetBizimMesaj(const QString &value) { FBizimMesaj = value; }
    const QString &TeslimCinsi() const { return FTeslimCinsi; }
    void SetTeslimCinsi(const QString &value) { FTeslimCinsi = value; }
    const QString &KargoCinsi() const { return FKargoCinsi; }
    void SetKargoCinsi(const QString &value) { FKargoCinsi = value; }
    const QString &SaticiNotu() const { return FSaticiNotu; }
    void SetSaticiNotu(const QString &value) { FSaticiNotu = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FSizinMesaj", FSizinMesaj);
        v("FDurumu", FDurumu);
        v("FVeren", FVeren);
        v("FKargo", FKargo);
        v("FBizimMesaj", FBizimMesaj);
        v("FTeslimCinsi", FTeslimCinsi);
        v("FKargoCinsi", FKargoCinsi);
        v("FSaticiNotu", FSaticiNotu);
    }

private:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;
};

// Order counters by workflow state, for the salesperson's state buttons.
class TTusSonuclari
{
public:
    static constexpr const char *TypeName = "baglantiu.TTusSonuclari";

    TTusSonuclari() = default;
    TTusSonuclari(const TTusSonuclari &) = delete;
    TTusSonuclari &operator=(const TTusSonuclari &) = delete;

    void Kopyala(const TTusSonuclari &source);

    qint32 Alindi() const { return FAlindi; }
    void SetAlindi(qint32 value) { FAlindi = value; }
    qint32 Onaylandi() const { return FOnaylandi; }
    void SetOnaylandi(qint32 value) { FOnaylandi = value; }
    qint32 ParcaliHazirlandi() const { return FParcaliHazirlandi; }
    void SetParcaliHazirlandi(qint32 value) { FParcaliHazirlandi = value; }
    qint32 SevkEdildi() const { return FSevkEdildi; }
    void SetSevkEdildi(qint32 value) { FSevkEdildi = value; }
    qint32 Hazirlandi() const { return FHazirlandi; }
    void SetHazirlandi(qint32 value) { FHazirlandi = value; }
    qint32 Goruldu() const { return FGoruldu; }
    void SetGoruldu(qint32 value) { FGoruldu = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FAlindi", FAlindi);
        v("FOnaylandi", FOnaylandi);
        v("FParcaliHazirlandi", FParcaliHazirlandi);
        v("FSevkEdildi", FSevkEdildi);
        v("FHazirlandi", FHazirlandi);
        v("FGoruldu", FGoruldu);
    }

private:
    qint32 FAlindi = 0;
    qint32 FOnaylandi = 0;
    qint32 FParcaliHazirlandi = 0;
    qint32 FSevkEdildi = 0;
    qint32 FHazirlandi = 0;
    qint32 FGoruldu = 0;
};
