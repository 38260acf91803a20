#include "catalogue.h"

#include "tablebuilder.h"

#include "platform/dataset.h"

namespace appserver::orders {
namespace {

using platform::FieldType;
using Col = ColumnOf<PricedItem>;

QVariant Flag(bool value)
{
    return value ? 1 : 0;
}

const std::vector<Col> &StockListColumns()
{
    static const std::vector<Col> columns = {
        {"DURUM", FieldType::Integer, 0,
         [](const PricedItem &p) { return QVariant(p.item.durum); }},
        {"OEM1", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.oem1); }},
        {"OEM2", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.oem2); }},
        {"OEM3", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.oem3); }},
        {"BARKOD", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.kod); }},
        {"URETICIKODU", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.ureticikodu); }},
        {"PKOD", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.pkod); }},
        {"ADI", FieldType::String, 200, [](const PricedItem &p) { return QVariant(p.item.adi); }},
        {"OEM4", FieldType::String, 50, [](const PricedItem &p) { return QVariant(p.item.oem4); }},
        {"STOK_STOKNO", FieldType::Integer, 0,
         [](const PricedItem &p) { return QVariant(p.item.id); }},
        {"FINISHKOD", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.finishkod); }},
        {"RESIM", FieldType::Integer, 0, [](const PricedItem &p) { return Flag(p.item.resim); }},
        {"BARKOD_BARKODNO", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.barkodno); }},
        {"DIGERADI", FieldType::String, 200,
         [](const PricedItem &p) { return QVariant(p.item.digeradi); }},
        {"DPKOD", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.dpkod); }},
        {"OEMNO", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.oemno); }},
        {"BIRIM", FieldType::String, 20,
         [](const PricedItem &p) { return QVariant(p.item.birim); }},
        {"MARKA", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.marka); }},
        {"MODEL", FieldType::String, 100,
         [](const PricedItem &p) { return QVariant(p.item.model); }},
        {"ANAGRUP", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.anagrup); }},
        {"OZELKOD", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.item.ozelkod); }},
        {"KALAN", FieldType::Float, 0, [](const PricedItem &p) { return QVariant(p.item.kalan); }},
        {"KDV", FieldType::Float, 0, [](const PricedItem &p) { return QVariant(p.item.kdv); }},
        {"ALINANSIPARIS", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.item.alinansiparis); }},
        {"VERILENSIPARIS", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.item.verilensiparis); }},
        {"LISTEFIYAT1", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.item.listefiyat); }},
        // 0 when the item sells at no campaign price for this customer.
        {"KAMPFIYAT", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.campaign ? p.item.kampfiyat : 0.0); }},
        {"FIYAT", FieldType::Float, 0, [](const PricedItem &p) { return QVariant(p.price.fiyat); }},
        {"Y", FieldType::Integer, 0, [](const PricedItem &p) { return Flag(p.item.yeni); }},
        {"K", FieldType::Integer, 0, [](const PricedItem &p) { return Flag(p.price.campaign); }},
        {"INDIRIMYAZI", FieldType::String, 50,
         [](const PricedItem &p) { return QVariant(p.price.indirimYazi); }},
        {"NETFIYAT", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.netFiyat); }},
        {"KDVDAHIL", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.kdvDahil); }},
        {"IND1", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.rates[0]); }},
        {"IND2", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.rates[1]); }},
        {"IND3", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.rates[2]); }},
        {"IND4", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.rates[3]); }},
        {"INDIRIM", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.price.indirimYuzde); }},
        // The price before the campaign, which the campaign list shows next to FIYAT.
        {"ESKIFIYAT", FieldType::Float, 0,
         [](const PricedItem &p) { return QVariant(p.item.listefiyat); }},
    };
    return columns;
}

} // namespace

PricedItem PriceFor(const StockItem &item, const DiscountRates &customerRates)
{
    return {item,
            PriceItem(item.listefiyat, item.kampfiyat, item.kampanyali, item.kdv, customerRates)};
}

std::unique_ptr<platform::DataSet> StockListTable(const std::vector<StockItem> &items,
                                                  const DiscountRates &customerRates)
{
    std::vector<PricedItem> priced;
    priced.reserve(items.size());
    for (const StockItem &item : items)
        priced.push_back(PriceFor(item, customerRates));
    return BuildTable(StockListColumns(), priced);
}

} // namespace appserver::orders
