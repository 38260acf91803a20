#include "contentschema.h"

namespace appserver {

std::vector<SchemaStep> ContentSchema()
{
    return {
        {"content",
         1,
         {
             // An opening screen: shown as an advert at start-up and listed as an
             // announcement, in the order of sirano. resim is a JPEG file, NULL for none;
             // arama is the target ("#KAMPANYA#", "#YENİ#", a search text or empty).
             QStringLiteral("CREATE TABLE acilis_reklam ("
                            " id %ID%,"
                            " sirano INTEGER NOT NULL UNIQUE,"
                            " baslik TEXT NOT NULL DEFAULT '',"
                            " resim %BLOB%,"
                            " arama TEXT NOT NULL DEFAULT '')"),
             // The banners by their place: 1 the header (GIF), 2 the strip under the
             // search bar (GIF), 3 the bottom (Windows bitmap). A missing row is no banner.
             QStringLiteral("CREATE TABLE banner ("
                            " yer INTEGER PRIMARY KEY CHECK (yer BETWEEN 1 AND 3),"
                            " tur TEXT NOT NULL,"
                            " resim %BLOB% NOT NULL,"
                            " degisti %TS% NOT NULL)"),
             // Mail the server passes on to the wholesaler: free-text mails, password change
             // and registration requests, password reminders. gonderildi stays NULL until a
             // mailer has sent it.
             QStringLiteral(
                 "CREATE TABLE giden_posta ("
                 " id %ID%,"
                 " tur TEXT NOT NULL,"
                 " bilgisayarid TEXT NOT NULL,"
                 " cari_id INTEGER REFERENCES cari(id) ON DELETE SET NULL,"
                 " alici TEXT NOT NULL DEFAULT '',"
                 " baslik TEXT NOT NULL DEFAULT '',"
                 " firmaadi TEXT NOT NULL DEFAULT '',"
                 " adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '',"
                 " ilce TEXT NOT NULL DEFAULT '', sehir TEXT NOT NULL DEFAULT '',"
                 " telefon TEXT NOT NULL DEFAULT '', fax TEXT NOT NULL DEFAULT '',"
                 " vd TEXT NOT NULL DEFAULT '', vn TEXT NOT NULL DEFAULT '',"
                 " yetkili TEXT NOT NULL DEFAULT '', kullaniciadi TEXT NOT NULL DEFAULT '',"
                 " sifre TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '',"
                 " kargoambar TEXT NOT NULL DEFAULT '',"
                 " konu TEXT NOT NULL DEFAULT '',"
                 " zaman %TS% NOT NULL,"
                 " gonderildi %TS%)"),
             QStringLiteral(
                 "CREATE INDEX giden_posta_bilgisayar ON giden_posta(bilgisayarid, zaman)"),
             // What a computer the server does not know filled in on the request page.
             QStringLiteral("CREATE TABLE erisim_istegi ("
                            " id %ID%,"
                            " bilgisayarid TEXT NOT NULL,"
                            " kullanici TEXT NOT NULL DEFAULT '',"
                            " firmaadi TEXT NOT NULL,"
                            " yetkili TEXT NOT NULL,"
                            " telefon TEXT NOT NULL,"
                            " mail TEXT NOT NULL DEFAULT '',"
                            " sehir TEXT NOT NULL DEFAULT '',"
                            " aciklama TEXT NOT NULL DEFAULT '',"
                            " ipadres TEXT NOT NULL DEFAULT '',"
                            " zaman %TS% NOT NULL)"),
             QStringLiteral(
                 "CREATE INDEX erisim_istegi_bilgisayar ON erisim_istegi(bilgisayarid, zaman)"),
             // Each payment form is good for one payment: its token is kept here once used,
             // so sending the same form again cannot charge the card twice.
             QStringLiteral("CREATE TABLE odeme_islem ("
                            " islem TEXT PRIMARY KEY,"
                            " cari_id INTEGER NOT NULL,"
                            " zaman %TS% NOT NULL)"),
         }},
    };
}

} // namespace appserver
