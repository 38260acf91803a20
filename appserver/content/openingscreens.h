#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace appserver {
class Database;
}

namespace appserver::content {

// An opening screen: an advert shown after start-up and an entry of the announcements.
struct OpeningScreen
{
    int sequence = 0; // the order in which they are shown, 1 and up
    QString title;
    QByteArray jpeg; // empty: no picture
    QString target;  // "#KAMPANYA#", "#YENİ#", a search text, or empty
};

inline constexpr int kMaxTitleLength = 200;
inline constexpr int kMaxTargetLength = 200;
inline constexpr int kMaxPictureBytes = 4 * 1024 * 1024;

int OpeningScreenCount(Database &db);
// The screen at a 0-based position in showing order; none outside 0 .. count - 1.
std::optional<OpeningScreen> OpeningScreenAt(Database &db, int index);
std::vector<OpeningScreen> OpeningScreens(Database &db);

// Adds the screen, or replaces the one with the same sequence number. Raises platform::Error
// for a sequence below 1, overlong texts, or a picture that is not a readable JPEG.
void StoreOpeningScreen(Database &db, const OpeningScreen &screen);
// False when there was no screen with that number.
bool RemoveOpeningScreen(Database &db, int sequence);

// A file as the transfer objects carry pictures: two upper-case hexadecimal digits per byte.
QString HexText(const QByteArray &bytes);

} // namespace appserver::content
