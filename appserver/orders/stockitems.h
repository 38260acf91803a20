#pragma once

#include "sqlvalues.h"

#include <QString>
#include <optional>

namespace appserver {
class Database;
}

namespace appserver::orders {

// A stock item as the lists and the basket read it.
struct StockItem
{
    qint64 id = 0;
    QString kod, adi, digeradi;
    QString oem1, oem2, oem3, oem4, oemno, ureticikodu;
    QString finishkod, pkod, dpkod, barkodno;
    QString marka, model, anagrup, altgrup, departman, ozelkod, birim;
    double kdv = 0;
    double listefiyat = 0;
    double kampfiyat = 0;
    int durum = 0;
    bool yeni = false;
    bool kampanyali = false;
    double kalan = 0;
    double alinansiparis = 0;
    double verilensiparis = 0;
    bool resim = false; // a picture is stored for it
};

// The select list that ReadStockItem reads, for "FROM stok s" (the picture flag needs no join).
QString StockItemColumns();
StockItem ReadStockItem(const RowValues &row);

std::optional<StockItem> FindStockItem(Database &db, qint64 id);

} // namespace appserver::orders
