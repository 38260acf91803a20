#pragma once

#include "platform/marshal.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Objects that some server methods return: stock items, basket lines, a customer's account
// card and the opening-screen entries, singly or in lists. They travel as marshalled objects,
// so the type names and the F-prefixed field names are part of the contract with the server.
// None is copyable by C++ copy; where a copy makes sense it is made on purpose with Kopyala.

// An owning list of transfer objects; its items go with it. An item may be null, because the
// wire form allows a null element.
template <class E> class OwningList
{
public:
    OwningList() = default;
    OwningList(const OwningList &) = delete;
    OwningList &operator=(const OwningList &) = delete;

    int Count() const { return int(FItems.size()); }
    // Throws std::out_of_range for an index outside the list.
    E *At(int index) const { return FItems.at(std::size_t(index)).get(); }
    void Add(std::unique_ptr<E> item) { FItems.push_back(std::move(item)); }

protected:
    platform::marshal::Owned<E> FItems;
};

// A stock item.
class TMobilStok
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilStok";

    TMobilStok() = default;
    TMobilStok(const TMobilStok &) = delete;
    TMobilStok &operator=(const TMobilStok &) = delete;

    // Copies every field except PKod and DpKod, which keep this item's own values.
    void Kopyala(const TMobilStok &source);

    qint32 StokNo() const { return FStokNo; }
    void SetStokNo(qint32 value) { FStokNo = value; }
    qint32 ResimVar() const { return FResimVar; }
    void SetResimVar(qint32 value) { FResimVar = value; }
    const QString &Resim() const { return FResim; }
    void SetResim(const QString &value) { FResim = value; }
    qint32 Yeni() const { return FYeni; }
    void SetYeni(qint32 value) { FYeni = value; }
    const QString &Departman() const { return FDepartman; }
    void SetDepartman(const QString &value) { FDepartman = value; }
    double VerilenSiparis() const { return FVerilenSiparis; }
    void SetVerilenSiparis(double value) { FVerilenSiparis = value; }
    const QString &AltGrup() const { return FAltGrup; }
    void SetAltGrup(const QString &value) { FAltGrup = value; }
    qint32 Durum() const { return FDurum; }
    void SetDurum(qint32 value) { FDurum = value; }
    const QString &Renk() const { return FRenk; }
    void SetRenk(const QString &value) { FRenk = value; }
    const QString &Birim() const { return FBirim; }
    void SetBirim(const QString &value) { FBirim = value; }
    double KDV() const { return FKDV; }
    void SetKDV(double value) { FKDV = value; }
    double AlinanSiparis() const { return FAlinanSiparis; }
    void SetAlinanSiparis(double value) { FAlinanSiparis = value; }
    double Isk2() const { return FIsk2; }
    void SetIsk2(double value) { FIsk2 = value; }
    const QString &AnaGrup() const { return FAnaGrup; }
    void SetAnaGrup(const QString &value) { FAnaGrup = value; }
    const QString &Kod() const { return FKod; }
    void SetKod(const QString &value) { FKod = value; }
    double Isk3() const { return FIsk3; }
    void SetIsk3(double value) { FIsk3 = value; }
    double ListeFiyati() const { return FListeFiyati; }
    void SetListeFiyati(double value) { FListeFiyati = value; }
    const QString &Beden() const { return FBeden; }
    void SetBeden(const QString &value) { FBeden = value; }
    double NetFiyat() const { return FNetFiyat; }
    void SetNetFiyat(double value) { FNetFiyat = value; }
    double Isk1() const { return FIsk1; }
    void SetIsk1(double value) { FIsk1 = value; }
    double KDVliFiyat() const { return FKDVliFiyat; }
    void SetKDVliFiyat(double value) { FKDVliFiyat = value; }
    double Isk4() const { return FIsk4; }
    void SetIsk4(double value) { FIsk4 = value; }
    const QString &OzelKod() const { return FOzelKod; }
    void SetOzelKod(const QString &value) { FOzelKod = value; }
    qint32 Kampnayali() const { return FKampnayali; }
    void SetKampnayali(qint32 value) { FKampnayali = value; }
    const QString &Barkod() const { return FBarkod; }
    void SetBarkod(const QString &value) { FBarkod = value; }
    double IndirimOran() const { return FIndirimOran; }
    void SetIndirimOran(double value) { FIndirimOran = value; }
    double Kalan() const { return FKalan; }
    void SetKalan(double value) { FKalan = value; }
    const QString &UreticiKod() const { return FUreticiKod; }
    void SetUreticiKod(const QString &value) { FUreticiKod = value; }
    double KampanyaliFiyat() const { return FKampanyaliFiyat; }
    void SetKampanyaliFiyat(double value) { FKampanyaliFiyat = value; }
    const QString &OemNo() const { return FOemNo; }
    void SetOemNo(const QString &value) { FOemNo = value; }
    qint32 BarkodNo() const { return FBarkodNo; }
    void SetBarkodNo(qint32 value) { FBarkodNo = value; }
    const QString &PKod() const { return FPKod; }
    void SetPKod(const QString &value) { FPKod = value; }
    const QString &DpKod() const { return FDpKod; }
    void SetDpKod(const QString &value) { FDpKod = value; }
    const QString &Adi() const { return FAdi; }
    void SetAdi(const QString &value) { FAdi = value; }
    double Fiyat() const { return FFiyat; }
    void SetFiyat(double value) { FFiyat = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FStokNo", FStokNo);
        v("FResimVar", FResimVar);
        v("FResim", FResim);
        v("FYeni", FYeni);
        v("FDepartman", FDepartman);
        v("FVerilenSiparis", FVerilenSiparis);
        v("FAltGrup", FAltGrup);
        v("FDurum", FDurum);
        v("FRenk", FRenk);
        v("FBirim", FBirim);
        v("FKDV", FKDV);
        v("FAlinanSiparis", FAlinanSiparis);
        v("FIsk2", FIsk2);
        v("FAnaGrup", FAnaGrup);
        v("FKod", FKod);
        v("FIsk3", FIsk3);
        v("FListeFiyati", FListeFiyati);
        v("FBeden", FBeden);
        v("FNetFiyat", FNetFiyat);
        v("FIsk1", FIsk1);
        v("FKDVliFiyat", FKDVliFiyat);
        v("FIsk4", FIsk4);
        v("FOzelKod", FOzelKod);
        v("FKampnayali", FKampnayali);
        v("FBarkod", FBarkod);
        v("FIndirimOran", FIndirimOran);
        v("FKalan", FKalan);
        v("FUreticiKod", FUreticiKod);
        v("FKampanyaliFiyat", FKampanyaliFiyat);
        v("FOemNo", FOemNo);
        v("FBarkodNo", FBarkodNo);
        v("FPKod", FPKod);
        v("FDpKod", FDpKod);
        v("FAdi", FAdi);
        v("FFiyat", FFiyat);
    }

private:
    qint32 FStokNo = 0;
    qint32 FResimVar = 0;
    QString FResim;
    qint32 FYeni = 0;
    QString FDepartman;
    double FVerilenSiparis = 0;
    QString FAltGrup;
    qint32 FDurum = 0;
    QString FRenk;
    QString FBirim = QStringLiteral("ADET");
    double FKDV = 18;
    double FAlinanSiparis = 0;
    double FIsk2 = 0;
    QString FAnaGrup;
    QString FKod;
    double FIsk3 = 0;
    double FListeFiyati = 0;
    QString FBeden;
    double FNetFiyat = 0;
    double FIsk1 = 0;
    double FKDVliFiyat = 0;
    double FIsk4 = 0;
    QString FOzelKod;
    qint32 FKampnayali = 0;
    QString FBarkod;
    double FIndirimOran = 0;
    double FKalan = 0;
    QString FUreticiKod;
    double FKampanyaliFiyat = 0;
    QString FOemNo;
    qint32 FBarkodNo = 0;
    QString FPKod;
    QString FDpKod;
    QString FAdi;
    double FFiyat = 0;
};

class TMobilStoklar : public OwningList<TMobilStok>
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilStoklar";

    template <class V> void MarshalFields(V &v) { v.List(FItems); }
};

// A basket line. ACIKLAMA is a number and IDNO a Double on the wire, whatever the names suggest.
class TMobilSepet
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilSepet";

    TMobilSepet() = default;
    TMobilSepet(const TMobilSepet &) = delete;
    TMobilSepet &operator=(const TMobilSepet &) = delete;

    void Kopyala(const TMobilSepet &source);

    qint32 KARGOID() const { return FKARGOID; }
    void SetKARGOID(qint32 value) { FKARGOID = value; }
    qint32 StokNo() const { return FStokNo; }
    void SetStokNo(qint32 value) { FStokNo = value; }
    double TARIH() const { return FTARIH; }
    void SetTARIH(double value) { FTARIH = value; }
    qint32 SIRANO() const { return FSIRANO; }
    void SetSIRANO(qint32 value) { FSIRANO = value; }
    const QString &CARIADI() const { return FCARIADI; }
    void SetCARIADI(const QString &value) { FCARIADI = value; }
    double VERILISTARIHI() const { return FVERILISTARIHI; }
    void SetVERILISTARIHI(double value) { FVERILISTARIHI = value; }
    qint32 Durum() const { return FDurum; }
    void SetDurum(qint32 value) { FDurum = value; }
    double MIKTAR() const { return FMIKTAR; }
    void SetMIKTAR(double value) { FMIKTAR = value; }
    qint32 VERENIDNO() const { return FVERENIDNO; }
    void SetVERENIDNO(qint32 value) { FVERENIDNO = value; }
    double NETTUTAR() const { return FNETTUTAR; }
    void SetNETTUTAR(double value) { FNETTUTAR = value; }
    double KDVLITUTAR() const { return FKDVLITUTAR; }
    void SetKDVLITUTAR(double value) { FKDVLITUTAR = value; }
    double KDV() const { return FKDV; }
    void SetKDV(double value) { FKDV = value; }
    qint32 AKTAR() const { return FAKTAR; }
    void SetAKTAR(qint32 value) { FAKTAR = value; }
    const QString &SAAT() const { return FSAAT; }
    void SetSAAT(const QString &value) { FSAAT = value; }
    double VERGITUTARI() const { return FVERGITUTARI; }
    void SetVERGITUTARI(double value) { FVERGITUTARI = value; }
    const QString &PKod() const { return FPKod; }
    void SetPKod(const QString &value) { FPKod = value; }
    const QString &MODEL() const { return FMODEL; }
    void SetMODEL(const QString &value) { FMODEL = value; }
    double INDIRIMTUTAR() const { return FINDIRIMTUTAR; }
    void SetINDIRIMTUTAR(double value) { FINDIRIMTUTAR = value; }
    qint32 STOK_STOKNO() const { return FSTOK_STOKNO; }
    void SetSTOK_STOKNO(qint32 value) { FSTOK_STOKNO = value; }
    double BIRIMFIYAT() const { return FBIRIMFIYAT; }
    void SetBIRIMFIYAT(double value) { FBIRIMFIYAT = value; }
    qint32 SEC() const { return FSEC; }
    void SetSEC(qint32 value) { FSEC = value; }
    const QString &OEM2() const { return FOEM2; }
    void SetOEM2(const QString &value) { FOEM2 = value; }
    const QString &OEM3() const { return FOEM3; }
    void SetOEM3(const QString &value) { FOEM3 = value; }
    const QString &AnaGrup() const { return FAnaGrup; }
    void SetAnaGrup(const QString &value) { FAnaGrup = value; }
    const QString &MARKA() const { return FMARKA; }
    void SetMARKA(const QString &value) { FMARKA = value; }
    const QString &VEREN() const { return FVEREN; }
    void SetVEREN(const QString &value) { FVEREN = value; }
    const QString &STOKADI() const { return FSTOKADI; }
    void SetSTOKADI(const QString &value) { FSTOKADI = value; }
    const QString &OEM1() const { return FOEM1; }
    void SetOEM1(const QString &value) { FOEM1 = value; }
    qint32 CARINO() const { return FCARINO; }
    void SetCARINO(qint32 value) { FCARINO = value; }
    qint32 VERENSIRANO() const { return FVERENSIRANO; }
    void SetVERENSIRANO(qint32 value) { FVERENSIRANO = value; }
    qint32 ACIKLAMA() const { return FACIKLAMA; }
    void SetACIKLAMA(qint32 value) { FACIKLAMA = value; }
    double INDIRIMORANI2() const { return FINDIRIMORANI2; }
    void SetINDIRIMORANI2(double value) { FINDIRIMORANI2 = value; }
    const QString &OEM4() const { return FOEM4; }
    void SetOEM4(const QString &value) { FOEM4 = value; }
    const QString &KUR() const { return FKUR; }
    void SetKUR(const QString &value) { FKUR = value; }
    double INDIRIMORANI3() const { return FINDIRIMORANI3; }
    void SetINDIRIMORANI3(double value) { FINDIRIMORANI3 = value; }
    qint32 SIPARISNO() const { return FSIPARISNO; }
    void SetSIPARISNO(qint32 value) { FSIPARISNO = value; }
    double IDNO() const { return FIDNO; }
    void SetIDNO(double value) { FIDNO = value; }
    const QString &OzelKod() const { return FOzelKod; }
    void SetOzelKod(const QString &value) { FOzelKod = value; }
    const QString &DpKod() const { return FDpKod; }
    void SetDpKod(const QString &value) { FDpKod = value; }
    double KURTL() const { return FKURTL; }
    void SetKURTL(double value) { FKURTL = value; }
    double INDIRIMORANI1() const { return FINDIRIMORANI1; }
    void SetINDIRIMORANI1(double value) { FINDIRIMORANI1 = value; }
    const QString &DIGERADI() const { return FDIGERADI; }
    void SetDIGERADI(const QString &value) { FDIGERADI = value; }
    const QString &Barkod() const { return FBarkod; }
    void SetBarkod(const QString &value) { FBarkod = value; }
    double TUTAR() const { return FTUTAR; }
    void SetTUTAR(double value) { FTUTAR = value; }
    const QString &URETICIKODU() const { return FURETICIKODU; }
    void SetURETICIKODU(const QString &value) { FURETICIKODU = value; }
    double Kalan() const { return FKalan; }
    void SetKalan(double value) { FKalan = value; }
    const QString &FINISHKOD() const { return FFINISHKOD; }
    void SetFINISHKOD(const QString &value) { FFINISHKOD = value; }
    const QString &CARIKOD() const { return FCARIKOD; }
    void SetCARIKOD(const QString &value) { FCARIKOD = value; }
    double NETBIRIMFIYAT() const { return FNETBIRIMFIYAT; }
    void SetNETBIRIMFIYAT(double value) { FNETBIRIMFIYAT = value; }
    const QString &OemNo() const { return FOemNo; }
    void SetOemNo(const QString &value) { FOemNo = value; }
    qint32 TESLIMID() const { return FTESLIMID; }
    void SetTESLIMID(qint32 value) { FTESLIMID = value; }
    qint32 ResimVar() const { return FResimVar; }
    void SetResimVar(qint32 value) { FResimVar = value; }
    const QString &Resim() const { return FResim; }
    void SetResim(const QString &value) { FResim = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FKARGOID", FKARGOID);
        v("FStokNo", FStokNo);
        v("FTARIH", FTARIH);
        v("FSIRANO", FSIRANO);
        v("FCARIADI", FCARIADI);
        v("FVERILISTARIHI", FVERILISTARIHI);
        v("FDurum", FDurum);
        v("FMIKTAR", FMIKTAR);
        v("FVERENIDNO", FVERENIDNO);
        v("FNETTUTAR", FNETTUTAR);
        v("FKDVLITUTAR", FKDVLITUTAR);
        v("FKDV", FKDV);
        v("FAKTAR", FAKTAR);
        v("FSAAT", FSAAT);
        v("FVERGITUTARI", FVERGITUTARI);
        v("FPKod", FPKod);
        v("FMODEL", FMODEL);
        v("FINDIRIMTUTAR", FINDIRIMTUTAR);
        v("FSTOK_STOKNO", FSTOK_STOKNO);
        v("FBIRIMFIYAT", FBIRIMFIYAT);
        v("FSEC", FSEC);
        v("FOEM2", FOEM2);
        v("FOEM3", FOEM3);
        v("FAnaGrup", FAnaGrup);
        v("FMARKA", FMARKA);
        v("FVEREN", FVEREN);
        v("FSTOKADI", FSTOKADI);
        v("FOEM1", FOEM1);
        v("FCARINO", FCARINO);
        v("FVERENSIRANO", FVERENSIRANO);
        v("FACIKLAMA", FACIKLAMA);
        v("FINDIRIMORANI2", FINDIRIMORANI2);
        v("FOEM4", FOEM4);
        v("FKUR", FKUR);
        v("FINDIRIMORANI3", FINDIRIMORANI3);
        v("FSIPARISNO", FSIPARISNO);
        v("FIDNO", FIDNO);
        v("FOzelKod", FOzelKod);
        v("FDpKod", FDpKod);
        v("FKURTL", FKURTL);
        v("FINDIRIMORANI1", FINDIRIMORANI1);
        v("FDIGERADI", FDIGERADI);
        v("FBarkod", FBarkod);
        v("FTUTAR", FTUTAR);
        v("FURETICIKODU", FURETICIKODU);
        v("FKalan", FKalan);
        v("FFINISHKOD", FFINISHKOD);
        v("FCARIKOD", FCARIKOD);
        v("FNETBIRIMFIYAT", FNETBIRIMFIYAT);
        v("FOemNo", FOemNo);
        v("FTESLIMID", FTESLIMID);
        v("FResimVar", FResimVar);
        v("FResim", FResim);
    }

private:
    qint32 FKARGOID = 0;
    qint32 FStokNo = 0;
    double FTARIH = 0;
    qint32 FSIRANO = 0;
    QString FCARIADI;
    double FVERILISTARIHI = 0;
    qint32 FDurum = 0;
    double FMIKTAR = 0;
    qint32 FVERENIDNO = 0;
    double FNETTUTAR = 0;
    double FKDVLITUTAR = 0;
    double FKDV = 0;
    qint32 FAKTAR = 0;
    QString FSAAT;
    double FVERGITUTARI = 0;
    QString FPKod;
    QString FMODEL;
    double FINDIRIMTUTAR = 0;
    qint32 FSTOK_STOKNO = 0;
    double FBIRIMFIYAT = 0;
    qint32 FSEC = 0;
    QString FOEM2;
    QString FOEM3;
    QString FAnaGrup;
    QString FMARKA;
    QString FVEREN;
    QString FSTOKADI;
    QString FOEM1;
    qint32 FCARINO = 0;
    qint32 FVERENSIRANO = 0;
    qint32 FACIKLAMA = 0;
    double FINDIRIMORANI2 = 0;
    QString FOEM4;
    QString FKUR;
    double FINDIRIMORANI3 = 0;
    qint32 FSIPARISNO = 0;
    double FIDNO = 0;
    QString FOzelKod;
    QString FDpKod;
    double FKURTL = 0;
    double FINDIRIMORANI1 = 0;
    QString FDIGERADI;
    QString FBarkod;
    double FTUTAR = 0;
    QString FURETICIKODU;
    double FKalan = 0;
    QString FFINISHKOD;
    QString FCARIKOD;
    double FNETBIRIMFIYAT = 0;
    QString FOemNo;
    qint32 FTESLIMID = 0;
    qint32 FResimVar = 0;
    QString FResim;
};

class TMobilSepetler : public OwningList<TMobilSepet>
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilSepetler";

    template <class V> void MarshalFields(V &v) { v.List(FItems); }
};

// A customer's account card.
class TMobilCariBilgisi
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilCariBilgisi";

    TMobilCariBilgisi() = default;
    TMobilCariBilgisi(const TMobilCariBilgisi &) = delete;
    TMobilCariBilgisi &operator=(const TMobilCariBilgisi &) = delete;

    void Kopyala(const TMobilCariBilgisi &source);

    const QString &BILGISAYARID() const { return FBILGISAYARID; }
    void SetBILGISAYARID(const QString &value) { FBILGISAYARID = value; }
    const QString &SEHIR() const { return FSEHIR; }
    void SetSEHIR(const QString &value) { FSEHIR = value; }
    const QString &FAX1() const { return FFAX1; }
    void SetFAX1(const QString &value) { FFAX1 = value; }
    const QString &SATICIMAIL() const { return FSATICIMAIL; }
    void SetSATICIMAIL(const QString &value) { FSATICIMAIL = value; }
    const QString &SATICIADI() const { return FSATICIADI; }
    void SetSATICIADI(const QString &value) { FSATICIADI = value; }
    const QString &CARIADI() const { return FCARIADI; }
    void SetCARIADI(const QString &value) { FCARIADI = value; }
    const QString &EMAIL() const { return FEMAIL; }
    void SetEMAIL(const QString &value) { FEMAIL = value; }
    const QString &VERGIDAIRESI() const { return FVERGIDAIRESI; }
    void SetVERGIDAIRESI(const QString &value) { FVERGIDAIRESI = value; }
    const QString &YETKILI() const { return FYETKILI; }
    void SetYETKILI(const QString &value) { FYETKILI = value; }
    const QString &AltGrup() const { return FAltGrup; }
    void SetAltGrup(const QString &value) { FAltGrup = value; }
    const QString &TEL2() const { return FTEL2; }
    void SetTEL2(const QString &value) { FTEL2 = value; }
    const QString &SIFRE() const { return FSIFRE; }
    void SetSIFRE(const QString &value) { FSIFRE = value; }
    const QString &GSM() const { return FGSM; }
    void SetGSM(const QString &value) { FGSM = value; }
    const QString &TEL1() const { return FTEL1; }
    void SetTEL1(const QString &value) { FTEL1 = value; }
    const QString &ADRES2() const { return FADRES2; }
    void SetADRES2(const QString &value) { FADRES2 = value; }
    double TLBORC() const { return FTLBORC; }
    void SetTLBORC(double value) { FTLBORC = value; }
    double TLALACAK() const { return FTLALACAK; }
    void SetTLALACAK(double value) { FTLALACAK = value; }
    const QString &ADRES1() const { return FADRES1; }
    void SetADRES1(const QString &value) { FADRES1 = value; }
    const QString &ULKE() const { return FULKE; }
    void SetULKE(const QString &value) { FULKE = value; }
    const QString &AnaGrup() const { return FAnaGrup; }
    void SetAnaGrup(const QString &value) { FAnaGrup = value; }
    qint32 CARINO() const { return FCARINO; }
    void SetCARINO(qint32 value) { FCARINO = value; }
    double TLBAKIYE() const { return FTLBAKIYE; }
    void SetTLBAKIYE(double value) { FTLBAKIYE = value; }
    const QString &VERGINO() const { return FVERGINO; }
    void SetVERGINO(const QString &value) { FVERGINO = value; }
    const QString &MAIL() const { return FMAIL; }
    void SetMAIL(const QString &value) { FMAIL = value; }
    const QString &OzelKod() const { return FOzelKod; }
    void SetOzelKod(const QString &value) { FOzelKod = value; }
    const QString &KULLANICIADI() const { return FKULLANICIADI; }
    void SetKULLANICIADI(const QString &value) { FKULLANICIADI = value; }
    const QString &SATICITELEFON() const { return FSATICITELEFON; }
    void SetSATICITELEFON(const QString &value) { FSATICITELEFON = value; }
    const QString &CARIKOD() const { return FCARIKOD; }
    void SetCARIKOD(const QString &value) { FCARIKOD = value; }
    const QString &FAX2() const { return FFAX2; }
    void SetFAX2(const QString &value) { FFAX2 = value; }
    const QString &ILCE() const { return FILCE; }
    void SetILCE(const QString &value) { FILCE = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FBILGISAYARID", FBILGISAYARID);
        v("FSEHIR", FSEHIR);
        v("FFAX1", FFAX1);
        v("FSATICIMAIL", FSATICIMAIL);
        v("FSATICIADI", FSATICIADI);
        v("FCARIADI", FCARIADI);
        v("FEMAIL", FEMAIL);
        v("FVERGIDAIRESI", FVERGIDAIRESI);
        v("FYETKILI", FYETKILI);
        v("FAltGrup", FAltGrup);
        v("FTEL2", FTEL2);
        v("FSIFRE", FSIFRE);
        v("FGSM", FGSM);
        v("FTEL1", FTEL1);
        v("FADRES2", FADRES2);
        v("FTLBORC", FTLBORC);
        v("FTLALACAK", FTLALACAK);
        v("FADRES1", FADRES1);
        v("FULKE", FULKE);
        v("FAnaGrup", FAnaGrup);
        v("FCARINO", FCARINO);
        v("FTLBAKIYE", FTLBAKIYE);
        v("FVERGINO", FVERGINO);
        v("FMAIL", FMAIL);
        v("FOzelKod", FOzelKod);
        v("FKULLANICIADI", FKULLANICIADI);
        v("FSATICITELEFON", FSATICITELEFON);
        v("FCARIKOD", FCARIKOD);
        v("FFAX2", FFAX2);
        v("FILCE", FILCE);
    }

private:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0;
    double FTLALACAK = 0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    qint32 FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;
};

// An opening-screen entry. Resim is the picture file as hexadecimal text (see HexCoz).
class TAcilisEkran
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TAcilisEkran";

    TAcilisEkran() = default;
    TAcilisEkran(const TAcilisEkran &) = delete;
    TAcilisEkran &operator=(const TAcilisEkran &) = delete;

    qint32 SiraNo() const { return FSiraNo; }
    void SetSiraNo(qint32 value) { FSiraNo = value; }
    const QString &Resim() const { return FResim; }
    void SetResim(const QString &value) { FResim = value; }
    const QString &Baslik() const { return FBaslik; }
    void SetBaslik(const QString &value) { FBaslik = value; }
    const QString &Arama() const { return FArama; }
    void SetArama(const QString &value) { FArama = value; }

    template <class V> void MarshalFields(V &v)
    {
        v("FSiraNo", FSiraNo);
        v("FResim", FResim);
        v("FBaslik", FBaslik);
        v("FArama", FArama);
    }

private:
    qint32 FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;
};

class TAcilisEkranlar : public OwningList<TAcilisEkran>
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TAcilisEkranlar";

    template <class V> void MarshalFields(V &v) { v.List(FItems); }
};

// Holder of the opening-screen entries as one array. The holder owns its entries: replacing the
// array or freeing the holder frees them.
class TAcilisEkranlariki
{
public:
    static constexpr const char *TypeName = "mobilstokunit.TAcilisEkranlariki";

    TAcilisEkranlariki() = default;
    TAcilisEkranlariki(const TAcilisEkranlariki &) = delete;
    TAcilisEkranlariki &operator=(const TAcilisEkranlariki &) = delete;

    const platform::marshal::Owned<TAcilisEkran> &Ekranlar() const { return FEkranlar; }
    void SetEkranlar(platform::marshal::Owned<TAcilisEkran> value) { FEkranlar = std::move(value); }

    template <class V> void MarshalFields(V &v) { v("FEkranlar", FEkranlar); }

private:
    platform::marshal::Owned<TAcilisEkran> FEkranlar;
};

// Decodes a picture written as text, two hexadecimal digits per byte (either case). A last
// single digit is read as one digit. Throws platform::ConversionError at a character that is
// not a hexadecimal digit.
QByteArray HexCoz(const QString &text);
