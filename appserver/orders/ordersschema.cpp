#include "ordersschema.h"

namespace appserver {
namespace orders {

QString SiparisDurumuAdi(SiparisDurumu durum)
{
    switch (durum) {
    case SiparisDurumu::Alindi:
        return QStringLiteral("Alındı");
    case SiparisDurumu::Onaylandi:
        return QStringLiteral("Onaylandı");
    case SiparisDurumu::Goruldu:
        return QStringLiteral("Görüldü");
    case SiparisDurumu::ParcaliHazirlandi:
        return QStringLiteral("Parçalı Hazırlandı");
    case SiparisDurumu::Hazirlandi:
        return QStringLiteral("Hazırlandı");
    case SiparisDurumu::SevkEdildi:
        return QStringLiteral("Sevk Edildi");
    }
    return {};
}

} // namespace orders

namespace {

// The amount columns a basket line and an order line share; they hold what pricing computed,
// rounded to cents, so lists and totals never recompute them differently.
const char *const kLineAmounts =
    " birimfiyat %REAL% NOT NULL,"
    " kdv %REAL% NOT NULL,"
    " ind1 %REAL% NOT NULL DEFAULT 0, ind2 %REAL% NOT NULL DEFAULT 0,"
    " ind3 %REAL% NOT NULL DEFAULT 0, ind4 %REAL% NOT NULL DEFAULT 0,"
    " tutar %REAL% NOT NULL, indirimtutar %REAL% NOT NULL, nettutar %REAL% NOT NULL,"
    " netbirimfiyat %REAL% NOT NULL, vergitutari %REAL% NOT NULL, kdvlitutar %REAL% NOT NULL,"
    " kampanyali INTEGER NOT NULL DEFAULT 0";

QString LookupTable(const char *name)
{
    return QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, adi TEXT NOT NULL)")
        .arg(QLatin1String(name));
}

QString LookupRow(const char *table, int id, const QString &name)
{
    // Fixed reference rows written here, not user input.
    return QStringLiteral("INSERT INTO %1 (id, adi) VALUES (%2, '%3')")
        .arg(QLatin1String(table))
        .arg(id)
        .arg(name);
}

} // namespace

std::vector<SchemaStep> OrdersSchema()
{
    using orders::SiparisDurumu;
    QStringList step1;
    step1 << LookupTable("siparisdurum");
    for (int d = 1; d <= 6; ++d)
        step1 << LookupRow("siparisdurum", d, orders::SiparisDurumuAdi(SiparisDurumu(d)));
    step1 << LookupTable("teslimcinsi")
          << LookupRow("teslimcinsi", 1, QStringLiteral("Kargo ile Teslim"))
          << LookupRow("teslimcinsi", 2, QStringLiteral("Depodan Teslim"))
          << LookupRow("teslimcinsi", 3, QStringLiteral("Firma Aracı ile Teslim"));
    step1 << LookupTable("kargocinsi")
          << LookupRow("kargocinsi", 1, QStringLiteral("Alıcı Ödemeli"))
          << LookupRow("kargocinsi", 2, QStringLiteral("Gönderici Ödemeli"));
    step1 << LookupTable("kargofirma")
          << LookupRow("kargofirma", 1, QStringLiteral("Anlaşmalı Kargo"))
          << LookupRow("kargofirma", 2, QStringLiteral("Ambar"))
          << LookupRow("kargofirma", 3, QStringLiteral("Firma Aracı"));

    // One basket per customer account; a line's id is the SIRANO the client works with.
    step1 << QStringLiteral("CREATE TABLE sepet ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " stok_id INTEGER NOT NULL REFERENCES stok(id),"
                            " veren_id INTEGER REFERENCES kullanici(id),"
                            " tarih %TS% NOT NULL,"
                            " miktar %REAL% NOT NULL CHECK (miktar > 0),"
                            " sec INTEGER NOT NULL DEFAULT 0 CHECK (sec IN (0, 1)),") +
                 QLatin1String(kLineAmounts) + QStringLiteral(")")
          // One line per item: adding an item again adds to its line.
          << QStringLiteral("CREATE UNIQUE INDEX sepet_cari_stok ON sepet(cari_id, stok_id)");

    // An order; its id is the order number (IDNO). The totals are the sums of its lines,
    // rewritten whenever a line changes.
    step1 << QStringLiteral("CREATE TABLE siparis ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " veren_id INTEGER REFERENCES kullanici(id),"
                            " tarih %TS% NOT NULL,"
                            " durum INTEGER NOT NULL DEFAULT 1 REFERENCES siparisdurum(id),"
                            " teslim_id INTEGER NOT NULL REFERENCES teslimcinsi(id),"
                            " kargo_id INTEGER NOT NULL REFERENCES kargocinsi(id),"
                            " kargofirma_id INTEGER NOT NULL REFERENCES kargofirma(id),"
                            " aciklama TEXT NOT NULL DEFAULT '',"   // the customer's note
                            " bizimmesaj TEXT NOT NULL DEFAULT ''," // the wholesaler's message
                            " saticinotu TEXT NOT NULL DEFAULT ''," // the salesperson's note
                            " tutar %REAL% NOT NULL DEFAULT 0,"
                            " indirimtutar %REAL% NOT NULL DEFAULT 0,"
                            " nettutar %REAL% NOT NULL DEFAULT 0,"
                            " vergitutari %REAL% NOT NULL DEFAULT 0,"
                            " kdvlitutar %REAL% NOT NULL DEFAULT 0)")
          << QStringLiteral("CREATE INDEX siparis_cari ON siparis(cari_id)")
          << QStringLiteral("CREATE INDEX siparis_durum ON siparis(durum)");

    // An order line; its id is the movement number (STOKHAR_NO). The open balance is
    // miktar - teslimedilen: changing or deleting a balance changes miktar, the quantity first
    // ordered stays in ilkmiktar and the first unit price in ilkfiyat.
    step1 << QStringLiteral("CREATE TABLE siparis_satir ("
                            " id %ID%,"
                            " siparis_id INTEGER NOT NULL REFERENCES siparis(id) ON DELETE CASCADE,"
                            " sepet_sirano INTEGER NOT NULL,"
                            " stok_id INTEGER NOT NULL REFERENCES stok(id),"
                            " veren_id INTEGER REFERENCES kullanici(id),"
                            " tarih %TS% NOT NULL,"
                            " ilkmiktar %REAL% NOT NULL,"
                            " miktar %REAL% NOT NULL CHECK (miktar >= 0),"
                            " teslimedilen %REAL% NOT NULL DEFAULT 0 CHECK (teslimedilen >= 0),"
                            " ilkfiyat %REAL% NOT NULL,") +
                 QLatin1String(kLineAmounts) + QStringLiteral(")")
          << QStringLiteral("CREATE INDEX siparis_satir_siparis ON siparis_satir(siparis_id)")
          << QStringLiteral("CREATE INDEX siparis_satir_stok ON siparis_satir(stok_id)");

    return {{"orders", 1, step1}};
}

} // namespace appserver
