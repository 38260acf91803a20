#include "mobileobjects.h"

#include "sqlvalues.h"

#include "server/mobilstokunit.h"

namespace appserver::orders {

std::unique_ptr<TMobilStok> MobilStok(const PricedItem &p)
{
    const StockItem &s = p.item;
    auto m = std::make_unique<TMobilStok>();
    m->SetStokNo(qint32(s.id));
    m->SetResimVar(s.resim ? 1 : 0);
    m->SetYeni(s.yeni ? 1 : 0);
    m->SetDepartman(s.departman);
    m->SetVerilenSiparis(s.verilensiparis);
    m->SetAltGrup(s.altgrup);
    m->SetDurum(s.durum);
    m->SetBirim(s.birim);
    m->SetKDV(s.kdv);
    m->SetAlinanSiparis(s.alinansiparis);
    m->SetIsk1(p.price.rates[0]);
    m->SetIsk2(p.price.rates[1]);
    m->SetIsk3(p.price.rates[2]);
    m->SetIsk4(p.price.rates[3]);
    m->SetAnaGrup(s.anagrup);
    m->SetKod(s.kod);
    m->SetListeFiyati(s.listefiyat);
    m->SetNetFiyat(p.price.netFiyat);
    m->SetKDVliFiyat(p.price.kdvDahil);
    m->SetOzelKod(s.ozelkod);
    m->SetKampnayali(p.price.campaign ? 1 : 0);
    m->SetBarkod(s.kod);
    m->SetIndirimOran(p.price.indirimYuzde);
    m->SetKalan(s.kalan);
    m->SetUreticiKod(s.ureticikodu);
    m->SetKampanyaliFiyat(p.price.campaign ? s.kampfiyat : 0);
    m->SetOemNo(s.oemno);
    bool numeric = false;
    const qint32 barkodNo = s.barkodno.toInt(&numeric);
    m->SetBarkodNo(numeric ? barkodNo : 0);
    m->SetPKod(s.pkod);
    m->SetDpKod(s.dpkod);
    m->SetAdi(s.adi);
    m->SetFiyat(p.price.fiyat);
    return m;
}

std::unique_ptr<TMobilStoklar> MobilStoklar(const std::vector<StockItem> &items,
                                            const DiscountRates &customerRates)
{
    auto list = std::make_unique<TMobilStoklar>();
    for (const StockItem &item : items)
        list->Add(MobilStok(PriceFor(item, customerRates)));
    return list;
}

std::unique_ptr<TMobilSepetler> MobilSepetler(const std::vector<BasketLine> &lines)
{
    auto list = std::make_unique<TMobilSepetler>();
    for (const BasketLine &l : lines) {
        const StockItem &s = l.item;
        const LineAmounts &a = l.priced.amounts;
        auto m = std::make_unique<TMobilSepet>();
        m->SetStokNo(qint32(s.id));
        m->SetTARIH(DayOf(l.tarih).toDouble());
        m->SetSIRANO(qint32(l.sirano));
        m->SetCARIADI(l.cariAdi);
        m->SetVERILISTARIHI(DayNumberOf(l.tarih).toDouble());
        m->SetDurum(s.durum);
        m->SetMIKTAR(l.miktar);
        m->SetVERENIDNO(qint32(l.verenId));
        m->SetNETTUTAR(a.netTutar);
        m->SetKDVLITUTAR(a.kdvliTutar);
        m->SetKDV(l.priced.kdv);
        m->SetSAAT(TimeTextOf(l.tarih));
        m->SetVERGITUTARI(a.vergiTutari);
        m->SetPKod(s.pkod);
        m->SetMODEL(s.model);
        m->SetINDIRIMTUTAR(a.indirimTutar);
        m->SetSTOK_STOKNO(qint32(s.id));
        m->SetBIRIMFIYAT(l.priced.birimfiyat);
        m->SetSEC(l.sec);
        m->SetOEM1(s.oem1);
        m->SetOEM2(s.oem2);
        m->SetOEM3(s.oem3);
        m->SetOEM4(s.oem4);
        m->SetAnaGrup(s.anagrup);
        m->SetMARKA(s.marka);
        m->SetVEREN(l.veren);
        m->SetSTOKADI(s.adi);
        m->SetCARINO(qint32(l.cariId));
        m->SetVERENSIRANO(qint32(l.verenId));
        m->SetINDIRIMORANI1(l.priced.rates[0]);
        m->SetINDIRIMORANI2(l.priced.rates[1]);
        m->SetINDIRIMORANI3(l.priced.rates[2]);
        m->SetKUR(QStringLiteral("TL"));
        m->SetIDNO(double(l.sirano));
        m->SetOzelKod(s.ozelkod);
        m->SetDpKod(s.dpkod);
        m->SetKURTL(1);
        m->SetDIGERADI(s.digeradi);
        m->SetBarkod(s.kod);
        m->SetTUTAR(a.tutar);
        m->SetURETICIKODU(s.ureticikodu);
        m->SetKalan(s.kalan);
        m->SetFINISHKOD(s.finishkod);
        m->SetCARIKOD(l.cariKod);
        m->SetNETBIRIMFIYAT(a.netBirimFiyat);
        m->SetOemNo(s.oemno);
        m->SetResimVar(s.resim ? 1 : 0);
        list->Add(std::move(m));
    }
    return list;
}

} // namespace appserver::orders
