#pragma once

#include <QByteArray>

namespace appserver {
class Database;
}

namespace appserver::content {

// The three banners by their place in the main window. The header and the strip are animated
// GIFs, the bottom banner a Windows bitmap: the client loads each in that format only.
enum class BannerSlot { Header = 1, Strip = 2, Bottom = 3 };

inline constexpr int kMaxBannerBytes = 8 * 1024 * 1024;

// The slot for a number 1 to 3; raises platform::Error otherwise.
BannerSlot BannerSlotOf(int number);

// The banner's file, empty when the slot has none.
QByteArray BannerPicture(Database &db, BannerSlot slot);

// Stores the file for the slot; empty bytes remove the banner. Raises platform::Error when the
// bytes are not a readable picture of the slot's format or are too large.
void StoreBanner(Database &db, BannerSlot slot, const QByteArray &bytes);

} // namespace appserver::content
