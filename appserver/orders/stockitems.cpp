#include "stockitems.h"

#include "appserver/data/database.h"

namespace appserver::orders {

QString StockItemColumns()
{
    return QStringLiteral(
        "s.id, s.kod, s.adi, s.digeradi, s.oem1, s.oem2, s.oem3, s.oem4, s.oemno, s.ureticikodu,"
        " s.finishkod, s.pkod, s.dpkod, s.barkodno, s.marka, s.model, s.anagrup, s.altgrup,"
        " s.departman, s.ozelkod, s.birim, s.kdv, s.listefiyat, s.kampfiyat, s.durum, s.yeni,"
        " s.kampanyali, s.kalan, s.alinansiparis, s.verilensiparis,"
        " CASE WHEN EXISTS (SELECT 1 FROM resim r WHERE r.stok_id = s.id) THEN 1 ELSE 0 END"
        " AS resimvar");
}

StockItem ReadStockItem(const RowValues &row)
{
    // Read by name: the item's columns may sit anywhere in a wider select.
    const auto text = [&](const char *name) { return row(name).toString(); };
    const auto number = [&](const char *name) { return row(name).toDouble(); };
    const auto whole = [&](const char *name) { return row(name).toInt(); };
    StockItem s;
    s.id = row("id").toLongLong();
    s.kod = text("kod");
    s.adi = text("adi");
    s.digeradi = text("digeradi");
    s.oem1 = text("oem1");
    s.oem2 = text("oem2");
    s.oem3 = text("oem3");
    s.oem4 = text("oem4");
    s.oemno = text("oemno");
    s.ureticikodu = text("ureticikodu");
    s.finishkod = text("finishkod");
    s.pkod = text("pkod");
    s.dpkod = text("dpkod");
    s.barkodno = text("barkodno");
    s.marka = text("marka");
    s.model = text("model");
    s.anagrup = text("anagrup");
    s.altgrup = text("altgrup");
    s.departman = text("departman");
    s.ozelkod = text("ozelkod");
    s.birim = text("birim");
    s.kdv = number("kdv");
    s.listefiyat = number("listefiyat");
    s.kampfiyat = number("kampfiyat");
    s.durum = whole("durum");
    s.yeni = whole("yeni") != 0;
    s.kampanyali = whole("kampanyali") != 0;
    s.kalan = number("kalan");
    s.alinansiparis = number("alinansiparis");
    s.verilensiparis = number("verilensiparis");
    s.resim = whole("resimvar") != 0;
    return s;
}

std::optional<StockItem> FindStockItem(Database &db, qint64 id)
{
    QSqlQuery q = db.Exec(
        QStringLiteral("SELECT %1 FROM stok s WHERE s.id = ?").arg(StockItemColumns()), {id});
    if (!q.next())
        return std::nullopt;
    return ReadStockItem(RowValues(q));
}

} // namespace appserver::orders
