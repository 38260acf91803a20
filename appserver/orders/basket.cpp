#include "basket.h"

#include "catalogue.h"
#include "inputcheck.h"
#include "sqlvalues.h"
#include "tablebuilder.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "platform/error.h"

namespace appserver::orders {
namespace {

using platform::FieldType;
using Col = ColumnOf<BasketLine>;

QString LineSelect()
{
    return QStringLiteral("SELECT %1, b.id AS b_id, b.cari_id AS b_cari, c.kod AS c_kod,"
                          " c.adi AS c_adi, b.veren_id AS b_veren, u.adi AS u_adi,"
                          " b.tarih AS b_tarih, b.miktar AS b_miktar, b.sec AS b_sec, %2"
                          " FROM sepet b"
                          " JOIN stok s ON s.id = b.stok_id"
                          " JOIN cari c ON c.id = b.cari_id"
                          " LEFT JOIN kullanici u ON u.id = b.veren_id")
        .arg(StockItemColumns(), StoredLineColumns("b"));
}

BasketLine ReadLine(const RowValues &value)
{
    BasketLine line;
    line.item = ReadStockItem(value);
    line.priced = ReadStoredLine(value);
    line.sirano = value("b_id").toLongLong();
    line.cariId = value("b_cari").toLongLong();
    line.cariKod = value("c_kod").toString();
    line.cariAdi = value("c_adi").toString();
    line.verenId = value("b_veren").toLongLong();
    line.veren = value("u_adi").toString();
    line.tarih = value("b_tarih");
    line.miktar = value("b_miktar").toDouble();
    line.sec = value("b_sec").toInt();
    return line;
}

QVariant UserOrNull(qint64 userId)
{
    return userId ? QVariant(userId) : QVariant(QMetaType::fromType<qint64>());
}

const std::vector<Col> &BasketColumns()
{
    static const std::vector<Col> columns = {
        {"SEC", FieldType::Integer, 0, [](const BasketLine &l) { return QVariant(l.sec); }},
        {"VERILISTARIHI", FieldType::DateTime, 0,
         [](const BasketLine &l) { return DayNumberOf(l.tarih); }},
        {"SIRANO", FieldType::Integer, 0, [](const BasketLine &l) { return QVariant(l.sirano); }},
        // A basket line belongs to no order yet.
        {"SIPARISNO", FieldType::Integer, 0, [](const BasketLine &) { return QVariant(0); }},
        {"CARINO", FieldType::Integer, 0, [](const BasketLine &l) { return QVariant(l.cariId); }},
        {"TARIH", FieldType::Date, 0, [](const BasketLine &l) { return DayOf(l.tarih); }},
        {"AKTAR", FieldType::Integer, 0, [](const BasketLine &) { return QVariant(0); }},
        {"STOKNO", FieldType::Integer, 0, [](const BasketLine &l) { return QVariant(l.item.id); }},
        {"BARKOD", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.kod); }},
        {"FINISHKOD", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.finishkod); }},
        {"OEMNO", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.oemno); }},
        {"STOKADI", FieldType::String, 200,
         [](const BasketLine &l) { return QVariant(l.item.adi); }},
        {"MIKTAR", FieldType::Float, 0, [](const BasketLine &l) { return QVariant(l.miktar); }},
        {"BIRIMFIYAT", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.birimfiyat); }},
        {"TUTAR", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.tutar); }},
        {"INDIRIMYAZI", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(DiscountText(l.priced.rates)); }},
        {"INDIRIMORANI1", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.rates[0]); }},
        {"INDIRIMORANI2", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.rates[1]); }},
        {"INDIRIMORANI3", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.rates[2]); }},
        {"INDIRIMTUTAR", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.indirimTutar); }},
        {"NETBIRIMFIYAT", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.netBirimFiyat); }},
        {"KDV", FieldType::Float, 0, [](const BasketLine &l) { return QVariant(l.priced.kdv); }},
        {"VERGITUTARI", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.vergiTutari); }},
        {"NETTUTAR", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.netTutar); }},
        {"KUR", FieldType::String, 10,
         [](const BasketLine &) { return QVariant(QStringLiteral("TL")); }},
        {"KURTL", FieldType::Float, 0, [](const BasketLine &) { return QVariant(1.0); }},
        {"VERENIDNO", FieldType::Integer, 0,
         [](const BasketLine &l) { return QVariant(l.verenId); }},
        {"SAAT", FieldType::String, 8,
         [](const BasketLine &l) { return QVariant(TimeTextOf(l.tarih)); }},
        {"TESLIMID", FieldType::Integer, 0, [](const BasketLine &) { return QVariant(0); }},
        {"KARGOID", FieldType::Integer, 0, [](const BasketLine &) { return QVariant(0); }},
        {"ACIKLAMA", FieldType::String, 200,
         [](const BasketLine &l) { return QVariant(l.item.adi); }},
        {"IDNO", FieldType::Integer, 0, [](const BasketLine &l) { return QVariant(l.sirano); }},
        {"VERENSIRANO", FieldType::Integer, 0,
         [](const BasketLine &l) { return QVariant(l.verenId); }},
        {"VEREN", FieldType::String, 100, [](const BasketLine &l) { return QVariant(l.veren); }},
        {"CARIKOD", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.cariKod); }},
        {"CARIADI", FieldType::String, 200,
         [](const BasketLine &l) { return QVariant(l.cariAdi); }},
        {"OEM1", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.oem1); }},
        {"OEM2", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.oem2); }},
        {"OEM3", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.oem3); }},
        {"OEM4", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.oem4); }},
        {"STOK_STOKNO", FieldType::Integer, 0,
         [](const BasketLine &l) { return QVariant(l.item.id); }},
        {"URETICIKODU", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.ureticikodu); }},
        {"DIGERADI", FieldType::String, 200,
         [](const BasketLine &l) { return QVariant(l.item.digeradi); }},
        {"DPKOD", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.dpkod); }},
        {"MARKA", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.marka); }},
        {"MODEL", FieldType::String, 100,
         [](const BasketLine &l) { return QVariant(l.item.model); }},
        {"ANAGRUP", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.anagrup); }},
        {"OZELKOD", FieldType::String, 50,
         [](const BasketLine &l) { return QVariant(l.item.ozelkod); }},
        {"PKOD", FieldType::String, 50, [](const BasketLine &l) { return QVariant(l.item.pkod); }},
        {"DURUM", FieldType::Integer, 0,
         [](const BasketLine &l) { return QVariant(l.item.durum); }},
        {"KALAN", FieldType::Float, 0, [](const BasketLine &l) { return QVariant(l.item.kalan); }},
        {"INDIRIMORANI4", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.rates[3]); }},
        {"KDVLITUTAR", FieldType::Float, 0,
         [](const BasketLine &l) { return QVariant(l.priced.amounts.kdvliTutar); }},
    };
    return columns;
}

} // namespace

StoredLine Basket::PriceLine(const Caller &caller, const StockItem &item, double quantity,
                             std::optional<double> unitPrice) const
{
    const ItemPrice price = PriceFor(item, caller.customer.rates).price;
    double unit = price.fiyat;
    // A salesperson who left the offered price alone sends it back unchanged; only a price of
    // their own has to be a sensible one.
    if (unitPrice && caller.MaySetBasketPrice() && *unitPrice != price.fiyat)
        unit = RequireUnitPrice(*unitPrice, QStringLiteral("The unit price"));
    return MakeStoredLine(unit, quantity, price.rates, item.kdv, price.campaign);
}

qint64 Basket::Add(const Caller &caller, qint64 stokId, double quantity,
                   std::optional<double> unitPrice)
{
    RequireQuantity(quantity, QStringLiteral("The quantity"));
    const std::optional<StockItem> item = FindStockItem(m_db, stokId);
    if (!item)
        throw platform::Error(QStringLiteral("Stock item %1 does not exist").arg(stokId));

    Transaction tx(m_db);
    QSqlQuery existing =
        m_db.Exec(QStringLiteral(
                      "SELECT id, miktar FROM sepet WHERE cari_id = ? AND stok_id = ? ORDER BY id"),
                  {caller.customer.id, stokId});
    if (existing.next()) {
        const qint64 sirano = existing.value(0).toLongLong();
        const double total = existing.value(1).toDouble() + quantity;
        existing.finish();
        RequireQuantity(total, QStringLiteral("The quantity in the basket"));
        const StoredLine line = PriceLine(caller, *item, total, unitPrice);
        QVariantList values = {total};
        values << StoredLineValues(line) << sirano;
        m_db.Exec(QStringLiteral("UPDATE sepet SET miktar = ?, %1 WHERE id = ?")
                      .arg(StoredLineAssignments()),
                  values);
        tx.Commit();
        return sirano;
    }
    const StoredLine line = PriceLine(caller, *item, quantity, unitPrice);
    QVariantList values = {caller.customer.id, stokId, UserOrNull(caller.userId), NowText(),
                           quantity};
    values << StoredLineValues(line);
    const qint64 sirano = m_db.Insert(
        QStringLiteral("INSERT INTO sepet (cari_id, stok_id, veren_id, tarih, miktar, %1)"
                       " VALUES (?, ?, ?, ?, ?, %2)")
            .arg(StoredLineColumnNames(), StoredLinePlaceholders()),
        values);
    tx.Commit();
    return sirano;
}

bool Basket::Update(const Caller &caller, qint64 sirano, double quantity,
                    std::optional<double> unitPrice)
{
    RequireQuantity(quantity, QStringLiteral("The quantity"));
    Transaction tx(m_db);
    const QVariant stokId =
        m_db.Scalar(QStringLiteral("SELECT stok_id FROM sepet WHERE id = ? AND cari_id = ?"),
                    {sirano, caller.customer.id});
    if (!stokId.isValid())
        return false;
    const std::optional<StockItem> item = FindStockItem(m_db, stokId.toLongLong());
    if (!item)
        return false;
    const StoredLine line = PriceLine(caller, *item, quantity, unitPrice);
    QVariantList values = {quantity};
    values << StoredLineValues(line) << sirano;
    m_db.Exec(
        QStringLiteral("UPDATE sepet SET miktar = ?, %1 WHERE id = ?").arg(StoredLineAssignments()),
        values);
    tx.Commit();
    return true;
}

void Basket::Select(qint64 sirano, int mark)
{
    RequireSelectionMark(mark);
    QSqlQuery q =
        m_db.Exec(QStringLiteral("UPDATE sepet SET sec = ? WHERE id = ?"), {mark, sirano});
    if (q.numRowsAffected() != 1)
        throw platform::Error(QStringLiteral("Basket line %1 does not exist").arg(sirano));
}

bool Basket::Remove(const Caller &caller, qint64 sirano)
{
    QSqlQuery q = m_db.Exec(QStringLiteral("DELETE FROM sepet WHERE id = ? AND cari_id = ?"),
                            {sirano, caller.customer.id});
    return q.numRowsAffected() == 1;
}

int Basket::Clear(const Caller &caller)
{
    QSqlQuery q =
        m_db.Exec(QStringLiteral("DELETE FROM sepet WHERE cari_id = ?"), {caller.customer.id});
    return q.numRowsAffected();
}

std::vector<BasketLine> Basket::Lines(qint64 cariId)
{
    QSqlQuery q =
        m_db.Exec(LineSelect() + QStringLiteral(" WHERE b.cari_id = ? ORDER BY b.id"), {cariId});
    std::vector<BasketLine> lines;
    const RowValues row(q);
    while (q.next())
        lines.push_back(ReadLine(row));
    return lines;
}

std::unique_ptr<platform::DataSet> BasketTable(const std::vector<BasketLine> &lines)
{
    return BuildTable(BasketColumns(), lines);
}

} // namespace appserver::orders
