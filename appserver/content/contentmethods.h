#pragma once

#include "customercard.h"

namespace appserver {

class DatabasePool;
class MethodHandlers;

// What the content methods take from other parts of the server.
struct ContentOptions
{
    // The ledger's totals of a customer for the account card; without it the card's amounts
    // are 0.
    content::AccountTotalsSource accountTotals;
};

// The methods of the opening adverts and announcements (AcilisReklamAdet, AcilisREklamVer,
// AcilisEkranlarVer, AcilisEkranlarVer2, DuyuruVer, DuyuruVer2), the banners
// (BannerResimVer, BannerResimVer2, BannerResimVer3), the ticker (KayanYaziGetir), the mail
// and password requests (MailGonserCari, MailGonserCariNormal, SifremiUnuttum) and the
// customer card (MobilCariBilgisiGetir). `pool` must outlive the handlers.
void RegisterContentMethods(MethodHandlers &handlers, DatabasePool &pool);
void RegisterContentMethods(MethodHandlers &handlers, DatabasePool &pool, ContentOptions options);

} // namespace appserver
