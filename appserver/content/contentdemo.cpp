#include "contentdemo.h"

#include "contentadmin.h"
#include "demopictures.h"
#include "openingscreens.h"

#include "appserver/data/database.h"

namespace appserver {

void SeedContentDemo(Database &db, quint32 seed)
{
    using namespace content;
    for (const OpeningScreen &screen : OpeningScreens(db))
        RemoveOpeningScreen(db, screen.sequence);
    SetAdvert(db, 1, QStringLiteral("Kampanyalı Ürünler"),
              DrawAdvertJpeg(
                  QStringLiteral("Kampanya Başladı!"),
                  QStringLiteral("Seçili ürünlerde %15'e varan indirim. Kampanyalı stokları görmek "
                                 "için tıklayın."),
                  QColor(200, 30, 40), QColor(90, 10, 30), 0),
              QStringLiteral("#KAMPANYA#"));
    SetAdvert(db, 2, QStringLiteral("Yeni Gelen Ürünler"),
              DrawAdvertJpeg(
                  QStringLiteral("Yeni Ürünler Stokta"),
                  QStringLiteral("Bu hafta depomuza giren yeni ürünleri görmek için tıklayın."),
                  QColor(20, 110, 60), QColor(10, 50, 40), 1),
              QStringLiteral("#YENİ#"));
    SetAdvert(
        db, 3, QStringLiteral("Fren Balatası"),
        DrawAdvertJpeg(
            QStringLiteral("Fren Balatası"),
            QStringLiteral("Tüm markalar için fren balatası çeşitleri. Aramak için tıklayın."),
            QColor(30, 70, 160), QColor(15, 25, 70), 2),
        QStringLiteral("FREN BALATASI"));
    SetBanner(db, 1, DrawHeaderBannerGif(seed));
    SetBanner(db, 2, DrawStripBannerGif(seed ^ 0x5A5A5A5Au));
    SetBanner(db, 3, DrawBottomBannerBmp(seed ^ 0xA5A5A5A5u));
    // The demo's web host listens on port 8080 of this machine.
    SetTicker(db,
              QStringLiteral(
                  "<B><FONT COLOR=\"#FFD700\">Dorvena B2B</FONT></B> &bull; Kampanyalı ürünlerde "
                  "<FONT COLOR=\"#FF6060\"><B>%15</B></FONT> indirim &bull; Saat 16:00'ya kadar "
                  "verilen siparişler aynı gün kargoda &bull; "
                  "<A HREF=\"http://127.0.0.1:8080/\"><U>Web sitemizi ziyaret edin</U></A>"));
}

} // namespace appserver
