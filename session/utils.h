#pragma once

#include "platform/shell.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {
class Connection;
class DataSet;
} // namespace platform

// Remembers which server address the sign-in chose; item pictures come from the same place.
class Tiptut
{
public:
    QString gecerliip;
};
// The one instance, alive for the whole run.
Tiptut &Tip();

// Client identity.
QString BilgisayarAdiAl(); // computer name (at most 15 characters), empty when unknown
QString KullaniciAdiAl();  // user name (at most 15 characters), empty when unknown
QString IcIpAl();          // local IPv4 address, "127.0.0.1" when none
QString MacAdresiAl();     // first non-zero adapter address "00-1A-2B-3C-4D-5E", empty when none
QString DiskSeriNoAl();    // serial of the first physical disk in upper case; raises when unknown
QString BilgisayarIdAl();  // the machine identifier; never raises
// The identifier's rule on its own sources: the disk serial trimmed (an error counts as empty),
// else the adapter address; no blanks; a serial of the alias list stands for the alias id.
QString BilgisayarIdAlFrom(const std::function<QString()> &diskSerial,
                           const std::function<QString()> &macAddress, const QStringList &aliases,
                           const QString &aliasId);

// Places on disk.
QString VeriKlasoru();     // the per-user data folder ".../velkor", created when missing
QString BelgelerKlasoru(); // the Documents folder

// Browser routines.
QString UrlKodla(const QString &url);
QString ChromeYolu();
// The embedded browser's generation: 11 when this build has the web engine, 0 without one.
int IeSurumu();

// The common text of every failed connection.
inline const QString kBaglantiKurulamiyor =
    QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// Shows the program's message box and returns the pressed button's dialog result
// (1 OK, 2 Cancel, 6 Yes, 7 No). Kind: 0 warning, 1 error, 2 information, 3 question.
int MesajGoster(const QString &text, int kind, const QList<platform::DialogButton> &buttons,
                platform::DialogButton focused);

// The Turkish message box itself: caption and sound by kind, Turkish button labels, the
// named button focused, message font size 15. Installed as the desktop's message box by the
// program; MesajGoster reaches it through the Shell.
int TurkceMesajKutusu(const platform::MessageRequest &request);
void MesajKutusunuKur();

// Opens the connection, trying 11 times 500 ms apart. Mode 1 tells the user when it fails;
// mode 0 is silent. Only ordinary errors are retried; anything else reaches the caller.
bool BaglantiAc(platform::Connection &connection, int mode);

// Gives every floating-point field (and only those) the display format "#,###,##0.00".
void SayiBicimle(platform::DataSet &dataset);

// The dataset is open and has at least one row.
bool KayitVarmi(const platform::DataSet *dataset);

// At least one row has SEC = 1; the cursor stays on the first such row, or at the end.
bool SeciliVarmi(platform::DataSet *dataset);
