#include "orderhistory.h"

#include "ordersschema.h"
#include "pricing.h"
#include "sqlvalues.h"
#include "stockitems.h"
#include "storedline.h"
#include "tablebuilder.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "session/baglantiu.h"

#include <algorithm>

namespace appserver::orders {
namespace {

using platform::FieldType;

// The parts of an order every view of it shows.
struct OrderHead
{
    qint64 id = 0;
    qint64 cariId = 0;
    QString cariKod, cariAdi;
    QVariant tarih;
    qint64 verenId = 0;
    QString veren;
    int durum = 0;
    QString durumAdi;
    qint64 teslimId = 0, kargoId = 0;
    QString teslim, kargo, kargoFirma;
    QString aciklama, bizimMesaj, saticiNotu;
};

const char *const kOrderJoins = " JOIN cari c ON c.id = o.cari_id"
                                " LEFT JOIN kullanici u ON u.id = o.veren_id"
                                " JOIN siparisdurum d ON d.id = o.durum"
                                " JOIN teslimcinsi t ON t.id = o.teslim_id"
                                " JOIN kargocinsi k ON k.id = o.kargo_id"
                                " JOIN kargofirma f ON f.id = o.kargofirma_id";

const char *const kOrderHeadColumns =
    "o.id AS o_id, o.cari_id AS o_cari, c.kod AS c_kod, c.adi AS c_adi, o.tarih AS o_tarih,"
    " o.veren_id AS o_veren, u.adi AS u_adi, o.durum AS o_durum, d.adi AS d_adi,"
    " o.teslim_id AS o_teslim, t.adi AS t_adi, o.kargo_id AS o_kargo, k.adi AS k_adi,"
    " f.adi AS f_adi, o.aciklama AS o_aciklama, o.bizimmesaj AS o_bizim,"
    " o.saticinotu AS o_satici";

OrderHead ReadHead(const RowValues &value)
{
    OrderHead h;
    h.id = value("o_id").toLongLong();
    h.cariId = value("o_cari").toLongLong();
    h.cariKod = value("c_kod").toString();
    h.cariAdi = value("c_adi").toString();
    h.tarih = value("o_tarih");
    h.verenId = value("o_veren").toLongLong();
    h.veren = value("u_adi").toString();
    h.durum = value("o_durum").toInt();
    h.durumAdi = value("d_adi").toString();
    h.teslimId = value("o_teslim").toLongLong();
    h.teslim = value("t_adi").toString();
    h.kargoId = value("o_kargo").toLongLong();
    h.kargo = value("k_adi").toString();
    h.kargoFirma = value("f_adi").toString();
    h.aciklama = value("o_aciklama").toString();
    h.bizimMesaj = value("o_bizim").toString();
    h.saticiNotu = value("o_satici").toString();
    return h;
}

// Approved orders have gone over to the wholesaler's own books.
QVariant Transferred(const OrderHead &h)
{
    return h.durum >= int(SiparisDurumu::Onaylandi) ? 1 : 0;
}

// ---- the order list ----

struct OrderRow
{
    OrderHead head;
    double tutar = 0, indirimTutar = 0, netTutar = 0, vergiTutari = 0, kdvliTutar = 0;
};

using OrderCol = ColumnOf<OrderRow>;

const std::vector<OrderCol> &OrderColumns()
{
    static const std::vector<OrderCol> columns = {
        {"CARINO", FieldType::Integer, 0,
         [](const OrderRow &o) { return QVariant(o.head.cariId); }},
        {"IDNO", FieldType::Integer, 0, [](const OrderRow &o) { return QVariant(o.head.id); }},
        {"TARIH", FieldType::DateTime, 0,
         [](const OrderRow &o) { return DayNumberOf(o.head.tarih); }},
        {"KUR", FieldType::String, 10,
         [](const OrderRow &) { return QVariant(QStringLiteral("TL")); }},
        {"KURTL", FieldType::Float, 0, [](const OrderRow &) { return QVariant(1.0); }},
        {"VERENIDNO", FieldType::Integer, 0,
         [](const OrderRow &o) { return QVariant(o.head.verenId); }},
        {"KARGO", FieldType::String, 50, [](const OrderRow &o) { return QVariant(o.head.kargo); }},
        {"TESLIM", FieldType::String, 50,
         [](const OrderRow &o) { return QVariant(o.head.teslim); }},
        {"VEREN", FieldType::String, 100, [](const OrderRow &o) { return QVariant(o.head.veren); }},
        {"CARIKOD", FieldType::String, 50,
         [](const OrderRow &o) { return QVariant(o.head.cariKod); }},
        {"CARIADI", FieldType::String, 200,
         [](const OrderRow &o) { return QVariant(o.head.cariAdi); }},
        {"VERGI", FieldType::Float, 0, [](const OrderRow &o) { return QVariant(o.vergiTutari); }},
        {"NETTUTAR", FieldType::Float, 0, [](const OrderRow &o) { return QVariant(o.netTutar); }},
        {"TUTAR", FieldType::Float, 0, [](const OrderRow &o) { return QVariant(o.tutar); }},
        {"DURUM", FieldType::String, 30,
         [](const OrderRow &o) { return QVariant(o.head.durumAdi); }},
        {"KARGOADI", FieldType::String, 50,
         [](const OrderRow &o) { return QVariant(o.head.kargoFirma); }},
        {"VERENINNOTU", FieldType::Memo, 0,
         [](const OrderRow &o) { return QVariant(o.head.aciklama); }},
        {"ALANNOTU", FieldType::Memo, 0,
         [](const OrderRow &o) { return QVariant(o.head.bizimMesaj); }},
        {"INDIRIMTUTAR", FieldType::Float, 0,
         [](const OrderRow &o) { return QVariant(o.indirimTutar); }},
        {"KDVLITUTAR", FieldType::Float, 0,
         [](const OrderRow &o) { return QVariant(o.kdvliTutar); }},
        {"DURUMNO", FieldType::Integer, 0,
         [](const OrderRow &o) { return QVariant(o.head.durum); }},
    };
    return columns;
}

// ---- order lines ----

struct OrderLineRow
{
    OrderHead head;
    StockItem item;
    StoredLine priced;
    qint64 id = 0;
    qint64 sepetSirano = 0;
    qint64 verenId = 0;
    QString veren;
    double ilkMiktar = 0, miktar = 0, teslimEdilen = 0, ilkFiyat = 0;
    double Kalan() const { return std::max(0.0, miktar - teslimEdilen); }
};

using LineCol = ColumnOf<OrderLineRow>;

QString LineSelect()
{
    return QStringLiteral("SELECT %1, x.id AS x_id, x.sepet_sirano AS x_sepet,"
                          " x.veren_id AS x_veren, xu.adi AS xu_adi, x.ilkmiktar AS x_ilkmiktar,"
                          " x.miktar AS x_miktar, x.teslimedilen AS x_teslim,"
                          " x.ilkfiyat AS x_ilkfiyat, %2, %3"
                          " FROM siparis_satir x"
                          " JOIN siparis o ON o.id = x.siparis_id"
                          " JOIN stok s ON s.id = x.stok_id"
                          " LEFT JOIN kullanici xu ON xu.id = x.veren_id")
               .arg(StockItemColumns(), StoredLineColumns("x"), QLatin1String(kOrderHeadColumns)) +
           QLatin1String(kOrderJoins);
}

OrderLineRow ReadLine(const RowValues &value)
{
    OrderLineRow l;
    l.item = ReadStockItem(value);
    l.priced = ReadStoredLine(value);
    l.head = ReadHead(value);
    l.id = value("x_id").toLongLong();
    l.sepetSirano = value("x_sepet").toLongLong();
    l.verenId = value("x_veren").toLongLong();
    l.veren = value("xu_adi").toString();
    l.ilkMiktar = value("x_ilkmiktar").toDouble();
    l.miktar = value("x_miktar").toDouble();
    l.teslimEdilen = value("x_teslim").toDouble();
    l.ilkFiyat = value("x_ilkfiyat").toDouble();
    return l;
}

const std::vector<LineCol> &LineColumns()
{
    static const std::vector<LineCol> columns = {
        {"VERILISTARIHI", FieldType::DateTime, 0,
         [](const OrderLineRow &l) { return DayNumberOf(l.head.tarih); }},
        {"BARKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.kod); }},
        {"FINISHKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.finishkod); }},
        {"OEMNO", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.oemno); }},
        {"STOKADI", FieldType::String, 200,
         [](const OrderLineRow &l) { return QVariant(l.item.adi); }},
        {"MIKTAR", FieldType::Float, 0, [](const OrderLineRow &l) { return QVariant(l.miktar); }},
        {"BIRIMFIYAT", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.birimfiyat); }},
        {"TUTAR", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.tutar); }},
        {"INDIRIMYAZI", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(DiscountText(l.priced.rates)); }},
        {"NETBIRIMFIYAT", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.netBirimFiyat); }},
        {"KDV", FieldType::Float, 0, [](const OrderLineRow &l) { return QVariant(l.priced.kdv); }},
        {"VERGITUTARI", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.vergiTutari); }},
        {"NETTUTAR", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.netTutar); }},
        {"VEREN", FieldType::String, 100, [](const OrderLineRow &l) { return QVariant(l.veren); }},
        {"TESLIMEDILEN", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.teslimEdilen); }},
        // The open balance of the line.
        {"KALAN", FieldType::Float, 0, [](const OrderLineRow &l) { return QVariant(l.Kalan()); }},
        // The basket line the order line came from; the balance commands send it back.
        {"SIRANO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.sepetSirano); }},
        {"SIPARISNO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.head.id); }},
        {"CARINO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.head.cariId); }},
        {"TARIH", FieldType::Date, 0, [](const OrderLineRow &l) { return DayOf(l.head.tarih); }},
        {"AKTAR", FieldType::Integer, 0, [](const OrderLineRow &l) { return Transferred(l.head); }},
        {"STOKNO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.id); }},
        {"INDIRIMORANI1", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.rates[0]); }},
        {"INDIRIMORANI2", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.rates[1]); }},
        {"INDIRIMORANI3", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.rates[2]); }},
        {"INDIRIMORANI4", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.rates[3]); }},
        {"INDIRIMTUTAR", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.indirimTutar); }},
        {"KUR", FieldType::String, 10,
         [](const OrderLineRow &) { return QVariant(QStringLiteral("TL")); }},
        {"KURTL", FieldType::Float, 0, [](const OrderLineRow &) { return QVariant(1.0); }},
        {"VERENIDNO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.verenId); }},
        {"SAAT", FieldType::String, 8,
         [](const OrderLineRow &l) { return QVariant(TimeTextOf(l.head.tarih)); }},
        {"TESLIMID", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.head.teslimId); }},
        {"KARGOID", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.head.kargoId); }},
        // The change dialog shows it as the item's description.
        {"ACIKLAMA", FieldType::String, 200,
         [](const OrderLineRow &l) { return QVariant(l.item.adi); }},
        {"IDNO", FieldType::Integer, 0, [](const OrderLineRow &l) { return QVariant(l.head.id); }},
        {"VERENSIRANO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.verenId); }},
        {"CARIKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.head.cariKod); }},
        {"CARIADI", FieldType::String, 200,
         [](const OrderLineRow &l) { return QVariant(l.head.cariAdi); }},
        {"OEM1", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.oem1); }},
        {"OEM2", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.oem2); }},
        {"OEM3", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.oem3); }},
        {"OEM4", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.oem4); }},
        {"STOK_STOKNO", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.id); }},
        {"URETICIKODU", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.ureticikodu); }},
        {"DIGERADI", FieldType::String, 200,
         [](const OrderLineRow &l) { return QVariant(l.item.digeradi); }},
        {"DPKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.dpkod); }},
        {"MARKA", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.marka); }},
        {"MODEL", FieldType::String, 100,
         [](const OrderLineRow &l) { return QVariant(l.item.model); }},
        {"ANAGRUP", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.anagrup); }},
        {"OZELKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.ozelkod); }},
        {"PKOD", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.item.pkod); }},
        {"TESLIM", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.head.teslim); }},
        {"KARGO", FieldType::String, 50,
         [](const OrderLineRow &l) { return QVariant(l.head.kargo); }},
        {"ILKFIYAT", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.ilkFiyat); }},
        // The line's movement number; the balance commands send it back as the order line.
        {"STOKHAR_NO", FieldType::Integer, 0, [](const OrderLineRow &l) { return QVariant(l.id); }},
        {"ALINANSIPARIS", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.alinansiparis); }},
        {"VERILENSIPARIS", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.verilensiparis); }},
        // What the wholesaler has of the item now.
        {"ELDEKI", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.kalan); }},
        // The item's stock status (0 to 5), drawn as a picture.
        {"DURUM", FieldType::Integer, 0,
         [](const OrderLineRow &l) { return QVariant(l.item.durum); }},
        {"ILKMIKTAR", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.ilkMiktar); }},
        {"KDVLITUTAR", FieldType::Float, 0,
         [](const OrderLineRow &l) { return QVariant(l.priced.amounts.kdvliTutar); }},
        {"SIPARISDURUMU", FieldType::String, 30,
         [](const OrderLineRow &l) { return QVariant(l.head.durumAdi); }},
    };
    return columns;
}

std::unique_ptr<platform::DataSet> LinesTable(QSqlQuery q)
{
    std::vector<OrderLineRow> rows;
    const RowValues row(q);
    while (q.next())
        rows.push_back(ReadLine(row));
    return BuildTable(LineColumns(), rows);
}

} // namespace

std::unique_ptr<platform::DataSet> OrderList(Database &db, qint64 cariId)
{
    QSqlQuery q =
        db.Exec(QStringLiteral("SELECT %1, o.tutar AS o_tutar,"
                               " o.indirimtutar AS o_indirim, o.nettutar AS o_net,"
                               " o.vergitutari AS o_vergi, o.kdvlitutar AS o_kdvli"
                               " FROM siparis o")
                        .arg(QLatin1String(kOrderHeadColumns)) +
                    QLatin1String(kOrderJoins) +
                    QStringLiteral(" WHERE o.cari_id = ? ORDER BY o.tarih DESC, o.id DESC"),
                {cariId});
    std::vector<OrderRow> rows;
    const RowValues value(q);
    while (q.next()) {
        OrderRow row;
        row.head = ReadHead(value);
        row.tutar = value("o_tutar").toDouble();
        row.indirimTutar = value("o_indirim").toDouble();
        row.netTutar = value("o_net").toDouble();
        row.vergiTutari = value("o_vergi").toDouble();
        row.kdvliTutar = value("o_kdvli").toDouble();
        rows.push_back(row);
    }
    return BuildTable(OrderColumns(), rows);
}

std::unique_ptr<platform::DataSet> OrderLines(Database &db, qint64 cariId, qint64 siparisId)
{
    return LinesTable(db.Exec(
        LineSelect() + QStringLiteral(" WHERE x.siparis_id = ? AND o.cari_id = ? ORDER BY x.id"),
        {siparisId, cariId}));
}

std::unique_ptr<platform::DataSet> OrderLinesOfItem(Database &db, qint64 cariId, qint64 stokId)
{
    return LinesTable(db.Exec(LineSelect() + QStringLiteral(" WHERE o.cari_id = ?"
                                                            " AND (? = 0 OR x.stok_id = ?)"
                                                            " ORDER BY o.tarih DESC, x.id DESC"
                                                            " LIMIT ?"),
                              {cariId, stokId, stokId, kMaxHistoryRows}));
}

std::unique_ptr<platform::DataSet> OpenBalances(Database &db, qint64 cariId)
{
    return LinesTable(db.Exec(LineSelect() + QStringLiteral(" WHERE o.cari_id = ?"
                                                            " AND x.miktar > x.teslimedilen"
                                                            " ORDER BY o.tarih, x.id LIMIT ?"),
                              {cariId, kMaxHistoryRows}));
}

std::unique_ptr<TSiparisDipAyrinti> OrderFooter(Database &db, qint64 cariId, qint64 siparisId)
{
    auto dip = std::make_unique<TSiparisDipAyrinti>();
    QSqlQuery q =
        db.Exec(QStringLiteral("SELECT %1 FROM siparis o").arg(QLatin1String(kOrderHeadColumns)) +
                    QLatin1String(kOrderJoins) +
                    QStringLiteral(" WHERE o.id = ? AND (? = 0 OR o.cari_id = ?)"),
                {siparisId, cariId, cariId});
    if (!q.next())
        return dip;
    const OrderHead h = ReadHead(RowValues(q));
    dip->SetSizinMesaj(h.aciklama);
    dip->SetDurumu(h.durumAdi);
    dip->SetVeren(h.veren);
    dip->SetKargo(h.kargoFirma);
    dip->SetBizimMesaj(h.bizimMesaj);
    dip->SetTeslimCinsi(h.teslim);
    dip->SetKargoCinsi(h.kargo);
    dip->SetSaticiNotu(h.saticiNotu);
    return dip;
}

} // namespace appserver::orders
