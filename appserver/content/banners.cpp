#include "banners.h"

#include "appserver/data/database.h"
#include "platform/error.h"

#include <QBuffer>
#include <QImageReader>

namespace appserver::content {
namespace {

const char *FormatOf(BannerSlot slot)
{
    return slot == BannerSlot::Bottom ? "bmp" : "gif";
}

void RequirePicture(BannerSlot slot, const QByteArray &bytes)
{
    if (bytes.size() > kMaxBannerBytes)
        throw platform::Error(QStringLiteral("A banner may have at most %1 bytes, not %2")
                                  .arg(kMaxBannerBytes)
                                  .arg(bytes.size()));
    const bool signature = slot == BannerSlot::Bottom
                               ? bytes.startsWith("BM")
                               : bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, FormatOf(slot));
    if (!signature || reader.read().isNull())
        throw platform::Error(
            slot == BannerSlot::Bottom
                ? QStringLiteral("The bottom banner must be a Windows bitmap (BMP)")
                : QStringLiteral("Banner %1 must be a GIF picture").arg(int(slot)));
}

} // namespace

BannerSlot BannerSlotOf(int number)
{
    if (number < 1 || number > 3)
        throw platform::Error(
            QStringLiteral("A banner's place is 1 (header), 2 (strip) or 3 (bottom), not %1")
                .arg(number));
    return BannerSlot(number);
}

QByteArray BannerPicture(Database &db, BannerSlot slot)
{
    return db.Scalar(QStringLiteral("SELECT resim FROM banner WHERE yer = ?"), {int(slot)})
        .toByteArray();
}

void StoreBanner(Database &db, BannerSlot slot, const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        RequirePicture(slot, bytes);
    Transaction tx(db);
    db.Exec(QStringLiteral("DELETE FROM banner WHERE yer = ?"), {int(slot)});
    if (!bytes.isEmpty())
        db.Exec(QStringLiteral("INSERT INTO banner (yer, tur, resim, degisti) VALUES (?, ?, ?, ?)"),
                {int(slot), QString::fromLatin1(FormatOf(slot)).toUpper(), bytes, NowText()});
    tx.Commit();
}

} // namespace appserver::content
