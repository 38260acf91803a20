#include "accountsschema.h"

namespace appserver {

std::vector<SchemaStep> AccountsSchema()
{
    return {
        {"accounts",
         1,
         {
             // An invoice: its header and the totals of its lines, kept when the lines are
             // written so that the totals always equal the lines. yon is +1 for a sale (the
             // customer owes) and -1 for a return (the customer is owed).
             QStringLiteral("CREATE TABLE fatura ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " tarih %TS% NOT NULL,"
                            " saat TEXT NOT NULL DEFAULT '',"
                            " evrakno TEXT NOT NULL,"
                            " tur TEXT NOT NULL,"
                            " yon INTEGER NOT NULL,"
                            " satici_id INTEGER REFERENCES satici(id),"
                            " vadegun INTEGER NOT NULL DEFAULT 0,"
                            " irsaliyeno TEXT NOT NULL DEFAULT '', irsaliyetarih %TS%,"
                            " siparisno TEXT NOT NULL DEFAULT '', siparistarih %TS%,"
                            " aciklama TEXT NOT NULL DEFAULT '',"
                            " toplam %REAL% NOT NULL DEFAULT 0,"
                            " toplamindirim %REAL% NOT NULL DEFAULT 0,"
                            " toplammasraf %REAL% NOT NULL DEFAULT 0,"
                            " matrah %REAL% NOT NULL DEFAULT 0,"
                            " kdvtutar %REAL% NOT NULL DEFAULT 0,"
                            " kdvdahil %REAL% NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE INDEX fatura_cari ON fatura(cari_id, tarih)"),
             QStringLiteral(
                 "CREATE TABLE fatura_satir ("
                 " id %ID%,"
                 " fatura_id INTEGER NOT NULL REFERENCES fatura(id) ON DELETE CASCADE,"
                 " sira INTEGER NOT NULL,"
                 " stok_id INTEGER REFERENCES stok(id),"
                 " kod TEXT NOT NULL DEFAULT '', barkod TEXT NOT NULL DEFAULT '',"
                 " oemno TEXT NOT NULL DEFAULT '', stokadi TEXT NOT NULL DEFAULT '',"
                 " finishkod TEXT NOT NULL DEFAULT '', marka TEXT NOT NULL DEFAULT '',"
                 " model TEXT NOT NULL DEFAULT '', anagrup TEXT NOT NULL DEFAULT '',"
                 " departman TEXT NOT NULL DEFAULT '', birim TEXT NOT NULL DEFAULT 'ADET',"
                 " ozelkod TEXT NOT NULL DEFAULT '', ureticikodu TEXT NOT NULL DEFAULT '',"
                 " dpkod TEXT NOT NULL DEFAULT '', aciklama TEXT NOT NULL DEFAULT '',"
                 " miktar %REAL% NOT NULL,"
                 " birimfiyat %REAL% NOT NULL,"
                 " indirim1 %REAL% NOT NULL DEFAULT 0, indirim2 %REAL% NOT NULL DEFAULT 0,"
                 " kdv %REAL% NOT NULL DEFAULT 0,"
                 " masraf %REAL% NOT NULL DEFAULT 0,"
                 // Derived when the line is written: gross, discount, net, tax.
                 " tutar %REAL% NOT NULL, toplamindirim %REAL% NOT NULL,"
                 " netbirimfiyat %REAL% NOT NULL, nettutar %REAL% NOT NULL, vergi %REAL% NOT "
                 "NULL)"),
             QStringLiteral("CREATE INDEX fatura_satir_fatura ON fatura_satir(fatura_id, sira)"),
             // A collection (Tahsilat, money received) or a payment (Tediye, money paid out),
             // with one line per means of payment.
             QStringLiteral("CREATE TABLE tahsilat ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " tarih %TS% NOT NULL,"
                            " saat TEXT NOT NULL DEFAULT '',"
                            " tur TEXT NOT NULL,"
                            " evrakno TEXT NOT NULL,"
                            " aciklama TEXT NOT NULL DEFAULT '',"
                            " tutar %REAL% NOT NULL)"),
             QStringLiteral(
                 "CREATE TABLE tahsilat_satir ("
                 " id %ID%,"
                 " tahsilat_id INTEGER NOT NULL REFERENCES tahsilat(id) ON DELETE CASCADE,"
                 " cins TEXT NOT NULL,"
                 " vade %TS%,"
                 " tutar %REAL% NOT NULL,"
                 " kur TEXT NOT NULL DEFAULT 'TL',"
                 " kurtl %REAL% NOT NULL DEFAULT 1,"
                 " doviztutar %REAL% NOT NULL DEFAULT 0,"
                 " ref TEXT NOT NULL DEFAULT '',"
                 " aciklama TEXT NOT NULL DEFAULT '')"),
             QStringLiteral("CREATE INDEX tahsilat_satir_tahsilat ON tahsilat_satir(tahsilat_id)"),
             // The statement: one line per accounting movement, linked to its document.
             QStringLiteral("CREATE TABLE cari_hareket ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " tarih %TS% NOT NULL,"
                            " tur TEXT NOT NULL,"
                            " evrakno TEXT NOT NULL,"
                            " aciklama TEXT NOT NULL DEFAULT '',"
                            " borc %REAL% NOT NULL DEFAULT 0,"
                            " alacak %REAL% NOT NULL DEFAULT 0,"
                            " kur TEXT NOT NULL DEFAULT 'TL',"
                            " vade %TS%,"
                            " fatura_id INTEGER REFERENCES fatura(id),"
                            " tahsilat_id INTEGER REFERENCES tahsilat(id))"),
             QStringLiteral("CREATE INDEX cari_hareket_cari ON cari_hareket(cari_id, tarih)"),
             // A card payment made on the payment page, linked to its collection once that is
             // booked; its id is the sequence number the client asks the receipt by. Only the
             // last four digits of the card are kept.
             QStringLiteral("CREATE TABLE sanalpos_odeme ("
                            " id %ID%,"
                            " cari_id INTEGER NOT NULL REFERENCES cari(id),"
                            " tahsilat_id INTEGER UNIQUE REFERENCES tahsilat(id),"
                            " tarih %TS% NOT NULL,"
                            " tutar %REAL% NOT NULL,"
                            " kartson4 TEXT NOT NULL,"
                            " kartsahibi TEXT NOT NULL DEFAULT '',"
                            " onaykodu TEXT NOT NULL,"
                            " pdf %BLOB%)"),
             QStringLiteral("CREATE TABLE doviz_kur ("
                            " tarih %TS% PRIMARY KEY,"
                            " usd %REAL% NOT NULL,"
                            " eur %REAL% NOT NULL)"),
             QStringLiteral("CREATE TABLE access_request ("
                            " id %ID%,"
                            " bilgisayarid TEXT NOT NULL UNIQUE,"
                            " ilk %TS% NOT NULL,"
                            " son %TS% NOT NULL,"
                            " adet INTEGER NOT NULL DEFAULT 1)"),
         }},
    };
}

} // namespace appserver
