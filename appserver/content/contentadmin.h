#pragma once

#include <QByteArray>
#include <QString>

namespace appserver {

class Database;

// The deployer's content chores, run from the command line. Each checks what it is given and
// raises platform::Error with the reason before anything is stored. Running clients see the
// change at their next reload (a notification on the channel starts one).

// The ticker line (a small HTML text with fonts, colours and links). Refused when the client's
// renderer would cut it short; empty removes the ticker.
void SetTicker(Database &db, const QString &html);

// Adds or replaces the opening advert with this sequence number (1 and up). The picture is a
// JPEG file's bytes (empty: none); the target is "#KAMPANYA#", "#YENİ#", a search text, or
// empty for none.
void SetAdvert(Database &db, int sequence, const QString &title, const QByteArray &jpeg,
               const QString &target);
void SetAdvertFromFile(Database &db, int sequence, const QString &title, const QString &jpegFile,
                       const QString &target);
// False when there was no advert with that number.
bool RemoveAdvert(Database &db, int sequence);

// Banner 1 (header, GIF), 2 (strip, GIF) or 3 (bottom, BMP); empty bytes remove it.
void SetBanner(Database &db, int slot, const QByteArray &bytes);
void SetBannerFromFile(Database &db, int slot, const QString &file);

// The installer file offered at /exe/VelkorSetup.exe, kept as its absolute path; it must be a
// readable file. An empty path offers none.
void SetInstaller(Database &db, const QString &path);

} // namespace appserver
