#pragma once

#include "cardpaymentpage.h"

#include "appserver/router.h"

#include <QString>

namespace appserver {

class DatabasePool;

struct WebHostOptions
{
    QString firmName = QStringLiteral("Dorvena Otomotiv Yedek Parça");
    // Books the payments approved on the card-payment page; without it the page takes none.
    content::CardPaymentRecorder recordCardPayment;
};

// The firm's web host, as the fallback of an HttpServer (it runs on the server's workers):
//   GET  /resimgoster.ashx?id=N          the item's JPEG picture; 404 when it has none
//   GET  /miravel.html?carino=&sube=&firmasi=&bakiye=   the card-payment page
//   POST /miravel.html                   a payment from that page
//   GET  /formmailgonder.aspx?carino=0&kullanici=&id=   the access request page
//   POST /formmailgonder.aspx            an access request from that page
//   GET  /ip.php, /ip                    the caller's address as plain text
//   GET  /exe/VelkorSetup.exe            the installer named by the setting "installer"
//   GET  /, /index.html                  the firm's web site
// Paths are matched without regard to case; other paths get no answer (404). `pool` must
// outlive the handler.
FallbackHandler MakeWebHost(DatabasePool &pool, WebHostOptions options = {});

} // namespace appserver
